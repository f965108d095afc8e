// The score line and the saved-game line, built and read back without any file.
#include "control/Records.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using control::SavedGameError;
using control::SaveProblem;

// A complete grid that keeps the rules, worked by hand: each row is the one above shifted by
// three, and by one more at each band.
constexpr std::string_view SolutionText = "123456789+456789123+789123456+"
                                          "234567891+567891234+891234567+"
                                          "345678912+678912345+912345678";

// A game in progress on that solution: a few pieces, among them a wrong 9 at row 9, column 2
// (the solution has a 1 there).
constexpr std::string_view CurrentText = "1_3____8_+_5_7_____+7________+"
                                         "_________+____9____+_________+"
                                         "________2+_________+_9_______";

engine::Grid GridOf(std::string_view text)
{
    engine::Grid grid = engine::EmptyGrid();
    engine::ReadGridText(text, grid);
    return grid;
}

const control::ScoreWords Words{"minutes", "secondes", "par [name] le [date]"};

std::string SavedLine(double seconds)
{
    return control::SavedGameLine("05/12/2026-13:02:08", GridOf(CurrentText), GridOf(SolutionText),
                                  seconds);
}

// A line with the text at 0-based position `at` replaced by `what`.
std::string Patched(std::string line, std::size_t at, std::string_view what)
{
    line.replace(at, what.size(), what);
    return line;
}

SaveProblem ProblemOf(const std::string& line, std::string& message)
{
    try {
        (void)control::ParseSavedGame(line);
    } catch (const SavedGameError& error) {
        message = error.what();
        return error.Problem();
    }
    ADD_FAILURE() << "the line was accepted: " << line;
    return SaveProblem::TooShort;
}

TEST(ScoreLine, CutsTheFractionAndSplitsMinutesAndSeconds)
{
    EXPECT_EQ(control::ScoreLine(75.9, Words, "Ana", "05/12/2026 - 13:02:08"),
              "1 minutes 15 secondes par Ana le 05/12/2026 - 13:02:08");
    EXPECT_EQ(control::ScoreLine(59.99, Words, "Ana", "d"), "0 minutes 59 secondes par Ana le d");
    EXPECT_EQ(control::ScoreLine(120.5, Words, "Ana", "d"), "2 minutes 0 secondes par Ana le d");
}

TEST(ScoreLine, FillsPlaceholdersInAnyLetterCase)
{
    const control::ScoreWords shouting{"m", "s", "[NAME] ([Date]) [nAmE]"};
    EXPECT_EQ(control::ScoreLine(1, shouting, "Léa", "d1"), "0 m 1 s Léa (d1) Léa");
    const control::ScoreWords plain{"m", "s", "bravo"};
    EXPECT_EQ(control::ScoreLine(1, plain, "Léa", "d1"), "0 m 1 s bravo");
}

TEST(ScoreLine, GivesTheDateToANameHoldingTheDatePlaceholderButNeverRepeatsTheName)
{
    EXPECT_EQ(control::ScoreLine(0, Words, "Bob [DATE]", "d1"),
              "0 minutes 0 secondes par Bob d1 le d1");
    EXPECT_EQ(control::ScoreLine(0, Words, "[name]", "d1"),
              "0 minutes 0 secondes par [name] le d1");
}

TEST(ScoreLine, NeverBreaksTheLineWhateverTheName)
{
    const std::string line
        = control::ScoreLine(3, Words, "Ana\r\nBob\rCid\nDan\tEve\u2028Fay\u0085Gus", "d");
    EXPECT_EQ(line, "0 minutes 3 secondes par Ana  Bob Cid Dan Eve Fay Gus le d");
}

TEST(SavedGameLine, PutsEachFieldAtItsPosition)
{
    const std::string line = SavedLine(120.5);
    EXPECT_EQ(line.substr(0, 19), "05/12/2026-13:02:08");
    EXPECT_EQ(line[19], ' ');
    EXPECT_EQ(line.substr(20, 89), CurrentText);
    EXPECT_EQ(line[109], ' ');
    EXPECT_EQ(line.substr(110, 89), SolutionText);
    EXPECT_EQ(line[199], '$');
    EXPECT_EQ(line.substr(200), "120.5");
}

TEST(SecondsText, WritesADotAndNoTrailingZeros)
{
    EXPECT_EQ(control::SecondsText(120.5), "120.5");
    EXPECT_EQ(control::SecondsText(0), "0");
    EXPECT_EQ(control::SecondsText(3600), "3600");
    double clock = 0;
    for (int tick = 0; tick < 10; ++tick)
        clock += 0.1; // the game clock's way of counting: 0.9999999999999999
    EXPECT_EQ(control::SecondsText(clock), "1");
    EXPECT_EQ(control::SecondsText(83.3999999999995), "83.3999999999995");
}

