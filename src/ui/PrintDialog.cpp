#include "ui/PrintDialog.h"

#include "model/Registers.h"
#include "ranking/Tables.h"

namespace marvola {

TTulostus::TTulostus(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
{
    setWindowTitle(QStringLiteral("Print"));
}

} // namespace marvola
