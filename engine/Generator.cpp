// The removal loop of the puzzle generator.
#include "Generator.h"

#include "FullGrid.h"
#include "Solver.h"

namespace engine {

GenerationStats GeneratePuzzle(Board& board,
                               Random& random,
                               const CombinationLists& lists,
                               int level)
{
    if (level < 0 || level > 4)
        level = 0;
    GenerationStats stats;
    GenerateFullGrid(board, random);
    board.CopyCurrentToSpare();
    for (int removal = 0; removal < RemovalTarget[level]; ++removal) {
        std::vector<Cell> cells = board.FilledCellList();
        bool accepted = false;
        Cell chosen;
        bool haveBest = false;
        Cell best;
        int bestGrade = NoGrade;
        while (!accepted && !cells.empty()) {
            const auto entry = random.Draw(static_cast<std::uint32_t>(cells.size()));
            const Cell cell = cells[entry];
            auto& value = board.CurrentGrid[cell.x][cell.y];
            const auto kept = value;
            value = EmptyCell;
            const SolveResult result = SolveLogically(board, lists, level);
            ++stats.solverCalls;
            if (result.solved) {
                if (result.grade == level) {
                    accepted = true;
                    chosen = cell;
                } else if (!haveBest || result.grade > bestGrade) {
                    haveBest = true;
                    best = cell;
                    bestGrade = result.grade;
                }
            }
            value = kept;
            if (!accepted)
                cells.erase(cells.begin() + entry);
        }
        if (!accepted && haveBest) {
            accepted = true;
            chosen = best;
        }
        if (!accepted)
            break;
        board.CurrentGrid[chosen.x][chosen.y] = EmptyCell;
    }
    board.CopyCurrentToStart();
    board.CopySpareToSolution();
    return stats;
}

} // namespace engine
