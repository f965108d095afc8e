// Fuzz target: any bytes as a grid text, then the solver and the hint on whatever was read.
#include "Checks.h"
#include "engine/Hint.h"
#include "engine/Solver.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const engine::CombinationLists lists = engine::BuildCombinationLists();
    engine::Board board;
    try {
        board.ReadCurrentGridText(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const engine::GridTextError&) {
        // A short text keeps the cells read before the gap: a grid like any other.
    }
    board.CopyCurrentToStart();
    const auto result = engine::SolveLogically(board, lists, size % 7);
    Require(result.grade >= 0 && result.grade <= engine::NoGrade);
    Require(board.CurrentGrid == board.StartGrid);
    engine::Random random(static_cast<std::uint32_t>(size));
    (void)engine::ChooseHint(board, random, lists);
    CheckCells(board);
    return 0;
}
