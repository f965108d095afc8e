// The fuzz targets' checks: a failed one stops the fuzzer, which then keeps the input.
#pragma once

#include "engine/Board.h"

#include <cstdlib>

inline void Require(bool holds)
{
    if (!holds)
        std::abort();
}

// Every grid of the board holds digits (0..8) and EmptyCell only.
inline void CheckCells(const engine::Board& board)
{
    for (const auto& grid :
         {board.StartGrid, board.SolutionGrid, board.CurrentGrid, board.SpareGrid}) {
        for (const auto value : engine::Flatten(grid))
            Require(value <= 8 || value == engine::EmptyCell);
    }
}
