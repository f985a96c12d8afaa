// The tally of a draw: counts beside what chance alone gives, the chances of
// the next card, each card's draw number or frequency, the running counts of
// the suits and the chi-square test, in both modes and across resets.
#include "cards/Tally.h"

#include <QtTest>

#include <cmath>
#include <random>

using namespace cards;

namespace {

constexpr int Spades = 0, Diamonds = 1, Clubs = 2, Hearts = 3;
int card(int rank, int suit) { return suit * 13 + rank - 1; }

// The chance that a chi-square variable with 3 degrees of freedom exceeds x,
// found without the closed form: one minus the integral of its density
// sqrt(t) exp(-t/2) / sqrt(2 pi) from 0 to x, with t = u^2 to take away the
// square root, by Simpson's rule.
double survivalByIntegration(double x)
{
    const int steps = 20000;
    const double top = std::sqrt(x);
    const double h = top / steps;
    auto f = [](double u) { return 2.0 * u * u * std::exp(-u * u / 2.0) / std::sqrt(2.0 * M_PI); };
    double sum = f(0) + f(top);
    for (int i = 1; i < steps; ++i)
        sum += f(i * h) * (i % 2 ? 4.0 : 2.0);
    return 1.0 - sum * h / 3.0;
}

void recordAll(Tally &tally, std::initializer_list<int> cards)
{
    for (int c : cards)
        QVERIFY(tally.record(c));
}

} // namespace

class TestTally : public QObject {
    Q_OBJECT
private slots:
    void countsAndExpectedCountsWithoutPuttingBack()
    {
        Tally t(DrawMode::NoPutBack);
        recordAll(t, {card(12, Hearts), card(1, Spades), card(1, Diamonds), card(13, Hearts), card(1, Clubs),
                      card(11, Spades)});
        QCOMPARE(t.draws(), 6);
        QCOMPARE(t.suitCount(Spades), 2);
        QCOMPARE(t.suitCount(Diamonds), 1);
        QCOMPARE(t.suitCount(Clubs), 1);
        QCOMPARE(t.suitCount(Hearts), 2);
        QCOMPARE(t.colourCount(Colour::Red), 3);
        QCOMPARE(t.colourCount(Colour::Black), 3);
        QCOMPARE(t.rankCount(1), 3);
        QCOMPARE(t.rankCount(11), 1);
        QCOMPARE(t.rankCount(12), 1);
        QCOMPARE(t.rankCount(13), 1);
        QCOMPARE(t.rankCount(5), 0);
        QCOMPARE(t.faceCount(), 3);
        QCOMPARE(t.numberCount(), 3);
        QCOMPARE(t.expectedPerSuit(), 1.5);
        QCOMPARE(t.expectedPerColour(), 3.0);
        QCOMPARE(t.expectedPerRank(), 6.0 / 13.0);
        QCOMPARE(t.expectedFace(), 6.0 * 3.0 / 13.0);
        QCOMPARE(t.expectedNumber(), 6.0 * 10.0 / 13.0);
        // Each card's draw number, and how often it came.
        QCOMPARE(t.firstDrawOf(card(12, Hearts)), 1);
        QCOMPARE(t.firstDrawOf(card(11, Spades)), 6);
        QCOMPARE(t.firstDrawOf(card(2, Spades)), 0);
        QCOMPARE(t.timesDrawn(card(13, Hearts)), 1);
        QCOMPARE(t.lastCard(), card(11, Spades));
        // Numbers that are no suit, rank or card count nothing.
        QCOMPARE(t.suitCount(4), 0);
        QCOMPARE(t.rankCount(0), 0);
        QCOMPARE(t.rankCount(14), 0);
        QCOMPARE(t.timesDrawn(52), 0);
    }

