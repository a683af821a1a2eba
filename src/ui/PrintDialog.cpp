#include "ui/PrintDialog.h"

#include "model/Registers.h"
#include "output/ResultReport.h"
#include "ranking/Tables.h"
#include "ui/Toolkit.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace marvola {

namespace {
constexpr int BoxColumns = 3;
}

namespace {

// The group codes stay as they are; Standing is a word.
[[maybe_unused]] const char *const BoxWords[]
    = {QT_TRANSLATE_NOOP("marvola::PrintDialog", "Standing")};

QString boxCaption(int box)
{
    return QCoreApplication::translate(
        "marvola::PrintDialog", PrintBoxes[static_cast<size_t>(box)]);
}

} // namespace

PrintDialog::PrintDialog(const Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
{
    setWindowTitle(tr("Print"));
    setObjectName(QStringLiteral("printDialog"));
    m_reportSystem.addRenderer(m_pdfRenderer);
    m_reportSystem.addRenderer(m_htmlRenderer);

    auto *boxes = new QGridLayout;
    for (int b = 0; b < static_cast<int>(PrintBoxes.size()); ++b) {
        auto *box = new QGroupBox(boxCaption(b), this);
        auto *column = new QVBoxLayout(box);
        for (int i : listsInBox(b)) {
            const PrintList &list = PrintLists[static_cast<size_t>(i)];
            auto *check = new QCheckBox(QString::fromLatin1(list.caption), box);
            check->setObjectName(QLatin1String(list.checkBox));
            column->addWidget(check);
            m_boxes[static_cast<size_t>(i)] = check;
        }
        column->addStretch();
        boxes->addWidget(box, b / BoxColumns, b % BoxColumns);
    }
    // The start lists and the cards not returned, under the result lists.
    auto *relays = new QGroupBox(tr("Relays"), this);
    relays->setObjectName(QStringLiteral("relayListsBox"));
    auto *relayColumn = new QVBoxLayout(relays);
    for (size_t i = 0; i < RelayPrintLists.size(); ++i) {
        const RelayPrintList &list = RelayPrintLists[i];
        auto *check
            = new QCheckBox(QCoreApplication::translate("RelayLists", list.caption), relays);
        check->setObjectName(QLatin1String(list.checkBox));
        relayColumn->addWidget(check);
        m_relayBoxes[i] = check;
    }
    boxes->addWidget(relays, boxes->rowCount(), 0, 1, BoxColumns);

    auto *buttons = new QHBoxLayout;
    QPushButton *selectAll = addButton("selectAllButton", tr("Select All"));
    QPushButton *clear = addButton("clearSelectionButton", tr("Clear selection"));
    QPushButton *print = addButton("printButton", tr("Print"));
    QPushButton *close = addButton("closeButton", tr("Close"));
    for (QPushButton *button : {selectAll, clear})
        buttons->addWidget(button);
    buttons->addStretch();
    for (QPushButton *button : {print, close})
        buttons->addWidget(button);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addLayout(buttons);

    connect(selectAll, &QPushButton::clicked, this, [this] { checkAll(); });
    connect(clear, &QPushButton::clicked, this, [this] { uncheckAll(); });
    connect(print, &QPushButton::clicked, this, [this] { printSelected(); });
    connect(close, &QPushButton::clicked, this, [this] { closeDialog(); });
    toolkit::setCancelButton(this, close);
}

QPushButton *PrintDialog::addButton(const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

PrintSelection PrintDialog::selection() const
{
    PrintSelection selection;
    for (size_t i = 0; i < m_boxes.size(); ++i)
        selection.set(i, m_boxes[i]->isChecked());
    return selection;
}

RelayListSelection PrintDialog::relaySelection() const
{
    RelayListSelection selection;
    for (size_t i = 0; i < m_relayBoxes.size(); ++i)
        selection.set(i, m_relayBoxes[i]->isChecked());
    return selection;
}

// Select All takes the result lists, as "all" of the batch's --lists does; Clear takes every box.
void PrintDialog::setAll(bool checked)
{
    for (QCheckBox *box : m_boxes)
        box->setChecked(checked);
    if (!checked)
        for (QCheckBox *box : m_relayBoxes)
            box->setChecked(false);
}

void PrintDialog::checkAll()
{
    setAll(true);
}

void PrintDialog::uncheckAll()
{
    setAll(false);
}

void PrintDialog::printSelected()
{
    ResultReport report(m_kilpailu.tiedot, m_tulokset, selection());
    report.setListStatus(m_kilpailu.listStatus);
    report.setRelayLists(m_kilpailu, relaySelection());
    if (m_reportSystem.execute(this, report) && !m_reportSystem.writtenFile().isEmpty())
        emit fileWritten(m_reportSystem.writtenFile());
}

void PrintDialog::closeDialog()
{
    close();
}

} // namespace marvola
