// The board as one tab stop with arrow keys, and what the cells tell a screen reader.
#include "board_access.h"

#include <QKeyEvent>
#include <QVariant>

namespace velsora {

namespace {
// Each cell's widget carries its index, so that the index lives and dies with the widget. (A map
// keyed by widget addresses went wrong after Clear: new cells get the addresses of deleted ones.)
constexpr const char* kCellIndex = "velsoraCellIndex";
} // namespace

BoardAccess::BoardAccess(DesignControls& controls, const Puzzle& puzzle, EventBoundary& boundary)
    : c_(controls)
    , puzzle_(puzzle)
    , boundary_(boundary)
{
    c_.Command1.onLoad([this](Integer k, CommandButton& cell) { adopt(k, cell); });
    QAccessible::installActivationObserver(this);
    describeAll();
}

BoardAccess::~BoardAccess()
{
    QAccessible::removeActivationObserver(this);
}

void BoardAccess::accessibilityActiveChanged(bool active)
{
    if (active) {
        describeAll();
    }
}

void BoardAccess::describe(Integer k)
{
    c_.Command1(k).setAccessibleDescription(describeCell(k));
}

void BoardAccess::describeAll()
{
    if (!QAccessible::isActive()) {
        return;
    }
    for (Integer k = 0; c_.Command1.exists(k); ++k) {
        describe(k);
    }
}

void BoardAccess::describeLinesThrough(Integer k)
{
    const Integer n = puzzle_.N;
    if (n <= 0 || !c_.Command1.exists(k) || !QAccessible::isActive()) {
        return;
    }
    const Integer r = puzzle_.rowOf(k);
    const Integer c = puzzle_.columnOf(k);
    for (Integer i = 0; i < n; ++i) {
        describe(puzzle_.cellAt(r, i));
        if (i != r) {
            describe(puzzle_.cellAt(i, c));
        }
    }
}

void BoardAccess::adopt(Integer k, CommandButton& cell)
{
    QWidget* w = cell.widget();
    w->setProperty(kCellIndex, QVariant::fromValue(k));
    w->installEventFilter(this);
    // Only one cell is in the tab order; a click still gives any cell the focus.
    w->setFocusPolicy(k == tabStop_ ? Qt::StrongFocus : Qt::ClickFocus);
}

void BoardAccess::makeTabStop(Integer k)
{
    if (k == tabStop_) {
        return;
    }
    if (c_.Command1.exists(tabStop_)) {
        c_.Command1(tabStop_).widget()->setFocusPolicy(Qt::ClickFocus);
    }
    tabStop_ = k;
    c_.Command1(k).widget()->setFocusPolicy(Qt::StrongFocus);
}

Integer BoardAccess::neighbour(Integer k, int key) const
{
    const Integer n = puzzle_.N;
    const Integer r = puzzle_.rowOf(k);
    const Integer c = puzzle_.columnOf(k);
    switch (key) {
    case Qt::Key_Left:
        return c > 0 ? puzzle_.cellAt(r, Integer(c - 1)) : k;
    case Qt::Key_Right:
        return c < n - 1 ? puzzle_.cellAt(r, Integer(c + 1)) : k;
    case Qt::Key_Up:
        return r > 0 ? puzzle_.cellAt(Integer(r - 1), c) : k;
    case Qt::Key_Down:
        return r < n - 1 ? puzzle_.cellAt(Integer(r + 1), c) : k;
    case Qt::Key_Home:
        return puzzle_.cellAt(r, 0);
    case Qt::Key_End:
        return puzzle_.cellAt(r, Integer(n - 1));
    default:
        return -1;
    }
}

bool BoardAccess::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::KeyPress) {
        return false;
    }
    bool handled = false;
    boundary_.run("BoardKeys", [&] { handled = handleKey(watched, event); });
    return handled;
}

Integer BoardAccess::cellIndex(const QObject* watched) const
{
    const QVariant index = watched->property(kCellIndex);
    if (!index.isValid()) {
        return -1;
    }
    const auto k = index.value<Integer>();
    return c_.Command1.exists(k) && c_.Command1(k).widget() == watched ? k : Integer{-1};
}

bool BoardAccess::handleKey(QObject* watched, QEvent* event)
{
    const Integer k = cellIndex(watched);
    if (k < 0 || puzzle_.N <= 0) {
        return false;
    }
    if (event->type() == QEvent::FocusIn) {
        makeTabStop(k);
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    const Integer to = neighbour(k, key->key());
    if (to < 0) {
        return false;
    }
    // At the edges the focus stays where it is.
    if (to != k && c_.Command1.exists(to)) {
        c_.Command1(to).widget()->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

QString BoardAccess::place(Integer k) const
{
    return QStringLiteral("ред %1, колона %2").arg(puzzle_.rowOf(k) + 1).arg(puzzle_.columnOf(k) + 1);
}

QString BoardAccess::sums(Integer k) const
{
    const Integer row = Puzzle::rowSumLabel(puzzle_.rowOf(k));
    const Integer column = puzzle_.columnSumLabel(puzzle_.columnOf(k));
    if (!c_.Label1.exists(row) || !c_.Label1.exists(column)) {
        return {};
    }
    return QStringLiteral(", сума на реда %1, сума на колоната %2")
        .arg(c_.Label1(row).Caption(), c_.Label1(column).Caption());
}

QString BoardAccess::describeCell(Integer k) const
{
    if (puzzle_.N <= 0) {
        return QStringLiteral("ред 1, колона 1");
    }
    const bool empty = c_.Command1.exists(k) && c_.Command1(k).Caption().isEmpty();
    return place(k) + (empty ? QStringLiteral(", празна") : QString()) + sums(k);
}

QString BoardAccess::cellNews(Integer k) const
{
    const QString caption = c_.Command1(k).Caption();
    return (caption.isEmpty() ? QStringLiteral("празна") : caption) + QStringLiteral(", ") + place(k) + sums(k);
}

} // namespace velsora
