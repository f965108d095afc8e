// Board input: hit tests, the ring's place and geometry, clicks, moves and the key.
#include "control/BoardInput.h"

#include "Grids.h"

#include <gtest/gtest.h>

using control::BoardArea;
using control::CellAt;
using control::ClickInput;
using control::ClickResult;
using control::DecideClick;
using control::InsideBoard;
using control::RingClosesOnMove;
using engine::Cell;
using Kind = ClickResult::Kind;

namespace {

const BoardArea Area; // left 298, top 140, 540 x 540, cells of 60

ClickResult Click(GameStatus state, QPoint point, const engine::Board& board)
{
    return DecideClick({state, false, control::NoChoice, true, point}, Area, board, {});
}

ClickResult ClickOnRing(int choice, bool left, GameStatus state = GameStatus::Playing)
{
    // The point does not matter once the ring is open: the hovered choice decides.
    return DecideClick({state, true, choice, left, QPoint(5, 5)}, Area, engine::Board{},
                       Cell{3, 7});
}

} // namespace

TEST(CellAt, DividesTowardZeroSoThatPointsJustOutsideGiveTheEdgeCells)
{
    EXPECT_EQ(CellAt({298, 140}, Area), (Cell{0, 0}));
    EXPECT_EQ(CellAt({357, 199}, Area), (Cell{0, 0}));
    EXPECT_EQ(CellAt({358, 200}, Area), (Cell{1, 1}));
    EXPECT_EQ(CellAt({837, 679}, Area), (Cell{8, 8}));
    EXPECT_EQ(CellAt({295, 137}, Area), (Cell{0, 0})) << "not -1";
    EXPECT_EQ(CellAt({238, 80}, Area), (Cell{-1, -1}));
}

TEST(DecideClick, TheRingOpensInEveryStateButAFinishedGame)
{
    const engine::Board board;
    for (const GameStatus state :
         {GameStatus::Idle, GameStatus::Designing, GameStatus::Playing, GameStatus::Paused})
        EXPECT_EQ(Click(state, {500, 500}, board).kind, Kind::OpenRing) << int(state);
    const ClickResult finished = Click(GameStatus::Finished, {500, 500}, board);
    EXPECT_EQ(finished.kind, Kind::Ignore);
    EXPECT_FALSE(finished.pickerCorner);
    EXPECT_EQ(ClickOnRing(6, true, GameStatus::Finished).kind, Kind::Ignore);
}

TEST(DecideClick, AnOpenRingPlacesWithTheLeftButtonAndMarksWithTheOthers)
{
    const ClickResult digit = ClickOnRing(6, true);
    EXPECT_EQ(digit.kind, Kind::Place);
    EXPECT_EQ(digit.value, 4) << "choice 6 is the digit 5";
    EXPECT_EQ(digit.cell, (Cell{3, 7})) << "the ring's own cell, not the one clicked";
    EXPECT_EQ(ClickOnRing(1, true).value, -1);
    EXPECT_EQ(ClickOnRing(10, true).value, 8);
    EXPECT_EQ(ClickOnRing(10, false).kind, Kind::ToggleMark);
    EXPECT_EQ(ClickOnRing(1, false).kind, Kind::Close) << "erase holds no mark";
}

TEST(DecideClick, AnOpenRingWithNothingHoveredOnlyCloses)
{
    for (const int choice : {control::NoChoice, -1, 0, 11})
        for (const bool left : {true, false})
            EXPECT_EQ(ClickOnRing(choice, left).kind, Kind::Dismiss) << choice << left;
}
