// Sweeps of the techniques, cheapest first, for every grade the puzzle's limits allow.
#include "Solver.h"

namespace engine {

namespace {

constexpr std::array<int, 4> EmptyCellLimit{35, 45, 50, 60};

bool GradeAllowed(int grade, int emptyCells, bool sparseBox)
{
    if (grade < 4 && emptyCells > EmptyCellLimit[grade])
        return false;
    return !(grade <= 2 && sparseBox);
}

// Every success sends the sweep back to naked singles, so a dearer technique runs only once
// the cheaper ones are exhausted.
void RunSweeps(Board& board, CandidateTexts& texts, const CombinationLists& lists, int grade)
{
    for (;;) {
        if (NakedSinglesPass(texts, board.SolutionGrid))
            continue;
        if (grade >= 2 && HiddenSingles(texts))
            continue;
        if (grade >= 3 && NakedSubsetsByText(texts))
            continue;
        if (grade >= 3 && Pointing(texts))
            continue;
        if (grade >= 4 && NakedSubsetsByCombination(texts, board.CurrentGrid, lists))
            continue;
        return;
    }
}

} // namespace

SolveResult SolveLogically(Board& board, const CombinationLists& lists, int highestGrade)
{
    if (highestGrade > NoGrade)
        highestGrade = NoGrade;
    const int emptyCells = board.EmptyCellCount();
    bool sparseBox = false;
    for (int b = 0; b < 9; ++b)
        sparseBox |= board.FilledInBox(BoxOriginX(b), BoxOriginY(b)) < 2;

    SolveResult result;
    for (;;) {
        CandidateTexts texts = FillCandidateTextsAndSolution(board);
        if (GradeAllowed(result.grade, emptyCells, sparseBox))
            RunSweeps(board, texts, lists, result.grade);
        result.solved = board.SolutionComplete();
        if (!result.solved)
            ++result.grade;
        if (result.solved || result.grade > highestGrade || result.grade == NoGrade)
            return result;
    }
}

} // namespace engine
