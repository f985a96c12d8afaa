// The card pictures as a printed card (1050 pixels high, a poker card at
// 300 dpi) or a 4K screen shows them: every pip solid, with no paper
// showing inside it; the card outline a fine line, while the natural-size
// pictures keep their one-pixel outline; the court cards their own turn.
#include "PictureMeasures.h"
#include "deck/GifDecode.h"
#include "deck/PictureCompare.h"
#include "tools/artgen/ArtGen.h"
#include "tools/artgen/Glyphs.h"
#include "tools/artgen/SvgWriter.h"
#include "tools/artgen/VectorRecorder.h"

#include <QtTest>

using namespace picturemeasures;

namespace {

const QSize Print(777, 1050);

int distance(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

// Paper: transparent, or at least three quarters of the way from the ink
// to white.
bool isLight(QRgb pixel, QRgb ink)
{
    return qAlpha(pixel) < 128 || 3 * distance(pixel, qRgb(255, 255, 255)) <= distance(pixel, ink);
}

// Solid ink: opaque and at least three quarters of the way from white to
// the ink. Pixels between the two are edges, partly covered.
bool isSolid(QRgb pixel, QRgb ink) { return qAlpha(pixel) >= 128 && 3 * distance(pixel, ink) <= distance(pixel, qRgb(255, 255, 255)); }

// The light pixels enclosed in the pips of a rendered pip card (the ace
// to the ten). A pip is a part of solid ink pixels touching side to side
// that touches neither the picture's edge (the outline), nor lies in a
// corner's letter area (letters have counters, as A, 4, 6, 8, 9 and 0
// do), nor holds another part inside its bounds (the ring around the ace
// of spades). Within a pip's bounds, every pixel that is not the pip's own
// and that cannot be reached from the bounds' edge without crossing the
// pip (going side to side or corner to corner, through paper and partly
// covered edge pixels alike, as in the tip of a narrowing gap between two
// edges) is enclosed.
int enclosedLightPixels(const QImage &picture, QRgb ink, QString *where)
{
    const int w = picture.width();
    const int h = picture.height();
    std::vector<int> part(size_t(w * h), -1);
    std::vector<QRect> bounds;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (part[size_t(y * w + x)] >= 0 || !isSolid(picture.pixel(x, y), ink))
                continue;
            const int id = int(bounds.size());
            QRect box(x, y, 1, 1);
            std::vector<QPoint> pending{QPoint(x, y)};
            part[size_t(y * w + x)] = id;
            while (!pending.empty()) {
                const QPoint p = pending.back();
                pending.pop_back();
                box |= QRect(p, QSize(1, 1));
                for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = p + step;
                    if (n.x() < 0 || n.y() < 0 || n.x() >= w || n.y() >= h || part[size_t(n.y() * w + n.x())] >= 0
                        || !isSolid(picture.pixel(n), ink))
                        continue;
                    part[size_t(n.y() * w + n.x())] = id;
                    pending.push_back(n);
                }
            }
            bounds.push_back(box);
        }
    }
    const double unit = double(h) / Height;
    const QRect letters(0, 0, qRound(14 * unit), qRound(13.5 * unit));
    const QRect turnedLetters(w - letters.width(), h - letters.height(), letters.width(), letters.height());
    int enclosed = 0;
    for (int id = 0; id < int(bounds.size()); ++id) {
        const QRect box = bounds[size_t(id)];
        if (box.left() == 0 || box.top() == 0 || box.right() == w - 1 || box.bottom() == h - 1
            || letters.contains(box) || turnedLetters.contains(box))
            continue;
        bool holdsAnother = false;
        for (int other = 0; other < int(bounds.size()) && !holdsAnother; ++other)
            holdsAnother = other != id && box.contains(bounds[size_t(other)]);
        if (holdsAnother)
            continue;
        // Flood the bounds (one pixel wider) from their edge, around the pip.
        const QRect area = box.adjusted(-1, -1, 1, 1);
        std::vector<char> reached(size_t(area.width() * area.height()), 0);
        const auto at = [&](const QPoint &p) -> char & {
            return reached[size_t((p.y() - area.top()) * area.width() + p.x() - area.left())];
        };
        std::vector<QPoint> pending;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (area.adjusted(1, 1, -1, -1).contains(x, y))
                    continue;
                at(QPoint(x, y)) = 1;
                pending.push_back(QPoint(x, y));
            }
        }
        while (!pending.empty()) {
            const QPoint p = pending.back();
            pending.pop_back();
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const QPoint n = p + QPoint(dx, dy);
                    if (!area.contains(n) || at(n) || part[size_t(n.y() * w + n.x())] == id
                        || distance(picture.pixel(n), ink) < distance(picture.pixel(n), qRgb(255, 255, 255)))
                        continue;
                    at(n) = 1;
                    pending.push_back(n);
                }
            }
        }
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                if (at(QPoint(x, y)) || part[size_t(y * w + x)] == id || !isLight(picture.pixel(x, y), ink))
                    continue;
                if (enclosed++ == 0)
                    *where = QStringLiteral("a light pixel at %1, %2").arg(x).arg(y);
            }
        }
    }
    return enclosed;
}

