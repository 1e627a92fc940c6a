#include "window/application_setup.h"

#include <QApplication>

namespace rods {

QIcon programIcon() { return QIcon::fromTheme(RODS_APP_ID, QIcon(":/icons/" RODS_APP_ID ".svg")); }

void setUpApplication()
{
    QGuiApplication::setDesktopFileName(RODS_APP_ID);
    QApplication::setWindowIcon(programIcon());
}

} // namespace rods
