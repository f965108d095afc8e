// The logical solver: human techniques only, tier by tier, which grades a puzzle 0 to 4.
#pragma once

#include "Board.h"
#include "Eliminations.h"

namespace engine {

// Grades: 0 very easy .. 4 very hard; NoGrade when no tier solves the puzzle.
constexpr int NoGrade = 5;

struct SolveResult
{
    bool solved = false;
    int grade = 0;
    bool operator==(const SolveResult&) const = default;
};

// Tries grades 0, 1, ... up to highestGrade (above 5 acts as 5), each from scratch on
// CurrentGrid, each only when the puzzle is within that grade's limits. On success, grade is the
// first grade that solved it and SolutionGrid holds the solution; otherwise grade is
// min(highestGrade + 1, 5) and SolutionGrid holds the last grade's partial work. CurrentGrid is
// only read. The filled cells are trusted, not checked against each other.
[[nodiscard]] SolveResult SolveLogically(Board& board,
                                         const CombinationLists& lists,
                                         int highestGrade);

} // namespace engine
