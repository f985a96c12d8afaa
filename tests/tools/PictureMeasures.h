#pragma once
// Measures for comparing the scalable card pictures with the natural-size
// GIF pictures: rendering an SVG document, the difference in design of two
// pictures of one size, and the ink along a scan line or in a column.
#include "deck/GifDecode.h"
#include "tools/artgen/ArtGen.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtMath>
#include <algorithm>
#include <vector>

namespace picturemeasures {

constexpr int Width = 71;
constexpr int Height = 96;

// A committed file below assets/.
inline QByteArray readCommitted(const QString &path)
{
    QFile file(qEnvironmentVariable("DEALWRIGHT_SOURCE_DIR") + QStringLiteral("/assets/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The two committed forms of card picture `index`: the GIF (decoded to
// ARGB) and the SVG document.
inline QImage committedGif(int index)
{
    return deck::decodeGif(readCommitted(QStringLiteral("pictures/") + artgen::cardPictureName(index) + QStringLiteral(".gif")))
        .convertToFormat(QImage::Format_ARGB32);
}

inline QByteArray committedSvg(int index) { return readCommitted(QStringLiteral("scalable/") + artgen::scalableFile(index)); }

// The document drawn by Qt SVG onto a transparent picture of `size`.
inline QImage renderSvg(const QByteArray &svg, const QSize &size)
{
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return QImage();
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return picture.convertToFormat(QImage::Format_ARGB32);
}

inline int luminance(QRgb colour) { return (299 * qRed(colour) + 587 * qGreen(colour) + 114 * qBlue(colour)) / 1000; }

// A picture made comparable with another form of the same design. A GIF
// keeps a pixel either transparent or opaque and its letters are pixel
// patterns, while the SVG's letters are outlines with soft edges; so a
// pixel less than half opaque counts as transparent, transparent pixels
// count as mid grey, and the picture is blurred by a Gaussian of one
// pixel, the scale at which a pixel letter and its outline carry the same
// ink.
struct Softened {
    QSize size;
    std::vector<double> rgb;
};

inline Softened soften(const QImage &source)
{
    const QImage picture = source.convertToFormat(QImage::Format_ARGB32);
    const int w = picture.width();
    const int h = picture.height();
    Softened out{picture.size(), std::vector<double>(size_t(w * h * 3))};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb p = picture.pixel(x, y);
            const bool opaque = qAlpha(p) >= 128;
            const size_t at = size_t(y * w + x) * 3;
            out.rgb[at] = opaque ? qRed(p) : 128;
            out.rgb[at + 1] = opaque ? qGreen(p) : 128;
            out.rgb[at + 2] = opaque ? qBlue(p) : 128;
        }
    }
    // Separable Gaussian blur (sigma 1, radius 3), edges repeated.
    double kernel[7];
    double sum = 0;
    for (int i = -3; i <= 3; ++i) {
        kernel[i + 3] = std::exp(-i * i / 2.0);
        sum += kernel[i + 3];
    }
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<double> blurred(out.rgb.size());
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                for (int c = 0; c < 3; ++c) {
                    double v = 0;
                    for (int i = -3; i <= 3; ++i) {
                        const int xx = pass == 0 ? std::clamp(x + i, 0, w - 1) : x;
                        const int yy = pass == 1 ? std::clamp(y + i, 0, h - 1) : y;
                        v += kernel[i + 3] / sum * out.rgb[size_t(yy * w + xx) * 3 + size_t(c)];
                    }
                    blurred[size_t(y * w + x) * 3 + size_t(c)] = v;
                }
            }
        }
        out.rgb.swap(blurred);
    }
    return out;
}

// The share of pixels (0..1) in which two pictures of the same size differ
// in design: softened alike, their colours more than 40 apart (RGB
// distance).
inline double designDifference(const Softened &a, const Softened &b)
{
    if (a.size != b.size || a.rgb.empty())
        return 1.0;
    int differing = 0;
    for (size_t i = 0; i < a.rgb.size(); i += 3) {
        const double dr = a.rgb[i] - b.rgb[i];
        const double dg = a.rgb[i + 1] - b.rgb[i + 1];
        const double db = a.rgb[i + 2] - b.rgb[i + 2];
        differing += std::sqrt(dr * dr + dg * dg + db * db) > 40;
    }
    return double(differing) / double(a.size.width() * a.size.height());
}

inline double designDifference(const QImage &a, const QImage &b) { return designDifference(soften(a), soften(b)); }

// A card-sized picture without its outline: the outermost ring of pixels
// made transparent. The natural-size picture has a one-pixel outline and
// the scalable one a fine line, so the two forms of one design are
// compared inside it.
inline QImage withoutOutline(const QImage &picture)
{
    QImage inside = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < inside.height(); ++y) {
        for (int x = 0; x < inside.width(); ++x) {
            if (x == 0 || y == 0 || x == inside.width() - 1 || y == inside.height() - 1)
                inside.setPixel(x, y, qRgba(0, 0, 0, 0));
        }
    }
    return inside;
}

// Two pictures show the same design below this share of differing pixels.
// Measured on the committed pictures inside their outlines: a scalable
// picture against its own GIF at most 0.21 %, against any other GIF at
// least 1.31 % (the nearest pairs are the same rank in spades and clubs).
constexpr double SameDesign = 0.008;

// The widths of the ink-to-paper transitions along one row: for every
// place where a run of ink pixels (luminance within 10 % of the darkest)
// meets a run of paper pixels (within 10 % of the lightest), the number of
// pixels in between. Thin features (ink to ink through a lighter pixel)
// are not transitions.
inline std::vector<int> transitionWidths(const QImage &picture, int row)
{
    int dark = 255;
    int light = 0;
    for (int x = 0; x < picture.width(); ++x) {
        dark = std::min(dark, luminance(picture.pixel(x, row)));
        light = std::max(light, luminance(picture.pixel(x, row)));
    }
    const int margin = (light - dark) / 10;
    std::vector<int> widths;
    int lastKind = 0;  // -1 ink, 1 paper
    int between = 0;
    for (int x = 0; x < picture.width(); ++x) {
        const int l = luminance(picture.pixel(x, row));
        const int kind = l <= dark + margin ? -1 : l >= light - margin ? 1 : 0;
        if (kind == 0) {
            ++between;
            continue;
        }
        if (lastKind != 0 && kind != lastKind)
            widths.push_back(between);
        lastKind = kind;
        between = 0;
    }
    return widths;
}

} // namespace picturemeasures
