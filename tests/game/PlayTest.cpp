// Games played through the window: a whole game with the mouse alone, the ring on the board,
// the clock, designs, pause and the hint.
#include "Window.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include <QLineEdit>

#include <gtest/gtest.h>

using game_testing::GridOf;
using game_testing::MessageAnswers;
using game_testing::PlayedWindow;
using game_testing::Solved;
using game_testing::SolvedWithout;

namespace {

// The cells of the board that hold a bright green pixel.
std::vector<engine::Cell> GreenCells(const TfrmMain& w)
{
    std::vector<engine::Cell> cells;
    for (int p = 0; p < 81 * w.CellWidth * w.CellHeight; ++p) {
        const int x = p % (9 * w.CellWidth);
        const int y = p / (9 * w.CellWidth);
        const QColor c = w.Image32.pixelColor(w.BoardLeft + x, w.BoardTop + y);
        const engine::Cell cell{x / w.CellWidth, y / w.CellHeight};
        if (c.green() > 200 && c.red() < 80 && c.blue() < 80
            && std::find(cells.begin(), cells.end(), cell) == cells.end())
            cells.push_back(cell);
    }
    return cells;
}

} // namespace

using WholeGame = PlayedWindow;

TEST_F(WholeGame, TheMouseAloneFillsEveryCellAndEndsTheGame)
{
    QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
    const engine::Board& board = w.GameBoard();
    const engine::Grid solution = board.SolutionGrid;
    const int empty = board.EmptyCellCount();
    MessageAnswers answers(w, 1);
    for (int cell = 0; cell < 81; ++cell) {
        if (board.CurrentGrid[cell % 9][cell / 9] == engine::EmptyCell)
            Play(cell % 9, cell / 9, solution[cell % 9][cell / 9]);
    }
    EXPECT_EQ(w.GameState, GameStatus::Finished);
    EXPECT_FALSE(w.Timer1.isActive());
    ASSERT_EQ(answers.texts.size(), 1);
    EXPECT_TRUE(answers.texts[0].startsWith("L31\r\nL32 0 L47 ")) << answers.texts[0].toStdString();
    EXPECT_EQ(scores, 1);
    EXPECT_EQ(sounds.count("Loud"), empty);
    EXPECT_EQ(sounds.count("applause"), 1);
    EXPECT_EQ(Panel(1), "L57");
    EXPECT_TRUE(w.BtRejoue->isEnabled() && w.BtQuitter->isEnabled() && w.BtCharger->isEnabled());
    for (QWidget* off : std::initializer_list<QWidget*>{w.BtSolve, w.btCheck, w.BtSave, w.BtPrint,
                                                        w.BtHint, w.ImageBtHint})
        EXPECT_FALSE(off->isEnabled()) << off->accessibleName().toStdString();
}

TEST_F(WholeGame, NewPuzzleAsksDuringAGameAndNotAfterIt)
{
    QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
    EXPECT_TRUE(w.PanelBtHint->isVisible()) << "the first level shows the hint";
    const engine::Grid first = w.GameBoard().StartGrid;
    {
        MessageAnswers declined(w, 2);
        QTest::mouseClick(w.BtRejoue, Qt::LeftButton);
        EXPECT_EQ(declined.texts, QStringList{"L35"});
    }
    EXPECT_EQ(w.GameBoard().StartGrid, first);

    QTest::mouseClick(w.BtSolve, Qt::LeftButton);
    EXPECT_FALSE(w.BtSave->isEnabled());
    w.ElapsedSeconds = 50;
    w.mnuHintClick();
    EXPECT_EQ(w.ElapsedSeconds, 50) << "no hint in a finished game";
    w.ComboBox2->SetText("Facile");
    MessageAnswers none(w, 2);
    QTest::mouseClick(w.BtRejoue, Qt::LeftButton);
    EXPECT_TRUE(none.texts.isEmpty());
    EXPECT_EQ(w.GameState, GameStatus::Playing);
    EXPECT_LT(w.ElapsedSeconds, 1.0);
    EXPECT_TRUE(w.BtSave->isEnabled());
    EXPECT_TRUE(w.PanelBtHint->isHidden()) << "only the first level shows the hint";
    EXPECT_EQ(scores, 0) << "a solved game is not scored";
}

