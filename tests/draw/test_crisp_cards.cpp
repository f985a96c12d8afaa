// Cards as the screen shows them: rendered from their scalable source at the
// box's size in device pixels wherever they are shown larger than 71 x 96
// device pixels (the full-screen view, a 2x screen), pixel for pixel at their natural
// size on a 1x screen, never rendered twice for the same size; and the
// full-screen view's layout on a 32:9 screen. Three screens: 1920 x 1080, 3840 x 1080
// and a 2x screen of 1920 x 1080 logical pixels.
#include "DrawTestSupport.h"

#include "batch/BatchWindow.h"
#include "deck/CardImage.h"
#include "deck/CardPixmaps.h"
#include "deck/PictureSet.h"

#include <QLineEdit>
#include <QTreeWidget>

#include <QRadioButton>
#include <QScreen>

using namespace drawtest;

namespace {

QScreen *screenNamed(const char *name)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->name() == QLatin1String(name))
            return screen;
    }
    qFatal("no screen %s", name);
    return nullptr;
}

std::unique_ptr<draw::DrawWindow> openOn(World &world, const char *screen)
{
    auto form = std::make_unique<draw::DrawWindow>(world.navigator);
    form->setScreen(screenNamed(screen));
    form->move(form->screen()->geometry().topLeft() + QPoint(20, 20));
    form->load();
    form->show();
    return form;
}

void showFullScreenView(draw::DrawWindow &form)
{
    QTest::mouseClick(control<QPushButton>(&form, "PushButton5"), Qt::LeftButton);
    QTRY_VERIFY(form.fullScreenView().isVisible());
    QTRY_COMPARE(form.fullScreenView().size(), form.fullScreenView().screen()->geometry().size());
    QTRY_VERIFY(cards::state().fullScreenLaidOut);
}

// "" when every fully opaque pixel of `expected` is the same in `shown`.
QString sameOpaquePixels(const QImage &shown, const QImage &expected)
{
    if (shown.size() != expected.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(shown.width()).arg(shown.height()).arg(expected.width()).arg(expected.height());
    const QImage a = shown.convertToFormat(QImage::Format_ARGB32);
    const QImage b = expected.convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            if (qAlpha(b.pixel(x, y)) != 255)
                continue;
            ++opaque;
            if ((a.pixel(x, y) | 0xff000000u) != b.pixel(x, y))
                return QStringLiteral("pixel %1,%2 differs").arg(x).arg(y);
        }
    }
    return opaque > b.width() * b.height() / 2 ? QString() : QStringLiteral("the picture is mostly transparent");
}

// What an image box shows, in device pixels.
QImage shown(deck::CardImage *box)
{
    QPixmap shot = box->grab();
    QImage image = shot.toImage();
    image.setDevicePixelRatio(1);
    return image.copy(QRect(box->pictureRect().topLeft() * shot.devicePixelRatio(),
                            deck::devicePixelSize(box->pictureRect().size(), shot.devicePixelRatio())));
}

} // namespace

class TestCrispCards : public QObject {
    Q_OBJECT
private slots:
    void init() { deck::clearScalableCache(); }

