#include "ui/TeamsDialog.h"

#include "model/Registers.h"
#include "ranking/Tables.h"

namespace marvola {

TJoukkueet::TJoukkueet(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
{
    setWindowTitle(QStringLiteral("Teams"));
}

} // namespace marvola
