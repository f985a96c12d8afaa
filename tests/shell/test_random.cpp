// The random pick: exactly uniform, independent from pick to pick, and
// never restarted by a re-seed with the same clock reading.
#include "shell/Failure.h"
#include "shell/Platform.h"
#include "shell/Random.h"
#include "support/TestPlatform.h"

#include <QtTest>
#include <cmath>
#include <set>
#include <vector>

using namespace shell;

namespace {

// Upper tail probability of a chi-square statistic: the regularised upper
// incomplete gamma function Q(df/2, x/2), by series or continued fraction.
double chiSquareP(double statistic, int df)
{
    const double a = df / 2.0, x = statistic / 2.0;
    if (x <= 0)
        return 1.0;
    const double lnPrefix = a * std::log(x) - x - std::lgamma(a);
    if (x < a + 1) {
        double term = 1.0 / a, sum = term;
        for (int n = 1; n < 100000 && std::abs(term) > std::abs(sum) * 1e-15; ++n) {
            term *= x / (a + n);
            sum += term;
        }
        return 1.0 - sum * std::exp(lnPrefix);
    }
    double b = x + 1 - a, c = 1e300, d = 1 / b, h = d;
    for (int i = 1; i < 100000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        d = std::abs(d) < 1e-300 ? 1e-300 : d;
        c = b + an / c;
        c = std::abs(c) < 1e-300 ? 1e-300 : c;
        d = 1 / d;
        const double delta = d * c;
        h *= delta;
        if (std::abs(delta - 1) < 1e-15)
            break;
    }
    return std::exp(lnPrefix) * h;
}

double chiSquare(const std::vector<long> &counts, double expected)
{
    double s = 0;
    for (long c : counts)
        s += (c - expected) * (c - expected) / expected;
    return s;
}

constexpr int Picks = 1000000;

} // namespace

class TestRandom : public QObject {
    Q_OBJECT
private slots:
    void theKeyCanReachEveryOrderOfADeck()
    {
        // 52! < 2^226: a 256-bit key can lead to every order.
        static_assert(sizeof(RandomGenerator::Key) * 8 >= 226, "too little state for a 52-card shuffle");
        double log2Factorial = 0;
        for (int i = 2; i <= 52; ++i)
            log2Factorial += std::log2(double(i));
        QVERIFY(log2Factorial < 8.0 * sizeof(RandomGenerator::Key));
    }

    void chiSquareTailIsRight()
    {
        // Known values: df 2 is exp(-x/2); df 51 has its median near 50.3.
        QVERIFY(std::abs(chiSquareP(4.0, 2) - std::exp(-2.0)) < 1e-9);
        QVERIFY(std::abs(chiSquareP(50.33, 51) - 0.5) < 0.01);
        QVERIFY(chiSquareP(200, 51) < 1e-15);
    }

    void uniformOverTheDeck_data()
    {
        QTest::addColumn<bool>("clockRunning");
        QTest::newRow("frozen clock") << false;
        QTest::newRow("running clock") << true;
    }
    void uniformOverTheDeck()
    {
        QFETCH(bool, clockRunning);
        testsupport::TestPlatform p;
        p.clock.running = clockRunning;
        std::vector<long> single(52), pairs(52 * 52);
        int previous = randomPick(52);
        for (int i = 0; i < Picks; ++i) {
            const int card = randomPick(52);
            QVERIFY(card >= 0 && card < 52);
            ++single[card];
            ++pairs[previous * 52 + card];
            previous = card;
        }
        const double pSingle = chiSquareP(chiSquare(single, Picks / 52.0), 51);
        const double pPairs = chiSquareP(chiSquare(pairs, Picks / 2704.0), 2703);
        QVERIFY2(pSingle > 0.001 && pSingle < 0.999, qPrintable(QString::number(pSingle)));
        QVERIFY2(pPairs > 0.001 && pPairs < 0.999, qPrintable(QString::number(pPairs)));
    }

    // A limit that does not divide 2^32 is where a modulo would show bias.
    void noModuloBiasForAwkwardLimits()
    {
        RandomGenerator g(testsupport::fixedKey(4));
        const std::uint32_t limit = 3;
        std::vector<long> counts(limit);
        for (int i = 0; i < 300000; ++i)
            ++counts[g.uniform(limit)];
        const double p3 = chiSquareP(chiSquare(counts, 100000.0), 2);
        QVERIFY2(p3 > 0.001, qPrintable(QString::number(p3)));
        // With a limit just above 2^31 a modulo would put two thirds of all
        // picks into the lower half.
        const std::uint32_t big = 0x80000001u;
        long lower = 0;
        for (int i = 0; i < 20000; ++i) {
            const std::uint32_t v = g.uniform(big);
            QVERIFY(v < big);
            lower += v < big / 2;
        }
        QVERIFY2(std::abs(lower - 10000) < 500, qPrintable(QString::number(lower)));
        QCOMPARE(g.uniform(1), 0u);
    }

    void badLimitsAreFailures()
    {
        testsupport::TestPlatform p;
        QVERIFY_THROWS_EXCEPTION(Failure, randomPick(0));
        QVERIFY_THROWS_EXCEPTION(Failure, randomPick(-5));
        RandomGenerator g(testsupport::fixedKey());
        QVERIFY_THROWS_EXCEPTION(Failure, g.uniform(0));
    }

    void theSameClockReadingNeverRestartsASequence()
    {
        RandomGenerator g(testsupport::fixedKey());
        const auto run = [&g] {
            g.reseed(3600.5f);
            std::vector<std::uint32_t> v;
            for (int i = 0; i < 16; ++i)
                v.push_back(g.uniform(52));
            return v;
        };
        const auto first = run();
        const auto second = run();
        QVERIFY(first != second);
        // Successive single picks with a standing clock still differ: the
        // batch window's retry loop depends on it.
        testsupport::TestPlatform p;
        std::vector<int> picks;
        for (int i = 0; i < 64; ++i)
            picks.push_back(randomPick(52));
        QVERIFY(std::set<int>(picks.begin(), picks.end()).size() > 30);
    }

    void aFixedKeyIsReproducibleAndKeysDiffer()
    {
        RandomGenerator a(testsupport::fixedKey(1)), b(testsupport::fixedKey(1)), c(testsupport::fixedKey(2));
        std::vector<std::uint32_t> va, vb, vc;
        for (int i = 0; i < 32; ++i) {
            a.reseed(10.0f);
            b.reseed(10.0f);
            c.reseed(10.0f);
            va.push_back(a.uniform(52));
            vb.push_back(b.uniform(52));
            vc.push_back(c.uniform(52));
        }
        QVERIFY(va == vb);
        QVERIFY(va != vc);
    }

    // One run on the operating system's entropy, with a threshold that a
    // fair generator misses once in a million runs.
    void uniformOnRealEntropy()
    {
        const Platform saved = platform();
        installQtPlatform();
        resetProgramRandom(nullptr);
        std::vector<long> counts(52);
        for (int i = 0; i < Picks; ++i)
            ++counts[randomPick(52)];
        const double p = chiSquareP(chiSquare(counts, Picks / 52.0), 51);
        resetProgramRandom(nullptr);
        platform() = saved;
        QVERIFY2(p > 1e-6 && p < 1 - 1e-6, qPrintable(QString::number(p)));
    }
};

QTEST_MAIN(TestRandom)
#include "test_random.moc"
