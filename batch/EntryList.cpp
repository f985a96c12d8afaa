#include "batch/EntryList.h"

#include "shell/FocusMark.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace batch {

EntryList::EntryList(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(false);
}

void EntryList::selectEntry(QTreeWidgetItem *entry)
{
    if (!entry)
        return;
    const QModelIndex index = indexFromItem(entry);
    if (hasFocus()) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    } else {
        selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
        m_setAside = index;
    }
}

void EntryList::focusInEvent(QFocusEvent *event)
{
    // A click makes the entry it hits the current one (taking up the one
    // set aside first would scroll the list under the pointer).
    if (!currentIndex().isValid() && event->reason() != Qt::MouseFocusReason) {
        QModelIndex back = m_setAside;
        if (!back.isValid() && !selectedIndexes().isEmpty())
            back = selectedIndexes().first();
        if (back.isValid())
            selectionModel()->setCurrentIndex(back, QItemSelectionModel::NoUpdate);
    }
    m_setAside = QPersistentModelIndex();
    QTreeWidget::focusInEvent(event);
}

void EntryList::focusOutEvent(QFocusEvent *event)
{
    QTreeWidget::focusOutEvent(event);
    // A message box over the list (its own window) takes the focus only
    // for a moment; the entry stays current for when it comes back.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    m_setAside = currentIndex();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void EntryList::paintEvent(QPaintEvent *event)
{
    QTreeWidget::paintEvent(event);
    // An entry with the focus shows the style's mark; an empty list with the
    // focus has none of its own, so the view marks its inside.
    if (hasFocus() && !currentIndex().isValid()) {
        QPainter painter(viewport());
        shell::paintFocusMark(painter, viewport()->rect(), palette());
    }
}

void EntryList::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit previewRequested();
}

void EntryList::keyPressEvent(QKeyEvent *event)
{
    const QTreeWidgetItem *before = currentItem();
    const QList<QTreeWidgetItem *> selectedBefore = selectedItems();
    QTreeWidget::keyPressEvent(event);
    if (currentItem() != before || selectedItems() != selectedBefore)
        emit previewRequested();
}

} // namespace batch
