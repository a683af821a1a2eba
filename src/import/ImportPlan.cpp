#include "import/ImportPlan.h"

#include "model/Cp1252.h"
#include "model/Disciplines.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace marvola {

namespace {

// The texts of this file, in the translations' context ImportPlan.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ImportPlan)
};

// The field lengths of the competitor record.
constexpr int NimiLength = 25;
constexpr int SeuraLength = 10;
constexpr int MaaLength = 3;
constexpr int LuokkaLength = 6;
constexpr int EquipmentLength = 10;

bool isYes(const QString &value)
{
    static const QStringList yes{QStringLiteral("x"), QStringLiteral("1"), QStringLiteral("yes"),
        QStringLiteral("y"), QStringLiteral("true"), QStringLiteral("kylla"), QStringLiteral("k"),
        QStringLiteral("ja"), QStringLiteral("j")};
    return yes.contains(headingKey(value));
}

bool isNo(const QString &value)
{
    static const QStringList no{QString(), QStringLiteral("0"), QStringLiteral("no"),
        QStringLiteral("n"), QStringLiteral("false"), QStringLiteral("ei"), QStringLiteral("e"),
        QStringLiteral("nej")};
    return no.contains(headingKey(value));
}

std::optional<int> disciplineOfCode(const QString &code)
{
    const QString key = headingKey(code);
    for (int d = 0; d < LajiCount; ++d)
        if (key == headingKey(disciplineCode(d)))
            return d;
    return std::nullopt;
}

// The class code a text names in the discipline: the code or its caption, case ignored.
std::optional<QString> classOf(int d, const QString &text)
{
    const QString key = headingKey(text);
    for (const QString &code : classesOffered(d)) {
        if (key == headingKey(code) || key == headingKey(classCaption(code))
            || (code == Luokat::Eiluok && key == headingKey(QStringLiteral("No Class"))))
            return code;
    }
    return std::nullopt;
}

// The cells of one row by field: the first column of each field.
class RowReader
{
public:
    explicit RowReader(const QList<ImportColumn> &columns)
    {
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const ImportColumn &c = columns[i];
            if (c.field == ImportField::DisciplineEntry)
                m_entryColumns.append({static_cast<int>(i), c.discipline});
            else if (c.field != ImportField::Ignored && !m_index.contains(c.field))
                m_index.insert(c.field, static_cast<int>(i));
        }
    }
    bool has(ImportField field) const { return m_index.contains(field); }
    QString cell(const QStringList &cells, ImportField field) const
    {
        const int i = m_index.value(field, -1);
        return i >= 0 ? cells.value(i).trimmed() : QString();
    }
    const QList<std::pair<int, int>> &entryColumns() const { return m_entryColumns; }

private:
    QHash<ImportField, int> m_index;
    QList<std::pair<int, int>> m_entryColumns; // column, discipline
};

// The entry of a discipline with the row's class and equipment; false with the problem when the
// class is not one of the discipline.
bool makeEntry(int d, const QString &classText, const QString &ase, const QString &malli,
    const QString &kaliiperi, ImportEntry &entry, QString &problem)
{
    entry = {d, {}, ase, malli, discipline(d).hasCaliber ? kaliiperi : QString()};
    if (classText.isEmpty())
        return true;
    const auto code = classOf(d, classText);
    if (!code) {
        problem
            = Text::tr("The class \"%1\" is not valid in %2 (%3).")
                  .arg(classText, disciplineCode(d), classesOffered(d).join(QStringLiteral(", ")));
        return false;
    }
    entry.luokka = *code;
    return true;
}

// A language as a list writes it: its code, or its name in English, Finnish or Swedish.
QString languageCode(const QString &text)
{
    const QString key = headingKey(text);
    const struct
    {
        const char *code;
        std::initializer_list<const char *> names;
    } languages[] = {
        {"en", {"en", "english", "englanti", "engelska"}},
        {"fi", {"fi", "finnish", "suomi", "finska"}},
        {"sv", {"sv", "swedish", "ruotsi", "svenska"}},
    };
    for (const auto &language : languages)
        for (const char *name : language.names)
            if (key == QLatin1String(name))
                return QString::fromLatin1(language.code);
    return {};
}

