// The magic-square board: its side N, the board procedures and the click handlers.
#pragma once

#include "form_controls.h"
#include "platform/checked.h"

#include <vector>

namespace velsora {

// All game state lives in the controls; the only other state is N.
class Puzzle {
public:
    explicit Puzzle(FormControls controls) : c_(controls) {}

    // Start: hides the picture and itself, reads N from the list, builds and resets the board.
    void Command2_Click();
    // A cell: places the selected number into an empty cell, or takes the cell's number back.
    void Command1_Click(Integer Index);
    // Clear: rebuilds the board for the same N and refills the pool.
    void Command3_Click();

    // Loads, places and shows the sum labels and cells for N, then writes the sums.
    void BuildBoard();
    // Refills the pool with 1..N*N, empties every cell and zeroes the row sums.
    void ResetBoard();
    // Writes every row sum, then every column sum, from the cells' captions.
    void UpdateSums();

    // The side length: 0 until Start.
    Integer N = 0;

    // The grid is numbered column by column: cell k stands in row k Mod N and column k \ N,
    // and the cell in row r and column c is r + N * c. Checked arithmetic; N must not be 0.
    [[nodiscard]] Integer rowOf(Integer k) const { return mod(k, N); }
    [[nodiscard]] Integer columnOf(Integer k) const { return idiv(k, N); }
    [[nodiscard]] Integer cellAt(Integer r, Integer c) const { return add(r, mul(N, c)); }
    // The sum labels: row r's sum is Label1(r), column c's is Label1(N + c), and the last column's
    // is the last label, Label1(2N - 1).
    [[nodiscard]] static Integer rowSumLabel(Integer r) { return r; }
    [[nodiscard]] Integer columnSumLabel(Integer c) const { return add(N, c); }
    [[nodiscard]] Integer lastSumLabel() const { return sub(mul(2, N), 1); }
    // The cells of cell k's row and column, k once: those whose sums a move at k changes.
    [[nodiscard]] std::vector<Integer> linesThrough(Integer k) const;

private:
    FormControls c_;
};

} // namespace velsora
