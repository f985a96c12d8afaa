// The batch window through its widgets: load, controls, a
// generation, the preview, "< Back" and closing.
#include "BatchWindowFixture.h"
#include "deck/PictureSet.h"
#include "shell/Pointer.h"
#include "shell/ShellHelpers.h"
#include "shell/Twips.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <set>

using batchtest::BatchWindowFixture;

class TestBatchWindow : public QObject {
    Q_OBJECT
private slots:
    void firstStartWithEmptyStore()
    {
        BatchWindowFixture f;
        f.open();
        QCOMPARE(f.text1()->text(), QStringLiteral("52"));
        QCOMPARE(f.text2()->text(), shell::desktopFolder());
        QVERIFY(f.text2()->text().endsWith(QLatin1Char('/')));
        // Filling the boxes stored them.
        QCOMPARE(settings::read(settings::keys::NumberOfCards, QString()), QStringLiteral("52"));
        QCOMPARE(settings::read(settings::keys::Text2, QString()), shell::desktopFolder());
        QCOMPARE(f.list()->topLevelItemCount(), 0);
        QCOMPARE(f.list()->columnCount(), 1);
        QCOMPARE(f.list()->headerItem()->text(0), QStringLiteral("Card/s Generated"));
        QCOMPARE(f.list()->header()->sectionSize(0), 3500 / 15);  // 96 DPI screen
        QCOMPARE(f.bar()->minimum(), 0);
        QCOMPARE(f.bar()->maximum(), 100);
        QCOMPARE(f.bar()->value(), 0);
        QCOMPARE(f.bar()->text(), QStringLiteral("Progress Bar"));
        QVERIFY(f.control<deck::CardImage>("Image1")->picture().isNull());
        QCOMPARE(f.form->windowTitle(), QStringLiteral("Dealwright"));
        QVERIFY(f.messages().isEmpty());
    }

    void controlsTheirPlaceAndTabOrder()
    {
        BatchWindowFixture f;
        f.open();
        const struct { const char *name; const char *caption; } buttons[] = {
            {"PushButton4", "< Back"}, {"PushButton2", "Start Generate Random Playing Cards"},
            {"PushButton9", "..."}, {"PushButton1", "Save All Cards To Image"}, {"PushButton3", "Save Selected Card As Image"}};
        for (const auto &b : buttons)
            QCOMPARE(f.control<QPushButton>(b.name)->text(), QLatin1String(b.caption));
        QCOMPARE(f.control<QGroupBox>("Frame1")->title(), QStringLiteral("Number To Generate"));
        QCOMPARE(f.control<QGroupBox>("Frame2")->title(), QStringLiteral("Preview"));
        QCOMPARE(f.control<QGroupBox>("Frame4")->title(), QStringLiteral("Save Results To This Folder"));
        QCOMPARE(f.text1()->parentWidget()->objectName(), QStringLiteral("Frame1"));
        QCOMPARE(f.control("Image1")->parentWidget()->objectName(), QStringLiteral("Frame2"));
        QCOMPARE(f.text2()->parentWidget()->objectName(), QStringLiteral("Frame4"));
        QCOMPARE(f.control("PushButton9")->parentWidget()->objectName(), QStringLiteral("Frame4"));

        QVERIFY(f.control("PushButton9")->x() > f.text2()->x() + f.text2()->width() - 1);
        // The menu bar across the top, the designed client area below it:
        // every control at its designed place there (top to bottom as
        // described), and the window larger by the bar.
        auto *menuBar = f.control<QMenuBar>("menuBar");
        QWidget *body = f.control("body");
        QVERIFY(menuBar->height() > 0);
        QCOMPARE(menuBar->geometry(), QRect(0, 0, 8100 / 15, menuBar->height()));
        QCOMPARE(body->geometry(), QRect(0, menuBar->height(), 8100 / 15, 6600 / 15));
        QCOMPARE(f.form->size(), QSize(8100 / 15, 6600 / 15 + menuBar->height()));
        const struct { const char *name; shell::TwipsRect place; } places[] = {
            {"PushButton4", {120, 120, 7860, 450}},  {"Frame1", {120, 690, 7860, 750}},
            {"PushButton2", {120, 1560, 7860, 450}}, {"ListView1", {120, 2130, 3900, 2400}},
            {"Frame2", {4140, 2130, 3840, 2400}},    {"Frame4", {120, 4650, 7860, 750}},
            {"PushButton1", {120, 5520, 3900, 450}}, {"PushButton3", {4140, 5520, 3840, 450}},
            {"ProgressBar1", {120, 6090, 7860, 390}},
        };
        for (const auto &p : places) {
            QWidget *w = f.control(p.name);
            QCOMPARE(w->parentWidget(), body);
            QCOMPARE(QRect(w->mapTo(f.form.get(), QPoint(0, 0)), w->size()),
                     p.place.toPixels(15).translated(0, menuBar->height()));
        }
        for (QWidget *w : body->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!w->isWindow() && !w->objectName().isEmpty())
                QVERIFY2(body->rect().contains(w->geometry()), qPrintable(w->objectName()));
        }

