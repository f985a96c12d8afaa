// What the court figures hold: weapons, regalia, flowers, a fan, a torch.
// Each is drawn along the line it is held on, from the end nearest the
// hand to its far end.
#include "tools/artgen/CourtParts.h"
#include "tools/artgen/Canvas.h"

#include <QtMath>

namespace artgen::court {
namespace {

const QColor SteelShade(150, 160, 178);
const QColor Stem(46, 128, 56);
const QColor Leaf(70, 160, 70);
const QColor Flame(242, 122, 30);
const QColor FlameCore(252, 222, 90);

// The unit direction from a to b and its normal: the right-hand side of
// someone looking along it (y grows downwards).
QPointF along(QPointF a, QPointF b)
{
    const QPointF d = b - a;
    return d / std::hypot(d.x(), d.y());
}
QPointF normal(QPointF d) { return QPointF(-d.y(), d.x()); }

QPainterPath line(QPointF a, QPointF b)
{
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF &p : points) {
        if (first)
            path.moveTo(p);
        else
            path.lineTo(p);
        first = false;
    }
    path.closeSubpath();
    return path;
}

// An almond-shaped leaf from `base` to `tip`.
void leaf(QPainter &painter, QPointF base, QPointF tip, double width)
{
    const QPointF n = normal(along(base, tip)) * width;
    const QPointF mid = (base + tip) / 2;
    QPainterPath shapePath;
    shapePath.moveTo(base);
    shapePath.quadTo(mid + n, tip);
    shapePath.quadTo(mid - n, base);
    shapePath.closeSubpath();
    shape(painter, shapePath, Leaf, Fine);
    stroke(painter, line(base, mid + (tip - mid) * 0.6), Stem, 0.3);
}

} // namespace

void paintSword(QPainter &painter, QPointF hilt, QPointF tip)
{
    const QPointF d = along(hilt, tip);
    const QPointF n = normal(d);
    const QPointF guard = hilt + d * 1.9;
    band(painter, line(hilt - d * 1.4, guard), QColor(110, 60, 40), 0.9);
    jewel(painter, hilt - d * 2.1, 0.8, Gold);
    const QPainterPath blade = polygon({guard + n * 0.85, tip - d * 2.0 + n * 0.7, tip, tip - d * 2.0 - n * 0.7, guard - n * 0.85});
    shape(painter, blade, Steel, 0.5);
    stroke(painter, line(guard + d * 0.9, tip - d * 3.0), SteelShade, 0.35);
    QPainterPath bar;
    bar.moveTo(guard - n * 3.0 - d * 0.6);
    bar.quadTo(guard, guard + n * 3.0 - d * 0.6);
    band(painter, bar, Gold, 0.85);
    jewel(painter, guard, 0.55, QColor(200, 36, 44));
}

void paintHalberd(QPainter &painter, QPointF foot, QPointF top, double side)
{
    const QPointF d = along(foot, top);
    const QPointF n = normal(d) * side;
    band(painter, line(foot, top - d * 3.0), Wood, 0.85);
    // The blade on one side, the hook on the other, the point on top.
    QPainterPath blade;
    blade.moveTo(top - d * 3.4 + n * 0.45);
    blade.quadTo(top - d * 3.0 + n * 3.0, top - d * 2.0 + n * 4.4);
    blade.quadTo(top - d * 4.8 + n * 4.9, top - d * 7.8 + n * 3.7);
    blade.quadTo(top - d * 6.8 + n * 1.5, top - d * 6.6 + n * 0.45);
    blade.closeSubpath();
    shape(painter, blade, Steel, 0.5);
    QPainterPath edge;
    edge.moveTo(top - d * 2.3 + n * 3.9);
    edge.quadTo(top - d * 4.8 + n * 4.3, top - d * 7.2 + n * 3.4);
    stroke(painter, edge, SteelShade, 0.4);
    QPainterPath hook;
    hook.moveTo(top - d * 4.2 - n * 0.4);
    hook.quadTo(top - d * 4.6 - n * 2.0, top - d * 3.4 - n * 3.0);
    hook.quadTo(top - d * 5.0 - n * 2.4, top - d * 5.6 - n * 0.4);
    hook.closeSubpath();
    shape(painter, hook, Steel, 0.45);
    shape(painter, polygon({top - d * 3.6 + n * 0.7, top, top - d * 3.6 - n * 0.7}), Steel, 0.45);
    band(painter, line(top - d * 7.0, top - d * 6.3), Gold, 1.0, 0.35);
}

