// The markers, the animation frames, the control's icon, the program's
// window icon and the hand pointer.
#include "tools/artgen/ArtGen.h"
#include "tools/artgen/Backs.h"
#include "tools/artgen/Canvas.h"
#include "tools/artgen/Designs.h"
#include "tools/artgen/Glyphs.h"
#include "tools/artgen/SvgWriter.h"
#include "tools/artgen/Typeface.h"
#include "tools/artgen/VectorRecorder.h"

#include <QPainterPath>
#include <vector>

namespace artgen {

QImage quantize(const QImage &art, int maxColours);  // Assets.cpp

namespace {

const QColor Ink(20, 20, 20);

} // namespace

void paintGreenRing(CardSurface &card)
{
    QPainter painter;
    beginPainter(painter, card.device());
    const QPointF centre(CardWidth / 2.0, CardHeight / 2.0);
    QPainterPath ring;
    ring.addEllipse(centre, 30, 30);
    ring.addEllipse(centre, 19, 19);
    outlinePath(painter, ring, QColor(30, 170, 60), QColor(10, 90, 30), 1.6);
    painter.setPen(QPen(QColor(120, 220, 130), 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(centre.x() - 25, centre.y() - 25, 50, 50), 100 * 16, 70 * 16);
}

void paintRedCross(CardSurface &card)
{
    QPainter painter;
    beginPainter(painter, card.device());
    QPainterPath bar;
    bar.addRoundedRect(QRectF(-34, -5.5, 68, 11), 3, 3);
    QPainterPath cross;
    for (double angle : {45.0, -45.0}) {
        QTransform turn;
        turn.translate(CardWidth / 2.0, CardHeight / 2.0);
        turn.rotate(angle);
        cross = cross.united(turn.map(bar));
    }
    outlinePath(painter, cross, QColor(215, 25, 30), QColor(120, 5, 10), 1.6);
}

QString animName(int which)
{
    static const char *const names[AnimCount] = {"aniAce1", "aniAce2", "aniBats", "aniFace1",
                                                 "aniFace2", "aniRobot1", "aniRobot2"};
    return QString::fromLatin1(names[which]);
}

QImage drawAnim(int which)
{
    static const QSize sizes[AnimCount] = {{32, 22}, {32, 22}, {26, 12}, {14, 12}, {14, 12}, {24, 7}, {24, 7}};
    const QSize size = sizes[which];
    QImage frame = newCanvas(size.width(), size.height());
    QPainter painter;
    beginPainter(painter, frame);
    switch (which) {
    case 0:
    case 1:
        paintAceFrame(painter, size, which == 1);
        break;
    case 2:
        frame.fill(QColor(30, 60, 170));
        paintBat(painter, QPointF(7, 5), 11, QColor(0, 0, 0));
        paintBat(painter, QPointF(19, 7), 10, QColor(0, 0, 0));
        break;
    case 3:
    case 4:
        frame.fill(QColor(90, 170, 240));
        paintSunFace(painter, QPointF(7, 6), 5.2, which == 4);
        break;
    default: {
        frame.fill(QColor(210, 35, 35));
        painter.setPen(QPen(QColor(120, 10, 10), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(0.5, 0.5, 23, 6));
        const QColor magenta(230, 40, 200);
        const QColor green(40, 220, 80);
        const bool first = which == 5;
        painter.setPen(Qt::NoPen);
        painter.setBrush(first ? magenta : green);
        painter.drawEllipse(QPointF(5, 3.5), 2, 2);
        painter.setBrush(first ? green : magenta);
        painter.drawEllipse(QPointF(19, 3.5), 2, 2);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(12, 3.5), 2.6, 2.6);
        painter.setPen(QPen(Ink, 0.8));
        painter.drawLine(QPointF(12, 3.5), QPointF(13.5, 2));
        break;
    }
    }
    painter.end();
    return quantize(finish(frame), 16);
}

QImage drawControlIcon()
{
    QImage icon = newCanvas(32, 39);
    icon.fill(QColor(192, 192, 192));
    QPainter painter(&icon);
    // A raised grey tile.
    painter.setPen(Qt::white);
    painter.drawLine(0, 0, 31, 0);
    painter.drawLine(0, 0, 0, 38);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(1, 38, 31, 38);
    painter.drawLine(31, 1, 31, 38);
    // A small card with a red 2.
    painter.setPen(Ink);
    painter.setBrush(Qt::white);
    painter.drawRect(7, 7, 17, 24);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(8, 32, 25, 32);
    painter.drawLine(25, 8, 25, 32);
    painter.end();
    Typeface::cards().drawText(icon, QStringLiteral("2"), 12, 11, cardRed());
    QPainter pips;
    beginPainter(pips, icon);
    paintSuit(pips, Suit::Hearts, 15.5, 25, 5, cardRed());
    pips.end();
    return icon.convertToFormat(QImage::Format_RGB32);
}

namespace {

// The program icon's design, in ProgramIconUnits x ProgramIconUnits units
// from the painter's origin: a rounded felt tile with a card back and a
// heart card fanned over it. The PNG sizes scale the painter to their
// pixels and the SVG document records the same painting, so the two
// forms cannot drift apart.
void paintProgramIcon(QPainter &painter)
{
    QLinearGradient felt(0, 0, 0, ProgramIconUnits);
    felt.setColorAt(0, QColor(30, 130, 70));
    felt.setColorAt(1, QColor(15, 85, 45));
    painter.setPen(QPen(QColor(10, 60, 30), 1.5));
    painter.setBrush(felt);
    painter.drawRoundedRect(QRectF(1, 1, 62, 62), 10, 10);
    // A card back behind a face card, fanned.
    painter.save();
    painter.translate(28, 33);
    painter.rotate(-14);
    painter.setPen(QPen(Ink, 1.2));
    painter.setBrush(QColor(30, 60, 160));
    painter.drawRoundedRect(QRectF(-13, -18, 26, 36), 3, 3);
    painter.setPen(QPen(QColor(196, 28, 36), 1.6));
    painter.drawRect(QRectF(-9, -14, 18, 28));
    painter.restore();
    painter.save();
    painter.translate(37, 33);
    painter.rotate(9);
    painter.setPen(QPen(Ink, 1.2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(-13, -18, 26, 36), 3, 3);
    paintSuit(painter, Suit::Hearts, 0, 1, 18, cardRed());
    painter.restore();
}

} // namespace

QImage drawProgramIcon(int size)
{
    QImage icon = newCanvas(size, size);
    QPainter painter;
    beginPainter(painter, icon);
    const double s = size / double(ProgramIconUnits);
    painter.scale(s, s);
    paintProgramIcon(painter);
    painter.end();
    return finish(icon);
}

QByteArray programIconSvg()
{
    VectorRecorder recorder(ProgramIconUnits, ProgramIconUnits);
    QPainter painter;
    beginPainter(painter, &recorder);
    paintProgramIcon(painter);
    painter.end();
    return svgDocument(recorder);
}

namespace {

// The hand pointer's design in the cursor's own units (32 x 32, the
// fingertip's top at the hotspot): the outline runs through the middle of
// the one-bit cursor's black pixels, so that a one-unit pen covers them.
QPainterPath handOutline()
{
    QPainterPath hand;
    const auto fingertip = [&](double centreX, double centreY) {
        hand.arcTo(QRectF(centreX - 1.5, centreY - 1.5, 3, 3), 180, -180);
    };
    hand.moveTo(8.5, 4);
    fingertip(10, 4);         // the index finger, pointing
    hand.lineTo(11.5, 9);
    fingertip(13, 9);         // the middle finger
    hand.lineTo(14.5, 10);
    fingertip(16, 10);        // the ring finger
    hand.lineTo(17.5, 11);
    fingertip(19, 11);        // the little finger
    hand.lineTo(20.5, 17.5);  // the back of the hand, narrowing to the wrist
    hand.lineTo(19.5, 19);
    hand.lineTo(18.5, 20.5);
    hand.lineTo(18.5, 23.5);
    hand.lineTo(9.5, 23.5);
    hand.lineTo(9.5, 21.5);
    hand.lineTo(7.5, 18);     // the heel of the hand up to the thumb
    hand.lineTo(6.5, 16);
    hand.lineTo(4.5, 13.5);
    hand.cubicTo(4, 12.5, 4.5, 11.5, 5.5, 11.5);  // the thumb's tip
    hand.lineTo(6.5, 11.5);
    hand.lineTo(7.5, 12.5);
    hand.lineTo(8.5, 11.5);
    hand.closeSubpath();
    return hand;
}

void paintHandPointer(QPainter &painter)
{
    QPen ink(Qt::black, 1);
    ink.setJoinStyle(Qt::RoundJoin);
    ink.setCapStyle(Qt::RoundCap);
    painter.setPen(ink);
    painter.setBrush(Qt::white);
    painter.drawPath(handOutline());
    // Where the fingers meet, and the thumb's crease.
    painter.drawLine(QPointF(11.5, 9), QPointF(11.5, 11.5));
    painter.drawLine(QPointF(14.5, 10), QPointF(14.5, 11.5));
    painter.drawLine(QPointF(17.5, 11), QPointF(17.5, 11.5));
    painter.drawLine(QPointF(8.5, 12.5), QPointF(8.5, 13.5));
}

} // namespace

QByteArray handPointerSvg()
{
    VectorRecorder recorder(HandUnits, HandUnits);
    QPainter painter;
    beginPainter(painter, &recorder);
    paintHandPointer(painter);
    painter.end();
    return svgDocument(recorder);
}

QImage drawHandPointer()
{
    static const char *const hand[] = {
        ".....XX..........", "....XooX.........", "....XooX.........", "....XooX.........",
        "....XooX.........", "....XooXXX.......", "....XooXooXXX....", "....XooXooXooXX..",
        "....XooXooXooXoX.", ".XX.XooXooXooXooX", "XooXXoooooooooooX", "XoooXoooooooooooX",
        ".XooooooooooooooX", "..XoooooooooooooX", "..XoooooooooooooX", "...XooooooooooooX",
        "...XoooooooooooX.", "....XooooooooooX.", "....XoooooooooX..", ".....XooooooooX..",
        ".....XooooooooX..", ".....XXXXXXXXXX..",
    };
    // The fingertip (row 0, column 5) lands on the hotspot.
    const int left = HandHotX - 5;
    const int top = HandHotY;
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(0);
    for (int row = 0; row < int(sizeof hand / sizeof hand[0]); ++row) {
        for (int column = 0; hand[row][column]; ++column) {
            const char c = hand[row][column];
            if (c != '.')
                image.setPixel(left + column, top + row, c == 'X' ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
    return image;
}

} // namespace artgen
