// The shooter register: its file, the search as a name is typed, shooters stored and matches
// added.
#include "register/ShooterRegister.h"

#include "ranking/Ranking.h"
#include "support/MatchBuilder.h"
#include "support/ParamName.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>
#include <gtest/gtest.h>

using namespace marvola;
using marvola::testing::MatchBuilder;

namespace {

class ShooterRegisterTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    std::unique_ptr<ShooterRegister> openRegister(
        ShooterRegister::Mode mode = ShooterRegister::Mode::CreateIfMissing)
    {
        QString error;
        auto reg = ShooterRegister::open(m_file, mode, error);
        EXPECT_TRUE(reg) << error.toStdString();
        return reg;
    }
    static Shooter shooter(const QString &nimi, const QString &seura, const QString &member = {})
    {
        Shooter s;
        s.nimi = nimi;
        s.seura = seura;
        s.maa = QStringLiteral("FIN");
        s.extras.memberNumber = member;
        return s;
    }
    static ShootersStored store(ShooterRegister &reg, const QList<Shooter> &shooters)
    {
        QString error;
        const std::optional<ShootersStored> stored = reg.storeShooters(shooters, error);
        EXPECT_TRUE(stored) << error.toStdString();
        return stored.value_or(ShootersStored{});
    }
    static QStringList names(const QList<ShooterMatch> &found)
    {
        QStringList list;
        for (const ShooterMatch &m : found)
            list << m.nimi;
        return list;
    }
    // A pragma as another program reading the file sees it.
    QVariant pragmaOnDisk(const QString &pragma) const
    {
        QVariant value;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "reader");
            db.setDatabaseName(m_file);
            EXPECT_TRUE(db.open());
            QSqlQuery query(db);
            EXPECT_TRUE(query.exec(QStringLiteral("PRAGMA ") + pragma) && query.next());
            value = query.value(0);
        }
        QSqlDatabase::removeDatabase("reader");
        return value;
    }

    QTemporaryDir m_dir;
    QString m_file = path(QStringLiteral("shooters.sqlite"));
};

TEST(SearchKeyTest, FoldsAccentsCaseAndBlanks)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Virtanen Matti", "virtanen matti"},
        {"  ÄRVÄS   Éva ", "arvas eva"},
        {"Ørsted Åsa", "ørsted asa"}, // ø is a letter of its own, not o with a mark
        {"Müller-Lüdenscheidt", "muller-ludenscheidt"},
        {"", ""},
    };
    for (const auto &[typed, key] : cases)
        EXPECT_EQ(searchKey(QString::fromUtf8(typed)), QString::fromUtf8(key)) << typed;
}

TEST_F(ShooterRegisterTest, NewRegisterUsesARollbackJournalAndSaysWhatItIs)
{
    {
        auto reg = openRegister();
        ASSERT_TRUE(reg);
        store(*reg, {shooter(QStringLiteral("Ahola Aino"), QStringLiteral("SA"))});
    }
    EXPECT_EQ(pragmaOnDisk(QStringLiteral("journal_mode")).toString(), QStringLiteral("delete"));
    EXPECT_EQ(pragmaOnDisk(QStringLiteral("user_version")).toInt(), 2);
    EXPECT_NE(pragmaOnDisk(QStringLiteral("application_id")).toInt(), 0);
    // Opened again, it is the same register.
    auto again = openRegister(ShooterRegister::Mode::ExistingOnly);
    ASSERT_TRUE(again);
    QString error;
    EXPECT_EQ(again->shooterCount(error), 1);
}

TEST_F(ShooterRegisterTest, RegisterLeftInWalModeIsPutBackToARollbackJournal)
{
    openRegister().reset();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "writer");
        db.setDatabaseName(m_file);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    }
    QSqlDatabase::removeDatabase("writer");
    ASSERT_EQ(pragmaOnDisk(QStringLiteral("journal_mode")).toString(), QStringLiteral("wal"));
    openRegister().reset();
    EXPECT_EQ(pragmaOnDisk(QStringLiteral("journal_mode")).toString(), QStringLiteral("delete"));
}

