// The board says where each list stands: the status line under the list's title, and the stage
// with its times in the list's JSON; a list with none says nothing and has nulls.
#include "live/LiveContent.h"
#include "ranking/Ranking.h"
#include "support/MatchBuilder.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

const QDateTime Posted(QDate(2026, 6, 12), QTime(14, 5));
const QDateTime Declared(QDate(2026, 6, 12), QTime(15, 7));

class LiveStatusTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Kilpailu &k = b.match();
        k.tiedot.Mukana[ix(Group::BBP)] = true;
        k.tiedot.Laukaukset.fill(40);
        for (const char *name : {"Aho", "Berg"}) {
            const int slot = b.competitor(QString::fromLatin1(name));
            for (Laji d : {BBPR, BBPC})
                b.enter(slot, d, Luokat::A, {slot * 2, 10, 10, 10});
        }
        refreshResults(b.match(), *tulokset);
    }
    void build(const ListStatuses &statuses)
    {
        content = buildLiveContent(b.match().tiedot, *tulokset,
            QDateTime(QDate(2026, 6, 13), QTime(14, 5, 7)), content.get(), {}, {}, statuses);
    }
    const LiveResource &resource(const QByteArray &path) const
    {
        static const LiveResource none;
        const LiveResource *found = content->find(path);
        EXPECT_NE(found, nullptr) << path.toStdString();
        return found ? *found : none;
    }
    QJsonObject json(const QByteArray &list) const
    {
        return QJsonDocument::fromJson(resource("/api/list/" + list + ".json").body).object();
    }
    // The status paragraph of the list's page: its attributes and its text.
    std::pair<QString, QString> paragraph(const QByteArray &list) const
    {
        static const QRegularExpression p(QStringLiteral(
            "<p class=\"list-status ([^\"]*)\" id=\"list-status\"([^>]*)>([^<]*)</p>"));
        const QString page = QString::fromUtf8(resource("/list/" + list).body);
        const QRegularExpressionMatch m = p.match(page);
        if (!m.hasMatch())
            return {};
        return {m.captured(1) + m.captured(2), m.captured(3)};
    }
    static QDateTime timeOf(const QJsonValue &value)
    {
        return QDateTime::fromString(value.toString(), Qt::ISODate);
    }

    MatchBuilder b;
    std::unique_ptr<Tulokset> tulokset = std::make_unique<Tulokset>();
    std::shared_ptr<const LiveContent> content;
};

TEST_F(LiveStatusTest, ProvisionalOfficialAndNoneOnThePageAndInTheJson)
{
    build({{QStringLiteral("BBPR"),
               ListStatus{ListState::Provisional, Posted, 60, QDateTime(), QString()}},
        {QStringLiteral("BBPC"),
            ListStatus{ListState::Official, Posted, 60, Declared, QStringLiteral("old")}}});

    const QString provisionalLine
        = QStringLiteral("Provisional results, posted 14:05; challenges until 15:05");
    const auto [posted, postedText] = paragraph("bbpr");
    EXPECT_EQ(postedText, provisionalLine);
    // The window's end goes with it, for the page's script to count the minutes left.
    EXPECT_TRUE(posted.startsWith(QStringLiteral("provisional data-until=\"")))
        << posted.toStdString();
    static const QRegularExpression until(QStringLiteral("data-until=\"([^\"]+)\""));
    EXPECT_EQ(
        QDateTime::fromString(until.match(posted).captured(1), Qt::ISODate), Posted.addSecs(3600));
    EXPECT_FALSE(posted.contains(QStringLiteral("hidden")));
    const QJsonObject bbpr = json("bbpr");
    EXPECT_EQ(bbpr[QStringLiteral("status")].toString(), QStringLiteral("provisional"));
    EXPECT_EQ(timeOf(bbpr[QStringLiteral("postedAt")]), Posted);
    EXPECT_EQ(timeOf(bbpr[QStringLiteral("challengeUntil")]), Posted.addSecs(3600));
    EXPECT_TRUE(bbpr[QStringLiteral("officialAt")].isNull());
    EXPECT_EQ(bbpr[QStringLiteral("statusText")].toString(), provisionalLine);

    EXPECT_EQ(paragraph("bbpc"),
        std::pair(QStringLiteral("official"), QStringLiteral("Official results, 15:07")));
    const QJsonObject bbpc = json("bbpc");
    EXPECT_EQ(bbpc[QStringLiteral("status")].toString(), QStringLiteral("official"));
    EXPECT_TRUE(bbpc[QStringLiteral("postedAt")].isNull());
    EXPECT_TRUE(bbpc[QStringLiteral("challengeUntil")].isNull());
    EXPECT_EQ(timeOf(bbpc[QStringLiteral("officialAt")]), Declared);
    EXPECT_EQ(
        bbpc[QStringLiteral("statusText")].toString(), QStringLiteral("Official results, 15:07"));

    // A list with no status: an empty, hidden line and nulls.
    for (const QByteArray list : {"bbps", "bbp-aggr"}) {
        SCOPED_TRACE(list.toStdString());
        const auto [none, noneText] = paragraph(list);
        EXPECT_TRUE(noneText.isEmpty());
        EXPECT_TRUE(none.contains(QStringLiteral("hidden"))) << none.toStdString();
        const QJsonObject o = json(list);
        ASSERT_TRUE(o.contains(QStringLiteral("status")));
        for (const char *field : {"status", "postedAt", "challengeUntil", "officialAt"})
            EXPECT_TRUE(o[QString::fromLatin1(field)].isNull()) << field;
        EXPECT_FALSE(o.contains(QStringLiteral("statusText")));
    }
}

// A change of a list's stage is a change of its resources (the pages polling them pick it up);
// the other lists keep theirs, tags and all.
TEST_F(LiveStatusTest, AStageChangedIsAChangedListAndOnlyThat)
{
    build({});
    const QByteArray bbprTag = resource("/api/list/bbpr.json").etag;
    const QByteArray bbprPage = resource("/list/bbpr").body;
    const QByteArray bbpcTag = resource("/api/list/bbpc.json").etag;
    const QByteArray bbpcPage = resource("/list/bbpc").body;

    build({{QStringLiteral("BBPR"), ListStatus{ListState::Official, Posted, 60, Declared, {}}}});
    EXPECT_NE(resource("/api/list/bbpr.json").etag, bbprTag);
    EXPECT_NE(resource("/list/bbpr").body, bbprPage);
    EXPECT_EQ(resource("/api/list/bbpc.json").etag, bbpcTag);
    EXPECT_EQ(resource("/list/bbpc").body, bbpcPage);

    // Reopened, the list reads as it did before it had a stage, tag and all: its reason and
    // earlier posting show nowhere.
    build({{QStringLiteral("BBPR"),
        ListStatus{ListState::None, Posted, 60, {}, QStringLiteral("x")}}});
    EXPECT_EQ(resource("/api/list/bbpr.json").etag, bbprTag);
    EXPECT_EQ(resource("/list/bbpr").body, bbprPage);
}

} // namespace
