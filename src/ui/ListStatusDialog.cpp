#include "ui/ListStatusDialog.h"

#include "output/ListStatusRules.h"
#include "session/MatchSession.h"
#include "ui/Prompts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace marvola {

ListStatusDialog::ListStatusDialog(
    MatchSession &session, Action action, QWidget *parent, Clock clock)
    : QDialog(parent)
    , m_session(session)
    , m_action(action)
    , m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTime(); }))
{
    setObjectName(QStringLiteral("listStatusDialog"));
    const QString titles[] = {tr("Post results"), tr("Declare official"), tr("Reopen lists")};
    const QString intros[]
        = {tr("Post the ticked lists as provisional results. Their challenge window starts now."),
            tr("Declare the ticked lists official. They cannot change until they are reopened."),
            tr("Reopen the ticked official lists, so that their results can be corrected.")};
    setWindowTitle(titles[static_cast<int>(action)]);
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(intros[static_cast<int>(action)], this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_lists = new QListWidget(this);
    m_lists->setObjectName(QStringLiteral("lists"));
    layout->addWidget(m_lists, 1);
    buildList();

    auto *ticks = new QHBoxLayout;
    auto *all = new QPushButton(tr("Tick &all"), this);
    auto *none = new QPushButton(tr("Tick &none"), this);
    connect(all, &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { tickAll(false); });
    ticks->addWidget(all);
    ticks->addWidget(none);
    ticks->addStretch(1);
    layout->addLayout(ticks);

    auto *form = new QFormLayout;
    if (action == Action::Post) {
        m_window = new QSpinBox(this);
        m_window->setObjectName(QStringLiteral("challengeWindow"));
        m_window->setRange(0, MaxChallengeMinutes);
        m_window->setSuffix(tr(" min"));
        m_window->setValue(session.match().challengeMinutes);
        form->addRow(tr("&Challenge window:"), m_window);
    }
    if (action == Action::Reopen) {
        m_reason = new QLineEdit(this);
        m_reason->setObjectName(QStringLiteral("reason"));
        m_reason->setMaxLength(200);
        form->addRow(tr("&Reason:"), m_reason);
    }
    layout->addLayout(form);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    const QString okTexts[] = {tr("&Post"), tr("&Declare official"), tr("Re&open")};
    buttons->button(QDialogButtonBox::Ok)->setText(okTexts[static_cast<int>(action)]);
    connect(buttons, &QDialogButtonBox::accepted, this, &ListStatusDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(460, 560);
}

void ListStatusDialog::buildList()
{
    const Kilpailu &match = m_session.match();
    for (const QString &caption : selectedCaptions(PrintSelection().set())) {
        const ListStatus status = statusOfList(match, caption);
        // Only an official list can be reopened; an official one is not posted or declared again.
        if ((m_action == Action::Reopen) != status.isOfficial())
            continue;
        const QString state = listStatusLine(status);
        auto *item = new QListWidgetItem(
            state.isEmpty() ? caption : QStringLiteral("%1 - %2").arg(caption, state), m_lists);
        item->setData(Qt::UserRole, caption);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
}

void ListStatusDialog::tickAll(bool ticked)
{
    for (int i = 0; i < m_lists->count(); ++i)
        m_lists->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

QStringList ListStatusDialog::chosenLists() const
{
    QStringList captions;
    for (int i = 0; i < m_lists->count(); ++i)
        if (m_lists->item(i)->checkState() == Qt::Checked)
            captions << m_lists->item(i)->data(Qt::UserRole).toString();
    return captions;
}

bool ListStatusDialog::confirmTies(const QStringList &captions)
{
    const UndecidedTies ties = tiesInLists(m_session.match(), captions);
    if (ties.empty())
        return true;
    QStringList lines;
    for (const UndecidedTie &tie : ties)
        lines << postedTieWarning(tie);
    return prompts().confirm(
        this, lines.join(QLatin1Char('\n')) + QStringLiteral("\n\n") + tr("Post them anyway?"));
}

bool ListStatusDialog::confirmEarlyDeclaration(const QStringList &captions, const QDateTime &now)
{
    const QStringList open = listsStillOpenToChallenge(m_session.match(), captions, now);
    if (open.isEmpty())
        return true;
    return prompts().confirm(this,
        tr("The challenge window has not ended for %1. Declare them official now?")
            .arg(open.join(QStringLiteral(", "))));
}

void ListStatusDialog::accept()
{
    const QStringList captions = chosenLists();
    if (captions.isEmpty()) {
        prompts().information(this, tr("Tick the lists first."));
        return;
    }
    const QDateTime now = m_clock();
    switch (m_action) {
    case Action::Post: {
        if (!confirmTies(captions))
            return;
        const int minutes = m_window->value();
        m_session.edit([&](Kilpailu &k) {
            k.challengeMinutes = minutes;
            postLists(k, captions, now, minutes);
        });
        break;
    }
    case Action::DeclareOfficial:
        if (!confirmEarlyDeclaration(captions, now))
            return;
        m_session.edit([&](Kilpailu &k) { declareOfficial(k, captions, now); });
        break;
    case Action::Reopen: {
        const QString reason = m_reason->text().trimmed();
        if (reason.isEmpty()) {
            prompts().information(this, tr("Type the reason for reopening."));
            m_reason->setFocus();
            return;
        }
        m_session.edit([&](Kilpailu &k) { reopenLists(k, captions, reason); });
        break;
    }
    }
    QDialog::accept();
}

} // namespace marvola
