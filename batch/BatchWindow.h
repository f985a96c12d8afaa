#pragma once
// The batch window (object name "Form3"): generates up to 52 distinct random
// cards as a list ("Card 1" .. "Card 52"), previews the clicked entry and
// saves the batch or the selected card as bitmap files. Its controls keep
// their designed names as object names (docs/architecture.md has the table)
// and their designed places below the menu bar (File, View with Card
// Design, Help).
#include <QWidget>

class QGroupBox;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace deck {
class CardFaceControl;
class CardImage;
}
namespace shell {
class Guarded;
class Navigator;
class PointerFeedback;
} // namespace shell

namespace batch {

class EntryList;
class FileBatch;
class FocusLeaveCheck;

class BatchWindow : public QWidget {
    Q_OBJECT
public:
    // Each list entry keeps its card number (0..51) under this role.
    static constexpr int CardRole = Qt::UserRole;

    explicit BatchWindow(shell::Navigator &navigator, QWidget *parent = nullptr);
    ~BatchWindow() override;

    // The window's load; the creator calls it once, before the first show.
    void load();

    // True while a generation runs (its events are processed once per card).
    bool generating() const { return m_generating; }
    // The menu bar's "View" menu: the card design, and the entries that
    // show the window's cards in other ways.
    QMenu *viewMenu() const { return m_viewMenu; }
    shell::PointerFeedback &pointer() const { return *m_pointer; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    static QString progressText();
    void createControls();
    void placeControls();
    void connectHandlers();
    void appendEntry(int card);
    QTreeWidgetItem *selectedEntry() const;
    bool readyToSave(shell::Guarded &guard);
    bool saveEntry(const QTreeWidgetItem *entry, FileBatch &files, shell::Guarded &guard, int step);
    bool commitFiles(FileBatch &files, shell::Guarded &guard, int step);

    void onSaveAllClicked();
    void onStartClicked();
    void onSaveSelectedClicked();
    void onBackClicked();
    void onBrowseClicked();
    void onListClicked();
    void onCountTextChanged();
    void onCountBoxLeft();
    void onFolderTextChanged();

    shell::Navigator &m_navigator;

    QPushButton *m_backButton = nullptr;
    deck::CardFaceControl *m_faceControl = nullptr;
    QGroupBox *m_countFrame = nullptr;
    QLineEdit *m_countBox = nullptr;
    QPushButton *m_startButton = nullptr;
    EntryList *m_list = nullptr;
    QGroupBox *m_previewFrame = nullptr;
    deck::CardImage *m_preview = nullptr;
    QGroupBox *m_folderFrame = nullptr;
    QLineEdit *m_folderBox = nullptr;
    QPushButton *m_browseButton = nullptr;
    QPushButton *m_saveAllButton = nullptr;
    QPushButton *m_saveSelectedButton = nullptr;
    QProgressBar *m_progressBar = nullptr;

    QMenu *m_viewMenu = nullptr;
    shell::PointerFeedback *m_pointer = nullptr;
    FocusLeaveCheck *m_countCheck = nullptr;
    bool m_generating = false;
    bool m_unloaded = false;
    bool m_filling = false;  // the load is putting stored values into the boxes
};

} // namespace batch
