// The edit competitor dialog: name, club and nationality, and removal.
#pragma once

#include <QDialog>
#include <QStringList>

namespace marvola {

struct Kilpailu;
struct Tulokset;

class TKilpKorjaus : public QDialog
{
    Q_OBJECT

public:
    TKilpKorjaus(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent = nullptr);

signals:
    // The main window's refresh (UpdateClick) is wanted.
    void updateRequested();

private:
    Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
};

} // namespace marvola
