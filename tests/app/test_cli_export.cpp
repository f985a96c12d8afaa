// Card files at any size from the command line: PNG or bitmap, 96 to 4320
// pixels high, the defaults being exactly the batch window's files.
#include "app/CommandLine.h"
#include "batch/Bitmap.h"
#include "batch/CardFormats.h"
#include "batch/Generation.h"
#include "deck/CardPixmaps.h"
#include "deck/PictureSet.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run batchRun(const QString &folder, const QString &format, const QString &height, const QString &count = QStringLiteral("4"))
{
    Run run;
    QTextStream out(&run.out), err(&run.err);
    run.status = app::runBatch(count, folder, out, err, format, height);
    out.flush();
    err.flush();
    return run;
}

QStringList lines(const QString &text) { return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "" when the two pictures agree: the same alpha everywhere, the same colour
// where opaque, within 2 per channel at the antialiased edge (where the
// colour was divided by the alpha).
QString sameCard(const QImage &shown, const QImage &expected)
{
    if (shown.size() != expected.size())
        return QStringLiteral("size");
    const QImage a = shown.convertToFormat(QImage::Format_ARGB32);
    const QImage b = expected.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int tolerance = qAlpha(q) == 255 ? 0 : 2;
            if (qAlpha(p) != qAlpha(q) || (qAlpha(q) > 0 && (qAbs(qRed(p) - qRed(q)) > tolerance
                    || qAbs(qGreen(p) - qGreen(q)) > tolerance || qAbs(qBlue(p) - qBlue(q)) > tolerance)))
                return QStringLiteral("pixel %1,%2: %3 against %4").arg(x).arg(y).arg(p, 8, 16).arg(q, 8, 16);
        }
    }
    return QString();
}

// The card of a printed line, and its file.
int cardOf(const QString &line) { return testsupport::cardOfEntryText(line.section(QLatin1Char('\t'), 0, 0)); }
QString fileOf(const QString &line) { return line.section(QLatin1Char('\t'), 2); }

} // namespace

class TestCliExport : public QObject {
    Q_OBJECT
private slots:
    void widthsFollowTheCardsProportions()
    {
        QCOMPARE(batch::cardWidthFor(96), 71);
        QCOMPARE(batch::cardWidthFor(1050), 777);   // a poker card at 300 dpi
        QCOMPARE(batch::cardWidthFor(144), 106);    // 106.5: the even neighbour
        QCOMPARE(batch::cardWidthFor(4320), 3195);
        // Leading zeros add nothing, however many there are.
        QCOMPARE(batch::cardHeightFrom(QStringLiteral("0096")), std::optional<int>(96));
        QCOMPARE(batch::cardHeightFrom(QStringLiteral("0000000096")), std::optional<int>(96));
        QCOMPARE(batch::cardHeightFrom(QString(40, QLatin1Char('0')) + QStringLiteral("4320")), std::optional<int>(4320));
        for (const char *bad : {"95", "4321", "", "0", "0000000000", "00000000004321", "0000000000099999999999", " 1050",
                                "1050 ", "+1050", "1e3", "1050px", "10.5", "99999999999"})
            QVERIFY2(!batch::cardHeightFrom(QString::fromLatin1(bad)), bad);
        QVERIFY(!batch::cardHeightFrom(QString(QChar(0xFEFF)) + QStringLiteral("1050")));
    }

    // The defaults, and bmp at 96, are byte for byte what "Save All Cards
    // To Image" writes.
    void theDefaultIsTheWindowsBitmap()
    {
        testsupport::TestPlatform platform;
        for (const QStringList &options : {QStringList{"bmp", "96"}, QStringList{"BMP", "096"}}) {
            QTemporaryDir dir;
            const Run run = batchRun(dir.path(), options[0], options[1]);
            QCOMPARE(run.status, 0);
            QCOMPARE(run.err, QString());
            QCOMPARE(lines(run.out).size(), 4);
            for (const QString &line : lines(run.out)) {
                QVERIFY(fileOf(line).endsWith(QLatin1String(".bmp")));
                QCOMPARE(contents(fileOf(line)), batch::bitmapBytes(deck::PictureSet::instance().card(cardOf(line))));
            }
        }
    }

