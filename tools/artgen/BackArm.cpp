// Back 8: an arm in a striped sleeve comes in from the lower right corner
// and holds up a fan of cards in its fist, on yellow; an ace peeks out of
// the white cuff. The two ace animation frames are close-ups of the cuff,
// the ace further out in the second.
#include "tools/artgen/Backs.h"
#include "tools/artgen/Glyphs.h"

namespace artgen {
namespace {

const QColor Ink(20, 20, 20);
const QColor Yellow(250, 215, 50);
const QColor Skin(252, 212, 170);
const QColor SkinShade(222, 160, 120);
const QColor Stripe(200, 30, 40);

// The wrist on the card. The arm's coordinates have their origin there, y
// running down the arm to the elbow; the hand's are turned less (the
// wrist bends the fist upright), y running from the fist down to the wrist.
const QPointF Wrist(43, 63);
constexpr double ArmTurn = -38;  // degrees: the arm leans to the right
constexpr double HandTurn = -18;
// The ace hidden in the sleeve: how far it shows beyond the cuff on the back.
constexpr double AceOutOnBack = 2.5;

QTransform armToCard() { return QTransform().translate(Wrist.x(), Wrist.y()).rotate(ArmTurn); }
QTransform handToCard() { return QTransform().translate(Wrist.x(), Wrist.y()).rotate(HandTurn); }

// The fan of five cards held at its foot inside the fist, in hand
// coordinates; each card shows its corner, the front one is the ace of
// spades.
void paintFan(QPainter &painter)
{
    const Suit suits[5] = {Suit::Clubs, Suit::Diamonds, Suit::Spades, Suit::Hearts, Suit::Spades};
    for (int i = 0; i < 5; ++i) {
        painter.save();
        painter.translate(0, -12);
        painter.rotate(-36 + i * 17 - HandTurn);
        painter.setPen(QPen(Ink, 0.8));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRectF(-9.5, -35, 19, 28), 1.6, 1.6);
        const QColor ink = suitColour(suits[i]);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawRect(QRectF(-7.6, -33, 1.6, 3.2));
        paintSuit(painter, suits[i], -6.8, -27.6, 3, ink);
        if (i == 4)
            paintSuit(painter, suits[i], 0.5, -21, 11, ink);
        painter.restore();
    }
}

// The fist seen from the side of the curled fingers, in hand coordinates:
// the four fingers as bands one above the other across the foot of the
// fan, the thumb wrapped over the top two.
void paintFist(QPainter &painter)
{
    painter.setPen(QPen(Ink, 0.8));
    painter.setBrush(Skin);
    painter.drawRoundedRect(QRectF(-7.5, -17, 14, 17), 4, 4);
    for (int f = 0; f < 4; ++f)
        painter.drawRoundedRect(QRectF(-6.5 + (f == 3 ? 1 : 0), -16.5 + f * 3.7, 15 - (f == 3 ? 1.5 : 0), 3.9), 1.9, 1.9);
    QPainterPath thumb;
    thumb.moveTo(-7.5, -4);
    thumb.quadTo(-9, -11, -5, -15);
    thumb.quadTo(-2, -17.5, 1.5, -15.5);
    thumb.quadTo(3, -14, 1, -12.5);
    thumb.quadTo(-2.5, -11, -3, -6);
    thumb.closeSubpath();
    painter.drawPath(thumb);
    painter.setPen(QPen(SkinShade, 0.6));
    painter.drawLine(QPointF(-1.2, -15.6), QPointF(0.8, -13.4));
}

// The sleeve with its stripes, in arm coordinates.
void paintSleeve(QPainter &painter)
{
    QPainterPath sleeve;
    sleeve.moveTo(-8.5, 6);
    sleeve.lineTo(8.5, 6);
    sleeve.lineTo(11, 70);
    sleeve.lineTo(-11, 70);
    sleeve.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(sleeve);
    painter.save();
    painter.setClipPath(sleeve);
    for (int k = 0; k < 9; ++k)
        painter.fillRect(QRectF(-12, 8 + k * 7, 24, 3.5), Stripe);
    painter.restore();
    painter.setPen(QPen(Ink, 0.9));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(sleeve);
}

// The hidden ace slides out of the cuff beside the wrist, `out` units, in
// arm coordinates.
void paintSleeveAce(QPainter &painter, double out)
{
    painter.setPen(QPen(Ink, 0.7));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(-11.5, -out, 7, 12), 1, 1);
    paintSuit(painter, Suit::Spades, -8, 2.4 - out, 3, suitColour(Suit::Spades));
}

void paintCuff(QPainter &painter)
{
    painter.setPen(QPen(Ink, 0.9));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(-9.5, 0, 19, 7), 1.6, 1.6);
    painter.setPen(QPen(QColor(190, 190, 190), 0.6));
    painter.drawLine(QPointF(-8, 3.5), QPointF(8, 3.5));
}

// The whole scene, `aceOut` units of the hidden ace showing beyond the cuff.
void paintArmScene(QPainter &painter, double aceOut)
{
    painter.save();
    painter.setTransform(handToCard(), true);
    paintFan(painter);
    painter.restore();
    painter.save();
    painter.setTransform(armToCard(), true);
    paintSleeveAce(painter, aceOut);
    paintSleeve(painter);
    painter.restore();
    painter.save();
    painter.setTransform(handToCard(), true);
    paintFist(painter);
    painter.restore();
    painter.save();
    painter.setTransform(armToCard(), true);
    paintCuff(painter);
    painter.restore();
}

} // namespace

void paintArmBack(QPainter &painter)
{
    painter.fillRect(backField(), Yellow);
    paintArmScene(painter, AceOutOnBack);
}

void paintAceFrame(QPainter &painter, const QSize &frame, bool second)
{
    // The cuff's left end, where the ace comes out, enlarged to fill the
    // frame.
    painter.fillRect(QRect(QPoint(0, 0), frame), Yellow);
    // Drawn without antialiasing: the frame keeps the scene's own few
    // colours (a 16-colour bitmap) instead of blends reduced to grey-pinks.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QPointF centre = armToCard().map(QPointF(-6, -1.5));
    const double zoom = 1.4;
    painter.translate(frame.width() / 2.0, frame.height() / 2.0);
    painter.scale(zoom, zoom);
    painter.translate(-centre);
    paintArmScene(painter, second ? AceOutOnBack + 5.5 : AceOutOnBack);
}

} // namespace artgen
