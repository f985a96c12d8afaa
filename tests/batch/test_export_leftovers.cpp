// What an export leaves in the user's folder when it does not end well: a
// writer killed part-way leaves its hidden temporaries, which the next
// export into the folder removes (and nothing else); a writer ended by
// SIGINT, SIGTERM or SIGHUP removes them itself. A replaced card file keeps
// its permissions but no set-user-ID, set-group-ID or sticky bit.
#include "batch/FileBatch.h"
#include "files/AtomicFile.h"
#include "files/Interrupts.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <utility>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QByteArray Bytes(4000, 'c');

QStringList hiddenIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
        .filter(QRegularExpression(QStringLiteral("^\\.")));
}

mode_t modeOf(const QString &path)
{
    struct stat status {};
    stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
}

// A child that stages `count` card files in `folder` and keeps them staged
// until it is ended: returns its id once they are all on disk.
pid_t childWithStagedFiles(const QString &folder, int count, int ignoredSignal = 0)
{
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(ready[0]);
        // As the program starts: the test framework's own handlers go.
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            std::signal(signal, SIG_DFL);
        if (ignoredSignal)
            std::signal(ignoredSignal, SIG_IGN);
        files::removeTemporariesOnSignals();
        batch::FileBatch files;
        for (int n = 1; n <= count; ++n)
            files.stage(folder + QStringLiteral("/Card %1.bmp").arg(n), Bytes);
        (void)!write(ready[1], "r", 1);
        for (;;)
            pause();
    }
    close(ready[1]);
    char answer = 0;
    const bool staged = read(ready[0], &answer, 1) == 1;
    close(ready[0]);
    return staged ? pid : -1;
}

// A child that is ended when the test is, whatever happens.
struct Child {
    pid_t pid = -1;
    ~Child()
    {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
};

// The child's end: the signal that ended it, or -1.
int endOf(pid_t pid)
{
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFSIGNALED(status) ? WTERMSIG(status) : -1;
}

// One export into the folder, as the batch window's "Save All" makes it.
void exportInto(const QString &folder)
{
    batch::FileBatch files;
    files.stage(folder + QStringLiteral("/Card 1.bmp"), Bytes);
    QCOMPARE(files.commit(), QStringList());
}

} // namespace

