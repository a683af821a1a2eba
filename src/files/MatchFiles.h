// The match file set: summary, match text, results and teams files sharing one base name.
#pragma once

#include "model/Registers.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace marvola {

// The base name of a chosen file name: the name without its last four characters, whatever they
// are (normally ".mrv" or ".csv"); the other file names of a set are formed from it.
QString baseName(const QString &chosenName);

struct MatchFileSet
{
    QString summary; // the chosen name, normally ending in ".mrv"
    QString match; // base + ".dat"
    QString results; // base + "Tulokset.dat"
    QString teams; // base + "Joukkueet.dat"

    // The base name is the chosen name without its last four characters, whatever they are.
    static MatchFileSet fromChosenName(const QString &chosen);
};

// The notice of a save with no competitor; the save goes on after it.
QString nothingToSaveMessage();

// The short date format of the match file: the locale's, always with a four-digit year.
QString matchDateFormat();
// A locale whose dates Windows-1252 cannot hold (other digits or month names) gets "d.M.yyyy".
QString formatMatchDate(const QDate &date);
// Reads the program's format, then "d.M.yyyy", then "yyyy-MM-dd"; an invalid date on failure.
QDate parseMatchDate(const QString &text);

// The lines of the match summary list, also the summary file's lines.
QStringList matchSummaryLines(const TKilpailunTiedot &tiedot, bool oldVersionDates);

struct LoadedMatch
{
    std::unique_ptr<Kilpailu> kilpailu;
    QStringList summaryLines;
};

// Reads the whole set into a fresh match built on `current` (whose teams and match information a
// file set may only partly replace). Nothing of `current` changes: on failure the error holds the
// message to show and the result is empty. Muutettu of the result is clear.
LoadedMatch loadMatchFileSet(
    const QString &chosenName, bool oldLayout, const Kilpailu &current, QString &error);

// Writes the four files, each to a temporary file moved into place only when complete. On
// failure the error holds the message and the old files stay as they were. Muutettu is the
// caller's: it is cleared only after a successful save.
bool saveMatchFileSet(const QString &chosenName, const Kilpailu &kilpailu,
    const QStringList &summaryLines, QString &error);

} // namespace marvola
