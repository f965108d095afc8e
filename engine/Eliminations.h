// Elimination techniques: identical-text naked subsets, pointing, naked subsets by combination.
#pragma once

#include "Candidates.h"

#include <array>
#include <cstdint>
#include <vector>

namespace engine {

// A subset of the indices 0..8 of a group's cells, with its members in ascending order.
struct Combination
{
    CandidateSet members;
    std::array<std::uint8_t, 6> index{};
    int size = 0;
};

// Every subset of {0..8} with 3, 4, 5 and 6 members, each list in ascending text order
// ("012", "013", ... "678"): 84, 126, 126 and 84 entries.
struct CombinationLists
{
    std::vector<Combination> Combinations3;
    std::vector<Combination> Combinations4;
    std::vector<Combination> Combinations5;
    std::vector<Combination> Combinations6;
};

[[nodiscard]] CombinationLists BuildCombinationLists();

// In rows, then columns, then boxes: L cells whose texts are the same L values remove those
// values from the rest of the group. Entries and their counts are fixed before any deletion.
bool NakedSubsetsByText(CandidateTexts& texts);

struct BoxLines
{
    CandidateSet columns; // column numbers 0..8
    CandidateSet rows; // row numbers 0..8
};

// The columns and rows of box b with a cell whose text holds value (decided cells included).
[[nodiscard]] BoxLines BoxCandidateLines(const CandidateTexts& texts, int value, int b);

// For every box and value: a value confined to one column (or row) of the box, across more than
// one row (or column), is removed from that line outside the box.
bool Pointing(CandidateTexts& texts);

// Naked subsets of 6, 5, 4, then 3 cells in every row, column and box, found by trying every
// combination of cells; the sizes tried depend on the group's filled cells in current.
bool NakedSubsetsByCombination(CandidateTexts& texts,
                               const Grid& current,
                               const CombinationLists& lists);

bool RowSubsets(CandidateTexts& texts, int y, const std::vector<Combination>& list, int k);
bool ColumnSubsets(CandidateTexts& texts, int x, const std::vector<Combination>& list, int k);
bool BoxSubsets(CandidateTexts& texts, int b, const std::vector<Combination>& list, int k);

// Deletes the values from every cell of the group whose index is not spared.
bool EliminateInRow(CandidateTexts& texts, CandidateSet values, int y, CandidateSet spared);
bool EliminateInColumn(CandidateTexts& texts, CandidateSet values, int x, CandidateSet spared);
bool EliminateInBox(CandidateTexts& texts, CandidateSet values, int b, CandidateSet spared);

} // namespace engine
