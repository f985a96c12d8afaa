#pragma once
// The full-screen viewer: black, borderless, covering the screen. It shows
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

namespace draw {

class ImageBox;

class Form4 : public QWidget {
    Q_OBJECT
public:
    // `host` is the draw window (its options and the shared draw);
    // `showDrawWindow` shows it again.
    Form4(cards::DrawHost &host, std::function<void()> showDrawWindow, QWidget *parent = nullptr);
    ~Form4() override;

    // Window set-up; runs once (later calls do nothing).
    void Form_Load();
    // Shows the viewer full screen on the given screen (the draw window's).
    void showFullScreenOn(QScreen *target);
    bool isLoaded() const { return m_loaded; }

    // The card layout: the deck and first card every time, the row
    // elements while they have not been laid out since the last reset.
    void Form_Activate();
    // The label layout for the current window size.
    void Form_Resize();
    // Space draws, Esc returns to the draw window; nothing else.
    void Form_KeyDown(int key);

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
    void activateWhenFullSize(bool fallback);
    void backToDrawWindow();

    cards::DrawHost &m_host;
    std::function<void()> m_showDrawWindow;
    QLabel *m_label2;
    QLabel *m_label1;
    ImageBox *m_image1;
    ImageBox *m_image2;
    ImageBox *m_image3;
    WidgetDisplay m_display;
    shell::PointerFeedback *m_pointer;
    bool m_loaded = false;
    bool m_activatePending = false;
    QSize m_laidOutSize;
};

} // namespace draw