void paintAxe(QPainter &painter, QPointF foot, QPointF top, const QColor &trim, double side)
{
    const QPointF d = along(foot, top);
    const QPointF n = normal(d) * side;
    band(painter, line(foot, top), Wood, 1.0);
    // A bearded blade, its edge a wide curve.
    QPainterPath blade;
    blade.moveTo(top - d * 0.6 + n * 0.4);
    blade.quadTo(top - d * 0.2 + n * 3.0, top + d * 1.6 + n * 5.4);
    blade.quadTo(top - d * 3.0 + n * 7.2, top - d * 7.6 + n * 5.2);
    blade.quadTo(top - d * 5.2 + n * 2.6, top - d * 4.6 + n * 0.4);
    blade.closeSubpath();
    shape(painter, blade, Steel, 0.55);
    QPainterPath edge;
    edge.moveTo(top + d * 1.0 + n * 4.9);
    edge.quadTo(top - d * 2.9 + n * 6.3, top - d * 6.9 + n * 4.8);
    stroke(painter, edge, SteelShade, 0.45);
    shape(painter, polygon({top - d * 1.8 - n * 0.5, top - d * 2.7 - n * 2.2, top - d * 3.6 - n * 0.5}), Steel, 0.45);
    for (double at : {1.6, 9.0})
        band(painter, line(top - d * at, top - d * (at + 0.6)), trim, 1.3, 0.35);
}

void paintOrb(QPainter &painter, QPointF centre, double radius, const QColor &bandColour)
{
    QPainterPath ball;
    ball.addEllipse(centre, radius, radius);
    shape(painter, ball, Gold);
    painter.save();
    painter.setClipPath(ball, Qt::IntersectClip);
    QPainterPath girdle;
    girdle.moveTo(centre + QPointF(-radius, -0.2));
    girdle.quadTo(centre + QPointF(0, radius * 0.45), centre + QPointF(radius, -0.2));
    band(painter, girdle, bandColour, 0.9, 0.35);
    band(painter, line(centre + QPointF(0, radius * 0.15), centre - QPointF(0, radius)), bandColour, 0.9, 0.35);
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Line, 0.6));
    painter.drawEllipse(centre, radius, radius);
    const QPointF top = centre - QPointF(0, radius);
    QPainterPath cross;
    cross.moveTo(top);
    cross.lineTo(top - QPointF(0, 2.6));
    cross.moveTo(top - QPointF(0.9, 1.75));
    cross.lineTo(top - QPointF(-0.9, 1.75));
    band(painter, cross, Gold, 0.55, 0.35);
    jewel(painter, centre + QPointF(0, radius * 0.22), 0.55, Ermine);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(centre + QPointF(-radius * 0.45, -radius * 0.45), radius * 0.22, radius * 0.16);
}

void paintSceptre(QPainter &painter, QPointF foot, QPointF top, const QColor &jewelColour)
{
    const QPointF d = along(foot, top);
    const QPointF n = normal(d);
    const QPointF head = top - d * 2.2;
    band(painter, line(foot, head), Gold, 0.75);
    for (double at = 1.0; at < 12; at += 3.2)
        band(painter, line(foot + d * at, foot + d * (at + 0.35)), Gold, 1.35, 0.35);
    // A lily on top.
    QPainterPath lily;
    lily.moveTo(head - n * 0.45);
    lily.quadTo(head - n * 2.4 + d * 0.6, head - n * 1.9 + d * 2.0);
    lily.quadTo(head - n * 1.2 + d * 1.1, head - n * 0.4 + d * 1.0);
    lily.quadTo(head - n * 1.1 + d * 2.0, top);
    lily.quadTo(head + n * 1.1 + d * 2.0, head + n * 0.4 + d * 1.0);
    lily.quadTo(head + n * 1.2 + d * 1.1, head + n * 1.9 + d * 2.0);
    lily.quadTo(head + n * 2.4 + d * 0.6, head + n * 0.45);
    lily.closeSubpath();
    shape(painter, lily, Gold, Fine);
    jewel(painter, head, 0.7, jewelColour);
}

