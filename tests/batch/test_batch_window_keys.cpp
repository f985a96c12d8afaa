// The batch window from the keyboard: the first focus, every button pressed
// with Space and Enter, and the preview following the user's own moves in
// the list with the keys, but not the selections the program makes.
#include "BatchWindowFixture.h"
#include "batch/Generation.h"
#include "deck/CardImage.h"
#include "deck/PictureSet.h"

#include <QAccessible>
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

    // After Start from the keyboard the focus stays on Start, and a screen
    // reader is told so: no entry of the list says it is focused. Down goes
    // to the control below (the list), where the focus is then told on its
    // entry; the count box keeps its count through Down and Space.
    void theFocusAfterAGenerationIsWhereTheKeysGo()
    {
        BatchWindowFixture f;
        QTemporaryDir out;
        settings::write(settings::keys::Text2, out.path());
        f.open();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        QLineEdit *count = f.text1();
        count->setText(QStringLiteral("12"));
        QWidget *start = f.control("PushButton2");
        start->setFocus(Qt::TabFocusReason);
        QTest::keyClick(start, Qt::Key_Space);
        QCOMPARE(f.entries().size(), 12);
        QCOMPARE(f.selectedEntries(), QStringList{f.entries().first()});
        QCOMPARE(QApplication::focusWidget(), start);

        QTreeWidget *list = f.list();
        QAccessibleInterface *presented = QAccessible::queryAccessibleInterface(list);
        const auto focusedEntries = [&] {
            QStringList focused;
            for (int i = 0; i < presented->childCount(); ++i) {
                QAccessibleInterface *entry = presented->child(i);
                if (entry->role() != QAccessible::ColumnHeader && entry->state().focused)
                    focused << entry->text(QAccessible::Name);
            }
            return focused;
        };
        QCOMPARE(focusedEntries(), QStringList());

        QTest::keyClick(start, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(list));
        QCOMPARE(focusedEntries(), QStringList{list->topLevelItem(0)->data(0, Qt::AccessibleTextRole).toString()});
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(count->text(), QStringLiteral("12"));
        QCOMPARE(f.entries().size(), 12);

        // Up from Start goes to the count box above it; leaving the list
        // takes its focus along.
        start->setFocus(Qt::TabFocusReason);
        QCOMPARE(focusedEntries(), QStringList());
        QTest::keyClick(start, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(count));
        // Back in the list, the entry the user left is current again.
        list->setFocus(Qt::TabFocusReason);
        QCOMPARE(list->currentItem(), list->topLevelItem(0));
    }

    // Words, not signs: "< Back" is heard as "Back", the list's header
    // "Card/s Generated" as "Cards generated", an entry as its number and
    // its card; the window by its role.
    void spokenNames()
    {
        BatchWindowFixture f;
        f.open();
        f.generate(QStringLiteral("3"));
        const auto nameOf = [](QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
        QCOMPARE(nameOf(f.control("PushButton4")), QStringLiteral("Back"));
        QCOMPARE(nameOf(f.form.get()), QStringLiteral("Dealwright: batch of cards"));
        QCOMPARE(f.form->windowTitle(), QStringLiteral("Dealwright"));
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(f.list());
        QCOMPARE(list->child(0)->role(), QAccessible::ColumnHeader);
        QCOMPARE(list->child(0)->text(QAccessible::Name), QStringLiteral("Cards generated"));
        QCOMPARE(f.list()->headerItem()->text(0), QStringLiteral("Card/s Generated"));
        for (int i = 0; i < 3; ++i) {
            const QTreeWidgetItem *entry = f.list()->topLevelItem(i);
            QCOMPARE(list->child(i + 1)->text(QAccessible::Name),
                     entry->text(0) + QStringLiteral(", ") + cardNameOf(entry));
        }
    }
};

QTEST_MAIN(TestBatchWindowKeys)
#include "test_batch_window_keys.moc"
