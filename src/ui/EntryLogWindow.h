// The entry log window: the changes of the match, newest first, filtered; read-only.
#pragma once

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QSqlQueryModel;
class QTableView;

namespace marvola {

class EntryLog;

class EntryLogWindow : public QDialog
{
    Q_OBJECT

public:
    explicit EntryLogWindow(QWidget *parent = nullptr);
    ~EntryLogWindow() override;

    // Shows the log file (read-only); an empty name when the match has no log yet.
    void showLog(const QString &logFileName);
    // Reads the first page again with the filters as they are.
    void applyFilters();
    QTableView *view() const { return m_view; }

private:
    QWidget *buildFilterRow();

    std::unique_ptr<EntryLog> m_log;
    QSqlQueryModel *m_model = nullptr;
    QTableView *m_view = nullptr;
    QLineEdit *m_competitorFilter = nullptr;
    QComboBox *m_disciplineFilter = nullptr;
    QLineEdit *m_sourceFilter = nullptr;
    QLineEdit *m_valueFilter = nullptr;
    QLabel *m_status = nullptr;
};

} // namespace marvola
