#pragma once
// View > Card Design, in the draw window's and the batch window's menus:
// "Dealwright" (the built-in set) first, then each installed card deck by
// its name in the user's language, with its preview picture as the icon
// and its comment as the tip; the design shown is checked. The decks are
// looked up each time the menu is about to open (never before), so that a
// deck installed or removed meanwhile shows. Choosing one goes through
// menus/ChosenDesign.h.
#include <QMenu>

namespace menus {

class DesignMenu : public QMenu {
    Q_OBJECT
public:
    // Object name "designMenu"; each entry is named "design:<folder>" and
    // keeps its folder name as its data.
    explicit DesignMenu(QWidget *parent = nullptr);

private:
    void fill();
    void onChosen(QAction *entry);
};

// Adds the Card Design submenu to a window's View menu.
DesignMenu *addDesignMenu(QMenu *view);

} // namespace menus
