#pragma once
// Windows keep their controls' positions and sizes in twips (1/1440 inch)
// and turn them into pixels by the screen's logical DPI: 15 twips per pixel
// at 96 DPI.
#include <QRect>
#include <cmath>

class QWidget;

namespace shell {

constexpr int TwipsPerInch = 1440;

// Twips per pixel of the screen the widget is on (15 at 96 DPI).
double twipsPerPixel(const QWidget *widget);

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
// pixel.
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

} // namespace shell
