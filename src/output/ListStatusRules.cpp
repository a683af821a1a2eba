#include "output/ListStatusRules.h"

#include "model/Language.h"
#include "ranking/Ranking.h"

#include <QCoreApplication>

#include <memory>

namespace marvola {

namespace {

QString clock(const QDateTime &time)
{
    return time.toString(QStringLiteral("HH:mm"));
}

template<typename Table> bool sameRows(const Table &a, const Table &b)
{
    const int last = std::max(a.lastNamedRow(), b.lastNamedRow());
    for (int row = 1; row <= last; ++row)
        if (!(a[row] == b[row]))
            return false;
    return true;
}

bool sameList(const PrintList &list, const Tulokset &a, const Tulokset &b)
{
    switch (list.kind) {
    case ListKind::Discipline: return sameRows(a.laji(list.which), b.laji(list.which));
    case ListKind::Aggregate:
        return sameRows(a.aggregate(static_cast<Aggregate>(list.which)),
            b.aggregate(static_cast<Aggregate>(list.which)));
    case ListKind::Team:
        return sameRows(a.standings(static_cast<TeamGroup>(list.which)),
            b.standings(static_cast<TeamGroup>(list.which)));
    }
    return false;
}

} // namespace

QString listStatusLine(const ListStatus &status, const QString &language)
{
    // The installed translation, or the language a page is answered in.
    const auto text = [&language](const char *source) {
        return language.isEmpty() ? QCoreApplication::translate("ListStatus", source)
                                  : translateInto(language, "ListStatus", source);
    };
    switch (status.state) {
    case ListState::None: return {};
    case ListState::Provisional:
        return text(
            QT_TRANSLATE_NOOP("ListStatus", "Provisional results, posted %1; challenges until %2"))
            .arg(clock(status.postedAt), clock(status.challengeUntil()));
    case ListState::Official:
        return text(QT_TRANSLATE_NOOP("ListStatus", "Official results, %1"))
            .arg(clock(status.officialAt));
    }
    return {};
}

ListStatus statusOfList(const Kilpailu &match, const QString &caption)
{
    return match.listStatus.value(caption);
}

QStringList selectedCaptions(const PrintSelection &selection)
{
    QStringList captions;
    for (int i = 0; i < PrintListCount; ++i)
        if (selection.test(static_cast<size_t>(i)))
            captions << QString::fromLatin1(PrintLists[static_cast<size_t>(i)].caption);
    return captions;
}

void postLists(Kilpailu &match, const QStringList &captions, const QDateTime &now, int minutes)
{
    for (const QString &caption : captions) {
        ListStatus &status = match.listStatus[caption];
        if (status.isOfficial())
            continue;
        status.state = ListState::Provisional;
        status.postedAt = now;
        status.windowMinutes = minutes;
    }
}

void declareOfficial(Kilpailu &match, const QStringList &captions, const QDateTime &now)
{
    for (const QString &caption : captions) {
        ListStatus &status = match.listStatus[caption];
        if (status.isOfficial())
            continue;
        status.state = ListState::Official;
        status.officialAt = now;
    }
}

void reopenLists(Kilpailu &match, const QStringList &captions, const QString &reason)
{
    for (const QString &caption : captions) {
        const auto it = match.listStatus.find(caption);
        if (it == match.listStatus.end() || !it->isOfficial())
            continue;
        it->state = ListState::None;
        it->officialAt = QDateTime();
        it->reason = reason;
    }
}

QStringList listsStillOpenToChallenge(
    const Kilpailu &match, const QStringList &captions, const QDateTime &now)
{
    QStringList open;
    for (const QString &caption : captions) {
        const ListStatus status = statusOfList(match, caption);
        if (status.isOfficial())
            continue;
        if (status.state != ListState::Provisional || now < status.challengeUntil())
            open << caption;
    }
    return open;
}

UndecidedTies tiesInLists(const Kilpailu &match, const QStringList &captions)
{
    UndecidedTies found;
    for (const UndecidedTie &tie : undecidedTies(match))
        if (captions.contains(disciplineCode(tie.d)))
            found.push_back(tie);
    return found;
}

QString postedTieWarning(const UndecidedTie &tie)
{
    QStringList competitors;
    for (const TiedCompetitor &c : tie.competitors)
        competitors << QStringLiteral("%1 %2").arg(c.numero).arg(c.nimi.trimmed());
    const QString where = tie.luokka.isEmpty()
        ? disciplineCode(tie.d)
        : QCoreApplication::translate("ListStatus", "%1 class %2")
              .arg(disciplineCode(tie.d), tie.luokka);
    return QCoreApplication::translate(
        "ListStatus", "Posted with a tie that needs a shoot-off: %1, places %2: %3.")
        .arg(where, tie.places(), competitors.join(QStringLiteral(", ")));
}

QStringList alteredOfficialLists(const Kilpailu &before, const Kilpailu &after)
{
    QList<const PrintList *> official;
    // A list reopened by the same change (a restore of the log, a batch run that reopens) is
    // no longer official after it; one reopened, corrected and declared again within it has
    // another declaration, and the correction was made while it was open.
    for (const PrintList &list : PrintLists) {
        const QString caption = QString::fromLatin1(list.caption);
        const ListStatus was = statusOfList(before, caption);
        const ListStatus is = statusOfList(after, caption);
        if (was.isOfficial() && is.isOfficial() && was.officialAt == is.officialAt)
            official << &list;
    }
    if (official.isEmpty())
        return {};
    // Ranked as the refresh ranks them, so that what is compared is what the list shows.
    const auto was = std::make_unique<Tulokset>();
    const auto would = std::make_unique<Tulokset>();
    refreshResults(before, *was, TabLines::Skip);
    refreshResults(after, *would, TabLines::Skip);
    QStringList altered;
    for (const PrintList *list : std::as_const(official))
        if (!sameList(*list, *was, *would))
            altered << QString::fromLatin1(list->caption);
    return altered;
}

QString officialRefusalMessage(const QStringList &captions)
{
    return QCoreApplication::translate("ListStatus",
        "This would change official results (%1): nothing was changed. To correct them, "
        "reopen the list with a reason (Results > Reopen lists..., or in batch --reopen "
        "LISTS --reason TEXT).")
        .arg(captions.join(QStringLiteral(", ")));
}

QString officialListsGuard(const Kilpailu &before, const Kilpailu &after)
{
    const QStringList altered = alteredOfficialLists(before, after);
    return altered.isEmpty() ? QString() : officialRefusalMessage(altered);
}

} // namespace marvola
