// What the user can do while a batch is being drawn (the window processes
// its events once per card), and the fairness of the batches as the user
// gets them.
#include "BatchWindowFixture.h"
#include "batch/Generation.h"
#include "batch/PaintThrottle.h"
#include "shell/Random.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <set>

using batchtest::BatchWindowFixture;

namespace {

// Runs `action` at the next event-processing point of the generation once
// `entries` entries are listed (the window processes events before each card).
void whenListed(BatchWindowFixture &f, int entries, std::function<void()> action)
{
    auto fired = std::make_shared<bool>(false);
    QObject::connect(f.list()->model(), &QAbstractItemModel::rowsInserted, f.form.get(), [&f, entries, action, fired] {
        if (*fired || f.list()->topLevelItemCount() != entries)
            return;
        *fired = true;
        QMetaObject::invokeMethod(f.form.get(), action, Qt::QueuedConnection);
    });
}

bool distinctCards(const QStringList &entries)
{
    std::set<QString> seen(entries.begin(), entries.end());
    return seen.size() == std::size_t(entries.size());
}

} // namespace

class TestBatchWindowRun : public QObject {
    Q_OBJECT
private slots:
    void startDuringARunIsIgnored()
    {
        BatchWindowFixture f;
        f.open();
        int starts = 0;
        whenListed(f, 10, [&] { f.click("PushButton2"); ++starts; });
        whenListed(f, 30, [&] { f.generate(QStringLiteral("5")); ++starts; });
        f.generate(QStringLiteral("52"));
        QCOMPARE(starts, 2);
        // One batch: 52 entries, each card once, the first selected.
        QCOMPARE(f.entries().size(), 52);
        QVERIFY(distinctCards(f.entries()));
        QCOMPARE(f.selectedEntries(), QStringList{f.entries().first()});
        QCOMPARE(f.bar()->value(), 0);
        QVERIFY(f.messages().isEmpty());
        // Once the run is over, Start works again.
        f.generate(QStringLiteral("5"));
        QCOMPARE(f.entries().size(), 5);
    }

