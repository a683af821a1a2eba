// How long the main window's refresh takes on a full match, widgets filled; prints, never asserts a
// time.
#include "ProgramFixture.h"
#include "ranking/Ranking.h"
#include "support/FullMatch.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace marvola;
using namespace marvola::testing;

namespace {

using RefreshTiming = ProgramTest;

TEST_F(RefreshTiming, FullMatchRefreshFillsEveryTab)
{
    kilpailu() = std::move(*fullMatch());
    std::vector<double> millis;
    for (int run = 0; run < 5; ++run) {
        // Each run shows another tab, so the refresh is painted as the user would see it.
        pageControl()->setCurrentIndex(run * 4);
        QElapsedTimer timer;
        timer.start();
        form.refresh();
        QApplication::processEvents();
        millis.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(millis.begin(), millis.end());
    // The rankings alone, for comparison: the rest is filling and painting the lists.
    QElapsedTimer rankingTimer;
    rankingTimer.start();
    refreshResults(kilpailu(), program.tulokset());
    const double rankingMillis = static_cast<double>(rankingTimer.nsecsElapsed()) / 1e6;
    std::printf("[ timing   ] full match refresh through refresh: median %.1f ms, best %.1f ms, "
                "worst %.1f ms (rankings alone %.1f ms)\n",
        millis[2], millis[0], millis[4], rankingMillis);
    RecordProperty("refresh_median_ms", static_cast<int>(millis[2]));
    // What every output pays to learn whether the tables are older than the registers.
    QElapsedTimer checkTimer;
    checkTimer.start();
    constexpr int Checks = 20;
    for (int i = 0; i < Checks; ++i)
        EXPECT_TRUE(tablesAreCurrent(kilpailu(), program.tulokset()));
    std::printf("[ timing   ] tables-current check on a full match: %.2f ms\n",
        static_cast<double>(checkTimer.nsecsElapsed()) / 1e6 / Checks);

    EXPECT_EQ(listedNames().size(), 500);
    const Tulokset &tulokset = program.tulokset();
    for (int d = 0; d < LajiCount; ++d)
        EXPECT_EQ(linesOf(disciplineCode(d) + QStringLiteral("Ruutu")),
            tulokset.lajiLines[static_cast<size_t>(d)]);
    for (const AggregateInfo &info : Aggregates)
        EXPECT_EQ(linesOf(QLatin1String(info.code) + QStringLiteral("AggrRuutu")),
            tulokset.aggrLines[static_cast<size_t>(ix(info.aggregate))]);
    EXPECT_GT(linesOf(QStringLiteral("BBPRRuutu")).size(), 300);
}

} // namespace
