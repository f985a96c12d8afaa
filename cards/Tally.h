#pragma once
// The tally of a card-by-card draw since the last reset: counts by suit,
// colour, rank and face against number cards beside what chance alone
// gives, the chances of the next card without putting back, each card's
// draw number or frequency, the share of each suit over the draw number
// and the chi-square test of the four suits. No widgets.
//
// Recording a draw costs O(1) amortised; a put-back draw of any length is
// kept in half a byte per draw (the suit of each draw packed four to a
// byte, and the running counts of the suits every 64 draws). No figure is
// ever NaN: a tally without draws answers zero counts and no verdict.
#include "cards/CardNames.h"

#include <array>
#include <cstdint>
#include <vector>

namespace cards {

// A chance as counted: `part` cards of `whole`. An empty whole has the
// value 0.
struct Fraction {
    std::int64_t part = 0;
    std::int64_t whole = 0;
    double value() const { return whole > 0 ? double(part) / double(whole) : 0.0; }
    bool operator==(const Fraction &other) const { return part == other.part && whole == other.whole; }
};

// The goodness-of-fit of the four suits drawn against a fair deck.
struct SuitFit {
    enum class Verdict { MoreDrawsNeeded, Consistent, Unusual };
    Verdict verdict = Verdict::MoreDrawsNeeded;
    double chiSquare = 0.0;  // sum over the suits of (drawn - expected)^2 / expected
    double pValue = 1.0;     // chance of a statistic at least this large from a fair deck
};

// The verdict needs this many draws (five expected per suit, the usual rule
// for the chi-square approximation).
constexpr std::int64_t MinDrawsForFit = 20;
// Below this p-value a draw is "unusual for a fair deck": a fair deck reads
// so about once in a hundred looks.
constexpr double UnusualBelow = 0.01;

// The chance that a chi-square variable with 3 degrees of freedom is at
// least `x`: erfc(sqrt(x/2)) + sqrt(2x/pi) exp(-x/2). 1 for x <= 0.
double chiSquareSurvival3(double x);

// How often each suit had come after a draw number.
struct SuitCounts {
    std::int64_t draw = 0;
    std::array<std::int64_t, SuitCount> counts{};
};

class Tally {
public:
    explicit Tally(DrawMode mode = DrawMode::NoPutBack);

    // Forgets every draw; the tally starts again in `mode`.
    void reset(DrawMode mode);
    // Counts one draw. Refused (false, nothing counted): a number that is no
    // card, and without putting back a card already drawn or a 53rd draw.
    bool record(int card);
    // A tally of the draw history as the engine keeps it ([99, card, ...]:
    // position 0 is the sentinel, the draw number is the position).
    static Tally fromHistory(const std::vector<std::int16_t> &drawnCards, DrawMode mode);
    // Brings the tally up to date with the engine's history after a draw or
    // a reset: only the new draws are counted; a shorter history (a reset),
    // one with another card at the last draw counted (a reset and as many
    // draws again) or another mode starts again. Returns true when anything
    // changed.
    bool follow(const std::vector<std::int16_t> &drawnCards, DrawMode mode);

    DrawMode mode() const { return m_mode; }
    std::int64_t draws() const { return m_draws; }

    // Counts (index: suit 0..3, rank 1..13).
    std::int64_t suitCount(int suit) const;
    std::int64_t colourCount(Colour colour) const;
    std::int64_t rankCount(int rank) const;
    std::int64_t faceCount() const;
    std::int64_t numberCount() const { return m_draws - faceCount(); }

    // What chance alone gives: draws x probability (a quarter for a suit,
    // a half for a colour, 1/13 for a rank, 12/52 for the face cards). The
    // same with and without putting back.
    double expectedPerSuit() const { return double(m_draws) / SuitCount; }
    double expectedPerColour() const { return double(m_draws) / ColourCount; }
    double expectedPerRank() const { return double(m_draws) / RankCount; }
    double expectedFace() const { return double(m_draws) * 12.0 / 52.0; }
    double expectedNumber() const { return double(m_draws) * 40.0 / 52.0; }

    // The cards in the deck before the next draw: without putting back the
    // ones not yet drawn, with putting back always the whole deck.
    std::int64_t cardsLeft() const;
    std::int64_t suitLeft(int suit) const;
    std::int64_t colourLeft(Colour colour) const;
    std::int64_t rankLeft(int rank) const;
    std::int64_t faceLeft() const;
    std::int64_t numberLeft() const { return cardsLeft() - faceLeft(); }

    // The exact chance of the next card (x of the cards left); an empty
    // deck gives 0 of 0.
    Fraction nextSuit(int suit) const { return {suitLeft(suit), cardsLeft()}; }
    Fraction nextColour(Colour colour) const { return {colourLeft(colour), cardsLeft()}; }
    Fraction nextRank(int rank) const { return {rankLeft(rank), cardsLeft()}; }
    Fraction nextFace() const { return {faceLeft(), cardsLeft()}; }
    Fraction nextNumber() const { return {numberLeft(), cardsLeft()}; }

    // How often the card came (0 for a number that is no card).
    std::int64_t timesDrawn(int card) const;
    // The draw that first brought the card, 1 for the first draw; 0 when
    // it has not come. Without putting back it is the card's draw number.
    std::int64_t firstDrawOf(int card) const;
    // The card of the last draw, -1 before the first.
    int lastCard() const { return m_lastCard; }

    // The counts of the suits after draw `draw` (0 to draws(); clamped).
    SuitCounts suitCountsAfter(std::int64_t draw) const;
    // At most `samples` points of the suits' running counts, evenly spread
    // over the draws and ending with the last; every draw when there are
    // fewer. A line chart takes one point per pixel column.
    std::vector<SuitCounts> suitCountSamples(int samples) const;

    // The chi-square test of the four suits against a fair deck (three
    // degrees of freedom); needs MinDrawsForFit draws.
    SuitFit suitFit() const;

private:
    static constexpr int Block = 64;
    int suitAt(std::int64_t draw) const;  // draw: 0-based

    DrawMode m_mode;
    std::int64_t m_draws = 0;
    int m_lastCard = -1;
    std::array<std::int64_t, 52> m_cardCount{};
    std::array<std::int64_t, 52> m_firstDraw{};
    std::array<std::int64_t, SuitCount> m_suitCount{};
    std::array<std::int64_t, RankCount> m_rankCount{};
    // The suit of each draw, two bits each, four to a byte.
    std::vector<std::uint8_t> m_suits;
    // The suits' counts before draw k * Block, for k = 0, 1, ...
    std::vector<std::array<std::uint32_t, SuitCount>> m_blockStart;
};

} // namespace cards
