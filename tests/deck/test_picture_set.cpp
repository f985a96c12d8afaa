// The picture set without any widget (a bare QCoreApplication, as a
// headless batch has it): which picture each number gives, what each
// picture shows, and the transparent areas.
#include "PictureCompare.h"
#include "deck/GifDecode.h"
#include "deck/PictureSet.h"
#include "tools/artgen/ArtGen.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QtTest>
#include <set>

using deck::PictureSet;
using picturecompare::differences;

namespace {

const PictureSet &set() { return PictureSet::instance(); }

bool isRedInk(QRgb c) { return qAlpha(c) && qRed(c) > 150 && qGreen(c) < 110 && qBlue(c) < 110; }
bool isDarkInk(QRgb c) { return qAlpha(c) && qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90; }

// Which pixels of a region carry ink (anything clearly not white).
QByteArray inkMask(const QImage &picture, const QRect &region)
{
    QByteArray mask;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            mask.append(qGray(picture.pixel(x, y)) < 160 ? '#' : '.');
    return mask;
}

// The rank letters and the suit sign of the top left index.
const QRect RankArea(2, 3, 11, 10);
const QRect SuitArea(2, 15, 10, 9);

QImage over(const QImage &picture, const QColor &ground)
{
    QImage out(picture.size(), QImage::Format_RGB32);
    out.fill(ground);
    QPainter painter(&out);
    painter.drawImage(0, 0, picture);
    return out;
}

} // namespace

class TestPictureSet : public QObject {
    Q_OBJECT
private slots:
    void worksWithoutAnyWindowSystem()
    {
        QVERIFY(QCoreApplication::instance());
        QVERIFY(!qobject_cast<QGuiApplication *>(QCoreApplication::instance()));
        QCOMPARE(set().card(0).size(), QSize(71, 96));
        QCOMPARE(set().card(0).format(), QImage::Format_Indexed8);
        QCOMPARE(set().card(0).colorCount(), 256);
    }

