// The committed picture files, read byte by byte: the GIF blocks and fields
// of the 68 card-sized pictures, the bitmap headers of the animation frames
// and the icon, the window icons, the contact sheet and the skin; and the
// elements of the 68 scalable pictures.
#include "AssetBytes.h"
#include "deck/GifDecode.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtTest>

using namespace assetbytes;

namespace {

QString assets() { return qEnvironmentVariable("DEALWRIGHT_SOURCE_DIR") + QStringLiteral("/assets/"); }

QStringList cardFiles()
{
    QStringList files;
    for (int n = 0; n < 52; ++n)
        files << QStringLiteral("Card%1.gif").arg(n, 2, 10, QLatin1Char('0'));
    files << QStringLiteral("Joker1.gif") << QStringLiteral("Joker2.gif") << QStringLiteral("gO.gif")
          << QStringLiteral("rX.gif");
    for (int b = 0; b < 12; ++b)
        files << QStringLiteral("Back%1.gif").arg(b, 2, 10, QLatin1Char('0'));
    return files;
}

bool mostlyTransparent(const QString &file)
{
    return file == QLatin1String("gO.gif") || file == QLatin1String("rX.gif") || file == QLatin1String("Back01.gif");
}

QStringList warnings;
void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        warnings << text;
}

} // namespace

