#pragma once
// Where a card-sized picture is drawn. Every design paints once, with
// QPainter on the surface's device, for both forms of the picture: the
// 71 x 96 raster picture of the GIF files and the scalable recording of
// the SVG files. The few steps that differ between the two go through the
// surface: the card's ground and outline (pixel-exact and one pixel wide in
// the raster picture, a fine rounded line in the scalable one), the
// letters (the typeface's pixels against its outlines) and the turned
// lower half of a court figure (a mirrored image against the same painting
// turned).
#include "tools/artgen/VectorRecorder.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <functional>

namespace artgen {

class CardSurface {
public:
    virtual ~CardSurface() = default;
    virtual QPaintDevice *device() = 0;
    // The whole card inside its outline filled with `fill`.
    virtual void fillCard(const QColor &fill) = 0;
    // The card's outline, over whatever was painted, with its rounded
    // corners; outside them the picture stays transparent. Drawn once, as
    // the last step.
    virtual void frame(const QColor &edge) = 0;
    // The field that a design covering the whole card (a back) fills: up
    // to the outline, or under it where the outline is drawn over the
    // field's edge.
    virtual QPainterPath field() const = 0;
    // Letters of the card typeface (Typeface.h) with their top left at
    // (x, y), nine units high; turned draws them rotated by 180 degrees
    // about the picture's centre. Called while no painter is active on the
    // device.
    virtual void text(const QString &text, int x, int y, const QColor &colour, bool turned = false) = 0;
    // Calls `paint` for the upper half of a double-headed figure, clipped
    // to `clip`, and puts the same painting turned by 180 degrees about the
    // picture's centre into the lower half.
    virtual void turnedHalves(const QRect &clip, const std::function<void(QPainter &)> &paint) = 0;
};

// The natural-size picture: the typeface's pixels, a pixel-set outline;
// finished() thresholds the transparency to on or off.
class RasterSurface : public CardSurface {
public:
    RasterSurface();
    QPaintDevice *device() override { return &canvas; }
    void fillCard(const QColor &fill) override;
    void frame(const QColor &edge) override;
    QPainterPath field() const override;
    void text(const QString &text, int x, int y, const QColor &colour, bool turned) override;
    void turnedHalves(const QRect &clip, const std::function<void(QPainter &)> &paint) override;
    QImage finished() const;

private:
    QImage canvas;
};

// The scalable picture: the typeface's outlines, a fine rounded outline.
class VectorSurface : public CardSurface {
public:
    VectorSurface();
    QPaintDevice *device() override { return &recorder; }
    void fillCard(const QColor &fill) override;
    void frame(const QColor &edge) override;
    QPainterPath field() const override;
    void text(const QString &text, int x, int y, const QColor &colour, bool turned) override;
    void turnedHalves(const QRect &clip, const std::function<void(QPainter &)> &paint) override;
    // The SVG document; throws std::runtime_error when something was drawn
    // that has no vector form.
    QByteArray svg() const;

private:
    void fillPath(const QPainterPath &path, const QColor &colour);
    VectorRecorder recorder;
};

// The card outline of the scalable pictures: a line of ScalableEdge units
// (1/200 of the card's width, a fine line at every size) between the
// outer edge (corner radius 3.5) and the inner edge. At the natural size
// the outer edge covers less than half of the three pixels at each corner
// that the raster pictures leave transparent and more than half of their
// neighbours.
constexpr double ScalableEdge = 71 / 200.0;
QPainterPath cardShape();
QPainterPath cardInside();

} // namespace artgen
