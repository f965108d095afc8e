// The game menu's controls after each command, driven through the window from a stated start:
// every control is checked, the ones a command leaves alone included.
#include "Window.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace game_testing;

namespace {

enum class Start {
    MenuAfterDesign, // a design begun, then back to the main menu
    MenuAfterDesignOtherLevel,
    Solved, // a new game solved with the solve button
    PausedOtherLevel, // a new game paused, then the second level chosen
    PausedGameMenu, // a new game paused, then back to the main menu
    Designing, // an empty design
    RefusedDesign, // a design validated empty and refused, a solvable grid then put on the board
    DesignPlaying, // a validated design
    DesignPaused,
    SavedMenuAfterDesign, // a game saved, a design begun, then back to the main menu
    SavedPausedOtherLevel, // a game saved and paused, then the second level chosen
    Playing, // a new game
    OneCellLeft, // a known game with one empty cell, its clock running
};

enum class Command { NewGame, NewPuzzle, Design, Valider, LoadFromMenu, LoadFromGame, Solve, LastPiece };

// Control columns: "on", "off", "shown", "hidden", both, or "" for left as it was.
constexpr int Columns = 12;
constexpr int HintPicture = 8;
// Clock: "on 0", "restored" (on, at the saved time), "off", "frozen" (a tick adds nothing),
// "counts" (on, and a tick adds its interval), or "" for left as it was.
struct Row
{
    const char* name;
    Start start;
    Command command;
    const char* clock;
    std::array<const char*, Columns> controls; // order of Widgets()
    bool atEndMessage = false; // seen while the end-of-game message is open
};

// clang-format off
const Row Rows[]{
//   name                          start                          command               clock
//   solve  check        print  save         charger      rejoue    valider   hint panel picture    paused    options quitter
    {"NewGameFirstLevel",          Start::MenuAfterDesign,        Command::NewGame,     "on 0",
    {"on",  "on shown",  "on",  "on shown",  "on shown",  "shown",  "hidden", "shown",   "shown",   "hidden", "",     ""}},
    {"NewGameOtherLevel",          Start::MenuAfterDesignOtherLevel, Command::NewGame,  "on 0",
    {"on",  "on shown",  "on",  "on shown",  "on shown",  "shown",  "hidden", "hidden",  "shown",   "hidden", "",     ""}},
    {"NewPuzzleAfterSolveFirstLevel", Start::Solved,              Command::NewPuzzle,   "on 0",
    {"on",  "on shown",  "on",  "on",        "on",        "",       "",       "shown",   "shown",   "hidden", "",     ""}},
    {"NewPuzzleWhilePausedOtherLevel", Start::PausedOtherLevel,   Command::NewPuzzle,   "on 0",
    {"on",  "on shown",  "on",  "on",        "on",        "",       "",       "hidden",  "shown",   "hidden", "",     ""}},
    {"DesignFromTheMainMenu",      Start::PausedGameMenu,         Command::Design,      "off",
    {"off", "off shown", "on",  "hidden",    "hidden",    "hidden", "shown",  "",        "hidden",  "hidden", "",     ""}},
    {"ValidateEmptyDesignRefused", Start::Designing,              Command::Valider,     "off",
    {"off", "off",       "off", "",          "",          "",       "",       "",        "",        "",       "",     ""}},
    {"ValidateDesignAccepted",     Start::RefusedDesign,          Command::Valider,     "on 0",
    {"on",  "on",        "on",  "",          "",          "",       "",       "",        "",        "",       "",     ""}},
    {"Pause",                      Start::DesignPlaying,          Command::Valider,     "frozen",
    {"off", "off",       "",    "",          "",          "",       "",       "",        "",        "shown",  "",     ""}},
    {"Resume",                     Start::DesignPaused,           Command::Valider,     "counts",
    {"on",  "on",        "",    "",          "",          "",       "",       "",        "",        "hidden", "",     ""}},
    {"LoadFromMainMenuFirstLevel", Start::SavedMenuAfterDesign,   Command::LoadFromMenu, "restored",
    {"on",  "on shown",  "on",  "on shown",  "shown",     "shown",  "hidden", "shown",   "shown",   "hidden", "",     ""}},
    {"LoadFromGameMenuOtherLevel", Start::SavedPausedOtherLevel,  Command::LoadFromGame, "restored",
    {"on",  "on shown",  "on",  "on shown",  "shown",     "shown",  "",       "hidden",  "shown",   "hidden", "",     ""}},
    {"Solve",                      Start::Playing,                Command::Solve,       "off",
    {"off", "off",       "",    "off",       "",          "",       "",       "",        "",        "",       "",     ""}},
    {"GameEndBeforeItsMessage",    Start::OneCellLeft,            Command::LastPiece,   "off",
    {"off", "off",       "off", "off",       "off",       "off",    "",       "",        "",        "",       "off",  "off"}, true},
    {"GameEndAfterItsMessage",     Start::OneCellLeft,            Command::LastPiece,   "off",
    {"off", "off",       "off", "off",       "on",        "on",     "",       "",        "",        "",       "on",   "on"}},
};
// clang-format on

void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

constexpr double SavedSeconds = 125.5;
constexpr double BeforeCommand = 75;

struct Seen
{
    bool timer = false;
    double seconds = 0;
    std::array<bool, Columns> enabled{};
    std::array<bool, Columns> shown{};
};

class ControlTable : public PlayedWindow, public testing::WithParamInterface<Row>
{
protected:
    std::array<QWidget*, Columns> Widgets() const
    {
        return {w.BtSolve,   w.btCheck,   w.BtPrint,     w.BtSave,      w.BtCharger, w.BtRejoue,
                w.BtValider, w.PanelBtHint, w.ImageBtHint, w.PanPaused, w.BtOptions, w.BtQuitter};
    }

