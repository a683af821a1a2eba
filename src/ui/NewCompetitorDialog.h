// The new competitor dialog: name, club and nationality of a competitor added to the register.
#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;

namespace marvola {

struct Kilpailu;
struct Tulokset;
class TKilpSyotto;
class TTulostenLisays;

class TUusiKilpailija : public QDialog
{
    Q_OBJECT

public:
    TUusiKilpailija(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent = nullptr);

    // The entry dialog that shows the new competitor, and the other dialog whose name list
    // takes the new name.
    void setWindows(TKilpSyotto *kilpSyotto, TTulostenLisays *tulostenLisays);

    void FormShow();
    // Adds the competitor, or tells why not.
    void OKClick();
    void PeruutaClick();

signals:
    // The main window's refresh (UpdateClick) is wanted.
    void updateRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
    TKilpSyotto *m_kilpSyotto = nullptr;
    TTulostenLisays *m_tulostenLisays = nullptr;

    QLineEdit *m_kilpNimi2 = nullptr;
    QComboBox *m_seura = nullptr;
    QComboBox *m_kansallisuus = nullptr;
};

} // namespace marvola
