#include "output/ResultSheet.h"

#include "files/MatchFiles.h"
#include "model/Language.h"
#include "model/Registers.h"
#include "ranking/ListColumns.h"
#include "ranking/Ranking.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPdfWriter>

#include <algorithm>
#include <span>

namespace marvola {

namespace {

constexpr double Left = 0.45;
constexpr double Top = 0.8;
constexpr double LineWidth = 7.4;
// A file name stays well inside every file system's limit, with room for the number.
constexpr qsizetype MaxNameInFileName = 80;
constexpr int PdfResolution = 1200;

// Where a discipline's figures are printed: left edge, alignment, width.
struct SheetColumn
{
    double left;
    Align align;
    double width;
    const char *context;
    const char *heading;
};

const SheetColumn DisciplineColumns[] = {
    {0.45, Align::Left, 0.6, "ResultSheet", QT_TRANSLATE_NOOP("ResultSheet", "Class")},
    {1.05, Align::Left, 1.6, "ResultSheet", QT_TRANSLATE_NOOP("ResultSheet", "Gun")},
    {2.7, Align::Right, 0.55, "ListColumns", "Chicken"},
    {3.3, Align::Right, 0.45, "ListColumns", "Pig"},
    {3.8, Align::Right, 0.55, "ListColumns", "Turkey"},
    {4.4, Align::Right, 0.45, "ListColumns", "Ram"},
    {4.9, Align::Right, 0.5, "ListColumns", "Total"},
    {5.5, Align::Center, 0.8, "ResultSheet", QT_TRANSLATE_NOOP("ResultSheet", "Shoot-off")},
    {6.35, Align::Right, 0.7, "ResultSheet", QT_TRANSLATE_NOOP("ResultSheet", "Place")},
    {7.1, Align::Right, 0.75, "ResultSheet", QT_TRANSLATE_NOOP("ResultSheet", "In class")},
};

const SheetColumn AggregateColumns[] = {
    {0.45, Align::Left, 4.4, "ResultSheet", QT_TRANSLATE_NOOP("ResultSheet", "Aggregate")},
    {4.9, Align::Right, 0.5, "ListColumns", "Total"},
    {6.35, Align::Right, 0.7, "ResultSheet", QT_TRANSLATE_NOOP("ResultSheet", "Place")},
};

const SheetColumn TeamColumns[] = {
    {0.45, Align::Left, 1.6, "ResultSheet", QT_TRANSLATE_NOOP("ResultSheet", "Team")},
    {2.1, Align::Left, 2.7, "ResultSheet", QT_TRANSLATE_NOOP("ResultSheet", "Team list")},
    {4.9, Align::Right, 0.5, "ListColumns", "Total"},
    {6.35, Align::Right, 0.7, "ResultSheet", QT_TRANSLATE_NOOP("ResultSheet", "Place")},
};

QString placeOf(int place, int count)
{
    return QStringLiteral("%1 / %2").arg(place).arg(count);
}

int rowOfNumber(const TulosTaulukko &table, std::int32_t numero)
{
    for (int r = 1; r <= TulosTaulukko::LastRankedRow; ++r)
        if (table[r].Numero == numero && !table[r].Nimi.isEmpty())
            return r;
    return 0;
}

int namedRows(const TulosTaulukko &table)
{
    int count = 0;
    for (int r = 1; r <= TulosTaulukko::LastRankedRow; ++r)
        if (!table[r].Nimi.isEmpty())
            ++count;
    return count;
}

// The list numbers its first three 1, 2, 3; below them a competitor the results cannot tell
// from the one above shares that one's place.
int placeInDiscipline(const TulosTaulukko &table, int row)
{
    if (row <= 3)
        return table[row].Sijoitus;
    int place = row;
    while (place > 4 && !disciplineRanksBefore(table[place - 1], table[place]))
        --place;
    return place;
}

int classSectionSize(const TulosTaulukko &table, const Str6 &luokka)
{
    int count = 0;
    for (int r = 4; r <= TulosTaulukko::LastRankedRow; ++r)
        if (!table[r].Nimi.isEmpty() && table[r].Luokka.sameText(luokka))
            ++count;
    return count;
}

QString gunText(const TTulosRivi &row)
{
    return QStringList{row.Ase.text(), row.Malli.text(), row.Kaliiperi.text()}
        .join(QLatin1Char(' '))
        .simplified();
}

SheetDiscipline disciplineOf(const TulosTaulukko &table, int d, int r)
{
    const TTulosRivi &row = table[r];
    SheetDiscipline s;
    s.d = d;
    s.luokka = row.Luokka.text();
    s.gun = gunText(row);
    s.kana = row.Kana;
    s.sika = row.Sika;
    s.kalkkuna = row.Kalkkuna;
    s.passi = row.Passi;
    s.yhteensa = row.Yhteensa;
    for (const Str2 &f : row.f)
        if (!f.isEmpty())
            s.shootOff << f.text();
    s.place = placeInDiscipline(table, r);
    s.competitors = namedRows(table);
    if (r > 3)
        s.classPlace = row.Sijoitus;
    s.classCompetitors = classSectionSize(table, row.Luokka);
    return s;
}

std::optional<SheetAggregate> aggregateOf(
    const AggrTaulukko &table, Aggregate a, std::int32_t numero)
{
    const std::vector<int> rows = aggregateListRows(table);
    for (int r : rows)
        if (table[r].Numero == numero)
            return SheetAggregate{
                a, table[r].Yhteensa, table[r].Sijoitus, static_cast<int>(rows.size())};
    return std::nullopt;
}

void printColumns(ReportCanvas &canvas, std::span<const SheetColumn> columns)
{
    canvas.clearTabs();
    for (const SheetColumn &column : columns)
        canvas.addTab(column.left, column.align, column.width);
}

void printHeadings(
    ReportCanvas &canvas, std::span<const SheetColumn> columns, const QString &language)
{
    printColumns(canvas, columns);
    canvas.setBold(true);
    canvas.newLine();
    for (const SheetColumn &column : columns)
        canvas.printTab(sheetText(language, column.context, column.heading));
    canvas.setBold(false);
}

// A line of text at the sheet's left edge, cut to the page.
void printLine(ReportCanvas &canvas, const QString &text)
{
    canvas.clearTabs();
    canvas.addTab(Left, Align::Left, LineWidth);
    canvas.newLine();
    canvas.printTab(text);
}

void printSection(ReportCanvas &canvas, const QString &title)
{
    canvas.newLine();
    canvas.setFont(QStringLiteral("Arial"), 12);
    canvas.setBold(true);
    printLine(canvas, title);
    canvas.setBold(false);
    canvas.setFont(QStringLiteral("Arial"), 9);
}

QString matchName(const TKilpailunTiedot &tiedot)
{
    return QStringList{tiedot.Seura, tiedot.Paikka}.join(QLatin1Char(' ')).simplified();
}

} // namespace

QString sheetText(const QString &language, const char *context, const char *source)
{
    if (language.isEmpty())
        return QCoreApplication::translate(context, source);
    return translateInto(language, context, source);
}

QString statusText(ResultStatus status, const QString &language)
{
    switch (status) {
    case ResultStatus::Provisional:
        return sheetText(
            language, "ResultSheet", QT_TRANSLATE_NOOP("ResultSheet", "Provisional results"));
    case ResultStatus::Official:
        return sheetText(
            language, "ResultSheet", QT_TRANSLATE_NOOP("ResultSheet", "Official results"));
    case ResultStatus::Unstated: break;
    }
    return {};
}

QString sheetTitle(const TKilpailunTiedot &tiedot, const QString &language)
{
    const QString match = matchName(tiedot);
    return match.isEmpty()
        ? sheetText(language, "ResultSheet", QT_TRANSLATE_NOOP("ResultSheet", "Result sheet"))
        : sheetText(language, "ResultSheet", QT_TRANSLATE_NOOP("ResultSheet", "Result sheet %1"))
              .arg(match);
}

CompetitorSheet competitorSheet(const Kilpailu &kilpailu, const Tulokset &tulokset, int slot)
{
    const TKilpailija &k = kilpailu.kilpailijat[slot];
    CompetitorSheet sheet;
    sheet.slot = slot;
    sheet.numero = k.Numero;
    sheet.nimi = k.Nimi.text();
    sheet.seura = k.Seura.text();
    sheet.maa = k.Maa.text();
    for (Laji d : Orders::Tabs) {
        const TulosTaulukko &table = tulokset.laji(d);
        if (const int r = rowOfNumber(table, k.Numero); r > 0)
            sheet.disciplines << disciplineOf(table, d, r);
    }
    for (const AggregateInfo &info : Aggregates)
        if (auto row = aggregateOf(tulokset.aggregate(info.aggregate), info.aggregate, k.Numero))
            sheet.aggregates << *row;
    for (const TeamGroupInfo &info : TeamGroups) {
        const JoukkueTaulukko &table = tulokset.standings(info.group);
        const std::vector<int> rows = teamListRows(table);
        for (int t : rows) {
            const TJoukkueTulos &team = table[t];
            // The standings know their members by name, as the team list prints them.
            if (std::any_of(team.Kilpailija.begin(), team.Kilpailija.end(),
                    [&](const Str25 &member) { return member.sameText(k.Nimi); }))
                sheet.teams << SheetTeam{info.group, typedTeamName(team.Nimi), team.Sijoitus,
                    static_cast<int>(rows.size()), team.Yhteensa[3]};
        }
    }
    return sheet;
}

QList<int> competitorSlotsByNumber(const Kilpailu &kilpailu)
{
    QList<int> chosen;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot)
        if (!kilpailu.kilpailijat[slot].Nimi.isEmpty())
            chosen << slot;
    std::stable_sort(chosen.begin(), chosen.end(), [&](int a, int b) {
        return kilpailu.kilpailijat[a].Numero < kilpailu.kilpailijat[b].Numero;
    });
    return chosen;
}