TEST(ParseSavedGame, AcceptsACommaOtherEmptyMarksAndTrailingSpaces)
{
    std::string line = SavedLine(83.4);
    line = line.substr(0, 200) + "83,4  ";
    line = Patched(line, 21, " "); // row 1, column 2 written as a space: still empty
    line = Patched(line, 23, "0"); // row 1, column 4 written as "0"
    const control::SavedGame game = control::ParseSavedGame(line);
    EXPECT_DOUBLE_EQ(game.elapsedSeconds, 83.4);
    EXPECT_EQ(game.current, GridOf(CurrentText));
}

TEST(ParseSavedGame, CountsPositionsInCharactersNotBytes)
{
    // A date written with a two-byte separator, as a file from another machine may hold.
    std::string line = SavedLine(7);
    line.replace(2, 1, "\u00B7");
    line.replace(5 + 1, 1, "\u00B7");
    const control::SavedGame game = control::ParseSavedGame(line);
    EXPECT_EQ(game.date, "05\u00B712\u00B72026-13:02:08");
    EXPECT_EQ(game.solution, GridOf(SolutionText));
    EXPECT_DOUBLE_EQ(game.elapsedSeconds, 7);
}

struct BadLine
{
    const char* what;
    std::string line;
    SaveProblem problem;
    const char* named; // a part of the message that says where the problem is
};

std::vector<BadLine> BadLines()
{
    const std::string good = SavedLine(42);
    return {
        {"an empty line", "", SaveProblem::Layout, "save date"},
        {"no space after the date", Patched(good, 19, "x"), SaveProblem::Layout, "save date"},
        {"a line cut in the current grid", good.substr(0, 60), SaveProblem::CurrentGrid,
         "only 36 of its 81 cells"},
        {"a line cut after a row of the current grid", good.substr(0, 29), SaveProblem::CurrentGrid,
         "only 9 of its 81 cells"},
        {"a letter among the current pieces", Patched(good, 20 + 12, "x"), SaveProblem::CurrentGrid,
         "row 2, column 3"},
        {"an accented letter among the current pieces", Patched(good, 20 + 3, "\u00E9"),
         SaveProblem::CurrentGrid, "a character at row 1, column 4"},
        {"a missing row separator", Patched(good, 20 + 39, "-"), SaveProblem::CurrentGrid,
         "after row 4"},
        {"no space after the current grid", Patched(good, 109, "+"), SaveProblem::Layout,
         "current grid"},
        {"a line cut in the solution", good.substr(0, 150), SaveProblem::SolutionGrid,
         "only 36 of its 81 cells"},
        {"an empty solution cell", Patched(good, 110 + 44, "0"), SaveProblem::SolutionGrid,
         "empty cell at row 5, column 5"},
        {"a digit twice in a solution row", Patched(good, 110 + 2, "1"), SaveProblem::SolutionGrid,
         "digit 1 twice in row 1"},
        // Swapping two cells of one row keeps the rows whole and breaks two columns.
        {"a digit twice in a solution column", Patched(good, 110, "213"), SaveProblem::SolutionGrid,
         "twice in column 1"},
        {"no dollar before the seconds", Patched(good, 199, " "), SaveProblem::Layout, "\"$\""},
        {"nothing after the dollar", good.substr(0, 200), SaveProblem::TooShort, "playing time"},
        {"seconds that are words", good.substr(0, 200) + "abc", SaveProblem::Seconds, "\"abc\""},
        {"negative seconds", good.substr(0, 200) + "-3", SaveProblem::Seconds, "\"-3\""},
        {"two decimal separators", good.substr(0, 200) + "1,2.5", SaveProblem::Seconds, "1,2.5"},
        {"infinite seconds", good.substr(0, 200) + "inf", SaveProblem::Seconds, "inf"},
        {"seconds followed by text", good.substr(0, 200) + "12s", SaveProblem::Seconds, "12s"},
    };
}

TEST(ParseSavedGame, RefusesEveryMalformedLineAndSaysWhy)
{
    for (const BadLine& bad : BadLines()) {
        std::string message;
        EXPECT_EQ(ProblemOf(bad.line, message), bad.problem) << bad.what << ": " << message;
        EXPECT_NE(message.find(bad.named), std::string::npos) << bad.what << ": " << message;
    }
}

TEST(ParseSavedGame, FindsADigitTwiceInABoxWhenRowsAndColumnsAreWhole)
{
    // Rows 1..3 shifted by one instead of three: every row and column keeps nine digits.
    const std::string solution = "123456789+234567891+345678912+"
                                 "456789123+567891234+678912345+"
                                 "789123456+891234567+912345678";
    std::string line = SavedLine(1);
    line.replace(110, 89, solution);
    std::string message;
    EXPECT_EQ(ProblemOf(line, message), SaveProblem::SolutionGrid);
    EXPECT_NE(message.find("twice in box 1"), std::string::npos) << message;
}

} // namespace
