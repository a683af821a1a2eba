#include "ui/RelaysWindow.h"

#include "model/Disciplines.h"
#include "relays/MissingCards.h"
#include "relays/RelayPlan.h"
#include "session/MatchSession.h"
#include "ui/Prompts.h"
#include "ui/RelayDrawDialog.h"
#include "ui/RelayPlacesView.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace marvola {

namespace {

enum PlanColumn { RelayColumn, DisciplinesColumn, StartColumn, MinutesColumn, PointsColumn };

constexpr int MinutesPerDay = 24 * 60;

// A new relay follows the last one: the same disciplines, length and points, starting as it ends.
Relay nextRelay(const RelayPlan &plan)
{
    if (plan.relays.isEmpty())
        return Relay{1, {BBPR}, 8 * 60, 45, 20};
    Relay next = plan.relays.last();
    for (const Relay &relay : plan.relays)
        next.number = std::max(next.number, relay.number + 1);
    if (next.endMinute() < MinutesPerDay)
        next.startMinute = next.endMinute();
    return next;
}

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

RelaysWindow::RelaysWindow(MatchSession &session, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_match(session.match())
{
    setWindowTitle(tr("Relays"));
    setObjectName(QStringLiteral("relaysWindow"));
    resize(900, 620);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("relaysTabs"));
    m_tabs->addTab(buildPlacesPart(), tr("&Places"));
    m_tabs->addTab(buildPlanPart(), tr("P&lan"));
    m_tabs->addTab(buildMissingCardsPart(), tr("Cards &not returned"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("closeButton"));
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);

    m_cardsTimer.setSingleShot(true);
    connect(&m_cardsTimer, &QTimer::timeout, this, [this] {
        if (isVisible())
            refresh();
    });
    // Every change of the match goes through the session: a result typed at the desk or sent
    // by a station, a change of the relays here, an undo.
    connect(&session, &MatchSession::changed, this, &RelaysWindow::refreshSoon);
    connect(&session, &MatchSession::replaced, this, &RelaysWindow::refreshSoon);
    // A trial drawn from the match that was there is no draw of another.
    connect(&session, &MatchSession::replaced, this, [this] {
        if (m_draw)
            m_draw->reject();
    });
}

QWidget *RelaysWindow::buildPlacesPart()
{
    auto *part = new QWidget(this);
    m_placesSummary = new QLabel(part);
    m_placesSummary->setObjectName(QStringLiteral("placesSummary"));
    m_placesSummary->setWordWrap(true);
    m_places = new RelayPlacesView(part);
    m_places->setObjectName(QStringLiteral("placesView"));
    connect(m_places, &QTreeWidget::currentItemChanged, this, &RelaysWindow::followCurrentPlace);
    connect(m_places, &QTreeWidget::itemSelectionChanged, this, &RelaysWindow::followCurrentPlace);

    m_moveRelay = new QComboBox(part);
    m_moveRelay->setObjectName(QStringLiteral("moveRelayBox"));
    m_moveRelay->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_movePoint = new QSpinBox(part);
    m_movePoint->setObjectName(QStringLiteral("movePointBox"));
    connect(m_moveRelay, &QComboBox::currentIndexChanged, this, [this] {
        const Relay *relay = m_match.relayPlan.relay(m_moveRelay->currentData().toInt());
        m_movePoint->setRange(1, relay ? relay->points : 1);
    });
    auto *relayLabel = new QLabel(tr("To &relay:"), part);
    relayLabel->setBuddy(m_moveRelay);
    auto *pointLabel = new QLabel(tr("p&oint:"), part);
    pointLabel->setBuddy(m_movePoint);
    auto *move = button(tr("&Move"), "moveButton", part);
    connect(move, &QPushButton::clicked, this, &RelaysWindow::moveEntry);
    auto *swap = button(tr("S&wap"), "swapButton", part);
    swap->setToolTip(tr("Swaps the two selected places: two competitors, or a competitor and an "
                        "empty point (Ctrl+W)"));
    connect(swap, &QPushButton::clicked, this, &RelaysWindow::swapPlaces);
    m_lockButton = button(tr("Loc&k"), "lockButton", part);
    m_lockButton->setToolTip(tr("A locked place stays where it is when the relays are drawn "
                                "again (Ctrl+L)"));
    connect(m_lockButton, &QPushButton::clicked, this, &RelaysWindow::toggleLock);
    auto *moveRow = new QHBoxLayout;
    moveRow->addWidget(relayLabel);
    moveRow->addWidget(m_moveRelay);
    moveRow->addWidget(pointLabel);
    moveRow->addWidget(m_movePoint);
    moveRow->addWidget(move);
    moveRow->addSpacing(12);
    moveRow->addWidget(swap);
    moveRow->addWidget(m_lockButton);
    moveRow->addStretch();

    auto *draw = button(tr("&Draw..."), "drawButton", part);
    connect(draw, &QPushButton::clicked, this, &RelaysWindow::openDraw);
    auto *undo = button(tr("&Undo"), "undoButton", part);
    undo->setToolTip(tr("Takes back the last change (Ctrl+Z)"));
    connect(undo, &QPushButton::clicked, this, [this] { m_session.undo(); });
    auto *redo = button(tr("R&edo"), "redoButton", part);
    redo->setToolTip(tr("Makes the last change taken back again (Ctrl+Shift+Z)"));
    connect(redo, &QPushButton::clicked, this, [this] { m_session.redo(); });
    m_status = new QLabel(part);
    m_status->setObjectName(QStringLiteral("placesStatus"));
    auto *drawRow = new QHBoxLayout;
    drawRow->addWidget(draw);
    drawRow->addWidget(undo);
    drawRow->addWidget(redo);
    drawRow->addWidget(m_status, 1);

    auto *layout = new QVBoxLayout(part);
    layout->addWidget(m_placesSummary);
    layout->addWidget(m_places, 1);
    layout->addLayout(moveRow);
    layout->addLayout(drawRow);
    return part;
}

QWidget *RelaysWindow::buildPlanPart()
{
    auto *part = new QWidget(this);
    auto *hint = new QLabel(tr("Each relay shoots its disciplines (codes separated by blanks) from "
                               "its start for its minutes, from its firing points. Relays of "
                               "different disciplines may run at the same time on different "
                               "ranges."),
        part);
    hint->setWordWrap(true);
    m_planTable = new QTableWidget(0, 5, part);
    m_planTable->setObjectName(QStringLiteral("relayPlanTable"));
    m_planTable->setHorizontalHeaderLabels(
        {tr("Relay"), tr("Disciplines"), tr("Start"), tr("Minutes"), tr("Points")});
    m_planTable->verticalHeader()->hide();
    m_planTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_planTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_planTable->horizontalHeader()->setSectionResizeMode(DisciplinesColumn, QHeaderView::Stretch);
    connect(m_planTable, &QTableWidget::itemChanged, this, [this](const QTableWidgetItem *item) {
        if (!m_filling)
            commitPlanRow(item->row());
    });

    auto *add = button(tr("&Add relay"), "addRelayButton", part);
    connect(add, &QPushButton::clicked, this, &RelaysWindow::addRelay);
    auto *remove = button(tr("Re&move relay"), "removeRelayButton", part);
    connect(remove, &QPushButton::clicked, this, &RelaysWindow::removeRelay);
    auto *read = button(tr("Read &from file..."), "readPlanButton", part);
    connect(read, &QPushButton::clicked, this, &RelaysWindow::readPlan);
    auto *row = new QHBoxLayout;
    row->addWidget(add);
    row->addWidget(remove);
    row->addStretch();
    row->addWidget(read);

    auto *layout = new QVBoxLayout(part);
    layout->addWidget(hint);
    layout->addWidget(m_planTable, 1);
    layout->addLayout(row);
    return part;
}

QWidget *RelaysWindow::buildMissingCardsPart()
{
    auto *part = new QWidget(this);
    m_cardsSummary = new QLabel(part);
    m_cardsSummary->setObjectName(QStringLiteral("missingCardsSummary"));
    m_cardsSummary->setWordWrap(true);
    m_cards = new QTreeWidget(part);
    m_cards->setObjectName(QStringLiteral("missingCardsList"));
    m_cards->setHeaderLabels({tr("Relay"), tr("Ended"), tr("Point"), tr("Number"), tr("Name"),
        tr("Club"), tr("Discipline")});
    m_cards->setRootIsDecorated(false);
    m_cards->header()->setStretchLastSection(true);
    auto *layout = new QVBoxLayout(part);
    layout->addWidget(m_cardsSummary);
    layout->addWidget(m_cards, 1);
    return part;
}

void RelaysWindow::showEvent(QShowEvent *event)
{
    refresh();
    QDialog::showEvent(event);
}

// The window's keys reach it from any part that does not take them itself (a cell being typed
// keeps its own undo). Undo and redo go over the session's steps, here as in the result entry.
void RelaysWindow::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool control = modifiers == Qt::ControlModifier;
    if (control && event->key() == Qt::Key_Z)
        m_session.undo();
    else if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier) && event->key() == Qt::Key_Z)
        m_session.redo();
    else if (control && event->key() == Qt::Key_L)
        toggleLock();
    else if (control && event->key() == Qt::Key_W)
        swapPlaces();
    else
        QDialog::keyPressEvent(event);
}

