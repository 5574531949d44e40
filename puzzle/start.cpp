// Start: turns the size list into the pool and shows an empty board.
#include "puzzle.h"

namespace velsora {

void Puzzle::Command2_Click()
{
    // Start works once. The player cannot empty the size list's selection; should it ever be
    // empty, there is nothing to start, and the window stays usable.
    if (N != 0 || c_.List1.ListIndex() < 0) {
        return;
    }
    c_.Command2.setVisible(false);
    c_.Label1(0).setVisible(true);
    c_.Command1(0).setVisible(true);
    c_.Image1.setVisible(false);
    // The size must be read before the reset empties the list.
    const Integer p = c_.List1.ListIndex();
    N = RoundToInteger(ParseNumber(c_.List1.List(p)));
    BuildBoard();
    ResetBoard();
}

void Puzzle::ResetBoard()
{
    if (N < 3) {
        return;
    }
    c_.List1.Clear();
    // Byte counters: a board with more than 256 cells cannot be reset.
    const Byte last = toByte(sub(mul(N, N), 1));
    ForEachByte(0, last, [&](Byte i) {
        c_.List1.AddItem(FormatInteger(add(i, 1)));
        c_.Command1(i).setCaption(QString());
    });
    const Byte lastRow = toByte(rowSumLabel(sub(N, 1)));
    ForEachByte(0, lastRow, [&](Byte j) { c_.Label1(rowSumLabel(j)).setCaption(FormatInteger(0)); });
}

} // namespace velsora
