// A minimal Qt Widgets program of the game's shape, for comparing start-up time and memory:
// the same window size, ten controls in the same places, the same picture and help text.
#include "raw_controls.h"

#include <QStyleFactory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    window.setWindowTitle(raw::text(velsora::design::kCaption));
    window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
    window.setFixedSize(velsora::design::kClientWidth / 15, velsora::design::kClientHeight / 15);
    raw::makeAll(&window);
    window.show();
    return QApplication::exec();
}
