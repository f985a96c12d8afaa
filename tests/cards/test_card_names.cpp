// The names of cards: English for files and scripts, translated for the
// windows; and a draw history as CSV, byte for byte.
#include "cards/CardNames.h"
#include "cards/DrawHistoryCsv.h"
#include "deck/PictureSet.h"

#include <QTranslator>
#include <QtTest>

using namespace cards;

namespace {

// A translator that answers for one context only, with the text marked, so
// that a test sees which names went through the translation.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (QByteArray(context) != "CardNames")
            return QString();
        return QStringLiteral("<") + QString::fromLatin1(sourceText) + QStringLiteral(">");
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestCardNames : public QObject {
    Q_OBJECT
private slots:
    void englishNames()
    {
        QCOMPARE(rankName(1), QStringLiteral("Ace"));
        QCOMPARE(rankName(10), QStringLiteral("Ten"));
        QCOMPARE(rankName(13), QStringLiteral("King"));
        QCOMPARE(suitName(0), QStringLiteral("Spades"));
        QCOMPARE(suitName(3), QStringLiteral("Hearts"));
        QCOMPARE(colourName(Colour::Red), QStringLiteral("Red"));
        QCOMPARE(colourName(Colour::Black), QStringLiteral("Black"));
        QCOMPARE(englishCardName(50), QStringLiteral("Queen of Hearts"));
        QCOMPARE(englishCardName(13), QStringLiteral("Ace of Diamonds"));
        QCOMPARE(modeName(DrawMode::NoPutBack), QStringLiteral("do not put back"));
        QCOMPARE(modeName(DrawMode::PutBack), QStringLiteral("put back"));
        for (int n : {-1, 52, 99})
            QVERIFY(englishCardName(n).isEmpty());
        QVERIFY(rankName(0).isEmpty());
        QVERIFY(rankName(14).isEmpty());
        QVERIFY(suitName(4).isEmpty());
        // The same names as the card pictures carry, card for card.
        for (int n = 0; n < 52; ++n)
            QCOMPARE(englishCardName(n), deck::cardName(n));
        // Red are diamonds and hearts; face cards jack, queen and king.
        QCOMPARE(colourOfCard(0), Colour::Black);
        QCOMPARE(colourOfCard(13), Colour::Red);
        QCOMPARE(colourOfCard(26), Colour::Black);
        QCOMPARE(colourOfCard(51), Colour::Red);
        QVERIFY(!isFaceRank(10));
        QVERIFY(isFaceRank(11) && isFaceRank(13));
        QVERIFY(!isFaceRank(1));
    }

    void displayNamesAreTranslatedAndEnglishNamesAreNot()
    {
        QCOMPARE(displayCardName(50), QStringLiteral("Queen of Hearts"));
        QCOMPARE(displayRankSign(1), QStringLiteral("A"));
        QCOMPARE(displayRankSign(10), QStringLiteral("10"));
        QCOMPARE(displayRankSign(12), QStringLiteral("Q"));
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QCOMPARE(displaySuitName(3), QStringLiteral("<Hearts>"));
        QCOMPARE(displayRankName(12), QStringLiteral("<Queen>"));
        QCOMPARE(displayColourName(Colour::Red), QStringLiteral("<Red>"));
        QCOMPARE(displayRankSign(13), QStringLiteral("<K>"));
        // The card's name is translated as a whole ("Herz-Dame"), never
        // joined from a rank and a suit.
        QCOMPARE(displayCardName(50), QStringLiteral("<Queen of Hearts>"));
        QCOMPARE(displayCardName(0), QStringLiteral("<Ace of Spades>"));
        QCOMPARE(suitName(3), QStringLiteral("Hearts"));
        QCOMPARE(englishCardName(50), QStringLiteral("Queen of Hearts"));
        QCOMPARE(modeName(DrawMode::PutBack), QStringLiteral("put back"));
        const QByteArray csv = drawHistoryCsv({99, 50}, DrawMode::PutBack);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(csv, QByteArray("draw,card,rank,suit,colour,mode\n1,Queen of Hearts,Queen,Hearts,Red,put back\n"));
    }

    void historyAsCsv()
    {
        QCOMPARE(drawHistoryCsv({99}, DrawMode::NoPutBack), QByteArray("draw,card,rank,suit,colour,mode\n"));
        QCOMPARE(drawHistoryCsv({99, 50, 0, 13, 25, 38}, DrawMode::NoPutBack),
                 QByteArray("draw,card,rank,suit,colour,mode\n"
                            "1,Queen of Hearts,Queen,Hearts,Red,do not put back\n"
                            "2,Ace of Spades,Ace,Spades,Black,do not put back\n"
                            "3,Ace of Diamonds,Ace,Diamonds,Red,do not put back\n"
                            "4,King of Diamonds,King,Diamonds,Red,do not put back\n"
                            "5,King of Clubs,King,Clubs,Black,do not put back\n"));
        QCOMPARE(drawHistoryCsv({99, 9, 9, 35}, DrawMode::PutBack),
                 QByteArray("draw,card,rank,suit,colour,mode\n"
                            "1,Ten of Spades,Ten,Spades,Black,put back\n"
                            "2,Ten of Spades,Ten,Spades,Black,put back\n"
                            "3,Ten of Clubs,Ten,Clubs,Black,put back\n"));
        // No history at all, and positions that hold no card, give no lines.
        QCOMPARE(drawHistoryCsv({}, DrawMode::PutBack), QByteArray("draw,card,rank,suit,colour,mode\n"));
        QCOMPARE(drawHistoryCsv({99, 99, 1}, DrawMode::PutBack),
                 QByteArray("draw,card,rank,suit,colour,mode\n2,Two of Spades,Two,Spades,Black,put back\n"));
    }

    void aLongHistoryHasOneLinePerDraw()
    {
        std::vector<std::int16_t> history{99};
        for (int i = 0; i < 100000; ++i)
            history.push_back(std::int16_t((i * 7) % 52));
        const QByteArray csv = drawHistoryCsv(history, DrawMode::PutBack);
        QCOMPARE(csv.count('\n'), 100001);
        QVERIFY(csv.endsWith("\n100000,Nine of Diamonds,Nine,Diamonds,Red,put back\n"));
    }
};

QTEST_GUILESS_MAIN(TestCardNames)
#include "test_card_names.moc"
