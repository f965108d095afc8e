// The grid text, cell order, placement test, counts and the random source.
#include "engine/Board.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

const std::string Solution
    = "534678912+672195348+198342567+859761423+426853791+713924856+961537284+287419635+345286179";

} // namespace

TEST(GridText, EmptyCurrentGridIsNineGroupsOfUnderscores)
{
    Board board;
    EXPECT_EQ(board.WriteCurrentGridText(),
              "_________+_________+_________+_________+_________+_________+_________+_________+"
              "_________");
    EXPECT_EQ(board.WriteSolutionGridText().size(), 89u);
    EXPECT_EQ(board.WriteSolutionGridText().substr(0, 10), "000000000+");
}

TEST(GridText, TextGoesAlongRowsWhileMemoryGoesDownColumns)
{
    Board board;
    board.ReadCurrentGridText(Solution);
    EXPECT_EQ(board.CurrentGrid[0][0], 4); // "5"
    EXPECT_EQ(board.CurrentGrid[1][0], 2); // "3", second character of the text
    EXPECT_EQ(board.CurrentGrid[0][1], 5); // "6", eleventh character, right after the first "+"
    EXPECT_EQ(board.CurrentGrid[8][8], 8);
    EXPECT_EQ(board.WriteCurrentGridText(), Solution);
}

TEST(GridText, EmptySolutionCellWritesZeroAndReadsBackEmpty)
{
    Board board;
    board.ReadSolutionGridText(Solution);
    board.SolutionGrid[3][2] = EmptyCell;
    const std::string text = board.WriteSolutionGridText();
    EXPECT_EQ(text[2 * 10 + 3], '0');
    Board other;
    other.ReadSolutionGridText(text);
    EXPECT_EQ(other.SolutionGrid, board.SolutionGrid);
}

TEST(GridText, SeparatorsAndOtherCharactersAreDropped)
{
    Board plus;
    plus.ReadCurrentGridText(Solution);
    std::string digits;
    std::string lines;
    for (const char c : Solution) {
        if (c != '+')
            digits += c;
        lines += c == '+' ? std::string("\r\n") : std::string(1, c);
    }
    Board fromDigits;
    fromDigits.ReadCurrentGridText(digits);
    Board fromLines;
    fromLines.ReadCurrentGridText(lines + "|;.");
    EXPECT_EQ(fromDigits.CurrentGrid, plus.CurrentGrid);
    EXPECT_EQ(fromLines.CurrentGrid, plus.CurrentGrid);
}

TEST(GridText, SpacesUnderscoresAndZerosAreEmptyAndExtraCharactersIgnored)
{
    Board board;
    board.ReadCurrentGridText(std::string(" _0") + std::string(78, '5') + "123456789");
    EXPECT_EQ(board.CurrentGrid[0][0], EmptyCell);
    EXPECT_EQ(board.CurrentGrid[1][0], EmptyCell);
    EXPECT_EQ(board.CurrentGrid[2][0], EmptyCell);
    EXPECT_EQ(board.CurrentGrid[3][0], 4);
    EXPECT_EQ(board.CurrentGrid[8][8], 4); // the 81st kept character, not one of the extra ones
}

TEST(GridText, ShortTextThrowsAndKeepsTheCellsReadSoFar)
{
    Board board;
    board.ReadCurrentGridText(Solution);
    EXPECT_THROW(board.ReadCurrentGridText("9+9_"), GridTextError);
    EXPECT_EQ(board.CurrentGrid[0][0], 8);
    EXPECT_EQ(board.CurrentGrid[1][0], 8);
    EXPECT_EQ(board.CurrentGrid[2][0], EmptyCell);
    EXPECT_EQ(board.CurrentGrid[3][0], 5); // untouched: still the old "6"
    try {
        board.ReadCurrentGridText("");
        FAIL() << "an empty text must not read";
    } catch (const GridTextError& error) {
        EXPECT_NE(std::string(error.what()).find("0 kept"), std::string::npos);
    }
}

