// The ties waiting for a shoot-off, from which the official opens a tied competitor's entry.
#pragma once

#include "model/Disciplines.h"
#include "ranking/ShootOffs.h"

#include <QDialog>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace marvola {

struct Kilpailu;
class MatchSession;

class ShootOffsWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ShootOffsWindow(MatchSession &session, QWidget *parent = nullptr);

    // Fills the list from the registers as they are now, keeping the line the official is on.
    void refresh();
    int tieCount() const { return static_cast<int>(m_ties.size()); }

signals:
    // The official wants to enter this competitor's shoot-off (Enter or a double-click).
    void shootOffChosen(int slot, Laji d);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Results come one keystroke at a time: one refresh for what arrived together.
    void refreshSoon();
    void chooseItem(const QTreeWidgetItem *item);
    int slotOf(const TiedCompetitor &competitor) const;

    const Kilpailu &m_kilpailu;
    UndecidedTies m_ties;
    bool m_refreshQueued = false;
    QLabel *m_summary = nullptr;
    QTreeWidget *m_list = nullptr;
};

} // namespace marvola
