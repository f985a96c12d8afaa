// The batch window's rules without any widget: the count box, the
// progress share, the entries' texts and the drawing of a batch.
#include "batch/Generation.h"
#include "shell/Failure.h"
#include "support/TestPlatform.h"

#include <QtTest>
#include <set>

class TestBatchRules : public QObject {
    Q_OBJECT
private slots:
    void countCheck_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("cards");  // -1: refused
        QTest::newRow("52") << "52" << int(batch::CountProblem::None) << 52;
        QTest::newRow("1") << "1" << int(batch::CountProblem::None) << 1;
        QTest::newRow("0") << "0" << int(batch::CountProblem::None) << 0;
        QTest::newRow("-3") << "-3" << int(batch::CountProblem::None) << 0;
        QTest::newRow("-1e400") << "-1e400" << int(batch::CountProblem::None) << 0;
        QTest::newRow("2.5 rounds to even") << "2.5" << int(batch::CountProblem::None) << 2;
        QTest::newRow("3.5 rounds to even") << "3.5" << int(batch::CountProblem::None) << 4;
        QTest::newRow("52.5") << "52.5" << int(batch::CountProblem::None) << 52;
        QTest::newRow("52.6") << "52.6" << int(batch::CountProblem::TooMany) << -1;
        QTest::newRow("53") << "53" << int(batch::CountProblem::TooMany) << -1;
        QTest::newRow("60") << "60" << int(batch::CountProblem::TooMany) << -1;
        QTest::newRow("1e10") << "1e10" << int(batch::CountProblem::TooMany) << -1;
        QTest::newRow("1e400") << "1e400" << int(batch::CountProblem::TooMany) << -1;
        QTest::newRow("letters") << "abc" << int(batch::CountProblem::NotNumber) << -1;
        QTest::newRow("empty") << "" << int(batch::CountProblem::NotNumber) << -1;
        QTest::newRow("comma") << "1,5" << int(batch::CountProblem::NotNumber) << -1;
        // Rounded on the decimal digits; invisible format characters are no blanks.
        QTest::newRow("just above 52.5") << "52.500000000000001" << int(batch::CountProblem::TooMany) << -1;
        QTest::newRow("just below 3.5") << "3.49999999999999999" << int(batch::CountProblem::None) << 3;
        QTest::newRow("5.25e1") << "5.25e1" << int(batch::CountProblem::None) << 52;
        QTest::newRow("byte-order mark") << QString(QChar(0xFEFF)) + "5" << int(batch::CountProblem::NotNumber) << -1;
        QTest::newRow("zero width space") << "5" + QString(QChar(0x200B)) << int(batch::CountProblem::NotNumber) << -1;
    }

    void countCheck()
    {
        QFETCH(QString, text);
        QFETCH(int, problem);
        QFETCH(int, cards);
        QCOMPARE(int(batch::checkCount(text)), problem);
        if (cards >= 0) {
            QCOMPARE(batch::batchCount(text), cards);
        } else {
            // Refused with the box's own message, never an overflow.
            try {
                batch::batchCount(text);
                QFAIL("a refused count was accepted");
            } catch (const shell::Failure &failure) {
                QCOMPARE(failure.description(), batch::countMessage(batch::CountProblem(problem)));
            }
        }
        QCOMPARE(batch::countMessage(batch::CountProblem::NotNumber), QStringLiteral("Must be a numerical value."));
        QCOMPARE(batch::countMessage(batch::CountProblem::TooMany), QStringLiteral("Up to 52 cards allowed"));
    }

    void progressShare()
    {
        // i x 100 / m, halves to even.
        QCOMPARE(batch::progressValue(1, "1", 1), 100);
        QCOMPARE(batch::progressValue(1, "52", 52), 2);
        QCOMPARE(batch::progressValue(26, "52", 52), 50);
        QCOMPARE(batch::progressValue(3, "8", 4), 38);   // 37.5 -> 38
        QCOMPARE(batch::progressValue(1, "8", 4), 12);   // 12.5 -> 12
        // The box edited during the run: its number counts while it is usable.
        QCOMPARE(batch::progressValue(3, "abc", 4), 75);
        QCOMPARE(batch::progressValue(3, "0", 4), 75);
        QCOMPARE(batch::progressValue(3, "-5", 4), 75);
        QCOMPARE(batch::progressValue(3, "", 4), 75);
        QCOMPARE(batch::progressValue(3, "1e400", 4), 0);
        // More cards started than the box now asks for: the bar stays full.
        QCOMPARE(batch::progressValue(5, "2", 8), 100);
    }

    void entryTexts()
    {
        QCOMPARE(batch::entryText(0), QStringLiteral("Card 1"));
        QCOMPARE(batch::entryText(51), QStringLiteral("Card 52"));
        QCOMPARE(batch::entryText(12), QStringLiteral("Card 13"));
    }

    void batchesAreDistinctAndStoppable()
    {
        testsupport::TestPlatform platform;
        for (int count : {0, -3, 1, 2, 51, 52, 60}) {
            QList<int> started;
            QList<int> drawnAt;
            const std::vector<int> cards = batch::generateBatch(
                count, [&](int i) { started.append(i); return true; },
                [&](int i, int card) { drawnAt.append(i); QVERIFY(card >= 0 && card < 52); });
            const int expected = std::clamp(count, 0, 52);
            QCOMPARE(int(cards.size()), expected);
            QCOMPARE(int(std::set<int>(cards.begin(), cards.end()).size()), expected);
            QCOMPARE(started, drawnAt);
            QCOMPARE(started.size(), expected);
        }

        // The clock does not move in this test: the picks still differ.
        QVERIFY(!platform.clock.running);
        // Stopping before card 4 leaves three.
        const std::vector<int> stopped = batch::generateBatch(52, [](int i) { return i < 4; });
        QCOMPARE(int(stopped.size()), 3);
    }
};

QTEST_GUILESS_MAIN(TestBatchRules)
#include "test_batch_rules.moc"