    void nextCardChancesFromTheCardsLeft()
    {
        Tally t(DrawMode::NoPutBack);
        QCOMPARE(t.nextSuit(Hearts), (Fraction{13, 52}));
        recordAll(t, {card(12, Hearts), card(3, Hearts), card(12, Spades), card(7, Clubs), card(9, Diamonds)});
        QCOMPARE(t.cardsLeft(), 47);
        QCOMPARE(t.nextSuit(Hearts), (Fraction{11, 47}));
        QCOMPARE(t.nextSuit(Spades), (Fraction{12, 47}));
        QCOMPARE(t.suitLeft(Hearts), 11);
        QCOMPARE(t.nextColour(Colour::Red), (Fraction{23, 47}));
        QCOMPARE(t.nextColour(Colour::Black), (Fraction{24, 47}));
        QCOMPARE(t.nextRank(12), (Fraction{2, 47}));
        QCOMPARE(t.nextRank(1), (Fraction{4, 47}));
        QCOMPARE(t.nextFace(), (Fraction{10, 47}));
        QCOMPARE(t.nextNumber(), (Fraction{37, 47}));
        QVERIFY(std::abs(t.nextSuit(Hearts).value() - 0.234) < 0.0005);

        // The suit's fractions always share out the whole deck that is left.
        Tally full(DrawMode::NoPutBack);
        for (int c = 51; c >= 0; --c) {
            QVERIFY(full.record(c));
            std::int64_t suits = 0, ranks = 0;
            for (int s = 0; s < 4; ++s)
                suits += full.nextSuit(s).part;
            for (int r = 1; r <= 13; ++r)
                ranks += full.nextRank(r).part;
            QCOMPARE(suits, full.cardsLeft());
            QCOMPARE(ranks, full.cardsLeft());
            QCOMPARE(full.nextFace().part + full.nextNumber().part, full.cardsLeft());
        }
        // An empty deck: 0 of 0, whose value is 0 and not NaN.
        QCOMPARE(full.cardsLeft(), 0);
        QCOMPARE(full.nextSuit(Hearts), (Fraction{0, 0}));
        QCOMPARE(full.nextSuit(Hearts).value(), 0.0);
        QCOMPARE(full.firstDrawOf(0), 52);
    }

    void withoutPuttingBackRepeatsAndA53rdDrawAreRefused()
    {
        Tally t(DrawMode::NoPutBack);
        QVERIFY(t.record(7));
        QVERIFY(!t.record(7));
        QVERIFY(!t.record(-1));
        QVERIFY(!t.record(52));
        QVERIFY(!t.record(99));
        QCOMPARE(t.draws(), 1);
        for (int c = 0; c < 52; ++c) {
            if (c != 7)
                QVERIFY(t.record(c));
        }
        QCOMPARE(t.draws(), 52);
        QVERIFY(!t.record(7));
        QCOMPARE(t.draws(), 52);
    }

    void puttingBackCountsRepeatsAndKeepsTheWholeDeck()
    {
        Tally t(DrawMode::PutBack);
        recordAll(t, {card(12, Hearts), card(12, Hearts), card(1, Spades), card(12, Hearts)});
        QCOMPARE(t.draws(), 4);
        QCOMPARE(t.timesDrawn(card(12, Hearts)), 3);
        QCOMPARE(t.firstDrawOf(card(12, Hearts)), 1);
        QCOMPARE(t.firstDrawOf(card(1, Spades)), 3);
        QCOMPARE(t.suitCount(Hearts), 3);
        QCOMPARE(t.rankCount(12), 3);
        QCOMPARE(t.faceCount(), 3);
        QCOMPARE(t.cardsLeft(), 52);
        QCOMPARE(t.nextSuit(Hearts), (Fraction{13, 52}));
        QCOMPARE(t.nextRank(12), (Fraction{4, 52}));
        QCOMPARE(t.nextFace(), (Fraction{12, 52}));
        QCOMPARE(t.nextColour(Colour::Red), (Fraction{26, 52}));
        // A 53rd draw is no limit here.
        for (int i = 0; i < 60; ++i)
            QVERIFY(t.record(5));
        QCOMPARE(t.draws(), 64);
    }

