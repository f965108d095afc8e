// The solving techniques: hidden singles and naked subsets.
#include "engine/Eliminations.h"

#include <sstream>

#include <gtest/gtest.h>

using namespace engine;

const CombinationLists Lists = BuildCombinationLists();

namespace {

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
    for (int x = 0; x < 9 && words >> word; ++x)
        texts[x][0] = word == "*" ? CandidateSet::All() : CandidateSet::FromText(word);
    return texts;
}

} // namespace

TEST(HiddenSingles, OnlyRowsSkipTheCellsDecidedOnTheValue)
{
    // Group, then per cell of the group: "d" decided on 4, "o" open with text "47", "." without
    // 4; other cells hold all nine values. Deciding turns the first open cell into a single 4.
    const std::vector<std::tuple<int, std::string, bool>> cases{
        {2, "......o..", true},  {13, "...o.....", true}, {22, ".....o...", true},
        {0, "do.......", true},  {9, "do.......", false}, {26, "d.......o", false},
        {0, ".o.....o.", false}, {5, "...d.....", false}};
    for (const auto& [group, marks, decides] : cases) {
        SCOPED_TRACE(std::to_string(group) + " " + marks);
        CandidateTexts texts = WithRow("");
        const auto& cells = Groups.cells[group];
        for (int p = 0; p < 9; ++p) {
            CandidateSet& text = texts.cells[cells[p]];
            text.Remove(4);
            if (marks[p] != '.')
                text = marks[p] == 'd' ? CandidateSet::Single(4) : CandidateSet::FromText("47");
        }
        CandidateTexts expected = texts;
        if (decides)
            expected.cells[cells[marks.find('o')]] = CandidateSet::Single(4);
        EXPECT_EQ(HiddenSingles(texts), decides);
        EXPECT_EQ(texts, expected);
    }
}

TEST(NakedSubsets, ClearTheirValuesFromTheRestOfRowZero)
{
    // By combination, the columns of row 0 filled in the puzzle, row 0 before and after (empty
    // when nothing changes).
    const std::vector<std::tuple<bool, std::string, std::string, std::string>> cases{
        // two cells with the same two values clear them from the rest of the row, but only
        // while they and the decided cells leave a cell over, and not when three cells hold them
        {false, "", "37 3 0 1 2 4 5 * 37", "37 - 0 1 2 4 5 0124568 37"},
        {false, "", "37 3 0 1 2 4 5 6 37", ""},
        {false, "", "37 * * * 37 * * 37 *", ""},
        // cells holding as many values between them, an empty text taken as any other
        {true, "", "* * * - 01 12 * * *", "345678 345678 345678 - 01 12 345678 345678 345678"},
        {true, "", "5 56 67 * * * * * *", ""}, // a decided cell is never taken
        // the sizes tried depend on the filled cells: four leave 3, five leave none
        {true, "1235", "12 * * * 23 * * * 13",
         "12 045678 045678 045678 23 045678 045678 045678 13"},
        {true, "12356", "12 * * * 23 * * * 13", ""}};
    for (const auto& [byCombination, filled, before, after] : cases) {
        SCOPED_TRACE(before + (byCombination ? " by combination" : " by text"));
        CandidateTexts texts = WithRow(before);
        Grid current = EmptyGrid();
        for (const char x : filled)
            current[x - '0'][0] = 0;
        EXPECT_EQ(byCombination ? NakedSubsetsByCombination(texts, current, Lists)
                                : NakedSubsetsByText(texts),
                  !after.empty());
        EXPECT_EQ(RowText(texts), after.empty() ? before : after);
    }
}
