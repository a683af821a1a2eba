#include "ui/EditCompetitorDialog.h"

#include "model/Plausibility.h"
#include "model/Registers.h"
#include "model/Text.h"
#include "ranking/Tables.h"
#include "session/MatchSession.h"
#include "ui/CompetitorEntryDialog.h"
#include "ui/CompetitorForm.h"
#include "ui/Prompts.h"
#include "ui/ResultEntryDialog.h"
#include "ui/Toolkit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace marvola {

namespace {
QString nameInvalid()
{
    return QCoreApplication::translate("marvola::EditCompetitorDialog", "Nimi ei ole kelvollinen.");
}
QString nameTaken()
{
    return QCoreApplication::translate(
        "marvola::EditCompetitorDialog", "Tällä nimellä on jo kilpailija.");
}
} // namespace

EditCompetitorDialog::EditCompetitorDialog(
    MatchSession &session, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_kilpailu(session.match())
    , m_tulokset(tulokset)
{
    setWindowTitle(tr("Edit Competitor"));

    m_kilpNumero = new QLabel(this);
    m_kilpNumero->setObjectName(QStringLiteral("KilpNumero"));
    m_slotNumber = new QLabel(this);
    m_slotNumber->setObjectName(QStringLiteral("slotNumber"));
    // The slot number is for the match office's own checks: shown, but in grey.
    m_slotNumber->setEnabled(false);
    auto *numbers = new QHBoxLayout;
    numbers->addWidget(m_kilpNumero);
    numbers->addStretch(1);
    numbers->addWidget(m_slotNumber);

    m_kilpNimi = new QLineEdit(this);
    m_kilpNimi->setObjectName(QStringLiteral("KilpNimi"));
    m_kilpNimi->setMinimumWidth(220);
    m_seuraCombo = competitorForm::clubList("SeuraCombo", this);
    m_kansallisuus = competitorForm::nationalityList("Kansallisuus", this);
    competitorForm::limitLengths(m_kilpNimi, m_seuraCombo, m_kansallisuus);

    auto *form = new QFormLayout;
    form->addRow(tr("Number"), numbers);
    form->addRow(tr("Name"), m_kilpNimi);
    form->addRow(tr("Club"), m_seuraCombo);
    form->addRow(tr("Nationality"), m_kansallisuus);
    m_extras.addTo(form, this);

    const auto buttons = competitorForm::okCancel(this, form);
    connect(buttons.ok, &QPushButton::clicked, this, &EditCompetitorDialog::storeChanges);
    connect(buttons.cancel, &QPushButton::clicked, this, &EditCompetitorDialog::cancel);
    // Remove stands apart at the left: it acts at once, without a question.
    auto *removeButton = competitorForm::button("removeButton", tr("Remove"), this);
    connect(removeButton, &QPushButton::clicked, this, &EditCompetitorDialog::removeCompetitor);
    buttons.row->insertWidget(0, removeButton);
}

void EditCompetitorDialog::setWindows(
    CompetitorEntryDialog *competitorEntry, ResultEntryDialog *resultEntry)
{
    m_competitorEntry = competitorEntry;
    m_resultEntry = resultEntry;
}

void EditCompetitorDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        fillFromShownCompetitor();
}

void EditCompetitorDialog::fillFromShownCompetitor()
{
    // An empty name would find a free slot; a removed or never-used slot has no one to edit.
    const QString shownName = m_competitorEntry ? m_competitorEntry->shownName() : QString();
    const auto slot
        = shownName.isEmpty() ? std::nullopt : m_kilpailu.kilpailijat.slotByName(shownName);
    m_editedSlot = slot.value_or(0);
    if (!slot) {
        clearFields();
        m_kilpNumero->clear();
        m_slotNumber->clear();
    } else {
        const TKilpailija &k = m_kilpailu.kilpailijat[*slot];
        m_kilpNumero->setText(QString::number(k.Numero));
        m_kilpNimi->setText(k.Nimi.text());
        m_seuraCombo->setEditText(k.Seura.text());
        m_kansallisuus->setEditText(k.Maa.text());
        m_extras.fill(m_kilpailu.extras[*slot]);
        m_slotNumber->setText(QString::number(*slot));
    }
    m_kilpNimi->setFocus();
    m_kilpNimi->selectAll();
}

bool EditCompetitorDialog::refuseWithoutCompetitor()
{
    if (m_editedSlot != 0)
        return false;
    prompts().information(this, nameInvalid());
    return true;
}

void EditCompetitorDialog::storeChanges()
{
    if (refuseWithoutCompetitor())
        return;
    const Kilpailijarekisteri &rekisteri = m_kilpailu.kilpailijat;
    // Compared as it would be stored, so a longer name cannot duplicate a stored one.
    const QString nimi = Str25(singleLine(m_kilpNimi->text())).text();
    if (m_kilpNimi->isModified() && competitorForm::nameTaken(rekisteri, nimi)) {
        prompts().information(this, nameTaken());
        return;
    }
    if (nimi.isEmpty()) {
        prompts().information(this, nameInvalid());
        return;
    }
    if (!m_extras.emailValid()) {
        prompts().information(this, competitorForm::emailInvalid());
        m_extras.email->setFocus();
        return;
    }
    const QString oldName = rekisteri[m_editedSlot].Nimi.text();
    const QString seura = singleLine(m_seuraCombo->currentText());
    const QString maa = singleLine(m_kansallisuus->currentText());
    const CompetitorExtras extras = m_extras.value();
    m_session.edit([&, slot = m_editedSlot](Kilpailu &match) {
        TKilpailija &k = match.kilpailijat[slot];
        k.Nimi.setText(nimi);
        k.Seura.setText(seura);
        k.Maa.setText(maa);
        match.extras[slot] = extras;
    });
    competitorForm::removeName(m_competitorEntry, m_resultEntry, oldName);
    competitorForm::addName(m_competitorEntry, m_resultEntry, nimi);
    clearFields();
    showAgainAndClose();
}

void EditCompetitorDialog::cancel()
{
    close();
}

void EditCompetitorDialog::removeCompetitor()
{
    if (refuseWithoutCompetitor())
        return;
    const QString oldName = m_kilpailu.kilpailijat[m_editedSlot].Nimi.text();
    // Removal clears the entries for good: typed results deserve a second thought.
    if (hasResultsEntered(m_kilpailu.kilpailijat[m_editedSlot])
        && !prompts().confirm(this,
            tr("%1 has results entered, and they are lost when the competitor is "
               "removed. Remove %1?")
                .arg(oldName)))
        return;
    m_session.edit([slot = m_editedSlot](Kilpailu &k) { k.removeCompetitor(slot); });
    competitorForm::removeName(m_competitorEntry, m_resultEntry, oldName);
    showAgainAndClose();
}

void EditCompetitorDialog::clearFields()
{
    m_kilpNimi->clear();
    m_seuraCombo->setEditText(QString());
    m_kansallisuus->setEditText(QString());
    m_extras.clear();
}

void EditCompetitorDialog::showAgainAndClose()
{
    if (m_competitorEntry)
        m_competitorEntry->showCompetitor();
    close();
}

} // namespace marvola
