#include "ui/StationsPanel.h"

#include "live/StationDesk.h"
#include "model/Registers.h"
#include "session/MatchSession.h"
#include "ui/LiveResultsWindow.h"
#include "ui/Prompts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace marvola {

namespace {

constexpr int ShownEntries = 200;
constexpr int FollowDelayMs = 300;
// The station's code is drawn no larger than this, so it never covers its caption.
constexpr int QrCodeSide = 220;

constexpr int StationNameColumn = 0;
constexpr int StationStateColumn = 6;
constexpr int EntryStationColumn = 1;
constexpr int EntryCompetitorColumn = 2;
constexpr int EntryStatusColumn = 6;

// Figures and codes take what they need; the named columns share the rest of the width, so every
// column stays in view.
void fitColumns(QTreeWidget *list, std::initializer_list<int> shared)
{
    QHeaderView *header = list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int column : shared)
        header->setSectionResizeMode(column, QHeaderView::Stretch);
}

// The code scaled by whole modules to the largest size that fits QrCodeSide.
QPixmap stationCode(const QString &link)
{
    const QImage modules = qrCodeImage(link, 1);
    if (modules.isNull())
        return {};
    const int scale = std::max(1, QrCodeSide / modules.width());
    return QPixmap::fromImage(
        modules.scaled(modules.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

// The station's name by its id; the id itself for a station no longer listed.
QString stationName(const QList<Station> &stations, const QString &id)
{
    for (const Station &s : stations)
        if (s.id == id)
            return s.name;
    return id;
}

// The competitor's name and number, or the number alone when nobody has it.
QString competitorText(const Kilpailu &kilpailu, std::int32_t number)
{
    const auto slot = kilpailu.kilpailijat.slotByNumber(number);
    if (!slot)
        return QString::number(number);
    return QStringLiteral("%1 (%2)").arg(kilpailu.kilpailijat[*slot].Nimi.text()).arg(number);
}

// A result as "chicken pig turkey ram = total".
QString resultText(const std::array<std::int32_t, 4> &hits, std::int32_t total)
{
    return QStringLiteral("%1 %2 %3 %4 = %5")
        .arg(hits[0])
        .arg(hits[1])
        .arg(hits[2])
        .arg(hits[3])
        .arg(total);
}

QString valuesText(const StationEntry &e)
{
    return resultText(e.hits, e.total);
}

QString registerText(const Kilpailu &kilpailu, const StationEntry &e)
{
    const auto slot = kilpailu.kilpailijat.slotByNumber(e.competitor);
    if (!slot)
        return {};
    const TKilpailija &k = kilpailu.kilpailijat[*slot];
    const int d = e.discipline;
    return resultText({k.Kana[d], k.Sika[d], k.Kalkkuna[d], k.Passi[d]}, k.Yhteensa[d]);
}

// The status of an entry as the office reads it; the log keeps the word.
QString statusText(const QString &status)
{
    static const QHash<QString, const char *> texts{
        {StationStatus::Stored, QT_TRANSLATE_NOOP("marvola::StationsPanel", "stored")},
        {StationStatus::Conflict, QT_TRANSLATE_NOOP("marvola::StationsPanel", "conflict")},
        {StationStatus::Kept, QT_TRANSLATE_NOOP("marvola::StationsPanel", "office's result kept")},
        {StationStatus::Taken,
            QT_TRANSLATE_NOOP("marvola::StationsPanel", "station's result taken")},
        {StationStatus::Awaiting,
            QT_TRANSLATE_NOOP("marvola::StationsPanel", "awaiting a second entry")},
        {StationStatus::Matched, QT_TRANSLATE_NOOP("marvola::StationsPanel", "matched")},
        {StationStatus::Disagreement, QT_TRANSLATE_NOOP("marvola::StationsPanel", "disagreement")},
        {QStringLiteral("duplicate"), QT_TRANSLATE_NOOP("marvola::StationsPanel", "duplicate")}};
    const auto it = texts.constFind(status);
    return it == texts.constEnd() ? status : StationsPanel::tr(*it);
}

} // namespace

StationsPanel::StationsPanel(StationDesk &desk, const Kilpailu &kilpailu, QWidget *parent)
    : QGroupBox(tr("Scoring stations"), parent)
    , m_desk(desk)
    , m_kilpailu(kilpailu)
{
    setObjectName(QStringLiteral("stationsPanel"));
    auto *layout = new QGridLayout(this);

    auto *addRow = new QHBoxLayout;
    addRow->addWidget(new QLabel(tr("Name:"), this));
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("stationNameEdit"));
    m_nameEdit->setPlaceholderText(tr("Pistol bank 1"));
    addRow->addWidget(m_nameEdit, 2);
    addRow->addWidget(new QLabel(tr("Disciplines:"), this));
    m_disciplinesEdit = new QLineEdit(this);
    m_disciplinesEdit->setObjectName(QStringLiteral("stationDisciplinesEdit"));
    m_disciplinesEdit->setPlaceholderText(tr("BBPR,BBPC (empty: all)"));
    addRow->addWidget(m_disciplinesEdit, 2);
    auto *addButton = new QPushButton(tr("Add station"), this);
    addButton->setObjectName(QStringLiteral("addStationButton"));
    connect(addButton, &QPushButton::clicked, this, &StationsPanel::addStation);
    connect(m_nameEdit, &QLineEdit::returnPressed, this, &StationsPanel::addStation);
    addRow->addWidget(addButton);
    layout->addLayout(addRow, 0, 0, 1, 2);

    m_stationList = new QTreeWidget(this);
    m_stationList->setObjectName(QStringLiteral("stationList"));
    m_stationList->setRootIsDecorated(false);
    m_stationList->setHeaderLabels({tr("Station"), tr("Id"), tr("Disciplines"), tr("Last contact"),
        tr("Entries"), tr("Pending"), tr("State")});
    fitColumns(m_stationList, {StationNameColumn, StationStateColumn});
    connect(
        m_stationList, &QTreeWidget::currentItemChanged, this, &StationsPanel::showChosenStation);
    layout->addWidget(m_stationList, 1, 0);

    auto *linkBox = new QVBoxLayout;
    m_linkQrLabel = new QLabel(this);
    m_linkQrLabel->setObjectName(QStringLiteral("stationQrLabel"));
    m_linkQrLabel->setAlignment(Qt::AlignCenter);
    m_linkQrLabel->setMinimumSize(QrCodeSide, QrCodeSide);
    linkBox->addWidget(m_linkQrLabel);
    m_linkLabel = new QLabel(this);
    m_linkLabel->setObjectName(QStringLiteral("stationLinkLabel"));
    m_linkLabel->setWordWrap(true);
    m_linkLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_linkLabel->setMaximumWidth(300);
    linkBox->addWidget(m_linkLabel);
    m_linkEdit = new QLineEdit(this);
    m_linkEdit->setObjectName(QStringLiteral("stationLinkEdit"));
    m_linkEdit->setReadOnly(true);
    m_linkEdit->setMaximumWidth(300);
    linkBox->addWidget(m_linkEdit);
    m_revokeButton = new QPushButton(tr("Revoke"), this);
    m_revokeButton->setObjectName(QStringLiteral("revokeStationButton"));
    connect(m_revokeButton, &QPushButton::clicked, this, &StationsPanel::revokeStation);
    linkBox->addWidget(m_revokeButton);
    linkBox->addStretch(1);
    layout->addLayout(linkBox, 1, 1, 2, 1);

    m_entryList = new QTreeWidget(this);
    m_entryList->setObjectName(QStringLiteral("stationEntryList"));
    m_entryList->setRootIsDecorated(false);
    m_entryList->setHeaderLabels({tr("Time"), tr("Station"), tr("Competitor"), tr("Discipline"),
        tr("Station's result"), tr("Office's result"), tr("Status")});
    // The station's and competitor's names and the status share the room the figures leave.
    fitColumns(m_entryList, {EntryStationColumn, EntryCompetitorColumn, EntryStatusColumn});
    connect(m_entryList, &QTreeWidget::currentItemChanged, this, [this] {
        const QTreeWidgetItem *item = m_entryList->currentItem();
        const bool held = item && StationStatus::isHeld(item->data(6, Qt::UserRole).toString());
        m_keepButton->setEnabled(held);
        m_takeButton->setEnabled(held);
    });
    layout->addWidget(m_entryList, 2, 0);
    auto *resolveRow = new QHBoxLayout;
    m_keepButton = new QPushButton(tr("Keep the office's result"), this);
    m_keepButton->setObjectName(QStringLiteral("keepOfficeButton"));
    m_takeButton = new QPushButton(tr("Take the station's result"), this);
    m_takeButton->setObjectName(QStringLiteral("takeStationButton"));
    connect(m_keepButton, &QPushButton::clicked, this, [this] { resolve(false); });
    connect(m_takeButton, &QPushButton::clicked, this, [this] { resolve(true); });
    resolveRow->addWidget(m_keepButton);
    resolveRow->addWidget(m_takeButton);
    resolveRow->addStretch(1);
    m_twoMatchingBox = new QCheckBox(tr("Two matching entries"), this);
    m_twoMatchingBox->setObjectName(QStringLiteral("twoMatchingBox"));
    m_twoMatchingBox->setToolTip(tr("A station's entry counts only when a second station or the "
                                    "office enters the same values; disagreements are flagged."));
    connect(m_twoMatchingBox, &QCheckBox::toggled, this, &StationsPanel::chooseTwoMatching);
    resolveRow->addWidget(m_twoMatchingBox);
    layout->addLayout(resolveRow, 3, 0);
    layout->setRowStretch(1, 1);
    layout->setRowStretch(2, 2);

    m_followTimer.setSingleShot(true);
    m_followTimer.setInterval(FollowDelayMs);
    connect(&m_followTimer, &QTimer::timeout, this, [this] {
        showEntries();
        showStations();
    });
    connect(&m_desk, &StationDesk::stationsChanged, &m_followTimer, qOverload<>(&QTimer::start));
    connect(&m_desk, &StationDesk::entryReceived, &m_followTimer, [this] {
        if (!m_followTimer.isActive())
            m_followTimer.start();
    });
    showStations();
    showEntries();
}

void StationsPanel::setServerAddress(const QString &address)
{
    m_serverAddress = address;
    showChosenStation();
}

void StationsPanel::addStation()
{
    QString error;
    const std::optional<QStringList> codes = parseDisciplineCodes(m_disciplinesEdit->text(), error);
    const std::optional<Station> station
        = codes ? m_desk.addStation(m_nameEdit->text(), *codes, error) : std::nullopt;
    if (!station) {
        prompts().information(this, error);
        return;
    }
    m_nameEdit->clear();
    m_disciplinesEdit->clear();
    showStations();
    for (int i = 0; i < m_stationList->topLevelItemCount(); ++i)
        if (m_stationList->topLevelItem(i)->text(1) == station->id)
            m_stationList->setCurrentItem(m_stationList->topLevelItem(i));
}

void StationsPanel::revokeStation()
{
    const QTreeWidgetItem *item = m_stationList->currentItem();
    if (!item)
        return;
    if (!prompts().confirm(
            this, tr("Revoke the station %1? Its phone can send nothing more.").arg(item->text(0))))
        return;
    QString error;
    if (!m_desk.revokeStation(item->text(1), error))
        prompts().information(this, error);
    showStations();
}

void StationsPanel::showStations()
{
    const QString chosen
        = m_stationList->currentItem() ? m_stationList->currentItem()->text(1) : QString();
    QString error;
    QList<Station> stations;
    if (m_desk.session().isLogging())
        stations = loadStations(m_desk.session().log(), error);
    const QSignalBlocker blocker(m_stationList);
    m_stationList->clear();
    QTreeWidgetItem *current = nullptr;
    for (const Station &s : stations) {
        auto *item = new QTreeWidgetItem(m_stationList,
            {s.name, s.id, s.disciplines.isEmpty() ? tr("all") : s.disciplines.join(u','),
                s.lastContact.isValid() ? s.lastContact.toString(QStringLiteral("HH:mm:ss"))
                                        : tr("never"),
                QString::number(s.entries), QString::number(s.pending),
                s.revoked ? tr("revoked") : tr("active")});
        item->setData(0, Qt::UserRole, QString::fromLatin1(s.secret));
        item->setData(6, Qt::UserRole, s.revoked);
        if (s.id == chosen)
            current = item;
    }
    if (current)
        m_stationList->setCurrentItem(current);
    showChosenStation();
}

void StationsPanel::showChosenStation()
{
    const QTreeWidgetItem *item = m_stationList->currentItem();
    const bool revoked = item && item->data(6, Qt::UserRole).toBool();
    m_revokeButton->setEnabled(item && !revoked);
    m_link.clear();
    m_linkQrLabel->clear();
    m_linkEdit->clear();
    m_linkEdit->setVisible(false);
    if (!item) {
        m_linkLabel->setText(tr("Add a station, or choose one, to see its link."));
        return;
    }
    if (revoked) {
        m_linkLabel->setText(tr("%1 is revoked.").arg(item->text(0)));
        return;
    }
    if (m_serverAddress.isEmpty()) {
        m_linkLabel->setText(
            tr("Start the live results to see the link of %1.").arg(item->text(0)));
        return;
    }
    m_link = QStringLiteral("%1station#%2.%3")
                 .arg(m_serverAddress, item->text(1), item->data(0, Qt::UserRole).toString());
    m_linkQrLabel->setPixmap(stationCode(m_link));
    m_linkLabel->setText(tr("%1: scan the code with the station's phone, or open this link on it:")
                             .arg(item->text(0)));
    m_linkEdit->setText(m_link);
    m_linkEdit->setCursorPosition(0);
    m_linkEdit->setVisible(true);
}

void StationsPanel::showEntries()
{
    QString error;
    const bool logging = m_desk.session().isLogging();
    const QList<KeptStationEntry> entries = logging
        ? recentStationEntries(m_desk.session().log(), ShownEntries, error)
        : QList<KeptStationEntry>();
    const QList<Station> stations
        = logging ? loadStations(m_desk.session().log(), error) : QList<Station>();
    const qint64 chosen = m_entryList->currentItem()
        ? m_entryList->currentItem()->data(0, Qt::UserRole).toLongLong()
        : 0;
    m_entryList->clear();
    for (const KeptStationEntry &e : entries) {
        const bool held = StationStatus::isHeld(e.status);
        auto *item = new QTreeWidgetItem(m_entryList,
            {e.time.toString(QStringLiteral("HH:mm:ss")), stationName(stations, e.entry.station),
                competitorText(m_kilpailu, e.entry.competitor), disciplineCode(e.entry.discipline),
                valuesText(e.entry), held ? registerText(m_kilpailu, e.entry) : QString(),
                statusText(e.status)});
        item->setData(0, Qt::UserRole, e.receipt);
        item->setData(6, Qt::UserRole, e.status);
        if (e.status == StationStatus::Conflict || e.status == StationStatus::Disagreement)
            for (int c = 0; c < item->columnCount(); ++c)
                item->setForeground(c, QColor(0xb0, 0x30, 0x00));
        if (e.receipt == chosen)
            m_entryList->setCurrentItem(item);
    }
    m_keepButton->setEnabled(false);
    m_takeButton->setEnabled(false);
    if (const QTreeWidgetItem *item = m_entryList->currentItem()) {
        const bool held = StationStatus::isHeld(item->data(6, Qt::UserRole).toString());
        m_keepButton->setEnabled(held);
        m_takeButton->setEnabled(held);
    }
    const QSignalBlocker quiet(m_twoMatchingBox);
    m_twoMatchingBox->setChecked(m_desk.twoMatchingEntries());
}

void StationsPanel::chooseTwoMatching(bool on)
{
    QString error;
    if (!m_desk.setTwoMatchingEntries(on, error)) {
        prompts().information(this, error);
        const QSignalBlocker quiet(m_twoMatchingBox);
        m_twoMatchingBox->setChecked(m_desk.twoMatchingEntries());
    }
}

void StationsPanel::resolve(bool takeStations)
{
    const QTreeWidgetItem *item = m_entryList->currentItem();
    if (!item)
        return;
    QString error;
    if (!m_desk.resolveConflict(item->data(0, Qt::UserRole).toLongLong(), takeStations, error))
        prompts().information(this, error);
    showEntries();
    showStations();
}

} // namespace marvola
