#include "tools/artgen/Glyphs.h"

#include <QPainter>
#include <map>
#include <vector>

namespace artgen {
namespace {

using Pattern = std::vector<const char *>;

const std::map<QChar, Pattern> &letters()
{
    static const std::map<QChar, Pattern> table = {
        {'A', {"..XXX..", ".XX.XX.", "XX...XX", "XX...XX", "XX...XX", "XXXXXXX", "XX...XX", "XX...XX", "XX...XX"}},
        {'2', {".XXXXX.", "XX...XX", ".....XX", "....XX.", "...XX..", "..XX...", ".XX....", "XX.....", "XXXXXXX"}},
        {'3', {".XXXXX.", "XX...XX", ".....XX", ".....XX", "..XXXX.", ".....XX", ".....XX", "XX...XX", ".XXXXX."}},
        {'4', {"....XX.", "...XXX.", "..XXXX.", ".XX.XX.", "XX..XX.", "XXXXXXX", "....XX.", "....XX.", "....XX."}},
        {'5', {"XXXXXXX", "XX.....", "XX.....", "XXXXXX.", ".....XX", ".....XX", ".....XX", "XX...XX", ".XXXXX."}},
        {'6', {"..XXXX.", ".XX....", "XX.....", "XXXXXX.", "XX...XX", "XX...XX", "XX...XX", "XX...XX", ".XXXXX."}},
        {'7', {"XXXXXXX", ".....XX", "....XX.", "....XX.", "...XX..", "...XX..", "..XX...", "..XX...", "..XX..."}},
        {'8', {".XXXXX.", "XX...XX", "XX...XX", "XX...XX", ".XXXXX.", "XX...XX", "XX...XX", "XX...XX", ".XXXXX."}},
        {'9', {".XXXXX.", "XX...XX", "XX...XX", "XX...XX", ".XXXXXX", ".....XX", ".....XX", "....XX.", ".XXXX.."}},
        {'1', {".XX", "XXX", ".XX", ".XX", ".XX", ".XX", ".XX", ".XX", ".XX"}},
        {'0', {".XXXX.", "XX..XX", "XX..XX", "XX..XX", "XX..XX", "XX..XX", "XX..XX", "XX..XX", ".XXXX."}},
        {'J', {"..XXXXX", "....XX.", "....XX.", "....XX.", "....XX.", "....XX.", "XX..XX.", "XX..XX.", ".XXXX.."}},
        {'Q', {".XXXXX.", "XX...XX", "XX...XX", "XX...XX", "XX...XX", "XX.X.XX", "XX..XX.", ".XXX.XX", "......X"}},
        {'K', {"XX...XX", "XX..XX.", "XX.XX..", "XXXX...", "XXX....", "XXXX...", "XX.XX..", "XX..XX.", "XX...XX"}},
        {'O', {".XXXXX.", "XX...XX", "XX...XX", "XX...XX", "XX...XX", "XX...XX", "XX...XX", "XX...XX", ".XXXXX."}},
        {'E', {"XXXXXXX", "XX.....", "XX.....", "XX.....", "XXXXXX.", "XX.....", "XX.....", "XX.....", "XXXXXXX"}},
        {'R', {"XXXXXX.", "XX...XX", "XX...XX", "XX...XX", "XXXXXX.", "XX.XX..", "XX..XX.", "XX...XX", "XX...XX"}},
    };
    return table;
}

} // namespace

int letterWidth(QChar letter)
{
    const auto found = letters().find(letter);
    return found == letters().end() ? -1 : int(strlen(found->second[0]));
}

const QColor &cardRed()
{
    static const QColor red(212, 16, 32);
    return red;
}

const QColor &cardBlack()
{
    static const QColor black(16, 16, 16);
    return black;
}

QColor suitColour(Suit suit) { return isRed(suit) ? cardRed() : cardBlack(); }

QPainterPath suitPath(Suit suit)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    switch (suit) {
    case Suit::Hearts:
        path.moveTo(50, 97);
        path.cubicTo(22, 72, 0, 54, 0, 29);
        path.cubicTo(0, 11, 13, 1, 26, 1);
        path.cubicTo(38, 1, 46, 9, 50, 20);
        path.cubicTo(54, 9, 62, 1, 74, 1);
        path.cubicTo(87, 1, 100, 11, 100, 29);
        path.cubicTo(100, 54, 78, 72, 50, 97);
        path.closeSubpath();
        break;
    case Suit::Diamonds:
        path.moveTo(50, 0);
        path.quadTo(68, 27, 90, 50);
        path.quadTo(68, 73, 50, 100);
        path.quadTo(32, 73, 10, 50);
        path.quadTo(32, 27, 50, 0);
        path.closeSubpath();
        break;
    case Suit::Spades:
        path.moveTo(50, 0);
        path.cubicTo(78, 26, 100, 40, 100, 60);
        path.cubicTo(100, 76, 89, 84, 76, 84);
        path.cubicTo(66, 84, 58, 79, 54, 72);
        path.cubicTo(55, 84, 61, 93, 70, 100);
        path.lineTo(30, 100);
        path.cubicTo(39, 93, 45, 84, 46, 72);
        path.cubicTo(42, 79, 34, 84, 24, 84);
        path.cubicTo(11, 84, 0, 76, 0, 60);
        path.cubicTo(0, 40, 22, 26, 50, 0);
        path.closeSubpath();
        break;
    case Suit::Clubs:
        path.addEllipse(QPointF(50, 25), 23, 23);
        path.addEllipse(QPointF(24, 58), 23, 23);
        path.addEllipse(QPointF(76, 58), 23, 23);
        path.addRect(40, 34, 20, 28);
        path.moveTo(46, 60);
        path.cubicTo(45, 80, 40, 92, 30, 100);
        path.lineTo(70, 100);
        path.cubicTo(60, 92, 55, 80, 54, 60);
        path.closeSubpath();
        break;
    }
    QTransform unit;
    unit.scale(0.01, 0.01);
    return unit.map(path);
}

