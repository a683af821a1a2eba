// The scoring stations in the live results window: a station added there gets its link and QR
// code, its entries appear as they come, a conflict is resolved there, and a revoked station's
// requests are refused.
#include "ui/StationsPanel.h"

#include "ProgramFixture.h"
#include "live/StationDesk.h"
#include "ranking/Ranking.h"
#include "support/StationClient.h"
#include "ui/LiveResultsWindow.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTreeWidget>

#include <condition_variable>
#include <mutex>

using namespace marvola;
using namespace marvola::testing;

namespace {

class StationsPanelTest : public ProgramTest
{
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        ProgramTest::SetUp();
        loadDemo();
        QString error;
        ASSERT_TRUE(program.liveResults().startOn(QHostAddress(QHostAddress::LocalHost), 0, error))
            << error.toStdString();
        panel = program.liveResults().findChild<StationsPanel *>(QStringLiteral("stationsPanel"));
        ASSERT_NE(panel, nullptr);
    }
    void TearDown() override { program.liveResults().stop(); }
    template<typename T> T *child(const char *name)
    {
        auto *found = panel->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The station the panel adds, from the link it shows.
    StationKey addStation(const QString &name, const QString &disciplines)
    {
        child<QLineEdit>("stationNameEdit")->setText(name);
        child<QLineEdit>("stationDisciplinesEdit")->setText(disciplines);
        child<QPushButton>("addStationButton")->click();
        const QString link = panel->shownLink();
        const QString fragment = link.section(u'#', 1);
        return {fragment.section(u'.', 0, 0).toLatin1(), fragment.section(u'.', 1).toLatin1()};
    }
    HttpReply send(const StationKey &key, qint64 counter, int number, std::array<int, 4> hits)
    {
        const QByteArray body = QJsonDocument(
            QJsonObject{{"id", QStringLiteral("e%1").arg(counter)}, {"competitor", number},
                {"discipline", "BBPR"}, {"chicken", hits[0]}, {"pig", hits[1]}, {"turkey", hits[2]},
                {"ram", hits[3]}}).toJson(QJsonDocument::Compact);
        return stationRequest(
            program.liveResults().port(), key, counter, "POST", "/station/api/entries", body);
    }
    // A competitor of the demo entered in BBPR, and one more with the result taken away.
    int enteredInBbpr(int skip = 0)
    {
        for (int slot = 1; slot <= MaxKilpailijat; ++slot)
            if (kilpailu().kilpailijat[slot].Osallistuu[BBPR] && skip-- == 0)
                return slot;
        return 0;
    }

    StationsPanel *panel = nullptr;
};

// At the window's first size the entries name the station and the competitor, the status is in
// view, and the station's code fits its place above its caption.
TEST_F(StationsPanelTest, EntriesShowNamesAndTheirStatusAtTheFirstSize)
{
    const StationKey key = addStation(QStringLiteral("Pistol bank 1"), QStringLiteral("BBPR"));
    const TKilpailija &k = kilpailu().kilpailijat[enteredInBbpr(1)];
    ASSERT_EQ(send(key, 1, k.Numero, {1, 1, 1, 1}).status, 409);
    LiveResultsWindow &window = program.liveResults();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *entries = child<QTreeWidget>("stationEntryList");
    ASSERT_TRUE(QTest::qWaitFor([&] { return entries->topLevelItemCount() == 1; }));
    if (const QByteArray folder = qgetenv("MARVOLA_SCREENSHOTS"); !folder.isEmpty())
        window.grab().save(QString::fromLocal8Bit(folder) + "/office-stations-first-size.png");

    const QTreeWidgetItem *row = entries->topLevelItem(0);
    EXPECT_EQ(row->text(1), QStringLiteral("Pistol bank 1"));
    EXPECT_TRUE(row->text(2).contains(k.Nimi.text())) << row->text(2).toStdString();
    EXPECT_TRUE(row->text(2).contains(QString::number(k.Numero))) << row->text(2).toStdString();
    const QHeaderView *header = entries->header();
    EXPECT_LE(header->sectionViewportPosition(6) + header->sectionSize(6) / 2,
        entries->viewport()->width())
        << "the status column is in view";
    const auto *code = child<QLabel>("stationQrLabel");
    EXPECT_LE(code->pixmap().width(), code->contentsRect().width());
    EXPECT_LE(code->pixmap().height(), code->contentsRect().height());
}

TEST_F(StationsPanelTest, StationAddedEntriesShownConflictTakenAndRevoked)
{
    const StationKey key = addStation(QStringLiteral("Pistol bank 1"), QStringLiteral("BBPR"));
    ASSERT_EQ(key.secret.size(), 64) << panel->shownLink().toStdString();
    EXPECT_TRUE(panel->shownLink().startsWith(
        QStringLiteral("http://127.0.0.1:%1/station#").arg(program.liveResults().port())));
    auto *stations = child<QTreeWidget>("stationList");
    ASSERT_EQ(stations->topLevelItemCount(), 1);
    EXPECT_EQ(stations->topLevelItem(0)->text(0), QStringLiteral("Pistol bank 1"));
    EXPECT_FALSE(child<QLabel>("stationQrLabel")->pixmap().isNull());

    // A competitor without a result: stored, and the tabs follow.
    const int fresh = enteredInBbpr(0);
    TKilpailija &k = kilpailu().kilpailijat[fresh];
    k.Kana[BBPR] = k.Sika[BBPR] = k.Kalkkuna[BBPR] = k.Passi[BBPR] = k.Yhteensa[BBPR] = 0;
    // Shoot-off entries are a result too: a competitor without one has none of them either.
    for (auto &entry : k.f)
        entry[BBPR].clear();
    const HttpReply stored = send(key, 1, k.Numero, {9, 9, 8, 7});
    ASSERT_EQ(stored.status, 200) << stored.body.toStdString();
    EXPECT_EQ(k.Yhteensa[BBPR], 33);
    auto *entries = child<QTreeWidget>("stationEntryList");
    EXPECT_TRUE(QTest::qWaitFor([&] { return entries->topLevelItemCount() == 1; }));
    EXPECT_EQ(entries->topLevelItem(0)->text(6), QStringLiteral("stored"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return tablesAreCurrent(kilpailu(), program.tulokset()); }));

