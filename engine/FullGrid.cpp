// Digit patterns and the attempt loop that turns nine compatible patterns into a full grid.
#include "FullGrid.h"

namespace engine {

namespace {

// A pattern id is rows * 256 + columns: rows = (i1 * 6 + i2) * 6 + i3 names the row offsets of
// the three bands of rows, columns = (i4 * 6 + i5) * 6 + i6 the column offsets of the three bands
// of columns. Two patterns share the cell of box b when both the row offsets and the column
// offsets of box b agree, so the test splits into one 9-bit mask of boxes per half.
constexpr int Triples = 216;

int Offset(int permutation, int k)
{
    return Permutations[permutation][k] - '0';
}

std::array<int, 3> Digits6(int triple)
{
    return {triple / 36, triple / 6 % 6, triple % 6};
}

// Bit k set when permutations a and b have the same offset at position k.
constexpr std::array<std::array<std::uint8_t, 6>, 6> SamePositions = [] {
    std::array<std::array<std::uint8_t, 6>, 6> table{};
    for (int a = 0; a < 6; ++a) {
        for (int b = 0; b < 6; ++b) {
            for (int k = 0; k < 3; ++k) {
                if (Permutations[a][k] == Permutations[b][k])
                    table[a][b] = static_cast<std::uint8_t>(table[a][b] | (1u << k));
            }
        }
    }
    return table;
}();

// Boxes whose row offsets agree: band r of rows covers boxes 3r .. 3r + 2 at positions 0..2.
std::uint16_t SameRowBoxes(int rowsA, int rowsB)
{
    const auto a = Digits6(rowsA);
    const auto b = Digits6(rowsB);
    return static_cast<std::uint16_t>(SamePositions[a[0]][b[0]] | SamePositions[a[1]][b[1]] << 3
                                      | SamePositions[a[2]][b[2]] << 6);
}

// Boxes whose column offsets agree: band c of columns covers boxes c, c + 3, c + 6, the box
// c + 3k taking position k of the band's permutation.
std::uint16_t SameColumnBoxes(int columnsA, int columnsB)
{
    const auto a = Digits6(columnsA);
    const auto b = Digits6(columnsB);
    std::uint16_t boxes = 0;
    for (int c = 0; c < 3; ++c) {
        const unsigned same = SamePositions[a[c]][b[c]];
        for (int k = 0; k < 3; ++k) {
            if (same >> k & 1u)
                boxes = static_cast<std::uint16_t>(boxes | (1u << (k * 3 + c)));
        }
    }
    return boxes;
}

// For one pattern, the boxes shared with every row half and every column half.
struct ConflictMasks
{
    std::array<std::uint16_t, Triples> rows{};
    std::array<std::uint16_t, Triples> columns{};

    explicit ConflictMasks(PatternId id)
    {
        for (int t = 0; t < Triples; ++t) {
            rows[t] = SameRowBoxes(t, (id >> 8));
            columns[t] = SameColumnBoxes(t, (id & 0xFF));
        }
    }

    [[nodiscard]] bool Conflicts(PatternId id) const
    {
        return (rows[(id >> 8)] & columns[(id & 0xFF)]) != 0;
    }
};

} // namespace

std::string PatternText(int i1, int i2, int i3, int i4, int i5, int i6)
{
    const auto& p = Permutations;
    std::string text;
    text += p[i1];
    text += p[i2];
    text += p[i3];
    for (int k = 0; k < 3; ++k) {
        text += p[i4][k];
        text += p[i5][k];
        text += p[i6][k];
    }
    return text;
}

bool PatternsConflict(std::string_view p, std::string_view q)
{
    for (int b = 0; b < 9; ++b) {
        if (p[b] == q[b] && p[9 + b] == q[9 + b])
            return true;
    }
    return false;
}

std::string PatternTextOf(PatternId id)
{
    const auto rows = Digits6(id >> 8);
    const auto columns = Digits6(id & 0xFF);
    return PatternText(rows[0], rows[1], rows[2], columns[0], columns[1], columns[2]);
}

Cell PatternCell(PatternId id, int b)
{
    const auto rows = Digits6((id >> 8));
    const auto columns = Digits6((id & 0xFF));
    const int r = Offset(rows[b / 3], b % 3);
    const int c = Offset(columns[b % 3], b / 3);
    return {BoxOriginX(b) + c, BoxOriginY(b) + r};
}

PatternList BuildPatternList(int i1, int i2, int i3, int i4, int i5, int i6)
{
    PatternList list;
    list.first = PatternIdOf(i1, i2, i3, i4, i5, i6);
    const ConflictMasks first(list.first);
    // Written without a branch per pattern: every id is stored, and kept by advancing the end.
    list.others.resize(PatternCount);
    std::size_t kept = 0;
    for (int r = 0; r < Triples; ++r) {
        const std::uint16_t rows = first.rows[r];
        for (int c = 0; c < Triples; ++c) {
            list.others[kept] = static_cast<PatternId>(r << 8 | c);
            kept += (rows & first.columns[c]) == 0;
        }
    }
    list.others.resize(kept);
    return list;
}

bool TakeRandomPattern(std::vector<PatternId>& list, Random& random, PatternId& picked)
{
    if (list.empty())
        return false;
    picked = list[random.Draw(static_cast<std::uint32_t>(list.size()))];
    const ConflictMasks pick(picked);
    std::size_t kept = 0;
    for (const PatternId id : list) {
        list[kept] = id;
        kept += !pick.Conflicts(id);
    }
    list.resize(kept);
    return true;
}

namespace {

// One attempt; false on a dead end, after which the caller starts again from an empty grid.
bool TryFullGrid(Board& board, Random& random)
{
    board.ClearBoard();
    std::array<int, 6> r{};
    for (auto& draw : r)
        draw = static_cast<int>(random.Draw(6));
    PatternList list = BuildPatternList(r[5], r[0], r[1], r[2], r[3], r[4]);
    for (int v = 0; v < 9; ++v) {
        PatternId pattern = list.first;
        if (v > 0 && !TakeRandomPattern(list.others, random, pattern))
            return false; // no more values
        for (int b = 0; b < 9; ++b) {
            const Cell at = PatternCell(pattern, b);
            auto& cell = board.CurrentGrid[at.x][at.y];
            if (cell != EmptyCell)
                return false; // grid already used
            cell = static_cast<std::uint8_t>(v);
        }
    }
    return true;
}

} // namespace

void GenerateFullGrid(Board& board, Random& random)
{
    while (!TryFullGrid(board, random)) {}
}

} // namespace engine
