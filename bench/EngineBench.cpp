// Generation time per level (p50, p99 over fixed seeds) and grading throughput.
#include "engine/Board.h"
#include "engine/Generator.h"
#include "engine/Solver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

} // namespace

int main(int argc, char** argv)
{
    const int seeds = argc > 1 ? std::atoi(argv[1]) : 300;
    const auto lists = engine::BuildCombinationLists();
    std::printf("%-6s %8s %8s %8s %8s %8s\n", "level", "p50 ms", "p99 ms", "mean ms", "givens",
                "calls");
    std::vector<engine::Board> graded;
    for (int level = 0; level <= 4; ++level) {
        std::vector<double> times;
        double givens = 0;
        double calls = 0;
        for (int seed = 1; seed <= seeds; ++seed) {
            engine::Board board;
            engine::Random random(static_cast<std::uint32_t>(seed * 2654435761u));
            const auto start = Clock::now();
            const auto stats = engine::GeneratePuzzle(board, random, lists, level);
            times.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            givens += board.FilledCellCount();
            calls += stats.solverCalls;
            if (level == 3)
                graded.push_back(board);
        }
        double sum = 0;
        for (const double t : times)
            sum += t;
        std::printf("%-6d %8.3f %8.3f %8.3f %8.1f %8.0f\n", level, Percentile(times, 0.5),
                    Percentile(times, 0.99), sum / seeds, givens / seeds, calls / seeds);
    }

    // Grading: every level-3 puzzle above (about 25 givens), graded with every grade allowed.
    const int rounds = 50;
    int solved = 0;
    double givens = 0;
    for (const auto& board : graded)
        givens += board.FilledCellCount();
    const auto start = Clock::now();
    for (int round = 0; round < rounds; ++round) {
        for (auto board : graded)
            solved += engine::SolveLogically(board, lists, engine::NoGrade).solved;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const double count = static_cast<double>(graded.size()) * rounds;
    std::printf("grading: %.0f puzzles/s (%.1f givens on average, %d of %.0f solved)\n",
                count / seconds, givens / static_cast<double>(graded.size()), solved, count);
    return 0;
}
