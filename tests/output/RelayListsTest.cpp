// The relay lists as printed: the start list by relay, by club and by competitor, the cards not
// returned at a given time, their names for --lists, and the result lists unchanged before them.
#include "output/RelayLists.h"

#include "ReportRecording.h"
#include "relays/RelayPlan.h"
#include "support/MatchBuilder.h"
#include "support/ParamName.h"

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

RelayPlan relayPlanOf(const QStringList &relayLines)
{
    const ParsedRelayPlan parsed = parseRelayPlan(
        (QStringLiteral("disciplines;relay;start;minutes;points\n") + relayLines.join(u'\n'))
            .toUtf8());
    EXPECT_TRUE(parsed.ok()) << parsed.errors.join(u'\n').toStdString();
    return parsed.plan;
}

// Four competitors of two clubs and one of none; relays 1 and 3 shoot at the same time on two
// ranges, relay 2 after relay 1.
class RelayListsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Kilpailu &k = b.match();
        k.tiedot.Seura = QStringLiteral("HyMAS");
        k.tiedot.Paikka = QStringLiteral("Hyvinkää");
        aalto = b.competitor(QStringLiteral("Aalto"), QStringLiteral("Kotka"));
        berg = b.competitor(QStringLiteral("Berg"), QStringLiteral("Akaa"));
        cajander = b.competitor(QStringLiteral("Cajander"), QStringLiteral("Kotka"));
        dahl = b.competitor(QStringLiteral("Dahl"), QString());
        for (int slot : {aalto, berg, cajander, dahl})
            for (Laji d : {BBPR, BBPC, SBRL}) {
                b.at(slot).Osallistuu[d] = true;
                b.at(slot).Luokka[d].setText(QStringLiteral("A"));
            }
        b.at(dahl).Luokka[BBPR].setText(Luokat::Eiluok);
        k.relayPlan = relayPlanOf({QStringLiteral("BBPR BBPC;1;08:00;45;10"),
            QStringLiteral("BBPR BBPC;2;09:00;45;10"), QStringLiteral("SBRL;3;08:00;60;10")});
        place(cajander, BBPR, 1, 1);
        place(aalto, BBPC, 1, 4);
        place(berg, BBPR, 1, 2);
        place(aalto, BBPR, 2, 3);
        place(dahl, BBPR, 2, 1);
        place(berg, SBRL, 3, 5);
        // Neither a number nobody holds nor a relay the plan lacks is printed.
        k.assignments[{999, BBPR}] = {1, 9, false};
        k.assignments[{number(dahl), SBRL}] = {7, 1, false};
    }

    std::int32_t number(int slot) { return b.at(slot).Numero; }
    void place(int slot, int d, int relay, int point)
    {
        b.match().assignments[{number(slot), d}] = {relay, point, false};
    }

    Recording print(const PrintSelection &results, const RelayListSelection &relays,
        const QDateTime &at = reportTime())
    {
        ResultReport report(b.match().tiedot, *tulokset, results, [at] { return at; });
        report.setRelayLists(b.match(), relays);
        QtTextMeasurer measurer;
        return Recording(generateReport(PageGeometry::a4(), measurer, report.callbacks()));
    }
    static RelayListSelection only(RelayListKind kind)
    {
        return RelayListSelection().set(static_cast<size_t>(kind));
    }

    // The page's lines below its header, each as its texts joined by '|' (an empty cell prints
    // nothing), a bold one marked '*'.
    static QStringList lines(const Recording &r, int page)
    {
        QMap<int, QStringList> byLine;
        for (const ReportText &t : r.page(page))
            if (t.y > 0.5) // below the page header
                byLine[t.line] << (t.font.bold ? QStringLiteral("*") + t.text : t.text);
        QStringList out;
        for (const QStringList &texts : byLine)
            out << texts.join(QLatin1Char('|'));
        return out;
    }

    MatchBuilder b;
    std::unique_ptr<Tulokset> tulokset = emptyTables();
    int aalto = 0, berg = 0, cajander = 0, dahl = 0;
};

