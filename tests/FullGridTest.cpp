// Digit patterns and the pattern list complete grids are drawn from.
#include "engine/FullGrid.h"

#include <gtest/gtest.h>

using namespace engine;

TEST(DigitPattern, TextsGiveRowThenColumnOffsetsOfOneCellInEachRowEachColumn)
{
    EXPECT_EQ(PatternText(0, 0, 0, 0, 0, 0), "012012012000111222");
    // Permutations 2..5 are "120", "102", "201", "210".
    EXPECT_EQ(PatternText(2, 3, 4, 5, 0, 1), "120102201200112021");
    EXPECT_EQ(PatternTextOf(PatternIdOf(2, 3, 4, 5, 0, 1)), PatternText(2, 3, 4, 5, 0, 1));
    for (int k = 0; k < PatternCount; ++k) {
        const std::string text = PatternTextOf(PatternIdAt(k));
        unsigned rows = 0, columns = 0;
        for (int b = 0; b < 9; ++b) {
            const Cell cell = PatternCell(PatternIdAt(k), b);
            ASSERT_EQ(cell,
                      (Cell{BoxOriginX(b) + text[9 + b] - '0', BoxOriginY(b) + text[b] - '0'}))
                << text << " box " << b;
            rows |= 1u << cell.y;
            columns |= 1u << cell.x;
        }
        ASSERT_EQ(rows & columns, 0x1FFu) << text;
    }
}

TEST(PatternList, HoldsInOrderThePatternsSharingNoCellWithTheFirstUntilTaken)
{
    const PatternList built = BuildPatternList(5, 1, 2, 3, 4, 0);
    std::vector<PatternId> expected;
    for (int k = 0; k < PatternCount; ++k)
        if (!PatternsConflict(PatternTextOf(PatternIdAt(k)), PatternText(5, 1, 2, 3, 4, 0)))
            expected.push_back(PatternIdAt(k));
    EXPECT_EQ(built.first, PatternIdOf(5, 1, 2, 3, 4, 0));
    EXPECT_EQ(built.others, expected);
    std::vector<PatternId> list = built.others;
    Random random(99), copy(99);
    PatternId picked = 0;
    ASSERT_TRUE(TakeRandomPattern(list, random, picked));
    EXPECT_EQ(picked, expected[copy.Draw(static_cast<std::uint32_t>(expected.size()))]);
    std::erase_if(expected, [&](PatternId id) { // the pick conflicts with itself
        return PatternsConflict(PatternTextOf(id), PatternTextOf(picked));
    });
    EXPECT_EQ(list, expected);
    std::vector<PatternId> empty;
    EXPECT_FALSE(TakeRandomPattern(empty, random, picked));
    EXPECT_EQ(random.Seed(), copy.Seed()); // no draw for an empty list
}
