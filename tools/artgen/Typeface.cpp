#include "tools/artgen/Typeface.h"
#include "tools/artgen/VectorRecorder.h"

#include <QPainterPathStroker>
#include <QStringList>
#include <QTransform>

namespace artgen {
namespace {

// The centre lines of the letters in their box (x 0..advance, y 0..9), as
// absolute SVG-like commands: M x y, L x y, C c1x c1y c2x c2y x y, Z. The
// pen is an oval two units wide and one high, so that upright strokes are
// two units wide and level ones one: upright strokes run on whole units
// (x 1 and 6 for the stems of a seven-wide letter), level ones through the
// middle of their unit (y .5 at the top, 8.5 at the bottom), which puts
// every straight edge on a pixel's edge at the natural size. Strokes end
// flat where their centre line ends, and whatever reaches past the base
// line or the cap line is cut off there. Bowls and arches are round
// throughout; "9" is "6" turned.
struct Design {
    char letter;
    int advance;
    const char *centreLine;
};

const Design Designs[] = {
    {'A', 7, "M.8 9 L1.25 4.4 C1.55 2 2.3 .5 3.5 .5 C4.7 .5 5.45 2 5.75 4.4 L6.2 9 M1.1 5.5 L5.9 5.5"},
    {'2', 7, "M1 2.3 C1.3 1.1 2.2 .5 3.5 .5 C5 .5 6 1.4 6 2.7 C6 3.9 5 4.7 3.8 5.5 C2.4 6.4 1 7.3 1 8.5 L7 8.5"},
    {'3', 7, "M1 2 C1.4 1 2.3 .5 3.5 .5 C5 .5 6 1.3 6 2.5 C6 3.7 5 4.5 3.5 4.5 L2.6 4.5 M3.5 4.5 "
             "C5 4.5 6 5.4 6 6.6 C6 7.8 5 8.5 3.5 8.5 C2.3 8.5 1.3 8 .9 7"},
    {'4', 7, "M5 0 L5 9 M5 .6 L1.4 5.5 L7 5.5"},
    {'5', 7, "M6.8 .5 L1.4 .5 L1.15 3.6 C1.9 3.3 2.7 3.2 3.5 3.2 C5 3.2 6 4.3 6 5.9 C6 7.5 5 8.5 3.5 8.5 "
             "C2.3 8.5 1.3 8 .9 7"},
    {'6', 7, "M5.9 1.3 C5.3 .7 4.5 .5 3.8 .5 C2 .5 1 2.2 1 4.8 L1 6 C1 7.5 2 8.5 3.5 8.5 C5 8.5 6 7.5 6 6 "
             "C6 4.5 5 3.5 3.5 3.5 C2.4 3.5 1.3 4.2 1 5.2 L1 6"},
    {'7', 7, "M0 .5 L5.8 .5 C4.3 2.6 3.2 5.2 3 9"},
    {'8', 7, "M3.5 4.5 C2.1 4.5 1.2 3.6 1.2 2.5 C1.2 1.3 2.2 .5 3.5 .5 C4.8 .5 5.8 1.3 5.8 2.5 "
             "C5.8 3.6 4.9 4.5 3.5 4.5 C2 4.5 1 5.4 1 6.5 C1 7.7 2 8.5 3.5 8.5 C5 8.5 6 7.7 6 6.5 "
             "C6 5.4 5 4.5 3.5 4.5 Z"},
    {'9', 7, nullptr},
    {'1', 3, "M2 0 L2 9 M2 .3 C1.7 1.2 1.1 1.8 .3 2.2"},
    {'0', 6, "M3 .5 C4.4 .5 5 1.9 5 3.6 L5 5.4 C5 7.1 4.4 8.5 3 8.5 C1.6 8.5 1 7.1 1 5.4 L1 3.6 "
             "C1 1.9 1.6 .5 3 .5 Z"},
    {'J', 7, "M5 0 L5 6 C5 7.6 4.3 8.5 3 8.5 C1.8 8.5 1 7.7 1 6.2"},
    {'Q', 7, "M3.5 .5 C5.2 .5 6 1.9 6 3.6 L6 5.4 C6 7.1 5.2 8.5 3.5 8.5 C1.8 8.5 1 7.1 1 5.4 L1 3.6 "
             "C1 1.9 1.8 .5 3.5 .5 Z M4.1 6.1 L6.6 9"},
    {'K', 7, "M1 0 L1 9 M6.4 0 L1 6.08 M3.5 3.25 L6.7 9"},
    {'O', 7, "M3.5 .5 C5.2 .5 6 1.9 6 3.6 L6 5.4 C6 7.1 5.2 8.5 3.5 8.5 C1.8 8.5 1 7.1 1 5.4 L1 3.6 "
             "C1 1.9 1.8 .5 3.5 .5 Z"},
    {'E', 7, "M7 .5 L1 .5 L1 8.5 L7 8.5 M1 4.5 L6 4.5"},
    {'R', 7, "M1 9 L1 .5 L3.8 .5 C5.2 .5 6 1.3 6 2.5 C6 3.7 5.2 4.5 3.8 4.5 L1 4.5 M3.6 4.5 L6.6 9"},
};

QPainterPath parse(const char *commands)
{
    QStringList words = QString::fromLatin1(commands).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QPainterPath path;
    int i = 0;
    const auto next = [&] {
        const QPointF p(words.at(i).toDouble(), words.at(i + 1).toDouble());
        i += 2;
        return p;
    };
    while (i < words.size()) {
        const QChar command = words.at(i).at(0);
        words[i] = words.at(i).mid(1);
        if (command == QLatin1Char('Z')) {
            path.closeSubpath();
            ++i;
        } else if (command == QLatin1Char('M')) {
            path.moveTo(next());
        } else if (command == QLatin1Char('L')) {
            path.lineTo(next());
        } else {
            const QPointF first = next();
            const QPointF second = next();
            path.cubicTo(first, second, next());
        }
    }
    return path;
}

// The centre line drawn with the oval pen (a round pen one unit wide in a
// space squeezed to half the width, stretched back) with flat ends and
// sharp corners, cut to the letter's height.
QPainterPath penOutline(const QPainterPath &centreLine, int advance)
{
    QPainterPathStroker pen;
    pen.setWidth(1.0);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    const QPainterPath stroke =
        QTransform::fromScale(2, 1).map(pen.createStroke(QTransform::fromScale(0.5, 1).map(centreLine)));
    QPainterPath band;
    band.addRect(-1, 0, advance + 2, Typeface::Height);
    QPainterPath outline = finelyFlattened(stroke).intersected(band);
    outline.setFillRule(Qt::WindingFill);
    return outline;
}

// The pixels (one per unit) that `outline` covers at least half, sampled
// at 8 x 8 points per pixel: a pure function of the outline, the same on
// every machine.
QImage pixelsOf(const QPainterPath &outline, int width)
{
    constexpr int Samples = 8;
    QImage pixels(width, Typeface::Height, QImage::Format_Mono);
    pixels.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    pixels.fill(0);
    for (int y = 0; y < Typeface::Height; ++y) {
        for (int x = 0; x < width; ++x) {
            int inside = 0;
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx)
                    inside += outline.contains(QPointF(x + (sx + 0.5) / Samples, y + (sy + 0.5) / Samples));
            pixels.setPixel(x, y, 2 * inside >= Samples * Samples ? 1 : 0);
        }
    }
    return pixels;
}

} // namespace

