#include "ui/ImportDialog.h"

#include "model/Disciplines.h"
#include "register/ShooterRegister.h"
#include "session/MatchSession.h"
#include "ui/Prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>

namespace marvola {

namespace {

QSettings settings()
{
    return QSettings(QStringLiteral("Marvola"), QStringLiteral("Marvola"));
}

enum PreviewColumn {
    ImportColumnIndex,
    LineColumn,
    NameColumn,
    ClubColumn,
    DisciplinesColumn,
    StatusColumn,
    ReasonColumn,
    PreviewColumnCount
};

QString disciplinesText(const ImportCompetitor &c)
{
    QStringList parts;
    for (const ImportEntry &e : c.entries)
        parts << (e.luokka.isEmpty() ? disciplineCode(e.discipline)
                                     : disciplineCode(e.discipline) + u' ' + e.luokka);
    return parts.join(QStringLiteral(", "));
}

} // namespace

QString ImportDialog::mappingKey(const QStringList &headings)
{
    const QByteArray digest
        = QCryptographicHash::hash(headings.join(QChar(0x1F)).toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("import/mapping/") + QString::fromLatin1(digest.toHex());
}

ImportDialog::ImportDialog(
    MatchSession &session, const QString &fileName, const ImportTable &table, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_fileName(fileName)
    , m_table(table)
{
    setWindowTitle(tr("Import Competitors"));
    setObjectName(QStringLiteral("importDialog"));
    m_columns = recogniseHeadings(table.headings);
    const QList<ImportColumn> remembered
        = mappingFromText(settings().value(mappingKey(table.headings)).toString(),
            static_cast<int>(table.headings.size()));
    if (!remembered.isEmpty())
        m_columns = remembered;

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Competitors from %1").arg(fileName), this));
    buildMappingStep();
    buildPreview();
    replan();
    // The first thing to decide is a column that is not recognised; else the preview.
    for (int i = 0; i < m_columnBoxes.size(); ++i) {
        if (m_columns.value(i).field == ImportField::Ignored) {
            m_columnBoxes[i]->setFocus();
            return;
        }
    }
    m_preview->setFocus();
}

void ImportDialog::buildMappingStep()
{
    auto *area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("columnMapping"));
    area->setWidgetResizable(true);
    area->setMaximumHeight(180);
    auto *inner = new QWidget(area);
    auto *form = new QFormLayout(inner);
    const QList<ImportColumn> choices = assignableColumns();
    for (qsizetype i = 0; i < m_table.headings.size(); ++i) {
        auto *box = new QComboBox(inner);
        box->setObjectName(QStringLiteral("column%1").arg(i));
        for (const ImportColumn &choice : choices)
            box->addItem(columnCaption(choice));
        box->setCurrentIndex(std::max<int>(0, static_cast<int>(choices.indexOf(m_columns[i]))));
        connect(box, &QComboBox::currentIndexChanged, this, [this, i, choices](int index) {
            m_columns[i] = choices.value(index);
            replan();
        });
        const QString heading = m_table.headings[i].isEmpty()
            ? tr("(column %1 without heading)").arg(i + 1)
            : m_table.headings[i];
        auto *label = new QLabel(heading, inner);
        label->setBuddy(box);
        form->addRow(label, box);
        m_columnBoxes << box;
    }
    area->setWidget(inner);
    layout()->addWidget(new QLabel(tr("What each column holds:"), this));
    layout()->addWidget(area);
}

void ImportDialog::buildPreview()
{
    m_shorten = new QCheckBox(tr("&Shorten the texts that are too long for their fields"), this);
    m_shorten->setObjectName(QStringLiteral("shortenCheck"));
    connect(m_shorten, &QCheckBox::toggled, this, [this](bool on) {
        m_options.shorten = on;
        replan();
    });
    m_preview = new QTableWidget(0, PreviewColumnCount, this);
    m_preview->setObjectName(QStringLiteral("previewTable"));
    m_preview->setHorizontalHeaderLabels({tr("Import"), tr("Line"), tr("Name"), tr("Club"),
        tr("Disciplines"), tr("Status"), tr("Reason")});
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_preview->verticalHeader()->hide();
    m_preview->horizontalHeader()->setStretchLastSection(true);
    connect(m_preview, &QTableWidget::itemChanged, this, &ImportDialog::duplicateTicked);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("importSummary"));
    // The entries of the season's matches fill the register that the next match's desk searches.
    m_toRegister = new QCheckBox(tr("Also add them to the shooter &register"), this);
    m_toRegister->setObjectName(QStringLiteral("toRegisterCheck"));
    m_toRegister->setChecked(settings().value(QStringLiteral("import/toRegister")).toBool());
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *importButton = m_buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    importButton->setObjectName(QStringLiteral("importButton"));
    importButton->setDefault(true);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &ImportDialog::importRows);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout()->addWidget(m_shorten);
    layout()->addWidget(m_preview);
    layout()->addWidget(m_summary);
    layout()->addWidget(m_toRegister);
    layout()->addWidget(m_buttons);
    resize(900, 600);
}

