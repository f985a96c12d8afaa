// Palette reduction, the list of committed files and the contact sheet.
#include "files/AtomicFile.h"
#include "tools/artgen/ArtGen.h"
#include "tools/artgen/Encoders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <map>
#include <stdexcept>
#include <vector>

namespace artgen {
namespace {

struct Entry {
    QRgb colour;
    int count;
};

int channel(QRgb colour, int which) { return which == 0 ? qRed(colour) : which == 1 ? qGreen(colour) : qBlue(colour); }

// Median cut over the distinct colours, fully deterministic: boxes and
// colours are ordered by value wherever counts tie.
std::vector<QRgb> medianCut(std::vector<Entry> colours, int maxColours)
{
    std::vector<std::vector<Entry>> boxes{std::move(colours)};
    while (int(boxes.size()) < maxColours) {
        int best = -1;
        int bestRange = 0;
        int bestChannel = 0;
        for (int b = 0; b < int(boxes.size()); ++b) {
            if (boxes[size_t(b)].size() < 2)
                continue;
            for (int c = 0; c < 3; ++c) {
                int low = 255;
                int high = 0;
                for (const Entry &e : boxes[size_t(b)]) {
                    low = std::min(low, channel(e.colour, c));
                    high = std::max(high, channel(e.colour, c));
                }
                if (high - low > bestRange) {
                    bestRange = high - low;
                    best = b;
                    bestChannel = c;
                }
            }
        }
        if (best < 0)
            break;
        std::vector<Entry> &box = boxes[size_t(best)];
        std::sort(box.begin(), box.end(), [&](const Entry &a, const Entry &b) {
            const int ca = channel(a.colour, bestChannel);
            const int cb = channel(b.colour, bestChannel);
            return ca != cb ? ca < cb : a.colour < b.colour;
        });
        long total = 0;
        for (const Entry &e : box)
            total += e.count;
        long running = 0;
        size_t split = 1;
        for (size_t i = 0; i + 1 < box.size(); ++i) {
            running += box[i].count;
            split = i + 1;
            if (2 * running >= total)
                break;
        }
        std::vector<Entry> upper(box.begin() + long(split), box.end());
        box.resize(split);
        boxes.push_back(std::move(upper));
    }
    std::vector<QRgb> palette;
    for (const auto &box : boxes) {
        double r = 0, g = 0, b = 0, n = 0;
        for (const Entry &e : box) {
            r += qRed(e.colour) * double(e.count);
            g += qGreen(e.colour) * double(e.count);
            b += qBlue(e.colour) * double(e.count);
            n += e.count;
        }
        palette.push_back(qRgb(int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5)));
    }
    return palette;
}

int nearest(const std::vector<QRgb> &palette, QRgb colour, size_t first)
{
    int best = int(first);
    int bestDistance = INT_MAX;
    for (size_t i = first; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int distance = 2 * dr * dr + 4 * dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = int(i);
        }
    }
    return best;
}

// Reduces an ARGB picture (alpha 0 or 255) to an 8-bit picture; with
// `transparentSlot` index 0 is kept for the transparent pixels.
QImage reduce(const QImage &art, int maxColours, bool transparentSlot, int tableSize)
{
    const QImage source = art.convertToFormat(QImage::Format_ARGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < source.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x)
            if (qAlpha(row[x]) >= 128 || !transparentSlot)
                ++counts[row[x] | 0xff000000u];
    }
    std::vector<Entry> colours;
    for (const auto &[colour, count] : counts)
        colours.push_back({colour, count});
    const int available = maxColours - (transparentSlot ? 1 : 0);
    std::vector<QRgb> chosen;
    if (int(colours.size()) <= available) {
        std::stable_sort(colours.begin(), colours.end(), [](const Entry &a, const Entry &b) { return a.count > b.count; });
        for (const Entry &e : colours)
            chosen.push_back(e.colour);
    } else {
        chosen = medianCut(colours, available);
    }
    std::vector<QRgb> palette;
    if (transparentSlot)
        palette.push_back(qRgba(255, 255, 255, 0));
    palette.insert(palette.end(), chosen.begin(), chosen.end());
    const size_t first = transparentSlot ? 1 : 0;
    std::map<QRgb, int> indexOf;
    for (const auto &entry : counts)
        indexOf[entry.first] = nearest(palette, entry.first, first);

    QImage out(source.size(), QImage::Format_Indexed8);
    QVector<QRgb> table(palette.begin(), palette.end());
    while (table.size() < tableSize)
        table.append(qRgb(0, 0, 0));
    out.setColorTable(table);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *line = out.scanLine(y);
        for (int x = 0; x < source.width(); ++x)
            line[x] = transparentSlot && qAlpha(row[x]) < 128 ? 0 : uchar(indexOf[row[x] | 0xff000000u]);
    }
    return out;
}

