#pragma once
// The 76 pictures of the card face control, embedded as resources and
// decoded on first use into 8-bit palette images exactly as the files hold
// them (index, palette and transparent colour), so that an exported bitmap
// keeps its colours. Works without any widget (under a bare QCoreApplication).
//
// Every picture carries what it shows, which is its accessible name in the
// user's language (pictureName(): "Ace of Spades", "Red Joker", "Card
// back", ...; in German "Pik-Ass", "Roter Joker", "Kartenrücken").
#include <QImage>
#include <QString>

namespace deck {

enum class Anim { Ace1, Ace2, Bats, Face1, Face2, Robot1, Robot2 };

class PictureSet {
public:
    // The program's one set (decoded once, on first use).
    static const PictureSet &instance();

    const QImage &card(int number) const;   // 0..51
    const QImage &redJoker() const;         // Joker1, card number 52
    const QImage &blackJoker() const;       // Joker2, card number 53
    const QImage &greenRing() const;        // gO
    const QImage &redCross() const;         // rX
    const QImage &back(int number) const;   // 0..11
    const QImage &anim(Anim which) const;
    const QImage &icon() const;             // Image1, 32 x 39

private:
    PictureSet();
    struct Data;
    const Data *m_data;
};

// "Ace of Spades" ... "King of Hearts" for 0..51, in English (files and
// scripts read it).
QString cardName(int number);
// What a picture shows, in the user's language; "" for a null image.
QString pictureName(const QImage &picture);
// The name of a card-sized picture's scalable source ("Card05", "Back00"),
// or "" for a picture that has none (the animation frames, the icon, a
// foreign picture).
QString scalableSourceOf(const QImage &picture);

} // namespace deck
