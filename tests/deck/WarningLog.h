#pragma once
// The program's own warning lines ("dealwright: ...") written while it
// lives, as standard error shows them; other Qt messages pass through.
#include <QStringList>
#include <QtGlobal>
#include <mutex>

namespace designfixtures {

class WarningLog {
public:
    WarningLog() { s_current = this; m_previous = qInstallMessageHandler(&WarningLog::handle); }
    ~WarningLog()
    {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }
    QStringList lines() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_lines;
    }
    // The lines that mention `text`.
    QStringList linesWith(const QString &text) const { return lines().filter(text); }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        WarningLog *log = s_current;
        if (log && message.startsWith(QLatin1String("dealwright: "))) {
            std::lock_guard<std::mutex> lock(log->m_mutex);
            log->m_lines << message;
            return;
        }
        if (log && log->m_previous)
            log->m_previous(type, context, message);
    }
    static inline WarningLog *s_current = nullptr;
    QtMessageHandler m_previous = nullptr;
    mutable std::mutex m_mutex;
    QStringList m_lines;
};

} // namespace designfixtures
