#pragma once
// Relative luminance and contrast ratio, as the accessibility guidelines
// define them, for measuring grabbed pixels.
#include <QColor>
#include <algorithm>
#include <cmath>

namespace testsupport {

inline double luminance(QRgb colour)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) + 0.0722 * channel(qBlue(colour));
}

inline double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

inline double luminance(const QColor &colour) { return luminance(colour.rgb()); }
inline double contrast(const QColor &a, const QColor &b) { return contrast(a.rgb(), b.rgb()); }

} // namespace testsupport
