// The grid text and its cell order.
#include "engine/Board.h"

#include <gtest/gtest.h>

using namespace engine;

const std::string Solution
    = "534678912+672195348+198342567+859761423+426853791+713924856+961537284+287419635+345286179";

TEST(GridText, TextGoesAlongRowsWhileMemoryGoesDownColumns)
{
    Board board;
    board.ReadSolutionGridText(Solution);
    EXPECT_EQ(board.SolutionGrid[1][0], 2); // "3", second character of the text
    EXPECT_EQ(board.SolutionGrid[0][1], 5); // "6", right after the first "+"
    EXPECT_EQ(board.WriteSolutionGridText(), Solution);
    board.SolutionGrid[3][2] = EmptyCell;
    EXPECT_EQ(board.WriteSolutionGridText()[2 * 10 + 3], '0');
}

TEST(GridText, ReadsEightyOneCellCharactersThrowingWhenShort)
{
    // "|;\r\n+" are dropped; " ", "_" and "0" are empty cells; the trailing "123" is never read,
    // and reading it would write past the grid into column 1.
    Board board;
    board.ReadCurrentGridText(" _0|;\r\n+" + std::string(78, '5') + "123");
    EXPECT_EQ(board.WriteCurrentGridText(),
              "___555555+555555555+555555555+555555555+555555555+"
              "555555555+555555555+555555555+555555555");
    // A short text keeps the cells read before the gap; the command line checks the message.
    board.ReadCurrentGridText(Solution);
    EXPECT_THROW(board.ReadCurrentGridText("9+9_"), GridTextError);
    EXPECT_EQ(board.WriteCurrentGridText(), "99_" + Solution.substr(3));
}
