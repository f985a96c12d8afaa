#include "tools/artgen/SvgWriter.h"

#include <QColor>
#include <QGradient>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace artgen {
namespace {

// A number given in hundredths: at most two decimals, no trailing zeros
// and, when `bare`, no zero before the point (".5").
QByteArray hundredthsText(long long hundredths, bool bare)
{
    QByteArray text;
    if (hundredths < 0)
        text += '-';
    const long long magnitude = hundredths < 0 ? -hundredths : hundredths;
    if (!bare || magnitude >= 100 || magnitude == 0)
        text += QByteArray::number(magnitude / 100);
    const int fraction = int(magnitude % 100);
    if (fraction != 0) {
        text += '.';
        text += char('0' + fraction / 10);
        if (fraction % 10 != 0)
            text += char('0' + fraction % 10);
    }
    return text;
}

QByteArray number(double value) { return hundredthsText(std::llround(value * 100.0), false); }

QByteArray colourText(const QColor &colour)
{
    return QColor(colour.red(), colour.green(), colour.blue()).name().toLatin1();
}

QByteArray attribute(const char *name, const QByteArray &value) { return QByteArray(" ") + name + "=\"" + value + '"'; }

// Path data written compactly: numbers in hundredths, a separator only
// where the next number would otherwise run into the previous one.
class PathText {
public:
    void command(char letter)
    {
        text += letter;
        dotted = false;
        fresh = true;
    }
    void add(long long hundredths)
    {
        const QByteArray value = hundredthsText(hundredths, true);
        const bool runsOn = value.startsWith('-') || (value.startsWith('.') && dotted);
        if (!fresh && !runsOn)
            text += ' ';
        text += value;
        dotted = value.contains('.');
        fresh = false;
    }
    QByteArray text;

private:
    bool dotted = false;
    bool fresh = true;
};

// True when b lies on the straight way from a to c (whole hundredths).
bool onTheWay(const QPoint &a, const QPoint &b, const QPoint &c)
{
    const QPoint ab = b - a;
    const QPoint bc = c - b;
    return qint64(ab.x()) * bc.y() == qint64(ab.y()) * bc.x() && QPoint::dotProduct(ab, bc) > 0;
}

QByteArray gradientElement(const VectorShape &shape, const QByteArray &id)
{
    const QGradient &gradient = *shape.brush.gradient();
    QByteArray element;
    if (gradient.type() == QGradient::LinearGradient) {
        const auto &linear = static_cast<const QLinearGradient &>(gradient);
        element = "<linearGradient" + attribute("id", id) + attribute("gradientUnits", "userSpaceOnUse")
            + attribute("x1", number(linear.start().x())) + attribute("y1", number(linear.start().y()))
            + attribute("x2", number(linear.finalStop().x())) + attribute("y2", number(linear.finalStop().y()));
    } else {
        const auto &radial = static_cast<const QRadialGradient &>(gradient);
        element = "<radialGradient" + attribute("id", id) + attribute("gradientUnits", "userSpaceOnUse")
            + attribute("cx", number(radial.center().x())) + attribute("cy", number(radial.center().y()))
            + attribute("r", number(radial.radius()));
        if (radial.focalPoint() != radial.center())
            element += attribute("fx", number(radial.focalPoint().x())) + attribute("fy", number(radial.focalPoint().y()));
    }
    if (gradient.spread() == QGradient::ReflectSpread)
        element += attribute("spreadMethod", "reflect");
    else if (gradient.spread() == QGradient::RepeatSpread)
        element += attribute("spreadMethod", "repeat");
    const QTransform &t = shape.brushToPicture;
    if (!t.isIdentity()) {
        element += attribute("gradientTransform", "matrix(" + number(t.m11()) + ' ' + number(t.m12()) + ' '
                                                      + number(t.m21()) + ' ' + number(t.m22()) + ' ' + number(t.dx())
                                                      + ' ' + number(t.dy()) + ')');
    }
    element += ">\n";
    for (const QGradientStop &stop : gradient.stops()) {
        element += "<stop" + attribute("offset", number(stop.first)) + attribute("stop-color", colourText(stop.second));
        if (stop.second.alpha() < 255)
            element += attribute("stop-opacity", number(stop.second.alphaF()));
        element += "/>\n";
    }
    element += gradient.type() == QGradient::LinearGradient ? "</linearGradient>\n" : "</radialGradient>\n";
    return element;
}

} // namespace

QByteArray svgPathData(const QPainterPath &path)
{
    PathText out;
    for (const QPolygonF &polygon : finelyFlattened(path).toSubpathPolygons()) {
        std::vector<QPoint> points;
        for (const QPointF &p : polygon) {
            const QPoint q(int(std::llround(p.x() * 100)), int(std::llround(p.y() * 100)));
            if (points.empty() || q != points.back())
                points.push_back(q);
        }
        while (points.size() > 1 && points.back() == points.front())
            points.pop_back();
        std::vector<QPoint> corners;
        for (size_t i = 0; i < points.size(); ++i) {
            const QPoint &before = corners.empty() ? points.back() : corners.back();
            if (!onTheWay(before, points[i], points[(i + 1) % points.size()]))
                corners.push_back(points[i]);
        }
        if (corners.size() < 3)
            continue;
        out.command('M');
        out.add(corners[0].x());
        out.add(corners[0].y());
        out.command('l');
        for (size_t i = 1; i < corners.size(); ++i) {
            out.add(corners[i].x() - corners[i - 1].x());
            out.add(corners[i].y() - corners[i - 1].y());
        }
    }
    return out.text;
}

QByteArray svgDocument(const QList<VectorShape> &shapes, int width, int height)
{
    QByteArray defs;
    QByteArray body;
    int gradients = 0;
    for (const VectorShape &shape : shapes) {
        const QByteArray data = svgPathData(shape.path);
        if (data.isEmpty())
            continue;
        QByteArray fill;
        double alpha = shape.opacity;
        if (shape.brush.gradient()) {
            const QByteArray id = 'g' + QByteArray::number(gradients++);
            defs += gradientElement(shape, id);
            fill = "url(#" + id + ')';
        } else {
            fill = colourText(shape.brush.color());
            alpha *= shape.brush.color().alphaF();
        }
        body += "<path" + attribute("fill", fill);
        if (alpha < 1.0)
            body += attribute("fill-opacity", number(alpha));
        if (shape.path.fillRule() == Qt::OddEvenFill)
            body += attribute("fill-rule", "evenodd");
        body += attribute("d", data) + "/>\n";
    }
    const QByteArray w = QByteArray::number(width);
    const QByteArray h = QByteArray::number(height);
    QByteArray document = "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\""
        + attribute("width", w) + attribute("height", h) + attribute("viewBox", "0 0 " + w + ' ' + h) + ">\n";
    if (!defs.isEmpty())
        document += "<defs>\n" + defs + "</defs>\n";
    return document + body + "</svg>\n";
}

QByteArray svgDocument(const VectorRecorder &recorder)
{
    if (!recorder.failure().isEmpty())
        throw std::runtime_error(recorder.failure().toStdString());
    return svgDocument(recorder.shapes(), recorder.width(), recorder.height());
}

} // namespace artgen
