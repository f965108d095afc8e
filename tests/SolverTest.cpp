// The solver's grades and their limits, the puzzles graded while generating, and the hint.
#include "engine/Solver.h"

#include "engine/Generator.h"
#include "engine/Hint.h"
#include "support/Backtracking.h"

#include <gtest/gtest.h>

using namespace engine;

const CombinationLists Lists = BuildCombinationLists();

const std::string Solution
    = "538176924+916248735+247539168+724983651+685712349+391654872+862497513+173825496+459361287";
// 45 empty cells, generated at level 1: naked singles solve it.
const std::string Level1
    = "____7_9__+916__8_3_+2__53_1__+_2498_6_1+6_5_123__+3______72+8624____3+_738__4__+____6__8_";
// 61 empty cells; needs naked subsets by combination.
const std::string Grade4
    = "4______6_+___8__5_2+_3_______+____7_4__+____2_8__+65__3____+_4____2__+____5__9_+8__9_3___";
// The solution with box 0 thinned to one given.
const std::string SparseBox
    = "5__176924+___248735+___539168+724983651+685712349+391654872+862497513+173825496+459361287";
// Two 3s in row 0 and one empty cell, whose peers do not see the clash.
const std::string Clash
    = "338176924+916248735+247539168+724983651+685712349+39165_872+862497513+173825496+459361287";
const std::string Empty(81, '_');

TEST(SolveLogically, GivesTheFirstGradeWithinItsLimitsThatSolvesThePuzzle)
{
    // Puzzle, highest grade, result. 45 empty cells are over grade 0's limit, and grades 0 to 2
    // refuse a box with fewer than two givens; a highest grade below 0 acts as 0 and one above 5 as
    // 5; clashing givens are trusted.
    const std::vector<std::tuple<std::string, int, SolveResult>> cases{
        {Solution, 0, {true, 0}}, {Solution, 5, {true, 0}},  {Level1, 5, {true, 1}},
        {Level1, 0, {false, 1}},  {Level1, -1, {false, 1}},  {Grade4, 4, {true, 4}},
        {Grade4, 3, {false, 4}},  {SparseBox, 5, {true, 3}}, {SparseBox, 2, {false, 3}},
        {Empty, 5, {false, 5}},   {Empty, 99, {false, 5}},   {Empty, 2, {false, 3}},
        {Clash, 5, {true, 0}}};
    for (const auto& [puzzle, highest, expected] : cases) {
        SCOPED_TRACE(puzzle + " up to grade " + std::to_string(highest));
        Board board;
        board.ReadCurrentGridText(puzzle);
        const Grid givens = board.CurrentGrid;
        EXPECT_EQ(SolveLogically(board, Lists, highest), expected);
        EXPECT_EQ(board.CurrentGrid, givens);
        // A solved puzzle gets its solution, an unsolved one was refused or stalled at once.
        Grid solution = givens;
        testsupport::CountSolutions(givens, 1, &solution);
        EXPECT_EQ(board.SolutionGrid, expected.solved ? solution : givens);
    }
}

TEST(GeneratePuzzle, EveryLevelGivesAUniquePuzzleSolvedAtThatLevelToItsOwnSolution)
{
    const auto generate = [](int level, std::uint32_t seed) {
        Board board;
        board.CandidateMarks[4][4][4] = 1; // of the game before
        Random random(seed);
        GeneratePuzzle(board, random, Lists, level);
        return board;
    };
    for (int level = 0; level <= 4; ++level)
        for (std::uint32_t seed : {11u, 2024u, 31337u, 777777u, 4000000000u}) {
            SCOPED_TRACE("level " + std::to_string(level) + ", seed " + std::to_string(seed));
            Board board = generate(level, seed);
            EXPECT_TRUE(board.StartGrid == board.CurrentGrid
                        && board.SpareGrid == board.SolutionGrid
                        && board.CandidateMarks[4][4][4] == 0);
            Grid solution = EmptyGrid();
            ASSERT_EQ(testsupport::CountSolutions(board.CurrentGrid, 2, &solution), 1);
            ASSERT_EQ(board.SolutionGrid, solution);
            const SolveResult result = SolveLogically(board, Lists, level);
            EXPECT_TRUE(result.solved && (result.grade == level || level == 4)) << result.grade;
            EXPECT_EQ(board.SolutionGrid, solution);
            if (level == 0) {
                EXPECT_EQ(board.FilledCellCount(), 46);
                for (const int unknown : {-1, 5}) // a level outside 0..4 acts as 0
                    EXPECT_EQ(generate(unknown, seed).StartGrid, board.StartGrid) << unknown;
            }
            for (int b = 0; b < 9 && level <= 2; ++b)
                EXPECT_GE(board.FilledInBox(BoxOriginX(b), BoxOriginY(b)), 2) << "box " << b;
            // A very hard puzzle is thinned until no further removal can be solved.
            for (const Cell cell : level == 4 ? board.FilledCellList() : std::vector<Cell>{}) {
                Board thinner = board;
                thinner.CurrentGrid[cell.x][cell.y] = EmptyCell;
                EXPECT_FALSE(SolveLogically(thinner, Lists, 4).solved) << cell.x << "," << cell.y;
            }
        }
}

TEST(ChooseHint, ListsWrongPiecesRowByRowOrElseGivesNoHintWhenNoTextIsSingle)
{
    Board board;
    board.ReadSolutionGridText(Solution);
    board.CurrentGrid[1][2] = board.CurrentGrid[8][0] = 0; // a 1 where a 4 belongs: wrong
    board.CurrentGrid[0][1] = board.SolutionGrid[0][1]; // right
    const Grid before = board.CurrentGrid;
    Random random(5);
    const HintChoice choice = ChooseHint(board, random, Lists);
    EXPECT_EQ(choice.kind, HintChoice::Kind::WrongPieces);
    EXPECT_EQ(choice.wrong, (std::vector<Cell>{{8, 0}, {1, 2}}));
    EXPECT_EQ(board.CurrentGrid, before);
    board.ClearBoard(); // every text holds all nine values
    EXPECT_EQ(ChooseHint(board, random, Lists).kind, HintChoice::Kind::NoHint);
    EXPECT_TRUE(board.CurrentGrid == EmptyGrid() && random.Seed() == 5u); // neither draws
}
