// The settings store on its INI file.
#include "shell/Failure.h"
#include "shell/Settings.h"
#include "support/TestPlatform.h"

#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace shell;

namespace {

QString fileText(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Runs `child` in a forked process, which exits with its result.
int inChild(const std::function<int()> &child)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(child());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void theFileIsWhereTheUserExpectsIt()
    {
        testsupport::TempConfig config;
        QCOMPARE(Settings::filePath(), config.settingsFile());
        Settings::write(keys::NumberOfCards, QStringLiteral("12"));
        const QString text = fileText(config.settingsFile());
        QVERIFY(text.contains(QLatin1String("[Dealwright]")));
        QVERIFY(text.contains(QLatin1String("Number%20Of%20Cards=12")));
    }

    void roundTripThroughARestart()
    {
        testsupport::TempConfig config;
        Settings::write(keys::Text2, QStringLiteral("/tmp/out, with comma/"));
        Settings::write(keys::Option1, QStringLiteral("False"));
        Settings::write(keys::Form3Start, QStringLiteral("2"));
        QCOMPARE(Settings::read(keys::Text2, QString()), QStringLiteral("/tmp/out, with comma/"));
        // A new process on the same file sees the same values.
        const int seen = inChild([] {
            return Settings::read(keys::Form3Start, 0) == QLatin1String("2")
                    && Settings::read(keys::Option1, 1) == QLatin1String("False")
                    && Settings::read(keys::Text2, QString()) == QLatin1String("/tmp/out, with comma/")
                ? 0 : 1;
        });
        QCOMPARE(seen, 0);
    }

    void missingGivesTheDefaultAsTextButEmptyIsNotMissing()
    {
        testsupport::TempConfig config;
        QCOMPARE(Settings::read(keys::Form3Start, 0), QStringLiteral("0"));
        QCOMPARE(Settings::read(keys::Option1, 1), QStringLiteral("1"));
        QCOMPARE(Settings::read(keys::NumberOfCards, QStringLiteral("52")), QStringLiteral("52"));
        Settings::write(keys::Text2, QString());
        QCOMPARE(Settings::read(keys::Text2, QStringLiteral("/home/x/Desktop/")), QString());
    }

    void keysAreMatchedWithoutRegardToCase()
    {
        testsupport::TempConfig config;
        writeFile(config.settingsFile(), "[dealwright]\nform3start=3\nnumber%20of%20cards=7\n");
        QCOMPARE(Settings::read(keys::Form3Start, 0), QStringLiteral("3"));
        QCOMPARE(Settings::read(keys::NumberOfCards, QStringLiteral("52")), QStringLiteral("7"));
        // A write replaces the key whatever its stored case: one key remains.
        Settings::write(keys::Form3Start, QStringLiteral("0"));
        QCOMPARE(Settings::read(QStringLiteral("FORM3START"), 9), QStringLiteral("0"));
        const QString text = fileText(config.settingsFile());
        QCOMPARE(text.count(QLatin1String("form3start"), Qt::CaseInsensitive), 1);
        QCOMPARE(text.count(QLatin1String("[dealwright]"), Qt::CaseInsensitive), 1);
    }

    void anUnwritableStoreIsAFailureNotSilence()
    {
        // The settings folder lies below a regular file: no user, root
        // included, can create it.
        testsupport::TempConfig config;
        const QString blocker = config.path() + QStringLiteral("/file");
        writeFile(blocker, "x");
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, blocker + QStringLiteral("/config"));
        try {
            Settings::write(keys::Form3Start, QStringLiteral("2"));
            QFAIL("the write was reported as done");
        } catch (const Failure &f) {
            QVERIFY(f.description().contains(QLatin1String("Form3Start")));
            QVERIFY(f.description().contains(QLatin1String("Marrowfen.ini")));
        }
        // Reading an unreachable store gives the defaults.
        QCOMPARE(Settings::read(keys::Form3Start, 0), QStringLiteral("0"));
    }

