// Digit patterns and the pattern list complete grids are drawn from.
#include "engine/FullGrid.h"

#include <gtest/gtest.h>

using namespace engine;

TEST(DigitPattern, TextsPutRowOffsetsFirstAndInterleaveTheColumnOffsets)
{
    EXPECT_EQ(PatternText(0, 0, 0, 0, 0, 0), "012012012000111222");
    // Permutations 2..5 are "120", "102", "201", "210".
    EXPECT_EQ(PatternText(2, 3, 4, 5, 0, 1), "120102201200112021");
    EXPECT_EQ(PatternTextOf(PatternIdOf(2, 3, 4, 5, 0, 1)), PatternText(2, 3, 4, 5, 0, 1));
    const std::vector<Cell> diagonal{{0, 0}, {3, 1}, {6, 2}, {1, 3}, {4, 4},
                                     {7, 5}, {2, 6}, {5, 7}, {8, 8}};
    for (int b = 0; b < 9; ++b)
        EXPECT_EQ(PatternCell(PatternIdOf(0, 0, 0, 0, 0, 0), b), diagonal[b]) << "box " << b;
}

TEST(DigitPattern, EveryPatternHoldsOneCellPerRowColumnAndBox)
{
    for (int k = 0; k < PatternCount; ++k) {
        unsigned rows = 0;
        unsigned columns = 0;
        for (int b = 0; b < 9; ++b) {
            const Cell cell = PatternCell(PatternIdAt(k), b);
            ASSERT_EQ(BoxOf(cell.x, cell.y), b) << "pattern " << k;
            rows |= 1u << cell.y;
            columns |= 1u << cell.x;
        }
        ASSERT_EQ(rows, 0x1FFu) << "pattern " << k;
        ASSERT_EQ(columns, 0x1FFu) << "pattern " << k;
    }
}

TEST(PatternList, HoldsExactlyThePatternsSharingNoCellWithTheFirstInOrder)
{
    const PatternList list = BuildPatternList(5, 1, 2, 3, 4, 0);
    const std::string first = PatternText(5, 1, 2, 3, 4, 0);
    std::vector<PatternId> expected;
    for (int k = 0; k < PatternCount; ++k) {
        if (!PatternsConflict(PatternTextOf(PatternIdAt(k)), first))
            expected.push_back(PatternIdAt(k));
    }
    EXPECT_EQ(list.first, PatternIdOf(5, 1, 2, 3, 4, 0));
    EXPECT_EQ(list.others, expected);
}

TEST(PatternList, TakingAPatternRemovesEverythingThatConflictsKeepingOrder)
{
    std::vector<PatternId> list = BuildPatternList(0, 0, 0, 0, 0, 0).others;
    const std::vector<PatternId> before = list;
    Random random(99);
    Random copy(99);
    PatternId picked = 0;
    ASSERT_TRUE(TakeRandomPattern(list, random, picked));
    EXPECT_EQ(picked, before[copy.Draw(static_cast<std::uint32_t>(before.size()))]);
    std::vector<PatternId> expected;
    for (const PatternId id : before) {
        if (!PatternsConflict(PatternTextOf(id), PatternTextOf(picked)))
            expected.push_back(id);
    }
    EXPECT_EQ(list, expected); // the pick conflicts with itself, so it is gone too

    std::vector<PatternId> empty;
    EXPECT_FALSE(TakeRandomPattern(empty, random, picked));
    EXPECT_EQ(random.Seed(), copy.Seed()); // no draw for an empty list
}
