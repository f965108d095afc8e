// Hint candidates and the choice between wrong pieces and a hint cell.
#include "engine/Hint.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

const CombinationLists& Lists()
{
    static const CombinationLists lists = BuildCombinationLists();
    return lists;
}

const std::string Solution
    = "538176924+916248735+247539168+724983651+685712349+391654872+862497513+173825496+459361287";
const std::string Puzzle
    = "____7_9__+916__8_3_+2__53_1__+_2498_6_1+6_5_123__+3______72+8624____3+_738__4__+____6__8_";

Board GameInProgress()
{
    Board board;
    board.ReadSolutionGridText(Solution);
    board.ReadCurrentGridText(Puzzle);
    board.CopyCurrentToStart();
    return board;
}

} // namespace

TEST(ChooseHint, WrongPiecesAreListedRowByRowAndNothingIsPlaced)
{
    Board board = GameInProgress();
    board.CurrentGrid[1][2] = board.SolutionGrid[1][2] == 0 ? 1 : 0; // wrong, row 2
    board.CurrentGrid[0][1] = board.SolutionGrid[0][1]; // right
    board.CurrentGrid[8][0] = board.SolutionGrid[8][0] == 0 ? 1 : 0; // wrong, row 0
    const Grid before = board.CurrentGrid;
    Random random(5);
    const HintChoice choice = ChooseHint(board, random, Lists());
    EXPECT_EQ(choice.kind, HintChoice::Kind::WrongPieces);
    EXPECT_EQ(choice.wrong, (std::vector<Cell>{{8, 0}, {1, 2}}));
    EXPECT_EQ(board.CurrentGrid, before);
    EXPECT_EQ(random.Seed(), 5u);
}

TEST(ChooseHint, NothingNarrowedToOneValueGivesNoHint)
{
    Board board; // an empty board: every text holds all nine values
    board.ReadSolutionGridText(Solution);
    Random random(5);
    EXPECT_EQ(ChooseHint(board, random, Lists()).kind, HintChoice::Kind::NoHint);
    EXPECT_EQ(board.CurrentGrid, EmptyGrid());
}

TEST(ChooseHint, PlacesTheSolutionDigitInACellThatIsNotAGiven)
{
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
        Board board = GameInProgress();
        Random random(seed);
        const HintChoice choice = ChooseHint(board, random, Lists());
        ASSERT_EQ(choice.kind, HintChoice::Kind::Placed);
        EXPECT_EQ(board.StartGrid[choice.cell.x][choice.cell.y], EmptyCell);
        EXPECT_EQ(choice.value, board.SolutionGrid[choice.cell.x][choice.cell.y]);
        EXPECT_EQ(board.CurrentGrid[choice.cell.x][choice.cell.y], choice.value);
        EXPECT_EQ(board.FilledCellCount(), 37);
    }
}

TEST(ChooseHint, CanFallOnACellThePlayerFilledAndNeverOnAGiven)
{
    // Two cells are not givens; the player has already filled one correctly. Both have a single
    // text, so both can be drawn; drawing the filled one leaves the count of filled cells alone.
    Board board;
    board.ReadSolutionGridText(Solution);
    board.ReadCurrentGridText(Solution);
    board.CurrentGrid[2][2] = EmptyCell;
    board.CurrentGrid[6][6] = EmptyCell;
    board.CopyCurrentToStart();
    board.CurrentGrid[6][6] = board.SolutionGrid[6][6];
    bool sawFilled = false;
    bool sawEmpty = false;
    for (std::uint32_t seed = 0; seed < 30; ++seed) {
        Board game = board;
        Random random(seed);
        const HintChoice choice = ChooseHint(game, random, Lists());
        ASSERT_EQ(choice.kind, HintChoice::Kind::Placed);
        sawFilled |= choice.cell == (Cell{6, 6});
        sawEmpty |= choice.cell == (Cell{2, 2});
        EXPECT_TRUE(choice.cell == (Cell{6, 6}) || choice.cell == (Cell{2, 2}));
        EXPECT_EQ(game.FilledCellCount(), choice.cell == (Cell{6, 6}) ? 80 : 81);
    }
    EXPECT_TRUE(sawFilled);
    EXPECT_TRUE(sawEmpty);
}

TEST(HintCandidates, HigherLevelsNarrowAtLeastAsFarAndNeverLoseTheSolution)
{
    Board board = GameInProgress();
    const CandidateTexts low = HintCandidates(board, Lists(), 0);
    const CandidateTexts high = HintCandidates(board, Lists(), 4);
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            EXPECT_TRUE(high[x][y].Has(board.SolutionGrid[x][y]));
            EXPECT_EQ(low[x][y] | high[x][y], low[x][y]);
        }
    }
    EXPECT_EQ(board.WriteCurrentGridText(), Puzzle); // nothing is placed
}
