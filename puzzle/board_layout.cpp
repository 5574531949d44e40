// Creates the sum labels and the cells from their templates and places them in the grid.
#include "puzzle.h"

namespace velsora {

void Puzzle::BuildBoard()
{
    const Label& L = c_.Label1(0);
    const CommandButton& C = c_.Command1(0);

    // Row sums: a column of labels under the template, at the left edge.
    ForEach(1, rowSumLabel(sub(N, 1)), [&](Integer k) {
        c_.Label1.Load(k);
        Label& label = c_.Label1(k);
        label.setTop(ToSingle(fadd(L.Top(), fmul(L.Height(), k))));
        label.setLeft(L.Left());
        label.setVisible(true);
    });

    // Column sums: a row of labels one blank row under the grid.
    ForEach(columnSumLabel(0), lastSumLabel(), [&](Integer k) {
        c_.Label1.Load(k);
        Label& label = c_.Label1(k);
        label.setTop(ToSingle(fadd(fmul(add(N, 1), L.Height()), L.Top())));
        const auto start = ToSingle(fadd(L.Width(), L.Left()));
        label.setLeft(ToSingle(fadd(start, fmul(L.Width(), add(sub(k, N), 1)))));
        label.setVisible(true);
    });

    // The grid starts one blank cell width right of the row sums.
    c_.Command1(0).setLeft(ToSingle(fadd(fmul(L.Width(), 2), L.Left())));

    // Cells, numbered column by column from the top-left corner.
    ForEach(1, sub(mul(N, N), 1), [&](Integer k) {
        c_.Command1.Load(k);
        CommandButton& cell = c_.Command1(k);
        const double x = fmul(C.Width(), columnOf(k));
        const Integer y = RoundToInteger(fmul(C.Height(), rowOf(k)));
        cell.setTop(ToSingle(fadd(y, C.Top())));
        cell.setLeft(ToSingle(fadd(x, C.Left())));
        cell.setVisible(true);
    });

    UpdateSums();
}

} // namespace velsora
