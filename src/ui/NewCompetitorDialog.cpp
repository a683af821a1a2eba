#include "ui/NewCompetitorDialog.h"

#include "model/Registers.h"
#include "model/Text.h"
#include "ranking/Tables.h"
#include "session/MatchSession.h"
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

NewCompetitorDialog::NewCompetitorDialog(MatchSession &session, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_kilpailu(session.match())
    , m_tulokset(tulokset)
{
    setWindowTitle(tr("New Competitor"));

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("newCompetitorName"));
    m_name->setMinimumWidth(220);
    m_seura = competitorForm::clubList("Seura", this);
    m_kansallisuus = competitorForm::nationalityList("Kansallisuus", this);
    competitorForm::limitLengths(m_name, m_seura, m_kansallisuus);

    auto *form = new QFormLayout;
    form->addRow(tr("Name"), m_name);
    form->addRow(QString(), competitorForm::hint(this));
    form->addRow(tr("Club"), m_seura);
    form->addRow(tr("Nationality"), m_kansallisuus);
    m_extras.addTo(form, this);

    const auto buttons = competitorForm::okCancel(this, form);
    connect(buttons.ok, &QPushButton::clicked, this, &NewCompetitorDialog::addCompetitor);
    connect(buttons.cancel, &QPushButton::clicked, this, &NewCompetitorDialog::cancel);
}

void NewCompetitorDialog::setWindows(
    CompetitorEntryDialog *competitorEntry, ResultEntryDialog *resultEntry)
{
    m_competitorEntry = competitorEntry;
    m_resultEntry = resultEntry;
}

void NewCompetitorDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        focusName();
}

void NewCompetitorDialog::focusName()
{
    m_name->setFocus();
}

void NewCompetitorDialog::addCompetitor()
{
    const Kilpailijarekisteri &rekisteri = m_kilpailu.kilpailijat;
    if (!rekisteri.freeSlot()) {
        prompts().information(this, tr("Kilpailijarekisteri täynnä!?! (Max. 500)."));
        close();
        return;
    }
    // Compared as it would be stored: a longer name whose first 25 characters are taken would
    // otherwise become a second competitor of the same name.
    const QString nimi = Str25(singleLine(m_name->text())).text();
    if (competitorForm::nameTaken(rekisteri, nimi)) {
        prompts().information(this, tr("This name is already in use"));
        return;
    }
    if (nimi.isEmpty()) {
        prompts().information(this, tr("Name is not valid."));
        return;
    }
    if (!m_extras.emailValid()) {
        prompts().information(this, competitorForm::emailInvalid());
        m_extras.email->setFocus();
        return;
    }
    QString error;
    bool added = false;
    const CompetitorExtras extras = m_extras.value();
    m_session.edit([&](Kilpailu &k) {
        const std::optional<int> slot = k.addCompetitor(nimi, singleLine(m_seura->currentText()),
            singleLine(m_kansallisuus->currentText()), error);
        added = slot.has_value();
        if (slot)
            k.extras[*slot] = extras;
    });
    if (!added) {
        prompts().information(this, error);
        return;
    }
    m_name->clear();
    m_extras.clear();
    competitorForm::addName(m_competitorEntry, m_resultEntry, nimi);
    if (m_competitorEntry)
        m_competitorEntry->showLastCompetitor();
    close();
}

void NewCompetitorDialog::cancel()
{
    close();
}

} // namespace marvola
