#include "ui/ResultEntryDialog.h"

#include "model/Registers.h"
#include "ranking/Tables.h"

namespace marvola {

TTulostenLisays::TTulostenLisays(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
{
    setWindowTitle(QStringLiteral("Add/Edit Results"));
}

void TTulostenLisays::setCompetitorNames(const QStringList &)
{
}

} // namespace marvola
