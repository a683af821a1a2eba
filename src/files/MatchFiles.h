// The match file set: summary, match text, results and teams files sharing one base name.
#pragma once

#include "files/SafeFile.h"
#include "model/Registers.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace marvola {

// The base name of a chosen file name: the name without its last four characters, whatever they
// are (normally ".mrv" or ".csv"); the other file names of a set are formed from it.
QString baseName(const QString &chosenName);

// The name a match is saved under: the chosen name, with ".mrv" added unless it ends in it (in
// any case), so that the other three files are named from it and stay in its folder.
QString matchSaveName(const QString &chosenName);

struct MatchFileSet
{
    QString summary; // the chosen name, normally ending in ".mrv"
    QString match; // base + ".dat"
    QString results; // base + "Tulokset.dat"
    QString teams; // base + "Joukkueet.dat"
    // Beside the four, only where the match has extras to keep: base + "Lisatiedot.db".
    QString extras;

    // The base name is the chosen name without its last four characters, whatever they are: a
    // name saved by matchSaveName ends in ".mrv", and older sets keep opening by this rule.
    static MatchFileSet fromChosenName(const QString &chosen);
    QStringList asList() const { return {summary, match, results, teams}; }
    // The four, and the extras file where it is there (or being written): what a set is read as.
    QStringList presentList() const;
    // All five names, for finding what a save cut short left behind.
    QStringList allNames() const { return asList() << extras; }

    // The commit record and the writers' lock, named from the base so that x.MRV and x.mrv find
    // each other's saves: base + ".mrv.commit" and base + ".mrv.lock".
    QString commitRecord() const;
    QString lock() const;
    // Held by the window that has the set open for writing, as long as it has it open:
    // base + ".mrv.open".
    QString openLock() const;
    // The record may name only these four files (the summary with ".mrv" in any case).
    WriteGroup writeGroup() const;
};

// The longest text a line of the match file may hold; a save cuts longer texts to it. Real
// names and places are far shorter, and every printed page header repeats the club.
constexpr qsizetype MaxMatchTextLength = 1000;

// The notice of a save with no competitor; the save goes on after it.
QString nothingToSaveMessage();

// The date format shown on screen and printed: the locale's short one with a four-digit year.
QString matchDateFormat();
// A date for people to read (screen, print, summary file). A locale whose dates Windows-1252
// cannot hold (other digits or month names) gets "d.M.yyyy".
QString formatMatchDate(const QDate &date);
// A date as the match file holds it: always "d.M.yyyy", so the file loads under any locale.
QString formatMatchFileDate(const QDate &date);
// Reads "d.M.yyyy", "yyyy-MM-dd", the locale's short and long formats and the English
// "d MMM yyyy"; an invalid date on failure.
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
// message to show and the result is empty. Muutettu of the result is clear. A save of this set
// that was cut short is first finished or dropped (finishInterruptedWrite), but only when its lock
// can be taken: while another program saves, the set is read as before or after that save
// (readGroupWhole), and a set on read-only media is read without writing anything.
LoadedMatch loadMatchFileSet(
    const QString &chosenName, bool oldLayout, const Kilpailu &current, QString &error);

// True while a save of the set is under way or was cut short: its commit record or temporary
// files are there. A program that only watches the files waits instead of finishing the save.
bool saveUnderWay(const QString &chosenName);

// Reads the set whole (as before or after a save under way) and finishes or drops nothing: for a
// program that watches the match which another one saves.
LoadedMatch readMatchFileSetAsItIs(
    const QString &chosenName, bool oldLayout, const Kilpailu &current, QString &error);

// The four files of a save (under matchSaveName(chosenName)) and their contents, the summary file
// first, as the group they are written in, with the extras file fifth where the match has extras
// or the target already has that file; false with the error when the match cannot be saved.
bool matchFileSetContents(const QString &chosenName, const Kilpailu &kilpailu,
    const QStringList &summaryLines, WriteGroup *files, QString &error);

// The contents of the four files, for reading a set that is already in memory.
struct MatchFileBytes
{
    QByteArray summary;
    QByteArray match;
    QByteArray results;
    QByteArray teams;
    QByteArray extras; // empty where the set has no extras file
};

// The same from bytes in memory (the names only go into the messages); the same bounds apply.
LoadedMatch loadMatchFileSet(const MatchFileSet &names, const MatchFileBytes &bytes, bool oldLayout,
    const Kilpailu &current, QString &error);

// Writes the four files together (writeGroupsSafely), under matchSaveName(chosenName) and the
// set's lock: after a failure, a crash or a power cut the next load finds the whole old set or the
// whole new one. On failure the error holds the message.
// Muutettu is the caller's: it is cleared only after a successful save.
bool saveMatchFileSet(const QString &chosenName, const Kilpailu &kilpailu,
    const QStringList &summaryLines, QString &error);

} // namespace marvola
