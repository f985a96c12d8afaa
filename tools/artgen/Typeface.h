#pragma once
// The one typeface of the card pictures: the corner indices (A, 2 ... 10,
// J, Q, K), the jokers' word and the "2" of the control's icon. Each letter
// is designed once, as the centre line of a pen stroke in a box nine units
// high, and both forms of a picture take it from there: the scalable
// pictures fill the stroke's outline, the natural-size pictures set the
// pixels that the outline covers at least half.
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <map>

namespace artgen {

class Typeface {
public:
    static constexpr int Height = 9;     // units (pixels at the natural size)
    static constexpr int LetterGap = 1;  // units between two letters

    // One letter: `advance` units wide (its box is advance x Height from
    // (0, 0)), the filled outline of its stroke and its pixels at one
    // pixel per unit (Format_Mono: 1 where the outline covers at least
    // half of the pixel).
    struct Letter {
        int advance = 0;
        QPainterPath outline;
        QImage pixels;
    };

    // The typeface of the card pictures.
    static const Typeface &cards();

    // The letter, or nullptr for one the typeface does not hold (it holds
    // A E J K O Q R and the figures 0-9).
    const Letter *letter(QChar c) const;

    // The width of `text` laid out letter by letter with LetterGap between
    // them; letters the typeface does not hold are skipped.
    int textWidth(const QString &text) const;
    // The outline of `text` with the top left of its first letter at (0, 0).
    QPainterPath textOutline(const QString &text) const;
    // Sets the pixels of `text` with the top left at (x, y); turned sets
    // them rotated by 180 degrees about the picture's centre.
    void drawText(QImage &image, const QString &text, int x, int y, const QColor &colour, bool turned = false) const;

private:
    Typeface();
    std::map<QChar, Letter> designs;
};

} // namespace artgen
