#include "tally/BarCell.h"

#include "shell/Accessibility.h"

#include <QAccessible>
#include <QPainter>
#include <cmath>

namespace tally {

BarCell::BarCell(QWidget *parent) : QWidget(parent)
{
    shell::presentAs(this, QAccessible::Graphic);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_colours = chartColours(TallyLook{}, palette());
}

void BarCell::setValues(double drawn, double expected, double scale)
{
    if (!std::isfinite(drawn) || !std::isfinite(expected) || !(scale > 0.0))
        drawn = expected = 0.0, scale = 1.0;
    if (drawn == m_drawn && expected == m_expected && scale == m_scale)
        return;
    m_drawn = drawn;
    m_expected = expected;
    m_scale = scale;
    if (pixels() != m_painted)
        update();
}

std::pair<int, int> BarCell::pixels() const
{
    const int usable = std::max(1, width() - 2);
    return {int(std::lround(std::min(1.0, m_drawn / m_scale) * usable)),
            int(std::lround(std::min(1.0, m_expected / m_scale) * usable))};
}

void BarCell::setColours(const ChartColours &colours)
{
    m_colours = colours;
    update();
}

QSize BarCell::sizeHint() const
{
    const int em = fontMetrics().height();
    return QSize(em * 6, em);
}

QSize BarCell::minimumSizeHint() const
{
    const int em = fontMetrics().height();
    return QSize(em * 3 / 2, em);
}

void BarCell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The bar takes the middle of the row; the mark reaches over it.
    const int h = height();
    const int barHeight = std::max(2, h * 6 / 10);
    const int top = (h - barHeight) / 2;
    m_painted = pixels();
    const auto [length, markX] = m_painted;
    painter.fillRect(QRect(0, top, width(), barHeight), m_colours.track);
    if (length > 0)
        painter.fillRect(QRect(0, top, length, barHeight), m_colours.bar);
    const int markWidth = std::max(2, h / 8);
    painter.fillRect(QRect(markX - markWidth / 2 + 1, std::max(0, top - h / 8), markWidth, barHeight + 2 * (h / 8)),
                     m_colours.expected);
}

} // namespace tally
