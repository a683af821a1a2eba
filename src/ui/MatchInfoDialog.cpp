#include "ui/MatchInfoDialog.h"

#include "files/MatchFiles.h"
#include "model/Registers.h"
#include "model/Text.h"
#include "ranking/Tables.h"
#include "session/MatchSession.h"
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

// The groups top to bottom in the shots box.
constexpr std::array<Group, GroupCount> ShotGroups{
    Group::BBP, Group::SBP, Group::FP, Group::SBR, Group::BBR};

QDateEdit *makeDatePicker(const char *name, QWidget *parent)
{
    auto *picker = new QDateEdit(parent);
    picker->setObjectName(QLatin1String(name));
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(matchDateFormat());
    // The widest range the picker takes; its default starts in 1752.
    picker->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    return picker;
}

} // namespace

MatchInfoDialog::MatchInfoDialog(MatchSession &session, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_kilpailu(session.match())
    , m_tulokset(tulokset)
{
    setWindowTitle(tr("Match Info"));
    buildControls();
}

void MatchInfoDialog::buildControls()
{
    QFormLayout *form = buildMatchFields();
    m_vanhaPvm = new QLineEdit(this);
    m_vanhaPvm->setObjectName(QStringLiteral("oldDateField"));
    m_vanhaPvm->setVisible(false);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_vanhaPvm);
    layout->addWidget(buildShotsBox());
    layout->addLayout(buildButtons());
    // No longer than the match file's line holds: what is saved must open again.
    for (QLineEdit *field :
        {m_paikka, m_kilpJohtaja, m_vanhaPvm, m_seura->lineEdit(), m_taso->lineEdit()})
        field->setMaxLength(static_cast<int>(MaxMatchTextLength));

    // The level field and the date pickers are the store of the level and the dates: a change
    // is the match's at once, whether OK or Cancel follows.
    connect(m_taso, &QComboBox::editTextChanged, this,
        [this](const QString &text) { store(&TKilpailunTiedot::Taso, text); });
    // A picker that cannot show a loaded date clamps it; only the official's change is stored.
    connect(m_alkupvm, &QDateEdit::dateChanged, this, [this](QDate date) {
        if (!m_filling)
            store(&TKilpailunTiedot::Alkupvm, date);
    });
    connect(m_loppuPvm, &QDateEdit::dateChanged, this, [this](QDate date) {
        if (!m_filling)
            store(&TKilpailunTiedot::LoppuPvm, date);
    });
}

QFormLayout *MatchInfoDialog::buildMatchFields()
{
    m_seura = new QComboBox(this);
    m_seura->setObjectName(QStringLiteral("SeuraCombo"));
    toolkit::makeEditable(m_seura);
    m_seura->addItems(clubChoices());
    m_seura->setEditText(QString());

    m_paikka = new QLineEdit(this);
    m_paikka->setObjectName(QStringLiteral("placeField"));

    m_taso = new QComboBox(this);
    m_taso->setObjectName(QStringLiteral("levelList"));
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

    auto *form = new QFormLayout;
    form->addRow(tr("Club"), m_seura);
    form->addRow(tr("Place"), m_paikka);
    form->addRow(tr("Level"), m_taso);
    form->addRow(tr("Match Director"), m_kilpJohtaja);
    form->addRow(tr("Date"), dates);
    return form;
}

QGroupBox *MatchInfoDialog::buildShotsBox()
{
    auto *shots = new QGroupBox(tr("Disciplines and shots"), this);
    auto *shotsLayout = new QVBoxLayout(shots);
    for (const Group g : ShotGroups)
        shotsLayout->addWidget(buildGroupRow(g));
    return shots;
}

QHBoxLayout *MatchInfoDialog::buildButtons()
{
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(m_ok, &QPushButton::clicked, this, &MatchInfoDialog::acceptChanges);
    connect(m_cancel, &QPushButton::clicked, this, &MatchInfoDialog::cancel);
    toolkit::setCancelButton(this, m_cancel);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    return buttons;
}

