// The solving techniques: naked and hidden singles, naked subsets and pointing.
#include "engine/Eliminations.h"

#include <algorithm>
#include <array>
#include <bit>
#include <sstream>

#include <gtest/gtest.h>

using namespace engine;

namespace {

const CombinationLists Lists = BuildCombinationLists();

// Row 0 as nine words: a text, "*" for all nine values, "-" for an empty text.
std::string RowText(const CandidateTexts& texts)
{
    std::string row;
    for (int x = 0; x < 9; ++x) {
        const std::string text = texts[x][0].IsEmpty() ? "-" : texts[x][0].Text();
        row += (x ? " " : "") + (text == "012345678" ? "*" : text);
    }
    return row;
}

// All nine values in every cell but those of row 0, which are read from words like RowText's.
CandidateTexts WithRow(const std::string& row)
{
    CandidateTexts texts;
    texts.cells.fill(CandidateSet::All());
    std::istringstream words(row);
    std::string word;
    for (int x = 0; x < 9 && words >> word; ++x) {
        if (word != "*")
            texts[x][0] = CandidateSet::FromText(word);
    }
    return texts;
}

} // namespace

TEST(NakedSinglesPass, PlacesSinglesOnceAndLaterCellsSeeTheRemovals)
{
    CandidateTexts texts = WithRow("");
    Grid solution = EmptyGrid();
    solution[0][0] = 2; // a given: not an open cell, so its value is not removed from its peers
    texts[0][0] = CandidateSet::Single(2);
    texts[3][1] = CandidateSet::Single(5);
    texts[6][1] = CandidateSet::Single(5); // same row: emptied before its turn comes
    OpenCells open = OpenCellsOf(solution);
    EXPECT_TRUE(NakedSinglesPass(texts, solution, open));
    EXPECT_EQ(solution[3][1], 5);
    EXPECT_EQ(solution[6][1], EmptyCell);
    EXPECT_EQ(open.count, 79);
    EXPECT_TRUE(texts[5][0].Has(2));
    // 5 left the 20 peers of (3, 1) but not the cell; the given's "2" never held it.
    EXPECT_EQ(std::ranges::count_if(texts.cells, [](auto text) { return !text.Has(5); }), 21);
    EXPECT_FALSE(NakedSinglesPass(texts, solution, open));
}

TEST(HiddenSingles, RowsSkipCellsDecidedOnTheValueWhileColumnsAndBoxesCountThem)
{
    // Per cell of the group: "d" decided on 4, "o" open with text "47", "." without 4; other
    // cells hold all nine values. Deciding turns the first open cell into a single 4, only.
    struct Case
    {
        int group;
        std::string cells;
        bool decides;
    };
    const std::vector<Case> cases{{2, "......o..", true},  {13, "...o.....", true},
                                  {22, ".....o...", true}, {0, "do.......", true},
                                  {9, "do.......", false}, {26, "d.......o", false},
                                  {0, ".o.....o.", false}, {5, "...d.....", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.group) + " " + c.cells);
        CandidateTexts texts = WithRow("");
        const auto& cells = Groups.cells[c.group];
        for (int p = 0; p < 9; ++p) {
            CandidateSet& text = texts.cells[cells[p]];
            text.Remove(4);
            if (c.cells[p] != '.')
                text = c.cells[p] == 'd' ? CandidateSet::Single(4) : CandidateSet::FromText("47");
        }
        CandidateTexts expected = texts;
        if (c.decides)
            expected.cells[cells[c.cells.find('o')]] = CandidateSet::Single(4);
        EXPECT_EQ(HiddenSingles(texts), c.decides);
        EXPECT_EQ(texts, expected);
    }
}

