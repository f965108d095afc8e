// The game menu's controls after each command, driven through the window from a stated start:
// every control is checked, the ones a command leaves alone included.
#include "Window.h"

#include <map>
#include <optional>

using namespace game_testing;

namespace {

// Steps, run in turn by clicking through the window, every question answered with its first
// button: "new" game, "replay" (new puzzle), "design" (empty), "grid" (a solvable design on the
// board), "valider", "pause" (the play button's command while it is hidden), "menu" (back to
// it), "solve", "level2" (the second level chosen), "save" (a known game saved, clock running),
// "known" (a known game one piece from its end, clock running), "last" (that piece), "loadmenu"
// and "loadgame" (the first saved game, from either menu).
// Controls: "on", "off", "shown", "hidden", both, or "" for left as it was. Clock: "on 0",
// "restored" (on, at the saved time), "off", "frozen" (a tick adds nothing), "counts".
constexpr int Columns = 12;
constexpr int HintPicture = 8; // enabled while a hint may be given, whatever the command
struct Row
{
    const char* name;
    const char* start;
    const char* command;
    const char* clock;
    std::array<const char*, Columns> controls; // the order of Widgets()
    bool atEndMessage = false; // seen while the end-of-game message is open
};

// clang-format off
const Row Rows[]{
//   name                             start                     command     clock
//   solve  check        print  save        load        replay    play      hint panel  picture  paused    options quit
    {"NewGameFirstLevel",             "design menu",            "new",      "on 0",
    {"on",  "on shown",  "on",  "on shown", "on shown", "shown",  "hidden", "shown",  "shown",  "hidden", "",    ""}},
    {"NewGameOtherLevel",             "level2 design menu",     "new",      "on 0",
    {"on",  "on shown",  "on",  "on shown", "on shown", "shown",  "hidden", "hidden", "shown",  "hidden", "",    ""}},
    {"NewPuzzleAfterSolveFirstLevel", "new solve",              "replay",   "on 0",
    {"on",  "on shown",  "on",  "on",       "on",       "",       "",       "shown",  "shown",  "hidden", "",    ""}},
    {"NewPuzzleWhilePausedOtherLevel", "new pause level2",      "replay",   "on 0",
    {"on",  "on shown",  "on",  "on",       "on",       "",       "",       "hidden", "shown",  "hidden", "",    ""}},
    {"DesignFromTheMainMenu",         "new pause menu",         "design",   "off",
    {"off", "off shown", "on",  "hidden",   "hidden",   "hidden", "shown",  "",       "hidden", "hidden", "",    ""}},
    {"ValidateEmptyDesignRefused",    "design",                 "valider",  "off",
    {"off", "off",       "off", "",         "",         "",       "",       "",       "",       "",       "",    ""}},
    {"ValidateDesignAccepted",        "design valider grid",    "valider",  "on 0",
    {"on",  "on",        "on",  "",         "",         "",       "",       "",       "",       "",       "",    ""}},
    {"Pause",                         "design grid valider",    "valider",  "frozen",
    {"off", "off",       "",    "",         "",         "",       "",       "",       "",       "shown",  "",    ""}},
    {"Resume",                        "design grid valider valider", "valider", "counts",
    {"on",  "on",        "",    "",         "",         "",       "",       "",       "",       "hidden", "",    ""}},
    {"LoadFromMainMenuFirstLevel",    "save menu design valider menu", "loadmenu", "restored",
    {"on",  "on shown",  "on",  "on shown", "shown",    "shown",  "hidden", "shown",  "shown",  "hidden", "",    ""}},
    {"LoadFromGameMenuOtherLevel",    "save pause level2",      "loadgame", "restored",
    {"on",  "on shown",  "on",  "on shown", "shown",    "shown",  "",       "hidden", "shown",  "hidden", "",    ""}},
    {"BackToTheMainMenuKeepsTheClock", "new",                   "menu",     "counts",
    {"",    "",          "",    "",         "",         "",       "",       "hidden", "",       "",       "",    ""}},
    {"Solve",                         "new",                    "solve",    "off",
    {"off", "off",       "",    "off",      "",         "",       "",       "",       "",       "",       "",    ""}},
    {"GameEndBeforeItsMessage",       "known",                  "last",     "off",
    {"off", "off",       "off", "off",      "off",      "off",    "",       "",       "",       "",       "off", "off"}, true},
    {"GameEndAfterItsMessage",        "known",                  "last",     "off",
    {"off", "off",       "off", "off",      "on",       "on",     "",       "",       "",       "",       "on",  "on"}},
};
// clang-format on

void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

constexpr double SavedSeconds = 125.5;

struct Seen
{
    bool timer = false;
    double seconds = 0;
    std::array<bool, Columns> enabled{}, shown{};
};

class ControlTable : public PlayedWindow, public testing::WithParamInterface<Row>
{
protected:
    Seen Look() const
    {
        const QWidget* widgets[Columns]{w.BtSolve,     w.btCheck,   w.BtPrint,   w.BtSave,
                                        w.BtCharger,   w.BtRejoue,  w.BtValider, w.PanelBtHint,
                                        w.ImageBtHint, w.PanPaused, w.BtOptions, w.BtQuitter};
        Seen seen{w.Timer1.isActive(), w.ElapsedSeconds};
        for (int c = 0; c < Columns; ++c)
            seen.enabled[c] = widgets[c]->isEnabled(), seen.shown[c] = !widgets[c]->isHidden();
        return seen;
    }
    // Runs the steps; returns what the window showed while an end-of-game message was open.
    std::optional<Seen> Run(const char* steps)
    {
        std::optional<Seen> atMessage;
        bool answering = true;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (!answering || !w.FormFenetre->isVisible())
                return;
            if (w.GameState == GameStatus::Finished && !atMessage)
                atMessage = Look();
            QTest::mouseClick(w.FormFenetre->ToolButton1, Qt::LeftButton);
        });
        answer.start(0);
        const std::map<QString, QWidget*> buttons{
            {"new", w.Nouvelle_Partie}, {"replay", w.BtRejoue}, {"valider", w.BtValider},
            {"menu", w.BtQuitter},      {"solve", w.BtSolve},   {"design", w.Conception}};
        for (const QString& step : QString(steps).split(' ')) {
            if (buttons.contains(step)) {
                QTest::mouseClick(buttons.at(step), Qt::LeftButton);
            } else if (step == "grid") {
                w.GameBoard().CurrentGrid = SolvedWithout({{0, 0}, {4, 4}, {8, 8}});
            } else if (step == "pause") {
                w.tbPlayClick();
            } else if (step == "level2") {
                w.ComboBox2->SetText("Facile");
            } else if (step == "save" || step == "known") {
                QDir(w.GameFolder()).removeRecursively();
                StartKnownGame(SolvedWithout({{3, 5}}));
                w.ElapsedSeconds = SavedSeconds;
                if (step == "save")
                    QTest::mouseClick(w.BtSave, Qt::LeftButton);
                w.Timer1.start();
            } else if (step == "last") {
                Play(3, 5, GridOf(Solved)[3][5]);
            } else {
                answering = false;
                ClickAndChoose(w, step == "loadmenu" ? w.BtChargeInMenu : w.BtCharger, 0, 1);
                answering = true;
            }
        }
        return atMessage;
    }
};

} // namespace

