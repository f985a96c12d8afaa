#include "tools/artgen/Surface.h"
#include "tools/artgen/ArtGen.h"
#include "tools/artgen/Canvas.h"
#include "tools/artgen/Glyphs.h"
#include "tools/artgen/SvgWriter.h"


namespace artgen {

QPainterPath cardShape()
{
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, 0, CardWidth, CardHeight), 3.5, 3.5);
    return shape;
}

QPainterPath cardInside()
{
    QPainterPath inside;
    inside.addRoundedRect(QRectF(1, 1, CardWidth - 2, CardHeight - 2), 2.5, 2.5);
    return inside;
}

RasterSurface::RasterSurface() : canvas(newCanvas(CardWidth, CardHeight)) {}

void RasterSurface::fillCard(const QColor &fill) { canvas.fill(fill); }

void RasterSurface::frame(const QColor &edge) { frameCard(canvas, edge); }

void RasterSurface::text(const QString &text, int x, int y, const QColor &colour, bool turned)
{
    drawText(canvas, text, x, y, colour, 1, turned);
}

void RasterSurface::turnedHalves(const QRect &clip, const std::function<void(QPainter &)> &paint)
{
    // The half is drawn into an image of its own and mirrored both ways.
    QImage half = newCanvas(CardWidth, CardHeight);
    {
        QPainter painter;
        beginPainter(painter, half);
        painter.setClipRect(clip);
        paint(painter);
    }
    const QImage turned = half.mirrored(true, true);
    QPainter painter(&canvas);
    painter.drawImage(0, 0, half);
    painter.drawImage(0, 0, turned);
}

QImage RasterSurface::finished() const { return finish(canvas); }

VectorSurface::VectorSurface() : recorder(CardWidth, CardHeight) {}

void VectorSurface::fillPath(const QPainterPath &path, const QColor &colour)
{
    QPainter painter;
    beginPainter(painter, &recorder);
    painter.fillPath(path, colour);
}

void VectorSurface::fillCard(const QColor &fill)
{
    // The ground reaches halfway into the outline drawn over it, so that
    // the picture's outer edge is the outline's alone (two antialiased
    // edges on the same line would make the corners more opaque).
    QPainterPath ground;
    ground.addRoundedRect(QRectF(0.5, 0.5, CardWidth - 1, CardHeight - 1), 3, 3);
    fillPath(ground, fill);
}

void VectorSurface::frame(const QColor &edge)
{
    QPainterPath ring = cardShape();
    ring.addPath(cardInside());
    ring.setFillRule(Qt::OddEvenFill);
    fillPath(ring, edge);
}

void VectorSurface::text(const QString &text, int x, int y, const QColor &colour, bool turned)
{
    QPainterPath outline = textOutline(text).translated(x, y);
    if (turned)
        outline = QTransform(-1, 0, 0, -1, CardWidth, CardHeight).map(outline);
    fillPath(outline, colour);
}

void VectorSurface::turnedHalves(const QRect &clip, const std::function<void(QPainter &)> &paint)
{
    for (bool turned : {false, true}) {
        QPainter painter;
        beginPainter(painter, &recorder);
        if (turned) {
            painter.translate(CardWidth, CardHeight);
            painter.rotate(180);
        }
        painter.setClipRect(clip);
        paint(painter);
    }
}

QByteArray VectorSurface::svg() const
{
    return svgDocument(recorder);
}

} // namespace artgen
