#include "batch/EntryList.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace batch {

EntryList::EntryList(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(false);
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
