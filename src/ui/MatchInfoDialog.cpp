#include "ui/MatchInfoDialog.h"

#include "files/MatchFiles.h"
#include "model/Registers.h"
#include "ranking/Tables.h"
#include "ui/ChoiceLists.h"
#include "ui/Toolkit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace marvola {

namespace {

constexpr std::array<std::int32_t, 3> ShotCounts{40, 60, 80};

// Component names of each group's check box and the number of its "40" radio button.
struct GroupNames
{
    Group group;
    const char *checkBox;
    int firstRadio;
};
constexpr std::array<GroupNames, GroupCount> GroupComponents{{
    {Group::BBP, "CheckBox6", 1},
    {Group::SBP, "CheckBox1", 4},
    {Group::FP, "CheckBox2", 7},
    {Group::SBR, "CheckBox3", 10},
    {Group::BBR, "CheckBox4", 13},
}};

bool sameMatchInfo(const TKilpailunTiedot &a, const TKilpailunTiedot &b)
{
    return a.Seura == b.Seura && a.Paikka == b.Paikka && a.VanhaPvm == b.VanhaPvm
        && a.KilpJohtaja == b.KilpJohtaja && a.Ennatyskelpoinen == b.Ennatyskelpoinen
        && a.Mukana == b.Mukana && a.Laukaukset == b.Laukaukset;
}

QDateEdit *makeDatePicker(const char *name, QWidget *parent)
{
    auto *picker = new QDateEdit(parent);
    picker->setObjectName(QLatin1String(name));
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(matchDateFormat());
    return picker;
}

} // namespace

TKilpPerustiedot::TKilpPerustiedot(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
{
    setWindowTitle(QStringLiteral("Match Info"));
    buildControls();
}

void TKilpPerustiedot::buildControls()
{
    m_seura = new QComboBox(this);
    m_seura->setObjectName(QStringLiteral("SeuraCombo5"));
    toolkit::makeEditable(m_seura);
    m_seura->addItems(clubChoices());
    m_seura->setEditText(QString());

    m_paikka = new QLineEdit(this);
    m_paikka->setObjectName(QStringLiteral("Edit1"));

    m_taso = new QComboBox(this);
    m_taso->setObjectName(QStringLiteral("EnnatysComboBox1"));
    toolkit::makeEditable(m_taso);
    m_taso->addItems(levelChoices());
    m_taso->setEditText(m_kilpailu.tiedot.Taso);

    m_kilpJohtaja = new QLineEdit(this);
    m_kilpJohtaja->setObjectName(QStringLiteral("KilpJohtajaEdit"));

    m_alkupvm = makeDatePicker("Alkupvm", this);
    m_loppuPvm = makeDatePicker("LoppuPvm", this);
    m_alkupvm->setDate(m_kilpailu.tiedot.Alkupvm);
    m_loppuPvm->setDate(m_kilpailu.tiedot.LoppuPvm);
    auto *dates = new QHBoxLayout;
    dates->addWidget(m_alkupvm);
    dates->addWidget(new QLabel(QStringLiteral("-------->"), this));
    dates->addWidget(m_loppuPvm);
    dates->addStretch(1);

    m_vanhaPvm = new QLineEdit(this);
    m_vanhaPvm->setObjectName(QStringLiteral("PVMEdit2"));
    m_vanhaPvm->setVisible(false);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Club"), m_seura);
    form->addRow(QStringLiteral("Place"), m_paikka);
    form->addRow(QStringLiteral("Level"), m_taso);
    form->addRow(QStringLiteral("Match Director"), m_kilpJohtaja);
    form->addRow(QStringLiteral("Date"), dates);

    auto *shots = new QGroupBox(QStringLiteral("Disciplines and shots"), this);
    auto *shotsLayout = new QVBoxLayout(shots);
    for (const GroupNames &names : GroupComponents)
        shotsLayout->addWidget(buildGroupBox(names.group, names.checkBox, names.firstRadio));

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("BitBtn1"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("BitBtn2"));
    connect(m_ok, &QPushButton::clicked, this, &TKilpPerustiedot::BitBtn1Click);
    connect(m_cancel, &QPushButton::clicked, this, &TKilpPerustiedot::BitBtn2Click);
    toolkit::setCancelButton(this, m_cancel);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_vanhaPvm);
    layout->addWidget(shots);
    layout->addLayout(buttons);

    // The level field and the date pickers are the store of the level and the dates: a change
    // is the match's at once, whether OK or Cancel follows.
    connect(m_taso, &QComboBox::editTextChanged, this,
        [this](const QString &text) { store(m_kilpailu.tiedot.Taso, text); });
    connect(m_alkupvm, &QDateEdit::dateChanged, this,
        [this](QDate date) { store(m_kilpailu.tiedot.Alkupvm, date); });
    connect(m_loppuPvm, &QDateEdit::dateChanged, this,
        [this](QDate date) { store(m_kilpailu.tiedot.LoppuPvm, date); });
}

