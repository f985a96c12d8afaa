#pragma once
// Opening the windows where no window system can start: Qt would abort the
// program (a core file on some systems) after a screenful of diagnostics
// from its plugins and their libraries. While the application object is
// being made, this guard holds Qt's messages back and keeps what the window
// system's libraries write to standard error themselves (libwayland-client
// does); should the window system fail, or start without any screen (the
// framebuffer platform without a framebuffer), it prints one clear line on
// standard error and ends the program with exit status 2. Once the windows
// can open, what was held back is passed on.
#include <QString>

namespace app {

class DisplayGuard {
public:
    DisplayGuard();   // before the QApplication is made
    ~DisplayGuard();  // once it exists: passes on what was held back
    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;

    // Once the QApplication exists: ends the program (status 2) when its
    // window system has no screen to open a window on.
    void requireScreen();
};

// The line printed when no display can be reached, in the user's language.
QString noDisplayMessage();

} // namespace app
