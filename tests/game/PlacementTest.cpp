// Placing pieces by the rules of each state, their sounds, and the completion check.
#include "control/Placement.h"

#include "Grids.h"

#include <gtest/gtest.h>

using control::GridComplete;
using control::PlacePiece;
using game_testing::GridOf;
using game_testing::Solved;
using Kind = control::PlacementResult::Kind;

namespace {

// A game with a given at (0, 0), the digit 5 placed by the player at (1, 0) and the rest empty.
engine::Board Game()
{
    engine::Board board;
    board.SolutionGrid = GridOf(Solved);
    board.StartGrid[0][0] = 0;
    board.CurrentGrid[0][0] = 0;
    board.CurrentGrid[1][0] = 4;
    return board;
}

} // namespace

TEST(PlacePiece, WhilePlayingSoundsOnlyADigitOnAnEmptyCellAndAnErasedDigit)
{
    engine::Board board = Game();
    const auto placed = PlacePiece(board, GameStatus::Playing, {4, 4}, 8);
    EXPECT_EQ(placed.kind, Kind::Played);
    EXPECT_EQ(placed.sound, u"Loud");
    EXPECT_EQ(board.CurrentGrid[4][4], 8);

    const auto replaced = PlacePiece(board, GameStatus::Playing, {4, 4}, 2);
    EXPECT_EQ(replaced.kind, Kind::Played);
    EXPECT_TRUE(replaced.sound.isEmpty()) << "a digit over a digit";
    EXPECT_EQ(board.CurrentGrid[4][4], 2);

    const auto erased = PlacePiece(board, GameStatus::Playing, {4, 4}, -1);
    EXPECT_EQ(erased.sound, u"erase");
    EXPECT_EQ(board.CurrentGrid[4][4], engine::EmptyCell);

    const auto nothing = PlacePiece(board, GameStatus::Playing, {4, 4}, -1);
    EXPECT_EQ(nothing.kind, Kind::Played) << "the completion check still runs";
    EXPECT_TRUE(nothing.sound.isEmpty()) << "erasing an empty cell";
    EXPECT_EQ(board.CurrentGrid[4][4], engine::EmptyCell);
}

TEST(PlacePiece, AGivenRefusesEveryPieceWithTheRefusalSound)
{
    engine::Board board = Game();
    for (const int value : {-1, 0, 3}) {
        const auto result = PlacePiece(board, GameStatus::Playing, {0, 0}, value);
        EXPECT_EQ(result.kind, Kind::Refused) << value;
        EXPECT_EQ(result.sound, u"Impossible") << value;
        EXPECT_EQ(board.CurrentGrid[0][0], 0) << value;
    }
}

TEST(PlacePiece, OutsideADesignOrAGameNothingChanges)
{
    for (const GameStatus state : {GameStatus::Idle, GameStatus::Paused, GameStatus::Finished}) {
        engine::Board board = Game();
        const engine::Grid before = board.CurrentGrid;
        const auto result = PlacePiece(board, state, {4, 4}, 3);
        EXPECT_EQ(result.kind, Kind::Ignored) << int(state);
        EXPECT_TRUE(result.sound.isEmpty()) << int(state);
        EXPECT_EQ(board.CurrentGrid, before) << int(state);
    }
}

TEST(GridComplete, OnlyWhenEveryCellEqualsTheSolutionOrWhenForced)
{
    engine::Board board = Game();
    EXPECT_FALSE(GridComplete(board, false));
    EXPECT_TRUE(GridComplete(board, true)) << "forced, whatever the grid holds";

    board.CurrentGrid = board.SolutionGrid;
    EXPECT_TRUE(GridComplete(board, false));

    // A full grid with two digits swapped in one row is not the solution.
    std::swap(board.CurrentGrid[3][3], board.CurrentGrid[4][3]);
    EXPECT_FALSE(GridComplete(board, false));
}

TEST(GridComplete, AnUnfinishedSolutionCompletesNothing)
{
    engine::Board board;
    EXPECT_FALSE(GridComplete(board, false)) << "two empty grids are equal, not complete";
}
