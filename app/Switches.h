#pragma once
// Switches read from the environment, for scripted runs of the real program
// and for measuring it. Neither is documented to users.
//
//   DEALWRIGHT_LOG_MESSAGES=1    every message box, folder or save dialog
//                                and web visit is written to standard error instead
//                                of being shown, so that a scripted run never
//                                waits on a modal box or opens a browser.
//   DEALWRIGHT_EXIT_AFTER_SHOW=1 once the first window is on the screen the
//                                program prints "shown <ms> ms rss <kB> kB"
//                                (time since the program's main began, peak
//                                resident memory) on standard error and ends.
#include <QElapsedTimer>

namespace app {

// Installs the logging services when DEALWRIGHT_LOG_MESSAGES is set.
// Call after shell::installQtPlatform().
void applyLoggingSwitch();

// Watches for the first exposed window when DEALWRIGHT_EXIT_AFTER_SHOW is
// set; `sinceStart` was started at the top of main.
void applyExitAfterShowSwitch(const QElapsedTimer &sinceStart);

} // namespace app
