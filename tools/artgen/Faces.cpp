// The 52 card faces and the two jokers.
#include "tools/artgen/ArtGen.h"
#include "tools/artgen/Canvas.h"
#include "tools/artgen/Designs.h"
#include "tools/artgen/Glyphs.h"
#include "tools/artgen/Typeface.h"

#include <utility>
#include <vector>

namespace artgen {

void paintCourtHalf(QPainter &painter, int rank, Suit suit);  // Courts.cpp

namespace {

const QColor FaceEdge(48, 48, 48);

// The pip field: three columns, rows from 16.5 to 79.5 (pixel centres, so
// that the lower half is the exact turn of the upper half).
constexpr double Left = 23.5;
constexpr double Centre = 35.5;
constexpr double Right = 47.5;
constexpr double Top = 16.5;
constexpr double Bottom = 79.5;

struct Pip {
    double x;
    double row;  // 0 top .. 1 bottom
};

std::vector<Pip> pipLayout(int rank)
{
    const auto pairs = [](std::initializer_list<double> rows) {
        std::vector<Pip> pips;
        for (double row : rows) {
            pips.push_back({Left, row});
            pips.push_back({Right, row});
        }
        return pips;
    };
    std::vector<Pip> pips;
    switch (rank) {
    case 2:
        return {{Centre, 0}, {Centre, 1}};
    case 3:
        return {{Centre, 0}, {Centre, 0.5}, {Centre, 1}};
    case 4:
        return pairs({0, 1});
    case 5:
        pips = pairs({0, 1});
        pips.push_back({Centre, 0.5});
        return pips;
    case 6:
        return pairs({0, 0.5, 1});
    case 7:
        pips = pairs({0, 0.5, 1});
        pips.push_back({Centre, 0.25});
        return pips;
    case 8:
        pips = pairs({0, 0.5, 1});
        pips.push_back({Centre, 0.25});
        pips.push_back({Centre, 0.75});
        return pips;
    case 9:
        pips = pairs({0, 1.0 / 3, 2.0 / 3, 1});
        pips.push_back({Centre, 0.5});
        return pips;
    case 10:
        pips = pairs({0, 1.0 / 3, 2.0 / 3, 1});
        pips.push_back({Centre, 1.0 / 6});
        pips.push_back({Centre, 5.0 / 6});
        return pips;
    default:
        return {};
    }
}

// Rank and suit in the top left corner and, turned, in the bottom right.
void paintIndex(CardSurface &card, int rank, Suit suit)
{
    const QString text = rankText(rank);
    const QColor ink = suitColour(suit);
    const int width = Typeface::cards().textWidth(text);
    const int x = 7 - (width + 1) / 2;
    card.text(text, x, 4, ink);
    card.text(text, x, 4, ink, true);
    QPainter painter;
    beginPainter(painter, card.device());
    const double cx = 6.5;
    const double cy = 19.5;
    paintSuit(painter, suit, cx, cy, 8, ink);
    paintSuit(painter, suit, CardWidth - cx, CardHeight - cy, 8, ink, true);
}

void paintPips(CardSurface &card, int rank, Suit suit)
{
    QPainter painter;
    beginPainter(painter, card.device());
    const QColor ink = suitColour(suit);
    if (rank == 1) {
        const double height = suit == Suit::Spades ? 40 : 32;
        paintSuit(painter, suit, CardWidth / 2.0, CardHeight / 2.0, height, ink);
        if (suit == Suit::Spades) {
            // The ace of spades carries a fine ring around its sign.
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(ink, 1));
            painter.drawEllipse(QPointF(CardWidth / 2.0, CardHeight / 2.0), 25, 27);
        }
        return;
    }
    const double height = rank >= 9 ? 12 : 13;
    for (const Pip &pip : pipLayout(rank)) {
        const double y = Top + (Bottom - Top) * pip.row;
        paintSuit(painter, suit, pip.x, y, height, ink, pip.row > 0.5);
    }
}

void paintCourt(CardSurface &card, int rank, Suit suit)
{
    // The figure is drawn once in the upper half and turned into the lower.
    card.turnedHalves(QRect(13, 10, 45, 38), [&](QPainter &painter) { paintCourtHalf(painter, rank, suit); });
    // The frame around the figure, in the suit's colour.
    QPainter painter(card.device());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(suitColour(suit), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(12, 9, 46, 77);
}

} // namespace

void paintFace(CardSurface &card, int number)
{
    const int rank = rankOf(number);
    const Suit suit = suitOf(number);
    card.fillCard(Qt::white);
    if (rank <= 10)
        paintPips(card, rank, suit);
    else
        paintCourt(card, rank, suit);
    paintIndex(card, rank, suit);
    card.frame(FaceEdge);
}

void paintJoker(CardSurface &card, bool red)
{
    const QColor ink = red ? cardRed() : cardBlack();
    card.fillCard(Qt::white);
    // The word down the left edge and, turned, down the right.
    const QString word = QStringLiteral("JOKER");
    for (int i = 0; i < word.size(); ++i) {
        const QString letter = word.mid(i, 1);
        const int x = 7 - (Typeface::cards().textWidth(letter) + 1) / 2;
        card.text(letter, x, 4 + i * 11, ink);
        card.text(letter, x, 4 + i * 11, ink, true);
    }
    {
        // A jester's star in the middle.
        QPainter painter;
        beginPainter(painter, card.device());
        const QPointF centre(CardWidth / 2.0, CardHeight / 2.0);
        painter.setPen(QPen(ink, 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, 19, 19);
        outlinePath(painter, starPath(centre.x(), centre.y(), 16, 6.5, 5), ink, ink, 0);
        painter.setBrush(Qt::white);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(centre, 2.5, 2.5);
    }
    card.frame(FaceEdge);
}

} // namespace artgen
