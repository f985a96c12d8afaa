#pragma once
// The one widget that shows a card picture (an image box): one picture or
// nothing. Either it takes its picture's size (the draw window, the batch
// window's preview) or it stretches the picture to its own size, keeping
// the picture's proportions (the full-screen view). At the picture's
// natural size in device pixels it shows the picture pixel for pixel, at
// any other size the picture rendered sharp from its scalable source
// (deck/CardPixmaps.h), or in the chosen card design (deck/DesignPixmaps.h:
// a change of design shows at the next paint). Its size and place are kept in twips
// (shell/Twips.h). Its accessible name says what it shows ("Ace of
// Spades", "Card back").
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace deck {

class CardImage : public QWidget {
    Q_OBJECT
public:
    explicit CardImage(QWidget *parent = nullptr);

    // A copy of the picture is kept: later changes of the source do not show.
    void setPicture(const QImage &picture);
    void clear();
    const QImage &picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }

    // A box with a role of its own (the pile: "Deck") keeps that name; what
    // it shows is then its description ("Card back", or "" when empty).
    void setFixedName(const QString &name);

    void setStretch(bool stretch);
    bool stretch() const { return m_stretch; }

    // Where the picture is painted inside the box, in pixels.
    QRect pictureRect() const;

    // With `on`, a face of the card design that worker threads are still
    // preparing at this size is not waited for: the box stays empty until
    // it is painted again after the face has landed (the full-screen view
    // repaints as the faces land).
    void setShowWhenReady(bool on) { m_showWhenReady = on; }
    bool showWhenReady() const { return m_showWhenReady; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void takePictureSize();

    QImage m_picture;
    QPixmap m_scaled;    // the picture as painted at the current size
    QSize m_scaledFor;   // ... in device pixels
    quint64 m_scaledDesign = 0;   // ... and in this design (0: the built-in set)
    QSize m_sizedTo;     // the picture size this box last took
    bool m_stretch = false;
    bool m_showWhenReady = false;
    QString m_fixedName;
};

} // namespace deck
