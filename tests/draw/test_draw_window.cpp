// The draw window through its real widgets: opening with and without stored
// settings, the modes, drawing a whole deck in both windows, resets.
#include "DrawTestSupport.h"

#include "deck/PictureSet.h"
#include "shell/Pointer.h"
#include "settings/SettingsStore.h"
#include "shell/ShellHelpers.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>

using namespace drawtest;
namespace keys = settings::keys;

namespace {

QString history(int position)
{
    return deck::cardName(cards::state().drawnCards->at(std::size_t(position)));
}

QRadioButton *option(QWidget *form, int n)
{
    return control<QRadioButton>(form, n == 1 ? "Option1" : "Option2");
}

} // namespace

class TestDrawWindow : public QObject {
    Q_OBJECT

private slots:
    void controlsHaveTheirNamesCaptionsAndPlaces()
    {
        World world;
        auto form = openDrawWindow(world);
        QCOMPARE(form->windowTitle(), QStringLiteral("Dealwright"));
        // The menu bar across the top; the designed client area below it,
        // and the window larger by the bar.
        auto *bar = control<QMenuBar>(form.get(), "menuBar");
        QWidget *body = control(form.get(), "body");
        QVERIFY(bar->isVisible());
        QVERIFY(bar->height() > 0);
        QCOMPARE(bar->geometry(), QRect(0, 0, 8280 / 15, bar->height()));
        QCOMPARE(body->geometry(), QRect(0, bar->height(), 8280 / 15, 6960 / 15));
        QCOMPARE(form->size(), QSize(8280 / 15, 6960 / 15 + bar->height()));
        struct Expected {
            const char *name;
            QString caption;
            shell::TwipsRect place;
        };
        const Expected table[] = {
            {"PushButton4", "< Back", {120, 120, 8040, 375}},
            {"Frame3", "Generate Option", {120, 600, 8040, 975}},
            {"Option1", "Show next card and do not put back in deck", {240, 270, 7680, 285}},
            {"Option2", "Show next card and then put it back in deck to be possibly selected again", {240, 600, 7680, 285}},
            {"Frame2", "Card Area", {120, 1650, 8040, 2400}},
            {"PushButton2", "Show Next Card", {120, 4140, 3960, 375}},
            {"PushButton1", "Reset", {4200, 4140, 3960, 375}},
            {"PushButton5", "Show Cards On Full Screen", {120, 4950, 8040, 375}},
            {"Frame4", "Save Results To This Folder", {120, 5415, 8040, 855}},
            {"PushButton9", "...", {7440, 315, 480, 375}},
            {"PushButton3", "Save Card As Image", {120, 6390, 8040, 375}},
        };
        for (const Expected &e : table) {
            QWidget *w = control(form.get(), e.name);
            QString caption;
            if (auto *b = qobject_cast<QAbstractButton *>(w))
                caption = b->text();
            else if (auto *g = qobject_cast<QGroupBox *>(w))
                caption = g->title();
            QCOMPARE(caption, e.caption);
            const shell::TwipsRect r = twips(w);
            QCOMPARE((QList<int>{r.left, r.top, r.width, r.height}),
                     (QList<int>{e.place.left, e.place.top, e.place.width, e.place.height}));
            QCOMPARE(w->geometry(), e.place.toPixels(15));
            // Measured in the window: the designed place in the client area
            // (its frame's place added for the controls inside a frame),
            // below the bar.
            QWidget *container = w->parentWidget();
            const QRect inArea = container == body ? e.place.toPixels(15)
                                                   : e.place.toPixels(15).translated(container->geometry().topLeft());
            QVERIFY2(container == body || container->parentWidget() == body, e.name);
            QCOMPARE(QRect(w->mapTo(form.get(), QPoint(0, 0)), w->size()), inArea.translated(0, bar->height()));
        }
        // The card display, in the frame "Card Area".
        QCOMPARE(image(form.get(), "Image2")->parentWidget()->objectName(), QStringLiteral("Frame2"));
        QCOMPARE(twips(image(form.get(), "Image2")).left, 480);
        QCOMPARE(twips(image(form.get(), "Image1")).left, 1800);
        QCOMPARE(twips(row(form.get())[0]).left, 1995);
        QCOMPARE(twips(row(form.get())[0]).top, 300);
        QCOMPARE(control<QLineEdit>(form.get(), "Text2")->parentWidget()->objectName(), QStringLiteral("Frame4"));
    }

