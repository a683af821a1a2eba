#include "app/CommandLine.h"

#include "app/LiveBoard.h"
#include "files/MatchFiles.h"
#include "files/SafeFile.h"
#include "import/ImportPlan.h"
#include "log/EntryLog.h"
#include "log/MailStore.h"
#include "log/StationStore.h"
#include "mail/SheetMail.h"
#include "model/Plausibility.h"
#include "output/CompetitorExport.h"
#include "output/CsvExport.h"
#include "output/ListStatusRules.h"
#include "output/ReportRender.h"
#include "output/ResultReport.h"
#include "output/ResultSheet.h"
#include "output/ResultWorkbook.h"
#include "output/ScoreCards.h"
#include "ranking/Ranking.h"
#include "ranking/ShootOffs.h"
#include "register/ShooterRegister.h"
#include "relays/RelayDraw.h"
#include "relays/StartList.h"
#include "session/MatchSession.h"
#include "upload/Connection.h"
#include "upload/Statements.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlDatabase>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#if defined(Q_OS_UNIX)
#include <csignal>
#include <termios.h>
#include <unistd.h>
#endif

namespace marvola {

namespace {

void printError(const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Options that take a value, and where the value goes.
QString *valueTarget(CommandLine &c, const QString &option)
{
    if (option == QLatin1String("--save"))
        return &c.saveTo;
    if (option == QLatin1String("--csv"))
        return &c.csvTo;
    if (option == QLatin1String("--xlsx"))
        return &c.xlsxTo;
    if (option == QLatin1String("--pdf"))
        return &c.pdfTo;
    if (option == QLatin1String("--html"))
        return &c.htmlTo;
    if (option == QLatin1String("--lists"))
        return &c.lists;
    if (option == QLatin1String("--upload"))
        return &c.uploadGroups;
    if (option == QLatin1String("--db"))
        return &c.dbHost;
    if (option == QLatin1String("--db-user"))
        return &c.dbUser;
    if (option == QLatin1String("--db-ca"))
        return &c.dbCaFile;
    if (option == QLatin1String("--serve"))
        return &c.serve;
    if (option == QLatin1String("--log"))
        return &c.logTo;
    if (option == QLatin1String("--add-station"))
        return &c.addStation;
    if (option == QLatin1String("--disciplines"))
        return &c.stationDisciplines;
    if (option == QLatin1String("--revoke-station"))
        return &c.revokeStation;
    if (option == QLatin1String("--import"))
        return &c.importFrom;
    if (option == QLatin1String("--sheet"))
        return &c.sheet;
    if (option == QLatin1String("--live"))
        return &c.live;
    if (option == QLatin1String("--register"))
        return &c.registerFile;
    if (option == QLatin1String("--export-competitors"))
        return &c.exportCompetitorsTo;
    if (option == QLatin1String("--relay-plan"))
        return &c.relayPlanFile;
    if (option == QLatin1String("--seed"))
        return &c.seed;
    if (option == QLatin1String("--start-list"))
        return &c.startListTo;
    if (option == QLatin1String("--post"))
        return &c.postLists;
    if (option == QLatin1String("--window"))
        return &c.challengeWindow;
    if (option == QLatin1String("--declare-official"))
        return &c.declareLists;
    if (option == QLatin1String("--reopen"))
        return &c.reopenLists;
    if (option == QLatin1String("--reason"))
        return &c.reopenReason;
    if (option == QLatin1String("--sheets"))
        return &c.sheetsTo;
    if (option == QLatin1String("--smtp"))
        return &c.smtp;
    if (option == QLatin1String("--smtp-user"))
        return &c.smtpUser;
    if (option == QLatin1String("--from"))
        return &c.mailFrom;
    if (option == QLatin1String("--only"))
        return &c.only;
    if (option == QLatin1String("--cards"))
        return &c.cardsTo;
    if (option == QLatin1String("--relay"))
        return &c.cardsRelay;
    return nullptr;
}

// The groups named by --upload, in any order; "all" for every group.
std::optional<ChosenGroups> parseUploadGroups(const QString &text, QString &error)
{
    ChosenGroups groups{};
    if (text.trimmed().compare(QLatin1String("all"), Qt::CaseInsensitive) == 0) {
        groups.fill(true);
        return groups;
    }
    for (const QString &name : text.split(QLatin1Char(','))) {
        const QString wanted = name.trimmed();
        bool known = false;
        for (int g = 0; g < GroupCount; ++g) {
            if (wanted.compare(QString::fromLatin1(Groups[g].code), Qt::CaseInsensitive) == 0) {
                groups[g] = true;
                known = true;
            }
        }
        if (!known) {
            error = QCoreApplication::translate("CommandLine",
                "Unknown group \"%1\" for --upload: give FP, BBP, SBP, SBR "
                "and BBR separated by commas, or all.")
                        .arg(wanted);
            return std::nullopt;
        }
    }
    return groups;
}

#if defined(Q_OS_UNIX)
// The terminal as it was before the password was asked, for a Ctrl-C in the middle.
termios shownTerminal{};

extern "C" void restoreTerminalAndDie(int signal)
{
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &shownTerminal);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

constexpr int InterruptSignals[] = {SIGINT, SIGTERM, SIGQUIT, SIGHUP};
#endif

// A password from the environment variable, or typed without echo on a terminal. Never from the
// command line, where every user of the machine could read it.
std::optional<QString> askPassword(const char *variable, const QString &user, const QString &host)
{
    if (qEnvironmentVariableIsSet(variable))
        return qEnvironmentVariable(variable);
#if defined(Q_OS_UNIX)
    if (isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &shownTerminal) == 0) {
        std::fprintf(stderr, "Password for %s on %s: ", qPrintable(user), qPrintable(host));
        std::fflush(stderr);
        // An interrupted prompt must not leave the official's terminal without echo.
        for (int signal : InterruptSignals)
            std::signal(signal, restoreTerminalAndDie);
        termios hidden = shownTerminal;
        hidden.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
        std::string typed;
        int ch;
        while ((ch = std::getchar()) != EOF && ch != '\n')
            typed.push_back(char(ch));
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &shownTerminal);
        for (int signal : InterruptSignals)
            std::signal(signal, SIG_DFL);
        std::fputc('\n', stderr);
        const QString password = QString::fromLocal8Bit(typed);
        std::fill(typed.begin(), typed.end(), '\0');
        return password;
    }
#endif
    return std::nullopt;
}

// The upload's password: MARVOLA_DB_PASSWORD, or typed.
std::optional<QString> uploadPassword(const CommandLine &c, QString &error)
{
    if (std::optional<QString> password = askPassword("MARVOLA_DB_PASSWORD", c.dbUser, c.dbHost))
        return password;
    error = QCoreApplication::translate("CommandLine",
        "No password for the upload: set MARVOLA_DB_PASSWORD, or run on a "
        "terminal to type it.");
    return std::nullopt;
}

// Sends the ticked groups as the database dialog does; progress and the outcome on stderr.
int uploadResults(const CommandLine &c, const ChosenGroups &groups, const Kilpailu &kilpailu,
    const Tulokset &tulokset)
{
    ConnectionSettings settings;
    settings.HostName = c.dbHost;
    settings.User_Name = c.dbUser;
    // The CA file and the unencrypted tick that the login remembers for this host.
    settings.security = rememberedSecurity(c.dbHost);
    if (!c.dbCaFile.isEmpty())
        settings.security.caFile = c.dbCaFile;
    QString error;
    const std::optional<QString> password = uploadPassword(c, error);
    if (!password) {
        printError(error);
        return 1;
    }
    settings.Password = *password;

    const QString connectionName = QStringLiteral("Marvola batch upload");
    int status = 1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(UploadDriver, connectionName);
        printError(QCoreApplication::translate("CommandLine", "Connecting to %1 as %2.")
                       .arg(c.dbHost, c.dbUser));
        const ConnectionResult connected = openConnection(db, settings);
        settings.Password.clear();
        if (!connected.ok()) {
            printError(connected.error);
        } else {
            printError(encryptionDescription(connected));
            const QList<KilpailutRivi> rows = rowsToSend(kilpailu, tulokset, groups);
            const SendMode mode = c.replace ? SendMode::Replace : SendMode::Append;
            const SendOutcome outcome = sendRows(db, rows, mode, [] {
                std::fputc('.', stderr);
                std::fflush(stderr);
            });
            if (!outcome.succeeded()) {
                if (outcome.begun > 0)
                    std::fputc('\n', stderr);
                printError(outcome.failure);
                if (outcome.unchanged)
                    printError(nothingChangedMessage());
            } else {
                printError(QCoreApplication::translate("CommandLine", "Siirto valmis!"));
                const int sent = static_cast<int>(rows.size());
                printError(c.replace ? QCoreApplication::translate("CommandLine",
                               "%n rows sent, replacing those sent earlier.", nullptr, sent)
                                     : QCoreApplication::translate(
                                         "CommandLine", "%n rows sent.", nullptr, sent));
                status = 0;
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connectionName);
    return status;
}

// A tab or line break inside a name would split the line of a --check report.
QString oneField(QString text)
{
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return text;
}

// One line per competitor and discipline: number, name, discipline code and the rules broken.
int printImplausibleResults(const Kilpailu &kilpailu)
{
    const QList<ImplausibleResult> found = implausibleResults(kilpailu);
    for (const ImplausibleResult &r : found) {
        const QString line = QStringLiteral("%1\t%2\t%3\t%4\n")
                                 .arg(r.numero)
                                 .arg(oneField(r.nimi), disciplineCode(r.d),
                                     oneField(r.rules.join(QStringLiteral("; "))));
        std::fputs(line.toUtf8().constData(), stdout);
    }
    return found.isEmpty() ? 0 : ImplausibleResultsFound;
}

// One line per undecided tie at a prize place: discipline code, class (empty for the overall
// places), places, then each competitor as number and name.
int printShootOffs(const Tulokset &tulokset)
{
    const UndecidedTies ties = undecidedTies(tulokset);
    for (const UndecidedTie &tie : ties) {
        QStringList fields{disciplineCode(tie.d), oneField(tie.luokka), tie.places()};
        for (const TiedCompetitor &c : tie.competitors)
            fields << QStringLiteral("%1 %2").arg(c.numero).arg(oneField(c.nimi));
        std::fputs(
            (fields.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8().constData(), stdout);
    }
    return ties.empty() ? 0 : ShootOffsFound;
}

// The bytes of a name that is not text: ASCII as it is, every other byte as \xHH.
QString bytesForMessage(const QByteArray &raw)
{
    QString shown;
    for (const char byte : raw) {
        const auto b = static_cast<unsigned char>(byte);
        shown += b >= 0x20 && b < 0x7F
            ? QString(QLatin1Char(byte))
            : QStringLiteral("\\x") + QString::number(b, 16).toUpper().rightJustified(2, u'0');
    }
    return shown;
}

// Applies the changes the entry log holds beyond the set on disk, all or none, and says how many
// on stderr. A log of another state of the set is not replayed. False with the error when the
// log cannot be read or holds a change this program cannot apply.
bool recoverChanges(const QString &chosenName, Kilpailu &kilpailu, QString &error)
{
    bool hasLog = false;
    const PendingChanges pending = readPendingChanges(chosenName, hasLog, error);
    if (!error.isEmpty())
        return false;
    if (!hasLog) {
        printError(QCoreApplication::translate(
            "CommandLine", "No changes to restore: the match has no entry log."));
        return true;
    }
    const qsizetype count = pending.changes.size();
    switch (pending.state) {
    case PendingChanges::State::None:
        printError(QCoreApplication::translate(
            "CommandLine", "No changes to restore: the saved set holds every change."));
        return true;
    case PendingChanges::State::OtherState:
        printError(QCoreApplication::translate("CommandLine",
            "%n changes in the entry log were made on another state of this "
            "match (it was saved elsewhere or replaced since) and are not "
            "restored.",
            nullptr, static_cast<int>(count)));
        return true;
    case PendingChanges::State::Restorable: break;
    }
    // Counted as the entries the office or the stations made, not the fields each touched.
    const int entries = static_cast<int>(pendingEntries(pending, kilpailu).size());
    if (!applyPendingChanges(kilpailu, pending, error))
        return false;
    // Until a translation gives the plural forms, one change is said apart: never "1 changes".
    const QString last = pending.last.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (entries == 1)
        printError(pending.last.isValid() ? QCoreApplication::translate(
                       "CommandLine", "1 change restored from the entry log, made at %1.")
                                                .arg(last)
                                          : QCoreApplication::translate("CommandLine",
                                              "1 change restored from the entry log."));
    else
        printError(pending.last.isValid()
                ? QCoreApplication::translate("CommandLine",
                    "%n changes restored from the entry log, the last made at %1.", nullptr,
                    entries)
                      .arg(last)
                : QCoreApplication::translate(
                    "CommandLine", "%n changes restored from the entry log.", nullptr, entries));
    return true;
}

// Before a recovered or imported match is saved over its own set: the log records the intent with
// the digest the set is about to have, so that a run killed between the files and the save event is
// not taken for a set replaced by someone else. False, with the error said, when the log cannot
// take it.
bool noteBatchSaving(const QString &from, const QString &saveTo, const WriteGroup &set)
{
    const QString source = entryLogFileName(from);
    if (!QFileInfo::exists(source)
        || QFileInfo(source).absoluteFilePath()
            != QFileInfo(entryLogFileName(matchSaveName(saveTo))).absoluteFilePath())
        return true;
    QString error;
    EntryLog log;
    if (!log.open(source, EntryLog::Access::ReadWrite, error)
        || !log.appendSetEvent(
            ChangeKind::Saving, QStringLiteral("batch"), saveTo, matchSetDigestOf(set.files), error)
        || !log.commit(error)) {
        printError(error);
        return false;
    }
    return true;
}

QString logElsewhereMessage(const QString &chosenName, const QString &holder)
{
    return QCoreApplication::translate("CommandLine",
        "The match %1 is open in a window on another computer (%2): its entry log is read and "
        "written on that computer only. Run this there.")
        .arg(QDir::toNativeSeparators(chosenName), holder);
}

// After a recovered or imported match was saved: the log of the saved set records the import's
// changes and the save, so that the window offers nothing more at its next open and the log
// tells where the competitors came from. Under another name the log is carried over.
void recordBatchSave(
    const QString &from, const QString &savedAs, const QList<FieldEdit> &imported = {})
{
    QString error;
    EntryLog log;
    const QString source = entryLogFileName(from);
    const QString target = entryLogFileName(savedAs);
    const bool carried
        = QFileInfo(source).absoluteFilePath() != QFileInfo(target).absoluteFilePath();
    bool ok = true;
    if (carried && QFileInfo::exists(source))
        ok = log.open(source, EntryLog::Access::ReadWrite, error) && log.copyTo(target, error);
    const QByteArray digest = ok ? matchSetDigest(savedAs, error) : QByteArray();
    ok = ok && !digest.isEmpty() && log.open(target, EntryLog::Access::ReadWrite, error);
    for (const FieldEdit &change : imported)
        ok = ok && log.append(change, error);
    ok = ok && log.appendSetEvent(ChangeKind::Save, QStringLiteral("batch"), savedAs, digest, error)
        && log.commit(error);
    // The files are saved; only the log's note of it is missing, so the run still succeeds.
    if (!ok)
        printError(error);
}

// The entry log as CSV; a match without a log gives the heading line only.
std::optional<QByteArray> entryLogCsvOf(const QString &chosenName, QString &error)
{
    const QString logName = entryLogFileName(chosenName);
    if (!QFileInfo::exists(logName))
        return entryLogCsv({});
    EntryLog log;
    if (!log.open(logName, EntryLog::Access::ReadOnly, error))
        return std::nullopt;
    QByteArray csv = log.eventsCsv(error);
    if (!error.isEmpty())
        return std::nullopt;
    return csv;
}

// --add-station prints "ID SECRET" on one line, for a script to turn into the station's link;
// --revoke-station refuses the station's requests from now on.
// The match's shooters and results into the register; what was done, or why not, on stderr.
bool addToRegister(ShooterRegister &shooters, const Kilpailu &kilpailu, const Tulokset &tulokset)
{
    QString error;
    const std::optional<MatchAdded> added = shooters.addMatch(kilpailu, tulokset, error);
    if (!added) {
        printError(error);
        return false;
    }
    printError(registerAddedMessage(*added, shooters.fileName()));
    return true;
}

int changeStations(const CommandLine &c)
{
    QString error;
    const auto fresh = std::make_unique<Kilpailu>();
    // The match is read first, so a log is never made beside something that is not a match.
    if (!loadMatchFileSet(c.matchFile, c.oldLayout, *fresh, error).kilpailu) {
        printError(error);
        return 1;
    }
    if (QString holder; heldOnAnotherComputer(c.matchFile, holder)) {
        printError(logElsewhereMessage(c.matchFile, holder));
        return 1;
    }
    EntryLog log;
    if (!log.open(entryLogFileName(c.matchFile), EntryLog::Access::ReadWrite, error)) {
        printError(error);
        return 1;
    }
    if (!c.revokeStation.isEmpty()) {
        if (!revokeStation(log, c.revokeStation, error)) {
            printError(error);
            return 1;
        }
        return 0;
    }
    const std::optional<QStringList> codes = parseDisciplineCodes(c.stationDisciplines, error);
    const std::optional<Station> station
        = codes ? addStation(log, c.addStation, *codes, error) : std::nullopt;
    if (!station) {
        printError(error);
        return 1;
    }
    std::printf("%s %s\n", qPrintable(station->id), station->secret.constData());
    return 0;
}

// The draw's seed as typed: decimal digits only.
std::optional<std::uint64_t> drawSeed(const QString &text)
{
    bool ok = false;
    const qulonglong seed = text.toULongLong(&ok);
    if (!ok || text.isEmpty() || !std::all_of(text.begin(), text.end(), [](QChar ch) {
            return ch >= u'0' && ch <= u'9';
        }))
        return std::nullopt;
    return seed;
}

// The relay of --relay: decimal digits only, a number a plan can have.
std::optional<int> cardsRelayNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > 4 || !std::all_of(text.begin(), text.end(), [](QChar ch) {
            return ch >= u'0' && ch <= u'9';
        }))
        return std::nullopt;
    const int number = text.toInt();
    if (number < 1 || number > MaxRelayNumber)
        return std::nullopt;
    return number;
}

// The score cards of the run's plan and places (after its draw): all, or one relay's.
std::optional<QByteArray> scoreCardsPdf(const CommandLine &c, const Kilpailu &kilpailu)
{
    CardChoice choice;
    if (!c.cardsRelay.isEmpty()) {
        choice.by = CardChoice::By::Relay;
        choice.relay = *cardsRelayNumber(c.cardsRelay);
        if (!kilpailu.relayPlan.relay(choice.relay)) {
            printError(QCoreApplication::translate("CommandLine", "The relay plan has no relay %1.")
                           .arg(choice.relay));
            return std::nullopt;
        }
    }
    QByteArray pdf;
    const ReportFileResult result = renderScoreCardsPdf(
        scoreCards(kilpailu, choice), CardPaper::A4FourUp, cardHeading(kilpailu.tiedot), &pdf);
    if (!result.ok) {
        printError(result.error);
        return std::nullopt;
    }
    return pdf;
}

// The relay options go together and with the other batch options, not with a server or a
// station's change.
bool checkRelayOptions(const CommandLine &c, QString &error)
{
    if (!c.hasRelayWork())
        return true;
    if (!c.cardsRelay.isEmpty() && c.cardsTo.isEmpty()) {
        error = QCoreApplication::translate("CommandLine", "--relay goes with --cards.");
        return false;
    }
    if (!c.serve.isEmpty() || !c.live.isEmpty() || !c.addStation.isEmpty()
        || !c.revokeStation.isEmpty()) {
        error = c.cardsTo.isEmpty()
            ? QCoreApplication::translate("CommandLine",
                "--relay-plan, --draw, --seed and --start-list do not go with --serve, --live, "
                "--add-station or --revoke-station.")
            : QCoreApplication::translate("CommandLine",
                "--cards does not go with --serve, --live, --add-station or --revoke-station.");
        return false;
    }
    if (!c.cardsRelay.isEmpty() && !cardsRelayNumber(c.cardsRelay)) {
        error = QCoreApplication::translate(
            "CommandLine", "--relay needs a relay number from 1 to %1, not \"%2\".")
                    .arg(MaxRelayNumber)
                    .arg(c.cardsRelay);
        return false;
    }
    if (!c.seed.isEmpty() && !c.draw) {
        error = QCoreApplication::translate("CommandLine", "--seed goes with --draw.");
        return false;
    }
    if (!c.seed.isEmpty() && !drawSeed(c.seed)) {
        error = QCoreApplication::translate("CommandLine",
            "--seed needs a whole number from 0 to 18446744073709551615, not \"%1\".")
                    .arg(c.seed);
        return false;
    }
    return true;
}

// The lists a status option names, by caption in printing order.
std::optional<QStringList> statusLists(const QString &option, const QString &text, QString &error)
{
    if (text.isEmpty())
        return QStringList();
    const std::optional<PrintSelection> selection = parsePrintSelection(text, error);
    if (!selection) {
        error = QStringLiteral("%1: %2").arg(option, error);
        return std::nullopt;
    }
    return selectedCaptions(*selection);
}

std::optional<int> challengeMinutesOf(const QString &text)
{
    bool ok = false;
    const int minutes = text.toInt(&ok);
    if (!ok || minutes < 0 || minutes > MaxChallengeMinutes || !text.front().isDigit())
        return std::nullopt;
    return minutes;
}

// A change of the lists' status saves the set at once and records the save in its log: entries
// a lost window left in the log, not in the set, would no longer be offered. They are restored
// first, with --recover or in the window. False, with the refusal said, when they are there.
bool statusRunKeepsUnsavedEntries(const CommandLine &c, const QString &saveTo)
{
    if (!c.hasStatusWork() || c.recover
        || QFileInfo(entryLogFileName(c.matchFile)).absoluteFilePath()
            != QFileInfo(entryLogFileName(matchSaveName(saveTo))).absoluteFilePath())
        return true;
    QString error;
    bool hasLog = false;
    const PendingChanges pending = readPendingChanges(c.matchFile, hasLog, error);
    if (!error.isEmpty()) {
        printError(error);
        return false;
    }
    if (pending.state != PendingChanges::State::Restorable)
        return true;
    printError(QCoreApplication::translate("CommandLine",
        "The entry log of %1 holds entries made after the last save: restore them first (add "
        "--recover, or open the match in the window). Nothing was written.")
                   .arg(QDir::toNativeSeparators(c.matchFile)));
    return false;
}

// The status options name lists the print dialog knows; a reopening has its reason.
bool checkStatusOptions(const CommandLine &c, QString &error)
{
    if (!c.challengeWindow.isEmpty() && c.postLists.isEmpty()) {
        error = QCoreApplication::translate("CommandLine", "--window goes with --post.");
        return false;
    }
    if (!c.challengeWindow.isEmpty() && !challengeMinutesOf(c.challengeWindow)) {
        error = QCoreApplication::translate(
            "CommandLine", "--window needs the challenge window in minutes, 0 to %1, not \"%2\".")
                    .arg(MaxChallengeMinutes)
                    .arg(c.challengeWindow);
        return false;
    }
    if (!c.reopenReason.isEmpty() && c.reopenLists.isEmpty()) {
        error = QCoreApplication::translate("CommandLine", "--reason goes with --reopen.");
        return false;
    }
    if (!c.reopenLists.isEmpty() && c.reopenReason.trimmed().isEmpty()) {
        error = QCoreApplication::translate(
            "CommandLine", "--reopen needs the reason: --reason TEXT.");
        return false;
    }
    if (c.hasStatusWork()
        && (!c.serve.isEmpty() || !c.live.isEmpty() || !c.addStation.isEmpty()
            || !c.revokeStation.isEmpty())) {
        error = QCoreApplication::translate("CommandLine",
            "--post, --declare-official and --reopen do not go with --serve, --live, "
            "--add-station or --revoke-station.");
        return false;
    }
    return statusLists(QStringLiteral("--post"), c.postLists, error)
        && statusLists(QStringLiteral("--declare-official"), c.declareLists, error)
        && statusLists(QStringLiteral("--reopen"), c.reopenLists, error);
}

// The run's changes of the lists' status: reopened first, then posted, then declared official.
// A posting names the undecided ties at prize places it leaves; an early declaration says so.
void changeListStatus(const CommandLine &c, Kilpailu &kilpailu)
{
    QString ignored;
    const QDateTime now = QDateTime::currentDateTime();
    reopenLists(kilpailu, *statusLists({}, c.reopenLists, ignored), c.reopenReason.trimmed());
    const QStringList posted = *statusLists({}, c.postLists, ignored);
    if (!posted.isEmpty()) {
        const int minutes = c.challengeWindow.isEmpty() ? kilpailu.challengeMinutes
                                                        : *challengeMinutesOf(c.challengeWindow);
        postLists(kilpailu, posted, now, minutes);
        for (const UndecidedTie &tie : tiesInLists(kilpailu, posted))
            printError(postedTieWarning(tie));
    }
    const QStringList declared = *statusLists({}, c.declareLists, ignored);
    for (const QString &caption : listsStillOpenToChallenge(kilpailu, declared, now)) {
        const ListStatus status = statusOfList(kilpailu, caption);
        printError(status.state == ListState::Provisional
                ? QCoreApplication::translate("CommandLine",
                    "%1 is declared official before its challenge window ends at %2.")
                      .arg(caption, status.challengeUntil().toString(QStringLiteral("HH:mm")))
                : QCoreApplication::translate(
                    "CommandLine", "%1 is declared official without having been posted.")
                      .arg(caption));
    }
    declareOfficial(kilpailu, declared, now);
}

// What a step of the run changed, with its source and time, after the run's earlier changes: the
// log gets them with the save, as it gets the window's.
void noteChanges(
    const Kilpailu &before, const Kilpailu &after, const QString &source, QList<FieldEdit> &changes)
{
    const QDateTime now = QDateTime::currentDateTime();
    for (FieldEdit change : matchDifferences(before, after)) {
        change.source = source;
        change.time = now;
        changes << change;
    }
}

// The plan's lines that are not relays, one LINE<TAB>REASON each on stderr.
std::optional<RelayPlan> readRelayPlan(const QString &fileName)
{
    const ParsedRelayPlan parsed = readRelayPlanFile(fileName);
    for (const QString &line : parsed.errors)
        printError(line);
    if (!parsed.ok())
        return std::nullopt;
    return parsed.plan;
}

// The entries the draw left out, NUMBER<TAB>CODE<TAB>REASON on stdout.
int printEntriesLeftOut(const DrawResult &draw)
{
    for (const LeftOutEntry &e : draw.leftOut) {
        const QString line = QStringLiteral("%1\t%2\t%3\n")
                                 .arg(e.entry.numero)
                                 .arg(disciplineCode(e.entry.d), oneField(e.reason));
        std::fputs(line.toUtf8().constData(), stdout);
    }
    return draw.leftOut.isEmpty() ? 0 : EntriesLeftOut;
}

// The workbook is one of the batch's outputs: an .xlsx file, not beside a server or a station's
// change, which run on their own.
bool checkWorkbookOption(const CommandLine &c, QString &error)
{
    if (c.xlsxTo.isEmpty())
        return true;
    if (!c.serve.isEmpty() || !c.addStation.isEmpty() || !c.revokeStation.isEmpty()) {
        error = QCoreApplication::translate(
            "CommandLine", "--xlsx does not go with --serve, --add-station or --revoke-station.");
        return false;
    }
    if (QFileInfo(c.xlsxTo).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) != 0) {
        error = QCoreApplication::translate("CommandLine", "--xlsx writes an .xlsx file, not %1.")
                    .arg(QDir::toNativeSeparators(c.xlsxTo));
        return false;
    }
    return true;
}

} // namespace

