// Candidate texts, naked singles and the three hidden-single rules.
#include "engine/Candidates.h"

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

} // namespace

TEST(CandidateSet, TextIsTheAscendingCharactersOfItsValues)
{
    EXPECT_EQ(Text("8031").Text(), "0138");
    EXPECT_EQ(CandidateSet::All().Text(), "012345678");
    EXPECT_TRUE(Text("4").IsSingle());
    EXPECT_FALSE(Text("").IsSingle());
    EXPECT_FALSE(Text("45").IsSingle());
}

TEST(FillCandidateTexts, FilledCellsAreSinglesAndEmptyCellsLoseTheirPeersValues)
{
    Board board;
    board.ReadCurrentGridText("12_______+3________+_________+_________+_________+_________+"
                              "_________+_________+4________");
    const CandidateTexts texts = FillCandidateTexts(board);
    EXPECT_EQ(texts[0][0], Text("0"));
    EXPECT_EQ(texts[2][0].Text(), "345678"); // row 0 holds 1 and 2, box 0 holds 3
    EXPECT_EQ(texts[0][4].Text(), "145678"); // column 0 holds 1, 3 and 4
    EXPECT_EQ(texts[8][8].Text(), "01245678"); // row 8 holds 4
    EXPECT_EQ(texts[8][7].Text(), "012345678"); // no peer filled
}

TEST(FillCandidateTexts, AnEmptyCellWithEveryValueBlockedGetsAnEmptyText)
{
    Board board;
    board.ReadCurrentGridText("_12345678+9________+_________+_________+_________+_________+"
                              "_________+_________+_________");
    Board solverBoard = board;
    const CandidateTexts texts = FillCandidateTexts(board);
    EXPECT_TRUE(texts[0][0].IsEmpty());
    const CandidateTexts solverTexts = FillCandidateTextsAndSolution(solverBoard);
    EXPECT_EQ(solverTexts, texts);
    EXPECT_EQ(solverBoard.SolutionGrid, board.CurrentGrid);
}

TEST(RemoveFromPeers, TouchesTheTwentyPeersButNotTheCellItself)
{
    CandidateTexts texts = AllCandidates();
    EXPECT_TRUE(RemoveFromPeers(texts, 4, 4, CandidateSet::Single(3)));
    int without = 0;
    for (const CandidateSet text : texts.cells)
        without += !text.Has(3);
    EXPECT_EQ(without, 20);
    EXPECT_TRUE(texts[4][4].Has(3));
    EXPECT_FALSE(texts[3][5].Has(3)); // box
    EXPECT_FALSE(texts[4][0].Has(3)); // column
    EXPECT_FALSE(texts[8][4].Has(3)); // row
    EXPECT_FALSE(RemoveFromPeers(texts, 4, 4, CandidateSet::Single(3)));
}

TEST(NakedSinglesPass, PlacesSinglesOnceAndLaterCellsSeeTheRemovals)
{
    CandidateTexts texts = AllCandidates();
    Grid solution = EmptyGrid();
    solution[0][0] = 2; // a given: its single text is never placed again
    texts[0][0] = Text("2");
    texts[3][1] = Text("5");
    texts[6][1] = Text("5"); // same row, both decided on 5: the second becomes empty
    EXPECT_TRUE(NakedSinglesPass(texts, solution));
    EXPECT_EQ(solution[3][1], 5);
    EXPECT_TRUE(texts[6][1].IsEmpty());
    EXPECT_EQ(solution[6][1], EmptyCell);
    EXPECT_TRUE(texts[5][0].Has(2)); // the given's value was not removed from its peers
    EXPECT_FALSE(NakedSinglesPass(texts, solution));
}

TEST(HiddenSingles, AValueLeftInOneCellOfARowDecidesThatCell)
{
    CandidateTexts texts = AllCandidates();
    for (int x = 0; x < 9; ++x) {
        if (x != 6)
            texts[x][2].Remove(4);
    }
    EXPECT_TRUE(HiddenSingles(texts));
    EXPECT_EQ(texts[6][2], CandidateSet::Single(4));
    EXPECT_FALSE(texts[6][3].IsSingle()); // nothing is removed from the peers
}

TEST(HiddenSingles, AValueOfTwoUndecidedCellsOfARowIsNoHiddenSingle)
{
    CandidateTexts texts = AllCandidates();
    for (int x = 2; x < 9; ++x)
        texts[x][0].Remove(4);
    const CandidateTexts before = texts;
    EXPECT_FALSE(HiddenSingles(texts));
    EXPECT_EQ(texts, before);
}

TEST(HiddenSingles, RowsIgnoreADecidedCellOfTheValueButColumnsAndBoxesCountIt)
{
    // Row 0: (0,0) is decided on 4 and (1,0) is the only other cell with 4. The row rule does
    // not count the decided cell, so (1,0) is decided on 4 as well.
    CandidateTexts row = AllCandidates();
    row[0][0] = CandidateSet::Single(4);
    row[1][0] = Text("47");
    for (int x = 2; x < 9; ++x)
        row[x][0].Remove(4);
    EXPECT_TRUE(HiddenSingles(row));
    EXPECT_EQ(row[1][0], CandidateSet::Single(4));

    // The same shape down column 0: the column rule counts both cells, so nothing changes.
    CandidateTexts column = AllCandidates();
    column[0][0] = CandidateSet::Single(4);
    column[0][1] = Text("47");
    for (int y = 2; y < 9; ++y)
        column[0][y].Remove(4);
    const CandidateTexts before = column;
    EXPECT_FALSE(HiddenSingles(column));
    EXPECT_EQ(column, before);

    // And inside box 8, which also counts decided cells.
    CandidateTexts box = AllCandidates();
    for (int p = 0; p < 9; ++p)
        box[6 + p % 3][6 + p / 3].Remove(4);
    box[6][6] = CandidateSet::Single(4);
    box[8][8] = Text("48");
    const CandidateTexts boxBefore = box;
    EXPECT_FALSE(HiddenSingles(box));
    EXPECT_EQ(box, boxBefore);
}

TEST(HiddenSingles, AValueAlreadyDecidedInARowAndNowhereElseChangesNothing)
{
    CandidateTexts texts = AllCandidates();
    texts[3][5] = CandidateSet::Single(8);
    for (int x = 0; x < 9; ++x) {
        if (x != 3)
            texts[x][5].Remove(8);
    }
    const CandidateTexts before = texts;
    EXPECT_FALSE(HiddenSingles(texts));
    EXPECT_EQ(texts, before);
}