TEST_F(RelayListsTest, ByRelayListsEachRelaysPlacesByPointUnderItsHeading)
{
    const Recording r = print({}, only(RelayListKind::ByRelay));
    ASSERT_EQ(r.pageCount(), 1);
    EXPECT_EQ(lines(r, 1),
        (QStringList{QStringLiteral("Start list by relay"),
            QStringLiteral("Start|Point|No.|Name|Club|Class|Discipline"),
            QStringLiteral("*Relay 1, 08:00, 45 min: BBPR BBPC"),
            QStringLiteral("08:00|1|3|Cajander|Kotka|A|BBPR"),
            QStringLiteral("08:00|2|2|Berg|Akaa|A|BBPR"),
            QStringLiteral("08:00|4|1|Aalto|Kotka|A|BBPC"),
            QStringLiteral("*Relay 2, 09:00, 45 min: BBPR BBPC"),
            QStringLiteral("09:00|1|4|Dahl|No Class|BBPR"),
            QStringLiteral("09:00|3|1|Aalto|Kotka|A|BBPR"),
            QStringLiteral("*Relay 3, 08:00, 60 min: SBRL"),
            QStringLiteral("08:00|5|2|Berg|Akaa|A|SBRL")}));
}

TEST_F(RelayListsTest, ByClubGivesEachClubItsOwnPageTheClubLessLast)
{
    const Recording r = print({}, only(RelayListKind::ByClub));
    ASSERT_EQ(r.pageCount(), 3);
    const QString headings = QStringLiteral("No.|Name|Class|Discipline|Relay|Start|Point");
    EXPECT_EQ(lines(r, 1),
        (QStringList{QStringLiteral("Start list by club"), QStringLiteral("*Akaa"), headings,
            QStringLiteral("2|Berg|A|BBPR|1|08:00|2"), QStringLiteral("2|Berg|A|SBRL|3|08:00|5")}));
    EXPECT_EQ(lines(r, 2),
        (QStringList{QStringLiteral("Start list by club"), QStringLiteral("*Kotka"), headings,
            QStringLiteral("1|Aalto|A|BBPC|1|08:00|4"), QStringLiteral("1|Aalto|A|BBPR|2|09:00|3"),
            QStringLiteral("3|Cajander|A|BBPR|1|08:00|1")}));
    EXPECT_EQ(lines(r, 3),
        (QStringList{QStringLiteral("Start list by club"), QStringLiteral("*No club"), headings,
            QStringLiteral("4|Dahl|No Class|BBPR|2|09:00|1")}));
}

TEST_F(RelayListsTest, ByCompetitorListsEachOnesRelaysInTheOrderTheyShoot)
{
    const Recording r = print({}, only(RelayListKind::ByCompetitor));
    ASSERT_EQ(r.pageCount(), 1);
    EXPECT_EQ(lines(r, 1),
        (QStringList{QStringLiteral("Start list by competitor"),
            QStringLiteral("No.|Name|Club|Discipline|Relay|Start|Point"),
            QStringLiteral("1|Aalto|Kotka|BBPC|1|08:00|4"), QStringLiteral("BBPR|2|09:00|3"),
            QStringLiteral("2|Berg|Akaa|BBPR|1|08:00|2"), QStringLiteral("SBRL|3|08:00|5"),
            QStringLiteral("3|Cajander|Kotka|BBPR|1|08:00|1"),
            QStringLiteral("4|Dahl|BBPR|2|09:00|1")}));
}

