#pragma once
// A probe for start-up measurements: once the first window of the program
// is exposed and has painted its first frame, prints "shown <ms> ms rss <peak kB> kB" to standard error and
// ends the process at once. The program and the bare yardstick it is
// measured against (bench/bare_window.cpp) use the same probe.
class QElapsedTimer;

namespace shell {

void exitWhenFirstShown(const QElapsedTimer &sinceStart);

} // namespace shell
