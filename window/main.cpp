// Starts Velsora: one window, closed to end the program.
#include "application.h"
#include "main_window.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Qt's GTK platform theme loads GTK, whose own accessibility bridge would put a second, empty
    // "velsora" on the accessibility bus beside Qt's, and screen readers may read that one.
    qputenv("NO_AT_BRIDGE", "1");
#if defined(Q_OS_WIN) && QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Before Qt 6.8 the program cannot ask for light window frames (see applyClassicColours): Windows'
    // dark mode would put a dark title bar round the light window. A platform named by the player
    // is left as it is.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "windows:darkmode=0");
    }
#endif
    QApplication app(argc, argv);
    velsora::applyAppearance();
    velsora::MainWindow window;
    window.show();
    return QApplication::exec();
}
