// Window attributes, handler wiring, tab order and the load-time set-up.
#include "main_window.h"
#include "platform/classic_palette.h"
#include "platform/style.h"
#include "platform/twips.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>
#include <QWindow>

namespace velsora {

QFont formFont()
{
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QIcon programIcon()
{
    // The window's own icon: the 32-pixel image, and 64 pixels for double-density title bars.
    // Menus and docks take the larger sizes from the installed icon theme; decoding them here
    // would only slow the start.
    QIcon icon;
    for (const int size : {32, 64}) {
        icon.addFile(QStringLiteral(":/velsora/icons/velsora-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

namespace {
// Qt's own texts (context menus, scroll bars, message box buttons) in Bulgarian: compiled into
// the program where it carries them (Windows), else from Qt's installed translations; without
// them those few texts stay in English. The compiled-in ones come first, so that no file on the
// player's disk can stand in for them.
void loadQtTranslations()
{
    auto* translator = new QTranslator(qApp);
    const QString name = QStringLiteral("qtbase_bg");
    if (translator->load(name, QStringLiteral(":/velsora/translations"))
        || translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

// A plain top-level QWidget reaches screen readers as a filler, which they neither announce nor
// read the title of; the game's window is a window, named by its caption.
QAccessibleInterface* windowAccessible(const QString& /*className*/, QObject* object)
{
    auto* window = qobject_cast<MainWindow*>(object);
    return window != nullptr ? new QAccessibleWidget(window, QAccessible::Window) : nullptr;
}
} // namespace

void applyAppearance()
{
    QApplication::setStyle(new PlatformStyle);
    applyClassicColours();
    loadQtTranslations();
    QAccessible::installFactory(windowAccessible);
    Announcer::registerAccessibleRole();
    QApplication::setApplicationName(QStringLiteral("Velsora"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.velsora.Velsora"));
}

namespace {
// Font and background come before the controls: whatever the controls laid out or resolved
// before them would be done again.
QWidget* withFormLook(QWidget* window)
{
    window->setFont(formFont());
    QPalette lilac = window->palette();
    lilac.setColor(QPalette::Window, QColor(192, 192, 255));
    window->setPalette(lilac);
    window->setAutoFillBackground(true);
    return window;
}
} // namespace

// A fixed single-line border: on Windows the fixed-size dialog hint takes the sizing frame away, so
// the window manager gets no resize handles either (other systems ignore it).
MainWindow::MainWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , boundary_(this)
    , controls_(withFormLook(this))
    , puzzle_(FormControls{controls_.Command1, controls_.Label1, controls_.List1, controls_.Command2, controls_.Image1})
    , access_(controls_, puzzle_, boundary_)
    , announcer_(this)
{
    setObjectName(QStringLiteral("Velsora"));
    setWindowTitle(windowCaption());
    setWindowIcon(programIcon());
    setFixedSize(toPixels(kClientWidth), toPixels(kClientHeight));

    connectHandlers();
    setTabOrder();
    describeForScreenReaders();
    Form_Load();

    centre();
    // The first visible control in tab order that takes the focus.
    controls_.List1.widget()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::centre()
{
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    // The frame is known only once the window manager has framed the window; until then the
    // window is centred as if it had none. A top-level widget's position is its frame's.
    const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    const QSize whole = size().grownBy(frame);
    const QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - whole.width()) / 2, area.y() + (area.height() - whole.height()) / 2);
}

bool MainWindow::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    // Once, when the window manager has put its frame round the window: centre the whole.
    if ((event->type() == QEvent::Move || event->type() == QEvent::Show) && !centredWithFrame_
        && windowHandle() != nullptr && !windowHandle()->frameMargins().isNull()) {
        centredWithFrame_ = true;
        centre();
    }
    return handled;
}

void MainWindow::Form_Load()
{
    boundary_.run("Form_Load", [this] { controls_.List1.setListIndex(1); });
}

void MainWindow::Label2_Click(Integer /*Index*/) {}

void MainWindow::connectHandlers()
{
    boundary_.describeHandler("Form_Load", QStringLiteral("отварянето на прозореца"));
    boundary_.describeHandler("Command1_Click", QStringLiteral("щракването върху клетка"));
    boundary_.describeHandler("Command2_Click", QStringLiteral("натискането на „Начало“"));
    boundary_.describeHandler("BoardKeys", QStringLiteral("движението из квадрата с клавиатурата"));
    boundary_.describeHandler("Command3_Click", QStringLiteral("натискането на „Чисти“"));
    boundary_.describeHandler("Label2_Click", QStringLiteral("щракването върху заглавието"));
    // What follows a handler runs through the boundary too, and runs even when the handler failed.
    controls_.Command1.onClick([this](Integer index) {
        QString before;
        boundary_.run("Command1_Click", [this, index, &before] {
            before = controls_.Command1(index).Caption();
            puzzle_.Command1_Click(index);
        });
        boundary_.run("Command1_Click", [this, index, &before] { afterCellClick(index, before); });
    });
    controls_.Command2.onClick([this] {
        const Integer before = puzzle_.N;
        boundary_.run("Command2_Click", [this] { puzzle_.Command2_Click(); });
        boundary_.run("Command2_Click", [this, before] { afterStart(before); });
    });
    controls_.Command3.onClick([this] {
        boundary_.run("Command3_Click", [this] { puzzle_.Command3_Click(); });
        boundary_.run("Command3_Click", [this] { afterClear(); });
    });
    controls_.Label2.onClick(
        [this](Integer index) { boundary_.run("Label2_Click", [this, index] { Label2_Click(index); }); });
}

void MainWindow::describeForScreenReaders()
{
    // Buttons and labels are read by the text they show; these say what each one is.
    DesignControls& c = controls_;
    c.Command2.setAccessibleDescription(QStringLiteral("Започва игра с избраната страна на квадрата"));
    c.Command3.setAccessibleDescription(QStringLiteral("Изпразва квадрата и връща всички числа в списъка"));
    c.List1.setAccessibleName(QStringLiteral("Списък с числа"));
    c.List1.setAccessibleDescription(
        QStringLiteral("Преди началото: страната на квадрата. След това: числата, които още не са поставени"));
    c.Text1(0).setAccessibleName(QStringLiteral("Помощ"));
    c.Text1(0).setAccessibleDescription(QStringLiteral("Описание на играта и как се играе"));
    c.Text1(1).setAccessibleName(QStringLiteral("Допълнително поле"));
    c.Image1.setAccessibleName(QStringLiteral("Пример: магически квадрат 5 на 5 по сиамския метод"));
    c.Image1.setAccessibleDescription(QStringLiteral("Редове: 17 24 1 8 15; 23 5 7 14 16; 4 6 13 20 22; "
                                                     "10 12 19 21 3; 11 18 25 2 9. Всяка сума е 65"));
    c.Label2(0).setAccessibleDescription(QStringLiteral("Заглавие"));
    c.Label1.describeWith([this](Integer k) {
        // Before Start the template is the first row's label.
        const Integer firstColumn = puzzle_.N > 0 ? puzzle_.columnSumLabel(0) : Integer{1};
        return k < firstColumn ? QStringLiteral("Сума на ред %1").arg(k - Puzzle::rowSumLabel(0) + 1)
                               : QStringLiteral("Сума на колона %1").arg(k - firstColumn + 1);
    });
}

void MainWindow::afterCellClick(Integer index, const QString& captionBefore)
{
    access_.describeLinesThrough(index);
    if (controls_.Command1.exists(index) && controls_.Command1(index).Caption() != captionBefore) {
        announcer_.announce(access_.cellNews(index));
    }
}

void MainWindow::afterStart(Integer sideBefore)
{
    if (puzzle_.N == sideBefore || puzzle_.N <= 0) {
        return;
    }
    access_.describeAll();
    // The next step is to choose a number: the pool takes the focus, not the help text.
    controls_.List1.widget()->setFocus(Qt::OtherFocusReason);
    announcer_.announce(QStringLiteral("Игра %1 на %1").arg(puzzle_.N));
}

void MainWindow::afterClear()
{
    if (puzzle_.N <= 0) {
        return;
    }
    access_.describeAll();
    announcer_.announce(QStringLiteral("Квадратът е изчистен, всички числа са в списъка"));
}

void MainWindow::setTabOrder()
{
    // Tab indexes of the design: cell template, list, Start, help text, spare text box, Clear.
    // Labels and the picture never take the focus.
    const std::array<QWidget*, 6> chain{controls_.Command1(0).widget(), controls_.List1.widget(),
                                        controls_.Command2.widget(),    controls_.Text1(0).widget(),
                                        controls_.Text1(1).widget(),    controls_.Command3.widget()};
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

} // namespace velsora
