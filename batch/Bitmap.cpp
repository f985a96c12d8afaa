#include "Bitmap.h"

#include "shell/Failure.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

#include <algorithm>
#include <vector>

namespace batch {
namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int PaletteEntries = 256;

int bitsOf(const QImage &image) { return image.format() == QImage::Format_Indexed8 ? 8 : 24; }
int rowBytes(int width, int bits) { return ((width * bits + 31) / 32) * 4; }
int paletteBytes(int bits) { return bits == 8 ? PaletteEntries * 4 : 0; }

void put16(std::vector<uchar> &bytes, int at, quint16 value) { qToLittleEndian(value, bytes.data() + at); }
void put32(std::vector<uchar> &bytes, int at, quint32 value) { qToLittleEndian(value, bytes.data() + at); }
quint16 get16(const QByteArray &bytes, int at) { return quint16(quint8(bytes.at(at)) | quint8(bytes.at(at + 1)) << 8); }
quint32 get32(const QByteArray &bytes, int at) { return get16(bytes, at) | quint32(get16(bytes, at + 2)) << 16; }

} // namespace

QImage bitmapImage(const QImage &picture)
{
    if (picture.isNull())
        throw shell::Failure(QStringLiteral("There is no picture to save"));
    if (picture.format() == QImage::Format_Indexed8 || picture.format() == QImage::Format_Mono
        || picture.format() == QImage::Format_MonoLSB) {
        QImage image = picture.convertToFormat(QImage::Format_Indexed8);
        // A shorter palette is padded, so that the writer keeps 8 bits.
        if (image.colorCount() < PaletteEntries) {
            QList<QRgb> table = image.colorTable();
            while (table.size() < PaletteEntries)
                table.append(qRgb(0, 0, 0));
            image.setColorTable(table);
        }
        // The writer copies whole scan lines: the bytes past the last pixel
        // become the row padding, which must be zero.
        const int width = image.width();
        for (int y = 0; y < image.height(); ++y) {
            uchar *line = image.scanLine(y);
            std::fill(line + width, line + image.bytesPerLine(), uchar(0));
        }
        return image;
    }
    return picture.convertToFormat(QImage::Format_RGB32);
}

bool isPlainBitmapOf(const QByteArray &bytes, const QImage &image)
{
    const int bits = bitsOf(image);
    const int offset = FileHeaderSize + InfoHeaderSize + paletteBytes(bits);
    const qint64 size = offset + qint64(rowBytes(image.width(), bits)) * image.height();
    if (bytes.size() != size || !bytes.startsWith("BM"))
        return false;
    const quint32 colours = get32(bytes, 46);
    const int stride = rowBytes(image.width(), bits);
    const int used = image.width() * bits / 8;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = used; x < stride; ++x) {
            if (bytes.at(offset + y * stride + x) != '\0')
                return false;
        }
    }
    return get32(bytes, 2) == size && get16(bytes, 6) == 0 && get16(bytes, 8) == 0
        && get32(bytes, 10) == quint32(offset) && get32(bytes, 14) == InfoHeaderSize
        && qint32(get32(bytes, 18)) == image.width() && qint32(get32(bytes, 22)) == image.height()
        && get16(bytes, 26) == 1 && get16(bytes, 28) == bits && get32(bytes, 30) == 0
        && (bits == 8 ? (colours == 0 || colours == PaletteEntries) : colours == 0);
}

QByteArray encodeBitmap(const QImage &picture)
{
    const QImage image = bitmapImage(picture);
    const int bits = bitsOf(image);
    const int width = image.width();
    const int height = image.height();
    const int stride = rowBytes(width, bits);
    const int offset = FileHeaderSize + InfoHeaderSize + paletteBytes(bits);
    const int size = offset + stride * height;

    std::vector<uchar> bytes(std::size_t(size), 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 2, quint32(size));
    put32(bytes, 10, quint32(offset));
    put32(bytes, 14, InfoHeaderSize);
    put32(bytes, 18, quint32(width));
    put32(bytes, 22, quint32(height));
    put16(bytes, 26, 1);
    put16(bytes, 28, quint16(bits));
    put32(bytes, 34, quint32(stride * height));
    put32(bytes, 38, quint32(qMax(0, image.dotsPerMeterX())));
    put32(bytes, 42, quint32(qMax(0, image.dotsPerMeterY())));
    if (bits == 8) {
        put32(bytes, 46, PaletteEntries);
        put32(bytes, 50, PaletteEntries);
        const QList<QRgb> table = image.colorTable();
        for (int i = 0; i < PaletteEntries; ++i) {
            uchar *entry = bytes.data() + FileHeaderSize + InfoHeaderSize + 4 * i;
            entry[0] = uchar(qBlue(table[i]));
            entry[1] = uchar(qGreen(table[i]));
            entry[2] = uchar(qRed(table[i]));
        }
    }
    for (int y = 0; y < height; ++y) {
        uchar *row = bytes.data() + offset + stride * (height - 1 - y);
        const uchar *line = image.constScanLine(y);
        if (bits == 8) {
            std::copy(line, line + width, row);
        } else {
            const QRgb *pixels = reinterpret_cast<const QRgb *>(line);
            for (int x = 0; x < width; ++x) {
                row[3 * x] = uchar(qBlue(pixels[x]));
                row[3 * x + 1] = uchar(qGreen(pixels[x]));
                row[3 * x + 2] = uchar(qRed(pixels[x]));
            }
        }
    }
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), size);
}

QByteArray bitmapBytes(const QImage &picture)
{
    const QImage image = bitmapImage(picture);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (writer.write(image) && isPlainBitmapOf(bytes, image))
        return bytes;
    return encodeBitmap(image);
}

} // namespace batch
