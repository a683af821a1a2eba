// The match info dialog.
#pragma once

#include <QDialog>
#include <QStringList>

namespace marvola {

struct Kilpailu;
struct Tulokset;

class TKilpPerustiedot : public QDialog
{
    Q_OBJECT

public:
    TKilpPerustiedot(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent = nullptr);

signals:
    // The main window's refresh (UpdateClick) is wanted.
    void updateRequested();

private:
    Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
};

} // namespace marvola
