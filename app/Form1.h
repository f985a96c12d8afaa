#pragma once
// The main window: a small chooser with "New Method" (the draw window) and
// "Old Method" (the batch generator). Its load is the program's start-up
// sequence, which may also reopen the drawing window closed last.
#include <QWidget>

class QLineEdit;
class QPushButton;
class QCloseEvent;

namespace shell {
class Navigator;
class PointerFeedback;
} // namespace shell

namespace app {

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(shell::Navigator &navigator, QWidget *parent = nullptr);

    // The start-up sequence (steps 100 to 140). Runs before the window is
    // shown; when it reopens another window the main window stays hidden.
    void Form_Load();
    // True when the load reopened a drawing window and hid this one, so the
    // caller must not show it.
    bool hiddenByLoad() const { return m_hiddenByLoad; }

    void PushButton1_Click();  // "New Method"
    void PushButton2_Click();  // "Old Method"

    shell::PointerFeedback &pointer() { return *m_pointer; }

protected:
    bool event(QEvent *event) override;
    // Form_Unload: closing the main window ends the program; no setting is written.
    void closeEvent(QCloseEvent *event) override;

private:
    void hideMainWindow();
    // Makes the hidden text box Text1 (after the window's first frame).
    void createText1();

    shell::Navigator &m_navigator;
    QLineEdit *m_text1 = nullptr;
    QPushButton *m_pushButton2;
    QPushButton *m_pushButton1;
    shell::PointerFeedback *m_pointer;
    bool m_loading = false;
    bool m_hiddenByLoad = false;
    bool m_text1Pending = false;  // createText1 is asked for (once)
};

} // namespace app
