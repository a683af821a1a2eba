#include "app/CommandLine.h"

#include "files/MatchFiles.h"
#include "output/CsvExport.h"
#include "output/ReportRender.h"
#include "output/ResultReport.h"
#include "ranking/Ranking.h"

#include <cstdio>
#include <memory>

namespace marvola {

namespace {

void printError(const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Options that take a value, and where the value goes.
QString *valueTarget(CommandLine &c, const QString &option)
{
    if (option == QLatin1String("--save"))
        return &c.saveTo;
    if (option == QLatin1String("--csv"))
        return &c.csvTo;
    if (option == QLatin1String("--pdf"))
        return &c.pdfTo;
    if (option == QLatin1String("--html"))
        return &c.htmlTo;
    if (option == QLatin1String("--lists"))
        return &c.lists;
    return nullptr;
}

} // namespace

QString usageText()
{
    return QStringLiteral(
        "Usage: marvola [MATCH.mrv] [options]\n"
        "\n"
        "Without options the program opens its window, with MATCH.mrv loaded when given.\n"
        "Batch mode (no window, no display needed) loads MATCH.mrv and writes:\n"
        "  --save OUT.mrv     the match file set named by OUT.mrv\n"
        "  --csv OUT.csv      the nine CSV files named by OUT.csv\n"
        "  --pdf OUT.pdf      the printed lists as a PDF file\n"
        "  --html OUT.html    the printed lists as an HTML file\n"
        "  --lists LISTS      the lists to print: check-box captions separated by commas,\n"
        "                     for example \"BBPR,BBP Aggr,Standing Team\", or all (the default)\n"
        "  --old-layout       read the match file of the old version (\"Load old version files\")\n"
        "  --help             this text\n");
}

std::optional<CommandLine> parseCommandLine(const QStringList &arguments, QString *error)
{
    CommandLine c;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            c.help = true;
        } else if (arg == QLatin1String("--old-layout")) {
            c.oldLayout = true;
        } else if (QString *target = valueTarget(c, arg)) {
            if (i + 1 >= arguments.size()) {
                *error = QStringLiteral("%1 needs a file name.").arg(arg);
                return std::nullopt;
            }
            *target = arguments[++i];
        } else if (arg.startsWith(QLatin1String("--"))) {
            *error = QStringLiteral("Unknown option %1.").arg(arg);
            return std::nullopt;
        } else if (c.matchFile.isEmpty()) {
            c.matchFile = arg;
        } else {
            *error = QStringLiteral("Only one match file can be given.");
            return std::nullopt;
        }
    }
    if (!c.help && c.isBatch() && c.matchFile.isEmpty()) {
        *error = QStringLiteral("Batch mode needs the match file to read.");
        return std::nullopt;
    }
    return c;
}

int runBatch(const CommandLine &c)
{
    if (c.help) {
        std::fputs(qPrintable(usageText()), stdout);
        return 0;
    }

    QString error;
    // The lists to print are checked before the match is read.
    const std::optional<PrintSelection> selection = parsePrintSelection(c.lists, &error);
    if (!selection) {
        printError(error);
        return 1;
    }

    const auto fresh = std::make_unique<Kilpailu>();
    LoadedMatch loaded = loadMatchFileSet(c.matchFile, c.oldLayout, *fresh, &error);
    if (!loaded.kilpailu) {
        printError(error);
        return 1;
    }
    const Kilpailu &kilpailu = *loaded.kilpailu;
    // Refusals come before any output, so a refused run writes nothing.
    if (!c.csvTo.isEmpty() && !hasCompetitorsToExport(kilpailu)) {
        printError(nothingToExportMessage());
        return 1;
    }

    if (!c.saveTo.isEmpty()) {
        // As in the window, the notice of an empty match does not stop the save.
        if (kilpailu.kilpailijat.highestOccupied() == 0)
            printError(nothingToSaveMessage());
        // The summary file holds the lines the main window shows after this load.
        const QStringList summary = kilpailunTiedotLines(kilpailu.tiedot, c.oldLayout);
        if (!saveMatchFileSet(c.saveTo, kilpailu, summary, &error)) {
            printError(error);
            return 1;
        }
    }

    // The window's tab lines are not needed: every output reads the tables.
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(kilpailu, *tulokset, TabLines::Skip);

    if (!c.csvTo.isEmpty() && !exportCsv(*tulokset, c.csvTo, &error)) {
        printError(error);
        return 1;
    }

    if (!c.pdfTo.isEmpty() || !c.htmlTo.isEmpty()) {
        ResultReport report(kilpailu.tiedot, *tulokset, *selection);
        const std::pair<QString, decltype(&exportPdf)> outputs[]
            = {{c.pdfTo, &exportPdf}, {c.htmlTo, &exportHtml}};
        for (const auto &[fileName, write] : outputs) {
            if (fileName.isEmpty())
                continue;
            const ReportFileResult result
                = write(report.callbacks(), fileName, QPageSize(QPageSize::A4), ReportProgress{});
            if (!result.ok) {
                printError(result.error);
                return 1;
            }
        }
    }

    return 0;
}

} // namespace marvola