    void aSettingsFolderThatIsAFileFails()
    {
        testsupport::TempConfig config;
        QVERIFY(QDir().mkpath(config.settingsFile()));  // a folder named Marrowfen.ini
        QVERIFY_THROWS_EXCEPTION(Failure, Settings::write(keys::Text2, QStringLiteral("/")));
    }

    void twoCopiesWritingAtOnceLeaveAValidFile()
    {
        testsupport::TempConfig config;
        Settings::write(keys::Form3Start, QStringLiteral("0"));
        const auto writer = [](const QString &prefix) {
            return [prefix] {
                for (int i = 0; i < 60; ++i) {
                    Settings::write(keys::NumberOfCards, prefix + QString::number(i));
                    Settings::write(prefix, QString::number(i));
                }
                return 0;
            };
        };
        const pid_t a = fork();
        if (a == 0)
            _exit(writer(QStringLiteral("a"))());
        const pid_t b = fork();
        if (b == 0)
            _exit(writer(QStringLiteral("b"))());
        int sa = 0, sb = 0;
        waitpid(a, &sa, 0);
        waitpid(b, &sb, 0);
        QVERIFY(WIFEXITED(sa) && WIFEXITED(sb));
        const QString last = Settings::read(keys::NumberOfCards, QString());
        QVERIFY2(last == QLatin1String("a59") || last == QLatin1String("b59"), qPrintable(last));
        // Every writer's own key survived the other's writes, and the
        // original key is still there: nothing was lost or half-written.
        QCOMPARE(Settings::read(QStringLiteral("a"), QString()), QStringLiteral("59"));
        QCOMPARE(Settings::read(QStringLiteral("b"), QString()), QStringLiteral("59"));
        QCOMPARE(Settings::read(keys::Form3Start, 9), QStringLiteral("0"));
    }

    void anUnreadableFileGivesDefaultsIsReportedOnceAndIsMendedByAWrite()
    {
        testsupport::TestPlatform p;
        testsupport::TempConfig config;
        writeFile(config.settingsFile(), "[Dealwright\nForm3Start=2\nthis line is no setting\n");
        QCOMPARE(Settings::read(keys::Form3Start, 0), QStringLiteral("0"));
        QCOMPARE(Settings::read(keys::Option1, 1), QStringLiteral("1"));
        QCOMPARE(p.messages.shown.size(), 1);
        QVERIFY(p.messages.shown[0].text.contains(QLatin1String("Marrowfen.ini")));
        Settings::write(keys::Form3Start, QStringLiteral("3"));
        QCOMPARE(Settings::read(keys::Form3Start, 0), QStringLiteral("3"));
        QSettings reopened(config.settingsFile(), QSettings::IniFormat);
        QCOMPARE(reopened.status(), QSettings::NoError);
        QCOMPARE(p.messages.shown.size(), 1);
    }

    // QSettings keeps the first error it meets: a broken file must not hide
    // a failed write (here the disk takes no more than 5 bytes).
    void aFailedWriteOverABrokenFileIsStillAFailure()
    {
        testsupport::TestPlatform p;
        testsupport::TempConfig config;
        writeFile(config.settingsFile(), "[Dealwright\nForm3Start=2\n");
        const int outcome = inChild([] {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{5, 5};
            setrlimit(RLIMIT_FSIZE, &limit);
            try {
                Settings::write(keys::Form3Start, QStringLiteral("0"));
                return 1;
            } catch (const Failure &) {
                return 0;
            }
        });
        QCOMPARE(outcome, 0);
    }

    void valuesThatLookSpecialStayText()
    {
        testsupport::TempConfig config;
        for (const QString &value : {QStringLiteral("@Invalid()"), QStringLiteral("a;b"), QStringLiteral("  padded  "),
                                     QStringLiteral("\"quoted\""), QStringLiteral("C:\\Users\\x\\"),
                                     QStringLiteral("ünïcødé/")}) {
            Settings::write(keys::Text2, value);
            QCOMPARE(Settings::read(keys::Text2, QString()), value);
        }
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
