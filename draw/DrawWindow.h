#pragma once
// The draw window (object name "Form2"): the two drawing modes, "Show Next
// Card", "Reset", the card area (the pile, the first card and the fanned row
// of the cards that follow), the count, the switch to the full-screen view
// and saving the current card as a bitmap file. The drawing itself is the
// engine's (cards/CardDisplay.h); this window holds what the engine reads
// and writes. Its controls keep their designed names as object names
// (docs/architecture.md has the table).
#include "cards/CardDisplay.h"

#include <QWidget>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
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

    // The full-screen view: it exists, hidden, as long as this window does.
    FullScreenView &fullScreenView() { return *m_fullScreenView; }
    shell::PointerFeedback &pointer() { return *m_pointer; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    class FaceRenderer;

    void createControls();
    void connectHandlers();
    void showAgain();

    void onResetClicked();
    void onNextCardClicked();
    void onSaveCardClicked();
    void onBackClicked();
    void onFullScreenClicked();
    void onBrowseClicked();
    void onFolderTextChanged(const QString &text);
    // Either option chosen: reset, then store both options.
    void onModeChosen();

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
    std::unique_ptr<FullScreenView> m_fullScreenView;
    bool m_loaded = false;
    bool m_filling = false;  // the load is putting stored values into the controls
};

} // namespace draw
