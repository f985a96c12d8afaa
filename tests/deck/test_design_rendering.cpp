// Card designs drawn: each element in its box with its own proportions,
// centred; the chosen design in place of the built-in faces, back and jokers
// (and nothing else) wherever cards are shown, through the rendering cache;
// the faces prepared on worker threads; renderings on many threads at once;
// and the installed decks, drawn by this code, against an independent SVG
// renderer (rsvg-convert).
#include "DesignFixtures.h"
#include "RsvgCompare.h"
#include "support/TestPlatform.h"

#include "deck/CardDesigns.h"
#include "deck/CardPixmaps.h"
#include "deck/DesignPixmaps.h"
#include "deck/PictureSet.h"
#include "deck/ScalableReader.h"

#include <QFutureWatcher>
#include <QSemaphore>
#include <QThreadPool>
#include <QtTest>

using namespace designfixtures;

namespace {

const QStringList English{QStringLiteral("C")};
const QString SystemDecks = QStringLiteral("/usr/share/carddecks");

QColor centre(const QImage &image)
{
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

QColor centre(const QPixmap &pixmap)
{
    return centre(pixmap.toImage());
}

// Where a picture is opaque.
QRect opaqueArea(const QImage &image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128)
                area |= QRect(x, y, 1, 1);
    return area;
}

const QImage &face(int card) { return deck::PictureSet::instance().card(card); }

} // namespace

class TestDesignRendering : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void elementKeepsItsProportionsCentred_data();
    void elementKeepsItsProportionsCentred();
    void chosenDesignReplacesFacesBackAndJokers();
    void jokersComeFromTheDeckOnlyWhereItHasThem();
    void renderingsAreKeptByDesignElementAndSize();
    void warmUpPreparesTheFacesOnWorkers();
    void warmUpStopsWhenAnotherDesignIsChosen();
    void aWindowThatMustNotWaitGetsWhatIsReady();
    void renderingsOnManyThreadsAtOnce();
    void installedDeckMatchesAnIndependentRenderer();
    void everyInstalledDeckPassesItsCheck();

private:
    std::shared_ptr<const deck::CardDesign> synthetic(const SyntheticDeck &shape, const QString &folder = QStringLiteral("svg-test"));

    std::unique_ptr<testsupport::TempConfig> m_config;
    std::unique_ptr<DataFolders> m_folders;
};

void TestDesignRendering::initTestCase()
{
    QVERIFY2(deck::scalableReader(), "the SVG renderer module is needed");
}

void TestDesignRendering::init()
{
    m_config = std::make_unique<testsupport::TempConfig>();
    m_folders = std::make_unique<DataFolders>();
    deck::forgetDesignFailures();
    deck::clearScalableCache();
}

void TestDesignRendering::cleanup()
{
    deck::setActiveDesign(nullptr);
    m_folders.reset();
    m_config.reset();
}

std::shared_ptr<const deck::CardDesign> TestDesignRendering::synthetic(const SyntheticDeck &shape, const QString &folder)
{
    makeDeck(m_folders->homeDecks(), folder, indexText(folder, QStringLiteral("d.svgz")), QStringLiteral("d.svgz"),
             gzip(syntheticSvg(shape)));
    const deck::DesignCatalogue catalogue = deck::scanDesigns(English);
    const deck::DesignInfo *info = deck::findDesign(catalogue, folder);
    return info ? deck::openDesign(*info) : nullptr;
}

void TestDesignRendering::elementKeepsItsProportionsCentred_data()
{
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QRect>("drawn");
    // The elements are 50 x 100.
    QTest::newRow("square box") << QSize(100, 100) << QRect(25, 0, 50, 100);
    QTest::newRow("tall box") << QSize(40, 200) << QRect(0, 60, 40, 80);
    QTest::newRow("card box") << QSize(71, 96) << QRect(11, 0, 48, 96);
}

void TestDesignRendering::elementKeepsItsProportionsCentred()
{
    QFETCH(QSize, box);
    QFETCH(QRect, drawn);
    const auto design = synthetic(SyntheticDeck());
    QVERIFY(design);
    const QImage image = design->render(QStringLiteral("7_club"), box);
    QCOMPARE(image.size(), box);
    const QRect area = opaqueArea(image);
    QVERIFY2(qAbs(area.left() - drawn.left()) <= 1 && qAbs(area.right() - drawn.right()) <= 1
                 && qAbs(area.top() - drawn.top()) <= 1 && qAbs(area.bottom() - drawn.bottom()) <= 1,
             qPrintable(QStringLiteral("drawn at %1,%2 %3x%4").arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height())));
    QCOMPARE(centre(image), QColor(faceColour(32)));
    QVERIFY(design->render(QStringLiteral("no_such_element"), box).isNull());
}

