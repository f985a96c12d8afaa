#pragma once
// The tally of the draw since the last reset, as bar charts with their
// figures: counts by suit, colour, rank and face against number cards
// beside the expected counts; without putting back the chances of the next
// card and the cards left; with putting back the share of each suit over
// the draws and the verdict on the suits; and the deck as a grid of drawn
// cards. Every figure is also text for screen readers.
//
// The panel shows a cards::Tally that it is given; call tallyChanged()
// after each change. It lays its sections out in columns for any width
// (heightForWidth tells the height it needs), in the window's look or, for
// the full-screen view, white on black with a given text height.
#include "cards/Tally.h"
#include "tally/SectionFlow.h"
#include "tally/TallyLook.h"

#include <QWidget>
#include <vector>

class QLabel;

namespace tally {

class DeckGrid;
class FigureLabel;
class FigureTable;
class ShareChart;

class TallyPanel : public QWidget {
    Q_OBJECT
public:
    explicit TallyPanel(QWidget *parent = nullptr);

    // Not owned; it must live as long as the panel shows it.
    void setTally(const cards::Tally *tally);
    // Shows the tally as it is now. Cheap: only the figures that changed are
    // touched. A hidden panel catches up when it is shown.
    void tallyChanged();

    void setLook(const TallyLook &look);
    const TallyLook &look() const { return m_look; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void refresh();
    // Brings a hidden panel's figures up to date before it is measured.
    void ensureFresh() const;
    void showMode(cards::DrawMode mode);
    // The shown sections in the order placed, their columns and heights.
    struct Arrangement {
        std::vector<QWidget *> sections;
        SectionFlow flow;
        std::vector<int> heights;
        int height = 0;
    };
    // Kept for the widths last asked for until a section's size changes.
    Arrangement arrange(int width) const;
    Arrangement arrangeNow(int width) const;
    void forgetArrangements();
    void alignTables(const Arrangement &arrangement);
    void placeSections();
    int spacing() const;
    int rowSpacing() const;

    const cards::Tally *m_tally = nullptr;
    const cards::Tally m_empty;
    TallyLook m_look;
    bool m_dirty = true;
    bool m_modeShown = false;
    cards::DrawMode m_mode = cards::DrawMode::NoPutBack;

    QWidget *m_status;
    FigureLabel *m_drawsLine;
    QLabel *m_modeLine;
    FigureLabel *m_leftLine;
    FigureLabel *m_suitsLeftLine;
    FigureTable *m_suits;
    FigureTable *m_colours;
    FigureTable *m_faces;
    FigureTable *m_ranks;
    DeckGrid *m_deck;
    QWidget *m_sharesSection;
    ShareChart *m_chart;
    FigureLabel *m_verdict;
    std::vector<QWidget *> m_sections;
    mutable std::vector<std::pair<int, Arrangement>> m_arranged;
};

} // namespace tally
