#include "tools/artgen/Surface.h"
#include "tools/artgen/ArtGen.h"
#include "tools/artgen/Canvas.h"
#include "tools/artgen/Typeface.h"
#include "tools/artgen/SvgWriter.h"

namespace artgen {

namespace {

constexpr double CornerRadius = 3.5;

// The card's rounded rectangle shrunk by `inset` units on every side.
QPainterPath insetCard(double inset)
{
    QPainterPath shape;
    shape.addRoundedRect(QRectF(inset, inset, CardWidth - 2 * inset, CardHeight - 2 * inset), CornerRadius - inset,
                         CornerRadius - inset);
    return shape;
}

} // namespace

QPainterPath cardShape() { return insetCard(0); }

QPainterPath cardInside() { return insetCard(ScalableEdge); }

RasterSurface::RasterSurface() : canvas(newCanvas(CardWidth, CardHeight)) {}

void RasterSurface::fillCard(const QColor &fill) { canvas.fill(fill); }

void RasterSurface::frame(const QColor &edge) { frameCard(canvas, edge); }

QPainterPath RasterSurface::field() const
{
    QPainterPath inside;
    inside.addRect(1, 1, CardWidth - 2, CardHeight - 2);
    return inside;
}

void RasterSurface::text(const QString &text, int x, int y, const QColor &colour, bool turned)
{
    Typeface::cards().drawText(canvas, text, x, y, colour, turned);
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

void VectorSurface::fillCard(const QColor &fill) { fillPath(field(), fill); }

QPainterPath VectorSurface::field() const
{
    // The ground reaches halfway into the outline drawn over it, so that
    // the picture's outer edge is the outline's alone (two antialiased
    // edges on the same line would make the corners more opaque) and no
    // paper shows between the outline and a field of colour.
    return insetCard(ScalableEdge / 2);
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
    QPainterPath outline = Typeface::cards().textOutline(text).translated(x, y);
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
