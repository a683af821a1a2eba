#include "output/CsvExport.h"

#include "files/MatchFiles.h"
#include "files/SafeFile.h"
#include "ranking/ListColumns.h"
#include "ranking/Ranking.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <numeric>

namespace marvola {

namespace {

// One file written in one pass into one buffer: Windows-1252 text, fields joined by semicolons,
// quoted texts written unchanged, every line ended by CR LF. The record texts are Windows-1252
// already and go in as they are; other texts are encoded straight into the buffer. The buffer is
// sized for the whole file up front and filled through a pointer.
class CsvWriter
{
public:
    CsvWriter(const QStringList &headerWords, qsizetype lines, qsizetype lineBytes)
    {
        grow((lines + 1) * lineBytes);
        for (const QString &word : headerWords)
            text(word);
        endLine();
    }

    CsvWriter &text(QStringView value)
    {
        char *out = field(value.size() + 2);
        *out++ = '"';
        out = writeCp1252(value, out);
        *out++ = '"';
        m_out = out;
        return *this;
    }
    // Bytes written as they are: a record's text, already Windows-1252.
    CsvWriter &bare(const char *bytes, qsizetype length)
    {
        char *out = field(length);
        std::memcpy(out, bytes, static_cast<size_t>(length));
        m_out = out + length;
        return *this;
    }
    CsvWriter &number(std::int64_t value)
    {
        char *out = field(20);
        m_out = std::to_chars(out, out + 20, value).ptr;
        return *this;
    }
    // A column's value as the list's description gives it for the file.
    CsvWriter &cell(const CellValue &value)
    {
        switch (value.kind) {
        case CellValue::Kind::Number: return number(value.number);
        case CellValue::Kind::Stored:
            return value.bare ? bare(value.stored.data(), value.stored.size())
                              : quoted(value.stored.data(), value.stored.size());
        case CellValue::Kind::Text: break;
        }
        return text(value.text);
    }
    void endLine()
    {
        room(2);
        *m_out++ = '\r';
        *m_out++ = '\n';
        m_lineStart = true;
    }
    QByteArray bytes()
    {
        m_bytes.truncate(m_out - m_bytes.constData());
        m_out = m_end = nullptr;
        return m_bytes;
    }

private:
    CsvWriter &quoted(const char *bytes, qsizetype length)
    {
        char *out = field(length + 2);
        *out++ = '"';
        std::memcpy(out, bytes, static_cast<size_t>(length));
        out += length;
        *out++ = '"';
        m_out = out;
        return *this;
    }
    // Room for the separator and a field of up to n bytes; returns where the field goes.
    char *field(qsizetype n)
    {
        room(n + 1);
        if (!m_lineStart)
            *m_out++ = ';';
        m_lineStart = false;
        return m_out;
    }
    void room(qsizetype n)
    {
        if (m_end - m_out < n)
            grow(n);
    }
    // Only a text longer than its record field can outgrow the first reservation.
    void grow(qsizetype n)
    {
        const qsizetype used = m_out ? m_out - m_bytes.constData() : 0;
        m_bytes.resize(std::max(used + n, 2 * m_bytes.size()));
        m_out = m_bytes.data() + used;
        m_end = m_bytes.data() + m_bytes.size();
    }

