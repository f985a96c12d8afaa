// The full-screen view on a 1920 x 1080 and a 3840 x 2160 screen: T shows
// the tally over the lower part of the view and hides it again, its text a
// fortieth of the screen high and its figures read by screen readers, the
// cards where they were; the two labels as designed at 1080 pixels and
// twice as large at 2160, with the rows of cards between them.
#include "DrawTestSupport.h"

#include "draw/DrawTally.h"
#include "tally/TallyPanel.h"
#include "tally/TallyTestSupport.h"

#include <QFontInfo>
#include <QRadioButton>
#include <QScreen>

using namespace drawtest;

namespace {

QScreen *screenOfHeight(int height)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->geometry().height() == height)
            return screen;
    }
    return nullptr;
}

// The draw window moved to `screen`, then "Show Cards On Full Screen".
void showFullScreenViewOn(draw::DrawWindow &form, QScreen *screen)
{
    form.move(screen->geometry().topLeft() + QPoint(20, 20));
    QTRY_COMPARE(form.screen(), screen);
    QTest::mouseClick(control<QPushButton>(&form, "PushButton5"), Qt::LeftButton);
    draw::FullScreenView &view = form.fullScreenView();
    QTRY_VERIFY(view.isVisible());
    QTRY_COMPARE(view.size(), screen->geometry().size());
    QTRY_VERIFY(cards::state().fullScreenLaidOut);
}

void press(QWidget *window, int key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(window, &up);
}

QRect placeIn(QWidget *view, QWidget *widget)
{
    return QRect(widget->mapTo(view, QPoint(0, 0)), widget->size());
}

} // namespace

