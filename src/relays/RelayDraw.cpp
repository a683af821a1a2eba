#include "relays/RelayDraw.h"

#include "relays/SeededRandom.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <map>
#include <vector>

namespace marvola {

namespace {

QString tr(const char *text)
{
    // The context lupdate gives a tr() of this namespace, so the texts are found.
    return QCoreApplication::translate("marvola", text);
}

// The competitors as the draw sees them: by index in slot order, with their club, teams, hand
// and the others who share their gun, all as indices.
struct Field
{
    struct Competitor
    {
        int slot = 0;
        std::int32_t numero = 0;
        int club = -1; // none when the club field is empty
        std::vector<int> teams;
        bool leftHanded = false;
        std::vector<int> partners;
        QList<int> entered; // discipline indices d
    };
    std::vector<Competitor> competitors;
    QHash<std::int32_t, int> byNumber; // the first competitor with the number
    QSet<std::int32_t> numbersTwice;
    int clubCount = 0;
    int teamCount = 0;

    int indexOf(std::int32_t numero) const { return byNumber.value(numero, -1); }
    bool isEntry(const EntryKey &key) const
    {
        const int c = indexOf(key.numero);
        return c >= 0 && !numbersTwice.contains(key.numero)
            && competitors[c].entered.contains(key.d);
    }
};

void addPartner(std::vector<int> &partners, int other)
{
    if (std::find(partners.begin(), partners.end(), other) == partners.end())
        partners.push_back(other);
}

void resolveSharedGuns(const Kilpailu &match, Field &f)
{
    QHash<QString, int> byMemberNumber;
    for (int c = 0; c < static_cast<int>(f.competitors.size()); ++c) {
        const QString member = match.extras[f.competitors[c].slot].memberNumber.trimmed();
        if (!member.isEmpty() && !byMemberNumber.contains(member))
            byMemberNumber.insert(member, c);
    }
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    for (int c = 0; c < static_cast<int>(f.competitors.size()); ++c) {
        const QString names = match.extras[f.competitors[c].slot].sharesGunWith;
        for (const QString &name : names.split(separators, Qt::SkipEmptyParts)) {
            int other = byMemberNumber.value(name, -1);
            if (other < 0) {
                bool isNumber = false;
                const int numero = name.toInt(&isNumber);
                other = isNumber ? f.indexOf(numero) : -1;
            }
            if (other < 0 || other == c)
                continue;
            addPartner(f.competitors[c].partners, other);
            addPartner(f.competitors[other].partners, c);
        }
    }
}

Field readField(const Kilpailu &match)
{
    Field f;
    QHash<QString, int> clubs;
    QHash<QByteArray, int> byName;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        const TKilpailija &k = match.kilpailijat[slot];
        if (k.Nimi.isEmpty())
            continue;
        Field::Competitor c;
        c.slot = slot;
        c.numero = k.Numero;
        const QString club = k.Seura.text().trimmed();
        if (!club.isEmpty()) {
            if (!clubs.contains(club))
                clubs.insert(club, static_cast<int>(clubs.size()));
            c.club = clubs.value(club);
        }
        c.leftHanded = match.extras[slot].leftHanded;
        for (int d = 0; d < LajiCount; ++d)
            if (k.Osallistuu[d])
                c.entered << d;
        const int index = static_cast<int>(f.competitors.size());
        if (f.byNumber.contains(c.numero))
            f.numbersTwice.insert(c.numero);
        else
            f.byNumber.insert(c.numero, index);
        if (!byName.contains(k.Nimi.bytes()))
            byName.insert(k.Nimi.bytes(), index);
        f.competitors.push_back(std::move(c));
    }
    f.clubCount = static_cast<int>(clubs.size());
    // A team names its members by name.
    for (int t = 1; t <= MaxJoukkueet; ++t) {
        const TJoukkue &j = match.joukkueet[t];
        if (j.Nimi.isEmpty())
            continue;
        for (const Str25 &member : j.Kilpailija) {
            const int c = member.isEmpty() ? -1 : byName.value(member.bytes(), -1);
            if (c >= 0)
                f.competitors[c].teams.push_back(f.teamCount);
        }
        ++f.teamCount;
    }
    resolveSharedGuns(match, f);
    return f;
}

QString numbersText(const std::vector<std::int32_t> &numbers)
{
    QStringList texts;
    for (const std::int32_t n : numbers)
        texts << QString::number(n);
    return texts.join(QStringLiteral(", "));
}

class Draw
{
public:
    Draw(const Field &field, const RelayPlan &plan, std::uint64_t seed)
        : m_field(field)
        , m_plan(plan)
        , m_random(seed)
        , m_relayCount(static_cast<int>(plan.relays.size()))
        , m_load(m_relayCount, 0)
        , m_occupants(m_relayCount)
        , m_clubIn(static_cast<size_t>(m_relayCount) * field.clubCount, 0)
        , m_teamIn(static_cast<size_t>(m_relayCount) * field.teamCount, 0)
        , m_relaysOf(field.competitors.size())
    {
        m_overlap.resize(static_cast<size_t>(m_relayCount) * m_relayCount);
        for (int a = 0; a < m_relayCount; ++a)
            for (int b = 0; b < m_relayCount; ++b)
                m_overlap[a * m_relayCount + b] = plan.relays[a].overlaps(plan.relays[b]);
        for (int d = 0; d < LajiCount; ++d)
            for (int r = 0; r < m_relayCount; ++r)
                if (plan.relays[r].shoots(d))
                    m_relaysFor[d].push_back(r);
    }

