// The twelve court figures as the committed scalable pictures show them,
// drawn by Qt SVG at 1050 pixels tall (777 wide), the size of a card on a
// 4K screen: each card is its own half turn, the figure stays inside its
// frame, and the figures differ in outline, not only in colour, from rank
// to rank and from suit to suit.
//
// The distances printed by ranksDifferInOutline and suitsDifferInOutline:
//   cd build && QT_QPA_PLATFORM=offscreen ctest -V -R test_court_figures
#include "PictureMeasures.h"
#include "deck/GifDecode.h"
#include "tools/artgen/ArtGen.h"

#include <QPainterPath>
#include <QtTest>
#include <array>

using namespace picturemeasures;

namespace {

constexpr int LargeWidth = 777;
constexpr int LargeHeight = 1050;
constexpr double UnitX = double(LargeWidth) / Width;
constexpr double UnitY = double(LargeHeight) / Height;

// The frame around the figure, in card units: its outer edge and its inner
// edge one unit inside.
const QRectF FrameOuter(12, 9, 47, 78);
const QRectF FrameInner(13, 10, 45, 76);

const char *const RankNames[] = {"jack", "queen", "king"};
const char *const SuitNames[] = {"spades", "diamonds", "clubs", "hearts"};

int cardNumber(int suit, int rank) { return suit * 13 + 10 + rank; }  // rank 0 jack .. 2 king

QString cardLabel(int suit, int rank)
{
    return QStringLiteral("%1 of %2").arg(QLatin1String(RankNames[rank]), QLatin1String(SuitNames[suit]));
}

// A picture as grey levels and colour channels, transparent pixels as white
// paper.
struct Grey {
    int width = 0;
    int height = 0;
    std::vector<double> level;
    std::array<std::vector<double>, 3> channel;
    double at(int x, int y) const { return level[size_t(y * width + x)]; }
};

Grey greyOf(const QImage &picture)
{
    const size_t size = size_t(picture.width() * picture.height());
    Grey grey{picture.width(), picture.height(), std::vector<double>(size), {}};
    for (auto &channel : grey.channel)
        channel.resize(size);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            const double a = qAlpha(p) / 255.0;
            const size_t at = size_t(y * grey.width + x);
            // Un-premultiplied colour over white.
            grey.level[at] = a * luminance(p) + (1 - a) * 255;
            grey.channel[0][at] = a * qRed(p) + (1 - a) * 255;
            grey.channel[1][at] = a * qGreen(p) + (1 - a) * 255;
            grey.channel[2][at] = a * qBlue(p) + (1 - a) * 255;
        }
    }
    return grey;
}

// The mean grey difference (0..255) between a picture and its own half turn.
double turnDifference(const Grey &grey)
{
    double sum = 0;
    for (int y = 0; y < grey.height; ++y)
        for (int x = 0; x < grey.width; ++x)
            sum += std::abs(grey.at(x, y) - grey.at(grey.width - 1 - x, grey.height - 1 - y));
    return sum / double(grey.width * grey.height);
}

// The edges of a card: the pixels where one of the colour channels changes
// by more than an eighth of its range across three pixels (Sobel, scaled so
// that a step from 0 to 255 gives 255). Every boundary between two colours
// is an edge, whatever their brightness, so that a figure recoloured keeps
// its edges. The whole card counts, as a user sees it: the outline, the
// indices and the frame that two court cards share dilute the difference of
// their figures.
struct Edges {
    std::vector<char> on;
    int count = 0;
};

constexpr double EdgeStep = 32;

