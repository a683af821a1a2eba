#include "files/MatchFiles.h"

#include "files/ExtrasFile.h"
#include "files/SafeFile.h"
#include "model/Cp1252.h"
#include "model/Text.h"

#include <QFileInfo>
#include <QLocale>
#include <QLockFile>

#include <algorithm>
#include <functional>
#include <limits>
#include <optional>
#include <utility>

namespace marvola {

namespace {

// The suffix of a saved match's summary file, compared without case.
const QString MatchSuffix = QStringLiteral(".mrv");

// The bounds of the four files when they are read: the text files' bound, and one record more
// than a register holds, so that the message can say what is wrong.
const QList<qint64> SetFileBounds
    = {MaxTextFileBytes, MaxTextFileBytes, qint64(TKilpailija::RecordSize) * (MaxKilpailijat + 1),
        qint64(TJoukkue::RecordSize) * (MaxJoukkueet + 1)};

// The one form the match file gets, whatever the locale: matches move between computers.
const QString FileDateFormat = QStringLiteral("d.M.yyyy");

// A two-letter year outside quoted text becomes four letters: a two-digit year would read back as
// a year of the 1900s.
QString withFourDigitYears(const QString &format)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            out += c;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        out += (!quoted && c == QLatin1Char('y') && run == 2) ? QStringLiteral("yyyy")
                                                              : format.mid(i, run);
        i += run;
    }
    return out;
}

bool fitsCp1252(const QString &text)
{
    return fromCp1252(toCp1252(text)) == text;
}

// How Pascal reads an integer from a text line: blanks skipped, then one word that must be a
// whole decimal number; the rest of the line is skipped.
std::optional<std::int32_t> lineInteger(const QString &line)
{
    const auto isBlank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    qsizetype i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == QLatin1Char('+') || line[i] == QLatin1Char('-')))
        negative = line[i++] == QLatin1Char('-');
    const qsizetype digitsStart = i;
    std::int64_t value = 0;
    for (; i < line.size() && !isBlank(line[i]); ++i) {
        const char16_t c = line[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1)
            return std::nullopt;
    }
    if (i == digitsStart)
        return std::nullopt;
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

