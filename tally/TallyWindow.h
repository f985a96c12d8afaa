#pragma once
// The window "Tally of Draws": the tally panel, the note on what the
// verdict on the suits means, and for large demonstrations with putting
// back the buttons "Draw 10", "Draw 100" and "Draw 1000", which ask for that
// many draws (drawManyRequested) through the drawing engine; they are
// enabled only when drawing with putting back.
#include "cards/Tally.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QScrollArea;

namespace tally {

class TallyPanel;

class TallyWindow : public QWidget {
    Q_OBJECT
public:
    explicit TallyWindow(QWidget *parent = nullptr);

    // Not owned; it must live as long as the window shows it.
    void setTally(const cards::Tally *tally);
    // Call after each change of the tally (a draw, a reset, a change of mode).
    void tallyChanged();

    TallyPanel *panel() const { return m_panel; }

signals:
    void drawManyRequested(int count);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showMode();
    // As large as the panel wants, within the screen's available area.
    QSize wantedSize() const;

    const cards::Tally *m_tally = nullptr;
    QScrollArea *m_scroll;
    TallyPanel *m_panel;
    QLabel *m_note;
    QWidget *m_drawMany;
    std::vector<QPushButton *> m_drawButtons;
    bool m_sized = false;
    bool m_shownMode = false;  // putting back, as last shown
};

} // namespace tally
