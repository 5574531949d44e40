// Row and column sums of the board.
#include "puzzle.h"

namespace velsora {

namespace {
// Adds the cell's number to the running sum in double precision and rounds back.
Integer addCell(Integer sum, const CommandButton& cell)
{
    return RoundToInteger(fadd(sum, ParseNumber(cell.Caption())));
}
} // namespace

void Puzzle::UpdateSums()
{
    const Integer last = sub(N, 1);
    ForEach(0, last, [&](Integer r) {
        Integer s = 0;
        ForEach(0, last, [&](Integer c) { s = addCell(s, c_.Command1(cellAt(r, c))); });
        c_.Label1(rowSumLabel(r)).setCaption(FormatInteger(s));
    });
    ForEach(0, last, [&](Integer c) {
        Integer s = 0;
        ForEach(0, last, [&](Integer r) { s = addCell(s, c_.Command1(cellAt(r, c))); });
        c_.Label1(columnSumLabel(c)).setCaption(FormatInteger(s));
    });
}

std::vector<Integer> Puzzle::linesThrough(Integer k) const
{
    const Integer r = rowOf(k);
    const Integer c = columnOf(k);
    std::vector<Integer> cells;
    ForEach(0, sub(N, 1), [&](Integer i) {
        cells.push_back(cellAt(r, i));
        if (i != r) {
            cells.push_back(cellAt(i, c));
        }
    });
    return cells;
}

} // namespace velsora