QString trueFalse(bool value)
{
    return value ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

// A text of the match information as its line holds it: one line, no longer than a load accepts.
QString fileText(const QString &text)
{
    return singleLine(text).left(MaxMatchTextLength);
}

// The 17 lines of the current layout.
QStringList matchTextLines(const Kilpailu &kilpailu)
{
    const TKilpailunTiedot &t = kilpailu.tiedot;
    QStringList lines{fileText(t.Seura), fileText(t.Paikka), formatMatchFileDate(t.Alkupvm),
        formatMatchFileDate(t.LoppuPvm), fileText(t.KilpJohtaja), fileText(t.Taso),
        QString::number(kilpailu.ViimeNumero)};
    for (const GroupInfo &g : Groups)
        lines << trueFalse(t.isShot(g.group));
    for (const GroupInfo &g : Groups)
        lines << QString::number(t.shotCount(g.group));
    return lines;
}

// Reads the match file line by line; every failure names the file and the line.
class MatchTextReader
{
public:
    MatchTextReader(const QString &fileName, const QByteArray &bytes)
        : m_fileName(fileName)
        , m_lines(textFileLines(bytes))
    { }

    const QString &error() const { return m_error; }

    bool text(QString *value)
    {
        if (m_next >= m_lines.size())
            return fail(QStringLiteral("it ends before line %1").arg(m_next + 1));
        *value = m_lines[m_next++];
        if (value->size() > MaxMatchTextLength)
            return failOnLine(
                QStringLiteral("is longer than %1 characters").arg(MaxMatchTextLength));
        return true;
    }

    bool date(QDate *value, QString *asText)
    {
        if (!text(asText))
            return false;
        *value = parseMatchDate(*asText);
        return value->isValid() || failOnLine(QStringLiteral("is not a date"));
    }

    bool integer(std::int32_t *value)
    {
        QString line;
        if (!text(&line))
            return false;
        const auto number = lineInteger(line);
        if (!number)
            return failOnLine(QStringLiteral("is not a number"));
        *value = *number;
        return true;
    }

    // Exactly "TRUE" or "FALSE"; any other line leaves the switch as it was.
    bool switchLine(bool *value)
    {
        QString line;
        if (!text(&line))
            return false;
        if (line == QLatin1String("TRUE"))
            *value = true;
        else if (line == QLatin1String("FALSE"))
            *value = false;
        return true;
    }

private:
    bool fail(const QString &reason)
    {
        m_error = fileReadError(m_fileName, reason);
        return false;
    }
    bool failOnLine(const QString &what)
    {
        return fail(QStringLiteral("line %1 (\"%2\") %3")
                        .arg(m_next)
                        .arg(quotedForMessage(m_lines[m_next - 1]), what));
    }

    QString m_fileName;
    QStringList m_lines;
    qsizetype m_next = 0;
    QString m_error;
};

// Reads one file of the set within its bound: from disk, or from bytes already in memory.
using FileReader = std::function<bool(const QString &, qint64, QByteArray *, QString &)>;

bool readMatchText(const QString &fileName, const FileReader &read, bool oldLayout,
    Kilpailu &kilpailu, QString &error)
{
    QByteArray bytes;
    if (!read(fileName, MaxTextFileBytes, &bytes, error))
        return false;
    MatchTextReader in(fileName, bytes);
    TKilpailunTiedot &t = kilpailu.tiedot;
    bool ok = in.text(&t.Seura) && in.text(&t.Paikka);
    // The old version wrote one date text; the match's own dates then stay as they were.
    if (oldLayout)
        ok = ok && in.text(&t.VanhaPvm);
    else
        ok = ok && in.date(&t.Alkupvm, &t.VanhaPvm) && in.date(&t.LoppuPvm, &t.VanhaPvm);
    ok = ok && in.text(&t.KilpJohtaja) && in.text(&t.Taso) && in.integer(&kilpailu.ViimeNumero);
    for (int g = 0; g < GroupCount; ++g)
        ok = ok && in.switchLine(&t.Mukana[g]);
    for (int g = 0; g < GroupCount; ++g)
        ok = ok && in.integer(&t.Laukaukset[g]);
    if (!ok) {
        error = in.error();
        return false;
    }
    t.Ennatyskelpoinen = TKilpailunTiedot::recordsPossible(t.Taso);
    return true;
}

// A record file holds whole records, and no more than the register has slots: this program
// cannot have written anything else, and nothing may be stored beyond the register.
bool readRecordFile(const QString &fileName, const FileReader &read, int recordSize, int maxRecords,
    const QString &what, QByteArray *bytes, QString &error)
{
    const auto tooMany = [&] {
        error = fileReadError(fileName,
            QStringLiteral("it holds more than the %1 %2 a match can have")
                .arg(maxRecords)
                .arg(what));
        return false;
    };
    // Checked before reading, so a stray large file is not read into memory.
    const QFileInfo info(fileName);
    if (info.isFile() && info.size() > qint64(recordSize) * maxRecords)
        return tooMany();
    // One record more than allowed is read, so that the message can say what is wrong.
    if (!read(fileName, qint64(recordSize) * (maxRecords + 1), bytes, error))
        return false;
    if (bytes->size() % recordSize != 0) {
        error = fileReadError(fileName,
            QStringLiteral("its size of %1 bytes is not a whole number of %2-byte records")
                .arg(bytes->size())
                .arg(recordSize));
        return false;
    }
    if (bytes->size() / recordSize > maxRecords)
        return tooMany();
    return true;
}

// Records go into slots 1, 2, 3 and so on. An empty file is a match saved with no competitor.
bool readResults(
    const QString &fileName, const FileReader &read, Kilpailu &kilpailu, QString &error)
{
    QByteArray bytes;
    if (!readRecordFile(fileName, read, TKilpailija::RecordSize, MaxKilpailijat,
            QStringLiteral("competitor records"), &bytes, error))
        return false;
    const int count = static_cast<int>(bytes.size() / TKilpailija::RecordSize);
    for (int slot = 1; slot <= count; ++slot)
        kilpailu.kilpailijat[slot]
            = TKilpailija::fromBytes(bytes.constData() + (slot - 1) * TKilpailija::RecordSize);
    return true;
}

// Team slots beyond the records of the file keep the teams they held.
bool readTeams(const QString &fileName, const FileReader &read, Kilpailu &kilpailu, QString &error)
{
    QByteArray bytes;
    if (!readRecordFile(fileName, read, TJoukkue::RecordSize, MaxJoukkueet,
            QStringLiteral("team records"), &bytes, error))
        return false;
    // The program always writes all 100 teams; an empty teams file is not one of its files.
    if (bytes.isEmpty()) {
        error = fileReadError(fileName, QStringLiteral("it holds no team records"));
        return false;
    }
    const int count = static_cast<int>(bytes.size() / TJoukkue::RecordSize);
    for (int slot = 1; slot <= count; ++slot)
        kilpailu.joukkueet[slot]
            = TJoukkue::fromBytes(bytes.constData() + (slot - 1) * TJoukkue::RecordSize);
    return true;
}

QByteArray resultsBytes(const Kilpailu &kilpailu)
{
    QByteArray bytes;
    const int n = kilpailu.kilpailijat.highestOccupied();
    bytes.reserve(n * TKilpailija::RecordSize);
    for (int slot = 1; slot <= n; ++slot)
        bytes += kilpailu.kilpailijat[slot].toBytes();
    return bytes;
}

QByteArray teamsBytes(const Kilpailu &kilpailu)
{
    QByteArray bytes;
    bytes.reserve(MaxJoukkueet * TJoukkue::RecordSize);
    for (int slot = 1; slot <= MaxJoukkueet; ++slot)
        bytes += kilpailu.joukkueet[slot].toBytes();
    return bytes;
}

LoadedMatch readMatchFileSet(const MatchFileSet &set, const FileReader &read, bool oldLayout,
    const Kilpailu &current, QString &error)
{
    QByteArray summary;
    if (!read(set.summary, MaxTextFileBytes, &summary, error))
        return {};
    // The competitors are cleared; teams and match information are replaced by what the files hold.
    auto kilpailu = std::make_unique<Kilpailu>(current);
    kilpailu->clearCompetitorRegister();
    if (!readMatchText(set.match, read, oldLayout, *kilpailu, error)
        || !readResults(set.results, read, *kilpailu, error)
        || !readTeams(set.teams, read, *kilpailu, error))
        return {};
    kilpailu->Muutettu = false;
    return {std::move(kilpailu), textFileLines(summary)};
}

} // namespace

