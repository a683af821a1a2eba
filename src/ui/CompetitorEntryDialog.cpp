#include "ui/CompetitorEntryDialog.h"

#include "model/Registers.h"
#include "model/Text.h"
#include "ranking/Tables.h"
#include "session/MatchSession.h"
#include "ui/EditCompetitorDialog.h"
#include "ui/NameList.h"
#include "ui/NewCompetitorDialog.h"
#include "ui/ResultEntryDialog.h"
#include "ui/Toolkit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
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

// Columns of the class buttons, as the group headers read; a row has those its discipline offers.
const QStringList ClassColumns
    = {Luokat::Int, Luokat::A, Luokat::B, Luokat::Master, Luokat::Eiluok};

constexpr int EquipmentWidth = 78;
constexpr int ClassColumnWidth = 32;

QLabel *headerLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// Unchecks one button of an exclusive group, which Qt otherwise refuses; runs no handler.
void uncheck(QAbstractButton *button)
{
    if (!button->isChecked())
        return;
    QButtonGroup *group = button->group();
    if (group)
        group->setExclusive(false);
    button->setChecked(false);
    if (group)
        group->setExclusive(true);
}

// Tab enters a radio group at its checked button (the first when none is), and the arrow keys
// move within it, so Tab crosses a row's class buttons in one step.
void keepCheckedButtonAsTabStop(QButtonGroup *group)
{
    const QList<QAbstractButton *> buttons = group->buttons();
    QAbstractButton *stop = group->checkedButton();
    if (!stop && !buttons.isEmpty())
        stop = buttons.constFirst();
    for (QAbstractButton *button : buttons)
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

QButtonGroup *makeRadioGroup(QObject *parent)
{
    auto *group = new QButtonGroup(parent);
    QObject::connect(group, &QButtonGroup::buttonToggled, group,
        [group](QAbstractButton *, bool) { keepCheckedButtonAsTabStop(group); });
    return group;
}

template<int N> bool storeText(ShortString<N> &field, const QString &text)
{
    if (field == ShortString<N>(text))
        return false;
    field.setText(text);
    return true;
}

} // namespace

CompetitorEntryDialog::CompetitorEntryDialog(
    MatchSession &session, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_kilpailu(session.match())
    , m_tulokset(tulokset)
{
    setWindowTitle(tr("Add/Edit Competitor"));
    buildControls();
}

// Controls are created in Tab order: the name list, the rows box by box, then the buttons.
void CompetitorEntryDialog::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildHeading());

    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    left->addWidget(buildGroupBox(Group::BBP));
    left->addWidget(buildGroupBox(Group::SBP));
    left->addStretch(1);
    right->addWidget(buildGroupBox(Group::FP));
    right->addWidget(buildGroupBox(Group::SBR));
    right->addWidget(buildGroupBox(Group::BBR));
    right->addStretch(1);
    columns->addLayout(left);
    columns->addLayout(right);
    layout->addLayout(columns);

    m_nimi = new QLabel(this);
    m_nimi->setObjectName(QStringLiteral("Nimi"));
    QFont bold = m_nimi->font();
    bold.setBold(true);
    m_nimi->setFont(bold);
    const auto button = [this](const char *name, const QString &caption, auto handler) {
        auto *pushButton = new QPushButton(caption, this);
        pushButton->setObjectName(QLatin1String(name));
        // Enter in the name list or a text field must not close the dialog.
        pushButton->setAutoDefault(false);
        connect(pushButton, &QPushButton::clicked, this, handler);
        return pushButton;
    };
    QPushButton *newButton
        = button("newCompetitorButton", tr("New"), [this] { openNewCompetitor(); });
    QPushButton *editButton
        = button("editCompetitorButton", tr("Edit"), [this] { openEditCompetitor(); });
    QPushButton *closeButton = button("closeButton", tr("Close"), [this] { closeAndRefresh(); });
    // Escape leaves as "Close" does, so the main window never shows stale lists after it.
    toolkit::setCancelButton(this, closeButton);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_nimi);
    bottom->addStretch(1);
    bottom->addWidget(newButton);
    bottom->addWidget(editButton);
    bottom->addWidget(closeButton);
    layout->addLayout(bottom);

    m_bbpAggr.p->setChecked(true);
    m_sbpAggr.p->setChecked(true);
    for (Row &row : m_rows)
        enableRow(row);
    m_nameList->setFocus();
}

