#include "menus/ChosenDesign.h"

#include "deck/CardDesigns.h"
#include "deck/DesignPixmaps.h"
#include "settings/SettingsStore.h"
#include "shell/Messages.h"
#include "shell/Pointer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

namespace menus {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(menus::ChosenDesign)
};

// Whether the design shown has been settled for this run (by --design, the
// first card window's load or a choice).
bool &settled()
{
    static bool value = false;
    return value;
}

// Every window paints again; each card image notices the new design at its
// next paint.
void repaintWindows()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->update();
}

} // namespace

std::shared_ptr<const deck::CardDesign> storedCardDesign()
{
    const QString name = settings::read(settings::keys::CardDesign, QString());
    if (deck::namesBuiltInDesign(name))
        return nullptr;
    return deck::storedDesign(name, deck::scanDesigns());
}

void useDesignForThisRun(std::shared_ptr<const deck::CardDesign> design)
{
    deck::setActiveDesign(std::move(design));
    settled() = true;
}

void loadChosenDesign()
{
    if (settled())
        return;
    settled() = true;
    try {
        deck::setActiveDesign(storedCardDesign());
    } catch (...) {
        deck::setActiveDesign(nullptr);
    }
}

bool chooseCardDesign(const QString &folder)
{
    deck::DesignChoice choice;
    if (!deck::namesBuiltInDesign(folder)) {
        // Opening a large deck takes up to a second.
        const shell::BusyPointer busy;
        choice = deck::chooseDesign(folder, deck::scanDesigns());
    }
    if (choice.status == deck::DesignChoice::Unknown || choice.status == deck::DesignChoice::Unusable) {
        //: A message box: %1 says why, e.g. 'the card design "svg-x" cannot be used: its SVG file is not an SVG file'.
        shell::showMessage(Text::tr("The card design was not changed: %1.").arg(choice.message),
                           shell::MessageIcon::Exclamation);
        return false;
    }
    useDesignForThisRun(choice.design);
    repaintWindows();
    settings::write(settings::keys::CardDesign, choice.design ? choice.design->info().folder : QString());
    return true;
}

QString shownDesignFolder()
{
    const std::shared_ptr<const deck::CardDesign> design = deck::activeDesign();
    return design ? design->info().folder : QString::fromLatin1(deck::BuiltInDesign);
}

void forgetChosenDesign()
{
    deck::setActiveDesign(nullptr);
    settled() = false;
}

} // namespace menus
