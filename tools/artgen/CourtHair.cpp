// The court figures' hair and beards: cropped, curled, long, in ringlets
// or plaits, or under a veil; full, forked, pointed or curly beards with a
// moustache.
#include "tools/artgen/CourtParts.h"
#include "tools/artgen/Canvas.h"

namespace artgen::court {
namespace {

QPainterPath beardOutline(const Head &h)
{
    const double cx = h.centre.x();
    const double r = h.width / 2;
    const double side = h.centre.y() - h.height * 0.02;
    const double chin = chinLine(h);
    const double mx = mouthCentre(h);
    QPainterPath beard;
    beard.moveTo(cx - r - 0.2, side);
    switch (h.beard) {
    case Beard::Forked:
        beard.cubicTo(cx - r, chin - 1, cx - 3.5, chin + 1.5, mx - 2.2, chin + 4.6);
        beard.quadTo(mx - 0.6, chin + 3.2, mx, chin + 2.2);
        beard.quadTo(mx + 0.6, chin + 3.2, mx + 2.2, chin + 4.6);
        beard.cubicTo(cx + 3.5, chin + 1.5, cx + r, chin - 1, cx + r + 0.2, side);
        break;
    case Beard::Pointed:
        beard.cubicTo(cx - r, chin - 0.5, mx - 2.5, chin + 1.5, mx, chin + 5.2);
        beard.cubicTo(mx + 2.5, chin + 1.5, cx + r, chin - 0.5, cx + r + 0.2, side);
        break;
    case Beard::Curly: {
        beard.cubicTo(cx - r - 0.6, chin - 1, cx - r + 0.5, chin + 2.5, cx - r + 1.2, chin + 2.6);
        // A row of curls along the bottom.
        const double left = cx - r + 1.2;
        const double right = cx + r - 1.2;
        const int curls = 4;
        for (int i = 0; i < curls; ++i) {
            const double a = left + (right - left) * i / curls;
            const double b = left + (right - left) * (i + 1) / curls;
            const double dip = chin + 3.0 + (i == 1 || i == 2 ? 0.9 : 0);
            beard.quadTo((a + b) / 2, dip + 1.6, b, dip - (i == 3 ? 0.4 : 0));
        }
        beard.cubicTo(cx + r - 0.5, chin + 2.5, cx + r + 0.6, chin - 1, cx + r + 0.2, side);
        break;
    }
    default:
        beard.cubicTo(cx - r - 0.4, chin + 0.5, cx - 3.8, chin + 4.2, mx, chin + 4.2);
        beard.cubicTo(cx + 3.8, chin + 4.2, cx + r + 0.4, chin + 0.5, cx + r + 0.2, side);
        break;
    }
    // Up the cheek on the inside of the sideburn and round the mouth.
    const double my = mouthLevel(h);
    beard.quadTo(cx + r - 1.4, my - 1.8, mx + 2.4, my - 0.9);
    beard.quadTo(mx + 2.5, my + 2.0, mx, my + 2.0);
    beard.quadTo(mx - 2.5, my + 2.0, mx - 2.4, my - 0.9);
    beard.quadTo(cx - r + 1.4, my - 1.8, cx - r - 0.2, side);
    beard.closeSubpath();
    return beard;
}

} // namespace

void paintHairBehind(QPainter &painter, const Head &h)
{
    const double cx = h.centre.x();
    const double r = h.width / 2;
    const double t = headTop(h);
    QPainterPath hair;
    switch (h.style) {
    case Hair::Cropped:
        hair.addEllipse(QRectF(cx - r - 0.7, t - 0.8, h.width + 1.4, h.height * 0.78));
        break;
    case Hair::Curled: {
        // Shoulder length, ending in a row of curls.
        const double end = chinLine(h) + 0.6;
        hair.moveTo(cx - r - 0.6, t + h.height * 0.3);
        hair.cubicTo(cx - r - 0.6, t - 1.2, cx + r + 0.6, t - 1.2, cx + r + 0.6, t + h.height * 0.3);
        hair.cubicTo(cx + r + 2.2, t + h.height * 0.55, cx + r + 2.4, end - 1.5, cx + r + 2.2, end - 1.0);
        hair.quadTo(cx + r + 1.8, end + 1.0, cx + r + 0.6, end);
        hair.quadTo(cx + r - 0.2, end + 1.0, cx + r - 1.4, end - 0.4);
        hair.lineTo(cx - r + 1.4, end - 0.4);
        hair.quadTo(cx - r + 0.2, end + 1.0, cx - r - 0.6, end);
        hair.quadTo(cx - r - 1.8, end + 1.0, cx - r - 2.2, end - 1.0);
        hair.cubicTo(cx - r - 2.4, end - 1.5, cx - r - 2.2, t + h.height * 0.55, cx - r - 0.6, t + h.height * 0.3);
        hair.closeSubpath();
        break;
    }
    case Hair::Long:
    case Hair::Ringlets:
    case Hair::Braided: {
        // Falling past the shoulders, wider towards the ends.
        const double end = chinLine(h) + (h.style == Hair::Long ? 6.0 : 2.5);
        hair.moveTo(cx, t - 1.0);
        hair.cubicTo(cx + r + 1.8, t - 1.0, cx + r + 1.4, t + h.height * 0.45, cx + r + 2.6, end - 2);
        hair.quadTo(cx + r + 3.0, end, cx + r + 0.8, end);
        hair.lineTo(cx - r - 0.8, end);
        hair.quadTo(cx - r - 3.0, end, cx - r - 2.6, end - 2);
        hair.cubicTo(cx - r - 1.4, t + h.height * 0.45, cx - r - 1.8, t - 1.0, cx, t - 1.0);
        hair.closeSubpath();
        break;
    }
    case Hair::Veiled: {
        // A veil from under the crown down to the shoulders.
        const double end = chinLine(h) + 4.5;
        QPainterPath veil;
        veil.moveTo(cx, t - 1.2);
        veil.cubicTo(cx + r + 2.4, t - 1.2, cx + r + 2.0, t + h.height * 0.5, cx + r + 3.6, end);
        veil.lineTo(cx - r - 3.6, end);
        veil.cubicTo(cx - r - 2.0, t + h.height * 0.5, cx - r - 2.4, t - 1.2, cx, t - 1.2);
        veil.closeSubpath();
        shape(painter, veil, Ermine);
        // Its folds.
        for (double dx : {-r - 1.2, r + 1.2}) {
            QPainterPath fold;
            fold.moveTo(cx + dx * 0.95, t + h.height * 0.5);
            fold.quadTo(cx + dx * 1.08, end - 2.5, cx + dx * 1.2, end - 0.3);
            stroke(painter, fold, QColor(170, 178, 196), Fine);
        }
        return;
    }
    }
    shape(painter, hair, h.hair);
}

void paintBeard(QPainter &painter, const Head &h)
{
    if (h.beard == Beard::None)
        return;
    const QColor strands = h.hair.lightness() > 200 ? QColor(170, 170, 168) : hairShade(h.hair, 0.3);
    const QPainterPath beard = beardOutline(h);
    shape(painter, beard, h.hair, 0.55);
    // A few strands inside.
    painter.save();
    painter.setClipPath(beard, Qt::IntersectClip);
    const double mx = mouthCentre(h);
    const double my = mouthLevel(h);
    for (double dx : {-2.6, -0.9, 0.9, 2.6}) {
        QPainterPath strand;
        strand.moveTo(mx + dx * 0.9, my + 2.2);
        strand.quadTo(mx + dx * 1.15, my + 4.0, mx + dx * 0.8, my + 5.6);
        stroke(painter, strand, strands, 0.35);
    }
    painter.restore();
    // The moustache over the upper lip.
    for (int side : {-1, 1}) {
        QPainterPath wing;
        wing.moveTo(mx, my - 1.0);
        wing.cubicTo(mx + side * 1.2, my - 1.5, mx + side * 2.6, my - 1.0, mx + side * 3.0, my + 0.2);
        if (h.beard == Beard::Curly || h.beard == Beard::Pointed)
            wing.quadTo(mx + side * 3.5, my - 0.6, mx + side * 3.0, my - 0.8);
        wing.cubicTo(mx + side * 2.4, my - 0.3, mx + side * 1.2, my - 0.2, mx, my - 0.3);
        wing.closeSubpath();
        shape(painter, wing, h.hair, 0.4);
    }
}

void paintHairFront(QPainter &painter, const Head &h)
{
    const double cx = h.centre.x();
    const double r = h.width / 2;
    const double t = headTop(h);
    const double line = t + h.height * 0.24;
    QPainterPath hair;
    switch (h.style) {
    case Hair::Cropped:
    case Hair::Curled: {
        // A fringe with a few locks, combed towards where the face turns.
        const double lean = h.turn >= 0 ? 1 : -1;
        hair.moveTo(cx - r - 0.3, line + 1.2);
        hair.cubicTo(cx - r - 0.3, t - 0.6, cx + r + 0.3, t - 0.6, cx + r + 0.3, line + 1.2);
        const int locks = 4;
        for (int i = locks; i > 0; --i) {
            const double a = cx + r - h.width * (locks - i) / locks;
            const double b = cx + r - h.width * (locks - i + 1) / locks;
            hair.quadTo((a + b) / 2 + lean * 0.6, line + (i % 2 ? 0.6 : 1.1), b, line - 0.2);
        }
        hair.closeSubpath();
        break;
    }
    case Hair::Long:
    case Hair::Ringlets:
    case Hair::Braided:
    case Hair::Veiled: {
        // Parted in the middle, framing the face.
        const double part = cx + featureShift(h) * 0.5;
        const double low = h.style == Hair::Veiled ? line + 0.6 : h.centre.y() + h.height * 0.12;
        hair.moveTo(part, t - 0.2);
        hair.cubicTo(cx + r * 0.9, t - 0.2, cx + r + 0.4, t + 2, cx + r + 0.3, low);
        hair.cubicTo(cx + r - 0.7, low - 2.5, cx + r * 0.6, line - 0.2, part, line - 0.8);
        hair.cubicTo(cx - r * 0.6, line - 0.2, cx - r + 0.7, low - 2.5, cx - r - 0.3, low);
        hair.cubicTo(cx - r - 0.4, t + 2, cx - r * 0.9, t - 0.2, part, t - 0.2);
        hair.closeSubpath();
        break;
    }
    }
    shape(painter, hair, h.hair, 0.55);
    if (h.style == Hair::Ringlets) {
        // Ringlets down both sides of the face.
        for (int side : {-1, 1}) {
            const double x = cx + side * (r + 0.9);
            for (int i = 0; i < 5; ++i) {
                QPainterPath curl;
                curl.addEllipse(QPointF(x + side * 0.15 * i, h.centre.y() + 1.5 + i * 1.7), 1.25, 1.05);
                shape(painter, curl, h.hair, 0.45);
            }
        }
    }
    if (h.style == Hair::Braided) {
        // Two plaits over the shoulders, tied with ribbons.
        for (int side : {-1, 1}) {
            const QPointF from(cx + side * (r - 0.2), h.centre.y() + 1.0);
            const QPointF to(cx + side * (r + 1.6), chinLine(h) + 11.0);
            const int lobes = 8;
            for (int i = lobes - 1; i >= 0; --i) {
                const QPointF p = from + (to - from) * ((i + 0.5) / lobes);
                painter.save();
                painter.translate(p + QPointF(i % 2 ? 0.35 : -0.35, 0));
                painter.rotate(i % 2 ? -28 : 28);
                QPainterPath lobe;
                lobe.addEllipse(QPointF(0, 0), 1.35, 1.0);
                shape(painter, lobe, h.hair, 0.45);
                painter.restore();
            }
            QPainterPath tuft;
            tuft.moveTo(to);
            tuft.lineTo(to + QPointF(-1.0, 2.2));
            tuft.quadTo(to + QPointF(0, 2.8), to + QPointF(1.0, 2.2));
            tuft.closeSubpath();
            shape(painter, tuft, h.hair, 0.45);
            QPainterPath ribbon;
            ribbon.addRoundedRect(QRectF(to.x() - 1.1, to.y() - 0.5, 2.2, 1.1), 0.4, 0.4);
            shape(painter, ribbon, QColor(196, 40, 48), 0.4);
        }
    }
}

} // namespace artgen::court
