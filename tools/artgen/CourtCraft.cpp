// The court figures' common craft: outlined shapes, the suits' cloths and
// their printed patterns, jewels and the hand that holds a shaft.
#include "tools/artgen/CourtParts.h"
#include "tools/artgen/Canvas.h"

#include <QtMath>

namespace artgen::court {

Dress dressOf(Suit suit)
{
    // Each suit dresses its court in its own cloth: the main colour, the
    // pattern printed on it, a second cloth and the trim.
    switch (suit) {
    case Suit::Spades:
        return {QColor(44, 74, 168), QColor(28, 44, 110), QColor(238, 186, 40), QColor(200, 36, 44), Pattern::Stripes};
    case Suit::Diamonds:
        return {QColor(236, 140, 40), QColor(150, 44, 140), QColor(126, 46, 146), QColor(40, 130, 70), Pattern::Lozenges};
    case Suit::Clubs:
        return {QColor(36, 126, 70), QColor(244, 214, 80), QColor(196, 40, 48), QColor(44, 74, 168), Pattern::Dots};
    case Suit::Hearts:
        return {QColor(200, 36, 44), QColor(246, 200, 60), QColor(44, 74, 168), QColor(36, 126, 70), Pattern::Chevrons};
    }
    return {};
}

QColor hairShade(const QColor &hair, double t) { return mix(hair, QColor(30, 20, 15), t); }

void shape(QPainter &painter, const QPainterPath &path, const QColor &fill, double lineWidth)
{
    outlinePath(painter, path, fill, Line, lineWidth);
}

void stroke(QPainter &painter, const QPainterPath &path, const QColor &colour, double width)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

void band(QPainter &painter, const QPainterPath &path, const QColor &colour, double width, double lineWidth)
{
    // A dark stroke with the coloured one inside it: outlined ends and joins.
    stroke(painter, path, Line, width + 2 * lineWidth);
    stroke(painter, path, colour, width);
}

void jewel(QPainter &painter, QPointF centre, double radius, const QColor &colour)
{
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    shape(painter, disc, colour, std::min(0.35, radius * 0.4));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 210));
    painter.drawEllipse(centre + QPointF(-radius * 0.3, -radius * 0.32), radius * 0.3, radius * 0.3);
}

void patterned(QPainter &painter, const QPainterPath &path, const QColor &ground, const QColor &ink, Pattern pattern,
               double lineWidth)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawPath(path);
    painter.save();
    painter.setClipPath(path, Qt::IntersectClip);
    // The pattern is laid on one grid over the whole picture, so that two
    // pieces of one cloth continue each other; all of it is one shape.
    const QRectF box = path.boundingRect();
    QPainterPath print;
    switch (pattern) {
    case Pattern::Stripes: {
        constexpr double Pitch = 2.6;
        for (double x = 13 + Pitch * std::floor((box.left() - 13) / Pitch); x < box.right(); x += Pitch)
            print.addRect(QRectF(x + 0.75, box.top(), 1.1, box.height()));
        break;
    }
    case Pattern::Lozenges: {
        // A harlequin: lozenges meeting point to point, the ground showing
        // as lozenges between them.
        constexpr double W = 1.7;
        constexpr double H = 2.3;
        for (double y = 10 + 2 * H * std::floor((box.top() - 10) / (2 * H)); y < box.bottom() + H; y += 2 * H) {
            for (double x = 13 + 2 * W * std::floor((box.left() - 13) / (2 * W)); x < box.right() + W; x += 2 * W) {
                print.moveTo(x, y - H);
                print.lineTo(x + W, y);
                print.lineTo(x, y + H);
                print.lineTo(x - W, y);
                print.closeSubpath();
            }
        }
        break;
    }
    case Pattern::Dots: {
        // Trefoils of three dots on a staggered grid.
        constexpr double Pitch = 3.4;
        const int j0 = int(std::floor((box.top() - 10) / Pitch)) - 1;
        for (int j = j0; 10 + j * Pitch < box.bottom() + Pitch; ++j) {
            const double y = 10 + j * Pitch;
            const double offset = (j % 2 + 2) % 2 * Pitch / 2;
            for (double x = 13 + offset + Pitch * std::floor((box.left() - 13) / Pitch) - Pitch; x < box.right() + Pitch;
                 x += Pitch) {
                print.addEllipse(QPointF(x, y - 0.45), 0.5, 0.5);
                print.addEllipse(QPointF(x - 0.5, y + 0.35), 0.5, 0.5);
                print.addEllipse(QPointF(x + 0.5, y + 0.35), 0.5, 0.5);
            }
        }
        print.setFillRule(Qt::WindingFill);
        break;
    }
    case Pattern::Chevrons: {
        constexpr double Pitch = 3.0;
        constexpr double Period = 2.4;
        QPainterPath zigzags;
        for (double y = 10 + Pitch * std::floor((box.top() - 10) / Pitch); y < box.bottom() + Pitch; y += Pitch) {
            double x = 13 + Period * std::floor((box.left() - 13) / Period) - Period;
            zigzags.moveTo(x, y);
            for (int i = 0; x < box.right() + Period; ++i) {
                x += Period / 2;
                zigzags.lineTo(x, y + (i % 2 ? 0 : 0.9));
            }
        }
        stroke(painter, zigzags, ink, 0.7);
        break;
    }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(print);
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Line, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (lineWidth > 0)
        painter.drawPath(path);
}

void paintFist(QPainter &painter, QPointF centre, double angle)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(angle - 90);
    // In these coordinates the shaft runs up and down through the middle.
    QPainterPath fist;
    fist.addRoundedRect(QRectF(-1.5, -1.25, 3.0, 2.5), 1.0, 1.0);
    shape(painter, fist, Skin, 0.5);
    for (double y : {-0.42, 0.42}) {
        QPainterPath crease;
        crease.moveTo(0.1, y);
        crease.lineTo(1.45, y);
        stroke(painter, crease, SkinShade, 0.3);
    }
    QPainterPath thumb;
    thumb.moveTo(-1.3, -0.9);
    thumb.quadTo(-0.2, -1.2, 0.5, -0.6);
    stroke(painter, thumb, SkinShade, 0.3);
    painter.restore();
}

void paintSleeve(QPainter &painter, QPointF shoulder, QPointF wrist, double width, const QColor &cloth,
                 const QColor &cuff)
{
    const QPointF d = (wrist - shoulder) / std::hypot(wrist.x() - shoulder.x(), wrist.y() - shoulder.y());
    const QPointF n(-d.y(), d.x());
    QPainterPath arm;
    arm.moveTo(shoulder + n * width / 2);
    arm.quadTo((shoulder + wrist) / 2 + n * width * 0.62, wrist + n * width * 0.4);
    arm.lineTo(wrist - n * width * 0.4);
    arm.quadTo((shoulder + wrist) / 2 - n * width * 0.62, shoulder - n * width / 2);
    arm.closeSubpath();
    shape(painter, arm, cloth);
    QPainterPath cuffPath;
    cuffPath.moveTo(wrist + n * width * 0.55 - d * 1.5);
    cuffPath.lineTo(wrist + n * width * 0.5 + d * 0.2);
    cuffPath.lineTo(wrist - n * width * 0.5 + d * 0.2);
    cuffPath.lineTo(wrist - n * width * 0.55 - d * 1.5);
    cuffPath.closeSubpath();
    shape(painter, cuffPath, cuff, Fine);
}

} // namespace artgen::court
