// Board input: a press on an open ring takes the hovered choice, and only one of 1 to 10.
#include "control/BoardInput.h"

#include <gtest/gtest.h>

using Kind = control::ClickResult::Kind;

TEST(DecideClick, AnOpenRingWithNothingHoveredOnlyClosesAndAFinishedGameTakesNoPress)
{
    const auto press = [](int choice, bool left, GameStatus state = GameStatus::Playing) {
        // The point does not matter once the ring is open: the hovered choice decides.
        return control::DecideClick({state, true, choice, left, QPoint(500, 500)},
                                    control::BoardArea{}, engine::Board{}, engine::Cell{3, 7})
            .kind;
    };
    for (const int choice : {control::NoChoice, -1, 0, 11})
        for (const bool left : {true, false})
            EXPECT_EQ(press(choice, left), Kind::Dismiss) << choice << left;
    EXPECT_EQ(press(1, true), Kind::Place);
    EXPECT_EQ(press(10, false), Kind::ToggleMark);
    EXPECT_EQ(press(6, true, GameStatus::Finished), Kind::Ignore);
}
