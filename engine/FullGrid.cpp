// Digit patterns and the attempt loop that turns nine compatible patterns into a full grid.
#include "FullGrid.h"

namespace engine {

namespace {

struct PatternData
{
    std::array<std::uint8_t, 9> cells; // flat cell index per box
    std::uint64_t low; // occupied cells 0..63
    std::uint32_t high; // occupied cells 64..80
};

int Offset(int permutation, int k)
{
    return Permutations[permutation][k] - '0';
}

PatternData MakePattern(int i1, int i2, int i3, int i4, int i5, int i6)
{
    const std::array<int, 3> rowBands{i1, i2, i3};
    const std::array<int, 3> columnBands{i4, i5, i6};
    PatternData data{};
    for (int b = 0; b < 9; ++b) {
        const int r = Offset(rowBands[b / 3], b % 3);
        const int c = Offset(columnBands[b % 3], b / 3);
        const int index = CellIndex(BoxOriginX(b) + c, BoxOriginY(b) + r);
        data.cells[b] = static_cast<std::uint8_t>(index);
        if (index < 64)
            data.low |= std::uint64_t{1} << index;
        else
            data.high |= std::uint32_t{1} << (index - 64);
    }
    return data;
}

const std::vector<PatternData>& AllPatterns()
{
    static const std::vector<PatternData> patterns = [] {
        std::vector<PatternData> all;
        all.reserve(PatternCount);
        for (int i1 = 0; i1 < 6; ++i1)
            for (int i2 = 0; i2 < 6; ++i2)
                for (int i3 = 0; i3 < 6; ++i3)
                    for (int i4 = 0; i4 < 6; ++i4)
                        for (int i5 = 0; i5 < 6; ++i5)
                            for (int i6 = 0; i6 < 6; ++i6)
                                all.push_back(MakePattern(i1, i2, i3, i4, i5, i6));
        return all;
    }();
    return patterns;
}

bool Conflict(const PatternData& p, const PatternData& q)
{
    return ((p.low & q.low) | (p.high & q.high)) != 0;
}

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
    std::array<int, 6> indices{};
    int rest = id;
    for (int k = 5; k >= 0; --k) {
        indices[k] = rest % 6;
        rest /= 6;
    }
    return PatternText(indices[0], indices[1], indices[2], indices[3], indices[4], indices[5]);
}

Cell PatternCell(PatternId id, int b)
{
    const int index = AllPatterns()[id].cells[b];
    return {index / 9, index % 9};
}

PatternList BuildPatternList(int i1, int i2, int i3, int i4, int i5, int i6)
{
    const auto& all = AllPatterns();
    PatternList list;
    list.first = PatternIdOf(i1, i2, i3, i4, i5, i6);
    const PatternData& first = all[list.first];
    list.others.reserve(PatternCount / 2);
    for (int id = 0; id < PatternCount; ++id) {
        if (!Conflict(all[id], first))
            list.others.push_back(static_cast<PatternId>(id));
    }
    return list;
}

bool TakeRandomPattern(std::vector<PatternId>& list, Random& random, PatternId& picked)
{
    if (list.empty())
        return false;
    const auto& all = AllPatterns();
    picked = list[random.Draw(static_cast<std::uint32_t>(list.size()))];
    const PatternData& pick = all[picked];
    std::erase_if(list, [&](PatternId id) { return Conflict(all[id], pick); });
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
    const auto& all = AllPatterns();
    for (int v = 0; v < 9; ++v) {
        PatternId pattern = list.first;
        if (v > 0 && !TakeRandomPattern(list.others, random, pattern))
            return false; // no more values
        for (int b = 0; b < 9; ++b) {
            const int index = all[pattern].cells[b];
            auto& cell = board.CurrentGrid[index / 9][index % 9];
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