ImportCompetitor competitorOfRow(const ImportTable::Row &row, const RowReader &reader)
{
    ImportCompetitor c;
    c.lines << row.line;
    const QStringList &cells = row.cells;
    c.nimi = reader.cell(cells, ImportField::Name);
    if (c.nimi.isEmpty()) {
        const QString last = reader.cell(cells, ImportField::LastName);
        const QString first = reader.cell(cells, ImportField::FirstName);
        c.nimi = (last + u' ' + first).trimmed();
    }
    c.nimi = c.nimi.simplified();
    c.seura = reader.cell(cells, ImportField::Club);
    c.maa = reader.cell(cells, ImportField::Nationality);
    c.hasSeura = reader.has(ImportField::Club);
    c.hasMaa = reader.has(ImportField::Nationality);
    c.hasMemberNumber = reader.has(ImportField::MemberNumber);
    c.hasEmail = reader.has(ImportField::Email);
    c.hasSharesGunWith = reader.has(ImportField::SharesGunWith);
    c.hasLeftHanded = reader.has(ImportField::LeftHanded);
    c.extras.memberNumber = reader.cell(cells, ImportField::MemberNumber);
    c.extras.email = reader.cell(cells, ImportField::Email);
    c.extras.sharesGunWith = reader.cell(cells, ImportField::SharesGunWith);
    c.extras.leftHanded = isYes(reader.cell(cells, ImportField::LeftHanded));
    c.language = languageCode(reader.cell(cells, ImportField::Language));

    const QString classText = reader.cell(cells, ImportField::Class);
    const QString ase = reader.cell(cells, ImportField::Gun);
    const QString malli = reader.cell(cells, ImportField::Model);
    const QString kaliiperi = reader.cell(cells, ImportField::Caliber);
    if (reader.has(ImportField::Discipline)) {
        const QString code = reader.cell(cells, ImportField::Discipline);
        if (!code.isEmpty()) {
            const auto d = disciplineOfCode(code);
            ImportEntry entry;
            if (!d)
                c.problem = Text::tr("Unknown discipline \"%1\".").arg(code);
            else if (makeEntry(*d, classText, ase, malli, kaliiperi, entry, c.problem))
                c.entries << entry;
        }
    }
    for (const auto &[column, d] : reader.entryColumns()) {
        const QString value = cells.value(column).trimmed();
        if (isNo(value))
            continue;
        ImportEntry entry;
        const QString entryClass = isYes(value) ? classText : value;
        if (makeEntry(d, entryClass, ase, malli, kaliiperi, entry, c.problem))
            c.entries << entry;
        else
            break;
    }
    return c;
}

// Consecutive rows of one competitor in a file of one row per discipline.
bool sameCompetitor(const ImportCompetitor &a, const ImportCompetitor &b)
{
    if (!a.extras.memberNumber.isEmpty() || !b.extras.memberNumber.isEmpty())
        return a.extras.memberNumber == b.extras.memberNumber;
    return !a.nimi.isEmpty() && a.nimi == b.nimi && a.seura == b.seura;
}

void mergeInto(ImportCompetitor &into, const ImportCompetitor &row)
{
    into.lines += row.lines;
    into.entries += row.entries;
    if (into.problem.isEmpty())
        into.problem = row.problem;
    auto fill = [](QString &field, const QString &value) {
        if (field.isEmpty())
            field = value;
    };
    fill(into.maa, row.maa);
    fill(into.extras.email, row.extras.email);
    fill(into.extras.sharesGunWith, row.extras.sharesGunWith);
    fill(into.language, row.language);
    into.extras.leftHanded = into.extras.leftHanded || row.extras.leftHanded;
}

// Checks a text against its field: false with the problem when the code page lacks one of its
// characters, or when it is too long and not to be shortened (tooLong then says so).
bool fitText(QString &text, int length, const QString &what, bool shorten, ImportCompetitor &c)
{
    if (fromCp1252(toCp1252(text)) != text) {
        for (const QChar ch : text) {
            if (fromCp1252(toCp1252(QString(ch))) != QString(ch)) {
                c.problem = Text::tr("%1 \"%2\" has a character the match file cannot hold: %3.")
                                .arg(what, text, QString(ch));
                return false;
            }
        }
    }
    if (text.size() <= length)
        return true;
    if (shorten) {
        text = text.left(length).trimmed();
        return true;
    }
    c.problem = Text::tr("%1 \"%2\" is longer than %3 characters.").arg(what, text).arg(length);
    c.tooLong = true;
    return false;
}

// The texts fitted to the record, the first problem kept in c.problem.
void fitTexts(ImportCompetitor &c, bool shorten)
{
    if (!fitText(c.nimi, NimiLength, Text::tr("The name"), shorten, c)
        || !fitText(c.seura, SeuraLength, Text::tr("The club"), shorten, c)
        || !fitText(c.maa, MaaLength, Text::tr("The nationality"), shorten, c))
        return;
    for (ImportEntry &e : c.entries) {
        const QString code = disciplineCode(e.discipline);
        if (!fitText(e.luokka, LuokkaLength, Text::tr("The class in %1").arg(code), shorten, c)
            || !fitText(e.ase, EquipmentLength, Text::tr("The gun in %1").arg(code), shorten, c)
            || !fitText(e.malli, EquipmentLength, Text::tr("The model in %1").arg(code), shorten, c)
            || !fitText(
                e.kaliiperi, EquipmentLength, Text::tr("The caliber in %1").arg(code), shorten, c))
            return;
    }
}

