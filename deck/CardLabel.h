#pragma once
// A label that shows a card picture filling the label: pixel for pixel where
// the label is the picture's size in device pixels (71 x 96 on a 1x screen
// at the design's scale), otherwise rendered sharp from the picture's
// scalable source at the label's size. Its pixmap() is the picture itself.
#include <QImage>
#include <QLabel>

namespace deck {

class CardLabel : public QLabel {
    Q_OBJECT
public:
    explicit CardLabel(QWidget *parent = nullptr);

    void setCard(const QImage &picture);
    const QImage &card() const { return m_card; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_card;
};

} // namespace deck