    DrawResult run(const Assignments &current);

private:
    struct Entry
    {
        int c = 0;
        int d = 0;
        int relay = -1;
        int point = 0;
        bool locked = false;
    };

    int relayIndex(int number) const
    {
        for (int r = 0; r < m_relayCount; ++r)
            if (m_plan.relays[r].number == number)
                return r;
        return -1;
    }
    bool overlaps(int a, int b) const { return m_overlap[a * m_relayCount + b]; }
    bool isFull(int r) const { return m_load[r] >= m_plan.relays[r].points; }
    bool ownOverlap(int c, int r) const
    {
        for (const int q : m_relaysOf[c])
            if (overlaps(r, q))
                return true;
        return false;
    }
    // The partners whose relays overlap r.
    std::vector<std::int32_t> gunBlockers(int c, int r) const
    {
        std::vector<std::int32_t> blockers;
        for (const int p : m_field.competitors[c].partners)
            for (const int q : m_relaysOf[p])
                if (overlaps(r, q)) {
                    blockers.push_back(m_field.competitors[p].numero);
                    break;
                }
        return blockers;
    }
    bool timeAllows(int c, int r) const { return !ownOverlap(c, r) && gunBlockers(c, r).empty(); }
    bool fits(int c, int r) const { return !isFull(r) && timeAllows(c, r); }

    int matesIn(int c, int r) const
    {
        const Field::Competitor &k = m_field.competitors[c];
        int mates = k.club >= 0 ? m_clubIn[r * m_field.clubCount + k.club] : 0;
        for (const int t : k.teams)
            mates += m_teamIn[r * m_field.teamCount + t];
        return mates;
    }
    void count(int e, int r, int step)
    {
        const Field::Competitor &k = m_field.competitors[m_entries[e].c];
        m_load[r] += step;
        if (k.club >= 0)
            m_clubIn[r * m_field.clubCount + k.club] += step;
        for (const int t : k.teams)
            m_teamIn[r * m_field.teamCount + t] += step;
    }
    void place(int e, int r)
    {
        m_entries[e].relay = r;
        m_occupants[r].push_back(e);
        m_relaysOf[m_entries[e].c].push_back(r);
        count(e, r, +1);
    }
    void unplace(int e)
    {
        const int r = m_entries[e].relay;
        auto &occupants = m_occupants[r];
        occupants.erase(std::find(occupants.begin(), occupants.end(), e));
        auto &taken = m_relaysOf[m_entries[e].c];
        taken.erase(std::find(taken.begin(), taken.end(), r));
        count(e, r, -1);
        m_entries[e].relay = -1;
    }

    void placeLocked(const Assignments &current);
    std::vector<int> drawOrder();
    int bestRelay(int e);
    bool makeRoom(int e);
    LeftOutEntry leftOut(int e) const;
    void drawPoints(int r);

