#include "cards/Tally.h"

#include <algorithm>
#include <cmath>

namespace cards {

double chiSquareSurvival3(double x)
{
    if (!(x > 0.0))  // also catches NaN
        return 1.0;
    if (std::isinf(x))
        return 0.0;
    // For three degrees of freedom the regularized upper incomplete gamma
    // Q(3/2, x/2) has this closed form.
    const double pi = 3.14159265358979323846;
    const double p = std::erfc(std::sqrt(x / 2.0)) + std::sqrt(2.0 * x / pi) * std::exp(-x / 2.0);
    return std::clamp(p, 0.0, 1.0);
}

Tally::Tally(DrawMode mode) : m_mode(mode)
{
    m_blockStart.push_back({});
}

void Tally::reset(DrawMode mode)
{
    *this = Tally(mode);
}

bool Tally::record(int card)
{
    if (card < 0 || card >= 52)
        return false;
    if (m_mode == DrawMode::NoPutBack && (m_cardCount[size_t(card)] > 0 || m_draws >= 52))
        return false;
    const int suit = suitIndexOf(card);
    const std::int64_t index = m_draws;
    if (index % 4 == 0)
        m_suits.push_back(0);
    m_suits.back() = std::uint8_t(m_suits.back() | (suit << (2 * (index % 4))));
    ++m_draws;
    ++m_cardCount[size_t(card)];
    if (m_firstDraw[size_t(card)] == 0)
        m_firstDraw[size_t(card)] = m_draws;
    ++m_suitCount[size_t(suit)];
    ++m_rankCount[size_t(rankOf(card) - 1)];
    m_lastCard = card;
    if (m_draws % Block == 0) {
        std::array<std::uint32_t, SuitCount> counts{};
        for (int s = 0; s < SuitCount; ++s)
            counts[size_t(s)] = std::uint32_t(m_suitCount[size_t(s)]);
        m_blockStart.push_back(counts);
    }
    return true;
}

Tally Tally::fromHistory(const std::vector<std::int16_t> &drawnCards, DrawMode mode)
{
    Tally tally(mode);
    tally.follow(drawnCards, mode);
    return tally;
}

bool Tally::follow(const std::vector<std::int16_t> &drawnCards, DrawMode mode)
{
    // The history is [99, first card, ...]: draw n sits at position n.
    const std::int64_t length = std::int64_t(drawnCards.size()) - 1;
    bool changed = false;
    // A reset shortens the history; one that was followed by as many draws
    // again before this look shows another card at the last draw counted.
    const bool anew = length < m_draws || (m_draws > 0 && drawnCards[size_t(m_draws)] != m_lastCard);
    if (mode != m_mode || anew) {
        reset(mode);
        changed = true;
    }
    for (std::int64_t position = m_draws + 1; position <= length; ++position) {
        // A history that breaks the rules of its mode (a repeat without
        // putting back) stops being followed where it breaks them.
        if (!record(drawnCards[size_t(position)]))
            break;
        changed = true;
    }
    return changed;
}

std::int64_t Tally::suitCount(int suit) const
{
    return suit >= 0 && suit < SuitCount ? m_suitCount[size_t(suit)] : 0;
}

std::int64_t Tally::colourCount(Colour colour) const
{
    std::int64_t total = 0;
    for (int s = 0; s < SuitCount; ++s) {
        if (colourOfSuit(s) == colour)
            total += m_suitCount[size_t(s)];
    }
    return total;
}

std::int64_t Tally::rankCount(int rank) const
{
    return rank >= 1 && rank <= RankCount ? m_rankCount[size_t(rank - 1)] : 0;
}

std::int64_t Tally::faceCount() const
{
    return m_rankCount[10] + m_rankCount[11] + m_rankCount[12];
}

std::int64_t Tally::cardsLeft() const
{
    return m_mode == DrawMode::PutBack ? 52 : 52 - m_draws;
}

std::int64_t Tally::suitLeft(int suit) const
{
    if (suit < 0 || suit >= SuitCount)
        return 0;
    return m_mode == DrawMode::PutBack ? 13 : 13 - m_suitCount[size_t(suit)];
}

std::int64_t Tally::colourLeft(Colour colour) const
{
    return m_mode == DrawMode::PutBack ? 26 : 26 - colourCount(colour);
}

std::int64_t Tally::rankLeft(int rank) const
{
    if (rank < 1 || rank > RankCount)
        return 0;
    return m_mode == DrawMode::PutBack ? 4 : 4 - m_rankCount[size_t(rank - 1)];
}

std::int64_t Tally::faceLeft() const
{
    return m_mode == DrawMode::PutBack ? 12 : 12 - faceCount();
}

std::int64_t Tally::timesDrawn(int card) const
{
    return card >= 0 && card < 52 ? m_cardCount[size_t(card)] : 0;
}

std::int64_t Tally::firstDrawOf(int card) const
{
    return card >= 0 && card < 52 ? m_firstDraw[size_t(card)] : 0;
}

int Tally::suitAt(std::int64_t draw) const
{
    return (m_suits[size_t(draw / 4)] >> (2 * (draw % 4))) & 3;
}

SuitCounts Tally::suitCountsAfter(std::int64_t draw) const
{
    draw = std::clamp<std::int64_t>(draw, 0, m_draws);
    SuitCounts result;
    result.draw = draw;
    if (draw == m_draws) {
        result.counts = m_suitCount;
        return result;
    }
    const std::int64_t block = draw / Block;
    for (int s = 0; s < SuitCount; ++s)
        result.counts[size_t(s)] = m_blockStart[size_t(block)][size_t(s)];
    for (std::int64_t d = block * Block; d < draw; ++d)
        ++result.counts[size_t(suitAt(d))];
    return result;
}

std::vector<SuitCounts> Tally::suitCountSamples(int samples) const
{
    std::vector<SuitCounts> result;
    if (samples <= 0 || m_draws == 0)
        return result;
    const std::int64_t points = std::min<std::int64_t>(samples, m_draws);
    result.reserve(size_t(points));
    for (std::int64_t i = 1; i <= points; ++i) {
        // Point i of `points` stands for the draw at the end of its share:
        // the last point is always the last draw.
        const std::int64_t draw = (i * m_draws + points - 1) / points;
        result.push_back(suitCountsAfter(draw));
    }
    return result;
}

SuitFit Tally::suitFit() const
{
    SuitFit fit;
    if (m_draws < MinDrawsForFit)
        return fit;
    const double expected = expectedPerSuit();
    double statistic = 0.0;
    for (std::int64_t count : m_suitCount) {
        const double difference = double(count) - expected;
        statistic += difference * difference / expected;
    }
    fit.chiSquare = statistic;
    fit.pValue = chiSquareSurvival3(statistic);
    fit.verdict = fit.pValue < UnusualBelow ? SuitFit::Verdict::Unusual : SuitFit::Verdict::Consistent;
    return fit;
}

} // namespace cards
