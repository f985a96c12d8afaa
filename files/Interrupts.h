#pragma once
// Temporaries that an interrupted program removes on its way out. Every
// staged file (AtomicFile.h) notes its temporary here for as long as it
// exists; when SIGINT, SIGTERM or SIGHUP ends the program, the handler
// removes the noted temporaries and then lets the signal end the program as
// it would have (the status a shell shows for that signal).
//
// The notes are a fixed table written with atomic stores, so that the
// handler reads them without taking a lock or allocating: it calls only
// unlinkat() and raise(), both safe in a signal handler. A temporary that
// finds no free place in the table (more than 128 at once) is not noted;
// the next writer into its folder removes it (removeStaleTemporaries).
namespace files {

// Installs the handler for SIGINT, SIGTERM and SIGHUP. A signal that the
// program was started with ignored (nohup, a background job) stays
// ignored, and one with a handler of its own keeps it.
void removeTemporariesOnSignals();

namespace interrupts {

// Notes the temporary `name` in the folder open as `folder`; returns its
// place, or -1 when none is free or the name is too long.
int note(int folder, const char *name);
// Forgets a note (before the folder is closed); -1 is ignored.
void forget(int place);

} // namespace interrupts
} // namespace files
