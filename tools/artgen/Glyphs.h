#pragma once
// The suits: their signs as outlines, their ink colours, and the rank
// letters of the corner indices (drawn in the typeface of Typeface.h).
#include <QColor>
#include <QPainterPath>
#include <QString>

namespace artgen {

enum class Suit { Spades, Diamonds, Clubs, Hearts };

inline Suit suitOf(int number) { return Suit(number / 13); }
inline int rankOf(int number) { return number % 13 + 1; }
inline bool isRed(Suit suit) { return suit == Suit::Diamonds || suit == Suit::Hearts; }

// The ink colours of the cards.
QColor suitColour(Suit suit);
const QColor &cardRed();
const QColor &cardBlack();

// The suit sign filling the box (0,0)-(1,1), point or stem at the bottom.
QPainterPath suitPath(Suit suit);
// The sign centred on (cx, cy), `height` pixels high, upright or turned.
void paintSuit(class QPainter &painter, Suit suit, double cx, double cy, double height, const QColor &colour,
               bool turned = false);

// "A", "2" ... "10", "J", "Q", "K" for ranks 1..13.
QString rankText(int rank);

} // namespace artgen