    QByteArray m_bytes;
    char *m_out = nullptr;
    char *m_end = nullptr;
    bool m_lineStart = true;
};

// The longest line of each file as the record fields bound it, so a buffer is reserved once:
// quoted texts take two quotes and a semicolon more than their bytes, record figures up to 11
// characters and sums up to 20.
constexpr qsizetype quotedBytes(int capacity)
{
    return capacity + 3;
}
constexpr qsizetype NumberBytes = 12;
constexpr qsizetype SumBytes = 21;
constexpr qsizetype DisciplineLineBytes = quotedBytes(5) + NumberBytes + quotedBytes(Str6::Capacity)
    + quotedBytes(Str25::Capacity) + quotedBytes(Str10::Capacity) + 5 * NumberBytes
    + FinaaliCount * quotedBytes(Str2::Capacity) + 3 * quotedBytes(Str10::Capacity) + 2;

// A line of the file: each column's value for the file, in the file's order of the columns.
template<typename Row> void addLine(CsvWriter &file, const ListColumns &columns, const Row &row)
{
    for (const ListColumn &column : columns)
        file.cell(columnValue(column, row, ListOutput::Csv));
    file.endLine();
}

// Every discipline's list in the export order; the columns are the same for all of them.
QByteArray mainFile(const Tulokset &tulokset)
{
    qsizetype lines = 0;
    for (Laji d : Orders::Export)
        lines += tulokset.laji(d).lastNamedRow();
    const ListColumns columns = csvColumns(disciplineListColumns(BBPR));
    CsvWriter file(csvHeadings(columns), lines, DisciplineLineBytes);
    for (Laji d : Orders::Export) {
        const TulosTaulukko &table = tulokset.laji(d);
        const QString code = disciplineCode(d);
        for (const ListStep &step : disciplineListWalk(table, classSections(d)))
            if (!step.isHeading())
                addLine(file, columns,
                    DisciplineRow{
                        .row = table[step.row], .section = step.section, .listCode = code});
    }
    return file.bytes();
}

QByteArray aggregateFile(const Tulokset &tulokset, Aggregate a)
{
    const AggregateInfo &info = aggregateInfo(a);
    const ListColumns columns = csvColumns(aggregateListColumns(a));
    const AggrTaulukko &table = tulokset.aggregate(a);
    const qsizetype lineBytes = quotedBytes(5) + NumberBytes + quotedBytes(Str25::Capacity)
        + quotedBytes(Str10::Capacity) + info.disciplines.size() * NumberBytes + 5 * SumBytes + 2;
    CsvWriter file(csvHeadings(columns), table.lastNamedRow(), lineBytes);
    const QString code = QString::fromLatin1(info.code);
    for (int r : aggregateListRows(table))
        addLine(file, columns, AggregateRow{.row = table[r], .listCode = code});
    return file.bytes();
}

// The team groups that have a file, and the file's name after the chosen base.
struct TeamFile
{
    TeamGroup group;
    const char *suffix;
};

constexpr std::array<TeamFile, 3> TeamFiles = {{
    {TeamGroup::FP, "FPTeams.csv"},
    {TeamGroup::SBP, "SBPTeams.csv"},
    {TeamGroup::BBP, "BBPTeams.csv"},
}};

// The team file's rows: every row up to the last named team, a nameless one among them too (a
// team whose name was cleared keeps its group): the file has always held them, and a named team
// after a nameless one must not go missing from it.
std::vector<int> teamFileRows(const JoukkueTaulukko &table)
{
    const int last = table.lastNamedRow();
    if (table[last].Nimi.isEmpty())
        return {};
    std::vector<int> rows(static_cast<size_t>(last));
    std::iota(rows.begin(), rows.end(), 1);
    return rows;
}

// Three lines per team, one for each member.
QByteArray teamFile(const Tulokset &tulokset, TeamGroup g)
{
    const ListColumns columns = csvColumns(teamListColumns(g));
    const JoukkueTaulukko &table = tulokset.standings(g);
    const std::vector<int> rows = teamFileRows(table);
    const qsizetype lineBytes = quotedBytes(5) + Str10::Capacity + 1 + quotedBytes(Str25::Capacity)
        + qsizetype(columns.size()) * NumberBytes + 5 * SumBytes + 2;
    CsvWriter file(csvHeadings(columns), 3 * qsizetype(rows.size()), lineBytes);
    const QString code = QString::fromLatin1(teamGroupInfo(g).code);
    for (int r : rows)
        for (int m = 0; m < 3; ++m)
            addLine(file, columns, TeamRow{.row = table[r], .member = m, .listCode = code});
    return file.bytes();
}

constexpr std::array<Aggregate, 5> ExportedAggregates
    = {Aggregate::BBP, Aggregate::SBP, Aggregate::FP, Aggregate::SBR, Aggregate::BBR};

} // namespace

QString nothingToExportMessage()
{
    return QCoreApplication::translate("CsvExport", "Eipä ole paljoa tallennettavaa.");
}

bool hasCompetitorsToExport(const Kilpailu &kilpailu)
{
    return kilpailu.kilpailijat.highestOccupied() > 0;
}

QStringList csvFileNames(const QString &chosenName)
{
    const QString base = baseName(chosenName);
    QStringList names{base + QStringLiteral(".csv")};
    for (Aggregate a : ExportedAggregates)
        names << base + QString::fromLatin1(aggregateInfo(a).code) + QStringLiteral(".csv");
    for (const TeamFile &team : TeamFiles)
        names << base + QString::fromLatin1(team.suffix);
    return names;
}

QList<FileContent> csvFiles(const Tulokset &tulokset, const QString &chosenName)
{
    QList<QByteArray> contents{mainFile(tulokset)};
    for (Aggregate a : ExportedAggregates)
        contents << aggregateFile(tulokset, a);
    for (const TeamFile &team : TeamFiles)
        contents << teamFile(tulokset, team.group);

    // The nine files replace an earlier export together or not at all.
    const QStringList names = csvFileNames(chosenName);
    QList<FileContent> files;
    for (int i = 0; i < names.size(); ++i)
        files.append({names[i], contents[i]});
    return files;
}

bool exportCsv(const Tulokset &tulokset, const QString &chosenName, QString &error)
{
    return writeFilesSafely(csvFiles(tulokset, chosenName), error);
}

} // namespace marvola
