// Settings files no one should have to survive: data forms nested beyond any
// stack, files of megabytes, random bytes. Each runs in a child process under
// a time limit, so that a crash or a hang fails its case and not the suite.
#include "SettingsTestSupport.h"
#include "settings/SettingsStore.h"
#include "settings/StoreFile.h"
#include "support/TestPlatform.h"

#include <QtTest>
#include <sys/stat.h>

using namespace settings;
using namespace settingstest;

namespace {

// A list nested `depth` deep as a stream of QVariants would hold it (each
// level: the type of a list, one element), escaped as the file's text.
QByteArray nestedVariant(int depth)
{
    QByteArray text = "@Variant(";
    for (int level = 0; level < depth; ++level)
        text += "\\0\\0\\0\\t\\0\\0\\0\\x1";  // type 9 (list), 1 element
    text += "\\0\\0\\0\\n\\xff\\xff\\xff\\xff)";  // an empty string at the bottom
    return text;
}

struct FileState {
    QByteArray bytes;
    ino_t inode = 0;
    qint64 modified = 0;
    bool operator==(const FileState &other) const
    {
        return bytes == other.bytes && inode == other.inode && modified == other.modified;
    }
};

FileState stateOf(const QString &path)
{
    struct stat status {};
    stat(QFile::encodeName(path).constData(), &status);
    return {bytesOf(path), status.st_ino, qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
}

// A file of `size` bytes that holds Text2=near at its start.
bool makeFileOfSize(const QString &path, qint64 size)
{
    QFile file(path);
    const QByteArray start = "[Dealwright]\nText2=near\n;";
    return file.open(QIODevice::WriteOnly) && file.write(start) == start.size() && file.resize(size);
}

// Random bytes with the pieces the reader treats specially mixed in.
QByteArray randomFile(QRandomGenerator &random)
{
    static const QList<QByteArray> pieces = {
        "[Dealwright]", "[dealwright]", "[Other]", "[", "]", "=", "\n", "\r\n", "\r", "\"", "\\", "\\x", "\\0", ";",
        "#", " ", "\t", "@", "@Variant(", "@ByteArray(", "@String(", "@DateTime(", "@Invalid()", ")", "%U", "%2",
        "\xEF\xBB\xBF", "Text2", "Option1", "Form3Start", "Number%20Of%20Cards", "LastFolderDot", "\xff", "\xc3",
        QByteArray(1, '\0')};
    QByteArray file = random.bounded(4) == 0 ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    for (int count = random.bounded(200); count > 0; --count) {
        if (random.bounded(3) == 0)
            file += char(random.bounded(256));
        else
            file += pieces[random.bounded(pieces.size())];
    }
    return file;
}

const QStringList AllKeys = {keys::Form3Start, keys::Option1,       keys::Option2, keys::Text2,
                             keys::NumberOfCards, keys::LastFolderDot, keys::WebVisit};

} // namespace

class TestSettingsHostile : public QObject {
    Q_OBJECT
private slots:
    // A list nested 40,000 deep inside "@Variant(...)" once overflowed the
    // stack while it was decoded. The values are text: it reads as the text
    // it is, a value of the wrong form for its key.
    void nestedDataIsReadAsText_data()
    {
        QTest::addColumn<QString>("key");
        for (const QString &key : {keys::Form3Start, keys::NumberOfCards, keys::Text2, keys::Option1})
            QTest::newRow(qPrintable(key)) << key;
    }

    void nestedDataIsReadAsText()
    {
        QFETCH(QString, key);
        testsupport::TempConfig config;
        const QByteArray nested = nestedVariant(40000);
        QVERIFY(writeBytes(config.settingsFile(), "[Dealwright]\n" + key.toUtf8().replace(' ', "%20") + '=' + nested + '\n'));
        QVERIFY(QFileInfo(config.settingsFile()).size() < storefile::LargestFile);
        static QString s_key;
        s_key = key;
        QCOMPARE(inChild([] {
                     const QString value = settings::read(s_key, QStringLiteral("default"));
                     if (!value.startsWith(QLatin1String("@Variant(")) || value.size() < 40000 * 8)
                         return 1;
                     // Written as the text it is, it reads back the same.
                     settings::write(s_key, value);
                     return settings::read(s_key, QString()) == value ? 0 : 2;
                 }),
                 0);
    }

    // Past 1 MB a settings file is not read: one message names it and its
    // size, every read gives its default, and no write replaces the file.
    void aFileLargerThanAMegabyteIsLeftAlone_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::newRow("one byte more than 1 MB") << storefile::LargestFile + 1;
        QTest::newRow("2 MB") << qint64(2) * 1024 * 1024;
        QTest::newRow("50 MB") << qint64(50) * 1024 * 1024;
    }

    void aFileLargerThanAMegabyteIsLeftAlone()
    {
        QFETCH(qint64, size);
        testsupport::TempConfig config;
        QVERIFY(makeFileOfSize(config.settingsFile(), size));
        const FileState before = stateOf(config.settingsFile());
        static qint64 s_size;
        s_size = size;
        QCOMPARE(inChild([] {
                     testsupport::TestPlatform platform;
                     for (int i = 0; i < 3; ++i) {
                         if (settings::read(keys::Text2, QStringLiteral("default")) != QLatin1String("default"))
                             return 1;
                         settings::write(keys::Text2, QStringLiteral("new"));
                         settings::writeIfMissing(keys::NumberOfCards, QStringLiteral("7"));
                     }
                     const QStringList expected = {settings::tooLargeMessage(settings::filePath(), s_size)};
                     return platform.messages.plainTexts() == expected && platform.messages.reports().isEmpty() ? 0 : 2;
                 }),
                 0);
        QVERIFY(stateOf(config.settingsFile()) == before);
        QCOMPARE(QDir(config.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Marrowfen.ini")});
    }

    // Up to 1 MB nothing changes.
    void aFileOfExactlyAMegabyteIsRead()
    {
        testsupport::TempConfig config;
        QVERIFY(makeFileOfSize(config.settingsFile(), storefile::LargestFile));
        testsupport::TestPlatform platform;
        QCOMPARE(settings::read(keys::Text2, QStringLiteral("default")), QStringLiteral("near"));
        settings::write(keys::Text2, QStringLiteral("far"));
        QCOMPARE(settings::read(keys::Text2, QStringLiteral("default")), QStringLiteral("far"));
        QCOMPARE(platform.messages.shown.size(), 0);
    }

    // Random bytes with the file's special pieces mixed in, with a fixed
    // seed: every key reads without a crash, and a write changes what its
    // own key reads and nothing another key reads.
    void randomFilesReadAndWrite()
    {
        testsupport::TempConfig config;
        QCOMPARE(inChild(
                     [] {
                         QRandomGenerator random(2024);
                         for (int round = 0; round < 3000; ++round) {
                             if (!writeBytes(settings::filePath(), randomFile(random)))
                                 return 1;
                             QHash<QString, QString> before;
                             for (const QString &key : AllKeys)
                                 before.insert(key, settings::read(key, QStringLiteral("missing")));
                             const QString key = AllKeys[random.bounded(AllKeys.size())];
                             const QString value = randomText(random, true);
                             settings::write(key, value);
                             for (const QString &other : AllKeys) {
                                 const QString now = settings::read(other, QStringLiteral("missing"));
                                 if (now != (other == key ? value : before.value(other)))
                                     return 2;
                             }
                         }
                         return 0;
                     },
                     120000),
                 0);
    }
};

QTEST_GUILESS_MAIN(TestSettingsHostile)
#include "test_settings_hostile.moc"
