// The CSV export: nine semicolon-separated files of the discipline rankings, aggregates and teams.
#pragma once

#include "files/SafeFile.h"
#include "ranking/Tables.h"

#include <QString>
#include <QStringList>

namespace marvola {

// The export's refusal when nobody is registered: "Eipä ole paljoa tallennettavaa."
QString nothingToExportMessage();
bool hasCompetitorsToExport(const Kilpailu &kilpailu);

// The nine file names formed from the chosen name (its last four characters are dropped).
QStringList csvFileNames(const QString &chosenName);

// The nine files and their contents, from the tables as the last refresh left them.
QList<FileContent> csvFiles(const Tulokset &tulokset, const QString &chosenName);

// Writes the nine files from the tables as the last refresh left them. On failure the error holds
// the message to show. It neither saves the match nor touches Muutettu.
bool exportCsv(const Tulokset &tulokset, const QString &chosenName, QString &error);

} // namespace marvola