QString baseName(const QString &chosenName)
{
    return chosenName.left(std::max<qsizetype>(0, chosenName.size() - 4));
}

QString matchSaveName(const QString &chosenName)
{
    return chosenName.endsWith(MatchSuffix, Qt::CaseInsensitive) ? chosenName
                                                                 : chosenName + MatchSuffix;
}

MatchFileSet MatchFileSet::fromChosenName(const QString &chosen)
{
    const QString base = baseName(chosen);
    return {chosen, base + QStringLiteral(".dat"), base + QStringLiteral("Tulokset.dat"),
        base + QStringLiteral("Joukkueet.dat"), extrasFileName(chosen)};
}

QStringList MatchFileSet::presentList() const
{
    QStringList names = asList();
    if (QFileInfo::exists(extras) || QFileInfo::exists(temporaryFileName(extras)))
        names << extras;
    return names;
}

QString MatchFileSet::commitRecord() const
{
    return baseName(summary) + MatchSuffix + QStringLiteral(".commit");
}

QString MatchFileSet::lock() const
{
    return baseName(summary) + MatchSuffix + QStringLiteral(".lock");
}

QString MatchFileSet::openLock() const
{
    return baseName(summary) + MatchSuffix + QStringLiteral(".open");
}

WriteGroup MatchFileSet::writeGroup() const
{
    WriteGroup group;
    group.record = commitRecord();
    group.lock = lock();
    group.finishedAtOpen = true;
    const QString base = QFileInfo(baseName(summary) + MatchSuffix).fileName().chopped(4);
    const QStringList others{QFileInfo(summary).fileName(), QFileInfo(match).fileName(),
        QFileInfo(results).fileName(), QFileInfo(teams).fileName(), QFileInfo(extras).fileName()};
    group.owns = [base, others](const QString &bareName) {
        const bool summaryName = bareName.size() == base.size() + MatchSuffix.size()
            && bareName.startsWith(base) && bareName.endsWith(MatchSuffix, Qt::CaseInsensitive);
        return summaryName || others.contains(bareName);
    };
    return group;
}

