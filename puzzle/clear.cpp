// Clear: rebuilds the board for the same N and refills the pool in order.
#include "puzzle.h"

namespace velsora {

void Puzzle::Command3_Click()
{
    ForEach(1, rowSumLabel(sub(N, 1)), [&](Integer k) { c_.Label1.Unload(k); });
    ForEach(columnSumLabel(0), lastSumLabel(), [&](Integer k) { c_.Label1.Unload(k); });
    // The rebuilt cells copy the template's caption; "0" makes every sum of the rebuild 0.
    c_.Command1(0).setCaption(FormatInteger(0));
    ForEach(1, sub(mul(N, N), 1), [&](Integer k) { c_.Command1.Unload(k); });
    BuildBoard();
    ResetBoard();
}

} // namespace velsora
