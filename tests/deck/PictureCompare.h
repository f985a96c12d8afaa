#pragma once
// Comparing pictures colour by colour.
#include <QImage>
#include <QString>
#include <QtGlobal>

namespace picturecompare {

// "" when both pictures have the same size, the same transparent pixels and
// colours within `tolerance` per channel elsewhere; else the first difference.
inline QString differences(const QImage &a, const QImage &b, int tolerance = 2)
{
    if (a.size() != b.size())
        return QStringLiteral("sizes differ");
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            const bool same = qAlpha(p) == qAlpha(q)
                && (qAlpha(p) == 0
                    || (qAbs(qRed(p) - qRed(q)) <= tolerance && qAbs(qGreen(p) - qGreen(q)) <= tolerance
                        && qAbs(qBlue(p) - qBlue(q)) <= tolerance));
            if (!same) {
                return QStringLiteral("pixel (%1, %2): %3 against %4")
                    .arg(column)
                    .arg(row)
                    .arg(p, 8, 16, QLatin1Char('0'))
                    .arg(q, 8, 16, QLatin1Char('0'));
            }
        }
    }
    return QString();
}

} // namespace picturecompare
