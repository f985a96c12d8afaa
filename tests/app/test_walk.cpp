// The whole program as a user walks it, across several starts: every start
// is the real start-up on a fresh set of windows, and what the settings file
// holds after one start is what the next start finds.
#include "AppTestSupport.h"
#include "draw/DrawWindow.h"
#include "batch/BatchWindow.h"
#include "settings/SettingsStore.h"
#include "support/Controls.h"
#include "support/TestPlatform.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using apptest::Start;
using apptest::showing;
using apptest::stored;

namespace {

const QString Form3Start = settings::keys::Form3Start;

using testsupport::control;

void click(QWidget *window, const char *button)
{
    auto *b = control<QAbstractButton>(window, button);
    QVERIFY(b);
    QVERIFY2(b->isVisible(), button);
    QTest::mouseClick(b, Qt::LeftButton);
}

QString countText(QWidget *window)
{
    auto *label = control<QLabel>(window, "Label1");
    return label ? label->text() : QString();
}

int listEntries(QWidget *batchWindow)
{
    auto *list = control<QAbstractItemView>(batchWindow, "ListView1");
    return list ? list->model()->rowCount() : -1;
}

QList<shell::ReportOrigin> reports(const testsupport::TestPlatform &platform)
{
    return platform.messages.reports();
}

} // namespace

