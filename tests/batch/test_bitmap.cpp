// Card files on disk, without any widget: the bitmap layout, whole-file
// replacement and the failures the file system can give.
#include "BmpCheck.h"
#include "batch/Bitmap.h"
#include "batch/CardExport.h"
#include "batch/FileBatch.h"
#include "deck/PictureSet.h"
#include "support/TestPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace batchtest;

namespace {

// An 8-bit picture with a palette of `colours` entries, entry 3 transparent.
QImage paletteImage(int colours = 256, int width = 71, int height = 96)
{
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table.append(qRgba(i, 255 - i, (i * 7) & 255, i == 3 ? 0 : 255));
    image.setColorTable(table);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, uint((x * 5 + y * 3) % colours));
    return image;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString failureOf(const QImage &picture, const QString &path)
{
    try {
        batch::saveCardPicture(picture, path);
    } catch (const shell::Failure &failure) {
        return failure.description();
    }
    return QString();
}

// Lowers the file-size limit for as long as it lives; writing past it fails
// with "File too large" instead of killing the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int);
};

} // namespace

class TestBitmap : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dir.reset(new QTemporaryDir); }

    void paletteLayout_data()
    {
        QTest::addColumn<int>("colours");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("card 71 x 96, 256 colours") << 256 << 71 << 96;
        QTest::newRow("short palette is padded, not 4-bit") << 16 << 71 << 96;
        QTest::newRow("rows already a multiple of 4") << 256 << 72 << 96;
        QTest::newRow("three padding bytes") << 200 << 69 << 5;
    }

    void paletteLayout()
    {
        QFETCH(int, colours);
        QFETCH(int, width);
        QFETCH(int, height);
        const QImage picture = paletteImage(colours, width, height);
        const QString path = m_dir->filePath(QStringLiteral("Card 1.bmp"));
        batch::saveCardPicture(picture, path);
        QCOMPARE(compareBitmapFile(path, picture), QString());
        // The transparent entry keeps its own colour in the table.
        const QByteArray bytes = readAll(path);
        QCOMPARE(quint8(bytes[54 + 12 + 2]), quint8(3));
        QCOMPARE(entries(m_dir->path()), QStringList{QStringLiteral("Card 1.bmp")});
    }

    void otherPicturesAre24Bit()
    {
        QImage picture(71, 96, QImage::Format_ARGB32);
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 71; ++x)
                picture.setPixel(x, y, qRgba(x * 3, y * 2, (x ^ y) & 255, x < 3 ? 0 : 255));
        const QString path = m_dir->filePath(QStringLiteral("rgb.bmp"));
        batch::saveCardPicture(picture, path);
        QCOMPARE(compareBitmapFile(path, picture), QString());
        QCOMPARE(le(readAll(path), 28, 2), 24u);
    }

    void everyKindOfPictureHasThePlainLayout()
    {
        // Palettes of every length, a width whose rows need padding, and a
        // picture without palette: each is the plain layout, field by field.
        for (const QImage &picture : {paletteImage(), paletteImage(16), paletteImage(256, 70, 9),
                                      paletteImage().convertToFormat(QImage::Format_RGB32)}) {
            QCOMPARE(compareBitmap(batch::bitmapBytes(picture), picture), QString());
        }
        QVERIFY_THROWS_EXCEPTION(shell::Failure, batch::bitmapBytes(QImage()));
    }

    void cardPicturesWithoutWidgets()
    {
        // A bare QCoreApplication runs this test: the picture set and the writer
        // need no widgets.
        QVERIFY(!qobject_cast<QGuiApplication *>(QCoreApplication::instance()));
        const deck::PictureSet &set = deck::PictureSet::instance();
        for (int card = 0; card < 52; ++card) {
            const QImage &picture = set.card(card);
            QCOMPARE(picture.size(), QSize(71, 96));
            QCOMPARE(picture.format(), QImage::Format_Indexed8);
            const QString path = batch::cardFilePath(m_dir->path(), QStringLiteral("Card %1").arg(card + 1));
            batch::saveCardPicture(picture, path);
            QCOMPARE(compareBitmapFile(path, picture), QString());
        }
        const QString back = m_dir->filePath(QStringLiteral("Card 0.bmp"));
        batch::saveCardPicture(set.back(0), back);
        QCOMPARE(compareBitmapFile(back, set.back(0)), QString());
        QCOMPARE(entries(m_dir->path()).size(), 53);
    }

    void replacesWholeFile()
    {
        const QString path = m_dir->filePath(QStringLiteral("Card 5.bmp"));
        writeBytes(path, QByteArray(20000, 'x'));  // longer than a card file
        const QImage picture = paletteImage();
        batch::saveCardPicture(picture, path);
        QCOMPARE(compareBitmapFile(path, picture), QString());
        QCOMPARE(entries(m_dir->path()), QStringList{QStringLiteral("Card 5.bmp")});
    }

    void pathsAndFolderCheck()
    {
        const QString sep = QDir::separator();
        QCOMPARE(batch::cardFilePath(QStringLiteral("/a/b") + sep, QStringLiteral("Card 3")), QStringLiteral("/a/b") + sep + QStringLiteral("Card 3.bmp"));
        QCOMPARE(batch::cardFilePath(QStringLiteral("/a/b"), QStringLiteral("Card 3")), QStringLiteral("/a/b") + sep + QStringLiteral("Card 3.bmp"));
        QCOMPARE(batch::cardFilePath(QStringLiteral("/"), QStringLiteral("Card 0")), QStringLiteral("/Card 0.bmp"));

        writeBytes(m_dir->filePath(QStringLiteral("file")), "x");
        QVERIFY(batch::isExistingFolder(m_dir->path()));
        QVERIFY(batch::isExistingFolder(m_dir->path() + sep));
        QVERIFY(!batch::isExistingFolder(QString()));
        QVERIFY(!batch::isExistingFolder(m_dir->filePath(QStringLiteral("file"))));
        QVERIFY(!batch::isExistingFolder(m_dir->filePath(QStringLiteral("missing"))));
        QVERIFY(!batch::isExistingFolder(m_dir->filePath(QStringLiteral("file/below"))));
    }

    void failuresLeaveOldFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder removed after the check") << QStringLiteral("gone/Card 1.bmp") << QStringLiteral("No such file or directory");
        QTest::newRow("path below a regular file") << QStringLiteral("old.bmp/Card 1.bmp") << QStringLiteral("Not a directory");
        QTest::newRow("a folder where the file should be") << QStringLiteral("folder") << QStringLiteral("directory");
        QTest::newRow("a folder the system refuses") << QStringLiteral("/sys/kernel/Card 1.bmp") << QStringLiteral("Permission denied");
    }

    void failuresLeaveOldFile()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        const QString old = m_dir->filePath(QStringLiteral("old.bmp"));
        writeBytes(old, "old contents");
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder")));
        const QString path = target.startsWith(QLatin1Char('/')) ? target : m_dir->filePath(target);

        const QString description = failureOf(paletteImage(), path);
        QVERIFY2(description.contains(reason, Qt::CaseInsensitive), qPrintable(description));
        QCOMPARE(description.count(QDir::toNativeSeparators(path)), 1);
        QCOMPARE(readAll(old), QByteArray("old contents"));
        QCOMPARE(entries(m_dir->path()), (QStringList{QStringLiteral("folder"), QStringLiteral("old.bmp")}));
        QVERIFY(entries(m_dir->filePath(QStringLiteral("folder"))).isEmpty());
    }

    void fileSizeLimit()
    {
        const QString path = m_dir->filePath(QStringLiteral("Card 9.bmp"));
        writeBytes(path, "the old card");
        QString description;
        {
            // A card file is 7990 bytes: half of it fits, as on a disk that fills up.
            FileSizeLimit limit(4000);
            description = failureOf(paletteImage(), path);
        }
        QVERIFY2(description.contains(QStringLiteral("File too large")), qPrintable(description));
        QCOMPARE(readAll(path), QByteArray("the old card"));
        QCOMPARE(entries(m_dir->path()), QStringList{QStringLiteral("Card 9.bmp")});
        // With the limit gone the same call succeeds.
        batch::saveCardPicture(paletteImage(), path);
        QCOMPARE(compareBitmapFile(path, paletteImage()), QString());
    }

    // The writer itself keeps the file-size signal from ending the program,
    // whatever the caller had set up.
    void fileSizeLimitWithTheSignalAtItsDefault()
    {
        const QString path = m_dir->filePath(QStringLiteral("Card 4.bmp"));
        const QImage picture = paletteImage();
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit limit{4000, 4000};
            setrlimit(RLIMIT_FSIZE, &limit);
            _exit(failureOf(picture, path).endsWith(QLatin1String("Card 4.bmp: File too large")) ? 0 : 1);
        }

        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status), "the file-size signal ended the writer");
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(entries(m_dir->path()), QStringList());
    }

    void aLinkIsReplacedItsTargetLeftAlone()
    {
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath(QStringLiteral("notes.txt"));
        writeBytes(target, "not a card");
        const QString path = m_dir->filePath(QStringLiteral("Card 7.bmp"));
        QVERIFY(QFile::link(target, path));
        batch::saveCardPicture(paletteImage(), path);
        QVERIFY(!QFileInfo(path).isSymLink());
        QCOMPARE(compareBitmapFile(path, paletteImage()), QString());
        QCOMPARE(readAll(target), QByteArray("not a card"));
        // A dangling link is replaced the same way.
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::link(elsewhere.filePath(QStringLiteral("missing")), path));
        batch::saveCardPicture(paletteImage(), path);
        QVERIFY(!QFileInfo(path).isSymLink());
        QVERIFY(!QFileInfo::exists(elsewhere.filePath(QStringLiteral("missing"))));
    }

    // Staged files fail one by one; the others get their names only at commit,
    // and a batch that is dropped leaves nothing behind.
    void aBatchOfFilesAndItsFailures()
    {
        const QByteArray bytes = batch::bitmapBytes(paletteImage());
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Card 2.bmp")));
        writeBytes(m_dir->filePath(QStringLiteral("Card 3.bmp")), "old three");
        QFile::setPermissions(m_dir->filePath(QStringLiteral("Card 3.bmp")), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        {
            batch::FileBatch dropped;
            dropped.stage(m_dir->filePath(QStringLiteral("Card 1.bmp")), bytes);
        }
        QCOMPARE(entries(m_dir->path()), (QStringList{QStringLiteral("Card 2.bmp"), QStringLiteral("Card 3.bmp")}));

        batch::FileBatch files;
        QStringList failures;
        for (int n = 1; n <= 4; ++n) {
            try {
                files.stage(m_dir->filePath(QStringLiteral("Card %1.bmp").arg(n)), bytes);
            } catch (const shell::Failure &failure) {
                failures << failure.description();
            }
        }
        QCOMPARE(failures, QStringList{m_dir->filePath(QStringLiteral("Card 2.bmp")) + QStringLiteral(": Is a directory")});
        QCOMPARE(readAll(m_dir->filePath(QStringLiteral("Card 3.bmp"))), QByteArray("old three"));  // not yet
        QCOMPARE(files.commit(), QStringList());
        QCOMPARE(files.written().size(), 3);
        for (int n : {1, 3, 4})
            QCOMPARE(readAll(m_dir->filePath(QStringLiteral("Card %1.bmp").arg(n))), bytes);
        // The replaced file kept its permissions.
        const QFileDevice::Permissions modeBits = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
            | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
            | QFileDevice::WriteOther | QFileDevice::ExeOther;
        QCOMPARE(QFile::permissions(m_dir->filePath(QStringLiteral("Card 3.bmp"))) & modeBits,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(entries(m_dir->path()).size(), 4);
    }

    void readOnlyFolderForOrdinaryUser()
    {
        // Root writes into read-only folders regardless, so the write runs in a
        // child that has given up root. It answers through a pipe.
        const QString folder = m_dir->filePath(QStringLiteral("readonly"));
        QVERIFY(QDir().mkdir(folder));
        const QString old = folder + QStringLiteral("/Card 2.bmp");
        writeBytes(old, "old card two");
        QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                         | QFileDevice::ReadOther | QFileDevice::ExeOther));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther));
        const QImage picture = paletteImage();
        int fds[2];
        QVERIFY(pipe(fds) == 0);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            close(fds[0]);
            if (setgid(65534) != 0 || setuid(65534) != 0)
                _exit(3);
            const QByteArray answer = (failureOf(picture, old) + QLatin1Char('\n')
                                       + failureOf(picture, folder + QStringLiteral("/Card 3.bmp"))).toUtf8();
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
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        const QStringList reports = QString::fromUtf8(answer).split(QLatin1Char('\n'));
        QCOMPARE(reports.size(), 2);
        QVERIFY2(reports[0].contains(QStringLiteral("not writable")) || reports[0].contains(QStringLiteral("Permission denied")), qPrintable(reports[0]));
        QVERIFY2(reports[1].contains(QStringLiteral("Permission denied")), qPrintable(reports[1]));
        QCOMPARE(readAll(old), QByteArray("old card two"));
        QCOMPARE(entries(folder), QStringList{QStringLiteral("Card 2.bmp")});
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    testsupport::TempConfig m_config;
};

QTEST_GUILESS_MAIN(TestBitmap)
#include "test_bitmap.moc"
