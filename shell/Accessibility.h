#pragma once
// What screen readers get from the program beyond Qt's own: the program's
// windows presented as windows named by their caption (a plain top-level
// widget would be presented as a "filler"), and the announcement of what
// just happened (a card drawn) without moving the focus.
#include <QString>

class QWidget;

namespace shell {

// Installs the presentation of the program's top-level windows (and of the
// widgets given a role below). Idempotent; the platform set-up and every
// window's load call it.
void installAccessibility();

// Presents a plain widget with this role (a QAccessible::Role: a card image
// is a graphic, not a "filler"). Call it in the widget's constructor.
void presentAs(QWidget *widget, int role);

// Says `text` to a screen reader through the object that has the focus: it
// becomes that object's description, and the change is announced even when
// the text is the same as before. Qt 6.4 has no announcement event of its
// own; screen readers (Orca) present a description change of the focused
// object when the event carries the text (on the AT-SPI bus it is sent so).
void announce(QWidget *focused, const QString &text);

} // namespace shell
