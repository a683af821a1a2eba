// The command line: batch mode (no window) and the match to open.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace marvola {

struct CommandLine
{
    QString matchFile; // MATCH.mrv, optional for the windowed program
    bool oldLayout = false;
    QString saveTo; // --save OUT.mrv
    QString csvTo; // --csv OUT.csv
    QString pdfTo; // --pdf OUT.pdf
    QString htmlTo; // --html OUT.html
    QString lists = QStringLiteral("all"); // --lists, check-box captions separated by commas
    bool help = false;

    bool isBatch() const
    {
        return help || !saveTo.isEmpty() || !csvTo.isEmpty() || !pdfTo.isEmpty()
            || !htmlTo.isEmpty();
    }
    // The printed lists are measured with fonts and so need a GUI application; the other batch
    // outputs need Qt Core only.
    bool writesReport() const { return !pdfTo.isEmpty() || !htmlTo.isEmpty(); }
};

// Parses the arguments after the program name; on a usage error returns nothing and sets error.
std::optional<CommandLine> parseCommandLine(const QStringList &arguments, QString *error);
QString usageText();

// Runs the batch work; messages go to stderr as the program would show them. Returns the exit
// status.
int runBatch(const CommandLine &commandLine);

} // namespace marvola
