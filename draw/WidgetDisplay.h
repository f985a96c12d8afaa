#pragma once
// One window's card display as the drawing engine sees it: the pile Image2,
// the first card Image1, the row Image3 (element 0 from the design, the
// others created and removed at run time) and the count label Label1.
// Positions and sizes are the window's twips.
#include "cards/CardDisplay.h"

#include <vector>

class QLabel;

namespace deck {
class CardImage;
}

namespace draw {

using deck::CardImage;

class WidgetDisplay : public cards::CardDisplay {
public:
    WidgetDisplay(CardImage *firstCard, CardImage *pile, CardImage *row, QLabel *countLabel);
    ~WidgetDisplay() override;
    WidgetDisplay(const WidgetDisplay &) = delete;
    WidgetDisplay &operator=(const WidgetDisplay &) = delete;

    void setPilePicture(const QImage &picture) override;
    void clearPile() override;
    void setFirstPicture(const QImage &picture) override;
    void clearFirst() override;
    int firstLeft() const override;

    int rowCount() const override;
    void createRowElement(int index) override;
    void removeRowElement(int index) override;
    void setRowPicture(int index, const QImage &picture) override;
    void clearRowPicture(int index) override;
    void setRowVisible(int index, bool visible) override;
    void bringRowToFront(int index) override;
    void setRowStretch(int index, bool stretch) override;
    int rowLeft(int index) const override;
    int rowTop(int index) const override;
    int rowWidth(int index) const override;
    int rowHeight(int index) const override;
    void setRowLeft(int index, int twips) override;
    void setRowTop(int index, int twips) override;
    void setRowWidth(int index, int twips) override;
    void setRowHeight(int index, int twips) override;

    void setCountText(const QString &text) override;

    // A row element; throws shell::Failure for a missing one.
    CardImage *row(int index) const;

private:
    CardImage *m_firstCard;
    CardImage *m_pile;
    std::vector<CardImage *> m_row;
    QLabel *m_countLabel;
};

} // namespace draw
