#pragma once
// The parts the twelve court figures are drawn from: heads (faces, hair,
// beards), headwear, the suits' cloth patterns, hands and the objects the
// figures hold. Coordinates are card units of the upper half of a
// double-headed figure: inside the court frame, x 13..58 and y 10..48; the
// caller turns the half into the lower one.
#include "tools/artgen/Glyphs.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace artgen::court {

// Outlines and the colours every figure shares.
const QColor Line(24, 20, 20);
const QColor Skin(250, 216, 182);
const QColor SkinShade(214, 150, 118);
const QColor Gold(238, 186, 40);
const QColor Ermine(250, 250, 246);
const QColor Steel(212, 218, 228);
const QColor Wood(132, 80, 36);

// Outline widths: shapes, and the details drawn inside them.
constexpr double Bold = 0.7;
constexpr double Fine = 0.45;

// The dress of one suit's three figures.
enum class Pattern { Stripes, Lozenges, Dots, Chevrons };
struct Dress {
    QColor main;     // the principal cloth
    QColor ink;      // the pattern printed on it
    QColor second;   // sleeves, linings, the other cloth
    QColor trim;     // bands, jewels
    Pattern pattern;
};
Dress dressOf(Suit suit);

// `path` filled with `ground`, the pattern printed on it in `ink`, outlined.
void patterned(QPainter &painter, const QPainterPath &path, const QColor &ground, const QColor &ink, Pattern pattern,
               double lineWidth = Bold);
// A filled, outlined shape (round joins), and a stroked line with round caps.
void shape(QPainter &painter, const QPainterPath &path, const QColor &fill, double lineWidth = Bold);
void stroke(QPainter &painter, const QPainterPath &path, const QColor &colour, double width);
// A band along `path`, `width` wide, in `colour` with an outline.
void band(QPainter &painter, const QPainterPath &path, const QColor &colour, double width, double lineWidth = Fine);
// A pearl, a jewel: a small outlined disc with a glint.
void jewel(QPainter &painter, QPointF centre, double radius, const QColor &colour);

// Heads.
enum class Hair { Cropped, Curled, Long, Ringlets, Braided, Veiled };
enum class Beard { None, Full, Forked, Pointed, Curly };
struct Head {
    QPointF centre;  // of the face
    double width;
    double height;
    double turn;     // where the face looks: -1 the viewer's left .. 1 right
    QColor hair;
    QColor eyes;
    Hair style;
    Beard beard;
    bool lashes;     // lashes and red lips
};
// Where the parts of a head lie.
inline double headTop(const Head &h) { return h.centre.y() - h.height / 2; }
inline double chinLine(const Head &h) { return h.centre.y() + h.height / 2; }
inline double featureShift(const Head &h) { return h.turn * h.width * 0.09; }
inline double eyeLevel(const Head &h) { return h.centre.y() - h.height * 0.02; }
inline double mouthLevel(const Head &h) { return h.centre.y() + h.height * 0.3; }
inline double mouthCentre(const Head &h) { return h.centre.x() + 1.3 * featureShift(h); }
// A hair colour darkened, for brows and strands.
QColor hairShade(const QColor &hair, double t = 0.35);
// Drawn in this order: the hair behind the head, the face, the beard, the
// hair over the forehead.
void paintHairBehind(QPainter &painter, const Head &head);
void paintFace(QPainter &painter, const Head &head);
void paintBeard(QPainter &painter, const Head &head);
void paintHairFront(QPainter &painter, const Head &head);
// The neck from under the chin down to `end`, drawn before the collar.
void paintNeck(QPainter &painter, const Head &head, double end);
// The top of the head, where headwear sits.
double crownLine(const Head &head);

// Headwear, on the head's crown line, each clear of the top of the frame.
void paintKingCrown(QPainter &painter, const Head &head, Suit suit, const Dress &dress);
void paintQueenCrown(QPainter &painter, const Head &head, Suit suit, const Dress &dress);
void paintJackHat(QPainter &painter, const Head &head, Suit suit, const Dress &dress);

// A hand seen from the back, fingers closed round a shaft that runs at
// `angle` degrees (0 level, 90 upright) through `centre`.
void paintFist(QPainter &painter, QPointF centre, double angle);
// A sleeve from the shoulder to the wrist, tapering, with a cuff at the
// wrist.
void paintSleeve(QPainter &painter, QPointF shoulder, QPointF wrist, double width, const QColor &cloth,
                 const QColor &cuff);

// What the figures hold, each whole inside the frame.
void paintSword(QPainter &painter, QPointF hilt, QPointF tip);
// Blades stand out to the `side` (1 or -1) of the line from foot to top:
// 1 is the right of someone looking from the foot to the top.
void paintHalberd(QPainter &painter, QPointF foot, QPointF top, double side);
void paintAxe(QPainter &painter, QPointF foot, QPointF top, const QColor &trim, double side);
void paintOrb(QPainter &painter, QPointF centre, double radius, const QColor &band);
void paintSceptre(QPainter &painter, QPointF foot, QPointF top, const QColor &jewelColour);
void paintRose(QPainter &painter, QPointF bloom, QPointF stemEnd);
void paintFan(QPainter &painter, QPointF pivot, double radius, double fromDegrees, double toDegrees,
              const QColor &paper, const QColor &ribs);
void paintTulips(QPainter &painter, QPointF hand, double reach, const QColor &bloom);
void paintTorch(QPainter &painter, QPointF foot, QPointF top);
void paintBow(QPainter &painter, QPointF top, QPointF bottom, double bend);
void paintCudgel(QPainter &painter, QPointF foot, QPointF top);

} // namespace artgen::court
