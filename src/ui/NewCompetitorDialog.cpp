#include "ui/NewCompetitorDialog.h"

#include "model/Registers.h"
#include "ranking/Tables.h"

namespace marvola {

TUusiKilpailija::TUusiKilpailija(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
{
    setWindowTitle(QStringLiteral("New Competitor"));
}

} // namespace marvola
