// Decisions of the game commands that need no widget: the level, design validation, what the
// play button does, the hint's availability and the controls every command sets; then the one
// step that hands a command's changes to its widgets and the clock.
#pragma once

#include "common/GameState.h"
#include "control/GameTexts.h"
#include "engine/Board.h"
#include "engine/Eliminations.h"
#include "engine/Hint.h"
#include "engine/Random.h"

#include <array>
#include <cstdint>
#include <optional>

#include <QCursor>
#include <QGuiApplication>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace control {

// The hourglass for as long as it lives, put back even when the work under it throws.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The level a level box text names: its place among the five level names, 0 very easy to 4 very
// hard. A text that is none of them (a name stored under another language file) gives 0.
[[nodiscard]] int LevelOfText(const QString& text, const std::array<QString, 5>& levelNames);

// The five level names of the language file, very easy first.
[[nodiscard]] std::array<QString, 5> LevelNames(const LineLookup& text);

// The language line naming a grade: the five level names for grades 0 to 4, another line for
// anything else.
[[nodiscard]] constexpr int LevelNameLine(int grade)
{
    return grade >= 0 && grade <= 4 ? line::FirstLevel + grade : line::OtherLevel;
}

// A seed for the game's random source from the monotonic clock (its low 32 bits).
[[nodiscard]] std::uint32_t ClockSeed();

// Puts a new puzzle of the level the level box text names on the board, under the hourglass,
// with the random source seeded from the clock.
void NewPuzzle(engine::Board& board,
               engine::Random& random,
               const engine::CombinationLists& lists,
               const QString& levelText,
               const LineLookup& text);

// What the validate / pause / resume button does in each state; in the others only the ring
// closes.
enum class PlayAction { Nothing, Validate, Pause, Resume };
[[nodiscard]] PlayAction PlayActionFor(GameStatus state);

// New puzzle asks before it replaces a game that is not over.
[[nodiscard]] constexpr bool NewPuzzleAsks(GameStatus state)
{
    return state != GameStatus::Finished;
}

struct DesignVerdict
{
    bool accepted = false;
    int grade = 0; // the solver's grade when accepted
};

// Validates the grid the player designed in CurrentGrid. Refused: pieces that break the rules
// (the solver trusts the filled cells and would "solve" them into a broken grid), a grid with
// no empty cell (a game with nothing to play could never end), and a grid the logical solver
// cannot finish with every technique. On acceptance SolutionGrid holds the solution; CurrentGrid
// is only read.
[[nodiscard]] DesignVerdict ValidateDesign(engine::Board& board,
                                           const engine::CombinationLists& lists);

// The message of an accepted design: its two lines, the level name and a full stop.
[[nodiscard]] QString DesignAcceptedText(int grade, const LineLookup& text);

// The hint acts only in a running game, and never on the last empty cell: a hint is no move,
// so a hint that completed the grid would leave a game that never ends.
[[nodiscard]] constexpr bool HintAvailable(GameStatus state, int filledCells)
{
    return state == GameStatus::Playing && filledCells < 80;
}

// The language line that tells the player what a hint did.
[[nodiscard]] int HintMessageLine(engine::HintChoice::Kind kind);

// The controls of the game menu and the hint panel that the commands switch.
enum class Control : std::uint8_t {
    Solve, // BtSolve
    Rejoue, // BtRejoue
    Check, // btCheck
    Print, // BtPrint
    Charger, // BtCharger
    Options, // BtOptions
    Save, // BtSave
    Valider, // BtValider
    Quitter, // BtQuitter
    HintPanel, // PanelBtHint
    HintPicture, // ImageBtHint
    Paused, // PanPaused
};
constexpr int ControlCount = 12;

// What a command does to one control; nothing means left as it was.
struct ControlChange
{
    std::optional<bool> enabled;
    std::optional<bool> shown;
    bool operator==(const ControlChange&) const = default;
};

// Switches widget as the change says.
void ApplyChange(const ControlChange& change, QWidget& widget);

enum class ClockChange { Keep, StartFromZero, Start, Stop };

// Applies a clock change to the game clock's timer and the time it counts.
void ApplyClockChange(ClockChange change, QTimer& clock, double& elapsedSeconds);

struct ControlChanges
{
    ClockChange clock = ClockChange::Keep;
    std::optional<GameStatus> state; // the game state the command enters; nothing: unchanged
    std::array<ControlChange, ControlCount> controls{};

    ControlChange& operator[](Control c) { return controls[static_cast<std::size_t>(c)]; }
    const ControlChange& operator[](Control c) const
    {
        return controls[static_cast<std::size_t>(c)];
    }
};

// The commands that switch controls. The hint's enabled state is not among them: it follows
// HintAvailable after every command and every placement.
enum class Command {
    NewGame, // the main menu's new game, before it generates
    Generate, // new game and new puzzle
    Design, // the main menu's design, around its empty grid
    NewDesign, // the empty grid of a design
    ValidateRefused,
    ValidateAccepted,
    Pause,
    Resume,
    Solve,
    GameEnd, // while the end-of-game message is up
    AfterEndMessage,
    Load, // a saved game put on the board
};

// The state a command enters, the clock and the controls it switches. firstLevel: the level box
// names the first level, the only one that shows the hint panel.
[[nodiscard]] ControlChanges ChangesOf(Command command, bool firstLevel = false);

} // namespace control
