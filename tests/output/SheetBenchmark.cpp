// How long the result sheets of a full match take: 500 competitors in one PDF, and a PDF each.
#include "output/ResultSheet.h"
#include "ranking/Ranking.h"
#include "support/FullMatch.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

using namespace marvola;

namespace {

struct FullSheets
{
    std::unique_ptr<Kilpailu> match = marvola::testing::fullMatch();
    std::unique_ptr<Tulokset> tulokset = std::make_unique<Tulokset>();
    QList<int> competitors;

    FullSheets()
    {
        refreshResults(*match, *tulokset, TabLines::Skip);
        competitors = competitorSlotsByNumber(*match);
    }
};

void BM_SheetsInOnePdf(benchmark::State &state)
{
    FullSheets full;
    ReportFileResult result;
    QByteArray pdf;
    for (auto _ : state) {
        pdf.clear();
        ResultSheets sheets(*full.match, *full.tulokset, full.competitors);
        result = renderPdf(sheets.callbacks(), &pdf);
        if (!result.ok)
            state.SkipWithError(qPrintable(result.error));
    }
    state.counters["pages"] = result.pageCount;
    state.counters["pdf_kib"] = static_cast<double>(pdf.size()) / 1024;
}
BENCHMARK(BM_SheetsInOnePdf)->Unit(benchmark::kMillisecond);

void BM_SheetsAPdfEach(benchmark::State &state)
{
    FullSheets full;
    qsizetype bytes = 0;
    for (auto _ : state) {
        SheetPdfMaker maker(*full.match, *full.tulokset);
        bytes = 0;
        QString error;
        for (int slot : full.competitors) {
            const std::optional<QByteArray> pdf = maker.make(slot, error);
            if (!pdf) {
                state.SkipWithError(qPrintable(error));
                break;
            }
            bytes += pdf->size();
        }
    }
    state.counters["pdfs"] = static_cast<double>(full.competitors.size());
    state.counters["total_kib"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(BM_SheetsAPdfEach)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