void paintRose(QPainter &painter, QPointF bloom, QPointF stemEnd)
{
    const QPointF d = along(stemEnd, bloom);
    const QPointF n = normal(d);
    const double length = std::hypot(bloom.x() - stemEnd.x(), bloom.y() - stemEnd.y());
    QPainterPath stem;
    stem.moveTo(stemEnd);
    stem.quadTo((stemEnd + bloom) / 2 + n * 0.8, bloom);
    stroke(painter, stem, Line, 0.95);
    stroke(painter, stem, Stem, 0.5);
    leaf(painter, stemEnd + d * length * 0.45, stemEnd + d * length * 0.45 + n * 2.6 + d * 1.0, 0.9);
    leaf(painter, stemEnd + d * length * 0.7, stemEnd + d * length * 0.7 - n * 2.4 + d * 0.6, 0.85);
    const QColor petal(214, 36, 64);
    for (int i = 0; i < 5; ++i) {
        const double a = qDegreesToRadians(-90.0 + 72 * i);
        QPainterPath round;
        round.addEllipse(bloom + QPointF(std::cos(a), std::sin(a)) * 1.05, 1.15, 1.15);
        shape(painter, round, petal, Fine);
    }
    QPainterPath heart;
    heart.addEllipse(bloom, 1.05, 1.05);
    shape(painter, heart, QColor(170, 20, 48), Fine);
    QPainterPath swirl;
    swirl.moveTo(bloom + QPointF(-0.6, 0.1));
    swirl.quadTo(bloom + QPointF(0, -0.8), bloom + QPointF(0.5, 0.1));
    stroke(painter, swirl, QColor(250, 120, 140), 0.3);
}

void paintFan(QPainter &painter, QPointF pivot, double radius, double fromDegrees, double toDegrees,
              const QColor &paper, const QColor &ribs)
{
    const int folds = 8;
    const auto at = [&](double degrees, double r) {
        const double a = qDegreesToRadians(degrees);
        return pivot + QPointF(std::cos(a), -std::sin(a)) * r;
    };
    QPainterPath leafPath;
    leafPath.moveTo(at(fromDegrees, radius * 0.35));
    leafPath.lineTo(at(fromDegrees, radius));
    for (int i = 0; i < folds; ++i) {
        const double a = fromDegrees + (toDegrees - fromDegrees) * i / folds;
        const double b = fromDegrees + (toDegrees - fromDegrees) * (i + 1) / folds;
        leafPath.quadTo(at((a + b) / 2, radius * 1.1), at(b, radius));
    }
    leafPath.lineTo(at(toDegrees, radius * 0.35));
    leafPath.quadTo(at((fromDegrees + toDegrees) / 2, radius * 0.42), at(fromDegrees, radius * 0.35));
    leafPath.closeSubpath();
    shape(painter, leafPath, paper);
    for (int i = 1; i < folds; ++i) {
        const double a = fromDegrees + (toDegrees - fromDegrees) * i / folds;
        stroke(painter, line(at(a, radius * 0.38), at(a, radius * 0.98)), ribs, 0.3);
    }
    QPainterPath border;
    border.moveTo(at(fromDegrees + 4, radius * 0.74));
    border.quadTo(at((fromDegrees + toDegrees) / 2, radius * 0.86), at(toDegrees - 4, radius * 0.74));
    stroke(painter, border, ribs, 0.6);
    for (double a : {fromDegrees, toDegrees})
        band(painter, line(pivot, at(a, radius * 1.02)), Gold, 0.6, 0.35);
    jewel(painter, pivot, 0.7, Gold);
}

void paintTulips(QPainter &painter, QPointF hand, double reach, const QColor &bloom)
{
    const double k = reach / 10;
    leaf(painter, hand, hand + QPointF(-3.6, -6.0 * k), 1.0);
    leaf(painter, hand, hand + QPointF(3.4, -5.6 * k), 1.0);
    const QPointF heads[3] = {hand + QPointF(-2.8, -8.4 * k), hand + QPointF(0.2, -10.0 * k), hand + QPointF(3.0, -8.0 * k)};
    for (const QPointF &head : heads) {
        QPainterPath stem;
        stem.moveTo(hand);
        stem.quadTo((hand + head) / 2 + QPointF(0.3, 0), head);
        stroke(painter, stem, Line, 0.85);
        stroke(painter, stem, Stem, 0.42);
    }
    for (const QPointF &head : heads) {
        // A cup of three rounded petals, the middle one in front.
        QPainterPath cup;
        cup.moveTo(head);
        cup.cubicTo(head + QPointF(-1.9, -0.2), head + QPointF(-1.9, -2.6), head + QPointF(-1.1, -3.1));
        cup.quadTo(head + QPointF(-0.5, -2.2), head + QPointF(0, -3.3));
        cup.quadTo(head + QPointF(0.5, -2.2), head + QPointF(1.1, -3.1));
        cup.cubicTo(head + QPointF(1.9, -2.6), head + QPointF(1.9, -0.2), head);
        cup.closeSubpath();
        shape(painter, cup, bloom, Fine);
        QPainterPath petal;
        petal.moveTo(head + QPointF(-0.2, -0.2));
        petal.quadTo(head + QPointF(-1.1, -1.9), head + QPointF(0, -2.9));
        stroke(painter, petal, mix(bloom, Line, 0.35), 0.3);
    }
}

