#include "ui/ScoreCardsDialog.h"

#include "files/SafeFile.h"
#include "ui/Prompts.h"
#include "ui/ReportOutput.h"
#include "ui/Toolkit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace marvola {

namespace {

// The printer set to the cards' paper, placed from the paper's corner as the PDF is.
void setUpCardPrinter(QPrinter &printer, CardPaper paper)
{
    printer.setPageSize(cardPageSize(paper));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(QCoreApplication::translate("ScoreCards", "Score cards"));
}

} // namespace

ScoreCardsDialog::ScoreCardsDialog(const Kilpailu &kilpailu, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
{
    setWindowTitle(tr("Score cards"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildChoice());
    layout->addWidget(buildPaper());
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("cardCount"));
    layout->addWidget(m_count);

    auto *buttons = new QDialogButtonBox(this);
    const auto add = [&](const char *name, const QString &caption, auto handler) {
        QPushButton *button = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    add("previewButton", tr("Pre&view"), [this] { preview(); })->setDefault(true);
    add("printButton", tr("&Print..."), [this] { print(); });
    add("pdfButton", tr("P&DF..."), [this] { exportPdf(); });
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    toolkit::setCancelButton(this, close);
    layout->addWidget(buttons);
    updateChoice();
}

QWidget *ScoreCardsDialog::buildChoice()
{
    auto *box = new QGroupBox(tr("Cards"), this);
    auto *grid = new QGridLayout(box);
    m_all = new QRadioButton(tr("&All"), box);
    m_all->setObjectName(QStringLiteral("allCards"));
    m_all->setChecked(true);
    m_byRelay = new QRadioButton(tr("By &relay:"), box);
    m_byRelay->setObjectName(QStringLiteral("cardsByRelay"));
    m_relays = new QComboBox(box);
    m_relays->setObjectName(QStringLiteral("cardRelays"));
    for (const Relay &relay : m_kilpailu.relayPlan.relays)
        m_relays->addItem(tr("Relay %1, %2, %3")
                              .arg(relay.number)
                              .arg(relay.startText(), relay.disciplinesText()),
            relay.number);
    m_byRelay->setEnabled(m_relays->count() > 0);
    m_byClub = new QRadioButton(tr("By c&lub:"), box);
    m_byClub->setObjectName(QStringLiteral("cardsByClub"));
    m_clubs = new QComboBox(box);
    m_clubs->setObjectName(QStringLiteral("cardClubs"));
    m_clubs->addItems(cardClubs(m_kilpailu));
    m_byClub->setEnabled(m_clubs->count() > 0);
    grid->addWidget(m_all, 0, 0, 1, 2);
    grid->addWidget(m_byRelay, 1, 0);
    grid->addWidget(m_relays, 1, 1);
    grid->addWidget(m_byClub, 2, 0);
    grid->addWidget(m_clubs, 2, 1);
    grid->setColumnStretch(1, 1);
    for (QRadioButton *radio : {m_all, m_byRelay, m_byClub})
        connect(radio, &QRadioButton::toggled, this, [this] { updateChoice(); });
    for (QComboBox *list : {m_relays, m_clubs})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { updateChoice(); });
    return box;
}

QWidget *ScoreCardsDialog::buildPaper()
{
    auto *box = new QGroupBox(tr("Paper"), this);
    auto *column = new QVBoxLayout(box);
    m_a4 = new QRadioButton(tr("A&4, four cards to a sheet with cut lines"), box);
    m_a4->setObjectName(QStringLiteral("paperA4"));
    m_a4->setChecked(true);
    m_a6 = new QRadioButton(tr("A&6, one card to a sheet"), box);
    m_a6->setObjectName(QStringLiteral("paperA6"));
    column->addWidget(m_a4);
    column->addWidget(m_a6);
    return box;
}

void ScoreCardsDialog::updateChoice()
{
    m_relays->setEnabled(m_byRelay->isChecked());
    m_clubs->setEnabled(m_byClub->isChecked());
    const auto count = static_cast<int>(chosenCards().size());
    m_count->setText(tr("%n card(s)", nullptr, count));
}

CardChoice ScoreCardsDialog::choice() const
{
    CardChoice choice;
    if (m_byRelay->isChecked() && m_relays->currentIndex() >= 0) {
        choice.by = CardChoice::By::Relay;
        choice.relay = m_relays->currentData().toInt();
    } else if (m_byClub->isChecked() && m_clubs->currentIndex() >= 0) {
        choice.by = CardChoice::By::Club;
        choice.club = m_clubs->currentText();
    }
    return choice;
}

CardPaper ScoreCardsDialog::paper() const
{
    return m_a6->isChecked() ? CardPaper::A6 : CardPaper::A4FourUp;
}

QList<ScoreCard> ScoreCardsDialog::chosenCards() const
{
    return scoreCards(m_kilpailu, choice());
}

bool ScoreCardsDialog::haveCards(const QList<ScoreCard> &cards)
{
    if (!cards.isEmpty())
        return true;
    prompts().information(
        this, QCoreApplication::translate("ScoreCards", "There are no score cards to print."));
    return false;
}

void ScoreCardsDialog::preview()
{
    const QList<ScoreCard> cards = chosenCards();
    if (!haveCards(cards))
        return;
    const CardPaper chosenPaper = paper();
    const QString heading = cardHeading(m_kilpailu.tiedot);
    QPrinter printer(QPrinter::HighResolution);
    setUpCardPrinter(printer, chosenPaper);
    QPrintPreviewDialog dialog(&printer, this);
    setUpPreview(dialog);
    QString error;
    connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *target) {
        if (!paintScoreCards(cards, chosenPaper, heading, *target, error))
            prompts().error(&dialog, error);
    });
    dialog.exec();
}

void ScoreCardsDialog::print()
{
    const QList<ScoreCard> cards = chosenCards();
    if (!haveCards(cards))
        return;
    QPrinter printer(QPrinter::HighResolution);
    setUpCardPrinter(printer, paper());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The cards are drawn for their own paper whatever the printer's default.
    setUpCardPrinter(printer, paper());
    QString error;
    if (!paintScoreCards(cards, paper(), cardHeading(m_kilpailu.tiedot), printer, error))
        prompts().error(this, error);
}

void ScoreCardsDialog::exportPdf()
{
    const QList<ScoreCard> cards = chosenCards();
    if (!haveCards(cards))
        return;
    const QString chosen = prompts().saveFileName(
        this, {tr("Score cards"), tr("Adobe Acrobat (PDF) (*.pdf)"), QStringLiteral("pdf"), {}});
    if (chosen.isEmpty())
        return;
    QByteArray pdf;
    ReportFileResult result
        = renderScoreCardsPdf(cards, paper(), cardHeading(m_kilpailu.tiedot), &pdf);
    if (result.ok)
        result.ok = writeFileSafely(chosen, pdf, result.error);
    if (!result.ok)
        prompts().error(this, result.error);
}

} // namespace marvola
