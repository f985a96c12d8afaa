#include "tally/TallyText.h"

#include <QStringList>

#include <algorithm>
#include <climits>
#include <cmath>

namespace tally {

TallyText::TallyText(const QLocale &locale) : m_locale(locale)
{
    // Counts and figures are read digit by digit: no thousands separators.
    m_locale.setNumberOptions(m_locale.numberOptions() | QLocale::OmitGroupSeparator);
}

QString TallyText::count(std::int64_t value) const
{
    return m_locale.toString(qlonglong(value));
}

QString TallyText::expected(double value) const
{
    return m_locale.toString(std::isfinite(value) ? value : 0.0, 'f', 1);
}

QString TallyText::percent(double share, int decimals) const
{
    const double value = std::isfinite(share) ? share * 100.0 : 0.0;
    //: A percentage: %1 is the number ("23.4").
    return tr("%1 %").arg(m_locale.toString(value, 'f', decimals));
}

QString TallyText::chance(const cards::Fraction &chance) const
{
    if (chance.whole <= 0)
        return QStringLiteral("\u2013");
    //: The chance of the next card: %1 cards of %2 left, %3 the percentage.
    return tr("%1 of %2, %3").arg(count(chance.part), count(chance.whole), percent(chance.value()));
}

QString TallyText::chanceSentence(const QString &name, const cards::Fraction &chance) const
{
    if (chance.whole <= 0)
        return tr("%1: no cards left").arg(name);
    //: The chance that the next card is of a kind: "Hearts: 11 of 47, 23.4 %".
    return tr("%1: %2 of %3, %4").arg(name, count(chance.part), count(chance.whole), percent(chance.value()));
}

namespace {
int pluralCount(std::int64_t n) { return int(std::clamp<std::int64_t>(n, 0, INT32_MAX)); }
} // namespace

QString TallyText::drawnSentence(const QString &name, std::int64_t drawn) const
{
    //: "Hearts: 12 drawn"; %n is the count.
    return tr("%1: %n drawn", nullptr, pluralCount(drawn)).arg(name);
}

QString TallyText::expectedSentence(const QString &name, double expected) const
{
    return tr("%1: %2 expected").arg(name, this->expected(expected));
}

QString TallyText::drawnAgainstExpectedSentence(const QString &name, std::int64_t drawn, double expected) const
{
    //: "Hearts: 12 drawn, 11.5 expected"; %n is the count drawn.
    return tr("%1: %n drawn, %2 expected", nullptr, pluralCount(drawn)).arg(name, this->expected(expected));
}

QString TallyText::shareSentence(const QString &name, std::int64_t drawn, std::int64_t draws) const
{
    const double share = draws > 0 ? double(drawn) / double(draws) : 0.0;
    return tr("%1: %2 of the draws").arg(name, percent(share));
}

QString TallyText::cardDrawNumberSentence(int card, std::int64_t drawNumber) const
{
    if (drawNumber <= 0)
        return tr("%1: not drawn").arg(cards::displayCardName(card));
    //: %1 is the card's name, %2 the draw that brought it.
    return tr("%1: draw number %2").arg(cards::displayCardName(card), count(drawNumber));
}

QString TallyText::cardFrequencySentence(int card, std::int64_t times) const
{
    return drawnSentence(cards::displayCardName(card), times);
}

QString suitSign(int suit)
{
    static const char16_t signs[cards::SuitCount] = {0x2660, 0x2666, 0x2663, 0x2665};
    return QString(QChar(signs[suit]));
}

QString TallyText::suitsLeftLine(const std::array<std::int64_t, cards::SuitCount> &left) const
{
    QStringList parts;
    for (int s = 0; s < cards::SuitCount; ++s)
        parts << suitSign(s) + QChar(0x00a0) + count(left[size_t(s)]);
    return parts.join(QStringLiteral("   "));
}

QString TallyText::suitsLeftSentence(const std::array<std::int64_t, cards::SuitCount> &left) const
{
    //: %1 to %4: the cards left of spades, diamonds, clubs and hearts.
    return tr("Cards left of each suit: spades %1, diamonds %2, clubs %3, hearts %4")
        .arg(count(left[0]), count(left[1]), count(left[2]), count(left[3]));
}

QString TallyText::drawsLine(std::int64_t draws) const
{
    return tr("Draws since the last reset: %1").arg(count(draws));
}

QString TallyText::cardsLeftLine(std::int64_t left) const
{
    if (left <= 0)
        return tr("No cards left");
    return tr("Cards left: %1").arg(count(left));
}

QString TallyText::pValue(const cards::SuitFit &fit, bool *below) const
{
    *below = false;
    if (fit.pValue < 0.001) {
        *below = true;
        return m_locale.toString(0.001, 'f', 3);
    }
    if (fit.pValue < cards::UnusualBelow) {
        const QString shown = m_locale.toString(fit.pValue, 'g', 2);
        // Rounded up to 0.01 it would read as the threshold itself.
        if (m_locale.toDouble(shown) >= cards::UnusualBelow) {
            *below = true;
            return m_locale.toString(cards::UnusualBelow, 'f', 2);
        }
        return shown;
    }
    return m_locale.toString(fit.pValue, 'f', 2);
}

QString TallyText::verdict(const cards::SuitFit &fit, std::int64_t draws) const
{
    using Verdict = cards::SuitFit::Verdict;
    if (fit.verdict == Verdict::MoreDrawsNeeded) {
        const int missing = int(std::max<std::int64_t>(1, cards::MinDrawsForFit - draws));
        //: Below 20 draws; %n is how many draws are still missing.
        return tr("More draws needed: the verdict on the suits comes from %1 draws on, %n to go.", nullptr, missing)
            .arg(count(cards::MinDrawsForFit));
    }
    const QString statistic = m_locale.toString(fit.chiSquare, 'f', 1);
    bool below = false;
    const QString p = pValue(fit, &below);
    if (fit.verdict == Verdict::Unusual) {
        return below ? tr("Unusual for a fair deck (chi-square %1, p\u00a0<\u00a0%2)").arg(statistic, p)
                     : tr("Unusual for a fair deck (chi-square %1, p\u00a0=\u00a0%2)").arg(statistic, p);
    }
    return tr("Consistent with a fair deck (chi-square %1, p\u00a0=\u00a0%2)").arg(statistic, p);
}

QString TallyText::verdictNote()
{
    return tr("The verdict compares the four suits with what a fair deck gives by chance. "
              "It says \"unusual\" when a result this uneven comes less than once in a hundred times, "
              "so even a fair deck reads \"unusual\" about once in a hundred looks.");
}

} // namespace tally
