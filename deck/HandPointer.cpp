#include "deck/HandPointer.h"

#include "deck/ScalableReader.h"

#include <QPainter>

namespace deck {

QImage scalableHandPicture(int side)
{
    const ScalableReader *reader = side > 0 ? scalableReader() : nullptr;
    if (!reader)
        return QImage();
    const std::unique_ptr<ScalableDocument> hand = reader->read(QStringLiteral(":/deck/pointer/HAND-M.svg"));
    if (!hand)
        return QImage();
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    hand->render(painter, QRectF(0, 0, side, side));
    painter.end();
    return picture;
}

} // namespace deck
