// The drawing engine without widgets: both displays through a whole deck,
// the reset, and the mode that puts the cards back.
#include "EngineTestSupport.h"

#include <limits>

using namespace enginetest;

class TestEngine : public EngineTest {
    Q_OBJECT
private slots:
    void firstAndSecondCardInBothDisplays()
    {
        FakeHost host;
        cards::ResetCards(host);
        host.pointer.clear();
        cards::DrawCards(host);
        QCOMPARE(host.pointer, (std::vector<int>{11, 0}));
        QCOMPARE(cards::state().drawCount, 1);
        QCOMPARE(shows(host.draw.first), cardShown(1));
        QCOMPARE(shows(host.fullScreenView.first), cardShown(1));
        QCOMPARE(shows(host.draw.pile), QStringLiteral("back 0"));
        QCOMPARE(shows(host.fullScreenView.pile), QStringLiteral("back 0"));
        QCOMPARE(host.draw.count, QStringLiteral("Cards drawn: 1"));
        QCOMPARE(host.fullScreenView.count, QStringLiteral("Cards drawn: 1"));
        QVERIFY(!host.draw.row[0].visible);
        QVERIFY(host.draw.row[0].picture.isNull());

        cards::DrawCards(host);
        QCOMPARE(host.draw.row.size(), std::size_t(1));
        QVERIFY(host.draw.row[0].visible);
        QCOMPARE(shows(host.draw.row[0].picture), cardShown(2));
        QCOMPARE(shows(host.fullScreenView.row[0].picture), cardShown(2));
        QCOMPARE(host.draw.row[0].left, 1995);   // its design place
        QCOMPARE(host.draw.row[0].top, 300);
        QCOMPARE(shows(host.draw.first), cardShown(1));   // the first card stays
        QVERIFY(platform->messages.shown.isEmpty());
    }

    void fullDeckLayoutAndExhaustion()
    {
        FakeHost host;
        cards::ResetCards(host);
        draw(host, 52);
        const auto &drawn = *cards::state().drawnCards;
        QCOMPARE(drawn.size(), std::size_t(53));
        QCOMPARE(drawn[0], std::int16_t(99));
        QSet<int> distinct;
        for (std::size_t i = 1; i < drawn.size(); ++i) {
            QVERIFY(drawn[i] >= 0 && drawn[i] <= 51);
            distinct.insert(drawn[i]);
        }
        QCOMPARE(distinct.size(), 52);
        QCOMPARE(host.draw.row.size(), std::size_t(51));
        QCOMPARE(host.fullScreenView.row.size(), std::size_t(51));

        // The draw window: 200 twips per card; the 27th card (element 25)
        // opens a second row at the left of Image1, 500 lower.
        QCOMPARE(host.draw.row[1].left, 1995 + 200);
        QCOMPARE(host.draw.row[24].left, 1995 + 24 * 200);
        QCOMPARE(host.draw.row[24].top, 300);
        QCOMPARE(host.draw.row[25].left, 1800);
        QCOMPARE(host.draw.row[25].top, 800);
        QCOMPARE(host.draw.row[26].left, 2000);
        QCOMPARE(host.draw.row[26].top, 800);
        QCOMPARE(host.draw.row[50].left, 1800 + 25 * 200);
        // Each new card lies on top of the ones before.
        for (std::size_t i = 2; i < host.draw.row.size(); ++i)
            QVERIFY(host.draw.row[i].stacking > host.draw.row[i - 1].stacking);

        // The full-screen view: rows of 13, the 14th, 27th and 40th cards open a row.
        QCOMPARE(host.fullScreenView.row[1].left, 2520 + 1065 + 10);
        QCOMPARE(host.fullScreenView.row[1].top, 405);
        QCOMPARE(host.fullScreenView.row[12].left, 1320);
        QCOMPARE(host.fullScreenView.row[12].top, 405 + 1440 + 100);
        QCOMPARE(host.fullScreenView.row[25].left, 1320);
        QCOMPARE(host.fullScreenView.row[25].top, 405 + 2 * 1540);
        QCOMPARE(host.fullScreenView.row[38].top, 405 + 3 * 1540);
        QCOMPARE(host.fullScreenView.row[50].left, 1320 + 12 * 1075);
        for (std::size_t i = 1; i < host.fullScreenView.row.size(); ++i) {
            QVERIFY(host.fullScreenView.row[i].visible && host.fullScreenView.row[i].stretch);
            QCOMPARE(host.fullScreenView.row[i].width, 1065);
            QCOMPARE(shows(host.fullScreenView.row[i].picture), cardShown(int(i) + 2));
            QCOMPARE(shows(host.draw.row[i].picture), cardShown(int(i) + 2));
        }

        // The 52nd card empties both piles.
        QVERIFY(host.draw.pile.isNull());
        QVERIFY(host.fullScreenView.pile.isNull());
        QCOMPARE(host.draw.count, QStringLiteral("Cards drawn: 52"));
        QCOMPARE(host.fullScreenView.count, QStringLiteral("Cards drawn: 52"));

        // A 53rd draw: the message, nothing else; the pointer comes back.
        const FakeDisplay drawBefore = host.draw, viewerBefore = host.fullScreenView;
        const auto historyBefore = drawn;
        host.pointer.clear();
        cards::DrawCards(host);
        cards::DrawCards(host);
        QCOMPARE(platform->messages.texts(), QStringList({"No more cards, please reset.", "No more cards, please reset."}));
        QCOMPARE(platform->messages.shown[0].icon, shell::MessageIcon::None);
        QCOMPARE(host.pointer, (std::vector<int>{11, 0, 11, 0}));
        QCOMPARE(cards::state().drawCount, 52);
        QCOMPARE(*cards::state().drawnCards, historyBefore);
        QVERIFY(host.draw.sameAs(drawBefore));
        QVERIFY(host.fullScreenView.sameAs(viewerBefore));
    }