class TestExportLeftovers : public QObject {
    Q_OBJECT
private slots:
    void anEndedExportLeavesNoHiddenFile_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("removedByItself");
        QTest::newRow("SIGINT") << int(SIGINT) << true;
        QTest::newRow("SIGTERM") << int(SIGTERM) << true;
        QTest::newRow("SIGHUP") << int(SIGHUP) << true;
        QTest::newRow("SIGKILL") << int(SIGKILL) << false;
    }

    void anEndedExportLeavesNoHiddenFile()
    {
        QFETCH(int, signal);
        QFETCH(bool, removedByItself);
        QTemporaryDir dir;
        Child child{childWithStagedFiles(dir.path(), 6)};
        QVERIFY(child.pid > 0);
        QCOMPARE(hiddenIn(dir.path()).size(), 6);
        kill(child.pid, signal);
        QCOMPARE(endOf(std::exchange(child.pid, -1)), signal);  // ended as the signal ends a program
        QCOMPARE(hiddenIn(dir.path()).size(), removedByItself ? 0 : 6);
        exportInto(dir.path());
        QCOMPARE(hiddenIn(dir.path()), QStringList());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Card 1.bmp")});
    }

    // Started with SIGHUP ignored (nohup), the program stays so.
    void anIgnoredSignalStaysIgnored()
    {
        QTemporaryDir dir;
        Child child{childWithStagedFiles(dir.path(), 2, SIGHUP)};
        QVERIFY(child.pid > 0);
        kill(child.pid, SIGHUP);
        kill(child.pid, SIGTERM);  // delivered after the first: the child was still there
        QCOMPARE(endOf(std::exchange(child.pid, -1)), int(SIGTERM));
        QCOMPARE(hiddenIn(dir.path()), QStringList());
    }

    // The next export removes only temporaries of its own pattern whose
    // writer is gone: a live writer's stays, and so does every other
    // hidden file, folder or link, whatever its name.
    void onlyTheTemporariesOfWritersThatAreGoneAreRemoved()
    {
        QTemporaryDir dir, elsewhere;
        const QString folder = dir.path();
        Child live{childWithStagedFiles(folder, 2)};
        QVERIFY(live.pid > 0);
        const QStringList liveTemporaries = hiddenIn(folder);
        QCOMPARE(liveTemporaries.size(), 2);
        const QStringList foreign = {
            QStringLiteral(".hidden"), QStringLiteral(".Card 1.bmp.ABC.dealwright-tmp"),
            QStringLiteral(".Card 1.bmp..dealwright-tmp"), QStringLiteral(".Card 1.bmp.x1.dealwright-tmp.bak"),
            QStringLiteral(".dealwright-tmp"), QStringLiteral("Card 1.bmp.k2.dealwright-tmp")};
        for (const QString &name : foreign) {
            QFile file(folder + u'/' + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(folder).mkdir(QStringLiteral(".Card 2.bmp.f0.dealwright-tmp")));
        QVERIFY(QFile::link(elsewhere.filePath(QStringLiteral("kept")), folder + QStringLiteral("/.Card 3.bmp.l1.dealwright-tmp")));
        QFile kept(elsewhere.filePath(QStringLiteral("kept")));
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.close();
        // Left by a writer that is gone: of the pattern, nobody holds its lock.
        for (const QString &name : {QStringLiteral(".Card 9.bmp.z9.dealwright-tmp"), QStringLiteral(".x.0.dealwright-tmp")}) {
            QFile file(folder + u'/' + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }

        exportInto(folder);
        QStringList expected = foreign.filter(QRegularExpression(QStringLiteral("^\\."))) + liveTemporaries;
        expected << QStringLiteral(".Card 2.bmp.f0.dealwright-tmp") << QStringLiteral(".Card 3.bmp.l1.dealwright-tmp");
        expected.sort();
        QStringList left = hiddenIn(folder);
        left.sort();
        QCOMPARE(left, expected);
        QVERIFY(QFileInfo::exists(elsewhere.filePath(QStringLiteral("kept"))));

        kill(live.pid, SIGKILL);
        QCOMPARE(endOf(std::exchange(live.pid, -1)), int(SIGKILL));
        QCOMPARE(files::removeStaleTemporaries(QFile::encodeName(folder)), 2);
    }

    // A replaced file keeps its permission bits without set-user-ID,
    // set-group-ID or sticky; a new file follows the umask.
    void aReplacedFileKeepsNoSpecialBits_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("set-user-ID") << 04755 << 0755;
        QTest::newRow("set-group-ID") << 02750 << 0750;
        QTest::newRow("all three") << 07777 << 0777;
        QTest::newRow("plain") << 0604 << 0604;
    }

    void aReplacedFileKeepsNoSpecialBits()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Card 1.bmp"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.close();
        QCOMPARE(chmod(QFile::encodeName(path).constData(), mode_t(before)), 0);
        QCOMPARE(modeOf(path), mode_t(before));
        batch::FileBatch::writeOne(path, Bytes);
        QCOMPARE(modeOf(path), mode_t(after));

        const mode_t umaskBefore = umask(027);
        batch::FileBatch::writeOne(dir.filePath(QStringLiteral("Card 2.bmp")), Bytes);
        umask(umaskBefore);
        QCOMPARE(modeOf(dir.filePath(QStringLiteral("Card 2.bmp"))), mode_t(0640));
    }
};

QTEST_GUILESS_MAIN(TestExportLeftovers)
#include "test_export_leftovers.moc"
