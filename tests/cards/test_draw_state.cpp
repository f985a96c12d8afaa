// The draw history and its two operations.
#include "cards/DrawState.h"
#include "shell/Failure.h"

#include <QtTest>

using namespace cards;

class TestDrawState : public QObject {
    Q_OBJECT
private slots:
    void init() { state() = DrawState{}; }

    void cardNumbersNameSuitAndRank()
    {
        QCOMPARE(suitOf(0), Suit::Spades);
        QCOMPARE(rankOf(0), 1);
        QCOMPARE(rankOf(12), 13);
        QCOMPARE(suitOf(13), Suit::Diamonds);
        QCOMPARE(suitOf(26), Suit::Clubs);
        QCOMPARE(suitOf(39), Suit::Hearts);
        QCOMPARE(suitOf(51), Suit::Hearts);
        QCOMPARE(rankOf(51), 13);
        for (int n : {1, 14, 27, 40})
            QCOMPARE(rankOf(n), 2);
    }

    void theHistoryStartsWithoutStorage()
    {
        QVERIFY(!state().drawnCards.has_value());
        QCOMPARE(state().drawCount, 0);
        QVERIFY(!state().fullScreenLaidOut);
        QVERIFY_THROWS_EXCEPTION(shell::Failure, isCardDrawn(5));
    }

    void initGivesTheSentinelOnceAndIsNoReset()
    {
        initDrawnCards();
        QCOMPARE(*state().drawnCards, std::vector<std::int16_t>{Sentinel});
        state().drawnCards->push_back(17);
        state().drawCount = 1;
        initDrawnCards();
        QCOMPARE(*state().drawnCards, (std::vector<std::int16_t>{Sentinel, 17}));
        QCOMPARE(state().drawCount, 1);
    }

    void isCardDrawnSearchesTheWholeHistory()
    {
        initDrawnCards();
        for (int c = 0; c < 52; ++c)
            QVERIFY(!isCardDrawn(std::int16_t(c)));
        // The sentinel is compared but is never a card.
        QVERIFY(isCardDrawn(Sentinel));
        for (std::int16_t c : {51, 0, 26})
            state().drawnCards->push_back(c);
        QVERIFY(isCardDrawn(0));
        QVERIFY(isCardDrawn(26));
        QVERIFY(isCardDrawn(51));
        QVERIFY(!isCardDrawn(1));
    }

    // A put-back draw keeps every card; past 32767 entries a 16-bit position
    // counter would overflow. The search still reaches the end.
    void aHistoryLongerThanASixteenBitCounter()
    {
        initDrawnCards();
        state().drawnCards->resize(40000, 3);
        state().drawnCards->push_back(44);
        QVERIFY(isCardDrawn(44));
        QVERIFY(!isCardDrawn(45));
    }
};

QTEST_MAIN(TestDrawState)
#include "test_draw_state.moc"