// The chooser's skin. The focused button's mark is a white border twice as
// wide as the gold one: its inner half covers the red face, which it
// outshines by far more than 3 : 1 (gold to white alone is 1.5 : 1), and
// the padding gives the caption back the room the border takes.
QString skinText()
{
    return QStringLiteral(
        "/* Dealwright skin: the chooser. */\n"
        "QWidget#Form1 {\n"
        "    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1f7a46, stop:1 #0f4f2c);\n"
        "}\n"
        "QPushButton {\n"
        "    font-family: Arial;\n"
        "    font-weight: bold;\n"
        "    font-size: 11.25pt;\n"
        "    color: #fdf6e3;\n"
        "    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #b8232f, stop:1 #7d1420);\n"
        "    border: 2px solid #f2d16b;\n"
        "    border-radius: 8px;\n"
        "    padding: 2px 14px;\n"
        "}\n"
        "QPushButton:hover {\n"
        "    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #d23440, stop:1 #95202b);\n"
        "    border-color: #ffe38a;\n"
        "}\n"
        "QPushButton:pressed {\n"
        "    background: #6a111b;\n"
        "    padding-top: 3px;\n"
        "    padding-bottom: 1px;\n"
        "}\n"
        "QPushButton:focus {\n"
        "    outline: none;\n"
        "    border: 4px solid #ffffff;\n"
        "    padding: 0px 12px;\n"
        "}\n"
        "QPushButton:focus:pressed {\n"
        "    padding-top: 1px;\n"
        "    padding-bottom: 0px;\n"
        "}\n"
        "QPushButton:disabled {\n"
        "    color: #c8b8b8;\n"
        "    background: #7a6a6a;\n"
        "    border-color: #a09080;\n"
        "}\n");
}

QImage contactSheet(const QList<QImage> &cards, const QList<QImage> &small)
{
    const int gap = 6;
    const int columns = 13;
    const int cardRows = (int(cards.size()) + columns - 1) / columns;
    const int width = gap + columns * (CardWidth + gap);
    const int height = gap + cardRows * (CardHeight + gap) + 39 + gap;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(128, 128, 128));
    QPainter painter(&sheet);
    for (int i = 0; i < cards.size(); ++i)
        painter.drawImage(gap + (i % columns) * (CardWidth + gap), gap + (i / columns) * (CardHeight + gap), cards[i]);
    int x = gap;
    const int y = gap + cardRows * (CardHeight + gap);
    for (const QImage &picture : small) {
        painter.drawImage(x, y, picture);
        x += picture.width() + gap;
    }
    return sheet;
}

} // namespace

QImage quantize(const QImage &art, int maxColours) { return reduce(art, maxColours, false, maxColours); }

QImage toPalette(const QImage &art) { return reduce(art, 256, true, 256); }

QString faceFile(int number) { return QStringLiteral("Card%1.gif").arg(number, 2, 10, QLatin1Char('0')); }
QString jokerFile(bool red) { return red ? QStringLiteral("Joker1.gif") : QStringLiteral("Joker2.gif"); }
QString greenRingFile() { return QStringLiteral("gO.gif"); }
QString redCrossFile() { return QStringLiteral("rX.gif"); }
QString backFile(int number) { return QStringLiteral("Back%1.gif").arg(number, 2, 10, QLatin1Char('0')); }
QString animFile(int which) { return animName(which) + QStringLiteral(".bmp"); }
QString controlIconFile() { return QStringLiteral("Image1.bmp"); }
QString scalableFile(int index) { return cardPictureName(index) + QStringLiteral(".svg"); }

QList<AssetFile> buildAssets()
{
    QList<AssetFile> files;
    QList<QImage> sheetCards;
    QList<QImage> sheetSmall;
    const auto addCard = [&](const QString &name, const QImage &art) {
        const QImage picture = toPalette(art);
        files.append({QStringLiteral("pictures/") + name, encodeGif(picture)});
        sheetCards.append(picture);
    };
    for (int i = 0; i < CardPictureCount; ++i) {
        addCard(cardPictureName(i) + QStringLiteral(".gif"), drawCardPicture(i));
        files.append({QStringLiteral("scalable/") + scalableFile(i), cardPictureSvg(i)});
    }
    for (int a = 0; a < AnimCount; ++a) {
        const QImage frame = drawAnim(a);
        files.append({QStringLiteral("pictures/") + animFile(a), encodeBmpCore4(frame)});
        sheetSmall.append(frame);
    }
    const QImage icon = drawControlIcon();
    files.append({QStringLiteral("pictures/") + controlIconFile(), encodeBmp24(icon)});
    sheetSmall.append(icon);

    files.append({QStringLiteral("HAND-M.CUR"), encodeCursor(drawHandPointer(), HandHotX, HandHotY)});
    files.append({QStringLiteral("pointer/HAND-M.svg"), handPointerSvg()});
    files.append({QStringLiteral("x/o.cjs"), skinText().toUtf8()});
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        files.append({QStringLiteral("icon/dealwright-%1.png").arg(size), encodePng(drawProgramIcon(size))});
    files.append({QStringLiteral("icon/dealwright.svg"), programIconSvg()});
    files.append({QStringLiteral("contact-sheet.png"), encodePng(contactSheet(sheetCards, sheetSmall))});
    return files;
}

QString writeAssets(const QString &folder)
{
    QList<AssetFile> files;
    try {
        files = buildAssets();
    } catch (const std::exception &failure) {
        return QString::fromLocal8Bit(failure.what());
    }
    for (const AssetFile &file : files) {
        const QString path = QDir(folder).filePath(file.path);
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return QStringLiteral("cannot create the folder of %1").arg(path);
        try {
            files::writeWhole(QFile::encodeName(path), file.bytes);
        } catch (const files::Error &error) {
            return QStringLiteral("cannot write %1: %2").arg(path, error.reason());
        }
    }
    return QString();
}

} // namespace artgen
