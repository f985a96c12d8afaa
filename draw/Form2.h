#pragma once
// The draw window: the two drawing modes, "Show Next Card", "Reset", the
// card display (the pile, the first card and the fanned row of the cards
// that follow), the count, the switch to the full-screen viewer and saving
// the current card as a bitmap file. The drawing itself is the engine's
// (cards/CardDisplay.h); this window holds what the engine reads and writes.
#include "cards/CardDisplay.h"

#include <QWidget>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace deck {
class Deck;
}
namespace shell {
class Navigator;
class PointerFeedback;
}

namespace draw {

class Form4;
class ImageBox;
class WidgetDisplay;

class Form2 : public QWidget, public cards::DrawHost {
    Q_OBJECT
public:
    explicit Form2(shell::Navigator &navigator, QWidget *parent = nullptr);
    ~Form2() override;

    // The window's load; the creator calls it once before the first show.
    void Form_Load();

    // The handlers of the controls.
    void PushButton1_Click();   // "Reset"
    void PushButton2_Click();   // "Show Next Card"
    void PushButton3_Click();   // "Save Card As Image"
    void PushButton4_Click();   // "< Back"
    void PushButton5_Click();   // "Show Cards On Full Screen"
    void PushButton9_Click();   // "..."
    void Text2_Change(const QString &text);
    // Option1_Click and Option2_Click: reset, then store both options.
    void Option_Click();

    // What the drawing engine reaches.
    bool option1Selected() const override;
    bool option2Selected() const override;
    cards::Renderer &renderer() override;
    cards::CardDisplay &drawDisplay() override;
    cards::CardDisplay &viewerDisplay() override;
    void setPointer(int style) override;

    // The full-screen viewer: it exists, hidden, as long as this window does.
    Form4 &viewer() { return *m_viewer; }
    WidgetDisplay &display() { return *m_display; }
    shell::PointerFeedback &pointer() { return *m_pointer; }
    deck::Deck &deck1() { return *m_deck1; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    class DeckRenderer;

    void createControls();
    void connectHandlers();
    void showDrawWindowAgain();

    shell::Navigator &m_navigator;
    QPushButton *m_pushButton4 = nullptr;
    QGroupBox *m_frame3 = nullptr;
    QRadioButton *m_option1 = nullptr;
    QRadioButton *m_option2 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    ImageBox *m_image2 = nullptr;
    ImageBox *m_image1 = nullptr;
    ImageBox *m_image3 = nullptr;
    QPushButton *m_pushButton2 = nullptr;
    QPushButton *m_pushButton1 = nullptr;
    QLabel *m_label1 = nullptr;
    QPushButton *m_pushButton5 = nullptr;
    QGroupBox *m_frame4 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QPushButton *m_pushButton9 = nullptr;
    QPushButton *m_pushButton3 = nullptr;
    deck::Deck *m_deck1 = nullptr;
    shell::PointerFeedback *m_pointer = nullptr;
    std::unique_ptr<DeckRenderer> m_renderer;
    std::unique_ptr<WidgetDisplay> m_display;
    std::unique_ptr<Form4> m_viewer;
    bool m_loaded = false;
};

} // namespace draw
