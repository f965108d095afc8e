// The board: the four grids, the player's candidate marks and the routines every part uses.
#pragma once

#include "Grid.h"
#include "Random.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// A grid text with fewer than 81 cell characters.
class GridTextError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Grid text: nine rows of nine cell characters joined by "+", 89 characters. A filled cell is
// its digit; an empty one is emptyChar.
[[nodiscard]] std::string WriteGridText(const Grid& grid, char emptyChar);

// Reads a grid text into grid: every character other than a space, "0".."9" or "_" is dropped,
// then the first 81 remaining ones are the cells row by row (" ", "_" and "0" empty). Throws
// GridTextError when fewer than 81 remain; the cells read before the gap keep their new values.
void ReadGridText(std::string_view text, Grid& grid);

// A digit that stands twice in one row, column or box.
struct RepeatedDigit
{
    int group = 0; // as numbered in Groups: rows 0..8, columns 9..17, boxes 18..26
    std::uint8_t value = 0; // 0..8
};

// The first group, in the order of Groups, that holds a digit twice, and the first digit met twice
// in its cell order. Empty cells count for nothing. None when the grid keeps the rule.
[[nodiscard]] std::optional<RepeatedDigit> FirstRepeatedDigit(const Grid& grid);

struct Board
{
    Grid StartGrid = EmptyGrid(); // the givens as dealt
    Grid SolutionGrid = EmptyGrid(); // the solution; also the solver's working grid
    Grid CurrentGrid = EmptyGrid(); // what the board shows
    Grid SpareGrid = EmptyGrid(); // the full grid while generating, the real grid while paused
    MarkTable CandidateMarks{};

    // Empties CurrentGrid and every candidate mark; the other grids keep their contents.
    void ClearBoard();

    // Filled cells of CurrentGrid, x outer and y inner.
    [[nodiscard]] std::vector<Cell> FilledCellList() const;
    [[nodiscard]] int FilledCellCount() const;
    [[nodiscard]] int EmptyCellCount() const;
    // Only x div 3 and y div 3 matter.
    [[nodiscard]] int FilledInBox(int x, int y) const;

    [[nodiscard]] bool SolutionComplete() const;

    // Empty cells are "_" in the current grid's text and "0" in the solution's.
    [[nodiscard]] std::string WriteCurrentGridText() const
    {
        return WriteGridText(CurrentGrid, '_');
    }
    [[nodiscard]] std::string WriteSolutionGridText() const
    {
        return WriteGridText(SolutionGrid, '0');
    }
    void ReadCurrentGridText(std::string_view text) { ReadGridText(text, CurrentGrid); }
    void ReadSolutionGridText(std::string_view text) { ReadGridText(text, SolutionGrid); }

    // Writes a random digit into a random cell of CurrentGrid: three draws, column, row, value.
    void ScrambleCell(Random& random);

    void CopyCurrentToStart() { StartGrid = CurrentGrid; }
    void CopySolutionToCurrent() { CurrentGrid = SolutionGrid; }
    void CopyCurrentToSpare() { SpareGrid = CurrentGrid; }
    void CopySpareToSolution() { SolutionGrid = SpareGrid; }
    void CopySpareToCurrent() { CurrentGrid = SpareGrid; }
};

} // namespace engine
