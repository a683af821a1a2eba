// The results workbook as spreadsheet programs read it: openpyxl finds the tabs' values, figures as
// figures, texts that look like formulas as texts; LibreOffice reads the same; sheet names are
// valid.
#include "output/ResultWorkbook.h"

#include "output/PrintLists.h"
#include "ranking/ListColumns.h"
#include "ranking/Ranking.h"
#include "support/FullMatch.h"
#include "support/MatchBuilder.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace marvola;
using marvola::testing::MatchBuilder;

namespace {

// Every sheet's cells as [value, type] pairs, the frozen cell, the columns' widths and the
// widths their texts need, and how many formulas the sheets' XML holds.
const char *const ReadWorkbook = R"(import json, sys, zipfile, openpyxl
from openpyxl.utils import get_column_letter
book = openpyxl.load_workbook(sys.argv[1])
sheets = []
for ws in book.worksheets:
    rows = [[[c.value, c.data_type] for c in row] for row in ws.iter_rows()]
    needed = {}
    for row in rows:
        for i, (value, kind) in enumerate(row):
            if value is not None:
                needed[i] = max(needed.get(i, 0), len(str(value)))
    narrow = [i for i, n in needed.items()
              if (ws.column_dimensions[get_column_letter(i + 1)].width or 0) < n]
    sheets.append({"rows": rows, "freeze": ws.freeze_panes, "narrow": narrow})
with zipfile.ZipFile(sys.argv[1]) as z:
    formulas = sum(z.read(n).count(b"<f>") + z.read(n).count(b"<f ")
                   for n in z.namelist() if n.startswith("xl/worksheets/"))
print(json.dumps({"names": book.sheetnames, "sheets": sheets, "formulas": formulas}))
)";

struct ReadBack
{
    QStringList names;
    QJsonArray sheets;
    int formulas = -1;
};

