#pragma once
// The card design on the command line: --design NAME (an installed deck's
// folder name, or "dealwright" for the built-in set) for one run, never
// stored, and --list-designs.
#include "deck/CardDesign.h"

#include <QString>
#include <memory>
#include <optional>

class QTextStream;

namespace app {

// The design card files `height` pixels high are drawn in: the one --design
// names, else above 96 pixels the one the settings keep (nullptr: the
// built-in set; the 71 x 96 pictures are always the built-in ones). False,
// with a line on `err`, when --design names no design that is installed
// and passes its check.
bool designOfCardFiles(const std::optional<QString> &design, int height, QTextStream &err,
                       std::shared_ptr<const deck::CardDesign> *drawnIn);

// --design for the windows: the named design is shown for this run
// (menus/ChosenDesign.h). ExitOk, or ExitUsage with a line on `err` as above.
int useDesignOption(const QString &design, QTextStream &err);

// --list-designs: every deck fully checked, those that can be used listed
// ("folder<TAB>name<TAB>comment", English, the built-in set first); those
// left out get a line on standard error.
QString designList();

} // namespace app
