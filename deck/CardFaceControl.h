#pragma once
// The card face control "Deck" (programmatic identifier "Kestrelby.Deck";
// each window's instance is named "Deck1"): holds every card picture and
// hands out one at a time as its Picture. A host assigns ChangeCard (0..53)
// or ChangeBack (0..11), or calls one of the eleven picture methods, then
// reads Picture. Its own surface is fixed at 480 x 585 twips and shows only
// its icon. Its members keep their names (ChangeCard, ChangeBack, Picture,
// ChangeToRJoker, ...): hosts reach them by name.
#include <QImage>
#include <QLabel>
#include <QVariantMap>
#include <cstdint>

namespace deck {

class CardFaceControl : public QLabel {
    Q_OBJECT
    Q_CLASSINFO("ProgID", "Kestrelby.Deck")
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(qlonglong ChangeCard READ ChangeCard WRITE setChangeCard NOTIFY ChangeCardChanged)
    Q_PROPERTY(qlonglong ChangeBack READ ChangeBack WRITE setChangeBack NOTIFY ChangeBackChanged)
public:
    explicit CardFaceControl(QWidget *parent = nullptr);

    // The current picture itself (shared); a placed copy never changes.
    QImage Picture() const;
    // Refused: "You cannot change this property."
    void setPicture(const QImage &);

    int ChangeCard() const { return m_shownNumber; }
    void setChangeCard(qint64 number);
    int ChangeBack() const { return m_shownNumber; }
    void setChangeBack(qint64 number);

    Q_INVOKABLE void ChangeToO();
    Q_INVOKABLE void ChangeToX();
    Q_INVOKABLE void ChangeToRJoker();
    Q_INVOKABLE void ChangeToBJoker();
    Q_INVOKABLE void AnimAce1();
    Q_INVOKABLE void AnimAce2();
    Q_INVOKABLE void AnimBats();
    Q_INVOKABLE void AnimRobot1();
    Q_INVOKABLE void AnimRobot2();
    Q_INVOKABLE void AnimSun1();
    Q_INVOKABLE void AnimSun2();

    // The stored property set of a host's layout.
    void InitProperties();
    void ReadProperties(const QVariantMap &stored);
    QVariantMap WriteProperties() const;

signals:
    void ChangeCardChanged();
    void ChangeBackChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showPicture(const QImage &picture);
    // Fixed at 480 x 585 twips, whatever the host asks for.
    void keepFixedSize();

    std::int16_t m_shownNumber = 0;
    QImage m_current;
    bool m_keepingSize = false;
};

// Creates a control by its programmatic identifier ("Kestrelby.Deck");
// nullptr for an unknown identifier.
QWidget *createControl(const QString &identifier, QWidget *parent = nullptr);

} // namespace deck