QWidget *CompetitorEntryDialog::buildHeading()
{
    auto *heading = new QWidget(this);
    auto *grid = new QGridLayout(heading);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto value = [heading](const char *name) {
        auto *label = new QLabel(heading);
        label->setObjectName(QLatin1String(name));
        label->setFrameShape(QFrame::StyledPanel);
        label->setMinimumWidth(60);
        return label;
    };
    m_kilpNumero = value("KilpNumero");
    m_nameList = new QComboBox(heading);
    m_nameList->setObjectName(QStringLiteral("competitorNameList"));
    nameList::make(m_nameList);
    m_nameList->setMinimumWidth(240);
    toolkit::onNewText(m_nameList, this, [this] { showNamedCompetitor(); });
    m_seura = value("Seura");
    m_maa = value("Maa");
    m_seura->setMinimumWidth(100);

    const QStringList captions = {tr("Number"), tr("Name"), tr("Club"), tr("Nationality")};
    const QList<QWidget *> values = {m_kilpNumero, m_nameList, m_seura, m_maa};
    for (int column = 0; column < captions.size(); ++column) {
        auto *caption = new QLabel(captions[column], heading);
        caption->setBuddy(values[column]);
        grid->addWidget(caption, 0, column);
        grid->addWidget(values[column], 1, column);
    }
    grid->setColumnStretch(captions.size(), 1);
    return heading;
}

QGroupBox *CompetitorEntryDialog::buildGroupBox(Group g)
{
    const GroupInfo &info = Groups[static_cast<size_t>(ix(g))];
    const QString code = QLatin1String(info.code);
    auto *box = new QGroupBox(code, this);
    box->setObjectName(code + QStringLiteral("Box"));
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);

    const int first = info.members.front();
    QStringList classColumns;
    for (const QString &luokka : ClassColumns)
        if (classesOffered(first).contains(luokka))
            classColumns << luokka;
    int column = 1;
    for (const QString &luokka : classColumns) {
        grid->setColumnMinimumWidth(column, ClassColumnWidth);
        grid->addWidget(headerLabel(classCaption(luokka), box), 0, column++);
    }
    // The small bore rifle box has no captions over its gun and model fields.
    if (g != Group::SBR) {
        grid->addWidget(headerLabel(tr("Gun"), box), 0, column);
        grid->addWidget(headerLabel(tr("Model"), box), 0, column + 1);
    }
    if (discipline(first).hasCaliber)
        grid->addWidget(headerLabel(tr("Caliber"), box), 0, column + 2);

    int line = 1;
    for (const Laji d : info.members)
        buildRow(d, grid, line++, classColumns);

    if (g == Group::BBP || g == Group::SBP) {
        const int aggrColumn = column + (discipline(first).hasCaliber ? 3 : 2);
        grid->addWidget(headerLabel(tr("Aggr."), box), 0, aggrColumn);
        AggrChoice &choice = g == Group::BBP ? m_bbpAggr : m_sbpAggr;
        if (g == Group::BBP) {
            choice.cFlag = &TKilpailija::BBPCAggr;
            choice.pFlag = &TKilpailija::BBPPAggr;
        } else {
            choice.cFlag = &TKilpailija::SBPCAggr;
            choice.pFlag = &TKilpailija::SBPPAggr;
        }
        grid->addWidget(buildAggrChoice(choice, code, box), 1, aggrColumn, 2, 1, Qt::AlignTop);
    }
    grid->setColumnStretch(grid->columnCount(), 1);
    return box;
}

