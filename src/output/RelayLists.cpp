#include "output/RelayLists.h"

#include "model/Disciplines.h"
#include "model/Registers.h"
#include "relays/MissingCards.h"
#include "relays/StartList.h"

#include <QCoreApplication>
#include <QMap>

#include <algorithm>

namespace marvola {

const std::array<RelayPrintList, RelayPrintListCount> RelayPrintLists = {{
    {RelayListKind::ByRelay, "startListByRelayBox",
        QT_TRANSLATE_NOOP("RelayLists", "Start list by relay")},
    {RelayListKind::ByClub, "startListByClubBox",
        QT_TRANSLATE_NOOP("RelayLists", "Start list by club")},
    {RelayListKind::ByCompetitor, "startListByCompetitorBox",
        QT_TRANSLATE_NOOP("RelayLists", "Start list by competitor")},
    {RelayListKind::CardsNotReturned, "cardsNotReturnedBox",
        QT_TRANSLATE_NOOP("RelayLists", "Cards not returned")},
}};

std::optional<ListSelection> parseListSelection(const QString &text, QString &error)
{
    ListSelection selection;
    if (text.trimmed().compare(QLatin1String("all"), Qt::CaseInsensitive) == 0) {
        selection.results.set();
        return selection;
    }
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString caption = part.trimmed();
        const auto result = std::find_if(PrintLists.begin(), PrintLists.end(),
            [&](const PrintList &l) { return caption == QLatin1String(l.caption); });
        const auto relay = std::find_if(RelayPrintLists.begin(), RelayPrintLists.end(),
            [&](const RelayPrintList &l) { return caption == QLatin1String(l.caption); });
        if (result != PrintLists.end()) {
            selection.results.set(static_cast<size_t>(result - PrintLists.begin()));
        } else if (relay != RelayPrintLists.end()) {
            selection.relays.set(static_cast<size_t>(relay - RelayPrintLists.begin()));
        } else {
            QStringList captions{allListCaptions()};
            for (const RelayPrintList &list : RelayPrintLists)
                captions << QString::fromLatin1(list.caption);
            error = QCoreApplication::translate(
                "PrintLists", "Unknown list \"%1\". The lists are: %2.")
                        .arg(caption, captions.join(QLatin1Char(',')));
            return std::nullopt;
        }
    }
    return selection;
}

