#include "ui/NewTeamDialog.h"

#include "model/Registers.h"
#include "ranking/Tables.h"

namespace marvola {

TUusiJoukkue::TUusiJoukkue(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
{
    setWindowTitle(QStringLiteral("New Team"));
}

void TUusiJoukkue::setCompetitorNames(const QStringList &)
{
}

} // namespace marvola
