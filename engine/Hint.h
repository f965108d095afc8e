// The hint: wrong pieces first, otherwise a cell the techniques narrow to a single value.
#pragma once

#include "Board.h"
#include "Candidates.h"
#include "Eliminations.h"
#include "Random.h"

#include <vector>

namespace engine {

// The candidate texts of CurrentGrid narrowed by the techniques the level allows; places no
// value anywhere and uses no hidden singles.
[[nodiscard]] CandidateTexts HintCandidates(const Board& board,
                                            const CombinationLists& lists,
                                            int level);

struct HintChoice
{
    enum class Kind {
        WrongPieces, // pieces differ from the solution: nothing was placed
        Placed, // cell got its solution value in CurrentGrid
        NoHint // no cell is narrowed to a single value
    };
    Kind kind = Kind::NoHint;
    std::vector<Cell> wrong; // rows outer, columns inner
    Cell cell;
    int value = 0; // 0..8
};

// Every filled cell of CurrentGrid whose value differs from SolutionGrid, rows outer.
[[nodiscard]] std::vector<Cell> WrongPieces(const Board& board);

// Points out wrong pieces if there are any; otherwise draws one of the non-given cells whose
// hint text is a single value and writes its solution value into CurrentGrid.
HintChoice ChooseHint(Board& board, Random& random, const CombinationLists& lists);

} // namespace engine