TEST_F(WholeGame, BackToTheMenuAndQuittingAskFirstAndTheGameRunsOnBehindTheMenu)
{
    QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
    {
        MessageAnswers declined(w, 2);
        QTest::mouseClick(w.BtQuitter, Qt::LeftButton);
        EXPECT_EQ(declined.texts, QStringList{"L1"});
    }
    EXPECT_TRUE(w.Panel_MenuJeu->isVisible());
    EXPECT_FALSE(w.Panel_MenuPrincipal->isVisible());
    {
        MessageAnswers accepted(w, 1);
        QTest::mouseClick(w.BtQuitter, Qt::LeftButton);
    }
    EXPECT_TRUE(w.Panel_MenuPrincipal->isVisible());
    EXPECT_FALSE(w.Panel_MenuJeu->isVisible());
    EXPECT_EQ(w.GameState, GameStatus::Playing);
    EXPECT_TRUE(w.Timer1.isActive()) << "the game keeps counting behind the menu";
    {
        MessageAnswers declined(w, 2);
        QTest::mouseClick(w.Quitter_Jeu, Qt::LeftButton);
        EXPECT_EQ(declined.texts, QStringList{"L34"});
    }
    EXPECT_TRUE(w.isVisible());
    MessageAnswers accepted(w, 1);
    QTest::mouseClick(w.Quitter_Jeu, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(WholeGame, MalberunsKeyOneEndsTheNextMoveAndAnUnwrittenScoreIsReported)
{
    StartKnownGame(SolvedWithout({{0, 0}, {5, 5}}));
    QTest::keyClick(&w, Qt::Key_1);
    EXPECT_FALSE(w.ForceComplete) << "another name";
    w.NomDuJoueur->setText("Malbérun");
    QTest::keyClick(&w, Qt::Key_1, Qt::KeypadModifier);
    QTest::keyClick(&w, Qt::Key_2);
    EXPECT_FALSE(w.ForceComplete) << "the keypad's 1 and other keys";
    QTest::keyClick(&w, Qt::Key_1);
    EXPECT_TRUE(w.ForceComplete);

    w.AjouteScore = [] { throw std::runtime_error("disk full"); };
    MessageAnswers answers(w, 1);
    Play(0, 0, 3); // a wrong digit
    EXPECT_EQ(w.GameState, GameStatus::Finished);
    EXPECT_EQ(answers.texts.size(), 1);
    EXPECT_EQ(test.errors, QStringList{"disk full"});
    EXPECT_TRUE(w.BtRejoue->isEnabled() && w.BtQuitter->isEnabled() && w.BtCharger->isEnabled());
}

using Ring = PlayedWindow;

TEST_F(Ring, OpensFourPixelsInsideTheBoardButNotThreeAndNeverOnAGiven)
{
    StartKnownGame(SolvedWithout({{0, 1}, {0, 8}}));
    ClickAt({w.BoardLeft + 3, w.BoardTop + 100});
    ClickAt({w.BoardLeft + 30, w.BoardTop + 540 - 3});
    ClickAt(CellCentre(0, 0));
    EXPECT_FALSE(w.PickerOpen);
    EXPECT_TRUE(sounds.isEmpty());

    ClickAt({w.BoardLeft + 4, w.BoardTop + 100});
    ASSERT_TRUE(w.PickerOpen);
    EXPECT_EQ(w.PickedX, 0);
    EXPECT_EQ(w.PickedY, 1);
    ClickChoice(8);
    Play(0, 1, -1);
    EXPECT_EQ(w.GameBoard().CurrentGrid[0][1], engine::EmptyCell);
    EXPECT_EQ(sounds, (QStringList{"7", "Loud", "7", "erase"}));
}

TEST_F(Ring, RightClicksToggleMarksAndALeftClickClearsThemEvenWhilePaused)
{
    StartKnownGame(engine::EmptyGrid());
    const auto& marks = w.GameBoard().CandidateMarks;
    for (const int value : {4, 7, 4, -1}) // erase holds no mark
        Play(3, 4, value, Qt::RightButton);
    EXPECT_EQ(marks[3][4], (std::array<std::uint8_t, 9>{0, 0, 0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(w.GameBoard().CurrentGrid[3][4], engine::EmptyCell) << "marks place nothing";
    w.tbPlayClick();
    const engine::Grid shown = w.GameBoard().CurrentGrid;
    Play(3, 4, 0);
    EXPECT_EQ(w.GameBoard().CurrentGrid, shown) << "a paused game places nothing";
    EXPECT_EQ(marks[3][4], (std::array<std::uint8_t, 9>{}));
}

TEST_F(Ring, LeavingTheBoardByFortyPixelsClosesAnIdleRingAndThirtyDoNot)
{
    StartKnownGame(engine::EmptyGrid());
    ClickAt(CellCentre(8, 4));
    // Pointer moves are reported on the surface: the board's left edge is BoardLeft there.
    QTest::mouseMove(w.Image32View, {w.BoardLeft - 30, w.BoardTop + 270});
    EXPECT_TRUE(w.PickerOpen);
    QTest::mouseMove(w.Image32View, {w.BoardLeft - 40, w.BoardTop + 270});
    EXPECT_FALSE(w.PickerOpen);
}

using Clock = PlayedWindow;

TEST_F(Clock, TenTicksMakeOneSecondAndAPauseFreezesTimeHintAndBoard)
{
    StartKnownGame(SolvedWithout({{1, 1}, {2, 2}, {3, 3}, {4, 4}}));
    Play(1, 1, 7); // a wrong piece too
    w.ElapsedSeconds = 0;
    for (int tick = 0; tick < 10; ++tick)
        w.Timer1Timer();
    EXPECT_EQ(w.ElapsedSeconds, 1.0);
    EXPECT_EQ(Panel(1), "L59 0 L47 1 L48");

    const engine::Grid before = w.GameBoard().CurrentGrid;
    w.tbPlayClick();
    const QString pieces = Panel(0);
    for (int tick = 0; tick < 40; ++tick)
        w.Timer1Timer();
    const engine::Grid scrambled = w.GameBoard().CurrentGrid;
    EXPECT_NE(scrambled, before);
    w.mnuHintClick();
    EXPECT_EQ(w.GameBoard().CurrentGrid, scrambled);
    EXPECT_EQ(w.ElapsedSeconds, 1.0);
    EXPECT_EQ(Panel(0), pieces);
    EXPECT_EQ(Panel(2), "L55");
    EXPECT_FALSE(w.ImageBtHint->isEnabled());

    w.tbPlayClick();
    EXPECT_EQ(w.GameState, GameStatus::Playing);
    EXPECT_EQ(w.GameBoard().CurrentGrid, before);
    EXPECT_EQ(Panel(2), "L56");
    EXPECT_TRUE(w.ImageBtHint->isEnabled());
}

using DesignWindow = PlayedWindow;

TEST_F(DesignWindow, EmptyRuleBreakingAndFullDesignsAreRefused)
{
    QTest::mouseClick(w.Conception, Qt::LeftButton);
    // Row 8's digit at (7, 8) again at its end: the solver alone would finish that grid.
    engine::Grid twice = SolvedWithout({{0, 0}});
    twice[8][8] = twice[7][8];
    for (const engine::Grid& design : {engine::EmptyGrid(), twice, GridOf(Solved)}) {
        w.mnuNewClick();
        w.GameBoard().CurrentGrid = design;
        MessageAnswers answers(w, 1);
        QTest::mouseClick(w.BtValider, Qt::LeftButton);
        EXPECT_TRUE(answers.texts.isEmpty());
        EXPECT_EQ(w.GameState, GameStatus::Designing);
        EXPECT_EQ(Panel(4), "L20");
        EXPECT_FALSE(w.BtSolve->isEnabled() || w.btCheck->isEnabled() || w.BtPrint->isEnabled());
        EXPECT_FALSE(w.Timer1.isActive());
    }
}

TEST_F(DesignWindow, AValidDesignBecomesAGameThatTheSameButtonPausesAndResumes)
{
    QTest::mouseClick(w.Conception, Qt::LeftButton);
    w.ElapsedSeconds = 75;
    const engine::Grid design = SolvedWithout({{0, 0}, {4, 4}, {8, 8}, {2, 7}});
    w.GameBoard().CurrentGrid = design;
    {
        MessageAnswers answers(w, 1);
        QTest::mouseClick(w.BtValider, Qt::LeftButton);
        EXPECT_EQ(answers.texts, QStringList{"L21\r\nL22 Très facile."});
    }
    EXPECT_EQ(w.GameState, GameStatus::Playing);
    EXPECT_EQ(w.GameBoard().StartGrid, design) << "the design's pieces are the givens";
    EXPECT_EQ(w.GameBoard().SolutionGrid, GridOf(Solved));
    EXPECT_LT(w.ElapsedSeconds, 1.0) << "the clock started again from 0";
    EXPECT_TRUE(w.Timer1.isActive());
    EXPECT_TRUE(w.BtSolve->isEnabled() && w.btCheck->isEnabled() && w.BtPrint->isEnabled());
    QTest::mouseClick(w.BtValider, Qt::LeftButton);
    EXPECT_EQ(w.GameState, GameStatus::Paused);
    EXPECT_FALSE(w.PanPaused->isHidden());
    EXPECT_EQ(w.PausedText->text(), "L55");
}

TEST_F(DesignWindow, ADesignAfterAPausedGameHidesThePauseAndTheNextGameShowsTheHintAgain)
{
    QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
    w.tbPlayClick();
    MessageAnswers answers(w, 1);
    QTest::mouseClick(w.BtQuitter, Qt::LeftButton);
    QTest::mouseClick(w.Conception, Qt::LeftButton);
    EXPECT_TRUE(w.PanPaused->isHidden());
    EXPECT_TRUE(w.ImageBtHint->isHidden());
    QTest::mouseClick(w.BtQuitter, Qt::LeftButton);
    QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
    EXPECT_TRUE(w.PanelBtHint->isVisible());
    EXPECT_TRUE(w.ImageBtHint->isVisible());
}

using Hint = PlayedWindow;

TEST_F(Hint, ACheckCostsTwentySecondsAndAHintAMinuteThatFlagsAWrongPieceOrFindsNothing)
{
    StartKnownGame(SolvedWithout({{1, 1}, {2, 2}, {3, 3}}));
    Play(2, 2, (GridOf(Solved)[2][2] + 1) % 9);
    const engine::Grid before = w.GameBoard().CurrentGrid;
    w.ElapsedSeconds = 5;
    QTest::mouseClick(w.btCheck, Qt::LeftButton);
    EXPECT_EQ(w.ElapsedSeconds, 25);
    EXPECT_EQ(Panel(4), "L62");
    QTest::mouseClick(w.ImageBtHint, Qt::LeftButton);
    EXPECT_EQ(w.GameBoard().CurrentGrid, before);
    EXPECT_EQ(w.ElapsedSeconds, 85);
    EXPECT_EQ(w.CheckFlash, 15) << "the flag starts with the next redraw";
    EXPECT_EQ(Panel(4), "L29");

    StartKnownGame(engine::EmptyGrid());
    w.ElapsedSeconds = 0;
    QTest::mouseClick(w.ImageBtHint, Qt::LeftButton);
    EXPECT_EQ(w.GameBoard().FilledCellCount(), 0);
    EXPECT_EQ(Panel(4), "L30");
    EXPECT_EQ(w.ElapsedSeconds, 60);
    EXPECT_FALSE(sounds.contains("help"));
}

TEST_F(Hint, FillsOnlyEmptyCellsInGreenAndStopsAtEightyFilledCells)
{
    const std::vector<engine::Cell> open{{0, 0}, {4, 4}, {8, 8}};
    StartKnownGame(SolvedWithout({{0, 0}, {4, 4}, {8, 8}}));
    QTest::mouseClick(w.ImageBtHint, Qt::LeftButton);
    EXPECT_EQ(w.GameBoard().FilledCellCount(), 79);
    EXPECT_EQ(Panel(4), "L51");
    EXPECT_EQ(sounds.mid(sounds.size() - 2), (QStringList{"Message", "help"}));
    // The green digit stays for fifteen redraws, the hint's own included.
    const std::vector<engine::Cell> first = GreenCells(w);
    ASSERT_EQ(first.size(), 1u);
    for (int redraw = 2; redraw <= 15; ++redraw) {
        w.DessineGrille();
        ASSERT_EQ(GreenCells(w), first) << "redraw " << redraw;
    }
    w.DessineGrille();
    EXPECT_TRUE(GreenCells(w).empty());

    // A hint may fall again on a cell it filled before, never on a given.
    int hints = 1;
    while (w.GameBoard().FilledCellCount() < 80 && hints < 40) {
        QTest::mouseClick(w.ImageBtHint, Qt::LeftButton);
        ++hints;
        const std::vector<engine::Cell> green = GreenCells(w);
        ASSERT_EQ(green.size(), 1u);
        EXPECT_NE(std::find(open.begin(), open.end(), green[0]), open.end());
    }
    EXPECT_EQ(w.GameBoard().FilledCellCount(), 80);
    EXPECT_FALSE(w.ImageBtHint->isEnabled() || w.BtHint->isEnabled());
    w.mnuHintClick();
    EXPECT_EQ(w.GameBoard().FilledCellCount(), 80) << "the last cell is the player's";
    EXPECT_EQ(w.ElapsedSeconds, 60 * hints);
    w.tbPlayClick();
    w.tbPlayClick();
    EXPECT_EQ(w.GameState, GameStatus::Playing);
    EXPECT_FALSE(w.ImageBtHint->isEnabled()) << "resuming does not bring it back";

    // The player's pieces move it both ways.
    const auto hinted = std::find_if(open.begin(), open.end(), [&](engine::Cell cell) {
        return w.GameBoard().CurrentGrid[cell.x][cell.y] != engine::EmptyCell;
    });
    Play(hinted->x, hinted->y, -1);
    EXPECT_TRUE(w.ImageBtHint->isEnabled() && w.BtHint->isEnabled());
    Play(hinted->x, hinted->y, 2); // a wrong digit
    EXPECT_FALSE(w.ImageBtHint->isEnabled() || w.BtHint->isEnabled());
}