void paintSuit(QPainter &painter, Suit suit, double cx, double cy, double height, const QColor &colour, bool turned)
{
    const double width = suit == Suit::Diamonds ? height * 0.8 : height * 0.9;
    painter.save();
    painter.translate(cx, cy);
    if (turned)
        painter.rotate(180);
    painter.translate(-width / 2, -height / 2);
    painter.scale(width, height);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(suitPath(suit));
    painter.restore();
}

QString rankText(int rank)
{
    switch (rank) {
    case 1:
        return QStringLiteral("A");
    case 11:
        return QStringLiteral("J");
    case 12:
        return QStringLiteral("Q");
    case 13:
        return QStringLiteral("K");
    default:
        return QString::number(rank);
    }
}

int textWidth(const QString &text, int scale)
{
    int width = 0;
    int count = 0;
    for (QChar letter : text) {
        if (letterWidth(letter) < 0)
            continue;
        width += letterWidth(letter);
        ++count;
    }
    return (width + qMax(0, count - 1) * LetterGap) * scale;
}

void drawText(QImage &image, const QString &text, int x, int y, const QColor &colour, int scale, bool turned)
{
    const QRgb ink = colour.rgba();
    int left = x;
    for (int i = 0; i < text.size(); ++i) {
        const auto found = letters().find(text[i]);
        if (found == letters().end())
            continue;
        const Pattern &rows = found->second;
        const int width = int(strlen(rows[0]));
        for (int row = 0; row < GlyphHeight; ++row) {
            for (int column = 0; column < width; ++column) {
                if (rows[size_t(row)][column] != 'X')
                    continue;
                for (int dy = 0; dy < scale; ++dy) {
                    for (int dx = 0; dx < scale; ++dx) {
                        int px = left + column * scale + dx;
                        int py = y + row * scale + dy;
                        if (turned) {
                            px = image.width() - 1 - px;
                            py = image.height() - 1 - py;
                        }
                        if (image.rect().contains(px, py))
                            image.setPixel(px, py, ink);
                    }
                }
            }
        }
        left += (width + LetterGap) * scale;
    }
}

} // namespace artgen
