// The command language of orvante-engine.
#include "EngineCli.h"

#include <sstream>

#include <gtest/gtest.h>

using enginecli::RunCommand;
using enginecli::SplitWords;

namespace {

std::string RunEngine(const std::vector<std::string>& arguments,
                      const std::string& input = "",
                      int* code = nullptr)
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream errors;
    const int result = enginecli::Main(arguments, in, out, errors);
    if (code)
        *code = result;
    return out.str();
}

const std::string Puzzle
    = "____7_9__+916__8_3_+2__53_1__+_2498_6_1+6_5_123__+3______72+8624____3+_738__4__+____6__8_";

} // namespace

TEST(SplitWords, QuotedWordsKeepTheirSpaces)
{
    EXPECT_EQ(SplitWords("grade '1 2  3' 4"), (std::vector<std::string>{"grade", "1 2  3", "4"}));
    EXPECT_EQ(SplitWords("  fullgrid\t17\r"), (std::vector<std::string>{"fullgrid", "17"}));
    EXPECT_EQ(SplitWords("grade ''"), (std::vector<std::string>{"grade", ""}));
}

TEST(EngineCommands, BadInputGivesOneErrorLine)
{
    EXPECT_EQ(RunCommand({"grade", "123+456"}), "error=short grid text (6 kept characters)");
    EXPECT_TRUE(RunCommand({"generate", "7", "1"}).starts_with("error="));
    EXPECT_TRUE(RunCommand({"fullgrid", "-1"}).starts_with("error="));
    EXPECT_TRUE(RunCommand({"fullgrid", "4294967296"}).starts_with("error="));
    EXPECT_TRUE(RunCommand({"frobnicate"}).starts_with("error="));
    EXPECT_TRUE(RunCommand({"hint", Puzzle, Puzzle, "12", "1"}).starts_with("error="));
}

TEST(EngineCommands, GradeReportsSolvedGradeAndTheSolutionText)
{
    const std::string out = RunCommand({"grade", Puzzle});
    EXPECT_EQ(out,
              "solved=1\ngrade=1\n538176924+916248735+247539168+724983651+685712349+"
              "391654872+862497513+173825496+459361287");
    EXPECT_TRUE(RunCommand({"grade", Puzzle, "0"}).starts_with("solved=0\ngrade=1\n"));
}

TEST(EngineCommands, BatchSkipsCommentsAndBlankLinesAndSeparatesItemsByABlankLine)
{
    const std::string batch = "# a comment\n\ngrade 'abc'\n  \ncandidates '" + Puzzle + "' 0\n";
    const std::string out = RunEngine({"batch", "-"}, batch);
    const auto gap = out.find("\n\n");
    ASSERT_NE(gap, std::string::npos);
    EXPECT_TRUE(out.starts_with("error="));
    const std::string texts = out.substr(gap + 2);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), ' '), 80);
    EXPECT_EQ(texts.find("error"), std::string::npos);
}

TEST(EngineCommands, BulkGradeReadsDotsAndZerosAndSkipsComments)
{
    std::string dots;
    for (const char c : Puzzle) {
        if (c != '+')
            dots += c == '_' ? '.' : c;
    }
    std::string zeros = dots;
    std::replace(zeros.begin(), zeros.end(), '.', '0');
    int code = -1;
    const std::string out
        = RunEngine({"grade"}, "# header\n" + dots + "\r\n" + zeros + "\n", &code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(out, dots + " 1 1\n" + zeros + " 1 1\n");
    EXPECT_EQ(RunEngine({"grade", "--max-grade", "0"}, dots + "\n"), dots + " 0 1\n");
}

TEST(EngineCommands, BulkGenerateWritesOneLinePerPuzzle)
{
    const std::string out = RunEngine({"generate", "--level", "0", "--count", "2", "--seed", "40"});
    std::istringstream lines(out);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string puzzle;
        int grade = -1;
        int givens = -1;
        fields >> puzzle >> grade >> givens;
        EXPECT_EQ(puzzle.size(), 81u);
        EXPECT_EQ(std::count(puzzle.begin(), puzzle.end(), '.'), 81 - givens);
        EXPECT_EQ(grade, 0);
        ++count;
    }
    EXPECT_EQ(count, 2);
}

TEST(EngineCommands, UsageErrorsExitWithTwo)
{
    int code = 0;
    RunEngine({}, "", &code);
    EXPECT_EQ(code, 2);
    RunEngine({"batch", "/nonexistent/file"}, "", &code);
    EXPECT_EQ(code, 2);
    RunEngine({"grade", "12"}, "", &code);
    EXPECT_EQ(code, 1);
}
