// The window with a match open and nobody at the keyboard: nothing polls the match, so its main
// thread sleeps (a laptop at the range runs on battery all day).
#include "files/MatchFiles.h"
#include "support/RunProgram.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace marvola::testing {
namespace {

// The times the process's main thread gave up the processor of its own accord: each wake of an
// idle event loop adds one.
qint64 mainThreadWakes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/task/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("voluntary_ctxt_switches:"))
            return line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
    return -1;
}

TEST(IdleWindowTest, WindowWithAMatchOpenSleepsWhileNothingHappens)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString match = dir.filePath(QStringLiteral("demo.mrv"));
    const MatchFileSet from
        = MatchFileSet::fromChosenName(examplesFolder() + QStringLiteral("/demo.mrv"));
    const MatchFileSet to = MatchFileSet::fromChosenName(match);
    for (qsizetype i = 0; i < from.asList().size(); ++i)
        ASSERT_TRUE(QFile::copy(from.asList()[i], to.asList()[i]));

    QProcess window;
    QProcessEnvironment env = displayLessEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), dir.path()); // its own settings
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    window.setProcessEnvironment(env);
    window.start(programPath(), {match});
    ASSERT_TRUE(window.waitForStarted(10000));
    // Loaded: the window holds the set; then shown, until its thread has gone quiet.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(to.openLock()); }, 20000));
    qint64 last = -2;
    QElapsedTimer quiet;
    quiet.start();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const qint64 now = mainThreadWakes(window.processId());
            if (now != last)
                quiet.restart();
            last = now;
            return quiet.elapsed() >= 500;
        },
        20000));
    // Then five seconds of nothing, counted: the span measured, not a wait for something.
    const qint64 before = mainThreadWakes(window.processId());
    QTest::qWait(5000);
    const qint64 after = mainThreadWakes(window.processId());
    window.kill();
    window.waitForFinished(10000);
    ASSERT_GE(before, 0);
    ASSERT_GE(after, before);
    // At most one wake a second; polling the match five times a second gave about 40 here.
    EXPECT_LE(after - before, 5);
}

} // namespace
} // namespace marvola::testing