void RelaysWindow::refreshSoon()
{
    if (!isVisible() || m_refreshQueued)
        return;
    m_refreshQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshQueued = false;
        if (isVisible())
            refresh();
    });
}

void RelaysWindow::refresh()
{
    fillPlan();
    const int breaking = m_places->showPlaces(m_match, m_match.relayPlan, m_match.assignments);
    const QString places = tr("%1 places in %2 relays.")
                               .arg(m_match.assignments.size())
                               .arg(m_match.relayPlan.relays.size());
    m_placesSummary->setText(breaking == 0
            ? places + QLatin1Char(' ') + tr("No place breaks a hard rule.")
            : places + QLatin1Char(' ')
                + tr("Places that break a hard rule: %1, in red with the reason. They stay "
                     "until the official moves them.")
                      .arg(breaking));
    fillMoveTargets();
    followCurrentPlace();
    fillMissingCards();
}

void RelaysWindow::fillPlan()
{
    const int currentRow = m_planTable->currentRow();
    m_filling = true;
    m_planTable->setRowCount(static_cast<int>(m_match.relayPlan.relays.size()));
    int row = 0;
    for (const Relay &relay : m_match.relayPlan.relays) {
        const QString texts[] = {QString::number(relay.number), relay.disciplinesText(),
            relay.startText(), QString::number(relay.minutes), QString::number(relay.points)};
        // Texts set in place: the cell just typed is still in its change signal here.
        for (int column = 0; column < 5; ++column) {
            if (QTableWidgetItem *item = m_planTable->item(row, column))
                item->setText(texts[column]);
            else
                m_planTable->setItem(row, column, new QTableWidgetItem(texts[column]));
        }
        ++row;
    }
    m_planTable->resizeColumnToContents(RelayColumn);
    if (currentRow >= 0 && currentRow < m_planTable->rowCount())
        m_planTable->setCurrentCell(currentRow, 0);
    m_filling = false;
}

