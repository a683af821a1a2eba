#include "output/CsvExport.h"

#include "files/MatchFiles.h"
#include "files/SafeFile.h"
#include "ranking/Ranking.h"

namespace marvola {

namespace {

// One line of a file: fields joined by semicolons, quoted texts written unchanged.
class CsvLine
{
public:
    CsvLine &text(const QString &value)
    {
        m_fields << QLatin1Char('"') + value + QLatin1Char('"');
        return *this;
    }
    CsvLine &bare(const QString &value)
    {
        m_fields << value;
        return *this;
    }
    CsvLine &number(std::int32_t value) { return bare(QString::number(value)); }
    QString str() const { return m_fields.join(QLatin1Char(';')); }

private:
    QStringList m_fields;
};

class CsvFile
{
public:
    explicit CsvFile(const QStringList &headerWords)
    {
        CsvLine header;
        for (const QString &word : headerWords)
            header.text(word);
        add(header);
    }
    void add(const CsvLine &line) { m_lines << line.str(); }
    QByteArray bytes() const { return textFileBytes(m_lines); }

private:
    QStringList m_lines;
};

QStringList words(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(','));
}

void addDisciplineLine(CsvFile &file, int d, const TTulosRivi &row, bool topThree)
{
    CsvLine line;
    line.text(disciplineCode(d))
        .number(row.Sijoitus)
        .text(topThree ? QString() : row.Luokka.text())
        .text(row.Nimi.text())
        .text(row.Seura.text())
        .number(row.Kana)
        .number(row.Sika)
        .number(row.Kalkkuna)
        .number(row.Passi)
        .number(row.Yhteensa);
    for (const Str2 &entry : row.f)
        line.text(entry.text());
    line.text(row.Ase.text()).text(row.Malli.text()).text(row.Kaliiperi.text());
    file.add(line);
}

QByteArray mainFile(const Tulokset &tulokset)
{
    CsvFile file(words("Laji,Sijoitus,Luokka,Nimi,Seura,Kana,Sika,Kalkkuna,Passi,Yhteensa,f1,f2,"
                       "f3,f4,f5,Ase,Malli,Kaliiperi"));
    for (Laji d : Orders::Export) {
        const TulosTaulukko &table = tulokset.laji(d);
        const int n = table.lastNamedRow();
        if (table[n].Nimi.isEmpty())
            continue;
        for (int r = 1; r <= std::min(3, n); ++r)
            if (!table[r].Nimi.isEmpty())
                addDisciplineLine(file, d, table[r], true);
        for (const QString &luokka : classSections(d)) {
            const Str6 section(luokka);
            for (int r = 4; r <= n; ++r)
                if (!table[r].Nimi.isEmpty() && table[r].Luokka.sameText(section))
                    addDisciplineLine(file, d, table[r], false);
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
    CsvFile file(header);

    const AggrTaulukko &table = tulokset.aggregate(a);
    const int n = table.lastNamedRow();
    for (int r = 1; r <= n; ++r) {
        const TAggrKilpailija &row = table[r];
        if (row.Nimi.isEmpty())
            continue;
        CsvLine line;
        line.text(QString::fromLatin1(info.code)).number(row.Sijoitus).text(row.Nimi.text());
        line.text(row.Seura);
        for (Laji d : info.disciplines)
            line.number(row.Lajit[d]);
        line.number(row.Yhteensa).number(row.Passi).number(row.Kalkkuna).number(row.Sika);
        line.number(row.Kana);
        file.add(line);
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
    CsvFile file(words("Laji,Joukkue,Kilpailija") + words(layout.headerWords)
        + words("Yhteensa,Passi,Kalkkuna,Sika,Kana"));
    const JoukkueTaulukko &table = tulokset.standings(layout.group);
    const int n = table.lastNamedRow();
    if (table[n].Nimi.isEmpty())
        return file.bytes();
    const QString code = QString::fromLatin1(teamGroupInfo(layout.group).code);
    for (int r = 1; r <= n; ++r) {
        const TJoukkueTulos &team = table[r];
        for (int m = 0; m < 3; ++m) {
            CsvLine line;
            line.text(code).bare(team.Nimi.text()).text(team.Kilpailija[m].text());
            for (int column : layout.columns)
                line.number(team.Lajit[column][m]);
            line.number(team.Yhteensa[m]).number(team.Passi[m]).number(team.Kalkkuna[m]);
            line.number(team.Sika[m]).number(team.Kana[m]);
            file.add(line);
        }
    }
    return file.bytes();
}

constexpr std::array<Aggregate, 5> ExportedAggregates
    = {Aggregate::BBP, Aggregate::SBP, Aggregate::FP, Aggregate::SBR, Aggregate::BBR};

} // namespace

QString nothingToExportMessage()
{
    return QStringLiteral("Eipä ole paljoa tallennettavaa.");
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

bool exportCsv(const Tulokset &tulokset, const QString &chosenName, QString &error)
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
    return writeFilesSafely(files, error);
}

} // namespace marvola
