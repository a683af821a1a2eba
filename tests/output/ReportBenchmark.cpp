// How long all 28 printed lists of a full match take: composing the pages and writing the PDF.
#include "output/ReportRender.h"
#include "output/ResultReport.h"
#include "ranking/Ranking.h"
#include "support/FullMatch.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>
#include <cstdio>

using namespace marvola;

namespace {

struct FullReport
{
    std::unique_ptr<Kilpailu> match = marvola::testing::fullMatch();
    std::unique_ptr<Tulokset> tulokset = std::make_unique<Tulokset>();
    ResultReport report{match->tiedot, *tulokset, PrintSelection().set()};

    FullReport() { refreshResults(*match, *tulokset); }
};

void BM_AllListsToPdf(benchmark::State &state)
{
    FullReport full;
    ReportFileResult result;
    QByteArray pdf;
    for (auto _ : state) {
        pdf.clear();
        result = renderPdf(full.report.callbacks(), &pdf);
        if (!result.ok)
            state.SkipWithError(qPrintable(result.error));
    }
    state.counters["pages"] = result.pageCount;
    state.counters["pdf_kib"] = static_cast<double>(pdf.size()) / 1024;
}
BENCHMARK(BM_AllListsToPdf)->Unit(benchmark::kMillisecond);

// The layouts and the measuring alone, without a PDF.
void BM_AllListsComposed(benchmark::State &state)
{
    FullReport full;
    QtTextMeasurer measurer;
    qsizetype pages = 0;
    for (auto _ : state) {
        const ReportDocument document
            = generateReport(PageGeometry::a4(), measurer, full.report.callbacks());
        pages = document.pages.size();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_AllListsComposed)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // --write-pdf=FILE also writes the full match's lists, to look at.
    const QString writePdf = QStringLiteral("--write-pdf=");
    for (const QString &argument : QCoreApplication::arguments()) {
        if (!argument.startsWith(writePdf))
            continue;
        FullReport full;
        const ReportFileResult result
            = exportPdf(full.report.callbacks(), argument.mid(writePdf.size()));
        std::fprintf(
            stderr, "%s: %d pages\n", qPrintable(argument.mid(writePdf.size())), result.pageCount);
        return result.ok ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
