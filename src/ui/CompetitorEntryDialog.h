// The competitor entry dialog: disciplines, classes, equipment and aggregate choices of one slot.
#pragma once

#include <QDialog>
#include <QStringList>

namespace marvola {

struct Kilpailu;
struct Tulokset;

class TKilpSyotto : public QDialog
{
    Q_OBJECT

public:
    TKilpSyotto(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent = nullptr);

    // Replaces the competitor name lists (TaytakilpailijaCombo1).
    void setCompetitorNames(const QStringList &names);

signals:
    // The main window's refresh (UpdateClick) is wanted.
    void updateRequested();

private:
    Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
};

} // namespace marvola
