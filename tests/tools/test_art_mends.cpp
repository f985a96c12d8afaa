// Details of single pictures: the tens' "10" is a "1" and a "0" with a
// blank column between them, in the GIF and in the enlarged SVG; the
// corner letters of both forms are drawn from the one typeface of the set;
// back 1 is a regular grid of identical round dots.
#include "PictureMeasures.h"
#include "deck/GifDecode.h"
#include "tools/artgen/ArtGen.h"
#include "tools/artgen/Glyphs.h"
#include "tools/artgen/SvgWriter.h"
#include "tools/artgen/Typeface.h"

#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>
#include <set>

using namespace picturemeasures;

namespace {

// The runs of ink columns (first, last) within `box` of a picture, a column
// counting as ink when one of its pixels is darker than `ink`.
std::vector<std::pair<int, int>> inkRuns(const QImage &picture, const QRect &box, int ink)
{
    std::vector<std::pair<int, int>> runs;
    for (int x = box.left(); x <= box.right(); ++x) {
        bool inked = false;
        for (int y = box.top(); y <= box.bottom() && !inked; ++y) {
            const QRgb p = picture.pixel(x, y);
            inked = qAlpha(p) >= 128 && luminance(p) < ink;
        }
        if (!inked)
            continue;
        if (!runs.empty() && runs.back().second == x - 1)
            runs.back().second = x;
        else
            runs.push_back({x, x});
    }
    return runs;
}

// The "10" of a corner index in `picture` drawn at `scale` times the
// natural size, top left or (turned) bottom right: exactly two runs of ink
// columns, the narrow "1" then the wide "0" (reversed when turned), within
// the index rows 4..12 and the corner's columns 1..17 (the pips start at
// column 18).
QString tenProblem(const QImage &picture, int scale, bool turned, int ink)
{
    QRect box(QPoint(1, 4) * scale, QSize(17, 9) * scale);
    if (turned)
        box.moveTopLeft(QPoint(picture.width() - 1 - box.right(), picture.height() - 1 - box.bottom()));
    auto runs = inkRuns(picture, box, ink);
    if (runs.size() != 2)
        return QStringLiteral("%1 runs of ink columns").arg(runs.size());
    if (turned)
        std::swap(runs[0], runs[1]);
    const int one = runs[0].second - runs[0].first + 1;
    const int zero = runs[1].second - runs[1].first + 1;
    if (one >= zero)
        return QStringLiteral("the 1 (%1 columns) is not narrower than the 0 (%2)").arg(one).arg(zero);
    return QString();
}

// The points of SVG path data as written by the generator ("M x y l dx dy
// ..."), in hundredths of a unit.
QList<QPoint> pathPoints(const QString &data)
{
    static const QRegularExpression token(QStringLiteral("[Ml]|-?(?:\\d+(?:\\.\\d+)?|\\.\\d+)"));
    QList<QPoint> points;
    QList<int> numbers;
    bool relative = false;
    for (auto it = token.globalMatch(data); it.hasNext();) {
        const QString t = it.next().captured();
        if (t == QLatin1String("M") || t == QLatin1String("l")) {
            relative = t == QLatin1String("l");
            continue;
        }
        numbers << qRound(t.toDouble() * 100);
        if (numbers.size() < 2)
            continue;
        const QPoint p(numbers[0], numbers[1]);
        points << (relative ? points.last() + p : p);
        numbers.clear();
    }
    return points;
}

// The fill colour and path data of every <path> of an SVG document.
QList<QPair<QString, QString>> svgPaths(const QByteArray &svg)
{
    QList<QPair<QString, QString>> paths;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("path"))
            paths.append({xml.attributes().value(QLatin1String("fill")).toString(),
                          xml.attributes().value(QLatin1String("d")).toString()});
    }
    return paths;
}

// How often `outline`, moved by whole units, is one of `paths` exactly.
int placementsOf(const QPainterPath &outline, const QList<QPair<QString, QString>> &paths, const QString &fill)
{
    const QList<QPoint> own = pathPoints(QString::fromLatin1(artgen::svgPathData(outline)));
    int found = 0;
    for (const auto &[colour, data] : paths) {
        const QList<QPoint> points = pathPoints(data);
        if (colour != fill || points.size() != own.size() || points.isEmpty())
            continue;
        const QPoint offset = points[0] - own[0];
        if (offset.x() % 100 != 0 || offset.y() % 100 != 0)
            continue;
        found += artgen::svgPathData(outline.translated(offset.x() / 100, offset.y() / 100)) == data.toLatin1();
    }
    return found;
}

