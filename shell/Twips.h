#pragma once
// Windows keep their controls' positions and sizes in twips (1/1440 inch)
// and turn them into pixels by the screen's logical DPI: 15 twips per pixel
// at 96 DPI.
//
// The windows were laid out for a 10-point desktop font. A user who chose a
// larger one gets larger windows: the factor grows with the ratio of the
// desktop font's size to 10 points, so that text, controls and cards grow
// together and no caption is clipped. A language whose captions are longer
// than the English ones grows the window the same way, until its longest
// caption fits (growToScale). It never shrinks below the screen's DPI, and a
// window that would not fit its screen's available area takes the largest
// factor that fits. The full-screen view, which takes its
// screen's size whatever the font, keeps the plain DPI (keepPlainScale).
#include <QRect>
#include <QString>
#include <cmath>

class QWidget;

namespace shell {

constexpr int TwipsPerInch = 1440;
// The desktop font size the windows were laid out for.
constexpr double DesignFontPoints = 10.0;
// The twips of one pixel of a card picture: 71 x 96 pixels are 1065 x 1440 twips.
constexpr int PictureTwipsPerPixel = 15;

// Twips per pixel of the widget's window on its screen (15 at 96 DPI with a
// desktop font of 10 points or less).
double twipsPerPixel(const QWidget *widget);
// How much larger than its DPI alone the widget's window is shown (1 or more).
double windowScale(const QWidget *widget);
// The desktop font's size over the design's, at least 1.
double fontScale();
// For a window whose size is not its own design (the full-screen view).
void keepPlainScale(QWidget *window);

inline int twipsToPixels(double twips, double perPixel) { return int(std::lround(twips / perPixel)); }
inline int pixelsToTwips(double pixels, double perPixel) { return int(std::lround(pixels * perPixel)); }

// A rectangle in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QRect toPixels(double perPixel) const
    {
        return QRect(twipsToPixels(left, perPixel), twipsToPixels(top, perPixel),
                     twipsToPixels(width, perPixel), twipsToPixels(height, perPixel));
    }
};

} // namespace shell

namespace shell {

// Sets the widget's geometry (relative to its parent) from twips and keeps
// the twips values on the widget as the source of truth (the dynamic
// property "twips", a QRect). The pixels follow from the window's twips per
// pixel. In a right-to-left layout (QWidget::isRightToLeft, as the user's
// language asks) the control is mirrored within its parent: its left edge
// in pixels is the parent's width - left - width, kept so when the parent's
// width changes.
void setTwipsGeometry(QWidget *widget, const TwipsRect &rect);
// The stored twips geometry; a widget without one reports its pixel geometry
// turned into twips.
TwipsRect twipsGeometry(const QWidget *widget);
void setTwipsLeft(QWidget *widget, int left);
void setTwipsTop(QWidget *widget, int top);
void setTwipsWidth(QWidget *widget, int width);
void setTwipsHeight(QWidget *widget, int height);
// Re-applies the stored twips geometry of the widget and all its children
// (after a change of screen or DPI).
void reapplyTwips(QWidget *root);
// Gives a window a client area of the given size in twips.
void setClientSizeTwips(QWidget *window, int width, int height);
// Keeps a part of a window (the designed area below a menu bar) at a fixed
// size in twips; it grows with the window's scale.
void setFixedSizeTwips(QWidget *part, int width, int height);
// Shows the window at `scale` (its client area and every control placed in
// twips) when that is larger than its scale now, within the screen's limit
// (windowScale). shell/CaptionFit.h decides the scale its captions need.
void growToScale(QWidget *window, double scale);

// A new control with its designed name as object name, placed in twips.
template <class W>
W *placed(W *widget, const char *objectName, const TwipsRect &rect)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    setTwipsGeometry(widget, rect);
    return widget;
}

} // namespace shell
