#pragma once
// The generator's own letters and suit signs: rank letters as pixel
// patterns (crisp at card size, no installed font) and the four suit signs
// as outlines.
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>

namespace artgen {

enum class Suit { Spades, Diamonds, Clubs, Hearts };

inline Suit suitOf(int number) { return Suit(number / 13); }
inline int rankOf(int number) { return number % 13 + 1; }
inline bool isRed(Suit suit) { return suit == Suit::Diamonds || suit == Suit::Hearts; }

// The ink colours of the cards.
QColor suitColour(Suit suit);
const QColor &cardRed();
const QColor &cardBlack();

// The suit sign filling the box (0,0)-(1,1), point or stem at the bottom.
QPainterPath suitPath(Suit suit);
// The sign centred on (cx, cy), `height` pixels high, upright or turned.
void paintSuit(class QPainter &painter, Suit suit, double cx, double cy, double height, const QColor &colour,
               bool turned = false);

// "A", "2" ... "10", "J", "Q", "K" for ranks 1..13.
QString rankText(int rank);

// Pixel letters, 9 rows high, with one blank column between letters.
// Supported: A J Q K O E R 0-9.
int textWidth(const QString &text, int scale = 1);
int letterWidth(QChar letter);  // -1 for an unsupported letter
constexpr int GlyphHeight = 9;
constexpr int LetterGap = 1;
// Sets the pixels of `text` with their top left at (x, y), each letter pixel
// as a scale x scale square; turned draws it rotated by 180 degrees about the
// picture's centre.
void drawText(QImage &image, const QString &text, int x, int y, const QColor &colour, int scale = 1,
              bool turned = false);

// The same letters as smooth outlines for the scalable pictures, laid out
// like drawText at scale 1 with the top left at (0, 0): each letter is its
// pixel pattern's centre line drawn with an oval nib two units wide and one
// high, so that upright strokes are two pixels wide and level ones one, as
// in the pixel letters, with rounded ends and curves instead of steps.
QPainterPath textOutline(const QString &text);

} // namespace artgen
