// Every view of a list follows its one description: the printed headings stand in the described
// columns, the tab lines and CSV lines have the described columns, and the tab, the printed list
// and the CSV file list the same rows under the same classes.
#include "ReportRecording.h"
#include "model/Cp1252.h"
#include "output/CsvExport.h"
#include "ranking/ListColumns.h"
#include "ranking/Ranking.h"
#include "support/MatchBuilder.h"
#include "support/ParamName.h"

#include <QCoreApplication>

#include <algorithm>
#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

constexpr double HeadingTolerance = 1e-6;

// Six shooters in every discipline, classes spread so that every section and the overall first
// three mix classes, and a team in every group.
std::unique_ptr<Tulokset> everyListFilled(MatchBuilder &b)
{
    const char *names[] = {"Aho Anna", "Berg Bo", "Cid Carl", "Dahl Dan", "Eng Eva", "Falk Fia"};
    const QString classes[]
        = {Luokat::B, Luokat::A, Luokat::Int, Luokat::Master, Luokat::A, Luokat::B};
    for (int i = 0; i < 6; ++i) {
        const int slot = b.competitor(QString::fromLatin1(names[i]));
        for (int d = 0; d < LajiCount; ++d) {
            const QString luokka = classes[(i + d) % 6] == Luokat::Master && !discipline(d).isRifle
                ? Luokat::Int
                : classes[(i + d) % 6];
            b.enter(slot, d, luokka, {10 - i, 9 - i, (i * 3 + d) % 10, 5});
        }
        b.at(slot).BBPPAggr = b.at(slot).SBPPAggr = i % 2 == 0;
        b.at(slot).BBPCAggr = b.at(slot).SBPCAggr = i % 2 == 1 || i % 3 == 0; // some both
        b.at(slot).Ase[BBPR].setText(QStringLiteral("Colt"));
    }
    b.finals(1, BBPR, {"1", "2"});
    for (const char *group : {"BBP", "SBP", "FP", "SBR", "BBR", "Stand"})
        b.team(QStringLiteral("Team %1").arg(QLatin1String(group)), QLatin1String(group),
            QLatin1String(names[0]), QLatin1String(names[1]), QLatin1String(names[2]));
    b.match().tiedot.Laukaukset.fill(40);
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(b.match(), *tulokset);
    return tulokset;
}

const ListColumns &descriptionOf(const PrintList &list)
{
    switch (list.kind) {
    case ListKind::Discipline: return disciplineListColumns(list.which);
    case ListKind::Aggregate: return aggregateListColumns(Aggregate(list.which));
    case ListKind::Team: break;
    }
    return teamListColumns(TeamGroup(list.which));
}

// The export's file of a list, found by its name; none for the lists that have no file.
std::optional<QByteArray> csvFileOf(const Tulokset &tulokset, const PrintList &list)
{
    QString name = QStringLiteral("x");
    if (list.kind == ListKind::Aggregate)
        name += QLatin1String(aggregateInfo(Aggregate(list.which)).code);
    else if (list.kind == ListKind::Team)
        name += QLatin1String(teamGroupInfo(TeamGroup(list.which)).code) + QStringLiteral("Teams");
    for (const FileContent &file : csvFiles(tulokset, QStringLiteral("x.csv")))
        if (file.fileName == name + QStringLiteral(".csv"))
            return file.bytes;
    return std::nullopt;
}

// A CSV line's fields without their quotes (the fixture has no semicolons in its texts).
QStringList fields(const QString &line)
{
    QStringList parts = line.split(QLatin1Char(';'));
    for (QString &part : parts)
        if (part.startsWith(QLatin1Char('"')))
            part = part.mid(1, part.size() - 2);
    return parts;
}

