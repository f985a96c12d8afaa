#pragma once
// The full-screen view's layout rules, in twips, as plain functions.
//
// Option 1 ("do not put back"): 14 columns across the window (the deck and
// 13 cards), the card size from the window width only. Option 2 ("put
// back"): two large cards, each a third of the height left beside the two
// labels, from the window height only. A size computed as a fraction is
// stored rounded to a whole twip, halves to even.
namespace draw {

struct CardSize {
    int width = 0;
    int height = 0;
};

// The two labels' strips, in twips. Up to 1080 logical pixels of screen
// height they are as designed: Label2 at the top 45, both labels 255 high
// in Arial 9 point, the cards' top at 405 and Label1 200 above the bottom.
// On a taller screen all of these grow with its height (height / 1080: a
// 2160-pixel screen doubles them), so that the labels stay legible and
// the rows of cards still fit between them.
struct LabelStrips {
    double scale = 1.0;
    int instructionTop = 45;
    int height = 255;
    int cardsTop = 405;
    int bottomGap = 200;
    double fontPoints = 9.0;
};
LabelStrips labelStrips(int windowHeightPixels);

// Option 1: width = round(windowWidth - 480 - 130) \ 14; height = width * 1440 / 1065.
// On a screen too wide for that (32:9), four rows of such cards would not
// fit between the top of the cards (405) and Label1's top with the row gap
// of 100 below each row: the cards then take the height that fits,
// (label1Top - 405 - 4 * 100) / 4, and the width that goes with it.
CardSize smallCardSize(int windowWidth, int label1Top, int cardsTop = 405);
// The same, by the width alone.
CardSize smallCardSizeByWidth(int windowWidth);
// Option 2: height = (windowHeight - 2 * label1Height - 600) / 3; width = height * 1065 / 1440.
CardSize largeCardSize(int windowHeight, int label1Height);

// The width or height that goes with the other side at 1065 : 1440, rounded.
int cardHeightForWidth(int width);
int cardWidthForHeight(int height);

// Where the first layout places row element `index` (draw index + 2) of a
// later row, given the element before it: rows of 13 draws, each new row
// (draws 14, 27, 40) at the left of Image1 and one card height plus 100
// below the row before; otherwise beside the previous card, 10 twips apart.
struct RowPlace {
    int left = 0;
    int top = 0;
};
RowPlace nextRowPlace(int index, int previousLeft, int previousTop, int previousWidth, int previousHeight,
                      int image1Left);

// True for the elements that open a row (draws 14, 27, 40, ...).
inline bool opensRow(int index) { return (index + 2) % 13 == 1; }

// Where the tally sits over the view, in pixels: across the width but
// `margin` on each side, its bottom `margin` above the count (Label1's top)
// and as high as it asks (`wantedHeight`), but never higher than `margin`
// below `keepVisible` (the bottom of the first row of cards, which always
// stays in sight). It covers the lower rows of cards only when it needs
// their room.
struct OverlayPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
OverlayPlace overlayPlace(int windowWidth, int label1Top, int keepVisible, int wantedHeight, int margin);

} // namespace draw
