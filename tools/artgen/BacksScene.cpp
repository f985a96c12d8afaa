// The backs with a scene: the toy robot, the palm beach and the castle at
// night; also the motifs that the animation frames take from them (the bat
// and the sun face).
#include "tools/artgen/ArtGen.h"
#include "tools/artgen/Backs.h"
#include "tools/artgen/Canvas.h"
#include "tools/artgen/Glyphs.h"

#include <QtMath>

namespace artgen {
namespace {

const QColor Ink(20, 20, 20);
const QColor RobotRed(210, 35, 35);

} // namespace

void paintBat(QPainter &painter, QPointF centre, double span, const QColor &colour)
{
    const double s = span / 2.0;
    QPainterPath bat;
    bat.moveTo(centre + QPointF(0, -0.25 * s));
    bat.quadTo(centre + QPointF(0.4 * s, -0.6 * s), centre + QPointF(s, -0.35 * s));
    bat.quadTo(centre + QPointF(0.8 * s, -0.05 * s), centre + QPointF(0.75 * s, 0.15 * s));
    bat.quadTo(centre + QPointF(0.5 * s, 0.0), centre + QPointF(0.35 * s, 0.25 * s));
    bat.quadTo(centre + QPointF(0.2 * s, 0.05 * s), centre + QPointF(0, 0.35 * s));
    bat.quadTo(centre + QPointF(-0.2 * s, 0.05 * s), centre + QPointF(-0.35 * s, 0.25 * s));
    bat.quadTo(centre + QPointF(-0.5 * s, 0.0), centre + QPointF(-0.75 * s, 0.15 * s));
    bat.quadTo(centre + QPointF(-0.8 * s, -0.05 * s), centre + QPointF(-s, -0.35 * s));
    bat.quadTo(centre + QPointF(-0.4 * s, -0.6 * s), centre + QPointF(0, -0.25 * s));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(bat);
    painter.drawEllipse(centre + QPointF(0, -0.1 * s), 0.18 * s, 0.28 * s);
}

void paintSunFace(QPainter &painter, QPointF centre, double radius, bool tongueOut)
{
    const QColor yellow(250, 210, 30);
    const QColor orange(240, 140, 20);
    painter.setPen(QPen(orange, qMax(1.0, radius * 0.12), Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double angle = qDegreesToRadians(i * 30.0);
        painter.drawLine(centre + QPointF(qCos(angle), qSin(angle)) * radius * 1.15,
                         centre + QPointF(qCos(angle), qSin(angle)) * radius * 1.5);
    }
    painter.setPen(QPen(orange, qMax(0.8, radius * 0.08)));
    painter.setBrush(yellow);
    painter.drawEllipse(centre, radius, radius);
    // Sunglasses.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawRoundedRect(QRectF(centre.x() - radius * 0.75, centre.y() - radius * 0.35, radius * 0.65, radius * 0.42),
                            radius * 0.12, radius * 0.12);
    painter.drawRoundedRect(QRectF(centre.x() + radius * 0.1, centre.y() - radius * 0.35, radius * 0.65, radius * 0.42),
                            radius * 0.12, radius * 0.12);
    painter.drawRect(QRectF(centre.x() - radius * 0.15, centre.y() - radius * 0.3, radius * 0.3, radius * 0.1));
    // The smile and, on the second face, the tongue.
    painter.setPen(QPen(Ink, qMax(0.8, radius * 0.1), Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(centre.x() - radius * 0.5, centre.y() - radius * 0.1, radius, radius * 0.7), 200 * 16, 140 * 16);
    if (tongueOut) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(230, 60, 90));
        painter.drawEllipse(QPointF(centre.x() + radius * 0.1, centre.y() + radius * 0.62), radius * 0.22, radius * 0.26);
    }
}

void paintRobotBack(QPainter &painter)
{
    painter.fillRect(backField(), QColor(35, 70, 170));
    painter.setPen(QPen(QColor(60, 100, 200), 1));
    for (int y = 6; y < CardHeight; y += 8)
        painter.drawLine(QPointF(1, y), QPointF(CardWidth - 1, y));
    const QColor grey(190, 195, 205);
    // Antenna, head, eyes and mouth.
    painter.setPen(QPen(Ink, 1));
    painter.drawLine(QPointF(35.5, 8), QPointF(35.5, 14));
    painter.setBrush(QColor(250, 210, 40));
    painter.drawEllipse(QPointF(35.5, 7), 2.2, 2.2);
    outlinePath(painter, [] { QPainterPath p; p.addRoundedRect(QRectF(24, 14, 23, 16), 3, 3); return p; }(), RobotRed, Ink);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(30.5, 21), 3, 3);
    painter.drawEllipse(QPointF(40.5, 21), 3, 3);
    painter.setBrush(Ink);
    painter.drawEllipse(QPointF(30.5, 21), 1.2, 1.2);
    painter.drawEllipse(QPointF(40.5, 21), 1.2, 1.2);
    painter.setBrush(grey);
    painter.drawRect(QRectF(29, 26, 13, 2.2));
    // Body with the chest panel, arms and legs.
    outlinePath(painter, [] { QPainterPath p; p.addRoundedRect(QRectF(19, 32, 33, 30), 3, 3); return p; }(), RobotRed, Ink);
    painter.setBrush(QColor(150, 20, 20));
    painter.drawRect(QRectF(23.5, 36, 24, 9));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(35.5, 40.5), 3.2, 3.2);
    painter.setBrush(QColor(230, 40, 200));
    painter.drawEllipse(QPointF(27.5, 40.5), 1.8, 1.8);
    painter.setBrush(QColor(40, 220, 80));
    painter.drawEllipse(QPointF(43.5, 40.5), 1.8, 1.8);
    painter.setPen(QPen(Ink, 0.8));
    painter.drawLine(QPointF(35.5, 40.5), QPointF(37.3, 38.6));
    painter.setBrush(grey);
    painter.setPen(QPen(Ink, 1));
    for (double y : {49.0, 53.0, 57.0})
        painter.drawLine(QPointF(25, y), QPointF(46, y));
    painter.drawRoundedRect(QRectF(12, 34, 6, 22), 2, 2);
    painter.drawRoundedRect(QRectF(53, 34, 6, 22), 2, 2);
    painter.drawRect(QRectF(23, 62, 8, 20));
    painter.drawRect(QRectF(40, 62, 8, 20));
    painter.setBrush(RobotRed);
    painter.drawRoundedRect(QRectF(20, 81, 13, 6), 2, 2);
    painter.drawRoundedRect(QRectF(38, 81, 13, 6), 2, 2);
}

