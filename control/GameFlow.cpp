// Decisions of the game commands that need no widget: the level, design validation, what the
// play button does, the hint's availability and the controls every command sets.
#include "control/GameFlow.h"

#include "engine/Solver.h"

#include <chrono>

namespace control {

int LevelOfText(const QString& text, const std::array<QString, 5>& levelNames)
{
    for (int level = 0; level < 5; ++level) {
        if (text == levelNames[static_cast<std::size_t>(level)])
            return level;
    }
    return 0;
}

std::array<QString, 5> LevelNames(const LineLookup& text)
{
    std::array<QString, 5> names;
    for (int level = 0; level < 5; ++level)
        names[static_cast<std::size_t>(level)] = text(line::FirstLevel + level);
    return names;
}

std::uint32_t ClockSeed()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    return static_cast<std::uint32_t>(nanoseconds);
}

PlayAction PlayActionFor(GameStatus state)
{
    switch (state) {
    case GameStatus::Designing:
        return PlayAction::Validate;
    case GameStatus::Playing:
        return PlayAction::Pause;
    case GameStatus::Paused:
        return PlayAction::Resume;
    case GameStatus::Idle:
    case GameStatus::Finished:
        break;
    }
    return PlayAction::Nothing;
}

DesignVerdict ValidateDesign(engine::Board& board, const engine::CombinationLists& lists)
{
    if (engine::FirstRepeatedDigit(board.CurrentGrid) || board.EmptyCellCount() == 0)
        return {};
    const engine::SolveResult result = engine::SolveLogically(board, lists, engine::NoGrade);
    // The techniques are sound, so a solution of rule-keeping pieces keeps the rules too; the
    // test costs nothing and keeps a broken grid from ever becoming a game's solution.
    if (!result.solved || !board.SolutionComplete()
        || engine::FirstRepeatedDigit(board.SolutionGrid))
        return {};
    return {true, result.grade};
}

QString DesignAcceptedText(int grade, const LineLookup& text)
{
    return text(line::DesignAccepted) + QStringLiteral("\r\n") + text(line::LevelIs) + u' '
        + text(LevelNameLine(grade)) + u'.';
}

QPoint HintTextCorner(engine::Cell cell, int cellWidth, int cellHeight, QSize text)
{
    return {cellWidth * cell.x + cellWidth / 2 - text.width() / 2,
            cellHeight * cell.y + cellHeight / 2 - text.height() / 2};
}

ControlChanges ChangesOf(Command command, bool firstLevel)
{
    constexpr ControlChange On{true, std::nullopt};
    constexpr ControlChange Off{false, std::nullopt};
    constexpr ControlChange Shown{std::nullopt, true};
    constexpr ControlChange Hidden{std::nullopt, false};

    ControlChanges changes;
    switch (command) {
    case Command::NewGame:
        changes[Control::Valider] = Hidden;
        changes[Control::Save] = Shown;
        changes[Control::Rejoue] = Shown;
        changes[Control::Charger] = Shown;
        break;
    case Command::Generate:
        changes.clock = ClockChange::StartFromZero;
        changes[Control::Solve] = On;
        changes[Control::Check] = {true, true};
        changes[Control::Save] = On;
        changes[Control::Charger] = On;
        changes[Control::Print] = On;
        changes[Control::HintPanel] = {std::nullopt, firstLevel};
        // A design hid the picture: a shown panel must never be an empty one.
        changes[Control::HintPicture] = Shown;
        changes[Control::Paused] = Hidden;
        break;
    case Command::Design:
        changes[Control::Check] = Hidden;
        changes[Control::HintPicture] = Hidden;
        changes[Control::Save] = Hidden;
        changes[Control::Rejoue] = Hidden;
        changes[Control::Charger] = Hidden;
        changes[Control::Valider] = Shown;
        break;
    case Command::NewDesign:
        changes.clock = ClockChange::Stop;
        changes[Control::Solve] = Off;
        changes[Control::Check] = {false, true};
        changes[Control::Print] = On;
        changes[Control::Paused] = Hidden;
        break;
    case Command::ValidateRefused:
        changes.clock = ClockChange::Stop;
        changes[Control::Solve] = Off;
        changes[Control::Check] = Off;
        changes[Control::Print] = Off;
        break;
    case Command::ValidateAccepted:
        changes.clock = ClockChange::StartFromZero;
        changes[Control::Solve] = On;
        changes[Control::Check] = On;
        changes[Control::Print] = On;
        break;
    case Command::Pause:
        changes[Control::Solve] = Off;
        changes[Control::Check] = Off;
        changes[Control::Paused] = Shown;
        break;
    case Command::Resume:
        changes[Control::Solve] = On;
        changes[Control::Check] = On;
        changes[Control::Paused] = Hidden;
        break;
    case Command::Solve:
        changes.clock = ClockChange::Stop;
        changes[Control::Solve] = Off;
        changes[Control::Check] = Off;
        changes[Control::Save] = Off;
        break;
    case Command::GameEnd:
        changes.clock = ClockChange::Stop;
        for (const Control c : {Control::Solve, Control::Check, Control::Rejoue, Control::Charger,
                                Control::Options, Control::Save, Control::Quitter, Control::Print})
            changes[c] = Off;
        break;
    case Command::AfterEndMessage:
        for (const Control c :
             {Control::Rejoue, Control::Quitter, Control::Charger, Control::Options})
            changes[c] = On;
        break;
    case Command::Load:
        // The clock counts on from the saved time.
        changes.clock = ClockChange::Start;
        changes[Control::Solve] = On;
        changes[Control::Check] = {true, true};
        changes[Control::Paused] = Hidden;
        changes[Control::HintPanel] = {std::nullopt, firstLevel};
        changes[Control::HintPicture] = Shown;
        changes[Control::Save] = {true, true};
        changes[Control::Rejoue] = Shown;
        changes[Control::Charger] = Shown;
        changes[Control::Print] = On;
        break;
    }
    return changes;
}

} // namespace control
