#include "deck/GifDecode.h"

#include <gif_lib.h>
#include <algorithm>
#include <memory>
#include <cstring>

namespace deck {
namespace {

// Larger logical screens than this are refused before any pixel storage is
// asked for.
constexpr int MaxSide = 4096;

struct Reader {
    const QByteArray *bytes;
    qsizetype position;
};

int readBytes(GifFileType *gif, GifByteType *buffer, int length)
{
    auto *reader = static_cast<Reader *>(gif->UserData);
    const qsizetype left = reader->bytes->size() - reader->position;
    const int count = int(std::min<qsizetype>(std::max(length, 0), left));
    std::memcpy(buffer, reader->bytes->constData() + reader->position, size_t(count));
    reader->position += count;
    return count;
}

struct GifCloser {
    void operator()(GifFileType *gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

} // namespace

QImage decodeGif(const QByteArray &bytes)
{
    Reader reader{&bytes, 0};
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&reader, readBytes, &error));
    if (!gif)
        return QImage();
    const int width = gif->SWidth;
    const int height = gif->SHeight;
    if (width < 1 || height < 1 || width > MaxSide || height > MaxSide)
        return QImage();
    if (DGifSlurp(gif.get()) == GIF_ERROR || gif->ImageCount < 1)
        return QImage();
    const SavedImage &frame = gif->SavedImages[0];
    const GifImageDesc &desc = frame.ImageDesc;
    if (!frame.RasterBits || desc.Left < 0 || desc.Top < 0 || desc.Width < 1 || desc.Height < 1
        || desc.Left + desc.Width > width || desc.Top + desc.Height > height)
        return QImage();
    const ColorMapObject *map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    if (!map || map->ColorCount < 1 || map->ColorCount > 256)
        return QImage();

    QVector<QRgb> table(map->ColorCount);
    for (int i = 0; i < map->ColorCount; ++i)
        table[i] = qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
    GraphicsControlBlock control;
    if (DGifSavedExtensionToGCB(gif.get(), 0, &control) == GIF_OK && control.TransparentColor >= 0
        && control.TransparentColor < map->ColorCount)
        table[control.TransparentColor] &= 0x00ffffffu;

    QImage picture(width, height, QImage::Format_Indexed8);
    if (picture.isNull())
        return QImage();
    picture.setColorTable(table);
    const int background = gif->SBackGroundColor < map->ColorCount ? gif->SBackGroundColor : 0;
    picture.fill(uint(background));
    for (int y = 0; y < desc.Height; ++y) {
        const GifByteType *source = frame.RasterBits + size_t(y) * size_t(desc.Width);
        uchar *line = picture.scanLine(desc.Top + y) + desc.Left;
        for (int x = 0; x < desc.Width; ++x) {
            if (source[x] >= map->ColorCount)
                return QImage();
            line[x] = source[x];
        }
    }
    return picture;
}

} // namespace deck
