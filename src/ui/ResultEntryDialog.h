// The result entry dialog: hits, totals and shoot-off entries per discipline.
#pragma once

#include <QDialog>
#include <QStringList>

namespace marvola {

struct Kilpailu;
struct Tulokset;

class TTulostenLisays : public QDialog
{
    Q_OBJECT

public:
    TTulostenLisays(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent = nullptr);

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
