// Details of single pictures, read from their pixels: the tens' "10" is a
// "1" and a "0" with a blank column between them, in the GIF and in the
// enlarged SVG; back 1 is a regular grid of identical round dots.
#include "PictureMeasures.h"
#include "deck/GifDecode.h"
#include "tools/artgen/ArtGen.h"

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

} // namespace

class TestArtMends : public QObject {
    Q_OBJECT
private slots:
    void tensShowAGapBetweenOneAndZero();
    void dottedBackIsAGridOfIdenticalDots();
};

void TestArtMends::tensShowAGapBetweenOneAndZero()
{
    for (int suit = 0; suit < 4; ++suit) {
        const int index = suit * 13 + 9;
        const QString name = artgen::cardPictureName(index);
        const QImage gif = deck::decodeGif(readCommitted(QStringLiteral("pictures/") + name + QStringLiteral(".gif")))
                               .convertToFormat(QImage::Format_ARGB32);
        const QImage svg = renderSvg(readCommitted(QStringLiteral("scalable/") + artgen::scalableFile(index)),
                                     QSize(4 * Width, 4 * Height));
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

void TestArtMends::dottedBackIsAGridOfIdenticalDots()
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

QTEST_MAIN(TestArtMends)
#include "test_art_mends.moc"
