// Known grids for the game tests, as grid texts.
#pragma once

#include "control/GameTexts.h"
#include "engine/Board.h"

#include <QString>

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

// Language line n reads "L<n>": every text a command builds is then known by heart.
inline QString FakeLine(int n)
{
    return QStringLiteral("L%1").arg(n);
}

} // namespace game_testing
