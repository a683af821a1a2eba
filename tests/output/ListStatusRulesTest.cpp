// The status line of a posted or official list on the printed page: under the title, the list
// otherwise as it was; a list with no status prints exactly as before there were any.
#include "output/ListStatusRules.h"

#include "ReportRecording.h"
#include "output/ReportRender.h"
#include "ranking/Ranking.h"
#include "support/MatchBuilder.h"
#include "support/ParamName.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

const QDateTime Posted(QDate(2026, 6, 12), QTime(14, 5));

ListStatus provisional(const QDateTime &posted, int minutes)
{
    return ListStatus{ListState::Provisional, posted, minutes, QDateTime(), QString()};
}
ListStatus official(const QDateTime &at)
{
    return ListStatus{ListState::Official, Posted, 60, at, QString()};
}

// A small pistol match: two BBP shooters in a team, a field pistol shooter.
class PrintedStatus : public ::testing::Test
{
protected:
    void SetUp() override
    {
        b.match().tiedot.Laukaukset.fill(40);
        b.match().tiedot.Seura = QStringLiteral("HyMAS");
        for (const auto &[name, hits] :
            {std::pair{"Aalto Aino", Hits{8, 10, 10, 10}}, {"Berg Bo", Hits{6, 9, 10, 10}}}) {
            const int slot = b.competitor(QString::fromLatin1(name));
            for (Laji d : {BBPR, BBPC, BBPS, BBPU})
                b.enter(slot, d, Luokat::A, hits);
            b.at(slot).BBPCAggr = true;
        }
        b.enter(b.competitor(QStringLiteral("Cid Carl")), FPP, Luokat::B, {5, 5, 5, 5});
        b.team(QStringLiteral("Eagles BBP"), QStringLiteral("BBP"), QStringLiteral("Aalto Aino"),
            QStringLiteral("Berg Bo"), QString());
        refreshResults(b.match(), *tulokset);
    }
    ResultReport report(const char *list, const ListStatuses *statuses)
    {
        ResultReport r(b.match().tiedot, *tulokset, selectLists({list}), &reportTime);
        if (statuses)
            r.setListStatus(*statuses);
        return r;
    }
    Recording record(const char *list, const ListStatuses *statuses)
    {
        ResultReport r = report(list, statuses);
        QtTextMeasurer measurer;
        return Recording(generateReport(PageGeometry::a4(), measurer, r.callbacks()));
    }
    QByteArray html(const char *list, const ListStatuses *statuses)
    {
        ResultReport r = report(list, statuses);
        QByteArray bytes;
        EXPECT_TRUE(renderHtml(r.callbacks(), &bytes).ok);
        return bytes;
    }

    MatchBuilder b;
    std::unique_ptr<Tulokset> tulokset = emptyTables();
};

struct LineCase
{
    const char *list;
    ListStatus status;
    const char *line;
};

class StatusUnderTheTitle : public PrintedStatus, public ::testing::WithParamInterface<LineCase>
{
};

// The line is printed once, on the line between the title and the headings, at the list's left
// edge; every other text stays where it was.
TEST_P(StatusUnderTheTitle, PrintsTheLineAndKeepsTheRestOfTheList)
{
    const LineCase &c = GetParam();
    const ListStatuses statuses{{QString::fromLatin1(c.list), c.status}};
    const Recording plain = record(c.list, nullptr);
    const Recording marked = record(c.list, &statuses);

    const QList<Printed> lines = marked.find(QString::fromLatin1(c.line));
    ASSERT_EQ(lines.size(), 1) << dumpDocument(marked.document()).toStdString();
    EXPECT_EQ(lines[0].page, 1);
    EXPECT_EQ(lines[0].text.line, 3);
    ASSERT_FALSE(plain.line(1, 2).isEmpty());
    const ReportText title = plain.page(1).first();
    EXPECT_EQ(marked.page(1).first().text, title.text);

    ASSERT_EQ(marked.pageCount(), plain.pageCount());
    for (int p = 1; p <= plain.pageCount(); ++p) {
        QList<ReportText> rest = marked.page(p);
        rest.removeIf([&c](const ReportText &t) { return t.text == QString::fromLatin1(c.line); });
        ASSERT_EQ(rest.size(), plain.page(p).size()) << "page " << p;
        for (qsizetype i = 0; i < rest.size(); ++i) {
            EXPECT_EQ(rest[i].text, plain.page(p)[i].text);
            EXPECT_EQ(rest[i].line, plain.page(p)[i].line);
            EXPECT_DOUBLE_EQ(rest[i].y, plain.page(p)[i].y);
        }
    }
    EXPECT_TRUE(QString::fromUtf8(html(c.list, &statuses)).contains(QString::fromLatin1(c.line)));
}

INSTANTIATE_TEST_SUITE_P(Lists, StatusUnderTheTitle,
    ::testing::Values(LineCase{"BBPR", provisional(Posted, 60),
                          "Provisional results, posted 14:05; challenges until 15:05"},
        LineCase{"BBPR", official(QDateTime(QDate(2026, 6, 12), QTime(15, 7))),
            "Official results, 15:07"},
        // A window past midnight ends on the clock of the next day.
        LineCase{"FPP", provisional(QDateTime(QDate(2026, 6, 12), QTime(23, 30)), 45),
            "Provisional results, posted 23:30; challenges until 00:15"},
        LineCase{"BBP Aggr", official(QDateTime(QDate(2026, 6, 13), QTime(9, 0))),
            "Official results, 09:00"},
        LineCase{"BBP Team", provisional(Posted, 0),
            "Provisional results, posted 14:05; challenges until 14:05"}),
    [](const auto &info) {
        return QString::fromLatin1(info.param.list).remove(QLatin1Char(' ')).toStdString()
            + (info.param.status.isOfficial() ? "_official" : "_provisional")
            + std::to_string(info.index);
    });

// A list with no status, while others have one (or after it was reopened), prints the very
// document and HTML it printed before any list had a status.
TEST_F(PrintedStatus, ListsWithoutAStatusPrintExactlyAsBefore)
{
    ListStatuses others{{QStringLiteral("FPP"), official(Posted)},
        {QStringLiteral("BBP Team"), provisional(Posted, 60)}};
    ListStatus reopened = official(Posted);
    reopened.state = ListState::None;
    reopened.officialAt = QDateTime();
    reopened.reason = QStringLiteral("Protest");
    others.insert(QStringLiteral("BBPR"), reopened);

    for (const char *list : {"BBPR", "BBP Aggr", "SBP Team"}) {
        SCOPED_TRACE(list);
        EXPECT_EQ(dumpDocument(record(list, &others).document()),
            dumpDocument(record(list, nullptr).document()));
        EXPECT_EQ(html(list, &others), html(list, nullptr));
    }
}

} // namespace
