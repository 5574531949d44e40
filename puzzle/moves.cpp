// A click on a cell: place the selected number, or take the cell's number back.
#include "puzzle.h"

namespace velsora {

void Puzzle::Command1_Click(Integer Index)
{
    // An empty pool has no selection to read.
    const Integer p = c_.List1.ListCount() == 0 ? Integer{-1} : c_.List1.ListIndex();
    CommandButton& cell = c_.Command1(Index);
    // In both directions the number reaches its new place before it leaves the old one,
    // so an interrupted move can double a number but never lose it.
    if (p > -1) {
        if (cell.Caption().isEmpty()) {
            cell.setCaption(c_.List1.List(p));
            c_.List1.RemoveItem(p);
        }
    } else {
        const QString caption = cell.Caption();
        if (!caption.isEmpty()) {
            c_.List1.AddItem(caption);
            cell.setCaption(QString());
        }
    }
    UpdateSums();
}

} // namespace velsora
