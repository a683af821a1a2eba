// How long the whole refresh takes on a full register.
#include "files/MatchFiles.h"
#include "output/CsvExport.h"
#include "ranking/Ranking.h"
#include "support/FullMatch.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdio>

using namespace marvola;

namespace {

// Reading the full match's file set from disk, as the batch mode does first.
void BM_LoadFullMatch(benchmark::State &state)
{
    const auto match = marvola::testing::fullMatch();
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("full.mrv"));
    QString error;
    if (!saveMatchFileSet(fileName, *match, matchSummaryLines(match->tiedot, false), error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    const auto current = std::make_unique<Kilpailu>();
    for (auto _ : state) {
        LoadedMatch loaded = loadMatchFileSet(fileName, false, *current, error);
        if (!loaded.kilpailu) {
            state.SkipWithError(qPrintable(error));
            break;
        }
        benchmark::DoNotOptimize(loaded.kilpailu->kilpailijat[1].Numero);
    }
}
BENCHMARK(BM_LoadFullMatch)->Unit(benchmark::kMillisecond);

void BM_RefreshFullMatch(benchmark::State &state)
{
    const auto match = marvola::testing::fullMatch();
    auto tulokset = std::make_unique<Tulokset>();
    for (auto _ : state) {
        refreshResults(*match, *tulokset);
        benchmark::DoNotOptimize(tulokset->lajit[0][1].Sijoitus);
    }
}
BENCHMARK(BM_RefreshFullMatch)->Unit(benchmark::kMillisecond);

// The batch mode's refresh: every table ranked and placed, no tab lines.
void BM_RefreshFullMatchWithoutLines(benchmark::State &state)
{
    const auto match = marvola::testing::fullMatch();
    auto tulokset = std::make_unique<Tulokset>();
    for (auto _ : state) {
        refreshResults(*match, *tulokset, TabLines::Skip);
        benchmark::DoNotOptimize(tulokset->lajit[0][1].Sijoitus);
    }
}
BENCHMARK(BM_RefreshFullMatchWithoutLines)->Unit(benchmark::kMillisecond);

// The rankings alone, without the tab lines: collect, class from score and sort of every table.
void BM_RankFullMatchWithoutLines(benchmark::State &state)
{
    const auto match = marvola::testing::fullMatch();
    auto tulokset = std::make_unique<Tulokset>();
    const std::int32_t bbpShots = match->tiedot.shotCount(Group::BBP);
    for (auto _ : state) {
        for (int d = 0; d < LajiCount; ++d) {
            collectDiscipline(*match, d, tulokset->laji(d));
            classifyUnclassed(tulokset->laji(d), d, bbpShots);
            sortDiscipline(tulokset->laji(d));
        }
        for (const AggregateInfo &info : Aggregates) {
            collectAggregate(*match, info.aggregate, tulokset->aggregate(info.aggregate));
            sortAggregate(tulokset->aggregate(info.aggregate));
        }
        for (const TeamGroupInfo &info : TeamGroups) {
            collectTeams(*match, info.group, tulokset->aggregate(info.aggregate),
                tulokset->standings(info.group));
            sortTeams(tulokset->standings(info.group));
        }
        benchmark::DoNotOptimize(tulokset->lajit[0][1].Sijoitus);
    }
}
BENCHMARK(BM_RankFullMatchWithoutLines)->Unit(benchmark::kMillisecond);

void BM_ExportCsvFullMatch(benchmark::State &state)
{
    const auto match = marvola::testing::fullMatch();
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(*match, *tulokset);
    QTemporaryDir dir;
    QString error;
    for (auto _ : state)
        if (!exportCsv(*tulokset, dir.filePath(QStringLiteral("full.csv")), error))
            state.SkipWithError(qPrintable(error));
}
BENCHMARK(BM_ExportCsvFullMatch)->Unit(benchmark::kMillisecond);

} // namespace

// --write-full-match OUT.mrv saves the benchmark's full register as a match file set, so the
// batch mode can be timed on it.
int writeFullMatch(const QString &fileName)
{
    const auto match = marvola::testing::fullMatch();
    QString error;
    const QStringList summary = matchSummaryLines(match->tiedot, false);
    if (!saveMatchFileSet(fileName, *match, summary, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--write-full-match")
        return writeFullMatch(QString::fromLocal8Bit(argv[2]));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
