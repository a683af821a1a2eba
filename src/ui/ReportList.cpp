#include "ui/ReportList.h"

#include <QCoreApplication>
#include <QFont>
#include <QHeaderView>
#include <QTreeView>

namespace marvola {

namespace {

// The competitor list's text columns; a result list's come from its description.
bool isCompetitorTextColumn(const QString &caption)
{
    static const QStringList texts{QStringLiteral("Competitor Name"), QStringLiteral("Club"),
        QStringLiteral("Nat."), QStringLiteral("Disciplines")};
    return texts.contains(caption);
}

// Widths in pixels of the competitor list's columns; the caption says what the column holds. A
// result list's come from its description.
int columnWidth(const QString &caption)
{
    if (caption == QLatin1String("Competitor Name"))
        return 175;
    if (caption == QLatin1String("Disciplines"))
        return 420;
    if (caption == QLatin1String("Club"))
        return 85;
    return 62;
}

} // namespace

ReportListModel::ReportListModel(QStringList captions, QList<bool> textColumns, QObject *parent)
    : QAbstractTableModel(parent)
    , m_captions(std::move(captions))
    , m_textColumns(std::move(textColumns))
{ }

bool ReportListModel::isTextColumn(int column) const
{
    return m_textColumns.value(column, true);
}

void ReportListModel::setLines(ListLines lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

int ReportListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

int ReportListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_captions.size());
}

QVariant ReportListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    const ListLine &line = m_lines[index.row()];
    switch (role) {
    case Qt::DisplayRole: return line.columns.value(index.column());
    case Qt::FontRole:
        if (line.heading) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::TextAlignmentRole:
        if (!line.heading && !isTextColumn(index.column()))
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default: return {};
    }
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    // The captions name the columns in the program's own texts; shown translated.
    if (role == Qt::DisplayRole)
        return QCoreApplication::translate(
            "ListColumns", m_captions.value(section).toUtf8().constData());
    // Captions of number columns stand over their numbers.
    if (role == Qt::TextAlignmentRole && !isTextColumn(section))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

namespace {

QTreeView *makeList(const QString &objectName, const QStringList &captions,
    const QList<bool> &textColumns, const QList<int> &widths, QWidget *parent)
{
    auto *view = new QTreeView(parent);
    view->setObjectName(objectName);
    view->setModel(new ReportListModel(captions, textColumns, view));
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true); // a full match has thousands of lines
    view->setAllColumnsShowFocus(true);
    view->setAlternatingRowColors(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->header()->setStretchLastSection(false);
    view->header()->setSectionsMovable(false);
    for (int c = 0; c < widths.size(); ++c)
        view->setColumnWidth(c, widths[c]);
    return view;
}

} // namespace

QTreeView *makeReportList(const QString &objectName, const QStringList &captions, QWidget *parent)
{
    QList<bool> textColumns;
    QList<int> widths;
    for (const QString &caption : captions) {
        textColumns << isCompetitorTextColumn(caption);
        widths << columnWidth(caption);
    }
    return makeList(objectName, captions, textColumns, widths, parent);
}

QTreeView *makeResultList(
    const QString &objectName, const ListColumns &description, QWidget *parent)
{
    QList<bool> textColumns;
    QList<int> widths;
    for (const ListColumn &column : description)
        if (column.caption) {
            textColumns << isTextValue(column.value);
            widths << column.tabWidth;
        }
    return makeList(objectName, tabCaptions(description), textColumns, widths, parent);
}

ReportListModel *reportModel(const QTreeView *view)
{
    return qobject_cast<ReportListModel *>(view->model());
}

} // namespace marvola
