// Official lists stay as declared: every way the session changes the match (the desk, an import,
// an undo or redo, a restore of the log) is refused when it would move an official list, and
// changes nothing; what leaves the official lists alone, or comes after a reopening, goes through.
#include "files/MatchFiles.h"
#include "output/ListStatusRules.h"
#include "session/MatchSession.h"
#include "support/MatchBuilder.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace marvola;
using marvola::testing::MatchBuilder;

namespace {

const QDateTime Declared(QDate(2026, 6, 12), QTime(15, 7));
const QStringList OfficialLists{QStringLiteral("BBPR"), QStringLiteral("BBP Team")};

// Slots of the small match: Aalto leads BBPR, Berg and Cid tie behind him, Dahl shoots SBPR.
enum Slot { Aalto = 1, Berg, Cid, Dahl };

// A change that moves an official list, and the list the refusal must name.
struct MovingChange
{
    const char *what;
    const char *list;
    bool typedResult; // an office result entry (undone one entry at a time), else a whole step
    std::function<void(Kilpailu &)> change;
};

const std::vector<MovingChange> &movingChanges()
{
    static const std::vector<MovingChange> changes{
        {"result", "BBPR", true,
            [](Kilpailu &k) {
                k.kilpailijat[Aalto].Kana[BBPR] = 7;
                k.kilpailijat[Aalto].Yhteensa[BBPR] = 37;
            }},
        {"class", "BBPR", false,
            [](Kilpailu &k) { k.kilpailijat[Cid].Luokka[BBPR].setText(Luokat::B); }},
        {"team", "BBP Team", false,
            [](Kilpailu &k) { k.joukkueet[1].Kilpailija[2].setText(QStringLiteral("Cid Carl")); }},
        {"shootoff", "BBPR", true,
            [](Kilpailu &k) { k.kilpailijat[Cid].f[0][BBPR].setText(QStringLiteral("5")); }},
    };
    return changes;
}

enum class Source { Desk, Import, Undo, Redo, Restore };

struct RefusalCase
{
    Source source;
    std::size_t change;
};

std::string caseName(const ::testing::TestParamInfo<RefusalCase> &info)
{
    static const char *sources[] = {"Desk", "Import", "Undo", "Redo", "Restore"};
    return std::string(sources[static_cast<int>(info.param.source)]) + "_"
        + movingChanges()[info.param.change].what;
}

class OfficialListsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        Kilpailu &k = m_builder.match();
        k.tiedot.Laukaukset.fill(40);
        m_builder.enter(
            m_builder.competitor(QStringLiteral("Aalto Aino")), BBPR, Luokat::A, {8, 10, 10, 10});
        m_builder.enter(
            m_builder.competitor(QStringLiteral("Berg Bo")), BBPR, Luokat::A, {6, 10, 10, 10});
        m_builder.enter(
            m_builder.competitor(QStringLiteral("Cid Carl")), BBPR, Luokat::A, {6, 10, 10, 10});
        m_builder.enter(
            m_builder.competitor(QStringLiteral("Dahl Dan")), SBPR, Luokat::A, {5, 5, 5, 5});
        m_builder.team(QStringLiteral("Eagles BBP"), QStringLiteral("BBP"),
            QStringLiteral("Aalto Aino"), QStringLiteral("Berg Bo"), QString());
    }

    // The match saved as the set, with the official lists declared when asked.
    void saveSet(bool official)
    {
        Kilpailu &k = m_builder.match();
        if (official)
            declareOfficial(k, OfficialLists, Declared);
        QString error;
        ASSERT_TRUE(saveMatchFileSet(m_set, k, {}, error)) << error.toStdString();
    }
    static PendingChanges open(MatchSession &session, const QString &set)
    {
        QString error;
        const std::optional<PendingChanges> pending = session.open(set, false, error);
        EXPECT_TRUE(pending.has_value()) << error.toStdString();
        return pending.value_or(PendingChanges{});
    }
    static void guard(MatchSession &session) { session.setChangeGuard(officialListsGuard); }
    // The set's log as a restart would read it.
    PendingChanges pendingOnDisk() const
    {
        QString error;
        bool hasLog = false;
        return readPendingChanges(m_set, hasLog, error);
    }
    static void expectNamesListAndReopening(const QString &refusal, const char *list)
    {
        EXPECT_TRUE(refusal.contains(QString::fromLatin1(list))) << refusal.toStdString();
        EXPECT_TRUE(refusal.contains(QStringLiteral("--reopen"))) << refusal.toStdString();
        EXPECT_TRUE(refusal.contains(QStringLiteral("Reopen lists"))) << refusal.toStdString();
    }

    QTemporaryDir m_dir;
    MatchBuilder m_builder;
    QString m_set = m_dir.filePath(QStringLiteral("kisa.mrv"));
    Kilpailu m_registers;
};

