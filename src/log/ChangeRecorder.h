// Keeps the entry log of the match the window holds: looks for changes a few times a second,
// commits them within a second, and records each open and save with the set's digest.
#pragma once

#include "log/EntryLog.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

namespace marvola {

class ChangeRecorder : public QObject
{
    Q_OBJECT

public:
    // How often the registers are compared with the last state recorded, and how long a typed
    // change may wait for its commit: together well under a second.
    static constexpr int LookIntervalMs = 200;
    static constexpr int CommitDelayMs = 300;

    explicit ChangeRecorder(Kilpailu &kilpailu, QObject *parent = nullptr);
    ~ChangeRecorder() override;

    void setSource(const QString &source) { m_source = source; }
    QString source() const { return m_source; }

    // The set has just been loaded into the match: returns what its log holds beyond the set on
    // disk, and records the open (in a log that does not exist yet, at the first change).
    // Without a usable log it returns nothing and says so once (logUnavailable).
    PendingChanges openSet(const QString &chosenName);
    // When openSet returned changes: records the open once the official has answered, so that
    // a program closed or killed while it asks offers the same changes again.
    bool settleOpen();
    // The match has just been saved as the set: records the save with its digest; under a new
    // name the log is carried over first.
    void savedSet(const QString &chosenName);

    // Records what changed since the last look; the commit follows within CommitDelayMs.
    void recordChanges();
    // Records and commits now; true when every change so far is on the disk.
    bool commitNow();

    // Undo and redo of the office's result entries (hits, totals, shoot-off entries) back to the
    // last open: each step is what one look found. The step's values go back into the match and
    // are logged as changes of their own. The competitor slot and discipline of the step, or
    // nothing when there is none.
    struct Step
    {
        int slot = 0;
        QString discipline;
    };
    std::optional<Step> undo();
    std::optional<Step> redo();

    bool isLogging() const { return m_log.isOpen(); }
    // Opens the log of the set last opened or saved now, for the writes of the scoring stations;
    // false for a match that has no file set yet.
    bool ensureLog() { return startLog(); }
    EntryLog &log() { return m_log; }
    // Changes committed since the program started, for a caller that reports them stored.
    qint64 committedCount() const { return m_committed; }

signals:
    // The log cannot be written: said once, and the program goes on without it.
    void logUnavailable(const QString &message);
    // Changes are on the disk.
    void committed(qint64 total);
    // Another log is open now, or none: what is kept in it (the scoring stations) is read again.
    void logSwitched();

private:
    void takeSnapshot();
    void reportFailure(const QString &error);
    bool openLog(const QString &fileName);
    // Opens the log of the set last opened, made at its first change: a set only looked at gets
    // no log file.
    bool startLog(bool commit = true);
    std::optional<Step> replay(
        QList<QList<FieldEdit>> &from, QList<QList<FieldEdit>> &to, bool backwards);

    QList<QList<FieldEdit>> m_undoSteps;
    QList<QList<FieldEdit>> m_redoSteps;
    bool m_replaying = false;

    // The set the match was last opened from, and its digest then; empty once its log is open.
    QString m_openedName;
    QByteArray m_openedDigest;

    Kilpailu &m_kilpailu;
    std::unique_ptr<Kilpailu> m_snapshot;
    EntryLog m_log;
    QString m_source = QStringLiteral("office");
    QTimer m_lookTimer;
    QTimer m_commitTimer;
    qint64 m_uncommitted = 0;
    qint64 m_committed = 0;
    bool m_failureReported = false;
    bool m_appendFailed = false; // a change since the last commit could not be written
};

} // namespace marvola
