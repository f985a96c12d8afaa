#include "draw/DrawAnnouncement.h"

#include "cards/DrawState.h"
#include "deck/PictureSet.h"
#include "shell/Accessibility.h"

namespace draw {

QString drawAnnouncement()
{
    const cards::DrawState &draw = cards::state();
    if (!draw.DrawnCards || draw.DrawnCards->size() < 2 || draw.DrawCount < 1)
        return QString();
    return deck::cardName(draw.DrawnCards->back()) + QStringLiteral(". Cards drawn: ")
        + QString::number(draw.DrawCount);
}

void announceDraw(QWidget *focused, std::int32_t countBefore)
{
    if (cards::state().DrawCount == countBefore)
        return;
    const QString text = drawAnnouncement();
    if (!text.isEmpty())
        shell::announce(focused, text);
}

} // namespace draw
