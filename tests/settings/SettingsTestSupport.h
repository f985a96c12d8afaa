#pragma once
// Helpers of the settings store tests: the file's bytes, child processes
// with a hang guard, and random texts.
#include "shell/Failure.h"

#include <QFile>
#include <QRandomGenerator>
#include <QString>
#include <array>
#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace settingstest {

inline QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Starts `child` in a forked process, which exits with its result (3 when
// it throws anything).
inline pid_t spawn(const std::function<int()> &child)
{
    const pid_t pid = fork();
    if (pid == 0) {
        int result = 3;
        try {
            result = child();
        } catch (...) {
        }
        _exit(result);
    }
    return pid;
}

constexpr int Hung = -1;
inline int killedBy(int signal) { return 1000 + signal; }

// The child's exit status, killedBy(signal), or Hung for a child still
// running after `limitMs` (it is killed): a store that blocks fails its
// test instead of stopping the suite.
inline int finish(pid_t pid, int limitMs = 10000)
{
    int status = 0;
    for (int waited = 0; waitpid(pid, &status, WNOHANG) == 0; waited += 5) {
        if (waited >= limitMs) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return Hung;
        }
        usleep(5000);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : killedBy(WTERMSIG(status));
}

inline int inChild(const std::function<int()> &child, int limitMs = 10000)
{
    return finish(spawn(child), limitMs);
}

// 0 when `action` returns, 1 when it throws a shell::Failure whose
// description names `mention` and the settings file.
inline int outcome(const std::function<void()> &action, const QString &mention)
{
    try {
        action();
        return 0;
    } catch (const shell::Failure &f) {
        return f.description().contains(mention) && f.description().contains(QLatin1String("Marrowfen.ini")) ? 1 : 2;
    }
}

// A text of any shape: blanks at either end, quotes, backslashes, the
// characters INI files treat specially, control characters, NUL, letters
// beyond ASCII, emoji; lone surrogates only when asked for.
inline QString randomText(QRandomGenerator &random, bool loneSurrogates)
{
    static const QString special = QStringLiteral(" \t\n\r\"\\;,=#@[]%/'?x0aF");
    QString text = random.bounded(8) == 0 ? QStringLiteral("@") : QString();
    const int length = int(random.bounded(24));
    for (int i = 0; i < length; ++i) {
        switch (random.bounded(loneSurrogates ? 7 : 6)) {
        case 0: text += QChar(char16_t(0x20 + random.bounded(0x5F))); break;
        case 1: text += special[random.bounded(special.size())]; break;
        case 2: text += QChar(char16_t(random.bounded(0x20))); break;
        case 3: text += QChar(char16_t(0x7F + random.bounded(0x100))); break;
        case 4: text += QChar(char16_t(0x100 + random.bounded(0xD700))); break;
        case 5: text += QString::fromUcs4(std::array<char32_t, 1>{char32_t(0x1F300 + random.bounded(0x300))}.data(), 1); break;
        case 6: text += QChar(char16_t(0xD800 + random.bounded(0x800))); break;
        }
    }
    return text;
}

} // namespace settingstest
