#include "DrawState.h"

#include "shell/Failure.h"

namespace cards {

DrawState &state()
{
    static DrawState s;
    return s;
}

void InitDrawnCards()
{
    DrawState &s = state();
    if (!s.DrawnCards || s.DrawnCards->empty())
        s.DrawnCards = std::vector<std::int16_t>{Sentinel};
}

bool IsCardDrawn(std::int16_t card)
{
    const DrawState &s = state();
    if (!s.DrawnCards || s.DrawnCards->empty())
        throw shell::Failure(QStringLiteral("Subscript out of range: the draw history has not been started"));
    // The whole history is searched with a full-width index: a put-back draw
    // may make it longer than a 16-bit counter can count.
    for (std::int16_t drawn : *s.DrawnCards) {
        if (drawn == card)
            return true;
    }
    return false;
}

} // namespace cards
