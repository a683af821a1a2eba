#include "output/CsvExport.h"

#include "files/MatchFiles.h"
#include "files/SafeFile.h"
#include "ranking/Ranking.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <cstring>

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

QStringList words(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(','));
}

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

void addDisciplineLine(
    CsvWriter &file, const QByteArray &code, const TTulosRivi &row, bool topThree)
{
    file.text(code).number(row.Sijoitus);
    if (topThree)
        file.text(QStringView());
    else
        file.text(row.Luokka);
    file.text(row.Nimi)
        .text(row.Seura)
        .number(row.Kana)
        .number(row.Sika)
        .number(row.Kalkkuna)
        .number(row.Passi)
        .number(row.Yhteensa);
    for (const Str2 &entry : row.f)
        file.text(entry);
    file.text(row.Ase).text(row.Malli).text(row.Kaliiperi);
    file.endLine();
}

QByteArray mainFile(const Tulokset &tulokset)
{
    qsizetype lines = 0;
    for (Laji d : Orders::Export)
        lines += tulokset.laji(d).lastNamedRow();
    CsvWriter file(words("Laji,Sijoitus,Luokka,Nimi,Seura,Kana,Sika,Kalkkuna,Passi,Yhteensa,f1,"
                         "f2,f3,f4,f5,Ase,Malli,Kaliiperi"),
        lines, DisciplineLineBytes);
    for (Laji d : Orders::Export) {
        const TulosTaulukko &table = tulokset.laji(d);
        const int n = table.lastNamedRow();
        if (table[n].Nimi.isEmpty())
            continue;
        const QByteArray code = toCp1252(disciplineCode(d));
        for (int r = 1; r <= std::min(3, n); ++r)
            if (!table[r].Nimi.isEmpty())
                addDisciplineLine(file, code, table[r], true);
        for (const QString &luokka : classSections(d)) {
            const Str6 section(luokka);
            for (int r = 4; r <= n; ++r)
                if (!table[r].Nimi.isEmpty() && table[r].Luokka.sameText(section))
                    addDisciplineLine(file, code, table[r], false);
        }
    }
    return file.bytes();
}

QByteArray aggregateFile(const Tulokset &tulokset, Aggregate a)
{
    const AggregateInfo &info = aggregateInfo(a);
    QStringList header = words("Laji,Sijoitus,Nimi,Seura");
    for (Laji d : info.disciplines)
        header << disciplineCode(d);
    header << words("Yhteensa,Passi,Kalkkuna,Sika,Kana");

    const AggrTaulukko &table = tulokset.aggregate(a);
    const int n = table.lastNamedRow();
    const qsizetype lineBytes = quotedBytes(5) + NumberBytes + quotedBytes(Str25::Capacity)
        + quotedBytes(Str10::Capacity) + info.disciplines.size() * NumberBytes + 5 * SumBytes + 2;
    CsvWriter file(header, n, lineBytes);
    const QByteArray code(info.code);
    for (int r = 1; r <= n; ++r) {
        const TAggrKilpailija &row = table[r];
        if (row.Nimi.isEmpty())
            continue;
        file.text(code).number(row.Sijoitus).text(row.Nimi).text(row.Seura);
        for (Laji d : info.disciplines)
            file.number(row.Lajit[d]);
        file.number(row.Yhteensa).number(row.Passi).number(row.Kalkkuna).number(row.Sika);
        file.number(row.Kana);
        file.endLine();
    }
    return file.bytes();
}

// The member figure columns of a team file, as indexes into teamFigureColumns(), with their
// header words: the SBP file puts the P or C figure first, the BBP file second.
struct TeamFileLayout
{
    TeamGroup group;
    const char *suffix;
    const char *headerWords;
    std::vector<int> columns;
};

const std::array<TeamFileLayout, 3> &teamFiles()
{
    static const std::array<TeamFileLayout, 3> files = {{
        {TeamGroup::FP, "FPTeams.csv", "FPP,FPPAS", {0, 1}},
        {TeamGroup::SBP, "SBPTeams.csv", "SBPP,SBPR,SBPS,SBPU", {1, 0, 2, 3}},
        {TeamGroup::BBP, "BBPTeams.csv", "BBPR,BBPP,BBPS,BBPU", {0, 1, 2, 3}},
    }};
    return files;
}

QByteArray teamFile(const Tulokset &tulokset, const TeamFileLayout &layout)
{
    const QStringList header = words("Laji,Joukkue,Kilpailija") + words(layout.headerWords)
        + words("Yhteensa,Passi,Kalkkuna,Sika,Kana");
    const JoukkueTaulukko &table = tulokset.standings(layout.group);
    const int n = table.lastNamedRow();
    const qsizetype lineBytes = quotedBytes(5) + Str10::Capacity + 1 + quotedBytes(Str25::Capacity)
        + qsizetype(layout.columns.size()) * NumberBytes + 5 * SumBytes + 2;
    CsvWriter file(header, 3 * n, lineBytes);
    if (table[n].Nimi.isEmpty())
        return file.bytes();
    const QByteArray code(teamGroupInfo(layout.group).code);
    for (int r = 1; r <= n; ++r) {
        const TJoukkueTulos &team = table[r];
        for (int m = 0; m < 3; ++m) {
            file.text(code).bare(team.Nimi).text(team.Kilpailija[m]);
            for (int column : layout.columns)
                file.number(team.Lajit[column][m]);
            file.number(team.Yhteensa[m]).number(team.Passi[m]).number(team.Kalkkuna[m]);
            file.number(team.Sika[m]).number(team.Kana[m]);
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
    for (const TeamFileLayout &layout : teamFiles())
        names << base + QString::fromLatin1(layout.suffix);
    return names;
}

QList<FileContent> csvFiles(const Tulokset &tulokset, const QString &chosenName)
{
    QList<QByteArray> contents{mainFile(tulokset)};
    for (Aggregate a : ExportedAggregates)
        contents << aggregateFile(tulokset, a);
    for (const TeamFileLayout &layout : teamFiles())
        contents << teamFile(tulokset, layout);

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
