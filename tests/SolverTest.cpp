// The generator's set-up of the board, and the hint.
#include "engine/Solver.h"

#include "engine/Generator.h"
#include "engine/Hint.h"

#include <gtest/gtest.h>

using namespace engine;

const CombinationLists Lists = BuildCombinationLists();

const std::string Solution
    = "538176924+916248735+247539168+724983651+685712349+391654872+862497513+173825496+459361287";

TEST(GeneratePuzzle, SetsUpAFreshBoardTakingALevelOutsideTheScaleAsZero)
{
    // The puzzles themselves are checked against the independent implementation's.
    const auto generate = [](int level) {
        Board board;
        board.CandidateMarks[4][4][4] = 1; // of the game before
        Random random(2024);
        GeneratePuzzle(board, random, Lists, level);
        return board;
    };
    const Board levelZero = generate(0);
    for (const int level : {-1, 0, 5}) {
        SCOPED_TRACE(level);
        const Board board = generate(level);
        EXPECT_EQ(board.StartGrid, levelZero.StartGrid);
        EXPECT_TRUE(board.StartGrid == board.CurrentGrid && board.SpareGrid == board.SolutionGrid
                    && board.CandidateMarks == MarkTable{});
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
