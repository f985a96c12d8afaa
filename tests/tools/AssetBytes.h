#pragma once
// Reading the committed picture files byte by byte, independently of Qt's
// and giflib's readers: the blocks and fields of a GIF file and the
// headers of the bitmaps and the cursor.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

namespace assetbytes {

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline unsigned u8(const QByteArray &b, int at) { return uchar(b.at(at)); }
inline unsigned u16(const QByteArray &b, int at) { return u8(b, at) | (u8(b, at + 1) << 8); }
inline quint32 u32(const QByteArray &b, int at) { return u16(b, at) | (quint32(u16(b, at + 2)) << 16); }

// What a GIF file holds, block by block. `problems` lists every way the file
// departs from the expected form: one 71 x 96 GIF89a image with a 256-entry
// global colour table, background 0, one graphic control extension (no
// disposal, no delay, transparency on), no local table, no interlacing,
// then the trailer and nothing after it.
struct GifLayout {
    QStringList problems;
    int transparentIndex = -1;
    QByteArray structure;  // every byte that is neither colour table nor image data
    QByteArray palette;    // the 768 bytes of the global colour table
    int imageDataBytes = 0;
};

inline GifLayout readGif(const QByteArray &b)
{
    GifLayout out;
    const auto problem = [&](const QString &text) { out.problems << text; };
    if (b.size() < 13 + 768 + 8 + 10 + 2) {
        problem(QStringLiteral("too short"));
        return out;
    }
    if (b.left(6) != "GIF89a")
        problem(QStringLiteral("signature ") + QString::fromLatin1(b.left(6)));
    if (u16(b, 6) != 71 || u16(b, 8) != 96)
        problem(QStringLiteral("screen %1 x %2").arg(u16(b, 6)).arg(u16(b, 8)));
    const unsigned packed = u8(b, 10);
    if (!(packed & 0x80))
        problem(QStringLiteral("no global colour table"));
    if ((packed & 0x07) != 7)
        problem(QStringLiteral("global colour table of %1 entries").arg(2 << (packed & 7)));
    if (packed & 0x08)
        problem(QStringLiteral("sorted colour table"));
    if (u8(b, 11) != 0)
        problem(QStringLiteral("background index %1").arg(u8(b, 11)));
    out.structure = b.left(13);
    out.palette = b.mid(13, 768);
    int at = 13 + 768;
    int controls = 0;
    int images = 0;
    while (at < b.size()) {
        const unsigned introducer = u8(b, at);
        if (introducer == 0x3b) {
            out.structure.append(char(0x3b));
            if (at + 1 != b.size())
                problem(QStringLiteral("%1 bytes after the trailer").arg(b.size() - at - 1));
            if (controls != 1)
                problem(QStringLiteral("%1 graphic control extensions").arg(controls));
            if (images != 1)
                problem(QStringLiteral("%1 images").arg(images));
            return out;
        }
        if (introducer == 0x21) {
            if (at + 8 > b.size()) {
                problem(QStringLiteral("truncated extension"));
                return out;
            }
            const unsigned label = u8(b, at + 1);
            if (label != 0xf9 || images > 0) {
                problem(QStringLiteral("extension 0x%1 at %2").arg(label, 0, 16).arg(at));
                return out;
            }
            ++controls;
            if (u8(b, at + 2) != 4 || u8(b, at + 7) != 0)
                problem(QStringLiteral("graphic control extension of the wrong size"));
            const unsigned flags = u8(b, at + 3);
            if (((flags >> 2) & 7) != 0)
                problem(QStringLiteral("disposal %1").arg((flags >> 2) & 7));
            if (flags & 0x02)
                problem(QStringLiteral("waits for user input"));
            if (!(flags & 0x01))
                problem(QStringLiteral("transparency off"));
            if (u16(b, at + 4) != 0)
                problem(QStringLiteral("delay %1").arg(u16(b, at + 4)));
            out.transparentIndex = int(u8(b, at + 6));
            out.structure.append(b.mid(at, 8));
            at += 8;
            continue;
        }
        if (introducer == 0x2c) {
            if (at + 11 > b.size()) {
                problem(QStringLiteral("truncated image descriptor"));
                return out;
            }
            ++images;
            if (u16(b, at + 1) != 0 || u16(b, at + 3) != 0 || u16(b, at + 5) != 71 || u16(b, at + 7) != 96)
                problem(QStringLiteral("image does not cover the screen"));
            const unsigned imagePacked = u8(b, at + 9);
            if (imagePacked & 0x80)
                problem(QStringLiteral("local colour table"));
            if (imagePacked & 0x40)
                problem(QStringLiteral("interlaced"));
            const unsigned codeSize = u8(b, at + 10);
            if (codeSize < 2 || codeSize > 8)
                problem(QStringLiteral("LZW code size %1").arg(codeSize));
            out.structure.append(b.mid(at, 11));
            at += 11;
            // The data sub-blocks up to the zero-length terminator.
            while (true) {
                if (at >= b.size()) {
                    problem(QStringLiteral("truncated image data"));
                    return out;
                }
                const int length = int(u8(b, at));
                ++at;
                if (length == 0)
                    break;
                at += length;
                out.imageDataBytes += length;
            }
            out.structure.append(char(0));
            continue;
        }
        problem(QStringLiteral("unknown block 0x%1 at %2").arg(introducer, 0, 16).arg(at));
        return out;
    }
    problem(QStringLiteral("no trailer"));
    return out;
}

} // namespace assetbytes
