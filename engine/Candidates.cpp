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

// A value blocks an empty cell when it stands anywhere in the cell's row, column or box; the
// three masks test all nine values at once.
CandidateTexts Fill(const Grid& current)
{
    std::array<std::uint16_t, 9> rows{};
    std::array<std::uint16_t, 9> columns{};
    std::array<std::uint16_t, 9> boxes{};
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            const unsigned v = current[x][y];
            const auto bit = static_cast<std::uint16_t>(v <= 8 ? 1u << v : 0u);
            rows[y] |= bit;
            columns[x] |= bit;
            boxes[BoxOf(x, y)] |= bit;
        }
    }
    CandidateTexts texts;
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            const unsigned v = current[x][y];
            const auto blocked = rows[y] | columns[x] | boxes[BoxOf(x, y)];
            texts[x][y] = v <= 8 ? CandidateSet::Single(static_cast<int>(v))
                                 : CandidateSet::FromBits(std::uint16_t(~blocked & 0x1FF));
        }
    }
    return texts;
}

} // namespace

CandidateTexts FillCandidateTexts(const Board& board)
{
    return Fill(board.CurrentGrid);
}

CandidateTexts FillCandidateTextsAndSolution(Board& board)
{
    board.SolutionGrid = board.CurrentGrid;
    return Fill(board.CurrentGrid);
}

bool RemoveFromPeers(CandidateTexts& texts, int x, int y, CandidateSet value)
{
    bool removed = false;
    for (const auto peer : Peers.cells[CellIndex(x, y)])
        removed |= texts.cells[peer].RemoveAll(value);
    return removed;
}

OpenCells OpenCellsOf(const Grid& solution)
{
    OpenCells open;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            open.cells[open.count] = static_cast<std::uint8_t>(CellIndex(x, y));
            open.count += solution[x][y] == EmptyCell;
        }
    }
    return open;
}

namespace {

// RemoveFromPeers without its result, which the naked singles do not use.
void ClearFromPeers(CandidateTexts& texts, int i, std::uint16_t value)
{
    const auto keep = static_cast<std::uint16_t>(~value);
    for (const auto peer : Peers.cells[i])
        texts.cells[peer] = CandidateSet::FromBits(texts.cells[peer].Bits() & keep);
}

} // namespace

bool NakedSinglesPass(CandidateTexts& texts, Grid& solution, OpenCells& open)
{
    bool placed = false;
    int kept = 0;
    for (int k = 0; k < open.count; ++k) {
        const int i = open.cells[k];
        const CandidateSet text = texts.cells[i];
        if (!text.IsSingle()) {
            open.cells[kept++] = static_cast<std::uint8_t>(i);
            continue;
        }
        solution[i / 9][i % 9] = static_cast<std::uint8_t>(text.First());
        ClearFromPeers(texts, i, text.Bits());
        placed = true;
    }
    open.count = kept;
    return placed;
}

namespace {

// For every group, the values for which it would make a hidden single right now: a row with
// exactly one undecided cell holding d, or a column or box with exactly one cell holding d that
// is not already decided on it.
using GroupValues = std::array<std::uint16_t, 27>;

std::uint16_t HiddenSingleValues(const CandidateTexts& texts, GroupValues& byGroup)
{
    std::array<std::uint16_t, 27> once{};
    std::array<std::uint16_t, 27> twice{};
    std::array<std::uint16_t, 27> singles{};
    for (int i = 0; i < 81; ++i) {
        const std::uint16_t bits = texts.cells[i].Bits();
        const int r = Cells.row[i];
        const int c = 9 + Cells.column[i];
        const int b = 18 + Cells.box[i];
        const std::uint16_t single = (bits & (bits - 1)) == 0 ? bits : 0;
        const std::uint16_t undecided = bits ^ single; // rows skip a cell decided on the value
        singles[c] |= single;
        singles[b] |= single;
        twice[r] |= once[r] & undecided;
        once[r] |= undecided;
        twice[c] |= once[c] & bits;
        once[c] |= bits;
        twice[b] |= once[b] & bits;
        once[b] |= bits;
    }
    std::uint16_t all = 0;
    for (int g = 0; g < 27; ++g) {
        byGroup[g] = static_cast<std::uint16_t>(once[g] & ~twice[g] & ~singles[g] & 0x1FF);
        all |= byGroup[g];
    }
    return all;
}

} // namespace

bool HiddenSingles(CandidateTexts& texts)
{
    // Which groups act on d is fixed when d's turn comes: deciding a cell on d leaves every
    // column and box count of d as it was, and changes only the count of its own row, which
    // has had its turn. Deciding a cell does change the counts of the other values, so the
    // table is made again after a change.
    GroupValues byGroup{};
    std::uint16_t pending = HiddenSingleValues(texts, byGroup);
    bool changed = false;
    for (int d = 0; d < 9 && pending != 0; ++d) {
        if (!(pending >> d & 1u))
            continue;
        const CandidateSet single = CandidateSet::Single(d);
        bool changedForValue = false;
        for (int g = 0; g < 27; ++g) {
            if (!(byGroup[g] >> d & 1u))
                continue;
            for (const auto i : Groups.cells[g]) {
                CandidateSet& text = texts.cells[i];
                if (text.Has(d) && text != single) {
                    text = single;
                    changedForValue = true;
                }
            }
        }
        if (changedForValue) {
            changed = true;
            pending = HiddenSingleValues(texts, byGroup);
        }
        pending = static_cast<std::uint16_t>(pending & ~((2u << d) - 1u));
    }
    return changed;
}

} // namespace engine
