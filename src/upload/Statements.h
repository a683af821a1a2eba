// The rows the results upload sends to the table Kilpailut, in sending order, and their statements.
#pragma once

#include "model/Disciplines.h"
#include "ranking/ListColumns.h" // nationalityOf
#include "ranking/Tables.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <array>
#include <cstdint>

namespace marvola {

constexpr int KilpailutColumnCount = 24;

// The columns written, in the order of the statement's column list and its values: the match's,
// then the discipline list's uploaded columns (src/ranking/ListColumns.cpp).
QStringList kilpailutColumns();

// One row of Kilpailut: the match's details, the discipline and one ranked competitor.
struct KilpailutRivi
{
    QString Alkupvm;
    QString Loppupvm;
    QString Paikka;
    QString JSeura;
    QString Level;
    std::int32_t Shots = 0;
    QString Laji;
    QString Luokka;
    std::int32_t Positio = 0;
    QString Nimi;
    QString Seura;
    QString Kansallisuus;
    std::int32_t Kana = 0;
    std::int32_t Sika = 0;
    std::int32_t Kalkkuna = 0;
    std::int32_t Passi = 0;
    std::int32_t Yhteensa = 0;
    std::array<QString, FinaaliCount> f;
    QString Kaliiperi;
    QString Malli;

    // The 24 values in the order of kilpailutColumns(): texts as QString (never null, so an empty
    // text is sent as an empty text), numbers as int.
    QVariantList values() const;
};

// Which discipline groups the official ticked, by Group.
using ChosenGroups = std::array<bool, GroupCount>;

// The disciplines in sending order; a discipline is sent when its group is ticked.
extern const std::array<Laji, LajiCount> SendingOrder;
// The class sections of a discipline in sending order: rifles send "Master" before "Int".
QStringList sendingClassOrder(int d);

// Dates are sent as yyyy-mm-dd whatever the user's own date format.
QString sqlDate(const QDate &date);

// The rows of one discipline: the first three with a blank
// class, then every row from 4 on of each class section in turn.
QList<KilpailutRivi> disciplineRows(const Kilpailu &kilpailu, const Tulokset &tulokset, int d);

// Every row of the ticked groups, in sending order. A discipline whose first row holds no
// competitor sends nothing.
QList<KilpailutRivi> rowsToSend(
    const Kilpailu &kilpailu, const Tulokset &tulokset, const ChosenGroups &groups);

// The 50 lines of the statement for the given 24 value lines: the column list, "values(", the
// values separated by "," lines, and ");".
QStringList statementLines(const QStringList &valueLines);
// The statement that is run, its values bound to the 24 placeholders: a value can never end its
// quotes, whatever the server's sql_mode.
QString preparedStatement();
// The statement as text with the values written in, for reading: texts between single quotes,
// a single quote inside a text doubled.
QString statementText(const KilpailutRivi &row);

} // namespace marvola
