// Identical-text naked subsets, pointing and naked subsets by combination.
#include "engine/Eliminations.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

CandidateTexts AllCandidates()
{
    CandidateTexts texts;
    texts.cells.fill(CandidateSet::All());
    return texts;
}

CandidateSet Text(std::string_view characters)
{
    return CandidateSet::FromText(characters);
}

std::string MembersText(const Combination& combination)
{
    std::string text;
    for (int i = 0; i < combination.size; ++i)
        text += static_cast<char>('0' + combination.index[i]);
    return text;
}

} // namespace

TEST(BuildCombinationLists, HoldsEverySubsetOnceInAscendingTextOrder)
{
    const CombinationLists lists = BuildCombinationLists();
    EXPECT_EQ(lists.Combinations3.size(), 84u);
    EXPECT_EQ(lists.Combinations4.size(), 126u);
    EXPECT_EQ(lists.Combinations5.size(), 126u);
    EXPECT_EQ(lists.Combinations6.size(), 84u);
    EXPECT_EQ(MembersText(lists.Combinations3.front()), "012");
    EXPECT_EQ(MembersText(lists.Combinations3[1]), "013");
    EXPECT_EQ(MembersText(lists.Combinations3[7]), "023"); // "018" comes before "023"
    EXPECT_EQ(MembersText(lists.Combinations3.back()), "678");
    EXPECT_EQ(MembersText(lists.Combinations6.back()), "345678");
    for (const auto* list :
         {&lists.Combinations3, &lists.Combinations4, &lists.Combinations5, &lists.Combinations6}) {
        for (std::size_t i = 1; i < list->size(); ++i)
            EXPECT_LT(MembersText((*list)[i - 1]), MembersText((*list)[i]));
        for (const Combination& combination : *list)
            EXPECT_EQ(combination.members.Text(), MembersText(combination));
    }
}

TEST(NakedSubsetsByText, APairInARowLeavesTheRestOfTheRow)
{
    CandidateTexts texts = AllCandidates();
    texts[1][4] = Text("37");
    texts[5][4] = Text("37");
    EXPECT_TRUE(NakedSubsetsByText(texts));
    for (int x : {0, 2, 3, 4, 6, 7, 8}) {
        EXPECT_FALSE(texts[x][4].Has(3)) << "column " << x;
        EXPECT_FALSE(texts[x][4].Has(7)) << "column " << x;
    }
    EXPECT_EQ(texts[1][4], Text("37"));
    EXPECT_EQ(texts[5][4], Text("37"));
    EXPECT_TRUE(texts[1][5].Has(3)); // box 3 and column 1 are untouched: no pair there
}

TEST(NakedSubsetsByText, ThreeCellsOfOnePairDeleteNothing)
{
    CandidateTexts texts = AllCandidates();
    texts[2][0] = Text("37");
    texts[2][4] = Text("37");
    texts[2][8] = Text("37");
    const CandidateTexts before = texts;
    EXPECT_FALSE(NakedSubsetsByText(texts));
    EXPECT_EQ(texts, before);
}

TEST(NakedSubsetsByText, AGroupWithTooFewUndecidedCellsIsLeftAlone)
{
    // Seven decided cells plus the pair: count + decided = 9 > 8.
    CandidateTexts texts = AllCandidates();
    for (int x = 0; x < 7; ++x)
        texts[x][0] = CandidateSet::Single(x == 3 ? 8 : x);
    texts[7][0] = Text("37");
    texts[8][0] = Text("37");
    const CandidateTexts before = texts;
    NakedSubsetsByText(texts);
    EXPECT_EQ(texts[3][0], before[3][0]);
    EXPECT_EQ(texts[0][0], before[0][0]);
}

TEST(Pointing, RemovesAValueConfinedToOneRowOfABoxFromTheRestOfThatRow)
{
    CandidateTexts texts = AllCandidates();
    for (int x = 3; x < 6; ++x) {
        texts[x][3].Remove(2); // in box 4, value 2 is left in row 4 only
        texts[x][5].Remove(2);
    }
    EXPECT_TRUE(Pointing(texts));
    for (int x : {0, 1, 2, 6, 7, 8})
        EXPECT_FALSE(texts[x][4].Has(2)) << "column " << x;
    EXPECT_EQ(texts[4][4], CandidateSet::All());
    EXPECT_TRUE(texts[0][3].Has(2));
}

