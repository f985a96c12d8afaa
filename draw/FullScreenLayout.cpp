#include "draw/FullScreenLayout.h"

#include "shell/Convert.h"

#include <algorithm>

namespace draw {

int cardHeightForWidth(int width)
{
    return int(shell::roundHalfEven(double(width) * (1440.0 / 1065.0)));
}

int cardWidthForHeight(int height)
{
    return int(shell::roundHalfEven(double(height) * (1065.0 / 1440.0)));
}

CardSize smallCardSizeByWidth(int windowWidth)
{
    CardSize size;
    // Integer division of the rounded width: the remainder is dropped.
    size.width = int(shell::roundHalfEven(double(windowWidth) - 480 - 130)) / 14;
    size.height = cardHeightForWidth(size.width);
    return size;
}

LabelStrips labelStrips(int windowHeightPixels)
{
    LabelStrips strips;
    if (windowHeightPixels <= 1080)
        return strips;
    const double scale = windowHeightPixels / 1080.0;
    const auto grown = [scale](int twips) { return int(shell::roundHalfEven(twips * scale)); };
    strips.scale = scale;
    strips.instructionTop = grown(strips.instructionTop);
    strips.height = grown(strips.height);
    strips.cardsTop = grown(strips.cardsTop);
    strips.bottomGap = grown(strips.bottomGap);
    strips.fontPoints = strips.fontPoints * scale;
    return strips;
}

CardSize smallCardSize(int windowWidth, int label1Top, int cardsTop)
{
    const CardSize byWidth = smallCardSizeByWidth(windowWidth);
    constexpr int RowGap = 100;
    constexpr int Rows = 4;
    if (cardsTop + Rows * (byWidth.height + RowGap) <= label1Top)
        return byWidth;
    CardSize size;
    size.height = int(shell::roundHalfEven((double(label1Top) - cardsTop - Rows * RowGap) / Rows));
    size.width = cardWidthForHeight(size.height);
    return size;
}

CardSize largeCardSize(int windowHeight, int label1Height)
{
    CardSize size;
    size.height = int(shell::roundHalfEven((double(windowHeight) - 2.0 * label1Height - 600) / 3.0));
    size.width = cardWidthForHeight(size.height);
    return size;
}

RowPlace nextRowPlace(int index, int previousLeft, int previousTop, int previousWidth, int previousHeight,
                      int image1Left)
{
    if (opensRow(index))
        return RowPlace{image1Left, previousTop + previousHeight + 100};
    return RowPlace{previousLeft + previousWidth + 10, previousTop};
}

OverlayPlace overlayPlace(int windowWidth, int label1Top, int keepVisible, int wantedHeight, int margin)
{
    OverlayPlace place;
    place.left = margin;
    place.width = std::max(0, windowWidth - 2 * margin);
    const int bottom = label1Top - margin;
    const int room = std::max(0, bottom - (keepVisible + margin));
    place.height = std::clamp(wantedHeight, 0, room);
    place.top = bottom - place.height;
    return place;
}

} // namespace draw
