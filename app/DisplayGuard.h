#pragma once
// Opening the windows without any display: Qt cannot start its window
// system and would abort the program (a core file on some systems) after a
// screenful of plugin diagnostics. While the application object is being
// made, this guard holds Qt's messages back; should the window system fail,
// it prints one clear line on standard error and ends the program with
// exit status 2. Once the windows can open, the held messages are passed on.
#include <QString>

namespace app {

class DisplayGuard {
public:
    DisplayGuard();   // before the QApplication is made
    ~DisplayGuard();  // once it exists: passes on what was held back
    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;
};

// The line printed when no display can be reached, in the user's language.
QString noDisplayMessage();

} // namespace app
