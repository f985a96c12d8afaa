// The batch window's count box through its real widgets: the check when
// the focus leaves it, never twice for one leave nor for the box's own
// message, and Start refusing a count it cannot draw.
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

class TestBatchWindowCount : public QObject {
    Q_OBJECT
private slots:
    void countCheckOnLeavingTheBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("letters") << "abc" << "Must be a numerical value.";
        QTest::newRow("52.6") << "52.6" << "Up to 52 cards allowed";
        QTest::newRow("1e10, not an overflow") << "1e10" << "Up to 52 cards allowed";
        QTest::newRow("52.5 passes") << "52.5" << "";
        QTest::newRow("0 passes") << "0" << "";
        QTest::newRow("-3 passes") << "-3" << "";
    }

    void countCheckOnLeavingTheBox()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        BatchWindowFixture f;
        f.open();
        f.text1()->setFocus(Qt::MouseFocusReason);
        f.text1()->selectAll();
        QTest::keyClicks(f.text1(), typed);
        QCOMPARE(settings::read(settings::keys::NumberOfCards, QString()), typed);
        QTest::keyClick(f.text1(), Qt::Key_Tab);
        if (message.isEmpty()) {
            QTRY_VERIFY(!f.countCheck()->pending());  // the check has run
            QVERIFY(f.messages().isEmpty());
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("PushButton1"));
            return;
        }
        QTRY_COMPARE(f.messages(), QStringList{message});
        QCOMPARE(f.platform.messages.shown.first().caption, shell::appTitle());
        QCOMPARE(f.platform.messages.shown.first().icon, shell::MessageIcon::None);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(f.text1()));
        QCOMPARE(f.text1()->text(), typed);  // never corrected
        QCOMPARE(settings::read(settings::keys::NumberOfCards, QString()), typed);
    }

    void countCheckNeverLoops()
    {
        BatchWindowFixture f;
        f.open();
        // While the box is open it is the active window, as a real modal box is.
        QWidget box;
        box.setObjectName(QStringLiteral("StandInBox"));
        f.platform.messages.onShow = [&](const shell::Message &) {
            box.show();
            QApplication::setActiveWindow(&box);
            QCoreApplication::processEvents();
            box.hide();
            QApplication::setActiveWindow(f.form.get());
            QCoreApplication::processEvents();
        };
        f.text1()->setFocus(Qt::MouseFocusReason);
        f.text1()->setText(QStringLiteral("abc"));
        QTest::mouseClick(f.control("PushButton1"), Qt::LeftButton);  // the click leaves the box first
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(f.text1()));
        // The box's own message and its focus back into the box set off no
        // further check.
        QVERIFY(!f.countCheck()->pending());
        QCOMPARE(f.messages().count(QStringLiteral("Must be a numerical value.")), 1);

        // Leaving the window and coming back is no leave of the box.
        QApplication::setActiveWindow(&box);
        QApplication::setActiveWindow(f.form.get());
        QVERIFY(!f.countCheck()->pending());
        QCOMPARE(f.messages().count(QStringLiteral("Must be a numerical value.")), 1);

        // Every real leave gets its one message.
        QTest::keyClick(f.text1(), Qt::Key_Tab);
        QTRY_COMPARE(f.messages().count(QStringLiteral("Must be a numerical value.")), 2);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(f.text1()));
        QVERIFY(!f.countCheck()->pending());
        QCOMPARE(f.messages().size(), 2);
    }

    void startRefusesStoredCounts_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("message");
        QTest::newRow("60") << "60" << "Up to 52 cards allowed";
        QTest::newRow("1e10") << "1e10" << "Up to 52 cards allowed";
        QTest::newRow("abc") << "abc" << "Must be a numerical value.";
    }

    void startRefusesStoredCounts()
    {
        QFETCH(QString, stored);
        QFETCH(QString, message);
        BatchWindowFixture f;
        settings::write(settings::keys::NumberOfCards, stored);
        f.open();
        QCOMPARE(f.text1()->text(), stored);
        f.click("PushButton2");
        // Start said it; no check of the box is left to say it again.
        QVERIFY(!f.countCheck()->pending());
        QCOMPARE(f.messages(), QStringList{message});
        QVERIFY(f.entries().isEmpty());
        QCOMPARE(f.bar()->value(), 0);
    }

    void startRefusesTypedCountOnce()
    {
        BatchWindowFixture f;
        f.open();
        f.generate(QStringLiteral("3"));
        const QStringList batch = f.entries();
        // Typed into the box, then straight to Start: Start's own message, once.
        f.text1()->setFocus(Qt::MouseFocusReason);
        f.text1()->setText(QStringLiteral("60"));
        f.click("PushButton2");
        QVERIFY(!f.countCheck()->pending());
        QCOMPARE(f.messages(), QStringList{QStringLiteral("Up to 52 cards allowed")});
        QCOMPARE(f.entries(), batch);  // the last batch stays
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(f.text1()));
    }
};

QTEST_MAIN(TestBatchWindowCount)
#include "test_batch_window_count.moc"