class TestAssetFormats : public QObject {
    Q_OBJECT
private slots:
    void cardPicturesAreSingleFrameGif89a_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &file : cardFiles())
            QTest::newRow(qPrintable(file)) << file;
    }

    void cardPicturesAreSingleFrameGif89a()
    {
        QFETCH(QString, file);
        const QByteArray bytes = readAll(assets() + QStringLiteral("pictures/") + file);
        QVERIFY2(!bytes.isEmpty(), qPrintable(file));
        const GifLayout layout = readGif(bytes);
        QVERIFY2(layout.problems.isEmpty(), qPrintable(layout.problems.join(QStringLiteral("; "))));
        QVERIFY(layout.transparentIndex >= 0);
        QVERIFY(layout.imageDataBytes > 0);
        // The file's palette is what the decoded picture carries, with alpha 0
        // on the transparent index only.
        const QImage picture = deck::decodeGif(bytes);
        QCOMPARE(picture.format(), QImage::Format_Indexed8);
        QCOMPARE(picture.size(), QSize(71, 96));
        QCOMPARE(picture.colorCount(), 256);
        for (int i = 0; i < 256; ++i) {
            const QRgb colour = picture.color(i);
            QCOMPARE(qRed(colour), int(u8(layout.palette, 3 * i)));
            QCOMPARE(qGreen(colour), int(u8(layout.palette, 3 * i + 1)));
            QCOMPARE(qBlue(colour), int(u8(layout.palette, 3 * i + 2)));
            QCOMPARE(qAlpha(colour), i == layout.transparentIndex ? 0 : 255);
        }
    }

    void transparentAreas_data() { cardPicturesAreSingleFrameGif89a_data(); }
    void transparentAreas()
    {
        QFETCH(QString, file);
        const QImage picture = deck::decodeGif(readAll(assets() + QStringLiteral("pictures/") + file));
        QVERIFY(!picture.isNull());
        int transparent = 0;
        bool onlyInCorners = true;
        for (int y = 0; y < 96; ++y) {
            for (int x = 0; x < 71; ++x) {
                if (qAlpha(picture.pixel(x, y)) != 0)
                    continue;
                ++transparent;
                const int cx = qMin(x, 70 - x);
                const int cy = qMin(y, 95 - y);
                onlyInCorners = onlyInCorners && cx + cy <= 3;
            }
        }

        // Every picture leaves its four corners open.
        for (const QPoint corner : {QPoint(0, 0), QPoint(70, 0), QPoint(0, 95), QPoint(70, 95)})
            QVERIFY2(qAlpha(picture.pixel(corner)) == 0, qPrintable(file));
        if (mostlyTransparent(file)) {
            QVERIFY2(transparent > 71 * 96 / 2, qPrintable(QStringLiteral("%1 transparent").arg(transparent)));
        } else {
            QVERIFY2(onlyInCorners, qPrintable(file));
            QVERIFY2(transparent >= 4 && transparent <= 24, qPrintable(QStringLiteral("%1 transparent").arg(transparent)));
            QCOMPARE(qAlpha(picture.pixel(35, 48)), 255);
        }
    }

    void animationFramesAreCoreBitmaps_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("aniAce1") << "aniAce1.bmp" << 32 << 22;
        QTest::newRow("aniAce2") << "aniAce2.bmp" << 32 << 22;
        QTest::newRow("aniBats") << "aniBats.bmp" << 26 << 12;
        QTest::newRow("aniFace1") << "aniFace1.bmp" << 14 << 12;
        QTest::newRow("aniFace2") << "aniFace2.bmp" << 14 << 12;
        QTest::newRow("aniRobot1") << "aniRobot1.bmp" << 24 << 7;
        QTest::newRow("aniRobot2") << "aniRobot2.bmp" << 24 << 7;
    }

    void animationFramesAreCoreBitmaps()
    {
        QFETCH(QString, file);
        QFETCH(int, width);
        QFETCH(int, height);
        const QByteArray b = readAll(assets() + QStringLiteral("pictures/") + file);
        QVERIFY(b.size() > 26);
        QCOMPARE(b.left(2), QByteArray("BM"));
        QCOMPARE(qint64(u32(b, 2)), qint64(b.size()));
        QCOMPARE(u32(b, 6), 0u);
        QCOMPARE(u32(b, 10), 14u + 12u + 16u * 3u);
        QCOMPARE(u32(b, 14), 12u);  // BITMAPCOREHEADER
        QCOMPARE(int(u16(b, 18)), width);
        QCOMPARE(int(u16(b, 20)), height);
        QCOMPARE(u16(b, 22), 1u);
        QCOMPARE(u16(b, 24), 4u);
        const int rowBytes = ((width * 4 + 31) / 32) * 4;
        QCOMPARE(b.size(), 14 + 12 + 48 + rowBytes * height);
        const QImage frame = QImage::fromData(b, "BMP");
        QCOMPARE(frame.size(), QSize(width, height));
        QVERIFY(frame.colorCount() <= 16);
    }

    void controlIconIsA24BitBitmap()
    {
        const QByteArray b = readAll(assets() + QStringLiteral("pictures/Image1.bmp"));
        QVERIFY(b.size() > 54);
        QCOMPARE(b.left(2), QByteArray("BM"));
        QCOMPARE(qint64(u32(b, 2)), qint64(b.size()));
        QCOMPARE(u32(b, 10), 54u);
        QCOMPARE(u32(b, 14), 40u);  // BITMAPINFOHEADER
        QCOMPARE(u32(b, 18), 32u);
        QCOMPARE(u32(b, 22), 39u);
        QCOMPARE(u16(b, 26), 1u);
        QCOMPARE(u16(b, 28), 24u);
        QCOMPARE(u32(b, 30), 0u);
        QCOMPARE(b.size(), 54 + 96 * 39);
        // A grey tile with a red mark on a white card.
        const QImage icon = QImage::fromData(b, "BMP");
        QCOMPARE(icon.size(), QSize(32, 39));
        QCOMPARE(QColor(icon.pixel(3, 3)), QColor(192, 192, 192));
        int red = 0;
        int white = 0;
        for (int y = 0; y < 39; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QColor c = icon.pixelColor(x, y);
                red += c.red() > 150 && c.green() < 80 && c.blue() < 80;
                white += c == Qt::white;
            }
        }
        QVERIFY2(red >= 20, qPrintable(QString::number(red)));
        QVERIFY2(white >= 150, qPrintable(QString::number(white)));
    }

    void noStrayPictureFiles()
    {
        QStringList expected = cardFiles();
        expected << QStringLiteral("Image1.bmp");
        for (const char *name : {"aniAce1", "aniAce2", "aniBats", "aniFace1", "aniFace2", "aniRobot1", "aniRobot2"})
            expected << QString::fromLatin1(name) + QStringLiteral(".bmp");
        QStringList present = QDir(assets() + QStringLiteral("pictures")).entryList(QDir::Files);
        expected.sort();
        present.sort();
        QCOMPARE(present, expected);
        QCOMPARE(present.size(), 76);
    }

    void scalablePicturesHoldOnlyWhatQtSvgDraws()
    {
        // Qt SVG 6.4 ignores clip paths and masks and draws no patterns; the
        // pictures are filled paths and user-space gradients in card pixels,
        // with numbers of at most two decimals.
        const QStringList allowed = {QStringLiteral("svg"), QStringLiteral("defs"), QStringLiteral("path"),
                                     QStringLiteral("linearGradient"), QStringLiteral("radialGradient"),
                                     QStringLiteral("stop")};
        const QRegularExpression longNumber(QStringLiteral("\\.\\d{3}|\\d[eE]"));
        QStringList expected;
        for (QString file : cardFiles())
            expected << file.replace(QLatin1String(".gif"), QLatin1String(".svg"));
        QStringList present = QDir(assets() + QStringLiteral("scalable")).entryList(QDir::Files);
        expected.sort();
        present.sort();
        QCOMPARE(present, expected);
        for (const QString &file : expected) {
            const QByteArray text = readAll(assets() + QStringLiteral("scalable/") + file);
            QVERIFY2(QSvgRenderer(text).isValid(), qPrintable(file));
            QXmlStreamReader xml(text);
            QSet<QString> gradients;
            int paths = 0;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                const QString name = xml.name().toString();
                const QXmlStreamAttributes attributes = xml.attributes();
                QVERIFY2(allowed.contains(name), qPrintable(file + QStringLiteral(": <") + name + QLatin1Char('>')));
                if (name == QLatin1String("svg")) {
                    QCOMPARE(attributes.value(QLatin1String("viewBox")).toString(), QStringLiteral("0 0 71 96"));
                    QCOMPARE(attributes.value(QLatin1String("width")).toString(), QStringLiteral("71"));
                    QCOMPARE(attributes.value(QLatin1String("height")).toString(), QStringLiteral("96"));
                } else if (name.endsWith(QLatin1String("Gradient"))) {
                    QCOMPARE(attributes.value(QLatin1String("gradientUnits")).toString(), QStringLiteral("userSpaceOnUse"));
                    gradients.insert(attributes.value(QLatin1String("id")).toString());
                } else if (name == QLatin1String("path")) {
                    ++paths;
                    const QString fill = attributes.value(QLatin1String("fill")).toString();
                    const bool solid = QRegularExpression(QStringLiteral("^#[0-9a-f]{6}$")).match(fill).hasMatch();
                    const bool gradient = fill.startsWith(QLatin1String("url(#")) && gradients.contains(fill.mid(5).chopped(1));
                    QVERIFY2(solid || gradient, qPrintable(file + QStringLiteral(": fill ") + fill));
                }
                for (const QXmlStreamAttribute &attribute : attributes) {
                    const QString key = attribute.name().toString();
                    QVERIFY2(!key.contains(QLatin1String("transform")) || key == QLatin1String("gradientTransform"),
                             qPrintable(file + QLatin1Char(' ') + key));
                    QVERIFY2(!QStringList({QStringLiteral("clip-path"), QStringLiteral("mask"), QStringLiteral("stroke"),
                                           QStringLiteral("style"), QStringLiteral("filter")})
                                  .contains(key),
                             qPrintable(file + QLatin1Char(' ') + key));
                    const bool numeric = !attribute.value().startsWith(QLatin1Char('#')) && key != QLatin1String("xmlns");
                    QVERIFY2(!numeric || !longNumber.match(attribute.value()).hasMatch(), qPrintable(file + QLatin1Char(' ') + key));
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(file + QStringLiteral(": ") + xml.errorString()));
            QVERIFY2(paths > 0, qPrintable(file));
        }
    }

    void windowIconsAndContactSheet()
    {
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QImage icon(assets() + QStringLiteral("icon/dealwright-%1.png").arg(size));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        }
        const QImage sheet(assets() + QStringLiteral("contact-sheet.png"));
        QVERIFY(sheet.width() >= 13 * 71 && sheet.height() >= 6 * 96);
        QCOMPARE(QColor(sheet.pixel(1, 1)), QColor(128, 128, 128));
        // The first face's transparent corner shows the grey ground.
        QCOMPARE(QColor(sheet.pixel(6, 6)), QColor(128, 128, 128));
    }

    void skinStylesTheChooserButtons()
    {
        const QByteArray skin = readAll(assets() + QStringLiteral("x/o.cjs"));
        QVERIFY(!skin.isEmpty());
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
        QWidget window;
        window.setObjectName(QStringLiteral("Form1"));
        auto *newMethod = new QPushButton(QStringLiteral("New Method"), &window);
        newMethod->setObjectName(QStringLiteral("PushButton1"));
        auto *oldMethod = new QPushButton(QStringLiteral("Old Method"), &window);
        oldMethod->setObjectName(QStringLiteral("PushButton2"));
        window.setStyleSheet(QString::fromUtf8(skin));
        window.ensurePolished();
        newMethod->ensurePolished();
        oldMethod->ensurePolished();
        qInstallMessageHandler(previous);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
        for (QPushButton *button : {newMethod, oldMethod}) {
            QCOMPARE(button->font().family(), QStringLiteral("Arial"));
            QVERIFY(button->font().bold());
            QCOMPARE(button->font().pointSizeF(), 11.25);
        }
    }

    void programFolderHoldsCursorAndSkin()
    {
        const QString program = qEnvironmentVariable("DEALWRIGHT_PROGRAM_DIR");
        for (const QString &name : {QStringLiteral("HAND-M.CUR"), QStringLiteral("x/o.cjs")}) {
            const QByteArray placed = readAll(program + QLatin1Char('/') + name);
            QVERIFY2(!placed.isEmpty(), qPrintable(name));
            QCOMPARE(placed, readAll(assets() + name));
        }
    }
};

QTEST_MAIN(TestAssetFormats)
#include "test_asset_formats.moc"
