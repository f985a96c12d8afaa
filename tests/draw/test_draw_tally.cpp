// The tally of draws through the real draw window: made only when first
// opened, following scripted draws of the draw window and the full-screen
// view in both modes and across Reset and a change of mode, the verdict on
// the suits against p-values worked out here, "Draw 10/100/1000" through
// the engine with the draw announced at the end, a long put-back draw, and the
// draw history saved as CSV.
#include "DrawTestSupport.h"

#include "deck/PictureSet.h"
#include "draw/DrawTally.h"
#include "settings/SettingsStore.h"
#include "shell/Pointer.h"
#include "tally/TallyTestSupport.h"
#include "tally/TallyWindow.h"

#include <QAction>
#include <QRadioButton>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>

using namespace drawtest;
using tallytest::card;
using tallytest::Clubs;
using tallytest::Diamonds;
using tallytest::Hearts;
using tallytest::Spades;

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The chance that a chi-square variable with 3 degrees of freedom is at
// least x, from its density sqrt(t) exp(-t/2) / sqrt(2 pi) integrated by
// Simpson's rule (with t = u^2, which takes the root's kink at 0 away).
double chiSquare3TailByIntegration(double x)
{
    const int steps = 20000;
    const double upper = std::sqrt(x);
    const double h = upper / steps;
    const double pi = 3.14159265358979323846;
    auto f = [&](double u) { return 2.0 * u * u * std::exp(-u * u / 2.0) / std::sqrt(2.0 * pi); };
    double sum = f(0.0) + f(upper);
    for (int i = 1; i < steps; ++i)
        sum += (i % 2 ? 4.0 : 2.0) * f(i * h);
    return 1.0 - sum * h / 3.0;
}

QStringList spoken(QWidget *window) { return tallytest::spokenTexts(window); }

void choosePuttingBack(draw::DrawWindow &form, bool putBack)
{
    QTest::mouseClick(control<QRadioButton>(&form, putBack ? "Option2" : "Option1"), Qt::LeftButton);
}

tally::TallyWindow *openTally(draw::DrawWindow &form)
{
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        return nullptr;
    QTest::keyClick(&form, Qt::Key_T, Qt::ControlModifier);
    return form.drawTally().window();
}

} // namespace

