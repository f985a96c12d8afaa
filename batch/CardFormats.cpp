#include "batch/CardFormats.h"

#include "batch/Bitmap.h"
#include "deck/CardPixmaps.h"
#include "deck/DesignPixmaps.h"
#include "shell/Failure.h"

#include "batch/PngFile.h"

#include <QCoreApplication>
#include <QPainter>
#include <QThread>

#include <algorithm>
#include <future>

namespace batch {
namespace {

// Transparent pixels become white, as the bitmap files have always had them.
QImage onWhite(const QImage &image)
{
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    return flat;
}

} // namespace

std::optional<CardFormat> cardFormatNamed(const QString &name)
{
    if (name.compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0)
        return CardFormat::Bmp;
    if (name.compare(QLatin1String("png"), Qt::CaseInsensitive) == 0)
        return CardFormat::Png;
    return std::nullopt;
}

QString extensionOf(CardFormat format)
{
    return format == CardFormat::Png ? QStringLiteral(".png") : QStringLiteral(".bmp");
}

std::optional<int> cardHeightFrom(const QString &text)
{
    // Leading zeros add nothing to the number ("0000000096" is 96); more
    // than nine digits after them are beyond any height.
    qsizetype first = 0;
    while (first + 1 < text.size() && text[first] == QLatin1Char('0'))
        ++first;
    const QStringView digits = QStringView(text).sliced(first);
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    if (value < NaturalCardHeight || value > LargestCardHeight)
        return std::nullopt;
    return value;
}

int cardWidthFor(int height)
{
    const long long scaled = 1065LL * height;
    long long whole = scaled / 1440;
    const long long rest = scaled % 1440;
    if (2 * rest > 1440 || (2 * rest == 1440 && whole % 2 == 1))
        ++whole;
    return int(whole);
}

QImage cardImageAt(const QImage &picture, int height, const deck::CardDesign *design)
{
    if (picture.isNull())
        throw shell::Failure(QCoreApplication::translate("batch::CardFormats", "There is no picture to save"));
    if (height == picture.height())
        return picture;
    const QSize size(cardWidthFor(height), height);
    // Rendered anew (not through the screen's cache), so that several cards
    // can be made at once on several cores.
    if (design) {
        QImage inDesign = deck::renderInDesign(*design, picture, size);
        if (!inDesign.isNull())
            return inDesign;
    }
    QImage rendered = deck::renderScalableAlone(deck::scalableSourceOf(picture), size);
    if (rendered.isNull())
        rendered = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                       .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return rendered;
}

QByteArray cardFileBytes(const QImage &picture, CardFormat format, int height, const deck::CardDesign *design)
{
    const QImage image = cardImageAt(picture, height, design);
    if (format == CardFormat::Png)
        return encodePng(image);
    return bitmapBytes(image.format() == QImage::Format_Indexed8 ? image : onWhite(image));
}

} // namespace batch

namespace batch {

void makeCardFiles(const std::vector<QImage> &pictures, CardFormat format, int height,
                   const std::function<void(std::size_t, const QByteArray &, std::exception_ptr)> &take,
                   const deck::CardDesign *design)
{
    const std::size_t workers = std::max<std::size_t>(1, std::size_t(QThread::idealThreadCount()));
    for (std::size_t first = 0; first < pictures.size(); first += workers) {
        const std::size_t last = std::min(pictures.size(), first + workers);
        std::vector<std::future<QByteArray>> made;
        for (std::size_t i = first; i < last; ++i)
            made.push_back(std::async(std::launch::async, [&, i] { return cardFileBytes(pictures[i], format, height, design); }));
        for (std::size_t i = first; i < last; ++i) {
            QByteArray bytes;
            std::exception_ptr failure;
            try {
                bytes = made[i - first].get();
            } catch (...) {
                failure = std::current_exception();
            }
            take(i, bytes, failure);
        }
    }
}

} // namespace batch
