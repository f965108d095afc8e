// The command language of orvante-engine: generate, grade and hint puzzles from text commands.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace enginecli {

// Splits a command line into words; a word in single quotes may hold spaces.
[[nodiscard]] std::vector<std::string> SplitWords(std::string_view line);

// Runs one command (fullgrid, generate, grade, hint, candidates) on a fresh board and returns its
// output lines joined by "\n", without a final line break. A bad grid text or argument gives a
// single "error=..." line.
[[nodiscard]] std::string RunCommand(const std::vector<std::string>& words);

// Runs every command of a batch text, one a line ("#" lines and blank lines skipped), writing the
// outputs separated by one blank line.
void RunBatch(std::istream& input, std::ostream& output);

// The program's entry: returns the process exit code.
int Main(const std::vector<std::string>& arguments,
         std::istream& input,
         std::ostream& output,
         std::ostream& errors);

} // namespace enginecli
