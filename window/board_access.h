// The board for keyboard and screen-reader players: one tab stop moved through with the arrow
// keys, cells that say where they are and what their row and column add up to.
#pragma once

#include "design_controls.h"
#include "platform/event_boundary.h"
#include "puzzle/puzzle.h"

#include <QAccessible>
#include <QObject>

namespace velsora {

class BoardAccess : public QObject, public QAccessible::ActivationObserver {
    Q_OBJECT
public:
    BoardAccess(DesignControls& controls, const Puzzle& puzzle, EventBoundary& boundary);
    ~BoardAccess() override;
    BoardAccess(const BoardAccess&) = delete;
    BoardAccess& operator=(const BoardAccess&) = delete;
    BoardAccess(BoardAccess&&) = delete;
    BoardAccess& operator=(BoardAccess&&) = delete;

    // "ред 2, колона 3, празна, сума на реда 5, сума на колоната 12": where cell k stands,
    // whether it is empty, and the sums shown for its row and column.
    [[nodiscard]] QString describeCell(Integer k) const;
    // What a click on cell k made of it: its number, or that it is empty now, then as above.
    [[nodiscard]] QString cellNews(Integer k) const;

    // Brings the cells' descriptions up to date: every cell, or those of cell k's row and column,
    // the only ones a click can change. Only while a screen reader listens: nobody else reads
    // them, and working them out at every click would slow the game down.
    void describeAll();
    void describeLinesThrough(Integer k);
    void accessibilityActiveChanged(bool active) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(QObject* watched, QEvent* event);
    void adopt(Integer k, CommandButton& cell);
    void describe(Integer k);
    void makeTabStop(Integer k);
    [[nodiscard]] Integer neighbour(Integer k, int key) const;
    // The index of the cell whose widget `watched` is, or -1.
    [[nodiscard]] Integer cellIndex(const QObject* watched) const;
    // "ред r, колона c" and ", сума на реда X, сума на колоната Y" for cell k.
    [[nodiscard]] QString place(Integer k) const;
    [[nodiscard]] QString sums(Integer k) const;

    DesignControls& c_;
    const Puzzle& puzzle_;
    EventBoundary& boundary_;
    Integer tabStop_ = 0; // the cell Tab enters the board at: the one that last had the focus
};

} // namespace velsora
