#include "files/Interrupts.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <initializer_list>
#include <fcntl.h>
#include <unistd.h>

namespace files {
namespace {

enum State : int { Free, Taken, Noted };

struct Note {
    std::atomic<int> state{Free};
    int folder = -1;
    char name[256] = {};
};

constexpr int Places = 128;
Note g_notes[Places];

static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads the notes without a lock");

extern "C" void removeNotedAndEnd(int signal)
{
    const int savedErrno = errno;
    for (Note &note : g_notes) {
        if (note.state.load(std::memory_order_acquire) == Noted)
            ::unlinkat(note.folder, note.name, 0);
    }
    // SA_RESETHAND has put the default action back; the signal, blocked
    // while this handler runs, ends the program as soon as it returns.
    ::raise(signal);
    errno = savedErrno;
}

} // namespace

void removeTemporariesOnSignals()
{
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0)
            continue;
        const bool plain = !(current.sa_flags & SA_SIGINFO) && current.sa_handler == SIG_DFL;
        if (!plain)
            continue;
        struct sigaction action {};
        action.sa_handler = removeNotedAndEnd;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND;
        ::sigaction(signal, &action, nullptr);
    }
}

namespace interrupts {

int note(int folder, const char *name)
{
    const std::size_t length = std::strlen(name);
    if (length >= sizeof(Note::name))
        return -1;
    for (int place = 0; place < Places; ++place) {
        Note &note = g_notes[place];
        int expected = Free;
        if (!note.state.compare_exchange_strong(expected, Taken, std::memory_order_acq_rel))
            continue;
        note.folder = folder;
        std::memcpy(note.name, name, length + 1);
        note.state.store(Noted, std::memory_order_release);
        return place;
    }
    return -1;
}

void forget(int place)
{
    if (place >= 0 && place < Places)
        g_notes[place].state.store(Free, std::memory_order_release);
}

} // namespace interrupts
} // namespace files
