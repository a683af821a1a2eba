// The edit competitor dialog: name, club and nationality of the shown competitor, and removal.
#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;

namespace marvola {

struct Kilpailu;
struct Tulokset;
class TKilpSyotto;
class TTulostenLisays;

class TKilpKorjaus : public QDialog
{
    Q_OBJECT

public:
    TKilpKorjaus(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent = nullptr);

    // The entry dialog whose shown competitor is edited, and the other dialog whose name list
    // follows the change.
    void setWindows(TKilpSyotto *kilpSyotto, TTulostenLisays *tulostenLisays);

    // The slot being edited (KorjattavaPaikka), 0 while the shown name names no competitor.
    int korjattavaPaikka() const { return m_korjattavaPaikka; }

    // Finds the competitor shown in the entry dialog and fills the fields.
    void FormShow();
    // Stores the edited fields, or tells why not.
    void OKClick();
    void PeruutaClick();
    // Removes the competitor at once.
    void KilpPoistoClick();

signals:
    // The main window's refresh (UpdateClick) is wanted.
    void updateRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Refuses, with the message, when the shown name named no competitor.
    bool refuseWithoutCompetitor();
    void clearFields();
    void showAgainAndClose();

    Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
    TKilpSyotto *m_kilpSyotto = nullptr;
    TTulostenLisays *m_tulostenLisays = nullptr;
    int m_korjattavaPaikka = 0;

    QLabel *m_kilpNumero = nullptr;
    QLabel *m_label4 = nullptr;
    QLineEdit *m_kilpNimi = nullptr;
    QComboBox *m_seuraCombo = nullptr;
    QComboBox *m_kansallisuus = nullptr;
};

} // namespace marvola
