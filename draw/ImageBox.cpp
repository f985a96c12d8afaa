#include "draw/ImageBox.h"

#include "deck/PictureSet.h"
#include "shell/Twips.h"

#include <QPainter>

namespace draw {

ImageBox::ImageBox(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void ImageBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    m_scaled = QPixmap();
    const QString name = deck::pictureName(picture);
    if (name != accessibleName())
        setAccessibleName(name);
    if (!m_stretch)
        takePictureSize();
    update();
}

void ImageBox::clear()
{
    setPicture(QImage());
}

void ImageBox::setStretch(bool stretch)
{
    if (m_stretch == stretch)
        return;
    m_stretch = stretch;
    m_scaled = QPixmap();
    if (!m_stretch)
        takePictureSize();
    update();
}

// An image that does not stretch takes its picture's size in pixels (71 x 96
// for a card), stored in twips like every other size. Without a picture it
// keeps the size it had.
void ImageBox::takePictureSize()
{
    if (m_picture.isNull() || (size() == m_picture.size() && m_sizedTo == m_picture.size()))
        return;
    m_sizedTo = m_picture.size();
    const double perPixel = shell::twipsPerPixel(this);
    shell::TwipsRect r = shell::twipsGeometry(this);
    const int width = shell::pixelsToTwips(m_picture.width(), perPixel);
    const int height = shell::pixelsToTwips(m_picture.height(), perPixel);
    if (r.width != width || r.height != height) {
        r.width = width;
        r.height = height;
        shell::setTwipsGeometry(this, r);
    }
}

QRect ImageBox::pictureRect() const
{
    if (m_picture.isNull())
        return QRect();
    if (!m_stretch)
        return QRect(QPoint(0, 0), m_picture.size());
    QSize size = m_picture.size().scaled(this->size(), Qt::KeepAspectRatio);
    QRect r(QPoint(0, 0), size);
    r.moveCenter(rect().center());
    return r;
}

void ImageBox::resizeEvent(QResizeEvent *event)
{
    if (m_stretch)
        m_scaled = QPixmap();
    QWidget::resizeEvent(event);
}

void ImageBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    // The picture is turned into the screen's format once per picture and
    // size, not at every paint.
    const QRect target = pictureRect();
    if (m_scaled.isNull() || m_scaled.size() != target.size()) {
        m_scaled = QPixmap::fromImage(
            m_stretch ? m_picture.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      : m_picture);
    }
    QPainter painter(this);
    painter.drawPixmap(target.topLeft(), m_scaled);
}

} // namespace draw
