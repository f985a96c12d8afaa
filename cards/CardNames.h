#pragma once
// The names of cards, suits, ranks, colours and drawing modes.
//
// Two kinds: the English names that files and scripts read (a saved draw
// history, the command line's output), the same in every language; and the
// display names that the windows show, translated into the user's language.
#include "cards/DrawState.h"

#include <QString>

namespace cards {

// The two ways of the card-by-card draw: Option1 takes each card out of the
// deck, Option2 puts it back so that it can come again.
enum class DrawMode { NoPutBack, PutBack };

// A card's colour: diamonds and hearts are red, spades and clubs black.
enum class Colour { Red = 0, Black = 1 };
constexpr int ColourCount = 2;
constexpr int SuitCount = 4;
constexpr int RankCount = 13;

// Suit 0..3 of a card 0..51 as an index (0 spades, 1 diamonds, 2 clubs, 3 hearts).
inline int suitIndexOf(int card) { return int(suitOf(card)); }
inline Colour colourOfSuit(int suit) { return suit == 1 || suit == 3 ? Colour::Red : Colour::Black; }
inline Colour colourOfCard(int card) { return colourOfSuit(suitIndexOf(card)); }
// Jack, queen and king (ranks 11 to 13) are the face cards; ace to ten the
// number cards.
inline bool isFaceRank(int rank) { return rank >= 11 && rank <= 13; }

// English names; "" for a value out of range.
QString rankName(int rank);          // 1 "Ace", 2 "Two" ... 13 "King"
QString suitName(int suit);          // 0 "Spades" ... 3 "Hearts"
QString colourName(Colour colour);   // "Red", "Black"
QString englishCardName(int card);   // 50 "Queen of Hearts"
QString modeName(DrawMode mode);     // "do not put back", "put back"

// Display names in the user's language (translation context "CardNames").
QString displayRankName(int rank);
QString displaySuitName(int suit);
QString displayColourName(Colour colour);
QString displayCardName(int card);   // "Queen of Hearts" in English
// The short rank sign of a deck grid's column: "A", "2" ... "10", "J", "Q", "K".
QString displayRankSign(int rank);

} // namespace cards
