#include "deck/CardImage.h"

#include "deck/CardPixmaps.h"
#include "deck/DesignPixmaps.h"
#include "deck/PictureSet.h"
#include "shell/Accessibility.h"
#include "shell/Twips.h"

#include <QAccessible>
#include <QPainter>

namespace deck {

CardImage::CardImage(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    // A card image, not a "filler", for screen readers.
    shell::presentAs(this, QAccessible::Graphic);
}

void CardImage::setPicture(const QImage &picture)
{
    m_picture = picture;
    m_scaled = QPixmap();
    const QString name = pictureName(picture);
    if (!m_fixedName.isEmpty()) {
        if (name != accessibleDescription())
            setAccessibleDescription(name);
    } else if (name != accessibleName()) {
        setAccessibleName(name);
    }
    if (!m_stretch)
        takePictureSize();
    update();
}

void CardImage::setFixedName(const QString &name)
{
    m_fixedName = name;
    setAccessibleName(name);
    setAccessibleDescription(pictureName(m_picture));
}

void CardImage::clear()
{
    setPicture(QImage());
}

void CardImage::setStretch(bool stretch)
{
    if (m_stretch == stretch)
        return;
    m_stretch = stretch;
    m_scaled = QPixmap();
    if (!m_stretch)
        takePictureSize();
    update();
}

// An image that does not stretch takes its picture's size: 71 x 96 pixels
// for a card, that is 1065 x 1440 twips, which the window turns into pixels
// like every other size. Without a picture it keeps the size it had.
void CardImage::takePictureSize()
{
    if (m_picture.isNull() || m_sizedTo == m_picture.size())
        return;
    m_sizedTo = m_picture.size();
    shell::TwipsRect r = shell::twipsGeometry(this);
    const int width = m_picture.width() * shell::PictureTwipsPerPixel;
    const int height = m_picture.height() * shell::PictureTwipsPerPixel;
    if (r.width != width || r.height != height) {
        r.width = width;
        r.height = height;
        shell::setTwipsGeometry(this, r);
    }
}

QRect CardImage::pictureRect() const
{
    if (m_picture.isNull())
        return QRect();
    if (!m_stretch)
        return QRect(QPoint(0, 0), m_picture.size());
    // A card fills its box, whose sides keep the card's proportions: the
    // rendering is made at exactly the box's size.
    if (!scalableSourceOf(m_picture).isEmpty())
        return rect();
    QSize size = m_picture.size().scaled(this->size(), Qt::KeepAspectRatio);
    QRect r(QPoint(0, 0), size);
    r.moveCenter(rect().center());
    return r;
}

void CardImage::resizeEvent(QResizeEvent *event)
{
    if (m_stretch)
        m_scaled = QPixmap();
    QWidget::resizeEvent(event);
}

void CardImage::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    // The picture as the screen shows it: pixel for pixel at its natural
    // size, else rendered at the box's size in device pixels. Made once per
    // picture and size, not at every paint.
    const QRect target = pictureRect();
    const qreal ratio = devicePixelRatioF();
    const QSize device = devicePixelSize(target.size(), ratio);
    const std::shared_ptr<const CardDesign> design = activeDesign();
    const quint64 shownDesign = design ? design->serial() : 0;
    if (m_scaled.isNull() || m_scaledFor != device || m_scaled.devicePixelRatio() != ratio
        || m_scaledDesign != shownDesign) {
        m_scaled = m_showWhenReady ? readyCardPixmap(m_picture, target.size(), ratio)
                                   : cardPixmap(m_picture, target.size(), ratio);
        m_scaledFor = device;
        m_scaledDesign = shownDesign;
    }
    if (m_scaled.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(target.topLeft(), m_scaled);
}

} // namespace deck
