#include "ui/DatabaseDialog.h"

#include "model/Registers.h"
#include "ranking/Tables.h"

namespace marvola {

TDatabase::TDatabase(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
{
    setWindowTitle(QStringLiteral("Export to database"));
}

} // namespace marvola
