#include "deck/DesignPixmaps.h"

#include "deck/CardPixmaps.h"
#include "deck/DesignWarmUp.h"
#include "deck/PictureSet.h"
#include "deck/RenderingCache.h"

#include <QHash>
#include <QThreadPool>

#include <algorithm>
#include <array>

namespace deck {
namespace {

QString sizeText(const QSize &size)
{
    return QString::number(size.width()) + QLatin1Char('x') + QString::number(size.height());
}

QString renderingKey(const CardDesign &design, const QString &element, const QSize &device)
{
    return QStringLiteral("design:") + QString::number(design.serial()) + QLatin1Char('/') + element
        + QLatin1Char('@') + sizeText(device);
}

// The card number of a face element ("queen_heart" is 50), else -1.
int faceNumber(const QString &element)
{
    static const QHash<QString, int> faces = [] {
        QHash<QString, int> numbers;
        for (int card = 0; card < 52; ++card)
            numbers.insert(faceElementId(card), card);
        return numbers;
    }();
    return faces.value(element, -1);
}

struct Designs {
    std::shared_ptr<const CardDesign> active;
    // One warm-up at a time: a new one (another design or size) stops the last.
    std::shared_ptr<DesignWarmUp> warmUp;
    QString warmUpKey;
};

Designs &designs()
{
    static Designs *const instance = new Designs;
    return *instance;
}

QString warmUpKey(const CardDesign &design, const QSize &device)
{
    return QString::number(design.serial()) + QLatin1Char('@') + sizeText(device);
}

void stopWarmUp()
{
    Designs &d = designs();
    if (d.warmUp)
        d.warmUp->cancel();
    d.warmUp.reset();
    d.warmUpKey.clear();
}

// The warm-up holding this face, or nullptr.
DesignWarmUp *warmUpFor(const CardDesign &design, const QSize &device, int card)
{
    Designs &d = designs();
    return card >= 0 && d.warmUp && d.warmUpKey == warmUpKey(design, device) ? d.warmUp.get() : nullptr;
}

QPixmap kept(const QString &key, QImage image, qreal devicePixelRatio)
{
    if (image.isNull())
        return QPixmap();
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    rendering::keep(key, pixmap);
    rendering::countRenders(1);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    DesignWarmUp *warm = designs().warmUp.get();
    if (warm && warm->allTaken())
        stopWarmUp();
    return pixmap;
}

QPixmap pixmapFor(const CardDesign &design, const QString &element, const QSize &logical, qreal devicePixelRatio,
                  bool mayRender)
{
    if (element.isEmpty() || logical.isEmpty())
        return QPixmap();
    const QSize device = devicePixelSize(logical, devicePixelRatio);
    const QString key = renderingKey(design, element, device);
    QPixmap pixmap;
    if (rendering::fetch(key, &pixmap)) {
        pixmap.setDevicePixelRatio(devicePixelRatio);
        return pixmap;
    }
    const int card = faceNumber(element);
    DesignWarmUp *warm = warmUpFor(design, device, card);
    if (!mayRender)
        return warm ? kept(key, warm->takeIfDrawn(card), devicePixelRatio) : QPixmap();
    QImage image = warm ? warm->take(card) : QImage();
    // Taken before, and since dropped from the cache: drawn again.
    if (image.isNull())
        image = design.render(element, device);
    return kept(key, std::move(image), devicePixelRatio);
}

} // namespace

void setActiveDesign(std::shared_ptr<const CardDesign> design)
{
    Designs &d = designs();
    if (d.warmUp && (!design || &d.warmUp->design() != design.get()))
        stopWarmUp();
    d.active = std::move(design);
}

std::shared_ptr<const CardDesign> activeDesign()
{
    return designs().active;
}

QPixmap activeDesignPixmap(const QImage &picture, const QSize &logical, qreal devicePixelRatio)
{
    const CardDesign *design = designs().active.get();
    if (!design || picture.isNull())
        return QPixmap();
    return designPixmap(*design, design->elementForSource(scalableSourceOf(picture)), logical, devicePixelRatio);
}

QPixmap readyCardPixmap(const QImage &picture, const QSize &logical, qreal devicePixelRatio)
{
    const CardDesign *design = designs().active.get();
    if (design && !picture.isNull() && !logical.isEmpty()) {
        const int card = faceNumber(design->elementForSource(scalableSourceOf(picture)));
        const DesignWarmUp *warm = warmUpFor(*design, devicePixelSize(logical, devicePixelRatio), card);
        if (warm && warm->onItsWay(card))
            return QPixmap();
    }
    return cardPixmap(picture, logical, devicePixelRatio);
}

QPixmap designPixmap(const CardDesign &design, const QString &element, const QSize &logical, qreal devicePixelRatio)
{
    return pixmapFor(design, element, logical, devicePixelRatio, true);
}

QPixmap readyDesignPixmap(const CardDesign &design, const QString &element, const QSize &logical,
                          qreal devicePixelRatio)
{
    return pixmapFor(design, element, logical, devicePixelRatio, false);
}

QImage renderInDesign(const CardDesign &design, const QImage &picture, const QSize &devicePixels)
{
    return design.render(design.elementForSource(scalableSourceOf(picture)), devicePixels);
}

QFuture<void> warmDesignFaces(const std::shared_ptr<const CardDesign> &design, const QSize &devicePixels)
{
    if (!design || devicePixels.isEmpty())
        return QtFuture::makeReadyFuture();
    Designs &d = designs();
    const QString key = warmUpKey(*design, devicePixels);
    if (d.warmUp && d.warmUpKey == key)
        return d.warmUp->future();
    stopWarmUp();
    std::array<bool, 52> done;
    QPixmap held;
    for (int card = 0; card < 52; ++card)
        done[card] = rendering::fetch(renderingKey(*design, faceElementId(card), devicePixels), &held);
    if (std::count(done.begin(), done.end(), true) == 52)
        return QtFuture::makeReadyFuture();
    auto warm = std::make_shared<DesignWarmUp>(design, devicePixels, done);
    // Each worker holds the warm-up until it ends, also when the warm-up is
    // dropped here meanwhile.
    DesignWarmUp::start(warm, QThreadPool::globalInstance());
    d.warmUp = warm;
    d.warmUpKey = key;
    return warm->future();
}

} // namespace deck
