// A card design in the views that show cards, through the real widgets on a
// 1920 x 1080 screen: the full-screen view's faces (prepared on worker
// threads and filled in as they land), the pile's back, the tally's card
// grid in the window and over the full-screen view, and an installed deck
// in the draw window and the full-screen view against the deck's own
// rendering, far from the built-in faces.
#include "DrawTestSupport.h"

#include "deck/CardDesigns.h"
#include "deck/CardPixmaps.h"
#include "deck/DesignFixtures.h"
#include "deck/DesignPixmaps.h"
#include "deck/PictureSet.h"
#include "deck/RsvgCompare.h"
#include "draw/DrawTally.h"
#include "menus/ChosenDesign.h"
#include "tally/DeckGrid.h"
#include "tally/TallyPanel.h"
#include "tally/TallyWindow.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

using namespace drawtest;
using namespace designfixtures;

namespace {

const QColor DeckBack(QStringLiteral("#2040c0"));

struct DesignWorld : World {
    DesignWorld()
    {
        menus::forgetChosenDesign();
        deck::forgetDesignFailures();
        deck::clearScalableCache();
    }
    ~DesignWorld() { menus::forgetChosenDesign(); }
    DataFolders folders;
};

QColor pixelOf(QWidget *widget, QPoint at)
{
    return widget->grab().toImage().pixelColor(at);
}

QColor centreOf(QWidget *widget)
{
    return pixelOf(widget, widget->rect().center());
}

void showFullScreenView(draw::DrawWindow &form)
{
    click(&form, "PushButton5");
    QTRY_VERIFY(form.fullScreenView().isVisible());
    QTRY_COMPARE(form.fullScreenView().size(), form.fullScreenView().screen()->geometry().size());
    QTRY_VERIFY(cards::state().fullScreenLaidOut);
}

void press(QWidget *window, int key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window, &down);
}

// Pixels where `expected` is opaque that the shown picture does not match.
int mismatches(const QImage &shown, const QImage &expected)
{
    if (shown.size() != expected.size())
        return -1;
    int wrong = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb e = expected.pixel(x, y);
            if (qAlpha(e) == 255 && (shown.pixel(x, y) & 0xffffff) != (e & 0xffffff))
                ++wrong;
        }
    return wrong;
}

// The centre of a drawn cell's face, above the plate with its figure.
QPoint faceSpot(const tally::DeckCell *cell)
{
    const QRect face = cell->faceRect();
    return QPoint(face.center().x(), face.top() + face.height() / 4);
}

} // namespace

class TestDesignViews : public QObject {
    Q_OBJECT

private slots:
    void theFullScreenViewFillsInTheDesignsFaces()
    {
        DesignWorld world;
        makeDeck(world.folders.homeDecks(), QStringLiteral("svg-blue"), indexText(QStringLiteral("Blue"), QStringLiteral("b.svgz")),
                 QStringLiteral("b.svgz"), gzip(syntheticSvg()));
        QList<int> picks;
        for (int card = 51; card >= 12; --card)
            picks << card;
        testsupport::ScriptedPicks scripted(picks);
        auto form = openDrawWindow(world);
        clickDraw(*form, 40);
        QVERIFY(menus::chooseCardDesign(QStringLiteral("svg-blue")));
        showFullScreenView(*form);
        draw::FullScreenView &view = form->fullScreenView();
        // Every face lands, and the view paints it without being asked.
        const QList<deck::CardImage *> cards = row(&view);
        QCOMPARE(cards.size(), 39);
        for (deck::CardImage *card : cards)
            QVERIFY(card->showWhenReady());
        QTRY_COMPARE(centreOf(image(&view, "Image1")), QColor(faceColour(51)));
        for (int i = 0; i < cards.size(); ++i)
            QTRY_COMPARE(centreOf(cards[i]), QColor(faceColour(50 - i)));
        QCOMPARE(centreOf(image(&view, "Image2")), DeckBack);
        // All of the view's faces are in the cache: nothing is left to prepare.
        const QSize size = deck::devicePixelSize(image(&view, "Image2")->size(), view.devicePixelRatioF());
        QTRY_VERIFY(deck::warmDesignFaces(deck::activeDesign(), size).isFinished());
        QVERIFY(world.platform.messages.shown.isEmpty());
    }

