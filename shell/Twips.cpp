#include "Twips.h"

#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QLayout>
#include <QWidget>

#include <algorithm>

namespace shell {
namespace {

// One dynamic property holds all four values: every lookup by name costs.
const char *const TwipsKey = "twips";
const char *const ClientSizeKey = "twipsClientSize";
const char *const PlainScaleKey = "twipsPlainScale";
const char *const CaptionScaleKey = "twipsCaptionScale";
const char *const MirrorWatchKey = "twipsMirrorWatch";

bool mirrored(const QWidget *widget)
{
    return widget->isRightToLeft() && !widget->isWindow() && widget->parentWidget();
}

// x' = W - x - w: a place measured from the parent's left edge, measured
// from its right edge instead.
int mirroredLeft(const QWidget *widget, const QRect &pixels)
{
    return widget->parentWidget()->width() - pixels.x() - pixels.width();
}

void apply(QWidget *widget, const TwipsRect &rect);

// A parent of mirrored controls places them again whenever its width
// changes (the full-screen view takes its screen's width once shown).
class MirrorKeeper : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize) {
            for (QObject *child : watched->children()) {
                auto *control = qobject_cast<QWidget *>(child);
                if (control && !control->isWindow() && control->property(TwipsKey).isValid())
                    apply(control, twipsGeometry(control));
            }
        }
        return false;
    }
};

void watchParent(QWidget *parent)
{
    if (parent->property(MirrorWatchKey).toBool())
        return;
    parent->setProperty(MirrorWatchKey, true);
    parent->installEventFilter(new MirrorKeeper(parent));
}

// Right to left (Arabic), a control stands mirrored within its parent, so
// that every window mirrors while its design in twips stays as it is.
void apply(QWidget *widget, const TwipsRect &rect)
{
    QRect pixels = rect.toPixels(twipsPerPixel(widget));
    if (mirrored(widget)) {
        pixels.moveLeft(mirroredLeft(widget, pixels));
        watchParent(widget->parentWidget());
    }
    widget->setGeometry(pixels);
}

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
    // The larger of the desktop font's scale and the one the window's
    // captions need in the user's language (fitCaptions).
    double scale = std::max(fontScale(), window->property(CaptionScaleKey).toDouble());
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
    QRect g = widget->geometry();
    if (mirrored(widget))
        g.moveLeft(mirroredLeft(widget, g));
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

void setFixedSizeTwips(QWidget *part, int width, int height)
{
    part->setProperty(ClientSizeKey, QSize(width, height));
    const double perPixel = twipsPerPixel(part);
    part->setFixedSize(twipsToPixels(width, perPixel), twipsToPixels(height, perPixel));
}

void growToScale(QWidget *window, double scale)
{
    if (scale <= windowScale(window))
        return;
    window->setProperty(CaptionScaleKey, scale);
    const QSize design = window->property(ClientSizeKey).toSize();
    // A window of fixed size keeps a fixed size, the new one.
    const bool fixed = window->minimumSize() == window->maximumSize();
    if (fixed) {
        window->setMinimumSize(0, 0);
        window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    if (design.isValid())
        setClientSizeTwips(window, design.width(), design.height());
    reapplyTwips(window);
    for (QWidget *part : window->findChildren<QWidget *>()) {
        const QSize partDesign = part->property(ClientSizeKey).toSize();
        if (partDesign.isValid())
            setFixedSizeTwips(part, partDesign.width(), partDesign.height());
    }
    // A window laid out around its parts (a menu bar above its area) takes
    // the size of its layout.
    if (window->layout())
        window->layout()->activate();
    if (fixed)
        window->setFixedSize(window->size());
}

} // namespace shell
