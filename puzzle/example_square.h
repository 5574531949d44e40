// The example magic square the help picture and its description show: the Siamese method.
#pragma once

#include <cstddef>
#include <vector>

namespace velsora {

// The rows of the Siamese magic square of odd side n: 1 in the middle of the top row, each next
// number one up and one to the right, wrapping round, or below its predecessor where that place
// is taken.
inline std::vector<std::vector<int>> siameseSquare(int n)
{
    const auto size = static_cast<std::size_t>(n);
    std::vector<std::vector<int>> rows(size, std::vector<int>(size, 0));
    std::size_t r = 0;
    std::size_t c = size / 2;
    for (int v = 1; v <= n * n; ++v) {
        rows[r][c] = v;
        const std::size_t up = (r + size - 1) % size;
        const std::size_t right = (c + 1) % size;
        if (rows[up][right] == 0) {
            r = up;
            c = right;
        } else {
            r = (r + 1) % size;
        }
    }
    return rows;
}

} // namespace velsora