std::optional<QStringList> decodeArguments(int argc, const char *const *argv, QString &error)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        const QString decoded = QFile::decodeName(raw);
        // A name the system's encoding cannot carry would be opened or written under another
        // name; it is refused instead.
        if (QFile::encodeName(decoded) != raw) {
            error = QCoreApplication::translate("CommandLine",
                "The name %1 is not valid in this system's character encoding; "
                "rename the file or use a UTF-8 name.")
                        .arg(bytesForMessage(raw));
            return std::nullopt;
        }
        arguments << decoded;
    }
    return arguments;
}

QString usageText()
{
    QString text = QCoreApplication::translate("CommandLine",
        "Usage: marvola [MATCH.mrv] [options]\n"
        "\n"
        "Without options the program opens its window, with MATCH.mrv loaded when given.\n"
        "Batch mode (no window, no display needed) loads MATCH.mrv and writes:\n"
        "  --save OUT.mrv     the match file set named by OUT.mrv\n"
        "  --csv OUT.csv      the nine CSV files named by OUT.csv\n"
        "  --pdf OUT.pdf      the printed lists as a PDF file\n"
        "  --html OUT.html    the printed lists as an HTML file\n"
        "  --lists LISTS      the lists to print: check-box captions separated by commas,\n"
        "                     for example \"BBPR,BBP Aggr,Standing Team\", or all (the default)\n"
        "  --serve [HOST:]PORT  serve the live results on the network until Ctrl+C, reloading\n"
        "                     the match when its files change; HOST defaults to all\n"
        "                     interfaces (for example --serve 8080 or --serve 127.0.0.1:8080)\n"
        "  --check            list the results that look wrong, one line each (number, name,\n"
        "                     discipline, rules broken, separated by tabs); exit status 3 when\n"
        "                     there are some, 0 when none\n"
        "  --shoot-offs       list the ties the results leave undecided at a prize place\n"
        "                     (the first three of a discipline and of each class), one line\n"
        "                     each: discipline, class (empty for the overall places), places,\n"
        "                     then each competitor's number and name, separated by tabs;\n"
        "                     exit status 3 when there are some, 0 when none\n"
        "  --recover          first apply the changes the entry log holds beyond the saved\n"
        "                     set (as the window offers at an open), and say how many; with\n"
        "                     --save the log records the save\n"
        "  --log OUT.csv      the entry log as CSV (UTF-8): time, source, kind, number,\n"
        "                     discipline, field, old, new\n"
        "  --add-station NAME a scoring station for phones on the firing line; prints its\n"
        "                     id and secret on one line: ID SECRET (the station's link is\n"
        "                     http://ADDRESS:PORT/station#ID.SECRET)\n"
        "    --disciplines CODES  the disciplines it may score (BBPR,BBPC,...; default all)\n"
        "  --revoke-station ID  the station's requests are refused from now on\n"
        "  --live [HOST:]PORT opens the window with the live results and the scoring stations\n"
        "                     served (not a batch option)\n"
        "  --old-layout       read the match file of the old version (\"Load old version files\")\n"
        "  --upload GROUPS    send the results of the groups (FP,BBP,SBP,SBR,BBR separated by\n"
        "                     commas, or all) to the results database, as the database dialog\n"
        "                     does; progress on stderr, exit status 0 only when all was sent\n"
        "    --db HOST[:PORT]   the database server (needed)\n"
        "    --db-user USER     the user name (needed); the password is read from the\n"
        "                       environment variable MARVOLA_DB_PASSWORD or, when that is\n"
        "                       unset, asked on the terminal; never given on the command line\n"
        "    --db-ca FILE       the CA certificate that signed the server's certificate\n"
        "                       (default: the one remembered for the host, else the system's)\n"
        "    --replace          replace the rows sent earlier for this match and its disciplines,\n"
        "                       in one transaction: on any failure nothing is changed\n"
        "  --version          the program's version\n"
        "  --help             this text\n");
    text += QCoreApplication::translate("CommandLine",
        "\n"
        "The results workbook (in one run with the other outputs, such as --csv and --pdf):\n"
        "  --xlsx OUT.xlsx    the results as a workbook: a sheet per printed list, named by\n"
        "                     its caption, with the rows and columns of its tab, figures as\n"
        "                     numbers; and a sheet of the competitors with their member\n"
        "                     numbers and entered disciplines\n");
    text += QCoreApplication::translate("CommandLine",
        "\n"
        "Competitors from a list, into MATCH.mrv:\n"
        "  --import FILE      adds and updates the competitors of a CSV or XLSX file;\n"
        "                     prints LINE<TAB>REASON for each row not imported and ends\n"
        "                     with the counts on stderr; without --save nothing is\n"
        "                     written (a dry run); exit status 3 when rows were refused\n"
        "    --sheet NAME       the workbook's sheet to read (default the first)\n");
    // The shooter register's part, a text of its own.
    const QString registerPart = QCoreApplication::translate("CommandLine",
        "\nThe shooter register and the competitor list:\n"
        "  --to-register      adds the match's shooters and results to the shooter register\n"
        "                     (a match added again replaces its results there)\n"
        "    --register FILE    the register's file (default: the one chosen in the window,\n"
        "                       else shooters.sqlite in the user's data folder)\n"
        "  --export-competitors OUT.csv|OUT.xlsx\n"
        "                     writes the competitor list, one row per competitor and\n"
        "                     discipline, with the headings the import reads\n");
    text += registerPart;
    text += QCoreApplication::translate("CommandLine",
        "\n"
        "Relays (in one run with each other and with the options above; --save keeps the\n"
        "plan and the places with the match):\n"
        "  --relay-plan FILE  the relay plan as CSV: the heading\n"
        "                     disciplines;relay;start;minutes;points, then one relay a line,\n"
        "                     separated by ; or , (for example BBPR BBPC;1;08:00;45;20, the\n"
        "                     disciplines separated by blanks); a malformed line is printed\n"
        "                     as LINE<TAB>REASON, exit status 1, nothing written\n"
        "  --draw             draw every entered discipline of every competitor into the\n"
        "                     plan's relays and points; each entry that cannot be placed is\n"
        "                     printed as NUMBER<TAB>CODE<TAB>REASON, exit status 3\n"
        "    --seed N         the draw's seed: the same seed and match give the same draw\n"
        "                     (without it a new seed, printed on stderr)\n"
        "  --start-list OUT.csv  the start list (UTF-8): relay;start;point;number;name;club;\n"
        "                     discipline, one line per place, by relay and point\n");
    // The score cards' part, a text of its own.
    text += QCoreApplication::translate("CommandLine",
        "  --cards OUT.pdf    the score cards, four to an A4 page: one per entered discipline\n"
        "                     of each competitor, by relay and point, those without a place\n"
        "                     last; each with the barcode NUMBER/CODE\n"
        "    --relay N        only the cards of relay N\n");
    text += QCoreApplication::translate("CommandLine",
        "\n"
        "The lists' status (kept in MATCH.mrv at once, without --save; LISTS are the print\n"
        "captions separated by commas, or all):\n"
        "  --post LISTS       posts the lists as provisional results; a challenge window\n"
        "                     starts (the match's, 60 minutes unless set); an undecided tie\n"
        "                     at a prize place is named on stderr\n"
        "    --window MIN       the challenge window of this posting, in minutes\n"
        "  --declare-official LISTS  declares the lists official; before the challenge\n"
        "                     window has ended the run goes ahead and says so on stderr\n"
        "  --reopen LISTS     reopens official lists, with --reason TEXT\n"
        "A change that would alter an official list (an import, a recovery) is refused\n"
        "with exit status 1 and nothing is written.\n");
    text += QCoreApplication::translate("CommandLine",
        "\n"
        "Result sheets (a page per competitor, in the competitor's language where the\n"
        "shooter register has one, else the program's):\n"
        "  --sheets OUT.pdf   one PDF, a page per competitor in number order\n"
        "  --sheets DIR/      a PDF per competitor in the folder, named NUMBER-NAME.pdf\n"
        "  --mail-sheets      each competitor with an e-mail address (the match's, else the\n"
        "                     register's) gets their sheet as a PDF; a line per competitor on\n"
        "                     stderr; each message is kept in the entry log, and a competitor\n"
        "                     whose sheet the server took before is skipped; exit status 0\n"
        "                     only when every message was accepted\n"
        "    --smtp HOST[:PORT] the mail server (needed; port 587 with STARTTLS, or 465 with\n"
        "                       TLS); a server without either is refused unless it is this\n"
        "                       computer or --smtp-allow-unencrypted is given\n"
        "    --from ADDRESS     the sender's address (needed)\n"
        "    --smtp-user USER   log in as USER; the password is read from the environment\n"
        "                       variable MARVOLA_SMTP_PASSWORD or, when that is unset, asked\n"
        "                       on the terminal; never given on the command line\n"
        "    --smtp-allow-unencrypted  accept a server that offers no encryption\n"
        "    --resend           send also to those who have their sheet\n"
        "  --only NUMBERS     only these competitors (12,15,20-25) for --sheets and\n"
        "                     --mail-sheets\n"
        "  --register FILE    the shooter register the languages and addresses come from\n"
        "                     (default: the one chosen in the window, when it exists)\n");
    return text;
}