QString writeWorkbook(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("results.xlsx"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

// Read by Debian's python3-openpyxl, through the system's Python before any other on the path.
std::optional<ReadBack> readWithOpenpyxl(const QString &path, std::string &failure)
{
    QString python3 = QStandardPaths::findExecutable(QStringLiteral("python3"), {"/usr/bin"});
    if (python3.isEmpty())
        python3 = QStringLiteral("python3");
    QProcess python;
    python.start(python3, {QStringLiteral("-c"), QString::fromUtf8(ReadWorkbook), path});
    if (!python.waitForFinished(120000) || python.exitCode() != 0) {
        failure = python.readAllStandardError().toStdString();
        return std::nullopt;
    }
    const QJsonObject read = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    ReadBack back;
    for (const QJsonValue &name : read[QStringLiteral("names")].toArray())
        back.names << name.toString();
    back.sheets = read[QStringLiteral("sheets")].toArray();
    back.formulas = read[QStringLiteral("formulas")].toInt(-1);
    return back;
}

QJsonArray rowsOf(const QJsonValue &sheet)
{
    return sheet.toObject()[QStringLiteral("rows")].toArray();
}

// A cell as the tab would show it, and whether the sheet holds it as a figure.
struct ReadCell
{
    QString shown;
    bool number = false;
    QString type;
};

ReadCell cellAt(const QJsonArray &row, qsizetype column)
{
    const QJsonArray cell = row.at(column).toArray();
    const QJsonValue value = cell.at(0);
    ReadCell read{.shown = {}, .number = value.isDouble(), .type = cell.at(1).toString()};
    if (value.isDouble())
        read.shown = QString::number(value.toInteger());
    else if (value.isString())
        read.shown = value.toString();
    return read;
}

// The captioned columns of a list's description, in the tab's order.
std::vector<ListColumn> shownColumns(const PrintList &list)
{
    const ListColumns &all = list.kind == ListKind::Discipline ? disciplineListColumns(list.which)
        : list.kind == ListKind::Aggregate ? aggregateListColumns(Aggregate(list.which))
                                           : teamListColumns(TeamGroup(list.which));
    std::vector<ListColumn> shown;
    for (const ListColumn &column : all)
        if (column.caption)
            shown.push_back(column);
    return shown;
}

// The lines of the list's tab; the standings have none, and show each team's members and sums.
ListLines tabLinesOf(const Tulokset &tulokset, const PrintList &list)
{
    if (list.kind == ListKind::Discipline)
        return tulokset.lajiLines[static_cast<size_t>(list.which)];
    if (list.kind == ListKind::Aggregate)
        return tulokset.aggrLines[static_cast<size_t>(list.which)];
    ListLines lines;
    const JoukkueTaulukko &table = tulokset.standings(TeamGroup(list.which));
    for (int k : teamListRows(table)) {
        for (int member = 0; member < 4; ++member) {
            QStringList cells;
            for (const ListColumn &column : shownColumns(list))
                cells << cellText(column, table[k], member, ListOutput::Tab);
            lines << ListLine{false, cells};
        }
    }
    return lines;
}

// Compares one sheet with its tab line by line; returns the first difference, empty when none.
QString differenceFromTab(const QJsonArray &rows, const ListLines &lines, const PrintList &list)
{
    const std::vector<ListColumn> columns = shownColumns(list);
    if (rows.size() != lines.size() + 1)
        return QStringLiteral("%1 rows for %2 lines").arg(rows.size()).arg(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ListLine &line = lines[i];
        const QJsonArray row = rows.at(i + 1).toArray();
        for (qsizetype c = 0; c < row.size(); ++c) {
            const ReadCell cell = cellAt(row, c);
            const QString wanted = line.heading && c > 0 ? QString() : line.columns.value(c);
            // The tab's blank for an empty shoot-off entry is an empty cell.
            if (cell.shown != wanted.trimmed())
                return QStringLiteral("row %1 column %2: \"%3\", the tab \"%4\"")
                    .arg(i + 2)
                    .arg(c + 1)
                    .arg(cell.shown, wanted);
            const bool figure
                = !line.heading && !isTextValue(columns.at(static_cast<size_t>(c)).value);
            if (!cell.shown.isEmpty() && cell.number != figure)
                return QStringLiteral("row %1 column %2: \"%3\" is a cell of type %4")
                    .arg(i + 2)
                    .arg(c + 1)
                    .arg(cell.shown, cell.type);
        }
    }
    return {};
}

class FullMatchWorkbook : public ::testing::Test
{
protected:
    void SetUp() override
    {
        match->extras[1].memberNumber = QStringLiteral("F-1");
        match->extras[2].memberNumber = QStringLiteral("-0042");
        // Clubs a spreadsheet would take for a formula or a figure, were they typed into it.
        const char *clubs[] = {"=1+2", "@SUM(A1)", "-3", "+x"};
        for (int slot = 1; slot <= 4; ++slot)
            match->kilpailijat[slot].Seura.setText(QLatin1String(clubs[slot - 1]));
        refreshResults(*match, *tulokset);
        QString error;
        const std::optional<QByteArray> bytes = resultWorkbookXlsx(*match, *tulokset, error);
        ASSERT_TRUE(bytes) << error.toStdString();
        path = writeWorkbook(dir, *bytes);
    }

    std::unique_ptr<Kilpailu> match = marvola::testing::fullMatch();
    std::unique_ptr<Tulokset> tulokset = std::make_unique<Tulokset>();
    QTemporaryDir dir;
    QString path;
};

TEST_F(FullMatchWorkbook, OpenpyxlReadsEveryListAsItsTabShowsIt)
{
    std::string failure;
    const std::optional<ReadBack> read = readWithOpenpyxl(path, failure);
    ASSERT_TRUE(read) << failure;
    QStringList names{QStringLiteral("Competitors")};
    for (const PrintList &list : PrintLists)
        names << QString::fromLatin1(list.caption);
    ASSERT_EQ(read->names, names);
    EXPECT_EQ(read->formulas, 0);

    for (qsizetype s = 0; s < read->sheets.size(); ++s) {
        const QJsonObject sheet = read->sheets.at(s).toObject();
        EXPECT_EQ(sheet[QStringLiteral("freeze")].toString(), QStringLiteral("A2")) << s;
        EXPECT_TRUE(sheet[QStringLiteral("narrow")].toArray().isEmpty())
            << names[s].toStdString() << ": columns narrower than their texts";
    }
    for (size_t i = 0; i < PrintLists.size(); ++i) {
        const PrintList &list = PrintLists[i];
        const QJsonArray rows = rowsOf(read->sheets.at(static_cast<qsizetype>(i) + 1));
        ASSERT_FALSE(rows.isEmpty()) << list.caption;
        QStringList headings;
        for (qsizetype c = 0; c < rows.at(0).toArray().size(); ++c)
            headings << cellAt(rows.at(0).toArray(), c).shown;
        QStringList captions;
        for (const ListColumn &column : shownColumns(list))
            captions << QString::fromUtf8(column.caption);
        EXPECT_EQ(headings, captions) << list.caption;
        EXPECT_EQ(differenceFromTab(rows, tabLinesOf(*tulokset, list), list), QString())
            << list.caption;
    }
}

TEST_F(FullMatchWorkbook, CompetitorsSheetListsEveryoneByNumberWithMemberNumbersAndEntries)
{
    std::string failure;
    const std::optional<ReadBack> read = readWithOpenpyxl(path, failure);
    ASSERT_TRUE(read) << failure;
    const QJsonArray rows = rowsOf(read->sheets.at(0));
    ASSERT_EQ(rows.size(), MaxKilpailijat + 1);
    QStringList headings;
    for (qsizetype c = 0; c < 6; ++c)
        headings << cellAt(rows.at(0).toArray(), c).shown;
    EXPECT_EQ(headings.join(QLatin1Char(';')),
        QStringLiteral("Nro;Competitor Name;Club;Nat.;Member number;Disciplines"));
    const QString everything
        = QStringLiteral("BBPR BBPC BBPP BBPS BBPU FPP FPPAS SBPR SBPC SBPP SBPS SBPU SBRS SBRL "
                         "BBRS BBRH");
    const QStringList first{QStringLiteral("1"), QStringLiteral("Shooter 001"),
        QStringLiteral("=1+2"), QStringLiteral("FIN"), QStringLiteral("F-1"), everything};
    const QStringList second{QStringLiteral("2"), QStringLiteral("Shooter 002"),
        QStringLiteral("@SUM(A1)"), QStringLiteral("FIN"), QStringLiteral("-0042"), everything};
    for (const auto &[row, wanted] : {std::pair{1, first}, std::pair{2, second}}) {
        QStringList shown;
        for (qsizetype c = 0; c < 6; ++c)
            shown << cellAt(rows.at(row).toArray(), c).shown;
        EXPECT_EQ(shown, wanted);
    }
    EXPECT_TRUE(cellAt(rows.at(1).toArray(), 0).number) << "the competitor number is a figure";
    EXPECT_FALSE(cellAt(rows.at(2).toArray(), 4).number) << "a member number stays as typed";
    for (qsizetype r = 2; r < rows.size(); ++r)
        ASSERT_LT(cellAt(rows.at(r - 1).toArray(), 0).shown.toInt(),
            cellAt(rows.at(r).toArray(), 0).shown.toInt())
            << "row " << r;
}

// LibreOffice's CSV of a sheet as the openpyxl reader gives it: a quoted field is a text cell, an
// unquoted one a figure or empty.
QJsonArray csvSheetRows(const QString &csv)
{
    QJsonArray rows;
    QJsonArray row;
    QString field;
    bool quoted = false;
    bool inQuotes = false;
    const auto endField = [&] {
        QJsonValue value;
        if (quoted)
            value = field;
        else if (!field.isEmpty())
            value = field.toDouble();
        row.append(QJsonArray{value, quoted ? QStringLiteral("s") : QStringLiteral("n")});
        field.clear();
        quoted = false;
    };
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const QChar c = csv[i];
        if (inQuotes) {
            if (c == u'"' && i + 1 < csv.size() && csv[i + 1] == u'"')
                field += csv[++i];
            else if (c == u'"')
                inQuotes = false;
            else
                field += c;
        } else if (c == u'"') {
            inQuotes = quoted = true;
        } else if (c == u',') {
            endField();
        } else if (c == u'\n') {
            endField();
            rows.append(row);
            row = {};
        } else if (c != u'\r') {
            field += c;
        }
    }
    return rows;
}

// LibreOffice opens the workbook, where it is installed: every sheet, converted to CSV, holds the
// values of its tab, the figures as numbers and the texts quoted as texts.
TEST_F(FullMatchWorkbook, LibreOfficeReadsEveryListAsItsTabShowsIt)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice is not installed";
    const QString out = dir.filePath(QStringLiteral("csv"));
    QProcess office;
    // A profile of its own, so a desktop's LibreOffice neither blocks nor takes the conversion.
    // The filter's options: comma, double quotes, UTF-8, every text quoted, every sheet a file.
    office.start(soffice,
        {QStringLiteral("-env:UserInstallation=file://") + dir.filePath(QStringLiteral("profile")),
            QStringLiteral("--headless"), QStringLiteral("--convert-to"),
            QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,true,false,false,"
                           "false,-1"),
            QStringLiteral("--outdir"), out, path});
    ASSERT_TRUE(office.waitForFinished(300000));
    ASSERT_EQ(office.exitCode(), 0) << office.readAllStandardError().toStdString();
    const auto sheetCsv = [&](const char *caption) {
        QFile csv(QDir(out).filePath(QStringLiteral("results-%1.csv").arg(QLatin1String(caption))));
        return csv.open(QIODevice::ReadOnly) ? QString::fromUtf8(csv.readAll()) : QString();
    };
    const QJsonArray competitors = csvSheetRows(sheetCsv("Competitors"));
    ASSERT_EQ(competitors.size(), MaxKilpailijat + 1);
    EXPECT_EQ(cellAt(competitors.at(1).toArray(), 2).shown, QStringLiteral("=1+2"));
    EXPECT_EQ(cellAt(competitors.at(1).toArray(), 2).type, QStringLiteral("s"));
    for (const PrintList &list : PrintLists) {
        const QJsonArray rows = csvSheetRows(sheetCsv(list.caption));
        ASSERT_FALSE(rows.isEmpty()) << list.caption << ": no sheet";
        EXPECT_EQ(differenceFromTab(rows, tabLinesOf(*tulokset, list), list), QString())
            << list.caption;
    }
}

