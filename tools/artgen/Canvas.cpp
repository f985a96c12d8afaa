#include "tools/artgen/Canvas.h"
#include "tools/artgen/ArtGen.h"

#include <QtMath>

namespace artgen {

QImage newCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

bool isCutCorner(int x, int y)
{
    const int cx = x < CardWidth / 2 ? x : CardWidth - 1 - x;
    const int cy = y < CardHeight / 2 ? y : CardHeight - 1 - y;
    return (cy == 0 && cx <= 1) || (cy == 1 && cx == 0);
}

void frameCard(QImage &card, const QColor &edge)
{
    const QRgb line = edge.rgba();
    const int right = CardWidth - 1;
    const int bottom = CardHeight - 1;
    for (int x = 2; x <= right - 2; ++x) {
        card.setPixel(x, 0, line);
        card.setPixel(x, bottom, line);
    }
    for (int y = 2; y <= bottom - 2; ++y) {
        card.setPixel(0, y, line);
        card.setPixel(right, y, line);
    }
    card.setPixel(1, 1, line);
    card.setPixel(right - 1, 1, line);
    card.setPixel(1, bottom - 1, line);
    card.setPixel(right - 1, bottom - 1, line);
    for (int y = 0; y < CardHeight; ++y)
        for (int x = 0; x < CardWidth; ++x)
            if (isCutCorner(x, y))
                card.setPixel(x, y, 0);
}

void beginPainter(QPainter &painter, QPaintDevice *device)
{
    painter.begin(device);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QImage finish(const QImage &canvas)
{
    QImage out = canvas.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb pixel = row[x];
            row[x] = qAlpha(pixel) < 128 ? qRgba(0, 0, 0, 0) : qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), 255);
        }
    }
    return out;
}

QPainterPath starPath(double cx, double cy, double outer, double inner, int points, double turnDegrees)
{
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = qDegreesToRadians(turnDegrees + 180.0 * i / points);
        const double radius = i % 2 == 0 ? outer : inner;
        const QPointF point(cx + radius * qCos(angle), cy + radius * qSin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor(qRound(a.red() + (b.red() - a.red()) * t), qRound(a.green() + (b.green() - a.green()) * t),
                  qRound(a.blue() + (b.blue() - a.blue()) * t));
}

void outlinePath(QPainter &painter, const QPainterPath &path, const QColor &fill, const QColor &line,
                 double lineWidth)
{
    painter.setBrush(fill);
    if (lineWidth > 0)
        painter.setPen(QPen(line, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        painter.setPen(Qt::NoPen);
    painter.drawPath(path);
}

} // namespace artgen