class OfficialRefusalTable : public OfficialListsTest,
                             public ::testing::WithParamInterface<RefusalCase>
{
};

TEST_P(OfficialRefusalTable, IsRefusedNamingTheListAndChangesNothing)
{
    const MovingChange &moving = movingChanges()[GetParam().change];
    const Source source = GetParam().source;
    const EditOrigin typed = moving.typedResult
        ? EditOrigin{QStringLiteral("office"), QStringLiteral("entry")}
        : EditOrigin::importOf(QStringLiteral("late.csv"));

    if (source == Source::Restore) {
        // A program that does not guard (an older one) logged the change on the official set
        // and was lost before saving.
        saveSet(true);
        {
            Kilpailu unguarded;
            MatchSession earlier(unguarded);
            open(earlier, m_set);
            ASSERT_FALSE(earlier.edit(moving.change, typed).isEmpty());
            ASSERT_TRUE(earlier.commitNow());
        }
    } else {
        saveSet(source != Source::Undo && source != Source::Redo);
    }

    MatchSession session(m_registers);
    guard(session);
    const PendingChanges pending = open(session, m_set);
    QSignalSpy refused(&session, &MatchSession::refused);
    QString refusal;
    std::unique_ptr<Kilpailu> expected;

    switch (source) {
    case Source::Desk:
    case Source::Import: {
        expected = std::make_unique<Kilpailu>(m_registers);
        const EditOrigin origin
            = source == Source::Desk ? EditOrigin{} : EditOrigin::importOf(QStringLiteral("x.csv"));
        EXPECT_EQ(session.refusalOf(moving.change).isEmpty(), false);
        EXPECT_TRUE(session.edit(moving.change, origin).isEmpty());
        refusal = session.lastRefusal();
        break;
    }
    case Source::Undo: {
        // Typed before the declaration, undone after it.
        ASSERT_FALSE(session.edit(moving.change, typed).isEmpty());
        session.closeStep();
        ASSERT_FALSE(session.edit([](Kilpailu &k) { declareOfficial(k, OfficialLists, Declared); })
                         .isEmpty());
        expected = std::make_unique<Kilpailu>(m_registers);
        EXPECT_FALSE(session.undo().has_value());
        refusal = session.lastRefusal();
        break;
    }
    case Source::Redo: {
        // Typed and undone before the declaration, redone after it.
        ASSERT_FALSE(session.edit(moving.change, typed).isEmpty());
        session.closeStep();
        ASSERT_TRUE(session.undo().has_value());
        ASSERT_FALSE(session.edit([](Kilpailu &k) { declareOfficial(k, OfficialLists, Declared); })
                         .isEmpty());
        expected = std::make_unique<Kilpailu>(m_registers);
        EXPECT_FALSE(session.redo().has_value());
        refusal = session.lastRefusal();
        break;
    }
    case Source::Restore: {
        ASSERT_EQ(pending.state, PendingChanges::State::Restorable);
        expected = std::make_unique<Kilpailu>(m_registers);
        QString error;
        EXPECT_FALSE(session.restore(pending, error));
        refusal = error;
        EXPECT_EQ(error, session.lastRefusal());
        break;
    }
    }

    expectNamesListAndReopening(refusal, moving.list);
    // A refused restore gives the reason as its error, which its caller says once; the others
    // announce it.
    EXPECT_EQ(refused.count(), source == Source::Restore ? 0 : 1);
    EXPECT_TRUE(matchDifferences(*expected, m_registers).isEmpty())
        << matchDifferences(*expected, m_registers).first().field.toStdString();
    EXPECT_EQ(m_registers.listStatus, expected->listStatus);
    // Nothing of a refused edit reached the log, nor marks the match unsaved.
    if (source == Source::Desk || source == Source::Import) {
        EXPECT_EQ(pendingOnDisk().state, PendingChanges::State::None);
        EXPECT_FALSE(session.isModified());
    }
}

