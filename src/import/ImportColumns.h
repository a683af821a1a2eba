// What each column of an imported file holds, recognised by its heading in English, Finnish or
// Swedish, or assigned by the official.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace marvola {

enum class ImportField {
    Ignored,
    Name,
    FirstName,
    LastName,
    Club,
    Nationality,
    MemberNumber,
    Email,
    SharesGunWith,
    LeftHanded,
    Discipline, // one row per competitor and discipline: the discipline's code
    Class,
    Gun,
    Model,
    Caliber,
    DisciplineEntry, // a column per discipline: entered (x, 1, yes...) or the class
    // The language the shooter reads his result sheet in, for the shooter register; last, so
    // that the mappings remembered before it still read.
    Language,
};

struct ImportColumn
{
    ImportField field = ImportField::Ignored;
    int discipline = -1; // the Laji of a DisciplineEntry column

    friend bool operator==(const ImportColumn &, const ImportColumn &) = default;
};

// The heading as compared: lower case, accents, blanks, hyphens, dots and underscores left out.
QString headingKey(const QString &heading);
// The column a heading names; Ignored when it is not recognised.
ImportColumn recogniseHeading(const QString &heading);
QList<ImportColumn> recogniseHeadings(const QStringList &headings);

// The fields a column can be assigned to, for the mapping step, and each one's caption.
QList<ImportColumn> assignableColumns();
QString columnCaption(const ImportColumn &column);
// The words recognised for each field, in the three languages, as the README lists them.
QStringList recognisedHeadingWords(ImportField field);

// A file needs a name: one column of names, or last names.
bool hasNameColumn(const QList<ImportColumn> &columns);

// The mapping as remembered between files: "field:discipline" per column.
QString mappingText(const QList<ImportColumn> &columns);
QList<ImportColumn> mappingFromText(const QString &text, int columnCount);

} // namespace marvola