class TestWalk : public QObject {
    Q_OBJECT
private slots:
    void drawingCardByCardAcrossStarts()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        const QString file = config.settingsFile();
        {
            Start start;  // first start, empty store
            QVERIFY(showing(QStringLiteral("Form1")));
            QCOMPARE(stored(file, Form3Start), QStringLiteral("0"));

            click(&start.chooser(), "PushButton1");  // "New Method"
            QWidget *drawWindow = start.program->drawWindow();
            QVERIFY(drawWindow);
            QTRY_VERIFY(drawWindow->isVisible());
            QVERIFY(!start.chooser().isVisible());
            QCOMPARE(countText(drawWindow), QStringLiteral("Cards drawn: 0"));
            // The draw window's first load stored its defaults.
            QCOMPARE(stored(file, settings::keys::Option1), QStringLiteral("True"));
            QCOMPARE(stored(file, settings::keys::Option2), QStringLiteral("False"));

            click(drawWindow, "PushButton2");  // "Show Next Card"
            click(drawWindow, "PushButton2");
            QCOMPARE(countText(drawWindow), QStringLiteral("Cards drawn: 2"));
            const auto drawn = *cards::state().drawnCards;

            click(drawWindow, "PushButton4");  // "< Back"
            QTRY_VERIFY(start.chooser().isVisible());
            QVERIFY(!drawWindow->isVisible());
            QCOMPARE(stored(file, Form3Start), QStringLiteral("0"));  // "< Back" stores nothing

            click(&start.chooser(), "PushButton1");  // the same window, as left
            QCOMPARE(static_cast<QWidget *>(start.program->drawWindow()), drawWindow);
            QTRY_VERIFY(drawWindow->isVisible());
            QCOMPARE(countText(drawWindow), QStringLiteral("Cards drawn: 2"));
            QCOMPARE(*cards::state().drawnCards, drawn);

            // Full screen, Space draws, Esc comes back.
            click(drawWindow, "PushButton5");
            QWidget *form4 = apptest::window(QStringLiteral("Form4"));
            QVERIFY(form4);
            QTRY_VERIFY(form4->isVisible());
            QVERIFY(!drawWindow->isVisible());
            QCOMPARE(countText(form4), QStringLiteral("Cards drawn: 2"));
            QTest::keyClick(form4, Qt::Key_Space);
            QCOMPARE(countText(form4), QStringLiteral("Cards drawn: 3"));
            QCOMPARE(countText(drawWindow), QStringLiteral("Cards drawn: 3"));
            QTest::keyClick(form4, Qt::Key_Escape);
            QTRY_VERIFY(drawWindow->isVisible());
            QVERIFY(!form4->isVisible());
            QVERIFY(!start.chooser().isVisible());

            // Closing the draw window records it and ends the program.
            QVERIFY(drawWindow->close());
            QCOMPARE(platform.ender.ends, 1);
            QCOMPARE(stored(file, Form3Start), QStringLiteral("2"));
        }
        platform.ender.ends = 0;
        {
            Start start;  // opens the draw window directly, freshly loaded
            QWidget *drawWindow = start.program->drawWindow();
            QVERIFY(drawWindow && drawWindow->isVisible());
            QCOMPARE(start.mainShows.shows, 0);
            QCOMPARE(countText(drawWindow), QStringLiteral("Cards drawn: 0"));
            QCOMPARE(stored(file, Form3Start), QStringLiteral("0"));
            // Ending from the chooser leaves "0".
            click(drawWindow, "PushButton4");
            QTRY_VERIFY(start.chooser().isVisible());
            QVERIFY(start.chooser().close());
            QCOMPARE(platform.ender.ends, 1);
            QCOMPARE(stored(file, Form3Start), QStringLiteral("0"));
        }
        {
            Start start;  // the start after that opens the chooser
            QVERIFY(showing(QStringLiteral("Form1")));
            QVERIFY(!start.program->drawWindow());
        }
        QVERIFY(reports(platform).isEmpty());
    }

    void theBatchGeneratorAcrossStarts()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        const QString file = config.settingsFile();
        {
            Start start;
            click(&start.chooser(), "PushButton2");  // "Old Method"
            QWidget *batchWindow = start.program->batchWindow();
            QVERIFY(batchWindow);
            QTRY_VERIFY(batchWindow->isVisible());
            QVERIFY(!start.chooser().isVisible());
            auto *count = control<QLineEdit>(batchWindow, "Text1");
            QVERIFY(count);
            QCOMPARE(count->text(), QStringLiteral("52"));
            count->setText(QStringLiteral("5"));
            QCOMPARE(stored(file, settings::keys::NumberOfCards), QStringLiteral("5"));
            click(batchWindow, "PushButton2");  // "Start Generate Random Playing Cards"
            QTRY_COMPARE(listEntries(batchWindow), 5);

            click(batchWindow, "PushButton4");  // "< Back"
            QTRY_VERIFY(start.chooser().isVisible());
            click(&start.chooser(), "PushButton2");
            QCOMPARE(static_cast<QWidget *>(start.program->batchWindow()), batchWindow);
            QTRY_VERIFY(batchWindow->isVisible());
            QCOMPARE(listEntries(batchWindow), 5);

            QVERIFY(batchWindow->close());
            QCOMPARE(platform.ender.ends, 1);
            QCOMPARE(stored(file, Form3Start), QStringLiteral("3"));
        }
        {
            Start start;  // the batch window first, with an empty list
            QWidget *batchWindow = start.program->batchWindow();
            QVERIFY(batchWindow && batchWindow->isVisible());
            QCOMPARE(start.mainShows.shows, 0);
            QVERIFY(!start.program->drawWindow());
            QCOMPARE(listEntries(batchWindow), 0);
            QCOMPARE(control<QLineEdit>(batchWindow, "Text1")->text(), QStringLiteral("5"));
            QCOMPARE(stored(file, Form3Start), QStringLiteral("0"));
        }
        {
            Start start;  // "0" was left: the chooser
            QVERIFY(showing(QStringLiteral("Form1")));
            QVERIFY(!start.program->batchWindow());
        }
        QVERIFY(reports(platform).isEmpty());
    }

    void wronglyFormedDrawOptions_data()
    {
        QTest::addColumn<QString>("option1");
        QTest::addColumn<QString>("option2");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("choose");
        // A selected Option1 stores both options at once, so Option2 is
        // only read as stored when Option1 is off.
        QTest::newRow("Option1 not a truth value") << "maybe" << "False" << 110 << "Option1";
        QTest::newRow("Option2 not a truth value") << "False" << "x1" << 112 << "Option2";
    }

    void wronglyFormedDrawOptions()
    {
        // The draw window's load reports the step that converts the value
        // and still opens; the value stays as stored until the user chooses
        // a mode, which stores both options in their proper form.
        QFETCH(QString, option1);
        QFETCH(QString, option2);
        QFETCH(int, step);
        QFETCH(QString, choose);
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        const QString file = config.settingsFile();
        apptest::store(file, Form3Start, QStringLiteral("2"));
        apptest::store(file, settings::keys::Option1, option1);
        apptest::store(file, settings::keys::Option2, option2);
        Start start;
        QWidget *drawWindow = start.program->drawWindow();
        QVERIFY(drawWindow && drawWindow->isVisible());
        QCOMPARE(reports(platform), QList<shell::ReportOrigin>({shell::ReportOrigin{shell::Location::DrawWindowLoad, step}}));
        QCOMPARE(stored(file, Form3Start), QStringLiteral("0"));
        QCOMPARE(stored(file, settings::keys::Option1), option1);
        QCOMPARE(stored(file, settings::keys::Option2), option2);

        click(drawWindow, qPrintable(choose));
        const bool first = choose == QLatin1String("Option1");
        QCOMPARE(stored(file, settings::keys::Option1), first ? QStringLiteral("True") : QStringLiteral("False"));
        QCOMPARE(stored(file, settings::keys::Option2), first ? QStringLiteral("False") : QStringLiteral("True"));
        click(drawWindow, "PushButton2");
        QCOMPARE(countText(drawWindow), QStringLiteral("Cards drawn: 1"));
        QCOMPARE(reports(platform).size(), 1);
    }

    void wronglyFormedBatchCount()
    {
        // A stored count that is not a number is put back into the box as
        // it is; the batch window opens without a report, and a start
        // with that count draws nothing and tells why.
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        apptest::store(config.settingsFile(), Form3Start, QStringLiteral("3"));
        apptest::store(config.settingsFile(), settings::keys::NumberOfCards, QStringLiteral("many"));
        Start start;
        QWidget *batchWindow = start.program->batchWindow();
        QVERIFY(batchWindow && batchWindow->isVisible());
        QCOMPARE(control<QLineEdit>(batchWindow, "Text1")->text(), QStringLiteral("many"));
        QCOMPARE(platform.messages.shown.size(), 0);
        click(batchWindow, "PushButton2");
        QCOMPARE(listEntries(batchWindow), 0);
        QCOMPARE(platform.messages.texts(), QStringList{QStringLiteral("Must be a numerical value.")});
        QCOMPARE(stored(config.settingsFile(), settings::keys::NumberOfCards), QStringLiteral("many"));
        QCOMPARE(stored(config.settingsFile(), Form3Start), QStringLiteral("0"));
    }

    void storedFoldersThatAreNoFolders()
    {
        // Text2 holds any text; the windows show it as it is and refuse to
        // save into it.
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        const QString notAFolder = config.settingsFile();  // a file
        apptest::store(config.settingsFile(), Form3Start, QStringLiteral("2"));
        apptest::store(config.settingsFile(), settings::keys::Text2, notAFolder);
        Start start;
        QWidget *drawWindow = start.program->drawWindow();
        QVERIFY(drawWindow);
        QCOMPARE(control<QLineEdit>(drawWindow, "Text2")->text(), notAFolder);
        click(drawWindow, "PushButton3");  // "Save Card As Image"
        QCOMPARE(platform.messages.texts(),
                 QStringList{QStringLiteral("Folder does not exist. Please select another folder.")});
        QCOMPARE(stored(config.settingsFile(), settings::keys::Text2), notAFolder);

        // LastFolderDot naming no folder: the picker is asked to start at the
        // box's folder instead (it opens at its default when that is no
        // folder either), and a cancel changes nothing.
        const QString gone = config.path() + QStringLiteral("/gone");
        apptest::store(config.settingsFile(), settings::keys::LastFolderDot, gone);
        click(drawWindow, "PushButton9");  // "..."
        QCOMPARE(platform.folders.calls.size(), 1);
        QCOMPARE(platform.folders.calls.first().startFolder, notAFolder);
        QCOMPARE(platform.folders.calls.first().title, QStringLiteral("Please select folder:"));
        QCOMPARE(control<QLineEdit>(drawWindow, "Text2")->text(), notAFolder);
        QCOMPARE(stored(config.settingsFile(), settings::keys::LastFolderDot), gone);
        QCOMPARE(stored(config.settingsFile(), settings::keys::Text2), notAFolder);
    }
};

QTEST_MAIN(TestWalk)
#include "test_walk.moc"
