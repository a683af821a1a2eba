// Writes a full match (500 competitors in all 16 disciplines, 100 teams) as a match file set, for
// the live results load benchmark: make_full_match OUT.mrv
#include "ToolArguments.h"
#include "files/MatchFiles.h"
#include "support/FullMatch.h"

#include <QCoreApplication>

#include <cstdio>

using namespace marvola;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (const auto status = answerToolArguments(QCoreApplication::arguments(), 1, 1,
            "Usage: make_full_match OUT.mrv\n"
            "Writes a full match (500 competitors in all 16 disciplines, 100 teams) as the match\n"
            "file set named by OUT.mrv, for the live results load benchmark.\n"))
        return *status;
    const auto match = testing::fullMatch();
    match->tiedot.Seura = QStringLiteral("Full Club");
    match->tiedot.Paikka = QStringLiteral("Benchmark Range");
    QString error;
    if (!saveMatchFileSet(QString::fromLocal8Bit(argv[1]), *match,
            matchSummaryLines(match->tiedot, false), error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
