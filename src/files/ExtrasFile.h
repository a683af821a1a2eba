// The file beside a match set that holds what the four match files have no room for (competitors'
// extras, the relays and the places in them, the lists' status): base + "Lisatiedot.db", an SQLite
// database written and read whole, as one more file of the set's save.
#pragma once

#include "model/Registers.h"

#include <QByteArray>
#include <QString>

namespace marvola {

// The longest texts an extra field holds: a federation's member number, an e-mail address as
// mail allows it, and a few numbers of those the gun is shared with.
constexpr qsizetype MaxMemberNumberLength = 20;
constexpr qsizetype MaxEmailLength = 254;
constexpr qsizetype MaxSharesGunWithLength = 100;

// The largest extras file read: a full register of extras is far below it.
constexpr qint64 MaxExtrasFileBytes = 16 * 1024 * 1024;

QString extrasFileName(const QString &chosenName);

// Whether the extra field holds the text: not too long, on one line.
bool extraTextFits(const QString &field, const QString &text);

// Whether the match holds anything the extras file keeps: competitors' extras, relays, places in
// them, a list's status or a challenge window other than the usual one.
bool hasBesideTheMatchFiles(const Kilpailu &kilpailu);

// The file's bytes for the match's extras; empty with the error when it cannot be built.
QByteArray extrasFileBytes(const Kilpailu &kilpailu, QString &error);

// Reads the file's bytes into the match's extras. A slot whose competitor number differs from the
// one the file names is left empty: the match files were replaced without it. False with the
// error when the bytes are not an extras file of this program.
bool readExtrasFileBytes(
    const QByteArray &bytes, const QString &fileName, Kilpailu &kilpailu, QString &error);

} // namespace marvola
