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
void RunSweeps(Grid& solution,
               const Grid& current,
               CandidateTexts& texts,
               OpenCells& open,
               const CombinationLists& lists,
               int grade)
{
    for (;;) {
        if (NakedSinglesPass(texts, solution, open))
            continue;
        if (grade >= 2 && HiddenSingles(texts))
            continue;
        if (grade >= 3 && NakedSubsetsByText(texts))
            continue;
        if (grade >= 3 && Pointing(texts))
            continue;
        if (grade >= 4 && NakedSubsetsByCombination(texts, current, lists))
            continue;
        return;
    }
}

} // namespace

SolveResult SolveLogically(Board& board, const CombinationLists& lists, int highestGrade)
{
    if (highestGrade > NoGrade)
        highestGrade = NoGrade;
    int emptyCells = 0;
    std::array<int, 9> boxFilled{};
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            if (board.CurrentGrid[x][y] == EmptyCell)
                ++emptyCells;
            else
                ++boxFilled[BoxOf(x, y)];
        }
    }
    bool sparseBox = false;
    for (const int filled : boxFilled)
        sparseBox |= filled < 2;

    // Every grade starts afresh from the puzzle, and its sweeps repeat those of the grades
    // below it until the first time they all stall: each grade's extra techniques come after
    // the cheaper ones in the sweep and run only once those make no progress. So a grade picks
    // up the stalled state of the last grade that was tried instead of redoing its work; the
    // result is the same. A grade its limits refuse leaves the givens in SolutionGrid.
    CandidateTexts texts = FillCandidateTexts(board);
    OpenCells open = OpenCellsOf(board.CurrentGrid);
    Grid worked = board.CurrentGrid;
    SolveResult result;
    for (;;) {
        if (GradeAllowed(result.grade, emptyCells, sparseBox)) {
            RunSweeps(worked, board.CurrentGrid, texts, open, lists, result.grade);
            board.SolutionGrid = worked;
            result.solved = open.count == 0;
        } else {
            board.SolutionGrid = board.CurrentGrid;
            result.solved = emptyCells == 0;
        }
        if (!result.solved)
            ++result.grade;
        if (result.solved || result.grade > highestGrade || result.grade == NoGrade)
            return result;
    }
}

} // namespace engine