    void aResetOrAnotherModeStartsAgain()
    {
        Tally t(DrawMode::NoPutBack);
        recordAll(t, {1, 2, 3});
        t.reset(DrawMode::PutBack);
        QCOMPARE(t.mode(), DrawMode::PutBack);
        QCOMPARE(t.draws(), 0);
        QCOMPARE(t.suitCount(Spades), 0);
        QCOMPARE(t.firstDrawOf(1), 0);
        QCOMPARE(t.lastCard(), -1);
        QCOMPARE(t.suitCountSamples(100).size(), size_t(0));
        recordAll(t, {1, 1});
        QCOMPARE(t.timesDrawn(1), 2);
        t.reset(DrawMode::NoPutBack);
        QVERIFY(t.record(1));
        QVERIFY(!t.record(1));
    }

    // The engine's history [99, card, ...] followed draw by draw.
    void followingTheEnginesHistory()
    {
        std::vector<std::int16_t> history{99};
        Tally t(DrawMode::NoPutBack);
        QVERIFY(!t.follow(history, DrawMode::NoPutBack));
        history.push_back(50);
        QVERIFY(t.follow(history, DrawMode::NoPutBack));
        history.push_back(0);
        history.push_back(13);
        QVERIFY(t.follow(history, DrawMode::NoPutBack));
        QCOMPARE(t.draws(), 3);
        QCOMPARE(t.firstDrawOf(13), 3);
        QVERIFY(!t.follow(history, DrawMode::NoPutBack));

        // A reset: the history is [99] again, then grows anew.
        history = {99, 7};
        QVERIFY(t.follow(history, DrawMode::NoPutBack));
        QCOMPARE(t.draws(), 1);
        QCOMPARE(t.firstDrawOf(50), 0);
        QCOMPARE(t.firstDrawOf(7), 1);

        // A reset and as many draws again before the next look: counted anew.
        history = {99, 7, 8, 9};
        QVERIFY(t.follow(history, DrawMode::NoPutBack));
        history = {99, 20, 21, 22, 23};
        QVERIFY(t.follow(history, DrawMode::NoPutBack));
        QCOMPARE(t.draws(), 4);
        QCOMPARE(t.firstDrawOf(7), 0);
        QCOMPARE(t.firstDrawOf(20), 1);
        history = {99, 7};
        QVERIFY(t.follow(history, DrawMode::NoPutBack));
        QCOMPARE(t.draws(), 1);

        // A change of mode starts again even with a history of equal length.
        QVERIFY(t.follow(history, DrawMode::PutBack));
        QCOMPARE(t.mode(), DrawMode::PutBack);
        QCOMPARE(t.draws(), 1);

        const Tally built = Tally::fromHistory({99, 5, 5, 40}, DrawMode::PutBack);
        QCOMPARE(built.draws(), 3);
        QCOMPARE(built.timesDrawn(5), 2);
        QCOMPARE(built.suitCount(Hearts), 1);
        // A history that repeats a card without putting back is followed
        // up to the repeat.
        QCOMPARE(Tally::fromHistory({99, 5, 6, 5, 7}, DrawMode::NoPutBack).draws(), 2);
    }

    void pValuesAgainstIndependentValues()
    {
        // Chi-square tables for 3 degrees of freedom: the statistic that
        // is exceeded with the given chance.
        const std::pair<double, double> table[] = {{0.584, 0.90}, {2.366, 0.50}, {6.251, 0.10}, {7.815, 0.05},
                                                   {9.348, 0.025}, {11.345, 0.01}, {16.266, 0.001}};
        for (const auto &[x, p] : table)
            QVERIFY2(std::abs(chiSquareSurvival3(x) - p) < 0.005 * p, qPrintable(QString::number(x)));
        QVERIFY(std::abs(chiSquareSurvival3(3.0) - 0.3916) < 0.00005);
        for (double x : {0.01, 0.3, 1.0, 2.4, 3.0, 5.5, 8.0, 12.5, 20.0, 30.0})
            QVERIFY2(std::abs(chiSquareSurvival3(x) - survivalByIntegration(x)) < 1e-7, qPrintable(QString::number(x)));
        // The ends, and nothing that is no number.
        QCOMPARE(chiSquareSurvival3(0.0), 1.0);
        QCOMPARE(chiSquareSurvival3(-2.0), 1.0);
        QCOMPARE(chiSquareSurvival3(std::nan("")), 1.0);
        QCOMPARE(chiSquareSurvival3(std::numeric_limits<double>::infinity()), 0.0);
        QVERIFY(chiSquareSurvival3(1e9) >= 0.0);
        QVERIFY(chiSquareSurvival3(1e9) < 1e-300);
    }