QString sheetFileName(std::int32_t numero, const QString &nimi)
{
    QString name;
    for (const QChar c : nimi) {
        const bool unsafe = c.category() == QChar::Other_Control
            || c.category() == QChar::Other_Format || c.isSurrogate()
            || QStringLiteral("/\\:*?\"<>|").contains(c);
        name += unsafe ? QChar(QLatin1Char('_')) : c;
    }
    // Dots in a row could read as a folder's parent, and a name must not end in a dot or blank.
    while (name.contains(QLatin1String("..")))
        name.replace(QLatin1String(".."), QLatin1String("."));
    name = name.simplified().left(MaxNameInFileName);
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    const QString number = QString::number(numero);
    return (name.isEmpty() ? number : number + QLatin1Char('-') + name) + QLatin1String(".pdf");
}

ResultStatus resultStatusOf(const Kilpailu &kilpailu)
{
    bool official = false;
    for (const ListStatus &status : kilpailu.listStatus) {
        if (status.state == ListState::Provisional)
            return ResultStatus::Provisional;
        official = official || status.isOfficial();
    }
    return official ? ResultStatus::Official : ResultStatus::Unstated;
}

SheetOptions withMatchStatus(const Kilpailu &kilpailu, SheetOptions options)
{
    if (options.status == ResultStatus::Unstated)
        options.status = resultStatusOf(kilpailu);
    return options;
}

