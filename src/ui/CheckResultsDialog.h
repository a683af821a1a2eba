// The list of results that look wrong, from which the official opens a competitor's card.
#pragma once

#include "model/Plausibility.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace marvola {

class CheckResultsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CheckResultsDialog(const Kilpailu &kilpailu, QWidget *parent = nullptr);

    // Fills the list from the registers as they are now.
    void refresh();
    int entryCount() const;

signals:
    // The official wants to correct this competitor's result (double-click or Enter on a line).
    void resultChosen(int slot, Laji d);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void chooseLine(int line);

    const Kilpailu &m_kilpailu;
    QList<ImplausibleResult> m_found;
    QLabel *m_summary = nullptr;
    QTableWidget *m_table = nullptr;
};

} // namespace marvola
