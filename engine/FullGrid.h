// Complete random grids built from digit patterns: one placement of a digit in all nine boxes.
#pragma once

#include "Board.h"
#include "Random.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// "120" before "102" on purpose: the order decides which placement a random draw picks.
constexpr std::array<std::string_view, 6> Permutations{"012", "021", "120", "102", "201", "210"};

// The 18-character text of a digit pattern: character b is the row offset inside box b,
// character 9 + b the column offset. i1..i3 give the row offsets of the three bands of rows,
// i4..i6 the column offsets of the three bands of columns.
[[nodiscard]] std::string PatternText(int i1, int i2, int i3, int i4, int i5, int i6);

// True when the two pattern texts put their digit in a common cell; a pattern conflicts with
// itself.
[[nodiscard]] bool PatternsConflict(std::string_view p, std::string_view q);

// A pattern as (i1 * 36 + i2 * 6 + i3) * 256 + (i4 * 36 + i5 * 6 + i6): the row half in the high
// byte, the column half in the low byte, so ids grow in the order i1 outermost .. i6 innermost.
using PatternId = std::uint16_t;
constexpr int PatternCount = 6 * 6 * 6 * 6 * 6 * 6;

[[nodiscard]] constexpr PatternId PatternIdOf(int i1, int i2, int i3, int i4, int i5, int i6)
{
    return static_cast<PatternId>(((i1 * 6 + i2) * 6 + i3) << 8 | ((i4 * 6 + i5) * 6 + i6));
}

// The k-th of all patterns (0 .. PatternCount - 1) in that order.
[[nodiscard]] constexpr PatternId PatternIdAt(int k)
{
    return static_cast<PatternId>((k / 216) << 8 | (k % 216));
}

[[nodiscard]] std::string PatternTextOf(PatternId id);

// The cell of box b (0..8) that pattern id uses.
[[nodiscard]] Cell PatternCell(PatternId id, int b);

struct PatternList
{
    PatternId first = 0;
    std::vector<PatternId> others; // every pattern sharing no cell with first, in pattern order
};

[[nodiscard]] PatternList BuildPatternList(int i1, int i2, int i3, int i4, int i5, int i6);

// Picks a uniformly random entry, then deletes from the list every entry that conflicts with it,
// the pick included. Returns false, drawing nothing, when the list is empty.
[[nodiscard]] bool TakeRandomPattern(std::vector<PatternId>& list,
                                     Random& random,
                                     PatternId& picked);

// Repeats attempts until one fills CurrentGrid completely; clears the candidate marks.
void GenerateFullGrid(Board& board, Random& random);

} // namespace engine
