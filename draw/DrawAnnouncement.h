#pragma once
// What a screen reader hears of the card-by-card draw: after a draw the card
// and the count ("Queen of Hearts. Cards drawn: 5"), after a reset "Reset.
// No cards drawn", after a change of mode the mode's caption before that.
// Both drawing windows say it through the object that has the focus, without
// moving it; the text stays there as the object's description. Every object
// that has carried an announcement is kept up to the draw as it stands, so
// that going back to it never tells of a card or a count of an earlier draw.
#include <QString>
#include <cstdint>

class QWidget;

namespace draw {

// The draw as it stands: the last card and the count, or "No cards drawn".
QString drawAnnouncement();
// What a reset says.
QString resetAnnouncement();
// What choosing a mode says (the choice resets the draw): the mode's
// caption, then the reset.
QString modeAnnouncement(const QString &modeCaption);

// Says `text` through `focused`, and brings every other object that carried
// an earlier announcement up to the draw as it stands.
void announceChange(QWidget *focused, const QString &text);

// Announces the draw through `focused` when the count has changed since
// `countBefore` (a refused draw says nothing: its message box speaks).
void announceDraw(QWidget *focused, std::int32_t countBefore);

// Brings the objects that carried announcements up to the draw as it stands
// without saying anything (a change made while no drawing window shows).
void refreshAnnouncements();

} // namespace draw
