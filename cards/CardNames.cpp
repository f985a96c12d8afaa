#include "cards/CardNames.h"

#include <QCoreApplication>

namespace cards {
namespace {

const char *const Context = "CardNames";

// One table per kind of name. QT_TRANSLATE_NOOP marks each entry for the
// translators; the English text is the name that files and scripts read.
const char *const Ranks[RankCount] = {
    QT_TRANSLATE_NOOP("CardNames", "Ace"),   QT_TRANSLATE_NOOP("CardNames", "Two"),
    QT_TRANSLATE_NOOP("CardNames", "Three"), QT_TRANSLATE_NOOP("CardNames", "Four"),
    QT_TRANSLATE_NOOP("CardNames", "Five"),  QT_TRANSLATE_NOOP("CardNames", "Six"),
    QT_TRANSLATE_NOOP("CardNames", "Seven"), QT_TRANSLATE_NOOP("CardNames", "Eight"),
    QT_TRANSLATE_NOOP("CardNames", "Nine"),  QT_TRANSLATE_NOOP("CardNames", "Ten"),
    QT_TRANSLATE_NOOP("CardNames", "Jack"),  QT_TRANSLATE_NOOP("CardNames", "Queen"),
    QT_TRANSLATE_NOOP("CardNames", "King"),
};

// The short signs of the ranks that a deck grid's columns are headed with,
// as the cards of the language print them in their corners.
const char *const RankSigns[RankCount] = {
    //: The short sign of the ace, as a card's corner shows it.
    QT_TRANSLATE_NOOP("CardNames", "A"),
    "2", "3", "4", "5", "6", "7", "8", "9", "10",
    //: The short sign of the jack, as a card's corner shows it.
    QT_TRANSLATE_NOOP("CardNames", "J"),
    //: The short sign of the queen, as a card's corner shows it.
    QT_TRANSLATE_NOOP("CardNames", "Q"),
    //: The short sign of the king, as a card's corner shows it.
    QT_TRANSLATE_NOOP("CardNames", "K"),
};

const char *const Suits[SuitCount] = {
    QT_TRANSLATE_NOOP("CardNames", "Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Hearts"),
};

// Every card's name as a whole: a language names a card in its own way
// ("Herz-Dame", "Dame de c\u0153ur"), not by joining a rank and a suit.
const char *const CardNamesTable[SuitCount * RankCount] = {
    QT_TRANSLATE_NOOP("CardNames", "Ace of Spades"), QT_TRANSLATE_NOOP("CardNames", "Two of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Three of Spades"), QT_TRANSLATE_NOOP("CardNames", "Four of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Five of Spades"), QT_TRANSLATE_NOOP("CardNames", "Six of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Seven of Spades"), QT_TRANSLATE_NOOP("CardNames", "Eight of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Nine of Spades"), QT_TRANSLATE_NOOP("CardNames", "Ten of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Jack of Spades"), QT_TRANSLATE_NOOP("CardNames", "Queen of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "King of Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Ace of Diamonds"), QT_TRANSLATE_NOOP("CardNames", "Two of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Three of Diamonds"), QT_TRANSLATE_NOOP("CardNames", "Four of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Five of Diamonds"), QT_TRANSLATE_NOOP("CardNames", "Six of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Seven of Diamonds"), QT_TRANSLATE_NOOP("CardNames", "Eight of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Nine of Diamonds"), QT_TRANSLATE_NOOP("CardNames", "Ten of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Jack of Diamonds"), QT_TRANSLATE_NOOP("CardNames", "Queen of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "King of Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Ace of Clubs"), QT_TRANSLATE_NOOP("CardNames", "Two of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Three of Clubs"), QT_TRANSLATE_NOOP("CardNames", "Four of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Five of Clubs"), QT_TRANSLATE_NOOP("CardNames", "Six of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Seven of Clubs"), QT_TRANSLATE_NOOP("CardNames", "Eight of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Nine of Clubs"), QT_TRANSLATE_NOOP("CardNames", "Ten of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Jack of Clubs"), QT_TRANSLATE_NOOP("CardNames", "Queen of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "King of Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Ace of Hearts"), QT_TRANSLATE_NOOP("CardNames", "Two of Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "Three of Hearts"), QT_TRANSLATE_NOOP("CardNames", "Four of Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "Five of Hearts"), QT_TRANSLATE_NOOP("CardNames", "Six of Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "Seven of Hearts"), QT_TRANSLATE_NOOP("CardNames", "Eight of Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "Nine of Hearts"), QT_TRANSLATE_NOOP("CardNames", "Ten of Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "Jack of Hearts"), QT_TRANSLATE_NOOP("CardNames", "Queen of Hearts"),
    QT_TRANSLATE_NOOP("CardNames", "King of Hearts"),
};

const char *const Colours[ColourCount] = {
    QT_TRANSLATE_NOOP("CardNames", "Red"),
    QT_TRANSLATE_NOOP("CardNames", "Black"),
};

bool validRank(int rank) { return rank >= 1 && rank <= RankCount; }
bool validSuit(int suit) { return suit >= 0 && suit < SuitCount; }
bool validCard(int card) { return card >= 0 && card < SuitCount * RankCount; }
int colourIndex(Colour colour) { return colour == Colour::Red ? 0 : 1; }

QString translated(const char *text) { return QCoreApplication::translate(Context, text); }

} // namespace

QString rankName(int rank) { return validRank(rank) ? QString::fromLatin1(Ranks[rank - 1]) : QString(); }
QString suitName(int suit) { return validSuit(suit) ? QString::fromLatin1(Suits[suit]) : QString(); }
QString colourName(Colour colour) { return QString::fromLatin1(Colours[colourIndex(colour)]); }

QString englishCardName(int card)
{
    return validCard(card) ? QString::fromLatin1(CardNamesTable[card]) : QString();
}

QString modeName(DrawMode mode)
{
    return mode == DrawMode::NoPutBack ? QStringLiteral("do not put back") : QStringLiteral("put back");
}

QString displayRankName(int rank) { return validRank(rank) ? translated(Ranks[rank - 1]) : QString(); }
QString displaySuitName(int suit) { return validSuit(suit) ? translated(Suits[suit]) : QString(); }
QString displayColourName(Colour colour) { return translated(Colours[colourIndex(colour)]); }
QString displayRankSign(int rank) { return validRank(rank) ? translated(RankSigns[rank - 1]) : QString(); }

QString displayCardName(int card)
{
    return validCard(card) ? translated(CardNamesTable[card]) : QString();
}

} // namespace cards
