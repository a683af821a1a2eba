// The competitors of an imported table, each classified against the open match (new, update,
// suspected duplicate, refused with the reason), and the plan applied to the match once the
// official confirms.
#pragma once

#include "import/ImportColumns.h"
#include "import/ImportTable.h"
#include "model/Registers.h"

#include <QSet>

namespace marvola {

// One discipline entered by an imported competitor; an empty class keeps the slot's class.
struct ImportEntry
{
    int discipline = 0;
    QString luokka;
    QString ase;
    QString malli;
    QString kaliiperi;
};

// A competitor as the file gives it: a row, or consecutive rows of one competitor and discipline.
struct ImportCompetitor
{
    QList<int> lines; // of the file (CSV) or the sheet's rows (XLSX), the first first
    QString nimi;
    QString seura;
    QString maa;
    CompetitorExtras extras;
    // Which of the fields the file has columns for: only those are written in an update.
    bool hasSeura = false;
    bool hasMaa = false;
    bool hasMemberNumber = false;
    bool hasEmail = false;
    bool hasSharesGunWith = false;
    bool hasLeftHanded = false;
    QList<ImportEntry> entries;
    // "en", "fi" or "sv" when the file names one (by code or by name in any of the three); for
    // the shooter register only, the match has no place for it.
    QString language;
    // The first reason the file's text cannot be imported as it is; empty when it can.
    QString problem;
    // A text is too long for its field (and would fit when shortened).
    bool tooLong = false;

    int line() const { return lines.value(0); }
};

enum class ImportStatus { New, Update, Duplicate, Refused };

struct ImportRow
{
    ImportCompetitor competitor;
    ImportStatus status = ImportStatus::Refused;
    QString reason; // why refused, or which competitor a duplicate resembles
    int slot = 0; // the slot an update writes or a duplicate resembles
    bool accepted = false; // a suspected duplicate the official imports as a new competitor
};

struct ImportOptions
{
    // Texts too long for their fields are cut to fit (the window offers it; the batch refuses).
    bool shorten = false;
    // First lines of suspected duplicates the official imports as new competitors.
    QSet<int> acceptedDuplicates;
};

struct ImportPlan
{
    QList<ImportRow> rows;
    QStringList ignoredHeadings; // columns not recognised or assigned, named once

    int count(ImportStatus status) const;
    // What applying the plan adds (new and accepted duplicates) and updates.
    int added() const;
    int updated() const;
};

// The competitors of the table, read by its columns: names joined "Last First" from two columns,
// consecutive rows of one competitor (same member number, or name and club) merged when the file
// has a discipline column.
QList<ImportCompetitor> competitorsOf(
    const ImportTable &table, const QList<ImportColumn> &columns, const ImportOptions &options);

// Every competitor of the table classified against the match; nothing in the match changes.
ImportPlan planImport(const ImportTable &table, const QList<ImportColumn> &columns,
    const Kilpailu &match, const ImportOptions &options = {});

// Applies the plan to the match: new competitors as the new competitor dialog adds them, updates
// to club, nationality, entries, classes, equipment and extras; results are never written.
void applyImport(const ImportPlan &plan, Kilpailu &match);

// The language the plan gives for the competitor now in the slot (after applyImport): the row
// that updated the slot, else the row of his name and club; empty when none gives one.
QString importedLanguage(const ImportPlan &plan, const Kilpailu &match, int slot);

// "12 Virtanen Matti (HAUR)": how a reason names a competitor of the match.
QString competitorLabel(const Kilpailu &match, int slot);

} // namespace marvola
