// A small match with two groups shot, refreshed and served on 127.0.0.1.
#pragma once

#include "live/LiveServer.h"
#include "ranking/Ranking.h"
#include "relays/RelayPlan.h"
#include "support/HttpClient.h"
#include "support/MatchBuilder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <atomic>
#include <gtest/gtest.h>

namespace marvola::testing {

// Fits the 25 characters of a name: every character that HTML or JSON must escape.
inline const QString TrickyName = QStringLiteral("<b>\"Al\" & 'Bo'</b>");

class LiveFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Kilpailu &k = b.match();
        k.tiedot.Seura = QStringLiteral("Hirvi Club");
        k.tiedot.Paikka = QStringLiteral("Range & <Field>");
        k.tiedot.Mukana[ix(Group::BBP)] = true;
        k.tiedot.Mukana[ix(Group::FP)] = true;
        k.tiedot.Laukaukset.fill(40);

        const QStringList names{QStringLiteral("Virtanen"), QStringLiteral("Aalto"),
            QStringLiteral("Niemi"), TrickyName, QStringLiteral("Koski")};
        for (int i = 0; i < names.size(); ++i) {
            const int slot = b.competitor(names[i], QStringLiteral("C%1").arg(i));
            entrants << slot;
            // Totals 20, 26, 32, 38, 44 in BBPR so the ranking order is the reverse of entry.
            for (Laji d : {BBPR, BBPC, BBPS, BBPU})
                b.enter(slot, d, Luokat::A, {5, 5, 5, 5 + 6 * i});
            b.at(slot).BBPCAggr = true;
            b.enter(slot, FPP, Luokat::B, {1, 2, 3, i});
        }
        b.team(QStringLiteral("Eagles BBP"), QStringLiteral("BBP"), names[0], names[1], names[3]);
        refresh();
        // The board's time of day is the test's: /relays never depends on the clock.
        server.setRouter(LiveRouter::board([this] { return minute.load(); }));
        QString error;
        ASSERT_TRUE(server.start(QHostAddress(QHostAddress::LocalHost), 0, error))
            << error.toStdString();
        port = server.port();
    }

    void refresh()
    {
        refreshResults(b.match(), *tulokset);
        server.setContent(buildLiveContent(b.match().tiedot, *tulokset,
            QDateTime(QDate(2026, 6, 13), QTime(14, 5, 7)), nullptr, {}, liveRelaysOf(b.match())));
    }

    // Four relays: 1 (BBPR BBPC) and 2 (FPP) at 08:00 on two ranges, 3 at 09:00, 4 at 10:00.
    // Koski's FPP place is not drawn.
    void planRelays()
    {
        const ParsedRelayPlan parsed
            = parseRelayPlan("disciplines;relay;start;minutes;points\n"
                             "BBPR BBPC;1;08:00;45;5\nFPP;2;08:00;60;5\n"
                             "BBPR BBPC;3;09:00;45;5\nBBPS;4;10:00;30;5\n");
        ASSERT_TRUE(parsed.ok());
        Kilpailu &k = b.match();
        k.relayPlan = parsed.plan;
        const auto place = [&](int entrant, int d, int relay, int point) {
            k.assignments[{b.at(entrants[entrant]).Numero, d}] = {relay, point, false};
        };
        place(0, BBPR, 1, 1);
        place(3, BBPR, 1, 2);
        place(1, BBPC, 1, 3);
        place(2, FPP, 2, 1);
        place(4, BBPR, 3, 2);
        place(0, BBPC, 3, 4);
        place(1, BBPS, 4, 1);
        refresh();
    }

    QJsonObject getJson(const QByteArray &path)
    {
        const HttpReply reply = httpGet(port, path);
        EXPECT_EQ(reply.status, 200) << path.toStdString();
        return QJsonDocument::fromJson(reply.body).object();
    }

    MatchBuilder b;
    QList<int> entrants;
    std::unique_ptr<Tulokset> tulokset = std::make_unique<Tulokset>();
    LiveServer server;
    quint16 port = 0;
    std::atomic<int> minute{8 * 60 + 10}; // the board's time of day, in minutes
};

// The texts of the cells of one column of a page's table body, headings as they stand.
inline QStringList columnTexts(const QByteArray &page, int column)
{
    const QString html = QString::fromUtf8(page);
    const qsizetype start = html.indexOf(QLatin1String("<tbody"));
    const qsizetype end = html.indexOf(QLatin1String("</tbody>"));
    const QString body = html.mid(start, end - start);
    QStringList texts;
    static const QRegularExpression row(QStringLiteral("<tr[^>]*>(.*?)</tr>"));
    static const QRegularExpression cell(QStringLiteral("<t[dh][^>]*>(.*?)</t[dh]>"));
    for (auto rows = row.globalMatch(body); rows.hasNext();) {
        const QString cells = rows.next().captured(1);
        QStringList values;
        for (auto it = cell.globalMatch(cells); it.hasNext();)
            values << it.next().captured(1);
        texts << (values.size() == 1 ? values[0] : values.value(column));
    }
    return texts;
}

} // namespace marvola::testing
