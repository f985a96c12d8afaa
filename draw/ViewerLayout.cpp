#include "draw/ViewerLayout.h"

#include "shell/Convert.h"

namespace draw {

int cardHeightForWidth(int width)
{
    return int(shell::RoundHalfEven(double(width) * (1440.0 / 1065.0)));
}

int cardWidthForHeight(int height)
{
    return int(shell::RoundHalfEven(double(height) * (1065.0 / 1440.0)));
}

CardSize smallCardSize(int windowWidth)
{
    CardSize size;
    // Integer division of the rounded width: the remainder is dropped.
    size.width = int(shell::RoundHalfEven(double(windowWidth) - 480 - 130)) / 14;
    size.height = cardHeightForWidth(size.width);
    return size;
}

CardSize largeCardSize(int windowHeight, int label1Height)
{
    CardSize size;
    size.height = int(shell::RoundHalfEven((double(windowHeight) - 2.0 * label1Height - 600) / 3.0));
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
