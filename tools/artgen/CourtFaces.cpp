// The faces of the court figures, drawn flat with dark outlines like the
// rest of the set. A face keeps its features in the same places at every
// size: almond eyes with whites, irises and upper lids under curved brows,
// a nose drawn by its shadow side, lips, and a blush on the cheeks; `turn`
// moves the features towards one side of the face so that the figure
// looks that way.
#include "tools/artgen/CourtParts.h"
#include "tools/artgen/Canvas.h"

namespace artgen::court {
namespace {

const QColor Blush(246, 178, 160);
const QColor Lip(214, 104, 98);
const QColor RedLip(196, 40, 60);
const QColor LipLine(118, 42, 40);
const QColor NoseLine(186, 112, 82);

QPainterPath faceOutline(const Head &h)
{
    const double cx = h.centre.x();
    const double cy = h.centre.y();
    const double r = h.width / 2;
    const double chin = cx + h.turn * 0.6;
    QPainterPath face;
    face.moveTo(cx, headTop(h));
    face.cubicTo(cx + r * 0.62, headTop(h), cx + r, headTop(h) + h.height * 0.18, cx + r, cy - h.height * 0.02);
    face.cubicTo(cx + r, cy + h.height * 0.3, chin + r * 0.5, chinLine(h), chin, chinLine(h));
    face.cubicTo(chin - r * 0.5, chinLine(h), cx - r, cy + h.height * 0.3, cx - r, cy - h.height * 0.02);
    face.cubicTo(cx - r, headTop(h) + h.height * 0.18, cx - r * 0.62, headTop(h), cx, headTop(h));
    face.closeSubpath();
    return face;
}

void paintEye(QPainter &painter, const Head &h, int side)
{
    const double ex = h.centre.x() + featureShift(h) + side * h.width * 0.205;
    const double ey = eyeLevel(h);
    // The eye on the side the face turns to is a little narrower.
    const double half = h.width * 0.105 * (1 - 0.12 * h.turn * side);
    QPainterPath white;
    white.moveTo(ex - half, ey);
    white.quadTo(ex, ey - 1.45, ex + half, ey);
    white.quadTo(ex, ey + 1.05, ex - half, ey);
    white.closeSubpath();
    shape(painter, white, Qt::white, 0.22);
    painter.save();
    painter.setClipPath(white, Qt::IntersectClip);
    const QPointF iris(ex + h.turn * half * 0.3, ey + 0.02);
    painter.setPen(Qt::NoPen);
    painter.setBrush(h.eyes);
    painter.drawEllipse(iris, 0.62, 0.62);
    painter.setBrush(Line);
    painter.drawEllipse(iris, 0.3, 0.3);
    painter.restore();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(iris + QPointF(0.2, -0.22), 0.14, 0.14);
    // The upper lid, heavier than the eye's outline.
    QPainterPath lid;
    lid.moveTo(ex - half - 0.15, ey + 0.08);
    lid.quadTo(ex, ey - 1.5, ex + half + 0.15, ey + 0.08);
    stroke(painter, lid, Line, h.lashes ? 0.5 : 0.42);
    if (h.lashes) {
        const double outer = ex + side * (half + 0.1);
        QPainterPath lash;
        lash.moveTo(outer - side * 0.3, ey - 0.25);
        lash.quadTo(outer + side * 0.25, ey - 0.35, outer + side * 0.55, ey - 0.85);
        stroke(painter, lash, Line, 0.35);
    }
    // The brow.
    QPainterPath brow;
    brow.moveTo(ex - half * 1.1, ey - 1.55 + side * 0.1);
    brow.quadTo(ex - side * 0.2, ey - 2.45, ex + half * 1.15, ey - 1.55 - side * 0.1);
    const QColor browColour = h.hair.lightness() > 200 ? QColor(150, 145, 140) : hairShade(h.hair, 0.2);
    stroke(painter, brow, browColour, h.lashes ? 0.42 : 0.6);
}

void paintNose(QPainter &painter, const Head &h)
{
    const double side = h.turn >= 0 ? 1 : -1;
    const double nx = h.centre.x() + 1.6 * featureShift(h);
    const double ey = eyeLevel(h);
    const double tip = h.centre.y() + h.height * 0.17;
    QPainterPath nose;
    nose.moveTo(nx + side * 0.45, ey - 0.7);
    nose.quadTo(nx + side * 0.55, tip - 1.4, nx + side * 0.9, tip - 0.2);
    nose.quadTo(nx + side * 0.8, tip + 0.5, nx, tip + 0.35);
    stroke(painter, nose, NoseLine, 0.42);
    QPainterPath nostril;
    nostril.moveTo(nx - side * 0.3, tip + 0.3);
    nostril.quadTo(nx - side * 1.0, tip + 0.35, nx - side * 0.9, tip - 0.25);
    stroke(painter, nostril, NoseLine, 0.36);
}

void paintMouth(QPainter &painter, const Head &h)
{
    const double mx = mouthCentre(h);
    const double my = mouthLevel(h);
    const double half = h.width * (h.lashes ? 0.12 : 0.13);
    QPainterPath lower;
    lower.moveTo(mx - half * 0.8, my + 0.05);
    lower.quadTo(mx, my + 1.35, mx + half * 0.8, my + 0.05);
    lower.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(h.lashes ? RedLip : Lip);
    painter.drawPath(lower);
    if (h.lashes) {
        QPainterPath upper;
        upper.moveTo(mx - half, my);
        upper.quadTo(mx - half * 0.45, my - 0.85, mx, my - 0.35);
        upper.quadTo(mx + half * 0.45, my - 0.85, mx + half, my);
        upper.quadTo(mx, my + 0.25, mx - half, my);
        painter.drawPath(upper);
    }
    QPainterPath line;
    line.moveTo(mx - half, my - 0.05);
    line.quadTo(mx, my + 0.45, mx + half, my - 0.05);
    stroke(painter, line, LipLine, 0.4);
}

} // namespace

double crownLine(const Head &head) { return headTop(head) + head.height * 0.14; }

void paintFace(QPainter &painter, const Head &h)
{
    const double r = h.width / 2;
    if (h.style == Hair::Cropped || h.style == Hair::Curled) {
        for (int side : {-1, 1}) {
            const QPointF ear(h.centre.x() + side * (r - 0.1), eyeLevel(h) + 1.2);
            QPainterPath shell;
            shell.addEllipse(ear, 0.95, 1.5);
            shape(painter, shell, Skin, Fine);
        }
    }
    shape(painter, faceOutline(h), Skin, 0.55);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Blush);
    for (int side : {-1, 1})
        painter.drawEllipse(QPointF(h.centre.x() + featureShift(h) + side * h.width * 0.28, h.centre.y() + h.height * 0.15), 1.05, 0.8);
    for (int side : {-1, 1})
        paintEye(painter, h, side);
    paintNose(painter, h);
    paintMouth(painter, h);
}

void paintNeck(QPainter &painter, const Head &h, double end)
{
    const double cx = h.centre.x() + h.turn * 0.3;
    const double half = h.width * 0.2;
    QPainterPath neck;
    neck.moveTo(cx - half, chinLine(h) - 2);
    neck.lineTo(cx - half - 0.3, end);
    neck.lineTo(cx + half + 0.3, end);
    neck.lineTo(cx + half, chinLine(h) - 2);
    neck.closeSubpath();
    shape(painter, neck, Skin, 0.55);
    // The shadow under the chin.
    QPainterPath shadow;
    shadow.moveTo(cx - half, chinLine(h) - 0.5);
    shadow.quadTo(cx, chinLine(h) + 1.4, cx + half, chinLine(h) - 0.5);
    shadow.lineTo(cx + half, chinLine(h) - 1.5);
    shadow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(mix(Skin, SkinShade, 0.55));
    painter.drawPath(shadow);
}

} // namespace artgen::court
