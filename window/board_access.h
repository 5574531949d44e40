// The board for keyboard and screen-reader players: one tab stop moved through with the arrow
// keys, and cells and sum labels that say what they are to a screen reader.
#pragma once

#include "design_controls.h"
#include "platform/event_boundary.h"
#include "puzzle/puzzle.h"
#include "words.h"

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

    // What a screen reader is told of cell k: where it stands, what it shows, its row's and
    // column's sums as the labels show them. Needs a board (N > 0).
    [[nodiscard]] words::Cell cell(Integer k) const;

    // Brings the descriptions up to date: of every cell and sum label, or, after a move at cell
    // k, of the cells of its row and column, the only ones a move changes. Only while a screen
    // reader listens: nobody else reads them, and working them out at every click would slow the
    // game down.
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

    DesignControls& c_;
    const Puzzle& puzzle_;
    EventBoundary& boundary_;
    Integer tabStop_ = 0; // the cell Tab enters the board at: the one that last had the focus
};

} // namespace velsora
