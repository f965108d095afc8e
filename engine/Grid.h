// Cell coding, grids and the geometry of rows, columns, boxes and peers.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

namespace engine {

// Cell values 0..8 stand for the digits 1..9; EmptyCell is the only other value ever stored.
constexpr std::uint8_t EmptyCell = 255;

// Indexed grid[x][y], x the column and y the row, so the bytes lie in the order x * 9 + y.
using Grid = std::array<std::array<std::uint8_t, 9>, 9>;

// The player's candidate marks, [x][y][v]: 1 when digit v + 1 is marked in cell (x, y).
using MarkTable = std::array<std::array<std::array<std::uint8_t, 9>, 9>, 9>;

struct Cell
{
    int x = 0;
    int y = 0;
    bool operator==(const Cell&) const = default;
};

constexpr Grid EmptyGrid()
{
    Grid grid{};
    for (auto& column : grid)
        column.fill(EmptyCell);
    return grid;
}

// A grid's 81 bytes in memory order (x * 9 + y), for loops over flat cell indices.
using FlatGrid = std::array<std::uint8_t, 81>;

inline FlatGrid Flatten(const Grid& grid)
{
    static_assert(sizeof(Grid) == sizeof(FlatGrid));
    FlatGrid flat;
    std::memcpy(flat.data(), grid.data(), sizeof flat);
    return flat;
}

constexpr int BoxOriginX(int b)
{
    return (b % 3) * 3;
}
constexpr int BoxOriginY(int b)
{
    return (b / 3) * 3;
}
constexpr int BoxOf(int x, int y)
{
    return (y / 3) * 3 + x / 3;
}

// Flat cell index in memory order: x * 9 + y.
constexpr int CellIndex(int x, int y)
{
    return x * 9 + y;
}

// The 27 groups as flat cell indices in their cell order: rows 0..8 (cells x = 0..8), columns
// 0..8 (cells y = 0..8), boxes 0..8 (box positions 0..8, row by row inside the box).
struct GroupTable
{
    std::array<std::array<std::uint8_t, 9>, 27> cells{};
};

constexpr GroupTable MakeGroupTable()
{
    GroupTable table;
    for (int g = 0; g < 9; ++g) {
        for (int i = 0; i < 9; ++i) {
            table.cells[g][i] = static_cast<std::uint8_t>(CellIndex(i, g));
            table.cells[9 + g][i] = static_cast<std::uint8_t>(CellIndex(g, i));
            table.cells[18 + g][i] = static_cast<std::uint8_t>(
                CellIndex(BoxOriginX(g) + i % 3, BoxOriginY(g) + i / 3));
        }
    }
    return table;
}

inline constexpr GroupTable Groups = MakeGroupTable();

// The row, column and box of every flat cell index, and the flat indices in row order
// (rows outer, columns inner).
struct CellTable
{
    std::array<std::uint8_t, 81> row{};
    std::array<std::uint8_t, 81> column{};
    std::array<std::uint8_t, 81> box{};
    std::array<std::uint8_t, 81> rowOrder{};
};

constexpr CellTable MakeCellTable()
{
    CellTable table;
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            const int i = CellIndex(x, y);
            table.row[i] = static_cast<std::uint8_t>(y);
            table.column[i] = static_cast<std::uint8_t>(x);
            table.box[i] = static_cast<std::uint8_t>(BoxOf(x, y));
            table.rowOrder[y * 9 + x] = static_cast<std::uint8_t>(i);
        }
    }
    return table;
}

inline constexpr CellTable Cells = MakeCellTable();

// The 20 distinct peers of every cell (row, column and box, the cell itself excluded).
struct PeerTable
{
    std::array<std::array<std::uint8_t, 20>, 81> cells{};
};

constexpr PeerTable MakePeerTable()
{
    PeerTable table;
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            int count = 0;
            for (int other = 0; other < 81; ++other) {
                const int ox = other / 9;
                const int oy = other % 9;
                if (other == CellIndex(x, y))
                    continue;
                if (ox == x || oy == y || BoxOf(ox, oy) == BoxOf(x, y))
                    table.cells[CellIndex(x, y)][count++] = static_cast<std::uint8_t>(other);
            }
        }
    }
    return table;
}

inline constexpr PeerTable Peers = MakePeerTable();

} // namespace engine
