// The competitor entry dialog: disciplines, classes, equipment and aggregate choices of one slot.
#pragma once

#include "model/Disciplines.h"
#include "model/Records.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <utility>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace marvola {

struct Kilpailu;
struct Tulokset;
class TUusiKilpailija;
class TKilpKorjaus;
class TTulostenLisays;

class TKilpSyotto : public QDialog
{
    Q_OBJECT

public:
    TKilpSyotto(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent = nullptr);

    // Replaces the competitor name lists (TaytakilpailijaCombo1).
    void setCompetitorNames(const QStringList &names);
    // The dialogs behind "New" and "Edit". The new competitor dialog becomes this dialog's own
    // window, so it takes input while this dialog runs modal.
    void setWindows(TUusiKilpailija *uusiKilpailija, TKilpKorjaus *kilpKorjaus);

    // The slot shown and edited (NaytettavaPaikka), 1 to 500.
    int naytettavaPaikka() const { return m_naytettavaPaikka; }
    // The shown competitor's name as the label Nimi reads it.
    QString shownName() const;
    // KilpailijaComboBox1, kept in step by the new and edit competitor dialogs.
    QComboBox *nameList() const { return m_kilpailijaComboBox1; }

    void FormShow();
    // Shows slot 1.
    void AlkuunClick();
    // Fills every control from the shown slot, through the controls' own handlers.
    void NaytaKilpailija();
    // Shows the highest slot with a name (slot 1 when there is none).
    void ViimeinenClick();
    void KilpailijaComboBox1Change();
    void KoenappulaClick();
    void KilpaKorjausNappiClick();
    void LopetaSyottoClick();

    // The handler families of the discipline rows: BBPRClick, BBPRIntClick, BBPRAseChange, ...
    void LajiClick(int d);
    void LuokkaClick(int d, const QString &luokka);
    void EquipmentChange(int d, PerLaji<Str10> TKilpailija::*field, QLineEdit *text);
    // BBPPAggrRadioClick and its kin: the checked choice takes the flag, the other loses it.
    void AggrRadioClick(Boolean TKilpailija::*chosen, Boolean TKilpailija::*other);

signals:
    // The main window's refresh (UpdateClick) is wanted.
    void updateRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // One discipline row: entry box, class buttons, gun, model and (where there is one) caliber.
    struct Row
    {
        int d = 0;
        QCheckBox *box = nullptr;
        QButtonGroup *classes = nullptr;
        std::vector<std::pair<QString, QRadioButton *>> classButtons; // by class code
        QLineEdit *ase = nullptr;
        QLineEdit *malli = nullptr;
        QLineEdit *kaliiperi = nullptr;
    };
    // The P/C choice of a pistol aggregate.
    struct AggrChoice
    {
        QRadioButton *c = nullptr;
        QRadioButton *p = nullptr;
        Boolean TKilpailija::*cFlag = nullptr;
        Boolean TKilpailija::*pFlag = nullptr;
    };

    void buildControls();
    QWidget *buildHeading();
    QGroupBox *buildGroupBox(Group g);
    QWidget *buildAggrChoice(AggrChoice &choice, const QString &code, QWidget *parent);
    void buildRow(int d, QGridLayout *grid, int line, const QStringList &classColumns);
    void showRow(Row &row);
    void showAggrChoice(AggrChoice &choice);
    void enableRow(const Row &row);
    TKilpailija &shown();

    Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
    TUusiKilpailija *m_uusiKilpailija = nullptr;
    TKilpKorjaus *m_kilpKorjaus = nullptr;
    int m_naytettavaPaikka = 1;

    QLabel *m_kilpNumero = nullptr;
    QComboBox *m_kilpailijaComboBox1 = nullptr;
    QLabel *m_seura = nullptr;
    QLabel *m_maa = nullptr;
    QLabel *m_nimi = nullptr;
    std::array<Row, LajiCount> m_rows{};
    AggrChoice m_bbpAggr;
    AggrChoice m_sbpAggr;
};

// Lets the competitor dialogs reach one another: the entry dialog opens the new and edit
// dialogs, which show their result in it and keep its name list and the result entry dialog's in
// step with the register.
void connectCompetitorDialogs(TKilpSyotto *kilpSyotto, TUusiKilpailija *uusiKilpailija,
    TKilpKorjaus *kilpKorjaus, TTulostenLisays *tulostenLisays);

} // namespace marvola
