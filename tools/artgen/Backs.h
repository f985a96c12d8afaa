#pragma once
// The twelve card backs, each painted inside the card outline.
#include "tools/artgen/Surface.h"

#include <QImage>
#include <QPainter>

namespace artgen {

// The rectangle a back's ground fills: the whole card, cut by the
// painter's clip to the surface's field.
QRectF backField();

// Painters of the single designs; each paints the whole card interior.
void paintWovenBack(QPainter &painter);        // 0
void paintDottedBack(CardSurface &card);       // 1 (mostly transparent)
void paintRosesBack(QPainter &painter);        // 2
void paintBasketBack(QPainter &painter);       // 3
void paintIvyBack(QPainter &painter);          // 4
void paintFourFishBack(QPainter &painter);     // 5
void paintRobotBack(QPainter &painter);        // 6
void paintFishAndWeedBack(QPainter &painter);  // 7
void paintArmBack(QPainter &painter);          // 8
void paintShellBack(QPainter &painter);        // 9
void paintPalmBack(QPainter &painter);         // 10
void paintCastleBack(QPainter &painter);       // 11

// The dots of back 1: centres on whole pixels, the same pitch both ways.
constexpr int DottedColumns = 10;
constexpr int DottedRows = 14;
constexpr int DottedLeft = 9;
constexpr int DottedTop = 9;
constexpr int DottedPitch = 6;

// Shared motifs, also used by the animation frames.
void paintClownfish(QPainter &painter, QPointF centre, double length, bool facingLeft);
void paintBat(QPainter &painter, QPointF centre, double span, const QColor &colour);
void paintSunFace(QPainter &painter, QPointF centre, double radius, bool tongueOut);
// A close-up of back 8's cuff filling `frame`, the hidden ace further out
// of it in the second frame.
void paintAceFrame(QPainter &painter, const QSize &frame, bool second);

} // namespace artgen
