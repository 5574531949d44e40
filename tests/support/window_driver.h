// Drives a fresh main window the way a player does: real clicks on real controls.
#pragma once

#include "window/main_window.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace velsora::testing {

// One step of a table row, each a click or two, as the player makes them.
struct Step {
    enum class Kind { Start, Pick, Row, Cell, Place, Fill, Clear } kind;
    QString item; // the size or the number chosen
    int at = 0;   // the list's row, or the cell
};
using Steps = QList<Step>;

// The steps, for rows to be written as the player's words.
namespace steps {
inline Step start(const QString& size = {})
{
    return {Step::Kind::Start, size, 0};
} // the size (if any), Start
inline Step pick(const QString& item)
{
    return {Step::Kind::Pick, item, 0};
} // a list item
inline Step row(int at)
{
    return {Step::Kind::Row, {}, at};
} // the list's row
inline Step cell(int k)
{
    return {Step::Kind::Cell, {}, k};
}
inline Step place(const QString& item, int k)
{
    return {Step::Kind::Place, item, k};
} // the item into cell k
inline Step fill()
{
    return {Step::Kind::Fill, {}, 0};
} // the pool's first number into every cell in turn
inline Step clear()
{
    return {Step::Kind::Clear, {}, 0};
}
} // namespace steps

class WindowDriver {
public:
    WindowDriver(); // a new, shown window whose error reports are recorded, not shown
    ~WindowDriver();
    WindowDriver(const WindowDriver&) = delete;
    WindowDriver& operator=(const WindowDriver&) = delete;
    WindowDriver(WindowDriver&&) = delete;
    WindowDriver& operator=(WindowDriver&&) = delete;

    [[nodiscard]] MainWindow& window() { return *window_; }
    [[nodiscard]] DesignControls& controls() { return window_->controls(); }
    [[nodiscard]] Integer N() { return window_->puzzle().N; }

    // Clicks, as the player makes them.
    void clickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void selectItem(const QString& text); // clicks the list item with this text
    void clickStart();
    void clickClear();
    void clickCell(Integer k);
    void start(const QString& size); // selects the size and presses Start
    void play(const Steps& steps);
    // A control by its name in the design: "List1", "Command1(4)", "Text1(0)".
    [[nodiscard]] Control& control(const QString& name);
    [[nodiscard]] bool activate(); // makes the window the active one, as the player's click would

    // What the player sees.
    [[nodiscard]] QStringList pool();
    [[nodiscard]] Integer selectedRow();
    [[nodiscard]] QStringList cells();         // captions of Command1(0..N*N-1)
    [[nodiscard]] QStringList labels();        // captions of Label1(0..2N-1)
    [[nodiscard]] QStringList numbersInPlay(); // the pool's items and every non-empty cell

    // Errors the event boundary caught since the window opened.
    [[nodiscard]] const std::vector<EventBoundary::Report>& errors() const { return errors_; }

private:
    std::unique_ptr<MainWindow> window_;
    std::vector<EventBoundary::Report> errors_;
};

// "1", "2", ... up to the text of `last`.
[[nodiscard]] QStringList numbersUpTo(int last);

// Sum of every row, then every column, recomputed from the captions alone.
[[nodiscard]] QStringList expectedSums(const QStringList& cells, int n);

} // namespace velsora::testing

Q_DECLARE_METATYPE(velsora::testing::Steps)