void paintPalmBack(QPainter &painter)
{
    QLinearGradient sky(0, 0, 0, 70);
    sky.setColorAt(0, QColor(90, 170, 240));
    sky.setColorAt(1, QColor(190, 225, 250));
    painter.fillRect(backField(), sky);
    paintSunFace(painter, QPointF(50, 18), 8, false);
    painter.fillRect(QRectF(0, 66, CardWidth, 12), QColor(40, 120, 200));
    painter.setPen(QPen(QColor(200, 230, 255), 0.8));
    painter.drawLine(QPointF(6, 70), QPointF(18, 70));
    painter.drawLine(QPointF(40, 73), QPointF(58, 73));
    QPainterPath beach;
    beach.moveTo(0, 80);
    beach.quadTo(35, 70, 72, 78);
    beach.lineTo(72, 98);
    beach.lineTo(0, 98);
    beach.closeSubpath();
    outlinePath(painter, beach, QColor(240, 215, 150), QColor(200, 170, 100), 0.8);
    // Trunk and fronds.
    QPainterPath trunk;
    trunk.moveTo(22, 86);
    trunk.quadTo(20, 55, 30, 30);
    trunk.lineTo(33, 31);
    trunk.quadTo(25, 55, 27, 86);
    trunk.closeSubpath();
    outlinePath(painter, trunk, QColor(150, 100, 50), QColor(90, 55, 25), 0.8);
    const QPointF top(31.5, 30);
    for (int i = 0; i < 6; ++i) {
        const double angle = -170 + i * 36;
        QPainterPath frond;
        frond.moveTo(0, 0);
        frond.quadTo(9, -5, 19, 3);
        frond.quadTo(9, 0, 0, 0);
        QTransform place;
        place.translate(top.x(), top.y());
        place.rotate(angle);
        outlinePath(painter, place.map(frond), QColor(40, 150, 50), QColor(20, 80, 30), 0.8);
    }
    painter.setPen(QPen(Ink, 0.5));
    painter.setBrush(QColor(110, 70, 30));
    painter.drawEllipse(QPointF(30, 33), 1.8, 1.8);
    painter.drawEllipse(QPointF(33.5, 33.5), 1.8, 1.8);
}

void paintCastleBack(QPainter &painter)
{
    QRadialGradient night(QPointF(52, 16), 70);
    night.setColorAt(0, QColor(70, 80, 150));
    night.setColorAt(0.5, QColor(30, 35, 95));
    night.setColorAt(1, QColor(12, 15, 50));
    painter.fillRect(backField(), night);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 210, 255));
    for (int i = 0; i < 12; ++i)
        painter.drawEllipse(QPointF(5 + (i * 29) % 62, 4 + (i * 17) % 40), 0.6, 0.6);
    // The moon.
    painter.setBrush(QColor(250, 245, 200));
    painter.drawEllipse(QPointF(52, 16), 8, 8);
    painter.setBrush(QColor(225, 220, 175));
    painter.drawEllipse(QPointF(49, 14), 1.8, 1.8);
    painter.drawEllipse(QPointF(55, 19), 1.3, 1.3);
    // The hill and the castle on it.
    QPainterPath hill;
    hill.moveTo(0, 78);
    hill.quadTo(35, 55, 72, 80);
    hill.lineTo(72, 98);
    hill.lineTo(0, 98);
    hill.closeSubpath();
    painter.setBrush(QColor(30, 75, 45));
    painter.drawPath(hill);
    const QColor stone(35, 35, 50);
    painter.setBrush(stone);
    painter.drawRect(QRectF(19, 50, 33, 18));
    painter.drawRect(QRectF(15, 38, 9, 30));
    painter.drawRect(QRectF(47, 38, 9, 30));
    painter.drawRect(QRectF(30, 32, 11, 24));
    for (double x : {15.0, 19.0, 47.0, 51.0})
        painter.drawRect(QRectF(x, 35, 2.5, 3));
    for (double x : {30.0, 34.3, 38.5})
        painter.drawRect(QRectF(x, 29, 2.5, 3));
    painter.setBrush(QColor(250, 210, 80));
    painter.drawRect(QRectF(34.5, 38, 2, 3));
    painter.drawRect(QRectF(18.5, 44, 2, 3));
    painter.drawRect(QRectF(50.5, 44, 2, 3));
    painter.setBrush(QColor(10, 10, 20));
    painter.drawRoundedRect(QRectF(32.5, 60, 6, 8), 3, 3);
    // Bats over the castle.
    const QColor batColour(5, 5, 10);
    paintBat(painter, QPointF(52, 16), 11, batColour);
    paintBat(painter, QPointF(30, 12), 10, batColour);
    paintBat(painter, QPointF(14, 22), 9, batColour);
}

} // namespace artgen
