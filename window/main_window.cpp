// Window attributes, handler wiring, tab order and the load-time set-up.
#include "main_window.h"
#include "application.h"
#include "design.h"
#include "handlers.h"
#include "platform/twips.h"

#include <QApplication>
#include <QScreen>
#include <QWindow>

namespace velsora {

namespace {
// Font and background come before the controls: whatever the controls laid out or resolved
// before them would be done again.
QWidget* withFormLook(QWidget* window)
{
    window->setFont(formFont());
    QPalette lilac = window->palette();
    lilac.setColor(QPalette::Window, QColor::fromRgb(design::kFormColour));
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
    , access_(this, controls_, puzzle_, boundary_)
{
    setObjectName(QStringLiteral("Velsora"));
    setWindowTitle(windowCaption());
    setFixedSize(toPixels(design::kClientWidth), toPixels(design::kClientHeight));

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
    boundary_.run(handlers::Form_Load, [this] { controls_.List1.setListIndex(design::kFirstChoice); });
}

void MainWindow::Label2_Click(Integer /*Index*/) {}

void MainWindow::connectHandlers()
{
    // Every click runs its handler through the boundary, then tells screen readers what it changed.
    controls_.Command1.setUp([this](Integer index, CommandButton& cell) {
        connect(cell.button(), &QPushButton::clicked, this, [this, index] {
            boundary_.run(
                handlers::Command1_Click,
                [this, index] {
                    access_.beforeMove(index);
                    puzzle_.Command1_Click(index);
                },
                handlers::MoveNews, [this, index] { access_.afterMove(index); });
        });
    });
    connect(controls_.Command2.button(), &QPushButton::clicked, this, [this] {
        boundary_.run(
            handlers::Command2_Click,
            [this] {
                access_.beforeStart();
                puzzle_.Command2_Click();
            },
            handlers::StartNews, [this] { access_.afterStart(); });
    });
    connect(controls_.Command3.button(), &QPushButton::clicked, this, [this] {
        boundary_.run(
            handlers::Command3_Click, [this] { puzzle_.Command3_Click(); }, handlers::ClearNews,
            [this] { access_.afterClear(); });
    });
    controls_.Label2.setUp([this](Integer index, Label& label) {
        label.onClick([this, index] { boundary_.run(handlers::Label2_Click, [this, index] { Label2_Click(index); }); });
    });
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
