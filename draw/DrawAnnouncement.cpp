#include "draw/DrawAnnouncement.h"

#include "cards/DrawState.h"
#include "deck/PictureSet.h"
#include "shell/Accessibility.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace draw {
namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("DrawAnnouncement", text);
}

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
        return translated("No cards drawn");
    return translated("%1. %2").arg(deck::cardName(draw.drawnCards->back()), cards::countText(draw.drawCount));
}

QString resetAnnouncement()
{
    return translated("Reset. No cards drawn");
}

QString modeAnnouncement(const QString &modeCaption)
{
    return translated("%1. Reset. No cards drawn").arg(modeCaption);
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