ResultSheets::ResultSheets(const Kilpailu &kilpailu, const Tulokset &tulokset, QList<int> chosen,
    QHash<int, QString> languages, SheetOptions options)
    : m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
    , m_slots(std::move(chosen))
    , m_languages(std::move(languages))
    , m_options(withMatchStatus(kilpailu, options))
{ }

ReportCallbacks ResultSheets::callbacks()
{
    const QString language = m_slots.size() == 1 ? m_languages.value(m_slots.first()) : QString();
    return {[](ReportCanvas &canvas) { canvas.setFont(QStringLiteral("Arial"), 9); },
        [this](ReportCanvas &canvas) { print(canvas); }, sheetTitle(m_kilpailu.tiedot, language)};
}

void ResultSheets::print(ReportCanvas &canvas)
{
    for (qsizetype i = 0; i < m_slots.size(); ++i) {
        if (i > 0)
            canvas.newPage();
        const int slot = m_slots.at(i);
        printSheet(canvas, competitorSheet(m_kilpailu, m_tulokset, slot), m_languages.value(slot));
    }
}

void ResultSheets::printSheet(
    ReportCanvas &canvas, const CompetitorSheet &sheet, const QString &language)
{
    const auto text
        = [&](const char *source) { return sheetText(language, "ResultSheet", source); };
    const TKilpailunTiedot &tiedot = m_kilpailu.tiedot;

    // The match.
    canvas.setFont(QStringLiteral("Arial"), 14);
    canvas.setBold(true);
    canvas.gotoXY(Left, Top);
    canvas.print(matchName(tiedot));
    canvas.setBold(false);
    canvas.setFont(QStringLiteral("Arial"), 10);
    canvas.newLine();
    canvas.gotoXY(Left, Top + 0.25);
    canvas.print(
        formatMatchDate(tiedot.Alkupvm) + QLatin1String(" - ") + formatMatchDate(tiedot.LoppuPvm));
    canvas.newLine();
    canvas.gotoXY(Left, Top + 0.42);
    canvas.print(text(QT_TRANSLATE_NOOP("ResultSheet", "Result sheet")));
    if (const QString status = statusText(m_options.status, language); !status.isEmpty()) {
        canvas.setBold(true);
        canvas.newLine();
        canvas.gotoXY(Left, Top + 0.59);
        canvas.print(status);
        canvas.setBold(false);
    }

    // The competitor.
    canvas.setFont(QStringLiteral("Arial"), 14);
    canvas.setBold(true);
    canvas.gotoXY(Left, Top + 1.0);
    canvas.print(QStringLiteral("%1  %2").arg(sheet.numero).arg(sheet.nimi));
    canvas.setBold(false);
    canvas.setFont(QStringLiteral("Arial"), 10);
    canvas.newLine();
    canvas.gotoXY(Left, Top + 1.25);
    canvas.print(sheetText(language, "ListColumns", "Club") + QLatin1String(": ") + sheet.seura);
    canvas.gotoXY(Left + 3.0, Top + 1.25);
    canvas.print(
        text(QT_TRANSLATE_NOOP("ResultSheet", "Nationality")) + QLatin1String(": ") + sheet.maa);
    canvas.setFont(QStringLiteral("Arial"), 9);

    printSection(canvas, text(QT_TRANSLATE_NOOP("ResultSheet", "Disciplines")));
    if (sheet.disciplines.isEmpty()) {
        printLine(canvas, text(QT_TRANSLATE_NOOP("ResultSheet", "No disciplines entered.")));
    } else {
        printHeadings(canvas, DisciplineColumns, language);
    }
    for (const SheetDiscipline &s : sheet.disciplines) {
        canvas.setBold(true);
        printLine(canvas, sheetText(language, "Disciplines", discipline(s.d).title));
        canvas.setBold(false);
        printColumns(canvas, DisciplineColumns);
        canvas.newLine();
        const QString luokka = s.luokka == Luokat::Eiluok
            ? sheetText(language, "Disciplines", "No Class")
            : s.luokka;
        canvas.printTab(luokka);
        canvas.printTab(s.gun);
        for (std::int32_t figure : {s.kana, s.sika, s.kalkkuna, s.passi})
            canvas.printTab(QString::number(figure));
        canvas.setBold(true);
        canvas.printTab(QString::number(s.yhteensa));
        canvas.setBold(false);
        canvas.printTab(s.shootOff.join(QLatin1Char(' ')));
        canvas.printTab(placeOf(s.place, s.competitors));
        canvas.printTab(
            s.classPlace ? placeOf(*s.classPlace, s.classCompetitors) : QStringLiteral("-"));
    }
    if (!sheet.disciplines.isEmpty()) {
        canvas.newLine();
        printLine(canvas,
            text(QT_TRANSLATE_NOOP("ResultSheet",
                "Places are given as place / competitors. The overall first three are placed above "
                "the classes.")));
    }

    if (!sheet.aggregates.isEmpty()) {
        printSection(canvas, text(QT_TRANSLATE_NOOP("ResultSheet", "Aggregates")));
        printHeadings(canvas, AggregateColumns, language);
        for (const SheetAggregate &a : sheet.aggregates) {
            canvas.newLine();
            canvas.printTab(sheetText(language, "Disciplines", aggregateInfo(a.aggregate).title));
            canvas.printTab(QString::number(a.total));
            canvas.printTab(placeOf(a.place, a.competitors));
        }
    }

    if (!sheet.teams.isEmpty()) {
        printSection(canvas, text(QT_TRANSLATE_NOOP("ResultSheet", "Teams")));
        printHeadings(canvas, TeamColumns, language);
        for (const SheetTeam &t : sheet.teams) {
            canvas.newLine();
            canvas.printTab(t.name);
            canvas.printTab(sheetText(language, "Disciplines", teamGroupInfo(t.group).title));
            canvas.printTab(QString::number(t.sum));
            canvas.printTab(placeOf(t.standing, t.teams));
        }
    }
}

