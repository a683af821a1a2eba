#include "ui/EditCompetitorDialog.h"

#include "model/Registers.h"
#include "ranking/Tables.h"
#include "ui/CompetitorEntryDialog.h"
#include "ui/CompetitorForm.h"
#include "ui/Prompts.h"
#include "ui/ResultEntryDialog.h"
#include "ui/Toolkit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace marvola {

namespace {
const QString NameInvalid = QStringLiteral("Nimi ei ole kelvollinen.");
const QString NameTaken = QStringLiteral("Tällä nimellä on jo kilpailija.");
} // namespace

TKilpKorjaus::TKilpKorjaus(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
{
    setWindowTitle(QStringLiteral("Edit Competitor"));

    m_kilpNumero = new QLabel(this);
    m_kilpNumero->setObjectName(QStringLiteral("KilpNumero"));
    m_label4 = new QLabel(this);
    m_label4->setObjectName(QStringLiteral("Label4"));
    // The slot number is for the match office's own checks: shown, but in grey.
    m_label4->setEnabled(false);
    auto *numbers = new QHBoxLayout;
    numbers->addWidget(m_kilpNumero);
    numbers->addStretch(1);
    numbers->addWidget(m_label4);

    m_kilpNimi = new QLineEdit(this);
    m_kilpNimi->setObjectName(QStringLiteral("KilpNimi"));
    m_kilpNimi->setMinimumWidth(220);
    m_seuraCombo = competitorForm::clubList("SeuraCombo", this);
    m_kansallisuus = competitorForm::nationalityList("Kansallisuus", this);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Number"), numbers);
    form->addRow(QStringLiteral("Name"), m_kilpNimi);
    form->addRow(QStringLiteral("Club"), m_seuraCombo);
    form->addRow(QStringLiteral("Nationality"), m_kansallisuus);

    const auto buttons = competitorForm::okCancel(this, form);
    connect(buttons.ok, &QPushButton::clicked, this, &TKilpKorjaus::OKClick);
    connect(buttons.peruuta, &QPushButton::clicked, this, &TKilpKorjaus::PeruutaClick);
    // Remove stands apart at the left: it acts at once, without a question.
    auto *poisto = competitorForm::button("KilpPoisto", QStringLiteral("Remove"), this);
    connect(poisto, &QPushButton::clicked, this, &TKilpKorjaus::KilpPoistoClick);
    buttons.row->insertWidget(0, poisto);
}

void TKilpKorjaus::setWindows(TKilpSyotto *kilpSyotto, TTulostenLisays *tulostenLisays)
{
    m_kilpSyotto = kilpSyotto;
    m_tulostenLisays = tulostenLisays;
}

void TKilpKorjaus::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TKilpKorjaus::FormShow()
{
    // An empty name would find a free slot; a removed or never-used slot has no one to edit.
    const QString shownName = m_kilpSyotto ? m_kilpSyotto->shownName() : QString();
    const auto slot
        = shownName.isEmpty() ? std::nullopt : m_kilpailu.kilpailijat.slotByName(shownName);
    m_korjattavaPaikka = slot.value_or(0);
    if (!slot) {
        clearFields();
        m_kilpNumero->clear();
        m_label4->clear();
    } else {
        const TKilpailija &k = m_kilpailu.kilpailijat[*slot];
        m_kilpNumero->setText(QString::number(k.Numero));
        m_kilpNimi->setText(k.Nimi.text());
        m_seuraCombo->setEditText(k.Seura.text());
        m_kansallisuus->setEditText(k.Maa.text());
        m_label4->setText(QString::number(*slot));
    }
    m_kilpNimi->setFocus();
    m_kilpNimi->selectAll();
}

bool TKilpKorjaus::refuseWithoutCompetitor()
{
    if (m_korjattavaPaikka != 0)
        return false;
    prompts().information(this, NameInvalid);
    return true;
}

void TKilpKorjaus::OKClick()
{
    if (refuseWithoutCompetitor())
        return;
    Kilpailijarekisteri &rekisteri = m_kilpailu.kilpailijat;
    // Compared as it would be stored, so a longer name cannot duplicate a stored one.
    const QString nimi = Str25(m_kilpNimi->text()).text();
    if (m_kilpNimi->isModified() && competitorForm::nameTaken(rekisteri, nimi)) {
        prompts().information(this, NameTaken);
        return;
    }
    if (nimi.isEmpty()) {
        prompts().information(this, NameInvalid);
        return;
    }
    TKilpailija &k = rekisteri[m_korjattavaPaikka];
    const QString oldName = k.Nimi.text();
    const QString seura = m_seuraCombo->currentText();
    const QString maa = m_kansallisuus->currentText();
    if (!(k.Nimi == Str25(nimi) && k.Seura == Str10(seura) && k.Maa == Str3(maa))) {
        k.Nimi.setText(nimi);
        k.Seura.setText(seura);
        k.Maa.setText(maa);
        m_kilpailu.Muutettu = true;
    }
    competitorForm::removeName(m_kilpSyotto, m_tulostenLisays, oldName);
    competitorForm::addName(m_kilpSyotto, m_tulostenLisays, nimi);
    clearFields();
    showAgainAndClose();
}

void TKilpKorjaus::PeruutaClick()
{
    close();
}

void TKilpKorjaus::KilpPoistoClick()
{
    if (refuseWithoutCompetitor())
        return;
    const QString oldName = m_kilpailu.kilpailijat[m_korjattavaPaikka].Nimi.text();
    m_kilpailu.removeCompetitor(m_korjattavaPaikka);
    m_kilpailu.Muutettu = true;
    competitorForm::removeName(m_kilpSyotto, m_tulostenLisays, oldName);
    showAgainAndClose();
}

void TKilpKorjaus::clearFields()
{
    m_kilpNimi->clear();
    m_seuraCombo->setEditText(QString());
    m_kansallisuus->setEditText(QString());
}

void TKilpKorjaus::showAgainAndClose()
{
    if (m_kilpSyotto)
        m_kilpSyotto->NaytaKilpailija();
    close();
}

} // namespace marvola