    void facesAreTheGeneratorsDrawingOfTheirNumber()
    {
        for (int n = 0; n < 52; ++n) {
            const QString difference = differences(set().card(n), artgen::toPalette(artgen::drawFace(n)));
            QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("card %1: %2").arg(n).arg(difference)));
        }
    }

    void namedCards_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("0") << 0 << "Ace of Spades";
        QTest::newRow("9") << 9 << "Ten of Spades";
        QTest::newRow("10") << 10 << "Jack of Spades";
        QTest::newRow("12") << 12 << "King of Spades";
        QTest::newRow("13") << 13 << "Ace of Diamonds";
        QTest::newRow("26") << 26 << "Ace of Clubs";
        QTest::newRow("39") << 39 << "Ace of Hearts";
        QTest::newRow("40") << 40 << "Two of Hearts";
        QTest::newRow("50") << 50 << "Queen of Hearts";
        QTest::newRow("51") << 51 << "King of Hearts";
    }

    void namedCards()
    {
        QFETCH(int, number);
        QFETCH(QString, name);
        QCOMPARE(deck::cardName(number), name);
        QCOMPARE(deck::pictureName(set().card(number)), name);
    }

    void numberingBySuitAndRank()
    {
        // Numbers with the same value mod 13 print the same rank; numbers in
        // the same run of 13 print the same suit sign; all ranks differ.
        for (int rank = 0; rank < 13; ++rank) {
            const QByteArray spade = inkMask(set().card(rank), RankArea);
            for (int suit = 1; suit < 4; ++suit)
                QVERIFY2(inkMask(set().card(suit * 13 + rank), RankArea) == spade,
                         qPrintable(QStringLiteral("card %1").arg(suit * 13 + rank)));
        }
        std::set<QByteArray> ranks;
        for (int rank = 0; rank < 13; ++rank)
            ranks.insert(inkMask(set().card(rank), RankArea));
        QCOMPARE(int(ranks.size()), 13);
        std::set<QByteArray> suits;
        for (int suit = 0; suit < 4; ++suit) {
            const QByteArray sign = inkMask(set().card(suit * 13), SuitArea);
            for (int rank = 1; rank < 13; ++rank)
                QVERIFY2(inkMask(set().card(suit * 13 + rank), SuitArea) == sign,
                         qPrintable(QStringLiteral("card %1").arg(suit * 13 + rank)));
            suits.insert(sign);
        }
        QCOMPARE(int(suits.size()), 4);
        // The ace carries one large sign in the middle, the two none there.
        for (int suit = 0; suit < 4; ++suit) {
            QVERIFY(qGray(set().card(suit * 13).pixel(35, 48)) < 160);
            QVERIFY(qGray(set().card(suit * 13 + 1).pixel(35, 48)) > 200);
        }
    }

    void inkColoursFollowTheSuit()
    {
        // Spades and clubs in black, diamonds and hearts in red, on the pip cards.
        for (int n = 0; n < 52; ++n) {
            if (n % 13 >= 10)
                continue;
            const QImage &card = set().card(n);
            int red = 0;
            int dark = 0;
            for (int y = 3; y < 93; ++y) {
                for (int x = 3; x < 68; ++x) {
                    red += isRedInk(card.pixel(x, y));
                    dark += isDarkInk(card.pixel(x, y));
                }
            }
            const bool redSuit = n / 13 == 1 || n / 13 == 3;
            QVERIFY2(redSuit ? (red > 60 && dark == 0) : (dark > 60 && red == 0),
                     qPrintable(QStringLiteral("card %1: %2 red, %3 dark").arg(n).arg(red).arg(dark)));
        }
    }

    void facesArePairwiseDifferent()
    {
        for (int a = 0; a < 52; ++a)
            for (int b = a + 1; b < 52; ++b)
                QVERIFY2(!differences(set().card(a), set().card(b), 0).isEmpty(), qPrintable(QStringLiteral("%1 and %2").arg(a).arg(b)));
    }

    void jokers()
    {
        QVERIFY(differences(set().redJoker(), artgen::toPalette(artgen::drawJoker(true))).isEmpty());
        QVERIFY(differences(set().blackJoker(), artgen::toPalette(artgen::drawJoker(false))).isEmpty());
        QCOMPARE(deck::pictureName(set().redJoker()), QStringLiteral("Red Joker"));
        QCOMPARE(deck::pictureName(set().blackJoker()), QStringLiteral("Black Joker"));
        int redOnRed = 0, darkOnRed = 0, redOnBlack = 0, darkOnBlack = 0;
        for (int y = 3; y < 93; ++y) {
            for (int x = 3; x < 68; ++x) {
                redOnRed += isRedInk(set().redJoker().pixel(x, y));
                darkOnRed += isDarkInk(set().redJoker().pixel(x, y));
                redOnBlack += isRedInk(set().blackJoker().pixel(x, y));
                darkOnBlack += isDarkInk(set().blackJoker().pixel(x, y));
            }
        }
        QVERIFY(redOnRed > 100 && darkOnRed == 0);
        QVERIFY(darkOnBlack > 100 && redOnBlack == 0);
        // The word is printed twice down the edges, the second copy turned.
        for (const QImage *joker : {&set().redJoker(), &set().blackJoker()}) {
            const QRect edge(2, 3, 11, 90);
            const QByteArray word = inkMask(*joker, edge);
            QVERIFY(word.count('#') > 100);
            QCOMPARE(inkMask(joker->mirrored(true, true), edge), word);
        }
    }

    void backs()
    {
        std::set<QByteArray> designs;
        for (int b = 0; b < 12; ++b) {
            const QImage &back = set().back(b);
            QVERIFY2(differences(back, artgen::toPalette(artgen::drawBack(b))).isEmpty(), qPrintable(QString::number(b)));
            QCOMPARE(deck::pictureName(back), QStringLiteral("Card back"));
            const QImage rgb = back.convertToFormat(QImage::Format_ARGB32);
            designs.insert(QByteArray(reinterpret_cast<const char *>(rgb.constBits()), int(rgb.sizeInBytes())));
        }
        QCOMPARE(int(designs.size()), 12);
        // Back 0: red and blue inside a white edge.
        const QImage &woven = set().back(0);
        QCOMPARE(QColor(woven.pixel(2, 48)), QColor(Qt::white));
        int red = 0, blue = 0;
        for (int y = 10; y < 86; ++y) {
            for (int x = 10; x < 61; ++x) {
                const QColor c(woven.pixel(x, y));
                red += c.red() > 150 && c.blue() < 100;
                blue += c.blue() > 120 && c.red() < 80;
            }
        }
        QVERIFY(red > 500 && blue > 500);
    }

    void dottedBackShowsWhatIsBehindIt()
    {
        const QImage &dotted = set().back(1);
        const QImage onWhite = over(dotted, Qt::white);
        const QImage onBlack = over(dotted, Qt::black);
        int white = 0;
        int black = 0;
        for (int y = 0; y < 96; ++y) {
            for (int x = 0; x < 71; ++x) {
                white += onWhite.pixel(x, y) == qRgb(255, 255, 255);
                black += onWhite.pixel(x, y) == qRgb(0, 0, 0);
                // On a black window the card is plain black.
                QVERIFY(qGray(onBlack.pixel(x, y)) < 8);
            }
        }
        QVERIFY2(white > 71 * 96 / 2, qPrintable(QString::number(white)));
        QVERIFY(black > 400);
    }

    void markers()
    {
        const QImage ring = set().greenRing().convertToFormat(QImage::Format_ARGB32);
        const QImage cross = set().redCross().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(deck::pictureName(set().greenRing()), QStringLiteral("Green ring marker"));
        QCOMPARE(deck::pictureName(set().redCross()), QStringLiteral("Red cross marker"));
        // The ring is open in its middle and around it; the cross meets there.
        QCOMPARE(qAlpha(ring.pixel(35, 48)), 0);
        QCOMPARE(qAlpha(ring.pixel(3, 3)), 0);
        QCOMPARE(qAlpha(cross.pixel(35, 48)), 255);
        QCOMPARE(qAlpha(cross.pixel(35, 10)), 0);
        int green = 0, otherOnRing = 0, red = 0, otherOnCross = 0;
        for (int y = 0; y < 96; ++y) {
            for (int x = 0; x < 71; ++x) {
                const QRgb r = ring.pixel(x, y);
                const QRgb c = cross.pixel(x, y);
                if (qAlpha(r))
                    (qGreen(r) > qRed(r) + 40 && qGreen(r) > qBlue(r) + 40 ? green : otherOnRing) += 1;
                if (qAlpha(c))
                    (qRed(c) > qGreen(c) + 60 && qRed(c) > qBlue(c) + 60 ? red : otherOnCross) += 1;
            }
        }
        QVERIFY2(green > 900 && otherOnRing < green / 10, qPrintable(QStringLiteral("%1 %2").arg(green).arg(otherOnRing)));
        QVERIFY2(red > 600 && otherOnCross < red / 10, qPrintable(QStringLiteral("%1 %2").arg(red).arg(otherOnCross)));
        QVERIFY(differences(set().greenRing(), artgen::toPalette(artgen::drawGreenRing())).isEmpty());
        QVERIFY(differences(set().redCross(), artgen::toPalette(artgen::drawRedCross())).isEmpty());
    }

    void cornersShowTheBackground()
    {
        const QColor ground(0, 128, 255);
        for (const QImage *picture : {&set().card(0), &set().card(51), &set().redJoker(), &set().back(0), &set().back(11)}) {
            const QImage shown = over(*picture, ground);
            for (const QPoint corner : {QPoint(0, 0), QPoint(70, 0), QPoint(0, 95), QPoint(70, 95)})
                QCOMPARE(QColor(shown.pixel(corner)), ground);
            QVERIFY(QColor(shown.pixel(35, 2)) != ground);
        }
    }

    void animationFramesAndIcon()
    {
        const struct {
            deck::Anim which;
            QSize size;
        } frames[] = {{deck::Anim::Ace1, {32, 22}}, {deck::Anim::Ace2, {32, 22}},  {deck::Anim::Bats, {26, 12}},
                      {deck::Anim::Face1, {14, 12}}, {deck::Anim::Face2, {14, 12}}, {deck::Anim::Robot1, {24, 7}},
                      {deck::Anim::Robot2, {24, 7}}};
        std::set<QString> names;
        for (const auto &frame : frames) {
            const QImage &picture = set().anim(frame.which);
            QCOMPARE(picture.size(), frame.size);
            QVERIFY(picture.colorCount() <= 16);
            QVERIFY(differences(picture, artgen::drawAnim(int(frame.which))).isEmpty());
            names.insert(deck::pictureName(picture));
        }
        QCOMPARE(int(names.size()), 7);
        // The robot's two lights swap colours between the frames.
        const QRgb leftFirst = set().anim(deck::Anim::Robot1).pixel(5, 3);
        const QRgb rightFirst = set().anim(deck::Anim::Robot1).pixel(19, 3);
        QCOMPARE(set().anim(deck::Anim::Robot2).pixel(5, 3), rightFirst);
        QCOMPARE(set().anim(deck::Anim::Robot2).pixel(19, 3), leftFirst);
        QVERIFY(leftFirst != rightFirst);
        QCOMPARE(set().icon().size(), QSize(32, 39));
        QVERIFY(!deck::pictureName(set().icon()).isEmpty());
    }

    void picturesAreHandedOutShared()
    {
        // The same object every time: no copy per request.
        QCOMPARE(&set().card(7), &set().card(7));
        QCOMPARE(set().card(7).cacheKey(), QImage(set().card(7)).cacheKey());
        QCOMPARE(&PictureSet::instance(), &PictureSet::instance());
        QVERIFY(deck::pictureName(QImage()).isEmpty());
        QVERIFY(deck::cardName(52).isEmpty());
        QVERIFY(deck::cardName(-1).isEmpty());
    }

    void brokenGifDataGivesNothing()
    {
        QFile file(QStringLiteral(":/deck/Card05.gif"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray whole = file.readAll();
        QVERIFY(!deck::decodeGif(whole).isNull());
        for (int length = 0; length < whole.size() - 1; length += 7)
            QVERIFY2(deck::decodeGif(whole.left(length)).isNull(), qPrintable(QString::number(length)));
        QVERIFY(deck::decodeGif(QByteArray("GIF89a\xff\xff\xff\xff\xf7\0\0", 13)).isNull());
        QVERIFY(deck::decodeGif(QByteArray(500, '\x5a')).isNull());
    }
};

QTEST_GUILESS_MAIN(TestPictureSet)
#include "test_picture_set.moc"