Typeface::Typeface()
{
    for (const Design &design : Designs) {
        Letter letter;
        letter.advance = design.advance;
        if (design.centreLine) {
            letter.outline = penOutline(parse(design.centreLine), design.advance);
        } else {
            // The "9" is the "6" turned by 180 degrees in its box.
            const Letter &six = designs.at(QLatin1Char('6'));
            letter.outline = QTransform(-1, 0, 0, -1, six.advance, Height).map(six.outline);
        }
        letter.pixels = pixelsOf(letter.outline, letter.advance);
        designs.emplace(QLatin1Char(design.letter), letter);
    }
}

const Typeface &Typeface::cards()
{
    static const Typeface typeface;
    return typeface;
}

const Typeface::Letter *Typeface::letter(QChar c) const
{
    const auto found = designs.find(c);
    return found == designs.end() ? nullptr : &found->second;
}

int Typeface::textWidth(const QString &text) const
{
    int width = 0;
    int count = 0;
    for (QChar c : text) {
        if (const Letter *l = letter(c)) {
            width += l->advance;
            ++count;
        }
    }
    return width + qMax(0, count - 1) * LetterGap;
}

QPainterPath Typeface::textOutline(const QString &text) const
{
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    int left = 0;
    for (QChar c : text) {
        if (const Letter *l = letter(c)) {
            outline.addPath(l->outline.translated(left, 0));
            left += l->advance + LetterGap;
        }
    }
    return outline;
}

void Typeface::drawText(QImage &image, const QString &text, int x, int y, const QColor &colour, bool turned) const
{
    const QRgb ink = colour.rgba();
    int left = x;
    for (QChar c : text) {
        const Letter *l = letter(c);
        if (!l)
            continue;
        for (int row = 0; row < Height; ++row) {
            for (int column = 0; column < l->advance; ++column) {
                if (!l->pixels.pixelIndex(column, row))
                    continue;
                int px = left + column;
                int py = y + row;
                if (turned) {
                    px = image.width() - 1 - px;
                    py = image.height() - 1 - py;
                }
                if (image.rect().contains(px, py))
                    image.setPixel(px, py, ink);
            }
        }
        left += l->advance + LetterGap;
    }
}

} // namespace artgen
