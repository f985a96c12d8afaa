// View > Card Design in the draw window and the batch window, through the
// real widgets: the built-in set first and the installed decks by their
// names in the user's language; a choice shown at once by the open windows
// and stored; kept across a restart; a deck that fails its check when
// chosen; a stored deck that is no longer installed; and the 71 x 96 files
// both windows save, the built-in pictures whatever the design.
#include "batch/Bitmap.h"
#include "batch/BatchWindow.h"
#include "cards/DrawState.h"
#include "deck/CardDesigns.h"
#include "deck/CardImage.h"
#include "deck/CardPixmaps.h"
#include "deck/DesignFixtures.h"
#include "deck/DesignPixmaps.h"
#include "deck/PictureSet.h"
#include "deck/WarningLog.h"
#include "draw/DrawWindow.h"
#include "menus/ChosenDesign.h"
#include "settings/SettingsStore.h"
#include "support/Controls.h"
#include "support/TestPlatform.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using namespace designfixtures;
using testsupport::control;

namespace {

struct World {
    World()
    {
        cards::state() = cards::DrawState{};
        menus::forgetChosenDesign();
        deck::forgetDesignFailures();
        deck::clearScalableCache();
    }
    ~World() { menus::forgetChosenDesign(); }
    DataFolders folders;
    testsupport::TempConfig config;
    testsupport::TestPlatform platform;
    testsupport::RecordingNavigator navigator;
};

// A deck of plain rectangles (DesignFixtures.h) in the user's data folder,
// named in English and German, with a comment and a preview picture.
void installDeck(const World &world, const QString &folder, const QString &name, const QString &german,
                 const SyntheticDeck &shape = SyntheticDeck())
{
    const QString extra = QStringLiteral("Name[de]=%1\nComment=%2 cards\nComment[de]=Karten: %1\n").arg(german, name);
    const QString directory = makeDeck(world.folders.homeDecks(), folder, indexText(name, QStringLiteral("d.svgz"), extra),
                                       QStringLiteral("d.svgz"), gzip(syntheticSvg(shape)));
    QImage preview(20, 27, QImage::Format_RGB32);
    preview.fill(Qt::darkGreen);
    preview.save(directory + QStringLiteral("/11.png"));
}

QColor centreOf(QWidget *widget)
{
    const QImage shown = widget->grab().toImage();
    return shown.pixelColor(shown.width() / 2, shown.height() / 2);
}

QMenu *openDesignMenu(QWidget *window)
{
    auto *menu = control<QMenu>(window, "designMenu");
    menu->popup(window->mapToGlobal(QPoint(20, 20)));
    if (!QTest::qWaitForWindowExposed(menu))
        qWarning("the menu did not show");
    return menu;
}

QAction *entryFor(QMenu *menu, const QString &folder)
{
    return menu->findChild<QAction *>(QStringLiteral("design:") + folder);
}

// Opens the menu and chooses the entry with Return, as a user does.
void choose(QWidget *window, const QString &folder)
{
    QMenu *menu = openDesignMenu(window);
    QAction *entry = entryFor(menu, folder);
    QVERIFY2(entry, qPrintable(folder));
    menu->setActiveAction(entry);
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_VERIFY(!menu->isVisible());
}

std::unique_ptr<draw::DrawWindow> openDrawWindow(World &world)
{
    auto window = std::make_unique<draw::DrawWindow>(world.navigator);
    window->load();
    window->show();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the draw window is not active");
    return window;
}

QString storedDesign()
{
    return settings::find(settings::keys::CardDesign).value_or(QStringLiteral("<none>"));
}

const QColor DeckBack(QStringLiteral("#2040c0"));

} // namespace

class TestDesignMenu : public QObject {
    Q_OBJECT

private slots:
    void listsTheBuiltInSetFirstThenTheDecksInTheUsersLanguage()
    {
        World world;
        installDeck(world, QStringLiteral("svg-zeta"), QStringLiteral("Amber"), QStringLiteral("Bernstein"));
        installDeck(world, QStringLiteral("svg-alpha"), QStringLiteral("Zinc"), QStringLiteral("Zink"));
        // Broken: left out of the list.
        makeDeck(world.folders.homeDecks(), QStringLiteral("svg-broken"), QByteArray(), QString(), QByteArray());
        const QLocale before;
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        auto form = openDrawWindow(world);
        // Nothing is looked up before the menu opens.
        QVERIFY(!control<QMenu>(form.get(), "designMenu")->findChild<QAction *>(QStringLiteral("design:svg-zeta")));
        QMenu *menu = openDesignMenu(form.get());
        QLocale::setDefault(before);

        QStringList texts;
        for (QAction *entry : menu->actions())
            texts << entry->text();
        QCOMPARE(texts, (QStringList{"Dealwright", "Bernstein", "Zink"}));
        QAction *builtIn = entryFor(menu, QStringLiteral("dealwright"));
        QVERIFY(builtIn->isChecked());
        QCOMPARE(builtIn->toolTip(), deck::builtInDesignComment());
        QAction *amber = entryFor(menu, QStringLiteral("svg-zeta"));
        QVERIFY(!amber->isChecked());
        QCOMPARE(amber->toolTip(), QStringLiteral("Karten: Bernstein"));
        QCOMPARE(amber->icon().pixmap(20, 27).toImage().pixelColor(10, 13), QColor(Qt::darkGreen));
        QVERIFY(menu->toolTipsVisible());
        menu->hide();
        // The View menu holds it beside the draw window's own entries.
        QCOMPARE(form->viewMenu()->actions().last()->menu(), control<QMenu>(form.get(), "designMenu"));
    }

