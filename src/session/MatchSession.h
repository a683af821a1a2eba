// The match being worked on: its registers, its file set and its entry log. Every change goes
// through here as an edit with a source, and each says what it changed, field by field.
#pragma once

#include "log/EntryLog.h"

#include <QLockFile>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

namespace marvola {

struct WriteGroup;

// Who made an edit, and which undo step it belongs to.
struct EditOrigin
{
    QString source = QStringLiteral("office"); // "office" or "station:ID" (the log's source)
    // The office's entry the edit is part of: edits with the same key join one undo step until
    // the official commits the field (closeStep). Empty: the edit is a step of its own.
    QString step{};
    // False for a correction the official did not type (a shot count the match information
    // cannot show, made the first one): logged, but the match is no more unsaved than before.
    bool marksUnsaved = true;
    // The whole edit is one undo step, whatever fields it changes (an import of competitors);
    // otherwise only the office's result entries are undone.
    bool wholeUndoStep = false;

    // An import of competitors from a file: logged with "import:FILE", undone whole.
    static EditOrigin importOf(const QString &fileName)
    {
        return {QStringLiteral("import:") + fileName, {}, true, true};
    }
};

class MatchSession : public QObject
{
    Q_OBJECT

public:
    // How long a change may wait for its commit to the log: well under a second.
    static constexpr int CommitDelayMs = 300;
    // How soon a log that could not be written is tried again, while changes wait for it.
    static constexpr int RetryDelayMs = 1000;

    // The session works on the registers it is given; the program writes them only through it.
    // What is in them already is the match as it stands, not a change.
    explicit MatchSession(Kilpailu &registers, QObject *parent = nullptr);
    ~MatchSession() override;

    const Kilpailu &match() const { return m_kilpailu; }
    bool isModified() const { return m_kilpailu.Muutettu; }
    // The set loaded or last saved; empty for a new match.
    QString fileName() const { return m_fileName; }

    // One edit: `change` writes into the registers, then what differs is logged with the origin's
    // source and announced (changed). Returns the changes; none when nothing differs.
    QList<FieldEdit> edit(
        const std::function<void(Kilpailu &)> &change, const EditOrigin &origin = {});
    // What may refuse an edit: given the match before and after it, the reason it is refused
    // (official results it would alter), or empty. A refused edit changes nothing, is not logged,
    // and is announced (refused).
    using ChangeGuard = std::function<QString(const Kilpailu &before, const Kilpailu &after)>;
    void setChangeGuard(ChangeGuard guard) { m_guard = std::move(guard); }
    // Why the change would be refused now, or empty; nothing is changed.
    QString refusalOf(const std::function<void(Kilpailu &)> &change) const;
    // Why the last edit, undo, redo or restore was refused; empty when it was not.
    QString lastRefusal() const { return m_lastRefusal; }

    // Edits that count only once they are on the disk, with the other writes of the log's
    // transaction under way (the scoring stations' entries): each is logged with its origin, the
    // transaction is committed, and only then do the registers take them. When the commit fails,
    // the whole transaction is given up and the registers stay as they were: false.
    using Edit = std::pair<std::function<void(Kilpailu &)>, EditOrigin>;
    bool editOnceCommitted(const QList<Edit> &edits);
    // The official has committed the field (Enter, Tab, leaving it): the next edit is a new step.
    void closeStep() { m_stepOpen = false; }

    // Undo and redo of the office's result entries (hits, totals, shoot-off entries) and of its
    // changes of the relays and the places in them, back to the last open, one step per entry.
    // The step's old values go back into the match as an edit of the office, logged as changes of
    // their own. The step's competitor slot and discipline (slot 0 for a step of the relays), or
    // nothing when there is none.
    struct Step
    {
        int slot = 0;
        QString discipline;
    };
    std::optional<Step> undo();
    std::optional<Step> redo();

    // One window writes a set: it holds the set's open lock while it has it open, and a second
    // window may open the same set read-only (nothing of it is written, not even its log).
    enum class Access { Write, ReadOnly };
    // Who has the set open for writing, other than this session: "process 4711 on office-2",
    // or empty when nobody has.
    QString holderOf(const QString &chosenName) const;
    bool isReadOnly() const { return m_readOnly; }

    // Loads the set in place of the match: on failure the match stays and the error says why.
    // What the set's log holds beyond the set on disk comes back to be offered (restore or
    // decline); the open is recorded once that is answered.
    std::optional<PendingChanges> open(
        const QString &chosenName, bool oldLayout, QString &error, Access access = Access::Write);
    // An empty match in place of this one, with no set yet: its first save asks for a name. The
    // previous set's log keeps what it had; its hold on the set is let go.
    void newMatch();
    // The offered changes go into the match, all or none, logged again after the open.
    bool restore(const PendingChanges &pending, QString &error);
    // The offered changes are not wanted (or cannot be restored): they are not offered again.
    void declineRestore();
    // Saves the match as the set (".mrv" added when missing) and records the save in its log.
    // A set changed on disk since it was opened or last saved here (another program, another
    // computer) is not replaced unless asked (ReplaceChanged): ChangedOnDisk says so.
    enum class SaveResult { Saved, Failed, ChangedOnDisk };
    enum class Overwrite { RefuseChanged, ReplaceChanged };
    SaveResult save(const QString &chosenName, const QStringList &summaryLines, QString &error,
        Overwrite overwrite = Overwrite::RefuseChanged);

