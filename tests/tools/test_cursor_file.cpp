// The hand pointer file and the cursor-file reader: the committed cursor,
// cursors of every colour depth, and broken files of every kind, which give
// nothing and never crash.
#include "AssetBytes.h"
#include "shell/Pointer.h"

#include <QBuffer>
#include <QPixmap>
#include <QTemporaryDir>
#include <QtTest>
#include <random>

using namespace assetbytes;

namespace {

void put16(QByteArray &b, unsigned v)
{
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}
void put32(QByteArray &b, quint32 v)
{
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}
void set32(QByteArray &b, int at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xff);
}

// A 16 x 16 cursor: left half red, right half blue, the top row and the
// last column transparent through the AND mask (or the alpha channel).
QByteArray makeCursor(int bits, int hotX = 3, int hotY = 4)
{
    const int size = 16;
    QByteArray dib;
    put32(dib, 40);
    put32(dib, size);
    put32(dib, 2 * size);
    put16(dib, 1);
    put16(dib, unsigned(bits));
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, bits <= 8 ? 2 : 0);
    put32(dib, 0);
    if (bits <= 8) {
        put32(dib, 0x00ff0000);  // index 0: red (stored B, G, R, 0)
        put32(dib, 0x000000ff);  // index 1: blue
    }
    const int colourStride = ((size * bits + 31) / 32) * 4;
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(colourStride, '\0');
        for (int x = 0; x < size; ++x) {
            const bool blue = x >= size / 2;
            const bool transparent = y == 0 || x == size - 1;
            if (bits == 32) {
                row[4 * x] = char(blue ? 0xff : 0);
                row[4 * x + 2] = char(blue ? 0 : 0xff);
                row[4 * x + 3] = char(transparent ? 0 : 0xff);
            } else if (bits == 24) {
                row[3 * x] = char(blue ? 0xff : 0);
                row[3 * x + 2] = char(blue ? 0 : 0xff);
            } else if (blue) {
                const int bit = x * bits;
                row[bit / 8] = char(uchar(row[bit / 8]) | (1 << (8 - bits - bit % 8)));
            }
        }
        dib.append(row);
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(4, '\0');
        for (int x = 0; x < size; ++x)
            if (y == 0 || x == size - 1)
                row[x / 8] = char(uchar(row[x / 8]) | (0x80 >> (x % 8)));
        dib.append(row);
    }
    QByteArray file;
    put16(file, 0);
    put16(file, 2);
    put16(file, 1);
    file.append(char(size));
    file.append(char(size));
    file.append(char(0));
    file.append(char(0));
    put16(file, unsigned(hotX));
    put16(file, unsigned(hotY));
    put32(file, quint32(dib.size()));
    put32(file, 22);
    file.append(dib);
    return file;
}

QByteArray pngCursor()
{
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(qRgba(0, 255, 0, 255));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QByteArray file;
    put16(file, 0);
    put16(file, 2);
    put16(file, 1);
    file.append(char(20));
    file.append(char(20));
    file.append(char(0));
    file.append(char(0));
    put16(file, 10);
    put16(file, 11);
    put32(file, quint32(png.size()));
    put32(file, 22);
    file.append(png);
    return file;
}

class Files {
public:
    QString write(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QString::number(m_count++) + QStringLiteral(".cur"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    int m_count = 0;
};

} // namespace

class TestCursorFile : public QObject {
    Q_OBJECT
private slots:
    void committedHandPointer()
    {
        const QString path = qEnvironmentVariable("DEALWRIGHT_SOURCE_DIR") + QStringLiteral("/assets/HAND-M.CUR");
        const QByteArray b = readAll(path);
        QCOMPARE(u16(b, 0), 0u);
        QCOMPARE(u16(b, 2), 2u);  // a cursor, not an icon
        QCOMPARE(u16(b, 4), 1u);
        QCOMPARE(u8(b, 6), 32u);
        QCOMPARE(u8(b, 7), 32u);
        const int hotX = int(u16(b, 10));
        const int hotY = int(u16(b, 12));
        QCOMPARE(qint64(u32(b, 14)) + 22, qint64(b.size()));
        QCOMPARE(u32(b, 18), 22u);
        QCOMPARE(u32(b, 22), 40u);
        QCOMPARE(u32(b, 26), 32u);
        QCOMPARE(u32(b, 30), 64u);

        const std::optional<QCursor> cursor = shell::loadCursorFile(path);
        QVERIFY(cursor.has_value());
        QCOMPARE(cursor->hotSpot(), QPoint(hotX, hotY));
        const QImage hand = cursor->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(hand.size(), QSize(32, 32));
        // The hotspot is the fingertip: opaque, with nothing of the hand above
        // it, and the hand reaches well below and to the right of it.
        QCOMPARE(qAlpha(hand.pixel(hotX, hotY)), 255);
        for (int y = 0; y < hotY; ++y)
            for (int x = 0; x < 32; ++x)
                QCOMPARE(qAlpha(hand.pixel(x, y)), 0);
        int below = 0;
        int white = 0;
        for (int y = hotY; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                below += qAlpha(hand.pixel(x, y)) == 255;
                white += hand.pixel(x, y) == qRgb(255, 255, 255);
            }
        }
        QVERIFY2(below > 150, qPrintable(QString::number(below)));
        QVERIFY(white > 80);
    }

    void everyColourDepth_data()
    {
        QTest::addColumn<int>("bits");
        for (int bits : {1, 4, 8, 24, 32})
            QTest::newRow(qPrintable(QStringLiteral("%1 bits").arg(bits))) << bits;
    }

