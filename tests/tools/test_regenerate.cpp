// The committed pictures are exactly what the generator draws: a fresh run
// into a temporary folder gives the same files, the same file structure
// byte for byte, and the same colours (within 2 per channel, as the
// drawing's processor-specific paths may round differently); the scalable
// pictures and the scalable program icon, made without rasterising, byte
// for byte.
#include "AssetBytes.h"
#include "deck/GifDecode.h"
#include "deck/PictureCompare.h"
#include "tools/artgen/ArtGen.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

using namespace assetbytes;

namespace {

QString committed() { return qEnvironmentVariable("DEALWRIGHT_SOURCE_DIR") + QStringLiteral("/assets"); }

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QDir(folder).relativeFilePath(it.next());
        if (path != QLatin1String("CMakeLists.txt"))
            files << path;
    }
    files.sort();
    return files;
}

QString compareFile(const QString &name, const QByteArray &fresh, const QByteArray &old)
{
    if (name.endsWith(QLatin1String(".gif"))) {
        const GifLayout a = readGif(fresh);
        const GifLayout b = readGif(old);
        if (a.structure != b.structure || a.transparentIndex != b.transparentIndex)
            return QStringLiteral("GIF structure differs");
        return picturecompare::differences(deck::decodeGif(fresh), deck::decodeGif(old));
    }
    if (name.endsWith(QLatin1String(".bmp"))) {
        // Headers exactly; the palette and pixels by their colours.
        const int header = u32(fresh, 14) == 12 ? 26 : 54;
        if (fresh.left(header) != old.left(header))
            return QStringLiteral("bitmap header differs");
        return picturecompare::differences(QImage::fromData(fresh, "BMP"), QImage::fromData(old, "BMP"));
    }
    if (name.endsWith(QLatin1String(".svg")))
        return fresh == old ? QString() : QStringLiteral("SVG text differs");
    if (name.endsWith(QLatin1String(".png")))
        return picturecompare::differences(QImage::fromData(fresh, "PNG"), QImage::fromData(old, "PNG"));
    return fresh == old ? QString() : QStringLiteral("bytes differ");
}

} // namespace

class TestRegenerate : public QObject {
    Q_OBJECT
private slots:
    void freshRunMatchesCommittedFiles()
    {
        QTemporaryDir fresh;
        QVERIFY(fresh.isValid());
        const QString failure = artgen::writeAssets(fresh.path());
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const QStringList files = filesBelow(fresh.path());
        QCOMPARE(files, filesBelow(committed()));
        QVERIFY(files.size() >= 76 + 2 + 7 + 1);
        QCOMPARE(files.filter(QRegularExpression(QStringLiteral("^scalable/.+\\.svg$"))).size(), 68);
        QCOMPARE(files.filter(QRegularExpression(QStringLiteral("^icon/.+\\.svg$"))), QStringList{QStringLiteral("icon/dealwright.svg")});
        QStringList differences;
        for (const QString &name : files) {
            const QString difference = compareFile(name, readAll(fresh.filePath(name)), readAll(committed() + QLatin1Char('/') + name));
            if (!difference.isEmpty())
                differences << name + QStringLiteral(": ") + difference;
        }
        QVERIFY2(differences.isEmpty(),
                 qPrintable(differences.join(QLatin1Char('\n')) + QStringLiteral("\n(rebuild the target regenerate-art)")));
    }

    void twoRunsGiveTheSameBytes()
    {
        const QList<artgen::AssetFile> first = artgen::buildAssets();
        const QList<artgen::AssetFile> second = artgen::buildAssets();
        QCOMPARE(first.size(), second.size());
        for (int i = 0; i < first.size(); ++i) {
            QCOMPARE(first[i].path, second[i].path);
            QVERIFY2(first[i].bytes == second[i].bytes, qPrintable(first[i].path));
        }
    }

    void generatorRefusesAnUnwritableFolder()
    {
        // A folder below a regular file cannot be made, even by root.
        QTemporaryDir dir;
        QFile plain(dir.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const QString failure = artgen::writeAssets(dir.filePath(QStringLiteral("plain/assets")));
        QVERIFY(!failure.isEmpty());
    }
};

QTEST_MAIN(TestRegenerate)
#include "test_regenerate.moc"
