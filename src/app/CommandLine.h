// The command line: batch mode (no window) and the match to open.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace marvola {

struct CommandLine
{
    QString matchFile; // MATCH.mrv, optional for the windowed program
    bool oldLayout = false;
    QString saveTo; // --save OUT.mrv
    QString csvTo; // --csv OUT.csv
    QString xlsxTo; // --xlsx OUT.xlsx: the results workbook
    QString pdfTo; // --pdf OUT.pdf
    QString htmlTo; // --html OUT.html
    QString lists = QStringLiteral("all"); // --lists, check-box captions separated by commas
    QString uploadGroups; // --upload, group names separated by commas, or all
    QString dbHost; // --db HOST[:PORT]
    QString dbUser; // --db-user USER
    QString dbCaFile; // --db-ca FILE, the CA of the server's certificate
    bool replace = false; // --replace
    QString serve; // --serve [HOST:]PORT: the live results until stopped
    bool check = false; // --check: list the results that look wrong
    bool shootOffs = false; // --shoot-offs: list the ties at prize places the results leave open
    bool recover = false; // --recover: apply the entry log's unsaved changes first
    QString logTo; // --log OUT.csv: the entry log as CSV
    QString addStation; // --add-station NAME: a scoring station, printed as "ID SECRET"
    QString stationDisciplines; // --disciplines BBPR,BBPC: what the new station may score
    QString revokeStation; // --revoke-station ID
    QString live; // --live [HOST:]PORT: the window opens with the live results served
    QString importFrom; // --import FILE: competitors from a CSV or XLSX file
    QString sheet; // --sheet NAME: the workbook's sheet to import, the first when empty
    QString registerFile; // --register FILE: the shooter register instead of the chosen one
    bool toRegister = false; // --to-register: the match's shooters and results into the register
    QString exportCompetitorsTo; // --export-competitors OUT.csv or OUT.xlsx
    QString relayPlanFile; // --relay-plan FILE: the relays as CSV; a second one replaces the first
    bool draw = false; // --draw: the entries drawn into the plan's relays and points
    QString seed; // --seed N: the draw's seed, a new one when not given
    QString startListTo; // --start-list OUT.csv
    QString postLists; // --post LISTS: the lists posted as provisional
    QString challengeWindow; // --window MIN: the posting's challenge window in minutes
    QString declareLists; // --declare-official LISTS
    QString reopenLists; // --reopen LISTS
    QString reopenReason; // --reason TEXT: why they are reopened
    QString sheetsTo; // --sheets OUT.pdf (one file) or DIR/ (a file per competitor)
    bool mailSheets = false; // --mail-sheets: each competitor's sheet to their e-mail address
    QString smtp; // --smtp HOST[:PORT]
    QString smtpUser; // --smtp-user USER; none: no login
    QString mailFrom; // --from ADDRESS
    QString only; // --only NUMBERS: the competitors of --sheets and --mail-sheets
    bool resend = false; // --resend: also to those the log says have their sheet
    bool smtpAllowUnencrypted = false; // --smtp-allow-unencrypted: a server without STARTTLS
    QString cardsTo; // --cards OUT.pdf: the score cards, four to an A4 page
    QString cardsRelay; // --relay N: only the cards of that relay
    bool help = false;
    bool version = false; // --version: the program's name and version

    bool isBatch() const
    {
        return help || version || check || shootOffs || recover || !logTo.isEmpty()
            || !saveTo.isEmpty() || !csvTo.isEmpty() || !pdfTo.isEmpty() || !htmlTo.isEmpty()
            || !uploadGroups.isEmpty() || !serve.isEmpty() || !addStation.isEmpty()
            || !revokeStation.isEmpty() || !importFrom.isEmpty() || toRegister
            || !exportCompetitorsTo.isEmpty() || !relayPlanFile.isEmpty() || draw
            || !startListTo.isEmpty() || !xlsxTo.isEmpty() || hasStatusWork()
            || !sheetsTo.isEmpty() || mailSheets || !cardsTo.isEmpty();
    }
    // A change of the lists' status is kept at once, in the set itself, with no --save.
    bool hasStatusWork() const
    {
        return !postLists.isEmpty() || !declareLists.isEmpty() || !reopenLists.isEmpty();
    }
    bool hasRelayWork() const
    {
        return !relayPlanFile.isEmpty() || draw || !seed.isEmpty() || !startListTo.isEmpty()
            || !cardsTo.isEmpty() || !cardsRelay.isEmpty();
    }
    // The printed lists are measured with fonts and so need a GUI application. The live results
    // and the upload keep the application they were tried with; a save, a CSV export and a check
    // need Qt Core only.
    bool needsGuiApplication() const
    {
        return !pdfTo.isEmpty() || !htmlTo.isEmpty() || !serve.isEmpty() || !uploadGroups.isEmpty()
            || !sheetsTo.isEmpty() || mailSheets || !cardsTo.isEmpty();
    }
};

// The arguments after the program name as file names and options; a byte string that does not
// decode and encode back to the same bytes is refused with the error.
std::optional<QStringList> decodeArguments(int argc, const char *const *argv, QString &error);

// Parses the arguments after the program name; on a usage error returns nothing and sets error.
std::optional<CommandLine> parseCommandLine(const QStringList &arguments, QString &error);
QString usageText();

// Exit status of a --check that found results breaking the plausibility rules (1 is an error).
constexpr int ImplausibleResultsFound = 3;
// Exit status of an --import that left rows out (the others are imported).
constexpr int ImportRowsRefused = 3;
// Exit status of a --shoot-offs that found ties waiting for a shoot-off.
constexpr int ShootOffsFound = 3;
// The competitors' numbers of --only: "12,15 20-25"; nothing, with the error, for anything else.
std::optional<QList<int>> parseNumberList(const QString &text, QString &error);

// Exit status of a --draw that left entries out (the others are placed).
constexpr int EntriesLeftOut = 3;

// Runs the batch work; messages go to stderr as the program would show them. Returns the exit
// status.
int runBatch(const CommandLine &commandLine);

} // namespace marvola