void RelaysWindow::fillMoveTargets()
{
    const int chosen = m_moveRelay->currentData().toInt();
    const QSignalBlocker blocker(m_moveRelay);
    m_moveRelay->clear();
    for (const Relay &relay : m_match.relayPlan.relays)
        m_moveRelay->addItem(QStringLiteral("%1  %2  %3")
                                 .arg(relay.number)
                                 .arg(relay.startText(), relay.disciplinesText()),
            relay.number);
    m_moveRelay->setCurrentIndex(std::max(0, m_moveRelay->findData(chosen)));
    const Relay *relay = m_match.relayPlan.relay(m_moveRelay->currentData().toInt());
    m_movePoint->setRange(1, relay ? relay->points : 1);
}

void RelaysWindow::fillMissingCards()
{
    const QTime now = m_clock();
    const int nowMinute = now.hour() * 60 + now.minute();
    const QList<MissingCard> missing = cardsNotReturned(m_match, nowMinute);
    m_cards->clear();
    for (const MissingCard &card : missing) {
        const Relay *relay = m_match.relayPlan.relay(card.relay);
        const auto slot = m_match.kilpailijat.slotByNumber(card.number);
        const TKilpailija *k = slot ? &m_match.kilpailijat[*slot] : nullptr;
        new QTreeWidgetItem(m_cards,
            {QString::number(card.relay),
                relay
                    ? QTime(0, 0).addSecs(relay->endMinute() * 60).toString(QStringLiteral("HH:mm"))
                    : QString(),
                QString::number(card.point), QString::number(card.number),
                k ? k->Nimi.text() : QString(), k ? k->Seura.text() : QString(),
                disciplineCode(card.d)});
    }
    for (int column = 0; column < m_cards->columnCount() - 1; ++column)
        m_cards->resizeColumnToContents(column);
    m_cardsSummary->setText(tr("At %1, cards not returned from the relays that have ended: %2.")
                                .arg(now.toString(QStringLiteral("HH:mm")))
                                .arg(missing.size()));
    armCardsTimer();
}

