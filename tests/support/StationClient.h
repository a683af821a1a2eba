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

// A signed request of the station with that counter.
inline HttpReply stationRequest(quint16 port, const StationKey &key, qint64 counter,
    const QByteArray &method, const QByteArray &path, const QByteArray &body = {})
{
    const QByteArray counterText = QByteArray::number(counter);
    return httpRequest(port, method, path,
        {{"X-Station", key.id}, {"X-Counter", counterText},
            {"X-Signature", signStationRequest(key.secret, method, path, counterText, body)}},
        15000, body);
}

} // namespace marvola::testing
