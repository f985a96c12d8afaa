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

const char *const RankSigns[RankCount] = {
    QT_TRANSLATE_NOOP("CardNames", "A"), "2", "3", "4", "5", "6", "7", "8", "9", "10",
    QT_TRANSLATE_NOOP("CardNames", "J"), QT_TRANSLATE_NOOP("CardNames", "Q"),
    QT_TRANSLATE_NOOP("CardNames", "K"),
};

const char *const Suits[SuitCount] = {
    QT_TRANSLATE_NOOP("CardNames", "Spades"),
    QT_TRANSLATE_NOOP("CardNames", "Diamonds"),
    QT_TRANSLATE_NOOP("CardNames", "Clubs"),
    QT_TRANSLATE_NOOP("CardNames", "Hearts"),
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
    if (!validCard(card))
        return QString();
    return rankName(rankOf(card)) + QStringLiteral(" of ") + suitName(suitIndexOf(card));
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
    if (!validCard(card))
        return QString();
    //: A card's name: %1 is the rank ("Queen"), %2 the suit ("Hearts").
    return QCoreApplication::translate(Context, "%1 of %2")
        .arg(displayRankName(rankOf(card)), displaySuitName(suitIndexOf(card)));
}

} // namespace cards