// A register of the first version, without the shooters' languages, gains the column at its
// next open and keeps what it held.
TEST_F(ShooterRegisterTest, RegisterOfTheFirstVersionIsUpgradedWithTheLanguage)
{
    {
        auto reg = openRegister();
        ASSERT_TRUE(reg);
        store(*reg,
            {shooter(QStringLiteral("Ahola Aino"), QStringLiteral("SA"), QStringLiteral("7"))});
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "older");
        db.setDatabaseName(m_file);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("ALTER TABLE shooters DROP COLUMN language")));
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA user_version=1")));
    }
    QSqlDatabase::removeDatabase("older");

    auto reg = openRegister(ShooterRegister::Mode::ExistingOnly);
    ASSERT_TRUE(reg);
    EXPECT_EQ(pragmaOnDisk(QStringLiteral("user_version")).toInt(), 2);
    QString error;
    EXPECT_EQ(reg->shooterCount(error), 1);
    Shooter aino = shooter(QStringLiteral("Ahola Aino"), QStringLiteral("SA"), QStringLiteral("7"));
    EXPECT_EQ(reg->registeredShooter(aino, error)->language, QString());

    // A language is kept; a blank or a language the program does not speak keeps it.
    const struct
    {
        const char *given;
        const char *kept;
    } steps[] = {{"SV", "sv"}, {"", "sv"}, {"de", "sv"}, {"fi", "fi"}};
    for (const auto &step : steps) {
        aino.language = QString::fromLatin1(step.given);
        store(*reg, {aino});
        const std::optional<Shooter> found = reg->registeredShooter(aino, error);
        ASSERT_TRUE(found) << qPrintable(error);
        EXPECT_EQ(found->language, QString::fromLatin1(step.kept)) << step.given;
    }
    EXPECT_FALSE(
        reg->registeredShooter(shooter(QStringLiteral("Nobody"), QStringLiteral("SA")), error));
    EXPECT_TRUE(error.isEmpty());
}

// Files that are not registers: refused with a message, never written.
struct NotARegister
{
    const char *name;
    std::function<void(const QString &)> make;
};

class NotARegisterTest : public ShooterRegisterTest,
                         public ::testing::WithParamInterface<NotARegister>
{
};

TEST_P(NotARegisterTest, IsRefusedAndLeftUntouched)
{
    GetParam().make(m_file);
    QFile before(m_file);
    const QByteArray bytes = before.open(QIODevice::ReadOnly) ? before.readAll() : QByteArray();
    before.close();
    for (auto mode :
        {ShooterRegister::Mode::CreateIfMissing, ShooterRegister::Mode::ExistingOnly}) {
        QString error;
        EXPECT_FALSE(ShooterRegister::open(m_file, mode, error));
        EXPECT_TRUE(error.contains(QStringLiteral("shooters.sqlite"))) << error.toStdString();
    }
    QFile after(m_file);
    if (after.open(QIODevice::ReadOnly)) {
        EXPECT_EQ(after.readAll(), bytes);
    }
    EXPECT_FALSE(QFile::exists(m_file + QStringLiteral("-journal")));
}

void makeDatabase(const QString &file, const QStringList &statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "maker");
        db.setDatabaseName(file);
        ASSERT_TRUE(db.open());
        for (const QString &statement : statements)
            ASSERT_TRUE(QSqlQuery(db).exec(statement)) << statement.toStdString();
    }
    QSqlDatabase::removeDatabase("maker");
}

void writeBytes(const QString &file, const QByteArray &bytes)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

INSTANTIATE_TEST_SUITE_P(Files, NotARegisterTest,
    ::testing::Values(NotARegister{"AnotherDatabase",
                          [](const QString &f) {
                              makeDatabase(f,
                                  {QStringLiteral("CREATE TABLE t(x)"),
                                      QStringLiteral("INSERT INTO t VALUES (1)")});
                          }},
        NotARegister{"ANewerRegister",
            [](const QString &f) {
                makeDatabase(f,
                    {QStringLiteral("PRAGMA application_id=1299346259"),
                        QStringLiteral("PRAGMA user_version=99")});
            }},
        NotARegister{"TextFile", [](const QString &f) { writeBytes(f, "name;club\nAhola;SA\n"); }},
        NotARegister{"EmptyFile", [](const QString &f) { writeBytes(f, {}); }},
        NotARegister{"Folder", [](const QString &f) { QDir().mkpath(f); }}),
    marvola::testing::NamedBy<&NotARegister::name>());

