#pragma once
// The full-screen view (object name "Form4"): black, borderless, covering
// the screen. It shows
// the deck, the cards drawn since the last reset and the count; Space draws
// the next card and Esc goes back to the draw window. The drawing engine
// fills its display at every draw and reset, shown or hidden.
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

namespace draw {

class FullScreenView : public QWidget {
    Q_OBJECT
public:
    // `host` is the draw window (its options and the shared draw);
    // `showDrawWindow` shows it again.
    FullScreenView(cards::DrawHost &host, std::function<void()> showDrawWindow, QWidget *parent = nullptr);
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

protected:
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
    // Space draws, Esc returns to the draw window; nothing else.
    void handleKey(int key);
    void arrangeWhenFullSize(bool anySize);
    void backToDrawWindow();

    cards::DrawHost &m_host;
    std::function<void()> m_showDrawWindow;
    QLabel *m_instructionLabel;
    QLabel *m_countLabel;
    deck::CardImage *m_firstCard;
    deck::CardImage *m_pile;
    deck::CardImage *m_row;
    WidgetDisplay m_display;
    shell::PointerFeedback *m_pointer;
    bool m_loaded = false;
    bool m_arrangePending = false;
    bool m_instructionPending = false;
    QSize m_laidOutSize;
};

} // namespace draw
