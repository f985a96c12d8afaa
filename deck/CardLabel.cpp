#include "deck/CardLabel.h"

#include "deck/CardPixmaps.h"

#include <QPainter>

namespace deck {

CardLabel::CardLabel(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void CardLabel::setCard(const QImage &picture)
{
    m_card = picture;
    setPixmap(QPixmap::fromImage(picture));
}

void CardLabel::paintEvent(QPaintEvent *event)
{
    const qreal ratio = devicePixelRatioF();
    if (m_card.isNull() || devicePixelSize(size(), ratio) == m_card.size()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(QPoint(0, 0), cardPixmap(m_card, size(), ratio));
}

} // namespace deck
