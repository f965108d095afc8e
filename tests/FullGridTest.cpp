// Digit patterns, the pattern list and complete grids.
#include "engine/FullGrid.h"

#include "support/Backtracking.h"

#include <gtest/gtest.h>

using namespace engine;

TEST(DigitPattern, SixZeroIndicesGiveTheDiagonalOfBoxes)
{
    EXPECT_EQ(PatternText(0, 0, 0, 0, 0, 0), "012012012000111222");
    const std::vector<Cell> expected{{0, 0}, {3, 1}, {6, 2}, {1, 3}, {4, 4},
                                     {7, 5}, {2, 6}, {5, 7}, {8, 8}};
    for (int b = 0; b < 9; ++b)
        EXPECT_EQ(PatternCell(PatternIdOf(0, 0, 0, 0, 0, 0), b), expected[b]) << "box " << b;
}

TEST(DigitPattern, RowOffsetsComeFromTheFirstThreeIndicesAndColumnOffsetsInterleave)
{
    // P[2] = "120", P[3] = "102", P[4] = "201", P[5] = "210".
    EXPECT_EQ(PatternText(2, 3, 4, 5, 0, 1),
              "120102201"
              "200112021");
    EXPECT_EQ(PatternTextOf(PatternIdOf(2, 3, 4, 5, 0, 1)), PatternText(2, 3, 4, 5, 0, 1));
}

TEST(DigitPattern, EveryPatternHoldsOneCellPerRowColumnAndBoxAndConflictsWithItself)
{
    for (int k = 0; k < PatternCount; k += 7) {
        const PatternId id = PatternIdAt(k);
        std::array<int, 9> rows{};
        std::array<int, 9> columns{};
        for (int b = 0; b < 9; ++b) {
            const Cell cell = PatternCell(id, b);
            EXPECT_EQ(BoxOf(cell.x, cell.y), b);
            ++rows[cell.y];
            ++columns[cell.x];
        }
        EXPECT_EQ(rows, (std::array<int, 9>{1, 1, 1, 1, 1, 1, 1, 1, 1}));
        EXPECT_EQ(columns, (std::array<int, 9>{1, 1, 1, 1, 1, 1, 1, 1, 1}));
        const std::string text = PatternTextOf(id);
        EXPECT_TRUE(PatternsConflict(text, text));
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

TEST(PatternList, TakingAPatternRemovesItAndEverythingThatConflictsKeepingOrder)
{
    PatternList list = BuildPatternList(0, 0, 0, 0, 0, 0);
    std::vector<PatternId> before = list.others;
    Random random(99);
    Random copy(99);
    const auto index = copy.Draw(static_cast<std::uint32_t>(before.size()));
    PatternId picked = 0;
    ASSERT_TRUE(TakeRandomPattern(list.others, random, picked));
    EXPECT_EQ(picked, before[index]);
    std::vector<PatternId> expected;
    for (const PatternId id : before) {
        if (!PatternsConflict(PatternTextOf(id), PatternTextOf(picked)))
            expected.push_back(id);
    }
    EXPECT_EQ(list.others, expected);
}

TEST(PatternList, AnEmptyListGivesNoPatternAndDrawsNothing)
{
    std::vector<PatternId> empty;
    Random random(7);
    PatternId picked = 0;
    EXPECT_FALSE(TakeRandomPattern(empty, random, picked));
    EXPECT_EQ(random.Seed(), 7u);
}

TEST(GenerateFullGrid, EveryGridOnFixedSeedsIsValidAndTheMarksAreCleared)
{
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        Board board;
        board.CandidateMarks[1][1][1] = 1;
        Random random(seed * 2654435761u);
        GenerateFullGrid(board, random);
        EXPECT_TRUE(testsupport::IsValidFullGrid(board.CurrentGrid)) << "seed " << seed;
        EXPECT_EQ(board.CandidateMarks[1][1][1], 0);
    }
}

TEST(GenerateFullGrid, TheSameSeedGivesTheSameGrid)
{
    Board first;
    Board second;
    Random a(424242);
    Random b(424242);
    GenerateFullGrid(first, a);
    GenerateFullGrid(second, b);
    EXPECT_EQ(first.CurrentGrid, second.CurrentGrid);
    EXPECT_EQ(a.Seed(), b.Seed());
}
