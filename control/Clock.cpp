// The game clock and the status bar: what a tick does, the time text and the panel texts.
#include "control/Clock.h"

#include "records/Records.h"

#include <algorithm>
#include <cmath>

namespace control {

double AdvanceClock(double elapsedSeconds, int intervalMs)
{
    // Whole milliseconds up to 2^53 are exact in a double: the count stops there instead of
    // growing out of range, whatever was added to the time meanwhile.
    constexpr double maxMilliseconds = MaxElapsedSeconds * 1000.0;
    const double seconds = std::isnan(elapsedSeconds) ? 0.0 : elapsedSeconds;
    const double before = std::round(std::clamp(seconds * 1000.0, 0.0, maxMilliseconds));
    return std::min(before + std::max(intervalMs, 0), maxMilliseconds) / 1000.0;
}

TickAction TickActionFor(GameStatus state)
{
    switch (state) {
    case GameStatus::Playing:
        return TickAction::Count;
    case GameStatus::Paused:
        return TickAction::Scramble;
    case GameStatus::Idle:
    case GameStatus::Designing:
    case GameStatus::Finished:
        break;
    }
    return TickAction::Nothing;
}

std::int64_t WholeSeconds(double elapsedSeconds)
{
    return static_cast<std::int64_t>(std::trunc(elapsedSeconds));
}

TimeWords TimeWordsFrom(const LineLookup& text)
{
    return {text(line::Minutes), text(line::Seconds), text(line::OverAnHour)};
}

QString TimeText(double elapsedSeconds, const TimeWords& words)
{
    if (elapsedSeconds > OneHour)
        return words.overAnHour;
    const std::int64_t whole = WholeSeconds(elapsedSeconds);
    return QStringLiteral("%1 %2 %3 %4")
        .arg(QString::number(whole / 60), words.minutes, QString::number(whole % 60),
             words.seconds);
}

QString ClockPanelText(double elapsedSeconds, const LineLookup& text)
{
    return text(line::Time) + u' ' + TimeText(elapsedSeconds, TimeWordsFrom(text));
}

StatusTexts StatusBarTexts(GameStatus state,
                           int filledCells,
                           bool clockRunning,
                           const LineLookup& text)
{
    StatusTexts texts;
    if (state != GameStatus::Paused)
        texts[PiecesPanel]
            = text(line::Pieces) + QStringLiteral(" : ") + QString::number(filledCells);
    if (!clockRunning)
        texts[TimePanel] = text(line::ClockStopped);
    switch (state) {
    case GameStatus::Idle:
    case GameStatus::Designing:
        texts[StatePanel] = text(line::OutOfGame);
        break;
    case GameStatus::Playing:
        texts[StatePanel] = text(line::Playing);
        break;
    case GameStatus::Paused:
        texts[StatePanel] = text(line::Paused);
        break;
    case GameStatus::Finished:
        break;
    }
    return texts;
}

} // namespace control
