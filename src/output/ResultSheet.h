// A competitor's own result sheet: one page with the match, the competitor, every discipline,
// aggregate and team entered, read from the ranking tables the lists are printed from.
#pragma once

#include "model/Disciplines.h"
#include "output/ReportCanvas.h"
#include "output/ReportRender.h"
#include "ranking/Tables.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

namespace marvola {

struct Kilpailu;
struct TKilpailunTiedot;

// Whether the lists the sheet is read from are final; a sheet and its mail say so when known.
enum class ResultStatus { Unstated, Provisional, Official };

struct SheetOptions
{
    // Unstated: as the match's lists stand (resultStatusOf).
    ResultStatus status = ResultStatus::Unstated;
};

// Where the match's lists stand: provisional while any list is posted and not yet official,
// official when every list with a status is official, unstated when no list has one.
ResultStatus resultStatusOf(const Kilpailu &kilpailu);
// The options with an unstated status taken from the match.
SheetOptions withMatchStatus(const Kilpailu &kilpailu, SheetOptions options);

// One discipline entered, as its ranked row holds it.
struct SheetDiscipline
{
    int d = 0;
    QString luokka; // the class the list places the competitor in
    QString gun; // gun, model and caliber
    std::int32_t kana = 0;
    std::int32_t sika = 0;
    std::int32_t kalkkuna = 0;
    std::int32_t passi = 0;
    std::int32_t yhteensa = 0;
    QStringList shootOff; // the shoot-off entries typed, f1 on
    int place = 0; // in the whole discipline; tied competitors share a place
    int competitors = 0;
    // The place in the class section of the list; none for the overall first three, whom the
    // list names above the classes.
    std::optional<int> classPlace;
    int classCompetitors = 0; // the competitors in the class section
};

struct SheetAggregate
{
    Aggregate aggregate = Aggregate::BBP;
    Sum total = 0;
    int place = 0;
    int competitors = 0;
};

struct SheetTeam
{
    TeamGroup group = TeamGroup::BBP;
    QString name; // as typed, without the group word
    int standing = 0;
    int teams = 0;
    Sum sum = 0;
};

struct CompetitorSheet
{
    int slot = 0;
    std::int32_t numero = 0;
    QString nimi;
    QString seura;
    QString maa;
    QList<SheetDiscipline> disciplines; // in the order of the main window's tabs
    QList<SheetAggregate> aggregates;
    QList<SheetTeam> teams;
};

// What the tables say of the competitor in the slot. The tables must be current.
CompetitorSheet competitorSheet(const Kilpailu &kilpailu, const Tulokset &tulokset, int slot);

// The chosen of every competitor with a name, in number order.
QList<int> competitorSlotsByNumber(const Kilpailu &kilpailu);

// "12-Virtanen Matti.pdf": the number and the name made safe as a file name in any folder (no
// folder separators, no "..", no control or reserved characters, a bounded length).
QString sheetFileName(std::int32_t numero, const QString &nimi);

// A text of the sheet in a language ("en", "fi", "sv"); the program's own when empty.
QString sheetText(const QString &language, const char *context, const char *source);

// The sheets of the given chosen, a page each, each in its competitor's language (slot to
// language; a slot not in the map gets the program's language).
class ResultSheets
{
public:
    ResultSheets(const Kilpailu &kilpailu, const Tulokset &tulokset, QList<int> chosen,
        QHash<int, QString> languages = {}, SheetOptions options = {});

    // The body: a page per slot.
    void print(ReportCanvas &canvas);
    ReportCallbacks callbacks();

private:
    void printSheet(ReportCanvas &canvas, const CompetitorSheet &sheet, const QString &language);

    const Kilpailu &m_kilpailu;
    const Tulokset &m_tulokset;
    QList<int> m_slots;
    QHash<int, QString> m_languages;
    SheetOptions m_options;
};

// The title of the PDF of one competitor's sheet, in the given language.
QString sheetTitle(const TKilpailunTiedot &tiedot, const QString &language);
// The status's own words, in the given language; empty when unstated.
QString statusText(ResultStatus status, const QString &language);

// Each competitor's sheet as a PDF of its own. The fonts are measured once, at the PDF's
// resolution, for every sheet made.
class SheetPdfMaker
{
public:
    SheetPdfMaker(const Kilpailu &kilpailu, const Tulokset &tulokset,
        QHash<int, QString> languages = {}, SheetOptions options = {});
    ~SheetPdfMaker();
    SheetPdfMaker(const SheetPdfMaker &) = delete;
    SheetPdfMaker &operator=(const SheetPdfMaker &) = delete;

    // Nothing, with the error, when the PDF cannot be written.
    std::optional<QByteArray> make(int slot, QString &error);

private:
    struct Measuring;
    const Kilpailu &m_kilpailu;
    const Tulokset &m_tulokset;
    QHash<int, QString> m_languages;
    SheetOptions m_options;
    std::unique_ptr<Measuring> m_measuring;
};

} // namespace marvola
