#include "ui/CheckResultsDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace marvola {

namespace {

QStringList headings()
{
    return {QCoreApplication::translate("marvola::CheckResultsDialog", "Number"),
        QCoreApplication::translate("marvola::CheckResultsDialog", "Name"),
        QCoreApplication::translate("marvola::CheckResultsDialog", "Discipline"),
        QCoreApplication::translate("marvola::CheckResultsDialog", "What looks wrong")};
}

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

// Enter on a line opens it, as a double-click does.
class ResultsTable : public QTableWidget
{
public:
    using QTableWidget::QTableWidget;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            && currentRow() >= 0) {
            emit cellActivated(currentRow(), 0);
            return;
        }
        QTableWidget::keyPressEvent(event);
    }
};

} // namespace

CheckResultsDialog::CheckResultsDialog(const Kilpailu &kilpailu, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
{
    setWindowTitle(tr("Check results"));
    setObjectName(QStringLiteral("checkResultsDialog"));
    resize(720, 400);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("checkSummary"));

    m_table = new ResultsTable(0, static_cast<int>(headings().size()), this);
    m_table->setObjectName(QStringLiteral("checkResultsTable"));
    m_table->setHorizontalHeaderLabels(headings());
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    connect(m_table, &QTableWidget::cellDoubleClicked, this,
        [this](int line, int) { chooseLine(line); });
    connect(
        m_table, &QTableWidget::cellActivated, this, [this](int line, int) { chooseLine(line); });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("closeButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
}

void CheckResultsDialog::refresh()
{
    m_found = implausibleResults(m_kilpailu);
    m_table->setRowCount(static_cast<int>(m_found.size()));
    for (int line = 0; line < m_found.size(); ++line) {
        const ImplausibleResult &r = m_found[line];
        m_table->setItem(line, 0, cell(QString::number(r.numero)));
        m_table->setItem(line, 1, cell(r.nimi));
        m_table->setItem(line, 2, cell(disciplineCode(r.d)));
        m_table->setItem(line, 3, cell(r.rules.join(QStringLiteral("; "))));
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_summary->setText(m_found.isEmpty()
            ? tr("Every result follows the rules.")
            : tr("%n entries look wrong. Double-click one to correct it.", nullptr,
                static_cast<int>(m_found.size())));
    if (!m_found.isEmpty())
        m_table->setCurrentCell(0, 0);
}

int CheckResultsDialog::entryCount() const
{
    return static_cast<int>(m_found.size());
}

void CheckResultsDialog::showEvent(QShowEvent *event)
{
    refresh();
    m_table->setFocus();
    QDialog::showEvent(event);
}

void CheckResultsDialog::chooseLine(int line)
{
    if (line < 0 || line >= m_found.size())
        return;
    emit resultChosen(m_found[line].slot, m_found[line].d);
}

} // namespace marvola