    const Field &m_field;
    const RelayPlan &m_plan;
    SeededRandom m_random;
    int m_relayCount;
    std::vector<bool> m_overlap;
    std::array<std::vector<int>, LajiCount> m_relaysFor;
    std::vector<int> m_load;
    std::vector<std::vector<int>> m_occupants;
    std::vector<int> m_clubIn;
    std::vector<int> m_teamIn;
    std::vector<std::vector<int>> m_relaysOf; // by competitor: the relays of its placed entries
    std::vector<Entry> m_entries;
    std::map<EntryKey, int> m_entryOf;
};

void Draw::placeLocked(const Assignments &current)
{
    for (const auto &[key, seat] : current) {
        if (!seat.locked || !m_field.isEntry(key))
            continue;
        const int r = relayIndex(seat.relay);
        if (r < 0)
            continue;
        const int e = m_entryOf.at(key);
        m_entries[e].locked = true;
        m_entries[e].point = seat.point;
        place(e, r);
    }
}

// The entries with the fewest choices first: disciplines with few relays, then the competitors
// with the most entries and gun partners. The shuffle before the stable sort decides the rest.
std::vector<int> Draw::drawOrder()
{
    std::vector<int> order;
    for (int e = 0; e < static_cast<int>(m_entries.size()); ++e)
        if (m_entries[e].relay < 0)
            order.push_back(e);
    m_random.shuffle(order);
    std::vector<int> ties(m_field.competitors.size(), 0);
    for (size_t c = 0; c < m_field.competitors.size(); ++c) {
        ties[c] = static_cast<int>(m_field.competitors[c].entered.size());
        for (const int p : m_field.competitors[c].partners)
            ties[c] += static_cast<int>(m_field.competitors[p].entered.size());
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const size_t choicesA = m_relaysFor[m_entries[a].d].size();
        const size_t choicesB = m_relaysFor[m_entries[b].d].size();
        if (choicesA != choicesB)
            return choicesA < choicesB;
        return ties[m_entries[a].c] > ties[m_entries[b].c];
    });
    return order;
}

// Of the relays the entry fits in: the fewest club and team mates, then the lowest share of
// points taken; a tie goes to the first after a drawn starting place.
int Draw::bestRelay(int e)
{
    const std::vector<int> &choices = m_relaysFor[m_entries[e].d];
    if (choices.empty())
        return -1;
    const size_t start = static_cast<size_t>(m_random.below(choices.size()));
    const int c = m_entries[e].c;
    int best = -1;
    int bestMates = 0;
    for (size_t i = 0; i < choices.size(); ++i) {
        const int r = choices[(start + i) % choices.size()];
        if (!fits(c, r))
            continue;
        const int mates = matesIn(c, r);
        const bool better = best < 0 || mates < bestMates
            || (mates == bestMates
                && static_cast<long long>(m_load[r]) * m_plan.relays[best].points
                    < static_cast<long long>(m_load[best]) * m_plan.relays[r].points);
        if (better) {
            best = r;
            bestMates = mates;
        }
    }
    return best;
}

// A full relay the entry could take by time: one of its drawn entries moves to another relay
// of its discipline that it fits in, and the entry takes the place.
bool Draw::makeRoom(int e)
{
    const int c = m_entries[e].c;
    for (const int r : m_relaysFor[m_entries[e].d]) {
        if (!isFull(r) || !timeAllows(c, r))
            continue;
        const std::vector<int> occupants = m_occupants[r];
        for (const int x : occupants) {
            if (m_entries[x].locked || m_entries[x].c == c)
                continue;
            unplace(x);
            for (const int other : m_relaysFor[m_entries[x].d]) {
                if (other == r || !fits(m_entries[x].c, other))
                    continue;
                place(x, other);
                // The one moved may share the entry's gun.
                if (timeAllows(c, r)) {
                    place(e, r);
                    return true;
                }
                unplace(x);
            }
            place(x, r);
        }
    }
    return false;
}

