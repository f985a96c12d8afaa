#include "deck/CardPixmaps.h"

#include "deck/DesignPixmaps.h"
#include "deck/RenderingCache.h"
#include "deck/ScalableReader.h"
#include "shell/Convert.h"

#include <QCache>
#include <QHash>
#include <QPainter>
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
    QHash<QString, std::shared_ptr<ScalableDocument>> sources;
    int renders = 0;
};

Cache &cache()
{
    static Cache *const instance = new Cache;
    return *instance;
}

std::shared_ptr<ScalableDocument> readSource(const QString &source)
{
    const ScalableReader *reader = scalableReader();
    if (!reader)
        return nullptr;
    return reader->read(QStringLiteral(":/deck/scalable/") + source + QStringLiteral(".svg"));
}

std::shared_ptr<ScalableDocument> sourceDocument(const QString &source)
{
    Cache &c = cache();
    auto found = c.sources.constFind(source);
    if (found != c.sources.constEnd())
        return *found;
    auto document = readSource(source);
    c.sources.insert(source, document);
    return document;
}

QImage renderWith(ScalableDocument &document, const QSize &devicePixels)
{
    QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    document.render(painter, QRectF(QPointF(0, 0), QSizeF(devicePixels)));
    painter.end();
    return image;
}

int roundHalfEven(qreal value)
{
    return int(shell::roundHalfEven(double(value)));
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
    const std::shared_ptr<ScalableDocument> document = sourceDocument(source);
    if (!document)
        return QImage();
    ++cache().renders;
    return renderWith(*document, devicePixels);
}

QImage renderScalableAlone(const QString &source, const QSize &devicePixels)
{
    if (source.isEmpty() || devicePixels.isEmpty())
        return QImage();
    const std::shared_ptr<ScalableDocument> document = readSource(source);
    return document ? renderWith(*document, devicePixels) : QImage();
}

QPixmap cardPixmap(const QImage &picture, const QSize &logical, qreal devicePixelRatio)
{
    if (picture.isNull() || logical.isEmpty())
        return QPixmap();
    // A chosen card design shows its own faces, back and jokers, at every
    // size, the natural one too.
    QPixmap inDesign = activeDesignPixmap(picture, logical, devicePixelRatio);
    if (!inDesign.isNull())
        return inDesign;
    const QSize device = devicePixelSize(logical, devicePixelRatio);
    if (device == picture.size()) {
        QPixmap pixmap = QPixmap::fromImage(picture);
        pixmap.setDevicePixelRatio(devicePixelRatio);
        return pixmap;
    }
    const QString source = cache().scalable ? scalableSourceOf(picture) : QString();
    const QString key = source + QLatin1Char('@') + QString::number(device.width()) + QLatin1Char('x')
        + QString::number(device.height());
    QPixmap pixmap;
    if (!source.isEmpty() && rendering::fetch(key, &pixmap)) {
        pixmap.setDevicePixelRatio(devicePixelRatio);
        return pixmap;
    }
    QImage image = renderScalable(source, device);
    const bool rendered = !image.isNull();
    if (!rendered)
        image = picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    if (rendered)
        rendering::keep(key, pixmap);
    return pixmap;
}

QPixmap smallCardPixmap(const QImage &picture, const QSize &logical, qreal devicePixelRatio)
{
    const QSize device = devicePixelSize(logical, devicePixelRatio);
    if (picture.isNull() || device.isEmpty() || device.width() > picture.width() || device.height() > picture.height())
        return cardPixmap(picture, logical, devicePixelRatio);
    QPixmap pixmap = activeDesignPixmap(picture, logical, devicePixelRatio);
    if (!pixmap.isNull())
        return pixmap;
    // Reducing the picture costs a fraction of rendering its source.
    const QString key = QStringLiteral("small:") + QString::number(picture.cacheKey()) + QLatin1Char('@')
        + QString::number(device.width()) + QLatin1Char('x') + QString::number(device.height());
    if (!rendering::fetch(key, &pixmap)) {
        pixmap = QPixmap::fromImage(picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                        .scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        rendering::keep(key, pixmap);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

namespace rendering {

bool fetch(const QString &key, QPixmap *pixmap)
{
    const QPixmap *held = cache().renderings.object(key);
    if (held)
        *pixmap = *held;
    return held != nullptr;
}

void keep(const QString &key, const QPixmap &pixmap)
{
    const QSize device = pixmap.size();
    const int kilobytes = int(qMax<qint64>(1, qint64(device.width()) * device.height() * 4 / 1024));
    cache().renderings.insert(key, new QPixmap(pixmap), kilobytes);
}

void countRenders(int renders)
{
    cache().renders += renders;
}

} // namespace rendering

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