    void resetTwiceIsOneReset()
    {
        FakeHost host;
        cards::ResetCards(host);
        draw(host, 30);
        cards::state().fullScreenLaidOut = true;
        host.pointer.clear();
        cards::ResetCards(host);
        const FakeDisplay drawOnce = host.draw, viewerOnce = host.fullScreenView;
        cards::ResetCards(host);
        QVERIFY(host.draw.sameAs(drawOnce));
        QVERIFY(host.fullScreenView.sameAs(viewerOnce));

        QCOMPARE(cards::state().drawCount, 0);
        QCOMPARE(*cards::state().drawnCards, std::vector<std::int16_t>{99});
        QVERIFY(!cards::state().fullScreenLaidOut);
        for (int card = 0; card < 52; ++card)
            QVERIFY(!cards::isCardDrawn(std::int16_t(card)));
        QCOMPARE(host.draw.row.size(), std::size_t(1));
        QCOMPARE(host.fullScreenView.row.size(), std::size_t(1));
        QVERIFY(!host.draw.row[0].visible && host.draw.row[0].picture.isNull());
        QVERIFY(host.fullScreenView.row[0].visible && host.fullScreenView.row[0].picture.isNull());
        QVERIFY(host.draw.first.isNull() && host.fullScreenView.first.isNull());
        QCOMPARE(shows(host.draw.pile), QStringLiteral("back 0"));
        QCOMPARE(shows(host.fullScreenView.pile), QStringLiteral("back 0"));
        QCOMPARE(host.draw.count, QStringLiteral("Cards drawn: 0"));
        QCOMPARE(host.fullScreenView.count, QStringLiteral("Cards drawn: 0"));
        QVERIFY(host.pointer.empty());   // a reset leaves the pointer alone

        // A new cycle after the reset starts at card 1 again.
        cards::DrawCards(host);
        QCOMPARE(host.draw.count, QStringLiteral("Cards drawn: 1"));
        QCOMPARE(shows(host.draw.first), cardShown(1));
    }

