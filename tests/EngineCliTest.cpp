// The command language of orvante-engine and its exit codes.
#include "EngineCli.h"

#include <algorithm>
#include <iterator>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>

using Outcome = std::pair<int, std::string>;

const std::string Puzzle
    = "____7_9__+916__8_3_+2__53_1__+_2498_6_1+6_5_123__+3______72+8624____3+_738__4__+____6__8_";

namespace {

// The exit code and the standard output of the program run with the words of line as arguments;
// its standard error goes to errors.
Outcome RunEngine(const std::string& line, const std::string& input = "", std::string* errors = {})
{
    std::istringstream words(line), in(input);
    std::ostringstream out, error;
    const int code
        = enginecli::Main({std::istream_iterator<std::string>(words), {}}, in, out, error);
    if (errors)
        *errors = error.str();
    return {code, out.str()};
}

} // namespace

TEST(EngineCli, ExitsZeroOnSuccessOneOnACommandErrorTwoOnAUsageError)
{
    const std::string graded = "solved=1\ngrade=1\n538176924+916248735+247539168+724983651+"
                               "685712349+391654872+862497513+173825496+459361287\n";
    EXPECT_EQ(RunEngine("grade " + Puzzle), Outcome(0, graded));
    EXPECT_EQ(RunEngine("grade 123+456"),
              Outcome(1, "error=short grid text (6 kept characters)\n"));
    // A batch skips comments and blank lines and puts a blank line between outputs.
    EXPECT_EQ(RunEngine("batch -", "# a comment\n\ngrade 'abc'\n  \ngrade '" + Puzzle + "'\n"),
              Outcome(0, "error=short grid text (0 kept characters)\n\n" + graded));
    // A command error prints one error line; a usage error prints the usage to standard error.
    for (const std::string line : {"generate 7 1", "fullgrid -1", "frobnicate", "hint 1 2 3 4"}) {
        const auto [code, out] = RunEngine(line);
        EXPECT_TRUE(code == 1 && out.starts_with("error=") && std::ranges::count(out, '\n') == 1)
            << line << ": " << code << " " << out;
    }
    // Each usage error, and the first line it writes to standard error.
    const std::pair<std::string, std::string> usage[]{
        {"", "usage:"},
        {"grade --frob", "unknown option --frob"},
        {"batch /nonexistent/file", "cannot open '/nonexistent/file'"},
        {"batch /", "cannot open '/': it is a folder"},
        {"generate --level", "missing value after --level"},
        {"generate --count 100000001", "bad count '100000001': from 0 to 100000000"},
    };
    for (const auto& [line, message] : usage) {
        std::string errors;
        EXPECT_EQ(RunEngine(line, "", &errors), Outcome(2, "")) << line;
        EXPECT_TRUE(errors.find(message) < errors.find('\n')) << errors;
    }
}

TEST(EngineCli, BulkModesWriteOneLinePerPuzzle)
{
    // Grading reads "." for empty cells and skips comments: the puzzle, solved, its grade.
    std::string dots = Puzzle;
    std::erase(dots, '+');
    std::ranges::replace(dots, '_', '.');
    EXPECT_EQ(RunEngine("grade", "# header\n" + dots + "\r\n"), Outcome(0, dots + " 1 1\n"));
    EXPECT_EQ(RunEngine("grade --max-grade 0", dots + "\n").second, dots + " 0 1\n");
    // Generating: the puzzle, its grade, its givens, the solver calls and the microseconds.
    const auto [code, out] = RunEngine("generate --level 0 --count 2 --seed 40");
    EXPECT_TRUE(code == 0
                && std::regex_match(out, std::regex("([.1-9]{81} 0 46 [0-9]+ [0-9]+\n){2}")))
        << out;
}