    void theTallysCardGridShowsTheDesign()
    {
        DesignWorld world;
        makeDeck(world.folders.homeDecks(), QStringLiteral("svg-blue"), indexText(QStringLiteral("Blue"), QStringLiteral("b.svgz")),
                 QStringLiteral("b.svgz"), gzip(syntheticSvg()));
        testsupport::ScriptedPicks scripted({7, 20, 50});
        auto form = openDrawWindow(world);
        clickDraw(*form, 3);
        deck::clearScalableCache();
        tally::TallyWindow &window = form->drawTally().showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *grid = control<tally::DeckGrid>(&window, "deck");
        tally::DeckCell *queen = grid->cell(50);
        QCOMPARE(queen->text(), QStringLiteral("3"));
        // The built-in faces are the pictures reduced: no source is read.
        const QImage reduced = deck::PictureSet::instance().card(50).convertToFormat(QImage::Format_ARGB32).scaled(
            queen->faceRect().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(pixelOf(queen, faceSpot(queen)), reduced.pixelColor(faceSpot(queen) - queen->faceRect().topLeft()));
        QCOMPARE(deck::scalableCacheStats().renders, 0);
        QVERIFY(pixelOf(queen, faceSpot(queen)) != QColor(faceColour(50)));
        QVERIFY(menus::chooseCardDesign(QStringLiteral("svg-blue")));
        for (int card : {7, 20, 50})
            QCOMPARE(pixelOf(grid->cell(card), faceSpot(grid->cell(card))), QColor(faceColour(card)));
        // A card not drawn shows no face.
        QVERIFY(pixelOf(grid->cell(0), faceSpot(grid->cell(0))) != QColor(faceColour(0)));
        // The figure stays on its plate, over the face.
        QVERIFY(faceSpot(queen).y() < queen->height() - queen->fontMetrics().height());

        // Back to the built-in set: the grid follows.
        QVERIFY(menus::chooseCardDesign(QStringLiteral("dealwright")));
        QVERIFY(pixelOf(grid->cell(20), faceSpot(grid->cell(20))) != QColor(faceColour(20)));
        QVERIFY(menus::chooseCardDesign(QStringLiteral("svg-blue")));

        // Over the full-screen view the grid stays low, with its figures
        // alone: the cards themselves are shown above it.
        showFullScreenView(*form);
        press(&form->fullScreenView(), Qt::Key_T);
        QTRY_VERIFY(form->fullScreenView().tallyShown());
        auto *overlay = control<tally::DeckGrid>(form->fullScreenView().tallyOverlay(), "deck");
        QCOMPARE(overlay->cell(20)->text(), QStringLiteral("2"));
        QVERIFY(overlay->cell(20)->height() < 2 * overlay->cell(20)->fontMetrics().height());
        QVERIFY(pixelOf(overlay->cell(20), faceSpot(overlay->cell(20))) != QColor(faceColour(20)));
    }

    void anInstalledDeckAsItDrawsItself()
    {
        if (!QDir(QStringLiteral("/usr/share/carddecks/svg-nicu-white")).exists())
            QSKIP("the card decks are not installed (Debian package kdegames-card-data-kf5)");
        DesignWorld world;
        qputenv("XDG_DATA_DIRS", "/usr/share");
        testsupport::ScriptedPicks scripted({50});
        auto form = openDrawWindow(world);
        clickDraw(*form);
        deck::CardImage *shown = image(form.get(), "Image1");
        const QImage builtIn = onWhiteAtCardSize(shown->grab().toImage());
        QVERIFY(menus::chooseCardDesign(QStringLiteral("svg-nicu-white")));
        const std::shared_ptr<const deck::CardDesign> design = deck::activeDesign();
        QVERIFY(design);
        const QString queen = deck::faceElementId(50);
        const qreal ratio = form->devicePixelRatioF();
        QCOMPARE(mismatches(shown->grab().toImage(), deck::designPixmap(*design, queen, shown->size(), ratio).toImage()), 0);
        const double fromBuiltIn = meanDifference(onWhiteAtCardSize(shown->grab().toImage()), builtIn);
        QVERIFY2(fromBuiltIn > 25, qPrintable(QString::number(fromBuiltIn)));

        showFullScreenView(*form);
        deck::CardImage *large = image(&form->fullScreenView(), "Image1");
        const QImage expected = deck::designPixmap(*design, queen, large->size(), ratio).toImage();
        QTRY_COMPARE(mismatches(large->grab().toImage(), expected), 0);
        deck::setActiveDesign(nullptr);
        const QImage builtInLarge = deck::cardPixmap(shown->picture(), large->size(), ratio).toImage();
        deck::setActiveDesign(design);
        QVERIFY(mismatches(large->grab().toImage(), builtInLarge) > expected.width() * expected.height() / 4);
    }
};

QTEST_MAIN(TestDesignViews)
#include "test_design_views.moc"