    // Option 2 on 1920 x 1080: the two large cards are the card's own
    // rendering at 248 x 335, not a 71 x 96 picture stretched.
    void theRoomSeesTheCardDrawnAtItsSize()
    {
        World world;
        auto form = openOn(world, "big");
        QTest::mouseClick(control<QRadioButton>(form.get(), "Option2"), Qt::LeftButton);
        clickDraw(*form);
        showFullScreenView(*form);
        deck::CardImage *first = image(&form->fullScreenView(), "Image1");
        QCOMPARE(first->pictureRect().size(), QSize(248, 335));
        const QString source = deck::scalableSourceOf(first->picture());
        QCOMPARE(source, QStringLiteral("Card%1").arg(cards::state().drawnCards->back(), 2, 10, QLatin1Char('0')));
        const QImage rendering = deck::renderScalable(source, QSize(248, 335));
        QVERIFY(!rendering.isNull());
        QCOMPARE(sameOpaquePixels(shown(first), rendering), QString());
        QCOMPARE(sameOpaquePixels(shown(image(&form->fullScreenView(), "Image2")), deck::renderScalable(QStringLiteral("Back00"), QSize(248, 335))),
                 QString());
        // Stretching the small picture would have looked otherwise.
        const QImage stretched = first->picture().convertToFormat(QImage::Format_ARGB32).scaled(248, 335, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(!sameOpaquePixels(shown(first), stretched).isEmpty());
    }

    // The draw window: its GIF pixel for pixel on a 1x screen, the card
    // rendered at 142 x 192 device pixels on a 2x screen.
    void theDrawWindowOnBothScreens()
    {
        World world;
        auto normal = openOn(world, "big");
        clickDraw(*normal);
        deck::CardImage *box = image(normal.get(), "Image1");
        QCOMPARE(box->devicePixelRatioF(), 1.0);
        QCOMPARE(sameOpaquePixels(shown(box), box->picture()), QString());
        QCOMPARE(deck::scalableCacheStats().renders, 0);  // nothing rendered at natural size
        normal.reset();

        cards::state() = cards::DrawState{};
        auto doubled = openOn(world, "double");
        QCOMPARE(doubled->devicePixelRatioF(), 2.0);
        clickDraw(*doubled);
        box = image(doubled.get(), "Image1");
        QCOMPARE(box->size(), QSize(71, 96));
        const QImage device = shown(box);
        QCOMPARE(device.size(), QSize(142, 192));
        QCOMPARE(sameOpaquePixels(device, deck::renderScalable(deck::scalableSourceOf(box->picture()), QSize(142, 192))),
                 QString());
    }

    // The batch window's preview on the 2x screen: the card rendered at
    // 142 x 192 device pixels; its pixmap is still the 71 x 96 picture.
    void theBatchPreviewOnADoubleScreen()
    {
        World world;
        batch::BatchWindow form(world.navigator);
        form.setScreen(screenNamed("double"));
        form.move(form.screen()->geometry().topLeft() + QPoint(20, 20));
        form.load();
        form.show();
        control<QLineEdit>(&form, "Text1")->setText(QStringLiteral("3"));
        QTest::mouseClick(control<QPushButton>(&form, "PushButton2"), Qt::LeftButton);
        auto *list = control<QTreeWidget>(&form, "ListView1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(0)).center());
        auto *preview = control<deck::CardImage>(&form, "Image1");
        QVERIFY(!preview->picture().isNull());
        QCOMPARE(preview->picture().size(), QSize(71, 96));
        QPixmap shot = preview->grab();
        QCOMPARE(shot.devicePixelRatio(), 2.0);
        QImage device = shot.toImage();
        device.setDevicePixelRatio(1);
        QCOMPARE(sameOpaquePixels(device, deck::renderScalable(deck::scalableSourceOf(preview->picture()), QSize(142, 192))),
                 QString());
    }

    // A full draw at 1080p renders each picture once; later cycles and
    // repaints take the cached renderings.
    void renderedOncePerPictureAndSize()
    {
        World world;
        auto form = openOn(world, "big");
        showFullScreenView(*form);
        for (int i = 0; i < 52; ++i)
            QTest::keyClick(&form->fullScreenView(), Qt::Key_Space);
        form->fullScreenView().grab();
        const deck::ScalableCacheStats first = deck::scalableCacheStats();
        QVERIFY2(first.renders <= 53 + 1, qPrintable(QString::number(first.renders)));  // 52 cards and the back
        QVERIFY(first.bytes > 0);
        QTest::mouseClick(control<QPushButton>(form.get(), "PushButton1"), Qt::LeftButton);  // reset
        for (int i = 0; i < 52; ++i)
            QTest::keyClick(&form->fullScreenView(), Qt::Key_Space);
        form->fullScreenView().grab();
        form->fullScreenView().grab();
        QCOMPARE(deck::scalableCacheStats().renders, first.renders);
    }

    // On 3840 x 1080 four rows of cards sized by the width would run off
    // the screen: they are sized by the height that fits, and every card
    // lies on the screen above the count.
    void aWideScreenFitsAllFourRows()
    {
        World world;
        auto form = openOn(world, "wide");
        showFullScreenView(*form);
        draw::FullScreenView &fullScreenView = form->fullScreenView();
        for (int i = 0; i < 52; ++i)
            QTest::keyClick(&fullScreenView, Qt::Key_Space);
        QCOMPARE(cards::state().drawCount, 52);
        const QRect screenRect(QPoint(0, 0), fullScreenView.size());
        const int countTop = control<QLabel>(&fullScreenView, "Label1")->geometry().top();
        QList<deck::CardImage *> cards = row(&fullScreenView);
        cards << image(&fullScreenView, "Image1");
        QCOMPARE(cards.size(), 52);
        for (deck::CardImage *card : cards) {
            QVERIFY(screenRect.contains(card->geometry()));
            QVERIFY2(card->geometry().bottom() < countTop, qPrintable(QString::number(card->geometry().bottom())));
        }
        const shell::TwipsRect size = twips(image(&fullScreenView, "Image2"));
        QCOMPARE((QList<int>{size.width, size.height}), (QList<int>{2762, 3735}));
    }
};

QTEST_MAIN(TestCrispCards)
#include "test_crisp_cards.moc"
