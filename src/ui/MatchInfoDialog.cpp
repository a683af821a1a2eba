#include "ui/MatchInfoDialog.h"

#include "model/Registers.h"
#include "ranking/Tables.h"

namespace marvola {

TKilpPerustiedot::TKilpPerustiedot(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
{
    setWindowTitle(QStringLiteral("Match Info"));
}

} // namespace marvola
