// The board marks the rows of a list whose competitors wait for a shoot-off.
#include "live/LiveContent.h"
#include "ranking/Ranking.h"
#include "support/MatchBuilder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

class LiveShootOffTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Kilpailu &k = b.match();
        k.tiedot.Mukana[ix(Group::BBP)] = true;
        k.tiedot.Laukaukset.fill(40);
        // BBPR: Cajan and Dahl tied for the third place, Eklund and Forss for the first of B.
        struct Shooter
        {
            const char *name;
            const char *luokka;
            Hits hits;
        };
        const Shooter shooters[]
            = {{"Aho", "Int", {10, 10, 10, 10}}, {"Berg", "Int", {9, 10, 10, 10}},
                {"Cajan", "A", {8, 10, 10, 10}}, {"Dahl", "A", {8, 10, 10, 10}},
                {"Eklund", "B", {5, 10, 10, 10}}, {"Forss", "B", {5, 10, 10, 10}}};
        for (const Shooter &s : shooters) {
            const int slot = b.competitor(QString::fromLatin1(s.name));
            b.enter(slot, BBPR, QString::fromLatin1(s.luokka), s.hits);
            // BBPC has the same competitors, every total apart.
            b.enter(slot, BBPC, QString::fromLatin1(s.luokka), {slot, 10, 10, 10});
        }
        build();
    }

    void build()
    {
        refreshResults(b.match(), *tulokset);
        content = buildLiveContent(b.match().tiedot, *tulokset,
            QDateTime(QDate(2026, 6, 13), QTime(14, 5, 7)), content.get());
    }

    QByteArray body(const QByteArray &path)
    {
        const LiveResource *found = content->find(path);
        EXPECT_NE(found, nullptr) << path.toStdString();
        return found ? found->body : QByteArray();
    }

    // The names of the rows the list's JSON marks, top to bottom.
    QStringList markedInJson(const QByteArray &path)
    {
        QStringList names;
        const QJsonObject list = QJsonDocument::fromJson(body(path)).object();
        for (const QJsonValue &row : list[QStringLiteral("rows")].toArray())
            if (row[QStringLiteral("shootOffPending")].toBool())
                names << row[QStringLiteral("cells")][1].toString();
        return names;
    }

    // The names of the rows the page marks, with the marker beside each name.
    QStringList markedInPage(const QByteArray &path)
    {
        static const QRegularExpression marked(
            QStringLiteral("<tr class=\"line shoot-off\"><td[^>]*>[^<]*</td><td[^>]*>([^<]*) "
                           "<span class=\"shoot-off-mark\">Shoot-off pending</span></td>"));
        QStringList names;
        for (auto it = marked.globalMatch(QString::fromUtf8(body(path))); it.hasNext();)
            names << it.next().captured(1);
        return names;
    }

    MatchBuilder b;
    std::unique_ptr<Tulokset> tulokset = std::make_unique<Tulokset>();
    std::shared_ptr<const LiveContent> content;
};

TEST_F(LiveShootOffTest, TiedRowsAreMarkedInThePageAndTheJson)
{
    const QStringList tied{"Cajan", "Dahl", "Eklund", "Forss"};
    EXPECT_EQ(markedInJson("/api/list/bbpr.json"), tied);
    EXPECT_EQ(markedInPage("/list/bbpr"), tied);
    const QJsonObject list = QJsonDocument::fromJson(body("/api/list/bbpr.json")).object();
    EXPECT_EQ(list[QStringLiteral("shootOffPendingText")].toString(),
        QStringLiteral("Shoot-off pending"));

    // A list without a tie says nothing of shoot-offs.
    EXPECT_FALSE(body("/api/list/bbpc.json").contains("shootOff"));
    EXPECT_FALSE(body("/list/bbpc").contains("shoot-off"));
}

TEST_F(LiveShootOffTest, AShootOffEnteredTakesTheMarkOff)
{
    const QByteArray before = content->find("/api/list/bbpr.json")->etag;
    b.finals(4, BBPR, {"5"}); // Dahl wins the shoot-off for the third place
    build();

    EXPECT_EQ(markedInJson("/api/list/bbpr.json"), (QStringList{"Eklund", "Forss"}));
    EXPECT_EQ(markedInPage("/list/bbpr"), (QStringList{"Eklund", "Forss"}));
    EXPECT_NE(content->find("/api/list/bbpr.json")->etag, before);
}

} // namespace
