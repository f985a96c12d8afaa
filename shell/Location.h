#pragma once
// Where an error report comes from: the procedures that carry one. The
// report names them as the program always has ("Form2.PushButton2_Click"),
// whatever the classes are called now.
#include <QString>

namespace shell {

// The twenty procedures that carry the error report.
enum class Location {
    ChooserLoad,
    ChooserNewMethod,
    ChooserOldMethod,
    DrawWindowLoad,
    DrawWindowReset,
    DrawWindowNextCard,
    DrawWindowSaveCard,
    DrawWindowBack,
    DrawWindowFullScreen,
    DrawWindowBrowse,
    BatchWindowLoad,
    BatchWindowSaveAll,
    BatchWindowStart,
    BatchWindowSaveSelected,
    BatchWindowBack,
    BatchWindowBrowse,
    FullScreenArrange,
    FullScreenLoad,
    DrawCards,
    ResetCards,
};
constexpr int LocationCount = 20;

// "in Kestrelby2021/08/31.<object>.<procedure> " (with the trailing blank).
QString locationText(Location location);

} // namespace shell
