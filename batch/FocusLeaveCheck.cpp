#include "batch/FocusLeaveCheck.h"

#include <QFocusEvent>
#include <QScopedValueRollback>
#include <QMetaObject>
#include <QWidget>

namespace batch {

FocusLeaveCheck::FocusLeaveCheck(QWidget *box, std::function<void()> check)
    : QObject(box), m_box(box), m_check(std::move(check))
{
    box->installEventFilter(this);
}

bool FocusLeaveCheck::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const bool userLeave = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        if (userLeave && !m_running && !m_pending) {
            m_pending = true;
            QMetaObject::invokeMethod(this, &FocusLeaveCheck::run, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

void FocusLeaveCheck::run()
{
    if (!m_pending)
        return;
    m_pending = false;
    const QScopedValueRollback<bool> running(m_running, true);
    m_check();
}

} // namespace batch
