// The rule checks of the game: the pieces of a design, and the grid that ends a game.
#include "Grids.h"
#include "control/GameFlow.h"
#include "control/Placement.h"

#include <utility>

#include <gtest/gtest.h>

using game_testing::GridOf;
using game_testing::Solved;

TEST(KeepsRules, FindsTheSameDigitTwiceInARowAColumnOrABox)
{
    EXPECT_TRUE(control::KeepsRules(GridOf(Solved)));
    struct Pair
    {
        const char* what;
        engine::Cell first;
        engine::Cell second;
        bool keeps;
    };
    const Pair pairs[]{{"row", {0, 5}, {8, 5}, false},
                       {"column", {6, 0}, {6, 7}, false},
                       {"box", {3, 3}, {5, 5}, false},
                       {"another row, column and box", {3, 3}, {4, 8}, true}};
    for (const Pair& pair : pairs) {
        engine::Grid grid = engine::EmptyGrid();
        grid[pair.first.x][pair.first.y] = 2;
        grid[pair.second.x][pair.second.y] = 2;
        EXPECT_EQ(control::KeepsRules(grid), pair.keeps) << pair.what;
    }
}

TEST(GridComplete, OnlyWhenEveryCellEqualsACompleteSolutionOrWhenForced)
{
    engine::Board board;
    EXPECT_FALSE(control::GridComplete(board, false)) << "two empty grids are equal, not complete";
    EXPECT_TRUE(control::GridComplete(board, true)) << "forced, whatever the grid holds";
    board.SolutionGrid = GridOf(Solved);
    board.CurrentGrid = board.SolutionGrid;
    EXPECT_TRUE(control::GridComplete(board, false));
    std::swap(board.CurrentGrid[3][3], board.CurrentGrid[4][3]);
    EXPECT_FALSE(control::GridComplete(board, false)) << "two digits of a row swapped";
}
