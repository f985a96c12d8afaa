#pragma once
// A card design's element as an independent SVG renderer draws it
// (rsvg-convert, Debian package librsvg2-bin), and how far a picture is
// from it: both reduced to 71 x 96 on white, compared channel by channel.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

namespace designfixtures {

// `image` scaled to fit 71 x 96, centred, and laid on white.
inline QImage onWhiteAtCardSize(const QImage &image)
{
    QImage out(71, 96, QImage::Format_ARGB32);
    out.fill(Qt::white);
    const QImage scaled = image.scaled(71, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&out);
    painter.drawImage((71 - scaled.width()) / 2, (96 - scaled.height()) / 2, scaled);
    return out;
}

// The picture cut to where it is not fully transparent: a card design's
// element drawn in the card's box is centred with a transparent margin,
// while rsvg-convert's export is cut to the element.
inline QImage opaquePart(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QRect part;
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        int left = 0, right = argb.width() - 1;
        while (left <= right && qAlpha(row[left]) == 0)
            ++left;
        while (right >= left && qAlpha(row[right]) == 0)
            --right;
        if (left <= right)
            part |= QRect(left, y, right - left + 1, 1);
    }
    return argb.copy(part);
}

// The mean absolute difference of two pictures of one size, per colour
// channel, from 0 to 255, with the second moved by at most one pixel each
// way to where it fits best: two renderers may place an element's edge a
// pixel apart.
inline double meanDifference(const QImage &a, const QImage &b)
{
    double best = 255;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            double sum = 0;
            for (int y = 1; y < a.height() - 1; ++y)
                for (int x = 1; x < a.width() - 1; ++x) {
                    const QRgb p = a.pixel(x, y);
                    const QRgb q = b.pixel(x + dx, y + dy);
                    sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
                }
            best = qMin(best, sum / (3.0 * (a.width() - 2) * (a.height() - 2)));
        }
    return best;
}

// rsvg-convert's drawing of the element `id` of `svgFile`, `height` pixels
// high, reduced to 71 x 96 on white; a null image when it cannot be made
// (`problem` says why).
inline QImage rsvgElement(const QString &svgFile, const QString &id, int height, QString *problem)
{
    const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    if (rsvg.isEmpty()) {
        *problem = QStringLiteral("rsvg-convert (Debian package librsvg2-bin) is needed");
        return QImage();
    }
    QTemporaryDir out;
    const QString png = out.filePath(QStringLiteral("element.png"));
    QProcess process;
    process.start(rsvg, {QStringLiteral("--export-id=") + id, QStringLiteral("--height=") + QString::number(height),
                         svgFile, QStringLiteral("-o"), png});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        *problem = QStringLiteral("rsvg-convert failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
        return QImage();
    }
    const QImage drawn(png);
    if (drawn.isNull())
        *problem = QStringLiteral("rsvg-convert wrote no picture");
    return drawn.isNull() ? QImage() : onWhiteAtCardSize(drawn);
}

} // namespace designfixtures
