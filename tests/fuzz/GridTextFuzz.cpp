// Fuzz target: any bytes as a grid text, then the solver and the hint on whatever was read.
#include "CheckCells.h"
#include "engine/Board.h"
#include "engine/Hint.h"
#include "engine/Solver.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const engine::CombinationLists lists = engine::BuildCombinationLists();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    engine::Board board;
    try {
        board.ReadCurrentGridText(text);
    } catch (const engine::GridTextError&) {
        CheckCells(board.CurrentGrid);
        return 0;
    }
    CheckCells(board.CurrentGrid);
    const engine::Grid puzzle = board.CurrentGrid;
    const auto result = engine::SolveLogically(board, lists, size % 7);
    if (result.grade < 0 || result.grade > engine::NoGrade || board.CurrentGrid != puzzle)
        std::abort();
    CheckCells(board.SolutionGrid);
    board.CopyCurrentToStart();
    engine::Random random(static_cast<std::uint32_t>(size));
    (void)engine::ChooseHint(board, random, lists);
    CheckCells(board.CurrentGrid);
    return 0;
}