QWidget *TKilpPerustiedot::buildGroupBox(Group g, const char *checkBoxName, int firstRadio)
{
    auto *box = new QGroupBox(this);
    auto *row = new QHBoxLayout(box);
    GroupControls &controls = m_groups[static_cast<size_t>(ix(g))];
    controls.mukana = new QCheckBox(QLatin1String(Groups[static_cast<size_t>(ix(g))].code), box);
    controls.mukana->setObjectName(QLatin1String(checkBoxName));
    controls.mukana->setMinimumWidth(70);
    row->addWidget(controls.mukana);
    for (size_t i = 0; i < ShotCounts.size(); ++i) {
        auto *radio = new QRadioButton(QString::number(ShotCounts[i]), box);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(firstRadio + static_cast<int>(i)));
        controls.laukaukset[i] = radio;
        row->addWidget(radio);
    }
    controls.laukaukset[0]->setChecked(true);
    row->addStretch(1);
    return box;
}

template<typename Value> void TKilpPerustiedot::store(Value &field, const Value &value)
{
    if (field == value)
        return;
    field = value;
    m_kilpailu.Muutettu = true;
}

void TKilpPerustiedot::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TKilpPerustiedot::FormShow()
{
    TKilpailunTiedot &tiedot = m_kilpailu.tiedot;
    m_seura->setEditText(tiedot.Seura);
    m_paikka->setText(tiedot.Paikka);
    m_vanhaPvm->setText(tiedot.VanhaPvm);
    m_kilpJohtaja->setText(tiedot.KilpJohtaja);
    // A load wrote the level and the dates, which these controls hold, into the match.
    m_taso->setEditText(tiedot.Taso);
    m_alkupvm->setDate(tiedot.Alkupvm);
    m_loppuPvm->setDate(tiedot.LoppuPvm);

    for (const GroupInfo &info : Groups) {
        const auto g = static_cast<size_t>(ix(info.group));
        GroupControls &controls = m_groups[g];
        controls.mukana->setChecked(tiedot.Mukana[g]);
        const auto *shots = std::find(ShotCounts.begin(), ShotCounts.end(), tiedot.Laukaukset[g]);
        if (shots == ShotCounts.end()) {
            shots = ShotCounts.begin();
            tiedot.Laukaukset[g] = *shots;
        }
        controls.laukaukset[static_cast<size_t>(shots - ShotCounts.begin())]->setChecked(true);
    }
}

void TKilpPerustiedot::BitBtn1Click()
{
    TKilpailunTiedot &tiedot = m_kilpailu.tiedot;
    const TKilpailunTiedot before = tiedot;
    tiedot.Seura = m_seura->currentText();
    tiedot.Paikka = m_paikka->text();
    tiedot.VanhaPvm = m_vanhaPvm->text();
    tiedot.KilpJohtaja = m_kilpJohtaja->text();
    tiedot.Ennatyskelpoinen = TKilpailunTiedot::ennatyskelpoinen(m_taso->currentText());
    for (const GroupInfo &info : Groups) {
        const auto g = static_cast<size_t>(ix(info.group));
        const GroupControls &controls = m_groups[g];
        tiedot.Mukana[g] = controls.mukana->isChecked();
        for (size_t i = 0; i < ShotCounts.size(); ++i)
            if (controls.laukaukset[i]->isChecked())
                tiedot.Laukaukset[g] = ShotCounts[i];
    }
    if (!sameMatchInfo(before, tiedot))
        m_kilpailu.Muutettu = true;
    emit confirmed();
    accept();
}

void TKilpPerustiedot::BitBtn2Click()
{
    reject();
}

} // namespace marvola
