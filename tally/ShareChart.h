#pragma once
// The share of each suit among the draws so far, as four lines over the
// draw number, with the quarter that a fair deck approaches marked: the law
// of large numbers as it happens. One point per pixel column at most, so a
// long draw costs no more to paint than a short one. Screen readers get the
// chart's name and, as its description, the shares after the last draw
// (the same figures stand as labels in the suits' table).
#include "tally/TallyLook.h"

#include <QPolygonF>
#include <QWidget>
#include <array>
#include <cstdint>

namespace cards {
class Tally;
}

namespace tally {

class ShareChart : public QWidget {
    Q_OBJECT
public:
    explicit ShareChart(QWidget *parent = nullptr);

    // The tally it shows (not owned; nullptr shows an empty chart).
    void setTally(const cards::Tally *tally);
    void setColours(const ChartColours &colours);
    // Repaints for the tally as it is now; `description` for screen readers.
    void tallyChanged(const QString &description);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Frame {
        QRect plot;
        QRect drawsAxis;  // the draw numbers under the plot
        int legendLeft = 0;
        int axisWidth = 0;
    };
    Frame frame() const;
    // The four lines in the plot's pixels.
    std::array<QPolygonF, 4> lines(const QRect &plot) const;

    const cards::Tally *m_tally = nullptr;
    ChartColours m_colours;
    // What was painted last: a draw that moves no line by a quarter of a
    // pixel repaints only the draw count under the plot.
    std::array<QPolygonF, 4> m_lines;
    QRect m_linesPlot;
    std::int64_t m_paintedDraws = -1;
};

} // namespace tally