    Seen Look() const
    {
        Seen seen{w.Timer1.isActive(), w.ElapsedSeconds, {}, {}};
        const auto widgets = Widgets();
        for (int c = 0; c < Columns; ++c) {
            seen.enabled[c] = widgets[c]->isEnabled();
            seen.shown[c] = !widgets[c]->isHidden();
        }
        return seen;
    }

    void Click(QWidget* button, int answer = 1)
    {
        MessageAnswers answers(w, answer);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void SaveKnownGame()
    {
        QDir(w.GameFolder()).removeRecursively();
        StartKnownGame(SolvedWithout({{0, 0}, {4, 4}}));
        w.ElapsedSeconds = SavedSeconds;
        QTest::mouseClick(w.BtSave, Qt::LeftButton);
    }

    void Design(const engine::Grid& grid)
    {
        QTest::mouseClick(w.Conception, Qt::LeftButton);
        w.GameBoard().CurrentGrid = grid;
    }

    void Prepare(Start start)
    {
        const engine::Grid design = SolvedWithout({{0, 0}, {4, 4}, {8, 8}});
        switch (start) {
        case Start::MenuAfterDesignOtherLevel:
            w.ComboBox2->SetText("Facile");
            [[fallthrough]];
        case Start::MenuAfterDesign:
            Design(engine::EmptyGrid());
            Click(w.BtQuitter);
            break;
        case Start::Solved:
            QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
            QTest::mouseClick(w.BtSolve, Qt::LeftButton);
            break;
        case Start::PausedOtherLevel:
        case Start::PausedGameMenu:
            QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
            w.tbPlayClick(); // a new game hides the play button
            if (start == Start::PausedOtherLevel)
                w.ComboBox2->SetText("Facile");
            else
                Click(w.BtQuitter);
            break;
        case Start::Designing:
            Design(engine::EmptyGrid());
            break;
        case Start::RefusedDesign:
            Design(engine::EmptyGrid());
            QTest::mouseClick(w.BtValider, Qt::LeftButton);
            w.GameBoard().CurrentGrid = design;
            break;
        case Start::DesignPaused:
        case Start::DesignPlaying:
            Design(design);
            Click(w.BtValider);
            if (start == Start::DesignPaused)
                QTest::mouseClick(w.BtValider, Qt::LeftButton);
            break;
        case Start::SavedMenuAfterDesign:
            SaveKnownGame();
            Click(w.BtQuitter);
            Design(engine::EmptyGrid());
            Click(w.BtQuitter);
            break;
        case Start::SavedPausedOtherLevel:
            SaveKnownGame();
            w.Timer1.start();
            w.tbPlayClick();
            w.ComboBox2->SetText("Facile");
            break;
        case Start::Playing:
            QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
            break;
        case Start::OneCellLeft:
            StartKnownGame(SolvedWithout({{3, 5}}));
            w.Timer1.start();
            break;
        }
        w.ElapsedSeconds = BeforeCommand;
    }

    // Runs the command; returns what the window showed while its end-of-game message was open.
    std::optional<Seen> Run(Command command)
    {
        std::optional<Seen> atMessage;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (!w.FormFenetre->isVisible())
                return;
            if (w.GameState == GameStatus::Finished && !atMessage)
                atMessage = Look();
            QTest::mouseClick(w.FormFenetre->ToolButton1, Qt::LeftButton);
        });
        answer.start(0);
        switch (command) {
        case Command::NewGame:
            QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
            break;
        case Command::NewPuzzle:
            QTest::mouseClick(w.BtRejoue, Qt::LeftButton);
            break;
        case Command::Design:
            QTest::mouseClick(w.Conception, Qt::LeftButton);
            break;
        case Command::Valider:
            QTest::mouseClick(w.BtValider, Qt::LeftButton);
            break;
        case Command::LoadFromMenu:
        case Command::LoadFromGame:
            answer.stop();
            ClickAndChoose(w, command == Command::LoadFromMenu ? w.BtChargeInMenu : w.BtCharger,
                           0, 1);
            break;
        case Command::Solve:
            QTest::mouseClick(w.BtSolve, Qt::LeftButton);
            break;
        case Command::LastPiece:
            Play(3, 5, GridOf(Solved)[3][5]);
            break;
        }
        return atMessage;
    }
};

