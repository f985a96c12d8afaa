#pragma once
// The draw window (object name "Form2"): the two drawing modes, "Show Next
// Card", "Reset", the card area (the pile, the first card and the fanned row
// of the cards that follow), the count, the switch to the full-screen view
// and saving the current card as a bitmap file. The drawing itself is the
// engine's (cards/CardDisplay.h); this window holds what the engine reads
// and writes. Its controls keep their designed names as object names
// (docs/architecture.md has the table) and their designed places below the
// menu bar: File (Save History..., Close), View (Tally of Draws, Show Cards
// On Full Screen, Card Design) and Help. The tally of the draw (draw/DrawTally.h) follows
// every draw and reset once it has been shown.
#include "cards/CardDisplay.h"

#include <QWidget>
#include <memory>

class QGroupBox;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace deck {
class CardFaceControl;
class CardImage;
}
namespace shell {
class Navigator;
class PointerFeedback;
}

namespace draw {

class DrawTally;
class FullScreenView;
class WidgetDisplay;

class DrawWindow : public QWidget, public cards::DrawHost {
    Q_OBJECT
public:
    explicit DrawWindow(shell::Navigator &navigator, QWidget *parent = nullptr);
    ~DrawWindow() override;

    // The window's load; the creator calls it once before the first show.
    void load();

    // What the drawing engine reaches.
    bool withoutPuttingBackChosen() const override;
    bool puttingBackChosen() const override;
    cards::Renderer &renderer() override;
    cards::CardDisplay &drawDisplay() override;
    cards::CardDisplay &fullScreenDisplay() override;
    void setPointer(int style) override;
    void drawChanged() override;

    // The full-screen view: it exists, hidden, as long as this window does.
    FullScreenView &fullScreenView() { return *m_fullScreenView; }
    shell::PointerFeedback &pointer() { return *m_pointer; }
    // The tally of the draw and its window (made when first shown).
    DrawTally &drawTally() { return *m_drawTally; }
    // The menu bar's "View" menu, for more ways of showing the cards.
    QMenu *viewMenu() const { return m_viewMenu; }

    // "Draw 10/100/1000": `count` draws with putting back through the
    // drawing engine, as that many presses of "Show Next Card" would make,
    // with the windows updated, the tally brought up to date and the draw
    // announced once, at the end, through `sayThrough` (the button pressed;
    // by default what has the focus). Nothing without putting back.
    void drawMany(int count, QWidget *sayThrough = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    class FaceRenderer;

    // The run of draws of drawMany: while it lives, neither window is
    // repainted, the pointer stays the hourglass and what follows the draw
    // waits; all of it catches up once, at its end.
    class QuietRun;

    void createControls();
    void createMenus(QMenu *file, QMenu *view);
    void connectHandlers();
    void showAgain();

    // The reset that the button and a change of mode share (guarded as the
    // button's).
    void resetDraw();
    // Tells a screen reader of a reset through the focused control.
    void announceReset(const QString &text);

    void onResetClicked();
    void onNextCardClicked();
    void onSaveCardClicked();
    void onBackClicked();
    void onFullScreenClicked();
    void onBrowseClicked();
    void onFolderTextChanged(const QString &text);
    // Either option chosen: reset, then store both options.
    void onModeChosen();
    // The menus' own entries.
    void onSaveHistoryClicked();
    void onTallyClicked();

    shell::Navigator &m_navigator;
    QPushButton *m_backButton = nullptr;
    QGroupBox *m_modeFrame = nullptr;
    QRadioButton *m_withoutPuttingBack = nullptr;
    QRadioButton *m_puttingBack = nullptr;
    QGroupBox *m_cardFrame = nullptr;
    deck::CardImage *m_pile = nullptr;
    deck::CardImage *m_firstCard = nullptr;
    deck::CardImage *m_row = nullptr;
    QPushButton *m_nextCardButton = nullptr;
    QPushButton *m_resetButton = nullptr;
    QLabel *m_countLabel = nullptr;
    QPushButton *m_fullScreenButton = nullptr;
    QGroupBox *m_folderFrame = nullptr;
    QLineEdit *m_folderBox = nullptr;
    QPushButton *m_browseButton = nullptr;
    QPushButton *m_saveCardButton = nullptr;
    deck::CardFaceControl *m_faceControl = nullptr;
    shell::PointerFeedback *m_pointer = nullptr;
    std::unique_ptr<FaceRenderer> m_renderer;
    std::unique_ptr<WidgetDisplay> m_display;
    std::unique_ptr<DrawTally> m_drawTally;
    std::unique_ptr<FullScreenView> m_fullScreenView;
    QMenu *m_viewMenu = nullptr;
    bool m_loaded = false;
    // Inside a run of drawMany, and whether the draw changed during it.
    bool m_quiet = false;
    bool m_changedQuietly = false;
    bool m_filling = false;  // the load is putting stored values into the controls
};

} // namespace draw
