// The command language of orvante-engine and its exit codes.
#include "EngineCli.h"

#include <algorithm>
#include <iterator>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>

namespace {

// The exit code and the standard output of the program.
using Outcome = std::pair<int, std::string>;

Outcome RunEngine(const std::vector<std::string>& arguments, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream errors;
    const int code = enginecli::Main(arguments, in, out, errors);
    return {code, out.str()};
}

const std::string Puzzle
    = "____7_9__+916__8_3_+2__53_1__+_2498_6_1+6_5_123__+3______72+8624____3+_738__4__+____6__8_";
// The same puzzle as bulk grading reads it.
const std::string Dots
    = "....7.9..916..8.3.2..53.1...2498.6.16.5.123..3......728624....3.738..4......6..8.";

} // namespace

TEST(EngineCli, ExitsZeroOnSuccessOneOnACommandErrorAndTwoOnAUsageError)
{
    const std::string graded = "solved=1\ngrade=1\n538176924+916248735+247539168+724983651+"
                               "685712349+391654872+862497513+173825496+459361287\n";
    EXPECT_EQ(RunEngine({"grade", Puzzle}), Outcome(0, graded));
    EXPECT_EQ(RunEngine({"grade", "123+456"}),
              Outcome(1, "error=short grid text (6 kept characters)\n"));
    // A batch skips comments and blank lines and puts a blank line between outputs.
    EXPECT_EQ(RunEngine({"batch", "-"}, "# a comment\n\ngrade 'abc'\n  \ngrade '" + Puzzle + "'\n"),
              Outcome(0, "error=short grid text (0 kept characters)\n\n" + graded));
    // A command error prints one error line; a usage error prints the usage to standard error.
    const auto check = [](const std::string& line, int expected) {
        std::istringstream words(line);
        const auto [code, out] = RunEngine({std::istream_iterator<std::string>(words), {}});
        EXPECT_EQ(code, expected) << line;
        const bool errorLine
            = out.starts_with("error=") && std::count(out.begin(), out.end(), '\n') == 1;
        EXPECT_TRUE(expected == 1 ? errorLine : out.empty()) << out;
    };
    for (const char* line :
         {"generate 7 1", "fullgrid -1", "fullgrid 4294967296", "frobnicate", "hint 1 2 3 4"})
        check(line, 1);
    for (const char* line : {"", "batch /nonexistent/file", "grade --frob", "generate --level"})
        check(line, 2);
}

TEST(EngineCli, BulkGradeReadsDotsAndZerosAndSkipsComments)
{
    std::string zeros = Dots;
    std::replace(zeros.begin(), zeros.end(), '.', '0');
    EXPECT_EQ(RunEngine({"grade"}, "# header\n" + Dots + "\r\n" + zeros + "\n"),
              Outcome(0, Dots + " 1 1\n" + zeros + " 1 1\n"));
    EXPECT_EQ(RunEngine({"grade", "--max-grade", "0"}, Dots + "\n").second, Dots + " 0 1\n");
}

TEST(EngineCli, BulkGenerateWritesOneLinePerPuzzle)
{
    // The puzzle with "." for empty cells, its grade, its givens, the solver calls, microseconds.
    const auto [code, out]
        = RunEngine({"generate", "--level", "0", "--count", "2", "--seed", "40"});
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(std::regex_match(out, std::regex("([.1-9]{81} 0 46 [0-9]+ [0-9]+\n){2}"))) << out;
}