Edges edgesOf(const Grey &grey)
{
    Edges edges{std::vector<char>(grey.level.size(), 0), 0};
    for (int y = 1; y < grey.height - 1; ++y) {
        for (int x = 1; x < grey.width - 1; ++x) {
            double strongest = 0;
            for (const auto &c : grey.channel) {
                const auto v = [&](int dx, int dy) { return c[size_t((y + dy) * grey.width + x + dx)]; };
                const double gx = v(1, -1) + 2 * v(1, 0) + v(1, 1) - v(-1, -1) - 2 * v(-1, 0) - v(-1, 1);
                const double gy = v(-1, 1) + 2 * v(0, 1) + v(1, 1) - v(-1, -1) - 2 * v(0, -1) - v(1, -1);
                strongest = std::max(strongest, std::sqrt(gx * gx + gy * gy) / 4);
            }
            if (strongest > EdgeStep) {
                edges.on[size_t(y * grey.width + x)] = 1;
                ++edges.count;
            }
        }
    }
    return edges;
}

// The share of a's edge pixels that have no edge pixel of b within two
// pixels: 0 when b's outlines cover a's, near 1 when they have nothing in
// common.
double unmatchedShare(const Edges &a, const Edges &b)
{
    if (a.count == 0)
        return 0;
    int unmatched = 0;
    for (int y = 2; y < LargeHeight - 2; ++y) {
        for (int x = 2; x < LargeWidth - 2; ++x) {
            if (!a.on[size_t(y * LargeWidth + x)])
                continue;
            bool near = false;
            for (int dy = -2; dy <= 2 && !near; ++dy)
                for (int dx = -2; dx <= 2 && !near; ++dx)
                    near = dx * dx + dy * dy <= 4 && b.on[size_t((y + dy) * LargeWidth + x + dx)];
            unmatched += !near;
        }
    }
    return double(unmatched) / a.count;
}

struct Distance {
    double forth;  // a's edges missing from b
    double back;   // b's edges missing from a
    double smaller() const { return std::min(forth, back); }
};

QString describe(const Distance &d)
{
    return QStringLiteral("%1 (%2 / %3)")
        .arg(d.smaller(), 0, 'f', 3)
        .arg(d.forth, 0, 'f', 3)
        .arg(d.back, 0, 'f', 3);
}

} // namespace

