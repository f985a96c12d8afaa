#pragma once
// Which card design the windows show and large card files are drawn in
// (deck/CardDesigns.h has the designs themselves). In this order:
// - "--design NAME" on the command line, for that run only, never stored;
// - else the settings store's "Card Design" (a deck's folder name, "" for
//   the built-in set), read when the first card window loads, not at
//   start-up: a stored deck that is no longer installed gives the built-in
//   set with one line on standard error, and the setting stays as it is;
// - the user's choice from View > Card Design, shown at once in every
//   window and stored.
// No widgets are made here; the menu is menus/DesignMenu.h.
#include "deck/CardDesign.h"

#include <QString>
#include <memory>

namespace menus {

// The design the settings keep: nullptr for the built-in set (then no deck
// is looked at), also when the stored deck is gone or fails its check.
// Throws shell::Failure when the settings cannot be read.
std::shared_ptr<const deck::CardDesign> storedCardDesign();

// --design: this design (nullptr: the built-in set) for the whole run,
// whatever the store says, without storing it.
void useDesignForThisRun(std::shared_ptr<const deck::CardDesign> design);

// A card window's load: the stored design becomes the one shown, the first
// time only, unless --design or a choice came first. Never throws: a store
// that cannot be read leaves the built-in set, and the load that reads the
// window's own values reports it.
void loadChosenDesign();

// The user's choice of the deck in `folder` ("dealwright" for the built-in
// set): opened and checked, shown by every window at once and stored under
// "Card Design". When the deck is gone or fails its check, a message says
// so and nothing changes: false. Throws shell::Failure when the store
// cannot be written (the design is shown all the same).
bool chooseCardDesign(const QString &folder);

// The folder name of the design shown now; "dealwright" for the built-in set.
QString shownDesignFolder();

// As at a new start of the program: the built-in set shown, and the store
// read again by the next card window's load (the tests' restarts).
void forgetChosenDesign();

} // namespace menus