// Clubs and names that a spreadsheet would take for formulas or figures, were they typed into it.
TEST(ResultWorkbook, TextsThatLookLikeFormulasStayTexts)
{
    MatchBuilder builder;
    const QString clubs[] = {QStringLiteral("=1+2"), QStringLiteral("@SUM(A1)"),
        QStringLiteral("-3"), QStringLiteral("+x")};
    for (int i = 0; i < 4; ++i) {
        const int slot = builder.competitor(QStringLiteral("Shooter %1").arg(i), clubs[i]);
        builder.enter(slot, BBPR, Luokat::A, {i, 1, 1, 1});
    }
    builder.match().extras[1].memberNumber = QStringLiteral("=HYPERLINK(\"x\")");
    // A control character, which XML cannot carry as it is, in a name read from a file.
    builder.match().kilpailijat[4].Nimi.setText(QStringLiteral("Shooter\u0001Three"));
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(builder.match(), *tulokset);
    QString error;
    const std::optional<QByteArray> bytes = resultWorkbookXlsx(builder.match(), *tulokset, error);
    ASSERT_TRUE(bytes) << error.toStdString();
    QTemporaryDir dir;
    std::string failure;
    const std::optional<ReadBack> read = readWithOpenpyxl(writeWorkbook(dir, *bytes), failure);
    ASSERT_TRUE(read) << failure;
    EXPECT_EQ(read->formulas, 0);

    QStringList competitorClubs;
    QStringList listedClubs;
    const QJsonArray competitors = rowsOf(read->sheets.at(0));
    for (qsizetype r = 1; r < competitors.size(); ++r) {
        const ReadCell club = cellAt(competitors.at(r).toArray(), 2);
        EXPECT_EQ(club.type, QStringLiteral("s")) << club.shown.toStdString();
        competitorClubs << club.shown;
    }
    EXPECT_EQ(cellAt(competitors.at(4).toArray(), 1).shown, QStringLiteral("Shooter Three"));
    const ReadCell member = cellAt(competitors.at(1).toArray(), 4);
    EXPECT_EQ(member.shown, QStringLiteral("=HYPERLINK(\"x\")"));
    EXPECT_EQ(member.type, QStringLiteral("s"));
    // BBPR's sheet: its code, the overall first three, the sections; the club is the fourth column.
    const auto bbpr = std::find_if(PrintLists.begin(), PrintLists.end(),
        [](const PrintList &l) { return l.kind == ListKind::Discipline && l.which == BBPR; });
    const QJsonArray rows = rowsOf(read->sheets.at(bbpr - PrintLists.begin() + 1));
    for (const QJsonValue &row : rows) {
        const ReadCell club = cellAt(row.toArray(), 3);
        if (clubs[0] == club.shown || clubs[1] == club.shown || clubs[2] == club.shown
            || clubs[3] == club.shown) {
            EXPECT_EQ(club.type, QStringLiteral("s")) << club.shown.toStdString();
            listedClubs << club.shown;
        }
    }
    const QStringList all(std::begin(clubs), std::end(clubs));
    EXPECT_EQ(competitorClubs, all);
    std::sort(listedClubs.begin(), listedClubs.end());
    QStringList sorted = all;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(listedClubs, sorted);
}

