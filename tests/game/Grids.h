// Known grids for the game tests, as grid texts.
#pragma once

#include "engine/Board.h"

#include <initializer_list>

namespace game_testing {

// A complete grid that keeps the rules: row y is 1..9 shifted by 3 (y mod 3) + y div 3.
inline constexpr const char* Solved = "123456789+456789123+789123456+"
                                      "234567891+567891234+891234567+"
                                      "345678912+678912345+912345678";

inline engine::Grid GridOf(const char* text)
{
    engine::Grid grid = engine::EmptyGrid();
    engine::ReadGridText(text, grid);
    return grid;
}

// The solved grid without the cells listed, which the player has to fill.
inline engine::Grid SolvedWithout(std::initializer_list<engine::Cell> cells)
{
    engine::Grid grid = GridOf(Solved);
    for (const engine::Cell cell : cells)
        grid[cell.x][cell.y] = engine::EmptyCell;
    return grid;
}

} // namespace game_testing
