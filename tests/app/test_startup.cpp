// The start-up sequence and the chooser: which window a start opens for
// each stored Form3Start, the reset to "0", the pointer file, the skin, the
// caption and the two buttons.
#include "AppTestSupport.h"
#include "shell/ErrorReport.h"
#include "shell/Pointer.h"
#include "settings/SettingsStore.h"
#include "shell/ShellHelpers.h"
#include "shell/Twips.h"
#include "support/Controls.h"
#include "support/TestPlatform.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using apptest::Start;
using apptest::showing;
using apptest::store;
using apptest::stored;

namespace {

const QString Form3Start = settings::keys::Form3Start;

// Points the program folder somewhere else for as long as it lives.
class ProgramFolderOverride {
public:
    explicit ProgramFolderOverride(const QString &folder) : m_saved(qgetenv("DEALWRIGHT_PROGRAM_DIR"))
    {
        qputenv("DEALWRIGHT_PROGRAM_DIR", folder.toLocal8Bit());
    }
    ~ProgramFolderOverride() { qputenv("DEALWRIGHT_PROGRAM_DIR", m_saved); }

private:
    QByteArray m_saved;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void firstStartWithAnEmptyStore()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        Start start;
        app::ChooserWindow &chooser = start.chooser();

        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        QVERIFY(!start.program->drawWindow());
        QVERIFY(!start.program->batchWindow());
        QCOMPARE(platform.messages.shown.size(), 0);
        QCOMPARE(stored(config.settingsFile(), Form3Start), QStringLiteral("0"));

        QCOMPARE(chooser.windowTitle(), QStringLiteral("Dealwright"));
        QCOMPARE(shell::appTitle(), QStringLiteral("Dealwright"));
        QCOMPARE(chooser.windowIcon().cacheKey(), shell::programIcon().cacheKey());
        QCOMPARE(chooser.size(), QSize(536, 76));

        auto *newMethod = testsupport::control<QPushButton>(&chooser, "PushButton1");
        auto *oldMethod = testsupport::control<QPushButton>(&chooser, "PushButton2");
        QVERIFY(newMethod && oldMethod);
        // The hidden box comes once the first frame is shown.
        // The hidden box is made after the first frame: wait for it to exist.
        QTRY_VERIFY(chooser.findChild<QLineEdit *>(QStringLiteral("Text1")));
        auto *text1 = testsupport::control<QLineEdit>(&chooser, "Text1");
        QCOMPARE(newMethod->text(), QStringLiteral("New Method"));
        QCOMPARE(oldMethod->text(), QStringLiteral("Old Method"));
        // The designed places: the skin must not change them.
        QCOMPARE(newMethod->geometry(), QRect(8, 8, 520, 27));
        QCOMPARE(oldMethod->geometry(), QRect(8, 42, 520, 27));
        QVERIFY(newMethod->geometry().bottom() < oldMethod->geometry().top());
        for (QPushButton *button : {newMethod, oldMethod}) {
            QCOMPARE(button->font().family(), QStringLiteral("Arial"));
            QCOMPARE(button->font().pointSizeF(), 11.25);
            QVERIFY(button->font().bold());
        }
        const shell::TwipsRect t = shell::twipsGeometry(text1);
        QCOMPARE(QList<int>({t.left, t.top, t.width, t.height}), QList<int>({1680, 1440, 1215, 690}));
        QVERIFY(text1->geometry().top() >= chooser.height());  // out of sight
        QCOMPARE(text1->text(), QStringLiteral("Text1"));

        // The window itself has the first focus, not the hidden box (which
        // took typing and was announced to screen readers); neither button
        // starts with a focus mark, typing changes nothing, and Tab reaches
        // the buttons in order.
        chooser.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(&chooser));
        QVERIFY(!newMethod->hasFocus() && !oldMethod->hasFocus());
        QVERIFY(!text1->isVisible());
        QCOMPARE(text1->focusPolicy(), Qt::NoFocus);
        QTest::keyClicks(&chooser, QStringLiteral("typed"));
        QCOMPARE(text1->text(), QStringLiteral("Text1"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(&chooser));
        QTest::keyClick(&chooser, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(newMethod));
        QTest::keyClick(newMethod, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(oldMethod));
        // Enter presses the button that has the focus.
        QSignalSpy pressed(oldMethod, &QPushButton::clicked);
        QTest::keyClick(oldMethod, Qt::Key_Return);
        QCOMPARE(pressed.count(), 1);
        QVERIFY(showing(QStringLiteral("Form3")));
    }

