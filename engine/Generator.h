// Puzzles by level: a random full grid thinned one cell at a time under the logical solver.
#pragma once

#include "Board.h"
#include "Eliminations.h"
#include "Random.h"

#include <array>

namespace engine {

// Cells to remove by level 0..4; equal to the solver's empty-cell limits, so a puzzle of
// levels 0 to 3 that reaches its target grades exactly at its level.
constexpr std::array<int, 5> RemovalTarget{35, 45, 50, 60, 81};

struct GenerationStats
{
    int solverCalls = 0; // SolveLogically calls made while removing cells
};

// Builds a full grid, then removes up to RemovalTarget[level] cells, preferring removals that
// grade exactly at the level. Afterwards StartGrid = CurrentGrid = the puzzle, SolutionGrid =
// SpareGrid = its solution, and no candidate mark is set. A level outside 0..4 acts as 0.
// The caller seeds random.
GenerationStats GeneratePuzzle(Board& board,
                               Random& random,
                               const CombinationLists& lists,
                               int level);

} // namespace engine
