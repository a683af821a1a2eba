#include "live/StationApi.h"

#include "live/StationPage.h"
#include "model/Registers.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageAuthenticationCode>
#include <QMutexLocker>
#include <QUrl>
#include <QUrlQuery>

#include <algorithm>
#include <cmath>

namespace marvola {

namespace {

constexpr std::size_t MaxEntryBytes = 8 * 1024;
constexpr int MaxIdLength = 64;
constexpr int MaxInitials = 10;
constexpr int MaxHits = 1000000;

const QByteArray PagePath = QByteArrayLiteral("/station");
const QByteArray EntriesPath = QByteArrayLiteral("/station/api/entries");
const QByteArray StationPath = QByteArrayLiteral("/station/api/station.json");
const QByteArray CompetitorsPath = QByteArrayLiteral("/station/api/competitors.json");

QString tr(const char *text)
{
    // The context lupdate gives a tr() of this namespace, so the texts are found.
    return QCoreApplication::translate("marvola", text);
}

bool isHex(const QByteArray &text)
{
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

// Compares every byte whatever the first difference, so the time taken tells nothing.
bool sameBytes(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

bool validEntryId(const QString &id)
{
    if (id.isEmpty() || id.size() > MaxIdLength)
        return false;
    for (const QChar c : id)
        if (!(c.isDigit() && c.unicode() < 128) && !(c.unicode() < 128 && c.isLetter())
            && c != QLatin1Char('-'))
            return false;
    return true;
}

std::optional<std::int32_t> integer(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (std::floor(number) != number || std::fabs(number) > MaxHits)
        return std::nullopt;
    return std::int32_t(number);
}

// What the office's shoot-off field holds: printable characters the match files can write, two
// at most. A control character would reach the register, the board and the CSV file raw.
bool fitsShootOffField(const QString &text)
{
    for (const QChar c : text)
        if (!c.isPrint())
            return false;
    return text.size() <= 2 && Str2(text).text() == text;
}

bool allDigits(const QByteArray &text)
{
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    return !text.isEmpty();
}

// The decimal counter of the header: digits only, at most 18 of them.
std::optional<qint64> parseCounter(const QByteArray &text)
{
    if (text.size() > 18 || !allDigits(text))
        return std::nullopt;
    return text.toLongLong();
}

// The page, unsigned like the board: it holds nothing secret; the pairing reaches the phone in
// the link's fragment, which the browser never sends.
LiveAnswer stationPageAnswer(const LiveRequest &request)
{
    LiveAnswer answer;
    answer.headers << std::pair{QByteArrayLiteral("Content-Type"),
        QByteArrayLiteral("text/html; charset=utf-8")}
                   << std::pair{QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-cache")}
                   << std::pair{QByteArrayLiteral("X-Content-Type-Options"),
                          QByteArrayLiteral("nosniff")}
                   << std::pair{
                          QByteArrayLiteral("Referrer-Policy"), QByteArrayLiteral("no-referrer")};
    answer.headers << std::pair{QByteArrayLiteral("Vary"), QByteArrayLiteral("Accept-Language")};
    answer.body = stationPage(request.language());
    return answer;
}

} // namespace

QByteArray stationSignature(const QByteArray &secretHex, const QByteArray &method,
    const QByteArray &path, const QByteArray &counter, const QByteArray &body)
{
    if (secretHex.size() != 64 || !isHex(secretHex))
        return {};
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, QByteArray::fromHex(secretHex));
    mac.addData(method + '\n' + path + '\n' + counter + '\n');
    mac.addData(body);
    return mac.result().toHex();
}

LiveAnswer stationRefusal(int status, const QString &error)
{
    const QJsonObject object{
        {QStringLiteral("status"), QStringLiteral("refused")}, {QStringLiteral("error"), error}};
    return jsonAnswer(status, QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
}

LiveAnswer stationOfficialRefusal(const QString &reason)
{
    const QJsonObject object{
        {QStringLiteral("status"), QStringLiteral("official")}, {QStringLiteral("error"), reason}};
    return jsonAnswer(409, QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
}

LiveAnswer stationCounterRefusal(qint64 lastCounter)
{
    if (lastCounter >= MaxStationCounter)
        return stationRefusal(403,
            tr("This station has used the largest counter the office takes (18 nines): pair the "
               "phone again."));
    return stationRefusal(403, tr("The counter is not above the last one accepted."));
}

LiveAnswer stationReceipt(const QString &status, qint64 receipt)
{
    const QJsonObject object{
        {QStringLiteral("status"), status}, {QStringLiteral("receipt"), receipt}};
    const bool held = status == StationStatus::Conflict || status == StationStatus::Disagreement;
    return jsonAnswer(
        held ? 409 : 200, QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
}

std::optional<StationEntry> parseStationEntry(const QByteArray &body, QString &error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        error = tr("The body is not a JSON object.");
        return std::nullopt;
    }
    const QJsonObject o = document.object();
    StationEntry e;
    e.id = o.value(QStringLiteral("id")).toString();
    if (!validEntryId(e.id)) {
        error = tr("The id must be 1 to 64 letters, digits or hyphens.");
        return std::nullopt;
    }
    const auto competitor = integer(o.value(QStringLiteral("competitor")));
    if (!competitor || *competitor <= 0) {
        error = tr("The competitor must be a competitor number.");
        return std::nullopt;
    }
    e.competitor = *competitor;
    const auto d = disciplineOfCode(o.value(QStringLiteral("discipline")).toString());
    if (!d) {
        error = tr("The discipline must be a discipline code such as BBPR.");
        return std::nullopt;
    }
    e.discipline = *d;
    const char *const animals[] = {"chicken", "pig", "turkey", "ram"};
    std::int32_t sum = 0;
    for (int t = 0; t < 4; ++t) {
        const auto hits = integer(o.value(QLatin1String(animals[t])));
        if (!hits) {
            error = tr("The hits of %1 must be a whole number.").arg(QLatin1String(animals[t]));
            return std::nullopt;
        }
        e.hits[t] = *hits;
        sum += *hits;
    }
    e.total = sum;
    if (o.contains(QStringLiteral("total"))) {
        const auto total = integer(o.value(QStringLiteral("total")));
        if (!total) {
            error = tr("The total must be a whole number.");
            return std::nullopt;
        }
        e.total = *total;
        // The page sends the sum; a total of its own would be ranked against hits that deny it.
        if (e.total != sum) {
            error = tr("The total must be the sum of the hits.");
            return std::nullopt;
        }
    }
    if (o.contains(QStringLiteral("finals"))) {
        const QJsonValue finals = o.value(QStringLiteral("finals"));
        if (!finals.isArray() || finals.toArray().size() > FinaaliCount) {
            error = tr("The shoot-off entries must be a list of at most five texts.");
            return std::nullopt;
        }
        const QJsonArray array = finals.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            if (!array[i].isString() || !fitsShootOffField(array[i].toString())) {
                error = tr("A shoot-off entry is a text of at most two characters.");
                return std::nullopt;
            }
            e.finals[size_t(i)] = array[i].toString();
        }
        e.finalsGiven = true;
    }
    const QJsonValue shots = o.value(QStringLiteral("shots"));
    if (shots.isArray())
        e.shots = QJsonDocument(shots.toArray()).toJson(QJsonDocument::Compact);
    else if (!shots.isUndefined() && !shots.isNull()) {
        error = tr("The shots must be a list of the targets' marks.");
        return std::nullopt;
    }
    if (o.contains(QStringLiteral("initials"))) {
        const QJsonValue initials = o.value(QStringLiteral("initials"));
        if (!initials.isString() || initials.toString().size() > MaxInitials) {
            error = tr("The initials must be a text of at most 10 characters.");
            return std::nullopt;
        }
        e.initials = initials.toString();
    }
    return e;
}

void StationGate::setRate(double requestsPerSecond, double burst)
{
    QMutexLocker lock(&m_mutex);
    m_perSecond = requestsPerSecond;
    m_burst = burst;
    m_buckets.clear();
}

void StationGate::setClosed(const QString &reason)
{
    QMutexLocker lock(&m_mutex);
    m_closed = reason;
}

void StationGate::setStations(const QList<Station> &stations)
{
    QMutexLocker lock(&m_mutex);
    QHash<QString, Station> next;
    for (const Station &s : stations) {
        Station kept = s;
        // A counter accepted a moment ago and not yet in the list given stays the last.
        if (const auto it = m_stations.constFind(s.id); it != m_stations.cend())
            kept.lastCounter = std::max(kept.lastCounter, it->lastCounter);
        next.insert(s.id, kept);
    }
    m_stations = std::move(next);
}

QList<Station> StationGate::stations() const
{
    QMutexLocker lock(&m_mutex);
    return m_stations.values();
}

qint64 StationGate::lastCounter(const QString &id) const
{
    QMutexLocker lock(&m_mutex);
    return m_stations.value(id).lastCounter;
}

void StationGate::accepted(const QString &id, qint64 counter)
{
    QMutexLocker lock(&m_mutex);
    if (const auto it = m_stations.find(id); it != m_stations.end()) {
        it->lastCounter = std::max(it->lastCounter, counter);
        it->lastContact = QDateTime::currentDateTime();
    }
}

std::optional<Station> StationGate::station(const QString &id) const
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_stations.constFind(id);
    return it == m_stations.cend() ? std::nullopt : std::optional(*it);
}

std::optional<StationRequest> StationGate::admit(const LiveRequest &request, LiveAnswer &refusal)
{
    const QByteArray id = request.header("x-station");
    const QByteArray counterText = request.header("x-counter");
    const QByteArray signature = request.header("x-signature");
    if (id.isEmpty() || counterText.isEmpty() || signature.isEmpty()) {
        refusal = stationRefusal(
            401, tr("A station request needs X-Station, X-Counter and X-Signature."));
        return std::nullopt;
    }
    const std::optional<qint64> counter = parseCounter(counterText);
    QMutexLocker lock(&m_mutex);
    if (!m_closed.isEmpty()) {
        refusal = stationRefusal(503, m_closed);
        return std::nullopt;
    }
    const auto it = m_stations.constFind(QString::fromLatin1(id));
    if (it == m_stations.cend() || it->revoked) {
        refusal = stationRefusal(403, tr("This station is not known or has been revoked."));
        return std::nullopt;
    }
    if (!counter) {
        refusal = stationRefusal(403,
            allDigits(counterText)
                ? tr("The counter has more digits than the office takes (18): pair the phone "
                     "again.")
                : tr("The counter must be a whole number of 1 to 18 digits."));
        return std::nullopt;
    }
    const QByteArray expected
        = stationSignature(it->secret, request.method, request.path(), counterText, request.body);
    if (expected.isEmpty() || !sameBytes(expected, signature)) {
        refusal = stationRefusal(403, tr("The signature is wrong."));
        return std::nullopt;
    }
    // A request copied off the air is refused before the rate is counted: a replay takes nothing
    // from the station's allowance.
    if (*counter <= it->lastCounter) {
        refusal = stationCounterRefusal(it->lastCounter);
        return std::nullopt;
    }
    Bucket &bucket = m_buckets[it->id];
    const auto now = std::chrono::steady_clock::now();
    const double seconds = std::chrono::duration<double>(now - bucket.filled).count();
    bucket.tokens
        = bucket.tokens < 0 ? m_burst : std::min(m_burst, bucket.tokens + seconds * m_perSecond);
    bucket.filled = now;
    if (bucket.tokens < 1.0) {
        refusal = stationRefusal(429, tr("Too many requests from this station; send again soon."));
        return std::nullopt;
    }
    bucket.tokens -= 1.0;
    StationRequest admitted;
    admitted.station = *it;
    admitted.counter = *counter;
    return admitted;
}

void StationGate::setDirectory(std::shared_ptr<const QHash<QString, QByteArray>> directory)
{
    QMutexLocker lock(&m_mutex);
    m_directory = std::move(directory);
}

LiveAnswer StationGate::competitorsAnswer(const LiveRequest &request) const
{
    const QString code = QUrlQuery(QString::fromLatin1(request.query()))
                             .queryItemValue(QStringLiteral("discipline"), QUrl::FullyDecoded)
                             .toUpper();
    std::shared_ptr<const QHash<QString, QByteArray>> directory;
    {
        QMutexLocker lock(&m_mutex);
        directory = m_directory;
    }
    if (!disciplineOfCode(code))
        return stationRefusal(400, tr("Name a discipline: ?discipline=BBPR."));
    LiveAnswer answer = jsonAnswer(200, directory ? directory->value(code, "[]\n") : "[]\n");
    answer.withBody = request.method != "HEAD";
    return answer;
}

namespace {

// The places of one discipline's entries, by competitor number: those in relays of the plan.
QHash<std::int32_t, Seat> seatsIn(const Kilpailu &kilpailu, int d)
{
    QHash<std::int32_t, Seat> seats;
    for (const auto &[entry, seat] : kilpailu.assignments)
        if (entry.d == d && kilpailu.relayPlan.relay(seat.relay))
            seats.insert(entry.numero, seat);
    return seats;
}

} // namespace

QByteArray stationListSource(const Kilpailu &kilpailu, int d)
{
    QByteArray source;
    const auto add = [&source](const auto &value) {
        source.append(reinterpret_cast<const char *>(&value), sizeof value);
    };
    add(kilpailu.tiedot.shotCount(Group::BBP));
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        const TKilpailija &k = kilpailu.kilpailijat[slot];
        if (k.Numero == 0 || k.Nimi.isEmpty() || !k.Osallistuu[d])
            continue;
        add(k.Numero);
        for (const QByteArray &text : {k.Nimi.bytes(), k.Seura.bytes(), k.Luokka[d].bytes()}) {
            add(text.size());
            source.append(text);
        }
        for (const std::int32_t figure :
            {k.Kana[d], k.Sika[d], k.Kalkkuna[d], k.Passi[d], k.Yhteensa[d]})
            add(figure);
    }
    const QHash<std::int32_t, Seat> seats = seatsIn(kilpailu, d);
    QList<std::int32_t> numbers = seats.keys();
    std::sort(numbers.begin(), numbers.end());
    for (const std::int32_t number : numbers) {
        add(number);
        add(seats[number].relay);
        add(seats[number].point);
    }
    return source;
}

QByteArray stationList(const Kilpailu &kilpailu, int d)
{
    const std::int32_t bbpShots = kilpailu.tiedot.shotCount(Group::BBP);
    const QHash<std::int32_t, Seat> seats = seatsIn(kilpailu, d);
    QJsonArray list;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        const TKilpailija &k = kilpailu.kilpailijat[slot];
        if (k.Numero == 0 || k.Nimi.isEmpty() || !k.Osallistuu[d])
            continue;
        // As the board shows it: a competitor without a class has the class of the score.
        const QString shownClass = k.Luokka[d].sameText(Str6(Luokat::Eiluok))
            ? classFromScore(d, k.Yhteensa[d], bbpShots)
            : k.Luokka[d].text();
        const bool stored = k.Yhteensa[d] != 0 || k.Kana[d] != 0 || k.Sika[d] != 0
            || k.Kalkkuna[d] != 0 || k.Passi[d] != 0;
        QJsonObject competitor{{QStringLiteral("number"), k.Numero},
            {QStringLiteral("name"), k.Nimi.text()}, {QStringLiteral("club"), k.Seura.text()},
            {QStringLiteral("class"), shownClass}, {QStringLiteral("stored"), stored}};
        // The scorer may pick by where the competitor shoots.
        if (const auto seat = seats.constFind(k.Numero); seat != seats.cend()) {
            competitor.insert(QStringLiteral("relay"), seat->relay);
            competitor.insert(QStringLiteral("point"), seat->point);
        }
        list.append(competitor);
    }
    return QJsonDocument(list).toJson(QJsonDocument::Compact) + '\n';
}

QHash<QString, QByteArray> stationDirectory(const Kilpailu &kilpailu)
{
    QHash<QString, QByteArray> directory;
    for (int d = 0; d < LajiCount; ++d)
        directory.insert(disciplineCode(d), stationList(kilpailu, d));
    return directory;
}

LiveRouter stationRouter(StationGate &gate, StationHandler handler)
{
    LiveRouter router = LiveRouter::board();
    const auto signedRoute = [&gate, handler](StationRequest::Kind kind) {
        return [&gate, handler, kind](const LiveRequest &request, LiveReply reply) {
            LiveAnswer refusal;
            std::optional<StationRequest> admitted = gate.admit(request, refusal);
            if (!admitted) {
                reply(refusal);
                return;
            }
            admitted->kind = kind;
            if (kind == StationRequest::Kind::Entry) {
                QString error;
                std::optional<StationEntry> entry = parseStationEntry(request.body, error);
                if (!entry) {
                    reply(stationRefusal(400, error));
                    return;
                }
                if (!admitted->station.mayScore(disciplineCode(entry->discipline))) {
                    reply(stationRefusal(403,
                        tr("This station may not score %1.")
                            .arg(disciplineCode(entry->discipline))));
                    return;
                }
                entry->station = admitted->station.id;
                entry->counter = admitted->counter;
                admitted->entry = *entry;
            }
            handler(std::move(*admitted), std::move(reply));
        };
    };
    router.prepend({"GET", PagePath, 0,
        [](const LiveRequest &request, const std::shared_ptr<const LiveContent> &) {
            return stationPageAnswer(request);
        },
        {}, false});
    router.prepend(
        {"POST", EntriesPath, MaxEntryBytes, {}, signedRoute(StationRequest::Kind::Entry), true});
    router.prepend(
        {"GET", StationPath, 0, {}, signedRoute(StationRequest::Kind::StationInfo), true});
    router.prepend({"GET", CompetitorsPath, 0,
        [&gate](const LiveRequest &request, const std::shared_ptr<const LiveContent> &) {
            return gate.competitorsAnswer(request);
        },
        {}, true});
    return router;
}

} // namespace marvola
