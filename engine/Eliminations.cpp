// Naked subsets by identical texts, pointing, and naked subsets by combination.
#include "Eliminations.h"

#include <algorithm>
#include <set>
#include <string>

namespace engine {

namespace {

std::string SortedText(std::string members)
{
    std::sort(members.begin(), members.end());
    return members;
}

std::vector<Combination> ToCombinations(const std::set<std::string>& texts)
{
    std::vector<Combination> list;
    list.reserve(texts.size());
    for (const auto& text : texts) {
        Combination combination;
        combination.size = static_cast<int>(text.size());
        for (int i = 0; i < combination.size; ++i) {
            combination.index[i] = static_cast<std::uint8_t>(text[i] - '0');
            combination.members.Add(text[i] - '0');
        }
        list.push_back(combination);
    }
    return list;
}

bool Eliminate(CandidateTexts& texts, int group, CandidateSet values, CandidateSet spared)
{
    bool removed = false;
    const auto& cells = Groups.cells[group];
    for (int i = 0; i < 9; ++i) {
        if (!spared.Has(i))
            removed |= texts.cells[cells[i]].RemoveAll(values);
    }
    return removed;
}

// Walks the combinations of k cells in list order (ascending text order is the order of a
// depth-first walk that adds the smallest index first), keeping the union of the cells taken so
// far. Eliminations spare the combination's cells, so the unions of a walk's prefix stay valid;
// a prefix whose union already holds more than k values, or that takes a decided cell, cannot
// lead to an elimination and is not extended.
struct SubsetWalk
{
    CandidateTexts& texts;
    const std::array<std::uint8_t, 9>& cells;
    int group;
    int k;
    bool removed = false;