    void opensWithoutStoredSettings()
    {
        World world;
        auto form = openDrawWindow(world);
        QVERIFY(option(form.get(), 1)->isChecked());
        QVERIFY(!option(form.get(), 2)->isChecked());
        QCOMPARE(control<QLineEdit>(form.get(), "Text2")->text(), shell::desktopFolder());
        // The load's own changes stored their values.
        QCOMPARE(settings::read(keys::Option1, "?"), QStringLiteral("True"));
        QCOMPARE(settings::read(keys::Option2, "?"), QStringLiteral("False"));
        QCOMPARE(settings::read(keys::Text2, "?"), shell::desktopFolder());
        // The pile shows the back, no card, count 0; both windows.
        for (QWidget *window : {static_cast<QWidget *>(form.get()), static_cast<QWidget *>(&form->fullScreenView())}) {
            QCOMPARE(image(window, "Image2")->accessibleName(), QStringLiteral("Deck"));
            QCOMPARE(image(window, "Image2")->accessibleDescription(), QStringLiteral("Card back"));
            QVERIFY(!image(window, "Image1")->hasPicture());
            QCOMPARE(image(window, "Image1")->accessibleName(), QString());
            QCOMPARE(countText(window), QStringLiteral("Cards drawn: 0"));
            QCOMPARE(row(window).size(), 1);
        }
        QVERIFY(row(form.get())[0]->isHidden());
        QVERIFY(form->fullScreenView().isLoaded());
        QVERIFY(form->fullScreenView().isHidden());
        QVERIFY(world.platform.messages.shown.isEmpty());
    }

    void opensWithStoredSettings()
    {
        World world;
        settings::write(keys::Option1, "False");
        settings::write(keys::Option2, "True");
        settings::write(keys::Text2, "");
        {
            auto form = openDrawWindow(world);
            QVERIFY(!option(form.get(), 1)->isChecked());
            QVERIFY(option(form.get(), 2)->isChecked());
            QCOMPARE(control<QLineEdit>(form.get(), "Text2")->text(), QString());   // empty is not missing
            QCOMPARE(countText(form.get()), QStringLiteral("Cards drawn: 0"));
        }
        // Neither stored: neither selected, and a draw shows nothing.
        settings::write(keys::Option2, "False");
        cards::state() = cards::DrawState{};
        {
            auto form = openDrawWindow(world);
            QVERIFY(!option(form.get(), 1)->isChecked());
            QVERIFY(!option(form.get(), 2)->isChecked());
            clickDraw(*form, 3);
            QCOMPARE(cards::state().drawCount, 0);
            QCOMPARE(countText(form.get()), QStringLiteral("Cards drawn: 0"));
            QVERIFY(!image(form.get(), "Image1")->hasPicture());
            QCOMPARE(form->pointer().style(), 0);
            QVERIFY(world.platform.messages.shown.isEmpty());
        }
        // A stored value that is no truth value fails the load's step 110,
        // which is reported; the load goes on.
        settings::write(keys::Option1, "maybe");
        {
            auto form = openDrawWindow(world);
            QCOMPARE(world.platform.messages.shown.size(), 1);
            QCOMPARE(world.platform.messages.reports(),
                     QList<shell::ReportOrigin>({shell::ReportOrigin{shell::Location::DrawWindowLoad, 110}}));
            QCOMPARE(countText(form.get()), QStringLiteral("Cards drawn: 0"));
        }
    }

