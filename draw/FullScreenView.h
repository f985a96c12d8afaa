#pragma once
// The full-screen view (object name "Form4"): black, borderless, covering
// the screen. It shows
// the deck, the cards drawn since the last reset and the count; Space draws
// the next card and Esc goes back to the draw window. The drawing engine
// fills its display at every draw and reset, shown or hidden. T shows the
// tally of the draw over the lower part of the view, white on black with
// text a fortieth of the screen high, and hides it again; it is hidden
// until then. On screens taller than 1080 pixels the two labels grow with
// the screen (draw/FullScreenLayout.h). The faces of a card design are
// prepared on worker threads and come in as they land (draw/WarmFaces.h).
#include "draw/WidgetDisplay.h"

#include <QWidget>
#include <functional>
#include <memory>

class QLabel;

namespace cards {
class DrawHost;
}
namespace shell {
class PointerFeedback;
}

class QScreen;

namespace deck {
class CardImage;
}
namespace tally {
class TallyPanel;
}

namespace draw {

class DrawTally;
class WarmFaces;

class FullScreenView : public QWidget {
    Q_OBJECT
public:
    // `host` is the draw window (its options and the shared draw), `tally`
    // the draw's tally; `showDrawWindow` shows the draw window again.
    FullScreenView(cards::DrawHost &host, DrawTally &tally, std::function<void()> showDrawWindow,
                   QWidget *parent = nullptr);
    ~FullScreenView() override;

    // Window set-up; runs once (later calls do nothing).
    void load();
    // Shows the full-screen view full screen on the given screen (the draw window's).
    void showFullScreenOn(QScreen *target);
    bool isLoaded() const { return m_loaded; }

    WidgetDisplay &display() { return m_display; }
    shell::PointerFeedback &pointer() { return *m_pointer; }

    // The window size in twips.
    int windowWidthTwips() const;
    int windowHeightTwips() const;

    // The tally over the view (object name "tallyOverlay"): null until T is
    // first pressed.
    tally::TallyPanel *tallyOverlay() const { return m_tallyPanel; }
    bool tallyShown() const;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The card layout: the deck and first card every time, the row
    // elements while they have not been laid out since the last reset.
    void arrangeCards();
    // The label layout for the current window size.
    void arrangeLabels();
    // Space draws, Esc returns to the draw window, T shows or hides the
    // tally; nothing else.
    void handleKey(int key);
    void toggleTally();
    // The tally's place and text size for the window as it is now.
    void placeTally();
    void arrangeWhenFullSize(bool anySize);
    void backToDrawWindow();

    cards::DrawHost &m_host;
    DrawTally &m_drawTally;
    std::function<void()> m_showDrawWindow;
    QLabel *m_instructionLabel;
    QLabel *m_countLabel;
    deck::CardImage *m_firstCard;
    deck::CardImage *m_pile;
    deck::CardImage *m_row;
    WidgetDisplay m_display;
    shell::PointerFeedback *m_pointer;
    WarmFaces *m_warmFaces;
    tally::TallyPanel *m_tallyPanel = nullptr;
    bool m_loaded = false;
    bool m_arrangePending = false;
    bool m_instructionPending = false;
    QSize m_laidOutSize;
};

} // namespace draw
