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
    // A text encoded once for the many lines that repeat it.
    CsvWriter &text(const QByteArray &encoded)
    {
        return quoted(encoded.constData(), encoded.size());
    }
    template<int N> CsvWriter &text(const ShortString<N> &value)
    {
        return quoted(value.chars(), value.length());
    }
    template<int N> CsvWriter &bare(const ShortString<N> &value)
    {
        char *out = field(value.length());
        std::memcpy(out, value.chars(), static_cast<size_t>(value.length()));
        m_out = out + value.length();
        return *this;
    }
    CsvWriter &number(std::int64_t value)
    {
        char *out = field(20);
        m_out = std::to_chars(out, out + 20, value).ptr;
        return *this;
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

// A discipline row's line; the overall first three have no class.
void addDisciplineLine(CsvWriter &file, const ListColumns &columns, const QByteArray &code,
    const TTulosRivi &row, bool topThree)
{
    for (const ListColumn &column : columns) {
        switch (column.value) {
        case ColumnValue::ListCode: file.text(code); break;
        case ColumnValue::Class:
            if (topThree)
                file.text(QStringView());
            else
                file.text(row.Luokka);
            break;
        case ColumnValue::Position: file.number(row.Sijoitus); break;
        case ColumnValue::Name: file.text(row.Nimi); break;
        case ColumnValue::Club: file.text(row.Seura); break;
        case ColumnValue::Kana: file.number(row.Kana); break;
        case ColumnValue::Sika: file.number(row.Sika); break;
        case ColumnValue::Kalkkuna: file.number(row.Kalkkuna); break;
        case ColumnValue::Passi: file.number(row.Passi); break;
        case ColumnValue::Total: file.number(row.Yhteensa); break;
        case ColumnValue::Entry: file.text(row.f.at(static_cast<size_t>(column.index))); break;
        case ColumnValue::Gun: file.text(row.Ase); break;
        case ColumnValue::Model: file.text(row.Malli); break;
        case ColumnValue::Caliber: file.text(row.Kaliiperi); break;
        default: file.text(QStringView()); break;
        }
    }
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
        const QByteArray code = toCp1252(disciplineCode(d));
        for (const ListStep &step : disciplineListWalk(table, classSections(d)))
            if (!step.isHeading())
                addDisciplineLine(file, columns, code, table[step.row], step.section.isEmpty());
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
    const QByteArray code(info.code);
    for (int r : aggregateListRows(table)) {
        const TAggrKilpailija &row = table[r];
        for (const ListColumn &column : columns) {
            switch (column.value) {
            case ColumnValue::ListCode: file.text(code); break;
            case ColumnValue::Position: file.number(row.Sijoitus); break;
            case ColumnValue::Name: file.text(row.Nimi); break;
            case ColumnValue::Club: file.text(row.Seura); break;
            case ColumnValue::DisciplineTotal: file.number(row.Lajit[column.discipline]); break;
            case ColumnValue::Total: file.number(row.Yhteensa); break;
            case ColumnValue::Passi: file.number(row.Passi); break;
            case ColumnValue::Kalkkuna: file.number(row.Kalkkuna); break;
            case ColumnValue::Sika: file.number(row.Sika); break;
            case ColumnValue::Kana: file.number(row.Kana); break;
            default: file.text(QStringView()); break;
            }
        }
        file.endLine();
    }
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
    const QByteArray code(teamGroupInfo(g).code);
    for (int r : rows) {
        const TJoukkueTulos &team = table[r];
        for (size_t m = 0; m < 3; ++m) {
            for (const ListColumn &column : columns) {
                switch (column.value) {
                case ColumnValue::ListCode: file.text(code); break;
                case ColumnValue::TeamName: file.bare(team.Nimi); break;
                case ColumnValue::Member: file.text(team.Kilpailija[m]); break;
                case ColumnValue::TeamFigure:
                    file.number(team.Lajit.at(static_cast<size_t>(column.index))[m]);
                    break;
                case ColumnValue::Total: file.number(team.Yhteensa[m]); break;
                case ColumnValue::Passi: file.number(team.Passi[m]); break;
                case ColumnValue::Kalkkuna: file.number(team.Kalkkuna[m]); break;
                case ColumnValue::Sika: file.number(team.Sika[m]); break;
                case ColumnValue::Kana: file.number(team.Kana[m]); break;
                default: file.text(QStringView()); break;
                }
            }
            file.endLine();
        }
    }
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
