// The draw history saved as a file: the bytes of a scripted history as
// they reach the disk, where the save dialog opens, and the failures (a
// read-only folder, a full disk, a folder gone, a folder chosen as the
// file), each told in a message, leaving a file already there as it was
// and no part of the new one. The disk's failures run in a child process
// (a user without rights, a file-size limit).
#include "batch/HistoryFile.h"
#include "cards/DrawHistoryCsv.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// Runs `save` in a child process (as the user "nobody" when `asNobody` and
// the tests run as root, who writes into read-only folders regardless) and
// returns the messages it showed, one per line, or the reason it did not
// answer.
QString messagesOfChild(const std::function<void()> &save, bool asNobody)
{
    int fds[2];
    if (pipe(fds) != 0)
        return QStringLiteral("no pipe");
    const pid_t child = fork();
    if (child < 0)
        return QStringLiteral("no child");
    if (child == 0) {
        close(fds[0]);
        if (asNobody && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        testsupport::TestPlatform platform;
        save();
        const QByteArray answer = platform.messages.texts().join(QLatin1Char('\n')).toUtf8();
        const bool written = write(fds[1], answer.constData(), size_t(answer.size())) == answer.size();
        _exit(written ? 0 : 4);
    }
    close(fds[1]);
    QByteArray answer;
    char buffer[512];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, int(n));
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("the child ended with %1").arg(status);
    return QString::fromUtf8(answer);
}

const QByteArray Csv = cards::drawHistoryCsv({99, 50, 0, 22}, cards::DrawMode::NoPutBack);

} // namespace

class TestHistoryFile : public QObject {
    Q_OBJECT

private slots:
    void theBytesOnDisk()
    {
        QCOMPARE(Csv, QByteArray("draw,card,rank,suit,colour,mode\n"
                                 "1,Queen of Hearts,Queen,Hearts,Red,do not put back\n"
                                 "2,Ace of Spades,Ace,Spades,Black,do not put back\n"
                                 "3,Ten of Diamonds,Ten,Diamonds,Red,do not put back\n"));
        testsupport::TestPlatform platform;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("draws.csv"));
        platform.saver.answers = {path};
        QCOMPARE(batch::saveHistory(nullptr, Csv, folder.path()), path);
        QCOMPARE(bytesOf(path), Csv);
        QCOMPARE(filesIn(folder.path()), QStringList{"draws.csv"});
        QCOMPARE(platform.saver.calls.size(), 1);
        QCOMPARE(platform.saver.calls[0].title, QStringLiteral("Save History"));
        QCOMPARE(platform.saver.calls[0].filter, QStringLiteral("CSV files (*.csv)"));

        // Cancelled: nothing written, nothing said.
        QCOMPARE(batch::saveHistory(nullptr, "other", folder.path()), QString());
        QCOMPARE(bytesOf(path), Csv);
        QVERIFY(platform.messages.shown.isEmpty());
    }

    void whereTheDialogOpens()
    {
        QTemporaryDir folder;
        const QString expected = folder.filePath(QStringLiteral("Draw history.csv"));
        QCOMPARE(batch::suggestedHistoryPath(folder.path()), expected);
        QCOMPARE(batch::suggestedHistoryPath(folder.path() + QLatin1Char('/')), expected);
        const QString home = QDir(QDir::homePath()).filePath(QStringLiteral("Draw history.csv"));
        QCOMPARE(batch::suggestedHistoryPath(folder.filePath(QStringLiteral("missing"))), home);
        QCOMPARE(batch::suggestedHistoryPath(QString()), home);
        QVERIFY(writeBytes(folder.filePath(QStringLiteral("a file")), "x"));
        QCOMPARE(batch::suggestedHistoryPath(folder.filePath(QStringLiteral("a file"))), home);
    }

    void aReadOnlyFolder()
    {
        QTemporaryDir top;
        const QString folder = top.filePath(QStringLiteral("read-only"));
        QVERIFY(QDir().mkdir(folder));
        const QString path = folder + QStringLiteral("/draws.csv");
        QVERIFY(writeBytes(path, "the lesson before"));
        QVERIFY(QFile::setPermissions(top.path(), QFile::permissions(top.path()) | QFileDevice::ExeOther));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                                  | QFileDevice::ExeOther));
        const QString said = messagesOfChild(
            [&] {
                static_cast<testsupport::ScriptedSaver *>(shell::platform().saver)->answers = {path};
                batch::saveHistory(nullptr, Csv, folder);
            },
            true);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(said, batch::historyNotSavedText(path, QString::fromLocal8Bit(std::strerror(EACCES))));
        QCOMPARE(bytesOf(path), QByteArray("the lesson before"));
        QCOMPARE(filesIn(folder), QStringList{"draws.csv"});
    }

    void aFullDisk()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("draws.csv"));
        QVERIFY(writeBytes(path, "the lesson before"));
        const QString said = messagesOfChild(
            [&] {
                signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{40, 40};  // the disk takes no more than 40 bytes
                setrlimit(RLIMIT_FSIZE, &limit);
                static_cast<testsupport::ScriptedSaver *>(shell::platform().saver)->answers = {path};
                batch::saveHistory(nullptr, Csv, folder.path());
            },
            false);
        QCOMPARE(said, batch::historyNotSavedText(path, QString::fromLocal8Bit(std::strerror(EFBIG))));
        QCOMPARE(bytesOf(path), QByteArray("the lesson before"));
        QCOMPARE(filesIn(folder.path()), QStringList{"draws.csv"});
    }

    void aFolderGoneOrAFolderAsTheFile()
    {
        testsupport::TestPlatform platform;
        QTemporaryDir folder;
        const QString gone = folder.filePath(QStringLiteral("gone/draws.csv"));
        const QString aFolder = folder.filePath(QStringLiteral("a folder"));
        QVERIFY(QDir().mkdir(aFolder));
        platform.saver.answers = {gone, aFolder};
        QCOMPARE(batch::saveHistory(nullptr, Csv, folder.path()), QString());
        QCOMPARE(batch::saveHistory(nullptr, Csv, folder.path()), QString());
        QCOMPARE(platform.messages.texts(),
                 (QStringList{batch::historyNotSavedText(gone, QString::fromLocal8Bit(std::strerror(ENOENT))),
                              batch::historyNotSavedText(aFolder, QString::fromLocal8Bit(std::strerror(EISDIR)))}));
        QVERIFY(platform.messages.reports().isEmpty());
        QVERIFY(QFileInfo(aFolder).isDir());
        QCOMPARE(filesIn(folder.path()), QStringList());
        QVERIFY(QDir(aFolder).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHistoryFile)
#include "test_history_file.moc"