TEST(Pointing, RemovesAValueConfinedToOneColumnOfABoxFromTheRestOfThatColumn)
{
    CandidateTexts texts = AllCandidates();
    for (int y = 0; y < 3; ++y) {
        texts[6][y].Remove(8); // box 2: value 8 only in column 7
        texts[8][y].Remove(8);
    }
    const BoxLines lines = BoxCandidateLines(texts, 8, 2);
    EXPECT_EQ(lines.columns, CandidateSet::Single(7));
    EXPECT_EQ(lines.rows.Text(), "012");
    EXPECT_TRUE(Pointing(texts));
    for (int y = 3; y < 9; ++y)
        EXPECT_FALSE(texts[7][y].Has(8)) << "row " << y;
    EXPECT_TRUE(texts[7][1].Has(8));
}

TEST(Pointing, AValueConfinedToASingleCellOfABoxChangesNothing)
{
    CandidateTexts texts = AllCandidates();
    for (int p = 0; p < 9; ++p) {
        if (p != 4)
            texts[p % 3][p / 3].Remove(5);
    }
    const CandidateTexts before = texts;
    EXPECT_FALSE(Pointing(texts));
    EXPECT_EQ(texts, before);
}

TEST(NakedSubsetsByCombination, ATripleOfPairsInAnEmptyRowClearsItsValuesFromTheRow)
{
    const CombinationLists lists = BuildCombinationLists();
    CandidateTexts texts = AllCandidates();
    texts[0][6] = Text("12");
    texts[4][6] = Text("23");
    texts[8][6] = Text("13");
    EXPECT_TRUE(NakedSubsetsByCombination(texts, EmptyGrid(), lists));
    for (int x : {1, 2, 3, 5, 6, 7}) {
        EXPECT_EQ(texts[x][6].Text(), "045678") << "column " << x;
    }
    EXPECT_EQ(texts[4][6], Text("23"));
}

TEST(NakedSubsetsByCombination, ARowWithFiveFilledCellsIsNeverSearched)
{
    const CombinationLists lists = BuildCombinationLists();
    CandidateTexts texts = AllCandidates();
    texts[0][6] = Text("12");
    texts[4][6] = Text("23");
    texts[8][6] = Text("13");
    Grid current = EmptyGrid();
    for (int x : {1, 2, 3, 5, 6})
        current[x][6] = 0; // filled in the puzzle, whatever the texts say
    NakedSubsetsByCombination(texts, current, lists);
    EXPECT_EQ(texts[7][6], CandidateSet::All());
}

TEST(NakedSubsetsByCombination, ACombinationWithADecidedCellIsSkipped)
{
    const CombinationLists lists = BuildCombinationLists();
    CandidateTexts texts = AllCandidates();
    texts[0][2] = Text("5"); // with it, cells 0, 1, 2 of row 2 would hold just 5, 6 and 7
    texts[1][2] = Text("56");
    texts[2][2] = Text("67");
    const CandidateTexts before = texts;
    EXPECT_FALSE(NakedSubsetsByCombination(texts, EmptyGrid(), lists));
    EXPECT_EQ(texts, before);
}

TEST(NakedSubsetsByCombination, AnEmptyTextDoesNotSkipACombinationAndAddsNothing)
{
    const CombinationLists lists = BuildCombinationLists();
    CandidateTexts texts = AllCandidates();
    texts[3][0] = Text("");
    texts[4][0] = Text("01");
    texts[5][0] = Text("12");
    EXPECT_TRUE(NakedSubsetsByCombination(texts, EmptyGrid(), lists));
    for (int x : {0, 1, 2, 6, 7, 8})
        EXPECT_EQ(texts[x][0].Text(), "345678") << "column " << x;
    EXPECT_TRUE(texts[3][0].IsEmpty());
    EXPECT_EQ(texts[4][0], Text("01"));
}
