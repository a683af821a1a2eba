// A small match with two groups shot, refreshed and served on 127.0.0.1.
#pragma once

#include "live/LiveServer.h"
#include "ranking/Ranking.h"
#include "support/HttpClient.h"
#include "support/MatchBuilder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

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
        QString error;
        ASSERT_TRUE(server.start(QHostAddress(QHostAddress::LocalHost), 0, error))
            << error.toStdString();
        port = server.port();
    }

    void refresh()
    {
        refreshResults(b.match(), *tulokset);
        server.setContent(buildLiveContent(
            b.match().tiedot, *tulokset, QDateTime(QDate(2026, 6, 13), QTime(14, 5, 7))));
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