TEST_F(ShooterRegisterTest, MissingRegisterIsNotMadeWhenOnlyAnExistingOneIsWanted)
{
    QString error;
    EXPECT_FALSE(ShooterRegister::open(m_file, ShooterRegister::Mode::ExistingOnly, error));
    EXPECT_FALSE(QFile::exists(m_file));
}

TEST_F(ShooterRegisterTest, SearchFindsByEitherNameOrderAndMemberNumberAsTyped)
{
    auto reg = openRegister();
    ASSERT_TRUE(reg);
    store(*reg,
        {shooter(QStringLiteral("Virtanen Matti"), QStringLiteral("SA"), QStringLiteral("F-1201")),
            shooter(QStringLiteral("Väisänen Ärni"), QStringLiteral("PSA"), QStringLiteral("F-88")),
            shooter(QStringLiteral("Mattila Ville"), QStringLiteral("RS")),
            shooter(QStringLiteral("Ahola Aino"), QStringLiteral("SA"), QStringLiteral("S-1200"))});
    const std::pair<const char *, QStringList> cases[] = {
        {"vir", {QStringLiteral("Virtanen Matti")}},
        {"VAIS", {QStringLiteral("Väisänen Ärni")}},
        {"matti vir", {QStringLiteral("Virtanen Matti")}}, // first name first
        {"matt", {QStringLiteral("Mattila Ville"), QStringLiteral("Virtanen Matti")}},
        {"arni vä", {QStringLiteral("Väisänen Ärni")}},
        {"f-12", {QStringLiteral("Virtanen Matti")}},
        {"s-1200", {QStringLiteral("Ahola Aino")}},
        {"tanen", {}}, // the middle of a name is no beginning
        {"  ", {}},
    };
    for (const auto &[typed, expected] : cases) {
        QString error;
        EXPECT_EQ(names(reg->search(QString::fromUtf8(typed), 10, error)), expected) << typed;
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    }
    QString error;
    EXPECT_EQ(reg->search(QStringLiteral("a"), 1, error).size(), 1);
}

TEST_F(ShooterRegisterTest, ShooterIsFoundByMemberNumberElseByNameAndClub)
{
    auto reg = openRegister();
    ASSERT_TRUE(reg);
    Shooter first = shooter(QStringLiteral("Virtanen Matti"), QStringLiteral("SA"), "F-1");
    first.extras.email = QStringLiteral("matti@example.org");
    first.lajit[BBPR] = ShooterDiscipline{"A", "Ruger", "MkII", "22"};
    const ShootersStored made = store(*reg,
        {first, shooter(QStringLiteral("Ahola Aino"), QStringLiteral("SA")),
            shooter(QStringLiteral("Ahola Aino"), QStringLiteral("RS"))});
    EXPECT_EQ(made.added, 3);

    // The same member number under a new name and club: the same shooter, renamed.
    Shooter renamed = shooter(QStringLiteral("Virtanen-Koski Matti"), QStringLiteral("PSA"), "f-1");
    renamed.lajit[BBPR] = ShooterDiscipline{"Int", "", "", ""};
    renamed.lajit[SBPR] = ShooterDiscipline{"B", "TC", "", ""};
    // The same name and club, a different case: the same shooter.
    const Shooter sameName = shooter(QStringLiteral("AHOLA AINO"), QStringLiteral("SA"), "F-2");
    // A member number another shooter of that name has not: a different person.
    const ShootersStored again = store(
        *reg, {renamed, sameName, shooter(QStringLiteral("Virtanen-Koski Matti"), "PSA", "F-3")});
    EXPECT_EQ(again.updated, 2);
    EXPECT_EQ(again.added, 1);
    EXPECT_EQ(again.ids.mid(0, 2), (QList<std::int64_t>{made.ids[0], made.ids[1]}));

    QString error;
    const std::optional<Shooter> matti = reg->shooter(made.ids[0], error);
    ASSERT_TRUE(matti) << error.toStdString();
    EXPECT_EQ(matti->nimi, QStringLiteral("Virtanen-Koski Matti"));
    EXPECT_EQ(matti->seura, QStringLiteral("PSA"));
    EXPECT_EQ(matti->extras.memberNumber, QStringLiteral("f-1"));
    EXPECT_EQ(matti->extras.email, QStringLiteral("matti@example.org")); // a blank never erases
    EXPECT_EQ(matti->lajit[BBPR], (ShooterDiscipline{"Int", "Ruger", "MkII", "22"}));
    EXPECT_EQ(matti->lajit[SBPR], (ShooterDiscipline{"B", "TC", "", ""}));
    EXPECT_FALSE(matti->lajit[BBPC]);
    EXPECT_EQ(reg->shooter(made.ids[1], error)->extras.memberNumber, QStringLiteral("F-2"));
    EXPECT_EQ(reg->shooterCount(error), 4);
}

