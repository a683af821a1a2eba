#include "ui/RelayDrawDialog.h"

#include "model/Disciplines.h"
#include "ui/RelayPlacesView.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace marvola {

namespace {

// A seed short enough to read out and type again: the same seed gives the same draw.
std::uint64_t newSeed()
{
    return QRandomGenerator::global()->bounded(1u, 1000000000u);
}

} // namespace

RelayDrawDialog::RelayDrawDialog(const Kilpailu &match, QWidget *parent)
    : QDialog(parent)
    , m_match(match)
{
    setWindowTitle(tr("Trial draw"));
    setObjectName(QStringLiteral("relayDrawDialog"));
    resize(820, 600);

    m_seedEdit = new QLineEdit(this);
    m_seedEdit->setObjectName(QStringLiteral("seedEdit"));
    m_seedEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{1,19}")), m_seedEdit));
    auto *seedLabel = new QLabel(tr("&Seed:"), this);
    seedLabel->setBuddy(m_seedEdit);
    auto *drawAgain = new QPushButton(tr("Draw &again"), this);
    drawAgain->setObjectName(QStringLiteral("drawAgainButton"));
    drawAgain->setAutoDefault(false);
    connect(drawAgain, &QPushButton::clicked, this, &RelayDrawDialog::drawTypedSeed);
    connect(m_seedEdit, &QLineEdit::returnPressed, this, &RelayDrawDialog::drawTypedSeed);
    auto *another = new QPushButton(tr("&New seed"), this);
    another->setObjectName(QStringLiteral("newSeedButton"));
    another->setAutoDefault(false);
    connect(another, &QPushButton::clicked, this, [this] { drawWith(newSeed()); });
    auto *seedRow = new QHBoxLayout;
    seedRow->addWidget(seedLabel);
    seedRow->addWidget(m_seedEdit);
    seedRow->addWidget(drawAgain);
    seedRow->addWidget(another);
    seedRow->addStretch();

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("drawSummary"));
    m_summary->setWordWrap(true);

    m_places = new RelayPlacesView(this);
    m_places->setObjectName(QStringLiteral("trialPlaces"));
    m_problems = new QTreeWidget(this);
    m_problems->setObjectName(QStringLiteral("drawProblems"));
    m_problems->setHeaderLabels({tr("Number"), tr("Name"), tr("Discipline"), tr("Unmet rule")});
    m_problems->setRootIsDecorated(false);
    m_problems->header()->setStretchLastSection(true);
    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(m_places);
    split->addWidget(m_problems);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);

    auto *buttons = new QDialogButtonBox(this);
    auto *apply = buttons->addButton(tr("A&pply"), QDialogButtonBox::AcceptRole);
    apply->setObjectName(QStringLiteral("applyButton"));
    auto *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(seedRow);
    layout->addWidget(m_summary);
    layout->addWidget(split, 1);
    layout->addWidget(buttons);

    drawWith(newSeed());
}

void RelayDrawDialog::drawTypedSeed()
{
    bool ok = false;
    const std::uint64_t seed = m_seedEdit->text().toULongLong(&ok);
    if (ok)
        drawWith(seed);
}

void RelayDrawDialog::drawWith(std::uint64_t seed)
{
    m_seed = seed;
    m_seedEdit->setText(QString::number(seed));
    m_trial = drawRelays(m_match, m_match.relayPlan, m_match.assignments, seed);
    showTrial();
}

void RelayDrawDialog::showTrial()
{
    const int breaking = m_places->showPlaces(m_match, m_match.relayPlan, m_trial.assignments);
    m_problems->clear();
    const auto addProblem = [this](const EntryKey &entry, const QString &why) {
        const auto slot = m_match.kilpailijat.slotByNumber(entry.numero);
        auto *line = new QTreeWidgetItem(m_problems,
            {QString::number(entry.numero),
                slot ? m_match.kilpailijat[*slot].Nimi.text() : QString(), disciplineCode(entry.d),
                why});
        line->setToolTip(3, why);
    };
    for (const LeftOutEntry &left : m_trial.leftOut)
        addProblem(left.entry, tr("not placed: %1").arg(left.reason));
    for (const RuleBreach &breach :
        hardRuleBreaches(m_match, m_match.relayPlan, m_trial.assignments))
        addProblem(breach.entry, breach.reason);
    for (int column = 0; column < 3; ++column)
        m_problems->resizeColumnToContents(column);
    m_summary->setText(tr("Seed %1: %2 entries placed, %3 not placed, %4 places break a hard rule. "
                          "Apply puts these places into the match; locked places stay as they are.")
                           .arg(m_seed)
                           .arg(m_trial.assignments.size())
                           .arg(m_trial.leftOut.size())
                           .arg(breaking));
}

} // namespace marvola
