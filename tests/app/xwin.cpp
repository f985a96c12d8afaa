// A window manager's two gestures for the X server tests: find the program's
// mapped top-level windows by title, and ask one to close the way a window
// manager's close button does (a WM_DELETE_WINDOW client message).
//
//   xwin wait TITLE SECONDS   waits until a window titled TITLE is mapped,
//                             then prints "ROLE WIDTHxHEIGHT" of each such
//                             window (ROLE: its WM_WINDOW_ROLE, or "?")
//   xwin list TITLE           prints them without waiting (maybe nothing)
//   xwin close TITLE          sends WM_DELETE_WINDOW to each such window
//   xwin maps TITLE STOPFILE  prints "ROLE WIDTHxHEIGHT" for every window titled
//                             TITLE that gets mapped, until STOPFILE exists
//                             (start it before the program, to see every
//                             window that ever appears, however briefly)
//
// Exit status 0 on success, 1 when no such window appeared, 2 for misuse.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string titleOf(Display *display, Window window)
{
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data)
            == Success
        && data) {
        title.assign(reinterpret_cast<char *>(data), count);
        XFree(data);
        return title;
    }
    char *name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

// WM_WINDOW_ROLE: the name the program gives each of its windows.
std::string roleOf(Display *display, Window window)
{
    const Atom role = XInternAtom(display, "WM_WINDOW_ROLE", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    std::string text = "?";
    if (XGetWindowProperty(display, window, role, 0, 256, False, AnyPropertyType, &type, &format, &count, &after, &data)
            == Success
        && data) {
        if (count > 0)
            text.assign(reinterpret_cast<char *>(data), count);
        XFree(data);
    }
    return text;
}

struct Found {
    Window window;
    int width;
    int height;
    std::string role;
};

std::vector<Found> mappedWindows(Display *display, const std::string &title)
{
    std::vector<Found> found;
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count))
        return found;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable)
            continue;
        if (titleOf(display, children[i]) == title)
            found.push_back({children[i], attributes.width, attributes.height, roleOf(display, children[i])});
    }
    if (children)
        XFree(children);
    return found;
}

void print(const std::vector<Found> &found)
{
    for (const Found &f : found)
        std::printf("%s %dx%d\n", f.role.c_str(), f.width, f.height);
    std::fflush(stdout);
}

int closeWindows(Display *display, const std::vector<Found> &found)
{
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    for (const Found &f : found) {
        XEvent event;
        std::memset(&event, 0, sizeof event);
        event.xclient.type = ClientMessage;
        event.xclient.window = f.window;
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(deleteWindow);
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, f.window, False, NoEventMask, &event);
    }
    XSync(display, False);
    return found.empty() ? 1 : 0;
}

int ignoreErrors(Display *, XErrorEvent *) { return 0; }

bool exists(const char *path)
{
    if (std::FILE *f = std::fopen(path, "r")) {
        std::fclose(f);
        return true;
    }
    return false;
}

int recordMaps(Display *display, const std::string &title, const char *stopFile)
{
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    std::printf("watching\n");
    std::fflush(stdout);
    while (!exists(stopFile)) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify)
                continue;
            XWindowAttributes attributes;
            if (titleOf(display, event.xmap.window) == title
                && XGetWindowAttributes(display, event.xmap.window, &attributes)) {
                std::printf("%s %dx%d\n", roleOf(display, event.xmap.window).c_str(), attributes.width, attributes.height);
                std::fflush(stdout);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: xwin wait|list|close|maps TITLE [SECONDS|STOPFILE]\n");
        return 2;
    }
    const std::string command = argv[1];
    const std::string title = argv[2];
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "xwin: cannot open the display\n");
        return 2;
    }
    int status = 0;
    if (command == "list") {
        print(mappedWindows(display, title));
    } else if (command == "close") {
        status = closeWindows(display, mappedWindows(display, title));
    } else if (command == "maps" && argc >= 4) {
        status = recordMaps(display, title, argv[3]);
    } else if (command == "wait" && argc >= 4) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(std::atof(argv[3]));
        std::vector<Found> found;
        while ((found = mappedWindows(display, title)).empty() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        print(found);
        status = found.empty() ? 1 : 0;
    } else {
        std::fprintf(stderr, "usage: xwin wait|list|close|maps TITLE [SECONDS|STOPFILE]\n");
        status = 2;
    }
    XCloseDisplay(display);
    return status;
}
