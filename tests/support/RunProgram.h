// Runs the built program in batch mode, with no display, and keeps what it printed.
#pragma once

#include "support/TestPaths.h"

#include <QProcess>
#include <QStringList>

namespace marvola::testing {

struct ProgramRun
{
    int exitCode = -1; // -1: it crashed or did not finish in time
    QByteArray out, err;
};

// extra holds variables set for the run on top of the display-less environment.
// The environment of a run with no display, as an office computer over SSH or CI has it.
inline QProcessEnvironment displayLessEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    return env;
}

inline ProgramRun runProgram(
    const QStringList &arguments, const QProcessEnvironment &extra = QProcessEnvironment())
{
    QProcess process;
    QProcessEnvironment env = displayLessEnvironment();
    env.insert(extra);
    process.setProcessEnvironment(env);
    process.start(programPath(), arguments);
    ProgramRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace marvola::testing
