#include "Twips.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace shell {
namespace {

// One dynamic property holds all four values: every lookup by name costs.
const char *const TwipsKey = "twips";

void apply(QWidget *widget, const TwipsRect &rect)
{
    widget->setGeometry(rect.toPixels(twipsPerPixel(widget)));
}

const char *const ClientSizeKey = "twipsClientSize";
const char *const PlainScaleKey = "twipsPlainScale";

double logicalDpi(const QScreen *screen)
{
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

} // namespace

double fontScale()
{
    const QFont font = QGuiApplication::font();
    double points = font.pointSizeF();
    if (points <= 0 && font.pixelSize() > 0) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        points = font.pixelSize() * 72.0 / logicalDpi(screen);
    }
    return points > DesignFontPoints ? points / DesignFontPoints : 1.0;
}

double windowScale(const QWidget *widget)
{
    if (!widget)
        return 1.0;
    const QWidget *window = widget->window();
    if (window->property(PlainScaleKey).toBool())
        return 1.0;
    double scale = fontScale();
    if (scale <= 1.0)
        return 1.0;
    // A window that would not fit its screen takes the largest factor that
    // fits, but never less than the DPI's own.
    const QSize design = window->property(ClientSizeKey).toSize();
    const QScreen *screen = window->screen();
    if (design.isValid() && screen) {
        const double dpi = logicalDpi(screen);
        const QRect available = screen->availableGeometry();
        const double fitsWidth = available.width() * double(TwipsPerInch) / (design.width() * dpi);
        const double fitsHeight = available.height() * double(TwipsPerInch) / (design.height() * dpi);
        scale = std::min({scale, fitsWidth, fitsHeight});
    }
    return std::max(scale, 1.0);
}

void keepPlainScale(QWidget *window)
{
    window->setProperty(PlainScaleKey, true);
}

double twipsPerPixel(const QWidget *widget)
{
    const QScreen *screen = widget ? widget->screen() : nullptr;
    return TwipsPerInch / (logicalDpi(screen) * windowScale(widget));
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

namespace {

// One side of the stored twips geometry changed, the others kept.
void changeTwips(QWidget *widget, int TwipsRect::*side, int twips)
{
    TwipsRect r = twipsGeometry(widget);
    r.*side = twips;
    setTwipsGeometry(widget, r);
}

} // namespace

void setTwipsLeft(QWidget *widget, int left) { changeTwips(widget, &TwipsRect::left, left); }
void setTwipsTop(QWidget *widget, int top) { changeTwips(widget, &TwipsRect::top, top); }
void setTwipsWidth(QWidget *widget, int width) { changeTwips(widget, &TwipsRect::width, width); }
void setTwipsHeight(QWidget *widget, int height) { changeTwips(widget, &TwipsRect::height, height); }

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
    window->setProperty(ClientSizeKey, QSize(width, height));
    const double perPixel = twipsPerPixel(window);
    window->resize(twipsToPixels(width, perPixel), twipsToPixels(height, perPixel));
}

} // namespace shell
