// Commands of orvante-engine and their output formats.
#include "EngineCli.h"

#include "engine/Board.h"
#include "engine/FullGrid.h"
#include "engine/Generator.h"
#include "engine/Hint.h"
#include "engine/Solver.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

namespace enginecli {

namespace {

using engine::Board;

class UsageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

const engine::CombinationLists& Lists()
{
    static const engine::CombinationLists lists = engine::BuildCombinationLists();
    return lists;
}

long long ParseInteger(const std::string& word, long long low, long long high, const char* what)
{
    std::size_t used = 0;
    long long value = 0;
    try {
        value = std::stoll(word, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != word.size() || value < low || value > high) {
        throw UsageError(std::string("bad ") + what + " '" + word + "': from " + std::to_string(low)
                         + " to " + std::to_string(high));
    }
    return value;
}

std::uint32_t ParseSeed(const std::string& word)
{
    return static_cast<std::uint32_t>(ParseInteger(word, 0, 4294967295LL, "seed"));
}

int ParseLevel(const std::string& word)
{
    return static_cast<int>(ParseInteger(word, 0, 4, "level"));
}

void Expect(const std::vector<std::string>& words, std::size_t low, std::size_t high)
{
    if (words.size() < low || words.size() > high)
        throw UsageError("wrong number of arguments for " + words[0]);
}

std::string FullGridCommand(const std::vector<std::string>& words)
{
    Expect(words, 2, 2);
    Board board;
    engine::Random random(ParseSeed(words[1]));
    engine::GenerateFullGrid(board, random);
    return board.WriteCurrentGridText() + "\nseed=" + std::to_string(random.Seed());
}

std::string GenerateCommand(const std::vector<std::string>& words)
{
    Expect(words, 3, 3);
    const int level = ParseLevel(words[1]);
    Board board;
    engine::Random random(ParseSeed(words[2]));
    const auto stats = engine::GeneratePuzzle(board, random, Lists(), level);
    std::string out = board.WriteCurrentGridText() + "\n" + board.WriteSolutionGridText() + "\n";
    out += "givens=" + std::to_string(board.FilledCellCount()) + "\n";
    const engine::Grid solution = board.SolutionGrid;
    const auto graded = engine::SolveLogically(board, Lists(), engine::NoGrade);
    board.SolutionGrid = solution;
    out += "grade=" + std::to_string(graded.grade) + "\n";
    out += "solver_calls=" + std::to_string(stats.solverCalls);
    return out;
}

std::string GradeCommand(const std::vector<std::string>& words)
{
    Expect(words, 2, 3);
    const int highest
        = words.size() == 3 ? static_cast<int>(ParseInteger(words[2], 0, 1000, "grade")) : 5;
    Board board;
    board.ReadCurrentGridText(words[1]);
    const auto result = engine::SolveLogically(board, Lists(), highest);
    return "solved=" + std::to_string(result.solved ? 1 : 0)
        + "\ngrade=" + std::to_string(result.grade) + "\n" + board.WriteSolutionGridText();
}

std::string HintCommand(const std::vector<std::string>& words)
{
    Expect(words, 5, 5);
    Board board;
    engine::ReadGridText(words[1], board.StartGrid);
    board.ReadCurrentGridText(words[2]);
    board.ReadSolutionGridText(words[3]);
    engine::Random random(ParseSeed(words[4]));
    const auto choice = engine::ChooseHint(board, random, Lists());
    switch (choice.kind) {
    case engine::HintChoice::Kind::WrongPieces: {
        std::string out = "wrong=";
        for (std::size_t i = 0; i < choice.wrong.size(); ++i) {
            if (i > 0)
                out += ';';
            out += std::to_string(choice.wrong[i].x) + "," + std::to_string(choice.wrong[i].y);
        }
        return out;
    }
    case engine::HintChoice::Kind::Placed:
        return "hint=" + std::to_string(choice.cell.x) + "," + std::to_string(choice.cell.y) + ","
            + std::to_string(choice.value + 1);
    case engine::HintChoice::Kind::NoHint:
        break;
    }
    return "nohint";
}

std::string CandidatesCommand(const std::vector<std::string>& words)
{
    Expect(words, 3, 3);
    Board board;
    board.ReadCurrentGridText(words[1]);
    const int level = ParseLevel(words[2]);
    const auto texts = engine::HintCandidates(board, Lists(), level);
    std::string out;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            if (!out.empty())
                out += ' ';
            out += texts[x][y].IsEmpty() ? std::string("-") : texts[x][y].Text();
        }
    }
    return out;
}

// 81 characters, "." for an empty cell.
std::string CompactText(const engine::Grid& grid)
{
    std::string text;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x)
            text += grid[x][y] <= 8 ? static_cast<char>('1' + grid[x][y]) : '.';
    }
    return text;
}