QString nothingToSaveMessage()
{
    return QStringLiteral("Eipä ole montaa tulosta tallennettavana.");
}

QString matchDateFormat()
{
    return withFourDigitYears(QLocale().dateFormat(QLocale::ShortFormat));
}

QString formatMatchDate(const QDate &date)
{
    const QString text = QLocale().toString(date, matchDateFormat());
    return fitsCp1252(text) ? text : date.toString(FileDateFormat);
}

QString formatMatchFileDate(const QDate &date)
{
    return date.toString(FileDateFormat);
}

QDate parseMatchDate(const QString &text)
{
    const QString trimmed = text.trimmed();
    const QLocale locale;
    // Files of older versions hold the date in the locale of the computer that saved them; the
    // English form is what a save under the C locale wrote.
    const std::pair<QLocale, QString> forms[] = {{QLocale::c(), FileDateFormat},
        {QLocale::c(), QStringLiteral("yyyy-MM-dd")}, {locale, matchDateFormat()},
        {locale, withFourDigitYears(locale.dateFormat(QLocale::LongFormat))},
        {QLocale::c(), QStringLiteral("d MMM yyyy")}};
    for (const auto &[formLocale, format] : forms) {
        const QDate date = formLocale.toDate(trimmed, format);
        if (date.isValid())
            return date;
    }
    return {};
}

QStringList matchSummaryLines(const TKilpailunTiedot &tiedot, bool oldVersionDates)
{
    QString dates = QStringLiteral("Date: ") + formatMatchDate(tiedot.Alkupvm)
        + QStringLiteral(" - ") + formatMatchDate(tiedot.LoppuPvm);
    if (oldVersionDates)
        dates += QStringLiteral(" real date-->") + tiedot.VanhaPvm;
    return {QStringLiteral("Club: ") + tiedot.Seura, QStringLiteral("Place: ") + tiedot.Paikka,
        dates, QStringLiteral("Match Director: ") + tiedot.KilpJohtaja,
        tiedot.Ennatyskelpoinen ? QStringLiteral("Kilpailut ovat ennätyskelpoiset ")
                                : QStringLiteral("Kilpailut eivät ole ennätyskelpoiset ")};
}

LoadedMatch loadMatchFileSet(
    const QString &chosenName, bool oldLayout, const Kilpailu &current, QString &error)
{
    const MatchFileSet set = MatchFileSet::fromChosenName(chosenName);
    const WriteGroup group = set.writeGroup();
    // A save cut short by a crash is finished or dropped first, by whoever can take its lock; with
    // the lock taken nobody else is saving. What cannot be finished here (a record that names
    // other files, read-only files) is left as it is, and the reading below says what it finds.
    if (commitLeftovers(group, set.allNames())) {
        QLockFile lock(group.lock);
        lock.setStaleLockTime(30000);
        if (lock.tryLock(0)) {
            QString ignored;
            finishInterruptedWrite(group, set.allNames(), ignored);
        }
    }
    return readMatchFileSetAsItIs(chosenName, oldLayout, current, error);
}

