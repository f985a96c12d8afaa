// The whole program as a user walks it, across several starts: every start
// is the real start-up on a fresh set of windows, and what the settings file
// holds after one start is what the next start finds.
#include "AppTestSupport.h"
#include "draw/Form2.h"
#include "batch/Form3.h"
#include "shell/Settings.h"
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

const QString Form3Start = shell::keys::Form3Start;

template <class T = QWidget>
T *child(QWidget *window, const char *name)
{
    T *found = window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
    if (!found)
        qWarning("no %s in %s", name, window ? qPrintable(window->objectName()) : "(no window)");
    return found;
}

void click(QWidget *window, const char *button)
{
    auto *b = child<QAbstractButton>(window, button);
    QVERIFY(b);
    QVERIFY2(b->isVisible(), button);
    QTest::mouseClick(b, Qt::LeftButton);
}

QString countText(QWidget *window)
{
    auto *label = child<QLabel>(window, "Label1");
    return label ? label->text() : QString();
}

int listEntries(QWidget *form3)
{
    auto *list = child<QAbstractItemView>(form3, "ListView1");
    return list ? list->model()->rowCount() : -1;
}

QStringList reports(const testsupport::TestPlatform &platform)
{
    QStringList texts;
    for (const shell::Message &m : platform.messages.shown) {
        if (m.caption == QLatin1String("Application Error"))
            texts << m.text;
    }
    return texts;
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

            click(&start.form1(), "PushButton1");  // "New Method"
            QWidget *form2 = start.program->form2();
            QVERIFY(form2);
            QTRY_VERIFY(form2->isVisible());
            QVERIFY(!start.form1().isVisible());
            QCOMPARE(countText(form2), QStringLiteral("Cards drawn: 0"));
            // The draw window's first load stored its defaults.
            QCOMPARE(stored(file, shell::keys::Option1), QStringLiteral("True"));
            QCOMPARE(stored(file, shell::keys::Option2), QStringLiteral("False"));

            click(form2, "PushButton2");  // "Show Next Card"
            click(form2, "PushButton2");
            QCOMPARE(countText(form2), QStringLiteral("Cards drawn: 2"));
            const auto drawn = *cards::state().DrawnCards;

            click(form2, "PushButton4");  // "< Back"
            QTRY_VERIFY(start.form1().isVisible());
            QVERIFY(!form2->isVisible());
            QCOMPARE(stored(file, Form3Start), QStringLiteral("0"));  // "< Back" stores nothing

            click(&start.form1(), "PushButton1");  // the same window, as left
            QCOMPARE(static_cast<QWidget *>(start.program->form2()), form2);
            QTRY_VERIFY(form2->isVisible());
            QCOMPARE(countText(form2), QStringLiteral("Cards drawn: 2"));
            QCOMPARE(*cards::state().DrawnCards, drawn);

            // Full screen, Space draws, Esc comes back.
            click(form2, "PushButton5");
            QWidget *form4 = apptest::window(QStringLiteral("Form4"));
            QVERIFY(form4);
            QTRY_VERIFY(form4->isVisible());
            QVERIFY(!form2->isVisible());
            QCOMPARE(countText(form4), QStringLiteral("Cards drawn: 2"));
            QTest::keyClick(form4, Qt::Key_Space);
            QCOMPARE(countText(form4), QStringLiteral("Cards drawn: 3"));
            QCOMPARE(countText(form2), QStringLiteral("Cards drawn: 3"));
            QTest::keyClick(form4, Qt::Key_Escape);
            QTRY_VERIFY(form2->isVisible());
            QVERIFY(!form4->isVisible());
            QVERIFY(!start.form1().isVisible());

            // Closing the draw window records it and ends the program.
            QVERIFY(form2->close());
            QCOMPARE(platform.ender.ends, 1);
            QCOMPARE(stored(file, Form3Start), QStringLiteral("2"));
        }
        platform.ender.ends = 0;
        {
            Start start;  // opens the draw window directly, freshly loaded
            QWidget *form2 = start.program->form2();
            QVERIFY(form2 && form2->isVisible());
            QCOMPARE(start.mainShows.shows, 0);
            QCOMPARE(countText(form2), QStringLiteral("Cards drawn: 0"));
            QCOMPARE(stored(file, Form3Start), QStringLiteral("0"));
            // Ending from the main window leaves "0".
            click(form2, "PushButton4");
            QTRY_VERIFY(start.form1().isVisible());
            QVERIFY(start.form1().close());
            QCOMPARE(platform.ender.ends, 1);
            QCOMPARE(stored(file, Form3Start), QStringLiteral("0"));
        }
        {
            Start start;  // the start after that opens the main window
            QVERIFY(showing(QStringLiteral("Form1")));
            QVERIFY(!start.program->form2());
        }
        QCOMPARE(reports(platform), QStringList());
    }

    void theBatchGeneratorAcrossStarts()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        const QString file = config.settingsFile();
        {
            Start start;
            click(&start.form1(), "PushButton2");  // "Old Method"
            QWidget *form3 = start.program->form3();
            QVERIFY(form3);
            QTRY_VERIFY(form3->isVisible());
            QVERIFY(!start.form1().isVisible());
            auto *count = child<QLineEdit>(form3, "Text1");
            QVERIFY(count);
            QCOMPARE(count->text(), QStringLiteral("52"));
            count->setText(QStringLiteral("5"));
            QCOMPARE(stored(file, shell::keys::NumberOfCards), QStringLiteral("5"));
            click(form3, "PushButton2");  // "Start Generate Random Playing Cards"
            QTRY_COMPARE(listEntries(form3), 5);

            click(form3, "PushButton4");  // "< Back"
            QTRY_VERIFY(start.form1().isVisible());
            click(&start.form1(), "PushButton2");
            QCOMPARE(static_cast<QWidget *>(start.program->form3()), form3);
            QTRY_VERIFY(form3->isVisible());
            QCOMPARE(listEntries(form3), 5);

            QVERIFY(form3->close());
            QCOMPARE(platform.ender.ends, 1);
            QCOMPARE(stored(file, Form3Start), QStringLiteral("3"));
        }
        {
            Start start;  // the batch generator first, with an empty list
            QWidget *form3 = start.program->form3();
            QVERIFY(form3 && form3->isVisible());
            QCOMPARE(start.mainShows.shows, 0);
            QVERIFY(!start.program->form2());
            QCOMPARE(listEntries(form3), 0);
            QCOMPARE(child<QLineEdit>(form3, "Text1")->text(), QStringLiteral("5"));
            QCOMPARE(stored(file, Form3Start), QStringLiteral("0"));
        }
        {
            Start start;  // "0" was left: the main window
            QVERIFY(showing(QStringLiteral("Form1")));
            QVERIFY(!start.program->form3());
        }
        QCOMPARE(reports(platform), QStringList());
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
        apptest::store(file, shell::keys::Option1, option1);
        apptest::store(file, shell::keys::Option2, option2);
        Start start;
        QWidget *form2 = start.program->form2();
        QVERIFY(form2 && form2->isVisible());
        const QStringList texts = reports(platform);
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts.first().contains(QStringLiteral("in Kestrelby2021/08/31.Form2.Form_Load at line %1\r\r").arg(step)),
                 qPrintable(texts.first()));
        QCOMPARE(stored(file, Form3Start), QStringLiteral("0"));
        QCOMPARE(stored(file, shell::keys::Option1), option1);
        QCOMPARE(stored(file, shell::keys::Option2), option2);

        click(form2, qPrintable(choose));
        const bool first = choose == QLatin1String("Option1");
        QCOMPARE(stored(file, shell::keys::Option1), first ? QStringLiteral("True") : QStringLiteral("False"));
        QCOMPARE(stored(file, shell::keys::Option2), first ? QStringLiteral("False") : QStringLiteral("True"));
        click(form2, "PushButton2");
        QCOMPARE(countText(form2), QStringLiteral("Cards drawn: 1"));
        QCOMPARE(reports(platform).size(), 1);
    }

    void wronglyFormedBatchCount()
    {
        // A stored count that is not a number is put back into the box as
        // it is; the batch generator opens without a report, and a start
        // with that count draws nothing and tells why.
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        apptest::store(config.settingsFile(), Form3Start, QStringLiteral("3"));
        apptest::store(config.settingsFile(), shell::keys::NumberOfCards, QStringLiteral("many"));
        Start start;
        QWidget *form3 = start.program->form3();
        QVERIFY(form3 && form3->isVisible());
        QCOMPARE(child<QLineEdit>(form3, "Text1")->text(), QStringLiteral("many"));
        QCOMPARE(platform.messages.shown.size(), 0);
        click(form3, "PushButton2");
        QCOMPARE(listEntries(form3), 0);
        QCOMPARE(platform.messages.texts(), QStringList{QStringLiteral("Must be a numerical value.")});
        QCOMPARE(stored(config.settingsFile(), shell::keys::NumberOfCards), QStringLiteral("many"));
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
        apptest::store(config.settingsFile(), shell::keys::Text2, notAFolder);
        Start start;
        QWidget *form2 = start.program->form2();
        QVERIFY(form2);
        QCOMPARE(child<QLineEdit>(form2, "Text2")->text(), notAFolder);
        click(form2, "PushButton3");  // "Save Card As Image"
        QCOMPARE(platform.messages.texts(),
                 QStringList{QStringLiteral("Folder does not exist. Please select another folder.")});
        QCOMPARE(stored(config.settingsFile(), shell::keys::Text2), notAFolder);

        // LastFolderDot naming no folder: the picker still opens with it, and
        // a cancel changes nothing.
        const QString gone = config.path() + QStringLiteral("/gone");
        apptest::store(config.settingsFile(), shell::keys::LastFolderDot, gone);
        click(form2, "PushButton9");  // "..."
        QCOMPARE(platform.folders.calls.size(), 1);
        QCOMPARE(platform.folders.calls.first().startFolder, gone);
        QCOMPARE(platform.folders.calls.first().title, QStringLiteral("Please select folder:"));
        QCOMPARE(child<QLineEdit>(form2, "Text2")->text(), notAFolder);
        QCOMPARE(stored(config.settingsFile(), shell::keys::LastFolderDot), gone);
        QCOMPARE(stored(config.settingsFile(), shell::keys::Text2), notAFolder);
    }
};

QTEST_MAIN(TestWalk)
#include "test_walk.moc"
