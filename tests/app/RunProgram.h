// Runs the built program in batch mode, with no display, and keeps what it printed.
#pragma once

#include <QProcess>
#include <QStringList>

namespace marvola::testing {

struct ProgramRun
{
    int exitCode = -1; // -1: it crashed or did not finish in time
    QByteArray out, err;
};

inline ProgramRun runProgram(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(MARVOLA_BINARY), arguments);
    ProgramRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace marvola::testing