namespace {

QPageLayout sheetPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
}

} // namespace

struct SheetPdfMaker::Measuring
{
    QByteArray probe;
    QBuffer buffer{&probe};
    QPdfWriter writer{&buffer};
    std::unique_ptr<QtTextMeasurer> measurer;
    PageGeometry geometry;

    Measuring()
    {
        writer.setPageLayout(sheetPageLayout());
        writer.setResolution(PdfResolution);
        measurer = std::make_unique<QtTextMeasurer>(&writer);
        geometry = PageGeometry::of(writer);
    }
};

SheetPdfMaker::SheetPdfMaker(const Kilpailu &kilpailu, const Tulokset &tulokset,
    QHash<int, QString> languages, SheetOptions options)
    : m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
    , m_languages(std::move(languages))
    , m_options(withMatchStatus(kilpailu, options))
    , m_measuring(std::make_unique<Measuring>())
{ }

SheetPdfMaker::~SheetPdfMaker() = default;

std::optional<QByteArray> SheetPdfMaker::make(int slot, QString &error)
{
    ResultSheets sheets(m_kilpailu, m_tulokset, {slot}, m_languages, m_options);
    const ReportDocument document
        = generateReport(m_measuring->geometry, *m_measuring->measurer, sheets.callbacks());
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(sheetPageLayout());
        writer.setResolution(PdfResolution);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Marvola"));
        if (!paintDocument(document, writer, error))
            return std::nullopt;
    }
    buffer.close();
    return pdf;
}

} // namespace marvola
