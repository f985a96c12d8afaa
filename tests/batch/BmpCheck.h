#pragma once
// Reads a written card file byte by byte and compares it with the picture
// it should hold: the file header, the 40-byte information header, the
// 256-entry colour table and every pixel, bottom row first, rows padded with
// zero bytes to a multiple of 4, all fields little-endian.
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

namespace batchtest {

inline quint32 le(const QByteArray &b, int at, int size)
{
    quint32 v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | quint8(b.at(at + i));
    return v;
}

// "" when the bytes are the picture as an uncompressed 8-bit bitmap with its
// own palette (or 24-bit for a picture without palette); else what differs.
inline QString compareBitmap(const QByteArray &b, const QImage &picture)
{
    if (picture.isNull())
        return QStringLiteral("no picture to compare with");
    const bool indexed = picture.format() == QImage::Format_Indexed8;
    const int bits = indexed ? 8 : 24;
    const int w = picture.width();
    const int h = picture.height();
    const int stride = ((w * bits + 31) / 32) * 4;
    const int offset = 14 + 40 + (indexed ? 1024 : 0);
    if (b.size() != offset + stride * h)
        return QStringLiteral("file size %1, expected %2").arg(b.size()).arg(offset + stride * h);
    struct Field { const char *name; int at; int size; quint32 expected; };
    const Field fields[] = {
        {"type", 0, 2, 0x4D42},       {"file size", 2, 4, quint32(b.size())},
        {"reserved 1", 6, 2, 0},      {"reserved 2", 8, 2, 0},
        {"pixel offset", 10, 4, quint32(offset)},
        {"header size", 14, 4, 40},   {"width", 18, 4, quint32(w)},
        {"height", 22, 4, quint32(h)}, {"planes", 26, 2, 1},
        {"bits per pixel", 28, 2, quint32(bits)}, {"compression", 30, 4, 0},
    };
    for (const Field &f : fields) {
        if (le(b, f.at, f.size) != f.expected)
            return QStringLiteral("%1 is %2, expected %3").arg(QLatin1String(f.name)).arg(le(b, f.at, f.size)).arg(f.expected);
    }
    const quint32 used = le(b, 46, 4);
    if (indexed ? (used != 0 && used != 256) : used != 0)
        return QStringLiteral("colours used %1").arg(used);
    if (indexed) {
        for (int i = 0; i < 256; ++i) {
            const QRgb c = i < picture.colorCount() ? picture.color(i) : qRgb(0, 0, 0);
            const int at = 54 + 4 * i;
            if (quint8(b[at]) != qBlue(c) || quint8(b[at + 1]) != qGreen(c) || quint8(b[at + 2]) != qRed(c) || b[at + 3] != 0)
                return QStringLiteral("palette entry %1 differs").arg(i);
        }
    }
    for (int y = 0; y < h; ++y) {
        const int row = offset + (h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            if (indexed) {
                if (quint8(b[row + x]) != picture.pixelIndex(x, y))
                    return QStringLiteral("pixel %1,%2 has index %3, expected %4").arg(x).arg(y).arg(quint8(b[row + x])).arg(picture.pixelIndex(x, y));
            } else {
                const QRgb c = picture.pixel(x, y);
                const int at = row + 3 * x;
                if (quint8(b[at]) != qBlue(c) || quint8(b[at + 1]) != qGreen(c) || quint8(b[at + 2]) != qRed(c))
                    return QStringLiteral("pixel %1,%2 differs").arg(x).arg(y);
            }
        }
        for (int x = w * bits / 8; x < stride; ++x) {
            if (b[row + x] != 0)
                return QStringLiteral("padding of row %1 is not zero").arg(y);
        }
    }
    return QString();
}

inline QString compareBitmapFile(const QString &path, const QImage &picture)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1").arg(path);
    const QString problem = compareBitmap(file.readAll(), picture);
    return problem.isEmpty() ? problem : path + QStringLiteral(": ") + problem;
}

} // namespace batchtest
