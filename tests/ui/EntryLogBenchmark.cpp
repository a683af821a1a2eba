// How much a long entry log costs: opening a match in the window with and without a log of
// 100,000 changes, and the first page of the log window, unfiltered and filtered.
#include "files/MatchFiles.h"
#include "log/EntryLog.h"
#include "session/MatchSession.h"
#include "support/FullMatch.h"
#include "ui/Application.h"
#include "ui/EntryLogWindow.h"
#include "ui/Prompts.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace marvola;

namespace {

constexpr int LoggedChanges = 100000;

// Nothing is asked: the log ends in the save of the set on disk.
class NoPrompts : public Prompts
{
public:
    void information(QWidget *, const QString &) override { }
    void error(QWidget *, const QString &) override { }
    bool confirm(QWidget *, const QString &) override { return false; }
    GoOn askToContinue(QWidget *, const QString &, const QString &) override { return GoOn::Stop; }
    LeaveAnswer askToLeave(QWidget *, const QString &) override { return LeaveAnswer::Stay; }
    QString openFileName(QWidget *, const FileDialogRequest &) override { return {}; }
    QString saveFileName(QWidget *, const FileDialogRequest &) override { return {}; }
};

// Two full matches saved side by side; the second has a log of many changes ending in its save.
struct Sets
{
    QTemporaryDir dir;
    QString plain = dir.filePath(QStringLiteral("plain.mrv"));
    QString logged = dir.filePath(QStringLiteral("logged.mrv"));

    Sets()
    {
        const auto match = marvola::testing::fullMatch();
        QString error;
        for (const QString &name : {plain, logged})
            saveMatchFileSet(name, *match, matchSummaryLines(match->tiedot, false), error);
        EntryLog log;
        log.open(entryLogFileName(logged), EntryLog::Access::ReadWrite, error);
        const QDateTime start = QDateTime::currentDateTime().addDays(-2);
        for (int i = 0; i < LoggedChanges; ++i) {
            const int slot = 1 + i % MaxKilpailijat;
            log.append(
                {start.addMSecs(i * 900), QStringLiteral("office"), QStringLiteral("competitor"),
                    slot, slot, disciplineCode(i % LajiCount), QStringLiteral("Kana"),
                    QString::number(i % 11), QString::number((i + 3) % 11)},
                error);
        }
        log.appendSetEvent(QStringLiteral("save"), QStringLiteral("office"), logged,
            matchSetDigest(logged, error), error);
        log.commit(error);
    }
};

Sets &sets()
{
    static Sets s;
    return s;
}

void openInWindow(benchmark::State &state, const QString &chosen)
{
    NoPrompts prompts;
    installPrompts(&prompts);
    Program program;
    program.mainWindow().show();
    MatchSession &session = program.session();
    for (auto _ : state) {
        if (!program.mainWindow().loadMatch(chosen)) {
            state.SkipWithError("the match did not load");
            break;
        }
        // Opens are seconds apart in the office: the open event's commit, due a moment after
        // the open, is not part of the next open.
        state.PauseTiming();
        QElapsedTimer deadline;
        deadline.start();
        while (session.log().hasUncommitted() && deadline.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        state.ResumeTiming();
    }
    installPrompts(nullptr);
}

void BM_OpenMatchWithoutLog(benchmark::State &state)
{
    openInWindow(state, sets().plain);
}
BENCHMARK(BM_OpenMatchWithoutLog)->Unit(benchmark::kMillisecond);

// Each open also reads what the log holds after the last save and records an open event.
void BM_OpenMatchWith100000ChangeLog(benchmark::State &state)
{
    openInWindow(state, sets().logged);
}
BENCHMARK(BM_OpenMatchWith100000ChangeLog)->Unit(benchmark::kMillisecond);

// From showing the window to its first page of rows, with the filter of the argument:
// 0 none, 1 a competitor, 2 a discipline, 3 a value.
void BM_LogWindowFirstPage(benchmark::State &state)
{
    const QString logName = entryLogFileName(sets().logged);
    for (auto _ : state) {
        EntryLogWindow window;
        switch (state.range(0)) {
        case 1:
            window.findChild<QLineEdit *>(QStringLiteral("competitorFilterEdit"))
                ->setText(QStringLiteral("250"));
            break;
        case 2:
            window.findChild<QComboBox *>(QStringLiteral("disciplineFilterBox"))
                ->setCurrentText(QStringLiteral("SBRL"));
            break;
        case 3:
            window.findChild<QLineEdit *>(QStringLiteral("valueFilterEdit"))
                ->setText(QStringLiteral("10"));
            break;
        default: break;
        }
        window.showLog(logName);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.view()->model()->rowCount());
        if (window.view()->model()->rowCount() == 0)
            state.SkipWithError("no rows");
    }
}
BENCHMARK(BM_LogWindowFirstPage)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace
