// Plain recursive backtracking over the first empty cell with the fewest options.
#include "support/Backtracking.h"

#include <array>

namespace testsupport {

namespace {

bool Allowed(const engine::Grid& grid, int x, int y, int v)
{
    for (int i = 0; i < 9; ++i) {
        if (grid[i][y] == v || grid[x][i] == v)
            return false;
    }
    const int bx = x / 3 * 3;
    const int by = y / 3 * 3;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            if (grid[bx + i][by + j] == v)
                return false;
        }
    }
    return true;
}

void Count(engine::Grid& grid, int limit, int& found)
{
    int bestX = -1;
    int bestY = -1;
    int bestOptions = 10;
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            if (grid[x][y] != engine::EmptyCell)
                continue;
            int options = 0;
            for (int v = 0; v < 9; ++v)
                options += Allowed(grid, x, y, v);
            if (options < bestOptions) {
                bestOptions = options;
                bestX = x;
                bestY = y;
            }
        }
    }
    if (bestX < 0) {
        ++found;
        return;
    }
    for (int v = 0; v < 9 && found < limit; ++v) {
        if (!Allowed(grid, bestX, bestY, v))
            continue;
        grid[bestX][bestY] = static_cast<std::uint8_t>(v);
        Count(grid, limit, found);
        grid[bestX][bestY] = engine::EmptyCell;
    }
}

} // namespace

int CountSolutions(const engine::Grid& grid, int limit)
{
    engine::Grid work = grid;
    int found = 0;
    Count(work, limit, found);
    return found;
}

bool IsValidFullGrid(const engine::Grid& grid)
{
    for (int a = 0; a < 9; ++a) {
        std::array<int, 9> row{};
        std::array<int, 9> column{};
        std::array<int, 9> box{};
        for (int b = 0; b < 9; ++b) {
            const int r = grid[b][a];
            const int c = grid[a][b];
            const int x = (a % 3) * 3 + b % 3;
            const int y = (a / 3) * 3 + b / 3;
            const int q = grid[x][y];
            if (r > 8 || c > 8 || q > 8)
                return false;
            ++row[r];
            ++column[c];
            ++box[q];
        }
        for (int v = 0; v < 9; ++v) {
            if (row[v] != 1 || column[v] != 1 || box[v] != 1)
                return false;
        }
    }
    return true;
}

} // namespace testsupport