class TestFullScreenTally : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(screenOfHeight(1080));
        QVERIFY(screenOfHeight(2160));
    }

    void tallyOverTheLowerPart_data()
    {
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<bool>("putBack");
        QTest::newRow("1080, without putting back") << 1080 << false;
        QTest::newRow("1080, putting back") << 1080 << true;
        QTest::newRow("2160, without putting back") << 2160 << false;
        QTest::newRow("2160, putting back") << 2160 << true;
    }

    void tallyOverTheLowerPart()
    {
        QFETCH(int, screenHeight);
        QFETCH(bool, putBack);
        World world;
        auto form = openDrawWindow(world);
        if (putBack)
            QTest::mouseClick(control<QRadioButton>(form.get(), "Option2"), Qt::LeftButton);
        clickDraw(*form, 40);
        showFullScreenViewOn(*form, screenOfHeight(screenHeight));
        draw::FullScreenView &view = form->fullScreenView();

        // Hidden until T; nothing of it made before.
        QVERIFY(!view.tallyOverlay());
        QVERIFY(!form->drawTally().started());
        QList<QRect> cardsBefore;
        for (deck::CardImage *card : view.findChildren<deck::CardImage *>())
            cardsBefore << card->geometry();

        press(&view, Qt::Key_T);
        tally::TallyPanel *overlay = view.tallyOverlay();
        QVERIFY(overlay);
        QVERIFY(overlay->isVisible());
        QVERIFY(view.tallyShown());
        QCOMPARE(overlay->parentWidget(), &view);

        // Over the lower part: above the count, below the first row of
        // cards, across the width; with putting back entirely below the
        // two cards.
        const QRect place = overlay->geometry();
        const QRect count = control(&view, "Label1")->geometry();
        const QRect pile = image(&view, "Image2")->geometry();
        QVERIFY2(place.bottom() < count.top(), qPrintable(QStringLiteral("%1 / %2").arg(place.bottom()).arg(count.top())));
        QVERIFY(place.top() > pile.bottom());
        QVERIFY(place.left() >= 0 && place.right() < view.width());
        QVERIFY(place.width() > view.width() * 9 / 10);
        QVERIFY(place.height() >= overlay->heightForWidth(place.width()) || place.top() - pile.bottom() < 20);
        if (putBack)
            QVERIFY(place.top() > image(&view, "Image1")->geometry().bottom());

        // Text at least a fortieth of the screen high, everywhere in it.
        const int least = (screenHeight + 39) / 40;
        const QList<QLabel *> labels = overlay->findChildren<QLabel *>();
        QVERIFY(!labels.isEmpty());
        for (QLabel *label : labels) {
            if (label->isVisibleTo(overlay) && !label->text().isEmpty())
                QVERIFY2(QFontInfo(label->font()).pixelSize() >= least, qPrintable(label->text()));
        }

        // Its figures are read; it follows the draws of Space.
        QStringList heard = tallytest::spokenTexts(overlay);
        QVERIFY(heard.contains(QStringLiteral("Draws since the last reset: 40")));
        QVERIFY(!tallytest::anyNotANumber(heard));
        press(&view, Qt::Key_Space);
        QCOMPARE(cards::state().drawCount, 41);
        heard = tallytest::spokenTexts(overlay);
        QVERIFY(heard.contains(QStringLiteral("Draws since the last reset: 41")));
        if (!putBack)
            QVERIFY(heard.contains(QStringLiteral("Cards left: 11")));

        // The cards kept their places (the 41st took the next one).
        const QList<deck::CardImage *> cardsAfter = view.findChildren<deck::CardImage *>();
        for (int i = 0; i < cardsBefore.size(); ++i)
            QCOMPARE(cardsAfter[i]->geometry(), cardsBefore[i]);

        // T again hides it; Esc and Space are as they were.
        press(&view, Qt::Key_T);
        QVERIFY(overlay->isHidden());
        QVERIFY(!view.tallyShown());
        press(&view, Qt::Key_Space);
        QCOMPARE(cards::state().drawCount, 42);
        press(&view, Qt::Key_T);
        QCOMPARE(view.tallyOverlay(), overlay);
        QVERIFY(tallytest::spokenTexts(overlay).contains(QStringLiteral("Draws since the last reset: 42")));
        press(&view, Qt::Key_Escape);
        QVERIFY(view.isHidden());
        QVERIFY(form->isVisible());
        QVERIFY(world.platform.messages.shown.isEmpty());
    }

    void labelsGrowBeyond1080_data()
    {
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<int>("factor");
        QTest::newRow("1080: as designed") << 1080 << 1;
        QTest::newRow("2160: doubled") << 2160 << 2;
    }

    void labelsGrowBeyond1080()
    {
        QFETCH(int, screenHeight);
        QFETCH(int, factor);
        World world;
        auto form = openDrawWindow(world);
        clickDraw(*form, 52);
        showFullScreenViewOn(*form, screenOfHeight(screenHeight));
        draw::FullScreenView &view = form->fullScreenView();
        const int heightTwips = screenHeight * 15;
        auto *instruction = control<QLabel>(&view, "Label2");
        auto *count = control<QLabel>(&view, "Label1");
        for (QLabel *label : {instruction, count}) {
            QCOMPARE(twips(label).height, 255 * factor);
            QCOMPARE(label->height(), 17 * factor);
            QCOMPARE(label->font().pointSizeF(), 9.0 * factor);
            QVERIFY(label->font().bold());
            QCOMPARE(twips(label).width, view.windowWidthTwips() - 360);
        }
        QCOMPARE(twips(instruction).top, 45 * factor);
        QCOMPARE(twips(count).top, heightTwips - 255 * factor - 200 * factor);
        QCOMPARE(twips(image(&view, "Image2")).top, 405 * factor);
        QCOMPARE(twips(image(&view, "Image2")).left, 120);

        // All four rows of the 52 cards between the two labels.
        const QList<deck::CardImage *> cards = view.findChildren<deck::CardImage *>();
        QCOMPARE(cards.size(), 2 + 51);
        for (deck::CardImage *card : cards) {
            const QRect r = placeIn(&view, card);
            QVERIFY(r.top() > instruction->geometry().bottom());
            QVERIFY(r.bottom() < count->geometry().top());
        }
        QCOMPARE(twips(row(&view)[11]).top, 405 * factor);
        QCOMPARE(twips(row(&view)[50]).top, twips(row(&view)[49]).top);
        QVERIFY(twips(row(&view)[50]).top > twips(row(&view)[24]).top);
    }
};

QTEST_MAIN(TestFullScreenTally)
#include "test_full_screen_tally.moc"
