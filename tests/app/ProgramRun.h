#pragma once
// Runs the real executable beside the tests, by default without any
// display, and collects what it said and how it ended.
#include "support/TestPlatform.h"

#include <QProcess>
#include <QStringList>

#include <sys/resource.h>

namespace apptest {

struct ProgramRun {
    int status = -1;  // the exit status; -2 when a signal ended the program
    QString out;
    QString err;
};

inline QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return env;
}

// `fileSizeLimit` in bytes, as "ulimit -f" sets it (the signal left at its
// default).
inline ProgramRun runCommand(const QString &command, const QStringList &arguments, const QProcessEnvironment &env,
                             rlim_t fileSizeLimit = RLIM_INFINITY)
{
    QProcess process;
    process.setProcessEnvironment(env);
    if (fileSizeLimit != RLIM_INFINITY) {
        process.setChildProcessModifier([fileSizeLimit] {
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    process.start(command, arguments);
    ProgramRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

inline QString programPath() { return testsupport::programDir() + QStringLiteral("/dealwright"); }

inline ProgramRun runProgram(const QStringList &arguments, const QProcessEnvironment &env = withoutDisplay(),
                             rlim_t fileSizeLimit = RLIM_INFINITY)
{
    return runCommand(programPath(), arguments, env, fileSizeLimit);
}

// The program with arguments given as bytes in any encoding, passed on by
// the shell's printf (an argument as text would be encoded as UTF-8). What
// the program prints is read as UTF-8.
inline ProgramRun runProgramWithBytes(const QList<QByteArray> &arguments, const QProcessEnvironment &env = withoutDisplay())
{
    QByteArray script = "exec \"$0\"";
    for (const QByteArray &argument : arguments) {
        script += " \"$(printf '";
        for (const char c : argument)
            script += '\\' + QByteArray::number(uchar(c), 8).rightJustified(3, '0');
        script += "')\"";
    }
    return runCommand(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromLatin1(script), programPath()}, env);
}

} // namespace apptest