QList<QStringList> csvLines(const QByteArray &bytes)
{
    QList<QStringList> lines;
    for (const QString &line : fromCp1252(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        lines << fields(line);
    return lines;
}

class ListDescription : public ::testing::TestWithParam<int>
{
protected:
    const PrintList &list() const { return PrintLists.at(static_cast<size_t>(GetParam())); }
    Recording recordList() const
    {
        PrintSelection selection;
        selection.set(static_cast<size_t>(GetParam()));
        return recordReport(m_builder.match().tiedot, *m_tulokset, selection);
    }

    mutable MatchBuilder m_builder;
    std::unique_ptr<Tulokset> m_tulokset = everyListFilled(m_builder);
};

TEST_P(ListDescription, PrintedHeadingsStandInTheDescribedColumns)
{
    const ListColumns printed = printedColumns(descriptionOf(list()));
    QList<ListColumn> headed;
    for (const ListColumn &column : printed)
        if (*column.printed.heading)
            headed << column;
    QList<ReportText> headings;
    const Recording r = recordList();
    for (const ReportText &t : r.page(1))
        if (t.line == 4)
            headings << t;

    ASSERT_EQ(headings.size(), headed.size());
    for (qsizetype k = 0; k < headed.size(); ++k) {
        const PrintedColumn &column = headed[k].printed;
        const QString full = QCoreApplication::translate("ListColumns", column.heading);
        // A heading wider than its column is cut to it.
        EXPECT_FALSE(headings[k].text.isEmpty());
        EXPECT_TRUE(full.startsWith(headings[k].text)) << full.toStdString();
        EXPECT_GE(headings[k].x, column.left - HeadingTolerance) << full.toStdString();
        EXPECT_LE(headings[k].x, column.left + column.width + HeadingTolerance)
            << full.toStdString();
    }
}

TEST_P(ListDescription, TabAndCsvLinesHaveTheDescribedColumns)
{
    const ListColumns &description = descriptionOf(list());
    const QStringList captions = tabCaptions(description);
    if (list().kind != ListKind::Team) {
        const bool discipline = list().kind == ListKind::Discipline;
        const ListLines &lines = discipline
            ? m_tulokset->lajiLines.at(static_cast<size_t>(list().which))
            : m_tulokset->aggrLines.at(static_cast<size_t>(list().which));
        int rows = 0;
        for (const ListLine &line : lines)
            if (!line.heading) {
                EXPECT_EQ(line.columns.size(), captions.size());
                ++rows;
            }
        EXPECT_EQ(rows, 6) << "every shooter has a line";
    }

    const std::optional<QByteArray> file = csvFileOf(*m_tulokset, list());
    if (!file)
        return;
    const QList<QStringList> lines = csvLines(*file);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), csvHeadings(description));
    for (const QStringList &line : lines)
        EXPECT_EQ(line.size(), lines.first().size());
}

// The file and the tab show a column's value alike, but for the class (a heading on the tab),
// the team's name (typed, once per team, on the tab) and an empty shoot-off entry (a blank on the
// tab).
template<typename Row>
void expectCsvAgreesWithTab(const ListColumns &description, const Row &row, const QString &where)
{
    for (const ListColumn &column : description) {
        if (!column.caption || column.csvHeading.isEmpty() || isHeadingColumn(column)
            || column.value == ColumnValue::TeamName)
            continue;
        const QString tab = columnValue(column, row, ListOutput::Tab).toText();
        const QString csv = columnValue(column, row, ListOutput::Csv).toText();
        if (column.value == ColumnValue::Entry && tab == QLatin1String(" "))
            EXPECT_TRUE(csv.isEmpty()) << where.toStdString() << " " << column.caption;
        else
            EXPECT_EQ(csv, tab) << where.toStdString() << " " << column.caption;
    }
}

