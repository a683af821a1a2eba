// The fixed vocabulary of a match: disciplines, groups, targets, classes, aggregates, team groups.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace marvola {

// Index d of every per-discipline array of a competitor record.
enum Laji : int {
    BBPR,
    BBPC,
    BBPP,
    BBPS,
    BBPU,
    SBPR,
    SBPC,
    SBPP,
    SBPS,
    SBPU,
    FPP,
    FPPAS,
    BBRS,
    BBRH,
    SBRS,
    SBRL
};
constexpr int LajiCount = 16;

// Discipline groups, in the order of the match info dialog and the match file.
enum class Group : int { BBP, SBP, FP, SBR, BBR };
constexpr int GroupCount = 5;

enum class Aggregate : int { BBP, FP, SBP, Standing, SBR, BBR };
constexpr int AggregateCount = 6;

enum class TeamGroup : int { BBP, SBP, FP, SBR, BBR, Stand };
constexpr int TeamGroupCount = 6;

template<typename E> constexpr int ix(E e)
{
    return static_cast<int>(e);
}

struct DisciplineInfo
{
    Laji d;
    const char *code;
    const char *title;
    Group group;
    bool hasCaliber;
    bool isRifle; // rifle disciplines offer "Master" and list a Master section
};
extern const std::array<DisciplineInfo, LajiCount> Disciplines;
const DisciplineInfo &discipline(int d);
QString disciplineCode(int d);
// The discipline of a code such as "BBPR"; nothing for a code that is none.
std::optional<int> disciplineOfCode(
    const QString &code, Qt::CaseSensitivity cs = Qt::CaseSensitive);

struct GroupInfo
{
    Group group;
    const char *code;
    std::span<const Laji> members;
};
extern const std::array<GroupInfo, GroupCount> Groups;

// Target animals in record order, with the column captions.
enum class Target : int { Kana, Sika, Kalkkuna, Passi };
struct TargetInfo
{
    Target target;
    const char *field;
    const char *caption;
};
extern const std::array<TargetInfo, 4> Targets;

// Class codes as stored in Luokka[d].
namespace Luokat {
inline const QString Int = QStringLiteral("Int");
inline const QString A = QStringLiteral("A");
inline const QString B = QStringLiteral("B");
inline const QString Master = QStringLiteral("Master");
inline const QString Eiluok = QStringLiteral("Eiluok");
} // namespace Luokat
// Caption of a class code in the entry dialog ("Eiluok" reads "No Class").
QString classCaption(const QString &code);
// The class sections of a discipline's result list, in order.
QStringList classSections(int d);
// Classes offered in a discipline's entry row, in order (Int, [Master,] A, B, Eiluok).
QStringList classesOffered(int d);

struct AggregateInfo
{
    Aggregate aggregate;
    const char *code; // "BBP", "FP", ...
    const char *tabCaption; // "BBP Agg"
    const char *title; // "Big Bore Pistol Aggregate"
    const char *listTitle; // title item of the list view: "BBPAggr"
    std::span<const Laji> disciplines; // all disciplines whose totals the row carries, slot order
};
extern const std::array<AggregateInfo, AggregateCount> Aggregates;
const AggregateInfo &aggregateInfo(Aggregate a);
// The discipline group an aggregate closes; none for Standing, which spans several groups.
std::optional<Group> groupOfAggregate(Aggregate a);

struct TeamGroupInfo
{
    TeamGroup group;
    const char *code; // the Laji word stored in a team
    const char *caption; // radio caption
    const char *title; // heading of the printed team list
    Aggregate aggregate; // aggregate the members' figures come from
};
extern const std::array<TeamGroupInfo, TeamGroupCount> TeamGroups;
const TeamGroupInfo &teamGroupInfo(TeamGroup g);

// The orders in which the program walks the disciplines.
namespace Orders {
extern const std::array<Laji, LajiCount> Tabs; // discipline tabs of the main window
extern const std::array<Laji, LajiCount> DisciplinesText; // "Disciplines" column
extern const std::array<Laji, LajiCount> Export; // CSV main file
} // namespace Orders

// The class a ranking row without a class ("Eiluok") gets from its total; returns "Eiluok" when
// no band applies. BBPC and BBPP depend on the BBP shot count.
QString classFromScore(int d, std::int32_t total, std::int32_t bbpShots);

} // namespace marvola
