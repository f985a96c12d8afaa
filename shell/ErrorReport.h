#pragma once
// The error report and the guarded procedures.
//
// A guarded procedure numbers its steps 100, 102, 104, ... A failing step
// shows the "Application Error" box naming the procedure and the step, and
// the procedure goes on with the next step. Helpers without a guard let the
// failure (a C++ exception) pass to the guarded caller, which reports it with
// its own step number.
#include "Failure.h"
#include "Location.h"
#include <QString>
#include <utility>

namespace shell {

extern const char *const SupportAddress;
extern const char *const WebSiteAddress;

// The report text: description, CR LF, location, "at line ", step, CR CR,
// and the request to e-mail a screenshot.
QString errorReportText(const QString &description, const QString &location, int step);

// Shows the report in a modal box: exclamation icon, caption "Application
// Error". The message carries its location and step for those who record it.
void showErrorReport(Location location, int step, const QString &description);
// How many error reports the program has shown so far (a run of draws
// stops at the first).
int errorReportsShown();

// The numbered steps of one call of a guarded procedure.
//
//   Guarded g(Location::DrawWindowLoad);
//   g.step(100, [&] { ... });                 // failure: report, next step
//   if (g.test(102, [&] { return ...; })) {   // failure: report, branch runs
//       g.step(104, [&] { ... });
//   }
//   while (g.jumpTest(106, [&] { return ...; })) { ... } // failure: report, no jump
//
// The guard stays armed for the whole call, so every failing step gives
// its own report.
class Guarded {
public:
    explicit Guarded(Location location) : m_location(location) {}

    template <class F>
    void step(int number, F &&action)
    {
        m_step = number;
        try {
            std::forward<F>(action)();
        } catch (...) {
            report(std::current_exception());
        }
    }

    // The test of a conditional with a branch of its own: a failing test is
    // reported and the branch runs, as if the test had been true.
    template <class F>
    bool test(int number, F &&condition)
    {
        return decide(number, std::forward<F>(condition), true);
    }

    // A test whose only action is a jump: a failing test is reported and
    // the jump is not taken.
    template <class F>
    bool jumpTest(int number, F &&condition)
    {
        return decide(number, std::forward<F>(condition), false);
    }

    int currentStep() const { return m_step; }
    int reportCount() const { return m_reports; }

private:
    void report(std::exception_ptr failure);

    template <class F>
    bool decide(int number, F &&condition, bool whenFailed)
    {
        bool result = whenFailed;
        step(number, [&] { result = static_cast<bool>(std::forward<F>(condition)()); });
        return result;
    }

    Location m_location;
    int m_step = 0;
    int m_reports = 0;
};

void showUnguardedFailure(std::exception_ptr failure);

// For handlers that carry no report of their own (text and option changes,
// list clicks, the count check, keys, unload): a failure is shown once in a
// plain message box and the program goes on. No exception ever leaves a Qt
// slot or event handler.
template <class F>
void safely(F &&action)
{
    try {
        std::forward<F>(action)();
    } catch (...) {
        showUnguardedFailure(std::current_exception());
    }
}

} // namespace shell
