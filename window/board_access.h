// The board for keyboard and screen-reader players: one tab stop moved through with the arrow
// keys, cells and sum labels that say what they are to a screen reader, and the news of each click.
#pragma once

#include "design_controls.h"
#include "platform/announcer.h"
#include "platform/event_boundary.h"
#include "platform/keyboard.h"
#include "puzzle/puzzle.h"
#include "words.h"

#include <QAccessible>
#include <QObject>
#include <optional>

namespace velsora {

// A place on the board, counted from 0.
struct Place {
    int row = 0;
    int column = 0;
    bool operator==(const Place&) const = default;
};

// Where a key takes the focus on an n x n board: the arrows to the neighbour, staying put at the
// edges, Home and End to the ends of the row; nullopt for the keys that do not move on the board.
[[nodiscard]] std::optional<Place> stepOnBoard(keyboard::Meaning meaning, Place from, int n);

class BoardAccess : public QObject, public QAccessible::ActivationObserver {
    Q_OBJECT
public:
    BoardAccess(QWidget* window, DesignControls& controls, const Puzzle& puzzle, EventBoundary& boundary);
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

    // Around the click handlers: what the board was before, then what a screen reader hears of the
    // change, with the descriptions the change touched brought up to date.
    void beforeMove(Integer k);
    void afterMove(Integer k);
    void beforeStart();
    void afterStart();
    void afterClear();

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
    Announcer announcer_;
    QString captionBefore_;
    Integer sideBefore_ = 0;
    Integer tabStop_ = 0; // the cell Tab enters the board at: the one that last had the focus
};

} // namespace velsora