// A name as compared for resemblance: accents, case and extra blanks left out.
QString nameKey(const QString &name)
{
    const QString decomposed = name.normalized(QString::NormalizationForm_KD).toCaseFolded();
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.isLetterOrNumber())
            key += c;
        else if (c.isSpace() || c == u'-')
            key += u' ';
    }
    return key.simplified();
}

// The words of a name in order, so that "Matti Virtanen" and "Virtanen Matti" compare equal.
QString sortedWords(const QString &key)
{
    QStringList words = key.split(u' ', Qt::SkipEmptyParts);
    words.sort();
    return words.join(u' ');
}

// One letter added, left out or changed.
bool oneEditApart(QStringView a, QStringView b)
{
    if (a.size() > b.size())
        std::swap(a, b);
    if (b.size() - a.size() > 1)
        return false;
    qsizetype i = 0;
    while (i < a.size() && a[i] == b[i])
        ++i;
    if (a.size() == b.size())
        return a.mid(i + 1) == b.mid(i + 1);
    return a.mid(i) == b.mid(i + 1);
}

struct KnownName
{
    int slot;
    QString key;
    QString words;
};

} // namespace

int ImportPlan::count(ImportStatus status) const
{
    return static_cast<int>(std::count_if(
        rows.cbegin(), rows.cend(), [status](const ImportRow &r) { return r.status == status; }));
}

int ImportPlan::added() const
{
    return static_cast<int>(std::count_if(rows.cbegin(), rows.cend(), [](const ImportRow &r) {
        return r.status == ImportStatus::New || (r.status == ImportStatus::Duplicate && r.accepted);
    }));
}

int ImportPlan::updated() const
{
    return count(ImportStatus::Update);
}

QList<ImportCompetitor> competitorsOf(
    const ImportTable &table, const QList<ImportColumn> &columns, const ImportOptions &options)
{
    const RowReader reader(columns);
    const bool rowPerDiscipline = reader.has(ImportField::Discipline);
    QList<ImportCompetitor> competitors;
    for (const ImportTable::Row &row : table.rows) {
        ImportCompetitor c = competitorOfRow(row, reader);
        if (rowPerDiscipline && !competitors.isEmpty() && sameCompetitor(competitors.last(), c))
            mergeInto(competitors.last(), c);
        else
            competitors << c;
    }
    for (ImportCompetitor &c : competitors) {
        if (c.nimi.isEmpty())
            c.problem = Text::tr("The name is empty.");
        else if (c.problem.isEmpty())
            fitTexts(c, options.shorten);
    }
    return competitors;
}

QString competitorLabel(const Kilpailu &match, int slot)
{
    const TKilpailija &k = match.kilpailijat[slot];
    const QString club = k.Seura.text();
    return club.isEmpty() ? QStringLiteral("%1 %2").arg(k.Numero).arg(k.Nimi.text())
                          : QStringLiteral("%1 %2 (%3)").arg(k.Numero).arg(k.Nimi.text(), club);
}

static ImportPlan classifyCompetitors(
    const QList<ImportCompetitor> &competitors, const Kilpailu &match, const ImportOptions &options)
{
    QHash<QString, int> byMemberNumber;
    QHash<QString, int> byName;
    QList<KnownName> known;
    int free = 0;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        const TKilpailija &k = match.kilpailijat[slot];
        if (k.Nimi.isEmpty()) {
            ++free;
            continue;
        }
        const QString member = match.extras[slot].memberNumber;
        if (!member.isEmpty() && !byMemberNumber.contains(member))
            byMemberNumber.insert(member, slot);
        const QString name = k.Nimi.text();
        if (!byName.contains(name))
            byName.insert(name, slot);
        const QString key = nameKey(name);
        known.append({slot, key, sortedWords(key)});
    }

    auto resembling = [&known](const QString &nimi) -> int {
        const QString key = nameKey(nimi);
        const QString words = sortedWords(key);
        for (const KnownName &n : known)
            if (n.key == key || n.words == words || oneEditApart(n.key, key))
                return n.slot;
        return 0;
    };

    ImportPlan plan;
    QHash<QString, int> addedNames; // name -> first line, of the competitors this import adds
    for (const ImportCompetitor &c : competitors) {
        ImportRow row;
        row.competitor = c;
        if (!c.problem.isEmpty()) {
            row.reason = c.problem;
            plan.rows << row;
            continue;
        }
        const QString nimi = c.nimi;
        if (const int slot
            = c.extras.memberNumber.isEmpty() ? 0 : byMemberNumber.value(c.extras.memberNumber);
            slot > 0) {
            row.status = ImportStatus::Update;
            row.slot = slot;
        } else if (const int named = byName.value(nimi); named > 0) {
            if (match.kilpailijat[named].Seura.text() == c.seura || !c.hasSeura) {
                row.status = ImportStatus::Update;
                row.slot = named;
            } else {
                row.reason = Text::tr("The name is already in use: %1.")
                                 .arg(competitorLabel(match, named));
            }
        } else if (addedNames.contains(nimi)) {
            row.reason = Text::tr("The same name is on line %1.").arg(addedNames.value(nimi));
        } else if (const int like = resembling(nimi); like > 0) {
            row.status = ImportStatus::Duplicate;
            row.slot = like;
            row.reason = Text::tr("Suspected duplicate of %1.").arg(competitorLabel(match, like));
            row.accepted = options.acceptedDuplicates.contains(c.line());
        } else {
            row.status = ImportStatus::New;
        }
        const bool adds = row.status == ImportStatus::New
            || (row.status == ImportStatus::Duplicate && row.accepted);
        if (adds) {
            if (free == 0) {
                row.status = ImportStatus::Refused;
                row.accepted = false;
                row.reason = Text::tr("The register is full: a match can have %1 competitors.")
                                 .arg(MaxKilpailijat);
            } else {
                --free;
                addedNames.insert(nimi, c.line());
            }
        }
        plan.rows << row;
    }
    return plan;
}