TEST_P(ListDescription, CsvFieldsAgreeWithTheTabWhereBothShowTheColumn)
{
    const ListColumns &description = descriptionOf(list());
    int rows = 0;
    switch (list().kind) {
    case ListKind::Discipline: {
        const TulosTaulukko &table = m_tulokset->laji(list().which);
        for (const ListStep &step : disciplineListWalk(table, classSections(list().which)))
            if (!step.isHeading()) {
                expectCsvAgreesWithTab(description,
                    DisciplineRow{.row = table[step.row], .section = step.section},
                    table[step.row].Nimi.text());
                ++rows;
            }
        break;
    }
    case ListKind::Aggregate: {
        const AggrTaulukko &table = m_tulokset->aggregate(Aggregate(list().which));
        for (int r : aggregateListRows(table)) {
            expectCsvAgreesWithTab(
                description, AggregateRow{.row = table[r]}, table[r].Nimi.text());
            ++rows;
        }
        break;
    }
    case ListKind::Team: {
        const JoukkueTaulukko &table = m_tulokset->standings(TeamGroup(list().which));
        for (int k : teamListRows(table))
            for (int member = 0; member < 3; ++member) {
                expectCsvAgreesWithTab(description, TeamRow{.row = table[k], .member = member},
                    table[k].Kilpailija.at(static_cast<size_t>(member)).text());
                ++rows;
            }
        break;
    }
    }
    EXPECT_GT(rows, 0);
}

// The aggregate and team lists that the export writes a file of their own for (the discipline
// lines are checked by the row walk).
std::vector<int> listsWithOwnFile()
{
    const auto empty = std::make_unique<Tulokset>();
    std::vector<int> lists;
    for (int i = 0; i < PrintListCount; ++i)
        if (PrintLists.at(static_cast<size_t>(i)).kind != ListKind::Discipline
            && csvFileOf(*empty, PrintLists.at(static_cast<size_t>(i))))
            lists.push_back(i);
    return lists;
}

class ListFile : public ListDescription
{
};

// What each written line holds is the column's value for the file, field by field.
TEST_P(ListFile, CsvLinesHoldTheColumnsValuesForTheFile)
{
    const std::optional<QByteArray> file = csvFileOf(*m_tulokset, list());
    ASSERT_TRUE(file.has_value());
    const ListColumns columns = csvColumns(descriptionOf(list()));
    const QList<QStringList> lines = csvLines(*file);
    QList<QStringList> expected{csvHeadings(descriptionOf(list()))};
    const auto lineOf = [&](const auto &row) {
        QStringList fields;
        for (const ListColumn &column : columns)
            fields << columnValue(column, row, ListOutput::Csv).toText();
        return fields;
    };
    if (list().kind == ListKind::Aggregate) {
        const Aggregate a = Aggregate(list().which);
        const AggrTaulukko &table = m_tulokset->aggregate(a);
        for (int r : aggregateListRows(table))
            expected << lineOf(
                AggregateRow{.row = table[r], .listCode = QLatin1String(aggregateInfo(a).code)});
    } else {
        const TeamGroup g = TeamGroup(list().which);
        const JoukkueTaulukko &table = m_tulokset->standings(g);
        for (int k : teamListRows(table))
            for (int member = 0; member < 3; ++member)
                expected << lineOf(TeamRow{.row = table[k],
                    .member = member,
                    .listCode = QLatin1String(teamGroupInfo(g).code)});
    }
    ASSERT_GT(expected.size(), 1);
    EXPECT_EQ(lines, expected);
}

INSTANTIATE_TEST_SUITE_P(EveryList, ListDescription, ::testing::Range(0, PrintListCount),
    [](const ::testing::TestParamInfo<int> &info) {
        return paramName(PrintLists.at(static_cast<size_t>(info.param)).caption);
    });
INSTANTIATE_TEST_SUITE_P(OwnFile, ListFile, ::testing::ValuesIn(listsWithOwnFile()),
    [](const ::testing::TestParamInfo<int> &info) {
        return paramName(PrintLists.at(static_cast<size_t>(info.param)).caption);
    });

// ---- where the outputs show a column differently ----

struct OutputCase
{
    const char *name;
    ColumnValue value;
    ListOutput output;
    const char *section; // "" among the overall first three
    const char *expected;
};

// One discipline row of class A (or among the first three), without shoot-off entries.
TTulosRivi disciplineRow()
{
    TTulosRivi row;
    row.Sijoitus = 5;
    row.Nimi.setText(QStringLiteral("Öberg Åsa"));
    row.Luokka.setText(Luokat::A);
    row.Yhteensa = 31;
    return row;
}

