// Plain recursive backtracking over the cells in memory order.
#include "support/Backtracking.h"

namespace testsupport {

namespace {

bool Allowed(const engine::Grid& grid, int x, int y, int v)
{
    for (int i = 0; i < 9; ++i) {
        if (grid[i][y] == v || grid[x][i] == v || grid[x / 3 * 3 + i % 3][y / 3 * 3 + i / 3] == v)
            return false;
    }
    return true;
}

// The solutions found from the first empty cell at or after flat index i, at most limit.
int Count(engine::Grid& grid, int i, int limit)
{
    while (i < 81 && grid[i / 9][i % 9] != engine::EmptyCell)
        ++i;
    if (i == 81)
        return 1;
    int found = 0;
    auto& cell = grid[i / 9][i % 9];
    for (int v = 0; v < 9 && found < limit; ++v) {
        if (Allowed(grid, i / 9, i % 9, v)) {
            cell = static_cast<std::uint8_t>(v);
            found += Count(grid, i + 1, limit - found);
            cell = engine::EmptyCell;
        }
    }
    return found;
}

} // namespace

int CountSolutions(const engine::Grid& grid, int limit)
{
    engine::Grid work = grid;
    return Count(work, 0, limit);
}

bool IsValidFullGrid(const engine::Grid& grid)
{
    // Each value must be allowed back into its own cell once the cell is emptied.
    engine::Grid work = grid;
    for (int i = 0; i < 81; ++i) {
        auto& cell = work[i / 9][i % 9];
        const int v = cell;
        cell = engine::EmptyCell;
        if (v > 8 || !Allowed(work, i / 9, i % 9, v))
            return false;
        cell = static_cast<std::uint8_t>(v);
    }
    return true;
}

} // namespace testsupport