LeftOutEntry Draw::leftOut(int e) const
{
    const Entry &entry = m_entries[e];
    const EntryKey key{m_field.competitors[entry.c].numero, entry.d};
    const QString code = disciplineCode(entry.d);
    const std::vector<int> &choices = m_relaysFor[entry.d];
    if (choices.empty())
        return {key, LeftOutReason::NoRelay, tr("no relay of the plan shoots %1").arg(code)};
    bool ownOverlapOnly = false;
    std::vector<std::int32_t> blockers;
    for (const int r : choices) {
        if (isFull(r))
            continue;
        if (ownOverlap(entry.c, r)) {
            ownOverlapOnly = true;
            continue;
        }
        for (const std::int32_t n : gunBlockers(entry.c, r))
            if (std::find(blockers.begin(), blockers.end(), n) == blockers.end())
                blockers.push_back(n);
    }
    if (!blockers.empty()) {
        std::sort(blockers.begin(), blockers.end());
        return {key, LeftOutReason::SharedGun,
            tr("every relay of %1 with a free point overlaps a relay of %2, who shares the gun")
                .arg(code, numbersText(blockers))};
    }
    if (ownOverlapOnly)
        return {key, LeftOutReason::Overlap,
            tr("every relay of %1 with a free point overlaps another relay of this competitor")
                .arg(code)};
    return {key, LeftOutReason::Full, tr("every relay of %1 is full").arg(code)};
}

// Left-handed competitors take the highest free points; the others are spread evenly over the
// rest, so the empty points fall between them, and drawn to those points.
void Draw::drawPoints(int r)
{
    const int points = m_plan.relays[r].points;
    std::vector<bool> taken(static_cast<size_t>(points) + 1, false);
    std::vector<int> left, right;
    for (const int e : m_occupants[r]) {
        const Entry &entry = m_entries[e];
        if (entry.locked) {
            if (entry.point >= 1 && entry.point <= points)
                taken[entry.point] = true;
        } else if (m_field.competitors[entry.c].leftHanded) {
            left.push_back(e);
        } else {
            right.push_back(e);
        }
    }
    // Occupants join relays in draw order; sorted first, so that only the seed orders them.
    std::sort(left.begin(), left.end());
    std::sort(right.begin(), right.end());
    m_random.shuffle(left);
    m_random.shuffle(right);
    int highest = points;
    for (const int e : left) {
        while (taken[highest])
            --highest;
        m_entries[e].point = highest;
        taken[highest] = true;
    }
    std::vector<int> free;
    for (int p = 1; p <= points; ++p)
        if (!taken[p])
            free.push_back(p);
    const size_t n = right.size();
    for (size_t i = 0; i < n; ++i)
        m_entries[right[i]].point = free[(2 * i + 1) * free.size() / (2 * n)];
}

DrawResult Draw::run(const Assignments &current)
{
    DrawResult result;
    for (int c = 0; c < static_cast<int>(m_field.competitors.size()); ++c) {
        const Field::Competitor &k = m_field.competitors[c];
        for (const int d : k.entered) {
            const EntryKey key{k.numero, d};
            if (m_field.numbersTwice.contains(k.numero)) {
                if (result.leftOut.isEmpty() || !(result.leftOut.last().entry == key))
                    result.leftOut << LeftOutEntry{key, LeftOutReason::NumberTwice,
                        tr("number %1 is given to two competitors").arg(k.numero)};
                continue;
            }
            m_entryOf.emplace(key, static_cast<int>(m_entries.size()));
            m_entries.push_back({c, d});
        }
    }
    placeLocked(current);
    for (const int e : drawOrder()) {
        const int r = bestRelay(e);
        if (r >= 0)
            place(e, r);
        else if (!makeRoom(e))
            result.leftOut << leftOut(e);
    }
    for (int r = 0; r < m_relayCount; ++r)
        drawPoints(r);
    for (const Entry &entry : m_entries)
        if (entry.relay >= 0)
            result.assignments.emplace(EntryKey{m_field.competitors[entry.c].numero, entry.d},
                Seat{m_plan.relays[entry.relay].number, entry.point, entry.locked});
    std::sort(result.leftOut.begin(), result.leftOut.end(),
        [](const LeftOutEntry &a, const LeftOutEntry &b) { return a.entry < b.entry; });
    result.leftOut.erase(
        std::unique(result.leftOut.begin(), result.leftOut.end()), result.leftOut.end());
    return result;
}

