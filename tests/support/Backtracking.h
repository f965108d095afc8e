// An independent brute-force solution counter, to check the logical engine's claims.
#pragma once

#include "engine/Grid.h"

namespace testsupport {

// Counts the solutions of grid (EmptyCell for empty), stopping once limit is reached.
int CountSolutions(const engine::Grid& grid, int limit = 2);

// True when every row, column and box of a complete grid holds each value 0..8 once.
bool IsValidFullGrid(const engine::Grid& grid);

} // namespace testsupport
