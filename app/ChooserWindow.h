#pragma once
// The chooser (object name "Form1"), the program's main window: "New
// Method" opens the draw window, "Old Method" the batch window. Its load is
// the program's start-up sequence, which may also reopen the drawing window
// closed last.
#include <QWidget>

class QLineEdit;
class QPushButton;
class QCloseEvent;

namespace shell {
class Navigator;
class PointerFeedback;
} // namespace shell

namespace app {

class ChooserWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChooserWindow(shell::Navigator &navigator, QWidget *parent = nullptr);

    // The start-up sequence (steps 100 to 140). Runs before the window is
    // shown; when it reopens another window the chooser stays hidden.
    void load();
    // True when the load reopened a drawing window and hid this one, so the
    // caller must not show it.
    bool hiddenByLoad() const { return m_hiddenByLoad; }

    shell::PointerFeedback &pointer() { return *m_pointer; }

protected:
    bool event(QEvent *event) override;
    // Closing the chooser ends the program; no setting is written.
    void closeEvent(QCloseEvent *event) override;

private:
    void onNewMethodClicked();
    void onOldMethodClicked();
    void hideChooser();
    // Makes the hidden text box "Text1" (after the window's first frame).
    void createHiddenBox();

    shell::Navigator &m_navigator;
    QLineEdit *m_hiddenBox = nullptr;
    QPushButton *m_oldMethodButton;
    QPushButton *m_newMethodButton;
    shell::PointerFeedback *m_pointer;
    bool m_loading = false;
    bool m_hiddenByLoad = false;
    bool m_hiddenBoxPending = false;  // createHiddenBox is asked for (once)
};

} // namespace app