    void savingDuringARunWritesNothing()
    {
        BatchWindowFixture f;
        QTemporaryDir dir;
        f.open();
        f.text2()->setText(dir.path());
        whenListed(f, 20, [&] {
            f.click("PushButton1");
            f.click("PushButton3");
        });
        f.generate(QStringLiteral("52"));
        QVERIFY(QDir(dir.path()).isEmpty());
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(f.entries().size(), 52);
        // The complete batch saves as usual afterwards.
        f.click("PushButton1");
        QCOMPARE(f.messages(), QStringList{QStringLiteral("Done.")});
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 52);
    }

    void backDuringARunKeepsTheWholeBatch()
    {
        BatchWindowFixture f;
        f.open();
        whenListed(f, 7, [&] { f.click("PushButton4"); });
        f.generate(QStringLiteral("52"));
        QCOMPARE(f.navigator.chooserShown, 1);
        QVERIFY(!f.form->isVisible());
        f.form->show();
        QCOMPARE(f.entries().size(), 52);
        QVERIFY(distinctCards(f.entries()));
        QCOMPARE(f.selectedEntries(), QStringList{f.entries().first()});
        QCOMPARE(f.platform.ender.ends, 0);
    }

    void closingDuringARunEndsAtTheNextEvents()
    {
        BatchWindowFixture f;
        f.open();
        whenListed(f, 5, [&] { f.form->close(); });
        f.generate(QStringLiteral("52"));
        QCOMPARE(f.platform.ender.ends, 1);
        QCOMPARE(settings::read(settings::keys::Form3Start, 0), QStringLiteral("3"));
        // No card is drawn after the close, and nothing else runs.
        QCOMPARE(f.entries().size(), 5);
        QVERIFY(f.selectedEntries().isEmpty());
        QVERIFY(f.messages().isEmpty());
    }

    void countEditedDuringARun()
    {
        BatchWindowFixture f;
        f.open();
        QList<int> atDraw;
        QObject::connect(f.list()->model(), &QAbstractItemModel::rowsInserted, [&] { atDraw.append(f.bar()->value()); });
        // The box's number counts from then on.
        whenListed(f, 1, [&] { f.text1()->setText(QStringLiteral("8")); });
        f.generate(QStringLiteral("4"));
        QCOMPARE(atDraw, (QList<int>{25, 50, 38, 50}));
        QCOMPARE(f.entries().size(), 4);
        // No usable number in the box: the count read at the start stands in,
        // without a report per card.
        for (const char *edit : {"abc", "0", ""}) {
            atDraw.clear();
            whenListed(f, 1, [&f, edit] { f.text1()->setText(QLatin1String(edit)); });
            f.generate(QStringLiteral("4"));
            QCOMPARE(atDraw, (QList<int>{25, 50, 75, 100}));
            QCOMPARE(f.entries().size(), 4);
        }
        QVERIFY(f.messages().isEmpty());
    }

    void paintingDuringARun()
    {
        // Between frames the list and the bar wait with their paints; an event
        // loop that waits for the user (a modal box) lets them paint again.
        QWidget control;
        {
            batch::PaintThrottle throttle({&control});
            if (!throttle.beforeEvents())
                QVERIFY(!control.updatesEnabled());
            QEventLoop waiting;
            QTimer::singleShot(1, &waiting, &QEventLoop::quit);
            waiting.exec();
            QVERIFY(control.updatesEnabled());
            throttle.beforeEvents();
        }
        QVERIFY(control.updatesEnabled());
        // After a run, and after a run ended by "< Back", everything paints.
        BatchWindowFixture f;
        f.open();
        whenListed(f, 30, [&] { f.click("PushButton4"); });
        f.generate(QStringLiteral("52"));
        QVERIFY(f.form->updatesEnabled());
        QVERIFY(f.list()->updatesEnabled());
        QVERIFY(f.bar()->updatesEnabled());
    }

    void everyCardAtEveryPositionAlike()
    {
        BatchWindowFixture f;
        const shell::RandomGenerator::Key key = testsupport::fixedKey(11);
        shell::resetProgramRandom(&key);
        f.open();
        // counts[position][card]
        std::vector<std::array<int, 52>> counts(52, std::array<int, 52>{});
        auto tally = [&](const std::vector<int> &cards) {
            QCOMPARE(int(cards.size()), 52);
            std::set<int> seen(cards.begin(), cards.end());
            QCOMPARE(int(seen.size()), 52);
            for (int position = 0; position < 52; ++position)
                ++counts[std::size_t(position)][std::size_t(cards[std::size_t(position)])];
        };
        constexpr int ThroughWindow = 300;
        constexpr int Batches = 20000;
        for (int b = 0; b < ThroughWindow; ++b) {
            f.generate(QStringLiteral("52"));
            std::vector<int> cards;
            for (const int card : f.cards())
                cards.push_back(card);
            tally(cards);
            if (QTest::currentTestFailed())
                return;
        }
        for (int b = ThroughWindow; b < Batches; ++b) {
            tally(batch::generateBatch(52));
            if (QTest::currentTestFailed())
                return;
        }

        // Chi-square over the 52 x 52 table (each row and column sums to the
        // number of batches: 51 x 51 degrees of freedom), and per position.
        const double expected = Batches / 52.0;
        double total = 0;
        double worstPosition = 0;
        for (const auto &row : counts) {
            double position = 0;
            for (int observed : row)
                position += (observed - expected) * (observed - expected) / expected;
            total += position;
            worstPosition = std::max(worstPosition, position);
        }
        const double df = 51.0 * 51.0;
        // Six standard deviations: a fair generator stays far below, a biased
        // one (a retry that takes the next free card, say) is far above.
        QVERIFY2(total < df + 6 * std::sqrt(2 * df), qPrintable(QString::number(total)));
        QVERIFY2(total > df - 6 * std::sqrt(2 * df), qPrintable(QString::number(total)));
        QVERIFY2(worstPosition < 51 + 6 * std::sqrt(2 * 51.0), qPrintable(QString::number(worstPosition)));
    }
};

QTEST_MAIN(TestBatchWindowRun)
#include "test_batch_window_run.moc"
