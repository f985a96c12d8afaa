// The real executable where things go wrong: a file-size limit, names taken
// by symbolic links, counts that a binary double would round wrongly or that
// hide invisible characters, arguments in any encoding, and no display or
// no screen at all.
#include "ProgramRun.h"
#include "app/Arguments.h"
#include "app/DisplayGuard.h"
#include "batch/CardExport.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using apptest::runProgram;
using apptest::withoutDisplay;
using Run = apptest::ProgramRun;

QStringList lines(const QString &text) { return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

// The names in a folder named by bytes, as bytes.
QList<QByteArray> namesIn(const QByteArray &folder)
{
    QList<QByteArray> names;
    if (DIR *listing = opendir(folder.constData())) {
        while (const dirent *entry = readdir(listing)) {
            if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
                names.append(entry->d_name);
        }
        closedir(listing);
    }
    std::sort(names.begin(), names.end());
    return names;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestCliFaults : public QObject {
    Q_OBJECT
private slots:
    // Under "ulimit -f 4" every card file (7990 bytes) is too large: each
    // fails with its reason, named once, and the program ends with status 1
    // instead of being killed by the file-size signal.
    void aFileSizeLimitFailsEachFileWithItsReason()
    {
        QTemporaryDir dir;
        const Run run = runProgram({QStringLiteral("--batch"), QStringLiteral("5"), QStringLiteral("--out"), dir.path()},
                                   withoutDisplay(), 4 * 1024);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QString());
        const QStringList failed = lines(run.err);
        QCOMPARE(failed.size(), 5);
        for (const QString &line : failed) {
            QVERIFY2(line.startsWith(QLatin1String("dealwright: ") + dir.path() + QLatin1String("/Card ")), qPrintable(line));
            QVERIFY2(line.endsWith(QLatin1String(".bmp: File too large")), qPrintable(line));
            QCOMPARE(line.count(dir.path()), 1);
        }
        // Nothing cut off, no temporary file left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }

    // A "Card N.bmp" that is a symbolic link is replaced by the new file;
    // the file it pointed to, outside the chosen folder, is left alone.
    void linksInTheFolderAreReplacedNotFollowed()
    {
        QTemporaryDir out, elsewhere;
        for (int n = 1; n <= 52; ++n) {
            const QString target = elsewhere.filePath(QStringLiteral("precious %1").arg(n));
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("keep me");
            file.close();
            QVERIFY(QFile::link(target, out.filePath(QStringLiteral("Card %1.bmp").arg(n))));
        }
        const Run run = runProgram({QStringLiteral("--batch"), QStringLiteral("52"), QStringLiteral("--out"), out.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(lines(run.out).size(), 52);
        for (int n = 1; n <= 52; ++n) {
            const QFileInfo written(out.filePath(QStringLiteral("Card %1.bmp").arg(n)));
            QVERIFY(!written.isSymLink());
            QCOMPARE(written.size(), qint64(7990));
            QCOMPARE(contents(elsewhere.filePath(QStringLiteral("precious %1").arg(n))), QByteArray("keep me"));
        }
    }

    // Counts are rounded on their decimal digits; an invisible format
    // character makes any count "not a number", however it is passed.
    void countsAsWritten_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("files");
        QTest::addColumn<QString>("message");
        const QString bom = QString(QChar(0xFEFF));
        const QString zeroWidth = QString(QChar(0x200B));
        QTest::newRow("just below a half") << QStringList{"--batch", "3.49999999999999999"} << 0 << 3 << "";
        QTest::newRow("just above 52.5") << QStringList{"--batch", "52.500000000000001"} << 2 << 0
                                         << "Up to 52 cards allowed";
        QTest::newRow("exponent") << QStringList{"--batch", "5.25e1"} << 0 << 52 << "";
        QTest::newRow("blanks") << QStringList{"--batch", " 2 "} << 0 << 2 << "";
        QTest::newRow("leading mark, own argument") << QStringList{"--batch", bom + "5"} << 2 << 0
                                                    << "Must be a numerical value.";
        QTest::newRow("leading mark, joined") << QStringList{"--batch=" + bom + "5"} << 2 << 0
                                              << "Must be a numerical value.";
        QTest::newRow("zero width space") << QStringList{"--batch", "5" + zeroWidth} << 2 << 0
                                          << "Must be a numerical value.";
        QTest::newRow("word joiner inside") << QStringList{"--batch", "1" + QString(QChar(0x2060)) + "2"} << 2 << 0
                                            << "Must be a numerical value.";
    }

    void countsAsWritten()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(int, files);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const Run run = runProgram(arguments + QStringList{QStringLiteral("--out"), dir.path()});
        QCOMPARE(run.status, status);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), files);
        if (!message.isEmpty())
            QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    // The bytes of an argument as text and back, whatever they are.
    void argumentsKeepTheirBytes()
    {
        QRandomGenerator random(8);
        for (int i = 0; i < 20000; ++i) {
            QByteArray bytes = random.bounded(4) == 0 ? QByteArray("\xEF\xBB\xBF") : QByteArray();
            for (int length = random.bounded(12); length > 0; --length)
                bytes += char(random.bounded(1, 256));
            const QString text = app::argumentText(bytes);
            QCOMPARE(app::argumentBytes(text), bytes);
            // Text stays the text it is, a leading U+FEFF included.
            if (QUtf8StringView(bytes).isValidUtf8())
                QCOMPARE(text, QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom).decode(bytes));
        }
        QCOMPARE(app::argumentText("x\xc3"), QStringLiteral("x") + QChar(0xDCC3));
        QCOMPARE(app::argumentText("\xEF\xBB\xBF" "5"), QString(QChar(0xFEFF)) + u'5');
        QCOMPARE(app::shownArgument(app::argumentText("caf\xe9")), QStringLiteral("caf\uFFFD"));
    }

    // A folder is named by its bytes: one named in Latin-1 is written into,
    // one with a cut-off UTF-8 sequence at its end is not its existing
    // sibling without it; a count with a byte that is not text is no number.
    void argumentsAreBytes()
    {
        QTemporaryDir dir;
        const QByteArray base = QFile::encodeName(dir.path());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("x")));
        const Run cut = apptest::runProgramWithBytes({"--batch", "3", "--out", base + "/x\xc3"});
        QCOMPARE(cut.status, 2);
        QVERIFY2(cut.err.contains(batch::folderMissingMessage()), qPrintable(cut.err));
        QCOMPARE(namesIn(base + "/x"), QList<QByteArray>());

        const QByteArray latin1 = base + "/caf\xe9";
        QCOMPARE(mkdir(latin1.constData(), 0700), 0);
        // Emptied and removed by its bytes: QTemporaryDir reaches names as
        // text, and this one is not.
        struct RemovedAtEnd {
            QByteArray folder;
            ~RemovedAtEnd()
            {
                for (const QByteArray &name : namesIn(folder))
                    unlink((folder + '/' + name).constData());
                rmdir(folder.constData());
            }
        } removed{latin1};
        const Run written = apptest::runProgramWithBytes({"--batch", "3", "--out", latin1});
        QCOMPARE(written.status, 0);
        QCOMPARE(namesIn(latin1).size(), 3);
        for (const QString &line : lines(written.out))
            QVERIFY2(line.section(QLatin1Char('\t'), 2).startsWith(dir.path() + QStringLiteral("/caf\uFFFD/Card ")), qPrintable(line));

        for (const QByteArray &count : {QByteArray("5\xc3"), QByteArray("\xff" "3"), QByteArray("3\xe9")}) {
            const Run run = apptest::runProgramWithBytes({"--batch", count, "--out", base});
            QCOMPARE(run.status, 2);
            QVERIFY2(run.err.contains(QLatin1String("Must be a numerical value.")), qPrintable(run.err));
        }
        QCOMPARE(namesIn(base), QList<QByteArray>({"caf\xe9", "x"}));
    }

    // "--" ends the options: with nothing after it the windows open, and
    // whatever follows it is no option.
    void theEndOfTheOptions()
    {
        QProcessEnvironment env = withoutDisplay();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("DEALWRIGHT_EXIT_AFTER_SHOW"), QStringLiteral("1"));
        QTemporaryDir config;
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        const Run windows = runProgram({QStringLiteral("--")}, env);
        QCOMPARE(windows.status, 0);
        QVERIFY2(windows.err.contains(QLatin1String("shown ")), qPrintable(windows.err));
        const Run after = runProgram({QStringLiteral("--"), QStringLiteral("--version")}, env);
        QCOMPARE(after.status, 2);
        QVERIFY2(after.err.contains(QLatin1String("Unexpected argument '--version'")), qPrintable(after.err));
        QCOMPARE(after.out, QString());
    }

    // Without any display or screen the windows cannot open: one clear
    // line, status 2, no abort, whatever the window system; the runs that
    // need no display still work.
    void noDisplay_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("platform");
        QTest::newRow("nothing set") << QString() << QString();
        QTest::newRow("an X display nobody serves") << QStringLiteral(":79") << QStringLiteral("xcb");
        QTest::newRow("a Wayland display nobody serves") << QString() << QStringLiteral("wayland");
        QTest::newRow("a Wayland display without a runtime folder") << QString() << QStringLiteral("wayland-bare");
        QTest::newRow("a framebuffer that is not there") << QString() << QStringLiteral("linuxfb:fb=/nonexistent/fb0");
    }

    void noDisplay()
    {
        QFETCH(QString, display);
        QFETCH(QString, platform);
        QProcessEnvironment env = withoutDisplay();
        if (!display.isEmpty())
            env.insert(QStringLiteral("DISPLAY"), display);
        QTemporaryDir runtime;
        if (platform.startsWith(QLatin1String("wayland"))) {
            // The library of the Wayland client writes its own complaint
            // about a missing runtime folder to standard error.
            if (platform == QLatin1String("wayland")) {
                env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
                env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
            } else {
                env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
            }
            env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-nobody"));
        } else if (!platform.isEmpty()) {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        }
        const Run run = runProgram({}, env);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err, app::noDisplayMessage() + QLatin1Char('\n'));
        QCOMPARE(run.out, QString());

        QTemporaryDir dir;
        QCOMPARE(runProgram({QStringLiteral("--version")}, env).status, 0);
        QCOMPARE(runProgram({QStringLiteral("--help")}, env).status, 0);
        const Run batch = runProgram({QStringLiteral("--batch"), QStringLiteral("2"), QStringLiteral("--out"), dir.path()}, env);
        QCOMPARE(batch.status, 0);
        QCOMPARE(lines(batch.out).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestCliFaults)
#include "test_cli_faults.moc"