// The list changes with the time only when a relay ends: one shot at the next relay's end.
void RelaysWindow::armCardsTimer()
{
    m_cardsTimer.stop();
    const int nowMs = m_clock().msecsSinceStartOfDay();
    int next = -1;
    for (const Relay &relay : m_match.relayPlan.relays) {
        const int endMs = relay.endMinute() * 60 * 1000;
        if (relay.endMinute() < MinutesPerDay && endMs > nowMs && (next < 0 || endMs < next))
            next = endMs;
    }
    if (next >= 0)
        m_cardsTimer.start(next - nowMs);
}

void RelaysWindow::editRelays(const std::function<void(Kilpailu &)> &change)
{
    m_session.edit(change, EditOrigin{QStringLiteral("office"), {}, true, true});
    refresh();
}

// The row as typed goes through the plan file's own reader, so that a relay typed here meets
// the bounds a plan file does and names the same reasons.
void RelaysWindow::commitPlanRow(int row)
{
    QByteArray text = "disciplines;relay;start;minutes;points\n";
    for (int r = 0; r < m_planTable->rowCount(); ++r) {
        QStringList fields;
        for (const int column :
            {DisciplinesColumn, RelayColumn, StartColumn, MinutesColumn, PointsColumn}) {
            const QTableWidgetItem *item = m_planTable->item(r, column);
            fields << (item ? item->text().simplified() : QString());
        }
        text += fields.join(QLatin1Char(';')).toUtf8() + '\n';
    }
    const ParsedRelayPlan parsed = parseRelayPlan(text);
    if (!parsed.ok()) {
        QStringList reasons;
        for (const QString &error : parsed.errors)
            reasons << error.section(QLatin1Char('\t'), 1);
        prompts().error(
            this, tr("The relay was not changed: %1.").arg(reasons.join(QStringLiteral("; "))));
        fillPlan();
        return;
    }
    const int oldNumber = m_match.relayPlan.relays.value(row).number;
    const int newNumber = parsed.plan.relays.value(row).number;
    editRelays([&](Kilpailu &k) {
        k.relayPlan = parsed.plan;
        // A relay given another number keeps its competitors.
        if (oldNumber != newNumber)
            for (auto &[entry, seat] : k.assignments)
                if (seat.relay == oldNumber)
                    seat.relay = newNumber;
    });
}

void RelaysWindow::addRelay()
{
    const Relay relay = nextRelay(m_match.relayPlan);
    editRelays([&relay](Kilpailu &k) { k.relayPlan.relays << relay; });
    m_planTable->setCurrentCell(m_planTable->rowCount() - 1, DisciplinesColumn);
    m_planTable->setFocus();
}

void RelaysWindow::removeRelay()
{
    const int row = m_planTable->currentRow();
    if (row < 0 || row >= m_match.relayPlan.relays.size())
        return;
    editRelays([row](Kilpailu &k) { k.relayPlan.relays.removeAt(row); });
}

void RelaysWindow::readPlan()
{
    const QString fileName = prompts().openFileName(this,
        FileDialogRequest{tr("Read relay plan"), tr("Relay plans (*.csv);;All files (*)"),
            QStringLiteral("csv"), {}});
    if (fileName.isEmpty())
        return;
    const ParsedRelayPlan parsed = readRelayPlanFile(fileName);
    if (!parsed.ok()) {
        QStringList lines;
        for (const QString &error : parsed.errors)
            lines << error.section(QLatin1Char('\t'), 0, 0) + QStringLiteral(": ")
                    + error.section(QLatin1Char('\t'), 1);
        prompts().error(this,
            tr("The plan was not read; nothing changed.\n%1").arg(lines.join(QLatin1Char('\n'))));
        return;
    }
    editRelays([&parsed](Kilpailu &k) { k.relayPlan = parsed.plan; });
}

void RelaysWindow::openDraw()
{
    if (m_match.relayPlan.relays.isEmpty()) {
        showStatus(tr("The plan has no relays yet: add them on the Plan page."));
        return;
    }
    delete m_draw;
    m_draw = new RelayDrawDialog(m_match, this);
    connect(m_draw, &QDialog::accepted, this, &RelaysWindow::applyDraw);
    connect(m_draw, &QDialog::finished, m_draw, &QObject::deleteLater);
    connect(m_draw, &QObject::destroyed, this, [this] { m_draw = nullptr; });
    m_draw->open();
}

