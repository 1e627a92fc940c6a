#include "window/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    rods::Form1 window;
    window.show();
    return QApplication::exec();
}
