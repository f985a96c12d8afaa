#include "draw/WidgetDisplay.h"

#include "deck/CardImage.h"
#include "shell/Failure.h"
#include "shell/Twips.h"

#include <QCoreApplication>
#include <QLabel>

namespace draw {

WidgetDisplay::WidgetDisplay(CardImage *firstCard, CardImage *pile, CardImage *row, QLabel *countLabel)
    : m_firstCard(firstCard), m_pile(pile), m_row{row}, m_countLabel(countLabel)
{
}

// The created elements are children of the window and go with it.
WidgetDisplay::~WidgetDisplay() = default;

void WidgetDisplay::setPilePicture(const QImage &picture) { m_pile->setPicture(picture); }
void WidgetDisplay::clearPile() { m_pile->clear(); }
void WidgetDisplay::setFirstPicture(const QImage &picture) { m_firstCard->setPicture(picture); }
void WidgetDisplay::clearFirst() { m_firstCard->clear(); }
int WidgetDisplay::firstLeft() const { return shell::twipsGeometry(m_firstCard).left; }

int WidgetDisplay::rowCount() const { return int(m_row.size()); }

CardImage *WidgetDisplay::row(int index) const
{
    if (index < 0 || index >= int(m_row.size()))
        throw shell::Failure(QCoreApplication::translate("draw::WidgetDisplay", "Control array element '%1' doesn't exist")
            .arg(index));
    return m_row[std::size_t(index)];
}

// A new element: hidden, beside element 0 in the same container, with its
// size, place and display settings; no picture yet.
void WidgetDisplay::createRowElement(int index)
{
    if (index >= 0 && index < int(m_row.size()))
        throw shell::Failure(QCoreApplication::translate("draw::WidgetDisplay", "Object already loaded"));
    if (index != int(m_row.size()))
        throw shell::Failure(QCoreApplication::translate("draw::WidgetDisplay", "Control array element '%1' doesn't exist")
            .arg(index));
    CardImage *model = m_row.front();
    auto *element = new CardImage(model->parentWidget());
    element->setObjectName(model->objectName());
    element->setProperty("index", index);
    element->setStretch(model->stretch());
    element->setShowWhenReady(model->showWhenReady());
    element->hide();
    shell::setTwipsGeometry(element, shell::twipsGeometry(model));
    m_row.push_back(element);
}

void WidgetDisplay::removeRowElement(int index)
{
    if (index == 0)
        throw shell::Failure(QCoreApplication::translate("draw::WidgetDisplay",
                                                         "Can't unload controls created at design time"));
    CardImage *element = row(index);
    if (index != int(m_row.size()) - 1)
        throw shell::Failure(QCoreApplication::translate("draw::WidgetDisplay",
                                                         "Only the last element of the row can be removed"));
    m_row.pop_back();
    delete element;
}

void WidgetDisplay::setRowPicture(int index, const QImage &picture) { row(index)->setPicture(picture); }
void WidgetDisplay::clearRowPicture(int index) { row(index)->clear(); }
void WidgetDisplay::setRowVisible(int index, bool visible) { row(index)->setVisible(visible); }
void WidgetDisplay::bringRowToFront(int index) { row(index)->raise(); }
void WidgetDisplay::setRowStretch(int index, bool stretch) { row(index)->setStretch(stretch); }
int WidgetDisplay::rowLeft(int index) const { return shell::twipsGeometry(row(index)).left; }
int WidgetDisplay::rowTop(int index) const { return shell::twipsGeometry(row(index)).top; }
int WidgetDisplay::rowWidth(int index) const { return shell::twipsGeometry(row(index)).width; }
int WidgetDisplay::rowHeight(int index) const { return shell::twipsGeometry(row(index)).height; }
void WidgetDisplay::setRowLeft(int index, int twips) { shell::setTwipsLeft(row(index), twips); }
void WidgetDisplay::setRowTop(int index, int twips) { shell::setTwipsTop(row(index), twips); }
void WidgetDisplay::setRowWidth(int index, int twips) { shell::setTwipsWidth(row(index), twips); }
void WidgetDisplay::setRowHeight(int index, int twips) { shell::setTwipsHeight(row(index), twips); }

void WidgetDisplay::setCountText(const QString &text) { m_countLabel->setText(text); }

} // namespace draw
