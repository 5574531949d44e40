// Window attributes, handler wiring, tab order and the load-time set-up.
#include "main_window.h"
#include "handlers.h"
#include "platform/classic_palette.h"
#include "platform/style.h"
#include "platform/twips.h"
#include "velsora_version.h"

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
    if (translator->load(name, QStringLiteral(VELSORA_QT_TRANSLATIONS_PREFIX))
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
    // One font for everything, Qt's own message boxes and menus too; set before anything asks
    // for the desktop's font, which Qt would otherwise look up and load for nothing.
    QApplication::setFont(formFont());
    loadQtTranslations();
    QAccessible::installFactory(windowAccessible);
    Announcer::registerAccessibleRole();
    QApplication::setApplicationName(QStringLiteral("Velsora"));
    QApplication::setApplicationVersion(QStringLiteral(VELSORA_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELSORA_APP_ID));
}

namespace {
// Font and background come before the controls: whatever the controls laid out or resolved
// before them would be done again.
QWidget* withFormLook(QWidget* window)
{
    window->setFont(formFont());
    QPalette lilac = window->palette();
    lilac.setColor(QPalette::Window, kFormLilac);
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
    // The icon once the window is on its way to the screen: decoding it beforehand kept the
    // window from appearing for longer than anything else the program adds to a bare window.
    if (event->type() == QEvent::Show && windowIcon().cacheKey() == QApplication::windowIcon().cacheKey()) {
        const auto setIcon = [this] { setWindowIcon(programIcon()); };
        QMetaObject::invokeMethod(this, setIcon, Qt::QueuedConnection);
    }
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
    boundary_.run(handlers::Form_Load, [this] { controls_.List1.setListIndex(1); });
}

void MainWindow::Label2_Click(Integer /*Index*/) {}

void MainWindow::connectHandlers()
{
    // Each click tells screen readers what it changed once the puzzle's handler is done.
    controls_.Command1.onClick(boundary_.dispatch<Integer>(
        handlers::Command1_Click,
        [this](Integer index) {
            captionBefore_ = controls_.Command1(index).Caption();
            puzzle_.Command1_Click(index);
        },
        handlers::MoveNews, [this](Integer index) { afterCellClick(index); }));
    controls_.Command2.onClick(boundary_.dispatch(
        handlers::Command2_Click,
        [this] {
            sideBefore_ = puzzle_.N;
            puzzle_.Command2_Click();
        },
        handlers::StartNews, [this] { afterStart(); }));
    controls_.Command3.onClick(boundary_.dispatch(
        handlers::Command3_Click, [this] { puzzle_.Command3_Click(); }, handlers::ClearNews, [this] { afterClear(); }));
    controls_.Label2.onClick(
        boundary_.dispatch<Integer>(handlers::Label2_Click, [this](Integer index) { Label2_Click(index); }));
}

void MainWindow::describeForScreenReaders()
{
    // Buttons and labels are read by the text they show; these say what each one is.
    DesignControls& c = controls_;
    const words::DesignControls said = words::designControls();
    c.Command2.setAccessibleDescription(said.startDescription);
    c.Command3.setAccessibleDescription(said.clearDescription);
    c.List1.setAccessibleName(said.poolName);
    c.List1.setAccessibleDescription(said.poolDescription);
    c.Text1(0).setAccessibleName(said.helpName);
    c.Text1(0).setAccessibleDescription(said.helpDescription);
    c.Text1(1).setAccessibleName(said.spareName);
    c.Image1.setAccessibleName(said.pictureName);
    c.Image1.setAccessibleDescription(said.pictureDescription);
    c.Label2(0).setAccessibleDescription(said.titleDescription);
}

void MainWindow::afterCellClick(Integer index)
{
    access_.describeLinesThrough(index);
    if (controls_.Command1.exists(index) && controls_.Command1(index).Caption() != captionBefore_) {
        announcer_.announce([&] { return words::moveNews(access_.cell(index)); });
    }
}

void MainWindow::afterStart()
{
    if (puzzle_.N == sideBefore_ || puzzle_.N <= 0) {
        return;
    }
    access_.describeAll();
    // The next step is to choose a number: the pool takes the focus, not the help text.
    controls_.List1.widget()->setFocus(Qt::OtherFocusReason);
    announcer_.announce([this] { return words::gameNews(puzzle_.N); });
}

void MainWindow::afterClear()
{
    if (puzzle_.N <= 0) {
        return;
    }
    access_.describeAll();
    announcer_.announce(words::clearNews);
}

void MainWindow::setTabOrder()
{
    // Tab indexes of the design: cell template, list, Start, help text, spare text box, Clear.
    // Labels and the picture never take the focus.
    const std::array<QWidget*, 5> chain{controls_.Command1(0).widget(), controls_.List1.widget(),
                                        controls_.Command2.widget(), controls_.Text1(0).widget(),
                                        controls_.Text1(1).widget()};
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
    // Clear ends the chain: the cells that Start loads join it at its end, and from there it comes
    // round to the template and the list, so the board keeps its place. Clear, made first, already
    // follows the spare box round the chain's end, where Qt would leave it: it is moved away first.
    QWidget::setTabOrder(controls_.List1.widget(), controls_.Command3.widget());
    QWidget::setTabOrder(controls_.Text1(1).widget(), controls_.Command3.widget());
}

} // namespace velsora
