#include "FocusMark.h"

#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace shell {

double relativeLuminance(const QColor &colour)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor contrastingColour(const QColor &background, std::initializer_list<QColor> candidates)
{
    QColor best;
    double bestRatio = 0;
    for (const QColor &candidate : candidates) {
        const double ratio = contrastRatio(candidate, background);
        if (ratio >= MarkContrast)
            return candidate;
        if (ratio > bestRatio) {
            bestRatio = ratio;
            best = candidate;
        }
    }
    return best;
}

QColor focusMarkColour(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    return contrastingColour(base, {palette.color(QPalette::Highlight), palette.color(QPalette::Text)});
}

void paintFocusMark(QPainter &painter, const QRect &area, const QPalette &palette)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(focusMarkColour(palette), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // A two-pixel pen centred on a line between pixels covers the two
    // pixels along the inside of the area.
    painter.drawRect(QRectF(area).adjusted(1, 1, -1, -1));
    painter.restore();
}

} // namespace shell
