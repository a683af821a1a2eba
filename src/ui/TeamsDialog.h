// The teams dialog.
#pragma once

#include <QDialog>
#include <QStringList>

namespace marvola {

struct Kilpailu;
struct Tulokset;

class TJoukkueet : public QDialog
{
    Q_OBJECT

public:
    TJoukkueet(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent = nullptr);

signals:
    // The main window's refresh (UpdateClick) is wanted.
    void updateRequested();

private:
    Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
};

} // namespace marvola
