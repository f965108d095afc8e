// Stops the fuzzer when a grid holds a value that is neither a digit (0..8) nor EmptyCell.
#pragma once

#include "engine/Grid.h"

#include <cstdlib>

inline void CheckCells(const engine::Grid& grid)
{
    for (const auto& column : grid) {
        for (const auto value : column) {
            if (value > 8 && value != engine::EmptyCell)
                std::abort();
        }
    }
}
