// The game clock and the status bar: what a tick does, the time text and the panel texts.
#pragma once

#include "common/GameState.h"
#include "control/GameTexts.h"

#include <array>
#include <cstdint>
#include <optional>

#include <QString>

namespace control {

constexpr int ClockInterval = 100; // milliseconds between two clock ticks
constexpr double CheckCost = 20; // seconds added by a check
constexpr double HintCost = 60; // seconds added by a hint request
constexpr double OneHour = 3600;

// ElapsedSeconds after one tick of intervalMs: exactly one interval more, however late the tick
// came. The sum is kept on whole milliseconds, so ten ticks of 100 ms make exactly 1.0 and not
// the 0.99999... that adding 0.1 ten times gives, which would read as 0 s. The count stays within
// 0..MaxElapsedSeconds, so however long it runs it never becomes infinite.
[[nodiscard]] double AdvanceClock(double elapsedSeconds, int intervalMs);

// What a clock tick does: count time while playing, show random pieces while paused.
enum class TickAction { Nothing, Count, Scramble };
[[nodiscard]] TickAction TickActionFor(GameStatus state);

// The seconds with their fraction cut off (toward zero), never rounded to the nearest.
[[nodiscard]] std::int64_t WholeSeconds(double elapsedSeconds);

struct TimeWords
{
    QString minutes; // after the minutes
    QString seconds; // after the seconds
    QString overAnHour; // the whole text above one hour
};

[[nodiscard]] TimeWords TimeWordsFrom(const LineLookup& text);

// "m minutes s seconds" of the whole seconds; above 3600 s (not at it) the over-an-hour text.
[[nodiscard]] QString TimeText(double elapsedSeconds, const TimeWords& words);

// The time panel while the clock runs: the time word, " ", the time text.
[[nodiscard]] QString ClockPanelText(double elapsedSeconds, const LineLookup& text);

// The three panels a status update writes, by panel number; an empty one keeps its text.
enum StatusPanel : std::uint8_t {
    PiecesPanel, // not while paused: the count would follow the random pieces
    TimePanel, // only while the clock is off
    StatePanel, // kept in a finished game
};
using StatusTexts = std::array<std::optional<QString>, 3>;

[[nodiscard]] StatusTexts StatusBarTexts(GameStatus state,
                                         int filledCells,
                                         bool clockRunning,
                                         const LineLookup& text);

} // namespace control