bool saveUnderWay(const QString &chosenName)
{
    const MatchFileSet set = MatchFileSet::fromChosenName(chosenName);
    return commitLeftovers(set.writeGroup(), set.allNames());
}

LoadedMatch readMatchFileSetAsItIs(
    const QString &chosenName, bool oldLayout, const Kilpailu &current, QString &error)
{
    const MatchFileSet set = MatchFileSet::fromChosenName(chosenName);
    const QStringList names = set.presentList();
    QList<QByteArray> contents;
    if (!readGroupWhole(set.writeGroup(), names, SetFileBounds + QList<qint64>{MaxExtrasFileBytes},
            &contents, error))
        return {};
    return loadMatchFileSet(set,
        {contents[0], contents[1], contents[2], contents[3], contents.value(4)}, oldLayout, current,
        error);
}

LoadedMatch loadMatchFileSet(const MatchFileSet &names, const MatchFileBytes &bytes, bool oldLayout,
    const Kilpailu &current, QString &error)
{
    const QStringList fileNames = names.asList();
    const QList<QByteArray> contents{bytes.summary, bytes.match, bytes.results, bytes.teams};
    const FileReader fromMemory = [&](const QString &fileName, qint64 maxBytes, QByteArray *out,
                                      QString &readError) {
        *out = contents.value(fileNames.indexOf(fileName));
        if (out->size() <= maxBytes)
            return true;
        readError = fileReadError(fileName,
            QStringLiteral("it is larger than the %1 bytes a match file can have").arg(maxBytes));
        return false;
    };
    LoadedMatch loaded = readMatchFileSet(names, fromMemory, oldLayout, current, error);
    if (loaded.kilpailu && !bytes.extras.isEmpty()
        && !readExtrasFileBytes(bytes.extras, names.extras, *loaded.kilpailu, error))
        return {};
    return loaded;
}

bool matchFileSetContents(const QString &chosenName, const Kilpailu &kilpailu,
    const QStringList &summaryLines, WriteGroup *files, QString &error)
{
    const MatchFileSet set = MatchFileSet::fromChosenName(matchSaveName(chosenName));
    // A date the program could not read back would make the saved match unloadable.
    for (const QDate &date : {kilpailu.tiedot.Alkupvm, kilpailu.tiedot.LoppuPvm}) {
        if (!date.isValid()) {
            error = fileWriteError(set.match, QStringLiteral("the match has no valid date"));
            return false;
        }
    }
    // The summary lines repeat the texts of the match information, so they get a bound too.
    QStringList summary;
    for (const QString &line : summaryLines)
        summary << line.left(2 * MaxMatchTextLength);
    *files = set.writeGroup();
    files->files = {{set.summary, textFileBytes(summary)},
        {set.match, textFileBytes(matchTextLines(kilpailu))}, {set.results, resultsBytes(kilpailu)},
        {set.teams, teamsBytes(kilpailu)}};
    // A set with nothing beside its match files stays the four files older versions wrote; once
    // the file is there it is written at every save, also empty, so nothing old comes back.
    if (hasBesideTheMatchFiles(kilpailu) || QFileInfo::exists(set.extras)) {
        const QByteArray extras = extrasFileBytes(kilpailu, error);
        if (extras.isEmpty())
            return false;
        files->files << FileContent{set.extras, extras};
    }
    return true;
}

bool saveMatchFileSet(const QString &chosenName, const Kilpailu &kilpailu,
    const QStringList &summaryLines, QString &error)
{
    WriteGroup files;
    return matchFileSetContents(chosenName, kilpailu, summaryLines, &files, error)
        && writeGroupsSafely({files}, error);
}

} // namespace marvola
