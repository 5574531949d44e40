// A minimal Qt Widgets program of the game's shape, for comparing start-up time and memory:
// the same window size, ten controls in the same places, the same picture and help text.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleFactory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    window.setWindowTitle(QStringLiteral("https://velsora.example/ Velsora с нечетен брой"));
    window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
    window.setFixedSize(509, 526);

    auto* clear = new QPushButton(QStringLiteral("Чисти"), &window);
    clear->setGeometry(392, 176, 81, 25);
    auto* spare = new QPlainTextEdit(&window);
    spare->setGeometry(200, 464, 425, 169);
    spare->hide();
    auto* help = new QPlainTextEdit(&window);
    help->setGeometry(8, 408, 473, 113);
    QFile text(QStringLiteral(":/velsora/help.txt"));
    if (text.open(QIODevice::ReadOnly)) help->setPlainText(QString::fromUtf8(text.readAll()));
    help->setReadOnly(true);
    auto* start = new QPushButton(QStringLiteral("Начало"), &window);
    start->setGeometry(392, 48, 73, 25);
    auto* list = new QListWidget(&window);
    list->setGeometry(400, 80, 57, 80);
    list->addItems(
        {QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("7"), QStringLiteral("9"), QStringLiteral("11")});
    list->setCurrentRow(1);
    auto* cell = new QPushButton(&window);
    cell->setGeometry(56, 40, 28, 28);
    cell->hide();
    auto* picture = new QLabel(&window);
    picture->setGeometry(16, 40, 337, 262);
    picture->setPixmap(QPixmap(QStringLiteral(":/velsora/startup.jpg")));
    auto* corner = new QLabel(&window);
    corner->setGeometry(504, 0, 9, 9);
    corner->hide();
    auto* title = new QLabel(QStringLiteral("Velsora"), &window);
    title->setGeometry(88, 0, 337, 25);
    auto* sum = new QLabel(&window);
    sum->setGeometry(8, 40, 28, 28);
    sum->hide();
    window.show();
    return QApplication::exec();
}
