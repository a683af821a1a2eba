#include "ui/EditCompetitorDialog.h"

#include "model/Registers.h"
#include "ranking/Tables.h"

namespace marvola {

TKilpKorjaus::TKilpKorjaus(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
{
    setWindowTitle(QStringLiteral("Edit Competitor"));
}

} // namespace marvola
