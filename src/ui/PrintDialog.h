// The print dialog: which result lists go to the report.
#pragma once

#include <QDialog>
#include <QStringList>

namespace marvola {

struct Kilpailu;
struct Tulokset;

class TTulostus : public QDialog
{
    Q_OBJECT

public:
    TTulostus(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent = nullptr);

signals:
    // The main window's refresh (UpdateClick) is wanted.
    void updateRequested();

private:
    Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
};

} // namespace marvola