namespace {

// Where the result lists put their title and first column.
constexpr double ListLeft = 0.2;
constexpr double TitleY = 0.6;
constexpr double WideLine = 7.0;
// A page holds lines up to 65 before a row, as in the result lists.
constexpr int LastLineBeforeBreak = 65;

QString text(const char *source)
{
    return QCoreApplication::translate("RelayLists", source);
}

enum class Field { Relay, Start, Point, Number, Name, Club, Class, Discipline };

struct RelayColumn
{
    Field field;
    double left;
    double width;
    Align align;
};

using RelayColumns = QList<RelayColumn>;

const char *heading(Field field)
{
    switch (field) {
    case Field::Relay: return QT_TRANSLATE_NOOP("RelayLists", "Relay");
    case Field::Start: return QT_TRANSLATE_NOOP("RelayLists", "Start");
    case Field::Point: return QT_TRANSLATE_NOOP("RelayLists", "Point");
    case Field::Number: return QT_TRANSLATE_NOOP("RelayLists", "No.");
    case Field::Name: return QT_TRANSLATE_NOOP("RelayLists", "Name");
    case Field::Club: return QT_TRANSLATE_NOOP("RelayLists", "Club");
    case Field::Class: return QT_TRANSLATE_NOOP("RelayLists", "Class");
    case Field::Discipline: return QT_TRANSLATE_NOOP("RelayLists", "Discipline");
    }
    return "";
}

// One line's values: a place, or a missing card with its relay, point and entry.
struct Line
{
    const Relay *relay = nullptr;
    int point = 0;
    const TKilpailija *competitor = nullptr;
    int d = 0;
};

QString cell(Field field, const Line &line)
{
    switch (field) {
    case Field::Relay: return QString::number(line.relay->number);
    case Field::Start: return line.relay->startText();
    case Field::Point: return QString::number(line.point);
    case Field::Number: return QString::number(line.competitor->Numero);
    case Field::Name: return line.competitor->Nimi.text();
    case Field::Club: return line.competitor->Seura.text();
    case Field::Class: return classCaption(line.competitor->Luokka[line.d].text());
    case Field::Discipline: return disciplineCode(line.d);
    }
    return {};
}

void setTabs(ReportCanvas &canvas, const RelayColumns &columns)
{
    canvas.clearTabs();
    for (const RelayColumn &column : columns)
        canvas.addTab(column.left, column.align, column.width);
}

void pageBreakTest(ReportCanvas &canvas, int lines)
{
    if (canvas.lineNum() > LastLineBeforeBreak || canvas.linesLeft() < lines)
        canvas.newPage();
}

// A line of its own across the page (a relay's or a club's heading), bold.
void printWide(ReportCanvas &canvas, const QString &wide, const RelayColumns &columns)
{
    canvas.newLine();
    canvas.clearTabs();
    canvas.addTab(ListLeft, Align::Left, WideLine);
    canvas.setBold(true);
    canvas.printTab(wide);
    canvas.setBold(false);
    setTabs(canvas, columns);
}

void printHeadings(ReportCanvas &canvas, const RelayColumns &columns)
{
    canvas.newLine();
    setTabs(canvas, columns);
    for (const RelayColumn &column : columns)
        canvas.printTab(text(heading(column.field)));
}

// The title at the top of the list's page, and a line below it.
void beginList(ReportCanvas &canvas, const QString &title)
{
    canvas.gotoXY(ListLeft, TitleY);
    canvas.print(title);
    canvas.newLine();
}

void printLine(ReportCanvas &canvas, const RelayColumns &columns, const Line &line,
    const QList<Field> &blank = {})
{
    canvas.newLine();
    for (const RelayColumn &column : columns)
        canvas.printTab(blank.contains(column.field) ? QString() : cell(column.field, line));
}

QString relayHeading(const Relay &relay)
{
    return text(QT_TRANSLATE_NOOP("RelayLists", "Relay %1, %2, %3 min: %4"))
        .arg(relay.number)
        .arg(relay.startText())
        .arg(relay.minutes)
        .arg(relay.disciplinesText());
}

Line lineOf(const Kilpailu &match, const StartPlace &place)
{
    return {place.relay, place.point, &match.kilpailijat[place.slot], place.d};
}

// By relay: each relay's heading, then its places by point.
void printByRelay(ReportCanvas &canvas, const Kilpailu &match)
{
    const RelayColumns columns{{Field::Start, 0.2, 0.5, Align::Left},
        {Field::Point, 0.8, 0.4, Align::Right}, {Field::Number, 1.3, 0.5, Align::Right},
        {Field::Name, 2.0, 1.9, Align::Left}, {Field::Club, 4.0, 1.5, Align::Left},
        {Field::Class, 5.6, 0.7, Align::Left}, {Field::Discipline, 6.4, 0.7, Align::Left}};
    beginList(canvas, text(RelayPrintLists[0].caption));
    printHeadings(canvas, columns);
    const Relay *relay = nullptr;
    for (const StartPlace &place : startPlaces(match, match.relayPlan, match.assignments)) {
        if (place.relay != relay) {
            relay = place.relay;
            // A relay's heading never stands alone at a page's foot.
            pageBreakTest(canvas, 3);
            canvas.newLine();
            printWide(canvas, relayHeading(*relay), columns);
        }
        pageBreakTest(canvas, 1);
        printLine(canvas, columns, lineOf(match, place));
    }
}

// Club names as they sort on the page: alphabetical whatever the case, the club-less last.
bool clubBefore(const QString &a, const QString &b)
{
    if (a.isEmpty() != b.isEmpty())
        return b.isEmpty();
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

// By club: one page for each club, its competitors by name, each one's places by start.
void printByClub(ReportCanvas &canvas, const Kilpailu &match)
{
    const RelayColumns columns{{Field::Number, 0.2, 0.5, Align::Right},
        {Field::Name, 0.9, 1.9, Align::Left}, {Field::Class, 2.9, 0.7, Align::Left},
        {Field::Discipline, 3.7, 0.7, Align::Left}, {Field::Relay, 4.4, 0.5, Align::Right},
        {Field::Start, 5.1, 0.5, Align::Left}, {Field::Point, 5.6, 0.4, Align::Right}};
    QList<StartPlace> places = startPlaces(match, match.relayPlan, match.assignments);
    const auto clubOf
        = [&](const StartPlace &p) { return match.kilpailijat[p.slot].Seura.text().trimmed(); };
    const auto nameOf = [&](const StartPlace &p) { return match.kilpailijat[p.slot].Nimi.text(); };
    std::stable_sort(places.begin(), places.end(), [&](const StartPlace &a, const StartPlace &b) {
        const QString clubA = clubOf(a), clubB = clubOf(b);
        if (clubA != clubB)
            return clubBefore(clubA, clubB);
        const int byName = nameOf(a).compare(nameOf(b), Qt::CaseInsensitive);
        if (byName != 0)
            return byName < 0;
        return std::tuple(a.number, a.relay->startMinute, a.relay->number)
            < std::tuple(b.number, b.relay->startMinute, b.relay->number);
    });
    const QString title = text(RelayPrintLists[1].caption);
    if (places.isEmpty()) {
        beginList(canvas, title);
        printHeadings(canvas, columns);
        return;
    }
    std::optional<QString> club;
    for (const StartPlace &place : places) {
        if (club != clubOf(place)) {
            if (club)
                canvas.newPage();
            club = clubOf(place);
            beginList(canvas, title);
            printWide(canvas,
                club->isEmpty() ? text(QT_TRANSLATE_NOOP("RelayLists", "No club")) : *club,
                columns);
            printHeadings(canvas, columns);
        }
        pageBreakTest(canvas, 1);
        printLine(canvas, columns, lineOf(match, place));
    }
}

// By competitor: by number, each one's places by start, number, name and club on the first.
void printByCompetitor(ReportCanvas &canvas, const Kilpailu &match)
{
    const RelayColumns columns{{Field::Number, 0.2, 0.5, Align::Right},
        {Field::Name, 0.9, 1.9, Align::Left}, {Field::Club, 2.9, 1.4, Align::Left},
        {Field::Discipline, 4.4, 0.7, Align::Left}, {Field::Relay, 5.1, 0.5, Align::Right},
        {Field::Start, 5.8, 0.5, Align::Left}, {Field::Point, 6.3, 0.4, Align::Right}};
    QList<StartPlace> places = startPlaces(match, match.relayPlan, match.assignments);
    std::stable_sort(places.begin(), places.end(), [](const StartPlace &a, const StartPlace &b) {
        return std::tuple(a.number, a.relay->startMinute, a.relay->number, a.d)
            < std::tuple(b.number, b.relay->startMinute, b.relay->number, b.d);
    });
    beginList(canvas, text(RelayPrintLists[2].caption));
    printHeadings(canvas, columns);
    for (qsizetype i = 0; i < places.size(); ++i) {
        const bool first = i == 0 || places[i - 1].number != places[i].number;
        if (first) {
            // A competitor's places stay together on a page when they fit.
            qsizetype count = 1;
            while (i + count < places.size() && places[i + count].number == places[i].number)
                ++count;
            pageBreakTest(canvas, static_cast<int>(count));
        }
        printLine(canvas, columns, lineOf(match, places[i]),
            first ? QList<Field>{} : QList<Field>{Field::Number, Field::Name, Field::Club});
    }
}

QString clockText(int minute)
{
    return QStringLiteral("%1:%2")
        .arg(minute / 60, 2, 10, QLatin1Char('0'))
        .arg(minute % 60, 2, 10, QLatin1Char('0'));
}

// The entries of ended relays with nothing in their discipline, by relay and point.
void printCardsNotReturned(ReportCanvas &canvas, const Kilpailu &match, int nowMinute)
{
    const RelayColumns columns{{Field::Relay, 0.2, 0.5, Align::Right},
        {Field::Point, 0.8, 0.4, Align::Right}, {Field::Number, 1.3, 0.5, Align::Right},
        {Field::Name, 2.0, 1.9, Align::Left}, {Field::Club, 4.0, 1.5, Align::Left},
        {Field::Discipline, 5.6, 0.7, Align::Left}};
    beginList(canvas, text(RelayPrintLists[3].caption));
    canvas.newLine();
    canvas.clearTabs();
    canvas.addTab(ListLeft, Align::Left, WideLine);
    canvas.printTab(
        text(QT_TRANSLATE_NOOP("RelayLists", "Relays ended by %1")).arg(clockText(nowMinute)));
    printHeadings(canvas, columns);
    for (const MissingCard &card : cardsNotReturned(match, nowMinute)) {
        const Relay *relay = match.relayPlan.relay(card.relay);
        const std::optional<int> slot = match.kilpailijat.slotByNumber(card.number);
        if (!relay || !slot)
            continue;
        pageBreakTest(canvas, 1);
        printLine(canvas, columns, Line{relay, card.point, &match.kilpailijat[*slot], card.d});
    }
}

} // namespace

void printRelayLists(ReportCanvas &canvas, const Kilpailu &match, RelayListSelection selection,
    int nowMinute, bool startsOnNewPage, const std::function<void()> &listDone)
{
    bool newPage = startsOnNewPage;
    for (size_t i = 0; i < RelayPrintLists.size(); ++i) {
        if (!selection.test(i))
            continue;
        if (newPage)
            canvas.newPage();
        newPage = true;
        switch (RelayPrintLists[i].kind) {
        case RelayListKind::ByRelay: printByRelay(canvas, match); break;
        case RelayListKind::ByClub: printByClub(canvas, match); break;
        case RelayListKind::ByCompetitor: printByCompetitor(canvas, match); break;
        case RelayListKind::CardsNotReturned:
            printCardsNotReturned(canvas, match, nowMinute);
            break;
        }
        if (listDone)
            listDone();
    }
}

} // namespace marvola