void RelaysWindow::applyDraw()
{
    const Assignments drawn = m_draw->trial().assignments;
    editRelays([&drawn](Kilpailu &k) { k.assignments = drawn; });
    showStatus(tr("Drawn with seed %1.").arg(m_draw->seed()));
}

void RelaysWindow::followCurrentPlace()
{
    const QTreeWidgetItem *item = m_places->currentItem();
    if (const auto entry = RelayPlacesView::entryOf(item)) {
        const auto seat = m_match.assignments.find(*entry);
        if (seat != m_match.assignments.end()) {
            m_moveRelay->setCurrentIndex(std::max(0, m_moveRelay->findData(seat->second.relay)));
            m_movePoint->setValue(seat->second.point);
        }
        m_lockButton->setText(
            seat != m_match.assignments.end() && seat->second.locked ? tr("Unloc&k") : tr("Loc&k"));
    } else if (item && item->parent() && RelayPlacesView::pointOf(item) > 0) {
        m_moveRelay->setCurrentIndex(
            std::max(0, m_moveRelay->findData(RelayPlacesView::relayOf(item))));
        m_movePoint->setValue(RelayPlacesView::pointOf(item));
    }
}

void RelaysWindow::moveEntry()
{
    const auto entry = RelayPlacesView::entryOf(m_places->currentItem());
    const int relay = m_moveRelay->currentData().toInt();
    if (!entry || relay <= 0) {
        showStatus(tr("Choose a competitor's line to move."));
        return;
    }
    const int point = m_movePoint->value();
    editRelays([&](Kilpailu &k) {
        const auto was = k.assignments.find(*entry);
        const bool locked = was != k.assignments.end() && was->second.locked;
        k.assignments[*entry] = Seat{relay, point, locked};
    });
    showStatus(tr("%1 %2 moved to relay %3, point %4.")
                   .arg(entry->numero)
                   .arg(disciplineCode(entry->d))
                   .arg(relay)
                   .arg(point));
    if (QTreeWidgetItem *line = m_places->itemOfEntry(*entry))
        m_places->setCurrentItem(line);
}

void RelaysWindow::swapPlaces()
{
    QList<QTreeWidgetItem *> chosen;
    for (QTreeWidgetItem *item : m_places->selectedItems())
        if (RelayPlacesView::entryOf(item)
            || (item->parent() && RelayPlacesView::pointOf(item) > 0))
            chosen << item;
    const auto first = chosen.size() == 2 ? RelayPlacesView::entryOf(chosen[0]) : std::nullopt;
    const auto second = chosen.size() == 2 ? RelayPlacesView::entryOf(chosen[1]) : std::nullopt;
    if (!first && !second) {
        showStatus(tr("Select two competitors, or a competitor and an empty point, to swap."));
        return;
    }
    const Seat firstSeat{RelayPlacesView::relayOf(chosen[0]), RelayPlacesView::pointOf(chosen[0])};
    const Seat secondSeat{RelayPlacesView::relayOf(chosen[1]), RelayPlacesView::pointOf(chosen[1])};
    // Each keeps its own lock; an entry not placed yet comes in, the other goes out.
    editRelays([&](Kilpailu &k) {
        const auto put = [&k](const std::optional<EntryKey> &entry, const Seat &to) {
            if (!entry)
                return;
            const auto was = k.assignments.find(*entry);
            const bool locked = was != k.assignments.end() && was->second.locked;
            if (to.relay <= 0)
                k.assignments.erase(*entry);
            else
                k.assignments[*entry] = Seat{to.relay, to.point, locked};
        };
        put(first, secondSeat);
        put(second, firstSeat);
    });
    showStatus(tr("Places swapped."));
}

void RelaysWindow::toggleLock()
{
    QList<EntryKey> entries;
    for (const QTreeWidgetItem *item : m_places->selectedItems())
        if (const auto entry = RelayPlacesView::entryOf(item);
            entry && m_match.assignments.contains(*entry))
            entries << *entry;
    if (entries.isEmpty()) {
        showStatus(tr("Select the placed competitors to lock or unlock."));
        return;
    }
    const bool lock = std::any_of(entries.begin(), entries.end(),
        [this](const EntryKey &entry) { return !m_match.assignments.at(entry).locked; });
    editRelays([&](Kilpailu &k) {
        for (const EntryKey &entry : entries)
            k.assignments[entry].locked = lock;
    });
    showStatus(lock ? tr("Locked: a draw leaves these places as they are.") : tr("Unlocked."));
}

void RelaysWindow::showStatus(const QString &text)
{
    m_status->setText(text);
}

} // namespace marvola
