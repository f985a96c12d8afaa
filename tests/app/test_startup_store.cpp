// Start-up over a settings store that cannot be used: each failing read or
// write is reported by its own step, start-up goes on, and the first window
// comes up without waiting on the store.
#include "AppTestSupport.h"
#include "settings/SettingsStore.h"
#include "support/Controls.h"
#include "support/TestPlatform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

using apptest::Start;
using apptest::showing;

namespace {

// One start, under a hang guard: a start that has not come back after 20
// seconds ends the test process (SIGALRM), so a store that blocks fails the
// test instead of stopping the suite.
std::unique_ptr<Start> guardedStart()
{
    alarm(20);
    auto start = std::make_unique<Start>();
    alarm(0);
    return start;
}

// The messages shown: each error report as "ChooserLoad 128 Form3Start"
// (procedure, step, and the key its description names), anything else
// as its text.
QStringList reports(const testsupport::RecordingMessages &messages)
{
    const QStringList keys = {settings::keys::Form3Start, settings::keys::Option1, settings::keys::Option2,
                              settings::keys::Text2, settings::keys::WebVisit};
    const auto procedure = [](shell::Location location) {
        switch (location) {
        case shell::Location::ChooserLoad: return QStringLiteral("ChooserLoad");
        case shell::Location::DrawWindowLoad: return QStringLiteral("DrawWindowLoad");
        default: return QStringLiteral("elsewhere");
        }
    };
    QStringList seen;
    for (const shell::Message &m : messages.shown) {
        QString key;
        for (const QString &k : keys) {
            if (m.text.contains(QLatin1Char('"') + k + QLatin1Char('"')) && m.text.contains(QLatin1String("Marrowfen.ini")))
                key = k;
        }
        seen << (m.origin ? QStringLiteral("%1 %2 %3").arg(procedure(m.origin->location)).arg(m.origin->step).arg(key)
                          : m.text);
    }
    return seen;
}

} // namespace

class TestStartupStore : public QObject {
    Q_OBJECT
private slots:
    void aStoreThatCannotBeReadIsReportedStepByStep_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::newRow("folder as settings file") << false;
        QTest::newRow("pipe as settings file") << true;
    }

    // Step 108's read ("Web Visit") fails and is reported, so does step
    // 128's, whose branch opens the draw window; its load reports its three
    // reads; step 140 is reported last.
    void aStoreThatCannotBeReadIsReportedStepByStep()
    {
        QFETCH(bool, pipe);
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        if (pipe)
            QCOMPARE(mkfifo(QFile::encodeName(config.settingsFile()).constData(), 0600), 0);
        else
            QVERIFY(QDir().mkpath(config.settingsFile()));
        const std::unique_ptr<Start> start = guardedStart();
        QCOMPARE(reports(platform.messages),
                 QStringList({QStringLiteral("ChooserLoad 108 Web Visit"), QStringLiteral("ChooserLoad 128 Form3Start"),
                              QStringLiteral("DrawWindowLoad 108 Text2"),
                              QStringLiteral("DrawWindowLoad 110 Option1"), QStringLiteral("DrawWindowLoad 112 Option2"),
                              QStringLiteral("ChooserLoad 140 Form3Start")}));
        QVERIFY(QTest::qWaitForWindowExposed(apptest::window(QStringLiteral("Form2")), 5000));
        QVERIFY(!showing(QStringLiteral("Form1")));
    }

    // Reads find no file (the default), the write of step 140 fails.
    void aStoreThatCannotBeWrittenIsReportedOnce()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        const QString blocker = config.path() + QStringLiteral("/file");
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker + QStringLiteral("/config")));
        const std::unique_ptr<Start> start = guardedStart();
        QCOMPARE(reports(platform.messages), QStringList({QStringLiteral("ChooserLoad 140 Form3Start")}));
        QVERIFY(QTest::qWaitForWindowExposed(&start->chooser(), 5000));
    }

    // A settings file past 1 MB: one message names it and its size, the
    // start goes on with the defaults (the chooser, though the file's start
    // names the draw window), and nothing the user does replaces the file.
    void aFileTooLargeToReadIsNamedOnceAndLeftAlone()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        const qint64 size = 3 * 1024 * 1024 + 5;
        {
            QFile file(config.settingsFile());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[Dealwright]\nForm3Start=2\nText2=/cards/\n;");
            QVERIFY(file.resize(size));
        }
        const QByteArray before = apptest::bytesOf(config.settingsFile());
        const QDateTime modified = QFileInfo(config.settingsFile()).lastModified();
        const std::unique_ptr<Start> start = guardedStart();
        QCOMPARE(platform.messages.plainTexts(), QStringList{settings::tooLargeMessage(config.settingsFile(), size)});
        QVERIFY(platform.messages.reports().isEmpty());
        QVERIFY(showing(QStringLiteral("Form1")));
        QTest::mouseClick(testsupport::control<QPushButton>(&start->chooser(), "PushButton1"), Qt::LeftButton);
        QWidget *drawWindow = apptest::window(QStringLiteral("Form2"));
        QVERIFY(drawWindow && drawWindow->isVisible());
        auto *folderBox = testsupport::control<QLineEdit>(drawWindow, "Text2");
        QVERIFY(folderBox->text() != QLatin1String("/cards/"));  // the default
        QTest::keyClicks(folderBox, QStringLiteral("x"));
        QVERIFY(drawWindow->close());
        QCOMPARE(platform.messages.shown.size(), 1);
        QCOMPARE(apptest::bytesOf(config.settingsFile()), before);
        QCOMPARE(QFileInfo(config.settingsFile()).lastModified(), modified);
    }
};

QTEST_MAIN(TestStartupStore)
#include "test_startup_store.moc"