ImportPlan planImport(const ImportTable &table, const QList<ImportColumn> &columns,
    const Kilpailu &match, const ImportOptions &options)
{
    ImportPlan plan = classifyCompetitors(competitorsOf(table, columns, options), match, options);
    for (qsizetype i = 0; i < columns.size(); ++i)
        if (columns[i].field == ImportField::Ignored && !table.headings.value(i).isEmpty())
            plan.ignoredHeadings << table.headings.value(i);
    return plan;
}

namespace {

void writeEntries(const ImportCompetitor &c, TKilpailija &k)
{
    for (const ImportEntry &e : c.entries) {
        const int d = e.discipline;
        k.Osallistuu[d] = true;
        if (!e.luokka.isEmpty())
            k.Luokka[d].setText(e.luokka);
        if (!e.ase.isEmpty())
            k.Ase[d].setText(e.ase);
        if (!e.malli.isEmpty())
            k.Malli[d].setText(e.malli);
        if (!e.kaliiperi.isEmpty())
            k.Kaliiperi[d].setText(e.kaliiperi);
    }
}

void writeExtras(const ImportCompetitor &c, CompetitorExtras &extras)
{
    if (c.hasMemberNumber && !c.extras.memberNumber.isEmpty())
        extras.memberNumber = c.extras.memberNumber;
    if (c.hasEmail && !c.extras.email.isEmpty())
        extras.email = c.extras.email;
    if (c.hasSharesGunWith && !c.extras.sharesGunWith.isEmpty())
        extras.sharesGunWith = c.extras.sharesGunWith;
    if (c.hasLeftHanded)
        extras.leftHanded = c.extras.leftHanded;
}

} // namespace

void applyImport(const ImportPlan &plan, Kilpailu &match)
{
    for (const ImportRow &row : plan.rows) {
        const ImportCompetitor &c = row.competitor;
        int slot = 0;
        if (row.status == ImportStatus::New
            || (row.status == ImportStatus::Duplicate && row.accepted)) {
            const auto added = match.addCompetitor(c.nimi, c.seura, c.maa);
            if (!added)
                return; // the plan counted the free slots; a full register adds no more
            slot = *added;
            match.extras[slot] = CompetitorExtras{};
        } else if (row.status == ImportStatus::Update) {
            slot = row.slot;
            TKilpailija &k = match.kilpailijat[slot];
            if (c.hasSeura && !c.seura.isEmpty())
                k.Seura.setText(c.seura);
            if (c.hasMaa && !c.maa.isEmpty())
                k.Maa.setText(c.maa);
        } else {
            continue;
        }
        writeEntries(c, match.kilpailijat[slot]);
        writeExtras(c, match.extras[slot]);
    }
}

QString importedLanguage(const ImportPlan &plan, const Kilpailu &match, int slot)
{
    const TKilpailija &k = match.kilpailijat[slot];
    for (const ImportRow &row : plan.rows)
        if (row.status == ImportStatus::Update && row.slot == slot)
            return row.competitor.language;
    for (const ImportRow &row : plan.rows)
        if (row.status != ImportStatus::Refused && row.competitor.nimi == k.Nimi.text()
            && (!row.competitor.hasSeura || row.competitor.seura == k.Seura.text()))
            return row.competitor.language;
    return {};
}

} // namespace marvola