std::optional<CommandLine> parseCommandLine(const QStringList &arguments, QString &error)
{
    CommandLine c;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            c.help = true;
        } else if (arg == QLatin1String("--version")) {
            c.version = true;
        } else if (arg == QLatin1String("--check")) {
            c.check = true;
        } else if (arg == QLatin1String("--shoot-offs")) {
            c.shootOffs = true;
        } else if (arg == QLatin1String("--old-layout")) {
            c.oldLayout = true;
        } else if (arg == QLatin1String("--recover")) {
            c.recover = true;
        } else if (arg == QLatin1String("--replace")) {
            c.replace = true;
        } else if (arg == QLatin1String("--to-register")) {
            c.toRegister = true;
        } else if (arg == QLatin1String("--draw")) {
            c.draw = true;
        } else if (arg == QLatin1String("--mail-sheets")) {
            c.mailSheets = true;
        } else if (arg == QLatin1String("--resend")) {
            c.resend = true;
        } else if (arg == QLatin1String("--smtp-allow-unencrypted")) {
            c.smtpAllowUnencrypted = true;
        } else if (QString *target = valueTarget(c, arg)) {
            if (i + 1 >= arguments.size()) {
                const bool fileName = target != &c.uploadGroups && target != &c.dbHost
                    && target != &c.dbUser && target != &c.serve && target != &c.addStation
                    && target != &c.stationDisciplines && target != &c.revokeStation
                    && target != &c.live && target != &c.seed && target != &c.smtp
                    && target != &c.smtpUser && target != &c.mailFrom && target != &c.only
                    && target != &c.cardsRelay;
                error = target == &c.serve || target == &c.live
                    ? QCoreApplication::translate("CommandLine", "%1 needs [HOST:]PORT.").arg(arg)
                    : QCoreApplication::translate("CommandLine", "%1 needs %2.")
                          .arg(arg,
                              fileName ? QCoreApplication::translate("CommandLine", "a file name")
                                       : QCoreApplication::translate("CommandLine", "a value"));
                return std::nullopt;
            }
            *target = arguments[++i];
        } else if (arg.startsWith(QLatin1String("--"))) {
            error = QCoreApplication::translate("CommandLine", "Unknown option %1.").arg(arg);
            return std::nullopt;
        } else if (c.matchFile.isEmpty()) {
            c.matchFile = arg;
        } else {
            error = QCoreApplication::translate("CommandLine", "Only one match file can be given.");
            return std::nullopt;
        }
    }
    if (!c.help && !c.version && c.isBatch() && c.matchFile.isEmpty()) {
        error = QCoreApplication::translate(
            "CommandLine", "Batch mode needs the match file to read.");
        return std::nullopt;
    }
    if (c.uploadGroups.isEmpty()
        && (!c.dbHost.isEmpty() || !c.dbUser.isEmpty() || !c.dbCaFile.isEmpty() || c.replace)) {
        error = QCoreApplication::translate(
            "CommandLine", "--db, --db-user, --db-ca and --replace go with --upload.");
        return std::nullopt;
    }
    if (!c.uploadGroups.isEmpty() && (c.dbHost.isEmpty() || c.dbUser.isEmpty())) {
        error = QCoreApplication::translate(
            "CommandLine", "--upload needs --db HOST[:PORT] and --db-user USER.");
        return std::nullopt;
    }
    if (!c.serve.isEmpty()
        && (c.check || c.shootOffs || c.recover || !c.logTo.isEmpty() || !c.saveTo.isEmpty()
            || !c.csvTo.isEmpty() || !c.pdfTo.isEmpty() || !c.htmlTo.isEmpty()
            || !c.uploadGroups.isEmpty())) {
        error = QCoreApplication::translate("CommandLine",
            "--serve runs on its own, without --save, --csv, --pdf, --html, "
            "--check, --shoot-offs, --upload, --recover or --log.");
        return std::nullopt;
    }
    if (!c.serve.isEmpty() && !parseServeAddress(c.serve, error))
        return std::nullopt;
    if (!c.registerFile.isEmpty() && !c.toRegister && c.sheetsTo.isEmpty() && !c.mailSheets) {
        error = QCoreApplication::translate(
            "CommandLine", "--register goes with --to-register, --sheets or --mail-sheets.");
        return std::nullopt;
    }
    if (!c.mailSheets
        && (!c.smtp.isEmpty() || !c.smtpUser.isEmpty() || !c.mailFrom.isEmpty() || c.resend
            || c.smtpAllowUnencrypted)) {
        error = QCoreApplication::translate("CommandLine",
            "--smtp, --smtp-user, --from, --resend and --smtp-allow-unencrypted go with "
            "--mail-sheets.");
        return std::nullopt;
    }
    if (c.mailSheets && (c.smtp.isEmpty() || c.mailFrom.isEmpty())) {
        error = QCoreApplication::translate(
            "CommandLine", "--mail-sheets needs --smtp HOST[:PORT] and --from ADDRESS.");
        return std::nullopt;
    }
    if (!c.only.isEmpty() && c.sheetsTo.isEmpty() && !c.mailSheets) {
        error = QCoreApplication::translate(
            "CommandLine", "--only goes with --sheets or --mail-sheets.");
        return std::nullopt;
    }
    const bool stationWork = !c.addStation.isEmpty() || !c.revokeStation.isEmpty();
    if (!c.sheet.isEmpty() && c.importFrom.isEmpty()) {
        error = QCoreApplication::translate("CommandLine", "--sheet goes with --import.");
        return std::nullopt;
    }
    if (!c.stationDisciplines.isEmpty() && c.addStation.isEmpty()) {
        error = QStringLiteral("--disciplines goes with --add-station.");
        return std::nullopt;
    }
    if (stationWork
        && ((!c.addStation.isEmpty() && !c.revokeStation.isEmpty()) || !c.serve.isEmpty() || c.check
            || c.shootOffs || c.recover || !c.logTo.isEmpty() || !c.saveTo.isEmpty()
            || !c.csvTo.isEmpty() || !c.pdfTo.isEmpty() || !c.htmlTo.isEmpty()
            || !c.uploadGroups.isEmpty() || !c.live.isEmpty())) {
        error = QStringLiteral("--add-station and --revoke-station run on their own.");
        return std::nullopt;
    }
    if (!c.live.isEmpty() && (c.isBatch() || c.matchFile.isEmpty())) {
        error = QStringLiteral("--live opens the window with a match: marvola MATCH.mrv --live "
                               "[HOST:]PORT, without batch options.");
        return std::nullopt;
    }
    if (!c.live.isEmpty() && !parseServeAddress(c.live, error))
        return std::nullopt;
    if (!checkRelayOptions(c, error) || !checkWorkbookOption(c, error)
        || !checkStatusOptions(c, error))
        return std::nullopt;
    return c;
}