void paintTorch(QPainter &painter, QPointF foot, QPointF top)
{
    const QPointF d = along(foot, top);
    const QPointF n = normal(d);
    const QPointF cup = top - d * 5.4;
    shape(painter, polygon({foot + n * 0.55, cup + n * 0.85, cup - n * 0.85, foot - n * 0.55}), Wood, 0.5);
    for (double at : {0.3, 0.55})
        band(painter, line(foot + (cup - foot) * at, foot + (cup - foot) * at + d * 0.5), Gold, 1.4, 0.35);
    // The flame: an outer tongue with a bright core, leaning a little.
    QPainterPath flame;
    flame.moveTo(cup + n * 2.0);
    flame.cubicTo(cup + n * 3.2 + d * 2.2, cup + n * 1.0 + d * 3.4, top + n * 0.8);
    flame.cubicTo(cup + n * 0.3 + d * 4.0, cup - n * 1.4 + d * 3.4, cup - n * 1.2 + d * 4.3);
    flame.cubicTo(cup - n * 3.2 + d * 2.4, cup - n * 2.8 + d * 0.6, cup - n * 2.0);
    flame.closeSubpath();
    shape(painter, flame, Flame, Fine);
    QPainterPath core;
    core.moveTo(cup + n * 1.2);
    core.cubicTo(cup + n * 1.8 + d * 2.0, cup + n * 0.2 + d * 2.6, cup + d * 3.8 + n * 0.2);
    core.cubicTo(cup - n * 0.6 + d * 2.4, cup - n * 1.9 + d * 1.2, cup - n * 1.2);
    core.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(FlameCore);
    painter.drawPath(core);
    shape(painter, polygon({cup + n * 2.2, cup - n * 2.2, cup - n * 1.1 - d * 1.6, cup + n * 1.1 - d * 1.6}), Gold, Fine);
}

void paintBow(QPainter &painter, QPointF top, QPointF bottom, double bend)
{
    const QPointF d = along(bottom, top);
    const QPointF n = normal(d);
    const QPointF mid = (top + bottom) / 2;
    stroke(painter, line(top, bottom), QColor(90, 80, 70), 0.3);
    QPainterPath stave;
    stave.moveTo(bottom);
    stave.cubicTo(bottom + d * 3.0 + n * bend, top - d * 3.0 + n * bend, top);
    band(painter, stave, Wood, 0.85);
    const QPointF grip = mid + n * bend * 0.75;
    band(painter, line(grip - d * 1.0, grip + d * 1.0), QColor(200, 36, 44), 1.2, 0.35);
    for (const QPointF &end : {top, bottom})
        jewel(painter, end, 0.45, Gold);
}

void paintCudgel(QPainter &painter, QPointF foot, QPointF top)
{
    const QPointF d = along(foot, top);
    const QPointF n = normal(d);
    QPainterPath club;
    club.moveTo(foot + n * 0.5);
    club.cubicTo(foot + d * 5 + n * 0.7, top - d * 3.5 + n * 1.6, top - d * 1.2 + n * 1.5);
    club.quadTo(top + n * 1.2, top);
    club.quadTo(top - n * 1.2, top - d * 1.2 - n * 1.5);
    club.cubicTo(top - d * 3.5 - n * 1.6, foot + d * 5 - n * 0.7, foot - n * 0.5);
    club.closeSubpath();
    shape(painter, club, QColor(156, 100, 50), 0.55);
    // Knots where branches were cut, and the grain.
    for (const auto &[at, side] : {std::pair{0.55, 1.0}, std::pair{0.75, -1.0}, std::pair{0.88, 1.0}}) {
        const double length = std::hypot(top.x() - foot.x(), top.y() - foot.y());
        const double width = 0.6 + 0.9 * at;
        QPainterPath knot;
        knot.addEllipse(foot + d * length * at + n * side * width, 0.55, 0.55);
        shape(painter, knot, Wood, 0.4);
    }
    stroke(painter, line(foot + d * 2.5 + n * 0.1, top - d * 2.0 - n * 0.3), Wood, 0.3);
}

} // namespace artgen::court
