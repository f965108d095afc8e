// The option arrows: stepping through a box's choices.
#include "presentation/Screens.h"

#include <gtest/gtest.h>

TEST(ChangeCombocontent, StepsThroughTheItemsAndWrapsRoundBothWays)
{
    // "zz" stands for a text from another language file.
    const std::tuple<const char*, int, const char*> steps[]{
        {"a", 1, "b"}, {"c", 1, "a"}, {"b", 0, "a"}, {"a", 0, "c"}, {"zz", 1, "a"}, {"zz", 0, "c"}};
    for (const auto& [text, direction, expected] : steps)
        EXPECT_EQ(presentation::ChangedChoice({"a", "b", "c"}, text, direction), expected) << text;
    EXPECT_EQ(presentation::ChangedChoice({}, "zz", 1), "zz");
}
