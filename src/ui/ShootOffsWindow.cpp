#include "ui/ShootOffsWindow.h"

#include "model/Registers.h"
#include "session/MatchSession.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace marvola {

namespace {

constexpr int TieRole = Qt::UserRole;
constexpr int CompetitorRole = Qt::UserRole + 1; // -1 on a tie's own line
constexpr int KeyRole = Qt::UserRole + 2; // lineKey

QStringList headings()
{
    return {QCoreApplication::translate("marvola::ShootOffsWindow", "Discipline"),
        QCoreApplication::translate("marvola::ShootOffsWindow", "Class"),
        QCoreApplication::translate("marvola::ShootOffsWindow", "Places"),
        QCoreApplication::translate("marvola::ShootOffsWindow", "Competitors")};
}

QString competitorText(const TiedCompetitor &c)
{
    return QStringLiteral("%1 %2").arg(c.numero).arg(c.nimi);
}

// Which line is which across a refresh: the tie by discipline, class and first place, and the
// competitor by number.
QString lineKey(const UndecidedTie &tie, const TiedCompetitor *competitor)
{
    return QStringLiteral("%1/%2/%3/%4")
        .arg(tie.d)
        .arg(tie.luokka)
        .arg(tie.firstPlace)
        .arg(competitor ? competitor->numero : -1);
}

// Enter on a line opens it, as a double-click does, and never closes the window.
class TieList : public QTreeWidget
{
public:
    using QTreeWidget::QTreeWidget;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
            emit itemActivated(currentItem(), 0);
            return;
        }
        QTreeWidget::keyPressEvent(event);
    }
};

} // namespace

ShootOffsWindow::ShootOffsWindow(MatchSession &session, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(session.match())
{
    setWindowTitle(tr("Shoot-offs needed"));
    setObjectName(QStringLiteral("shootOffsWindow"));
    resize(720, 400);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("shootOffsSummary"));
    m_summary->setWordWrap(true);

    m_list = new TieList(this);
    m_list->setObjectName(QStringLiteral("shootOffsList"));
    m_list->setColumnCount(static_cast<int>(headings().size()));
    m_list->setHeaderLabels(headings());
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->header()->setStretchLastSection(true);
    m_summary->setBuddy(m_list);
    connect(m_list, &QTreeWidget::itemActivated, this,
        [this](const QTreeWidgetItem *item) { chooseItem(item); });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("closeButton"));
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_list);
    layout->addWidget(buttons);

    // Every result goes through the session, typed at the desk or sent by a station.
    connect(&session, &MatchSession::changed, this, &ShootOffsWindow::refreshSoon);
    connect(&session, &MatchSession::replaced, this, &ShootOffsWindow::refreshSoon);
}

void ShootOffsWindow::refreshSoon()
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

void ShootOffsWindow::refresh()
{
    const QTreeWidgetItem *current = m_list->currentItem();
    const QString currentKey = current ? current->data(0, KeyRole).toString() : QString();
    m_ties = undecidedTies(m_kilpailu);
    m_list->clear();
    QTreeWidgetItem *keep = nullptr;
    for (int t = 0; t < tieCount(); ++t) {
        const UndecidedTie &tie = m_ties[static_cast<size_t>(t)];
        QStringList names;
        for (const TiedCompetitor &c : tie.competitors)
            names << competitorText(c);
        auto *line = new QTreeWidgetItem(m_list,
            {disciplineCode(tie.d), tie.luokka.isEmpty() ? tr("Overall") : tie.luokka, tie.places(),
                names.join(QStringLiteral(", "))});
        line->setData(0, TieRole, t);
        line->setData(0, CompetitorRole, -1);
        line->setData(0, KeyRole, lineKey(tie, nullptr));
        if (line->data(0, KeyRole).toString() == currentKey)
            keep = line;
        for (int c = 0; c < static_cast<int>(tie.competitors.size()); ++c) {
            const TiedCompetitor &competitor = tie.competitors[static_cast<size_t>(c)];
            auto *child = new QTreeWidgetItem(
                line, {QString(), QString(), QString(), competitorText(competitor)});
            child->setData(0, TieRole, t);
            child->setData(0, CompetitorRole, c);
            child->setData(0, KeyRole, lineKey(tie, &competitor));
            if (child->data(0, KeyRole).toString() == currentKey)
                keep = child;
        }
    }
    m_list->expandAll();
    for (int column = 0; column + 1 < m_list->columnCount(); ++column)
        m_list->resizeColumnToContents(column);
    m_summary->setText(m_ties.empty()
            ? tr("No tie at a prize place waits for a shoot-off.")
            : tr("Ties at prize places waiting for a shoot-off: %1. Press Enter or double-click "
                 "a competitor to enter the shoot-off.")
                  .arg(tieCount()));
    if (!keep && m_list->topLevelItemCount() > 0)
        keep = m_list->topLevelItem(0);
    if (keep)
        m_list->setCurrentItem(keep);
}

void ShootOffsWindow::showEvent(QShowEvent *event)
{
    refresh();
    m_list->setFocus();
    QDialog::showEvent(event);
}

int ShootOffsWindow::slotOf(const TiedCompetitor &competitor) const
{
    // The number finds the competitor; the name keeps a renumbered register from opening another.
    if (const auto slot = m_kilpailu.kilpailijat.slotByNumber(competitor.numero))
        if (m_kilpailu.kilpailijat[*slot].Nimi.text() == competitor.nimi)
            return *slot;
    return m_kilpailu.kilpailijat.slotByName(competitor.nimi).value_or(0);
}

void ShootOffsWindow::chooseItem(const QTreeWidgetItem *item)
{
    if (!item)
        return;
    const int t = item->data(0, TieRole).toInt();
    if (t < 0 || t >= tieCount())
        return;
    const UndecidedTie &tie = m_ties[static_cast<size_t>(t)];
    // A tie's own line opens its first competitor: the others follow by the name list.
    const int c = std::max(0, item->data(0, CompetitorRole).toInt());
    if (c >= static_cast<int>(tie.competitors.size()))
        return;
    if (const int slot = slotOf(tie.competitors[static_cast<size_t>(c)]); slot > 0)
        emit shootOffChosen(slot, static_cast<Laji>(tie.d));
}

} // namespace marvola
