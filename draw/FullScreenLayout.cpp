#include "draw/FullScreenLayout.h"

#include "shell/Convert.h"

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

CardSize smallCardSize(int windowWidth, int label1Top)
{
    const CardSize byWidth = smallCardSizeByWidth(windowWidth);
    constexpr int CardsTop = 405;
    constexpr int RowGap = 100;
    constexpr int Rows = 4;
    if (CardsTop + Rows * (byWidth.height + RowGap) <= label1Top)
        return byWidth;
    CardSize size;
    size.height = int(shell::roundHalfEven((double(label1Top) - CardsTop - Rows * RowGap) / Rows));
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

} // namespace draw