namespace {

// The competitors of --import added to and updated in the match, as the window's import does
// once confirmed, except that a suspected duplicate or a text too long is not imported. Each row
// left out is printed as "LINE<TAB>REASON"; the counts go to stderr. Nothing, with the error
// said, when the file cannot be read or has no names; otherwise the exit status. The languages
// the file gives go to `languages` by slot, for the shooter register.
std::optional<int> importCompetitors(
    const CommandLine &c, Kilpailu &kilpailu, QHash<int, QString> &languages)
{
    QString error;
    const std::optional<ImportTable> table = readImportFile(c.importFrom, c.sheet, error);
    if (!table) {
        printError(error);
        return std::nullopt;
    }
    const QList<ImportColumn> columns = recogniseHeadings(table->headings);
    const QString fileName = QFileInfo(c.importFrom).fileName();
    if (!hasNameColumn(columns)) {
        printError(QCoreApplication::translate("CommandLine",
            "%1 has no column of names (name, nimi, namn or last name): nothing is imported.")
                       .arg(fileName));
        return std::nullopt;
    }
    const ImportPlan plan = planImport(*table, columns, kilpailu);
    if (!plan.ignoredHeadings.isEmpty())
        printError(QCoreApplication::translate("CommandLine", "Columns not imported: %1.")
                       .arg(plan.ignoredHeadings.join(QStringLiteral(", "))));
    int refused = 0;
    QByteArray report;
    for (const ImportRow &row : plan.rows) {
        if (row.status != ImportStatus::Refused && row.status != ImportStatus::Duplicate)
            continue;
        ++refused;
        for (const int line : row.competitor.lines)
            report += QByteArray::number(line) + '\t' + oneField(row.reason).toUtf8() + '\n';
    }
    std::fputs(report.constData(), stdout);
    applyImport(plan, kilpailu);
    for (int slot = 1; slot <= MaxKilpailijat; ++slot)
        if (!kilpailu.kilpailijat[slot].Nimi.isEmpty())
            if (const QString language = importedLanguage(plan, kilpailu, slot);
                !language.isEmpty())
                languages.insert(slot, language);
    printError(QCoreApplication::translate("CommandLine", "%1 added, %2 updated, %3 refused")
                   .arg(plan.added())
                   .arg(plan.updated())
                   .arg(refused));
    return refused > 0 ? ImportRowsRefused : 0;
}

} // namespace

