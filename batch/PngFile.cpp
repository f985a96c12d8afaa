#include "batch/PngFile.h"

#include "shell/Failure.h"

#include <QCoreApplication>

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <vector>

namespace batch {
namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<QByteArray *>(png_get_io_ptr(png))->append(reinterpret_cast<const char *>(data), qsizetype(length));
}

void noFlush(png_structp) {}

struct Writer {
    png_structp png = nullptr;
    png_infop info = nullptr;
    Writer()
    {
        png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        if (png)
            info = png_create_info_struct(png);
    }
    ~Writer() { png_destroy_write_struct(&png, &info); }
};

} // namespace

QByteArray encodePng(const QImage &picture)
{
    if (picture.isNull())
        throw shell::Failure(QCoreApplication::translate("batch::CardFormats", "There is no picture to save"));
    const bool opaque = !picture.hasAlphaChannel();
    // 32-bit pixels, taken one row at a time; a rendering stays premultiplied
    // (no copy of the whole picture) and is unpremultiplied row by row.
    const bool premultiplied = picture.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage image = premultiplied ? picture
                                       : picture.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();

    QByteArray bytes;
    bytes.reserve(width * height / 2);
    Writer writer;
    if (!writer.png || !writer.info)
        throw shell::Failure(QCoreApplication::translate("batch::CardFormats", "The PNG writer could not be started"));
    std::vector<png_byte> row(std::size_t(width) * 4);
    if (setjmp(png_jmpbuf(writer.png)))
        throw shell::Failure(QCoreApplication::translate("batch::CardFormats", "The card could not be encoded as PNG"));
    png_set_write_fn(writer.png, &bytes, appendBytes, noFlush);
    png_set_IHDR(writer.png, writer.info, png_uint_32(width), png_uint_32(height), 8,
                 opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(writer.png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_compression_level(writer.png, 1);
    png_write_info(writer.png, writer.info);
    for (int y = 0; y < height; ++y) {
        const QRgb *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        png_byte *out = row.data();
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = premultiplied ? qUnpremultiply(pixels[x]) : pixels[x];
            *out++ = png_byte(qRed(pixel));
            *out++ = png_byte(qGreen(pixel));
            *out++ = png_byte(qBlue(pixel));
            if (!opaque)
                *out++ = png_byte(qAlpha(pixel));
        }
        png_write_row(writer.png, row.data());
    }
    png_write_end(writer.png, writer.info);
    return bytes;
}

} // namespace batch
