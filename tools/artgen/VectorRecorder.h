#pragma once
// A paint device that keeps what QPainter draws on it as filled shapes
// instead of pixels, so that the same painting code that draws a 71 x 96
// picture also gives its scalable form. Every drawing call becomes one or
// two filled outlines in picture units: the brush fills the shape, the pen's
// stroke is turned into the outline it covers. The painter's transform,
// opacity and clip are applied to the shapes themselves (clips cut the
// shapes geometrically), so the result needs neither transforms nor clip
// paths to be shown.
#include <QBrush>
#include <QList>
#include <QPaintDevice>
#include <QPainterPath>
#include <QString>
#include <QTransform>
#include <memory>

namespace artgen {

// One filled shape, in picture units (one unit is one pixel of the picture
// at its natural size).
struct VectorShape {
    QPainterPath path;         // with its fill rule
    QBrush brush;              // a solid colour or a gradient
    QTransform brushToPicture; // from the gradient's coordinates to picture units
    double opacity = 1.0;      // the painter's opacity (the colour's own alpha is in the brush)
};

class VectorEngine;

class VectorRecorder : public QPaintDevice {
public:
    VectorRecorder(int width, int height);
    ~VectorRecorder() override;

    QPaintEngine *paintEngine() const override;

    int width() const { return size.width(); }
    int height() const { return size.height(); }
    const QList<VectorShape> &shapes() const { return recorded; }
    // "" or what was drawn that has no vector form here (images, text,
    // composition modes other than source-over).
    const QString &failure() const { return refused; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    friend class VectorEngine;
    QSize size;
    QList<VectorShape> recorded;
    QString refused;
    std::unique_ptr<VectorEngine> engine;
};

// `path` with every curve replaced by short straight segments (at most
// 1/32 unit from the curve): the form in which shapes are cut by clips,
// since QPainterPath's set operations flatten curves much more coarsely.
QPainterPath finelyFlattened(const QPainterPath &path);

} // namespace artgen