    void form3StartChoosesTheFirstWindow_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("opens");
        QTest::addColumn<int>("reportStep");  // 0: no report
        QTest::newRow("2 reopens the draw window") << "2" << "Form2" << 0;
        QTest::newRow("3 reopens the batch window") << "3" << "Form3" << 0;
        QTest::newRow("5 is a first run") << "5" << "Form1" << 0;
        QTest::newRow("0 is a first run") << "0" << "Form1" << 0;
        QTest::newRow("2.0 is the number 2") << "2.0" << "Form2" << 0;
        QTest::newRow("blanks around 3") << " 3 " << "Form3" << 0;
        QTest::newRow("-2 is not 2") << "-2" << "Form1" << 0;
        QTest::newRow("huge number") << "1e400" << "Form1" << 0;
        // Not a number: step 128 fails and its own branch runs; the else
        // branch (step 134) does not.
        QTest::newRow("letters") << "abc" << "Form2" << 128;
        QTest::newRow("empty value") << "" << "Form2" << 128;
        QTest::newRow("3 with letters") << "3x" << "Form2" << 128;
    }

    void form3StartChoosesTheFirstWindow()
    {
        QFETCH(QString, value);
        QFETCH(QString, opens);
        QFETCH(int, reportStep);
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        apptest::store(config.settingsFile(), Form3Start, value);

        Start start;
        const QStringList windows = {QStringLiteral("Form1"), QStringLiteral("Form2"), QStringLiteral("Form3")};
        for (const QString &name : windows)
            QCOMPARE(showing(name), name == opens);
        // A reopened window is the only one the user ever sees.
        QCOMPARE(start.mainShows.shows, opens == QLatin1String("Form1") ? 1 : 0);
        QCOMPARE(start.program->drawWindow() != nullptr, opens == QLatin1String("Form2"));
        QCOMPARE(start.program->batchWindow() != nullptr, opens == QLatin1String("Form3"));
        QCOMPARE(stored(config.settingsFile(), Form3Start), QStringLiteral("0"));

        if (reportStep == 0) {
            QCOMPARE(platform.messages.shown.size(), 0);
        } else {
            QCOMPARE(platform.messages.reports(),
                     QList<shell::ReportOrigin>({shell::ReportOrigin{shell::Location::ChooserLoad, reportStep}}));
            QCOMPARE(platform.messages.shown.size(), 1);
        }
    }

    void theHandPointerFile()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        const QString builtHand = testsupport::programDir() + QStringLiteral("/HAND-M.CUR");
        QTemporaryDir folder;
        ProgramFolderOverride programFolder(folder.path());
        {
            // Missing: no report, and no hand over the buttons.
            Start start;
            QVERIFY(!start.chooser().pointer().hasCustomCursor());
            QCOMPARE(platform.messages.shown.size(), 0);
        }
        {
            // Present (the program's own file): the hand shows over the buttons.
            QVERIFY(QFile::copy(builtHand, folder.filePath(QStringLiteral("HAND-M.CUR"))));
            Start start;
            app::ChooserWindow &chooser = start.chooser();
            QVERIFY(chooser.pointer().hasCustomCursor());
            QCOMPARE(platform.messages.shown.size(), 0);
            QVERIFY(QTest::qWaitForWindowExposed(&chooser));
            auto *button = testsupport::control<QPushButton>(&chooser, "PushButton2");
            QMouseEvent overButton(QEvent::MouseMove, QPointF(10, 10), button->mapToGlobal(QPointF(10, 10)), Qt::NoButton,
                                   Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(button, &overButton);
            QCOMPARE(chooser.pointer().style(), int(shell::PointerCustom));
            QCOMPARE(chooser.cursor().shape(), Qt::BitmapCursor);
            QMouseEvent overSurface(QEvent::MouseMove, QPointF(2, 2), chooser.mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                                    Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&chooser, &overSurface);
            QCOMPARE(chooser.pointer().style(), int(shell::PointerDefault));
            chooser.pointer().setStyle(shell::PointerHourglass);
            QApplication::sendEvent(button, &overButton);
            QCOMPARE(chooser.pointer().style(), int(shell::PointerHourglass));
        }
        {
            // Present but not a cursor file: step 104 is reported, start-up goes on.
            writeFile(folder.filePath(QStringLiteral("HAND-M.CUR")), "not a cursor");
            platform.messages.clear();
            Start start;
            QVERIFY(!start.chooser().pointer().hasCustomCursor());
            QCOMPARE(platform.messages.shown.size(), 1);
            QVERIFY(platform.messages.shown.first().text.contains(QLatin1String("Form1.Form_Load at line 104")));
            QVERIFY(showing(QStringLiteral("Form1")));
            QCOMPARE(stored(config.settingsFile(), Form3Start), QStringLiteral("0"));
        }
    }

    void theSkinBesideTheProgram()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        QTemporaryDir folder;
        ProgramFolderOverride programFolder(folder.path());
        {
            Start start;
            QVERIFY(start.chooser().styleSheet().isEmpty());
        }
        const QByteArray sheet = "QPushButton { color: rgb(1, 2, 3); }";
        writeFile(folder.filePath(QStringLiteral("x/o.cjs")), sheet);
        Start start;
        QCOMPARE(start.chooser().styleSheet(), QString::fromUtf8(sheet));
        auto *button = testsupport::control<QPushButton>(&start.chooser(), "PushButton1");
        QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(1, 2, 3));
        QCOMPARE(platform.messages.shown.size(), 0);
    }

    // A skin that the style engine cannot parse is reported at step 100;
    // start-up goes on and the window keeps the platform's look.
    void aRejectedSkinIsReported()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        QTemporaryDir folder;
        ProgramFolderOverride programFolder(folder.path());
        writeFile(folder.filePath(QStringLiteral("x/o.cjs")), "QPushButton { color: rgb(1, 2, 3); ");
        Start start;
        QCOMPARE(platform.messages.shown.size(), 1);
        QCOMPARE(platform.messages.reports(),
                 QList<shell::ReportOrigin>({shell::ReportOrigin{shell::Location::ChooserLoad, 100}}));
        const shell::Message report = platform.messages.shown.first();
        QVERIFY2(report.text.contains(QLatin1String("o.cjs")), qPrintable(report.text));
        QVERIFY(start.chooser().styleSheet().isEmpty());
        QVERIFY(start.chooser().windowTitle() == QLatin1String("Dealwright"));  // step 106 ran
        QVERIFY(showing(QStringLiteral("Form1")));
        QCOMPARE(stored(config.settingsFile(), Form3Start), QStringLiteral("0"));
    }

    // A web visit whose browser cannot start is reported at step 108, and
    // the stored window still reopens.
    void aWebVisitThatCannotStartIsReported()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        platform.web.refuse = true;
        platform.clock.running = true;
        platform.clock.step = 0.37;
        for (int i = 0; i < 2000 && platform.web.opened.isEmpty(); ++i) {
            store(config.settingsFile(), Form3Start, QStringLiteral("3"));
            platform.messages.clear();
            Start start;
            if (platform.web.opened.isEmpty()) {
                QCOMPARE(platform.messages.shown.size(), 0);
                continue;
            }
            QCOMPARE(platform.messages.shown.size(), 1);
            QCOMPARE(platform.messages.reports(),
                     QList<shell::ReportOrigin>({shell::ReportOrigin{shell::Location::ChooserLoad, 108}}));
            QVERIFY(showing(QStringLiteral("Form3")));
            QCOMPARE(stored(config.settingsFile(), Form3Start), QStringLiteral("0"));
        }
        QCOMPARE(platform.web.opened.size(), 1);
    }

    void closingTheMainWindowEndsTheProgramWithoutWriting()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        Start start;
        const QByteArray before = apptest::bytesOf(config.settingsFile());
        QVERIFY(!before.isEmpty());
        QVERIFY(start.chooser().close());
        QCOMPARE(platform.ender.ends, 1);
        QCOMPARE(apptest::bytesOf(config.settingsFile()), before);
    }

    void theOccasionalWebSiteVisit_data()
    {
        QTest::addColumn<QString>("webVisit");  // the stored "Web Visit", or none
        QTest::addColumn<bool>("visits");
        QTest::newRow("not stored") << QString() << true;
        QTest::newRow("1") << QStringLiteral("1") << true;
        QTest::newRow("0") << QStringLiteral("0") << false;
        QTest::newRow("0, as a number written otherwise") << QStringLiteral(" 0.0 ") << false;
    }

    void theOccasionalWebSiteVisit()
    {
        // About one start in a hundred opens the maker's web site, and only
        // through the web seam (never a real browser here); "Web Visit" set
        // to 0 turns it off. The clock runs alike in every case.
        QFETCH(QString, webVisit);
        QFETCH(bool, visits);
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        if (!webVisit.isNull())
            store(config.settingsFile(), settings::keys::WebVisit, webVisit);
        platform.clock.running = true;
        platform.clock.step = 0.37;
        const int starts = 400;
        for (int i = 0; i < starts; ++i)
            Start start;
        if (visits) {
            QVERIFY2(platform.web.opened.size() >= 1 && platform.web.opened.size() <= 12,
                     qPrintable(QString::number(platform.web.opened.size())));
        } else {
            QCOMPARE(platform.web.opened.size(), 0);
        }
        for (const QUrl &address : platform.web.opened)
            QCOMPARE(address, QUrl(QString::fromLatin1(shell::WebSiteAddress)));
        QCOMPARE(platform.messages.shown.size(), 0);
        // The key is only read.
        QCOMPARE(stored(config.settingsFile(), settings::keys::WebVisit), webVisit);
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
