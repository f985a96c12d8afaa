// The real program started over settings files no one should have to
// survive, and with its web visit turned off: each start under a time limit,
// on the offscreen platform, ending once its first window is shown, with
// every message box and web visit written to standard error.
#include "ProgramRun.h"
#include "settings/SettingsStore.h"

#include <QtTest>
#include <sys/stat.h>

namespace {

using Run = apptest::ProgramRun;

QProcessEnvironment startEnvironment(const QString &configFolder)
{
    QProcessEnvironment env = apptest::withoutDisplay();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("DEALWRIGHT_EXIT_AFTER_SHOW"), QStringLiteral("1"));
    env.insert(QStringLiteral("DEALWRIGHT_LOG_MESSAGES"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder);
    return env;
}

QStringList linesStarting(const QString &text, const QString &start)
{
    QStringList found;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(start))
            found << line;
    }
    return found;
}

// A list nested `depth` deep as a stream of QVariants would hold it.
QByteArray nestedVariant(int depth)
{
    QByteArray text = "@Variant(";
    for (int level = 0; level < depth; ++level)
        text += "\\0\\0\\0\\t\\0\\0\\0\\x1";
    return text + "\\0\\0\\0\\n\\xff\\xff\\xff\\xff)";
}

struct FileState {
    QByteArray bytes;
    ino_t inode = 0;
    qint64 modified = 0;
};

FileState stateOf(const QString &path)
{
    struct stat status {};
    stat(QFile::encodeName(path).constData(), &status);
    QFile file(path);
    return {file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), status.st_ino,
            qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
}

} // namespace

class TestProgramStarts : public QObject {
    Q_OBJECT
private slots:
    void hostileSettingsFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<qint64>("padTo");  // a file this large, its start as given
        const QByteArray nested = nestedVariant(40000);
        QTest::newRow("nested data in Form3Start") << "[Dealwright]\nForm3Start=" + nested + "\n" << qint64(0);
        QTest::newRow("nested data in Number Of Cards")
            << "[Dealwright]\nForm3Start=3\nNumber%20Of%20Cards=" + nested + "\n" << qint64(0);
        QTest::newRow("nested data in Text2") << "[Dealwright]\nForm3Start=2\nText2=" + nested + "\n" << qint64(0);
        QTest::newRow("2 MB") << QByteArray("[Dealwright]\nForm3Start=2\n;") << qint64(2) * 1024 * 1024;
        QTest::newRow("50 MB") << QByteArray("[Dealwright]\nForm3Start=3\n;") << qint64(50) * 1024 * 1024;
    }

    // No settings file crashes or holds up the start; one too large to be
    // read is named once with its size, and the start changes none of it.
    void hostileSettingsFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(qint64, padTo);
        QTemporaryDir config;
        const QString path = config.filePath(QStringLiteral("Marrowfen.ini"));
        {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            QCOMPARE(out.write(file), file.size());
            if (padTo)
                QVERIFY(out.resize(padTo));
        }
        const FileState before = stateOf(path);
        const Run run = apptest::runProgram({}, startEnvironment(config.path()));
        QCOMPARE(run.status, 0);
        QVERIFY2(!linesStarting(run.err, QStringLiteral("shown ")).isEmpty(), qPrintable(run.err));
        if (padTo) {
            const QStringList messages = linesStarting(run.err, QStringLiteral("message: "));
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages.first().contains(settings::tooLargeMessage(path, padTo)), qPrintable(messages.first()));
            const FileState after = stateOf(path);
            QVERIFY(after.bytes == before.bytes && after.inode == before.inode && after.modified == before.modified);
        }
    }

    // "Web Visit" = 0 keeps the browser shut, start after start; another
    // text is a value of the wrong form, reported by the step that reads it.
    void theWebVisitTurnedOff()
    {
        QTemporaryDir config;
        const QString path = config.filePath(QStringLiteral("Marrowfen.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Dealwright]\nWeb Visit=0\nForm3Start=0\n");
        file.close();
        for (int start = 0; start < 300; ++start) {
            const Run run = apptest::runProgram({}, startEnvironment(config.path()));
            QCOMPARE(run.status, 0);
            QCOMPARE(linesStarting(run.err, QStringLiteral("web: ")), QStringList());
            QCOMPARE(linesStarting(run.err, QStringLiteral("message: ")), QStringList());
        }
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Dealwright]\nWeb Visit=off\nForm3Start=0\n");
        file.close();
        const Run wrongForm = apptest::runProgram({}, startEnvironment(config.path()));
        QCOMPARE(wrongForm.status, 0);
        QCOMPARE(linesStarting(wrongForm.err, QStringLiteral("web: ")), QStringList());
        const QStringList reports = linesStarting(wrongForm.err, QStringLiteral("message: [Application Error]"));
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports.first().contains(QLatin1String("Form1.Form_Load at line 108")), qPrintable(reports.first()));
    }
};

QTEST_GUILESS_MAIN(TestProgramStarts)
#include "test_program_starts.moc"
