// Properties of generated puzzles on fixed seeds, at every level.
#include "engine/Generator.h"

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

struct Generated
{
    Board board;
    GenerationStats stats;
};

Generated Generate(int level, std::uint32_t seed)
{
    Generated generated;
    generated.board.CandidateMarks[4][4][4] = 1;
    Random random(seed);
    generated.stats = GeneratePuzzle(generated.board, random, Lists(), level);
    return generated;
}

int FewestGivensInABox(const Board& board)
{
    int fewest = 9;
    for (int b = 0; b < 9; ++b)
        fewest = std::min(fewest, board.FilledInBox(BoxOriginX(b), BoxOriginY(b)));
    return fewest;
}

class GeneratedPuzzle : public ::testing::TestWithParam<int>
{};

} // namespace

TEST_P(GeneratedPuzzle, IsSolvedAtItsLevelToItsOwnSolutionWhichIsUnique)
{
    const int level = GetParam();
    for (std::uint32_t seed : {11u, 2024u, 777777u, 4000000000u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Generated generated = Generate(level, seed);
        Board& board = generated.board;
        EXPECT_EQ(board.StartGrid, board.CurrentGrid);
        EXPECT_EQ(board.SpareGrid, board.SolutionGrid);
        EXPECT_EQ(board.CandidateMarks[4][4][4], 0);
        ASSERT_TRUE(testsupport::IsValidFullGrid(board.SolutionGrid));
        for (int x = 0; x < 9; ++x) {
            for (int y = 0; y < 9; ++y) {
                if (board.CurrentGrid[x][y] != EmptyCell) {
                    EXPECT_EQ(board.CurrentGrid[x][y], board.SolutionGrid[x][y]);
                }
            }
        }
        EXPECT_EQ(testsupport::CountSolutions(board.CurrentGrid), 1);
        EXPECT_LE(board.EmptyCellCount(), RemovalTarget[level]);
        EXPECT_GT(generated.stats.solverCalls, 0);

        const Grid solution = board.SolutionGrid;
        const SolveResult result = SolveLogically(board, Lists(), level);
        EXPECT_TRUE(result.solved);
        EXPECT_LE(result.grade, level);
        EXPECT_EQ(board.SolutionGrid, solution);
        if (level <= 2) {
            EXPECT_GE(FewestGivensInABox(board), 2);
        }
        if (level <= 3 && board.EmptyCellCount() == RemovalTarget[level]) {
            EXPECT_EQ(result.grade, level)
                << "a puzzle that reaches its target grades at its level";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, GeneratedPuzzle, ::testing::Values(0, 1, 2, 3, 4));

TEST(GeneratePuzzle, VeryEasyPuzzlesKeepFortySixGivensWithAboutOneSolverCallPerRemoval)
{
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        const Generated generated = Generate(0, seed * 7919u);
        EXPECT_EQ(generated.board.FilledCellCount(), 46);
        EXPECT_GE(generated.stats.solverCalls, 35);
        EXPECT_LT(generated.stats.solverCalls, 60);
    }
}

TEST(GeneratePuzzle, EasyPuzzlesTryEveryCellWhileGradeZeroStillSolvesThem)
{
    // With at most 35 empty cells no removal grades 1, so removals 1 to 35 each try every
    // filled cell: 81 + 80 + ... + 47 solver calls before the first removal that can grade 1.
    const Generated generated = Generate(1, 99);
    EXPECT_EQ(generated.board.FilledCellCount(), 36);
    int everyCell = 0;
    for (int filled = 81; filled >= 47; --filled)
        everyCell += filled;
    EXPECT_GT(generated.stats.solverCalls, everyCell);
    EXPECT_LT(generated.stats.solverCalls, everyCell + 200);
    Board board = generated.board;
    EXPECT_EQ(SolveLogically(board, Lists(), 5), (SolveResult{true, 1}));
}

TEST(GeneratePuzzle, TheSameSeedGivesTheSamePuzzleAndAnUnknownLevelActsAsZero)
{
    const Generated first = Generate(3, 31337);
    const Generated second = Generate(3, 31337);
    EXPECT_EQ(first.board.StartGrid, second.board.StartGrid);
    EXPECT_EQ(first.stats.solverCalls, second.stats.solverCalls);
    const Generated unknown = Generate(9, 5);
    const Generated zero = Generate(0, 5);
    EXPECT_EQ(unknown.board.StartGrid, zero.board.StartGrid);
}

TEST(GeneratePuzzle, VeryHardPuzzlesStopWhenNoFurtherRemovalIsSolvable)
{
    Generated generated = Generate(4, 123456);
    Board& board = generated.board;
    for (const Cell cell : board.FilledCellList()) {
        Board thinner = board;
        thinner.CurrentGrid[cell.x][cell.y] = EmptyCell;
        EXPECT_FALSE(SolveLogically(thinner, Lists(), 4).solved) << cell.x << "," << cell.y;
    }
}
