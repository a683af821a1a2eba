#include "ui/NewCompetitorDialog.h"

#include "model/Registers.h"
#include "ranking/Tables.h"
#include "ui/ChoiceLists.h"
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

TUusiKilpailija::TUusiKilpailija(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
{
    setWindowTitle(QStringLiteral("New Competitor"));

    m_kilpNimi2 = new QLineEdit(this);
    m_kilpNimi2->setObjectName(QStringLiteral("KilpNimi2"));
    m_kilpNimi2->setMinimumWidth(220);
    m_seura = competitorForm::clubList("Seura", this);
    m_kansallisuus = competitorForm::nationalityList("Kansallisuus", this);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Name"), m_kilpNimi2);
    form->addRow(QString(), competitorForm::hint(this));
    form->addRow(QStringLiteral("Club"), m_seura);
    form->addRow(QStringLiteral("Nationality"), m_kansallisuus);

    const auto buttons = competitorForm::okCancel(this, form);
    connect(buttons.ok, &QPushButton::clicked, this, &TUusiKilpailija::OKClick);
    connect(buttons.peruuta, &QPushButton::clicked, this, &TUusiKilpailija::PeruutaClick);
}

void TUusiKilpailija::setWindows(TKilpSyotto *kilpSyotto, TTulostenLisays *tulostenLisays)
{
    m_kilpSyotto = kilpSyotto;
    m_tulostenLisays = tulostenLisays;
}

void TUusiKilpailija::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TUusiKilpailija::FormShow()
{
    m_kilpNimi2->setFocus();
}

void TUusiKilpailija::OKClick()
{
    Kilpailijarekisteri &rekisteri = m_kilpailu.kilpailijat;
    if (!rekisteri.freeSlot()) {
        prompts().information(this, QStringLiteral("Kilpailijarekisteri täynnä!?! (Max. 500)."));
        close();
        return;
    }
    // Compared as it would be stored: a longer name whose first 25 characters are taken would
    // otherwise become a second competitor of the same name.
    const QString nimi = Str25(m_kilpNimi2->text()).text();
    if (competitorForm::nameTaken(rekisteri, nimi)) {
        prompts().information(this, QStringLiteral("This name is already in use"));
        return;
    }
    if (nimi.isEmpty()) {
        prompts().information(this, QStringLiteral("Name is not valid."));
        return;
    }
    m_kilpailu.addCompetitor(nimi, m_seura->currentText(), m_kansallisuus->currentText());
    m_kilpailu.Muutettu = true;
    m_kilpNimi2->clear();
    competitorForm::addName(m_kilpSyotto, m_tulostenLisays, nimi);
    if (m_kilpSyotto)
        m_kilpSyotto->ViimeinenClick();
    close();
}

void TUusiKilpailija::PeruutaClick()
{
    close();
}

} // namespace marvola