void ExpectClock(const char* clock, const Seen& before, const Seen& after, TfrmMain& w)
{
    const std::string expected = clock;
    if (expected.empty()) {
        EXPECT_EQ(after.timer, before.timer);
    } else if (expected == "on 0" || expected == "restored") {
        EXPECT_TRUE(after.timer);
        EXPECT_EQ(after.seconds, expected == "on 0" ? 0.0 : SavedSeconds);
    } else if (expected == "off") {
        EXPECT_FALSE(after.timer);
    } else {
        const double seconds = w.ElapsedSeconds;
        w.Timer1Timer();
        EXPECT_DOUBLE_EQ(w.ElapsedSeconds, expected == "counts" ? seconds + 0.1 : seconds);
        EXPECT_EQ(after.timer, expected == "counts" || before.timer);
    }
}

void ExpectControls(const Row& row, const Seen& before, const Seen& after)
{
    static const char* const names[Columns]{"solve", "check",  "print",   "save",
                                            "load",  "replay", "play",    "hint panel",
                                            "hint",  "paused", "options", "back to menu"};
    for (int c = 0; c < Columns; ++c) {
        const QStringList words = QString(row.controls[c]).split(' ', Qt::SkipEmptyParts);
        const bool enabled = words.contains("on") || (!words.contains("off") && before.enabled[c]);
        const bool shown
            = words.contains("shown") || (!words.contains("hidden") && before.shown[c]);
        if (c != HintPicture) // enabled while a hint may be given, whatever the command
            EXPECT_EQ(after.enabled[c], enabled) << names[c] << " enabled";
        EXPECT_EQ(after.shown[c], shown) << names[c] << " shown";
    }
}

} // namespace

TEST_P(ControlTable, CommandSetsExactlyItsControls)
{
    const Row& row = GetParam();
    Prepare(row.start);
    const Seen before = Look();
    const std::optional<Seen> atMessage = Run(row.command);
    ASSERT_EQ(atMessage.has_value(), row.command == Command::LastPiece);
    const Seen after = row.atEndMessage ? *atMessage : Look();
    ExpectClock(row.clock, before, after, w);
    ExpectControls(row, before, after);
}

INSTANTIATE_TEST_SUITE_P(Commands,
                         ControlTable,
                         testing::ValuesIn(Rows),
                         [](const testing::TestParamInfo<Row>& info) { return info.param.name; });