void TestDesignRendering::chosenDesignReplacesFacesBackAndJokers()
{
    const deck::PictureSet &set = deck::PictureSet::instance();
    SyntheticDeck shape;
    shape.jokers = true;
    const auto design = synthetic(shape);
    QVERIFY(design);
    // What the built-in set shows without a design, for the pictures that stay.
    const QImage back1 = deck::cardPixmap(set.back(1), QSize(130, 176), 1).toImage();
    const QImage ring = deck::cardPixmap(set.greenRing(), QSize(130, 176), 1).toImage();

    deck::setActiveDesign(design);
    for (int card : {0, 13, 37, 50}) {
        // At the natural size as at any other, on a 1x and on a 2x screen.
        for (qreal ratio : {1.0, 2.0}) {
            const QPixmap shown = deck::cardPixmap(face(card), QSize(71, 96), ratio);
            QCOMPARE(shown.size(), QSize(71, 96) * ratio);
            QCOMPARE(shown.devicePixelRatio(), ratio);
            QCOMPARE(centre(shown), QColor(faceColour(card)));
        }
    }
    QCOMPARE(centre(deck::cardPixmap(set.back(0), QSize(130, 176), 1)), QColor(QStringLiteral("#2040c0")));
    QCOMPARE(centre(deck::cardPixmap(set.redJoker(), QSize(130, 176), 1)), QColor(Qt::red));
    QCOMPARE(centre(deck::cardPixmap(set.blackJoker(), QSize(130, 176), 1)), QColor(Qt::black));
    QCOMPARE(deck::cardPixmap(set.back(1), QSize(130, 176), 1).toImage(), back1);
    QCOMPARE(deck::cardPixmap(set.greenRing(), QSize(130, 176), 1).toImage(), ring);

    // Back to the built-in set: the picture itself at its natural size.
    deck::setActiveDesign(nullptr);
    QCOMPARE(deck::cardPixmap(face(50), QSize(71, 96), 1).toImage(), face(50).convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

void TestDesignRendering::jokersComeFromTheDeckOnlyWhereItHasThem()
{
    const deck::PictureSet &set = deck::PictureSet::instance();
    const auto plain = synthetic(SyntheticDeck(), QStringLiteral("svg-plain"));
    QVERIFY(plain);
    QVERIFY(plain->elementForCard(52).isEmpty());
    QVERIFY(plain->elementForSource(QStringLiteral("Joker2")).isEmpty());
    QCOMPARE(plain->elementForSource(QStringLiteral("Back00")), QStringLiteral("back"));
    QVERIFY(plain->elementForSource(QStringLiteral("Back03")).isEmpty());
    QVERIFY(plain->elementForSource(QStringLiteral("rX")).isEmpty());
    deck::setActiveDesign(plain);
    QCOMPARE(deck::cardPixmap(set.redJoker(), QSize(71, 96), 1).toImage(),
             set.redJoker().convertToFormat(QImage::Format_ARGB32_Premultiplied));

    SyntheticDeck shared;
    shared.sharedJoker = true;
    shared.leaveOut << QStringLiteral("back");
    const auto one = synthetic(shared, QStringLiteral("svg-one-joker"));
    QVERIFY(one);
    QCOMPARE(one->elementForCard(52), QStringLiteral("joker"));
    QCOMPARE(one->elementForCard(53), QStringLiteral("joker"));
    QVERIFY(one->elementForSource(QStringLiteral("Back00")).isEmpty());
}

void TestDesignRendering::renderingsAreKeptByDesignElementAndSize()
{
    const auto first = synthetic(SyntheticDeck(), QStringLiteral("svg-first"));
    const auto second = synthetic(SyntheticDeck(), QStringLiteral("svg-second"));
    QVERIFY(first && second);
    const QString element = deck::faceElementId(5);
    QCOMPARE(deck::scalableCacheStats().renders, 0);
    QVERIFY(deck::readyDesignPixmap(*first, element, QSize(130, 176), 1).isNull());
    const QPixmap made = deck::designPixmap(*first, element, QSize(130, 176), 1);
    QCOMPARE(deck::scalableCacheStats().renders, 1);
    QCOMPARE(deck::designPixmap(*first, element, QSize(130, 176), 1).cacheKey(), made.cacheKey());
    QCOMPARE(deck::readyDesignPixmap(*first, element, QSize(130, 176), 1).cacheKey(), made.cacheKey());
    QCOMPARE(deck::scalableCacheStats().renders, 1);
    deck::designPixmap(*first, element, QSize(65, 88), 2);  // the same device size
    QCOMPARE(deck::scalableCacheStats().renders, 1);
    deck::designPixmap(*first, element, QSize(131, 177), 1);
    deck::designPixmap(*second, element, QSize(130, 176), 1);
    deck::designPixmap(*first, deck::faceElementId(6), QSize(130, 176), 1);
    QCOMPARE(deck::scalableCacheStats().renders, 4);
    QCOMPARE(deck::scalableCacheStats().pictures, 4);
    // Through the windows' way in, the same cache.
    deck::setActiveDesign(first);
    QCOMPARE(deck::cardPixmap(face(5), QSize(130, 176), 1).cacheKey(), made.cacheKey());
    QCOMPARE(deck::scalableCacheStats().renders, 4);
}

void TestDesignRendering::warmUpPreparesTheFacesOnWorkers()
{
    const auto design = synthetic(SyntheticDeck());
    QVERIFY(design);
    const QSize size(134, 182);
    // Two faces are shown before the warm-up: it leaves them alone.
    deck::designPixmap(*design, deck::faceElementId(3), size, 1);
    deck::designPixmap(*design, deck::faceElementId(40), size, 1);
    QFuture<void> warm = deck::warmDesignFaces(design, size);
    // Asked for while the workers run: taken, waited for or drawn here.
    for (int card = 51; card >= 26; --card)
        QCOMPARE(centre(deck::designPixmap(*design, deck::faceElementId(card), size, 1)), QColor(faceColour(card)));
    warm.waitForFinished();
    QCOMPARE(warm.progressValue(), 52);
    // The rest are ready without drawing or waiting.
    for (int card = 0; card < 26; ++card) {
        const QPixmap ready = deck::readyDesignPixmap(*design, deck::faceElementId(card), size, 1);
        QVERIFY(!ready.isNull());
        QCOMPARE(centre(ready), QColor(faceColour(card)));
    }
    QCOMPARE(deck::scalableCacheStats().renders, 52);
    QCOMPARE(deck::scalableCacheStats().pictures, 52);
    // All in the cache: nothing left to prepare.
    QVERIFY(deck::warmDesignFaces(design, size).isFinished());
    QCOMPARE(deck::scalableCacheStats().renders, 52);
}

void TestDesignRendering::warmUpStopsWhenAnotherDesignIsChosen()
{
    const auto first = synthetic(SyntheticDeck(), QStringLiteral("svg-first"));
    const auto second = synthetic(SyntheticDeck(), QStringLiteral("svg-second"));
    QVERIFY(first && second);
    deck::setActiveDesign(first);
    QFuture<void> warm = deck::warmDesignFaces(first, QSize(700, 950));
    deck::setActiveDesign(second);
    QTRY_VERIFY_WITH_TIMEOUT(warm.isFinished(), 60000);
    // Faces the warm-up never drew are drawn when asked for.
    for (int card = 0; card < 52; card += 17)
        QCOMPARE(centre(deck::designPixmap(*first, deck::faceElementId(card), QSize(70, 95), 1)), QColor(faceColour(card)));
    QCOMPARE(centre(deck::cardPixmap(face(9), QSize(70, 95), 1)), QColor(faceColour(9)));
}

void TestDesignRendering::aWindowThatMustNotWaitGetsWhatIsReady()
{
    const auto design = synthetic(SyntheticDeck());
    QVERIFY(design);
    deck::setActiveDesign(design);
    // No warm-up: drawn when asked, as cardPixmap() would.
    QCOMPARE(centre(deck::readyCardPixmap(face(3), QSize(71, 96), 1)), QColor(faceColour(3)));
    // Every worker busy elsewhere: nobody is on the way to the faces, so
    // the asking thread draws the one it needs rather than show nothing.
    QThreadPool *pool = QThreadPool::globalInstance();
    QSemaphore started, hold, left;
    const int threads = pool->maxThreadCount();
    for (int i = 0; i < threads; ++i)
        pool->start([&] {
            started.release();
            hold.acquire();
            left.release();
        });
    // Every thread of the pool is held now.
    started.acquire(threads);
    const QSize size(90, 122);
    QFuture<void> warm = deck::warmDesignFaces(design, size);
    QCOMPARE(centre(deck::readyCardPixmap(face(51), size, 1)), QColor(faceColour(51)));
    // Not a face: never part of a warm-up.
    QCOMPARE(centre(deck::readyCardPixmap(deck::PictureSet::instance().back(0), size, 1)), QColor(QStringLiteral("#2040c0")));
    hold.release(threads);
    left.acquire(threads);
    warm.waitForFinished();
    for (int card : {0, 25, 50})
        QCOMPARE(centre(deck::readyCardPixmap(face(card), size, 1)), QColor(faceColour(card)));
}

void TestDesignRendering::renderingsOnManyThreadsAtOnce()
{
    const auto design = synthetic(SyntheticDeck());
    QVERIFY(design);
    const QSize size(60, 81);
    std::vector<QImage> alone;
    for (int card = 0; card < 52; ++card)
        alone.push_back(deck::renderInDesign(*design, face(card), size));
    // Each card three times, on eight threads at once, as card files are made.
    std::vector<QImage> many(52 * 3);
    QThreadPool pool;
    pool.setMaxThreadCount(8);
    for (std::size_t i = 0; i < many.size(); ++i)
        pool.start([&, i] { many[i] = deck::renderInDesign(*design, face(int(i % 52)), size); });
    pool.waitForDone();
    for (std::size_t i = 0; i < many.size(); ++i)
        QCOMPARE(many[i], alone[i % 52]);
    QCOMPARE(centre(alone[50]), QColor(faceColour(50)));
    QVERIFY(deck::renderInDesign(*design, deck::PictureSet::instance().back(2), size).isNull());
}

void TestDesignRendering::installedDeckMatchesAnIndependentRenderer()
{
    if (!QDir(SystemDecks).exists())
        QSKIP("no card decks are installed (Debian package kdegames-card-data-kf5)");
    qputenv("XDG_DATA_DIRS", "/usr/share");
    const deck::DesignCatalogue catalogue = deck::scanDesigns(English);
    const deck::DesignInfo *info = deck::findDesign(catalogue, QStringLiteral("svg-nicu-white"));
    QVERIFY(info);
    const auto design = deck::openDesign(*info);
    QVERIFY(design);

    QString problem;
    const QImage theirs = rsvgElement(info->svgFile, QStringLiteral("queen_heart"), 384, &problem);
    QVERIFY2(!theirs.isNull(), qPrintable(problem));
    // The queen of hearts is card 50; drawn here at 4 x 384 and reduced the
    // same way, so that only the renderers differ.
    const QImage ours = onWhiteAtCardSize(deck::renderInDesign(*design, face(50), QSize(284, 384)));
    const QImage builtIn = onWhiteAtCardSize(face(50).convertToFormat(QImage::Format_ARGB32));
    const double same = meanDifference(ours, theirs);
    const double other = meanDifference(ours, builtIn);
    qInfo("mean difference per channel: %.2f against rsvg-convert, %.2f against the built-in queen", same, other);
    // The two renderers place edges up to half a pixel apart and smooth
    // them differently (about 6 here); another card design differs by ten
    // times that (about 60).
    QVERIFY2(same < 8, qPrintable(QString::number(same)));
    QVERIFY2(other > 40, qPrintable(QString::number(other)));
}

void TestDesignRendering::everyInstalledDeckPassesItsCheck()
{
    if (!QDir(SystemDecks).exists())
        QSKIP("no card decks are installed (Debian package kdegames-card-data-kf5)");
    qputenv("XDG_DATA_DIRS", "/usr/share");
    const QStringList folders = QDir(SystemDecks).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    const deck::DesignCatalogue checked = deck::checkedDesigns(deck::scanDesigns(English));
    QCOMPARE(checked.designs.size(), folders.size());
    QVERIFY(checked.problems.isEmpty());
    // Each deck's queen differs from its ace, and from the built-in queen.
    for (const deck::DesignInfo &info : checked.designs) {
        const auto design = deck::openDesign(info);
        QVERIFY(design);
        const QImage queen = design->render(QStringLiteral("queen_heart"), QSize(71, 96));
        QVERIFY2(!queen.isNull(), qPrintable(info.folder));
        QVERIFY(queen != design->render(QStringLiteral("1_spade"), QSize(71, 96)));
    }
}

QTEST_MAIN(TestDesignRendering)
#include "test_design_rendering.moc"
