#pragma once
// The batch generator window: generates up to 52 distinct random cards as a
// list ("Card 1" .. "Card 52"), previews the clicked entry and saves the
// batch or the selected card as bitmap files.
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace deck {
class CardLabel;
class Deck;
}
namespace shell {
class Guarded;
class Navigator;
class PointerFeedback;
} // namespace shell

namespace batch {

class FileBatch;
class FocusLeaveCheck;

class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(shell::Navigator &navigator, QWidget *parent = nullptr);
    ~Form3() override;

    // The window's load; the creator calls it once, before the first show.
    void Form_Load();

    // The handlers, one per control event.
    void PushButton1_Click();  // "Save All Cards To Image"
    void PushButton2_Click();  // "Start Generate Random Playing Cards"
    void PushButton3_Click();  // "Save Selected Card As Image"
    void PushButton4_Click();  // "< Back"
    void PushButton9_Click();  // "..."
    void ListView1_Click();
    void Text1_Change();
    void Text1_LostFocus();
    void Text2_Change();

    // True while a generation runs (its events are processed once per card).
    bool generating() const { return m_generating; }
    shell::PointerFeedback &pointer() const { return *m_pointer; }

protected:
    void closeEvent(QCloseEvent *event) override;  // Form_Unload

private:
    void createControls();
    void placeControls();
    void appendEntry(int card);
    QTreeWidgetItem *selectedEntry() const;
    bool saveEntry(const QTreeWidgetItem *entry, FileBatch &files, shell::Guarded &guard, int step);
    bool commitFiles(FileBatch &files, shell::Guarded &guard, int step);

    shell::Navigator &m_navigator;

    QPushButton *PushButton4 = nullptr;
    deck::Deck *Deck1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *PushButton2 = nullptr;
    QTreeWidget *ListView1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    deck::CardLabel *Image1 = nullptr;
    QGroupBox *Frame4 = nullptr;
    QLineEdit *Text2 = nullptr;
    QPushButton *PushButton9 = nullptr;
    QPushButton *PushButton1 = nullptr;
    QPushButton *PushButton3 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;

    shell::PointerFeedback *m_pointer = nullptr;
    FocusLeaveCheck *m_countCheck = nullptr;
    bool m_generating = false;
    bool m_unloaded = false;
};

} // namespace batch
