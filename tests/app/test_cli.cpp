// The command line: --help, --version and the headless batch, in-process
// and through the real executable without any display.
#include "ProgramRun.h"
#include "app/CommandLine.h"
#include "batch/Generation.h"
#include "deck/PictureSet.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtEndian>
#include <QtTest>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run batchRun(const QString &count, const QString &folder)
{
    Run run;
    QTextStream out(&run.out), err(&run.err);
    run.status = app::runBatch(count, folder, out, err);
    out.flush();
    err.flush();
    return run;
}

quint32 u32(const QByteArray &b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 u16(const QByteArray &b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
qint32 s32(const QByteArray &b, int at) { return qFromLittleEndian<qint32>(b.constData() + at); }

// The file is the uncompressed bitmap of exactly this picture.
void checkBitmap(const QString &path, const QImage &picture)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray b = f.readAll();
    QVERIFY(b.size() > 54);
    QCOMPARE(b.left(2), QByteArray("BM"));
    QCOMPARE(u32(b, 2), quint32(b.size()));
    QCOMPARE(u16(b, 6), quint16(0));
    QCOMPARE(u16(b, 8), quint16(0));
    const quint32 offset = u32(b, 10);
    QCOMPARE(u32(b, 14), quint32(40));
    QCOMPARE(s32(b, 18), 71);
    QCOMPARE(s32(b, 22), 96);
    QCOMPARE(u16(b, 26), quint16(1));
    const int bits = u16(b, 28);
    QCOMPARE(u32(b, 30), quint32(0));  // no compression
    QVERIFY(bits == 8 || bits == 24);
    const int rowBytes = ((71 * bits / 8) + 3) / 4 * 4;
    QCOMPARE(qint64(offset) + qint64(rowBytes) * 96, qint64(b.size()));

    QCOMPARE(picture.size(), QSize(71, 96));
    QVector<QRgb> palette;
    if (bits == 8) {
        const quint32 used = u32(b, 46) ? u32(b, 46) : 256;
        QCOMPARE(offset, quint32(54 + 4 * used));
        const QVector<QRgb> table = picture.colorTable();
        QVERIFY(quint32(table.size()) <= used);
        for (quint32 i = 0; i < used; ++i) {
            const int at = 54 + 4 * int(i);
            palette.append(qRgb(quint8(b[at + 2]), quint8(b[at + 1]), quint8(b[at])));
        }
        // The picture's own palette, colour for colour; the transparent
        // entry may stand for a background colour.
        for (int i = 0; i < table.size(); ++i) {
            if (qAlpha(table[i]) == 255)
                QCOMPARE(palette[i], table[i]);
        }
    }
    for (int y = 0; y < 96; ++y) {
        const int row = int(offset) + (95 - y) * rowBytes;  // bottom row first
        for (int x = 0; x < 71; ++x) {
            QRgb written;
            if (bits == 8)
                written = palette[quint8(b[row + x])];
            else
                written = qRgb(quint8(b[row + 3 * x + 2]), quint8(b[row + 3 * x + 1]), quint8(b[row + 3 * x]));
            const QRgb expected = picture.pixel(x, y) | 0xff000000u;
            if (qAlpha(picture.pixel(x, y)) == 255 && written != expected)
                QFAIL(qPrintable(QStringLiteral("%1: pixel %2,%3 differs").arg(path).arg(x).arg(y)));
        }
        for (int pad = 71 * bits / 8; pad < rowBytes; ++pad)
            QCOMPARE(b[row + pad], '\0');
    }
}

Run runProgram(const QStringList &arguments)
{
    const apptest::ProgramRun run = apptest::runProgram(arguments);
    return Run{run.status, run.out, run.err};
}

QStringList lines(const QString &text) { return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void whatNeedsADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("headless");
        QTest::newRow("nothing") << QStringList{"dealwright"} << false;
        QTest::newRow("qt options") << QStringList{"dealwright", "-platform", "offscreen", "-reverse"} << false;
        QTest::newRow("qt option, double dash") << QStringList{"dealwright", "--style", "Fusion"} << false;
        QTest::newRow("batch") << QStringList{"dealwright", "--batch", "3", "--out", "/tmp"} << true;
        QTest::newRow("batch=") << QStringList{"dealwright", "--batch=3"} << true;
        QTest::newRow("help") << QStringList{"dealwright", "-h"} << true;
        QTest::newRow("version") << QStringList{"dealwright", "--version"} << true;
        QTest::newRow("unknown option") << QStringList{"dealwright", "--frobnicate"} << true;
        QTest::newRow("stray argument") << QStringList{"dealwright", "cards"} << true;
        QTest::newRow("qt option, then ours") << QStringList{"dealwright", "-platform", "xcb", "--help"} << true;
    }

    void whatNeedsADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, headless);
        QCOMPARE(app::runsWithoutDisplay(arguments), headless);
    }

    void parsing()
    {
        using A = app::CommandLine::Action;
        const auto parse = [](QStringList args) {
            args.prepend(QStringLiteral("dealwright"));
            return app::parseCommandLine(args);
        };
        QCOMPARE(parse({}).action, A::Windows);
        QCOMPARE(parse({"--help"}).action, A::Help);
        QCOMPARE(parse({"--help-all"}).action, A::Help);
        QCOMPARE(parse({"--version"}).action, A::Version);
        const app::CommandLine batch = parse({"--batch", "-3", "--out", "/tmp/x y"});
        QCOMPARE(batch.action, A::Batch);
        QCOMPARE(batch.count, QStringLiteral("-3"));
        QCOMPARE(batch.folder, QStringLiteral("/tmp/x y"));
        QCOMPARE(parse({"--batch=7", "--out=/o"}).count, QStringLiteral("7"));
        QCOMPARE(parse({"--batch", "3"}).action, A::Error);
        QCOMPARE(parse({"--out", "/tmp"}).action, A::Error);
        QCOMPARE(parse({"--bogus"}).action, A::Error);
        QCOMPARE(parse({"extra"}).action, A::Error);
        QCOMPARE(parse({"--batch"}).action, A::Error);
        QCOMPARE(parse({"--batch", "2", "--batch", "3", "--out", "/tmp"}).action, A::Error);
        QCOMPARE(parse({"--batch", "2", "--out", "/tmp", "--out", "/var"}).action, A::Error);
        // Qt's window options mean nothing without windows.
        QCOMPARE(app::withoutWindowOptions({"dealwright", "-platform", "xcb", "--help", "-reverse", "--style", "Fusion"}),
                 QStringList({"dealwright", "--help"}));
    }

    void aBatchOfCardsIsWrittenLikeSaveAll()
    {
        testsupport::TestPlatform platform;
        QTemporaryDir dir;
        const Run run = batchRun(QStringLiteral("3"), dir.path());
        QCOMPARE(run.status, int(app::ExitOk));
        QCOMPARE(run.err, QString());
        const QStringList printed = lines(run.out);
        QCOMPARE(printed.size(), 3);
        QStringList expectedFiles;
        for (const QString &line : printed) {
            const QStringList fields = line.split(QLatin1Char('\t'));
            QCOMPARE(fields.size(), 3);
            const int card = testsupport::cardOfEntryText(fields[0]);
            QVERIFY(card >= 0 && card < 52);
            QCOMPARE(fields[1], deck::cardName(card));
            QCOMPARE(fields[2], dir.filePath(fields[0] + QStringLiteral(".bmp")));
            checkBitmap(fields[2], deck::PictureSet::instance().card(card));
            expectedFiles << fields[0] + QStringLiteral(".bmp");
        }
        expectedFiles.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), expectedFiles);
    }

    void theCountRules_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("files");
        QTest::addColumn<QString>("message");
        QTest::newRow("52") << "52" << 0 << 52 << "";
        QTest::newRow("52.5 rounds to even") << "52.5" << 0 << 52 << "";
        QTest::newRow("2.5 gives two") << "2.5" << 0 << 2 << "";
        QTest::newRow("0 draws nothing") << "0" << 0 << 0 << "";
        QTest::newRow("negative draws nothing") << "-4" << 0 << 0 << "";
        QTest::newRow("53") << "53" << 2 << 0 << "Up to 52 cards allowed";
        QTest::newRow("52.6") << "52.6" << 2 << 0 << "Up to 52 cards allowed";
        QTest::newRow("huge") << "1e400" << 2 << 0 << "Up to 52 cards allowed";
        QTest::newRow("letters") << "ten" << 2 << 0 << "Must be a numerical value.";
        QTest::newRow("empty") << "" << 2 << 0 << "Must be a numerical value.";
    }

    void theCountRules()
    {
        QFETCH(QString, count);
        QFETCH(int, status);
        QFETCH(int, files);
        QFETCH(QString, message);
        testsupport::TestPlatform platform;
        QTemporaryDir dir;
        const Run run = batchRun(count, dir.path());
        QCOMPARE(run.status, status);
        const QStringList written = QDir(dir.path()).entryList(QDir::Files);
        QCOMPARE(written.size(), files);
        QCOMPARE(lines(run.out).size(), files);
        if (message.isEmpty()) {
            QCOMPARE(run.err, QString());
        } else {
            QVERIFY2(run.err.contains(message), qPrintable(run.err));
        }
        // Distinct cards, one file each.
        QSet<int> cardsSeen;
        for (const QString &name : written)
            cardsSeen.insert(testsupport::cardOfEntryText(name.chopped(4)));
        QCOMPARE(cardsSeen.size(), files);
        QCOMPARE(platform.messages.shown.size(), 0);
    }

    void anUnusableFolder()
    {
        testsupport::TestPlatform platform;
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("plain"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        for (const QString &folder : {dir.filePath(QStringLiteral("missing")), file, QString(), file + QStringLiteral("/below")}) {
            const Run run = batchRun(QStringLiteral("3"), folder);
            QCOMPARE(run.status, int(app::ExitUsage));
            QVERIFY2(run.err.contains(QLatin1String("Folder does not exist. Please select another folder.")), qPrintable(run.err));
            QCOMPARE(run.out, QString());
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"plain"});
    }

    void aFileThatFailsDoesNotStopTheOthers()
    {
        // Half of the names are taken by folders, which no file can replace.
        testsupport::TestPlatform platform;
        QTemporaryDir dir;
        for (int n = 1; n <= 26; ++n)
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Card %1.bmp").arg(n)));
        const Run run = batchRun(QStringLiteral("52"), dir.path());
        QCOMPARE(run.status, int(app::ExitFileFailed));
        const QStringList failed = lines(run.err);
        QCOMPARE(failed.size(), 26);
        for (int n = 1; n <= 26; ++n) {
            const QString path = dir.filePath(QStringLiteral("Card %1.bmp").arg(n));
            QVERIFY(QFileInfo(path).isDir());
            QVERIFY2(run.err.contains(QStringLiteral("dealwright: %1: ").arg(path)), qPrintable(run.err));
        }
        for (const QString &line : failed)
            QVERIFY2(line.section(QLatin1String(".bmp: "), 1).trimmed().size() > 0, qPrintable(line));  // a reason
        const QStringList printed = lines(run.out);
        QCOMPARE(printed.size(), 26);
        for (const QString &line : printed) {
            const QString path = line.section(QLatin1Char('\t'), 2);
            checkBitmap(path, deck::PictureSet::instance().card(testsupport::cardOfEntryText(line.section(QLatin1Char('\t'), 0, 0))));
        }
    }

    void theRealProgramWithoutADisplay()
    {
        QTemporaryDir dir;
        const Run version = runProgram({QStringLiteral("--version")});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QStringLiteral("dealwright 1.0.0\n"));

        const Run help = runProgram({QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.contains(QLatin1String("--batch <count>")));
        QVERIFY(help.out.contains(QLatin1String("--out <folder>")));

        const Run good = runProgram({QStringLiteral("--batch"), QStringLiteral("4"), QStringLiteral("--out"), dir.path()});
        QCOMPARE(good.status, 0);
        QCOMPARE(good.err, QString());
        QCOMPARE(lines(good.out).size(), 4);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 4);
        const QString first = lines(good.out).first();
        checkBitmap(first.section(QLatin1Char('\t'), 2),
                    deck::PictureSet::instance().card(testsupport::cardOfEntryText(first.section(QLatin1Char('\t'), 0, 0))));

        const Run tooMany = runProgram({QStringLiteral("--batch"), QStringLiteral("60"), QStringLiteral("--out"), dir.path()});
        QCOMPARE(tooMany.status, 2);
        QVERIFY(tooMany.err.contains(QLatin1String("Up to 52 cards allowed")));

        const Run noFolder = runProgram({QStringLiteral("--batch"), QStringLiteral("2"), QStringLiteral("--out"), dir.filePath("none")});
        QCOMPARE(noFolder.status, 2);
        QVERIFY(noFolder.err.contains(QLatin1String("Folder does not exist.")));

        for (const QStringList &wrong : {QStringList{"--batch", "3"}, QStringList{"--frobnicate"}, QStringList{"stray"}}) {
            const Run run = runProgram(wrong);
            QCOMPARE(run.status, 2);
            QVERIFY2(run.err.contains(QLatin1String("Try 'dealwright --help'")), qPrintable(run.err));
            QCOMPARE(run.out, QString());
        }
    }
};

QTEST_MAIN(TestCommandLine)
#include "test_cli.moc"
