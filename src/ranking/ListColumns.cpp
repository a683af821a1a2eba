#include "ranking/ListColumns.h"

#include "ranking/Ranking.h"

#include <algorithm>

namespace marvola {

namespace {

using V = ColumnValue;

// The tab's widths in pixels: the headings' column (discipline, class or aggregate), names,
// words (club, gun, model, caliber), the narrow shoot-off entries; figures take the default.
constexpr int HeadingsWidth = 110;
constexpr int NameWidth = 175;
constexpr int WordWidth = 85;
constexpr int EntryWidth = 32;

constexpr std::array<const char *, FinaaliCount> EntryCaptions = {"f1", "f2", "f3", "f4", "f5"};

// ---- discipline lists ----

// The first column holds the class headings: 0.5 in wide in the rifle lists so that "Master"
// fits. The upload's Malli column carries the gun; the model is not uploaded.
ListColumns buildDisciplineColumns(bool rifle)
{
    ListColumns columns = {
        {.value = V::ListCode, .csvHeading = "Laji", .csvPlace = 0, .uploadColumn = "Laji"},
        {.value = V::Class,
            .caption = "",
            .printed = {0.2, rifle ? 0.5 : 0.2, Align::Left, ""},
            .csvHeading = "Luokka",
            .csvPlace = 2,
            .uploadColumn = "Luokka",
            .uploadPlace = 1,
            .tabWidth = HeadingsWidth},
        {.value = V::Position,
            .caption = QT_TRANSLATE_NOOP("ListColumns", "Position"),
            .printed = {0.2, 0.5, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Pos.")},
            .csvHeading = "Sijoitus",
            .csvPlace = 1,
            .uploadColumn = "Positio",
            .uploadPlace = 2},
        {.value = V::Name,
            .caption = QT_TRANSLATE_NOOP("ListColumns", "Name"),
            .printed = {1.0, 1.5, Align::Left, QT_TRANSLATE_NOOP("ListColumns", "Name")},
            .csvHeading = "Nimi",
            .csvPlace = 3,
            .uploadColumn = "Nimi",
            .uploadPlace = 3,
            .tabWidth = NameWidth},
        {.value = V::Club,
            .caption = QT_TRANSLATE_NOOP("ListColumns", "Club"),
            .printed = {2.5, 0.5, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Club")},
            .csvHeading = "Seura",
            .csvPlace = 4,
            .uploadColumn = "Seura",
            .uploadPlace = 4,
            .tabWidth = WordWidth},
        {.value = V::Nationality, .uploadColumn = "Kansallisuus", .uploadPlace = 5},
        {.value = V::Kana,
            .caption = QT_TRANSLATE_NOOP("ListColumns", "Chicken"),
            .printed = {3.1, 0.5, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Chicken")},
            .csvHeading = "Kana",
            .csvPlace = 5,
            .uploadColumn = "Kana",
            .uploadPlace = 6},
        {.value = V::Sika,
            .caption = QT_TRANSLATE_NOOP("ListColumns", "Pig"),
            .printed = {3.7, 0.3, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Pig")},
            .csvHeading = "Sika",
            .csvPlace = 6,
            .uploadColumn = "Sika",
            .uploadPlace = 7},
        {.value = V::Kalkkuna,
            .caption = QT_TRANSLATE_NOOP("ListColumns", "Turkey"),
            .printed = {4.1, 0.3, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Turkey")},
            .csvHeading = "Kalkkuna",
            .csvPlace = 7,
            .uploadColumn = "Kalkkuna",
            .uploadPlace = 8},
        {.value = V::Passi,
            .caption = QT_TRANSLATE_NOOP("ListColumns", "Ram"),
            .printed = {4.5, 0.3, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Ram")},
            .csvHeading = "Passi",
            .csvPlace = 8,
            .uploadColumn = QString::fromUtf8("Pässi"),
            .uploadPlace = 9},
        {.value = V::Total,
            .caption = QT_TRANSLATE_NOOP("ListColumns", "Total"),
            .printed = {4.9, 0.3, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Total"), true},
            .csvHeading = "Yhteensa",
            .csvPlace = 9,
            .uploadColumn = QString::fromUtf8("Yhteensä"),
            .uploadPlace = 10},
    };
    for (int k = 0; k < FinaaliCount; ++k) {
        const char *caption = EntryCaptions.at(static_cast<size_t>(k));
        columns.push_back({.value = V::Entry,
            .caption = caption,
            .optional = true,
            .printed = {5.3 + 0.2 * k, 0.2, Align::Right, caption},
            .csvHeading = caption,
            .csvPlace = 10 + k,
            .uploadColumn = caption,
            .uploadPlace = 11 + k,
            .tabWidth = EntryWidth,
            .index = k});
    }
    const ListColumns equipment = {
        {.value = V::Gun,
            .caption = QT_TRANSLATE_NOOP("ListColumns", "Gun"),
            .optional = true,
            .printed = {6.3, 0.5, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Ase")},
            .csvHeading = "Ase",
            .csvPlace = 15,
            .uploadColumn = "Malli",
            .uploadPlace = 17,
            .tabWidth = WordWidth},
        {.value = V::Model,
            .caption = QT_TRANSLATE_NOOP("ListColumns", "Model"),
            .optional = true,
            .printed = {6.8, 0.5, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Malli")},
            .csvHeading = "Malli",
            .csvPlace = 16,
            .tabWidth = WordWidth},
        {.value = V::Caliber,
            .caption = QT_TRANSLATE_NOOP("ListColumns", "Caliber"),
            .optional = true,
            .printed = {7.4, 0.5, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Kaliiperi")},
            .csvHeading = "Kaliiperi",
            .csvPlace = 17,
            .uploadColumn = "Kaliiperi",
            .uploadPlace = 16,
            .tabWidth = WordWidth},
    };
    columns.insert(columns.end(), equipment.begin(), equipment.end());
    return columns;
}

// ---- aggregate lists ----

// A discipline column of an aggregate: its caption and where the printed list sets it.
struct AggregateFigure
{
    const char *caption;
    Laji d;
    Laji alternative; // the C discipline of "P/C"; d otherwise
    double left;
    double width;
};

struct AggregateLayout
{
    std::vector<AggregateFigure> figures;
    double clubLeft;
    Align align; // of the discipline and sum columns
    std::array<double, 5> sumLefts; // Total, Chicken, Pig, Turkey, Ram
    std::array<double, 5> sumWidths;
    const char *ramHeading; // printed over the rams: "Passi" in the pistol and FP lists, else "Ram"
};

AggregateLayout pistolLayout(Laji p, Laji c, Laji r, Laji s, Laji u)
{
    return {{{"P/C", p, c, 3.8, 0.3}, {"R", r, r, 4.2, 0.3}, {"S", s, s, 4.5, 0.3},
                {"U", u, u, 4.9, 0.3}},
        2.8, Align::Right, {5.3, 5.7, 6.1, 6.5, 6.9}, {0.3, 0.3, 0.3, 0.3, 0.3},
        QT_TRANSLATE_NOOP("ListColumns", "Passi")};
}

AggregateLayout pairLayout(
    const char *first, Laji d1, const char *second, Laji d2, Align align, const char *ramHeading)
{
    return {{{first, d1, d1, 3.1, 0.5}, {second, d2, d2, 3.7, 0.5}}, 2.5, align,
        {4.5, 4.9, 5.3, 5.7, 6.1}, {0.3, 0.3, 0.3, 0.3, 0.3}, ramHeading};
}

AggregateLayout aggregateLayout(Aggregate a)
{
    switch (a) {
    case Aggregate::BBP: return pistolLayout(BBPP, BBPC, BBPR, BBPS, BBPU);
    case Aggregate::SBP: return pistolLayout(SBPP, SBPC, SBPR, SBPS, SBPU);
    case Aggregate::FP:
        return pairLayout(
            "FPP", FPP, "FPPAS", FPPAS, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Passi"));
    case Aggregate::SBR:
        return pairLayout(
            "SBRL", SBRL, "SBRS", SBRS, Align::Center, QT_TRANSLATE_NOOP("ListColumns", "Ram"));
    case Aggregate::BBR:
        return pairLayout(
            "BBRH", BBRH, "BBRS", BBRS, Align::Center, QT_TRANSLATE_NOOP("ListColumns", "Ram"));
    case Aggregate::Standing:
        return {{{"BBPS", BBPS, BBPS, 3.5, 0.3}, {"SBPS", SBPS, SBPS, 3.9, 0.3},
                    {"FPP", FPP, FPP, 4.4, 0.3}, {"FPPAS", FPPAS, FPPAS, 4.7, 0.5}},
            2.8, Align::Center, {5.3, 5.7, 6.1, 6.5, 6.8}, {0.3, 0.3, 0.3, 0.3, 0.5},
            QT_TRANSLATE_NOOP("ListColumns", "Ram")};
    }
    return {};
}

// The sums after the figure columns: tab, live and print show Total, Chicken, Pig, Turkey, Ram;
// the CSV files Yhteensa, Passi, Kalkkuna, Sika, Kana.
struct SumColumn
{
    ColumnValue value;
    const char *caption;
    const char *csvHeading;
    int csvOffset; // after the figure columns
};
constexpr std::array<SumColumn, 5> SumColumns = {{
    {V::Total, QT_TRANSLATE_NOOP("ListColumns", "Total"), "Yhteensa", 0},
    {V::Kana, QT_TRANSLATE_NOOP("ListColumns", "Chicken"), "Kana", 4},
    {V::Sika, QT_TRANSLATE_NOOP("ListColumns", "Pig"), "Sika", 3},
    {V::Kalkkuna, QT_TRANSLATE_NOOP("ListColumns", "Turkey"), "Kalkkuna", 2},
    {V::Passi, QT_TRANSLATE_NOOP("ListColumns", "Ram"), "Passi", 1},
}};

// The CSV file of an aggregate carries every member discipline's total in the members' order,
// including the P and C disciplines that the tab shows in one "P/C" column.
ListColumns buildAggregateColumns(Aggregate a)
{
    const AggregateLayout layout = aggregateLayout(a);
    const std::span<const Laji> members = aggregateInfo(a).disciplines;
    const auto memberPlace = [&](Laji d) {
        return 4 + static_cast<int>(std::find(members.begin(), members.end(), d) - members.begin());
    };
    const int sumsPlace = 4 + static_cast<int>(members.size());
    ListColumns columns = {
        {.value = V::ListCode, .csvHeading = "Laji", .csvPlace = 0},
        {.value = V::Blank,
            .caption = "",
            .printed = {0.2, 0.2, Align::Left, ""},
            .tabWidth = HeadingsWidth},
        {.value = V::Position,
            .caption = QT_TRANSLATE_NOOP("ListColumns", "Position"),
            .printed = {0.2, 0.5, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Pos.")},
            .csvHeading = "Sijoitus",
            .csvPlace = 1},
        {.value = V::Name,
            .caption = QT_TRANSLATE_NOOP("ListColumns", "Name"),
            .printed = {1.0, 1.5, Align::Left, QT_TRANSLATE_NOOP("ListColumns", "Name")},
            .csvHeading = "Nimi",
            .csvPlace = 2,
            .tabWidth = NameWidth},
        {.value = V::Club,
            .caption = QT_TRANSLATE_NOOP("ListColumns", "Club"),
            .printed
            = {layout.clubLeft, 0.5, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Club")},
            .csvHeading = "Seura",
            .csvPlace = 3,
            .tabWidth = WordWidth},
    };
    std::vector<Laji> shownAlone;
    for (const AggregateFigure &figure : layout.figures) {
        ListColumn column{
            .value = figure.d == figure.alternative ? V::DisciplineTotal : V::ChosenTotal,
            .caption = figure.caption,
            .optional = true,
            .printed = {figure.left, figure.width, layout.align, figure.caption},
            .discipline = figure.d,
            .alternative = figure.alternative};
        if (column.value == V::DisciplineTotal) {
            column.csvHeading = disciplineCode(figure.d);
            column.csvPlace = memberPlace(figure.d);
            shownAlone.push_back(figure.d);
        }
        columns.push_back(column);
    }
    for (size_t k = 0; k < SumColumns.size(); ++k) {
        const SumColumn &sum = SumColumns.at(k);
        columns.push_back({.value = sum.value,
            .caption = sum.caption,
            .printed = {layout.sumLefts.at(k), layout.sumWidths.at(k), layout.align,
                sum.value == V::Passi ? layout.ramHeading : sum.caption, sum.value == V::Total},
            .csvHeading = sum.csvHeading,
            .csvPlace = sumsPlace + sum.csvOffset});
    }
    for (Laji d : members)
        if (std::find(shownAlone.begin(), shownAlone.end(), d) == shownAlone.end())
            columns.push_back({.value = V::DisciplineTotal,
                .csvHeading = disciplineCode(d),
                .csvPlace = memberPlace(d),
                .discipline = d,
                .alternative = d});
    return columns;
}

// ---- team lists ----

// A member figure of a team group: the standings keep the figures in the order listed; the
// printed list and the CSV file put them in their own order.
struct TeamFigure
{
    const char *caption; // tab-less: the live pages' caption, also the standings' name for it
    Laji d;
    Laji alternative; // the C discipline of a P/C figure; d otherwise
    const char *heading; // printed
    int printPlace;
    const char *csvHeading;
    int csvPlace;
};

std::vector<TeamFigure> teamFigures(TeamGroup g)
{
    const auto plain = [](std::initializer_list<std::pair<const char *, Laji>> figures) {
        std::vector<TeamFigure> list;
        int place = 0;
        for (const auto &[caption, d] : figures) {
            list.push_back({caption, d, d, caption, place, caption, place});
            ++place;
        }
        return list;
    };
    switch (g) {
    case TeamGroup::BBP:
        return {{"BBPR", BBPR, BBPR, "R", 1, "BBPR", 0}, {"BBPPC", BBPP, BBPC, "P/C", 0, "BBPP", 1},
            {"BBPS", BBPS, BBPS, "S", 2, "BBPS", 2}, {"BBPU", BBPU, BBPU, "U", 3, "BBPU", 3}};
    case TeamGroup::SBP:
        return {{"SBPR", SBPR, SBPR, "R", 1, "SBPR", 1}, {"SBPPC", SBPP, SBPC, "P/C", 0, "SBPP", 0},
            {"SBPS", SBPS, SBPS, "S", 2, "SBPS", 2}, {"SBPU", SBPU, SBPU, "U", 3, "SBPU", 3}};
    case TeamGroup::FP: return plain({{"FPP", FPP}, {"FPPAS", FPPAS}});
    case TeamGroup::SBR: return plain({{"SBRL", SBRL}, {"SBRS", SBRS}});
    case TeamGroup::BBR: return plain({{"BBRH", BBRH}, {"BBRS", BBRS}});
    case TeamGroup::Stand:
        return plain({{"BBPS", BBPS}, {"SBPS", SBPS}, {"FPP", FPP}, {"FPPAS", FPPAS}});
    }
    return {};
}

// The printed figure and sum columns, left to right: nine narrow ones after four figures, seven
// wider ones after two.
constexpr std::array<double, 9> WideTeamLefts = {3.5, 3.9, 4.3, 4.7, 5.1, 5.5, 5.9, 6.3, 6.7};
constexpr std::array<double, 9> WideTeamWidths = {0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3};
constexpr std::array<double, 7> NarrowTeamLefts = {3.5, 4.0, 4.5, 5.0, 5.5, 6.0, 6.5};
constexpr std::array<double, 7> NarrowTeamWidths = {0.4, 0.5, 0.4, 0.4, 0.4, 0.4, 0.4};

ListColumns buildTeamColumns(TeamGroup g)
{
    const std::vector<TeamFigure> figures = teamFigures(g);
    const bool wide = figures.size() == 4;
    const auto printedAt = [&](int place, const char *heading, bool bold = false) {
        const auto at = static_cast<size_t>(place);
        return PrintedColumn{wide ? WideTeamLefts.at(at) : NarrowTeamLefts.at(at),
            wide ? WideTeamWidths.at(at) : NarrowTeamWidths.at(at), Align::Center, heading, bold};
    };
    const int figureCount = static_cast<int>(figures.size());
    ListColumns columns = {
        {.value = V::ListCode, .csvHeading = "Laji", .csvPlace = 0},
        {.value = V::Position,
            .caption = QT_TRANSLATE_NOOP("ListColumns", "Position"),
            .printed = {0.2, 0.2, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Pos."), true}},
        {.value = V::TeamName,
            .caption = QT_TRANSLATE_NOOP("ListColumns", "Team"),
            .printed = {1.0, 1.0, Align::Left, QT_TRANSLATE_NOOP("ListColumns", "Team")},
            .csvHeading = "Joukkue",
            .csvPlace = 1},
        {.value = V::Member,
            .caption = QT_TRANSLATE_NOOP("ListColumns", "Name"),
            .printed = {2.0, 1.5, Align::Left, ""},
            .csvHeading = "Kilpailija",
            .csvPlace = 2,
            .tabWidth = NameWidth},
    };
    for (int f = 0; f < figureCount; ++f) {
        const TeamFigure &figure = figures[static_cast<size_t>(f)];
        columns.push_back({.value = V::TeamFigure,
            .caption = figure.caption,
            .optional = true,
            .printed = printedAt(figure.printPlace, figure.heading),
            .csvHeading = figure.csvHeading,
            .csvPlace = 3 + figure.csvPlace,
            .index = f,
            .discipline = figure.d,
            .alternative = figure.alternative});
    }
    for (size_t k = 0; k < SumColumns.size(); ++k) {
        const SumColumn &sum = SumColumns.at(k);
        columns.push_back({.value = sum.value,
            .caption = sum.caption,
            .printed
            = printedAt(figureCount + static_cast<int>(k), sum.caption, sum.value == V::Total),
            .csvHeading = sum.csvHeading,
            .csvPlace = 3 + figureCount + sum.csvOffset});
    }
    return columns;
}

template<typename Key> ListColumns sortedBy(const ListColumns &columns, Key key)
{
    ListColumns sorted = columns;
    std::stable_sort(sorted.begin(), sorted.end(),
        [&](const ListColumn &a, const ListColumn &b) { return key(a) < key(b); });
    return sorted;
}

ListColumns having(const ListColumns &columns, bool (*has)(const ListColumn &))
{
    ListColumns kept;
    std::copy_if(columns.begin(), columns.end(), std::back_inserter(kept), has);
    return kept;
}

// A number's text; scores repeat a great deal, so small ones are made once and shared.
QString numberText(std::int64_t value)
{
    constexpr int Cached = 1000;
    static const auto cache = [] {
        std::vector<QString> texts;
        for (int i = 0; i < Cached; ++i)
            texts.push_back(QString::number(i));
        return texts;
    }();
    return value >= 0 && value < Cached ? cache[static_cast<size_t>(value)]
                                        : QString::number(value);
}

} // namespace

const ListColumns &disciplineListColumns(int d)
{
    static const ListColumns pistol = buildDisciplineColumns(false);
    static const ListColumns rifle = buildDisciplineColumns(true);
    return discipline(d).isRifle ? rifle : pistol;
}

const ListColumns &aggregateListColumns(Aggregate a)
{
    static const auto all = [] {
        std::array<ListColumns, AggregateCount> lists;
        for (const AggregateInfo &info : Aggregates)
            lists.at(static_cast<size_t>(ix(info.aggregate)))
                = buildAggregateColumns(info.aggregate);
        return lists;
    }();
    return all.at(static_cast<size_t>(ix(a)));
}

const ListColumns &teamListColumns(TeamGroup g)
{
    static const auto all = [] {
        std::array<ListColumns, TeamGroupCount> lists;
        for (int g = 0; g < TeamGroupCount; ++g)
            lists.at(static_cast<size_t>(g)) = buildTeamColumns(static_cast<TeamGroup>(g));
        return lists;
    }();
    return all.at(static_cast<size_t>(ix(g)));
}

QStringList tabCaptions(const ListColumns &columns)
{
    QStringList captions;
    for (const ListColumn &column : columns)
        if (column.caption)
            captions << QString::fromUtf8(column.caption);
    return captions;
}

ListColumns printedColumns(const ListColumns &columns)
{
    return sortedBy(
        having(columns, [](const ListColumn &c) { return c.printed.heading != nullptr; }),
        [](const ListColumn &c) { return c.printed.left; });
}

ListColumns csvColumns(const ListColumns &columns)
{
    return sortedBy(having(columns, [](const ListColumn &c) { return !c.csvHeading.isEmpty(); }),
        [](const ListColumn &c) { return c.csvPlace; });
}

ListColumns uploadColumns(const ListColumns &columns)
{
    return sortedBy(having(columns, [](const ListColumn &c) { return !c.uploadColumn.isEmpty(); }),
        [](const ListColumn &c) { return c.uploadPlace; });
}

QStringList csvHeadings(const ListColumns &columns)
{
    QStringList headings;
    for (const ListColumn &column : csvColumns(columns))
        headings << column.csvHeading;
    return headings;
}

bool isTextValue(ColumnValue value)
{
    switch (value) {
    case V::ListCode:
    case V::Class:
    case V::Blank:
    case V::Name:
    case V::Club:
    case V::Nationality:
    case V::Gun:
    case V::Model:
    case V::Caliber:
    case V::TeamName:
    case V::Member: return true;
    default: return false;
    }
}

bool isHeadingColumn(const ListColumn &column)
{
    return column.value == V::Class || column.value == V::Blank;
}

bool isTotalColumn(const ListColumn &column)
{
    return column.value == V::Total;
}

QString CellValue::toText() const
{
    switch (kind) {
    case Kind::Number: return numberText(number);
    case Kind::Stored: return fromCp1252(stored.data(), static_cast<int>(stored.size()));
    case Kind::Text: break;
    }
    return text;
}

QVariant CellValue::toVariant() const
{
    if (kind == Kind::Number) {
        const auto small = static_cast<int>(number);
        return small == number ? QVariant(small) : QVariant(static_cast<qlonglong>(number));
    }
    const QString shown = toText();
    return shown.isNull() ? QVariant(QStringLiteral("")) : QVariant(shown);
}

namespace {

CellValue nothing()
{
    return {};
}

CellValue textValue(QString text)
{
    return {.text = std::move(text)};
}

CellValue numberValue(std::int64_t number)
{
    return {.kind = CellValue::Kind::Number, .number = number};
}

template<int N> CellValue storedValue(const ShortString<N> &text, bool bare = false)
{
    return {.kind = CellValue::Kind::Stored,
        .stored = QByteArrayView(text.chars(), text.length()),
        .bare = bare};
}

bool isShownList(ListOutput output)
{
    return output == ListOutput::Tab || output == ListOutput::Printed;
}

// The tab and the printed list show the class as the section's heading. The file leaves it
// empty for the overall first three; the database wants a blank there.
CellValue classValue(const DisciplineRow &place, ListOutput output)
{
    const bool topThree = place.section.isEmpty();
    switch (output) {
    case ListOutput::Csv: return topThree ? nothing() : storedValue(place.row.Luokka);
    case ListOutput::Upload: return textValue(topThree ? QStringLiteral(" ") : place.section);
    default: return nothing();
    }
}

// The tab shows an empty shoot-off entry as a blank.
CellValue entryValue(const Str2 &entry, ListOutput output)
{
    if (output == ListOutput::Tab && entry.isEmpty())
        return textValue(QStringLiteral(" "));
    return storedValue(entry);
}

// A member's figure, or on the sums line the members' figures added up.
template<typename Figure, size_t N>
CellValue memberValue(const std::array<Figure, N> &figures, int member)
{
    if (member == 3)
        return numberValue(Sum{figures[0]} + figures[1] + figures[2]);
    return numberValue(figures.at(static_cast<size_t>(member)));
}

// The printed list's P/C column follows the C choice, the tab's the P choice.
std::int32_t chosenFigure(const ListColumn &column, const TAggrKilpailija &row, ListOutput output)
{
    if (output == ListOutput::Printed)
        return row.CAggr ? row.Lajit[column.alternative] : row.Lajit[column.discipline];
    return aggregateFigure(column, row);
}

} // namespace

CellValue columnValue(const ListColumn &column, const DisciplineRow &place, ListOutput output)
{
    const TTulosRivi &row = place.row;
    switch (column.value) {
    case V::ListCode: return textValue(place.listCode);
    case V::Class: return classValue(place, output);
    case V::Position: return numberValue(row.Sijoitus);
    case V::Name: return storedValue(row.Nimi);
    case V::Club: return storedValue(row.Seura);
    case V::Nationality:
        return place.kilpailijat ? textValue(nationalityOf(*place.kilpailijat, row.Nimi))
                                 : nothing();
    case V::Kana: return numberValue(row.Kana);
    case V::Sika: return numberValue(row.Sika);
    case V::Kalkkuna: return numberValue(row.Kalkkuna);
    case V::Passi: return numberValue(row.Passi);
    case V::Total: return numberValue(row.Yhteensa);
    case V::Entry: return entryValue(row.f.at(static_cast<size_t>(column.index)), output);
    case V::Gun: return storedValue(row.Ase);
    case V::Model: return storedValue(row.Malli);
    case V::Caliber: return storedValue(row.Kaliiperi);
    default: return nothing();
    }
}

CellValue columnValue(const ListColumn &column, const AggregateRow &place, ListOutput output)
{
    const TAggrKilpailija &row = place.row;
    switch (column.value) {
    case V::ListCode: return textValue(place.listCode);
    case V::Position: return numberValue(row.Sijoitus);
    case V::Name: return storedValue(row.Nimi);
    case V::Club: return textValue(row.Seura);
    case V::DisciplineTotal: return numberValue(row.Lajit[column.discipline]);
    case V::ChosenTotal: return numberValue(chosenFigure(column, row, output));
    case V::Total: return numberValue(row.Yhteensa);
    case V::Kana: return numberValue(row.Kana);
    case V::Sika: return numberValue(row.Sika);
    case V::Kalkkuna: return numberValue(row.Kalkkuna);
    case V::Passi: return numberValue(row.Passi);
    default: return nothing();
    }
}

// The tab and the printed list name the team once, on its first line, as typed; each line of the
// file carries the stored name, without quotes as the file has always had it.
CellValue columnValue(const ListColumn &column, const TeamRow &place, ListOutput output)
{
    const TJoukkueTulos &row = place.row;
    const int member = place.member;
    const bool onceOnly = isShownList(output) && member != 0;
    switch (column.value) {
    case V::ListCode: return textValue(place.listCode);
    case V::Position: return onceOnly ? nothing() : numberValue(row.Sijoitus);
    case V::TeamName:
        if (!isShownList(output))
            return storedValue(row.Nimi, true);
        return onceOnly ? nothing() : textValue(typedTeamName(row.Nimi));
    case V::Member:
        return member == 3 ? nothing()
                           : storedValue(row.Kilpailija.at(static_cast<size_t>(member)));
    case V::TeamFigure: return memberValue(row.Lajit.at(static_cast<size_t>(column.index)), member);
    // The team's total is the one the standings ranked by.
    case V::Total: return numberValue(row.Yhteensa.at(static_cast<size_t>(member)));
    case V::Kana: return memberValue(row.Kana, member);
    case V::Sika: return memberValue(row.Sika, member);
    case V::Kalkkuna: return memberValue(row.Kalkkuna, member);
    case V::Passi: return memberValue(row.Passi, member);
    default: return nothing();
    }
}

QString cellText(const ListColumn &column, const TTulosRivi &row, ListOutput output)
{
    return columnValue(column, DisciplineRow{.row = row}, output).toText();
}

QString cellText(const ListColumn &column, const TAggrKilpailija &row, ListOutput output)
{
    return columnValue(column, AggregateRow{.row = row}, output).toText();
}

QString cellText(const ListColumn &column, const TJoukkueTulos &row, int member, ListOutput output)
{
    return columnValue(column, TeamRow{.row = row, .member = member}, output).toText();
}

std::int32_t aggregateFigure(const ListColumn &column, const TAggrKilpailija &row)
{
    if (column.value == V::ChosenTotal)
        return row.PAggr ? row.Lajit[column.discipline] : row.Lajit[column.alternative];
    return row.Lajit[column.discipline];
}

QString nationalityOf(const Kilpailijarekisteri &kilpailijat, const Str25 &nimi)
{
    for (int slot = 1; slot <= Kilpailijarekisteri::SlotCount; ++slot)
        if (kilpailijat[slot].Nimi.sameText(nimi))
            return kilpailijat[slot].Maa.text();
    return {};
}

ListSteps disciplineListWalk(const TulosTaulukko &table, const QStringList &sections)
{
    ListSteps steps;
    // The overall first three are listed whatever their class.
    for (int r = 1; r <= 3; ++r)
        if (!table[r].Nimi.isEmpty())
            steps.push_back({r, QString()});
    for (const QString &luokka : sections) {
        steps.push_back({0, luokka});
        const Str6 section(luokka);
        for (int r = 4; r <= TulosTaulukko::LastRankedRow; ++r)
            if (!table[r].Nimi.isEmpty() && table[r].Luokka.sameText(section))
                steps.push_back({r, luokka});
    }
    return steps;
}

std::vector<int> aggregateListRows(const AggrTaulukko &table)
{
    std::vector<int> rows;
    const int last = table.lastNamedRow();
    for (int r = 1; r <= last; ++r)
        if (!table[r].Nimi.isEmpty())
            rows.push_back(r);
    return rows;
}

std::vector<int> teamListRows(const JoukkueTaulukko &table)
{
    std::vector<int> rows;
    for (int k = 1; k <= JoukkueTaulukko::LastRankedRow && !table[k].Nimi.isEmpty(); ++k)
        rows.push_back(k);
    return rows;
}

} // namespace marvola
