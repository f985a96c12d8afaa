// The settings store on disk: where the file is, what reads of a missing or
// strange file give, and how writes get through locks, kills, other copies
// of the program, permissions and links.
#include "SettingsTestSupport.h"
#include "settings/SettingsStore.h"
#include "settings/StoreFile.h"
#include "support/TestPlatform.h"

#include <QtTest>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <utility>

using namespace shell;
using namespace settings;
using namespace settingstest;

namespace {

const QString Lock = QStringLiteral("/Marrowfen.ini.flock");

mode_t modeOf(const QString &path)
{
    struct stat status {};
    lstat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
}

bool heldByAnother(const QByteArray &lock)
{
    const int fd = open(lock.constData(), O_RDONLY);
    const bool held = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) != 0;
    if (fd >= 0)
        close(fd);
    return held;
}

bool makeSocket(const QString &path)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
    return fd >= 0 && bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void theFileFollowsTheConfigurationFolder()
    {
        testsupport::TempConfig config;
        QCOMPARE(settings::filePath(), config.settingsFile());
        settings::write(keys::NumberOfCards, QStringLiteral("12"));
        QVERIFY(bytesOf(config.settingsFile()).contains("[Dealwright]\nNumber Of Cards=12\n"));
        {
            // A folder that does not exist yet: defaults, and the first write makes it.
            testsupport::TempConfig other;
            const QString deeper = other.path() + QStringLiteral("/a/b");
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(deeper));
            QCOMPARE(settings::read(keys::NumberOfCards, 52), QStringLiteral("52"));
            settings::write(keys::NumberOfCards, QStringLiteral("7"));
            QCOMPARE(settings::read(keys::NumberOfCards, 52), QStringLiteral("7"));
            QVERIFY(QFile::exists(deeper + QStringLiteral("/Marrowfen.ini")));
        }
        QCOMPARE(settings::read(keys::NumberOfCards, 52), QStringLiteral("12"));
        const QByteArray home = qgetenv("HOME");
        qunsetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(config.path()));
        const QString fallback = settings::filePath();
        qputenv("HOME", home);
        QCOMPARE(fallback, config.path() + QStringLiteral("/.config/Marrowfen.ini"));
    }

    void missingGivesTheDefaultAsTextButEmptyIsNotMissing()
    {
        testsupport::TempConfig config;
        QCOMPARE(settings::read(keys::Form3Start, 0), QStringLiteral("0"));
        QCOMPARE(settings::read(keys::NumberOfCards, QStringLiteral("52")), QStringLiteral("52"));
        int made = 0;
        QCOMPARE(settings::read(keys::Text2, [&] { ++made; return QStringLiteral("/desk/"); }), QStringLiteral("/desk/"));
        settings::write(keys::Text2, QString());
        QCOMPARE(settings::read(keys::Text2, [&] { ++made; return QStringLiteral("/desk/"); }), QString());
        QCOMPARE(made, 1);
    }

    // Stale or strange files where the store, its lock or QSettings' lock
    // (the store until now) belongs: every read and write returns or fails
    // at once.
    void nothingInTheWayBlocks_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<int>("readOutcome");  // 0 done, 1 Failure
        QTest::addColumn<int>("writeOutcome");
        QTest::newRow("empty Marrowfen.ini.lock left behind") << "qt lock" << 0 << 0;
        QTest::newRow("folder named Marrowfen.ini.lock") << "qt lock folder" << 0 << 0;
        QTest::newRow("lock file of a writer killed while holding it") << "killed holder" << 0 << 0;
        QTest::newRow("lock held by a copy that never lets go") << "live holder" << 0 << 1;
        QTest::newRow("folder as lock file") << "lock folder" << 0 << 1;
        QTest::newRow("pipe as lock file") << "lock pipe" << 0 << 1;
        QTest::newRow("folder as settings file") << "folder" << 1 << 1;
        QTest::newRow("pipe as settings file") << "pipe" << 1 << 1;
        QTest::newRow("socket as settings file") << "socket" << 1 << 1;
    }

    void nothingInTheWayBlocks()
    {
        QFETCH(QString, obstacle);
        QFETCH(int, readOutcome);
        QFETCH(int, writeOutcome);
        testsupport::TempConfig config;
        const QByteArray file = QFile::encodeName(config.settingsFile());
        const QByteArray lock = QFile::encodeName(config.path() + Lock);
        const QString qtLock = config.settingsFile() + QStringLiteral(".lock");
        struct Holder {
            pid_t pid = 0;
            ~Holder()
            {
                if (pid > 0) {
                    kill(pid, SIGKILL);
                    finish(pid);
                }
            }
        } holder;
        if (obstacle.endsWith(QLatin1String("holder"))) {
            holder.pid = spawn([lock] {
                flock(open(lock.constData(), O_RDWR | O_CREAT, 0600), LOCK_EX);
                pause();
                return 0;
            });
            QTRY_VERIFY(heldByAnother(lock));
        }
        if (obstacle == QLatin1String("killed holder")) {
            kill(holder.pid, SIGKILL);
            QCOMPARE(finish(std::exchange(holder.pid, 0)), killedBy(SIGKILL));
        }
        const QHash<QString, std::function<bool()>> make = {
            {QStringLiteral("qt lock"), [&] { return writeBytes(qtLock, QByteArray()); }},
            {QStringLiteral("qt lock folder"), [&] { return QDir().mkpath(qtLock); }},
            {QStringLiteral("lock folder"), [&] { return QDir().mkpath(config.path() + Lock); }},
            {QStringLiteral("lock pipe"), [&] { return mkfifo(lock.constData(), 0600) == 0; }},
            {QStringLiteral("folder"), [&] { return QDir().mkpath(config.settingsFile()); }},
            {QStringLiteral("pipe"), [&] { return mkfifo(file.constData(), 0600) == 0; }},
            {QStringLiteral("socket"), [&] { return makeSocket(config.settingsFile()); }},
        };
        if (make.contains(obstacle))
            QVERIFY(make[obstacle]());
        QCOMPARE(inChild([] { return outcome([] { settings::read(keys::Text2, QString()); }, keys::Text2); }), readOutcome);
        QCOMPARE(inChild([] { return outcome([] { settings::write(keys::Option1, QStringLiteral("x")); }, keys::Option1); }),
                 writeOutcome);
    }

    // A copy whose disk takes seconds to sync its new file holds up no other
    // copy: the lock is taken only to check and rename, so the other copy's
    // writes go through meanwhile, and the slow copy's edit is made again
    // on the file they left.
    void aSlowDiskHoldsUpNoOtherCopy()
    {
        testsupport::TempConfig config;
        settings::write(keys::Option1, QStringLiteral("True"));
        static QByteArray startedMark;
        startedMark = QFile::encodeName(config.path() + QStringLiteral("/slow-sync-started"));
        const pid_t slow = spawn([] {
            settings::setBeforeReplaceHook([](const QString &) {
                if (::access(startedMark.constData(), F_OK) != 0) {
                    writeBytes(QFile::decodeName(startedMark), "1");
                    sleep(3);
                }
            });
            settings::write(keys::Text2, QStringLiteral("slow"));
            return 0;
        });
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QFile::decodeName(startedMark)), 10000);
        const int fast = inChild([] {
            for (int i = 0; i < 20; ++i)
                settings::write(keys::NumberOfCards, QString::number(i));
            return 0;
        });
        QCOMPARE(fast, 0);
        QCOMPARE(finish(slow, 20000), 0);
        QCOMPARE(settings::read(keys::Text2, QString()), QStringLiteral("slow"));
        QCOMPARE(settings::read(keys::NumberOfCards, QString()), QStringLiteral("19"));
        QCOMPARE(settings::read(keys::Option1, QString()), QStringLiteral("True"));
    }

    void aWriterKilledBeforeItsRenameLeavesTheOldFile()
    {
        testsupport::TempConfig config;
        settings::write(keys::Text2, QStringLiteral("old"));
        const QByteArray before = bytesOf(config.settingsFile());
        const int killed = inChild([] {
            settings::setBeforeReplaceHook([](const QString &) { raise(SIGKILL); });
            settings::write(keys::Text2, QStringLiteral("new"));
            return 0;
        });
        QCOMPARE(killed, killedBy(SIGKILL));
        QCOMPARE(bytesOf(config.settingsFile()), before);
        QCOMPARE(settings::read(keys::Text2, QString()), QStringLiteral("old"));
        // Neither the dead writer's lock nor its half-done file is in the way,
        // and nothing of it stays behind.
        settings::write(keys::Text2, QStringLiteral("newer"));
        QCOMPARE(settings::read(keys::Text2, QString()), QStringLiteral("newer"));
        QCOMPARE(QDir(config.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList({QStringLiteral("Marrowfen.ini"), QStringLiteral("Marrowfen.ini.flock")}));
    }

    void randomKillsDuringWritesLeaveAValidFile()
    {
        testsupport::TempConfig config;
        settings::write(keys::Option1, QStringLiteral("True"));
        settings::write(keys::Text2, QStringLiteral("0"));
        // Each value carries its own check: n followed by n % 50 x's.
        const auto valid = [](const QString &v) {
            const int n = v.section(u'x', 0, 0).toInt();
            return v == QString::number(n) + QString(n % 50, u'x');
        };
        QRandomGenerator random(11);
        for (int round = 0; round < 40; ++round) {
            const pid_t writer = spawn([] {
                for (int n = 1;; ++n)
                    settings::write(keys::Text2, QString::number(n) + QString(n % 50, u'x'));
                return 0;
            });
            usleep(useconds_t(random.bounded(1000, 15000)));
            kill(writer, SIGKILL);
            QCOMPARE(finish(writer), killedBy(SIGKILL));
            const QString text2 = settings::read(keys::Text2, QStringLiteral("missing"));
            QVERIFY2(valid(text2), qPrintable(text2));
            QCOMPARE(settings::read(keys::Option1, QStringLiteral("missing")), QStringLiteral("True"));
        }
    }

    void twoCopiesWritingDifferentKeysLoseNeither()
    {
        testsupport::TempConfig config;
        settings::write(keys::Form3Start, QStringLiteral("0"));
        // Each copy writes its own key and watches the other's: a lost update
        // would bring back an older value of either.
        const auto writer = [](const QString &mine, const QString &theirs) {
            return [mine, theirs] {
                int seen = -1;
                for (int i = 0; i < 1000; ++i) {
                    settings::write(mine, QString::number(i));
                    const int now = settings::read(theirs, -1).toInt();
                    if (now < seen || settings::read(mine, -1).toInt() != i)
                        return 1;
                    seen = now;
                }
                return 0;
            };
        };
        const pid_t a = spawn(writer(keys::Text2, keys::NumberOfCards));
        const pid_t b = spawn(writer(keys::NumberOfCards, keys::Text2));
        QCOMPARE(finish(a, 120000), 0);
        QCOMPARE(finish(b, 120000), 0);
        QCOMPARE(settings::read(keys::Text2, QString()), QStringLiteral("999"));
        QCOMPARE(settings::read(keys::NumberOfCards, QString()), QStringLiteral("999"));
        QCOMPARE(settings::read(keys::Form3Start, 9), QStringLiteral("0"));
    }

    // Run as a user without rights (nobody, when the tests run as root, who
    // would ignore the permission bits).
    void whatCannotBeWrittenFailsAndIsNotServed_data()
    {
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<bool>("readable");
        QTest::newRow("read-only file") << 0444 << 0777 << true;
        QTest::newRow("read-only folder") << 0666 << 0555 << true;
        QTest::newRow("unreadable file") << 0222 << 0777 << false;
        QTest::newRow("folder closed to all") << 0666 << 0 << false;
    }

    void whatCannotBeWrittenFailsAndIsNotServed()
    {
        QFETCH(int, fileMode);
        QFETCH(int, folderMode);
        QFETCH(bool, readable);
        testsupport::TempConfig config;
        settings::write(keys::Text2, QStringLiteral("old"));
        const QByteArray before = bytesOf(config.settingsFile());
        chmod(QFile::encodeName(config.settingsFile()).constData(), mode_t(fileMode));
        chmod(QFile::encodeName(config.path()).constData(), mode_t(folderMode));
        const int seen = inChild([] {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                return 9;
            const int write = outcome([] { settings::write(keys::Text2, QStringLiteral("new")); }, keys::Text2);
            QString value;
            const int read = outcome([&] { value = settings::read(keys::Text2, QStringLiteral("default")); }, keys::Text2);
            return write * 10 + read + (value == QLatin1String("old") ? 100 : 0);
        });
        chmod(QFile::encodeName(config.path()).constData(), 0700);
        chmod(QFile::encodeName(config.settingsFile()).constData(), 0600);
        QCOMPARE(seen, readable ? 110 : 11);  // the write failed; the read gave the old value, or failed
        QCOMPARE(bytesOf(config.settingsFile()), before);
    }

    // A settings folder the user may not write into is reported as what it
    // is, a permission problem, whether a writer's lock file stands in it or
    // not, and by the lock itself where it is the first to meet it.
    void aReadOnlyFolderIsNamedAsSuch()
    {
        testsupport::TempConfig config;
        settings::write(keys::Text2, QStringLiteral("old"));
        chmod(QFile::encodeName(config.settingsFile()).constData(), 0666);  // the file itself may be changed
        const QByteArray folder = QFile::encodeName(config.path());
        static QString s_expected;
        s_expected = QStringLiteral("no permission to write in the folder %1 (").arg(config.path());
        static QByteArray s_lock;
        s_lock = folder + "/another.flock";
        for (const bool lockLeft : {true, false}) {
            if (!lockLeft)
                QVERIFY(QFile::remove(config.path() + Lock));
            chmod(folder.constData(), 0555);
            const int seen = inChild([] {
                if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                    return 9;
                int result = 0;
                try {
                    settings::write(keys::Text2, QStringLiteral("new"));
                } catch (const shell::Failure &f) {
                    result = f.description().contains(s_expected) ? 1 : 2;
                }
                storefile::WriteLock lock;
                const storefile::Problem problem = lock.take(s_lock);
                return result * 10
                    + (problem && problem->contains(QLatin1String("cannot be made: there is no permission to write in its folder"))
                           ? 1 : 2);
            });
            chmod(folder.constData(), 0700);
            QCOMPARE(seen, 11);
            QCOMPARE(settings::read(keys::Text2, QString()), QStringLiteral("old"));
        }
    }

    void anUnwritableStoreIsAFailureNotSilence()
    {
        // The settings folder lies below a regular file: no user, root
        // included, can make it.
        testsupport::TempConfig config;
        const QString blocker = config.path() + QStringLiteral("/file");
        QVERIFY(writeBytes(blocker, "x"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker + QStringLiteral("/config")));
        QCOMPARE(outcome([] { settings::write(keys::Form3Start, QStringLiteral("2")); }, keys::Form3Start), 1);
        // There is no file to read: the default, as with any missing file.
        QCOMPARE(settings::read(keys::Form3Start, 0), QStringLiteral("0"));
    }

    void aFailedWriteLeavesTheOldFileAndNoLeftovers()
    {
        testsupport::TempConfig config;
        settings::write(keys::Text2, QStringLiteral("old"));
        const QByteArray before = bytesOf(config.settingsFile());
        const int result = inChild([] {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{5, 5};  // the disk takes no more than 5 bytes
            setrlimit(RLIMIT_FSIZE, &limit);
            return outcome([] { settings::write(keys::Text2, QStringLiteral("new")); }, keys::Text2);
        });
        QCOMPARE(result, 1);
        QCOMPARE(bytesOf(config.settingsFile()), before);
        QVERIFY(!QFile::exists(config.settingsFile() + QStringLiteral(".tmp")));
    }

    void aLinkedFileStaysALinkAndKeepsItsMode()
    {
        testsupport::TempConfig config;
        const QString target = config.path() + QStringLiteral("/real/Marrowfen.ini");
        QVERIFY(QDir().mkpath(config.path() + QStringLiteral("/real")));
        QVERIFY(writeBytes(target, "; mine\n[Dealwright]\nOption1=True\n"));
        chmod(QFile::encodeName(target).constData(), 0640);
        QVERIFY(QFile::link(QStringLiteral("real/Marrowfen.ini"), config.settingsFile()));
        settings::write(keys::Text2, QStringLiteral("/x"));
        QVERIFY(QFileInfo(config.settingsFile()).isSymLink());
        QCOMPARE(bytesOf(target), QByteArray("; mine\n[Dealwright]\nOption1=True\nText2=/x\n"));
        QCOMPARE(modeOf(target), mode_t(0640));
        QCOMPARE(QDir(config.path() + QStringLiteral("/real")).entryList(QDir::Files | QDir::Hidden),
                 QStringList({QStringLiteral("Marrowfen.ini"), QStringLiteral("Marrowfen.ini.flock")}));
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
