#include "upload/Statements.h"

#include "ranking/ListColumns.h"

namespace marvola {

namespace {

// The match's columns, as the results database spells them; the discipline list's own columns
// follow them as its description names them.
constexpr std::array<const char *, 6> MatchColumns
    = {"Alkupvm", "Loppupvm", "Paikka", "JSeura", "Level", "Shots"};

// The discipline list's uploaded columns; they are the same for every discipline.
const ListColumns &uploadedListColumns()
{
    static const ListColumns columns = uploadColumns(disciplineListColumns(BBPR));
    return columns;
}

// The discipline list's uploaded values of one row, by the database's column.
QHash<QString, QVariant> listValues(const DisciplineRow &row)
{
    QHash<QString, QVariant> values;
    for (const ListColumn &column : uploadedListColumns())
        values.insert(
            column.uploadColumn, columnValue(column, row, ListOutput::Upload).toVariant());
    return values;
}

// A null QString would be bound as NULL; the column wants the empty text.
QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

KilpailutRivi uploadRow(const Kilpailu &kilpailu, int d, const DisciplineRow &row)
{
    const TKilpailunTiedot &tiedot = kilpailu.tiedot;
    KilpailutRivi r;
    r.Alkupvm = sqlDate(tiedot.Alkupvm);
    r.Loppupvm = sqlDate(tiedot.LoppuPvm);
    r.Paikka = tiedot.Paikka;
    r.JSeura = tiedot.Seura;
    r.Level = tiedot.Taso;
    r.Shots = tiedot.shotCount(discipline(d).group);
    // The row keeps each value under its database column's name.
    const QHash<QString, QVariant> values = listValues(row);
    const auto textOf = [&](const QString &column) { return values.value(column).toString(); };
    const auto numberOf = [&](const QString &column) { return values.value(column).toInt(); };
    r.Laji = textOf(QStringLiteral("Laji"));
    r.Luokka = textOf(QStringLiteral("Luokka"));
    r.Positio = numberOf(QStringLiteral("Positio"));
    r.Nimi = textOf(QStringLiteral("Nimi"));
    r.Seura = textOf(QStringLiteral("Seura"));
    r.Kansallisuus = textOf(QStringLiteral("Kansallisuus"));
    r.Kana = numberOf(QStringLiteral("Kana"));
    r.Sika = numberOf(QStringLiteral("Sika"));
    r.Kalkkuna = numberOf(QStringLiteral("Kalkkuna"));
    r.Passi = numberOf(QString::fromUtf8("Pässi"));
    r.Yhteensa = numberOf(QString::fromUtf8("Yhteensä"));
    for (int k = 0; k < FinaaliCount; ++k)
        r.f.at(static_cast<size_t>(k)) = textOf(QStringLiteral("f%1").arg(k + 1));
    r.Kaliiperi = textOf(QStringLiteral("Kaliiperi"));
    r.Malli = textOf(QStringLiteral("Malli"));
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
    for (const char *column : MatchColumns)
        columns << QString::fromUtf8(column);
    for (const ListColumn &column : uploadedListColumns())
        columns << column.uploadColumn;
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

QList<KilpailutRivi> disciplineRows(const Kilpailu &kilpailu, const Tulokset &tulokset, int d)
{
    const TulosTaulukko &table = tulokset.laji(d);
    QList<KilpailutRivi> rows;
    for (const ListStep &step : disciplineListWalk(table, sendingClassOrder(d)))
        if (!step.isHeading())
            rows << uploadRow(kilpailu, d,
                DisciplineRow{.row = table[step.row],
                    .section = step.section,
                    .listCode = disciplineCode(d),
                    .kilpailijat = &kilpailu.kilpailijat});
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