struct SheetNameCase
{
    const char *name;
    QString wanted;
    QStringList taken;
    QString made;
};

class SheetNames : public ::testing::TestWithParam<SheetNameCase>
{
};

TEST_P(SheetNames, AreMadeValidAndUnique)
{
    const SheetNameCase &c = GetParam();
    const QString made = validSheetName(c.wanted, c.taken);
    EXPECT_EQ(made, c.made);
    EXPECT_LE(made.size(), 31);
}

const QString ThirtyOne = QStringLiteral("Standing Aggregate Final Result");

INSTANTIATE_TEST_SUITE_P(Cases, SheetNames,
    ::testing::Values(
        SheetNameCase{"Caption", QStringLiteral("BBP Aggr"), {}, QStringLiteral("BBP Aggr")},
        SheetNameCase{"ForbiddenCharacters", QStringLiteral("a/b\\c?d*e:f[g]h"), {},
            QStringLiteral("a_b_c_d_e_f_g_h")},
        SheetNameCase{"ControlCharacters", QStringLiteral("a\tb\nc"), {}, QStringLiteral("a_b_c")},
        SheetNameCase{"TooLong", QStringLiteral("Small Bore Pistol Aggregate of the Year"), {},
            QStringLiteral("Small Bore Pistol Aggregate of ")},
        SheetNameCase{"Apostrophes", QStringLiteral("'Quoted'"), {}, QStringLiteral("Quoted")},
        SheetNameCase{"ApostropheAtTheCut", QStringLiteral("Thirty characters for the cuts'x"), {},
            QStringLiteral("Thirty characters for the cuts")},
        SheetNameCase{"NotSplitInACharacter",
            QString(30, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x8E\xAF"), {},
            QString(30, QLatin1Char('a'))},
        SheetNameCase{"Empty", QString(), {}, QStringLiteral("Sheet")},
        SheetNameCase{"Reserved", QStringLiteral("history"), {}, QStringLiteral("history_")},
        SheetNameCase{"TakenInAnotherCase", QStringLiteral("Competitors"),
            {QStringLiteral("COMPETITORS")}, QStringLiteral("Competitors (2)")},
        SheetNameCase{"TakenTwice", QStringLiteral("FPP"),
            {QStringLiteral("FPP"), QStringLiteral("fpp (2)")}, QStringLiteral("FPP (3)")},
        SheetNameCase{"TakenAtFullLength", ThirtyOne, {ThirtyOne},
            QStringLiteral("Standing Aggregate Final Re (2)")}),
    [](const auto &info) { return std::string(info.param.name); });

// The names as made are the ones a spreadsheet program reads back, and it opens the workbook.
TEST(ResultWorkbook, BadSheetNamesAreWrittenAsMade)
{
    std::vector<WorkbookSheet> sheets;
    for (const QString &name : {QStringLiteral("Lists"), QStringLiteral("lists"),
             QStringLiteral("a/b:c"), QString(), QStringLiteral("'") + ThirtyOne})
        sheets.push_back({.name = name,
            .headings = {QStringLiteral("Name")},
            .rows
            = {{.heading = false, .cells = {{.kind = WorkbookCell::Kind::Number, .number = 7}}}}});
    QString error;
    const std::optional<QByteArray> bytes = workbookXlsx(sheets, error);
    ASSERT_TRUE(bytes) << error.toStdString();
    QTemporaryDir dir;
    std::string failure;
    const std::optional<ReadBack> read = readWithOpenpyxl(writeWorkbook(dir, *bytes), failure);
    ASSERT_TRUE(read) << failure;
    EXPECT_EQ(read->names,
        QStringList({QStringLiteral("Lists"), QStringLiteral("lists (2)"), QStringLiteral("a_b_c"),
            QStringLiteral("Sheet"), ThirtyOne}));
}

} // namespace
