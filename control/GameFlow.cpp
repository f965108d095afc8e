// Decisions of the game commands that need no widget: the level, design validation, what the
// play button does, the hint's availability and the controls every command sets; then the one
// step that hands a command's changes to its widgets and the clock.
#include "control/GameFlow.h"

#include "engine/Generator.h"
#include "engine/Solver.h"

#include <chrono>
#include <initializer_list>
#include <utility>

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

void NewPuzzle(engine::Board& board,
               engine::Random& random,
               const engine::CombinationLists& lists,
               const QString& levelText,
               const LineLookup& text)
{
    const int level = LevelOfText(levelText, LevelNames(text));
    random.SetSeed(ClockSeed());
    const WaitCursor hourglass;
    engine::GeneratePuzzle(board, random, lists, level);
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

int HintMessageLine(engine::HintChoice::Kind kind)
{
    switch (kind) {
    case engine::HintChoice::Kind::WrongPieces:
        return line::WrongPiecesShown;
    case engine::HintChoice::Kind::NoHint:
        return line::NoHintFound;
    case engine::HintChoice::Kind::Placed:
        break;
    }
    return line::HintPlaced;
}

void ApplyChange(const ControlChange& change, QWidget& widget)
{
    if (change.enabled)
        widget.setEnabled(*change.enabled);
    if (change.shown)
        widget.setVisible(*change.shown);
}

void ApplyClockChange(ClockChange change, QTimer& clock, double& elapsedSeconds)
{
    if (change == ClockChange::StartFromZero)
        elapsedSeconds = 0;
    if (change == ClockChange::Stop)
        clock.stop();
    else if (change != ClockChange::Keep)
        clock.start();
}

namespace {

constexpr ControlChange On{true, std::nullopt};
constexpr ControlChange Off{false, std::nullopt};
constexpr ControlChange Shown{std::nullopt, true};
constexpr ControlChange Hidden{std::nullopt, false};
constexpr ControlChange OnShown{true, true};

using Setting = std::pair<Control, ControlChange>;

ControlChanges Changes(ClockChange clock,
                       std::optional<GameStatus> state,
                       std::initializer_list<Setting> settings)
{
    ControlChanges changes;
    changes.clock = clock;
    changes.state = state;
    for (const auto& [control, change] : settings)
        changes[control] = change;
    return changes;
}

} // namespace

ControlChanges ChangesOf(Command command, bool firstLevel)
{
    using enum Control;
    using enum ClockChange;
    constexpr auto Playing = GameStatus::Playing;
    // Only the first level shows the hint panel; a design hid the picture, and a shown panel
    // must never be an empty one.
    const ControlChange levelPanel{std::nullopt, firstLevel};
    // clang-format off
    switch (command) {
    case Command::NewGame:
        return Changes(Keep, {}, {{Valider, Hidden}, {Save, Shown}, {Rejoue, Shown},
            {Charger, Shown}});
    case Command::Generate:
        return Changes(StartFromZero, Playing, {{Solve, On}, {Check, OnShown}, {Save, On},
            {Charger, On}, {Print, On}, {HintPanel, levelPanel}, {HintPicture, Shown},
            {Paused, Hidden}});
    case Command::Design:
        return Changes(Keep, {}, {{Check, Hidden}, {HintPicture, Hidden}, {Save, Hidden},
            {Rejoue, Hidden}, {Charger, Hidden}, {Valider, Shown}});
    case Command::NewDesign:
        return Changes(Stop, GameStatus::Designing, {{Solve, Off}, {Check, {false, true}},
            {Print, On}, {Paused, Hidden}});
    case Command::ValidateRefused:
        return Changes(Stop, {}, {{Solve, Off}, {Check, Off}, {Print, Off}});
    case Command::ValidateAccepted:
        return Changes(StartFromZero, Playing, {{Solve, On}, {Check, On}, {Print, On}});
    case Command::Pause:
        return Changes(Keep, GameStatus::Paused, {{Solve, Off}, {Check, Off}, {Paused, Shown}});
    case Command::Resume:
        return Changes(Keep, Playing, {{Solve, On}, {Check, On}, {Paused, Hidden}});
    case Command::Solve:
        return Changes(Stop, GameStatus::Finished, {{Solve, Off}, {Check, Off}, {Save, Off}});
    case Command::GameEnd:
        return Changes(Stop, GameStatus::Finished, {{Solve, Off}, {Check, Off}, {Rejoue, Off},
            {Charger, Off}, {Options, Off}, {Save, Off}, {Quitter, Off}, {Print, Off}});
    case Command::AfterEndMessage:
        return Changes(Keep, {}, {{Rejoue, On}, {Quitter, On}, {Charger, On}, {Options, On}});
    case Command::Load: // the clock counts on from the saved time
        return Changes(Start, Playing, {{Solve, On}, {Check, OnShown}, {Paused, Hidden},
            {HintPanel, levelPanel}, {HintPicture, Shown}, {Save, OnShown}, {Rejoue, Shown},
            {Charger, Shown}, {Print, On}});
    }
    // clang-format on
    return {};
}

} // namespace control