class TestDrawTally : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Nothing of the tally before it is asked for; Ctrl+T makes the one
    // window, with the draw so far, and brings it back later.
    void theWindowIsMadeWhenFirstOpened()
    {
        World world;
        testsupport::ScriptedPicks picks({card(12, Hearts), card(1, Spades), card(10, Diamonds)});
        auto form = openDrawWindow(world);
        clickDraw(*form, 2);
        QVERIFY(!form->drawTally().started());
        QVERIFY(!form->drawTally().window());
        QVERIFY(form->findChildren<tally::TallyWindow *>().isEmpty());

        tally::TallyWindow *window = openTally(*form);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Dealwright"));
        QCOMPARE(QAccessible::queryAccessibleInterface(window)->text(QAccessible::Name),
                 QStringLiteral("Dealwright: tally of draws"));
        QVERIFY(spoken(window).contains(QStringLiteral("Draws since the last reset: 2")));
        QVERIFY(spoken(window).contains(QStringLiteral("Hearts: 12 of 50, 24.0 %")));

        // Closed and opened again from the menu: the same window, up to date.
        window->close();
        clickDraw(*form);
        control<QAction>(form.get(), "tallyEntry")->trigger();
        QCOMPARE(form->drawTally().window(), window);
        QCOMPARE(form->findChildren<tally::TallyWindow *>().size(), 1);
        QVERIFY(window->isVisible());
        QVERIFY(spoken(window).contains(QStringLiteral("Draws since the last reset: 3")));
        QVERIFY(spoken(window).contains(QStringLiteral("Diamonds: 12 of 49, 24.5 %")));
        QVERIFY(world.platform.messages.shown.isEmpty());
    }

    void followsBothWindowsAcrossResetAndModeChange()
    {
        World world;
        testsupport::ScriptedPicks picks({card(12, Hearts), card(1, Spades), card(10, Diamonds), card(13, Clubs),
                                          card(5, Hearts)});
        auto form = openDrawWindow(world);
        tally::TallyWindow *window = openTally(*form);
        QVERIFY(window);
        clickDraw(*form, 3);
        // Two more from the full-screen view.
        QTest::mouseClick(control<QPushButton>(form.get(), "PushButton5"), Qt::LeftButton);
        QTRY_VERIFY(form->fullScreenView().isVisible());
        QTest::keyClick(&form->fullScreenView(), Qt::Key_Space);
        QTest::keyClick(&form->fullScreenView(), Qt::Key_Space);
        QTest::keyClick(&form->fullScreenView(), Qt::Key_Escape);

        const cards::Tally &t = form->drawTally().tally();
        QCOMPARE(t.mode(), cards::DrawMode::NoPutBack);
        QCOMPARE(t.draws(), 5);
        QCOMPARE((QList<qint64>{t.suitCount(Spades), t.suitCount(Diamonds), t.suitCount(Clubs), t.suitCount(Hearts)}),
                 (QList<qint64>{1, 1, 1, 2}));
        QCOMPARE(t.expectedPerSuit(), 1.25);
        QCOMPARE(t.faceCount(), 2);
        QCOMPARE(t.expectedFace(), 5 * 12.0 / 52.0);
        QCOMPARE(t.nextSuit(Hearts), (cards::Fraction{11, 47}));
        QCOMPARE(t.nextColour(cards::Colour::Red), (cards::Fraction{23, 47}));
        QCOMPARE(t.nextRank(12), (cards::Fraction{3, 47}));
        QCOMPARE(t.firstDrawOf(card(13, Clubs)), 4);
        const QStringList heard = spoken(window);
        for (const char *text : {"Draws since the last reset: 5", "Hearts: 11 of 47, 23.4 %", "Red: 23 of 47, 48.9 %",
                                 "Queen: 3 of 47, 6.4 %", "Face cards: 10 of 47, 21.3 %", "Cards left: 47",
                                 "King of Clubs: draw number 4"})
            QVERIFY2(heard.contains(QLatin1String(text)), text);

        // Reset clears it.
        click(form.get(), "PushButton1");
        QCOMPARE(t.draws(), 0);
        QVERIFY(spoken(window).contains(QStringLiteral("Draws since the last reset: 0")));
        QVERIFY(spoken(window).contains(QStringLiteral("Hearts: 13 of 52, 25.0 %")));

        // So does a change of mode, which the tally takes on.
        clickDraw(*form, 2);
        QCOMPARE(t.draws(), 2);
        choosePuttingBack(*form, true);
        QCOMPARE(t.mode(), cards::DrawMode::PutBack);
        QCOMPARE(t.draws(), 0);
        QVERIFY(control<QPushButton>(window, "Draw10")->isEnabled());
        clickDraw(*form, 3);
        QCOMPARE(t.draws(), 3);
        QCOMPARE(t.cardsLeft(), 52);
        choosePuttingBack(*form, false);
        QCOMPARE(t.mode(), cards::DrawMode::NoPutBack);
        QCOMPARE(t.draws(), 0);
        QVERIFY(!control<QPushButton>(window, "Draw10")->isEnabled());
        QVERIFY(!tallytest::anyNotANumber(spoken(window)));
    }

    // The verdict on the suits against p-values worked out here by
    // integrating the chi-square density.
    void theVerdictOnTheSuits()
    {
        QVERIFY(std::abs(chiSquare3TailByIntegration(3.0) - 0.3916) < 5e-5);
        World world;
        // 14 spades, 7 diamonds, 8 clubs and 11 hearts in 40 draws: expected
        // 10 each, chi-square (16 + 9 + 4 + 1) / 10 = 3.
        QList<int> script;
        const int counts[] = {14, 7, 8, 11};
        for (int suit = 0; suit < 4; ++suit) {
            for (int i = 0; i < counts[suit]; ++i)
                script << card(i % 13 + 1, suit);
        }
        std::rotate(script.begin(), script.begin() + 17, script.end());
        testsupport::ScriptedPicks picks(script);
        auto form = openDrawWindow(world);
        choosePuttingBack(*form, true);
        tally::TallyWindow *window = openTally(*form);
        QVERIFY(window);

        clickDraw(*form, 15);
        QVERIFY(spoken(window).contains(
            QStringLiteral("More draws needed: the verdict on the suits comes from 20 draws on, 5 to go.")));
        clickDraw(*form, 25);
        const cards::SuitFit fit = form->drawTally().tally().suitFit();
        QCOMPARE(fit.verdict, cards::SuitFit::Verdict::Consistent);
        QVERIFY(std::abs(fit.chiSquare - 3.0) < 1e-12);
        QVERIFY(std::abs(fit.pValue - chiSquare3TailByIntegration(3.0)) < 1e-6);
        QVERIFY(spoken(window).contains(QStringLiteral("Consistent with a fair deck (chi-square 3.0, p = 0.39)")));

        // Forty hearts: chi-square (900 + 3 * 100) / 10 = 120.
        click(form.get(), "PushButton1");
        picks.cards.clear();
        for (int i = 0; i < 40; ++i)
            picks.cards << card(i % 13 + 1, Hearts);
        clickDraw(*form, 40);
        const cards::SuitFit unusual = form->drawTally().tally().suitFit();
        QCOMPARE(unusual.verdict, cards::SuitFit::Verdict::Unusual);
        QVERIFY(std::abs(unusual.chiSquare - 120.0) < 1e-9);
        QVERIFY(unusual.pValue < chiSquare3TailByIntegration(11.345) && unusual.pValue >= 0.0);
        QVERIFY(spoken(window).contains(QStringLiteral("Unusual for a fair deck (chi-square 120.0, p < 0.001)")));
        QVERIFY(world.platform.messages.shown.isEmpty());
    }

    // "Draw 1000" from the tally window: a thousand draws through the
    // engine, the draw window following as after as many clicks, the tally
    // adding up to the count, and one announcement.
    void drawOneThousandAtOnce()
    {
        World world;
        auto form = openDrawWindow(world);
        tally::TallyWindow *window = openTally(*form);
        QVERIFY(window);
        auto *draw1000 = control<QPushButton>(window, "Draw1000");
        QVERIFY(!draw1000->isEnabled());
        form->drawMany(1000);   // without putting back: nothing
        QCOMPARE(cards::state().drawCount, 0);

        choosePuttingBack(*form, true);
        clickDraw(*form, 7);
        QVERIFY(draw1000->isEnabled());
        // The draw is said through the button pressed (the accessibility
        // walk counts that it is said once).
        QTest::mouseClick(draw1000, Qt::LeftButton);
        QCOMPARE(cards::state().drawCount, 1007);
        QCOMPARE(window->focusWidget(), draw1000);
        const QString last = deck::cardName(cards::state().drawnCards->back());
        QCOMPARE(draw1000->accessibleDescription(), last + QStringLiteral(". Cards drawn: 1007"));
        QCOMPARE(cards::state().drawnCards->size(), std::size_t(1008));
        for (QWidget *shown : {static_cast<QWidget *>(form.get()), static_cast<QWidget *>(&form->fullScreenView())}) {
            QCOMPARE(countText(shown), QStringLiteral("Cards drawn: 1007"));
            QCOMPARE(image(shown, "Image1")->accessibleName(), deck::cardName(cards::state().drawnCards->back()));
        }
        QCOMPARE(form->pointer().style(), 0);
        QVERIFY(form->updatesEnabled() && form->fullScreenView().updatesEnabled());

        const cards::Tally &t = form->drawTally().tally();
        QCOMPARE(t.draws(), 1007);
        qint64 suits = 0, ranks = 0, cardsSeen = 0;
        for (int s = 0; s < 4; ++s)
            suits += t.suitCount(s);
        for (int r = 1; r <= 13; ++r)
            ranks += t.rankCount(r);
        for (int c = 0; c < 52; ++c)
            cardsSeen += t.timesDrawn(c);
        QCOMPARE(suits, 1007);
        QCOMPARE(ranks, 1007);
        QCOMPARE(cardsSeen, 1007);
        QCOMPARE(t.colourCount(cards::Colour::Red) + t.colourCount(cards::Colour::Black), 1007);
        QCOMPARE(t.faceCount() + t.numberCount(), 1007);
        QVERIFY(spoken(window).contains(QStringLiteral("Draws since the last reset: 1007")));

        QTest::mouseClick(control<QPushButton>(window, "Draw10"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(window, "Draw100"), Qt::LeftButton);
        QCOMPARE(cards::state().drawCount, 1117);
        QCOMPARE(t.draws(), 1117);
        QVERIFY(world.platform.messages.shown.isEmpty());
    }

    // A hundred thousand draws with putting back stay counted right, with
    // no figure that is no number.
    void aHundredThousandPutBackDraws()
    {
        World world;
        auto form = openDrawWindow(world);
        choosePuttingBack(*form, true);
        tally::TallyWindow *window = openTally(*form);
        QVERIFY(window);
        for (int i = 0; i < 100; ++i)
            form->drawMany(1000);
        QCOMPARE(cards::state().drawCount, 100000);
        const cards::Tally &t = form->drawTally().tally();
        QCOMPARE(t.draws(), 100000);
        QCOMPARE(t.suitCount(0) + t.suitCount(1) + t.suitCount(2) + t.suitCount(3), 100000);
        // The engine's own history, counted here.
        std::array<qint64, 4> bySuit{};
        const auto &drawn = *cards::state().drawnCards;
        for (std::size_t i = 1; i < drawn.size(); ++i)
            ++bySuit[std::size_t(drawn[i] / 13)];
        for (int s = 0; s < 4; ++s)
            QCOMPARE(t.suitCount(s), bySuit[std::size_t(s)]);
        const cards::SuitFit fit = t.suitFit();
        QVERIFY(std::isfinite(fit.chiSquare) && fit.pValue >= 0.0 && fit.pValue <= 1.0);
        const QStringList heard = spoken(window);
        QVERIFY(heard.contains(QStringLiteral("Draws since the last reset: 100000")));
        QVERIFY(!tallytest::anyNotANumber(heard));
        QCOMPARE(countText(form.get()), QStringLiteral("Cards drawn: 100000"));
    }

    // File > Save History...: the draws since the reset as CSV, byte for
    // byte, into the file the save dialog gives.
    void theHistoryAsCsv()
    {
        World world;
        QTemporaryDir folder;
        settings::write(settings::keys::Text2, folder.path() + QLatin1Char('/'));
        testsupport::ScriptedPicks picks({card(12, Hearts), card(1, Spades), card(10, Diamonds)});
        auto form = openDrawWindow(world);
        clickDraw(*form, 3);
        const QString path = folder.filePath(QStringLiteral("lesson 1.csv"));
        world.platform.saver.answers = {path};
        control<QAction>(form.get(), "saveHistoryEntry")->trigger();
        QCOMPARE(bytesOf(path), QByteArray("draw,card,rank,suit,colour,mode\n"
                                           "1,Queen of Hearts,Queen,Hearts,Red,do not put back\n"
                                           "2,Ace of Spades,Ace,Spades,Black,do not put back\n"
                                           "3,Ten of Diamonds,Ten,Diamonds,Red,do not put back\n"));
        QCOMPARE(world.platform.saver.calls.size(), 1);
        QCOMPARE(world.platform.saver.calls[0].owner, form.get());
        QCOMPARE(world.platform.saver.calls[0].suggested, folder.filePath(QStringLiteral("Draw history.csv")));
        QVERIFY(world.platform.saver.calls[0].filter.contains(QStringLiteral("*.csv")));

        // Putting back, the same card twice; the file is replaced.
        choosePuttingBack(*form, true);
        picks.cards = {card(12, Hearts), card(12, Hearts)};
        clickDraw(*form, 2);
        world.platform.saver.answers = {path};
        control<QAction>(form.get(), "saveHistoryEntry")->trigger();
        QCOMPARE(bytesOf(path), QByteArray("draw,card,rank,suit,colour,mode\n"
                                           "1,Queen of Hearts,Queen,Hearts,Red,put back\n"
                                           "2,Queen of Hearts,Queen,Hearts,Red,put back\n"));
        // Cancelled: nothing written.
        clickDraw(*form);
        control<QAction>(form.get(), "saveHistoryEntry")->trigger();
        QCOMPARE(bytesOf(path).count('\n'), 3);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"lesson 1.csv"});
        QVERIFY(world.platform.messages.shown.isEmpty());

        // A folder that has gone since: a message naming the file, no file.
        const QString gone = folder.filePath(QStringLiteral("gone/history.csv"));
        world.platform.saver.answers = {gone};
        control<QAction>(form.get(), "saveHistoryEntry")->trigger();
        QCOMPARE(world.platform.messages.shown.size(), 1);
        QVERIFY(world.platform.messages.reports().isEmpty());
        QVERIFY(world.platform.messages.shown[0].text.contains(gone));
        QVERIFY(world.platform.messages.shown[0].text.contains(QString::fromLocal8Bit(std::strerror(ENOENT))));
        QVERIFY(!QFileInfo::exists(gone));
    }
};

QTEST_MAIN(TestDrawTally)
#include "test_draw_tally.moc"