TEST_F(RelayListsTest, CardsNotReturnedAreThoseOfRelaysEndedByThePrintingTime)
{
    b.enter(cajander, BBPR, QStringLiteral("A"), {5, 5, 5, 5});
    struct Case
    {
        QTime at;
        QStringList rows;
    };
    const Case cases[] = {
        {QTime(8, 44), {}},
        {QTime(8, 45),
            {QStringLiteral("1|2|2|Berg|Akaa|BBPR"), QStringLiteral("1|4|1|Aalto|Kotka|BBPC")}},
        {QTime(9, 50),
            {QStringLiteral("1|2|2|Berg|Akaa|BBPR"), QStringLiteral("1|4|1|Aalto|Kotka|BBPC"),
                QStringLiteral("2|1|4|Dahl|BBPR"), QStringLiteral("2|3|1|Aalto|Kotka|BBPR"),
                QStringLiteral("3|5|2|Berg|Akaa|SBRL")}},
    };
    for (const Case &c : cases) {
        const Recording r
            = print({}, only(RelayListKind::CardsNotReturned), QDateTime(QDate(2026, 12, 9), c.at));
        const QStringList shown = lines(r, 1);
        SCOPED_TRACE(c.at.toString().toStdString());
        ASSERT_GE(shown.size(), 3);
        EXPECT_EQ(shown[0], QStringLiteral("Cards not returned"));
        EXPECT_EQ(shown[1], QStringLiteral("Relays ended by %1").arg(c.at.toString("HH:mm")));
        EXPECT_EQ(shown[2], QStringLiteral("Relay|Point|No.|Name|Club|Discipline"));
        EXPECT_EQ(shown.mid(3), c.rows);
    }
}

// The result lists print as they did alone, page for page; the relay lists follow, each on a
// page of its own, and the progress counts them all.
TEST_F(RelayListsTest, ResultListsPrintAsAloneWithTheRelayListsAfterThem)
{
    tulokset->laji(BBPR)[1].Nimi.setText(QStringLiteral("Aalto"));
    const PrintSelection results = selectLists({"BBPR", "BBP Aggr"});
    const Recording alone = print(results, {});
    const Recording both = print(results, RelayListSelection().set());
    ASSERT_EQ(both.pageCount(), alone.pageCount() + 1 + 3 + 1 + 1);
    ReportDocument first = both.document();
    first.pages = first.pages.mid(0, alone.pageCount());
    EXPECT_EQ(dumpDocument(first), dumpDocument(alone.document()));
    EXPECT_EQ(lines(both, alone.pageCount() + 1).value(0), QStringLiteral("Start list by relay"));
    EXPECT_EQ(lines(both, both.pageCount()).value(0), QStringLiteral("Cards not returned"));

    ResultReport report(b.match().tiedot, *tulokset, results, &reportTime);
    report.setRelayLists(b.match(), RelayListSelection().set());
    QList<int> done;
    report.setListProgress([&](int listsDone, int total) {
        EXPECT_EQ(total, 6);
        done << listsDone;
    });
    QtTextMeasurer measurer;
    generateReport(PageGeometry::a4(), measurer, report.callbacks());
    EXPECT_EQ(done, (QList<int>{1, 2, 3, 4, 5, 6}));
}

struct SelectionCase
{
    const char *name;
    const char *text;
    size_t results;
    RelayListSelection relays;
    const char *error; // the start of the error; null when the text is taken
};

class ListSelectionTest : public ::testing::TestWithParam<SelectionCase>
{
};

TEST_P(ListSelectionTest, TakesTheCaptionsOfBothTables)
{
    const SelectionCase &c = GetParam();
    QString error;
    const std::optional<ListSelection> selection
        = parseListSelection(QString::fromUtf8(c.text), error);
    if (c.error) {
        ASSERT_FALSE(selection);
        EXPECT_TRUE(error.startsWith(QString::fromUtf8(c.error))) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String("Start list by club"))) << error.toStdString();
        return;
    }
    ASSERT_TRUE(selection) << error.toStdString();
    EXPECT_EQ(selection->results.count(), c.results);
    EXPECT_EQ(selection->relays, c.relays);
}

INSTANTIATE_TEST_SUITE_P(Texts, ListSelectionTest,
    ::testing::Values(SelectionCase{"AllIsTheResultLists", "all", 28, {}, nullptr},
        SelectionCase{"ResultAndRelayLists", "BBPR, Start list by club,Cards not returned", 1,
            RelayListSelection("1010"), nullptr},
        SelectionCase{"RelayListsAlone", "Start list by relay,Start list by competitor", 0,
            RelayListSelection("0101"), nullptr},
        SelectionCase{"Unknown", "BBPR,Start list", 0, {}, "Unknown list \"Start list\""}),
    NamedBy<&SelectionCase::name>());

} // namespace
