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

// The puzzle's starting state for every grade, worked out in two passes over CurrentGrid: the
// candidate texts as FillCandidateTexts makes them, the open cells in row order, the number of
// empty cells and whether some box holds fewer than two givens.
struct StartState
{
    CandidateTexts texts;
    OpenCells open;
    int emptyCells = 0;
    bool sparseBox = false;
};

StartState Prepare(const Grid& current)
{
    StartState state;
    std::array<std::uint16_t, 9> rows{};
    std::array<std::uint16_t, 9> columns{};
    std::array<std::uint16_t, 9> boxes{};
    std::array<int, 9> boxFilled{};
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            const unsigned v = current[x][y];
            const bool filled = v <= 8;
            const auto bit = static_cast<std::uint16_t>(filled ? 1u << v : 0u);
            rows[y] |= bit;
            columns[x] |= bit;
            boxes[BoxOf(x, y)] |= bit;
            boxFilled[BoxOf(x, y)] += filled;
        }
    }
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const unsigned v = current[x][y];
            if (v <= 8) {
                state.texts[x][y] = CandidateSet::Single(static_cast<int>(v));
                continue;
            }
            const auto blocked = rows[y] | columns[x] | boxes[BoxOf(x, y)];
            state.texts[x][y] = CandidateSet::FromBits(std::uint16_t(~blocked & 0x1FF));
            state.open.cells[state.open.count++] = static_cast<std::uint8_t>(CellIndex(x, y));
        }
    }
    state.emptyCells = state.open.count;
    for (const int filled : boxFilled)
        state.sparseBox |= filled < 2;
    return state;
}

} // namespace

SolveResult SolveLogically(Board& board, const CombinationLists& lists, int highestGrade)
{
    if (highestGrade > NoGrade)
        highestGrade = NoGrade;
    // Every grade starts afresh from the puzzle, and its sweeps repeat those of the grades
    // below it until the first time they all stall: each grade's extra techniques come after
    // the cheaper ones in the sweep and run only once those make no progress. So a grade picks
    // up the stalled state of the last grade that was tried instead of redoing its work; the
    // result is the same. A grade its limits refuse leaves the givens in SolutionGrid.
    StartState state = Prepare(board.CurrentGrid);
    Grid worked = board.CurrentGrid;
    SolveResult result;
    for (;;) {
        if (GradeAllowed(result.grade, state.emptyCells, state.sparseBox)) {
            RunSweeps(worked, board.CurrentGrid, state.texts, state.open, lists, result.grade);
            board.SolutionGrid = worked;
            result.solved = state.open.count == 0;
        } else {
            board.SolutionGrid = board.CurrentGrid;
            result.solved = state.emptyCells == 0;
        }
        if (!result.solved)
            ++result.grade;
        if (result.solved || result.grade > highestGrade || result.grade == NoGrade)
            return result;
    }
}

} // namespace engine
