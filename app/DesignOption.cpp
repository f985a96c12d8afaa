#include "app/DesignOption.h"

#include "app/Arguments.h"
#include "app/CommandLine.h"
#include "batch/CardFormats.h"
#include "deck/CardDesigns.h"
#include "menus/ChosenDesign.h"
#include "shell/Failure.h"

#include <QCoreApplication>
#include <QTextStream>

namespace app {

namespace {

// The command line's texts for standard error.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(app::CommandLine)
};

// The design --design names, opened and checked; nothing (and a line on
// `err`) when no such design is installed or it fails its check.
std::optional<std::shared_ptr<const deck::CardDesign>> namedDesign(const QString &name, QTextStream &err)
{
    const deck::DesignChoice choice = deck::chooseDesign(name, deck::scanDesigns());
    if (choice.status == deck::DesignChoice::Unknown || choice.status == deck::DesignChoice::Unusable) {
        //: %1 is the value given to --design, %2 what is wrong with it ('no card design "x" is installed').
        err << "dealwright: " << Text::tr("--design %1: %2").arg(shownArgument(name), shownArgument(choice.message))
            << Qt::endl;
        return std::nullopt;
    }
    return choice.design;
}

} // namespace

bool designOfCardFiles(const std::optional<QString> &design, int height, QTextStream &err,
                       std::shared_ptr<const deck::CardDesign> *drawnIn)
{
    drawnIn->reset();
    if (design) {
        const auto named = namedDesign(*design, err);
        if (named)
            *drawnIn = *named;
        return named.has_value();
    }
    if (height <= batch::NaturalCardHeight)
        return true;
    try {
        *drawnIn = menus::storedCardDesign();
    } catch (...) {
        //: %1 says why the settings could not be read.
        err << "dealwright: "
            << Text::tr("%1; the cards are drawn in the built-in design")
                   .arg(shell::describeFailure(std::current_exception()))
            << Qt::endl;
    }
    return true;
}

int useDesignOption(const QString &design, QTextStream &err)
{
    const auto named = namedDesign(design, err);
    if (!named)
        return ExitUsage;
    menus::useDesignForThisRun(*named);
    return ExitOk;
}

QString designList()
{
    return deck::designListText(deck::checkedDesigns(deck::scanDesigns()));
}

} // namespace app
