#include "draw/DrawAnnouncement.h"

#include "cards/DrawState.h"
#include "cards/CardNames.h"
#include "shell/Accessibility.h"

#include <QCoreApplication>

namespace draw {

QString drawAnnouncement()
{
    const cards::DrawState &draw = cards::state();
    if (!draw.drawnCards || draw.drawnCards->size() < 2 || draw.drawCount < 1)
        return QString();
    //: What a screen reader says after a draw: %1 is the card drawn ("Queen of Hearts"), %2 the number of cards
    //: drawn since the last reset, as the count label shows it.
    return QCoreApplication::translate("draw::DrawAnnouncement", "%1. Cards drawn: %2")
        .arg(cards::displayCardName(draw.drawnCards->back()), QString::number(draw.drawCount));
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