std::optional<QList<int>> parseNumberList(const QString &text, QString &error)
{
    QList<int> numbers;
    const QStringList parts
        = text.split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts);
    constexpr int MaxNumber = 1000000;
    for (const QString &part : parts) {
        const QStringList range = part.split(QLatin1Char('-'));
        bool firstOk = false;
        bool lastOk = range.size() == 1;
        const int first = range.first().toInt(&firstOk);
        const int last = range.size() == 2 ? range.last().toInt(&lastOk) : first;
        if (range.size() > 2 || !firstOk || !lastOk || first < 1 || last < first || last > MaxNumber
            || last - first > MaxKilpailijat) {
            error = QCoreApplication::translate(
                "CommandLine", "--only takes competitor numbers such as 12,15,20-25, not \"%1\".")
                        .arg(part);
            return std::nullopt;
        }
        for (int n = first; n <= last; ++n)
            numbers << n;
    }
    if (numbers.isEmpty()) {
        error = QCoreApplication::translate("CommandLine", "--only names no competitor.");
        return std::nullopt;
    }
    return numbers;
}

namespace {

// The competitors of --sheets and --mail-sheets, in number order.
QList<int> chosenCompetitors(const Kilpailu &kilpailu, const std::optional<QList<int>> &only)
{
    QList<int> chosen;
    for (int slot : competitorSlotsByNumber(kilpailu))
        if (!only || only->contains(kilpailu.kilpailijat[slot].Numero))
            chosen << slot;
    return chosen;
}

// The register the languages and addresses come from: the one named, which must open, else the
// chosen one when it exists.
std::unique_ptr<ShooterRegister> contactRegister(const CommandLine &c, bool &failed)
{
    QString error;
    failed = false;
    if (c.registerFile.isEmpty()) {
        if (!QFileInfo::exists(registerFile()))
            return nullptr;
        std::unique_ptr<ShooterRegister> chosen
            = ShooterRegister::open(registerFile(), ShooterRegister::Mode::ExistingOnly, error);
        if (!chosen)
            printError(error);
        return chosen;
    }
    std::unique_ptr<ShooterRegister> named
        = ShooterRegister::open(c.registerFile, ShooterRegister::Mode::ExistingOnly, error);
    if (!named) {
        printError(error);
        failed = true;
    }
    return named;
}

// --sheets: one PDF of every chosen competitor, or a file each in the folder.
std::optional<QList<FileContent>> sheetFiles(const CommandLine &c, const Kilpailu &kilpailu,
    const Tulokset &tulokset, const QList<int> &chosen, const QHash<int, QString> &languages)
{
    QString error;
    const bool folder = c.sheetsTo.endsWith(QLatin1Char('/')) || QFileInfo(c.sheetsTo).isDir();
    if (!folder) {
        ResultSheets sheets(kilpailu, tulokset, chosen, languages);
        QByteArray pdf;
        const ReportFileResult result = renderPdf(sheets.callbacks(), &pdf);
        if (!result.ok) {
            printError(result.error);
            return std::nullopt;
        }
        return QList<FileContent>{{c.sheetsTo, pdf}};
    }
    const QDir dir(c.sheetsTo);
    if (!QDir().mkpath(dir.path())) {
        printError(QCoreApplication::translate("CommandLine", "The folder %1 cannot be made.")
                       .arg(QDir::toNativeSeparators(dir.path())));
        return std::nullopt;
    }
    QList<FileContent> files;
    SheetPdfMaker maker(kilpailu, tulokset, languages);
    for (int slot : chosen) {
        const std::optional<QByteArray> pdf = maker.make(slot, error);
        if (!pdf) {
            printError(error);
            return std::nullopt;
        }
        const TKilpailija &k = kilpailu.kilpailijat[slot];
        files.append({dir.filePath(sheetFileName(k.Numero, k.Nimi.text())), *pdf});
    }
    return files;
}

// --mail-sheets: a line per competitor on stderr; 0 only when every message was accepted.
int mailSheetsBatch(const CommandLine &c, const Kilpailu &kilpailu, const Tulokset &tulokset,
    const QList<int> &chosen, const QHash<int, CompetitorContact> &contacts)
{
    QString error;
    SheetMailRun run;
    if (!parseSmtpAddress(c.smtp, run.server, error)) {
        printError(error);
        return 1;
    }
    if (!isMailAddress(c.mailFrom)) {
        printError(QCoreApplication::translate(
            "CommandLine", "--from needs an e-mail address, not \"%1\".")
                       .arg(c.mailFrom));
        return 1;
    }
    run.from = c.mailFrom;
    run.resend = c.resend;
    run.server.allowUnencrypted = c.smtpAllowUnencrypted;
    run.server.user = c.smtpUser;
    if (!c.smtpUser.isEmpty()) {
        const std::optional<QString> password
            = askPassword("MARVOLA_SMTP_PASSWORD", c.smtpUser, c.smtp);
        if (!password) {
            printError(QCoreApplication::translate("CommandLine",
                "No password for the mail server: set MARVOLA_SMTP_PASSWORD, or run on a "
                "terminal to type it."));
            return 1;
        }
        run.server.password = *password;
    }
    if (QString holder; heldOnAnotherComputer(c.matchFile, holder)) {
        printError(logElsewhereMessage(c.matchFile, holder));
        return 1;
    }
    EntryLog log;
    if (!log.open(entryLogFileName(c.matchFile), EntryLog::Access::ReadWrite, error)) {
        printError(error);
        return 1;
    }
    const QSet<QString> sent = sheetMailsAccepted(log, error);
    if (!error.isEmpty()) {
        printError(error);
        return 1;
    }
    bool allAccepted = true;
    const auto done = [&](const SheetMailOutcome &outcome, int, int) {
        if (outcome.kind == SheetMailOutcome::Kind::Failed)
            allAccepted = false;
        printError(sheetMailLine(outcome));
    };
    if (!mailSheets(log, kilpailu, tulokset, sheetMailRecipients(kilpailu, contacts, chosen, sent),
            run, done, {}, error)) {
        printError(error);
        return 1;
    }
    return allAccepted ? 0 : 1;
}

} // namespace