    void Extend(int next, int taken, CandidateSet members, CandidateSet unionSet)
    {
        for (int i = next; i <= 9 - (k - taken); ++i) {
            const CandidateSet text = texts.cells[cells[i]];
            if (text.IsSingle())
                continue;
            const CandidateSet grown = unionSet | text;
            if (grown.Count() > k)
                continue;
            CandidateSet withCell = members;
            withCell.Add(i);
            if (taken + 1 < k) {
                Extend(i + 1, taken + 1, withCell, grown);
            } else if (grown.Count() == k) {
                removed |= Eliminate(texts, group, grown, withCell);
            }
        }
    }
};

bool GroupSubsets(CandidateTexts& texts, int group, const std::vector<Combination>& list, int k)
{
    if (list.empty())
        return false;
    SubsetWalk walk{texts, Groups.cells[group], group, k};
    walk.Extend(0, 0, CandidateSet(), CandidateSet());
    return walk.removed;
}

} // namespace

CombinationLists BuildCombinationLists()
{
    std::set<std::string> three;
    std::set<std::string> four;
    std::set<std::string> five;
    std::set<std::string> six;
    const std::string digits = "012345678";
    for (int a = 0; a < 9; ++a) {
        for (int b = 0; b < 9; ++b) {
            for (int c = 0; c < 9; ++c) {
                if (a == b || a == c || b == c)
                    continue;
                const std::string abc{digits[a], digits[b], digits[c]};
                three.insert(SortedText(abc));
                for (int d = 0; d < 9; ++d) {
                    if (abc.find(digits[d]) != std::string::npos)
                        continue;
                    const std::string abcd = abc + digits[d];
                    four.insert(SortedText(abcd));
                    for (int e = 0; e < 9; ++e) {
                        if (abcd.find(digits[e]) != std::string::npos)
                            continue;
                        const std::string abcde = abcd + digits[e];
                        five.insert(SortedText(abcde));
                        for (int f = 0; f < 9; ++f) {
                            if (abcde.find(digits[f]) == std::string::npos)
                                six.insert(SortedText(abcde + digits[f]));
                        }
                    }
                }
            }
        }
    }
    return {ToCombinations(three), ToCombinations(four), ToCombinations(five), ToCombinations(six)};
}

bool NakedSubsetsByText(CandidateTexts& texts)
{
    bool removed = false;
    struct Entry
    {
        CandidateSet text;
        int count;
    };
    for (int g = 0; g < 27; ++g) {
        const auto& cells = Groups.cells[g];
        std::array<Entry, 9> entries{};
        int entryCount = 0;
        int decided = 0;
        for (const auto i : cells) {
            const CandidateSet text = texts.cells[i];
            if (text.Count() < 2) {
                ++decided;
                continue;
            }
            auto* found = std::find_if(entries.begin(), entries.begin() + entryCount,
                                       [&](const Entry& e) { return e.text == text; });
            if (found != entries.begin() + entryCount)
                ++found->count;
            else
                entries[entryCount++] = {text, 1};
        }
        for (int e = 0; e < entryCount; ++e) {
            const Entry& entry = entries[e];
            if (entry.count != entry.text.Count() || entry.count + decided > 8)
                continue;
            for (const auto i : cells) {
                if (texts.cells[i] != entry.text)
                    removed |= texts.cells[i].RemoveAll(entry.text);
            }
        }
    }
    return removed;
}

BoxLines BoxCandidateLines(const CandidateTexts& texts, int value, int b)
{
    BoxLines lines;
    for (int p = 0; p < 9; ++p) {
        const int x = BoxOriginX(b) + p % 3;
        const int y = BoxOriginY(b) + p / 3;
        if (texts[x][y].Has(value)) {
            lines.columns.Add(x);
            lines.rows.Add(y);
        }
    }
    return lines;
}

bool Pointing(CandidateTexts& texts)
{
    bool removed = false;
    for (int b = 0; b < 9; ++b) {
        // Eliminations for box b only touch cells outside it, so its lines are read once.
        std::array<std::uint16_t, 3> rowUnion{};
        std::array<std::uint16_t, 3> columnUnion{};
        for (int p = 0; p < 9; ++p) {
            const auto bits = texts[BoxOriginX(b) + p % 3][BoxOriginY(b) + p / 3].Bits();
            rowUnion[p / 3] |= bits;
            columnUnion[p % 3] |= bits;
        }
        auto lineCounts = [](const std::array<std::uint16_t, 3>& unions, std::uint16_t& one,
                             std::uint16_t& several) {
            const std::uint16_t once = unions[0] | unions[1] | unions[2];
            several = static_cast<std::uint16_t>((unions[0] & unions[1]) | (unions[0] & unions[2])
                                                 | (unions[1] & unions[2]));
            one = static_cast<std::uint16_t>(once & ~several);
        };
        std::uint16_t oneRow = 0;
        std::uint16_t severalRows = 0;
        std::uint16_t oneColumn = 0;
        std::uint16_t severalColumns = 0;
        lineCounts(rowUnion, oneRow, severalRows);
        lineCounts(columnUnion, oneColumn, severalColumns);
        const auto boxRows = CandidateSet::FromBits(std::uint16_t(7u << BoxOriginY(b)));
        const auto boxColumns = CandidateSet::FromBits(std::uint16_t(7u << BoxOriginX(b)));
        const std::uint16_t inColumn = oneColumn & severalRows;
        const std::uint16_t inRow = oneRow & severalColumns;
        for (int d = 0; d < 9; ++d) {
            const CandidateSet value = CandidateSet::Single(d);
            if (inColumn >> d & 1u) {
                int c = 0;
                while (!(columnUnion[c] >> d & 1u))
                    ++c;
                removed |= EliminateInColumn(texts, value, BoxOriginX(b) + c, boxRows);
            }
            if (inRow >> d & 1u) {
                int r = 0;
                while (!(rowUnion[r] >> d & 1u))
                    ++r;
                removed |= EliminateInRow(texts, value, BoxOriginY(b) + r, boxColumns);
            }
        }
    }
    return removed;
}

bool EliminateInRow(CandidateTexts& texts, CandidateSet values, int y, CandidateSet spared)
{
    return Eliminate(texts, y, values, spared);
}

bool EliminateInColumn(CandidateTexts& texts, CandidateSet values, int x, CandidateSet spared)
{
    return Eliminate(texts, 9 + x, values, spared);
}

bool EliminateInBox(CandidateTexts& texts, CandidateSet values, int b, CandidateSet spared)
{
    return Eliminate(texts, 18 + b, values, spared);
}

bool RowSubsets(CandidateTexts& texts, int y, const std::vector<Combination>& list, int k)
{
    return GroupSubsets(texts, y, list, k);
}

bool ColumnSubsets(CandidateTexts& texts, int x, const std::vector<Combination>& list, int k)
{
    return GroupSubsets(texts, 9 + x, list, k);
}

bool BoxSubsets(CandidateTexts& texts, int b, const std::vector<Combination>& list, int k)
{
    return GroupSubsets(texts, 18 + b, list, k);
}

bool NakedSubsetsByCombination(CandidateTexts& texts,
                               const Grid& current,
                               const CombinationLists& lists)
{
    bool removed = false;
    for (int g = 0; g < 27; ++g) {
        int filled = 0;
        for (const auto i : Groups.cells[g])
            filled += current[i / 9][i % 9] != EmptyCell;
        if (filled < 2)
            removed |= GroupSubsets(texts, g, lists.Combinations6, 6);
        if (filled < 3)
            removed |= GroupSubsets(texts, g, lists.Combinations5, 5);
        if (filled < 4)
            removed |= GroupSubsets(texts, g, lists.Combinations4, 4);
        if (filled < 5)
            removed |= GroupSubsets(texts, g, lists.Combinations3, 3);
    }
    return removed;
}

} // namespace engine
