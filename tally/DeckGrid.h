#pragma once
// The deck as a grid of 4 suits by 13 ranks. Without putting back each
// drawn card shows its draw number (the last one outlined); with putting
// back each card shows how often it came. Each cell is a label named for screen readers by the whole
// sentence ("Queen of Hearts: draw number 5"); only cells whose figure
// changed are touched.
#include "cards/Tally.h"
#include "tally/FigureLabel.h"
#include "tally/TallyLook.h"

#include <QLabel>
#include <array>

class QGridLayout;

namespace tally {

class TallyText;

class DeckCell : public FigureLabel {
    Q_OBJECT
public:
    explicit DeckCell(QWidget *parent = nullptr);
    // Shaded when drawn, outlined when it is the last card drawn.
    void setState(bool marked, bool latest);
    void setColours(const ChartColours &colours);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_marked = false;
    bool m_latest = false;
    ChartColours m_colours;
};

class DeckGrid : public QWidget {
    Q_OBJECT
public:
    explicit DeckGrid(QWidget *parent = nullptr);

    void setFigures(const cards::Tally &tally, const TallyText &text);
    void setColours(const ChartColours &colours);
    // The next update writes every cell again (after a change of language).
    void invalidate() { m_modeShown = false; }
    DeckCell *cell(int card) const { return m_cells[size_t(card)]; }

private:
    QGridLayout *m_grid;
    std::array<DeckCell *, 52> m_cells{};
    std::array<QLabel *, 4> m_suitSigns{};
    // What each cell shows now: the figure, and -1 before the first update.
    std::array<std::int64_t, 52> m_shown;
    int m_shownLatest = -1;
    cards::DrawMode m_mode = cards::DrawMode::NoPutBack;
    bool m_modeShown = false;
};

} // namespace tally
