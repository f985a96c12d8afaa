#include "draw/DrawAnnouncement.h"

#include "cards/DrawState.h"
#include "cards/CardNames.h"
#include "shell/Accessibility.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace draw {
namespace {

// The objects whose description holds an announcement.
std::vector<QPointer<QWidget>> &carriers()
{
    static std::vector<QPointer<QWidget>> list;
    return list;
}

void remember(QWidget *carrier)
{
    auto &list = carriers();
    list.erase(std::remove_if(list.begin(), list.end(), [](const QPointer<QWidget> &w) { return w.isNull(); }),
               list.end());
    for (const QPointer<QWidget> &w : list) {
        if (w == carrier)
            return;
    }
    list.emplace_back(carrier);
}

// The others are told the draw as it stands; a description that already
// says it is left alone (no event for an unchanged text).
void refreshOthers(const QWidget *except)
{
    const QString current = drawAnnouncement();
    for (const QPointer<QWidget> &w : carriers()) {
        if (w && w != except && w->accessibleDescription() != current)
            w->setAccessibleDescription(current);
    }
}

} // namespace

QString drawAnnouncement()
{
    const cards::DrawState &draw = cards::state();
    if (!draw.drawnCards || draw.drawnCards->size() < 2 || draw.drawCount < 1)
        return QCoreApplication::translate("draw::DrawAnnouncement", "No cards drawn");
    //: What a screen reader says after a draw: %1 is the card drawn ("Queen of Hearts"), %2 the number of cards
    //: drawn since the last reset, as the count label shows it.
    return QCoreApplication::translate("draw::DrawAnnouncement", "%1. Cards drawn: %2")
        .arg(cards::displayCardName(draw.drawnCards->back()), QString::number(draw.drawCount));
}

QString resetAnnouncement()
{
    //: What a screen reader says after "Reset": the draw starts again.
    return QCoreApplication::translate("draw::DrawAnnouncement", "Reset. No cards drawn");
}

QString modeAnnouncement(const QString &modeCaption)
{
    //: What a screen reader says after a change of mode: %1 is the mode chosen, as its option reads.
    return QCoreApplication::translate("draw::DrawAnnouncement", "%1. Reset. No cards drawn").arg(modeCaption);
}

void announceChange(QWidget *focused, const QString &text)
{
    if (focused) {
        remember(focused);
        shell::announce(focused, text);
    }
    refreshOthers(focused);
}

void announceDraw(QWidget *focused, std::int32_t countBefore)
{
    if (cards::state().drawCount == countBefore)
        return;
    announceChange(focused, drawAnnouncement());
}

void refreshAnnouncements()
{
    refreshOthers(nullptr);
}

} // namespace draw
