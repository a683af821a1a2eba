// Signed requests of a scoring station, as a phone sends them, over a raw socket while the event
// loop keeps running for a server in the same process.
#pragma once

#include "support/HttpClient.h"

#include <QMessageAuthenticationCode>

namespace marvola::testing {

struct StationKey
{
    QByteArray id;
    QByteArray secret; // 64 hex digits
};

inline QByteArray signStationRequest(const QByteArray &secretHex, const QByteArray &method,
    const QByteArray &path, const QByteArray &counter, const QByteArray &body)
{
    return QMessageAuthenticationCode::hash(method + '\n' + path + '\n' + counter + '\n' + body,
        QByteArray::fromHex(secretHex), QCryptographicHash::Sha256)
        .toHex();
}

// Sends the request as it stands: headers and body exactly as given, Content-Length added.
inline HttpReply rawRequest(quint16 port, const QByteArray &method, const QByteArray &target,
    const QList<std::pair<QByteArray, QByteArray>> &headers, const QByteArray &body,
    int timeoutMs = 15000)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
    if (!socket.waitForConnected(timeoutMs))
        return {};
    QByteArray request = method + ' ' + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n";
    for (const auto &[name, value] : headers)
        request += name + ": " + value + "\r\n";
    if (method == "POST" || !body.isEmpty())
        request += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    request += "\r\n" + body;
    socket.write(request);
    HttpReply reply;
    QByteArray received;
    const auto complete = [&] {
        received += socket.readAll();
        const qsizetype end = received.indexOf("\r\n\r\n");
        if (end < 0)
            return socket.state() != QAbstractSocket::ConnectedState;
        const QList<QByteArray> lines = received.left(end).split('\n');
        HttpReply parsed;
        parsed.status = lines.value(0).split(' ').value(1).toInt();
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon > 0)
                parsed.headers.insert(
                    lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
        }
        const qsizetype length = parsed.headers.value("content-length").toLongLong();
        if (received.size() - end - 4 < length)
            return false;
        parsed.body = received.mid(end + 4, length);
        reply = parsed;
        return true;
    };
    if (!QTest::qWaitFor(complete, timeoutMs))
        return {};
    return reply;
}

// A signed request of the station with that counter.
inline HttpReply stationRequest(quint16 port, const StationKey &key, qint64 counter,
    const QByteArray &method, const QByteArray &path, const QByteArray &body = {})
{
    const QByteArray counterText = QByteArray::number(counter);
    return rawRequest(port, method, path,
        {{"X-Station", key.id}, {"X-Counter", counterText},
            {"X-Signature", signStationRequest(key.secret, method, path, counterText, body)}},
        body);
}

} // namespace marvola::testing
