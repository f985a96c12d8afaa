#include "Twips.h"

#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace shell {
namespace {

const char *const LeftKey = "twipsLeft";
const char *const TopKey = "twipsTop";
const char *const WidthKey = "twipsWidth";
const char *const HeightKey = "twipsHeight";

void apply(QWidget *widget, const TwipsRect &rect)
{
    widget->setGeometry(rect.toPixels(twipsPerPixel(widget)));
}

} // namespace

double twipsPerPixel(const QWidget *widget)
{
    const QScreen *screen = widget ? widget->screen() : nullptr;
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? TwipsPerInch / dpi : 15.0;
}

void setTwipsGeometry(QWidget *widget, const TwipsRect &rect)
{
    widget->setProperty(LeftKey, rect.left);
    widget->setProperty(TopKey, rect.top);
    widget->setProperty(WidthKey, rect.width);
    widget->setProperty(HeightKey, rect.height);
    apply(widget, rect);
}

TwipsRect twipsGeometry(const QWidget *widget)
{
    const QVariant left = widget->property(LeftKey);
    if (left.isValid()) {
        return TwipsRect{left.toInt(), widget->property(TopKey).toInt(), widget->property(WidthKey).toInt(),
                         widget->property(HeightKey).toInt()};
    }
    const double perPixel = twipsPerPixel(widget);
    const QRect g = widget->geometry();
    return TwipsRect{pixelsToTwips(g.x(), perPixel), pixelsToTwips(g.y(), perPixel), pixelsToTwips(g.width(), perPixel),
                     pixelsToTwips(g.height(), perPixel)};
}

void setTwipsLeft(QWidget *widget, int left)
{
    TwipsRect r = twipsGeometry(widget);
    r.left = left;
    setTwipsGeometry(widget, r);
}

void setTwipsTop(QWidget *widget, int top)
{
    TwipsRect r = twipsGeometry(widget);
    r.top = top;
    setTwipsGeometry(widget, r);
}

void setTwipsWidth(QWidget *widget, int width)
{
    TwipsRect r = twipsGeometry(widget);
    r.width = width;
    setTwipsGeometry(widget, r);
}

void setTwipsHeight(QWidget *widget, int height)
{
    TwipsRect r = twipsGeometry(widget);
    r.height = height;
    setTwipsGeometry(widget, r);
}

void reapplyTwips(QWidget *root)
{
    const auto reapply = [](QWidget *w) {
        if (w->property(LeftKey).isValid())
            apply(w, twipsGeometry(w));
    };
    for (QWidget *child : root->findChildren<QWidget *>())
        reapply(child);
}

void setClientSizeTwips(QWidget *window, int width, int height)
{
    const double perPixel = twipsPerPixel(window);
    window->setProperty(WidthKey, width);
    window->setProperty(HeightKey, height);
    window->resize(twipsToPixels(width, perPixel), twipsToPixels(height, perPixel));
}

} // namespace shell
