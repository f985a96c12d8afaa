#include "batch/Bitmap.h"

#include "shell/Failure.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>

#include <algorithm>

namespace batch {
namespace {

constexpr int PaletteEntries = 256;

} // namespace

QImage bitmapImage(const QImage &picture)
{
    if (picture.isNull())
        throw shell::Failure(QCoreApplication::translate("batch::CardFormats", "There is no picture to save"));
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

QByteArray bitmapBytes(const QImage &picture)
{
    const QImage image = bitmapImage(picture);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image))
        throw shell::Failure(QCoreApplication::translate("batch::CardFormats",
                                                         "The picture could not be written as a bitmap: %1")
                                 .arg(writer.errorString()));
    return bytes;
}

} // namespace batch
