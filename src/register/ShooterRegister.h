// The shooter register: shooters, their equipment and their results, kept between matches in an
// SQLite file of its own (never the match's files).
#pragma once

#include "model/Disciplines.h"
#include "model/Extras.h"
#include "model/Records.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <memory>
#include <optional>

namespace marvola {

struct Kilpailu;
struct Tulokset;

// What the register keeps of one discipline of a shooter: the class and equipment last used.
struct ShooterDiscipline
{
    QString luokka;
    QString ase;
    QString malli;
    QString kaliiperi;
    bool isEmpty() const
    {
        return luokka.isEmpty() && ase.isEmpty() && malli.isEmpty() && kaliiperi.isEmpty();
    }
    friend bool operator==(const ShooterDiscipline &, const ShooterDiscipline &) = default;
};

// One shooter as the register holds it (and as a match or an import hands one to it).
struct Shooter
{
    std::int64_t id = 0; // 0 until stored
    QString nimi;
    QString seura;
    QString maa;
    CompetitorExtras extras; // member number, e-mail, shares gun with, left-handed
    // The language the shooter reads: "en", "fi", "sv"; empty for the program's own. Given empty,
    // the register keeps what it has.
    QString language;
    PerLaji<std::optional<ShooterDiscipline>> lajit; // by discipline index; none: not known
};

// A line of the search's list: enough to tell two shooters apart.
struct ShooterMatch
{
    std::int64_t id = 0;
    QString nimi;
    QString seura;
    QString maa;
    QString memberNumber;
};

// One result of a shooter at a match added to the register.
struct ShooterResult
{
    QDate date; // the match's first day
    QString place;
    QString discipline; // its code, "BBPR"
    QString luokka;
    std::int32_t total = 0;
    // The position the discipline's list gives: the overall first three are numbered overall,
    // every other shooter within his class section; none for a row the list leaves out.
    std::optional<std::int32_t> position;
    bool overallPosition = false;
};

// How a list of shooters went into the register.
struct ShootersStored
{
    int added = 0;
    int updated = 0;
    // The register's id of each shooter given, in the order given.
    QList<std::int64_t> ids;
};

// How a match's results went into the register.
struct MatchAdded
{
    bool replaced = false; // the match was in the register already: its rows were replaced
    int shootersAdded = 0;
    int shootersUpdated = 0;
    int results = 0;
};

// What an add did, as the window and the batch mode tell it.
QString registerAddedMessage(const MatchAdded &added, const QString &fileName);

// Folds a name or a member number for the search: accents dropped, case folded, blanks
// simplified ("Ärväs  Éva" -> "arvas eva").
QString searchKey(const QString &text);

// The register's file when nothing else is chosen: shooters.sqlite in the user's data folder.
QString defaultRegisterFile();
// The file chosen in the settings, or the default.
QString registerFile();
// Chooses the file; an empty name goes back to the default.
void setRegisterFile(const QString &fileName);

// One shooter of the match's register (slot), as the register keeps him: the disciplines entered
// carry their class and equipment.
Shooter shooterOfCompetitor(const Kilpailu &kilpailu, int slot);

// An open register file. Every change is one transaction; a failed one changes nothing.
class ShooterRegister
{
public:
    enum class Mode { CreateIfMissing, ExistingOnly };

    // Opens the register, making a new one when the file is missing and the mode allows it.
    // A file that is not a register (another database, another program's file, a register of a
    // newer version) is refused with the error and left untouched.
    static std::unique_ptr<ShooterRegister> open(
        const QString &fileName, Mode mode, QString &error);
    ~ShooterRegister();
    ShooterRegister(const ShooterRegister &) = delete;
    ShooterRegister &operator=(const ShooterRegister &) = delete;

    QString fileName() const { return m_fileName; }

    // Shooters whose name (either way round: "Last First" or "First Last") or member number
    // begins with the text, folded as searchKey folds it; at most limit, by name.
    QList<ShooterMatch> search(const QString &text, int limit, QString &error);
    std::optional<Shooter> shooter(std::int64_t id, QString &error);
    QList<ShooterResult> results(std::int64_t id, QString &error);
    int shooterCount(QString &error);

    // Adds or updates the shooters, in one transaction: a shooter is found by his member number,
    // else by his name and club; found, his name, club and nationality follow the one given, and
    // whatever else is given (an e-mail, a discipline's class or gun) replaces what was kept; a
    // blank never erases. Nothing, with the error, when the transaction fails.
    // The register's shooter that the competitor is, found as storeShooters finds him; nothing,
    // with the error empty, when the register does not know him.
    std::optional<Shooter> registeredShooter(const Shooter &competitor, QString &error);

    std::optional<ShootersStored> storeShooters(const QList<Shooter> &shooters, QString &error);

    // Adds the match's competitors and results (the ranked tables of the match, refreshed). A
    // match is known by its place, first and last day and organising club: added again, its
    // results replace the ones added before.
    std::optional<MatchAdded> addMatch(
        const Kilpailu &kilpailu, const Tulokset &tulokset, QString &error);

private:
    ShooterRegister(QString fileName, QString connectionName);
    bool prepareSchema(bool created, QString &error);
    bool upgradeSchema(QString &error);
    std::optional<std::int64_t> findShooter(const Shooter &shooter, QString &error);
    std::optional<std::int64_t> storeShooter(const Shooter &shooter, bool &added, QString &error);
    QSqlDatabase database() const;

    QString m_fileName;
    QString m_connectionName;
};

// Where a competitor's sheet goes and in which language: the e-mail of the match (an import or
// the entry), else the register's; the language from the register.
struct CompetitorContact
{
    QString email;
    QString language;
};
// By slot; without a register, only the match's e-mails. Empty, with the error, when the
// register cannot be read.
QHash<int, CompetitorContact> competitorContacts(const Kilpailu &kilpailu,
    ShooterRegister *shooterRegister, const QList<int> &chosen, QString &error);

} // namespace marvola
