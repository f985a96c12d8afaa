// The backs with plants, fish and a shell.
#include "tools/artgen/ArtGen.h"
#include "tools/artgen/Backs.h"
#include "tools/artgen/Canvas.h"

#include <QtMath>

namespace artgen {
namespace {

const QColor Ink(20, 20, 20);

QPainterPath leafPath(QPointF base, double length, double angleDegrees, double width = 0.45)
{
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(length * 0.5, -length * width, length, 0);
    leaf.quadTo(length * 0.5, length * width, 0, 0);
    QTransform place;
    place.translate(base.x(), base.y());
    place.rotate(angleDegrees);
    return place.map(leaf);
}

void paintRose(QPainter &painter, QPointF centre, double radius)
{
    const QColor petal(210, 30, 50);
    const QColor deep(130, 10, 30);
    painter.setPen(QPen(deep, 0.8));
    painter.setBrush(petal);
    painter.drawEllipse(centre, radius, radius * 0.92);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(deep, 1.0, Qt::SolidLine, Qt::RoundCap));
    // The folded petals as a spiral of arcs.
    for (int i = 0; i < 3; ++i) {
        const double r = radius * (0.78 - i * 0.24);
        const QRectF box(centre.x() - r, centre.y() - r * 0.9, 2 * r, 1.8 * r);
        painter.drawArc(box, (30 + i * 120) * 16, 220 * 16);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 110, 120));
    painter.drawEllipse(centre + QPointF(-radius * 0.3, -radius * 0.35), radius * 0.18, radius * 0.14);
}

void paintIvyLeaf(QPainter &painter, QPointF base, double size, double angle)
{
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(-0.5, -0.1, -0.9, -0.35, -0.55, -0.6);
    leaf.cubicTo(-0.5, -0.8, -0.2, -1.0, 0, -1.15);
    leaf.cubicTo(0.2, -1.0, 0.5, -0.8, 0.55, -0.6);
    leaf.cubicTo(0.9, -0.35, 0.5, -0.1, 0, 0);
    QTransform place;
    place.translate(base.x(), base.y());
    place.rotate(angle);
    place.scale(size, size);
    const QPainterPath shaped = place.map(leaf);
    outlinePath(painter, shaped, QColor(50, 150, 60), QColor(15, 70, 25), 0.8);
    painter.setPen(QPen(QColor(150, 210, 120), 0.6));
    painter.drawLine(place.map(QPointF(0, 0)), place.map(QPointF(0, -0.95)));
}

} // namespace

void paintClownfish(QPainter &painter, QPointF centre, double length, bool facingLeft)
{
    painter.save();
    painter.translate(centre);
    if (!facingLeft)
        painter.scale(-1, 1);
    painter.scale(length / 20.0, length / 20.0);
    const QColor orange(250, 120, 20);
    // Tail and fins.
    QPainterPath tail;
    tail.moveTo(7, 0);
    tail.lineTo(11, -4);
    tail.quadTo(10, 0, 11, 4);
    tail.closeSubpath();
    outlinePath(painter, tail, orange, Ink, 0.7);
    QPainterPath fin;
    fin.moveTo(-2, -4);
    fin.quadTo(2, -8, 5, -3.5);
    fin.closeSubpath();
    outlinePath(painter, fin, orange, Ink, 0.7);
    // Body with its three white bands.
    QPainterPath body;
    body.addEllipse(QPointF(-1, 0), 9, 4.6);
    outlinePath(painter, body, orange, Ink, 0.8);
    painter.save();
    painter.setClipPath(body);
    painter.setPen(QPen(Ink, 0.7));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(-6.5, -6, 2.4, 12));
    painter.drawRect(QRectF(-0.8, -6, 2.6, 12));
    painter.drawRect(QRectF(5.0, -6, 1.8, 12));
    painter.restore();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawEllipse(QPointF(-7.2, -1.2), 0.9, 0.9);
    painter.restore();
}

void paintRosesBack(QPainter &painter)
{
    painter.fillRect(backField(), QColor(40, 14, 26));
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 4; ++column) {
            const double x = 9 + column * 18 + (row % 2) * 9;
            const double y = 10 + row * 19;
            painter.setPen(Qt::NoPen);
            outlinePath(painter, leafPath(QPointF(x, y), 9, 35), QColor(40, 140, 60), QColor(10, 60, 20), 0.6);
            outlinePath(painter, leafPath(QPointF(x, y), 9, 150), QColor(40, 140, 60), QColor(10, 60, 20), 0.6);
            paintRose(painter, QPointF(x, y), 5.2);
        }
    }
}

