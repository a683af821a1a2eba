// How long the main window's refresh takes on a full match (500 competitors in all 16
// disciplines), the lists filled and painted, beside the rankings alone. A benchmark: run by hand,
// build/tests/ui/window_benchmark; it measures and asserts nothing.
#include "ranking/Ranking.h"
#include "support/FullMatch.h"
#include "ui/Application.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QTabWidget>

#include <benchmark/benchmark.h>

using namespace marvola;

namespace {

// Each run shows another tab, so the refresh is painted as the user would see it.
void BM_WindowRefreshFullMatch(benchmark::State &state)
{
    Program program;
    MainWindow &form = program.mainWindow();
    form.show();
    program.kilpailu() = std::move(*testing::fullMatch());
    auto *tabs = form.findChild<QTabWidget *>(QStringLiteral("resultTabs"));
    int run = 0;
    for (auto _ : state) {
        if (tabs)
            tabs->setCurrentIndex((run++ * 4) % tabs->count());
        form.refresh();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_WindowRefreshFullMatch)->Unit(benchmark::kMillisecond);

// The rankings alone: the rest of the refresh above is filling and painting the lists.
void BM_RankingsAloneFullMatch(benchmark::State &state)
{
    const auto match = testing::fullMatch();
    Tulokset tulokset;
    for (auto _ : state)
        refreshResults(*match, tulokset);
}
BENCHMARK(BM_RankingsAloneFullMatch)->Unit(benchmark::kMillisecond);

} // namespace
