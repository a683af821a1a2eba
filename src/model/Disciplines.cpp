#include "model/Disciplines.h"

#include <QCoreApplication>

#include <optional>

namespace marvola {

const std::array<DisciplineInfo, LajiCount> Disciplines = {{
    {BBPR, "BBPR", QT_TRANSLATE_NOOP("Disciplines", "Big Bore Pistol Revolver"), Group::BBP, true,
        false},
    {BBPC, "BBPC", QT_TRANSLATE_NOOP("Disciplines", "Big Bore Pistol Conventional"), Group::BBP,
        true, false},
    {BBPP, "BBPP", QT_TRANSLATE_NOOP("Disciplines", "Big Bore Pistol Production"), Group::BBP, true,
        false},
    {BBPS, "BBPS", QT_TRANSLATE_NOOP("Disciplines", "Big Bore Pistol Standing"), Group::BBP, true,
        false},
    {BBPU, "BBPU", QT_TRANSLATE_NOOP("Disciplines", "Big Bore Pistol Unlimited"), Group::BBP, true,
        false},
    {SBPR, "SBPR", QT_TRANSLATE_NOOP("Disciplines", "Small Bore Pistol Revolver"), Group::SBP,
        false, false},
    {SBPC, "SBPC", QT_TRANSLATE_NOOP("Disciplines", "Small Bore Pistol Conventional"), Group::SBP,
        false, false},
    {SBPP, "SBPP", QT_TRANSLATE_NOOP("Disciplines", "Small Bore Pistol Production"), Group::SBP,
        false, false},
    {SBPS, "SBPS", QT_TRANSLATE_NOOP("Disciplines", "Small Bore Pistol Standing"), Group::SBP,
        false, false},
    {SBPU, "SBPU", QT_TRANSLATE_NOOP("Disciplines", "Small Bore Pistol Unlimited"), Group::SBP,
        false, false},
    {FPP, "FPP", QT_TRANSLATE_NOOP("Disciplines", "Field Pistol Production"), Group::FP, true,
        false},
    {FPPAS, "FPPAS", QT_TRANSLATE_NOOP("Disciplines", "Field Pistol Production Any Sight"),
        Group::FP, true, false},
    {BBRS, "BBRS", QT_TRANSLATE_NOOP("Disciplines", "Big Bore Rifle Silhouette"), Group::BBR, true,
        true},
    {BBRH, "BBRH", QT_TRANSLATE_NOOP("Disciplines", "Big Bore Rifle Hunter"), Group::BBR, true,
        true},
    {SBRS, "SBRS", QT_TRANSLATE_NOOP("Disciplines", "Small Bore Rifle Silhouette"), Group::SBR,
        false, true},
    {SBRL, "SBRL", QT_TRANSLATE_NOOP("Disciplines", "Small Bore Rifle Light"), Group::SBR, false,
        true},
}};

const DisciplineInfo &discipline(int d)
{
    return Disciplines.at(static_cast<size_t>(d));
}

QString disciplineCode(int d)
{
    return QString::fromLatin1(discipline(d).code);
}

std::optional<int> disciplineOfCode(const QString &code, Qt::CaseSensitivity cs)
{
    for (const DisciplineInfo &info : Disciplines)
        if (code.compare(QLatin1String(info.code), cs) == 0)
            return info.d;
    return std::nullopt;
}

namespace {
constexpr std::array<Laji, 5> BbpMembers = {BBPR, BBPC, BBPP, BBPS, BBPU};
constexpr std::array<Laji, 5> SbpMembers = {SBPR, SBPC, SBPP, SBPS, SBPU};
constexpr std::array<Laji, 2> FpMembers = {FPP, FPPAS};
constexpr std::array<Laji, 2> SbrMembers = {SBRS, SBRL};
constexpr std::array<Laji, 2> BbrMembers = {BBRS, BBRH};
constexpr std::array<Laji, 4> StandingMembers = {BBPS, SBPS, FPP, FPPAS};
} // namespace

const std::array<GroupInfo, GroupCount> Groups = {{
    {Group::BBP, "BBP", BbpMembers},
    {Group::SBP, "SBP", SbpMembers},
    {Group::FP, "FP", FpMembers},
    {Group::SBR, "SBR", SbrMembers},
    {Group::BBR, "BBR", BbrMembers},
}};

const std::array<TargetInfo, 4> Targets = {{
    {Target::Kana, "Kana", QT_TRANSLATE_NOOP("Disciplines", "Chicken")},
    {Target::Sika, "Sika", QT_TRANSLATE_NOOP("Disciplines", "Pig")},
    {Target::Kalkkuna, "Kalkkuna", QT_TRANSLATE_NOOP("Disciplines", "Turkey")},
    {Target::Passi, "Passi", QT_TRANSLATE_NOOP("Disciplines", "Ram")},
}};

QString classCaption(const QString &code)
{
    return code == Luokat::Eiluok ? QCoreApplication::translate("Disciplines", "No Class") : code;
}

QStringList classSections(int d)
{
    if (discipline(d).isRifle)
        return {Luokat::Int, Luokat::Master, Luokat::A, Luokat::B};
    return {Luokat::Int, Luokat::A, Luokat::B};
}

QStringList classesOffered(int d)
{
    return classSections(d) << Luokat::Eiluok;
}

const std::array<AggregateInfo, AggregateCount> Aggregates = {{
    {Aggregate::BBP, "BBP", "BBP Agg",
        QT_TRANSLATE_NOOP("Disciplines", "Big Bore Pistol Aggregate"), "BBPAggr", BbpMembers},
    {Aggregate::FP, "FP", "FPAgg", QT_TRANSLATE_NOOP("Disciplines", "Field Pistol Aggregate"),
        "FPAggr", FpMembers},
    {Aggregate::SBP, "SBP", "SBP Agg",
        QT_TRANSLATE_NOOP("Disciplines", "Small Bore Pistol Aggregate"), "SBPAggr", SbpMembers},
    {Aggregate::Standing, "Standing", "Standing Agg",
        QT_TRANSLATE_NOOP("Disciplines", "Standing Aggregate"), "StandingAggr", StandingMembers},
    {Aggregate::SBR, "SBR", "SBR Agg",
        QT_TRANSLATE_NOOP("Disciplines", "Small Bore Rifle Aggregate"), "SBRAggr", SbrMembers},
    {Aggregate::BBR, "BBR", "BBR Agg", QT_TRANSLATE_NOOP("Disciplines", "Big Bore Rifle Aggregate"),
        "BBRAggr", BbrMembers},
}};

const AggregateInfo &aggregateInfo(Aggregate a)
{
    return Aggregates.at(static_cast<size_t>(ix(a)));
}

std::optional<Group> groupOfAggregate(Aggregate a)
{
    const QLatin1String code(aggregateInfo(a).code);
    for (const GroupInfo &info : Groups)
        if (code == QLatin1String(info.code))
            return info.group;
    return std::nullopt;
}

const std::array<TeamGroupInfo, TeamGroupCount> TeamGroups = {{
    {TeamGroup::BBP, "BBP", "BBP", QT_TRANSLATE_NOOP("Disciplines", "Big Bore Pistol Teams"),
        Aggregate::BBP},
    {TeamGroup::SBP, "SBP", "SBP", QT_TRANSLATE_NOOP("Disciplines", "Small Bore Pistol Teams"),
        Aggregate::SBP},
    {TeamGroup::FP, "FP", "FP", QT_TRANSLATE_NOOP("Disciplines", "Field Pistol Teams"),
        Aggregate::FP},
    {TeamGroup::SBR, "SBR", "SBR", QT_TRANSLATE_NOOP("Disciplines", "Small Bore Rifle Teams"),
        Aggregate::SBR},
    {TeamGroup::BBR, "BBR", "BBR", QT_TRANSLATE_NOOP("Disciplines", "Big Bore Rifle Teams"),
        Aggregate::BBR},
    {TeamGroup::Stand, "Stand", "Standing", QT_TRANSLATE_NOOP("Disciplines", "Standing Teams"),
        Aggregate::Standing},
}};

const TeamGroupInfo &teamGroupInfo(TeamGroup g)
{
    return TeamGroups.at(static_cast<size_t>(ix(g)));
}

namespace Orders {
const std::array<Laji, LajiCount> Tabs = {
    BBPC, BBPR, BBPP, BBPS, BBPU, FPP, FPPAS, SBPR, SBPC, SBPP, SBPS, SBPU, SBRL, SBRS, BBRH, BBRS};
const std::array<Laji, LajiCount> DisciplinesText = {
    BBPR, BBPC, BBPP, BBPS, BBPU, FPP, FPPAS, SBPR, SBPC, SBPP, SBPS, SBPU, SBRS, SBRL, BBRS, BBRH};
const std::array<Laji, LajiCount> Export = {
    BBPR, BBPC, BBPP, BBPS, BBPU, SBPR, SBPC, SBPP, SBPS, SBPU, FPP, FPPAS, SBRS, SBRL, BBRS, BBRH};
} // namespace Orders

namespace {

// Upper bounds of the bands B, A, Master, Int; a band with bound -1 is not offered.
struct Bands
{
    int b, a, master, top;
};

std::optional<Bands> bandsFor(int d, std::int32_t bbpShots)
{
    switch (d) {
    case BBPC:
        if (bbpShots == 40)
            return Bands{33, 39, -1, 40};
        if (bbpShots == 60)
            return Bands{49, 58, -1, 60};
        if (bbpShots == 80)
            return Bands{66, 78, -1, 80};
        return std::nullopt;
    case BBPP:
        if (bbpShots == 40)
            return Bands{33, 39, -1, 40};
        if (bbpShots == 60)
            return Bands{38, 56, -1, 60};
        if (bbpShots == 80)
            return Bands{50, 74, -1, 80};
        return std::nullopt;
    case BBPR:
    case SBPR: return Bands{31, 38, -1, 40};
    case BBPS:
    case SBPS: return Bands{20, 28, -1, 40};
    case BBPU:
    case SBPU: return Bands{35, 39, -1, 40};
    case SBPC:
    case SBPP: return Bands{33, 39, -1, 40};
    case FPP:
    case FPPAS: return Bands{22, 28, -1, 40};
    case SBRS: return Bands{19, 26, 33, 40};
    case SBRL: return Bands{17, 24, 31, 40};
    case BBRS: return Bands{15, 23, 31, 40};
    case BBRH: return Bands{13, 21, 28, 40};
    default: return std::nullopt;
    }
}

} // namespace

QString classFromScore(int d, std::int32_t total, std::int32_t bbpShots)
{
    const auto bands = bandsFor(d, bbpShots);
    if (!bands)
        return Luokat::Eiluok;
    // Compared as an unsigned number: a negative total lies above every band.
    const auto t = static_cast<std::uint32_t>(total);
    if (t <= static_cast<std::uint32_t>(bands->b))
        return Luokat::B;
    if (t <= static_cast<std::uint32_t>(bands->a))
        return Luokat::A;
    if (bands->master >= 0 && t <= static_cast<std::uint32_t>(bands->master))
        return Luokat::Master;
    if (t <= static_cast<std::uint32_t>(bands->top))
        return Luokat::Int;
    return Luokat::Eiluok;
}

} // namespace marvola