void paintIvyBack(QPainter &painter)
{
    painter.fillRect(backField(), QColor(30, 60, 150));
    // Two winding vines from top to bottom.
    for (int vine = 0; vine < 2; ++vine) {
        const double x0 = vine == 0 ? 20 : 51;
        QPainterPath stem;
        stem.moveTo(x0, -2);
        for (int k = 0; k < 6; ++k) {
            const double y = k * 17;
            const double swing = (k % 2 == 0 ? 8 : -8) * (vine == 0 ? 1 : -1);
            stem.quadTo(x0 + swing, y + 8.5, x0, y + 17);
        }
        painter.setPen(QPen(QColor(90, 60, 30), 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(stem);
        for (int k = 0; k < 11; ++k) {
            const double t = (k + 0.5) / 11.0;
            const QPointF on = stem.pointAtPercent(t);
            const bool left = k % 2 == 0;
            paintIvyLeaf(painter, on, 7.5, left ? -60 : 60);
            if (k % 3 == 1) {
                painter.setPen(QPen(Ink, 0.5));
                painter.setBrush(QColor(220, 30, 40));
                painter.drawEllipse(on + QPointF(left ? 5 : -5, 3), 1.9, 1.9);
                painter.setBrush(QColor(250, 210, 40));
                painter.drawEllipse(on + QPointF(left ? 7.5 : -7.5, 0), 1.6, 1.6);
            }
        }
    }
}

void paintFourFishBack(QPainter &painter)
{
    painter.fillRect(backField(), QColor(140, 205, 240));
    painter.setPen(QPen(QColor(220, 245, 255), 1));
    for (int i = 0; i < 6; ++i)
        painter.drawEllipse(QPointF(10 + (i * 23) % 55, 8 + i * 15), 1.5, 1.5);
    paintClownfish(painter, QPointF(22, 18), 26, true);
    paintClownfish(painter, QPointF(48, 38), 26, false);
    paintClownfish(painter, QPointF(24, 60), 26, true);
    paintClownfish(painter, QPointF(47, 80), 26, false);
}

void paintFishAndWeedBack(QPainter &painter)
{
    painter.fillRect(backField(), QColor(20, 70, 160));
    painter.fillRect(QRectF(0, 88, CardWidth, 10), QColor(220, 200, 140));
    // Seaweed strands swaying up from the sand.
    for (int i = 0; i < 4; ++i) {
        const double x = 8 + i * 18;
        QPainterPath weed;
        weed.moveTo(x, 90);
        weed.cubicTo(x - 6, 75, x + 6, 65, x - 1, 48 + (i % 2) * 10);
        painter.setPen(QPen(QColor(40, 160, 70), 3, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(weed);
    }
    paintClownfish(painter, QPointF(25, 18), 28, true);
    paintClownfish(painter, QPointF(47, 40), 28, false);
    paintClownfish(painter, QPointF(30, 62), 24, true);
}

void paintShellBack(QPainter &painter)
{
    // A many-coloured striped ground.
    const QColor bands[6] = {QColor(230, 60, 60), QColor(245, 160, 40), QColor(245, 225, 60),
                             QColor(70, 180, 80), QColor(60, 130, 220), QColor(150, 80, 200)};
    painter.save();
    painter.translate(CardWidth / 2.0, CardHeight / 2.0);
    painter.rotate(-30);
    for (int i = -10; i < 10; ++i)
        painter.fillRect(QRectF(-80, i * 8, 160, 8), bands[(i + 60) % 6]);
    painter.restore();
    // The shell: a logarithmic spiral of chambers.
    const QPointF centre(37, 50);
    painter.setPen(QPen(QColor(110, 60, 30), 1.0));
    painter.setBrush(QColor(250, 235, 205));
    painter.drawEllipse(centre + QPointF(-1.5, 0), 25, 25);
    QPainterPath spiral;
    for (int i = 0; i <= 180; ++i) {
        const double angle = i * 0.1;
        const double radius = 24 * qExp(-0.14 * angle);
        const QPointF point = centre + QPointF(radius * qCos(angle) - 1.5, radius * qSin(angle));
        if (i == 0)
            spiral.moveTo(point);
        else
            spiral.lineTo(point);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(160, 80, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(spiral);
    painter.setPen(QPen(QColor(200, 120, 70), 0.8));
    for (int i = 0; i < 14; ++i) {
        const double angle = i * 0.9;
        const double outer = 24 * qExp(-0.14 * angle);
        const double inner = 24 * qExp(-0.14 * (angle + 2 * M_PI));
        painter.drawLine(centre + QPointF(outer * qCos(angle) - 1.5, outer * qSin(angle)),
                         centre + QPointF(inner * qCos(angle) - 1.5, inner * qSin(angle)));
    }
}

} // namespace artgen
