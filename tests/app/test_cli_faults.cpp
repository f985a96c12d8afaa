// The real executable where things go wrong: a file-size limit, names taken
// by symbolic links, counts that a binary double would round wrongly or that
// hide invisible characters, and no display at all.
#include "ProgramRun.h"
#include "app/DisplayGuard.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using apptest::runProgram;
using apptest::withoutDisplay;
using Run = apptest::ProgramRun;

QStringList lines(const QString &text) { return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

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

    // Without any display the windows cannot open: one clear line, status 2,
    // no abort; the runs that need no display still work.
    void noDisplay_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("platform");
        QTest::newRow("nothing set") << QString() << QString();
        QTest::newRow("an X display nobody serves") << QStringLiteral(":79") << QStringLiteral("xcb");
        QTest::newRow("a Wayland display nobody serves") << QString() << QStringLiteral("wayland");
    }

    void noDisplay()
    {
        QFETCH(QString, display);
        QFETCH(QString, platform);
        QProcessEnvironment env = withoutDisplay();
        if (!display.isEmpty())
            env.insert(QStringLiteral("DISPLAY"), display);
        if (!platform.isEmpty())
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        if (platform == QLatin1String("wayland")) {
            QTemporaryDir runtime;
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
            env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-nobody"));
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
