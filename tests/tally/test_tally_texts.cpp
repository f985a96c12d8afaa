// The tally's wording and numbers in the user's language, and how its
// sections share the space: plain functions, without a window.
#include "tally/SectionFlow.h"
#include "tally/TallyLook.h"
#include "tally/TallyText.h"

#include <QtTest>

using namespace tally;

namespace {

QString spaced(QString text)
{
    return text.replace(QChar::Nbsp, QLatin1Char(' '));
}

cards::SuitFit fitOf(double chiSquare)
{
    cards::SuitFit fit;
    fit.chiSquare = chiSquare;
    fit.pValue = cards::chiSquareSurvival3(chiSquare);
    fit.verdict = fit.pValue < cards::UnusualBelow ? cards::SuitFit::Verdict::Unusual
                                                   : cards::SuitFit::Verdict::Consistent;
    return fit;
}

SectionSize section(int preferredWidth, int minimumWidth, int height)
{
    return {QSize(preferredWidth, height), QSize(minimumWidth, height)};
}

} // namespace

class TestTallyTexts : public QObject {
    Q_OBJECT
private slots:
    void figuresInEnglishAndGerman()
    {
        const TallyText english(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(english.chance({11, 47}), QStringLiteral("11 of 47, 23.4 %"));
        QCOMPARE(english.chanceSentence(QStringLiteral("Hearts"), {11, 47}), QStringLiteral("Hearts: 11 of 47, 23.4 %"));
        QCOMPARE(english.count(123456), QStringLiteral("123456"));
        QCOMPARE(english.expected(46.16), QStringLiteral("46.2"));
        QCOMPARE(english.drawnSentence(QStringLiteral("Hearts"), 12), QStringLiteral("Hearts: 12 drawn"));
        QCOMPARE(english.drawnAgainstExpectedSentence(QStringLiteral("Hearts"), 12, 11.5),
                 QStringLiteral("Hearts: 12 drawn, 11.5 expected"));
        QCOMPARE(english.shareSentence(QStringLiteral("Clubs"), 1, 4), QStringLiteral("Clubs: 25.0 % of the draws"));
        QCOMPARE(english.drawsLine(25000), QStringLiteral("Draws since the last reset: 25000"));
        QCOMPARE(english.cardsLeftLine(47), QStringLiteral("Cards left: 47"));
        QCOMPARE(english.cardsLeftLine(0), QStringLiteral("No cards left"));
        QCOMPARE(english.cardDrawNumberSentence(50, 5), QStringLiteral("Queen of Hearts: draw number 5"));
        QCOMPARE(english.cardDrawNumberSentence(50, 0), QStringLiteral("Queen of Hearts: not drawn"));
        QCOMPARE(english.cardFrequencySentence(0, 3), QStringLiteral("Ace of Spades: 3 drawn"));
        QCOMPARE(english.suitsLeftSentence({8, 8, 9, 10}),
                 QStringLiteral("Cards left of each suit: spades 8, diamonds 8, clubs 9, hearts 10"));

        // German: a decimal comma, and still no thousands separator.
        const TallyText german(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(german.chance({11, 47}), QStringLiteral("11 of 47, 23,4 %"));
        QCOMPARE(german.count(123456), QStringLiteral("123456"));
        QCOMPARE(german.expected(1234.25), QStringLiteral("1234,3"));
        QCOMPARE(german.percent(1.0 / 3.0), QStringLiteral("33,3 %"));
    }

    // An empty deck or an empty draw: never a division by zero.
    void nothingDividesByZero()
    {
        const TallyText text(QLocale::c());
        QCOMPARE(text.chance({0, 0}), QStringLiteral("\u2013"));
        QCOMPARE(text.chanceSentence(QStringLiteral("Hearts"), {0, 0}), QStringLiteral("Hearts: no cards left"));
        QCOMPARE(text.shareSentence(QStringLiteral("Hearts"), 0, 0), QStringLiteral("Hearts: 0.0 % of the draws"));
        QCOMPARE(text.percent(std::nan("")), QStringLiteral("0.0 %"));
        QCOMPARE(text.expected(std::numeric_limits<double>::infinity()), QStringLiteral("0.0"));
    }

    void theVerdictInPlainWords()
    {
        const TallyText text(QLocale::c());
        cards::SuitFit waiting;
        QCOMPARE(text.verdict(waiting, 15), QStringLiteral("More draws needed: the verdict on the suits comes from 20 draws on, 5 to go."));
        QCOMPARE(spaced(text.verdict(fitOf(2.1), 40)), QStringLiteral("Consistent with a fair deck (chi-square 2.1, p = 0.55)"));
        QCOMPARE(spaced(text.verdict(fitOf(0.0), 20)), QStringLiteral("Consistent with a fair deck (chi-square 0.0, p = 1.00)"));
        // p 0.0025 keeps its two significant digits.
        QCOMPARE(spaced(text.verdict(fitOf(14.3333), 24)), QStringLiteral("Unusual for a fair deck (chi-square 14.3, p = 0.0025)"));
        // Just under the line, p would round to 0.01: it reads "below".
        QCOMPARE(spaced(text.verdict(fitOf(11.352), 100)), QStringLiteral("Unusual for a fair deck (chi-square 11.4, p < 0.01)"));
        QCOMPARE(spaced(text.verdict(fitOf(120.0), 40)), QStringLiteral("Unusual for a fair deck (chi-square 120.0, p < 0.001)"));
        // Its p-value and chi-square keep together on one line.
        QVERIFY(text.verdict(fitOf(2.1), 40).contains(QStringLiteral("p\u00a0=\u00a00.55")));
        QVERIFY(TallyText::verdictNote().contains(QStringLiteral("once in a hundred looks")));
    }

    void overlayTextIsAFortiethOfTheScreen()
    {
        for (int height : {720, 1080, 1440, 2160}) {
            const TallyLook look = overlayLook(height);
            QVERIFY(look.dark);
            QVERIFY(look.keepLow);
            QVERIFY(look.textHeight * 40 >= height);
            QVERIFY(look.textHeight * 40 < height + 40);
        }
    }

    void sectionsShareTheWidthInColumns()
    {
        // Heights 100, 300, 100, 100: split as 1+2 | 3 | 4 the tallest column is 300.
        const std::vector<SectionSize> sizes{section(200, 100, 100), section(200, 100, 300), section(200, 100, 100),
                                             section(200, 100, 100)};
        // Wide: the lowest split, and of equally low ones the fewest columns.
        SectionFlow wide = arrangeSections(sizes, 2000, 10, 5, false);
        QCOMPARE(wide.size.height(), 300);
        QCOMPARE(int(wide.columnWidth.size()), 3);
        QCOMPARE(wide.columnOf, (std::vector<int>{0, 1, 2, 2}));
        // The spare width is shared out; the columns fill the width.
        QCOMPARE(wide.columnLeft.back() + wide.columnWidth.back(), 2000 - (2000 - 620) % 3);
        QCOMPARE(wide.size.width(), wide.columnLeft.back() + wide.columnWidth.back());

        // Room for two columns at their preferred widths only.
        const SectionFlow two = arrangeSections(sizes, 450, 10, 5, false);
        QCOMPARE(int(two.columnWidth.size()), 2);
        QCOMPARE(two.size.height(), 405);  // 1 and 2 | 3 and 4
        // Squeezed, three columns fit at their minimum widths, lower still.
        const SectionFlow squeezed = arrangeSections(sizes, 450, 10, 5, true);
        QCOMPARE(int(squeezed.columnWidth.size()), 3);
        QCOMPARE(squeezed.size.height(), 300);
        for (size_t c = 0; c < squeezed.columnWidth.size(); ++c) {
            QVERIFY(squeezed.columnWidth[c] >= 100);
            QVERIFY(squeezed.columnWidth[c] <= 200);
        }
        QVERIFY(squeezed.size.width() <= 450);

        // Too narrow for anything: one column at the minimum width.
        const SectionFlow narrow = arrangeSections(sizes, 50, 10, 5, false);
        QCOMPARE(int(narrow.columnWidth.size()), 1);
        QCOMPARE(narrow.size.height(), 100 + 300 + 100 + 100 + 3 * 5);
        QCOMPARE(narrow.columnWidth[0], 100);

        QVERIFY(arrangeSections({}, 500, 10, 5, false).columnOf.empty());
    }
};

QTEST_MAIN(TestTallyTexts)
#include "test_tally_texts.moc"
