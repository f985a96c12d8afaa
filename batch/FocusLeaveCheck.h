#pragma once
// Runs a check when the focus has left a box, the way a user means it: a
// move to another control by mouse, keyboard or code. A change of the active
// window (a message box, another program) or a pop-up menu is not a leave,
// so the check's own message box never sets off another check. The check
// runs once the focus change has finished, and never inside itself.
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace batch {

class FocusLeaveCheck : public QObject {
    Q_OBJECT
public:
    FocusLeaveCheck(QWidget *box, std::function<void()> check);

    bool pending() const { return m_pending; }
    // Drops a check that has not run yet (a handler that checks the same
    // text itself, and says so, comes first).
    void cancelPending() { m_pending = false; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void run();

    QPointer<QWidget> m_box;
    std::function<void()> m_check;
    bool m_pending = false;
    bool m_running = false;
};

} // namespace batch