TEST(CanPlace, IsFalseForAFilledCellEvenWithItsOwnValue)
{
    Board board;
    board.CurrentGrid[4][4] = 6;
    EXPECT_FALSE(board.CanPlace(4, 4, 6));
    EXPECT_FALSE(board.CanPlace(4, 4, 0));
}

TEST(CanPlace, LooksAtTheRowTheColumnAndTheBox)
{
    Board board;
    board.CurrentGrid[8][2] = 0; // row 2
    board.CurrentGrid[1][7] = 1; // column 1
    board.CurrentGrid[0][0] = 2; // box 0
    EXPECT_FALSE(board.CanPlace(1, 2, 0));
    EXPECT_FALSE(board.CanPlace(1, 2, 1));
    EXPECT_FALSE(board.CanPlace(1, 2, 2));
    EXPECT_TRUE(board.CanPlace(1, 2, 3));
    EXPECT_TRUE(board.CanPlace(4, 4, 2)); // the box's value matters only inside the box
}

TEST(BoardCounts, CountRowsColumnsBoxesAndListCellsColumnByColumn)
{
    Board board;
    board.CurrentGrid[3][6] = 0;
    board.CurrentGrid[5][8] = 1;
    board.CurrentGrid[4][7] = 2;
    board.CurrentGrid[0][8] = 3;
    EXPECT_EQ(board.FilledInBox(4, 7), 3);
    EXPECT_EQ(board.FilledInBox(3, 6), board.FilledInBox(4, 7));
    EXPECT_EQ(board.FilledInRow(8), 2);
    EXPECT_EQ(board.FilledInColumn(4), 1);
    EXPECT_EQ(board.FilledCellCount(), 4);
    EXPECT_EQ(board.EmptyCellCount(), 77);
    const std::vector<Cell> expected{{0, 8}, {3, 6}, {4, 7}, {5, 8}};
    EXPECT_EQ(board.FilledCellList(), expected);
    EXPECT_EQ(board.EmptyCellList().front(), (Cell{0, 0}));
    EXPECT_EQ(board.EmptyCellList()[1], (Cell{0, 1}));
}

TEST(BoardCopies, ClearBoardEmptiesOnlyTheCurrentGridAndTheMarks)
{
    Board board;
    board.ReadCurrentGridText(Solution);
    board.ReadSolutionGridText(Solution);
    board.CopyCurrentToStart();
    board.CandidateMarks[2][3][4] = 1;
    board.ClearBoard();
    EXPECT_EQ(board.CurrentGrid, EmptyGrid());
    EXPECT_EQ(board.CandidateMarks[2][3][4], 0);
    EXPECT_EQ(board.StartGrid[0][0], 4);
    EXPECT_TRUE(board.SolutionComplete());
    board.SolutionGrid[8][0] = EmptyCell;
    EXPECT_FALSE(board.SolutionComplete());
}

TEST(RandomSource, AdvancesBeforeEachDrawAndTakesTheHighHalf)
{
    // Worked by hand: 0 -> 1 -> 134775814 -> 3698175007 -> 870078620 -> 1172187917.
    Random random(0);
    EXPECT_EQ(random.Draw(9), 0u);
    EXPECT_EQ(random.Draw(9), 0u);
    EXPECT_EQ(random.Draw(9), 7u);
    EXPECT_EQ(random.Seed(), 3698175007u);
    Random other(12345);
    EXPECT_EQ(other.Draw(6), 2u);
    EXPECT_EQ(other.Draw(100), 28u);
    EXPECT_EQ(other.Draw(81), 6u);
}

TEST(ScrambleCell, DrawsColumnThenRowThenValue)
{
    Board board;
    Random random(134775814); // worked by hand: the next three draws of 9 are 7, 1, 2
    board.ScrambleCell(random);
    EXPECT_EQ(board.CurrentGrid[7][1], 2);
    EXPECT_EQ(board.FilledCellCount(), 1);
}