TEST_P(ControlTable, CommandSetsExactlyItsControls)
{
    static const char* const names[Columns]{"solve", "check",  "print",   "save",
                                            "load",  "replay", "play",    "hint panel",
                                            "hint",  "paused", "options", "menu"};
    const Row& row = GetParam();
    Run(row.start);
    w.ElapsedSeconds = 75;
    const Seen before = Look();
    const std::optional<Seen> atMessage = Run(row.command);
    ASSERT_EQ(atMessage.has_value(), row.atEndMessage || std::string(row.command) == "last");
    const Seen after = row.atEndMessage ? *atMessage : Look();
    const std::string clock = row.clock;
    if (clock == "on 0" || clock == "restored") {
        EXPECT_EQ(after.seconds, clock == "on 0" ? 0.0 : SavedSeconds);
    }
    if (clock == "frozen" || clock == "counts") {
        w.Timer1Timer();
        EXPECT_DOUBLE_EQ(w.ElapsedSeconds, clock == "counts" ? 75.1 : 75);
    }
    EXPECT_EQ(after.timer, clock == "frozen" ? before.timer : clock != "off");
    for (int c = 0; c < Columns; ++c) {
        const QStringList words = QString(row.controls[c]).split(' ', Qt::SkipEmptyParts);
        const bool shown
            = words.contains("shown") || (!words.contains("hidden") && before.shown[c]);
        const bool enabled = words.contains("on") || (!words.contains("off") && before.enabled[c]);
        EXPECT_TRUE(c == HintPicture || after.enabled[c] == enabled) << names[c] << " enabled";
        EXPECT_EQ(after.shown[c], shown) << names[c] << " shown";
    }
}

INSTANTIATE_TEST_SUITE_P(Commands,
                         ControlTable,
                         testing::ValuesIn(Rows),
                         [](const testing::TestParamInfo<Row>& info) { return info.param.name; });