class TestCourtFigures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (int suit = 0; suit < 4; ++suit) {
            for (int rank = 0; rank < 3; ++rank) {
                const QByteArray svg = readCommitted(QStringLiteral("scalable/") + artgen::scalableFile(cardNumber(suit, rank)));
                const QImage picture = renderSvg(svg, QSize(LargeWidth, LargeHeight));
                QVERIFY2(!picture.isNull(), qPrintable(cardLabel(suit, rank)));
                greys[size_t(suit)][size_t(rank)] = greyOf(picture);
                edges[size_t(suit)][size_t(rank)] = edgesOf(greys[size_t(suit)][size_t(rank)]);
                // A figure, not an empty frame.
                QVERIFY2(edges[size_t(suit)][size_t(rank)].count > 20000, qPrintable(cardLabel(suit, rank)));
            }
        }
    }

    void eachCourtIsItsOwnHalfTurn()
    {
        // A double-headed card reads the same either way up: at 1050 pixels
        // and at the natural size. Measured: at most 0.04 at 1050 pixels and
        // 0.002 at 71 x 96; the same cards with the lower half only flipped
        // upside down, not turned, are 27 to 40 grey levels off.
        for (int suit = 0; suit < 4; ++suit) {
            for (int rank = 0; rank < 3; ++rank) {
                const double large = turnDifference(greys[size_t(suit)][size_t(rank)]);
                const QImage gif = deck::decodeGif(readCommitted(QStringLiteral("pictures/")
                                                                 + artgen::cardPictureName(cardNumber(suit, rank))
                                                                 + QStringLiteral(".gif")));
                QVERIFY(!gif.isNull());
                const double natural = turnDifference(greyOf(gif.convertToFormat(QImage::Format_ARGB32)));
                qInfo("%s: %.3f at 1050 pixels, %.3f at 71 x 96", qPrintable(cardLabel(suit, rank)), large, natural);
                QVERIFY2(large < 1 && natural < 1, qPrintable(cardLabel(suit, rank)));
            }
        }
    }

    void figuresStayInsideTheirFrames()
    {
        const auto unitsOf = [](int x, int y) { return QPointF((x + 0.5) / UnitX, (y + 0.5) / UnitY); };
        // The card's own outline with its rounded corners, left to its own tests.
        QPainterPath inside;
        inside.addRoundedRect(QRectF(1.75, 1.75, Width - 3.5, Height - 3.5), 2.5, 2.5);
        // The corner indices beside the frame: rank and suit sign top left and,
        // turned, bottom right.
        const QRectF index(0, 0, FrameOuter.left(), 30);
        const QRectF turnedIndex(Width - index.right(), Height - index.bottom(), index.width(), index.height());
        // A quarter unit of slack for the soft edges of the frame.
        const QRectF frame = FrameOuter.adjusted(-0.25, -0.25, 0.25, 0.25);
        const QRectF within = FrameInner.adjusted(0.25, 0.25, -0.25, -0.25);
        // Inside the frame the figure keeps clear of it by this much all
        // round, except for the bar across the middle where the figure meets
        // its turned copy.
        constexpr double Margin = 0.6;
        const QRectF clear = FrameInner.adjusted(Margin, Margin, -Margin, -Margin);
        const double middle = Height / 2.0;
        QStringList failures;
        for (int suit = 0; suit < 4; ++suit) {
            for (int rank = 0; rank < 3; ++rank) {
                const Grey &grey = greys[size_t(suit)][size_t(rank)];
                const QString label = cardLabel(suit, rank);
                // Plain paper all around the frame, and between the frame and
                // the figure.
                int outside = 0;
                int against = 0;
                for (int y = 0; y < LargeHeight; ++y) {
                    for (int x = 0; x < LargeWidth; ++x) {
                        const QPointF p = unitsOf(x, y);
                        const bool marked = grey.at(x, y) < 250;
                        if (inside.contains(p) && !frame.contains(p) && !index.contains(p) && !turnedIndex.contains(p))
                            outside += marked;
                        if (within.contains(p) && !clear.contains(p) && std::abs(p.y() - middle) > 0.5)
                            against += marked;
                    }
                }
                if (outside > 0)
                    failures << QStringLiteral("%1: %2 marked pixels outside the frame").arg(label).arg(outside);
                if (against > 0)
                    failures << QStringLiteral("%1: %2 marked pixels against the frame").arg(label).arg(against);
                // The frame line unbroken: one grey all along its middle.
                std::vector<double> line;
                for (double u = FrameOuter.left() + 0.5; u <= FrameOuter.right() - 0.5; u += 0.25) {
                    line.push_back(grey.at(int(u * UnitX), int((FrameOuter.top() + 0.5) * UnitY)));
                    line.push_back(grey.at(int(u * UnitX), int((FrameOuter.bottom() - 0.5) * UnitY)));
                }
                for (double v = FrameOuter.top() + 0.5; v <= FrameOuter.bottom() - 0.5; v += 0.25) {
                    line.push_back(grey.at(int((FrameOuter.left() + 0.5) * UnitX), int(v * UnitY)));
                    line.push_back(grey.at(int((FrameOuter.right() - 0.5) * UnitX), int(v * UnitY)));
                }
                const auto [lightest, darkest] = std::minmax_element(line.begin(), line.end());
                if (*darkest - *lightest >= 8)
                    failures << label + QStringLiteral(": the frame line is broken");
            }
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    void ranksDifferInOutline()
    {
        // The three courts of a suit are three figures, each with its own pose,
        // dress and attribute. The distance of two figures is the share of one
        // figure's edge pixels with no edge of the other within two pixels,
        // taken in both directions; the test holds the smaller of the two.
        QStringList failures;
        for (int suit = 0; suit < 4; ++suit) {
            for (const auto &[a, b] : {std::pair{0, 2}, std::pair{0, 1}, std::pair{1, 2}}) {
                const Distance d = distance(suit, a, suit, b);
                qInfo("%s: %s against %s: %s", SuitNames[suit], RankNames[a], RankNames[b], qPrintable(describe(d)));
                const double least = a == 0 && b == 2 ? 0.30 : 0.20;
                if (d.smaller() < least)
                    failures << QStringLiteral("%1 and %2: %3").arg(cardLabel(suit, a), cardLabel(suit, b), describe(d));
            }
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    void suitsDifferInOutline()
    {
        // No court card is another recoloured: the same rank in two suits holds
        // another object, wears other patterns.
        QStringList failures;
        for (int rank = 0; rank < 3; ++rank) {
            for (int a = 0; a < 4; ++a) {
                for (int b = a + 1; b < 4; ++b) {
                    const Distance d = distance(a, rank, b, rank);
                    qInfo("%s: %s against %s: %s", RankNames[rank], SuitNames[a], SuitNames[b], qPrintable(describe(d)));
                    if (d.smaller() < 0.08)
                        failures << QStringLiteral("%1 and %2: %3").arg(cardLabel(a, rank), cardLabel(b, rank), describe(d));
                }
            }
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    void distanceSeesOutlinesNotColours()
    {
        // The measure behind the two tests above: a card recoloured (every hue
        // turned by a third of the circle) keeps its outlines, a card moved by
        // half a unit (5 pixels each way) loses most of them. Measured on the
        // jack of spades: 0.000 recoloured, 0.55 moved (0.65 for the former
        // jack); edges a line's width apart still meet, so a move never
        // reaches 1.
        const QImage card = renderSvg(readCommitted(QStringLiteral("scalable/") + artgen::scalableFile(cardNumber(0, 0))),
                                      QSize(LargeWidth, LargeHeight));
        QVERIFY(!card.isNull());
        QImage recoloured = card;
        QImage moved(card.size(), QImage::Format_ARGB32);
        moved.fill(Qt::white);
        for (int y = 0; y < card.height(); ++y) {
            for (int x = 0; x < card.width(); ++x) {
                QColor c = QColor::fromRgba(card.pixel(x, y));
                if (c.hsvHue() >= 0)
                    c.setHsv((c.hsvHue() + 120) % 360, c.hsvSaturation(), c.value(), c.alpha());
                recoloured.setPixel(x, y, c.rgba());
                if (x >= 5 && y >= 5)
                    moved.setPixel(x, y, card.pixel(x - 5, y - 5));
            }
        }
        const Edges original = edgesOf(greyOf(card));
        const Edges ofRecoloured = edgesOf(greyOf(recoloured));
        const Edges ofMoved = edgesOf(greyOf(moved));
        const Distance sameOutlines{unmatchedShare(original, ofRecoloured), unmatchedShare(ofRecoloured, original)};
        const Distance shifted{unmatchedShare(original, ofMoved), unmatchedShare(ofMoved, original)};
        qInfo("recoloured: %s; moved by 5 pixels: %s", qPrintable(describe(sameOutlines)), qPrintable(describe(shifted)));
        QVERIFY2(std::max(sameOutlines.forth, sameOutlines.back) < 0.05, qPrintable(describe(sameOutlines)));
        QVERIFY2(shifted.smaller() > 0.4, qPrintable(describe(shifted)));
    }

private:
    Distance distance(int suitA, int rankA, int suitB, int rankB) const;
    std::array<std::array<Grey, 3>, 4> greys;
    std::array<std::array<Edges, 3>, 4> edges;
};

Distance TestCourtFigures::distance(int suitA, int rankA, int suitB, int rankB) const
{
    const Edges &a = edges[size_t(suitA)][size_t(rankA)];
    const Edges &b = edges[size_t(suitB)][size_t(rankB)];
    return {unmatchedShare(a, b), unmatchedShare(b, a)};
}

QTEST_MAIN(TestCourtFigures)
#include "test_court_figures.moc"
