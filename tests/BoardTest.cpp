// The grid text, its cell order and the group rule.
#include "engine/Board.h"

#include <initializer_list>
#include <tuple>

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

TEST(GroupRule, FindsTheFirstGroupThatHoldsADigitTwice)
{
    // Pieces (x, y, digit) on an empty grid.
    const auto pieces = [](std::initializer_list<std::tuple<int, int, char>> list) {
        std::string text = WriteGridText(EmptyGrid(), '_');
        for (const auto& [x, y, digit] : list)
            text[static_cast<std::size_t>(y * 10 + x)] = digit;
        return text;
    };
    struct Case
    {
        const char* name;
        std::string text;
        int group; // rows 0..8, columns 9..17, boxes 18..26; -1 for none
        int digit;
    };
    const Case cases[] = {
        {"SolvedGrid", Solution, -1, 0},
        {"NineTwiceInRowFive", pieces({{0, 4, '9'}, {8, 4, '9'}}), 4, 9},
        {"ThreeTwiceInColumnSeven", pieces({{6, 0, '3'}, {6, 8, '3'}}), 15, 3},
        {"SevenTwiceInTheMiddleBoxOnly", pieces({{3, 3, '7'}, {5, 5, '7'}}), 22, 7},
        {"AColumnComesBeforeABox", pieces({{0, 0, '6'}, {1, 1, '6'}, {2, 1, '5'}, {2, 7, '5'}}), 11,
         5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid grid = EmptyGrid();
        ReadGridText(c.text, grid);
        const auto repeat = FirstRepeatedDigit(grid);
        ASSERT_EQ(repeat.has_value(), c.group >= 0);
        if (repeat) {
            EXPECT_EQ(repeat->group, c.group);
            EXPECT_EQ(repeat->value + 1, c.digit);
        }
    }
}