int BulkGenerate(const std::vector<std::string>& arguments, std::ostream& output)
{
    int level = 0;
    long long count = 1;
    std::uint32_t seed = 1;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (i + 1 >= arguments.size())
            throw UsageError("missing value after " + arguments[i]);
        const std::string& value = arguments[++i];
        if (arguments[i - 1] == "--level")
            level = ParseLevel(value);
        else if (arguments[i - 1] == "--count")
            count = ParseInteger(value, 0, 100000000, "count");
        else if (arguments[i - 1] == "--seed")
            seed = ParseSeed(value);
        else
            throw UsageError("unknown option " + arguments[i - 1]);
    }
    for (long long n = 0; n < count; ++n) {
        Board board;
        engine::Random random(static_cast<std::uint32_t>(seed + n));
        const auto start = std::chrono::steady_clock::now();
        const auto stats = engine::GeneratePuzzle(board, random, Lists(), level);
        const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(
                                std::chrono::steady_clock::now() - start)
                                .count();
        const engine::Grid solution = board.SolutionGrid;
        const auto graded = engine::SolveLogically(board, Lists(), engine::NoGrade);
        board.SolutionGrid = solution;
        output << CompactText(board.CurrentGrid) << ' ' << graded.grade << ' '
               << board.FilledCellCount() << ' ' << stats.solverCalls << ' ' << micros << std::endl;
    }
    return 0;
}

int BulkGrade(const std::vector<std::string>& arguments, std::istream& input, std::ostream& output)
{
    int highest = engine::NoGrade;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--max-grade" && i + 1 < arguments.size())
            highest = static_cast<int>(ParseInteger(arguments[++i], 0, 1000, "grade"));
        else
            throw UsageError("unknown option " + arguments[i]);
    }
    std::string line;
    while (std::getline(input, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        std::string cells = line;
        for (char& c : cells) {
            if (c == '.')
                c = '0';
        }
        Board board;
        try {
            board.ReadCurrentGridText(cells);
        } catch (const engine::GridTextError& error) {
            output << line << " error=" << error.what() << '\n';
            continue;
        }
        const auto result = engine::SolveLogically(board, Lists(), highest);
        output << line << ' ' << (result.solved ? 1 : 0) << ' ' << result.grade << '\n';
    }
    return 0;
}

} // namespace

std::vector<std::string> SplitWords(std::string_view line)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r' || line[i] == '\n') {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] == '\'') {
            const std::size_t end = line.find('\'', i + 1);
            const std::size_t stop = end == std::string_view::npos ? line.size() : end;
            word = line.substr(i + 1, stop - i - 1);
            i = stop == line.size() ? stop : stop + 1;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r'
                   && line[i] != '\n')
                word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

std::string RunCommand(const std::vector<std::string>& words)
{
    try {
        if (words.empty())
            throw UsageError("empty command");
        const std::string& name = words[0];
        if (name == "fullgrid")
            return FullGridCommand(words);
        if (name == "generate")
            return GenerateCommand(words);
        if (name == "grade")
            return GradeCommand(words);
        if (name == "hint")
            return HintCommand(words);
        if (name == "candidates")
            return CandidatesCommand(words);
        throw UsageError("unknown command '" + name + "'");
    } catch (const std::exception& error) {
        return std::string("error=") + error.what();
    }
}

void RunBatch(std::istream& input, std::ostream& output)
{
    std::string line;
    bool first = true;
    while (std::getline(input, line)) {
        const auto words = SplitWords(line);
        if (words.empty() || words[0].starts_with('#'))
            continue;
        if (!first)
            output << '\n';
        first = false;
        output << RunCommand(words) << '\n';
    }
}

namespace {

constexpr const char* Usage = R"(usage:
  orvante-engine --version
  orvante-engine fullgrid SEED
  orvante-engine generate LEVEL SEED
  orvante-engine generate --level L --count N --seed S
  orvante-engine grade GRIDTEXT [MAXGRADE]
  orvante-engine grade [--max-grade G]          (puzzles from standard input)
  orvante-engine hint PUZZLE CURRENT SOLUTION SEED
  orvante-engine candidates GRIDTEXT LEVEL
  orvante-engine batch FILE|-
)";

bool IsOption(const std::string& word)
{
    return word.starts_with("--");
}

} // namespace

int Main(const std::vector<std::string>& arguments,
         std::istream& input,
         std::ostream& output,
         std::ostream& errors)
{
    try {
        if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h") {
            (arguments.empty() ? errors : output) << Usage;
            return arguments.empty() ? 2 : 0;
        }
        if (arguments[0] == "--version") {
            output << "orvante-engine " << ORVANTE_VERSION << '\n';
            return 0;
        }
        const std::string& command = arguments[0];
        if (command == "batch") {
            if (arguments.size() != 2)
                throw UsageError("batch takes one file name, or - for standard input");
            if (arguments[1] == "-") {
                RunBatch(input, output);
            } else {
                // A folder opens as a stream on Linux and reads as empty: refuse it first.
                std::error_code error;
                if (std::filesystem::is_directory(arguments[1], error))
                    throw UsageError("cannot open '" + arguments[1] + "': it is a folder");
                std::ifstream file(arguments[1]);
                if (!file)
                    throw UsageError("cannot open '" + arguments[1] + "'");
                RunBatch(file, output);
            }
            return 0;
        }
        if (command == "generate" && arguments.size() > 1 && IsOption(arguments[1]))
            return BulkGenerate(arguments, output);
        if (command == "grade" && (arguments.size() == 1 || IsOption(arguments[1])))
            return BulkGrade(arguments, input, output);
        const std::string result = RunCommand(arguments);
        output << result << '\n';
        return result.starts_with("error=") ? 1 : 0;
    } catch (const std::exception& error) {
        errors << "orvante-engine: " << error.what() << '\n' << Usage;
        return 2;
    }
}

} // namespace enginecli
