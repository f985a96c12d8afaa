#include "tally/ShareChart.h"

#include "cards/Tally.h"
#include "shell/Accessibility.h"
#include "tally/TallyText.h"

#include <QAccessible>
#include <QPainter>
#include <QPaintEvent>
#include <cmath>

namespace tally {

namespace {

// Lines told apart without colour too.
const Qt::PenStyle SuitPens[4] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};

} // namespace

ShareChart::ShareChart(QWidget *parent) : QWidget(parent)
{
    shell::presentAs(this, QAccessible::Chart);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_colours = chartColours(TallyLook{}, palette());
}

void ShareChart::setTally(const cards::Tally *tally)
{
    m_tally = tally;
    m_linesPlot = QRect();
    update();
}

void ShareChart::setColours(const ChartColours &colours)
{
    m_colours = colours;
    update();
}

namespace {

bool sameInPixels(const std::array<QPolygonF, 4> &a, const std::array<QPolygonF, 4> &b)
{
    for (size_t suit = 0; suit < a.size(); ++suit) {
        if (a[suit].size() != b[suit].size())
            return false;
        for (qsizetype i = 0; i < a[suit].size(); ++i) {
            const QPointF d = a[suit][i] - b[suit][i];
            if (std::abs(d.x()) >= 0.25 || std::abs(d.y()) >= 0.25)
                return false;
        }
    }
    return true;
}

} // namespace

void ShareChart::tallyChanged(const QString &description)
{
    if (accessibleDescription() != description)
        setAccessibleDescription(description);
    const Frame f = frame();
    std::array<QPolygonF, 4> now = lines(f.plot);
    if (f.plot != m_linesPlot || !sameInPixels(now, m_lines)) {
        m_lines = std::move(now);
        m_linesPlot = f.plot;
        update();
        return;
    }
    const std::int64_t draws = m_tally ? m_tally->draws() : 0;
    if (draws != m_paintedDraws)
        update(f.drawsAxis);
}

ShareChart::Frame ShareChart::frame() const
{
    const QFontMetrics metrics = fontMetrics();
    const TallyText text(locale());
    const int line = metrics.height();
    Frame f;
    // Left the shares' axis, right the legend, below the draws' axis.
    f.axisWidth = metrics.horizontalAdvance(text.percent(1.0, 0)) + line / 3;
    int legendWidth = 0;
    for (int suit = 0; suit < 4; ++suit)
        legendWidth = std::max(legendWidth, metrics.horizontalAdvance(cards::displaySuitName(suit)));
    legendWidth += line * 2;
    f.plot = QRect(f.axisWidth, line / 2, std::max(1, width() - f.axisWidth - legendWidth - line / 2),
                   std::max(1, height() - line * 2));
    f.drawsAxis = QRect(0, f.plot.bottom() + 2, width(), line + 2);
    f.legendLeft = f.plot.right() + line / 2;
    return f;
}

std::array<QPolygonF, 4> ShareChart::lines(const QRect &plot) const
{
    std::array<QPolygonF, 4> result;
    const std::int64_t draws = m_tally ? m_tally->draws() : 0;
    if (draws == 0)
        return result;
    // One point per pixel column at most.
    const std::vector<cards::SuitCounts> samples = m_tally->suitCountSamples(plot.width());
    for (auto &line : result)
        line.reserve(qsizetype(samples.size()));
    for (const cards::SuitCounts &s : samples) {
        // Draw 1 at the left edge, the last draw at the right edge.
        const double x = draws > 1 ? plot.left() + double(s.draw - 1) * plot.width() / double(draws - 1) : plot.left();
        for (int suit = 0; suit < 4; ++suit) {
            const double share = double(s.counts[size_t(suit)]) / double(s.draw);
            result[size_t(suit)].append(QPointF(x, plot.bottom() - share * plot.height()));
        }
    }
    return result;
}

QSize ShareChart::sizeHint() const
{
    const int em = fontMetrics().height();
    return QSize(em * 22, em * 7);
}

QSize ShareChart::minimumSizeHint() const
{
    const int em = fontMetrics().height();
    return QSize(em * 10, em * 5);
}

void ShareChart::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const Frame f = frame();
    const QRect plot = f.plot;
    const QFontMetrics metrics = fontMetrics();
    const TallyText text(locale());
    const int line = metrics.height();
    const int penWidth = std::max(2, line / 9);
    const int sample = line * 3 / 2;
    auto yOf = [&](double share) { return int(plot.bottom() - share * plot.height()); };

    for (double share : {0.0, 0.25, 0.5, 0.75, 1.0}) {
        // The quarter a fair deck approaches stands out.
        painter.setPen(share == 0.25 ? QPen(m_colours.expected, penWidth) : QPen(m_colours.faint, 1, Qt::DotLine));
        painter.drawLine(plot.left(), yOf(share), plot.right(), yOf(share));
        if (share != 0.75) {
            painter.setPen(m_colours.text);
            painter.drawText(QRect(0, yOf(share) - line / 2, f.axisWidth - line / 6, line),
                             Qt::AlignRight | Qt::AlignVCenter, text.percent(share, 0));
        }
    }
    const std::int64_t draws = m_tally ? m_tally->draws() : 0;
    m_paintedDraws = draws;
    painter.setPen(m_colours.text);
    const QRect axisText(plot.left(), plot.bottom() + 2, plot.width(), line);
    painter.drawText(axisText, Qt::AlignLeft | Qt::AlignTop, text.count(draws > 0 ? 1 : 0));
    painter.drawText(axisText, Qt::AlignRight | Qt::AlignTop, text.count(draws));
    painter.drawText(axisText, Qt::AlignHCenter | Qt::AlignTop, tr("Draw number"));

    // The legend, one suit a line.
    for (int suit = 0; suit < 4; ++suit) {
        const int y = plot.top() + suit * line;
        painter.setPen(QPen(m_colours.suits[size_t(suit)], penWidth, SuitPens[suit]));
        painter.drawLine(f.legendLeft, y + line / 2, f.legendLeft + sample, y + line / 2);
        painter.setPen(m_colours.text);
        painter.drawText(QRect(f.legendLeft + sample + line / 4, y, width() - f.legendLeft, line),
                         Qt::AlignLeft | Qt::AlignVCenter, cards::displaySuitName(suit));
    }

    // The lines only where they are to be repainted.
    if (!event->rect().intersects(plot.adjusted(-penWidth, -penWidth, penWidth, penWidth)))
        return;
    if (m_linesPlot != plot) {
        m_lines = lines(plot);
        m_linesPlot = plot;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(plot.adjusted(-penWidth, -penWidth, penWidth, penWidth));
    for (int suit = 0; suit < 4; ++suit) {
        // Flat ends and bevelled corners: round ones cost an arc at every point.
        painter.setPen(QPen(m_colours.suits[size_t(suit)], penWidth, SuitPens[suit], Qt::FlatCap, Qt::BevelJoin));
        painter.drawPolyline(m_lines[size_t(suit)]);
    }
}

} // namespace tally
