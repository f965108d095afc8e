// The game clock, the time text and the status bar's panels.
#include "control/Clock.h"

#include "Grids.h"

#include <gtest/gtest.h>

using control::AdvanceClock;
using control::ClockInterval;
using control::StatusBarTexts;
using control::TickAction;
using control::TickActionFor;
using control::TimeText;
using game_testing::FakeLine;

namespace {

const control::TimeWords Words{"min", "s", "more than an hour"};

double Ticks(double start, int count)
{
    double elapsed = start;
    for (int i = 0; i < count; ++i)
        elapsed = AdvanceClock(elapsed, ClockInterval);
    return elapsed;
}

} // namespace

TEST(AdvanceClock, TenTicksMakeExactlyOneSecondAndReadAsOneSecond)
{
    const double elapsed = Ticks(0, 10);
    EXPECT_EQ(elapsed, 1.0);
    EXPECT_EQ(TimeText(elapsed, Words), "0 min 1 s");
    // Every tick adds one interval, wherever the clock stood: a check's 20 s included.
    EXPECT_EQ(Ticks(20.0, 3), 20.3);
    EXPECT_EQ(Ticks(0, 600), 60.0);
}

TEST(AdvanceClock, AnHourOfTicksStillReadsSixtyMinutesAndTheNextTickIsOverTheHour)
{
    const double hour = Ticks(0, 36000);
    EXPECT_EQ(hour, 3600.0);
    EXPECT_EQ(TimeText(hour, Words), "60 min 0 s");
    EXPECT_EQ(TimeText(AdvanceClock(hour, ClockInterval), Words), "more than an hour");
}

TEST(TimeText, CutsTheFractionOffAndNeverRoundsUp)
{
    EXPECT_EQ(TimeText(0, Words), "0 min 0 s");
    EXPECT_EQ(TimeText(59.99, Words), "0 min 59 s");
    EXPECT_EQ(TimeText(61.5, Words), "1 min 1 s");
    EXPECT_EQ(TimeText(119.9, Words), "1 min 59 s");
    EXPECT_EQ(TimeText(3599.99, Words), "59 min 59 s");
    EXPECT_EQ(TimeText(3600.0, Words), "60 min 0 s");
    EXPECT_EQ(TimeText(3600.01, Words), "more than an hour");
    EXPECT_EQ(TimeText(3601, Words), "more than an hour");
}

TEST(TickActionFor, CountsOnlyWhilePlayingAndScramblesOnlyWhilePaused)
{
    EXPECT_EQ(TickActionFor(GameStatus::Playing), TickAction::Count);
    EXPECT_EQ(TickActionFor(GameStatus::Paused), TickAction::Scramble);
    for (const GameStatus state : {GameStatus::Idle, GameStatus::Designing, GameStatus::Finished})
        EXPECT_EQ(TickActionFor(state), TickAction::Nothing) << static_cast<int>(state);
}

TEST(StatusBarTexts, WritesPiecesTimeAndStateByTheGameState)
{
    const auto playing = StatusBarTexts(GameStatus::Playing, 46, true, FakeLine);
    EXPECT_EQ(playing.pieces, "L58 : 46");
    EXPECT_FALSE(playing.time) << "the running clock writes its own panel";
    EXPECT_EQ(playing.state, "L56");

    const auto designing = StatusBarTexts(GameStatus::Designing, 3, false, FakeLine);
    EXPECT_EQ(designing.pieces, "L58 : 3");
    EXPECT_EQ(designing.time, "L57");
    EXPECT_EQ(designing.state, "L54");

    EXPECT_EQ(StatusBarTexts(GameStatus::Idle, 0, false, FakeLine).state, "L54");
    EXPECT_EQ(StatusBarTexts(GameStatus::Idle, 0, false, FakeLine).pieces, "L58 : 0");
}
