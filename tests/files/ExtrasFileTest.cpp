// The extras file beside a set: written only for a match that has extras, read back with the
// set, never attached to another competitor, and a file that is not ours refuses the load.
#include "files/ExtrasFile.h"

#include "FileSetSupport.h"

using namespace marvola;
using namespace marvola::testing;

namespace {

class ExtrasFileTest : public FileSetTest
{
protected:
    static std::unique_ptr<Kilpailu> withExtras()
    {
        auto m = sampleMatch();
        m->extras[1] = {QStringLiteral("FIN-123"), QStringLiteral("matti@example.fi"),
            QStringLiteral("4"), true};
        m->extras[4].leftHanded = true;
        return m;
    }
};

} // namespace

TEST_F(ExtrasFileTest, ExtrasTravelBesideTheFourFilesWhichStayAsTheyWere)
{
    ASSERT_TRUE(save(path("plain.mrv"), *sampleMatch()));
    QString error;
    ASSERT_TRUE(save(path("extra.mrv"), *withExtras(), error)) << error.toStdString();

    EXPECT_FALSE(QFileInfo::exists(path("plainLisatiedot.db")));
    EXPECT_TRUE(QFileInfo::exists(path("extraLisatiedot.db")));
    for (const char *suffix : {".dat", "Tulokset.dat", "Joukkueet.dat"})
        EXPECT_EQ(fileBytes(path("plain") + suffix), fileBytes(path("extra") + suffix)) << suffix;

    const LoadedMatch loaded = load(path("extra.mrv"));
    ASSERT_TRUE(loaded.kilpailu);
    const auto expected = withExtras();
    for (int slot = 1; slot <= MaxKilpailijat; ++slot)
        EXPECT_EQ(loaded.kilpailu->extras[slot], expected->extras[slot]) << slot;
}

TEST_F(ExtrasFileTest, ExtrasRemovedAfterASaveDoNotComeBack)
{
    ASSERT_TRUE(save(path("m.mrv"), *withExtras()));
    ASSERT_TRUE(save(path("m.mrv"), *sampleMatch()));
    const LoadedMatch loaded = load(path("m.mrv"));
    ASSERT_TRUE(loaded.kilpailu);
    EXPECT_TRUE(loaded.kilpailu->extras.isEmpty());
}

// Another program (or an older version) saved the four files and renumbered the competitors:
// extras never follow a slot to a competitor they were not typed for.
TEST_F(ExtrasFileTest, ExtrasOfASlotThatHoldsAnotherNumberNowAreDropped)
{
    ASSERT_TRUE(save(path("m.mrv"), *withExtras()));
    const QByteArray extras = fileBytes(path("mLisatiedot.db"));
    auto renumbered = sampleMatch();
    renumbered->kilpailijat[1].Numero = 77;
    ASSERT_TRUE(save(path("m.mrv"), *renumbered));
    writeBytes(path("mLisatiedot.db"), extras);

    const LoadedMatch loaded = load(path("m.mrv"));
    ASSERT_TRUE(loaded.kilpailu);
    EXPECT_TRUE(loaded.kilpailu->extras[1].isEmpty());
    EXPECT_TRUE(loaded.kilpailu->extras[4].leftHanded);
}

TEST_F(ExtrasFileTest, AFileThatIsNotOursRefusesTheLoadAndSaysWhich)
{
    ASSERT_TRUE(save(path("m.mrv"), *withExtras()));
    for (const QByteArray &bytes : {QByteArray("not a database at all"),
             QByteArray("SQLite format 3") + QByteArray(200, '\0')}) {
        writeBytes(path("mLisatiedot.db"), bytes);
        QString error;
        EXPECT_FALSE(load(path("m.mrv"), false, Kilpailu(), error).kilpailu);
        EXPECT_TRUE(error.contains(QStringLiteral("mLisatiedot.db"))) << error.toStdString();
    }
}

// The relays, the places in them and the lists' status travel in the same file, come back as
// they were, and a second save of what was read gives the same bytes.
TEST_F(ExtrasFileTest, RelaysPlacesAndStatusesComeBackByteForByte)
{
    auto m = sampleMatch();
    m->relayPlan.relays
        = {Relay{1, {BBPR, BBPC}, 8 * 60, 45, 20}, Relay{2, {SBRL}, 9 * 60, 30, 10}};
    m->assignments[EntryKey{m->kilpailijat[1].Numero, BBPR}] = Seat{1, 20, true};
    m->assignments[EntryKey{m->kilpailijat[2].Numero, SBRL}] = Seat{2, 3, false};
    const QDateTime posted(QDate(2026, 6, 12), QTime(14, 5));
    m->listStatus.insert(QStringLiteral("BBPR"),
        ListStatus{ListState::Official, posted, 60, posted.addSecs(3700), QString()});
    m->listStatus.insert(QStringLiteral("SBRL"),
        ListStatus{ListState::None, posted, 30, QDateTime(), QStringLiteral("protest | upheld")});
    m->challengeMinutes = 45;
    QString error;
    ASSERT_TRUE(save(path("r.mrv"), *m, error)) << error.toStdString();

    const LoadedMatch loaded = load(path("r.mrv"));
    ASSERT_TRUE(loaded.kilpailu);
    EXPECT_EQ(loaded.kilpailu->relayPlan, m->relayPlan);
    EXPECT_EQ(loaded.kilpailu->assignments, m->assignments);
    EXPECT_EQ(loaded.kilpailu->listStatus, m->listStatus);
    EXPECT_EQ(loaded.kilpailu->challengeMinutes, 45);

    ASSERT_TRUE(save(path("again.mrv"), *loaded.kilpailu, error)) << error.toStdString();
    EXPECT_EQ(fileBytes(path("againLisatiedot.db")), fileBytes(path("rLisatiedot.db")));
}
