#include "deck/CardPixmaps.h"

#include "shell/Convert.h"

#include <QCache>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <memory>

namespace deck {
namespace {

// Room for a full draw at 4K (53 cards of about 270 x 365 pixels, 21 MB)
// with the two large cards of the other mode beside it; Qt's shared pixmap
// cache holds only 10 MB.
constexpr int CacheKilobytes = 64 * 1024;

struct Cache {
    bool scalable = true;
    QCache<QString, QPixmap> renderings{CacheKilobytes};
    // Parsed sources, kept once read: parsing costs more than rendering.
    QHash<QString, std::shared_ptr<QSvgRenderer>> sources;
    int renders = 0;
};

Cache &cache()
{
    static Cache *const instance = new Cache;
    return *instance;
}

std::shared_ptr<QSvgRenderer> readSource(const QString &source)
{
    auto renderer = std::make_shared<QSvgRenderer>(QStringLiteral(":/deck/scalable/") + source + QStringLiteral(".svg"));
    if (!renderer->isValid())
        renderer.reset();
    return renderer;
}

std::shared_ptr<QSvgRenderer> sourceRenderer(const QString &source)
{
    Cache &c = cache();
    auto found = c.sources.constFind(source);
    if (found != c.sources.constEnd())
        return *found;
    auto renderer = readSource(source);
    c.sources.insert(source, renderer);
    return renderer;
}

QImage renderWith(QSvgRenderer &renderer, const QSize &devicePixels)
{
    QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(devicePixels)));
    painter.end();
    return image;
}

int roundHalfEven(qreal value)
{
    return int(shell::RoundHalfEven(double(value)));
}

} // namespace

QSize devicePixelSize(const QSize &logical, qreal devicePixelRatio)
{
    return QSize(roundHalfEven(logical.width() * devicePixelRatio), roundHalfEven(logical.height() * devicePixelRatio));
}

QImage renderScalable(const QString &source, const QSize &devicePixels)
{
    if (source.isEmpty() || devicePixels.isEmpty())
        return QImage();
    const std::shared_ptr<QSvgRenderer> renderer = sourceRenderer(source);
    if (!renderer)
        return QImage();
    ++cache().renders;
    return renderWith(*renderer, devicePixels);
}

QImage renderScalableAlone(const QString &source, const QSize &devicePixels)
{
    if (source.isEmpty() || devicePixels.isEmpty())
        return QImage();
    const std::shared_ptr<QSvgRenderer> renderer = readSource(source);
    return renderer ? renderWith(*renderer, devicePixels) : QImage();
}

QPixmap cardPixmap(const QImage &picture, const QSize &logical, qreal devicePixelRatio)
{
    if (picture.isNull() || logical.isEmpty())
        return QPixmap();
    const QSize device = devicePixelSize(logical, devicePixelRatio);
    if (device == picture.size()) {
        QPixmap pixmap = QPixmap::fromImage(picture);
        pixmap.setDevicePixelRatio(devicePixelRatio);
        return pixmap;
    }
    const QString source = cache().scalable ? scalableSourceOf(picture) : QString();
    const QString key = source + QLatin1Char('@') + QString::number(device.width()) + QLatin1Char('x')
        + QString::number(device.height());
    Cache &c = cache();
    if (!source.isEmpty()) {
        if (const QPixmap *held = c.renderings.object(key)) {
            QPixmap pixmap = *held;
            pixmap.setDevicePixelRatio(devicePixelRatio);
            return pixmap;
        }
    }
    QImage image = renderScalable(source, device);
    const bool rendered = !image.isNull();
    if (!rendered)
        image = picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    if (rendered) {
        const int kilobytes = int(qMax<qint64>(1, qint64(device.width()) * device.height() * 4 / 1024));
        c.renderings.insert(key, new QPixmap(pixmap), kilobytes);
    }
    return pixmap;
}

void setScalableRendering(bool on)
{
    cache().scalable = on;
}

ScalableCacheStats scalableCacheStats()
{
    // Each rendering is held at a cost of its size in kilobytes.
    const Cache &c = cache();
    return ScalableCacheStats{qint64(c.renderings.totalCost()) * 1024, int(c.renderings.size()), c.renders};
}

void clearScalableCache()
{
    cache().renderings.clear();
    cache().renders = 0;
}

} // namespace deck