    void aChoiceShowsAtOnceIsStoredAndSurvivesARestart()
    {
        World world;
        installDeck(world, QStringLiteral("svg-blue"), QStringLiteral("Blue"), QStringLiteral("Blau"));
        testsupport::ScriptedPicks picks({50, 3});
        auto form = openDrawWindow(world);
        QTest::mouseClick(control<QPushButton>(form.get(), "PushButton2"), Qt::LeftButton);
        deck::CardImage *pile = control<deck::CardImage>(form.get(), "Image2");
        deck::CardImage *card = control<deck::CardImage>(form.get(), "Image1");
        const QColor builtInCard = centreOf(card);
        QVERIFY(centreOf(pile) != DeckBack);

        // The open window paints again by itself, in the design.
        bool painted = false;
        struct Probe : QObject {
            bool *painted;
            bool eventFilter(QObject *, QEvent *event) override
            {
                *painted = *painted || event->type() == QEvent::Paint;
                return false;
            }
        } probe;
        probe.painted = &painted;
        pile->installEventFilter(&probe);
        choose(form.get(), QStringLiteral("svg-blue"));
        QTRY_VERIFY(painted);
        QCOMPARE(storedDesign(), QStringLiteral("svg-blue"));
        QCOMPARE(menus::shownDesignFolder(), QStringLiteral("svg-blue"));
        QCOMPARE(centreOf(card), QColor(faceColour(50)));
        QVERIFY(builtInCard != QColor(faceColour(50)));
        QCOMPARE(centreOf(pile), DeckBack);
        QTest::mouseClick(control<QPushButton>(form.get(), "PushButton2"), Qt::LeftButton);
        QCOMPARE(centreOf(control<deck::CardImage>(form.get(), "Image1")), QColor(faceColour(50)));
        QVERIFY(entryFor(openDesignMenu(form.get()), QStringLiteral("svg-blue"))->isChecked());
        control<QMenu>(form.get(), "designMenu")->hide();
        // "Save Card As Image" writes the built-in picture all the same.
        QTemporaryDir out;
        control<QLineEdit>(form.get(), "Text2")->setText(out.path() + QLatin1Char('/'));
        QTest::mouseClick(control<QPushButton>(form.get(), "PushButton3"), Qt::LeftButton);
        QFile saved(out.filePath(QStringLiteral("Card 2.bmp")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), batch::bitmapBytes(deck::PictureSet::instance().card(3)));
        world.platform.messages.clear();
        form.reset();

        // A new start: the first card window reads the store.
        menus::forgetChosenDesign();
        QVERIFY(!deck::activeDesign());
        auto again = openDrawWindow(world);
        QCOMPARE(centreOf(control<deck::CardImage>(again.get(), "Image2")), DeckBack);
        QCOMPARE(menus::shownDesignFolder(), QStringLiteral("svg-blue"));

        // Back to the built-in set: stored as empty.
        choose(again.get(), QStringLiteral("dealwright"));
        QCOMPARE(storedDesign(), QString());
        QVERIFY(!deck::activeDesign());
        QVERIFY(centreOf(control<deck::CardImage>(again.get(), "Image2")) != DeckBack);
        QVERIFY(world.platform.messages.shown.isEmpty());
    }

