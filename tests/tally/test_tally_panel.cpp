// The tally panel fed with scripted draws: the figures that screen readers
// read in both modes and across resets, the language's numbers, a long
// put-back draw, and the overlay look of the full-screen view.
#include "TallyTestSupport.h"
#include "tally/BarCell.h"
#include "tally/DeckGrid.h"
#include "tally/FigureLabel.h"
#include "tally/TallyPanel.h"

#include <QLabel>
#include <QtTest>

#include <cmath>
#include <random>

using namespace tallytest;
using testsupport::control;


namespace {

// The contrast of a colour against black, as the web's accessibility
// guidelines measure it.
double contrastOnBlack(const QColor &colour)
{
    auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const double luminance = 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
                             0.0722 * linear(colour.blueF());
    return (luminance + 0.05) / 0.05;
}

struct Shown {
    explicit Shown(const cards::Tally &tally)
    {
        panel.setTally(&tally);
        panel.resize(1200, 700);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
    }
    QStringList spoken() { return spokenTexts(&panel); }
    bool says(const QString &text) { return spoken().contains(text); }
    tally::TallyPanel panel;
};

} // namespace

class TestTallyPanel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void withoutPuttingBackTheChancesOfTheNextCard()
    {
        cards::Tally tally(cards::DrawMode::NoPutBack);
        for (int c : {card(12, Hearts), card(3, Hearts), card(12, Spades), card(7, Clubs), card(9, Diamonds)})
            QVERIFY(tally.record(c));
        Shown s(tally);
        const QStringList spoken = s.spoken();
        for (const char *text : {"Hearts: 11 of 47, 23.4 %", "Spades: 12 of 47, 25.5 %", "Red: 23 of 47, 48.9 %",
                                 "Queen: 2 of 47, 4.3 %", "Face cards: 10 of 47, 21.3 %", "Hearts: 2 drawn",
                                 "Red: 2.5 expected", "Queen: 2 drawn", "Queen: 0.4 expected", "Cards left: 47",
                                 "Cards left of each suit: spades 12, diamonds 12, clubs 12, hearts 11",
                                 "Queen of Hearts: draw number 1", "Nine of Diamonds: draw number 5",
                                 "Ace of Spades: not drawn", "Draws since the last reset: 5",
                                 "Hearts: 2 drawn, 1.3 expected"})
            QVERIFY2(spoken.contains(QString::fromUtf8(text)), text);
        // No shares and no verdict without putting back.
        QVERIFY(!control<QWidget>(&s.panel, "shares")->isVisible());
        // The grid shows the draw number in the drawn card's cell.
        auto *deck = control<tally::DeckGrid>(&s.panel, "deck");
        QCOMPARE(deck->cell(card(9, Diamonds))->text(), QStringLiteral("5"));
        QVERIFY(deck->cell(card(1, Spades))->text().isEmpty());

        // The rest of the deck: no cards left, and no figure that is no number.
        for (int c = 0; c < 52; ++c)
            tally.record(c);
        QCOMPARE(tally.draws(), 52);
        s.panel.tallyChanged();
        const QStringList empty = s.spoken();
        QVERIFY(empty.contains(QStringLiteral("No cards left")));
        QVERIFY(empty.contains(QStringLiteral("Hearts: no cards left")));
        QVERIFY(empty.contains(QStringLiteral("Hearts: 13 drawn, 13.0 expected")));
        QVERIFY(!anyNotANumber(empty));
    }

    void withPuttingBackTheSharesAndTheVerdict()
    {
        cards::Tally tally(cards::DrawMode::PutBack);
        for (int i = 0; i < 19; ++i)
            QVERIFY(tally.record(card(1 + i % 13, i % 4)));
        Shown s(tally);
        auto verdict = [&] {
            return control<tally::FigureLabel>(&s.panel, "verdict")->text().replace(QChar::Nbsp, QLatin1Char(' '));
        };
        QVERIFY(control<QWidget>(&s.panel, "shares")->isVisible());
        QVERIFY(verdict().startsWith(QStringLiteral("More draws needed")));
        QVERIFY(verdict().contains(QStringLiteral("1 to go")));

        // The 20th draw brings the four of hearts a second time.
        QVERIFY(tally.record(card(4, Hearts)));
        s.panel.tallyChanged();
        QCOMPARE(verdict(), QStringLiteral("Consistent with a fair deck (chi-square 0.0, p = 1.00)"));
        const QStringList spoken = s.spoken();
        QVERIFY(spoken.contains(QStringLiteral("Hearts: 25.0 % of the draws")));
        QVERIFY(spoken.contains(QStringLiteral("Hearts: 5 drawn, 5.0 expected")));
        // The chart's description is the shares at the last draw.
        QVERIFY(spoken.contains(QStringLiteral("Spades: 25.0 % of the draws; Diamonds: 25.0 % of the draws; "
                                               "Clubs: 25.0 % of the draws; Hearts: 25.0 % of the draws")));
        // In this mode every card is in the deck before each draw: the
        // chances are not shown, the cards left neither.
        QVERIFY(!spoken.contains(QStringLiteral("Cards left: 52")));
        QVERIFY(!spoken.join(QLatin1Char('\n')).contains(QStringLiteral(" of 52")));
        // The grid counts how often each card came.
        QCOMPARE(control<tally::DeckGrid>(&s.panel, "deck")->cell(card(4, Hearts))->text(), QStringLiteral("2"));
        QVERIFY(spoken.contains(QStringLiteral("Four of Hearts: 2 drawn")));
        QVERIFY(spoken.contains(QStringLiteral("Ace of Spades: 1 drawn")));

        // Forty more hearts: far from a fair deck.
        for (int i = 0; i < 40; ++i)
            QVERIFY(tally.record(card(1 + i % 13, Hearts)));
        s.panel.tallyChanged();
        QVERIFY(verdict().startsWith(QStringLiteral("Unusual for a fair deck (chi-square ")));
        QVERIFY(verdict().endsWith(QStringLiteral("p < 0.001)")));
    }

    // A reset and a change of mode start the panel again, cells and all.
    void aResetAndAChangeOfMode()
    {
        cards::Tally tally(cards::DrawMode::NoPutBack);
        QVERIFY(tally.record(card(12, Hearts)));
        Shown s(tally);
        auto *deck = control<tally::DeckGrid>(&s.panel, "deck");
        QCOMPARE(deck->cell(card(12, Hearts))->text(), QStringLiteral("1"));
        QVERIFY(s.says(QStringLiteral("Hearts: 12 of 51, 23.5 %")));

        tally.reset(cards::DrawMode::NoPutBack);
        s.panel.tallyChanged();
        QVERIFY(deck->cell(card(12, Hearts))->text().isEmpty());
        QVERIFY(s.says(QStringLiteral("Hearts: 13 of 52, 25.0 %")));
        QVERIFY(s.says(QStringLiteral("Hearts: 0 drawn, 0.0 expected")));

        tally.reset(cards::DrawMode::PutBack);
        QVERIFY(tally.record(card(12, Hearts)));
        s.panel.tallyChanged();
        QVERIFY(control<QWidget>(&s.panel, "shares")->isVisible());
        QCOMPARE(deck->cell(card(12, Hearts))->text(), QStringLiteral("1"));
        QCOMPARE(deck->cell(card(1, Hearts))->text(), QStringLiteral("0"));
        QVERIFY(s.says(QStringLiteral("Hearts: 100.0 % of the draws")));
        QVERIFY(!s.says(QStringLiteral("Hearts: 13 of 52, 25.0 %")));

        tally.reset(cards::DrawMode::NoPutBack);
        s.panel.tallyChanged();
        QVERIFY(!control<QWidget>(&s.panel, "shares")->isVisible());
        QVERIFY(deck->cell(card(1, Hearts))->text().isEmpty());
        QVERIFY(s.says(QStringLiteral("Cards left: 52")));
    }

    // The user's language decides the decimal sign; counts have no
    // thousands separator.
    void numbersInTheUsersLanguage()
    {
        cards::Tally tally(cards::DrawMode::NoPutBack);
        for (int c : {card(12, Hearts), card(3, Hearts), card(12, Spades), card(7, Clubs), card(9, Diamonds)})
            QVERIFY(tally.record(c));
        Shown s(tally);
        s.panel.setLocale(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(s.says(QStringLiteral("Hearts: 11 of 47, 23,4 %")));

        cards::Tally many(cards::DrawMode::PutBack);
        for (int i = 0; i < 2345; ++i)
            QVERIFY(many.record(i % 52));
        s.panel.setTally(&many);
        QVERIFY(s.says(QStringLiteral("Draws since the last reset: 2345")));
        QVERIFY(s.says(QStringLiteral("Ace of Spades: 46 drawn")));
        QCOMPARE(control<tally::DeckGrid>(&s.panel, "deck")->cell(0)->text(), QStringLiteral("46"));
    }

    // 100,000 put-back draws: the figures add up and none is NaN.
    void aHundredThousandDraws()
    {
        cards::Tally tally(cards::DrawMode::PutBack);
        Shown s(tally);
        std::mt19937 generator(99);
        std::uniform_int_distribution<int> pick(0, 51);
        for (int i = 0; i < 100000; ++i) {
            tally.record(pick(generator));
            if (i % 9973 == 0)
                s.panel.tallyChanged();
        }
        s.panel.tallyChanged();
        const QImage picture = s.panel.grab().toImage();
        QVERIFY(!picture.isNull());
        const QStringList spoken = s.spoken();
        QVERIFY(!anyNotANumber(spoken));
        QVERIFY(spoken.contains(QStringLiteral("Draws since the last reset: 100000")));
        // The suits' counts as the grid's cells and the suits' table show them.
        std::int64_t bySuit = 0, byCell = 0;
        for (int suit = 0; suit < 4; ++suit) {
            const QString name = cards::displaySuitName(suit);
            const QString prefix = name + QStringLiteral(": ");
            for (const QString &t : spoken) {
                if (t.startsWith(prefix) && t.endsWith(QStringLiteral(" drawn")))
                    bySuit += t.mid(prefix.size()).section(QLatin1Char(' '), 0, 0).toLongLong();
            }
        }
        auto *deck = control<tally::DeckGrid>(&s.panel, "deck");
        for (int c = 0; c < 52; ++c)
            byCell += deck->cell(c)->text().toLongLong();
        QCOMPARE(bySuit, 100000);
        QCOMPARE(byCell, 100000);
    }

    // White on black, its text at least a fortieth of the screen's height,
    // in three columns over no more than the lower three fifths of the view.
    void theOverlayLook_data()
    {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<bool>("putBack");
        QTest::newRow("1080, no put back") << 1920 << 1080 << false;
        QTest::newRow("1080, put back") << 1920 << 1080 << true;
        QTest::newRow("2160, no put back") << 3840 << 2160 << false;
        QTest::newRow("2160, put back") << 3840 << 2160 << true;
    }
    void theOverlayLook()
    {
        QFETCH(int, screenWidth);
        QFETCH(int, screenHeight);
        QFETCH(bool, putBack);
        cards::Tally tally(putBack ? cards::DrawMode::PutBack : cards::DrawMode::NoPutBack);
        for (int c = 0; c < (putBack ? 900 : 30); ++c)
            QVERIFY(tally.record((c * 7) % 52));
        tally::TallyPanel panel;
        panel.setLook(tally::overlayLook(screenHeight));
        panel.setTally(&tally);
        // Measured before it is first shown, as the view places it.
        const int height = panel.heightForWidth(screenWidth);
        QVERIFY2(height <= screenHeight * 3 / 5, qPrintable(QString::number(height)));
        panel.setGeometry(0, 0, screenWidth, height);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCOMPARE(panel.heightForWidth(screenWidth), height);

        // Every text: the labels and the figures.
        QList<QWidget *> labels;
        for (QWidget *w : panel.findChildren<QWidget *>()) {
            if (w->isVisible() && (qobject_cast<QLabel *>(w) || qobject_cast<tally::FigureLabel *>(w)))
                labels << w;
        }
        QVERIFY(labels.size() > 100);
        for (QWidget *label : labels) {
            const QString name = label->accessibleName();
            QVERIFY(label->font().pixelSize() * 40 >= screenHeight);
            QVERIFY(QFontMetrics(label->font()).height() * 40 >= screenHeight);
            // Light on black: a contrast of at least 7 to 1.
            QVERIFY2(contrastOnBlack(label->palette().color(QPalette::WindowText)) >= 7.0, qPrintable(name));
            // Every section fits the panel.
            const QRect inPanel(label->mapTo(&panel, QPoint(0, 0)), label->size());
            QVERIFY2(panel.rect().contains(inPanel), qPrintable(name));
        }
        const QImage picture = panel.grab().toImage();
        QCOMPARE(picture.pixelColor(picture.width() - 2, picture.height() - 2), QColor(Qt::black));

        // The same figures as in the window.
        QVERIFY(spokenTexts(&panel).contains(putBack ? QStringLiteral("Draws since the last reset: 900")
                                                     : QStringLiteral("Cards left: 22")));
    }

    // A bar shows its count against the expected count on the table's scale.
    void barsShareTheirTablesScale()
    {
        cards::Tally tally(cards::DrawMode::PutBack);
        for (int i = 0; i < 8; ++i)
            QVERIFY(tally.record(card(1, Hearts)));
        Shown s(tally);
        bool found = false;
        for (tally::BarCell *bar : s.panel.findChildren<tally::BarCell *>()) {
            if (bar->accessibleName() == QStringLiteral("Hearts: 8 drawn, 2.0 expected")) {
                QCOMPARE(bar->drawn(), 8.0);
                QCOMPARE(bar->expected(), 2.0);
                found = true;
            }
        }
        QVERIFY(found);
    }
};

QTEST_MAIN(TestTallyPanel)
#include "test_tally_panel.moc"
