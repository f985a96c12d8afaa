#include "tools/artgen/VectorRecorder.h"

#include <QPaintEngine>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRegion>
#include <optional>

namespace artgen {
namespace {

// True when `path` is an axis-parallel rectangle; `rect` receives it.
bool isRectangle(const QPainterPath &path, QRectF *rect)
{
    const int count = path.elementCount();
    if (count < 4 || count > 5)
        return false;
    const QRectF bounds = path.boundingRect();
    QPointF previous = path.elementAt(0);
    for (int i = 0; i < count; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if ((i == 0) != e.isMoveTo() || e.isCurveTo())
            return false;
        const bool onX = e.x == bounds.left() || e.x == bounds.right();
        const bool onY = e.y == bounds.top() || e.y == bounds.bottom();
        if (!onX || !onY || (i > 0 && e.x != previous.x() && e.y != previous.y()))
            return false;
        previous = e;
    }
    *rect = bounds;
    return true;
}

bool hasCurves(const QPainterPath &path)
{
    for (int i = 0; i < path.elementCount(); ++i)
        if (path.elementAt(i).isCurveTo())
            return true;
    return false;
}

} // namespace

QPainterPath finelyFlattened(const QPainterPath &path)
{
    if (!hasCurves(path))
        return path;
    // Qt flattens to within half a unit of the given device: flatten at
    // 16 times the size and scale back.
    constexpr double Fine = 16.0;
    QPainterPath flat;
    flat.setFillRule(path.fillRule());
    const QTransform down = QTransform::fromScale(1 / Fine, 1 / Fine);
    for (const QPolygonF &polygon : path.toSubpathPolygons(QTransform::fromScale(Fine, Fine)))
        flat.addPolygon(down.map(polygon));
    return flat;
}

// The engine behind VectorRecorder. It declares every feature, so QPainter
// hands over untransformed primitives together with its full state; the
// default decompositions of QPaintEngine turn rectangles, ellipses, lines
// and points into drawPath and drawPolygon calls.
class VectorEngine : public QPaintEngine {
public:
    explicit VectorEngine(VectorRecorder &device) : QPaintEngine(AllFeatures), device(device) {}