struct Placed
{
    EntryKey key;
    const Relay *relay = nullptr;
    int c = 0;
};

void listPointsTakenTwice(
    const std::vector<Placed> &placed, const Assignments &assignments, QList<RuleBreach> &breaches)
{
    std::map<std::pair<int, int>, int> holders;
    for (const Placed &p : placed)
        ++holders[{p.relay->number, assignments.at(p.key).point}];
    for (const Placed &p : placed) {
        const int point = assignments.at(p.key).point;
        if (point >= 1 && point <= p.relay->points && holders[{p.relay->number, point}] > 1)
            breaches << RuleBreach{p.key, HardRule::PointTaken,
                tr("point %1 of relay %2 is given twice").arg(point).arg(p.relay->number)};
    }
}

void listOverlaps(const Field &f, const std::vector<Placed> &placed, QList<RuleBreach> &breaches)
{
    std::vector<std::vector<const Placed *>> byCompetitor(f.competitors.size());
    for (const Placed &p : placed)
        byCompetitor[p.c].push_back(&p);
    for (const Placed &p : placed) {
        for (const Placed *other : byCompetitor[p.c])
            if (other != &p && p.relay->overlaps(*other->relay))
                breaches << RuleBreach{p.key, HardRule::OverlappingRelays,
                    tr("relay %1 overlaps relay %2, where this competitor shoots %3")
                        .arg(p.relay->number)
                        .arg(other->relay->number)
                        .arg(disciplineCode(other->key.d))};
        for (const int partner : f.competitors[p.c].partners)
            for (const Placed *other : byCompetitor[partner])
                if (p.relay->overlaps(*other->relay))
                    breaches << RuleBreach{p.key, HardRule::SharedGun,
                        tr("relay %1 overlaps relay %2 of %3, who shares the gun")
                            .arg(p.relay->number)
                            .arg(other->relay->number)
                            .arg(other->key.numero)};
    }
}

} // namespace

DrawResult drawRelays(
    const Kilpailu &match, const RelayPlan &plan, const Assignments &current, std::uint64_t seed)
{
    const Field field = readField(match);
    return Draw(field, plan, seed).run(current);
}

QList<RuleBreach> hardRuleBreaches(
    const Kilpailu &match, const RelayPlan &plan, const Assignments &assignments)
{
    const Field f = readField(match);
    QList<RuleBreach> breaches;
    std::vector<Placed> placed;
    for (const auto &[key, seat] : assignments) {
        const QString code = disciplineCode(key.d);
        if (!f.isEntry(key)) {
            breaches << RuleBreach{key, HardRule::NotEntered,
                tr("competitor %1 is not entered in %2").arg(key.numero).arg(code)};
            continue;
        }
        const Relay *relay = plan.relay(seat.relay);
        if (!relay) {
            breaches << RuleBreach{
                key, HardRule::UnknownRelay, tr("relay %1 is not in the plan").arg(seat.relay)};
            continue;
        }
        if (!relay->shoots(key.d))
            breaches << RuleBreach{key, HardRule::WrongDiscipline,
                tr("relay %1 does not shoot %2").arg(seat.relay).arg(code)};
        if (seat.point < 1 || seat.point > relay->points)
            breaches << RuleBreach{key, HardRule::PointOutsideRelay,
                tr("relay %1 has no point %2").arg(seat.relay).arg(seat.point)};
        placed.push_back({key, relay, f.indexOf(key.numero)});
    }
    listPointsTakenTwice(placed, assignments, breaches);
    listOverlaps(f, placed, breaches);
    std::stable_sort(breaches.begin(), breaches.end(),
        [](const RuleBreach &a, const RuleBreach &b) { return a.entry < b.entry; });
    return breaches;
}

QList<std::int32_t> gunPartners(const Kilpailu &match, int slot)
{
    const Field f = readField(match);
    QList<std::int32_t> numbers;
    for (const Field::Competitor &c : f.competitors)
        if (c.slot == slot)
            for (const int p : c.partners)
                numbers << f.competitors[p].numero;
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

} // namespace marvola
