// Reading a Windows cursor file (.CUR): the hotspot comes from the file's
// directory entry, the picture from the entry's device-independent bitmap
// (colour image followed by the AND mask) or from an embedded PNG. Every
// offset and size is checked against the file before it is used, so a
// truncated or malformed file gives nothing instead of a crash.
#include "Pointer.h"

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <vector>

namespace shell {
namespace {

// Cursor files are small; anything larger is not one.
constexpr qint64 MaxFileBytes = 1 << 20;
constexpr int MaxSide = 256;

class Bytes {
public:
    explicit Bytes(const QByteArray &data) : m_data(data) {}
    qint64 size() const { return m_data.size(); }
    bool has(qint64 offset, qint64 count) const { return offset >= 0 && count >= 0 && offset + count <= size(); }
    quint32 u8(qint64 at) const { return uchar(m_data[at]); }
    quint32 u16(qint64 at) const { return u8(at) | (u8(at + 1) << 8); }
    quint32 u32(qint64 at) const { return u16(at) | (u16(at + 2) << 16); }
    qint32 s32(qint64 at) const { return qint32(u32(at)); }
    QByteArray mid(qint64 at, qint64 count) const { return m_data.mid(at, count); }

private:
    const QByteArray &m_data;
};

QImage decodeDib(const Bytes &file, qint64 start, qint64 length)
{
    if (length < 40 || !file.has(start, length))
        return QImage();
    const quint32 headerSize = file.u32(start);
    const qint32 width = file.s32(start + 4);
    const qint32 doubleHeight = file.s32(start + 8);
    const quint32 planes = file.u16(start + 12);
    const quint32 bits = file.u16(start + 14);
    const quint32 compression = file.u32(start + 16);
    const quint32 coloursUsed = file.u32(start + 32);
    if (headerSize < 40 || headerSize > quint32(length) || planes != 1 || compression != 0)
        return QImage();
    if (width < 1 || width > MaxSide || doubleHeight < 2 || doubleHeight % 2 != 0 || doubleHeight / 2 > MaxSide)
        return QImage();
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return QImage();
    const int height = doubleHeight / 2;
    qint64 at = start + headerSize;
    const qint64 end = start + length;

    std::vector<QRgb> palette;
    if (bits <= 8) {
        const quint32 entries = coloursUsed == 0 ? (1u << bits) : coloursUsed;
        if (entries > (1u << bits) || at + qint64(entries) * 4 > end)
            return QImage();
        for (quint32 i = 0; i < entries; ++i, at += 4)
            palette.push_back(qRgb(int(file.u8(at + 2)), int(file.u8(at + 1)), int(file.u8(at))));
    }
    const qint64 colourStride = ((qint64(width) * bits + 31) / 32) * 4;
    const qint64 maskStride = ((qint64(width) + 31) / 32) * 4;
    const qint64 colourStart = at;
    const qint64 maskStart = colourStart + colourStride * height;
    if (maskStart + maskStride * height > end)
        return QImage();

    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull())
        return QImage();
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const qint64 row = colourStart + colourStride * (height - 1 - y);
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            QRgb colour = 0;
            if (bits == 32) {
                const qint64 p = row + 4 * x;
                colour = qRgba(int(file.u8(p + 2)), int(file.u8(p + 1)), int(file.u8(p)), int(file.u8(p + 3)));
                anyAlpha = anyAlpha || qAlpha(colour) != 0;
            } else if (bits == 24) {
                const qint64 p = row + 3 * x;
                colour = qRgb(int(file.u8(p + 2)), int(file.u8(p + 1)), int(file.u8(p)));
            } else {
                const qint64 bitOffset = qint64(x) * bits;
                const quint32 byte = file.u8(row + bitOffset / 8);
                const quint32 index = (byte >> (8 - bits - bitOffset % 8)) & ((1u << bits) - 1);
                if (index >= palette.size())
                    return QImage();
                colour = palette[index];
            }
            line[x] = colour;
        }
    }
    // Without an alpha channel of its own the AND mask says which pixels
    // are transparent.
    if (!anyAlpha) {
        for (int y = 0; y < height; ++y) {
            const qint64 row = maskStart + maskStride * (height - 1 - y);
            QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const bool transparent = (file.u8(row + x / 8) >> (7 - x % 8)) & 1;
                line[x] = transparent ? qRgba(0, 0, 0, 0) : (line[x] | 0xff000000u);
            }
        }
    }
    return image;
}

} // namespace

std::optional<QCursor> loadCursorFile(const QString &path)
{
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = source.read(MaxFileBytes + 1);
    if (data.size() > MaxFileBytes)
        return std::nullopt;
    const Bytes file(data);
    if (!file.has(0, 6) || file.u16(0) != 0 || file.u16(2) != 2 || file.u16(4) < 1)
        return std::nullopt;
    // The first directory entry is the cursor's picture.
    if (!file.has(6, 16))
        return std::nullopt;
    const int hotX = int(file.u16(6 + 4));
    const int hotY = int(file.u16(6 + 6));
    const qint64 length = file.u32(6 + 8);
    const qint64 offset = file.u32(6 + 12);
    if (!file.has(offset, length) || offset < 22)
        return std::nullopt;

    QImage image;
    static const char pngSignature[] = "\x89PNG\r\n\x1a\n";
    if (length >= 8 && file.mid(offset, 8) == QByteArray(pngSignature, 8))
        image = QImage::fromData(file.mid(offset, length), "PNG");
    else
        image = decodeDib(file, offset, length);
    if (image.isNull() || image.width() > MaxSide || image.height() > MaxSide)
        return std::nullopt;
    if (hotX >= image.width() || hotY >= image.height())
        return std::nullopt;
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

} // namespace shell