class RegisterMatchTest : public ShooterRegisterTest
{
protected:
    void SetUp() override
    {
        ShooterRegisterTest::SetUp();
        Kilpailu &k = m_builder.match();
        k.tiedot.Paikka = QStringLiteral("Hyvinkää");
        k.tiedot.Seura = QStringLiteral("HyMAS");
        k.tiedot.Alkupvm = QDate(2026, 6, 6);
        k.tiedot.LoppuPvm = QDate(2026, 6, 7);
        // Five in BBPR: the first three numbered overall, the two others in class A.
        const int totals[] = {38, 36, 30, 25, 20};
        for (int i = 0; i < 5; ++i) {
            const int slot = m_builder.competitor(QStringLiteral("Ampuja %1").arg(i + 1));
            m_builder.enter(slot, BBPR, QStringLiteral("A"), {totals[i], 0, 0, 0});
            k.kilpailijat[slot].Ase[BBPR].setText(QStringLiteral("Ruger"));
        }
        k.extras[1].memberNumber = QStringLiteral("F-1");
        k.extras[1].leftHanded = true;
        // Entered and not shot: no result.
        m_builder.enter(m_builder.competitor(QStringLiteral("Poissa Olli")), BBPC, "B", {});
    }
    std::optional<MatchAdded> addMatch(ShooterRegister &reg)
    {
        refreshResults(m_builder.match(), *m_tulokset, TabLines::Skip);
        QString error;
        std::optional<MatchAdded> added = reg.addMatch(m_builder.match(), *m_tulokset, error);
        EXPECT_TRUE(added) << error.toStdString();
        return added;
    }
    std::int64_t idOf(ShooterRegister &reg, const QString &name)
    {
        QString error;
        const QList<ShooterMatch> found = reg.search(name, 1, error);
        return found.isEmpty() ? 0 : found.first().id;
    }

    MatchBuilder m_builder;
    std::unique_ptr<Tulokset> m_tulokset = std::make_unique<Tulokset>();
};

TEST_F(RegisterMatchTest, MatchAddsShootersAndResultsWithTheListsPositions)
{
    auto reg = openRegister();
    ASSERT_TRUE(reg);
    const std::optional<MatchAdded> added = addMatch(*reg);
    ASSERT_TRUE(added);
    EXPECT_FALSE(added->replaced);
    EXPECT_EQ(added->shootersAdded, 6);
    EXPECT_EQ(added->results, 5);

    const std::pair<const char *, std::pair<int, bool>> expected[] = {{"Ampuja 1", {1, true}},
        {"Ampuja 3", {3, true}}, {"Ampuja 4", {1, false}}, {"Ampuja 5", {2, false}}};
    for (const auto &[name, position] : expected) {
        QString error;
        const QList<ShooterResult> results = reg->results(idOf(*reg, name), error);
        ASSERT_EQ(results.size(), 1) << name;
        EXPECT_EQ(results[0].date, QDate(2026, 6, 6));
        EXPECT_EQ(results[0].place, QStringLiteral("Hyvinkää"));
        EXPECT_EQ(results[0].discipline, QStringLiteral("BBPR"));
        EXPECT_EQ(results[0].luokka, QStringLiteral("A"));
        EXPECT_EQ(results[0].position, position.first) << name;
        EXPECT_EQ(results[0].overallPosition, position.second) << name;
    }
    QString error;
    EXPECT_TRUE(reg->results(idOf(*reg, QStringLiteral("Poissa")), error).isEmpty());
    const std::optional<Shooter> first = reg->shooter(idOf(*reg, QStringLiteral("F-1")), error);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->nimi, QStringLiteral("Ampuja 1"));
    EXPECT_TRUE(first->extras.leftHanded);
    EXPECT_EQ(first->lajit[BBPR]->ase, QStringLiteral("Ruger"));
}

