// The match info dialog: club, place, dates, director, level, and the groups shot with their shots.
#pragma once

#include "model/Disciplines.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFormLayout;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace marvola {

struct Kilpailu;
struct TKilpailunTiedot;
class MatchSession;
struct Tulokset;

class MatchInfoDialog : public QDialog
{
    Q_OBJECT

public:
    MatchInfoDialog(MatchSession &session, Tulokset &tulokset, QWidget *parent = nullptr);

    // Fills the dialog from the match information (run at every showing).
    void fillFromMatch();
    // OK: takes the values over and closes.
    void acceptChanges();
    // Cancel: closes; only the dates and the level, which the dialog holds itself, stay changed.
    void cancel();

signals:
    // OK was pressed: the main window shows the tabs of the groups shot and rebuilds the summary.
    void confirmed();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct GroupControls
    {
        QCheckBox *isShot = nullptr;
        std::array<QRadioButton *, 3> shotCount{}; // 40, 60, 80
    };

    void buildControls();
    QFormLayout *buildMatchFields();
    QGroupBox *buildShotsBox();
    QHBoxLayout *buildButtons();
    QWidget *buildGroupRow(Group g);
    // The level and the dates live in their controls: a change is the match's at once.
    template<typename Value> void store(Value TKilpailunTiedot::*field, const Value &value);
    // OK's fields, written into the match information.
    void storeFields(TKilpailunTiedot &tiedot) const;

    MatchSession &m_session;
    const Kilpailu &m_kilpailu;
    // Set while the fields are filled from the match: the date pickers then store nothing.
    bool m_filling = false;
    Tulokset &m_tulokset;

    QComboBox *m_seura = nullptr;
    QLineEdit *m_paikka = nullptr;
    QComboBox *m_taso = nullptr;
    QLineEdit *m_kilpJohtaja = nullptr;
    QDateEdit *m_alkupvm = nullptr;
    QDateEdit *m_loppuPvm = nullptr;
    QLineEdit *m_vanhaPvm = nullptr;
    std::array<GroupControls, GroupCount> m_groups{};
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace marvola