// A group's row: its check box "<code>Shot" and the radio buttons "<code>40", "<code>60",
// "<code>80".
QWidget *MatchInfoDialog::buildGroupRow(Group g)
{
    auto *box = new QGroupBox(this);
    auto *row = new QHBoxLayout(box);
    GroupControls &controls = m_groups[static_cast<size_t>(ix(g))];
    const QString code = QLatin1String(Groups[static_cast<size_t>(ix(g))].code);
    controls.isShot = new QCheckBox(code, box);
    controls.isShot->setObjectName(code + QStringLiteral("Shot"));
    controls.isShot->setMinimumWidth(70);
    row->addWidget(controls.isShot);
    for (size_t i = 0; i < ShotCounts.size(); ++i) {
        auto *radio = new QRadioButton(QString::number(ShotCounts[i]), box);
        radio->setObjectName(code + QString::number(ShotCounts[i]));
        controls.shotCount[i] = radio;
        row->addWidget(radio);
    }
    controls.shotCount[0]->setChecked(true);
    row->addStretch(1);
    return box;
}

template<typename Value>
void MatchInfoDialog::store(Value TKilpailunTiedot::*field, const Value &value)
{
    m_session.edit([field, &value](Kilpailu &k) { k.tiedot.*field = value; });
}

void MatchInfoDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        fillFromMatch();
}

void MatchInfoDialog::fillFromMatch()
{
    const TKilpailunTiedot &tiedot = m_kilpailu.tiedot;
    m_seura->setEditText(tiedot.Seura);
    m_paikka->setText(tiedot.Paikka);
    m_vanhaPvm->setText(tiedot.VanhaPvm);
    m_kilpJohtaja->setText(tiedot.KilpJohtaja);
    // A load wrote the level and the dates, which these controls hold, into the match.
    m_taso->setEditText(tiedot.Taso);
    m_filling = true;
    m_alkupvm->setDate(tiedot.Alkupvm);
    m_loppuPvm->setDate(tiedot.LoppuPvm);
    m_filling = false;

    for (const GroupInfo &info : Groups) {
        const auto g = static_cast<size_t>(ix(info.group));
        GroupControls &controls = m_groups[g];
        controls.isShot->setChecked(tiedot.Mukana[g]);
        const auto *shots = std::find(ShotCounts.begin(), ShotCounts.end(), tiedot.Laukaukset[g]);
        if (shots == ShotCounts.end()) {
            // A count the buttons do not offer becomes the first: the official typed nothing.
            shots = ShotCounts.begin();
            m_session.edit([g, count = *shots](Kilpailu &k) { k.tiedot.Laukaukset[g] = count; },
                EditOrigin{QStringLiteral("office"), QString(), false});
        }
        controls.shotCount[static_cast<size_t>(shots - ShotCounts.begin())]->setChecked(true);
    }
}

void MatchInfoDialog::acceptChanges()
{
    m_session.edit([this](Kilpailu &k) { storeFields(k.tiedot); });
    emit confirmed();
    accept();
}

void MatchInfoDialog::storeFields(TKilpailunTiedot &tiedot) const
{
    tiedot.Seura = singleLine(m_seura->currentText());
    tiedot.Paikka = singleLine(m_paikka->text());
    tiedot.VanhaPvm = singleLine(m_vanhaPvm->text());
    tiedot.KilpJohtaja = singleLine(m_kilpJohtaja->text());
    tiedot.Ennatyskelpoinen = TKilpailunTiedot::recordsPossible(m_taso->currentText());
    for (const GroupInfo &info : Groups) {
        const auto g = static_cast<size_t>(ix(info.group));
        const GroupControls &controls = m_groups[g];
        tiedot.Mukana[g] = controls.isShot->isChecked();
        for (size_t i = 0; i < ShotCounts.size(); ++i)
            if (controls.shotCount[i]->isChecked())
                tiedot.Laukaukset[g] = ShotCounts[i];
    }
}

void MatchInfoDialog::cancel()
{
    reject();
}

} // namespace marvola
