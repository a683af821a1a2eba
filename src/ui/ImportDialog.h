// The import of competitors from a list: what each column holds, every row as it would go in
// (new, update, suspected duplicate, refused), and nothing changed until "Import".
#pragma once

#include "import/ImportPlan.h"
#include "log/MatchChanges.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QTableWidget;
class QTableWidgetItem;

namespace marvola {

class MatchSession;

class ImportDialog : public QDialog
{
    Q_OBJECT

public:
    // table is the file fileName as read; the columns are recognised by their headings, or as the
    // official assigned them the last time a file had the same headings.
    ImportDialog(MatchSession &session, const QString &fileName, const ImportTable &table,
        QWidget *parent = nullptr);

    const ImportPlan &plan() const { return m_plan; }

    // The settings key of a mapping remembered for these headings.
    static QString mappingKey(const QStringList &headings);

private:
    void buildMappingStep();
    void buildPreview();
    // Classifies the rows again after the columns, the shortening or a tick changed.
    void replan();
    void showPlan();
    void duplicateTicked(QTableWidgetItem *item);
    void importRows();
    // The imported competitors into the shooter register, when the official asked for it.
    void addToRegister(const QList<FieldEdit> &changes);

    MatchSession &m_session;
    QString m_fileName;
    ImportTable m_table;
    QList<ImportColumn> m_columns;
    ImportOptions m_options;
    ImportPlan m_plan;
    bool m_showing = false;

    QList<QComboBox *> m_columnBoxes;
    QCheckBox *m_shorten = nullptr;
    QCheckBox *m_toRegister = nullptr;
    QTableWidget *m_preview = nullptr;
    QLabel *m_summary = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};

} // namespace marvola