void CompetitorEntryDialog::buildRow(
    int d, QGridLayout *grid, int line, const QStringList &classColumns)
{
    QWidget *box = grid->parentWidget();
    const QString code = disciplineCode(d);
    Row &row = m_rows[static_cast<size_t>(d)];
    row.d = d;
    row.box = new QCheckBox(code, box);
    row.box->setObjectName(d == FPPAS ? QStringLiteral("FPPASbox") : code);
    row.box->setMinimumWidth(70);
    grid->addWidget(row.box, line, 0);
    toolkit::onToggle(row.box, this, [this, d] { storeEntry(d); });

    row.classes = makeRadioGroup(box);
    int column = 1;
    for (const QString &luokka : classColumns) {
        auto *button = new QRadioButton(box);
        button->setObjectName(code + luokka);
        button->setAccessibleName(code + QLatin1Char(' ') + classCaption(luokka));
        row.classes->addButton(button);
        row.classButtons.emplace_back(luokka, button);
        grid->addWidget(button, line, column++, Qt::AlignCenter);
        toolkit::onToggle(button, this, [this, d, luokka] { storeClass(d, luokka); });
    }
    keepCheckedButtonAsTabStop(row.classes);

    const auto text = [&](const char *suffix, PerLaji<Str10> TKilpailija::*field) {
        auto *edit = new QLineEdit(box);
        edit->setObjectName(code + QLatin1String(suffix));
        edit->setFixedWidth(EquipmentWidth);
        toolkit::limitLength(edit, Str10::Capacity);
        grid->addWidget(edit, line, column++);
        toolkit::onNewText(edit, this, [this, d, field, edit] { storeEquipment(d, field, edit); });
        return edit;
    };
    row.ase = text("Ase", &TKilpailija::Ase);
    row.malli = text("Malli", &TKilpailija::Malli);
    if (discipline(d).hasCaliber)
        row.kaliiperi = text("Kaliiperi", &TKilpailija::Kaliiperi);
}

QWidget *CompetitorEntryDialog::buildAggrChoice(
    AggrChoice &choice, const QString &code, QWidget *parent)
{
    auto *holder = new QWidget(parent);
    auto *layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    QButtonGroup *group = makeRadioGroup(holder);
    choice.c = new QRadioButton(QStringLiteral("C"), holder);
    choice.c->setObjectName(code + QStringLiteral("CAggrRadio"));
    choice.p = new QRadioButton(QStringLiteral("P"), holder);
    choice.p->setObjectName(code + QStringLiteral("PAggrRadio"));
    for (QRadioButton *button : {choice.c, choice.p}) {
        group->addButton(button);
        layout->addWidget(button);
    }
    keepCheckedButtonAsTabStop(group);
    const AggrChoice flags = choice;
    toolkit::onToggle(choice.c, this, [this, flags] { storeAggrChoice(flags.cFlag, flags.pFlag); });
    toolkit::onToggle(choice.p, this, [this, flags] { storeAggrChoice(flags.pFlag, flags.cFlag); });
    return holder;
}

void CompetitorEntryDialog::setCompetitorNames(const QStringList &names)
{
    nameList::fill(m_nameList, names);
}

void CompetitorEntryDialog::setWindows(
    NewCompetitorDialog *newCompetitor, EditCompetitorDialog *editCompetitor)
{
    m_newCompetitor = newCompetitor;
    m_editCompetitor = editCompetitor;
    // A modeless window of the main window's own would be blocked while this dialog is modal.
    if (m_newCompetitor && m_newCompetitor->parentWidget() != this)
        m_newCompetitor->setParent(this, m_newCompetitor->windowFlags());
}

QString CompetitorEntryDialog::shownName() const
{
    return m_nimi->text();
}

const TKilpailija &CompetitorEntryDialog::shown() const
{
    return m_kilpailu.kilpailijat[m_shownSlot];
}

void CompetitorEntryDialog::storeShown(const std::function<void(TKilpailija &)> &write)
{
    const int slot = m_shownSlot;
    m_session.edit([slot, &write](Kilpailu &k) { write(k.kilpailijat[slot]); });
}

void CompetitorEntryDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        startAtFirstCompetitor();
}

void CompetitorEntryDialog::startAtFirstCompetitor()
{
    showFirstCompetitor();
    m_nameList->setFocus();
}

void CompetitorEntryDialog::showFirstCompetitor()
{
    m_shownSlot = 1;
    showCompetitor();
}

