#pragma once
// The deck as a grid of 4 suits by 13 ranks. Without putting back each
// drawn card shows its draw number (the last one outlined); with putting
// back each card shows how often it came. In the tally window a card that
// has come shows its face, in the chosen card design (deck::smallCardPixmap),
// with its figure on a plate across the lower part; over the full-screen
// view, which must stay low and shows the cards themselves above, the grid
// keeps to its figures. Each cell is a label named for screen readers by the whole
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
    // `card` is the card number (0..51) whose face the cell shows.
    explicit DeckCell(int card, QWidget *parent = nullptr);
    // Shaded when drawn, outlined when it is the last card drawn.
    void setState(bool marked, bool latest);
    void setColours(const ChartColours &colours);
    // Whether a drawn card shows its face (the cell is then a face high).
    void setFace(bool shown);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Where the face is painted: inside the outline, at the card's
    // proportions, centred.
    QRect faceRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_card;
    bool m_face = true;
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
    // Faces for the drawn cards (the tally window), or figures alone.
    void setFaces(bool shown);
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
