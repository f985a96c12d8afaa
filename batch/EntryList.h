#pragma once
// The batch window's list of entries: a one-column tree view that reports
// the user's clicks on it (on an entry or beside the entries, once the view
// has chosen or cleared the selection) and the user's own moves with the
// keys (arrows, Home, End, the page keys) as the same request to preview.
// A selection the program makes itself reports nothing.
#include <QTreeWidget>

namespace batch {

class EntryList : public QTreeWidget {
    Q_OBJECT
public:
    explicit EntryList(QWidget *parent = nullptr);

signals:
    void previewRequested();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace batch