void ImportDialog::replan()
{
    m_plan = planImport(m_table, m_columns, m_session.match(), m_options);
    showPlan();
}

void ImportDialog::showPlan()
{
    m_showing = true;
    m_preview->setRowCount(static_cast<int>(m_plan.rows.size()));
    bool anyTooLong = false;
    for (int r = 0; r < m_plan.rows.size(); ++r) {
        const ImportRow &row = m_plan.rows[r];
        const ImportCompetitor &c = row.competitor;
        anyTooLong = anyTooLong || c.tooLong;
        QString status;
        switch (row.status) {
        case ImportStatus::New: status = tr("new"); break;
        case ImportStatus::Update: status = tr("update"); break;
        case ImportStatus::Duplicate: status = tr("suspected duplicate"); break;
        case ImportStatus::Refused: status = tr("refused"); break;
        }
        QString reason = row.reason;
        if (row.status == ImportStatus::Update)
            reason = tr("Updates %1.").arg(competitorLabel(m_session.match(), row.slot));
        const QStringList texts{QString(), QString::number(c.line()), c.nimi, c.seura,
            disciplinesText(c), status, reason};
        for (int column = 0; column < PreviewColumnCount; ++column) {
            auto *item = new QTableWidgetItem(texts[column]);
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            m_preview->setItem(r, column, item);
        }
        QTableWidgetItem *tick = m_preview->item(r, ImportColumnIndex);
        if (row.status == ImportStatus::Duplicate) {
            tick->setFlags(tick->flags() | Qt::ItemIsUserCheckable);
            tick->setCheckState(row.accepted ? Qt::Checked : Qt::Unchecked);
            tick->setToolTip(tr("Import this row as a new competitor"));
        } else {
            tick->setText(row.status == ImportStatus::Refused ? QString() : QStringLiteral("✓"));
        }
    }
    m_preview->resizeColumnsToContents();
    m_shorten->setVisible(anyTooLong || m_options.shorten);

    const bool named = hasNameColumn(m_columns);
    const int refused = m_plan.count(ImportStatus::Refused);
    const int duplicates = m_plan.count(ImportStatus::Duplicate);
    m_summary->setText(named
            ? tr("New: %1, updates: %2, suspected duplicates: %3, refused: %4. Nothing "
                 "changes until you press Import.")
                  .arg(m_plan.count(ImportStatus::New))
                  .arg(m_plan.updated())
                  .arg(duplicates)
                  .arg(refused)
            : tr("No column holds the names: choose the column of the name or of the last "
                 "name."));
    m_buttons->button(QDialogButtonBox::Cancel)->setEnabled(true);
    for (QAbstractButton *b : m_buttons->buttons())
        if (b->objectName() == QLatin1String("importButton"))
            b->setEnabled(named && m_plan.added() + m_plan.updated() > 0);
    m_showing = false;
}

void ImportDialog::duplicateTicked(QTableWidgetItem *item)
{
    if (m_showing || item->column() != ImportColumnIndex)
        return;
    const ImportRow &row = m_plan.rows.value(item->row());
    if (row.status != ImportStatus::Duplicate)
        return;
    const int line = row.competitor.line();
    if (item->checkState() == Qt::Checked)
        m_options.acceptedDuplicates.insert(line);
    else
        m_options.acceptedDuplicates.remove(line);
    const int current = m_preview->currentRow();
    replan();
    m_preview->setCurrentCell(current, ImportColumnIndex);
}

void ImportDialog::importRows()
{
    settings().setValue(mappingKey(m_table.headings), mappingText(m_columns));
    settings().setValue(QStringLiteral("import/toRegister"), m_toRegister->isChecked());
    const ImportPlan plan = m_plan;
    const QList<FieldEdit> changes = m_session.edit(
        [&plan](Kilpailu &k) { applyImport(plan, k); }, EditOrigin::importOf(m_fileName));
    if (m_toRegister->isChecked())
        addToRegister(changes);
    accept();
}

// The competitors the import added or updated, as the match now holds them. The import stands
// whatever the register answers: a register that cannot be written is said, and nothing else.
void ImportDialog::addToRegister(const QList<FieldEdit> &changes)
{
    QList<int> importedSlots;
    for (const FieldEdit &change : changes)
        if (change.kind == ChangeKind::Competitor && !importedSlots.contains(change.slot)
            && !m_session.match().kilpailijat[change.slot].Nimi.isEmpty())
            importedSlots << change.slot;
    if (importedSlots.isEmpty())
        return;
    QList<Shooter> shooters;
    for (const int slot : importedSlots) {
        Shooter shooter = shooterOfCompetitor(m_session.match(), slot);
        shooter.language = importedLanguage(m_plan, m_session.match(), slot);
        shooters << shooter;
    }
    QString error;
    const std::unique_ptr<ShooterRegister> shooterRegister
        = ShooterRegister::open(registerFile(), ShooterRegister::Mode::CreateIfMissing, error);
    if (!shooterRegister || !shooterRegister->storeShooters(shooters, error))
        prompts().error(this, error);
}

} // namespace marvola
