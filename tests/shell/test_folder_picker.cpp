// The real folder dialog (the Qt services, under the offscreen platform):
// it opens at the start folder it is given, at the desktop (or the home
// folder) without one rather than at the program's working folder, and Esc
// closes it at the first press whichever of its controls has the focus.
// Which folder the browse buttons ask for is tested with the windows.
#include "shell/Platform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Opens the dialog, runs `inside` on it once it shows, and returns what
// the dialog returned.
QString browse(const QString &start, const std::function<void(QFileDialog &)> &inside)
{
    QTimer::singleShot(0, [inside] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            QFAIL("no folder dialog");
            return;
        }
        if (!QTest::qWaitForWindowActive(dialog))
            qWarning("the folder dialog is not active");
        inside(*dialog);
        // Whatever happened, the dialog does not stay open.
        if (dialog->isVisible())
            dialog->reject();
    });
    return shell::platform().folders->browseForFolder(nullptr, QStringLiteral("Please select folder:"), start);
}

QString canonical(const QString &path) { return QDir(path).canonicalPath(); }

} // namespace

class TestFolderPicker : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { shell::installQtPlatform(); }

    void opensAtTheStartFolder()
    {
        QTemporaryDir start;
        QString shown;
        QString title;
        browse(start.path(), [&](QFileDialog &dialog) {
            shown = dialog.directory().absolutePath();
            title = dialog.windowTitle();
        });
        QCOMPARE(canonical(shown), canonical(start.path()));
        QCOMPARE(title, QStringLiteral("Please select folder:"));
    }

    void opensAtTheDesktopOrHomeWithoutAStart_data()
    {
        QTest::addColumn<QString>("start");
        QTest::newRow("none") << QString();
        QTest::newRow("gone") << QStringLiteral("/nonexistent/folder");
    }

    void opensAtTheDesktopOrHomeWithoutAStart()
    {
        QFETCH(QString, start);
        QTemporaryDir elsewhere;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        QString shown;
        browse(start, [&](QFileDialog &dialog) { shown = dialog.directory().absolutePath(); });
        QDir::setCurrent(before);
        QVERIFY(canonical(shown) != canonical(elsewhere.path()));
        // The desktop, or the home folder where there is none.
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        QCOMPARE(canonical(shown), canonical(QFileInfo(desktop).isDir() ? desktop : QDir::homePath()));
    }

    // Tab to each control in turn, then one Esc: the dialog is closed and
    // the answer is a cancel.
    void escapeClosesFromEveryControl()
    {
        QTemporaryDir start;
        QVERIFY(QDir(start.path()).mkdir(QStringLiteral("inside")));
        QStringList reached;
        QStringList stayedOpen;
        for (int tabs = 0; tabs < 12; ++tabs) {
            QString focused;
            bool open = true;
            const QString answer = browse(start.path(), [&](QFileDialog &dialog) {
                for (int i = 0; i < tabs; ++i) {
                    QWidget *focus = QApplication::focusWidget();
                    QTest::keyClick(focus ? focus : &dialog, Qt::Key_Tab);
                }
                QWidget *focus = QApplication::focusWidget();
                focused = focus ? QString::fromLatin1(focus->metaObject()->className()) + QLatin1Char(' ')
                                      + focus->objectName()
                                : QStringLiteral("nothing");
                QTest::keyClick(focus ? focus : &dialog, Qt::Key_Escape);
                open = dialog.isVisible();
            });
            reached << focused;
            if (open)
                stayedOpen << focused;
            QCOMPARE(answer, QString());
        }
        QVERIFY2(stayedOpen.isEmpty(), qPrintable(stayedOpen.join(QStringLiteral(", "))));
        // The walk met the dialog's controls, not only one of them.
        reached.removeDuplicates();
        QVERIFY2(reached.size() >= 4, qPrintable(reached.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(TestFolderPicker)
#include "test_folder_picker.moc"