    // The recently opened or saved matches, the latest first (settings "Marvola").
    static QStringList recentMatches();

    // The entry log.
    bool isLogging() const { return m_log.isOpen(); }
    // Opens the log of the set last opened or saved now, for the writes of the scoring stations;
    // false for a match that has no file set yet.
    bool ensureLog() { return startLog() && commitNow(); }
    EntryLog &log() { return m_log; }
    // Commits now; true when every change so far is on the disk.
    bool commitNow();
    // Changes committed since the program started, for a caller that reports them stored.
    qint64 committedCount() const { return m_committed; }

signals:
    // An edit changed these fields (each with its source, old and new value).
    void changed(const QList<FieldEdit> &changes);
    // An edit, undo or redo was refused and changed nothing: the reason, for the office. (A
    // refused restore gives it as its error instead.)
    void refused(const QString &reason);
    // A whole other match is in the registers: opened, or restored from the log.
    void replaced();
    void modifiedChanged(bool modified);
    void fileNameChanged(const QString &fileName);
    void recentMatchesChanged();
    // The log cannot be written (or was removed): said once, and the match goes on; the changes
    // wait in memory for the log.
    void logUnavailable(const QString &message);
    // The log is written again: every change that waited is on the disk.
    void logResumed();
    // Changes are on the disk.
    void committed(qint64 total);
    // Another log is open now, or none: what is kept in it (the scoring stations) is read again.
    void logSwitched();

private:
    void setModified(bool modified);
    void leaveSet();
    // Takes the set's open lock; false with the error naming who holds it.
    std::unique_ptr<QLockFile> holdSet(const QString &chosenName, QString &error) const;
    bool holdsSet(const QString &chosenName) const;
    void setFileName(const QString &fileName);
    void rememberRecentMatch(const QString &fileName);
    void reportFailure(const QString &error);
    bool openLog(const QString &fileName);
    bool startLog();
    bool appendUnlogged(QString &error);
    bool restartLogIfGone();
    // The entry log of the set just opened: what it holds beyond the set to offer.
    PendingChanges openSet(const QString &chosenName);
    bool settleOpen();
    void savedSet(const QString &chosenName);
    void noteSaving(const WriteGroup &files);
    void logChanges(const QList<FieldEdit> &changes);
    void keepUndoStep(const QList<FieldEdit> &changes, const EditOrigin &origin);
    std::optional<Step> replay(
        QList<QList<FieldEdit>> &from, QList<QList<FieldEdit>> &to, bool backwards);

    Kilpailu &m_kilpailu;
    ChangeGuard m_guard;
    QString m_lastRefusal;
    QString m_fileName;
    std::unique_ptr<QLockFile> m_openLock; // the set is this session's to write
    bool m_readOnly = false;
    QByteArray m_diskDigest; // the set on disk as opened or last saved here

    QList<QList<FieldEdit>> m_undoSteps;
    QList<QList<FieldEdit>> m_redoSteps;
    QString m_stepKey;
    bool m_stepOpen = false;
    bool m_replaying = false;
    bool m_restoring = false;

    // The set the match was last opened from, and its digest then; empty once its log is open.
    QString m_openedName;
    QByteArray m_openedDigest;

    // What waits for the log, oldest first: changes, and the open and save events (with the
    // set's digest); the first m_appended of them are in the log's transaction.
    struct LogItem
    {
        FieldEdit change;
        QByteArray digest;
    };
    QList<LogItem> m_unlogged;
    qsizetype m_appended = 0;
    bool m_oldLayout = false; // the set on disk is in the old match-file layout

    EntryLog m_log;
    QTimer m_commitTimer; // the commit a moment after a change, or the retry after a failure
    qint64 m_committed = 0;
    bool m_failureReported = false;
};

// Who has the set open for writing in a window: "process 4711 on office-2", or empty.
QString setHolder(const QString &chosenName);
// The set is open for writing in a window on another computer (holder says which): its entry
// log, SQLite in WAL mode, may then be opened on that computer only, since WAL's shared index
// does not reach across a network.
bool heldOnAnotherComputer(const QString &chosenName, QString &holder);

// What the entry log of the set holds beyond the set on disk, read without writing (the batch's
// `--recover`). No log: state None and hasLog false.
PendingChanges readPendingChanges(const QString &chosenName, bool &hasLog, QString &error);
// The entries the changes make, as the official thinks of them: a competitor's result or record
// in one discipline ("12 Virtanen Matti BBPR"), a team, the match information; each once, in
// the order first changed, named as the match holds them.
QStringList pendingEntries(const PendingChanges &pending, const Kilpailu &match);

// The restore of the window and of the batch: every change or none goes into the match. False
// with the error when one cannot be applied; the match is then as it was.
bool applyPendingChanges(Kilpailu &kilpailu, const PendingChanges &pending, QString &error);

} // namespace marvola