    void aDeckThatFailsItsCheckWhenChosenChangesNothing()
    {
        World world;
        installDeck(world, QStringLiteral("svg-blue"), QStringLiteral("Blue"), QStringLiteral("Blau"));
        SyntheticDeck lacking;
        lacking.leaveOut << QStringLiteral("7_club");
        installDeck(world, QStringLiteral("svg-lacking"), QStringLiteral("Lacking"), QStringLiteral("Fehlend"), lacking);
        WarningLog log;
        auto form = openDrawWindow(world);
        choose(form.get(), QStringLiteral("svg-blue"));
        // The index and a glance at the SVG file are fine: it is listed.
        choose(form.get(), QStringLiteral("svg-lacking"));
        QCOMPARE(world.platform.messages.shown.size(), 1);
        const shell::Message said = world.platform.messages.shown.first();
        QCOMPARE(said.icon, shell::MessageIcon::Exclamation);
        QVERIFY(!said.origin);
        QVERIFY2(said.text.contains(QStringLiteral("svg-lacking")), qPrintable(said.text));
        QVERIFY(said.text.contains(QStringLiteral("7_club")));
        QCOMPARE(storedDesign(), QStringLiteral("svg-blue"));
        QCOMPARE(menus::shownDesignFolder(), QStringLiteral("svg-blue"));
        QCOMPARE(centreOf(control<deck::CardImage>(form.get(), "Image2")), DeckBack);
        QCOMPARE(log.linesWith(QStringLiteral("svg-lacking")).size(), 1);
        // Left out from then on.
        QMenu *menu = openDesignMenu(form.get());
        QVERIFY(!entryFor(menu, QStringLiteral("svg-lacking")));
        QVERIFY(entryFor(menu, QStringLiteral("svg-blue"))->isChecked());
        menu->hide();
    }

    void aStoredDeckNoLongerInstalledGivesTheBuiltInSetAndStaysStored()
    {
        World world;
        settings::write(settings::keys::CardDesign, QStringLiteral("svg-gone"));
        WarningLog log;
        {
            auto form = openDrawWindow(world);
            QVERIFY(!deck::activeDesign());
            QVERIFY(centreOf(control<deck::CardImage>(form.get(), "Image2")) != DeckBack);
            const QStringList lines = log.linesWith(QStringLiteral("svg-gone"));
            QCOMPARE(lines.size(), 1);
            QVERIFY(lines.first().startsWith(QStringLiteral("dealwright: ")));
            QCOMPARE(storedDesign(), QStringLiteral("svg-gone"));
            QVERIFY(entryFor(openDesignMenu(form.get()), QStringLiteral("dealwright"))->isChecked());
            control<QMenu>(form.get(), "designMenu")->hide();
            QCOMPARE(storedDesign(), QStringLiteral("svg-gone"));
        }
        // Installed again: back at the next start.
        installDeck(world, QStringLiteral("svg-gone"), QStringLiteral("Back"), QStringLiteral("Wieder"));
        menus::forgetChosenDesign();
        auto form = openDrawWindow(world);
        QCOMPARE(menus::shownDesignFolder(), QStringLiteral("svg-gone"));
        QCOMPARE(centreOf(control<deck::CardImage>(form.get(), "Image2")), DeckBack);
        QCOMPARE(log.linesWith(QStringLiteral("svg-gone")).size(), 1);
    }

    void theBatchWindowsMenuPreviewAndFiles()
    {
        World world;
        installDeck(world, QStringLiteral("svg-blue"), QStringLiteral("Blue"), QStringLiteral("Blau"));
        QTemporaryDir out;
        settings::write(settings::keys::Text2, out.path() + QLatin1Char('/'));
        batch::BatchWindow form(world.navigator);
        form.load();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        // The View menu is in the bar now: it holds the card design.
        QVERIFY(form.viewMenu()->menuAction()->isVisible());
        control<QLineEdit>(&form, "Text1")->setText(QStringLiteral("6"));
        QTest::mouseClick(control<QPushButton>(&form, "PushButton2"), Qt::LeftButton);
        QTRY_VERIFY(!form.generating());
        auto *list = control<QTreeWidget>(&form, "ListView1");
        QCOMPARE(list->topLevelItemCount(), 6);
        QTreeWidgetItem *first = list->topLevelItem(0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(first).center());
        const int card = first->data(0, batch::BatchWindow::CardRole).toInt();
        auto *preview = control<deck::CardImage>(&form, "Image1");
        QVERIFY(centreOf(preview) != QColor(faceColour(card)));

        choose(&form, QStringLiteral("svg-blue"));
        QCOMPARE(storedDesign(), QStringLiteral("svg-blue"));
        QCOMPARE(centreOf(preview), QColor(faceColour(card)));

        // The saved bitmaps are the built-in 71 x 96 pictures all the same.
        QTest::mouseClick(control<QPushButton>(&form, "PushButton1"), Qt::LeftButton);
        QCOMPARE(world.platform.messages.texts(), QStringList{QStringLiteral("Done.")});
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const int saved = list->topLevelItem(i)->data(0, batch::BatchWindow::CardRole).toInt();
            QFile file(out.filePath(QStringLiteral("Card %1.bmp").arg(saved + 1)));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), batch::bitmapBytes(deck::PictureSet::instance().card(saved)));
        }
    }
};

QTEST_MAIN(TestDesignMenu)
#include "test_design_menu.moc"
