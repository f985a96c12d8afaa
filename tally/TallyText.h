#pragma once
// The texts of the tally: every figure formatted in the user's language
// (QLocale: "23,4 %" in German), counts without group separators, and the
// sentences that screen readers read ("Hearts: 11 of 47, 23.4 %"). Plain
// functions, so that the wording is tested without a window.
#include "cards/Tally.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <array>

namespace tally {

// The sign of a suit: spades, diamonds, clubs, hearts.
QString suitSign(int suit);

class TallyText {
    Q_DECLARE_TR_FUNCTIONS(TallyText)
public:
    explicit TallyText(const QLocale &locale = QLocale());

    QString count(std::int64_t value) const;
    // An expected count, with one decimal.
    QString expected(double value) const;
    // A share 0..1 as a percentage, with one decimal by default: "23.4 %".
    QString percent(double share, int decimals = 1) const;
    // "11 of 47, 23.4 %"; "-" when no card is left.
    QString chance(const cards::Fraction &chance) const;

    // Whole sentences for screen readers, each naming what it counts.
    QString chanceSentence(const QString &name, const cards::Fraction &chance) const;
    QString drawnSentence(const QString &name, std::int64_t drawn) const;
    QString expectedSentence(const QString &name, double expected) const;
    QString drawnAgainstExpectedSentence(const QString &name, std::int64_t drawn, double expected) const;
    QString shareSentence(const QString &name, std::int64_t drawn, std::int64_t draws) const;
    QString cardDrawNumberSentence(int card, std::int64_t drawNumber) const;
    QString cardFrequencySentence(int card, std::int64_t times) const;
    // The cards left of each suit: "♠ 8  ♦ 8  ♣ 9  ♥ 10" to see, and
    // "Cards left of each suit: Spades 8, Diamonds 8, Clubs 9, Hearts 10"
    // to hear.
    QString suitsLeftLine(const std::array<std::int64_t, cards::SuitCount> &left) const;
    QString suitsLeftSentence(const std::array<std::int64_t, cards::SuitCount> &left) const;

    // "Draws since the last reset: 12".
    QString drawsLine(std::int64_t draws) const;
    // "Cards left: 47", "No cards left".
    QString cardsLeftLine(std::int64_t left) const;
    // The goodness-of-fit verdict: "Consistent with a fair deck (chi-square
    // 2.1, p = 0.55)", "Unusual for a fair deck (...)", or how many more
    // draws it needs.
    QString verdict(const cards::SuitFit &fit, std::int64_t draws) const;
    // What the verdict's p-value means, for the note beside it.
    static QString verdictNote();

    const QLocale &locale() const { return m_locale; }

private:
    QString pValue(const cards::SuitFit &fit, bool *below) const;
    QLocale m_locale;
};

} // namespace tally
