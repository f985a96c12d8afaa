#include "Twips.h"

#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace shell {
namespace {

// One dynamic property holds all four values: every lookup by name costs.
const char *const TwipsKey = "twips";

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
    widget->setProperty(TwipsKey, QRect(rect.left, rect.top, rect.width, rect.height));
    apply(widget, rect);
}

TwipsRect twipsGeometry(const QWidget *widget)
{
    const QVariant stored = widget->property(TwipsKey);
    if (stored.isValid()) {
        const QRect r = stored.toRect();
        return TwipsRect{r.x(), r.y(), r.width(), r.height()};
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
        if (w->property(TwipsKey).isValid())
            apply(w, twipsGeometry(w));
    };
    for (QWidget *child : root->findChildren<QWidget *>())
        reapply(child);
}

void setClientSizeTwips(QWidget *window, int width, int height)
{
    const double perPixel = twipsPerPixel(window);
    window->setProperty("twipsClientSize", QSize(width, height));
    window->resize(twipsToPixels(width, perPixel), twipsToPixels(height, perPixel));
}

} // namespace shell