std::vector<RefusalCase> everySourceAndChange()
{
    std::vector<RefusalCase> cases;
    for (Source source :
        {Source::Desk, Source::Import, Source::Undo, Source::Redo, Source::Restore})
        for (std::size_t change = 0; change < movingChanges().size(); ++change)
            cases.push_back({source, change});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(
    SourcesByChanges, OfficialRefusalTable, ::testing::ValuesIn(everySourceAndChange()), caseName);

// Another discipline's result, a name the lists do not show, a provisional list: all go through
// while BBPR and the BBP team are official.
TEST_F(OfficialListsTest, ChangesThatLeaveTheOfficialListsAloneGoThrough)
{
    m_builder.match().listStatus.insert(QStringLiteral("SBPR"),
        ListStatus{ListState::Provisional, Declared, 60, QDateTime(), QString()});
    saveSet(true);
    MatchSession session(m_registers);
    guard(session);
    open(session, m_set);

    EXPECT_FALSE(session
                     .edit([](Kilpailu &k) {
                         k.kilpailijat[Dahl].Kana[SBPR] = 6;
                         k.kilpailijat[Dahl].Yhteensa[SBPR] = 21;
                     })
                     .isEmpty());
    EXPECT_FALSE(session
                     .edit([](Kilpailu &k) { k.kilpailijat[Dahl].Luokka[SBPR].setText(Luokat::B); },
                         EditOrigin::importOf(QStringLiteral("x.csv")))
                     .isEmpty());
    EXPECT_TRUE(session.lastRefusal().isEmpty()) << session.lastRefusal().toStdString();
    // The undo of such an entry goes through as well.
    EXPECT_TRUE(session.undo().has_value());
    EXPECT_TRUE(session.lastRefusal().isEmpty());
}

// Reopened with a reason, the list takes the change the desk was refused; declared again, it is
// guarded again.
TEST_F(OfficialListsTest, AfterAReopeningTheChangeGoesThrough)
{
    saveSet(true);
    MatchSession session(m_registers);
    guard(session);
    open(session, m_set);
    for (const MovingChange &moving : movingChanges())
        ASSERT_FALSE(session.refusalOf(moving.change).isEmpty()) << moving.what;

    ASSERT_FALSE(session
                     .edit([](Kilpailu &k) {
                         reopenLists(k, OfficialLists, QStringLiteral("Protest upheld"));
                     })
                     .isEmpty());
    EXPECT_EQ(
        statusOfList(m_registers, QStringLiteral("BBPR")).reason, QStringLiteral("Protest upheld"));
    for (const MovingChange &moving : movingChanges())
        EXPECT_FALSE(session.edit(moving.change).isEmpty()) << moving.what;
    EXPECT_TRUE(session.lastRefusal().isEmpty());

    session.edit([](Kilpailu &k) { declareOfficial(k, OfficialLists, Declared.addSecs(600)); });
    EXPECT_FALSE(session
                     .refusalOf([](Kilpailu &k) {
                         k.kilpailijat[Berg].Kana[BBPR] = 9;
                         k.kilpailijat[Berg].Yhteensa[BBPR] = 39;
                     })
                     .isEmpty());
}

// A window lost after reopening a list, correcting it and declaring it official again: its log
// comes back whole, for the correction was made while the list was open.
TEST_F(OfficialListsTest, ARestoreOfAReopenedCorrectedAndRedeclaredListGoesThrough)
{
    saveSet(true);
    {
        Kilpailu lost;
        MatchSession window(lost);
        guard(window);
        open(window, m_set);
        window.edit([](Kilpailu &k) { reopenLists(k, OfficialLists, QStringLiteral("Typo")); });
        ASSERT_FALSE(window.edit(movingChanges()[0].change).isEmpty());
        window.edit([](Kilpailu &k) { declareOfficial(k, OfficialLists, Declared.addSecs(3600)); });
        ASSERT_TRUE(window.lastRefusal().isEmpty());
        ASSERT_TRUE(window.commitNow());
    }

    MatchSession session(m_registers);
    guard(session);
    const PendingChanges pending = open(session, m_set);
    ASSERT_EQ(pending.state, PendingChanges::State::Restorable);
    QString error;
    EXPECT_TRUE(session.restore(pending, error)) << error.toStdString();
    EXPECT_EQ(m_registers.kilpailijat[Aalto].Yhteensa[BBPR], 37);
    EXPECT_TRUE(statusOfList(m_registers, QStringLiteral("BBPR")).isOfficial());
}

} // namespace
