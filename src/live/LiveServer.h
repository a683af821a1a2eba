// The read-only results server: answers GET and HEAD from the ready bytes of a LiveContent.
#pragma once

#include "live/LiveContent.h"

#include <QHostAddress>
#include <QObject>

#include <memory>

class QHttpServer;
class QHttpServerRequest;
class QHttpServerResponder;

namespace marvola {

class BoundedTcpServer;

class LiveServer : public QObject
{
    Q_OBJECT

public:
    // Open connections beyond the limit are refused at once, so a crowd of idle or hostile
    // clients cannot use up the program's file handles.
    static constexpr int DefaultMaxConnections = 400;
    // A connection that sends nothing and reads nothing for this long is closed.
    static constexpr int DefaultIdleTimeoutMs = 30000;

    explicit LiveServer(QObject *parent = nullptr);
    ~LiveServer() override;

    // Listens on address and port (0: any free port); on failure returns false with the reason.
    bool start(const QHostAddress &address, quint16 port, QString &error);
    void stop();
    bool isRunning() const { return m_http != nullptr; }
    quint16 port() const { return m_port; }
    QHostAddress address() const { return m_address; }

    // Replaces what is served; requests already answered keep what they got.
    void setContent(std::shared_ptr<const LiveContent> content);
    int openConnections() const;
    // Takes effect at the next start.
    void setMaxConnections(int limit) { m_maxConnections = limit; }
    void setIdleTimeout(int milliseconds) { m_idleTimeoutMs = milliseconds; }

private:
    void answer(const QHttpServerRequest &request, QHttpServerResponder &responder) const;

    std::unique_ptr<QHttpServer> m_http;
    BoundedTcpServer *m_tcp = nullptr; // owned by m_http
    std::shared_ptr<const LiveContent> m_content;
    QHostAddress m_address;
    quint16 m_port = 0;
    int m_maxConnections = DefaultMaxConnections;
    int m_idleTimeoutMs = DefaultIdleTimeoutMs;
};

// "http://ADDRESS:PORT/" for every non-loopback IPv4 address of this computer.
QStringList liveAddresses(quint16 port);
// The addresses to show for a server listening on address: all of this computer's for "any",
// otherwise that address only.
QStringList liveAddresses(const QHostAddress &address, quint16 port);

} // namespace marvola