        // The preview is at the card's natural size.
        QCOMPARE(f.control("Image1")->size(), QSize(71, 96));

        // The focus does not start in the count box; Tab walks the described order.
        QWidget *start = f.form->focusWidget();
        QVERIFY(start);
        QCOMPARE(start->objectName(), QStringLiteral("PushButton2"));
        QStringList order{start->objectName()};
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(order, (QStringList{"PushButton2", "Text1", "PushButton1", "PushButton3", "Text2", "PushButton9", "ListView1", "PushButton4"}));
    }

    void generationCounts_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("entries");
        QTest::newRow("52") << "52" << 52;
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("-3") << "-3" << 0;
        QTest::newRow("2.5") << "2.5" << 2;
        QTest::newRow("52.5") << "52.5" << 52;
    }

    void generationCounts()
    {
        QFETCH(QString, count);
        QFETCH(int, entries);
        BatchWindowFixture f;
        f.open();
        f.generate(QStringLiteral("5"));  // an earlier batch, replaced by the next
        QCOMPARE(f.entries().size(), 5);
        f.generate(count);
        const QStringList texts = f.entries();
        QCOMPARE(texts.size(), entries);
        std::set<int> cards;
        for (const QString &text : texts) {
            QVERIFY(text.startsWith(QStringLiteral("Card ")));
            const int number = text.mid(5).toInt();
            QVERIFY2(number >= 1 && number <= 52, qPrintable(text));
            QCOMPARE(QStringLiteral("Card ") + QString::number(number), text);  // no leading zeros
            cards.insert(number);
        }
        // Each entry keeps the card its text names: "Card 1" is card 0.
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(f.cards().at(i), texts.at(i).mid(5).toInt() - 1);
        QCOMPARE(int(cards.size()), entries);
        // The first entry is selected; nothing else, and the preview is untouched.
        QCOMPARE(f.selectedEntries(), entries ? QStringList{texts.first()} : QStringList{});
        QVERIFY(f.control<deck::CardImage>("Image1")->picture().isNull());
        QCOMPARE(f.bar()->value(), 0);
        QCOMPARE(f.bar()->text(), QStringLiteral("Progress Bar"));
        QVERIFY(f.messages().isEmpty());
    }

    void progressOfOneAndFour()
    {
        BatchWindowFixture f;
        f.open();
        QSignalSpy values(f.bar(), &QProgressBar::valueChanged);
        QList<int> atDraw;
        // The bar has its share before each card is drawn.
        QObject::connect(f.list()->model(), &QAbstractItemModel::rowsInserted, [&] { atDraw.append(f.bar()->value()); });
        f.generate(QStringLiteral("1"));
        QCOMPARE(atDraw, QList<int>{100});
        QCOMPARE(values.size(), 2);
        QCOMPARE(values.at(1).at(0).toInt(), 0);
        atDraw.clear();
        f.generate(QStringLiteral("4"));
        QCOMPARE(atDraw, (QList<int>{25, 50, 75, 100}));
        QCOMPARE(f.bar()->value(), 0);
        atDraw.clear();
        values.clear();
        f.generate(QStringLiteral("0"));
        QVERIFY(atDraw.isEmpty());
        QVERIFY(values.isEmpty());
    }

    void previewShowsTheClickedEntry()
    {
        BatchWindowFixture f;
        f.open();
        f.generate(QStringLiteral("52"));
        deck::CardImage *image1 = f.control<deck::CardImage>("Image1");
        const deck::PictureSet &set = deck::PictureSet::instance();
        for (const char *text : {"Card 7", "Card 1", "Card 52"}) {
            QTreeWidgetItem *item = f.entry(QLatin1String(text));
            QVERIFY(item);
            f.clickEntry(item);
            const int card = QString::fromLatin1(text).mid(5).toInt() - 1;
            QCOMPARE(f.deck1()->ChangeCard(), card);
            QCOMPARE(image1->picture(), set.card(card));
            QCOMPARE(image1->size(), QSize(71, 96));
            QCOMPARE(image1->accessibleName(), deck::cardName(card));
            QCOMPARE(image1->accessibleName(), deck::pictureName(set.card(card)));
            // Heard as shown, with its card.
            QCOMPARE(item->data(0, Qt::AccessibleTextRole).toString(),
                     QStringLiteral("%1, %2").arg(QLatin1String(text), deck::cardName(card)));
        }

        // A new batch selects its first entry but leaves the preview as it was.
        const QImage shown = image1->picture();
        f.generate(QStringLiteral("3"));
        QCOMPARE(image1->picture(), shown);
        QVERIFY(f.messages().isEmpty());
    }

    void clickOnEmptyListDoesNothing()
    {
        BatchWindowFixture f;
        f.open();
        QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(f.control<deck::CardImage>("Image1")->picture().isNull());
        // And a click below the entries of a batch leaves the preview too.
        f.generate(QStringLiteral("2"));
        QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, {}, QPoint(20, f.list()->viewport()->height() - 5));
        QVERIFY(f.control<deck::CardImage>("Image1")->picture().isNull());
        QVERIFY(f.messages().isEmpty());
    }

    void backAndAgainKeepsEverything()
    {
        BatchWindowFixture f;
        f.open();
        f.generate(QStringLiteral("9"));
        f.clickEntry(f.list()->topLevelItem(4));
        const QStringList batch = f.entries();
        const QImage preview = f.control<deck::CardImage>("Image1")->picture();
        f.text2()->setText(QStringLiteral("/somewhere/"));
        f.click("PushButton4");
        QVERIFY(!f.form->isVisible());
        QCOMPARE(f.navigator.chooserShown, 1);
        QCOMPARE(settings::read(settings::keys::Form3Start, 0), QStringLiteral("0"));
        f.form->show();
        QCOMPARE(f.entries(), batch);
        QCOMPARE(f.selectedEntries(), QStringList{batch.at(4)});
        QCOMPARE(f.control<deck::CardImage>("Image1")->picture(), preview);
        QCOMPARE(f.text1()->text(), QStringLiteral("9"));
        QCOMPARE(f.text2()->text(), QStringLiteral("/somewhere/"));
        QCOMPARE(f.platform.ender.ends, 0);
    }

    void closingStoresThreeAndEnds()
    {
        BatchWindowFixture f;
        f.open();
        f.generate(QStringLiteral("4"));
        f.form->close();
        QCOMPARE(settings::read(settings::keys::Form3Start, 0), QStringLiteral("3"));
        QCOMPARE(f.platform.ender.ends, 1);
        // The next start loads an empty list, with the boxes as they were left.
        f.form.reset();
        shell::setEndRequested(false);
        f.open();
        QVERIFY(f.entries().isEmpty());
        QCOMPARE(f.text1()->text(), QStringLiteral("4"));
    }

    void pointerFeedback_data()
    {
        QTest::addColumn<bool>("hand");
        QTest::newRow("HAND-M.CUR beside the program") << true;
        QTest::newRow("no pointer file") << false;
    }

    void pointerFeedback()
    {
        QFETCH(bool, hand);
        // A program folder of its own, with or without the pointer file.
        QTemporaryDir programDir;
        if (hand)
            QVERIFY(QFile::copy(testsupport::sourceDir() + QStringLiteral("/assets/HAND-M.CUR"), programDir.filePath(QStringLiteral("HAND-M.CUR"))));
        const QByteArray savedProgramDir = qgetenv("DEALWRIGHT_PROGRAM_DIR");
        qputenv("DEALWRIGHT_PROGRAM_DIR", programDir.path().toLocal8Bit());
        BatchWindowFixture f;
        f.open();
        qputenv("DEALWRIGHT_PROGRAM_DIR", savedProgramDir);
        shell::PointerFeedback &pointer = f.form->pointer();
        QCOMPARE(pointer.hasCustomCursor(), hand);
        // Frames are reached beside their boxes, the list anywhere.
        auto moveOver = [&](const char *name) {
            QWidget *w = f.control(name);
            const bool frame = qobject_cast<QGroupBox *>(w) != nullptr;
            QTest::mouseMove(w, frame ? QPoint(4, w->height() - 4) : w->rect().center());
        };
        for (const char *button : {"PushButton1", "PushButton2", "PushButton3", "PushButton4", "PushButton9"}) {
            moveOver("Frame1");
            QCOMPARE(pointer.style(), int(shell::PointerDefault));
            QCOMPARE(f.form->cursor().shape(), Qt::ArrowCursor);
            moveOver(button);
            QVERIFY2(pointer.style() == shell::PointerCustom, button);
            QCOMPARE(f.form->cursor().shape(), hand ? Qt::BitmapCursor : Qt::ArrowCursor);
        }
        for (const char *area : {"Frame2", "Frame4", "ListView1"}) {
            moveOver("PushButton2");
            moveOver(area);
            QVERIFY2(pointer.style() == shell::PointerDefault, area);
        }

        // The hourglass is left alone.
        pointer.setStyle(shell::PointerHourglass);
        moveOver("PushButton3");
        moveOver("Frame1");
        QCOMPARE(pointer.style(), int(shell::PointerHourglass));
    }
};

QTEST_MAIN(TestBatchWindow)
#include "test_batch_window.moc"
