#pragma once
// One window's card display as the drawing engine sees it: the pile Image2,
// the first card Image1, the row Image3 (element 0 from the design, the
// others created and removed at run time) and the count label Label1.
// Positions and sizes are the window's twips.
#include "cards/CardDisplay.h"

#include <vector>

class QLabel;

namespace draw {

class ImageBox;

class WidgetDisplay : public cards::CardDisplay {
public:
    WidgetDisplay(ImageBox *image1, ImageBox *image2, ImageBox *image3, QLabel *label1);
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

    // The widgets, for the window that owns them.
    ImageBox *image1() const { return m_image1; }
    ImageBox *image2() const { return m_image2; }
    ImageBox *row(int index) const;   // throws shell::Failure for a missing element
    const std::vector<ImageBox *> &rowElements() const { return m_row; }
    QLabel *label1() const { return m_label1; }

private:
    ImageBox *m_image1;
    ImageBox *m_image2;
    std::vector<ImageBox *> m_row;
    QLabel *m_label1;
};

} // namespace draw
