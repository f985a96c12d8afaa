// The real program ended part-way through an export of large cards: by
// Ctrl+C (SIGINT), a kill (SIGTERM), a closed terminal (SIGHUP) it removes
// its hidden temporaries and ends as the signal ends a program; after
// SIGKILL, which no program can answer, the next export into the folder
// removes them. Either way no hidden file outlives the next export.
#include "ProgramRun.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QStringList hiddenIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System).filter(QRegularExpression(QStringLiteral("^\\.")));
}

// The program exporting 52 cards 4320 pixels high into `folder`, its
// output discarded.
pid_t startLargeExport(const QString &folder)
{
    const QByteArray program = QFile::encodeName(apptest::programPath());
    const QByteArray out = QFile::encodeName(folder);
    const pid_t pid = fork();
    if (pid == 0) {
        const int nothing = open("/dev/null", O_WRONLY);
        dup2(nothing, STDOUT_FILENO);
        dup2(nothing, STDERR_FILENO);
        execl(program.constData(), program.constData(), "--batch", "52", "--out", out.constData(), "--format", "png",
              "--height", "4320", static_cast<char *>(nullptr));
        _exit(127);
    }
    return pid;
}

struct Export {
    pid_t pid = -1;
    ~Export()
    {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    // The signal that ended it, or -1.
    int end()
    {
        int status = 0;
        const bool ended = waitpid(std::exchange(pid, -1), &status, 0) > 0;
        return ended && WIFSIGNALED(status) ? WTERMSIG(status) : -1;
    }
};

} // namespace

class TestCliInterrupts : public QObject {
    Q_OBJECT
private slots:
    void endedPartWay_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("removedByItself");
        QTest::newRow("SIGINT") << int(SIGINT) << true;
        QTest::newRow("SIGTERM") << int(SIGTERM) << true;
        QTest::newRow("SIGHUP") << int(SIGHUP) << true;
        QTest::newRow("SIGKILL") << int(SIGKILL) << false;
    }

    void endedPartWay()
    {
        QFETCH(int, signal);
        QFETCH(bool, removedByItself);
        QTemporaryDir dir;
        Export running{startLargeExport(dir.path())};
        QVERIFY(running.pid > 0);
        // Its first cards are written and wait, hidden, for the rest.
        QTRY_VERIFY_WITH_TIMEOUT(!hiddenIn(dir.path()).isEmpty(), 120000);
        QCOMPARE(kill(running.pid, signal), 0);
        QCOMPARE(running.end(), signal);
        if (removedByItself)
            QCOMPARE(hiddenIn(dir.path()), QStringList());
        else
            QVERIFY(!hiddenIn(dir.path()).isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());  // no card got its name

        const apptest::ProgramRun next = apptest::runProgram(
            {QStringLiteral("--batch"), QStringLiteral("2"), QStringLiteral("--out"), dir.path()});
        QCOMPARE(next.status, 0);
        QCOMPARE(hiddenIn(dir.path()), QStringList());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestCliInterrupts)
#include "test_cli_interrupts.moc"
