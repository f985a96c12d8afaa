#pragma once
// The batch window's list of entries: a one-column tree view that reports
// the user's clicks on it (on an entry or beside the entries, once the view
// has chosen or cleared the selection) and the user's own moves with the
// keys (arrows, Home, End, the page keys) as the same request to preview.
// A selection the program makes itself reports nothing.
//
// Screen readers take the view's current entry for the focus, so the list
// has a current entry only while it has the keyboard focus: leaving the list
// puts it aside, and coming back takes it up again (or the selected entry).
// With the focus and no entry to mark, the list marks itself.
#include <QPersistentModelIndex>
#include <QTreeWidget>

namespace batch {

class EntryList : public QTreeWidget {
    Q_OBJECT
public:
    explicit EntryList(QWidget *parent = nullptr);

    // Selects the entry (nothing for null) as the program's own choice: it
    // becomes the current entry when the list has or next takes the focus.
    void selectEntry(QTreeWidgetItem *entry);

signals:
    void previewRequested();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPersistentModelIndex m_setAside;
};

} // namespace batch