// How many of `paths` in `fill` lie wholly within `box` (in units).
int pathsWithin(const QList<QPair<QString, QString>> &paths, const QString &fill, const QRect &box)
{
    int within = 0;
    for (const auto &[colour, data] : paths) {
        QRect bounds;
        for (const QPoint &p : pathPoints(data))
            bounds |= QRect(p, QSize(1, 1));
        within += colour == fill && QRect(box.topLeft() * 100, box.size() * 100).contains(bounds);
    }
    return within;
}

// The pixels of `text` set by the typeface, in a picture of their own.
QImage typefacePixels(const QString &text)
{
    QImage pixels(artgen::Typeface::cards().textWidth(text), artgen::Typeface::Height, QImage::Format_ARGB32);
    pixels.fill(Qt::white);
    artgen::Typeface::cards().drawText(pixels, text, 0, 0, Qt::black);
    return pixels;
}

// The bounds of the pixels of `area` for which `inked` holds.
template <typename Inked> QRect inkBounds(const QRect &area, Inked inked)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (inked(x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// True when the ink of `area` in `picture` is exactly the ink of `pixels`
// at one place: every dark pixel of the area the typeface's, and the other
// way round.
bool inkIsExactly(const QImage &picture, const QRect &area, const QImage &pixels)
{
    const auto inPicture = [&](int x, int y) {
        return qAlpha(picture.pixel(x, y)) && luminance(picture.pixel(x, y)) < 160;
    };
    const auto inPixels = [&](int x, int y) { return pixels.rect().contains(x, y) && qGray(pixels.pixel(x, y)) < 128; };
    const QRect ink = inkBounds(area, inPicture);
    const QRect own = inkBounds(pixels.rect(), inPixels);
    if (ink.size() != own.size() || own.isEmpty())
        return false;
    const QPoint shift = own.topLeft() - ink.topLeft();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (inPicture(x, y) != inPixels(x + shift.x(), y + shift.y()))
                return false;
    return true;
}

} // namespace

class TestArtMends : public QObject {
    Q_OBJECT
private slots:
    void tensShowAGapBetweenOneAndZero()
    {
        for (int suit = 0; suit < 4; ++suit) {
            const int index = suit * 13 + 9;
            const QString name = artgen::cardPictureName(index);
            const QImage gif = committedGif(index);
            const QImage svg = renderSvg(committedSvg(index), QSize(4 * Width, 4 * Height));
            QVERIFY2(!gif.isNull() && !svg.isNull(), qPrintable(name));
            for (bool turned : {false, true}) {
                // In the GIF every letter pixel is ink; in the enlarged SVG a
                // blank column is one with no more than a faint tint.
                const QString inGif = tenProblem(gif, 1, turned, 160);
                QVERIFY2(inGif.isEmpty(), qPrintable(name + QStringLiteral(".gif: ") + inGif));
                const QString inSvg = tenProblem(svg, 4, turned, 230);
                QVERIFY2(inSvg.isEmpty(), qPrintable(name + QStringLiteral(".svg: ") + inSvg));
            }
        }
    }

    void indexLettersComeFromTheCardTypeface()
    {
        const artgen::Typeface &typeface = artgen::Typeface::cards();
        // Every letter of the indices is designed in the typeface, and its
        // pixels are the pixels its outline covers at least half (measured
        // here by filling the outline 16 times enlarged, which estimates the
        // cover to a few hundredths: near the half either is right).
        for (int rank = 1; rank <= 13; ++rank) {
            for (QChar c : artgen::rankText(rank)) {
                const artgen::Typeface::Letter *letter = typeface.letter(c);
                QVERIFY2(letter && !letter->outline.isEmpty(), qPrintable(QString(c)));
                QCOMPARE(letter->pixels.size(), QSize(letter->advance, artgen::Typeface::Height));
                QImage fine(letter->advance * 16, artgen::Typeface::Height * 16, QImage::Format_ARGB32_Premultiplied);
                fine.fill(Qt::transparent);
                QPainter painter(&fine);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.scale(16, 16);
                painter.fillPath(letter->outline, Qt::black);
                painter.end();
                for (int y = 0; y < artgen::Typeface::Height; ++y) {
                    for (int x = 0; x < letter->advance; ++x) {
                        double cover = 0;
                        for (int sy = 0; sy < 16; ++sy)
                            for (int sx = 0; sx < 16; ++sx)
                                cover += qAlpha(fine.pixel(x * 16 + sx, y * 16 + sy)) / 255.0 / 256;
                        const QString at = QStringLiteral("%1 at %2, %3: %4").arg(c).arg(x).arg(y).arg(cover);
                        if (qAbs(cover - 0.5) > 0.05)
                            QVERIFY2((letter->pixels.pixelIndex(x, y) == 1) == (cover > 0.5), qPrintable(at));
                    }
                }
            }
        }

        // Each face's scalable picture holds the rank's outline from the
        // typeface twice (upright and turned) and nothing else in the letters'
        // corners, and its picture at the natural size has the typeface's
        // pixels in both corners and no other ink there.
        for (int number = 0; number < 52; ++number) {
            const QString name = artgen::cardPictureName(number);
            const QString text = artgen::rankText(artgen::rankOf(number));
            const QString fill = artgen::suitColour(artgen::suitOf(number)).name();
            const QList<QPair<QString, QString>> paths = svgPaths(committedSvg(number));
            const QPainterPath outline = typeface.textOutline(text);
            const int upright = placementsOf(outline, paths, fill);
            const int turned = placementsOf(QTransform(-1, 0, 0, -1, 0, 0).map(outline), paths, fill);
            QVERIFY2(upright == 1 && turned == 1, qPrintable(name + QStringLiteral(": %1 and %2").arg(upright).arg(turned)));
            const QRect letters(0, 0, 14, 14);
            QCOMPARE(pathsWithin(paths, fill, letters), 1);
            QCOMPARE(pathsWithin(paths, fill, letters.translated(Width - 14, Height - 14)), 1);
            const QImage gif = committedGif(number);
            // The letters' corner: left of a court card's frame (column 12)
            // and above the suit sign.
            const QRect corner(2, 2, 10, 12);
            QVERIFY2(inkIsExactly(gif, corner, typefacePixels(text)), qPrintable(name));
            QVERIFY2(inkIsExactly(gif.mirrored(true, true), corner, typefacePixels(text)), qPrintable(name + QStringLiteral(" turned")));
        }
    }

    void dottedBackIsAGridOfIdenticalDots()
    {
        const QImage back = deck::decodeGif(readCommitted(QStringLiteral("pictures/Back01.gif")));
        QVERIFY(!back.isNull());
        // The opaque pixels in parts of touching pixels: the border (touching
        // the picture's edge) and the dots.
        std::vector<int> part(size_t(Width * Height), -1);
        std::vector<std::vector<QPoint>> parts;
        for (int y = 0; y < Height; ++y) {
            for (int x = 0; x < Width; ++x) {
                if (qAlpha(back.pixel(x, y)) == 0 || part[size_t(y * Width + x)] >= 0)
                    continue;
                std::vector<QPoint> pixels{QPoint(x, y)};
                part[size_t(y * Width + x)] = int(parts.size());
                for (size_t k = 0; k < pixels.size(); ++k) {
                    for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                        const QPoint n = pixels[k] + step;
                        if (n.x() < 0 || n.y() < 0 || n.x() >= Width || n.y() >= Height || qAlpha(back.pixel(n)) == 0
                            || part[size_t(n.y() * Width + n.x())] >= 0)
                            continue;
                        part[size_t(n.y() * Width + n.x())] = int(parts.size());
                        pixels.push_back(n);
                    }
                }
                parts.push_back(pixels);
            }
        }

        // One border; every other part is a dot with the same pixels relative
        // to its top left corner, round (the same turned a quarter) and black.
        std::set<std::pair<int, int>> shape;
        std::set<int> columns;
        std::set<int> rows;
        int borders = 0;
        int dots = 0;
        for (const auto &pixels : parts) {
            QRect box;
            for (const QPoint &p : pixels)
                box |= QRect(p, QSize(1, 1));
            if (box.left() == 0 || box.top() == 0) {
                ++borders;
                continue;
            }
            std::set<std::pair<int, int>> own;
            for (const QPoint &p : pixels) {
                own.insert({p.x() - box.left(), p.y() - box.top()});
                QCOMPARE(QColor(back.pixel(p)), QColor(Qt::black));
            }
            if (shape.empty())
                shape = own;
            QVERIFY2(own == shape, qPrintable(QStringLiteral("dot at %1, %2").arg(box.left()).arg(box.top())));
            columns.insert(box.left());
            rows.insert(box.top());
            ++dots;
        }
        QCOMPARE(borders, 1);
        std::set<std::pair<int, int>> turned;
        for (const auto &[x, y] : shape)
            turned.insert({y, x});
        QVERIFY(shape.size() >= 9);
        QCOMPARE(turned, shape);
        // The dots fill a grid with one spacing both ways.
        QCOMPARE(dots, int(columns.size() * rows.size()));
        QVERIFY(columns.size() >= 8 && rows.size() >= 12);
        const int pitch = *std::next(columns.begin()) - *columns.begin();
        for (const std::set<int> *positions : {&columns, &rows}) {
            int previous = *positions->begin();
            for (auto it = std::next(positions->begin()); it != positions->end(); ++it) {
                QCOMPARE(*it - previous, pitch);
                previous = *it;
            }
        }
    }
};

QTEST_MAIN(TestArtMends)
#include "test_art_mends.moc"
