// The batch window from the keyboard: the first focus, every button pressed
// with Space and Enter, and the preview following the user's own moves in
// the list with the keys, but not the selections the program makes.
#include "Form3Fixture.h"
#include "batch/Generation.h"
#include "deck/CardLabel.h"
#include "deck/PictureSet.h"

#include <QTemporaryDir>

using batchtest::Form3Fixture;

namespace {

QString previewName(const Form3Fixture &f) { return f.child<deck::CardLabel>("Image1")->accessibleName(); }

QString cardNameOf(const QTreeWidgetItem *entry) { return deck::cardName(batch::cardOfEntry(entry->text(0))); }

} // namespace

class TestForm3Keys : public QObject {
    Q_OBJECT
private slots:
    void firstFocusAndEveryButtonFromTheKeyboard()
    {
        Form3Fixture f;
        QTemporaryDir out;
        shell::Settings::write(shell::keys::Text2, out.path());
        f.open();
        // Not in the count box: on Start.
        QTRY_COMPARE(QApplication::focusWidget(), f.child("PushButton2"));
        for (const char *name : {"PushButton2", "PushButton1", "PushButton3", "PushButton9", "PushButton4"}) {
            auto *button = f.child<QPushButton>(name);
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
        Form3Fixture f;
        QTemporaryDir out;
        shell::Settings::write(shell::keys::Text2, out.path());
        f.open();
        f.generate(QStringLiteral("30"));
        // The generation selects the first entry; the preview stays empty.
        QCOMPARE(f.selectedEntries(), QStringList{f.entries().first()});
        QVERIFY(f.child<deck::CardLabel>("Image1")->card().isNull());
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
        QCOMPARE(f.child<deck::CardLabel>("Image1")->card(),
                 deck::PictureSet::instance().card(batch::cardOfEntry(list->topLevelItem(0)->text(0))));
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

QTEST_MAIN(TestForm3Keys)
#include "test_form3_keys.moc"