    void theVerdictOverTheFourSuits()
    {
        Tally t(DrawMode::PutBack);
        // 19 draws: not yet.
        for (int i = 0; i < 19; ++i)
            QVERIFY(t.record(card(1 + i % 13, i % 4)));
        QCOMPARE(t.suitFit().verdict, SuitFit::Verdict::MoreDrawsNeeded);
        // 20 draws, five of each suit: a perfect fit.
        QVERIFY(t.record(card(2, 3)));
        QCOMPARE(t.suitFit().verdict, SuitFit::Verdict::Consistent);
        QCOMPARE(t.suitFit().chiSquare, 0.0);
        QCOMPARE(t.suitFit().pValue, 1.0);

        // 8, 4, 4, 4 spades, diamonds, clubs, hearts of 20: expected 5 each,
        // (9 + 1 + 1 + 1) / 5 = 2.4.
        Tally u(DrawMode::PutBack);
        for (int i = 0; i < 8; ++i)
            QVERIFY(u.record(card(1, Spades)));
        for (int s : {Diamonds, Clubs, Hearts})
            for (int i = 0; i < 4; ++i)
                QVERIFY(u.record(card(5, s)));
        const SuitFit fit = u.suitFit();
        QVERIFY(std::abs(fit.chiSquare - 2.4) < 1e-12);
        QVERIFY(std::abs(fit.pValue - survivalByIntegration(2.4)) < 1e-7);
        QCOMPARE(fit.verdict, SuitFit::Verdict::Consistent);

        // 40 hearts: (30^2 + 3 * 10^2) / 10 = 120, far beyond chance.
        Tally v(DrawMode::PutBack);
        for (int i = 0; i < 40; ++i)
            QVERIFY(v.record(card(1 + i % 13, Hearts)));
        QVERIFY(std::abs(v.suitFit().chiSquare - 120.0) < 1e-9);
        QCOMPARE(v.suitFit().verdict, SuitFit::Verdict::Unusual);
        QVERIFY(v.suitFit().pValue < 1e-20);

        // The line between the verdicts is p = 0.01 (chi-square 11.345):
        // 12, 4, 4, 4 of 24 gives (36 + 3 * 4) / 6 = 8 (p 0.046), 14, 4, 3, 3
        // gives (64 + 4 + 9 + 9) / 6 = 14.33 (p 0.0025).
        Tally w(DrawMode::PutBack);
        const int counts[4] = {14, 4, 3, 3};
        for (int s = 0; s < 4; ++s)
            for (int i = 0; i < counts[s]; ++i)
                QVERIFY(w.record(card(3, s)));
        QVERIFY(std::abs(w.suitFit().chiSquare - 86.0 / 6.0) < 1e-9);
        QCOMPARE(w.suitFit().verdict, SuitFit::Verdict::Unusual);
        w.reset(DrawMode::PutBack);
        const int near[4] = {12, 4, 4, 4};
        for (int s = 0; s < 4; ++s)
            for (int i = 0; i < near[s]; ++i)
                QVERIFY(w.record(card(3, s)));
        QVERIFY(std::abs(w.suitFit().chiSquare - 8.0) < 1e-9);
        QCOMPARE(w.suitFit().verdict, SuitFit::Verdict::Consistent);
    }

