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

bool GroupSubsets(CandidateTexts& texts, int group, const std::vector<Combination>& list, int k)
{
    const auto& cells = Groups.cells[group];
    bool removed = false;
    // Combinations holding a decided cell are skipped; deletions can decide more cells.
    auto decidedOf = [&] {
        std::uint16_t decided = 0;
        for (int i = 0; i < 9; ++i) {
            if (texts.cells[cells[i]].IsSingle())
                decided |= std::uint16_t(1u << i);
        }
        return decided;
    };
    std::uint16_t decided = decidedOf();
    for (const Combination& combination : list) {
        if (combination.members.Bits() & decided)
            continue;
        CandidateSet unionSet;
        for (int i = 0; i < k; ++i)
            unionSet = unionSet | texts.cells[cells[combination.index[i]]];
        if (unionSet.Count() != k)
            continue;
        if (Eliminate(texts, group, unionSet, combination.members)) {
            removed = true;
            decided = decidedOf();
        }
    }
    return removed;
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
        const auto boxRows = CandidateSet::FromBits(std::uint16_t(7u << BoxOriginY(b)));
        const auto boxColumns = CandidateSet::FromBits(std::uint16_t(7u << BoxOriginX(b)));
        for (int d = 0; d < 9; ++d) {
            const BoxLines lines = BoxCandidateLines(texts, d, b);
            const CandidateSet value = CandidateSet::Single(d);
            if (lines.columns.Count() == 1 && lines.rows.Count() > 1)
                removed |= EliminateInColumn(texts, value, lines.columns.First(), boxRows);
            if (lines.rows.Count() == 1 && lines.columns.Count() > 1)
                removed |= EliminateInRow(texts, value, lines.rows.First(), boxColumns);
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
