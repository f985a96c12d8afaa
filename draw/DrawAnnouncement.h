#pragma once
// What a screen reader hears after a draw: the card drawn and the count,
// "Queen of Hearts. Cards drawn: 5". Both drawing windows say it through
// the object that has the focus, without moving it.
#include <QString>
#include <cstdint>

class QWidget;

namespace draw {

// The text for the draw as it stands; "" before the first card.
QString drawAnnouncement();

// Announces the draw through `focused` when the count has changed since
// `countBefore` (a refused draw says nothing: its message box speaks).
void announceDraw(QWidget *focused, std::int32_t countBefore);

} // namespace draw
