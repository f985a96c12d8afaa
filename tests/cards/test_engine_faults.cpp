// The drawing engine's failures: every failing step is reported with its
// procedure and step and the procedure goes on; a pick that always fails
// and a count at its largest end cleanly.
#include "EngineTestSupport.h"

#include <limits>

using namespace enginetest;

class TestEngineFaults : public EngineTest {
    Q_OBJECT
private slots:
    void failingStepsAreReportedAndTheProcedureGoesOn()
    {
        FakeHost host;
        cards::ResetCards(host);
        draw(host, 2);
        // Step 148: making the new row element visible fails.
        host.draw.failWhen = [](const char *what, int index) { return qstrcmp(what, "visible") == 0 && index == 1; };
        cards::DrawCards(host);
        QCOMPARE(platform->messages.reports(), reportsAt(shell::Location::DrawCards, {148}));
        QCOMPARE(platform->messages.shown.size(), 1);
        QVERIFY(platform->messages.shown[0].text.startsWith(QStringLiteral("Invalid property value\r\n")));
        // The draw went on: the element got its place and picture, the
        // counts and the pointer are right.
        QCOMPARE(host.draw.row.size(), std::size_t(2));
        QCOMPARE(host.draw.row[1].left, 2195);
        QCOMPARE(shows(host.draw.row[1].picture), cardShown(3));
        QCOMPARE(host.fullScreenView.count, QStringLiteral("Cards drawn: 3"));
        QCOMPARE(host.pointer.back(), 0);

        // A failing test of a conditional runs its branch (step 102).
        host.draw.failWhen = nullptr;
        host.failOption1 = true;
        host.option1 = false;
        platform->messages.clear();
        cards::DrawCards(host);
        QCOMPARE(platform->messages.shown.size(), 1);
        QCOMPARE(platform->messages.reports(), reportsAt(shell::Location::DrawCards, {102}));
        QCOMPARE(cards::state().drawCount, 4);

        // ResetCards: each failing removal gives its own report (step 126)
        // and the reset still finishes.
        host.failOption1 = false;
        platform->messages.clear();
        cards::state().fullScreenLaidOut = true;
        host.draw.failWhen = [](const char *what, int index) { return qstrcmp(what, "remove") == 0 && index == 2; };
        cards::ResetCards(host);
        // Element 2 cannot go, so element 1 is not the last one either.
        QCOMPARE(platform->messages.shown.size(), 2);
        QCOMPARE(platform->messages.reports(), reportsAt(shell::Location::ResetCards, {126, 126}));
        QVERIFY(!cards::state().fullScreenLaidOut);
        QCOMPARE(host.fullScreenView.row.size(), std::size_t(1));
        QCOMPARE(host.fullScreenView.count, QStringLiteral("Cards drawn: 0"));
    }

    // A pick that fails every time (no entropy to key the generator) is
    // reported once; the draw does not go back to it for ever.
    void aFailingPickEndsTheRetryLoop()
    {
        struct NoEntropy : shell::Entropy {
            void fill(unsigned char *, std::size_t) override { throw shell::Failure(QStringLiteral("No entropy")); }
        } none;
        FakeHost host;
        cards::ResetCards(host);
        cards::state().drawnCards->push_back(0);  // card 0 is out, and 0 is what a failed pick leaves
        cards::state().drawCount = 1;
        shell::platform().entropy = &none;
        shell::resetProgramRandom(nullptr);
        cards::DrawCards(host);
        shell::platform().entropy = &platform->entropy;
        QCOMPARE(platform->messages.shown.size(), 1);
        QCOMPARE(platform->messages.reports(), reportsAt(shell::Location::DrawCards, {104}));
        QVERIFY(platform->messages.shown[0].text.startsWith(QStringLiteral("No entropy\r\n")));
        QCOMPARE(host.pointer.back(), 0);
    }

    void countNeverWraps()
    {
        FakeHost host;
        host.option1 = false;
        host.option2 = true;
        cards::state().drawCount = std::numeric_limits<std::int32_t>::max();
        cards::DrawCards(host);
        QCOMPARE(cards::state().drawCount, std::numeric_limits<std::int32_t>::max());
        QCOMPARE(platform->messages.shown.size(), 1);
        QVERIFY(platform->messages.shown[0].text.startsWith(QStringLiteral("Overflow\r\n")));
        QCOMPARE(platform->messages.reports(), reportsAt(shell::Location::DrawCards, {202}));
        QCOMPARE(host.pointer.back(), 0);
    }
};

QTEST_GUILESS_MAIN(TestEngineFaults)
#include "test_engine_faults.moc"
