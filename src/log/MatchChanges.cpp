#include "log/MatchChanges.h"

#include "files/ExtrasFile.h"
#include "files/MatchFiles.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <functional>
#include <type_traits>

namespace marvola {

namespace {

QString boolText(bool value)
{
    return value ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

std::optional<bool> boolFrom(const QString &text)
{
    if (text == QLatin1String("TRUE"))
        return true;
    if (text == QLatin1String("FALSE"))
        return false;
    return std::nullopt;
}

std::optional<std::int32_t> intFrom(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<std::int32_t>(value) : std::nullopt;
}

// One field of a record: its name, whether it is kept per discipline (or per group), and how
// its value reads and writes as text.
template<typename Record> struct Field
{
    QString name;
    bool perIndex = false;
    std::function<QString(const Record &, int)> get;
    std::function<bool(Record &, int, const QString &)> set;
};

template<typename Record, typename T> Field<Record> intField(QString name, T getRef)
{
    return {std::move(name), false,
        [getRef](const Record &r, int) { return QString::number(getRef(const_cast<Record &>(r))); },
        [getRef](Record &r, int, const QString &text) {
            const auto value = intFrom(text);
            if (value)
                getRef(r) = *value;
            return value.has_value();
        }};
}

template<typename Record, typename T> Field<Record> textField(QString name, T getRef)
{
    return {std::move(name), false,
        [getRef](const Record &r, int) { return getRef(const_cast<Record &>(r)).text(); },
        [getRef](Record &r, int, const QString &text) {
            getRef(r).setText(text);
            return true;
        }};
}

template<typename Record, typename T> Field<Record> boolField(QString name, T getRef)
{
    return {std::move(name), false,
        [getRef](const Record &r, int) { return boolText(getRef(const_cast<Record &>(r))); },
        [getRef](Record &r, int, const QString &text) {
            const auto value = boolFrom(text);
            if (value)
                getRef(r) = *value;
            return value.has_value();
        }};
}

using KFields = QList<Field<TKilpailija>>;

// The competitor record's fields, in record order.
const KFields &competitorFields()
{
    static const KFields fields = [] {
        KFields f;
        f << intField<TKilpailija>(
            QStringLiteral("Numero"), [](TKilpailija & k) -> auto & { return k.Numero; });
        f << textField<TKilpailija>(
            QStringLiteral("Nimi"), [](TKilpailija & k) -> auto & { return k.Nimi; });
        f << textField<TKilpailija>(
            QStringLiteral("Seura"), [](TKilpailija & k) -> auto & { return k.Seura; });
        f << textField<TKilpailija>(
            QStringLiteral("Maa"), [](TKilpailija & k) -> auto & { return k.Maa; });
        const auto perDiscipline = [&f](QString name, auto get, auto set) {
            f << Field<TKilpailija>{std::move(name), true, get, set};
        };
        const auto intPer = [&](QString name, auto member) {
            perDiscipline(
                std::move(name),
                [member](const TKilpailija &k, int d) { return QString::number((k.*member)[d]); },
                [member](TKilpailija &k, int d, const QString &text) {
                    const auto value = intFrom(text);
                    if (value)
                        (k.*member)[d] = *value;
                    return value.has_value();
                });
        };
        const auto textPer = [&](QString name, auto member) {
            perDiscipline(
                std::move(name),
                [member](const TKilpailija &k, int d) { return (k.*member)[d].text(); },
                [member](TKilpailija &k, int d, const QString &text) {
                    (k.*member)[d].setText(text);
                    return true;
                });
        };
        perDiscipline(
            QStringLiteral("Osallistuu"),
            [](const TKilpailija &k, int d) { return boolText(k.Osallistuu[d]); },
            [](TKilpailija &k, int d, const QString &text) {
                const auto value = boolFrom(text);
                if (value)
                    k.Osallistuu[d] = *value;
                return value.has_value();
            });
        textPer(QStringLiteral("Luokka"), &TKilpailija::Luokka);
        textPer(QStringLiteral("Ase"), &TKilpailija::Ase);
        textPer(QStringLiteral("Malli"), &TKilpailija::Malli);
        textPer(QStringLiteral("Kaliiperi"), &TKilpailija::Kaliiperi);
        intPer(QStringLiteral("Sijoitus"), &TKilpailija::Sijoitus);
        intPer(QStringLiteral("Kana"), &TKilpailija::Kana);
        intPer(QStringLiteral("Sika"), &TKilpailija::Sika);
        intPer(QStringLiteral("Kalkkuna"), &TKilpailija::Kalkkuna);
        intPer(QStringLiteral("Passi"), &TKilpailija::Passi);
        intPer(QStringLiteral("Yhteensa"), &TKilpailija::Yhteensa);
        for (int i = 0; i < FinaaliCount; ++i)
            perDiscipline(
                QStringLiteral("f%1").arg(i + 1),
                [i](const TKilpailija &k, int d) { return k.f[size_t(i)][d].text(); },
                [i](TKilpailija &k, int d, const QString &text) {
                    k.f[size_t(i)][d].setText(text);
                    return true;
                });
        f << boolField<TKilpailija>(
            QStringLiteral("BBPPAggr"), [](TKilpailija & k) -> auto & { return k.BBPPAggr; });
        f << boolField<TKilpailija>(
            QStringLiteral("BBPCAggr"), [](TKilpailija & k) -> auto & { return k.BBPCAggr; });
        f << boolField<TKilpailija>(
            QStringLiteral("SBPPAggr"), [](TKilpailija & k) -> auto & { return k.SBPPAggr; });
        f << boolField<TKilpailija>(
            QStringLiteral("SBPCAggr"), [](TKilpailija & k) -> auto & { return k.SBPCAggr; });
        return f;
    }();
    return fields;
}

using EFields = QList<Field<CompetitorExtras>>;

// The competitor's fields kept beside the match files; logged under the competitor like the
// record's own.
const EFields &extrasFields()
{
    static const EFields fields = [] {
        const auto text = [](QString name, QString CompetitorExtras::*member) {
            return Field<CompetitorExtras>{std::move(name), false,
                [member](const CompetitorExtras &e, int) { return e.*member; },
                [member](CompetitorExtras &e, int, const QString &value) {
                    e.*member = value;
                    return true;
                }};
        };
        EFields f;
        f << text(QStringLiteral("Jasennumero"), &CompetitorExtras::memberNumber);
        f << text(QStringLiteral("Sahkoposti"), &CompetitorExtras::email);
        f << text(QStringLiteral("YhteinenAse"), &CompetitorExtras::sharesGunWith);
        f << Field<CompetitorExtras>{QStringLiteral("Vasenkatinen"), false,
            [](const CompetitorExtras &e, int) { return boolText(e.leftHanded); },
            [](CompetitorExtras &e, int, const QString &value) {
                const auto flag = boolFrom(value);
                if (flag)
                    e.leftHanded = *flag;
                return flag.has_value();
            }};
        return f;
    }();
    return fields;
}

bool isExtrasField(const QString &name)
{
    for (const Field<CompetitorExtras> &field : extrasFields())
        if (field.name == name)
            return true;
    return false;
}

using TFields = QList<Field<TJoukkue>>;

const TFields &teamFields()
{
    static const TFields fields = [] {
        TFields f;
        f << intField<TJoukkue>(
            QStringLiteral("Numero"), [](TJoukkue & t) -> auto & { return t.Numero; });
        f << textField<TJoukkue>(
            QStringLiteral("Nimi"), [](TJoukkue & t) -> auto & { return t.Nimi; });
        f << textField<TJoukkue>(
            QStringLiteral("Laji"), [](TJoukkue & t) -> auto & { return t.Laji; });
        for (int i = 0; i < 3; ++i)
            f << textField<TJoukkue>(
                QStringLiteral("Kilpailija%1").arg(i + 1), [i](TJoukkue & t) -> auto & {
                    return t.Kilpailija[size_t(i)];
                });
        return f;
    }();
    return fields;
}

using MFields = QList<Field<Kilpailu>>;

QString dateText(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

template<typename T> Field<Kilpailu> textFieldOf(QString name, T TKilpailunTiedot::*member)
{
    return {std::move(name), false, [member](const Kilpailu &k, int) { return k.tiedot.*member; },
        [member](Kilpailu &k, int, const QString &text) {
            k.tiedot.*member = text;
            return true;
        }};
}

Field<Kilpailu> dateFieldOf(QString name, QDate TKilpailunTiedot::*member)
{
    return {std::move(name), false,
        [member](const Kilpailu &k, int) { return dateText(k.tiedot.*member); },
        [member](Kilpailu &k, int, const QString &text) {
            const QDate date = QDate::fromString(text, Qt::ISODate);
            if (date.isValid() || text.isEmpty())
                k.tiedot.*member = date;
            return date.isValid() || text.isEmpty();
        }};
}

// The match information, the group switches and shot counts by group code, and the last number
// given (which a new competitor or team uses up).
const MFields &matchFields()
{
    static const MFields fields = [] {
        MFields f;
        f << textFieldOf(QStringLiteral("Seura"), &TKilpailunTiedot::Seura);
        f << textFieldOf(QStringLiteral("Paikka"), &TKilpailunTiedot::Paikka);
        f << dateFieldOf(QStringLiteral("Alkupvm"), &TKilpailunTiedot::Alkupvm);
        f << dateFieldOf(QStringLiteral("LoppuPvm"), &TKilpailunTiedot::LoppuPvm);
        f << textFieldOf(QStringLiteral("KilpJohtaja"), &TKilpailunTiedot::KilpJohtaja);
        f << textFieldOf(QStringLiteral("Taso"), &TKilpailunTiedot::Taso);
        f << boolField<Kilpailu>(
            QStringLiteral("Ennatyskelpoinen"),
            [](Kilpailu & k) -> auto & { return k.tiedot.Ennatyskelpoinen; });
        f << Field<Kilpailu>{QStringLiteral("Mukana"), true,
            [](const Kilpailu &k, int g) { return boolText(k.tiedot.Mukana[size_t(g)]); },
            [](Kilpailu &k, int g, const QString &text) {
                const auto value = boolFrom(text);
                if (value)
                    k.tiedot.Mukana[size_t(g)] = *value;
                return value.has_value();
            }};
        f << Field<Kilpailu>{QStringLiteral("Laukaukset"), true,
            [](const Kilpailu &k, int g) {
                return QString::number(k.tiedot.Laukaukset[size_t(g)]);
            },
            [](Kilpailu &k, int g, const QString &text) {
                const auto value = intFrom(text);
                if (value)
                    k.tiedot.Laukaukset[size_t(g)] = *value;
                return value.has_value();
            }};
        f << textFieldOf(QStringLiteral("VanhaPvm"), &TKilpailunTiedot::VanhaPvm);
        f << intField<Kilpailu>(
            QStringLiteral("ViimeNumero"), [](Kilpailu & k) -> auto & { return k.ViimeNumero; });
        return f;
    }();
    return fields;
}

QString groupCode(int g)
{
    return QLatin1String(Groups[size_t(g)].code);
}

int disciplineIndex(const QString &code)
{
    for (int d = 0; d < LajiCount; ++d)
        if (disciplineCode(d) == code)
            return d;
    return -1;
}

int groupIndex(const QString &code)
{
    for (int g = 0; g < GroupCount; ++g)
        if (groupCode(g) == code)
            return g;
    return -1;
}

template<typename Record>
void compareRecord(const QList<Field<Record>> &fields, const Record &before, const Record &after,
    int indexCount, QString (*indexCode)(int), FieldEdit change, QList<FieldEdit> &out)
{
    for (const Field<Record> &field : fields) {
        const int count = field.perIndex ? indexCount : 1;
        for (int i = 0; i < count; ++i) {
            QString oldValue = field.get(before, i);
            QString newValue = field.get(after, i);
            if (oldValue == newValue)
                continue;
            change.discipline = field.perIndex ? indexCode(i) : QString();
            change.field = field.name;
            change.oldValue = std::move(oldValue);
            change.newValue = std::move(newValue);
            out << change;
        }
    }
}

// Records are plain bytes: equal bytes are equal records, which spares reading every field of
// the 500 competitors at each look for changes.
template<typename Record> bool sameBytes(const Record &a, const Record &b)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    return std::memcmp(&a, &b, sizeof(Record)) == 0;
}

QString disciplineCodeOf(int d)
{
    return disciplineCode(d);
}

// Hits and totals as the result entry takes them: nine digits at most, never below zero. The
// match information's texts as its file holds them.
bool withinTypedRange(const FieldEdit &change)
{
    if (change.kind == ChangeKind::Competitor && isCountField(change.field)) {
        const std::optional<std::int32_t> value = intFrom(change.newValue);
        return value && *value >= 0 && *value <= 999999999;
    }
    if (change.kind == ChangeKind::Match)
        return change.newValue.size() <= MaxMatchTextLength && !change.newValue.contains(u'\n');
    if (change.kind == ChangeKind::Competitor)
        return extraTextFits(change.field, change.newValue);
    return true;
}

template<typename Record>
bool applyField(const QList<Field<Record>> &fields, Record &record, const FieldEdit &change,
    int (*indexOf)(const QString &), QString &error)
{
    for (const Field<Record> &field : fields) {
        if (field.name != change.field)
            continue;
        int index = 0;
        if (field.perIndex) {
            index = indexOf(change.discipline);
            if (index < 0)
                break;
        }
        // A value is taken only when the field holds it as it is written: a text that does not
        // fit or a number out of what can be typed is refused, not cut or wrapped.
        const QString previous = field.get(record, index);
        if (withinTypedRange(change) && field.set(record, index, change.newValue)
            && field.get(record, index) == change.newValue)
            return true;
        field.set(record, index, previous);
        error = QCoreApplication::translate(
            "MatchChanges", "The entry log holds the value \"%1\" for %2, which it cannot hold.")
                    .arg(change.newValue.left(40), change.field);
        return false;
    }
    if (error.isEmpty())
        error = QCoreApplication::translate(
            "MatchChanges", "The entry log names a field this program does not know: %1 %2 %3.")
                    .arg(change.kind, change.discipline, change.field);
    return false;
}

// The register's slot of a change holds the competitor or team the change names: replayed, a
// change for another number is refused, and a new number may not be another's already.
template<typename Register>
bool sameNumberInSlot(const Register &records, int count, const FieldEdit &change, QString &error)
{
    const std::int32_t held = records[change.slot].Numero;
    bool fits = true;
    if (change.field == QLatin1String("Numero")) {
        fits = QString::number(held) == change.oldValue;
        const std::optional<std::int32_t> wanted = intFrom(change.newValue);
        for (int other = 1; fits && wanted && *wanted != 0 && other <= count; ++other)
            fits = other == change.slot || records[other].Numero != *wanted;
        fits = fits && wanted && *wanted >= 0;
    } else {
        fits = held == change.number;
    }
    if (!fits)
        error = QCoreApplication::translate("MatchChanges",
            "The entry log's change of %1 for number %2 does not fit the match: its place holds "
            "number %3, or the number is another's.")
                    .arg(change.field)
                    .arg(change.number)
                    .arg(held);
    return fits;
}

const QString RelayField = QStringLiteral("Era");
const QString SeatField = QStringLiteral("Ampumapaikka");
const QString StatusField = QStringLiteral("Tila");
const QString ChallengeField = QStringLiteral("Haastoaika");

FieldEdit changeOf(
    const QString &kind, const QString &field, const QString &oldValue, const QString &newValue)
{
    FieldEdit change;
    change.kind = kind;
    change.field = field;
    change.oldValue = oldValue;
    change.newValue = newValue;
    return change;
}

QString lineOf(const RelayPlan &plan, int number)
{
    const Relay *relay = plan.relay(number);
    return relay ? relayLine(*relay) : QString();
}

void compareRelays(const Kilpailu &before, const Kilpailu &after, QList<FieldEdit> &changes)
{
    if (before.relayPlan == after.relayPlan)
        return;
    QList<int> numbers;
    for (const RelayPlan *plan : {&before.relayPlan, &after.relayPlan})
        for (const Relay &relay : plan->relays)
            if (!numbers.contains(relay.number))
                numbers << relay.number;
    std::sort(numbers.begin(), numbers.end());
    for (const int number : numbers) {
        FieldEdit change = changeOf(ChangeKind::Relay, RelayField, lineOf(before.relayPlan, number),
            lineOf(after.relayPlan, number));
        change.slot = number;
        change.number = number;
        if (change.oldValue != change.newValue)
            changes << change;
    }
}

void compareSeats(const Kilpailu &before, const Kilpailu &after, QList<FieldEdit> &changes)
{
    if (before.assignments == after.assignments)
        return;
    const auto seatChange
        = [&changes](const EntryKey &entry, const QString &oldValue, const QString &newValue) {
              FieldEdit change = changeOf(ChangeKind::Seat, SeatField, oldValue, newValue);
              change.slot = entry.numero;
              change.number = entry.numero;
              change.discipline = disciplineCodeOf(entry.d);
              changes << change;
          };
    // Both maps in key order at once: the places added, moved and taken away.
    auto a = before.assignments.begin();
    auto b = after.assignments.begin();
    while (a != before.assignments.end() || b != after.assignments.end()) {
        if (b == after.assignments.end()
            || (a != before.assignments.end() && a->first < b->first)) {
            seatChange(a->first, seatText(a->second), QString());
            ++a;
        } else if (a == before.assignments.end() || b->first < a->first) {
            seatChange(b->first, QString(), seatText(b->second));
            ++b;
        } else {
            if (a->second != b->second)
                seatChange(a->first, seatText(a->second), seatText(b->second));
            ++a;
            ++b;
        }
    }
}

void compareStatus(const Kilpailu &before, const Kilpailu &after, QList<FieldEdit> &changes)
{
    if (before.challengeMinutes != after.challengeMinutes)
        changes << changeOf(ChangeKind::Status, ChallengeField,
            QString::number(before.challengeMinutes), QString::number(after.challengeMinutes));
    if (before.listStatus == after.listStatus)
        return;
    QStringList captions = before.listStatus.keys() + after.listStatus.keys();
    captions.removeDuplicates();
    captions.sort();
    for (const QString &caption : captions) {
        FieldEdit change = changeOf(ChangeKind::Status, StatusField,
            listStatusText(before.listStatus.value(caption)),
            listStatusText(after.listStatus.value(caption)));
        change.discipline = caption;
        if (change.oldValue != change.newValue)
            changes << change;
    }
}

QString unfitValue(const FieldEdit &change)
{
    return QCoreApplication::translate(
        "MatchChanges", "The entry log's change of %1 holds a value this program cannot read: %2.")
        .arg(change.field, change.newValue);
}

bool applyRelay(RelayPlan &plan, const FieldEdit &change, QString &error)
{
    std::optional<Relay> relay;
    if (!change.newValue.isEmpty()) {
        relay = relayFromLine(change.newValue);
        if (!relay || relay->number != change.slot) {
            error = unfitValue(change);
            return false;
        }
    }
    const auto at = std::find_if(plan.relays.begin(), plan.relays.end(),
        [&change](const Relay &r) { return r.number == change.slot; });
    if (!relay) {
        if (at != plan.relays.end())
            plan.relays.erase(at);
    } else if (at != plan.relays.end()) {
        *at = *relay;
    } else {
        // A relay that comes back goes where its number puts it.
        const auto before = std::find_if(plan.relays.begin(), plan.relays.end(),
            [&relay](const Relay &r) { return r.number > relay->number; });
        plan.relays.insert(before, *relay);
    }
    return true;
}

bool applySeat(Assignments &assignments, const FieldEdit &change, QString &error)
{
    const int d = disciplineIndex(change.discipline);
    std::optional<Seat> seat;
    if (!change.newValue.isEmpty())
        seat = seatFromText(change.newValue);
    if (d < 0 || change.slot <= 0 || (!change.newValue.isEmpty() && !seat)) {
        error = unfitValue(change);
        return false;
    }
    const EntryKey entry{change.slot, d};
    if (seat)
        assignments[entry] = *seat;
    else
        assignments.erase(entry);
    return true;
}

bool applyStatus(Kilpailu &kilpailu, const FieldEdit &change, QString &error)
{
    if (change.field == ChallengeField) {
        bool ok = false;
        const int minutes = change.newValue.toInt(&ok);
        if (!ok || minutes < 0 || minutes > MaxChallengeMinutes) {
            error = unfitValue(change);
            return false;
        }
        kilpailu.challengeMinutes = minutes;
        return true;
    }
    const std::optional<ListStatus> status = listStatusFromText(change.newValue);
    if (change.field != StatusField || change.discipline.isEmpty() || !status) {
        error = unfitValue(change);
        return false;
    }
    if (status->state == ListState::None && change.newValue.isEmpty())
        kilpailu.listStatus.remove(change.discipline);
    else
        kilpailu.listStatus[change.discipline] = *status;
    return true;
}

} // namespace

bool isCountField(const QString &field)
{
    static const QStringList counts{QStringLiteral("Kana"), QStringLiteral("Sika"),
        QStringLiteral("Kalkkuna"), QStringLiteral("Passi"), QStringLiteral("Yhteensa")};
    return counts.contains(field);
}

bool isResultField(const QString &field)
{
    static const QStringList entries{QStringLiteral("f1"), QStringLiteral("f2"),
        QStringLiteral("f3"), QStringLiteral("f4"), QStringLiteral("f5")};
    return isCountField(field) || entries.contains(field);
}

QList<FieldEdit> matchDifferences(const Kilpailu &before, const Kilpailu &after)
{
    QList<FieldEdit> changes;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        const TKilpailija &a = before.kilpailijat[slot];
        const TKilpailija &b = after.kilpailijat[slot];
        const bool sameExtras = before.extras[slot] == after.extras[slot];
        if (sameBytes(a, b) && sameExtras)
            continue;
        FieldEdit change;
        change.kind = ChangeKind::Competitor;
        change.slot = slot;
        change.number = b.Numero != 0 ? b.Numero : a.Numero;
        compareRecord(competitorFields(), a, b, LajiCount, &disciplineCodeOf, change, changes);
        if (!sameExtras)
            compareRecord(extrasFields(), before.extras[slot], after.extras[slot], 1,
                &disciplineCodeOf, change, changes);
    }
    for (int slot = 1; slot <= MaxJoukkueet; ++slot) {
        const TJoukkue &a = before.joukkueet[slot];
        const TJoukkue &b = after.joukkueet[slot];
        if (sameBytes(a, b))
            continue;
        FieldEdit change;
        change.kind = ChangeKind::Team;
        change.slot = slot;
        change.number = b.Numero != 0 ? b.Numero : a.Numero;
        compareRecord(teamFields(), a, b, 1, &disciplineCodeOf, change, changes);
    }
    FieldEdit change;
    change.kind = ChangeKind::Match;
    compareRecord(matchFields(), before, after, GroupCount, &groupCode, change, changes);
    compareRelays(before, after, changes);
    compareSeats(before, after, changes);
    compareStatus(before, after, changes);
    return changes;
}

bool applyChange(Kilpailu &kilpailu, const FieldEdit &change, QString &error)
{
    error.clear();
    if (change.kind == ChangeKind::Competitor && change.slot >= 1 && change.slot <= MaxKilpailijat
        && isExtrasField(change.field))
        return sameNumberInSlot(kilpailu.kilpailijat, MaxKilpailijat, change, error)
            && applyField(
                extrasFields(), kilpailu.extras[change.slot], change, &disciplineIndex, error);
    if (change.kind == ChangeKind::Competitor && change.slot >= 1 && change.slot <= MaxKilpailijat)
        return sameNumberInSlot(kilpailu.kilpailijat, MaxKilpailijat, change, error)
            && applyField(competitorFields(), kilpailu.kilpailijat[change.slot], change,
                &disciplineIndex, error);
    if (change.kind == ChangeKind::Team && change.slot >= 1 && change.slot <= MaxJoukkueet)
        return sameNumberInSlot(kilpailu.joukkueet, MaxJoukkueet, change, error)
            && applyField(
                teamFields(), kilpailu.joukkueet[change.slot], change, &disciplineIndex, error);
    if (change.kind == ChangeKind::Match)
        return applyField(matchFields(), kilpailu, change, &groupIndex, error);
    if (change.kind == ChangeKind::Relay && change.field == RelayField)
        return applyRelay(kilpailu.relayPlan, change, error);
    if (change.kind == ChangeKind::Seat && change.field == SeatField)
        return applySeat(kilpailu.assignments, change, error);
    if (change.kind == ChangeKind::Status)
        return applyStatus(kilpailu, change, error);
    error = QCoreApplication::translate(
        "MatchChanges", "The entry log holds a change this program does not know: %1 %2.")
                .arg(change.kind)
                .arg(change.slot);
    return false;
}

} // namespace marvola
