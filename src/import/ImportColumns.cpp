#include "import/ImportColumns.h"

#include "model/Disciplines.h"

#include <QCoreApplication>

namespace marvola {

namespace {

struct FieldWords
{
    ImportField field;
    const char *caption;
    // The headings recognised, as written; compared by headingKey.
    std::initializer_list<const char *> words;
};

// English, Finnish and Swedish, in that order.
const FieldWords Fields[] = {
    {ImportField::Name, QT_TRANSLATE_NOOP("ImportColumns", "Name"),
        {"name", "full name", "nimi", "namn"}},
    {ImportField::FirstName, QT_TRANSLATE_NOOP("ImportColumns", "First name"),
        {"first name", "given name", "etunimi", "förnamn"}},
    {ImportField::LastName, QT_TRANSLATE_NOOP("ImportColumns", "Last name"),
        {"last name", "surname", "family name", "sukunimi", "efternamn"}},
    {ImportField::Club, QT_TRANSLATE_NOOP("ImportColumns", "Club"),
        {"club", "seura", "klubb", "förening"}},
    {ImportField::Nationality, QT_TRANSLATE_NOOP("ImportColumns", "Nationality"),
        {"nationality", "country", "kansallisuus", "maa", "nationalitet", "land"}},
    {ImportField::MemberNumber, QT_TRANSLATE_NOOP("ImportColumns", "Member number"),
        {"member number", "member no", "jäsennumero", "jäsennro", "medlemsnummer"}},
    {ImportField::Email, QT_TRANSLATE_NOOP("ImportColumns", "E-mail"),
        {"e-mail", "email address", "sähköposti", "e-post"}},
    {ImportField::SharesGunWith, QT_TRANSLATE_NOOP("ImportColumns", "Shares gun with"),
        {"shares gun with", "yhteinen ase", "delar vapen med"}},
    {ImportField::LeftHanded, QT_TRANSLATE_NOOP("ImportColumns", "Left-handed"),
        {"left-handed", "vasenkätinen", "vänsterhänt"}},
    {ImportField::Discipline, QT_TRANSLATE_NOOP("ImportColumns", "Discipline"),
        {"discipline", "laji", "gren"}},
    {ImportField::Class, QT_TRANSLATE_NOOP("ImportColumns", "Class"), {"class", "luokka", "klass"}},
    {ImportField::Gun, QT_TRANSLATE_NOOP("ImportColumns", "Gun"), {"gun", "ase", "vapen"}},
    {ImportField::Model, QT_TRANSLATE_NOOP("ImportColumns", "Model"), {"model", "malli", "modell"}},
    {ImportField::Caliber, QT_TRANSLATE_NOOP("ImportColumns", "Caliber"),
        {"caliber", "calibre", "kaliiperi", "kaliber"}},
    {ImportField::Language, QT_TRANSLATE_NOOP("ImportColumns", "Language"),
        {"language", "kieli", "språk"}},
};

const FieldWords *wordsOf(ImportField field)
{
    for (const FieldWords &f : Fields)
        if (f.field == field)
            return &f;
    return nullptr;
}

} // namespace

QString headingKey(const QString &heading)
{
    const QString decomposed = heading.normalized(QString::NormalizationForm_KD).toCaseFolded();
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.isLetterOrNumber())
            key += c;
    return key;
}

ImportColumn recogniseHeading(const QString &heading)
{
    const QString key = headingKey(heading);
    if (key.isEmpty())
        return {};
    for (const FieldWords &f : Fields)
        for (const char *word : f.words)
            if (key == headingKey(QString::fromUtf8(word)))
                return {f.field};
    for (int d = 0; d < LajiCount; ++d)
        if (key == headingKey(disciplineCode(d)))
            return {ImportField::DisciplineEntry, d};
    return {};
}

QList<ImportColumn> recogniseHeadings(const QStringList &headings)
{
    QList<ImportColumn> columns;
    columns.reserve(headings.size());
    for (const QString &heading : headings)
        columns << recogniseHeading(heading);
    return columns;
}

QList<ImportColumn> assignableColumns()
{
    QList<ImportColumn> columns{{ImportField::Ignored}};
    for (const FieldWords &f : Fields)
        columns << ImportColumn{f.field};
    for (int d = 0; d < LajiCount; ++d)
        columns << ImportColumn{ImportField::DisciplineEntry, d};
    return columns;
}

QString columnCaption(const ImportColumn &column)
{
    if (column.field == ImportField::Ignored)
        return QCoreApplication::translate("ImportColumns", "(not imported)");
    if (column.field == ImportField::DisciplineEntry)
        return QCoreApplication::translate("ImportColumns", "Entered in %1")
            .arg(disciplineCode(column.discipline));
    const FieldWords *f = wordsOf(column.field);
    return f ? QCoreApplication::translate("ImportColumns", f->caption) : QString();
}

QStringList recognisedHeadingWords(ImportField field)
{
    QStringList words;
    if (const FieldWords *f = wordsOf(field))
        for (const char *word : f->words)
            words << QString::fromUtf8(word);
    return words;
}

bool hasNameColumn(const QList<ImportColumn> &columns)
{
    for (const ImportColumn &c : columns)
        if (c.field == ImportField::Name || c.field == ImportField::LastName)
            return true;
    return false;
}

QString mappingText(const QList<ImportColumn> &columns)
{
    QStringList parts;
    for (const ImportColumn &c : columns)
        parts << QStringLiteral("%1:%2").arg(static_cast<int>(c.field)).arg(c.discipline);
    return parts.join(u',');
}

QList<ImportColumn> mappingFromText(const QString &text, int columnCount)
{
    QList<ImportColumn> columns;
    const QStringList parts = text.split(u',');
    if (parts.size() != columnCount)
        return columns;
    for (const QString &part : parts) {
        const QStringList fd = part.split(u':');
        bool fieldOk = false, disciplineOk = false;
        const int field = fd.value(0).toInt(&fieldOk);
        const int d = fd.value(1).toInt(&disciplineOk);
        if (!fieldOk || !disciplineOk || field < 0
            || field > static_cast<int>(ImportField::Language))
            return {};
        ImportColumn c{static_cast<ImportField>(field), -1};
        if (c.field == ImportField::DisciplineEntry) {
            if (d < 0 || d >= LajiCount)
                return {};
            c.discipline = d;
        }
        columns << c;
    }
    return columns;
}

} // namespace marvola
