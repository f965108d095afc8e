// Game flow without widgets: the level, design validation, the play button and the hint's
// availability.
#include "control/GameFlow.h"

#include "Grids.h"
#include "engine/Generator.h"
#include "engine/Solver.h"

#include <stdexcept>

#include <gtest/gtest.h>

using game_testing::FakeLine;
using game_testing::GridOf;
using game_testing::Solved;

namespace {

const engine::CombinationLists& Lists()
{
    static const engine::CombinationLists lists = engine::BuildCombinationLists();
    return lists;
}

engine::Board Design(const engine::Grid& grid)
{
    engine::Board board;
    board.CurrentGrid = grid;
    return board;
}

} // namespace

TEST(LevelOfText, IsThePlaceOfTheTextAmongTheLevelNamesAndZeroForAnyOther)
{
    const std::array<QString, 5> names{"Très facile", "Facile", "Moyen", "Difficile",
                                       "Très difficile"};
    for (int level = 0; level < 5; ++level)
        EXPECT_EQ(control::LevelOfText(names[static_cast<std::size_t>(level)], names), level);
    EXPECT_EQ(control::LevelOfText("Very hard", names), 0) << "a name of another language";
    EXPECT_EQ(control::LevelOfText("difficile", names), 0) << "letter case counts";
    EXPECT_EQ(control::LevelOfText("", names), 0);
    const auto fromLines = control::LevelNames(FakeLine);
    EXPECT_EQ(control::LevelOfText("L26", fromLines), 3);
}

TEST(KeepsRules, FindsTheSameDigitTwiceInARowAColumnOrABox)
{
    EXPECT_TRUE(control::KeepsRules(engine::EmptyGrid()));
    EXPECT_TRUE(control::KeepsRules(GridOf(Solved)));
    engine::Grid row = engine::EmptyGrid();
    row[0][5] = 3;
    row[8][5] = 3;
    EXPECT_FALSE(control::KeepsRules(row));
    engine::Grid column = engine::EmptyGrid();
    column[6][0] = 8;
    column[6][7] = 8;
    EXPECT_FALSE(control::KeepsRules(column));
    engine::Grid box = engine::EmptyGrid();
    box[3][3] = 0;
    box[5][5] = 0;
    EXPECT_FALSE(control::KeepsRules(box));
    engine::Grid apart = box;
    apart[5][5] = 1;
    apart[4][8] = 0; // the same digit again, in another row, column and box
    EXPECT_TRUE(control::KeepsRules(apart));
}

TEST(ValidateDesign, RefusesADesignWithNothingLeftToPlay)
{
    engine::Board board = Design(GridOf(Solved));
    EXPECT_FALSE(control::ValidateDesign(board, Lists()).accepted);
}

TEST(ValidateDesign, AcceptsAGeneratedPuzzleWithItsGradeAndSolution)
{
    for (const std::uint32_t seed : {7u, 1234u}) {
        engine::Board generated;
        engine::Random random(seed);
        engine::GeneratePuzzle(generated, random, Lists(), 0);

        engine::Board board = Design(generated.StartGrid);
        const control::DesignVerdict verdict = control::ValidateDesign(board, Lists());
        EXPECT_TRUE(verdict.accepted) << seed;
        EXPECT_EQ(verdict.grade, 0) << "a very easy puzzle";
        EXPECT_EQ(board.SolutionGrid, generated.SolutionGrid);
        EXPECT_EQ(board.CurrentGrid, generated.StartGrid) << "the design stays as drawn";
    }
}

TEST(WaitCursor, ShowsTheHourglassAndPutsTheCursorBackEvenWhenTheWorkThrows)
{
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    try {
        control::WaitCursor wait;
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        throw std::runtime_error("No more values!");
    } catch (const std::runtime_error&) {}
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