    void everyColourDepth()
    {
        QFETCH(int, bits);
        Files files;
        const std::optional<QCursor> cursor = shell::loadCursorFile(files.write(makeCursor(bits)));
        QVERIFY(cursor.has_value());
        QCOMPARE(cursor->hotSpot(), QPoint(3, 4));
        const QImage image = cursor->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(16, 16));
        QCOMPARE(image.pixel(2, 5), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(12, 5), qRgb(0, 0, 255));
        QCOMPARE(qAlpha(image.pixel(5, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(15, 9)), 0);
    }

    void pngImage()
    {
        Files files;
        const std::optional<QCursor> cursor = shell::loadCursorFile(files.write(pngCursor()));
        QVERIFY(cursor.has_value());
        QCOMPARE(cursor->hotSpot(), QPoint(10, 11));
        QCOMPARE(cursor->pixmap().size(), QSize(20, 20));
    }

    void unreadableFiles()
    {
        Files files;
        QVERIFY(!shell::loadCursorFile(QString()).has_value());
        QVERIFY(!shell::loadCursorFile(files.folder() + QStringLiteral("/missing.cur")).has_value());
        QVERIFY(!shell::loadCursorFile(files.folder()).has_value());
        QVERIFY(!shell::loadCursorFile(QStringLiteral("/proc/self")).has_value());
        QVERIFY(!shell::loadCursorFile(QStringLiteral("/proc/self/status")).has_value());
        QVERIFY(!shell::loadCursorFile(files.write(QByteArray())).has_value());
        // A path below a regular file.
        const QString plain = files.write(makeCursor(1));
        QVERIFY(!shell::loadCursorFile(plain + QStringLiteral("/HAND-M.CUR")).has_value());
        // A valid cursor buried in a file far larger than any cursor.
        QByteArray huge = makeCursor(1);
        huge.append(QByteArray(3 << 20, '\0'));
        QVERIFY(!shell::loadCursorFile(files.write(huge)).has_value());
    }

    void truncatedAtEveryLength()
    {
        Files files;
        for (int bits : {1, 32}) {
            const QByteArray whole = makeCursor(bits);
            QVERIFY(shell::loadCursorFile(files.write(whole)).has_value());
            for (int length = 0; length < whole.size(); ++length) {
                QByteArray cut = whole.left(length);
                QVERIFY2(!shell::loadCursorFile(files.write(cut)).has_value(), qPrintable(QString::number(length)));
            }
        }
    }

    void malformedHeaders_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = makeCursor(1);
        const auto changed16 = [&](int at, unsigned value) {
            QByteArray b = good;
            b[at] = char(value & 0xff);
            b[at + 1] = char((value >> 8) & 0xff);
            return b;
        };
        const auto changed32 = [&](int at, quint32 value) {
            QByteArray b = good;
            set32(b, at, value);
            return b;
        };
        QTest::newRow("icon type") << changed16(2, 1);
        QTest::newRow("unknown type") << changed16(2, 7);
        QTest::newRow("reserved set") << changed16(0, 1);
        QTest::newRow("no entries") << changed16(4, 0);
        QTest::newRow("hotspot outside") << changed16(10, 40);
        QTest::newRow("hotspot far outside") << changed16(12, 0xffff);
        QTest::newRow("size beyond the file") << changed32(14, 0xfffffff0u);
        QTest::newRow("offset beyond the file") << changed32(18, 0x7fffffffu);
        QTest::newRow("offset into the directory") << changed32(18, 2);
        QTest::newRow("header size huge") << changed32(22, 0xffffffffu);
        QTest::newRow("header size small") << changed32(22, 12);
        QTest::newRow("width huge") << changed32(26, 0x7fffffffu);
        QTest::newRow("width negative") << changed32(26, 0xfffffff0u);
        QTest::newRow("width zero") << changed32(26, 0);
        QTest::newRow("height huge") << changed32(30, 0x7ffffffeu);
        QTest::newRow("height odd") << changed32(30, 33);
        QTest::newRow("height negative") << changed32(30, 0xffffffe0u);
        QTest::newRow("planes") << changed16(34, 3);
        QTest::newRow("bit count") << changed16(36, 7);
        QTest::newRow("compressed") << changed32(38, 1);
        QTest::newRow("palette huge") << changed32(54, 0x40000000u);
        QTest::newRow("palette larger than the depth") << changed32(54, 3);
        QByteArray badPng = pngCursor();
        badPng.chop(40);
        set32(badPng, 14, quint32(badPng.size() - 22));
        QTest::newRow("broken png") << badPng;
    }

    void malformedHeaders()
    {
        QFETCH(QByteArray, bytes);
        Files files;
        QVERIFY(!shell::loadCursorFile(files.write(bytes)).has_value());
    }

    void garbage()
    {
        Files files;
        std::mt19937 random(20240611);
        const QByteArray good = makeCursor(8);
        for (int round = 0; round < 300; ++round) {
            QByteArray bytes(int(random() % 600), '\0');
            for (char &c : bytes)
                c = char(random() & 0xff);
            QVERIFY(!shell::loadCursorFile(files.write(bytes)).has_value());
            // A sound directory over a scrambled image: anything may come back,
            // but the reader must survive it.
            QByteArray scrambled = good;
            for (int i = 0; i < 6; ++i)
                scrambled[22 + int(random() % quint32(scrambled.size() - 22))] = char(random() & 0xff);
            const std::optional<QCursor> cursor = shell::loadCursorFile(files.write(scrambled));
            if (cursor)
                QVERIFY(cursor->pixmap().width() <= 256);
        }
    }
};

QTEST_MAIN(TestCursorFile)
#include "test_cursor_file.moc"
