#include "tools/artgen/Encoders.h"

#include <QBuffer>
#include <gif_lib.h>
#include <stdexcept>
#include <vector>

namespace artgen {
namespace {

void putU16(QByteArray &out, unsigned value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void putU32(QByteArray &out, quint32 value)
{
    putU16(out, value & 0xffff);
    putU16(out, value >> 16);
}

int appendToBuffer(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

[[noreturn]] void gifFailed(const char *step, int code)
{
    throw std::runtime_error(std::string("GIF encoding failed at ") + step + ": " + GifErrorString(code));
}

} // namespace

QByteArray encodeGif(const QImage &picture)
{
    if (picture.format() != QImage::Format_Indexed8 || picture.colorCount() != 256)
        throw std::runtime_error("a GIF picture must be 8-bit with 256 colours");
    QByteArray out;
    int error = 0;
    GifFileType *gif = EGifOpen(&out, appendToBuffer, &error);
    if (!gif)
        gifFailed("open", error);
    EGifSetGifVersion(gif, true);

    std::vector<GifColorType> colours(256);
    const QVector<QRgb> table = picture.colorTable();
    for (int i = 0; i < 256; ++i) {
        colours[size_t(i)].Red = GifByteType(qRed(table[i]));
        colours[size_t(i)].Green = GifByteType(qGreen(table[i]));
        colours[size_t(i)].Blue = GifByteType(qBlue(table[i]));
    }
    ColorMapObject *map = GifMakeMapObject(256, colours.data());
    const auto fail = [&](const char *step) {
        GifFreeMapObject(map);
        const int code = gif->Error;
        EGifCloseFile(gif, &error);
        gifFailed(step, code);
    };
    if (EGifPutScreenDesc(gif, picture.width(), picture.height(), 8, 0, map) == GIF_ERROR)
        fail("screen descriptor");

    GraphicsControlBlock control;
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.UserInputFlag = false;
    control.DelayTime = 0;
    control.TransparentColor = 0;
    GifByteType extension[4];
    const size_t extensionLength = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(extensionLength), extension) == GIF_ERROR)
        fail("graphic control extension");
    if (EGifPutImageDesc(gif, 0, 0, picture.width(), picture.height(), false, nullptr) == GIF_ERROR)
        fail("image descriptor");
    std::vector<GifPixelType> line(size_t(picture.width()));
    for (int y = 0; y < picture.height(); ++y) {
        const uchar *row = picture.constScanLine(y);
        std::copy(row, row + picture.width(), line.begin());
        if (EGifPutLine(gif, line.data(), picture.width()) == GIF_ERROR)
            fail("image data");
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) == GIF_ERROR)
        gifFailed("close", error);
    return out;
}

QByteArray encodeBmpCore4(const QImage &picture)
{
    if (picture.format() != QImage::Format_Indexed8 || picture.colorCount() > 16)
        throw std::runtime_error("a 4-bit bitmap needs an 8-bit picture with at most 16 colours");
    const int width = picture.width();
    const int height = picture.height();
    const int rowBytes = ((width * 4 + 31) / 32) * 4;
    const quint32 pixelOffset = 14 + 12 + 16 * 3;
    QByteArray out;
    out.append("BM");
    putU32(out, pixelOffset + quint32(rowBytes * height));
    putU32(out, 0);
    putU32(out, pixelOffset);
    putU32(out, 12);  // BITMAPCOREHEADER
    putU16(out, unsigned(width));
    putU16(out, unsigned(height));
    putU16(out, 1);
    putU16(out, 4);
    const QVector<QRgb> table = picture.colorTable();
    for (int i = 0; i < 16; ++i) {
        const QRgb colour = i < table.size() ? table[i] : qRgb(0, 0, 0);
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
    }
    for (int y = height - 1; y >= 0; --y) {
        const uchar *row = picture.constScanLine(y);
        QByteArray packed(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            const uchar index = row[x] & 0x0f;
            packed[x / 2] = char(uchar(packed[x / 2]) | (x % 2 == 0 ? index << 4 : index));
        }
        out.append(packed);
    }
    return out;
}

QByteArray encodeBmp24(const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const int rowBytes = ((width * 24 + 31) / 32) * 4;
    const quint32 pixelOffset = 14 + 40;
    QByteArray out;
    out.append("BM");
    putU32(out, pixelOffset + quint32(rowBytes * height));
    putU32(out, 0);
    putU32(out, pixelOffset);
    putU32(out, 40);  // BITMAPINFOHEADER
    putU32(out, quint32(width));
    putU32(out, quint32(height));
    putU16(out, 1);
    putU16(out, 24);
    putU32(out, 0);  // BI_RGB
    putU32(out, quint32(rowBytes * height));
    putU32(out, 3780);  // 96 dots per inch
    putU32(out, 3780);
    putU32(out, 0);
    putU32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        QByteArray packed(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            packed[3 * x] = char(qBlue(row[x]));
            packed[3 * x + 1] = char(qGreen(row[x]));
            packed[3 * x + 2] = char(qRed(row[x]));
        }
        out.append(packed);
    }
    return out;
}

QByteArray encodeCursor(const QImage &picture, int hotX, int hotY)
{
    const QImage art = picture.convertToFormat(QImage::Format_ARGB32);
    const int size = art.width();
    if (size != art.height() || size < 1 || size > 255 || size % 32 != 0)
        throw std::runtime_error("a cursor picture must be square, a multiple of 32 pixels");
    const int rowBytes = size / 8;  // 1 bit per pixel, rows already on 4-byte bounds
    const quint32 imageBytes = 40 + 2 * 4 + quint32(2 * rowBytes * size);
    QByteArray out;
    putU16(out, 0);
    putU16(out, 2);  // cursor
    putU16(out, 1);
    out.append(char(size));
    out.append(char(size));
    out.append(char(2));  // colours in the palette
    out.append(char(0));
    putU16(out, unsigned(hotX));
    putU16(out, unsigned(hotY));
    putU32(out, imageBytes);
    putU32(out, 22);
    putU32(out, 40);
    putU32(out, quint32(size));
    putU32(out, quint32(2 * size));  // colour image and AND mask
    putU16(out, 1);
    putU16(out, 1);
    putU32(out, 0);
    putU32(out, quint32(2 * rowBytes * size));
    putU32(out, 0);
    putU32(out, 0);
    putU32(out, 2);
    putU32(out, 0);
    putU32(out, 0x00000000);  // palette: black
    putU32(out, 0x00ffffff);  // white
    QByteArray colour;
    QByteArray mask;
    for (int y = size - 1; y >= 0; --y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(art.constScanLine(y));
        QByteArray colourRow(rowBytes, '\0');
        QByteArray maskRow(rowBytes, '\0');
        for (int x = 0; x < size; ++x) {
            const uchar bit = uchar(0x80 >> (x % 8));
            if (qAlpha(row[x]) < 128)
                maskRow[x / 8] = char(uchar(maskRow[x / 8]) | bit);
            else if (qGray(row[x]) >= 128)
                colourRow[x / 8] = char(uchar(colourRow[x / 8]) | bit);
        }
        colour.append(colourRow);
        mask.append(maskRow);
    }
    out.append(colour);
    out.append(mask);
    return out;
}

QByteArray encodePng(const QImage &picture)
{
    QImage clean = picture;
    for (const QString &key : clean.textKeys())
        clean.setText(key, QString());
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!clean.save(&buffer, "PNG"))
        throw std::runtime_error("PNG encoding failed");
    return out;
}

} // namespace artgen
