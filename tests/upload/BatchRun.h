// Runs the built program's batch upload against a test server, as a results computer would.
#pragma once

#include "TestServer.h"
#include "support/RunProgram.h"
#include "support/TestPaths.h"

#include <QProcess>
#include <QStringList>

#include <optional>

namespace marvola::test {

struct BatchRun
{
    int exitCode = -1; // -1: did not finish
    QString err;
};

// The password goes in MARVOLA_DB_PASSWORD, or nowhere when none is given; stdin is not a
// terminal. The settings folder is this test run's own (inherited from the environment).
inline BatchRun runMarvola(const QStringList &arguments, const std::optional<QString> &password)
{
    QProcessEnvironment env = marvola::testing::displayLessEnvironment();
    env.remove(QStringLiteral("MARVOLA_DB_PASSWORD"));
    if (password)
        env.insert(QStringLiteral("MARVOLA_DB_PASSWORD"), *password);
    QProcess process;
    process.setProcessEnvironment(env);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(marvola::testing::programPath(), arguments);
    BatchRun run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// marvola MATCH --upload GROUPS to the server, its certificate checked against its CA.
inline QStringList uploadArguments(
    const QString &match, const QString &groups, const TestServer &server)
{
    return {match, QStringLiteral("--upload"), groups, QStringLiteral("--db"),
        QStringLiteral("127.0.0.1:%1").arg(server.port), QStringLiteral("--db-user"), server.user,
        QStringLiteral("--db-ca"), server.caFile};
}

} // namespace marvola::test