    // 100,000 draws putting back: every sum adds up, the running counts
    // agree with a plain recount, and no figure is NaN.
    void aHundredThousandDrawsPuttingBack()
    {
        constexpr int N = 100000;
        std::mt19937 generator(20240601);
        std::uniform_int_distribution<int> pick(0, 51);
        std::vector<int> suits;
        suits.reserve(N);
        Tally t(DrawMode::PutBack);
        for (int i = 0; i < N; ++i) {
            const int c = pick(generator);
            QVERIFY(t.record(c));
            suits.push_back(c / 13);
        }
        QCOMPARE(t.draws(), N);
        std::int64_t bySuit = 0, byRank = 0, byCard = 0;
        for (int s = 0; s < 4; ++s)
            bySuit += t.suitCount(s);
        for (int r = 1; r <= 13; ++r)
            byRank += t.rankCount(r);
        for (int c = 0; c < 52; ++c)
            byCard += t.timesDrawn(c);
        QCOMPARE(bySuit, N);
        QCOMPARE(byRank, N);
        QCOMPARE(byCard, N);
        QCOMPARE(t.colourCount(Colour::Red) + t.colourCount(Colour::Black), N);
        QCOMPARE(t.faceCount() + t.numberCount(), N);

        // The running counts at draws inside blocks, at their edges and at the end.
        std::array<std::int64_t, 4> running{};
        const std::vector<std::int64_t> probes{0, 1, 63, 64, 65, 127, 128, 4097, 77777, N - 1, N};
        size_t next = 0;
        for (std::int64_t d = 0; d <= N && next < probes.size(); ++d) {
            if (d == probes[next]) {
                const SuitCounts at = t.suitCountsAfter(d);
                QCOMPARE(at.draw, d);
                for (int s = 0; s < 4; ++s)
                    QCOMPARE(at.counts[size_t(s)], running[size_t(s)]);
                ++next;
            }
            if (d < N)
                ++running[size_t(suits[size_t(d)])];
        }

        // A line chart's samples: as many as asked, rising draw numbers, the
        // last one the whole draw; every share a number between 0 and 1.
        const std::vector<SuitCounts> samples = t.suitCountSamples(640);
        QCOMPARE(samples.size(), size_t(640));
        QCOMPARE(samples.back().draw, N);
        for (size_t i = 0; i < samples.size(); ++i) {
            if (i > 0)
                QVERIFY(samples[i].draw > samples[i - 1].draw);
            std::int64_t sum = 0;
            for (std::int64_t c : samples[i].counts) {
                const double share = double(c) / double(samples[i].draw);
                QVERIFY(std::isfinite(share) && share >= 0.0 && share <= 1.0);
                sum += c;
            }
            QCOMPARE(sum, samples[i].draw);
        }
        const SuitFit fit = t.suitFit();
        QVERIFY(std::isfinite(fit.chiSquare));
        QVERIFY(fit.pValue >= 0.0 && fit.pValue <= 1.0);
        QVERIFY(std::isfinite(t.expectedPerRank()));
    }

    void samplesOfAShortDrawAreEveryDraw()
    {
        Tally t(DrawMode::PutBack);
        recordAll(t, {0, 13, 13, 51, 26});
        const std::vector<SuitCounts> samples = t.suitCountSamples(1000);
        QCOMPARE(samples.size(), size_t(5));
        for (size_t i = 0; i < samples.size(); ++i)
            QCOMPARE(samples[i].draw, std::int64_t(i + 1));
        QCOMPARE(samples[2].counts, (std::array<std::int64_t, 4>{1, 2, 0, 0}));
        QCOMPARE(samples[4].counts, (std::array<std::int64_t, 4>{1, 2, 1, 1}));
        QVERIFY(t.suitCountSamples(0).empty());
        // Fewer points than draws: evenly spread, ending with the last draw.
        const std::vector<SuitCounts> two = t.suitCountSamples(2);
        QCOMPARE(two.size(), size_t(2));
        QCOMPARE(two[0].draw, 3);
        QCOMPARE(two[1].draw, 5);
    }
};

QTEST_GUILESS_MAIN(TestTally)
#include "test_tally.moc"
