#include "DrawState.h"

#include "shell/Failure.h"

#include <QCoreApplication>

namespace cards {

DrawState &state()
{
    static DrawState s;
    return s;
}

void initDrawnCards()
{
    DrawState &s = state();
    if (!s.drawnCards || s.drawnCards->empty())
        s.drawnCards = std::vector<std::int16_t>{Sentinel};
}

QString countText(std::int32_t count)
{
    // The count in plain digits, without group separators ("1000").
    //: The count label of both drawing windows; %1 is the number of cards drawn since the last reset.
    return QCoreApplication::translate("cards::DrawState", "Cards drawn: %1").arg(QString::number(count));
}

bool isCardDrawn(std::int16_t card)
{
    const DrawState &s = state();
    if (!s.drawnCards || s.drawnCards->empty())
        throw shell::Failure(QCoreApplication::translate(
            "cards::DrawState", "Subscript out of range: the draw history has not been started"));
    // The whole history is searched with a full-width index: a put-back draw
    // may make it longer than a 16-bit counter can count.
    for (std::int16_t drawn : *s.drawnCards) {
        if (drawn == card)
            return true;
    }
    return false;
}

} // namespace cards
