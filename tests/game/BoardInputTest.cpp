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

TEST(InsideBoard, NeedsFourPixelsInsideEveryEdgeBoundsIncluded)
{
    // left 298 + 4 = 302, right 298 + 540 - 4 = 834, top 144, bottom 676
    EXPECT_FALSE(InsideBoard({301, 400}, Area));
    EXPECT_TRUE(InsideBoard({302, 400}, Area));
    EXPECT_TRUE(InsideBoard({834, 400}, Area));
    EXPECT_FALSE(InsideBoard({835, 400}, Area));
    EXPECT_FALSE(InsideBoard({500, 143}, Area));
    EXPECT_TRUE(InsideBoard({500, 144}, Area));
    EXPECT_TRUE(InsideBoard({500, 676}, Area));
    EXPECT_FALSE(InsideBoard({500, 677}, Area));
}

TEST(PickerCorner, IsTheCellCentreLessNinetyPixels)
{
    EXPECT_EQ(control::PickerCorner({0, 0}, Area), QPoint(238, 80));
    EXPECT_EQ(control::PickerCorner({8, 8}, Area), QPoint(718, 560));
    EXPECT_EQ(control::PickerCorner({4, 2}, {0, 0, 90, 90, 10, 10}), QPoint(-45, -65));
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

TEST(RingClosesOnMove, ClosesAnIdleRingOnlyBeyondTheBoardsSurroundings)
{
    EXPECT_TRUE(RingClosesOnMove(true, control::NoChoice, {298 - 35, 400}, Area)) << "strict";
    EXPECT_FALSE(RingClosesOnMove(true, control::NoChoice, {298 + 540 + 19, 400}, Area));
    EXPECT_TRUE(RingClosesOnMove(true, control::NoChoice, {298 + 540 + 20, 400}, Area));
    EXPECT_TRUE(RingClosesOnMove(true, control::NoChoice, {500, 140 - 35}, Area));
    EXPECT_FALSE(RingClosesOnMove(true, control::NoChoice, {500, 140 + 540 + 19}, Area));
    EXPECT_FALSE(RingClosesOnMove(true, 4, {0, 0}, Area)) << "a hovered choice keeps it open";
    EXPECT_FALSE(RingClosesOnMove(false, control::NoChoice, {0, 0}, Area));
}

TEST(UnlocksCompletion, OnlyTheMainKeyboardsOneUnderTheExactName)
{
    EXPECT_TRUE(control::UnlocksCompletion(49, false, QStringLiteral("Malbérun")));
    EXPECT_FALSE(control::UnlocksCompletion(49, true, QStringLiteral("Malbérun")));
    EXPECT_FALSE(control::UnlocksCompletion(50, false, QStringLiteral("Malbérun")));
    EXPECT_FALSE(control::UnlocksCompletion(49, false, QStringLiteral("Malberun")));
    EXPECT_FALSE(control::UnlocksCompletion(49, false, QStringLiteral("malbérun")));
    EXPECT_FALSE(control::UnlocksCompletion(49, false, QStringLiteral("Malbérun ")));
}
