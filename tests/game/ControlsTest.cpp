// The window's controls after each command, run through the buttons, row by row.
#include "Window.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using game_testing::GridOf;
using game_testing::MessageAnswers;
using game_testing::Solved;

namespace {

struct Expected
{
    std::string control;
    std::optional<bool> enabled;
    std::optional<bool> shown; // not hidden by the program; its panel may be
};

struct WindowRow
{
    std::string name;
    std::function<void(TfrmMain&)> commands;
    GameStatus state;
    bool clockRunning;
    std::vector<Expected> controls;
};

void PrintTo(const WindowRow& row, std::ostream* out)
{
    *out << row.name;
}

QWidget* Named(TfrmMain& w, const std::string& name)
{
    const std::vector<std::pair<std::string, QWidget*>> controls{
        {"BtSolve", w.BtSolve},
        {"BtRejoue", w.BtRejoue},
        {"btCheck", w.btCheck},
        {"BtPrint", w.BtPrint},
        {"BtCharger", w.BtCharger},
        {"BtOptions", w.BtOptions},
        {"BtHint", w.BtHint},
        {"BtSave", w.BtSave},
        {"BtValider", w.BtValider},
        {"BtQuitter", w.BtQuitter},
        {"PanelBtHint", w.PanelBtHint},
        {"ImageBtHint", w.ImageBtHint},
        {"PanPaused", w.PanPaused},
        {"Panel_MenuJeu", w.Panel_MenuJeu},
        {"Panel_MenuPrincipal", w.Panel_MenuPrincipal}};
    for (const auto& [controlName, widget] : controls) {
        if (controlName == name)
            return widget;
    }
    return nullptr;
}

void NewGame(TfrmMain& w, const QString& level)
{
    w.ComboBox2->SetText(level);
    QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
}

void BackToMenu(TfrmMain& w, int answer)
{
    MessageAnswers answers(w, answer);
    QTest::mouseClick(w.BtQuitter, Qt::LeftButton);
}

} // namespace

class WindowControls : public game_testing::PlayedWindow,
                       public testing::WithParamInterface<WindowRow>
{};

