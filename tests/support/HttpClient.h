// A small HTTP/1.1 client over a raw socket, so tests send exactly the request line they mean
// ("/../" stays as written) while the event loop keeps running for a server in the same process.
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QMap>
#include <QTcpSocket>
#include <QTest>

#include <utility>

namespace marvola::testing {

struct HttpReply
{
    int status = 0; // 0: no complete answer
    QMap<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;

    QByteArray header(const QByteArray &name) const { return headers.value(name.toLower()); }
};

// Sends the request as it stands: headers and body exactly as given, Content-Length added for a
// POST, a PUT or a body.
inline HttpReply httpRequest(quint16 port, const QByteArray &method, const QByteArray &path,
    const QList<std::pair<QByteArray, QByteArray>> &headers = {}, int timeoutMs = 10000,
    const QByteArray &body = {})
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
    // Connecting needs nothing of the server's event loop: the kernel accepts into the backlog.
    if (!socket.waitForConnected(timeoutMs))
        return {};
    QByteArray request = method + ' ' + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n";
    for (const auto &[name, value] : headers)
        request += name + ": " + value + "\r\n";
    if (method == "POST" || method == "PUT" || !body.isEmpty())
        request += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    request += "\r\n" + body;
    socket.write(request);

    HttpReply reply;
    QByteArray received;
    const bool noBody = method == "HEAD";
    const auto complete = [&] {
        if (!socket.isOpen())
            return true;
        received += socket.readAll();
        const qsizetype end = received.indexOf("\r\n\r\n");
        if (end < 0)
            return socket.state() != QAbstractSocket::ConnectedState; // closed without an answer
        const QList<QByteArray> lines = received.left(end).split('\n');
        HttpReply parsed;
        parsed.status = lines.value(0).split(' ').value(1).toInt();
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon > 0)
                parsed.headers.insert(
                    lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
        }
        const qsizetype length = noBody || parsed.status == 304
            ? 0
            : parsed.headers.value("content-length").toLongLong();
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

inline HttpReply httpGet(quint16 port, const QByteArray &path)
{
    return httpRequest(port, "GET", path);
}

} // namespace marvola::testing
