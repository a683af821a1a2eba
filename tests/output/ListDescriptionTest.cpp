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

INSTANTIATE_TEST_SUITE_P(EveryList, ListDescription, ::testing::Range(0, PrintListCount),
    [](const ::testing::TestParamInfo<int> &info) {
        return paramName(PrintLists.at(static_cast<size_t>(info.param)).caption);
    });

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