    // One with a different result: held, shown with both results, and taken by the office.
    const int held = enteredInBbpr(1);
    TKilpailija &other = kilpailu().kilpailijat[held];
    ASSERT_NE(other.Yhteensa[BBPR], 0);
    const QByteArray before = other.toBytes();
    const HttpReply conflict = send(key, 2, other.Numero, {1, 1, 1, 1});
    ASSERT_EQ(conflict.status, 409) << conflict.body.toStdString();
    EXPECT_EQ(other.toBytes(), before);
    ASSERT_TRUE(QTest::qWaitFor([&] { return entries->topLevelItemCount() == 2; }));
    QTreeWidgetItem *row = entries->topLevelItem(0);
    EXPECT_EQ(row->text(6), QStringLiteral("conflict"));
    EXPECT_EQ(row->text(4), QStringLiteral("1 1 1 1 = 4"));
    EXPECT_FALSE(row->text(5).isEmpty());
    EXPECT_EQ(stations->topLevelItem(0)->text(5), QStringLiteral("1")); // pending
    entries->setCurrentItem(row);
    if (const QByteArray folder = qgetenv("MARVOLA_SCREENSHOTS"); !folder.isEmpty()) {
        program.liveResults().resize(980, 1000);
        program.liveResults().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.liveResults()));
        program.liveResults().grab().save(QString::fromLocal8Bit(folder) + "/office-stations.png");
    }
    auto *take = child<QPushButton>("takeStationButton");
    ASSERT_TRUE(take->isEnabled());
    take->click();
    EXPECT_EQ(other.Yhteensa[BBPR], 4);
    EXPECT_EQ(entries->topLevelItem(0)->text(6), QStringLiteral("station's result taken"));
    EXPECT_EQ(stations->topLevelItem(0)->text(5), QStringLiteral("0"));

    // Revoked: the phone can send nothing more.
    stations->setCurrentItem(stations->topLevelItem(0));
    prompts.confirmAnswers << true;
    child<QPushButton>("revokeStationButton")->click();
    EXPECT_EQ(stations->topLevelItem(0)->text(6), QStringLiteral("revoked"));
    EXPECT_TRUE(panel->shownLink().isEmpty());
    EXPECT_EQ(send(key, 3, k.Numero, {1, 2, 3, 4}).status, 403);
    EXPECT_EQ(k.Yhteensa[BBPR], 33);
}