// The width in pixels of the card outline at the middle of each side of a
// picture on white paper: the pixels from the edge inward up to the first
// one as light as the paper. Sets `darkest` to the darkest luminance met.
QList<int> outlineWidths(const QImage &picture, int *darkest)
{
    const int w = picture.width();
    const int h = picture.height();
    const QPoint starts[4] = {{0, h / 2}, {w - 1, h / 2}, {w / 2, 0}, {w / 2, h - 1}};
    const QPoint steps[4] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    QList<int> widths;
    *darkest = 255;
    for (int side = 0; side < 4; ++side) {
        int width = 0;
        for (QPoint p = starts[side]; picture.rect().contains(p) && luminance(picture.pixel(p)) < 245; p += steps[side]) {
            *darkest = qMin(*darkest, luminance(picture.pixel(p)));
            ++width;
        }
        widths << width;
    }
    return widths;
}

} // namespace

class TestLargeCards : public QObject {
    Q_OBJECT
private slots:
    void pipsAreSolidAtPrintSize()
    {
        // Every pip card of the four suits at 1050 pixels, the aces also at
        // the height of a 4K screen.
        QStringList failures;
        for (int number = 0; number < 52; ++number) {
            const int rank = artgen::rankOf(number);
            if (rank > 10)
                continue;
            const QString name = artgen::cardPictureName(number);
            const QRgb ink = artgen::suitColour(artgen::suitOf(number)).rgb();
            QList<QSize> sizes{Print};
            if (rank == 1)
                sizes << QSize(1598, 2160);
            for (const QSize &size : sizes) {
                const QImage picture = renderSvg(committedSvg(number), size);
                QVERIFY2(!picture.isNull(), qPrintable(name));
                QString where;
                const int enclosed = enclosedLightPixels(picture, ink, &where);
                if (artgen::suitOf(number) == artgen::Suit::Clubs && (rank == 1 || rank == 5 || rank == 10))
                    qInfo("%s at %d pixels: %d light pixels enclosed in its pips", qPrintable(name), size.height(), enclosed);
                if (enclosed > 0)
                    failures << QStringLiteral("%1 at %2 pixels: %3 enclosed, %4").arg(name).arg(size.height()).arg(enclosed).arg(where);
            }
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    void measureFindsAStemTurnedTheOtherWay()
    {
        // The club is made of overlapping parts filled by the winding rule: a
        // part running the other way round than the others cancels them where
        // they overlap. With its stem turned, the club shows a seam where the
        // stem meets the lobes, and the measure finds it at the sizes of an
        // ace, of the pips and of the index signs; with its parts as they are,
        // it finds nothing.
        QPainterPath card;
        card.addRect(0, 0, Width, Height);
        for (const double height : {32.0, 13.0, 8.0}) {
            const QTransform sign = QTransform::fromScale(0.9 * height, height)
                * QTransform::fromTranslate((Width - 0.9 * height) / 2, (Height - height) / 2);
            const QList<QPolygonF> parts =
                artgen::finelyFlattened(sign.map(artgen::suitPath(artgen::Suit::Clubs))).toSubpathPolygons();
            // The stem is the part that reaches the foot of the sign.
            int stem = 0;
            for (int i = 1; i < parts.size(); ++i)
                if (parts[i].boundingRect().bottom() > parts[stem].boundingRect().bottom())
                    stem = i;
            for (const bool turned : {false, true}) {
                QPainterPath club;
                club.setFillRule(Qt::WindingFill);
                for (int i = 0; i < parts.size(); ++i) {
                    QPolygonF part = parts[i];
                    if (turned && i == stem)
                        std::reverse(part.begin(), part.end());
                    club.addPolygon(part);
                    club.closeSubpath();
                }
                const QList<artgen::VectorShape> shapes{{card, QBrush(Qt::white), QTransform(), 1.0},
                                                        {club, QBrush(artgen::cardBlack()), QTransform(), 1.0}};
                const QImage picture = renderSvg(artgen::svgDocument(shapes, Width, Height), Print);
                QString where;
                const int enclosed = enclosedLightPixels(picture, artgen::cardBlack().rgb(), &where);
                const QString what = QStringLiteral("%1 units high, stem %2: %3 enclosed")
                                         .arg(height)
                                         .arg(turned ? QStringLiteral("turned") : QStringLiteral("as it is"))
                                         .arg(enclosed);
                QVERIFY2(turned ? enclosed > 0 : enclosed == 0, qPrintable(what));
            }
        }
    }

    void outlineIsAFineLineAtPrintSize()
    {
        // The faces and jokers, on white paper: at 1050 pixels about 1/200 of
        // the card's width (3.9 pixels), at most 6; the natural-size pictures
        // keep their one-pixel dark outline.
        QStringList failures;
        for (int index = 0; index < 54; ++index) {
            const QString name = artgen::cardPictureName(index);
            int darkest = 255;
            const QList<int> widths = outlineWidths(renderSvg(committedSvg(index), Print), &darkest);
            const QString measured = QStringLiteral("%1, %2, %3, %4").arg(widths[0]).arg(widths[1]).arg(widths[2]).arg(widths[3]);
            if (index == 26)
                qInfo("%s at 1050 pixels: outline %s pixels wide (left, right, top, bottom)", qPrintable(name), qPrintable(measured));
            if (*std::min_element(widths.begin(), widths.end()) < 2 || *std::max_element(widths.begin(), widths.end()) > 6
                || darkest >= 128)
                failures << QStringLiteral("%1: outline %2 pixels wide, darkest %3").arg(name, measured).arg(darkest);
            const QList<int> natural = outlineWidths(committedGif(index), &darkest);
            if (natural != QList<int>({1, 1, 1, 1}) || darkest >= 64)
                failures << QStringLiteral("%1.gif: not a one-pixel dark outline").arg(name);
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    void courtCardsAreTheirOwnTurn()
    {
        for (int number = 0; number < 52; ++number) {
            if (artgen::rankOf(number) <= 10)
                continue;
            const QString name = artgen::cardPictureName(number);
            // The natural-size picture: the same pixels, but for the rounding
            // of the index sign's antialiased edge colours.
            const QImage gif = committedGif(number);
            const QString turned = picturecompare::differences(gif, gif.mirrored(true, true), 16);
            QVERIFY2(turned.isEmpty(), qPrintable(name + QStringLiteral(": ") + turned));
            // Drawn at print size, a shape and its turn fall on the pixel grid
            // alike but for the rounding of their antialiased edges.
            const QImage large = renderSvg(committedSvg(number), Print);
            const QImage turn = large.mirrored(true, true);
            int differing = 0;
            for (int y = 0; y < large.height(); ++y)
                for (int x = 0; x < large.width(); ++x)
                    differing += distance(large.pixel(x, y), turn.pixel(x, y)) > 120
                        || qAbs(qAlpha(large.pixel(x, y)) - qAlpha(turn.pixel(x, y))) > 40;
            QVERIFY2(differing < large.width() * large.height() / 1000, qPrintable(name + QStringLiteral(": %1").arg(differing)));
        }
    }
};

QTEST_MAIN(TestLargeCards)
#include "test_large_cards.moc"
