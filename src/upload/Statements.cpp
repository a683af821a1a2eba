#include "upload/Statements.h"

namespace marvola {

namespace {

// Column names as the results database spells them, Finnish letters included.
constexpr std::array<const char *, KilpailutColumnCount> Columns
    = {"Alkupvm", "Loppupvm", "Paikka", "JSeura", "Level", "Shots", "Laji", "Luokka", "Positio",
        "Nimi", "Seura", "Kansallisuus", "Kana", "Sika", "Kalkkuna", "Pässi", "Yhteensä", "f1",
        "f2", "f3", "f4", "f5", "Kaliiperi", "Malli"};

// A null QString would be bound as NULL; the column wants the empty text.
QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

KilpailutRivi uploadRow(
    const Kilpailu &kilpailu, int d, const TTulosRivi &row, const QString &luokka)
{
    const TKilpailunTiedot &tiedot = kilpailu.tiedot;
    KilpailutRivi r;
    r.Alkupvm = sqlDate(tiedot.Alkupvm);
    r.Loppupvm = sqlDate(tiedot.LoppuPvm);
    r.Paikka = tiedot.Paikka;
    r.JSeura = tiedot.Seura;
    r.Level = tiedot.Taso;
    r.Shots = tiedot.shotCount(discipline(d).group);
    r.Laji = disciplineCode(d);
    r.Luokka = luokka;
    r.Positio = row.Sijoitus;
    r.Nimi = row.Nimi.text();
    r.Seura = row.Seura.text();
    r.Kansallisuus = nationalityOf(kilpailu.kilpailijat, row.Nimi);
    r.Kana = row.Kana;
    r.Sika = row.Sika;
    r.Kalkkuna = row.Kalkkuna;
    r.Passi = row.Passi;
    r.Yhteensa = row.Yhteensa;
    for (int i = 0; i < FinaaliCount; ++i)
        r.f[i] = row.f[i].text();
    r.Kaliiperi = row.Kaliiperi.text();
    // The database's Malli column carries the gun.
    r.Malli = row.Ase.text();
    return r;
}

QString quoted(const QString &value)
{
    QString doubled = value;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

} // namespace

QStringList kilpailutColumns()
{
    QStringList columns;
    for (const char *column : Columns)
        columns << QString::fromUtf8(column);
    return columns;
}

QVariantList KilpailutRivi::values() const
{
    QVariantList v{text(Alkupvm), text(Loppupvm), text(Paikka), text(JSeura), text(Level), Shots,
        text(Laji), text(Luokka), Positio, text(Nimi), text(Seura), text(Kansallisuus), Kana, Sika,
        Kalkkuna, Passi, Yhteensa};
    for (const QString &entry : f)
        v << text(entry);
    v << text(Kaliiperi) << text(Malli);
    return v;
}

const std::array<Laji, LajiCount> SendingOrder = {
    FPP, FPPAS, BBPP, BBPR, BBPS, BBPU, BBPC, SBPP, SBPR, SBPS, SBPU, SBPC, SBRL, SBRS, BBRS, BBRH};

QStringList sendingClassOrder(int d)
{
    if (discipline(d).isRifle)
        return {Luokat::Master, Luokat::Int, Luokat::A, Luokat::B};
    return {Luokat::Int, Luokat::A, Luokat::B};
}

QString sqlDate(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString nationalityOf(const Kilpailijarekisteri &kilpailijat, const Str25 &nimi)
{
    for (int slot = 1; slot <= Kilpailijarekisteri::SlotCount; ++slot)
        if (kilpailijat[slot].Nimi.sameText(nimi))
            return kilpailijat[slot].Maa.text();
    return {};
}

QList<KilpailutRivi> disciplineRows(const Kilpailu &kilpailu, const Tulokset &tulokset, int d)
{
    const TulosTaulukko &table = tulokset.laji(d);
    QList<KilpailutRivi> rows;
    for (int row = 1; row <= 3; ++row)
        if (!table[row].Nimi.isEmpty())
            rows << uploadRow(kilpailu, d, table[row], QStringLiteral(" "));
    for (const QString &luokka : sendingClassOrder(d)) {
        const Str6 section(luokka);
        for (int row = 4; row <= TulosTaulukko::LastRankedRow; ++row)
            if (!table[row].Nimi.isEmpty() && table[row].Luokka == section)
                rows << uploadRow(kilpailu, d, table[row], luokka);
    }
    return rows;
}

QList<KilpailutRivi> rowsToSend(
    const Kilpailu &kilpailu, const Tulokset &tulokset, const ChosenGroups &groups)
{
    QList<KilpailutRivi> rows;
    for (Laji d : SendingOrder)
        if (groups[ix(discipline(d).group)] && !tulokset.laji(d)[1].Nimi.isEmpty())
            rows << disciplineRows(kilpailu, tulokset, d);
    return rows;
}

QStringList statementLines(const QStringList &valueLines)
{
    Q_ASSERT(valueLines.size() == KilpailutColumnCount);
    QStringList lines{
        QStringLiteral("Insert into Kilpailut(") + kilpailutColumns().join(',') + QLatin1Char(')'),
        QStringLiteral("values(")};
    for (int i = 0; i < valueLines.size(); ++i) {
        if (i > 0)
            lines << QStringLiteral(",");
        lines << valueLines[i];
    }
    lines << QStringLiteral(");");
    return lines;
}

QString preparedStatement()
{
    QStringList placeholders;
    for (int i = 0; i < KilpailutColumnCount; ++i)
        placeholders << QStringLiteral("?");
    return statementLines(placeholders).join('\n');
}

QString statementText(const KilpailutRivi &row)
{
    QStringList valueLines;
    for (const QVariant &value : row.values())
        valueLines << (value.typeId() == QMetaType::QString ? quoted(value.toString())
                                                            : value.toString());
    return statementLines(valueLines).join('\n');
}

} // namespace marvola