int runBatch(const CommandLine &c)
{
    // A change of the lists' status is kept at once, in the set, like a station added.
    const QString saveTo = c.saveTo.isEmpty() && c.hasStatusWork() ? c.matchFile : c.saveTo;
    if (c.help) {
        std::fputs(qPrintable(usageText()), stdout);
        return 0;
    }
    if (c.version) {
        // The first line as help2man reads it: the program's name, then its version.
        std::fputs("marvola " MARVOLA_VERSION "\n", stdout);
        return 0;
    }

    if (!c.serve.isEmpty())
        return serveLiveResults(c);
    if (!c.addStation.isEmpty() || !c.revokeStation.isEmpty())
        return changeStations(c);

    QString error;
    // The lists to print and the groups to send are checked before the match is read.
    const std::optional<ListSelection> selection = parseListSelection(c.lists, error);
    if (!selection) {
        printError(error);
        return 1;
    }
    std::optional<QList<int>> onlyNumbers;
    if (!c.only.isEmpty()) {
        onlyNumbers = parseNumberList(c.only, error);
        if (!onlyNumbers) {
            printError(error);
            return 1;
        }
    }
    std::optional<ChosenGroups> groupsToSend;
    if (!c.uploadGroups.isEmpty()) {
        groupsToSend = parseUploadGroups(c.uploadGroups, error);
        if (!groupsToSend) {
            printError(error);
            return 1;
        }
    }

    if (!c.exportCompetitorsTo.isEmpty() && !competitorListFormat(c.exportCompetitorsTo)) {
        printError(QCoreApplication::translate(
            "CommandLine", "--export-competitors writes a .csv or an .xlsx file, not %1.")
                       .arg(QDir::toNativeSeparators(c.exportCompetitorsTo)));
        return 1;
    }
    // A file that is not a register is refused before anything is read or written.
    std::unique_ptr<ShooterRegister> shooterRegister;
    if (c.toRegister) {
        shooterRegister
            = ShooterRegister::open(c.registerFile.isEmpty() ? registerFile() : c.registerFile,
                ShooterRegister::Mode::CreateIfMissing, error);
        if (!shooterRegister) {
            printError(error);
            return 1;
        }
    }
    // The plan is read before the match, so that a malformed one stops the run at once.
    std::optional<RelayPlan> relayPlan;
    if (!c.relayPlanFile.isEmpty()) {
        relayPlan = readRelayPlan(c.relayPlanFile);
        if (!relayPlan)
            return 1;
    }

    // The entry log is read and written on the computer whose window has the set open only.
    if (c.recover || !c.logTo.isEmpty()) {
        if (QString holder; heldOnAnotherComputer(c.matchFile, holder)) {
            printError(logElsewhereMessage(c.matchFile, holder));
            return 1;
        }
    }
    // Recovery is for a set whose window is gone: while a window holds it, its log grows under
    // the batch, and a copy of it beside another set would list entries that set never got.
    if (c.recover) {
        if (const QString holder = setHolder(c.matchFile); !holder.isEmpty()) {
            printError(QCoreApplication::translate("CommandLine",
                "The match %1 is open for writing in a window (%2): its changes are kept by that "
                "window; close it there before recovering.")
                           .arg(QDir::toNativeSeparators(c.matchFile), holder));
            return 1;
        }
    }
    // A window that has the set open writes it; a batch save beside it would drop its changes.
    if (!saveTo.isEmpty()) {
        if (const QString holder = setHolder(saveTo); !holder.isEmpty()) {
            printError(QCoreApplication::translate("CommandLine",
                "The match %1 is open for writing in a window (%2): close it there, or save "
                "under another name.")
                           .arg(QDir::toNativeSeparators(saveTo), holder));
            return 1;
        }
    }
    QString unreadable;
    const QByteArray targetAtStart
        = saveTo.isEmpty() ? QByteArray() : matchSetDigest(saveTo, unreadable);
    const auto fresh = std::make_unique<Kilpailu>();
    LoadedMatch loaded = loadMatchFileSet(c.matchFile, c.oldLayout, *fresh, error);
    if (!loaded.kilpailu) {
        printError(error);
        return 1;
    }
    Kilpailu &kilpailu = *loaded.kilpailu;
    // Official results are compared with the set as read, whatever the run changes.
    const auto asRead = std::make_unique<Kilpailu>(kilpailu);
    if (c.recover && !recoverChanges(c.matchFile, kilpailu, error)) {
        printError(error);
        return 1;
    }
    int imported = 0;
    QList<FieldEdit> batchChanges;
    QHash<int, QString> importedLanguages;
    if (!c.importFrom.isEmpty()) {
        const auto before = std::make_unique<Kilpailu>(kilpailu);
        const std::optional<int> status = importCompetitors(c, kilpailu, importedLanguages);
        if (!status)
            return 1;
        imported = *status;
        noteChanges(*before, kilpailu,
            EditOrigin::importOf(QFileInfo(c.importFrom).fileName()).source, batchChanges);
    }
    // The plan and the draw are kept with the match: a run that saves keeps them, and its log
    // says so, like any change of the window.
    std::optional<DrawResult> draw;
    if (relayPlan || c.draw) {
        const auto before = std::make_unique<Kilpailu>(kilpailu);
        if (relayPlan)
            kilpailu.relayPlan = *relayPlan;
        if (c.draw) {
            if (kilpailu.relayPlan.relays.isEmpty()) {
                printError(QCoreApplication::translate("CommandLine",
                    "--draw needs a relay plan: --relay-plan FILE, or a match that keeps one."));
                return 1;
            }
            std::uint64_t seed = 0;
            if (c.seed.isEmpty()) {
                seed = QRandomGenerator::global()->generate64();
                printError(QCoreApplication::translate("CommandLine", "Draw seed: %1").arg(seed));
            } else {
                seed = *drawSeed(c.seed);
            }
            draw = drawRelays(kilpailu, kilpailu.relayPlan, kilpailu.assignments, seed);
            kilpailu.assignments = draw->assignments;
        }
        noteChanges(*before, kilpailu, QStringLiteral("batch"), batchChanges);
    }
    if (c.hasStatusWork()) {
        if (!statusRunKeepsUnsavedEntries(c, saveTo))
            return 1;
        const auto before = std::make_unique<Kilpailu>(kilpailu);
        changeListStatus(c, kilpailu);
        noteChanges(*before, kilpailu, QStringLiteral("batch"), batchChanges);
    }
    if (const QString refusal = officialListsGuard(*asRead, kilpailu); !refusal.isEmpty()) {
        printError(refusal);
        return 1;
    }
    const bool logsTheSave = c.recover || !batchChanges.isEmpty();
    // Refusals come before any output, so a refused run writes nothing.
    if ((!c.csvTo.isEmpty() || !c.xlsxTo.isEmpty()) && !hasCompetitorsToExport(kilpailu)) {
        printError(nothingToExportMessage());
        return 1;
    }

    // Every output is made in memory first and all are written together at the end: a run that
    // fails writes nothing. The match file set is one group under its own lock and commit record,
    // the other outputs one group per folder; each group is replaced whole, also across a crash.
    QList<WriteGroup> groups;
    QList<FileContent> outputs;
    if (!saveTo.isEmpty()) {
        // As in the window, the notice of an empty match does not stop the save.
        if (kilpailu.kilpailijat.highestOccupied() == 0)
            printError(nothingToSaveMessage());
        // The summary file holds the lines the main window shows after this load.
        const QStringList summary = matchSummaryLines(kilpailu.tiedot, c.oldLayout);
        WriteGroup set;
        if (!matchFileSetContents(saveTo, kilpailu, summary, &set, error)) {
            printError(error);
            return 1;
        }
        groups << set;
    }

    // The window's tab lines are not needed: every output reads the tables.
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(kilpailu, *tulokset, TabLines::Skip);

    if (!c.csvTo.isEmpty())
        outputs += csvFiles(*tulokset, c.csvTo);
    if (!c.xlsxTo.isEmpty()) {
        const std::optional<QByteArray> workbook = resultWorkbookXlsx(kilpailu, *tulokset, error);
        if (!workbook) {
            printError(error);
            return 1;
        }
        outputs.append({c.xlsxTo, *workbook});
    }

    if (!c.exportCompetitorsTo.isEmpty()) {
        const std::optional<QByteArray> list
            = competitorListFile(kilpailu, c.exportCompetitorsTo, error);
        if (!list) {
            printError(error);
            return 1;
        }
        outputs.append({c.exportCompetitorsTo, *list});
    }
    if (!c.startListTo.isEmpty())
        outputs.append(
            {c.startListTo, startListCsv(kilpailu, kilpailu.relayPlan, kilpailu.assignments)});
    if (!c.cardsTo.isEmpty()) {
        const std::optional<QByteArray> cards = scoreCardsPdf(c, kilpailu);
        if (!cards)
            return 1;
        outputs.append({c.cardsTo, *cards});
    }

    if (!c.logTo.isEmpty()) {
        const std::optional<QByteArray> csv = entryLogCsvOf(c.matchFile, error);
        if (!csv) {
            printError(error);
            return 1;
        }
        outputs.append({c.logTo, *csv});
    }

    if (!c.pdfTo.isEmpty() || !c.htmlTo.isEmpty()) {
        ResultReport report(kilpailu.tiedot, *tulokset, selection->results);
        report.setRelayLists(kilpailu, selection->relays);
        report.setListStatus(kilpailu.listStatus);
        const std::pair<QString, decltype(&renderPdf)> reports[]
            = {{c.pdfTo, &renderPdf}, {c.htmlTo, &renderHtml}};
        for (const auto &[fileName, render] : reports) {
            if (fileName.isEmpty())
                continue;
            QByteArray bytes;
            const ReportFileResult result
                = render(report.callbacks(), &bytes, QPageSize(QPageSize::A4), ReportProgress{});
            if (!result.ok) {
                printError(result.error);
                return 1;
            }
            outputs.append({fileName, bytes});
        }
    }

    // The sheets and the mail: each competitor in the language the register knows for him.
    QHash<int, CompetitorContact> contacts;
    const QList<int> sheetCompetitors = chosenCompetitors(kilpailu, onlyNumbers);
    if (!c.sheetsTo.isEmpty() || c.mailSheets) {
        bool registerFailed = false;
        std::unique_ptr<ShooterRegister> known = contactRegister(c, registerFailed);
        if (registerFailed)
            return 1;
        contacts = competitorContacts(kilpailu, known.get(), sheetCompetitors, error);
        if (!error.isEmpty()) {
            printError(error);
            return 1;
        }
    }
    if (!c.sheetsTo.isEmpty() && sheetCompetitors.isEmpty()) {
        printError(QCoreApplication::translate(
            "CommandLine", "No competitor has a result sheet to make."));
        return 1;
    }
    if (!c.sheetsTo.isEmpty()) {
        QHash<int, QString> languages;
        for (auto it = contacts.cbegin(); it != contacts.cend(); ++it)
            languages.insert(it.key(), it->language);
        const std::optional<QList<FileContent>> sheets
            = sheetFiles(c, kilpailu, *tulokset, sheetCompetitors, languages);
        if (!sheets)
            return 1;
        outputs += *sheets;
    }

    if (!targetAtStart.isEmpty() && matchSetDigest(saveTo, unreadable) != targetAtStart) {
        printError(QCoreApplication::translate("CommandLine",
            "The match %1 was changed on disk while this run read it: nothing is written.")
                       .arg(QDir::toNativeSeparators(saveTo)));
        return 1;
    }
    if (logsTheSave && !groups.isEmpty() && !noteBatchSaving(c.matchFile, saveTo, groups.first()))
        return 1;
    if (!writeGroupsSafely(groups + plainWriteGroups(outputs), error)) {
        printError(error);
        return 1;
    }
    if (logsTheSave && !saveTo.isEmpty())
        recordBatchSave(c.matchFile, matchSaveName(saveTo), batchChanges);
    // After the files: a register add can be made again, and replaces what it added before.
    if (shooterRegister && !addToRegister(*shooterRegister, kilpailu, *tulokset))
        return 1;
    // The languages of an import have no place in the match: they go to the register alone.
    if (shooterRegister && !importedLanguages.isEmpty()) {
        QList<Shooter> speakers;
        for (auto it = importedLanguages.cbegin(); it != importedLanguages.cend(); ++it) {
            Shooter shooter = shooterOfCompetitor(kilpailu, it.key());
            shooter.language = it.value();
            speakers << shooter;
        }
        if (!shooterRegister->storeShooters(speakers, error)) {
            printError(error);
            return 1;
        }
    }
    // The check's report comes first, then the shoot-offs and the entries the draw left out; a
    // failed send decides the exit status over them.
    const int checked = c.check ? printImplausibleResults(kilpailu) : 0;
    const int tied = c.shootOffs ? printShootOffs(*tulokset) : 0;
    const int placed = draw ? printEntriesLeftOut(*draw) : 0;
    if (groupsToSend) {
        if (const int sent = uploadResults(c, *groupsToSend, kilpailu, *tulokset); sent != 0)
            return sent;
    }
    if (c.mailSheets) {
        if (const int mailed = mailSheetsBatch(c, kilpailu, *tulokset, sheetCompetitors, contacts);
            mailed != 0)
            return mailed;
    }
    for (const int status : {checked, tied, imported, placed})
        if (status != 0)
            return status;
    return 0;
}

} // namespace marvola
