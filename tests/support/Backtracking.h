// An independent brute-force solver, to check the logical engine's claims.
#pragma once

#include "engine/Grid.h"

namespace testsupport {

// Counts the solutions of grid (EmptyCell for empty) by plain backtracking over the cells in
// memory order from flat index i, stopping once limit is reached. Each solution found is copied
// to *solution, which so ends with the last one.
inline int CountSolutions(engine::Grid grid, int limit, engine::Grid* solution = nullptr, int i = 0)
{
    while (i < 81 && grid[i / 9][i % 9] != engine::EmptyCell)
        ++i;
    if (i == 81) {
        if (solution)
            *solution = grid;
        return 1;
    }
    const int x = i / 9;
    const int y = i % 9;
    int found = 0;
    for (int v = 0; v < 9 && found < limit; ++v) {
        bool allowed = true;
        for (int k = 0; k < 9; ++k) {
            allowed &= grid[k][y] != v && grid[x][k] != v
                && grid[x / 3 * 3 + k % 3][y / 3 * 3 + k / 3] != v;
        }
        if (allowed) {
            grid[x][y] = static_cast<std::uint8_t>(v);
            found += CountSolutions(grid, limit - found, solution, i + 1);
        }
    }
    return found;
}

} // namespace testsupport