const ListColumn &columnOf(const ListColumns &columns, ColumnValue value)
{
    return *std::find_if(columns.begin(), columns.end(),
        [&](const ListColumn &column) { return column.value == value; });
}

class DisciplineOutputs : public ::testing::TestWithParam<OutputCase>
{
};

TEST_P(DisciplineOutputs, ShowTheClassAndAnEmptyEntryTheirOwnWay)
{
    const OutputCase &c = GetParam();
    const TTulosRivi row = disciplineRow();
    const ListColumn &column = columnOf(disciplineListColumns(BBPR), c.value);
    const QString section = QString::fromUtf8(c.section);
    const CellValue value
        = columnValue(column, DisciplineRow{.row = row, .section = section}, c.output);
    EXPECT_EQ(value.toText(), QString::fromUtf8(c.expected));
    if (c.output == ListOutput::Upload) {
        const QVariant sent = value.toVariant();
        EXPECT_EQ(sent.toString(), QString::fromUtf8(c.expected));
        // Figures go as numbers; a text never as NULL, an empty one as ''.
        EXPECT_EQ(sent.typeId() == QMetaType::QString, c.value != ColumnValue::Total);
        EXPECT_FALSE(sent.isNull());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DisciplineOutputs,
    ::testing::Values(OutputCase{"ClassTab", ColumnValue::Class, ListOutput::Tab, "A", ""},
        OutputCase{"ClassCsv", ColumnValue::Class, ListOutput::Csv, "A", "A"},
        OutputCase{"ClassUpload", ColumnValue::Class, ListOutput::Upload, "A", "A"},
        OutputCase{"ClassTopThreeCsv", ColumnValue::Class, ListOutput::Csv, "", ""},
        OutputCase{"ClassTopThreeUpload", ColumnValue::Class, ListOutput::Upload, "", " "},
        OutputCase{"EntryTab", ColumnValue::Entry, ListOutput::Tab, "A", " "},
        OutputCase{"EntryPrinted", ColumnValue::Entry, ListOutput::Printed, "A", ""},
        OutputCase{"EntryCsv", ColumnValue::Entry, ListOutput::Csv, "A", ""},
        OutputCase{"EntryUpload", ColumnValue::Entry, ListOutput::Upload, "A", ""},
        OutputCase{"NameCsv", ColumnValue::Name, ListOutput::Csv, "A", "Öberg Åsa"},
        OutputCase{"TotalUpload", ColumnValue::Total, ListOutput::Upload, "A", "31"}),
    [](const ::testing::TestParamInfo<OutputCase> &info) { return std::string(info.param.name); });

// The CSV file copies a record's text as stored; the team's name goes in without quotes.
TEST(ColumnValues, TheFileTakesRecordTextsAsStored)
{
    TJoukkueTulos team;
    team.Nimi.setText(QStringLiteral("Äijät 2"));
    team.Kilpailija[1].setText(QStringLiteral("Öberg Åsa"));
    const ListColumns &columns = teamListColumns(TeamGroup::FP);
    const CellValue name = columnValue(columnOf(columns, ColumnValue::TeamName),
        TeamRow{.row = team, .member = 1}, ListOutput::Csv);
    EXPECT_EQ(name.kind, CellValue::Kind::Stored);
    EXPECT_TRUE(name.bare);
    EXPECT_EQ(name.stored, QByteArrayView(team.Nimi.chars(), team.Nimi.length()));
    const CellValue member = columnValue(
        columnOf(columns, ColumnValue::Member), TeamRow{.row = team, .member = 1}, ListOutput::Csv);
    EXPECT_FALSE(member.bare);
    EXPECT_EQ(member.toText(), QStringLiteral("Öberg Åsa"));
    // On the tab and the printed list the name stands on the team's first line only, as typed.
    for (ListOutput shown : {ListOutput::Tab, ListOutput::Printed}) {
        EXPECT_EQ(cellText(columnOf(columns, ColumnValue::TeamName), team, 0, shown),
            typedTeamName(team.Nimi));
        EXPECT_TRUE(cellText(columnOf(columns, ColumnValue::TeamName), team, 1, shown).isEmpty());
    }
}

// A competitor who chose both P and C: the tab shows the P discipline, the printed list the C.
TEST(ColumnValues, TheChosenTotalFollowsTheTabOrThePrintedRule)
{
    TAggrKilpailija row;
    row.Lajit[BBPP] = 30;
    row.Lajit[BBPC] = 20;
    row.PAggr = row.CAggr = true;
    const ListColumn &pc = columnOf(aggregateListColumns(Aggregate::BBP), ColumnValue::ChosenTotal);
    EXPECT_EQ(cellText(pc, row, ListOutput::Tab), QStringLiteral("30"));
    EXPECT_EQ(cellText(pc, row, ListOutput::Printed), QStringLiteral("20"));
}

// ---- the row walk ----

// A row of a discipline list as a view shows it: its class section ("" for the overall first
// three) and the shooter's name.
using ListedRow = std::pair<QString, QString>;

QList<ListedRow> tabRows(const ListLines &lines)
{
    QList<ListedRow> rows;
    QString section;
    for (qsizetype k = 1; k < lines.size(); ++k) { // line 0 is the discipline's code
        if (lines[k].heading)
            section = lines[k].columns.value(0);
        else
            rows << ListedRow{section, lines[k].columns.value(2)};
    }
    return rows;
}

QList<ListedRow> printedRows(const Recording &r, const QStringList &sections)
{
    QList<ListedRow> rows;
    QString section;
    for (int line = 5; line <= 80; ++line) {
        const QStringList texts = r.line(1, line);
        if (texts.size() == 1 && sections.contains(texts.first()))
            section = texts.first();
        else if (texts.size() > 1)
            rows << ListedRow{section, texts.at(1)}; // after the position
    }
    return rows;
}

QList<ListedRow> csvRows(const QByteArray &bytes, const QString &code)
{
    QList<ListedRow> rows;
    for (const QStringList &line : csvLines(bytes))
        if (line.first() == code)
            rows << ListedRow{line.at(2), line.at(3)}; // Luokka, Nimi
    return rows;
}

class RowWalk : public ::testing::TestWithParam<Laji>
{
};

TEST_P(RowWalk, TabPrintAndCsvListTheSameRowsUnderTheSameClasses)
{
    const Laji d = GetParam();
    MatchBuilder b;
    const std::unique_ptr<Tulokset> tulokset = everyListFilled(b);
    const TulosTaulukko &table = tulokset->laji(d);
    QList<ListedRow> walked;
    for (const ListStep &step : disciplineListWalk(table, classSections(d)))
        if (!step.isHeading())
            walked << ListedRow{step.section, table[step.row].Nimi.text()};
    ASSERT_EQ(walked.size(), 6);
    ASSERT_GT(std::count_if(walked.begin() + 3, walked.end(),
                  [&](const ListedRow &row) { return row.first != walked[3].first; }),
        0)
        << "the sections below the first three hold more than one class";

    EXPECT_EQ(tabRows(tulokset->lajiLines.at(d)), walked);
    PrintSelection selection;
    for (size_t i = 0; i < PrintLists.size(); ++i)
        if (PrintLists[i].kind == ListKind::Discipline && PrintLists[i].which == d)
            selection.set(i);
    EXPECT_EQ(printedRows(recordReport(b.match().tiedot, *tulokset, selection), classSections(d)),
        walked);
    const QByteArray main = csvFiles(*tulokset, QStringLiteral("x.csv")).first().bytes;
    EXPECT_EQ(csvRows(main, disciplineCode(d)), walked);
}

INSTANTIATE_TEST_SUITE_P(Disciplines, RowWalk, ::testing::Values(BBPR, FPP, SBRS),
    [](const ::testing::TestParamInfo<Laji> &info) {
        return disciplineCode(info.param).toStdString();
    });

} // namespace