TEST_F(StationsPanelTest, WithTwoMatchingEntriesTheOfficesTypingIsTheSecondEntry)
{
    const StationKey key = addStation(QStringLiteral("Pistol bank 1"), QStringLiteral("BBPR"));
    auto *box = child<QCheckBox>("twoMatchingBox");
    ASSERT_FALSE(box->isChecked());
    box->click();
    EXPECT_TRUE(program.stationDesk().twoMatchingEntries());

    TKilpailija &k = kilpailu().kilpailijat[enteredInBbpr(0)];
    k.Kana[BBPR] = k.Sika[BBPR] = k.Kalkkuna[BBPR] = k.Passi[BBPR] = k.Yhteensa[BBPR] = 0;
    // Shoot-off entries are a result too: a competitor without one has none of them either.
    for (auto &entry : k.f)
        entry[BBPR].clear();
    const HttpReply waiting = send(key, 1, k.Numero, {9, 9, 8, 7});
    ASSERT_EQ(waiting.status, 200) << waiting.body.toStdString();
    EXPECT_EQ(k.Yhteensa[BBPR], 0);
    auto *entries = child<QTreeWidget>("stationEntryList");
    ASSERT_TRUE(QTest::qWaitFor([&] { return entries->topLevelItemCount() == 1; }));
    EXPECT_EQ(entries->topLevelItem(0)->text(6), QStringLiteral("awaiting a second entry"));
    entries->setCurrentItem(entries->topLevelItem(0));
    EXPECT_TRUE(child<QPushButton>("takeStationButton")->isEnabled());

    // The office types the same card: the entry is matched at the next refresh.
    k.Kana[BBPR] = k.Sika[BBPR] = 9;
    k.Kalkkuna[BBPR] = 8;
    k.Passi[BBPR] = 7;
    k.Yhteensa[BBPR] = 33;
    kilpailu().Muutettu = true;
    program.mainWindow().refresh();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return entries->topLevelItem(0)->text(6) == QStringLiteral("matched"); }));
    EXPECT_FALSE(child<QPushButton>("takeStationButton")->isEnabled());
}

// The board's build holds no station's answer: with a rebuild held at its start on the building
// thread, an entry is stored and answered, and the board takes it once the builds go on.
TEST_F(StationsPanelTest, AStationIsAnsweredWhileTheBoardIsBeingBuilt)
{
    const StationKey key = addStation(QStringLiteral("Pistol bank 1"), QStringLiteral("BBPR"));
    LiveBuilder &builder = program.liveResults().builder();
    std::mutex mutex;
    std::condition_variable changed;
    bool building = false, released = false;
    builder.setBuildHook([&] {
        std::unique_lock lock(mutex);
        building = true;
        changed.notify_all();
        changed.wait(lock, [&] { return released; });
    });
    const auto release = [&] {
        std::lock_guard lock(mutex);
        released = true;
        changed.notify_all();
    };
    // However the test ends, no build is left held or holding what the test's frame owns.
    const std::shared_ptr<void> letGo(nullptr, [&](void *) {
        release();
        builder.setBuildHook({});
        static_cast<void>(QTest::qWaitFor([&] { return builder.isIdle(); }));
    });
    form.refresh();
    ASSERT_TRUE(QTest::qWaitFor([&] {
        std::lock_guard lock(mutex);
        return building;
    }));

    TKilpailija &k = kilpailu().kilpailijat[enteredInBbpr(0)];
    k.Kana[BBPR] = k.Sika[BBPR] = k.Kalkkuna[BBPR] = k.Passi[BBPR] = k.Yhteensa[BBPR] = 0;
    // Shoot-off entries are a result too: a competitor without one has none of them either.
    for (auto &entry : k.f)
        entry[BBPR].clear();
    const HttpReply stored = send(key, 1, k.Numero, {9, 9, 8, 7});
    EXPECT_FALSE(builder.isIdle()) << "the build was still held when the answer came";
    release();
    ASSERT_EQ(stored.status, 200) << stored.body.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(stored.body)["status"].toString(), QStringLiteral("stored"));

    // The entry's own refresh follows, and the board built from it shows the total.
    const auto boardTotal = [&] {
        const HttpReply list = httpGet(program.liveResults().port(), "/api/list/bbpr.json");
        for (const QJsonValue &row : QJsonDocument::fromJson(list.body)["rows"].toArray())
            if (row["cells"][1].toString() == k.Nimi.text())
                return row["cells"][7].toString();
        return QString();
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return boardTotal() == QLatin1String("33"); }, 15000))
        << boardTotal().toStdString();
}

} // namespace
