// Filling candidate texts from the board, naked singles and hidden singles.
#include "Candidates.h"

namespace engine {

CandidateSet CandidateSet::FromText(std::string_view text)
{
    CandidateSet set;
    for (const char c : text) {
        if (c >= '0' && c <= '8')
            set.Add(c - '0');
    }
    return set;
}

std::string CandidateSet::Text() const
{
    std::string text;
    for (int v = 0; v < 9; ++v) {
        if (Has(v))
            text += static_cast<char>('0' + v);
    }
    return text;
}

namespace {

// A value blocks an empty cell when it stands anywhere in the cell's row, column or box, which
// is what CanPlace tests value by value.
template <bool CopySolution> CandidateTexts Fill(const Grid& current, Grid* solution)
{
    std::array<std::uint16_t, 9> rows{};
    std::array<std::uint16_t, 9> columns{};
    std::array<std::uint16_t, 9> boxes{};
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            const int v = current[x][y];
            if (v > 8)
                continue;
            const auto bit = std::uint16_t(1u << v);
            rows[y] |= bit;
            columns[x] |= bit;
            boxes[BoxOf(x, y)] |= bit;
        }
    }
    CandidateTexts texts;
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            const int v = current[x][y];
            if constexpr (CopySolution)
                (*solution)[x][y] = current[x][y];
            if (v > 8) {
                const auto blocked = rows[y] | columns[x] | boxes[BoxOf(x, y)];
                texts[x][y] = CandidateSet::FromBits(std::uint16_t(~blocked & 0x1FF));
            } else {
                texts[x][y] = CandidateSet::Single(v);
            }
        }
    }
    return texts;
}

} // namespace

CandidateTexts FillCandidateTexts(const Board& board)
{
    return Fill<false>(board.CurrentGrid, nullptr);
}

CandidateTexts FillCandidateTextsAndSolution(Board& board)
{
    return Fill<true>(board.CurrentGrid, &board.SolutionGrid);
}

bool RemoveFromPeers(CandidateTexts& texts, int x, int y, CandidateSet value)
{
    bool removed = false;
    for (const auto peer : Peers.cells[CellIndex(x, y)])
        removed |= texts.cells[peer].RemoveAll(value);
    return removed;
}

bool NakedSinglesPass(CandidateTexts& texts, Grid& solution)
{
    bool placed = false;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const CandidateSet text = texts[x][y];
            if (!text.IsSingle() || solution[x][y] != EmptyCell)
                continue;
            solution[x][y] = static_cast<std::uint8_t>(text.First());
            RemoveFromPeers(texts, x, y, text);
            placed = true;
        }
    }
    return placed;
}

bool HiddenSingles(CandidateTexts& texts)
{
    bool changed = false;
    for (int d = 0; d < 9; ++d) {
        const CandidateSet single = CandidateSet::Single(d);
        for (int g = 0; g < 27; ++g) {
            const auto& group = Groups.cells[g];
            const bool isRow = g < 9;
            int count = 0;
            for (const auto i : group) {
                const CandidateSet text = texts.cells[i];
                if (text.Has(d) && !(isRow && text == single))
                    ++count;
            }
            if (count != 1)
                continue;
            for (const auto i : group) {
                CandidateSet& text = texts.cells[i];
                if (text.Has(d) && text != single) {
                    text = single;
                    changed = true;
                }
            }
        }
    }
    return changed;
}

} // namespace engine