    // A 1050-pixel PNG: 777 x 1050, the card's own rendering, corners
    // transparent; at 96 the picture itself with its transparent corners.
    void pngsForPrint()
    {
        testsupport::TestPlatform platform;
        QTemporaryDir dir;
        const Run run = batchRun(dir.path(), QStringLiteral("png"), QStringLiteral("1050"));
        QCOMPARE(run.status, 0);
        QCOMPARE(lines(run.out).size(), 4);
        for (const QString &line : lines(run.out)) {
            QVERIFY(fileOf(line).endsWith(QLatin1String(".png")));
            QImage card;
            QVERIFY(card.loadFromData(contents(fileOf(line)), "PNG"));
            QCOMPARE(card.size(), QSize(777, 1050));
            QVERIFY(card.hasAlphaChannel());
            for (const QPoint corner : {QPoint(0, 0), QPoint(776, 0), QPoint(0, 1049), QPoint(776, 1049)})
                QCOMPARE(qAlpha(card.pixel(corner)), 0);
            QCOMPARE(qAlpha(card.pixel(388, 525)), 255);
            const QImage rendering = deck::renderScalable(QStringLiteral("Card%1").arg(cardOf(line), 2, 10, QLatin1Char('0')),
                                                          QSize(777, 1050));
            QCOMPARE(sameCard(card, rendering), QString());
        }
        QTemporaryDir small;
        const Run natural = batchRun(small.path(), QStringLiteral("png"), QStringLiteral("96"));
        QCOMPARE(natural.status, 0);
        for (const QString &line : lines(natural.out)) {
            QImage card;
            QVERIFY(card.loadFromData(contents(fileOf(line)), "PNG"));
            QCOMPARE(sameCard(card, deck::PictureSet::instance().card(cardOf(line))), QString());
        }
    }

    // A bitmap above 96 pixels has 24 bits, its transparent pixels white.
    void largeBitmapsAreOnWhite()
    {
        testsupport::TestPlatform platform;
        QTemporaryDir dir;
        const Run run = batchRun(dir.path(), QStringLiteral("bmp"), QStringLiteral("144"), QStringLiteral("2"));
        QCOMPARE(run.status, 0);
        for (const QString &line : lines(run.out)) {
            const QByteArray bytes = contents(fileOf(line));
            QImage card;
            QVERIFY(card.loadFromData(bytes, "BMP"));
            QCOMPARE(card.size(), QSize(106, 144));
            QCOMPARE(int(quint8(bytes[28])), 24);
            QCOMPARE(card.pixel(0, 0), qRgb(255, 255, 255));
            QCOMPARE(card.pixel(105, 143), qRgb(255, 255, 255));
        }
    }

    // A bad format or height writes nothing and exits with status 2.
    void badValuesAreRefused_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("message");
        QTest::newRow("gif") << "gif" << "96" << "--format gif: Must be bmp or png.";
        QTest::newRow("empty format") << "" << "96" << "--format : Must be bmp or png.";
        QTest::newRow("too small") << "png" << "95" << "--height 95: Must be a whole number of pixels from 96 to 4320.";
        QTest::newRow("too large") << "png" << "4321" << "--height 4321: Must be";
        QTest::newRow("not digits") << "png" << "1e3" << "--height 1e3: Must be";
        QTest::newRow("with a unit") << "bmp" << "300px" << "--height 300px: Must be";
    }

    void badValuesAreRefused()
    {
        QFETCH(QString, format);
        QFETCH(QString, height);
        QFETCH(QString, message);
        testsupport::TestPlatform platform;
        QTemporaryDir dir;
        const Run run = batchRun(dir.path(), format, height);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(run.out, QString());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }

    void theOptionsOnTheCommandLine()
    {
        using A = app::CommandLine::Action;
        const auto parse = [](QStringList args) {
            args.prepend(QStringLiteral("dealwright"));
            return app::parseCommandLine(args);
        };
        const app::CommandLine sized = parse({"--batch", "3", "--out", "/o", "--format", "png", "--height", "1050"});
        QCOMPARE(sized.action, A::Batch);
        QCOMPARE(sized.format, QStringLiteral("png"));
        QCOMPARE(sized.height, QStringLiteral("1050"));
        const app::CommandLine plain = parse({"--batch", "3", "--out", "/o"});
        QCOMPARE(plain.format, QStringLiteral("bmp"));
        QCOMPARE(plain.height, QStringLiteral("96"));
        QCOMPARE(parse({"--format", "png"}).action, A::Error);
        QCOMPARE(parse({"--height", "200"}).action, A::Error);
        QCOMPARE(parse({"--batch", "3", "--out", "/o", "--height", "200", "--height", "300"}).action, A::Error);
        QVERIFY(app::helpText().contains(QLatin1String("--format")));
        QVERIFY(app::helpText().contains(QLatin1String("--height 1050")));
    }
};

QTEST_MAIN(TestCliExport)
#include "test_cli_export.moc"
