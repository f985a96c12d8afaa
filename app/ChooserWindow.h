#pragma once
// The chooser (object name "Form1"), the program's main window: "New
// Method" opens the draw window, "Old Method" the batch window. Its load is
// the program's start-up sequence, which may also reopen the drawing window
// closed last. It has no menu bar: its context menu (the context-menu key,
// Shift+F10 or a right click) holds the Help entries, and F1 opens the
// manual as in the other windows.
#include <QWidget>

class QLineEdit;
class QMenu;
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
    // The context menu with the Help entries; null until first shown.
    QMenu *contextMenu() const { return m_contextMenu; }

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    // Closing the chooser ends the program; no setting is written.
    void closeEvent(QCloseEvent *event) override;

private:
    void onNewMethodClicked();
    void onOldMethodClicked();
    void hideChooser();
    // Makes the hidden text box "Text1" (after the window's first frame).
    void createHiddenBox();
    // Shows the context menu at `place` (global), made the first time.
    void showContextMenu(const QPoint &place);

    shell::Navigator &m_navigator;
    QLineEdit *m_hiddenBox = nullptr;
    QPushButton *m_oldMethodButton;
    QPushButton *m_newMethodButton;
    shell::PointerFeedback *m_pointer;
    QMenu *m_contextMenu = nullptr;
    bool m_loading = false;
    bool m_hiddenByLoad = false;
    bool m_hiddenBoxPending = false;  // createHiddenBox is asked for (once)
};

} // namespace app