TEST_F(RegisterMatchTest, MatchAddedAgainReplacesItsResults)
{
    auto reg = openRegister();
    ASSERT_TRUE(reg);
    ASSERT_TRUE(addMatch(*reg));
    // A result corrected after the first add, and a competitor renamed under his member number.
    m_builder.at(5).Yhteensa[BBPR] = 40;
    m_builder.at(1).Nimi.setText(QStringLiteral("Ampuja Yksi"));
    const std::optional<MatchAdded> again = addMatch(*reg);
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->replaced);
    EXPECT_EQ(again->shootersAdded, 0);
    EXPECT_EQ(again->shootersUpdated, 6);
    EXPECT_EQ(again->results, 5);
    QString error;
    const QList<ShooterResult> fifth = reg->results(idOf(*reg, QStringLiteral("Ampuja 5")), error);
    ASSERT_EQ(fifth.size(), 1);
    EXPECT_EQ(fifth[0].total, 40);
    EXPECT_EQ(fifth[0].position, 1);
    EXPECT_TRUE(fifth[0].overallPosition);
    EXPECT_EQ(reg->results(idOf(*reg, QStringLiteral("F-1")), error).size(), 1);

    // Another match (another day) is a match of its own.
    m_builder.match().tiedot.Alkupvm = QDate(2027, 6, 5);
    m_builder.match().tiedot.LoppuPvm = QDate(2027, 6, 6);
    ASSERT_FALSE(addMatch(*reg)->replaced);
    EXPECT_EQ(reg->results(idOf(*reg, QStringLiteral("Ampuja 5")), error).size(), 2);
}

TEST_F(RegisterMatchTest, ShooterTheListLeavesOutHasNoPosition)
{
    // A pistol discipline has no Master section: below the first three, he is listed nowhere.
    const int mestari = m_builder.competitor(QStringLiteral("Mestari Matti"));
    m_builder.enter(mestari, BBPR, Luokat::Master, {5, 0, 0, 0});
    auto reg = openRegister();
    ASSERT_TRUE(reg);
    ASSERT_TRUE(addMatch(*reg));
    QString error;
    const QList<ShooterResult> results = reg->results(idOf(*reg, QStringLiteral("Mestari")), error);
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(results[0].total, 5);
    EXPECT_EQ(results[0].luokka, Luokat::Master);
    EXPECT_FALSE(results[0].position);
    EXPECT_FALSE(results[0].overallPosition);
}

TEST_F(RegisterMatchTest, TablesOlderThanTheMatchAreRefused)
{
    auto reg = openRegister();
    ASSERT_TRUE(reg);
    refreshResults(m_builder.match(), *m_tulokset, TabLines::Skip);
    m_builder.at(2).Yhteensa[BBPR] = 39;
    QString error;
    EXPECT_FALSE(reg->addMatch(m_builder.match(), *m_tulokset, error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(reg->shooterCount(error), 0);
}

} // namespace

// Where a sheet goes: the match's own address first, else the register's; the language is the
// register's.
TEST_F(RegisterMatchTest, ContactsTakeTheMatchsAddressFirstAndTheRegistersLanguage)
{
    Kilpailu &k = m_builder.match();
    auto reg = openRegister();
    ASSERT_TRUE(reg);
    Shooter first = shooterOfCompetitor(k, 1);
    first.extras.email = QStringLiteral("first@register.example");
    first.language = QStringLiteral("fi");
    Shooter second = shooterOfCompetitor(k, 2);
    second.extras.email = QStringLiteral("second@register.example");
    store(*reg, {first, second});
    k.extras[2].email = QStringLiteral("second@match.example");

    QString error;
    const QHash<int, CompetitorContact> contacts
        = competitorContacts(k, reg.get(), {1, 2, 3}, error);
    ASSERT_TRUE(error.isEmpty()) << qPrintable(error);
    EXPECT_EQ(contacts.value(1).email, QStringLiteral("first@register.example"));
    EXPECT_EQ(contacts.value(1).language, QStringLiteral("fi"));
    EXPECT_EQ(contacts.value(2).email, QStringLiteral("second@match.example"));
    EXPECT_EQ(contacts.value(2).language, QString());
    EXPECT_TRUE(contacts.value(3).email.isEmpty());

    const QHash<int, CompetitorContact> withoutRegister
        = competitorContacts(k, nullptr, {1, 2}, error);
    EXPECT_TRUE(withoutRegister.value(1).email.isEmpty());
    EXPECT_EQ(withoutRegister.value(2).email, QStringLiteral("second@match.example"));
}
