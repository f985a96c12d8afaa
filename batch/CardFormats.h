#pragma once
// Card files at any size, for print and slides: a bitmap (the default, as
// the windows save it) or a PNG, 96 pixels high (the pictures' natural
// size) up to 4320. Larger cards are rendered from the pictures' scalable
// sources, or in a card design where one is given; the width follows the
// card's proportions, 1065 : 1440. At 96 pixels a file is always the
// built-in picture, whatever the design.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <exception>
#include <functional>
#include <optional>
#include <vector>

namespace deck {
class CardDesign;
}

namespace batch {

enum class CardFormat { Bmp, Png };

constexpr int NaturalCardHeight = 96;
constexpr int LargestCardHeight = 4320;

// "bmp" or "png" (any case); nothing for another text.
std::optional<CardFormat> cardFormatNamed(const QString &name);
QString extensionOf(CardFormat format);  // ".bmp", ".png"

// A height written in decimal digits only (leading zeros allowed), from 96
// to 4320; nothing otherwise.
std::optional<int> cardHeightFrom(const QString &text);
// height x 1065 / 1440, rounded to a whole pixel, halves to even
// (777 for 1050, 106 for 144).
int cardWidthFor(int height);

// The picture as it is written at that size (the picture itself at 96):
// an 8-bit palette picture, or 32-bit with premultiplied alpha. Above 96
// pixels a card design (when given) draws the faces, back and jokers it
// has, kept to their own proportions and centred. Safe to call from several
// threads at once.
QImage cardImageAt(const QImage &picture, int height, const deck::CardDesign *design = nullptr);

// The file's bytes. A bitmap at 96 is exactly what "Save All Cards To
// Image" writes; a larger bitmap has 24 bits per pixel with its transparent
// pixels white; a PNG keeps the transparent areas.
QByteArray cardFileBytes(const QImage &picture, CardFormat format, int height,
                         const deck::CardDesign *design = nullptr);

// The files' bytes for several pictures, made on every core but handed to
// `take` one by one, in order, on the calling thread, with at most one
// picture per core in memory at once (a 4320-pixel bitmap is 41 MB). A
// picture that fails reaches `take` as a failure instead of bytes.
void makeCardFiles(const std::vector<QImage> &pictures, CardFormat format, int height,
                   const std::function<void(std::size_t index, const QByteArray &bytes, std::exception_ptr failure)> &take,
                   const deck::CardDesign *design = nullptr);

} // namespace batch
