#include "PngRead.h"

#include <png.h>

namespace shell {

QImage decodePng(QByteArrayView png)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png.data(), size_t(png.size())))
        return QImage();
    // libpng's RGBA is byte-ordered, as QImage's RGBA8888 is on any machine.
    image.format = PNG_FORMAT_RGBA;
    QImage decoded(int(image.width), int(image.height), QImage::Format_RGBA8888);
    if (decoded.isNull()) {
        png_image_free(&image);
        return QImage();
    }
    if (!png_image_finish_read(&image, nullptr, decoded.bits(), decoded.bytesPerLine(), nullptr)) {
        png_image_free(&image);
        return QImage();
    }
    return decoded;
}

} // namespace shell
