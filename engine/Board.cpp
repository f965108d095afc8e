// Board routines and the grid text reader and writers.
#include "Board.h"

namespace engine {

std::string WriteGridText(const Grid& grid, char emptyChar)
{
    std::string text;
    text.reserve(89);
    for (int y = 0; y < 9; ++y) {
        if (y > 0)
            text += '+';
        for (int x = 0; x < 9; ++x) {
            const int v = grid[x][y];
            text += v <= 8 ? static_cast<char>('1' + v) : emptyChar;
        }
    }
    return text;
}

void ReadGridText(std::string_view text, Grid& grid)
{
    int k = 0;
    for (const char c : text) {
        if (k == 81)
            return;
        const bool digit = c >= '0' && c <= '9';
        if (!digit && c != ' ' && c != '_')
            continue;
        grid[k % 9][k / 9]
            = (c >= '1' && c <= '9') ? static_cast<std::uint8_t>(c - '1') : EmptyCell;
        ++k;
    }
    if (k < 81)
        throw GridTextError("short grid text (" + std::to_string(k) + " kept characters)");
}

std::optional<RepeatedDigit> FirstRepeatedDigit(const Grid& grid)
{
    const FlatGrid flat = Flatten(grid);
    for (int g = 0; g < 27; ++g) {
        std::array<bool, 9> seen{};
        for (const std::uint8_t cell : Groups.cells[g]) {
            const std::uint8_t v = flat[cell];
            if (v > 8)
                continue; // an empty cell
            if (seen[v])
                return RepeatedDigit{g, v};
            seen[v] = true;
        }
    }
    return std::nullopt;
}

void Board::ClearBoard()
{
    CurrentGrid = EmptyGrid();
    CandidateMarks = {};
}

std::vector<Cell> Board::FilledCellList() const
{
    std::vector<Cell> cells;
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            if (CurrentGrid[x][y] != EmptyCell)
                cells.push_back({x, y});
        }
    }
    return cells;
}

int Board::FilledCellCount() const
{
    int count = 0;
    for (const auto& column : CurrentGrid) {
        for (const auto value : column)
            count += value != EmptyCell;
    }
    return count;
}

int Board::EmptyCellCount() const
{
    return 81 - FilledCellCount();
}

int Board::FilledInBox(int x, int y) const
{
    const int bx = (x / 3) * 3;
    const int by = (y / 3) * 3;
    int count = 0;
    for (int i = bx; i < bx + 3; ++i) {
        for (int j = by; j < by + 3; ++j)
            count += CurrentGrid[i][j] != EmptyCell;
    }
    return count;
}

bool Board::SolutionComplete() const
{
    for (const auto& column : SolutionGrid) {
        for (const auto value : column) {
            if (value == EmptyCell)
                return false;
        }
    }
    return true;
}

void Board::ScrambleCell(Random& random)
{
    const auto x = random.Draw(9);
    const auto y = random.Draw(9);
    const auto v = random.Draw(9);
    CurrentGrid[x][y] = static_cast<std::uint8_t>(v);
}

} // namespace engine
