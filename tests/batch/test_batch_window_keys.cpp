// The batch window from the keyboard: the first focus, every button pressed
// with Space and Enter, and the preview following the user's own moves in
// the list with the keys, but not the selections the program makes.
#include "BatchWindowFixture.h"
#include "batch/Generation.h"
#include "deck/CardImage.h"
#include "deck/PictureSet.h"

#include <QTemporaryDir>

using batchtest::BatchWindowFixture;

namespace {

QString previewName(const BatchWindowFixture &f) { return f.control<deck::CardImage>("Image1")->accessibleName(); }

QString cardNameOf(const QTreeWidgetItem *entry) { return deck::cardName(BatchWindowFixture::cardOf(entry)); }

} // namespace

class TestBatchWindowKeys : public QObject {
    Q_OBJECT
private slots:
    void firstFocusAndEveryButtonFromTheKeyboard()
    {
        BatchWindowFixture f;
        QTemporaryDir out;
        settings::write(settings::keys::Text2, out.path());
        f.open();
        // Not in the count box: on Start.
        QTRY_COMPARE(QApplication::focusWidget(), f.control("PushButton2"));
        for (const char *name : {"PushButton2", "PushButton1", "PushButton3", "PushButton9", "PushButton4"}) {
            auto *button = f.control<QPushButton>(name);
            QSignalSpy clicked(button, &QPushButton::clicked);
            QTest::keyClick(button, Qt::Key_Space);
            QTest::keyClick(button, Qt::Key_Return);
            QTest::keyClick(button, Qt::Key_Enter);
            QCOMPARE(clicked.count(), 3);
            f.form->show();
        }
    }

    void theKeysMoveThePreview()
    {
        BatchWindowFixture f;
        QTemporaryDir out;
        settings::write(settings::keys::Text2, out.path());
        f.open();
        f.generate(QStringLiteral("30"));
        // The generation selects the first entry; the preview stays empty.
        QCOMPARE(f.selectedEntries(), QStringList{f.entries().first()});
        QVERIFY(f.control<deck::CardImage>("Image1")->picture().isNull());
        const QString before = previewName(f);

        QTreeWidget *list = f.list();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(previewName(f), cardNameOf(list->topLevelItem(1)));
        QTest::keyClick(list, Qt::Key_End);
        QCOMPARE(previewName(f), cardNameOf(list->topLevelItem(29)));
        QTest::keyClick(list, Qt::Key_PageUp);
        QCOMPARE(previewName(f), cardNameOf(list->currentItem()));
        QVERIFY(list->currentItem() != list->topLevelItem(29));
        QTest::keyClick(list, Qt::Key_Home);
        QCOMPARE(previewName(f), cardNameOf(list->topLevelItem(0)));
        QCOMPARE(f.control<deck::CardImage>("Image1")->picture(),
                 deck::PictureSet::instance().card(BatchWindowFixture::cardOf(list->topLevelItem(0))));
        QVERIFY(previewName(f) != before);

        // Saving selects its remembered entry again, and a new generation
        // selects its first: neither changes the preview.
        QTest::keyClick(list, Qt::Key_Down);
        const QString shown = previewName(f);
        f.click("PushButton1");
        QCOMPARE(previewName(f), shown);
        f.generate(QStringLiteral("5"));
        QCOMPARE(previewName(f), shown);
    }
};

QTEST_MAIN(TestBatchWindowKeys)
#include "test_batch_window_keys.moc"
