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
    for (const ListColumn &column : uploadedListColumns()) {
        switch (column.value) {
        case ColumnValue::ListCode: r.Laji = disciplineCode(d); break;
        case ColumnValue::Class: r.Luokka = luokka; break;
        case ColumnValue::Position: r.Positio = row.Sijoitus; break;
        case ColumnValue::Name: r.Nimi = row.Nimi.text(); break;
        case ColumnValue::Club: r.Seura = row.Seura.text(); break;
        case ColumnValue::Nationality:
            r.Kansallisuus = nationalityOf(kilpailu.kilpailijat, row.Nimi);
            break;
        case ColumnValue::Kana: r.Kana = row.Kana; break;
        case ColumnValue::Sika: r.Sika = row.Sika; break;
        case ColumnValue::Kalkkuna: r.Kalkkuna = row.Kalkkuna; break;
        case ColumnValue::Passi: r.Passi = row.Passi; break;
        case ColumnValue::Total: r.Yhteensa = row.Yhteensa; break;
        case ColumnValue::Entry:
            r.f.at(static_cast<size_t>(column.index)) = cellText(column, row);
            break;
        case ColumnValue::Caliber: r.Kaliiperi = row.Kaliiperi.text(); break;
        // The database's Malli column carries the gun.
        case ColumnValue::Gun: r.Malli = row.Ase.text(); break;
        default: break;
        }
    }
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
    QVariantList v{text(Alkupvm), text(Loppupvm), text(Paikka), text(JSeura), text(Level), Shots};
    for (const ListColumn &column : uploadedListColumns()) {
        switch (column.value) {
        case ColumnValue::ListCode: v << text(Laji); break;
        case ColumnValue::Class: v << text(Luokka); break;
        case ColumnValue::Position: v << Positio; break;
        case ColumnValue::Name: v << text(Nimi); break;
        case ColumnValue::Club: v << text(Seura); break;
        case ColumnValue::Nationality: v << text(Kansallisuus); break;
        case ColumnValue::Kana: v << Kana; break;
        case ColumnValue::Sika: v << Sika; break;
        case ColumnValue::Kalkkuna: v << Kalkkuna; break;
        case ColumnValue::Passi: v << Passi; break;
        case ColumnValue::Total: v << Yhteensa; break;
        case ColumnValue::Entry: v << text(f.at(static_cast<size_t>(column.index))); break;
        case ColumnValue::Caliber: v << text(Kaliiperi); break;
        case ColumnValue::Gun: v << text(Malli); break;
        default: v << text(QString()); break;
        }
    }
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
    for (const ListStep &step : disciplineListWalk(table, sendingClassOrder(d)))
        if (!step.isHeading())
            rows << uploadRow(kilpailu, d, table[step.row],
                step.section.isEmpty() ? QStringLiteral(" ") : step.section);
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
