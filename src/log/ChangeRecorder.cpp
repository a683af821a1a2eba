#include "log/ChangeRecorder.h"

#include "files/MatchFiles.h"

#include <QFileInfo>

#include <utility>

namespace marvola {

ChangeRecorder::ChangeRecorder(Kilpailu &kilpailu, QObject *parent)
    : QObject(parent)
    , m_kilpailu(kilpailu)
    , m_snapshot(std::make_unique<Kilpailu>(kilpailu))
{
    m_lookTimer.setInterval(LookIntervalMs);
    connect(&m_lookTimer, &QTimer::timeout, this, &ChangeRecorder::recordChanges);
    m_commitTimer.setSingleShot(true);
    m_commitTimer.setInterval(CommitDelayMs);
    connect(&m_commitTimer, &QTimer::timeout, this, [this] { commitNow(); });
}

ChangeRecorder::~ChangeRecorder()
{
    commitNow();
}

void ChangeRecorder::takeSnapshot()
{
    *m_snapshot = m_kilpailu;
}

void ChangeRecorder::reportFailure(const QString &error)
{
    if (m_failureReported)
        return;
    m_failureReported = true;
    emit logUnavailable(error);
}

bool ChangeRecorder::openLog(const QString &fileName)
{
    QString error;
    if (!m_log.open(fileName, EntryLog::Access::ReadWrite, error)) {
        m_lookTimer.stop();
        reportFailure(error);
        return false;
    }
    m_lookTimer.start();
    emit logSwitched();
    return true;
}

PendingChanges ChangeRecorder::openSet(const QString &chosenName)
{
    // Whatever the previous match still had uncommitted belongs to its own log.
    commitNow();
    m_log.close();
    emit logSwitched();
    m_lookTimer.stop();
    takeSnapshot();
    m_undoSteps.clear();
    m_redoSteps.clear();
    PendingChanges pending;
    QString error;
    const QByteArray digest = matchSetDigest(chosenName, error);
    if (digest.isEmpty()) {
        reportFailure(error);
        return pending;
    }
    m_openedName = chosenName;
    m_openedDigest = digest;
    m_lookTimer.start();
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

// Declined or restored, the changes offered are not offered again: the open comes after them.
// Its commit follows with the next changes or within CommitDelayMs, so the open does not wait
// for the disk; lost with the program in that moment, the same changes are offered again.
bool ChangeRecorder::settleOpen()
{
    return startLog(false);
}

bool ChangeRecorder::startLog(bool commit)
{
    if (m_openedName.isEmpty())
        return m_log.isOpen();
    if (!m_log.isOpen() && !openLog(entryLogFileName(m_openedName)))
        return false;
    QString error;
    if (!m_log.appendSetEvent(ChangeKind::Open, m_source, m_openedName, m_openedDigest, error)
        || (commit && !m_log.commit(error))) {
        reportFailure(error);
        return false;
    }
    if (!commit)
        m_commitTimer.start();
    m_openedName.clear();
    m_openedDigest.clear();
    return true;
}

void ChangeRecorder::savedSet(const QString &chosenName)
{
    recordChanges();
    QString error;
    // A set opened and saved with no change in between needs no open event.
    m_openedName.clear();
    m_openedDigest.clear();
    const QString target = entryLogFileName(chosenName);
    if (!m_log.isOpen()
        || QFileInfo(m_log.fileName()).absoluteFilePath() != QFileInfo(target).absoluteFilePath()) {
        if (m_log.isOpen() && !m_log.copyTo(target, error))
            reportFailure(error);
        if (!openLog(target))
            return;
    }
    const QByteArray digest = matchSetDigest(chosenName, error);
    if (digest.isEmpty()
        || !m_log.appendSetEvent(ChangeKind::Save, m_source, chosenName, digest, error)
        || !m_log.commit(error))
        reportFailure(error);
}

namespace {

// The fields the result entry dialog writes.
bool isResultEntry(const FieldEdit &change)
{
    static const QStringList fields{QStringLiteral("Kana"), QStringLiteral("Sika"),
        QStringLiteral("Kalkkuna"), QStringLiteral("Passi"), QStringLiteral("Yhteensa"),
        QStringLiteral("f1"), QStringLiteral("f2"), QStringLiteral("f3"), QStringLiteral("f4"),
        QStringLiteral("f5")};
    return change.kind == ChangeKind::Competitor && fields.contains(change.field);
}

} // namespace

void ChangeRecorder::recordChanges()
{
    const QList<FieldEdit> changes = matchDifferences(*m_snapshot, m_kilpailu);
    if (changes.isEmpty())
        return;
    takeSnapshot();
    if (!m_replaying) {
        QList<FieldEdit> step;
        for (const FieldEdit &change : changes)
            if (isResultEntry(change))
                step << change;
        if (!step.isEmpty()) {
            m_undoSteps << step;
            m_redoSteps.clear();
        }
    }
    if (!startLog())
        return;
    const QDateTime now = QDateTime::currentDateTime();
    QString error;
    for (FieldEdit change : changes) {
        change.time = now;
        change.source = m_source;
        if (!m_log.append(change, error)) {
            m_appendFailed = true;
            reportFailure(error);
            return;
        }
        ++m_uncommitted;
    }
    if (!m_commitTimer.isActive())
        m_commitTimer.start();
}

std::optional<ChangeRecorder::Step> ChangeRecorder::undo()
{
    return replay(m_undoSteps, m_redoSteps, true);
}

std::optional<ChangeRecorder::Step> ChangeRecorder::redo()
{
    return replay(m_redoSteps, m_undoSteps, false);
}

std::optional<ChangeRecorder::Step> ChangeRecorder::replay(
    QList<QList<FieldEdit>> &from, QList<QList<FieldEdit>> &to, bool backwards)
{
    // What was typed since the last look is a step of its own, undone first.
    recordChanges();
    if (from.isEmpty())
        return std::nullopt;
    const QList<FieldEdit> step = from.takeLast();
    auto changed = std::make_unique<Kilpailu>(m_kilpailu);
    for (qsizetype i = 0; i < step.size(); ++i) {
        FieldEdit change = step[backwards ? step.size() - 1 - i : i];
        if (backwards)
            change.newValue = change.oldValue;
        QString error;
        if (!applyChange(*changed, change, error))
            return std::nullopt;
    }
    m_kilpailu = std::move(*changed);
    m_kilpailu.Muutettu = true;
    m_replaying = true;
    recordChanges();
    m_replaying = false;
    to << step;
    return Step{step.first().slot, step.first().discipline};
}

bool ChangeRecorder::commitNow()
{
    recordChanges();
    m_commitTimer.stop();
    if (!m_log.isOpen())
        return false;
    QString error;
    const bool appended = !std::exchange(m_appendFailed, false);
    if (!m_log.commit(error) || !appended) {
        reportFailure(error);
        m_uncommitted = 0;
        return false;
    }
    if (m_uncommitted > 0) {
        m_committed += m_uncommitted;
        m_uncommitted = 0;
        emit committed(m_committed);
    }
    return true;
}

} // namespace marvola
