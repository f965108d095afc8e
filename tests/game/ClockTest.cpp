// The game clock's count and the time text.
#include "control/Clock.h"

#include <utility>

#include <gtest/gtest.h>

using control::TimeText;

TEST(TimeText, CutsTheFractionOffAndReadsAnHourOfTicksAsSixtyMinutesNotMore)
{
    const control::TimeWords words{"min", "s", "more than an hour"};
    const std::pair<double, const char*> cases[]{
        {0, "0 min 0 s"},         {59.99, "0 min 59 s"},          {119.9, "1 min 59 s"},
        {3599.99, "59 min 59 s"}, {3600.01, "more than an hour"}, {3601, "more than an hour"},
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(TimeText(seconds, words), text) << seconds;
    // An hour of ticks, without the drift that adding 0.1 each time would make.
    double hour = 0;
    for (int tick = 0; tick < 36000; ++tick)
        hour = control::AdvanceClock(hour, control::ClockInterval);
    EXPECT_EQ(TimeText(hour, words), "60 min 0 s");
    EXPECT_EQ(TimeText(control::AdvanceClock(hour, control::ClockInterval), words),
              "more than an hour");
}