TEST(BuildCombinationLists, HoldsEverySubsetOnceInAscendingTextOrder)
{
    std::array<std::vector<std::string>, 10> bySize; // the texts of all subsets of 0..8
    for (unsigned bits = 0; bits < 512; ++bits)
        bySize[std::popcount(bits)].push_back(CandidateSet::FromBits(std::uint16_t(bits)).Text());
    const std::vector<Combination>* lists[]{&Lists.Combinations3, &Lists.Combinations4,
                                            &Lists.Combinations5, &Lists.Combinations6};
    for (int k = 3; k <= 6; ++k) {
        std::vector<std::string> texts;
        for (const Combination& combination : *lists[k - 3]) {
            texts.push_back(combination.members.Text());
            ASSERT_EQ(combination.size, k);
            for (int i = 0; i < k; ++i)
                EXPECT_EQ(combination.index[i], texts.back()[i] - '0') << texts.back();
        }
        std::sort(bySize[k].begin(), bySize[k].end());
        EXPECT_EQ(texts, bySize[k]) << k << " members";
    }
}

TEST(NakedSubsets, ByTextAndByCombinationInRowZero)
{
    struct Case
    {
        bool byCombination;
        std::string filled; // the columns of row 0 filled in the puzzle
        std::string before;
        std::string after; // empty when nothing changes
    };
    const std::vector<Case> cases{
        // two cells with the same two values clear them from the rest of the row
        {false, "", "* 37 * * * 37 * * *",
         "0124568 37 0124568 0124568 0124568 37 0124568 0124568 0124568"},
        {false, "", "37 * * * 37 * * 37 *", ""}, // three cells of one pair
        // a group acts only while the pair and the decided cells leave a cell over
        {false, "", "37 3 0 1 2 4 5 * 37", "37 - 0 1 2 4 5 0124568 37"},
        {false, "", "37 3 0 1 2 4 5 6 37", ""},
        // three cells holding three values between them, an empty text taken as any other
        {true, "", "12 * * * 23 * * * 13", "12 045678 045678 045678 23 045678 045678 045678 13"},
        {true, "", "* * * - 01 12 * * *", "345678 345678 345678 - 01 12 345678 345678 345678"},
        {true, "", "5 56 67 * * * * * *", ""}, // a decided cell is never taken
        // the sizes tried depend on the filled cells: five leave no size to try
        {true, "1235", "12 * * * 23 * * * 13",
         "12 045678 045678 045678 23 045678 045678 045678 13"},
        {true, "12356", "12 * * * 23 * * * 13", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before + (c.byCombination ? " by combination" : " by text"));
        CandidateTexts texts = WithRow(c.before);
        Grid current = EmptyGrid();
        for (const char x : c.filled)
            current[x - '0'][0] = 0;
        const bool changed = c.byCombination ? NakedSubsetsByCombination(texts, current, Lists)
                                             : NakedSubsetsByText(texts);
        EXPECT_EQ(RowText(texts), c.after.empty() ? c.before : c.after);
        EXPECT_EQ(changed, !c.after.empty());
    }
}

TEST(Pointing, AValueConfinedToOneLineOfABoxLeavesTheRestOfThatLine)
{
    struct Case
    {
        int box;
        std::string kept; // box positions, row by row, still holding value 2
        int row; // the line that loses the value outside the box, -1 for none
        int column;
    };
    const std::vector<Case> cases{{4, "345", 4, -1}, {4, "35", 4, -1}, {2, "147", -1, 7},
                                  {6, "03", -1, 0},  {0, "4", -1, -1}, {8, "04", -1, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE("box " + std::to_string(c.box));
        CandidateTexts texts = WithRow("");
        for (int p = 0; p < 9; ++p) {
            if (c.kept.find(char('0' + p)) == std::string::npos)
                texts[BoxOriginX(c.box) + p % 3][BoxOriginY(c.box) + p / 3].Remove(2);
        }
        CandidateTexts expected = texts;
        for (int i = 0; i < 81; ++i) {
            if (BoxOf(i / 9, i % 9) != c.box && (i % 9 == c.row || i / 9 == c.column))
                expected.cells[i].Remove(2);
        }
        EXPECT_EQ(Pointing(texts), c.row >= 0 || c.column >= 0);
        EXPECT_EQ(texts, expected);
    }
}
