#include "session/MatchSession.h"

#include "files/MatchFiles.h"
#include "files/SafeFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QSysInfo>

#include <utility>

namespace marvola {

namespace {

// The program's own settings, where the live results keep their port too.
const QString SettingsName = QStringLiteral("Marvola");
const QString RecentMatchesKey = QStringLiteral("recentMatches");
constexpr qsizetype RecentMatchCount = 8;

// What undo and redo go over: the fields the result entry dialog writes, the relays and the
// places in them.
bool isUndoable(const FieldEdit &change)
{
    return (change.kind == ChangeKind::Competitor && isResultField(change.field))
        || change.kind == ChangeKind::Relay || change.kind == ChangeKind::Seat;
}

} // namespace

MatchSession::MatchSession(Kilpailu &registers, QObject *parent)
    : QObject(parent)
    , m_kilpailu(registers)
{
    // One shot a moment after a change, or a second after a write that failed: nothing runs while
    // nothing waits for the disk.
    m_commitTimer.setSingleShot(true);
    connect(&m_commitTimer, &QTimer::timeout, this, [this] { commitNow(); });
}

MatchSession::~MatchSession()
{
    commitNow();
}

void MatchSession::setModified(bool modified)
{
    const bool was = std::exchange(m_kilpailu.Muutettu, modified);
    if (was != modified)
        emit modifiedChanged(modified);
}

QList<FieldEdit> MatchSession::edit(
    const std::function<void(Kilpailu &)> &change, const EditOrigin &origin)
{
    // An edit's changes are what it changed, compared record by record (plain bytes, so the
    // copy and the comparison of a full match take a fraction of a millisecond).
    const auto before = std::make_unique<Kilpailu>(m_kilpailu);
    m_lastRefusal.clear();
    change(m_kilpailu);
    // The unsaved mark is the session's: it follows what the edit changed, nothing else.
    m_kilpailu.Muutettu = before->Muutettu;
    QList<FieldEdit> changes = matchDifferences(*before, m_kilpailu);
    if (changes.isEmpty())
        return changes;
    if (m_guard) {
        if (QString reason = m_guard(*before, m_kilpailu); !reason.isEmpty()) {
            m_kilpailu = std::move(*before);
            m_lastRefusal = reason;
            if (!m_restoring)
                emit refused(reason);
            return {};
        }
    }
    const QDateTime now = QDateTime::currentDateTime();
    for (FieldEdit &one : changes) {
        one.time = now;
        one.source = origin.source;
    }
    if (!m_replaying)
        keepUndoStep(changes, origin);
    logChanges(changes);
    if (origin.marksUnsaved)
        setModified(true);
    emit changed(changes);
    return changes;
}

QString MatchSession::refusalOf(const std::function<void(Kilpailu &)> &change) const
{
    if (!m_guard)
        return {};
    const auto after = std::make_unique<Kilpailu>(m_kilpailu);
    change(*after);
    return m_guard(m_kilpailu, *after);
}

bool MatchSession::editOnceCommitted(const QList<Edit> &edits)
{
    if (edits.isEmpty())
        return commitNow();
    m_commitTimer.stop();
    // Worked out on a copy, so that the registers are not touched before the disk has it all.
    auto after = std::make_unique<Kilpailu>(m_kilpailu);
    QList<QList<FieldEdit>> changesOf;
    const QDateTime now = QDateTime::currentDateTime();
    for (const auto &[change, origin] : edits) {
        const auto before = std::make_unique<Kilpailu>(*after);
        change(*after);
        QList<FieldEdit> changes = matchDifferences(*before, *after);
        // The desk refuses such an entry before it gets here; this keeps official results as
        // they are whatever a caller sends.
        if (!changes.isEmpty() && m_guard && !m_guard(*before, *after).isEmpty()) {
            *after = std::move(*before);
            changes.clear();
        }
        for (FieldEdit &one : changes) {
            one.time = now;
            one.source = origin.source;
        }
        changesOf << changes;
    }
    QString error;
    bool written = !m_readOnly && startLog() && appendUnlogged(error);
    for (const QList<FieldEdit> &changes : std::as_const(changesOf))
        for (const FieldEdit &one : changes)
            written = written && m_log.append(one, error);
    written = written && m_log.commit(error);
    if (!written) {
        // Nothing of it is kept; the changes that waited before it are tried again.
        m_log.rollback();
        m_appended = 0;
        if (!error.isEmpty())
            reportFailure(error);
        m_commitTimer.start(RetryDelayMs);
        return false;
    }
    qint64 count = 0;
    for (const LogItem &item : std::as_const(m_unlogged))
        count += item.digest.isEmpty() ? 1 : 0;
    for (const QList<FieldEdit> &changes : std::as_const(changesOf))
        count += changes.size();
    m_unlogged.clear();
    m_appended = 0;
    if (std::exchange(m_failureReported, false))
        emit logResumed();
    after->Muutettu = m_kilpailu.Muutettu;
    m_kilpailu = std::move(*after);
    for (qsizetype i = 0; i < edits.size(); ++i) {
        if (changesOf[i].isEmpty())
            continue;
        if (!m_replaying)
            keepUndoStep(changesOf[i], edits[i].second);
        if (edits[i].second.marksUnsaved)
            setModified(true);
        emit changed(changesOf[i]);
    }
    if (count > 0) {
        m_committed += count;
        emit committed(m_committed);
    }
    return true;
}

// The office's result entries are undone one entry at a time: the digits of one field, typed
// at any pace, join the step until the field is committed. A station's entry is not the
// office's to undo: it is settled in the stations part.
void MatchSession::keepUndoStep(const QList<FieldEdit> &changes, const EditOrigin &origin)
{
    if (origin.source != QLatin1String("office") && !origin.wholeUndoStep)
        return;
    QList<FieldEdit> step;
    for (const FieldEdit &change : changes)
        if (origin.wholeUndoStep || isUndoable(change))
            step << change;
    if (step.isEmpty())
        return;
    const bool joins = m_stepOpen && !origin.step.isEmpty() && origin.step == m_stepKey
        && !m_undoSteps.isEmpty();
    if (joins)
        m_undoSteps.last() << step;
    else
        m_undoSteps << step;
    m_stepKey = origin.step;
    m_stepOpen = !origin.step.isEmpty();
    m_redoSteps.clear();
}

// A change waits in memory until it is on the disk: a log that cannot be written for a while
// (locked, the disk full) gets it at the next try, in order, after the changes before it.
void MatchSession::logChanges(const QList<FieldEdit> &changes)
{
    // A match never saved has no log to keep its changes in; one open read-only is another
    // window's to log.
    if (m_readOnly || (!m_log.isOpen() && m_openedName.isEmpty()))
        return;
    for (const FieldEdit &change : changes)
        m_unlogged << LogItem{change, QByteArray()};
    QString error;
    if (!startLog() || !appendUnlogged(error)) {
        if (!error.isEmpty())
            reportFailure(error);
        m_commitTimer.start(RetryDelayMs);
        return;
    }
    if (!m_commitTimer.isActive())
        m_commitTimer.start(CommitDelayMs);
}

bool MatchSession::appendUnlogged(QString &error)
{
    for (; m_appended < m_unlogged.size(); ++m_appended) {
        const LogItem &item = m_unlogged[m_appended];
        const bool appended = item.digest.isEmpty()
            ? m_log.append(item.change, error)
            : m_log.appendSetEvent(
                item.change.kind, item.change.source, item.change.newValue, item.digest, error);
        if (!appended) {
            // Given up whole: the next try writes every waiting change again, in order.
            m_log.rollback();
            m_appended = 0;
            return false;
        }
    }
    return true;
}

std::optional<MatchSession::Step> MatchSession::undo()
{
    return replay(m_undoSteps, m_redoSteps, true);
}

std::optional<MatchSession::Step> MatchSession::redo()
{
    return replay(m_redoSteps, m_undoSteps, false);
}

std::optional<MatchSession::Step> MatchSession::replay(
    QList<QList<FieldEdit>> &from, QList<QList<FieldEdit>> &to, bool backwards)
{
    m_stepOpen = false;
    if (from.isEmpty())
        return std::nullopt;
    const QList<FieldEdit> step = from.takeLast();
    // All of the step or nothing: a value the match cannot take leaves it as it was.
    auto changed = std::make_unique<Kilpailu>(m_kilpailu);
    for (qsizetype i = 0; i < step.size(); ++i) {
        FieldEdit change = step[backwards ? step.size() - 1 - i : i];
        // Backwards the value now held is the old one: a number given is checked as it stands.
        if (backwards)
            std::swap(change.oldValue, change.newValue);
        QString error;
        if (!applyChange(*changed, change, error))
            return std::nullopt;
    }
    m_replaying = true;
    edit([&changed](Kilpailu &k) { k = std::move(*changed); });
    m_replaying = false;
    if (!m_lastRefusal.isEmpty()) {
        from << step;
        return std::nullopt;
    }
    to << step;
    if (step.first().kind != ChangeKind::Competitor)
        return Step{};
    return Step{step.first().slot, step.first().discipline};
}

namespace {

QString holderText(const QLockFile &lock)
{
    qint64 pid = 0;
    QString host, application;
    if (!lock.getLockInfo(&pid, &host, &application))
        return QCoreApplication::translate("marvola::MatchSession", "another program");
    return QCoreApplication::translate("marvola::MatchSession", "process %1 on %2")
        .arg(pid)
        .arg(host.isEmpty()
                ? QCoreApplication::translate("marvola::MatchSession", "an unknown computer")
                : host);
}

QString lockName(const QString &chosenName)
{
    return MatchFileSet::fromChosenName(matchSaveName(chosenName)).openLock();
}

} // namespace

bool MatchSession::holdsSet(const QString &chosenName) const
{
    return m_openLock
        && QFileInfo(m_openLock->fileName()).absoluteFilePath()
        == QFileInfo(lockName(chosenName)).absoluteFilePath();
}

QString MatchSession::holderOf(const QString &chosenName) const
{
    return holdsSet(chosenName) ? QString() : setHolder(chosenName);
}

bool heldOnAnotherComputer(const QString &chosenName, QString &holder)
{
    holder = setHolder(chosenName);
    if (holder.isEmpty())
        return false;
    QLockFile lock(lockName(chosenName));
    qint64 pid = 0;
    QString host, application;
    return lock.getLockInfo(&pid, &host, &application) && host != QSysInfo::machineHostName();
}

QString setHolder(const QString &chosenName)
{
    QLockFile lock(lockName(chosenName));
    // A lock left by a program that is gone (on this computer) is taken over; one of another
    // computer stays until that computer's program closes the set.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0))
        return {};
    return lock.error() == QLockFile::LockFailedError ? holderText(lock) : QString();
}

std::unique_ptr<QLockFile> MatchSession::holdSet(const QString &chosenName, QString &error) const
{
    auto lock = std::make_unique<QLockFile>(lockName(chosenName));
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return lock;
    if (lock->error() == QLockFile::LockFailedError)
        error = tr("The match %1 is open for writing in another window (%2).")
                    .arg(QFileInfo(chosenName).fileName(), holderText(*lock));
    // A folder where no lock file can be made (read-only media) is opened without one: there
    // is no writing to it anyway.
    else
        return std::make_unique<QLockFile>(QString());
    return nullptr;
}

// Whatever the match still had uncommitted belongs to its own log, and nothing of it is compared
// with the match that replaces it; its undo steps go with it.
void MatchSession::leaveSet()
{
    commitNow();
    m_log.close();
    m_unlogged.clear();
    m_appended = 0;
    m_failureReported = false;
    m_commitTimer.stop();
    emit logSwitched();
    m_undoSteps.clear();
    m_redoSteps.clear();
    m_stepOpen = false;
}

std::optional<PendingChanges> MatchSession::open(
    const QString &chosenName, bool oldLayout, QString &error, Access access)
{
    std::unique_ptr<QLockFile> hold;
    if (access == Access::Write && !holdsSet(chosenName)) {
        hold = holdSet(chosenName, error);
        if (!hold)
            return std::nullopt;
    }
    LoadedMatch loaded = loadMatchFileSet(chosenName, oldLayout, m_kilpailu, error);
    if (!loaded.kilpailu)
        return std::nullopt;
    leaveSet();
    m_kilpailu = std::move(*loaded.kilpailu);
    m_kilpailu.Muutettu = false;
    m_oldLayout = oldLayout;
    m_readOnly = access == Access::ReadOnly;
    if (hold || m_readOnly)
        m_openLock = std::move(hold);
    setFileName(chosenName);
    emit modifiedChanged(false);
    emit replaced();
    if (m_readOnly) {
        QString ignored;
        m_diskDigest = matchSetDigest(chosenName, ignored);
        return PendingChanges{};
    }
    return openSet(chosenName);
}

void MatchSession::newMatch()
{
    leaveSet();
    // On the heap: the registers are too large for the stack.
    auto empty = std::make_unique<Kilpailu>();
    m_kilpailu = std::move(*empty);
    m_kilpailu.Muutettu = false;
    m_oldLayout = false;
    m_readOnly = false;
    m_openLock.reset();
    m_openedName.clear();
    m_openedDigest.clear();
    m_diskDigest.clear();
    setFileName(QString());
    emit modifiedChanged(false);
    emit replaced();
}

PendingChanges MatchSession::openSet(const QString &chosenName)
{
    m_openedName.clear();
    m_openedDigest.clear();
    PendingChanges pending;
    QString error;
    const QByteArray digest = matchSetDigest(chosenName, error);
    if (digest.isEmpty()) {
        reportFailure(error);
        return pending;
    }
    m_openedName = chosenName;
    m_openedDigest = digest;
    m_diskDigest = digest;
    if (!QFileInfo::exists(entryLogFileName(chosenName)))
        return pending;
    if (!openLog(entryLogFileName(chosenName)))
        return pending;
    pending = m_log.pending(digest, error);
    if (!error.isEmpty())
        reportFailure(error);
    // Changes to offer wait for the answer: the open event comes after it (settleOpen).
    if (pending.state == PendingChanges::State::None && !settleOpen())
        return {};
    return pending;
}

bool MatchSession::restore(const PendingChanges &pending, QString &error)
{
    settleOpen();
    auto restored = std::make_unique<Kilpailu>(m_kilpailu);
    if (!applyPendingChanges(*restored, pending, error))
        return false;
    // The restored changes are logged again after the open, so a second loss restores them too;
    // the log marks them as restored.
    // A refusal is the restore's error: its caller says it, once, where it fits (a box, or the
    // status line when nobody may be at the screen).
    m_restoring = true;
    edit([&restored](Kilpailu &k) { k = std::move(*restored); },
        EditOrigin{QStringLiteral("restore"), QString()});
    m_restoring = false;
    if (!m_lastRefusal.isEmpty()) {
        error = m_lastRefusal;
        return false;
    }
    m_undoSteps.clear();
    m_redoSteps.clear();
    commitNow();
    emit replaced();
    return true;
}

void MatchSession::declineRestore()
{
    settleOpen();
}

// Declined or restored, the changes offered are not offered again: the open comes after them.
// Its commit follows with the next changes or within CommitDelayMs, so the open does not wait
// for the disk; lost with the program in that moment, the same changes are offered again.
bool MatchSession::settleOpen()
{
    if (!startLog())
        return false;
    QString error;
    if (!appendUnlogged(error)) {
        reportFailure(error);
        m_commitTimer.start(RetryDelayMs);
        return false;
    }
    m_commitTimer.start(CommitDelayMs);
    return true;
}

MatchSession::SaveResult MatchSession::save(
    const QString &chosenName, const QStringList &summaryLines, QString &error, Overwrite overwrite)
{
    // The name the set is saved under: ".mrv" is added when the official left it out.
    const QString saved = matchSaveName(chosenName);
    const bool sameSet = !m_fileName.isEmpty()
        && QFileInfo(matchSaveName(m_fileName)).absoluteFilePath()
            == QFileInfo(saved).absoluteFilePath();
    if (sameSet && m_readOnly) {
        error = tr("The match %1 is open read-only: save it under another name.")
                    .arg(QFileInfo(saved).fileName());
        return SaveResult::Failed;
    }
    std::unique_ptr<QLockFile> hold;
    if (!holdsSet(saved)) {
        hold = holdSet(saved, error);
        if (!hold)
            return SaveResult::Failed;
    }
    if (sameSet && overwrite == Overwrite::RefuseChanged && !m_diskDigest.isEmpty()) {
        QString unreadable;
        const QByteArray onDisk = matchSetDigest(saved, unreadable);
        if (onDisk != m_diskDigest) {
            error = tr("The match %1 was changed on disk since it was opened or saved here, by "
                       "another program or computer. Saving replaces those changes.")
                        .arg(QFileInfo(saved).fileName());
            return SaveResult::ChangedOnDisk;
        }
    }
    WriteGroup files;
    if (!matchFileSetContents(chosenName, m_kilpailu, summaryLines, &files, error))
        return SaveResult::Failed;
    if (sameSet && m_log.isOpen())
        noteSaving(files);
    if (!writeGroupsSafely({files}, error))
        return SaveResult::Failed;
    if (hold)
        m_openLock = std::move(hold);
    m_readOnly = false;
    setModified(false);
    m_oldLayout = false;
    savedSet(saved);
    setFileName(saved);
    return SaveResult::Saved;
}

// The save's intent goes to the disk before the files: killed between the files and the save
// event, the next open still knows the set holds every change up to here.
void MatchSession::noteSaving(const WriteGroup &files)
{
    FieldEdit saving;
    saving.kind = ChangeKind::Saving;
    saving.source = QStringLiteral("office");
    saving.newValue = m_fileName;
    m_unlogged << LogItem{saving, matchSetDigestOf(files.files)};
    commitNow();
}

void MatchSession::setFileName(const QString &fileName)
{
    m_fileName = fileName;
    if (!fileName.isEmpty())
        rememberRecentMatch(QFileInfo(fileName).absoluteFilePath());
    emit fileNameChanged(fileName);
}

QStringList MatchSession::recentMatches()
{
    return QSettings(SettingsName, SettingsName).value(RecentMatchesKey).toStringList();
}

void MatchSession::rememberRecentMatch(const QString &fileName)
{
    QStringList recent = recentMatches();
    recent.removeAll(fileName);
    recent.prepend(fileName);
    while (recent.size() > RecentMatchCount)
        recent.removeLast();
    QSettings(SettingsName, SettingsName).setValue(RecentMatchesKey, recent);
    emit recentMatchesChanged();
}

void MatchSession::reportFailure(const QString &error)
{
    if (m_failureReported)
        return;
    m_failureReported = true;
    emit logUnavailable(error);
}

bool MatchSession::openLog(const QString &fileName)
{
    QString error;
    if (!m_log.open(fileName, EntryLog::Access::ReadWrite, error)) {
        reportFailure(error);
        return false;
    }
    emit logSwitched();
    return true;
}

// Opens the log of the set last opened, made at its first change: a set only looked at gets no
// log file. The open event goes before every change waiting for the log.
bool MatchSession::startLog()
{
    if (m_openedName.isEmpty())
        return m_log.isOpen();
    if (!m_log.isOpen() && !openLog(entryLogFileName(m_openedName)))
        return false;
    FieldEdit open;
    open.kind = ChangeKind::Open;
    open.source = QStringLiteral("office");
    open.newValue = m_openedName;
    m_unlogged.insert(m_appended, LogItem{open, m_openedDigest});
    m_openedName.clear();
    m_openedDigest.clear();
    return true;
}

void MatchSession::savedSet(const QString &chosenName)
{
    // A set opened and saved with no change in between needs no open event.
    m_openedName.clear();
    m_openedDigest.clear();
    QString error;
    const QString target = entryLogFileName(chosenName);
    if (!m_log.isOpen()
        || QFileInfo(m_log.fileName()).absoluteFilePath() != QFileInfo(target).absoluteFilePath()) {
        // Under a new name the log is carried over with every change made so far.
        if (m_log.isOpen() && (!commitNow() || !m_log.copyTo(target, error)))
            reportFailure(error);
        if (!openLog(target))
            return;
    }
    const QByteArray digest = matchSetDigest(chosenName, error);
    if (digest.isEmpty()) {
        reportFailure(error);
        return;
    }
    m_diskDigest = digest;
    FieldEdit save;
    save.kind = ChangeKind::Save;
    save.source = QStringLiteral("office");
    save.newValue = chosenName;
    m_unlogged << LogItem{save, digest};
    commitNow();
}

// The log file may be deleted or replaced while the match is open (a cleanup, a copy over the
// folder): writing on into a file that is gone would lose everything. A new log starts from the
// set on disk and holds every change the match has beyond it.
bool MatchSession::restartLogIfGone()
{
    if (!m_log.isOpen() || m_log.isInPlace())
        return true;
    const QString logName = m_log.fileName();
    m_log.close();
    emit logUnavailable(
        tr("The entry log %1 was removed; a new one holds the changes not saved.").arg(logName));
    m_failureReported = true;
    QString error;
    const QByteArray digest = matchSetDigest(m_fileName, error);
    auto onDisk = std::make_unique<Kilpailu>();
    LoadedMatch loaded = loadMatchFileSet(m_fileName, m_oldLayout, *onDisk, error);
    if (digest.isEmpty() || !loaded.kilpailu || !openLog(logName)) {
        reportFailure(error);
        return false;
    }
    FieldEdit open;
    open.kind = ChangeKind::Open;
    open.source = QStringLiteral("office");
    open.newValue = m_fileName;
    m_unlogged = {LogItem{open, digest}};
    const QDateTime now = QDateTime::currentDateTime();
    for (FieldEdit change : matchDifferences(*loaded.kilpailu, m_kilpailu)) {
        change.time = now;
        change.source = QStringLiteral("office");
        m_unlogged << LogItem{change, QByteArray()};
    }
    m_appended = 0;
    return true;
}

bool MatchSession::commitNow()
{
    m_commitTimer.stop();
    if (!m_log.isOpen() && m_unlogged.isEmpty())
        return false;
    QString error;
    if (!restartLogIfGone() || !startLog() || !appendUnlogged(error) || !m_log.commit(error)) {
        m_appended = 0;
        if (!error.isEmpty())
            reportFailure(error);
        m_commitTimer.start(RetryDelayMs);
        return false;
    }
    qint64 changes = 0;
    for (const LogItem &item : std::as_const(m_unlogged))
        changes += item.digest.isEmpty() ? 1 : 0;
    m_unlogged.clear();
    m_appended = 0;
    if (std::exchange(m_failureReported, false))
        emit logResumed();
    if (changes > 0) {
        m_committed += changes;
        emit committed(m_committed);
    }
    return true;
}

PendingChanges readPendingChanges(const QString &chosenName, bool &hasLog, QString &error)
{
    hasLog = false;
    const QString logName = entryLogFileName(chosenName);
    EntryLog log;
    if (!QFileInfo::exists(logName) || !log.open(logName, EntryLog::Access::ReadOnly, error))
        return {};
    hasLog = true;
    const QByteArray digest = matchSetDigest(chosenName, error);
    if (digest.isEmpty())
        return {};
    return log.pending(digest, error);
}

QStringList pendingEntries(const PendingChanges &pending, const Kilpailu &match)
{
    // A competitor added since the save has its name in the changes only.
    QHash<int, QString> typedNames;
    for (const FieldEdit &change : pending.changes)
        if (change.kind == ChangeKind::Competitor && change.field == QLatin1String("Nimi"))
            typedNames[change.slot] = change.newValue;
    // Each entry is named once: a long log repeats the same few entries many times.
    QSet<QString> seenEntries;
    QSet<QString> seenNames;
    QStringList entries;
    for (const FieldEdit &change : pending.changes) {
        const QString key = change.kind + QString::number(change.slot) + change.discipline;
        if (seenEntries.contains(key))
            continue;
        seenEntries.insert(key);
        QString entry;
        if (change.kind == ChangeKind::Competitor && change.slot >= 1
            && change.slot <= MaxKilpailijat) {
            const QString name
                = typedNames.value(change.slot, match.kilpailijat[change.slot].Nimi.text());
            entry = QStringList{QString::number(change.number), name, change.discipline}
                        .filter(QRegularExpression(QStringLiteral("\\S")))
                        .join(QLatin1Char(' '));
        } else if (change.kind == ChangeKind::Team && change.slot >= 1
            && change.slot <= MaxJoukkueet) {
            entry = QCoreApplication::translate("marvola::MatchSession", "team %1")
                        .arg(match.joukkueet[change.slot].Nimi.text().trimmed());
        } else if (change.kind == ChangeKind::Relay || change.kind == ChangeKind::Seat) {
            entry = QCoreApplication::translate("marvola::MatchSession", "relays");
        } else if (change.kind == ChangeKind::Status) {
            entry = QCoreApplication::translate("marvola::MatchSession", "status of %1")
                        .arg(change.discipline);
        } else {
            entry = QCoreApplication::translate("marvola::MatchSession", "match information");
        }
        if (!seenNames.contains(entry)) {
            seenNames.insert(entry);
            entries << entry;
        }
    }
    return entries;
}

bool applyPendingChanges(Kilpailu &kilpailu, const PendingChanges &pending, QString &error)
{
    auto restored = std::make_unique<Kilpailu>(kilpailu);
    for (const FieldEdit &change : pending.changes)
        if (!applyChange(*restored, change, error))
            return false;
    kilpailu = std::move(*restored);
    return true;
}

} // namespace marvola