TEST_P(WindowControls, AreSwitchedAsTheCommandSays)
{
    const WindowRow& row = GetParam();
    row.commands(w);
    EXPECT_EQ(w.GameState, row.state);
    EXPECT_EQ(w.Timer1.isActive(), row.clockRunning);
    for (const Expected& expected : row.controls) {
        QWidget* widget = Named(w, expected.control);
        ASSERT_NE(widget, nullptr) << expected.control;
        if (expected.enabled) {
            EXPECT_EQ(widget->isEnabled(), *expected.enabled) << expected.control << " enabled";
        }
        if (expected.shown) {
            EXPECT_EQ(!widget->isHidden(), *expected.shown) << expected.control << " shown";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands,
    WindowControls,
    testing::Values(WindowRow{"NewGameAtTheFirstLevel",
                              [](TfrmMain& w) { NewGame(w, "Très facile"); },
                              GameStatus::Playing,
                              true,
                              {{"Panel_MenuJeu", {}, true},
                               {"Panel_MenuPrincipal", {}, false},
                               {"BtSolve", true, {}},
                               {"btCheck", true, true},
                               {"BtPrint", true, {}},
                               {"BtSave", true, true},
                               {"BtCharger", true, true},
                               {"BtRejoue", {}, true},
                               {"BtValider", {}, false},
                               {"PanelBtHint", {}, true},
                               {"ImageBtHint", true, true},
                               {"BtHint", true, false},
                               {"PanPaused", {}, false}}},
                    WindowRow{"NewGameAtAnotherLevel",
                              [](TfrmMain& w) { NewGame(w, "Facile"); },
                              GameStatus::Playing,
                              true,
                              {{"BtSolve", true, {}},
                               {"btCheck", true, true},
                               {"BtSave", true, true},
                               {"BtCharger", true, true},
                               {"BtValider", {}, false},
                               {"PanelBtHint", {}, false}}},
                    WindowRow{"DesignAfterAPausedGame",
                              [](TfrmMain& w) {
                                  NewGame(w, "Très facile");
                                  w.tbPlayClick();
                                  BackToMenu(w, 1);
                                  QTest::mouseClick(w.Conception, Qt::LeftButton);
                              },
                              GameStatus::Designing,
                              false,
                              {{"Panel_MenuJeu", {}, true},
                               {"BtSolve", false, {}},
                               {"btCheck", false, true},
                               {"BtPrint", true, {}},
                               {"BtSave", {}, false},
                               {"BtCharger", {}, false},
                               {"BtRejoue", {}, false},
                               {"BtValider", {}, true},
                               {"ImageBtHint", false, false},
                               {"PanPaused", {}, false}}},
                    WindowRow{
                        "ValidateAnEmptyDesign",
                        [](TfrmMain& w) {
                            QTest::mouseClick(w.Conception, Qt::LeftButton);
                            QTest::mouseClick(w.BtValider, Qt::LeftButton);
                        },
                        GameStatus::Designing,
                        false,
                        {{"BtSolve", false, {}}, {"btCheck", false, true}, {"BtPrint", false, {}}}},
                    WindowRow{"ValidateASolvableDesign",
                              [](TfrmMain& w) {
                                  QTest::mouseClick(w.Conception, Qt::LeftButton);
                                  w.GameBoard().CurrentGrid = GridOf(Solved);
                                  w.GameBoard().CurrentGrid[3][6] = engine::EmptyCell;
                                  w.GameBoard().CurrentGrid[7][2] = engine::EmptyCell;
                                  MessageAnswers answers(w, 1);
                                  QTest::mouseClick(w.BtValider, Qt::LeftButton);
                              },
                              GameStatus::Playing,
                              true,
                              {{"BtSolve", true, {}},
                               {"btCheck", true, true},
                               {"BtPrint", true, {}},
                               {"BtValider", {}, true},
                               {"BtHint", true, {}}}},
                    WindowRow{"Pause",
                              [](TfrmMain& w) {
                                  NewGame(w, "Très facile");
                                  w.tbPlayClick();
                              },
                              GameStatus::Paused,
                              true,
                              {{"BtSolve", false, {}},
                               {"btCheck", false, {}},
                               {"BtHint", false, {}},
                               {"ImageBtHint", false, {}},
                               {"PanPaused", {}, true},
                               {"BtSave", true, {}}}},
                    WindowRow{"Resume",
                              [](TfrmMain& w) {
                                  NewGame(w, "Très facile");
                                  w.tbPlayClick();
                                  w.tbPlayClick();
                              },
                              GameStatus::Playing,
                              true,
                              {{"BtSolve", true, {}},
                               {"btCheck", true, {}},
                               {"BtHint", true, {}},
                               {"ImageBtHint", true, {}},
                               {"PanPaused", {}, false}}},
                    WindowRow{"Solve",
                              [](TfrmMain& w) {
                                  NewGame(w, "Très facile");
                                  QTest::mouseClick(w.BtSolve, Qt::LeftButton);
                              },
                              GameStatus::Finished,
                              false,
                              {{"BtSolve", false, {}},
                               {"btCheck", false, {}},
                               {"BtSave", false, {}},
                               {"BtHint", false, {}},
                               {"ImageBtHint", false, {}},
                               {"BtRejoue", true, {}},
                               {"BtCharger", true, {}},
                               {"BtPrint", true, {}}}},
                    WindowRow{"NewPuzzleAfterSolving",
                              [](TfrmMain& w) {
                                  NewGame(w, "Très facile");
                                  QTest::mouseClick(w.BtSolve, Qt::LeftButton);
                                  QTest::mouseClick(w.BtRejoue, Qt::LeftButton);
                              },
                              GameStatus::Playing,
                              true,
                              {{"BtSolve", true, {}},
                               {"btCheck", true, true},
                               {"BtSave", true, {}},
                               {"ImageBtHint", true, true}}},
                    WindowRow{"BackToTheMenuKeepsTheGameRunning",
                              [](TfrmMain& w) {
                                  NewGame(w, "Très facile");
                                  BackToMenu(w, 1);
                              },
                              GameStatus::Playing,
                              true,
                              {{"Panel_MenuPrincipal", {}, true},
                               {"Panel_MenuJeu", {}, false},
                               {"PanelBtHint", {}, false}}},
                    WindowRow{"BackToTheMenuDeclined",
                              [](TfrmMain& w) {
                                  NewGame(w, "Très facile");
                                  BackToMenu(w, 2);
                              },
                              GameStatus::Playing,
                              true,
                              {{"Panel_MenuPrincipal", {}, false},
                               {"Panel_MenuJeu", {}, true},
                               {"PanelBtHint", {}, true}}},
                    WindowRow{"PlayButtonWithoutAGame",
                              [](TfrmMain& w) {
                                  w.PickerOpen = true;
                                  w.tbPlayClick();
                                  EXPECT_FALSE(w.PickerOpen);
                              },
                              GameStatus::Idle,
                              false,
                              {}}),
    [](const testing::TestParamInfo<WindowRow>& info) { return info.param.name; });