    bool begin(QPaintDevice *) override
    {
        pen = QPen();
        brush = QBrush();
        transform = QTransform();
        brushOrigin = QPointF();
        opacity = 1.0;
        antialiased = false;
        clipEnabled = false;
        clip.reset();
        clipRect.reset();
        return true;
    }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState &state) override;
    void drawPath(const QPainterPath &path) override;
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override;
    void drawPolygon(const QPoint *points, int count, PolygonDrawMode mode) override
    {
        QPolygonF polygon;
        for (int i = 0; i < count; ++i)
            polygon << QPointF(points[i]);
        drawPolygon(polygon.constData(), count, mode);
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { refuse("a pixmap"); }
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override
    {
        refuse("an image");
    }
    void drawTiledPixmap(const QRectF &, const QPixmap &, const QPointF &) override { refuse("a tiled pixmap"); }
    void drawTextItem(const QPointF &, const QTextItem &) override { refuse("text"); }

private:
    void refuse(const char *what)
    {
        if (device.refused.isEmpty())
            device.refused = QStringLiteral("%1 has no vector form").arg(QLatin1String(what));
    }
    void applyClip(const QPainterPath &logical, Qt::ClipOperation operation, const QTransform &matrix);
    void fill(const QPainterPath &path);
    void stroke(const QPainterPath &path);
    void record(QPainterPath picturePath, const QBrush &paint, const QTransform &brushToPicture);
    QPainterPath clipped(const QPainterPath &path) const;

    VectorRecorder &device;
    QPen pen;
    QBrush brush;
    QTransform transform;
    QPointF brushOrigin;
    double opacity = 1.0;
    bool antialiased = false;
    bool clipEnabled = false;
    // The clip in picture units; its rectangle when it is one.
    std::optional<QPainterPath> clip;
    std::optional<QRectF> clipRect;
};

void VectorEngine::updateState(const QPaintEngineState &state)
{
    const DirtyFlags flags = state.state();
    if (flags & DirtyTransform)
        transform = state.transform();
    if (flags & DirtyPen)
        pen = state.pen();
    if (flags & DirtyBrush)
        brush = state.brush();
    if (flags & DirtyBrushOrigin)
        brushOrigin = state.brushOrigin();
    if (flags & DirtyOpacity)
        opacity = state.opacity();
    if (flags & DirtyHints)
        antialiased = state.renderHints().testFlag(QPainter::Antialiasing);
    if ((flags & DirtyCompositionMode) && state.compositionMode() != QPainter::CompositionMode_SourceOver)
        refuse("a composition mode other than source-over");
    // A clip comes in the coordinates of the transform it was set under;
    // when QPainter restores a saved state it replays every clip of that
    // state, each with its own transform, after a reset to no clip.
    if (flags & DirtyClipRegion) {
        QPainterPath region;
        region.addRegion(state.clipRegion());
        applyClip(region, state.clipOperation(), state.transform());
    }
    if (flags & DirtyClipPath)
        applyClip(state.clipPath(), state.clipOperation(), state.transform());
    if (flags & DirtyClipEnabled)
        clipEnabled = state.isClipEnabled();
}

void VectorEngine::applyClip(const QPainterPath &logical, Qt::ClipOperation operation, const QTransform &matrix)
{
    if (operation == Qt::NoClip) {
        clip.reset();
        clipRect.reset();
        return;
    }
    QPainterPath mapped = matrix.map(logical);
    if (clip && operation == Qt::IntersectClip)
        mapped = finelyFlattened(*clip).intersected(finelyFlattened(mapped));
    clip = mapped;
    QRectF rect;
    if (isRectangle(mapped, &rect))
        clipRect = rect;
    else
        clipRect.reset();
    clipEnabled = true;
}

QPainterPath VectorEngine::clipped(const QPainterPath &path) const
{
    if (!clipEnabled || !clip)
        return path;
    const QRectF bounds = path.controlPointRect();
    if (!clip->controlPointRect().intersects(bounds))
        return QPainterPath();
    if (clipRect) {
        if (clipRect->contains(bounds))
            return path;
        QRectF rect;
        if (isRectangle(path, &rect)) {
            QPainterPath cut;
            cut.addRect(rect & *clipRect);
            return cut;
        }
    } else if (clip->contains(bounds)) {
        return path;
    }
    return finelyFlattened(path).intersected(finelyFlattened(*clip));
}

void VectorEngine::record(QPainterPath picturePath, const QBrush &paint, const QTransform &brushToPicture)
{
    if (paint.style() == Qt::NoBrush || picturePath.isEmpty())
        return;
    const QGradient *gradient = paint.gradient();
    if (paint.style() != Qt::SolidPattern
        && (!gradient || gradient->type() == QGradient::ConicalGradient
            || gradient->coordinateMode() != QGradient::LogicalMode)) {
        refuse("a brush other than a colour or a linear or radial gradient in painter coordinates");
        return;
    }
    if (opacity <= 0 || (paint.style() == Qt::SolidPattern && paint.color().alpha() == 0))
        return;
    picturePath = clipped(picturePath);
    if (picturePath.isEmpty() || picturePath.boundingRect().isEmpty())
        return;
    device.recorded.append({picturePath, paint, brushToPicture, opacity});
}

void VectorEngine::fill(const QPainterPath &path)
{
    if (brush.style() == Qt::NoBrush)
        return;
    const QTransform brushToPicture = brush.transform() * QTransform::fromTranslate(brushOrigin.x(), brushOrigin.y())
        * transform;
    record(transform.map(path), brush, brushToPicture);
}

void VectorEngine::stroke(const QPainterPath &path)
{
    if (pen.style() == Qt::NoPen || pen.brush().style() == Qt::NoBrush)
        return;
    QPainterPathStroker stroker;
    stroker.setCapStyle(pen.capStyle());
    stroker.setJoinStyle(pen.joinStyle());
    stroker.setMiterLimit(pen.miterLimit());
    if (pen.style() != Qt::SolidLine) {
        stroker.setDashPattern(pen.dashPattern());
        stroker.setDashOffset(pen.dashOffset());
    }
    QPainterPath outline;
    QTransform brushToPicture = transform;
    if (pen.isCosmetic()) {
        // A cosmetic pen has its width in picture units; width 0 is one unit.
        stroker.setWidth(pen.widthF() > 0 ? pen.widthF() : 1.0);
        outline = stroker.createStroke(transform.map(path));
    } else {
        stroker.setWidth(pen.widthF());
        outline = transform.map(stroker.createStroke(path));
    }
    if (!antialiased) {
        // Without antialiasing a pen on a whole-numbered line covers the
        // pixels right of and below it: the outline's true place is half a
        // unit further.
        outline.translate(0.5, 0.5);
        brushToPicture *= QTransform::fromTranslate(0.5, 0.5);
    }
    record(outline, pen.brush(), pen.brush().transform() * brushToPicture);
}

void VectorEngine::drawPath(const QPainterPath &path)
{
    fill(path);
    stroke(path);
}

void VectorEngine::drawPolygon(const QPointF *points, int count, PolygonDrawMode mode)
{
    if (count < 2)
        return;
    QPainterPath path;
    path.moveTo(points[0]);
    for (int i = 1; i < count; ++i)
        path.lineTo(points[i]);
    if (mode == PolylineMode) {
        stroke(path);
        return;
    }
    path.closeSubpath();
    path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    drawPath(path);
}

VectorRecorder::VectorRecorder(int width, int height) : size(width, height), engine(new VectorEngine(*this)) {}

VectorRecorder::~VectorRecorder() = default;

QPaintEngine *VectorRecorder::paintEngine() const { return engine.get(); }

int VectorRecorder::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return size.width();
    case PdmHeight:
        return size.height();
    case PdmWidthMM:
        return qRound(size.width() * 25.4 / 96);
    case PdmHeightMM:
        return qRound(size.height() * 25.4 / 96);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}

} // namespace artgen
