#pragma once
// What the drawing engine needs of the windows: the renderer (the draw
// window's card face control), the two card displays (the draw window's and
// the full-screen view's) and the draw window's mode and pointer. The
// windows implement these; the engine knows nothing of widgets.
//
// Positions and sizes are in the display's own unit, twips.
#include "cards/CardNames.h"

#include <QImage>
#include <QString>
#include <cstdint>

namespace cards {

class Renderer {
public:
    virtual ~Renderer() = default;
    virtual void setChangeBack(int back) = 0;
    virtual void setChangeCard(int card) = 0;
    // The picture shown now (shared; copying it is cheap).
    virtual QImage picture() const = 0;
};

class CardDisplay {
public:
    virtual ~CardDisplay() = default;

    // Copying a picture: the image keeps it, whatever the renderer does later.
    virtual void setPilePicture(const QImage &picture) = 0;   // Image2
    virtual void clearPile() = 0;
    virtual void setFirstPicture(const QImage &picture) = 0;  // Image1
    virtual void clearFirst() = 0;
    virtual int firstLeft() const = 0;

    // The row Image3: element 0 always exists; elements from 1 on are created
    // (hidden, in element 0's container, with element 0's size and display
    // settings) and removed by the engine.
    virtual int rowCount() const = 0;
    virtual void createRowElement(int index) = 0;
    virtual void removeRowElement(int index) = 0;
    virtual void setRowPicture(int index, const QImage &picture) = 0;
    virtual void clearRowPicture(int index) = 0;
    virtual void setRowVisible(int index, bool visible) = 0;
    virtual void bringRowToFront(int index) = 0;
    virtual void setRowStretch(int index, bool stretch) = 0;
    virtual int rowLeft(int index) const = 0;
    virtual int rowTop(int index) const = 0;
    virtual int rowWidth(int index) const = 0;
    virtual int rowHeight(int index) const = 0;
    virtual void setRowLeft(int index, int twips) = 0;
    virtual void setRowTop(int index, int twips) = 0;
    virtual void setRowWidth(int index, int twips) = 0;
    virtual void setRowHeight(int index, int twips) = 0;

    virtual void setCountText(const QString &text) = 0;         // Label1
};

class DrawHost {
public:
    virtual ~DrawHost() = default;
    // The draw window's two modes (its options "Option1" and "Option2").
    virtual bool withoutPuttingBackChosen() const = 0;
    virtual bool puttingBackChosen() const = 0;
    virtual Renderer &renderer() = 0;
    virtual CardDisplay &drawDisplay() = 0;
    // Creates the full-screen view (hidden, loaded) on first use: every draw
    // and reset writes into it.
    virtual CardDisplay &fullScreenDisplay() = 0;
    // The draw window's pointer style (0 default, 11 hourglass).
    virtual void setPointer(int style) = 0;
    // Told at the end of every DrawCards and ResetCards, once both displays
    // are written (also after a refused draw): what follows the draw (its
    // tally) catches up here.
    virtual void drawChanged() {}
};

// The mode the host's options choose: "put back" with Option2, otherwise
// "do not put back" (also with neither, when no draw happens).
inline DrawMode drawModeOf(const DrawHost &host)
{
    return host.puttingBackChosen() && !host.withoutPuttingBackChosen() ? DrawMode::PutBack : DrawMode::NoPutBack;
}

// The drawing engine (guarded procedures with their own error report).
void DrawCards(DrawHost &host);
void ResetCards(DrawHost &host);
// Up to `count` draws one after the other through DrawCards, for large
// demonstrations; stops after the first draw that does not count (a
// refused one) or reports a failure, so that a failure is reported once,
// not `count` times.
// Returns the draws made.
int drawMany(DrawHost &host, int count);
// A whole number 0..limit-1 (re-seeded from the clock before the pick).
std::int32_t randomNumber(std::int32_t limit);

} // namespace cards
