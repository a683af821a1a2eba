// One change to a match, field by field: found by comparing two states of the registers, and
// applied again to replay an entry log.
#pragma once

#include "model/Registers.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace marvola {

namespace ChangeKind {
inline const QString Competitor = QStringLiteral("competitor");
inline const QString Team = QStringLiteral("team");
inline const QString Match = QStringLiteral("match");
// Beside the match files: a relay of the plan (slot: the relay's number), an entry's place in the
// relays (number and discipline), a list's status (discipline: the list's caption) and the
// challenge window a posting gets.
inline const QString Relay = QStringLiteral("relay");
inline const QString Seat = QStringLiteral("seat");
inline const QString Status = QStringLiteral("status");
// Events that carry the digest of the file set: the set as opened, and as saved.
inline const QString Open = QStringLiteral("open");
inline const QString Save = QStringLiteral("save");
// Written just before the set's files are replaced, with the digest they are about to have: a
// save cut short by a crash or a kill is then told apart from a set replaced by someone else.
inline const QString Saving = QStringLiteral("saving");
} // namespace ChangeKind

struct FieldEdit
{
    QDateTime time;
    QString source;
    QString kind; // ChangeKind
    int slot = 0; // register slot of a competitor or team; 0 for the match information
    std::int32_t number = 0; // the competitor's or team's number as it was shown
    QString discipline; // discipline or group code; empty for fields that have none
    QString field; // the record field's name (Kana, Yhteensa, f1, Nimi, Paikka, ...)
    QString oldValue;
    QString newValue;
};

// A competitor's hit or total field (Kana, Sika, Kalkkuna, Passi, Yhteensa), and those with the
// shoot-off entries f1..f5: what the result entry writes.
bool isCountField(const QString &field);
bool isResultField(const QString &field);

// Every field that differs between the two states, competitors first (by slot, discipline,
// field), then teams, then the match information and the last number given, then the relays,
// the places in them and the lists' status.
QList<FieldEdit> matchDifferences(const Kilpailu &before, const Kilpailu &after);

// Writes the change's new value into the match; false with the error when the change names no
// field this program knows or a value that field cannot hold.
bool applyChange(Kilpailu &kilpailu, const FieldEdit &change, QString &error);

} // namespace marvola
