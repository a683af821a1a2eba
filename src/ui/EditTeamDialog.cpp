#include "ui/EditTeamDialog.h"

#include "model/Registers.h"
#include "ranking/Tables.h"

namespace marvola {

TJoukkueenKorjaus::TJoukkueenKorjaus(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
{
    setWindowTitle(QStringLiteral("Edit Team"));
}

void TJoukkueenKorjaus::setCompetitorNames(const QStringList &)
{
}

} // namespace marvola
