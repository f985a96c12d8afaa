// The draw window through its real widgets: closing it and going back,
// the pointer over its controls and the hand from the file beside the
// program, and every button from the keyboard.
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


class TestDrawWindowInput : public QObject {
    Q_OBJECT
private slots:
    void closingStoresTwoAndEndsButBackDoesNeither()
    {
        World world;
        auto form = openDrawWindow(world);
        QTest::mouseClick(control<QPushButton>(form.get(), "PushButton4"), Qt::LeftButton);
        QVERIFY(form->isHidden());
        QCOMPARE(world.navigator.chooserShown, 1);
        QCOMPARE(world.platform.ender.ends, 0);
        QCOMPARE(settings::read(keys::Form3Start, 0), QStringLiteral("0"));

        form->show();
        QVERIFY(form->close());
        QCOMPARE(settings::read(keys::Form3Start, 0), QStringLiteral("2"));
        QCOMPARE(world.platform.ender.ends, 1);
    }

    void pointerFeedback()
    {
        World world;
        auto form = openDrawWindow(world);
        auto *button = control<QPushButton>(form.get(), "PushButton2");
        auto *frame = control(form.get(), "Frame3");
        QTest::mouseMove(button);
        QTRY_COMPARE(form->pointer().style(), int(shell::PointerCustom));
        QTest::mouseMove(frame, QPoint(4, frame->height() - 4));
        QTRY_COMPARE(form->pointer().style(), int(shell::PointerDefault));
        // A running draw keeps its hourglass.
        form->setPointer(shell::PointerHourglass);
        QTest::mouseMove(button);
        QTest::mouseMove(frame, QPoint(6, frame->height() - 6));
        QCOMPARE(form->pointer().style(), int(shell::PointerHourglass));
        QCOMPARE(form->cursor().shape(), Qt::WaitCursor);
    }

    void handPointerFromTheFileBesideTheProgram()
    {
        const QByteArray savedDir = qgetenv("DEALWRIGHT_PROGRAM_DIR");
        QTemporaryDir programDir;
        qputenv("DEALWRIGHT_PROGRAM_DIR", programDir.path().toLocal8Bit());
        {
            World world;
            auto form = openDrawWindow(world);   // no file: no custom picture, no report
            QVERIFY(!form->pointer().hasCustomCursor());
            QVERIFY(world.platform.messages.shown.isEmpty());
        }
        QVERIFY(QFile::copy(testsupport::sourceDir() + "/assets/HAND-M.CUR", programDir.filePath("HAND-M.CUR")));
        {
            World world;
            auto form = openDrawWindow(world);
            QVERIFY(form->pointer().hasCustomCursor());
            QVERIFY(form->fullScreenView().pointer().hasCustomCursor());
            QTest::mouseMove(control(form.get(), "PushButton3"));
            QTRY_COMPARE(form->pointer().style(), int(shell::PointerCustom));
            QCOMPARE(form->cursor().shape(), Qt::BitmapCursor);
        }
        qputenv("DEALWRIGHT_PROGRAM_DIR", savedDir);
    }

    void everyButtonWorksFromTheKeyboard()
    {
        World world;
        QTemporaryDir out;
        settings::write(keys::Text2, out.path());
        auto form = openDrawWindow(world);
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        const QStringList buttons{"PushButton4", "PushButton2", "PushButton1", "PushButton5", "PushButton9",
                                  "PushButton3"};
        // Tab reaches every button.
        QStringList reached;
        control(form.get(), "PushButton4")->setFocus();
        for (int i = 0; i < 20; ++i) {
            reached.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (const QString &name : buttons)
            QVERIFY2(reached.contains(name), qPrintable(name));
        // Space and Enter press them.
        for (const QString &name : buttons) {
            auto *button = control<QPushButton>(form.get(), qPrintable(name));
            QSignalSpy clicked(button, &QPushButton::clicked);
            QTest::keyClick(button, Qt::Key_Space);
            QTest::keyClick(button, Qt::Key_Return);
            QTest::keyClick(button, Qt::Key_Enter);
            QCOMPARE(clicked.count(), 3);
            form->show();
            form->fullScreenView().hide();
        }
    }
};

QTEST_MAIN(TestDrawWindowInput)
#include "test_draw_window_input.moc"
