#pragma once
// One bar of a tally's bar chart: the count drawn as a bar, the expected
// count as a mark across it, both on the chart's common scale. The figures
// themselves stand beside it as text; the bar is presented to screen
// readers as a graphic named by the same sentence.
#include "tally/TallyLook.h"

#include <QWidget>
#include <utility>

namespace tally {

class BarCell : public QWidget {
    Q_OBJECT
public:
    explicit BarCell(QWidget *parent = nullptr);

    // Repaints only when the bar or the mark moves by a pixel.
    void setValues(double drawn, double expected, double scale);
    void setColours(const ChartColours &colours);
    double drawn() const { return m_drawn; }
    double expected() const { return m_expected; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The bar's length and the mark's place in pixels at the present width.
    std::pair<int, int> pixels() const;

    std::pair<int, int> m_painted{-1, -1};
    double m_drawn = 0.0;
    double m_expected = 0.0;
    double m_scale = 1.0;
    ChartColours m_colours;
};

} // namespace tally