    void putBackModeRepeatsAndGrowsWithoutLimit()
    {
        FakeHost host;
        host.option1 = false;
        host.option2 = true;
        cards::ResetCards(host);
        bool repeatInARow = false;
        int draws = 0;
        while (draws < 40000) {   // well past what a 16-bit count could hold
            cards::DrawCards(host);
            ++draws;
            const auto &drawn = *cards::state().drawnCards;
            if (draws > 1 && drawn[std::size_t(draws)] == drawn[std::size_t(draws) - 1])
                repeatInARow = true;
        }
        QVERIFY(repeatInARow);
        QCOMPARE(cards::state().drawCount, 40000);
        QCOMPARE(cards::state().drawnCards->size(), std::size_t(40001));
        QVERIFY(platform->messages.shown.isEmpty());
        QCOMPARE(host.draw.count, QStringLiteral("Cards drawn: 40000"));
        QCOMPARE(host.fullScreenView.count, QStringLiteral("Cards drawn: 40000"));
        // Only Image1 changes: the latest card; the rows stay empty, the
        // pile keeps the back.
        QCOMPARE(shows(host.draw.first), cardShown(40000));
        QCOMPARE(shows(host.fullScreenView.first), cardShown(40000));
        QCOMPARE(shows(host.draw.pile), QStringLiteral("back 0"));
        QCOMPARE(host.draw.row.size(), std::size_t(1));
        QVERIFY(!host.draw.row[0].visible && host.draw.row[0].picture.isNull());
        QVERIFY(host.fullScreenView.row[0].picture.isNull());
    }

    // The host hears of every draw and reset once, with both displays
    // already written; a run of draws stops at the first refusal or report.
    void theHostHearsOfEachChangeAndRunsStopEarly()
    {
        FakeHost host;
        QStringList seen;
        host.onChange = [&] { seen << host.draw.count + QStringLiteral(" / ") + host.fullScreenView.count; };
        cards::ResetCards(host);
        cards::DrawCards(host);
        QCOMPARE(seen, (QStringList{"Cards drawn: 0 / Cards drawn: 0", "Cards drawn: 1 / Cards drawn: 1"}));

        // Without putting back a run ends with the refused 53rd draw: one
        // message, not one per draw asked for.
        QCOMPARE(cards::drawMany(host, 100), 51);
        QCOMPARE(cards::state().drawCount, 52);
        QCOMPARE(platform->messages.texts(), QStringList{"No more cards, please reset."});
        QCOMPARE(host.changes, 2 + 52);
        QCOMPARE(cards::drawMany(host, 0), 0);
        QCOMPARE(host.changes, 2 + 52);

        // With putting back, a draw whose display fails is reported once and
        // the run stops after it (the draw itself counted).
        host.option1 = false;
        host.option2 = true;
        cards::ResetCards(host);
        platform->messages.clear();
        QCOMPARE(cards::drawMany(host, 1000), 1000);
        QCOMPARE(cards::state().drawCount, 1000);
        QVERIFY(platform->messages.shown.isEmpty());
        host.fullScreenView.failWhen = [](const char *what, int) { return QByteArray(what) == "first"; };
        QCOMPARE(cards::drawMany(host, 1000), 1);
        QCOMPARE(cards::state().drawCount, 1001);
        QCOMPARE(platform->messages.reports(), reportsAt(shell::Location::DrawCards, {214}));
    }

    void neitherOptionDrawsNothing()
    {
        FakeHost host;
        host.option1 = host.option2 = false;
        cards::ResetCards(host);
        const FakeDisplay before = host.draw;
        draw(host, 3);
        QCOMPARE(host.pointer, (std::vector<int>{11, 0, 11, 0, 11, 0}));
        QCOMPARE(cards::state().drawCount, 0);
        QVERIFY(host.draw.sameAs(before));
        QVERIFY(platform->messages.shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "test_engine.moc"
