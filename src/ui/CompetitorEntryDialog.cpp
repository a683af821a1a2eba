#include "ui/CompetitorEntryDialog.h"

#include "model/Registers.h"
#include "ranking/Tables.h"

namespace marvola {

TKilpSyotto::TKilpSyotto(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
{
    setWindowTitle(QStringLiteral("Add/Edit Competitor"));
}

void TKilpSyotto::setCompetitorNames(const QStringList &)
{
}

} // namespace marvola
