// Report list views: captioned columns and lines, heading lines in bold.
#pragma once

#include "ranking/ListColumns.h"
#include "ranking/Tables.h"

#include <QAbstractTableModel>
#include <QStringList>

class QTreeView;
class QWidget;

namespace marvola {

// The lines of one report list; replaced whole by every refresh.
class ReportListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Text columns are left-aligned, the others stand right under their captions.
    ReportListModel(QStringList captions, QList<bool> textColumns, QObject *parent = nullptr);

    void setLines(ListLines lines);
    const ListLines &lines() const { return m_lines; }
    const QStringList &captions() const { return m_captions; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool isTextColumn(int column) const;

    QStringList m_captions;
    QList<bool> m_textColumns;
    ListLines m_lines;
};

// A read-only report list named objectName, with its own model and column widths fitting the
// captions.
QTreeView *makeReportList(const QString &objectName, const QStringList &captions, QWidget *parent);
// A result tab's list: its columns as the list's description gives them to the tab.
QTreeView *makeResultList(
    const QString &objectName, const ListColumns &description, QWidget *parent);
ReportListModel *reportModel(const QTreeView *view);

} // namespace marvola
