// Grades, their limits and what the solver leaves in SolutionGrid.
#include "engine/Solver.h"

#include "support/Backtracking.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

const CombinationLists& Lists()
{
    static const CombinationLists lists = BuildCombinationLists();
    return lists;
}

// Generated at level 1 from seed 3327011984: 36 givens, solved by naked singles alone.
const std::string Level1Puzzle
    = "____7_9__+916__8_3_+2__53_1__+_2498_6_1+6_5_123__+3______72+8624____3+_738__4__+____6__8_";
const std::string Level1Solution
    = "538176924+916248735+247539168+724983651+685712349+391654872+862497513+173825496+459361287";
// Generated at level 2: 31 givens.
const std::string Level2Puzzle
    = "__4_5__78+7_5_42__9+__6__7_45+2_______4+_8947____+_______31+_____6___+91_23__5_+6_2__9_8_";
// Needs naked subsets by combination.
const std::string Grade4Puzzle
    = "4______6_+___8__5_2+_3_______+____7_4__+____2_8__+65__3____+_4____2__+____5__9_+8__9_3___";

Board BoardWith(const std::string& puzzle)
{
    Board board;
    board.ReadCurrentGridText(puzzle);
    return board;
}

} // namespace

TEST(SolveLogically, AFullGridIsSolvedAtGradeZeroWhateverTheHighestGrade)
{
    for (int highest = 0; highest <= 5; ++highest) {
        Board board = BoardWith(Level1Solution);
        EXPECT_EQ(SolveLogically(board, Lists(), highest), (SolveResult{true, 0}));
        EXPECT_EQ(board.SolutionGrid, board.CurrentGrid);
    }
}

TEST(SolveLogically, ThirtySixEmptyCellsSkipGradeZeroAndSolveAtGradeOne)
{
    Board board = BoardWith(Level1Puzzle);
    const Grid puzzle = board.CurrentGrid;
    EXPECT_EQ(SolveLogically(board, Lists(), 5), (SolveResult{true, 1}));
    EXPECT_EQ(board.WriteSolutionGridText(), Level1Solution);
    EXPECT_EQ(board.CurrentGrid, puzzle);
    // Allowed grade 0 only: the limits refuse it, so nothing runs and the givens come back.
    EXPECT_EQ(SolveLogically(board, Lists(), 0), (SolveResult{false, 1}));
    EXPECT_EQ(board.SolutionGrid, puzzle);
}

TEST(SolveLogically, ReturnsTheFirstGradeThatSolvesNotTheHighestAllowed)
{
    Board board = BoardWith(Level2Puzzle);
    EXPECT_EQ(SolveLogically(board, Lists(), 4), (SolveResult{true, 2}));
    EXPECT_EQ(SolveLogically(board, Lists(), 1), (SolveResult{false, 2}));
    EXPECT_FALSE(board.SolutionComplete());
}

TEST(SolveLogically, AGradeFourPuzzleNeedsTheCombinationSearch)
{
    Board board = BoardWith(Grade4Puzzle);
    EXPECT_EQ(SolveLogically(board, Lists(), 3), (SolveResult{false, 4}));
    EXPECT_EQ(SolveLogically(board, Lists(), 4), (SolveResult{true, 4}));
    EXPECT_TRUE(testsupport::IsValidFullGrid(board.SolutionGrid));
    Board check = BoardWith(Grade4Puzzle);
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            if (check.CurrentGrid[x][y] != EmptyCell) {
                EXPECT_EQ(board.SolutionGrid[x][y], check.CurrentGrid[x][y]);
            }
        }
    }
}

TEST(SolveLogically, AnUnsolvableGridGivesGradeFiveAndAHigherLimitActsAsFive)
{
    Board empty;
    EXPECT_EQ(SolveLogically(empty, Lists(), 5), (SolveResult{false, 5}));
    EXPECT_EQ(SolveLogically(empty, Lists(), 99), (SolveResult{false, 5}));
    EXPECT_EQ(SolveLogically(empty, Lists(), 2), (SolveResult{false, 3}));
    EXPECT_EQ(empty.SolutionGrid, EmptyGrid());
}

TEST(SolveLogically, ABoxWithOneGivenIsNeverGradedBelowThree)
{
    // The level 1 solution with box 0 thinned to one given: easy for naked singles, but
    // grades 0 to 2 refuse puzzles with a box of fewer than two givens.
    Board board = BoardWith(Level1Solution);
    for (int p = 1; p < 9; ++p)
        board.CurrentGrid[p % 3][p / 3] = EmptyCell;
    EXPECT_EQ(SolveLogically(board, Lists(), 5), (SolveResult{true, 3}));
    EXPECT_EQ(SolveLogically(board, Lists(), 2), (SolveResult{false, 3}));
}

TEST(SolveLogically, TrustsContradictoryGivensAndStillEnds)
{
    Board board = BoardWith(Level1Solution);
    board.CurrentGrid[0][0] = board.CurrentGrid[1][0]; // the same digit twice in row 0
    board.CurrentGrid[5][5] = EmptyCell;
    const SolveResult result = SolveLogically(board, Lists(), 5);
    EXPECT_TRUE(result.solved);
    EXPECT_FALSE(testsupport::IsValidFullGrid(board.SolutionGrid));
}
