// The board as one tab stop with arrow keys, and what the cells tell a screen reader.
#include "board_access.h"
#include "handlers.h"

#include <QAccessible>
#include <QKeyEvent>
#include <algorithm>

namespace velsora {

std::optional<Place> stepOnBoard(keyboard::Meaning meaning, Place from, int n)
{
    const auto within = [n](int i) { return std::clamp(i, 0, n - 1); };
    switch (meaning) {
    case keyboard::Meaning::Left:
        return Place{from.row, within(from.column - 1)};
    case keyboard::Meaning::Right:
        return Place{from.row, within(from.column + 1)};
    case keyboard::Meaning::Up:
        return Place{within(from.row - 1), from.column};
    case keyboard::Meaning::Down:
        return Place{within(from.row + 1), from.column};
    case keyboard::Meaning::Home:
        return Place{from.row, 0};
    case keyboard::Meaning::End:
        return Place{from.row, n - 1};
    default:
        return std::nullopt;
    }
}

BoardAccess::BoardAccess(QWidget* window, DesignControls& controls, const Puzzle& puzzle, EventBoundary& boundary)
    : c_(controls)
    , puzzle_(puzzle)
    , boundary_(boundary)
    , announcer_(window)
{
    c_.Command1.setUp([this](Integer k, CommandButton& cell) { adopt(k, cell); });
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

words::Cell BoardAccess::cell(Integer k) const
{
    const Integer r = puzzle_.rowOf(k);
    const Integer c = puzzle_.columnOf(k);
    const auto sum = [this](Integer label) { return c_.Label1.exists(label) ? c_.Label1(label).Caption() : QString(); };
    return {r, c, c_.Command1(k).Caption(), sum(Puzzle::rowSumLabel(r)), sum(puzzle_.columnSumLabel(c))};
}

void BoardAccess::describe(Integer k)
{
    // Before Start the hidden template is all there is of the board: row 1, column 1.
    c_.Command1(k).setAccessibleDescription(puzzle_.N > 0 ? words::description(cell(k)) : words::place(0, 0));
}

void BoardAccess::describeAll()
{
    if (!QAccessible::isActive()) {
        return;
    }
    for (Integer k = 0; c_.Command1.exists(k); ++k) {
        describe(k);
    }
    // Before Start the template is the only sum label: row 1's.
    for (Integer r = 0; r < std::max<Integer>(puzzle_.N, 1); ++r) {
        c_.Label1(Puzzle::rowSumLabel(r)).setAccessibleDescription(words::rowSum(r));
    }
    for (Integer c = 0; c < puzzle_.N; ++c) {
        c_.Label1(puzzle_.columnSumLabel(c)).setAccessibleDescription(words::columnSum(c));
    }
}

void BoardAccess::describeLinesThrough(Integer k)
{
    if (puzzle_.N <= 0 || !c_.Command1.exists(k) || !QAccessible::isActive()) {
        return;
    }
    for (const Integer each : puzzle_.linesThrough(k)) {
        describe(each);
    }
}

void BoardAccess::beforeMove(Integer k)
{
    captionBefore_ = c_.Command1(k).Caption();
}

void BoardAccess::afterMove(Integer k)
{
    describeLinesThrough(k);
    if (c_.Command1.exists(k) && c_.Command1(k).Caption() != captionBefore_) {
        announcer_.announce([&] { return words::moveNews(cell(k)); });
    }
}

void BoardAccess::beforeStart()
{
    sideBefore_ = puzzle_.N;
}

void BoardAccess::afterStart()
{
    if (puzzle_.N == sideBefore_ || puzzle_.N <= 0) {
        return;
    }
    describeAll();
    // The next step is to choose a number: the pool takes the focus, not the help text.
    c_.List1.widget()->setFocus(Qt::OtherFocusReason);
    announcer_.announce([this] { return words::gameNews(puzzle_.N); });
}

void BoardAccess::afterClear()
{
    if (puzzle_.N <= 0) {
        return;
    }
    describeAll();
    announcer_.announce(words::clearNews);
}

void BoardAccess::adopt(Integer k, CommandButton& cell)
{
    QWidget* w = cell.widget();
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

bool BoardAccess::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::KeyPress) {
        return false;
    }
    bool handled = false;
    boundary_.run(handlers::BoardKeys, [&] { handled = handleKey(watched, event); });
    return handled;
}

bool BoardAccess::handleKey(QObject* watched, QEvent* event)
{
    const Integer k = c_.Command1.indexOf(watched);
    if (k < 0 || puzzle_.N <= 0) {
        return false;
    }
    if (event->type() == QEvent::FocusIn) {
        makeTabStop(k);
        return false;
    }
    const auto to = stepOnBoard(keyboard::meaningOf(*static_cast<QKeyEvent*>(event)),
                                {puzzle_.rowOf(k), puzzle_.columnOf(k)}, puzzle_.N);
    if (!to) {
        return false;
    }
    // At the edges the focus stays where it is.
    const Integer target = puzzle_.cellAt(static_cast<Integer>(to->row), static_cast<Integer>(to->column));
    if (target != k && c_.Command1.exists(target)) {
        c_.Command1(target).widget()->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

} // namespace velsora
