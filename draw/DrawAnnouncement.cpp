#include "draw/DrawAnnouncement.h"

#include "cards/DrawState.h"
#include "deck/PictureSet.h"
#include "shell/Accessibility.h"

namespace draw {

QString drawAnnouncement()
{
    const cards::DrawState &draw = cards::state();
    if (!draw.drawnCards || draw.drawnCards->size() < 2 || draw.drawCount < 1)
        return QString();
    return deck::cardName(draw.drawnCards->back()) + QStringLiteral(". ") + cards::countText(draw.drawCount);
}

void announceDraw(QWidget *focused, std::int32_t countBefore)
{
    if (cards::state().drawCount == countBefore)
        return;
    const QString text = drawAnnouncement();
    if (!text.isEmpty())
        shell::announce(focused, text);
}

} // namespace draw