void CompetitorEntryDialog::showCompetitor()
{
    // A never-used slot is stepped over once, which shows slot 2 of an empty register.
    if (shown().Numero == 0 && m_shownSlot < MaxKilpailijat)
        ++m_shownSlot;
    const TKilpailija &k = shown();

    m_kilpNumero->setText(QString::number(k.Numero));
    const QString nimi = k.Nimi.text();
    m_nimi->setText(nimi);
    // Setting the text the official is typing would move the cursor.
    if (m_nameList->currentText() != nimi)
        m_nameList->setEditText(nimi);
    m_seura->setText(k.Seura.text());
    m_maa->setText(k.Maa.text());

    // The fields' handlers run as the texts change and write back what was just read.
    for (const Row &row : m_rows) {
        row.ase->setText(k.Ase[row.d].text());
        row.malli->setText(k.Malli[row.d].text());
        if (row.kaliiperi)
            row.kaliiperi->setText(k.Kaliiperi[row.d].text());
    }
    // The disciplines in the competitor list's order; each P/C choice follows its group.
    for (const Laji d : Orders::DisciplinesText) {
        showRow(m_rows[static_cast<size_t>(d)]);
        if (d == BBPU)
            showAggrChoice(m_bbpAggr);
        else if (d == SBPU)
            showAggrChoice(m_sbpAggr);
    }
}

void CompetitorEntryDialog::showRow(Row &row)
{
    const TKilpailija &k = shown();
    row.box->setChecked(k.Osallistuu[row.d]);
    enableRow(row);
    const QString luokka = k.Luokka[row.d].text();
    for (const auto &[code, button] : row.classButtons) {
        if (code == luokka)
            button->setChecked(true);
        else
            uncheck(button);
    }
}

void CompetitorEntryDialog::showAggrChoice(AggrChoice &choice)
{
    // Read the flags one at a time: checking "C" clears the P flag of a slot that had both.
    if (shown().*choice.cFlag)
        choice.c->setChecked(true);
    else
        uncheck(choice.c);
    if (shown().*choice.pFlag)
        choice.p->setChecked(true);
    else
        uncheck(choice.p);
}

void CompetitorEntryDialog::enableRow(const Row &row)
{
    const bool on = row.box->isChecked();
    for (const auto &entry : row.classButtons)
        entry.second->setEnabled(on);
    for (QLineEdit *field : {row.ase, row.malli, row.kaliiperi})
        if (field)
            field->setEnabled(on);
}

void CompetitorEntryDialog::showLastCompetitor()
{
    m_shownSlot = std::max(1, m_kilpailu.kilpailijat.highestOccupied());
    showCompetitor();
}

void CompetitorEntryDialog::showNamedCompetitor()
{
    // While the text names nobody (empty, or a name half typed) the shown slot stays.
    const Str25 nimi(m_nameList->currentText());
    if (nimi.isEmpty())
        return;
    if (const auto slot = m_kilpailu.kilpailijat.slotByName(nimi.text())) {
        m_shownSlot = *slot;
        showCompetitor();
    }
}

void CompetitorEntryDialog::openNewCompetitor()
{
    if (!m_newCompetitor)
        return;
    m_newCompetitor->show();
    m_newCompetitor->raise();
    m_newCompetitor->activateWindow();
}

void CompetitorEntryDialog::openEditCompetitor()
{
    if (m_editCompetitor)
        m_editCompetitor->exec();
}

void CompetitorEntryDialog::closeAndRefresh()
{
    emit updateRequested();
    accept();
}

void CompetitorEntryDialog::storeEntry(int d)
{
    const Row &row = m_rows[static_cast<size_t>(d)];
    storeShown([d, entered = row.box->isChecked()](TKilpailija &k) { k.Osallistuu[d] = entered; });
    enableRow(row);
}

void CompetitorEntryDialog::storeClass(int d, const QString &luokka)
{
    storeShown([d, &luokka](TKilpailija &k) { storeText(k.Luokka[d], luokka); });
}

void CompetitorEntryDialog::storeEquipment(
    int d, PerLaji<Str10> TKilpailija::*field, QLineEdit *text)
{
    storeShown([d, field, typed = singleLine(text->text())](
                   TKilpailija &k) { storeText((k.*field)[d], typed); });
}

void CompetitorEntryDialog::storeAggrChoice(
    Boolean TKilpailija::*chosen, Boolean TKilpailija::*other)
{
    storeShown([chosen, other](TKilpailija &k) {
        k.*chosen = true;
        k.*other = false;
    });
}

void connectCompetitorDialogs(CompetitorEntryDialog *competitorEntry,
    NewCompetitorDialog *newCompetitor, EditCompetitorDialog *editCompetitor,
    ResultEntryDialog *resultEntry)
{
    competitorEntry->setWindows(newCompetitor, editCompetitor);
    newCompetitor->setWindows(competitorEntry, resultEntry);
    editCompetitor->setWindows(competitorEntry, resultEntry);
}

} // namespace marvola