    void choosingTheOtherModeResets()
    {
        World world;
        auto form = openDrawWindow(world);
        clickDraw(*form, 3);
        QCOMPARE(countText(form.get()), QStringLiteral("Cards drawn: 3"));
        QTest::mouseClick(option(form.get(), 2), Qt::LeftButton);
        QVERIFY(option(form.get(), 2)->isChecked());
        QCOMPARE(countText(form.get()), QStringLiteral("Cards drawn: 0"));
        QCOMPARE(countText(&form->fullScreenView()), QStringLiteral("Cards drawn: 0"));
        QVERIFY(!image(form.get(), "Image1")->hasPicture());
        QCOMPARE(row(form.get()).size(), 1);
        QCOMPARE(row(&form->fullScreenView()).size(), 1);
        QCOMPARE(settings::read(keys::Option1, "?"), QStringLiteral("False"));
        QCOMPARE(settings::read(keys::Option2, "?"), QStringLiteral("True"));

        // A click on the option already selected changes nothing.
        clickDraw(*form, 2);
        QTest::mouseClick(option(form.get(), 2), Qt::LeftButton);
        QCOMPARE(cards::state().drawCount, 2);

        // The keyboard selects the other option, and that resets too.
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        option(form.get(), 2)->setFocus();
        QTest::keyClick(option(form.get(), 2), Qt::Key_Up);
        QVERIFY(option(form.get(), 1)->isChecked());
        QCOMPARE(cards::state().drawCount, 0);
        QCOMPARE(settings::read(keys::Option1, "?"), QStringLiteral("True"));

        // So does a selection from code.
        clickDraw(*form, 2);
        option(form.get(), 2)->setChecked(true);
        QCOMPARE(cards::state().drawCount, 0);
        QCOMPARE(settings::read(keys::Option2, "?"), QStringLiteral("True"));
    }

    void drawsAWholeDeckIntoBothWindows()
    {
        World world;
        auto form = openDrawWindow(world);
        draw::FullScreenView &fullScreenView = form->fullScreenView();
        auto *frame = control(form.get(), "Frame2");

        clickDraw(*form);
        for (QWidget *window : {static_cast<QWidget *>(form.get()), static_cast<QWidget *>(&fullScreenView)}) {
            QCOMPARE(image(window, "Image1")->accessibleName(), history(1));
            QCOMPARE(image(window, "Image2")->accessibleDescription(), QStringLiteral("Card back"));
            QCOMPARE(countText(window), QStringLiteral("Cards drawn: 1"));
        }
        // The draw window's images take their picture's size.
        QCOMPARE(image(form.get(), "Image1")->size(), QSize(71, 96));
        QCOMPARE(twips(image(form.get(), "Image1")).width, 1065);
        QVERIFY(row(form.get())[0]->isHidden());

        clickDraw(*form);
        QVERIFY(!row(form.get())[0]->isHidden());
        QCOMPARE(row(form.get())[0]->accessibleName(), history(2));
        QCOMPARE(row(&fullScreenView)[0]->accessibleName(), history(2));
        QCOMPARE(twips(row(form.get())[0]).left, 1995);

        clickDraw(*form, 25);   // 27 cards
        QList<deck::CardImage *> elements = row(form.get());
        QCOMPARE(elements.size(), 26);
        QCOMPARE(twips(elements[24]).left, 1995 + 24 * 200);
        QCOMPARE(twips(elements[25]).left, twips(image(form.get(), "Image1")).left);
        QCOMPARE(twips(elements[25]).top, twips(elements[0]).top + 500);
        QCOMPARE(elements[25]->geometry().topLeft(), QPoint(1800 / 15, 800 / 15));
        clickDraw(*form);   // 28
        elements = row(form.get());
        QCOMPARE(twips(elements[26]).left, 2000);
        QCOMPARE(twips(elements[26]).top, 800);
        // The full-screen view's 14th and 27th cards open rows at its Image1's left.
        const QList<deck::CardImage *> viewerRow = row(&fullScreenView);
        QCOMPARE(twips(viewerRow[12]).left, twips(image(&fullScreenView, "Image1")).left);
        QCOMPARE(twips(viewerRow[12]).top, twips(viewerRow[11]).top + twips(viewerRow[11]).height + 100);
        QCOMPARE(twips(viewerRow[25]).left, twips(image(&fullScreenView, "Image1")).left);

        clickDraw(*form, 24);   // 52
        elements = row(form.get());
        QCOMPARE(elements.size(), 51);
        QCOMPARE(row(&fullScreenView).size(), 51);
        // Each new card lies on top of the ones before it.
        const QObjectList stacking = frame->children();
        for (int i = 1; i < elements.size(); ++i) {
            QVERIFY(stacking.indexOf(elements[i]) > stacking.indexOf(elements[i - 1]));
            QVERIFY(!elements[i]->isHidden());
            QCOMPARE(elements[i]->accessibleName(), history(i + 2));
            QCOMPARE(row(&fullScreenView)[i]->accessibleName(), history(i + 2));
        }
        QSet<QString> names;
        for (int i = 1; i <= 52; ++i)
            names.insert(history(i));
        QCOMPARE(names.size(), 52);
        for (QWidget *window : {static_cast<QWidget *>(form.get()), static_cast<QWidget *>(&fullScreenView)}) {
            QVERIFY(!image(window, "Image2")->hasPicture());
            QCOMPARE(image(window, "Image2")->accessibleName(), QStringLiteral("Deck"));
            QCOMPARE(image(window, "Image2")->accessibleDescription(), QString());
            QCOMPARE(countText(window), QStringLiteral("Cards drawn: 52"));
        }

        // The 53rd: the message, no change, the default pointer again.
        world.platform.messages.onShow = [&](const shell::Message &) {
            QCOMPARE(form->pointer().style(), int(shell::PointerHourglass));
        };
        clickDraw(*form);
        QCOMPARE(world.platform.messages.texts(), QStringList{"No more cards, please reset."});
        QCOMPARE(form->pointer().style(), 0);
        QCOMPARE(cards::state().drawCount, 52);
        QCOMPARE(row(form.get()).size(), 51);
        QCOMPARE(countText(&fullScreenView), QStringLiteral("Cards drawn: 52"));
    }

