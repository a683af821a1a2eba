#include "ui/Application.h"

#include <QApplication>
#include <QMainWindow>

namespace marvola {

int runWindowedProgram(const QString &)
{
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Marvola"));
    window.show();
    return QApplication::exec();
}

} // namespace marvola
