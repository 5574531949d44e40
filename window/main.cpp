// Starts Velsora: one window, closed to end the program.
#include "main_window.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    velsora::applyAppearance();
    velsora::MainWindow window;
    window.show();
    return QApplication::exec();
}