    void putBackPassesFiftyTwoWithEmptyRows()
    {
        World world;
        auto form = openDrawWindow(world);
        QTest::mouseClick(option(form.get(), 2), Qt::LeftButton);
        clickDraw(*form, 60);
        QCOMPARE(countText(form.get()), QStringLiteral("Cards drawn: 60"));
        QCOMPARE(countText(&form->fullScreenView()), QStringLiteral("Cards drawn: 60"));
        QVERIFY(world.platform.messages.shown.isEmpty());
        QSet<int> distinct;
        for (int i = 1; i <= 60; ++i)
            distinct.insert(cards::state().drawnCards->at(std::size_t(i)));
        QVERIFY(distinct.size() < 60);   // 60 draws from 52 cards repeat
        QCOMPARE(image(form.get(), "Image1")->accessibleName(), history(60));
        QCOMPARE(image(&form->fullScreenView(), "Image1")->accessibleName(), history(60));
        QCOMPARE(image(form.get(), "Image2")->accessibleDescription(), QStringLiteral("Card back"));
        QCOMPARE(row(form.get()).size(), 1);
        QVERIFY(row(form.get())[0]->isHidden());
        QCOMPARE(row(&form->fullScreenView()).size(), 1);
        QVERIFY(!row(&form->fullScreenView())[0]->hasPicture());
    }

    void resetTwiceLeavesOneEmptyRowElement()
    {
        World world;
        auto form = openDrawWindow(world);
        clickDraw(*form, 20);
        auto *reset = control<QPushButton>(form.get(), "PushButton1");
        QTest::mouseClick(reset, Qt::LeftButton);
        QTest::mouseClick(reset, Qt::LeftButton);
        QCOMPARE(*cards::state().drawnCards, std::vector<std::int16_t>{99});
        QVERIFY(!cards::state().fullScreenLaidOut);
        const QList<deck::CardImage *> drawRow = row(form.get());
        const QList<deck::CardImage *> viewerRow = row(&form->fullScreenView());
        QCOMPARE(drawRow.size(), 1);
        QCOMPARE(viewerRow.size(), 1);
        QVERIFY(drawRow[0]->isHidden() && !drawRow[0]->hasPicture());
        QVERIFY(!viewerRow[0]->isHidden() && !viewerRow[0]->hasPicture());
        for (QWidget *window : {static_cast<QWidget *>(form.get()), static_cast<QWidget *>(&form->fullScreenView())}) {
            QCOMPARE(countText(window), QStringLiteral("Cards drawn: 0"));
            QCOMPARE(image(window, "Image2")->accessibleDescription(), QStringLiteral("Card back"));
            QVERIFY(!image(window, "Image1")->hasPicture());
        }
        clickDraw(*form);
        QCOMPARE(image(form.get(), "Image1")->accessibleName(), history(1));
    }

};

QTEST_MAIN(TestDrawWindow)
#include "test_draw_window.moc"
