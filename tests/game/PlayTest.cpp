// Games played through the window: a whole game with the mouse alone, the ring on the board,
// the clock, designs, pause and the hint.
#include "Window.h"

#include <algorithm>
#include <vector>

#include <QLineEdit>

#include <gtest/gtest.h>

using game_testing::GridOf;
using game_testing::MessageAnswers;
using game_testing::PlayedWindow;
using game_testing::Solved;

namespace {

// The solved grid without the cells listed, which the player has to fill.
engine::Grid SolvedWithout(std::initializer_list<engine::Cell> cells)
{
    engine::Grid grid = GridOf(Solved);
    for (const engine::Cell cell : cells)
        grid[cell.x][cell.y] = engine::EmptyCell;
    return grid;
}

// The cells of the board in which some pixel is a bright green.
std::vector<engine::Cell> GreenCells(const TfrmMain& w)
{
    std::vector<engine::Cell> cells;
    for (int cy = 0; cy < 9; ++cy) {
        for (int cx = 0; cx < 9; ++cx) {
            bool green = false;
            for (int y = 0; y < w.CellHeight && !green; ++y) {
                for (int x = 0; x < w.CellWidth && !green; ++x) {
                    const QColor colour = w.Image32.pixelColor(w.BoardLeft + cx * w.CellWidth + x,
                                                               w.BoardTop + cy * w.CellHeight + y);
                    green = colour.green() > 200 && colour.red() < 80 && colour.blue() < 80;
                }
            }
            if (green)
                cells.push_back({cx, cy});
        }
    }
    return cells;
}

} // namespace

using WholeGame = PlayedWindow;

TEST_F(WholeGame, TheMouseAloneFillsEveryCellAndEndsTheGame)
{
    ASSERT_EQ(w.ComboBox2->Text(), "Très facile");
    QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
    ASSERT_EQ(w.GameState, GameStatus::Playing);
    EXPECT_TRUE(w.Timer1.isActive());
    EXPECT_TRUE(w.PanelBtHint->isVisible());
    EXPECT_TRUE(w.ImageBtHint->isEnabled());

    const engine::Board& board = w.GameBoard();
    const engine::Grid solution = board.SolutionGrid;
    const int empty = board.EmptyCellCount();
    ASSERT_GE(empty, 1);
    MessageAnswers answers(w, 1);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            if (board.CurrentGrid[x][y] == engine::EmptyCell)
                Play(x, y, solution[x][y]);
        }
    }

    EXPECT_EQ(w.GameState, GameStatus::Finished);
    EXPECT_FALSE(w.Timer1.isActive());
    ASSERT_EQ(answers.texts.size(), 1);
    EXPECT_TRUE(answers.texts[0].startsWith("L31\r\nL32 0 L47 ")) << answers.texts[0].toStdString();
    EXPECT_TRUE(answers.texts[0].endsWith(" L48 "));
    EXPECT_EQ(scores, 1);
    EXPECT_EQ(sounds.count("7"), empty);
    EXPECT_EQ(sounds.count("Loud"), empty);
    EXPECT_EQ(sounds.count("applause"), 1);
    EXPECT_EQ(Panel(1), "L57");
    // Only new puzzle, back to the menu, load and options are left.
    for (QWidget* on : {static_cast<QWidget*>(w.BtRejoue), static_cast<QWidget*>(w.BtQuitter),
                        static_cast<QWidget*>(w.BtCharger), static_cast<QWidget*>(w.BtOptions)})
        EXPECT_TRUE(on->isEnabled()) << on->accessibleName().toStdString();
    for (QWidget* off : {static_cast<QWidget*>(w.BtSolve), static_cast<QWidget*>(w.btCheck),
                         static_cast<QWidget*>(w.BtSave), static_cast<QWidget*>(w.BtPrint),
                         static_cast<QWidget*>(w.BtHint), static_cast<QWidget*>(w.ImageBtHint)})
        EXPECT_FALSE(off->isEnabled()) << off->accessibleName().toStdString();

    // A finished game takes no more clicks, and the play button only closes the ring.
    ClickAt(CellCentre(4, 4));
    EXPECT_FALSE(w.PickerOpen);
    w.tbPlayClick();
    EXPECT_EQ(w.GameState, GameStatus::Finished);
}

TEST_F(WholeGame, NewPuzzleAsksDuringAGameAndNotAfterIt)
{
    QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
    const engine::Grid first = w.GameBoard().StartGrid;
    {
        MessageAnswers declined(w, 2);
        QTest::mouseClick(w.BtRejoue, Qt::LeftButton);
        EXPECT_EQ(declined.texts, QStringList{"L35"});
    }
    EXPECT_EQ(w.GameBoard().StartGrid, first);

    QTest::mouseClick(w.BtSolve, Qt::LeftButton);
    EXPECT_EQ(w.GameState, GameStatus::Finished);
    EXPECT_EQ(w.GameBoard().CurrentGrid, w.GameBoard().SolutionGrid);
    MessageAnswers none(w, 2);
    w.ElapsedSeconds = 50;
    QTest::mouseClick(w.BtRejoue, Qt::LeftButton);
    EXPECT_TRUE(none.texts.isEmpty());
    EXPECT_EQ(w.GameState, GameStatus::Playing);
    EXPECT_LT(w.ElapsedSeconds, 1.0);
    EXPECT_EQ(scores, 0) << "a solved game is not scored";
}

TEST_F(WholeGame, TheNameMalberunAndTheKeyOneEndTheNextMove)
{
    StartKnownGame(SolvedWithout({{0, 0}, {5, 5}}));
    QTest::keyClick(&w, Qt::Key_1);
    EXPECT_FALSE(w.ForceComplete) << "another name";
    w.NomDuJoueur->setText("Malbérun");
    QTest::keyClick(&w, Qt::Key_1, Qt::KeypadModifier);
    EXPECT_FALSE(w.ForceComplete) << "the keypad's 1 is another key";
    QTest::keyClick(&w, Qt::Key_2);
    EXPECT_FALSE(w.ForceComplete);
    QTest::keyClick(&w, Qt::Key_1);
    EXPECT_TRUE(w.ForceComplete);

    MessageAnswers answers(w, 1);
    Play(0, 0, 3); // a wrong digit
    EXPECT_EQ(w.GameState, GameStatus::Finished);
    EXPECT_EQ(answers.texts.size(), 1);
}

using Ring = PlayedWindow;

TEST_F(Ring, OpensFourPixelsInsideTheBoardButNotThree)
{
    StartKnownGame(engine::EmptyGrid());
    ClickAt({w.BoardLeft + 3, w.BoardTop + 100});
    EXPECT_FALSE(w.PickerOpen);
    ClickAt({w.BoardLeft + 100, w.BoardTop + 540 - 3});
    EXPECT_FALSE(w.PickerOpen);
    EXPECT_FALSE(sounds.contains("7"));

    ClickAt({w.BoardLeft + 4, w.BoardTop + 100});
    ASSERT_TRUE(w.PickerOpen);
    EXPECT_EQ(w.PickedX, 0);
    EXPECT_EQ(w.PickedY, 1);
    EXPECT_EQ(w.PickerSpin, 36);
    EXPECT_EQ(sounds, QStringList{"7"});
}

TEST_F(Ring, AGivenOpensNothingAndAPlayersPieceCanBeErased)
{
    StartKnownGame(SolvedWithout({{2, 2}}));
    ClickAt(CellCentre(0, 0));
    EXPECT_FALSE(w.PickerOpen);

    Play(2, 2, 6); // a wrong digit on the one empty cell
    EXPECT_EQ(w.GameBoard().CurrentGrid[2][2], 6);
    EXPECT_EQ(w.GameState, GameStatus::Playing);
    Play(2, 2, -1);
    EXPECT_EQ(w.GameBoard().CurrentGrid[2][2], engine::EmptyCell);
    EXPECT_EQ(sounds, (QStringList{"7", "Loud", "7", "erase"}));
}

TEST_F(Ring, RightClicksMarkAndUnmarkAndALeftClickClearsTheMarks)
{
    StartKnownGame(engine::EmptyGrid());
    const auto& marks = w.GameBoard().CandidateMarks;
    Play(3, 4, 4, Qt::RightButton);
    EXPECT_EQ(marks[3][4][4], 1);
    Play(3, 4, 7, Qt::RightButton);
    EXPECT_EQ(marks[3][4][7], 1);
    Play(3, 4, 4, Qt::RightButton);
    EXPECT_EQ(marks[3][4][4], 0);
    EXPECT_EQ(w.GameBoard().CurrentGrid[3][4], engine::EmptyCell) << "marks place nothing";

    // Erase holds no mark; a left click clears them all.
    Play(3, 4, -1, Qt::RightButton);
    EXPECT_EQ(marks[3][4][7], 1);
    Play(3, 4, 0);
    EXPECT_EQ(marks[3][4], (std::array<std::uint8_t, 9>{}));
}

TEST_F(Ring, APausedGamePlacesNothingButStillClearsTheMarks)
{
    StartKnownGame(engine::EmptyGrid());
    Play(6, 1, 2, Qt::RightButton);
    w.tbPlayClick();
    ASSERT_EQ(w.GameState, GameStatus::Paused);
    const engine::Grid shown = w.GameBoard().CurrentGrid;
    Play(6, 1, 5);
    EXPECT_EQ(w.GameBoard().CurrentGrid, shown);
    EXPECT_EQ(w.GameBoard().CandidateMarks[6][1][2], 0);
    EXPECT_GT(w.ShakeCount, 0);
    EXPECT_FALSE(sounds.contains("Loud"));
}

TEST_F(Ring, LeavingTheBoardByFortyPixelsClosesAnIdleRingAndThirtyDoNot)
{
    StartKnownGame(engine::EmptyGrid());
    ClickAt(CellCentre(8, 4));
    ASSERT_TRUE(w.PickerOpen);
    ASSERT_EQ(w.PickerChoice, -2);
    // Pointer moves are reported on the surface: the board's left edge is BoardLeft there.
    QTest::mouseMove(w.Image32View, {w.BoardLeft - 30, w.BoardTop + 270});
    EXPECT_TRUE(w.PickerOpen);
    QTest::mouseMove(w.Image32View, {w.BoardLeft - 40, w.BoardTop + 270});
    EXPECT_FALSE(w.PickerOpen);

    // A click between the choices only closes the ring.
    ClickAt(CellCentre(4, 4));
    ASSERT_TRUE(w.PickerOpen);
    ClickAt(CellCentre(4, 4));
    EXPECT_FALSE(w.PickerOpen);
    EXPECT_EQ(w.GameBoard().CurrentGrid[4][4], engine::EmptyCell);
}

using Clock = PlayedWindow;

TEST_F(Clock, TenTicksMakeOneSecondAndChecksAndHintsCostTime)
{
    StartKnownGame(SolvedWithout({{1, 1}, {2, 2}, {3, 3}}));
    w.Timer1.stop(); // the test ticks by hand
    w.ElapsedSeconds = 0;
    for (int tick = 0; tick < 10; ++tick)
        w.Timer1Timer();
    EXPECT_EQ(w.ElapsedSeconds, 1.0);
    EXPECT_EQ(Panel(1), "L59 0 L47 1 L48");

    w.ElapsedSeconds = 10;
    QTest::mouseClick(w.btCheck, Qt::LeftButton);
    EXPECT_EQ(w.ElapsedSeconds, 30);
    EXPECT_EQ(Panel(4), "L62");
    EXPECT_EQ(w.CheckFlash, 14) << "set to 15, then one redraw";

    w.ElapsedSeconds = 10;
    QTest::mouseClick(w.ImageBtHint, Qt::LeftButton);
    EXPECT_EQ(w.ElapsedSeconds, 70);
}

TEST_F(Clock, APauseFreezesTimeAndCountAndResumeBringsBackTheGrid)
{
    StartKnownGame(SolvedWithout({{1, 1}, {2, 2}, {3, 3}, {4, 4}}));
    Play(1, 1, 7); // a wrong piece too
    const engine::Grid before = w.GameBoard().CurrentGrid;
    w.tbPlayClick();
    ASSERT_EQ(w.GameState, GameStatus::Paused);
    const double elapsed = w.ElapsedSeconds;
    const QString pieces = Panel(0);
    const QString time = Panel(1);
    for (int tick = 0; tick < 40; ++tick)
        w.Timer1Timer();
    EXPECT_NE(w.GameBoard().CurrentGrid, before);
    EXPECT_EQ(w.ElapsedSeconds, elapsed);
    EXPECT_EQ(Panel(0), pieces);
    EXPECT_EQ(Panel(1), time);
    EXPECT_EQ(Panel(2), "L55");
    EXPECT_FALSE(w.ImageBtHint->isEnabled());

    w.tbPlayClick();
    EXPECT_EQ(w.GameState, GameStatus::Playing);
    EXPECT_EQ(w.GameBoard().CurrentGrid, before);
    EXPECT_EQ(Panel(2), "L56");
    EXPECT_TRUE(w.ImageBtHint->isEnabled());
}

using DesignWindow = PlayedWindow;

TEST_F(DesignWindow, AnEmptyDesignIsRefused)
{
    QTest::mouseClick(w.Conception, Qt::LeftButton);
    ASSERT_EQ(w.GameState, GameStatus::Designing);
    QTest::mouseClick(w.BtValider, Qt::LeftButton);
    EXPECT_EQ(w.GameState, GameStatus::Designing);
    EXPECT_EQ(Panel(4), "L20");
    EXPECT_FALSE(w.BtSolve->isEnabled());
    EXPECT_FALSE(w.btCheck->isEnabled());
    EXPECT_FALSE(w.BtPrint->isEnabled());
    EXPECT_FALSE(w.Timer1.isActive());
}

TEST_F(DesignWindow, TwoEqualDigitsInARowAreRefusedEvenWhenTheSolverFinishesTheGrid)
{
    QTest::mouseClick(w.Conception, Qt::LeftButton);
    engine::Grid design = SolvedWithout({{0, 0}, {8, 8}});
    w.GameBoard().CurrentGrid = design;
    // The player puts row 8's digit at (7, 8) again at its end, with no rule to stop it.
    Play(8, 8, design[7][8]);
    EXPECT_EQ(w.GameBoard().CurrentGrid[8][8], design[7][8]);
    EXPECT_TRUE(sounds.filter("Loud").isEmpty()) << "a design is silent";

    MessageAnswers answers(w, 1);
    QTest::mouseClick(w.BtValider, Qt::LeftButton);
    EXPECT_TRUE(answers.texts.isEmpty());
    EXPECT_EQ(w.GameState, GameStatus::Designing);
    EXPECT_EQ(Panel(4), "L20");
    EXPECT_FALSE(w.BtPrint->isEnabled());
}

TEST_F(DesignWindow, AValidDesignBecomesAGameThatTheSameButtonPausesAndResumes)
{
    QTest::mouseClick(w.Conception, Qt::LeftButton);
    w.ElapsedSeconds = 75;
    engine::Grid design = SolvedWithout({{0, 0}, {4, 4}, {8, 8}, {2, 7}});
    w.GameBoard().CurrentGrid = design;
    Play(2, 7, GridOf(Solved)[2][7]);
    Play(2, 7, -1); // and erased again
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
    EXPECT_TRUE(w.BtSolve->isEnabled());
    EXPECT_TRUE(w.btCheck->isEnabled());

    QTest::mouseClick(w.BtValider, Qt::LeftButton);
    EXPECT_EQ(w.GameState, GameStatus::Paused);
    EXPECT_FALSE(w.PanPaused->isHidden());
    QTest::mouseClick(w.BtValider, Qt::LeftButton);
    EXPECT_EQ(w.GameState, GameStatus::Playing);
    EXPECT_TRUE(w.PanPaused->isHidden());
}

TEST_F(DesignWindow, TheHintPictureComesBackWithTheNextVeryEasyGame)
{
    QTest::mouseClick(w.Conception, Qt::LeftButton);
    EXPECT_TRUE(w.ImageBtHint->isHidden());
    {
        MessageAnswers answers(w, 1);
        QTest::mouseClick(w.BtQuitter, Qt::LeftButton);
    }
    ASSERT_TRUE(w.Panel_MenuPrincipal->isVisible());
    QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
    EXPECT_TRUE(w.PanelBtHint->isVisible());
    EXPECT_TRUE(w.ImageBtHint->isVisible());
}

using Hint = PlayedWindow;

TEST_F(Hint, OneWrongPieceIsFlaggedAndNothingIsPlaced)
{
    StartKnownGame(SolvedWithout({{1, 1}, {2, 2}, {3, 3}}));
    Play(2, 2, (GridOf(Solved)[2][2] + 1) % 9);
    const engine::Grid before = w.GameBoard().CurrentGrid;
    w.ElapsedSeconds = 5;
    QTest::mouseClick(w.ImageBtHint, Qt::LeftButton);
    EXPECT_EQ(w.GameBoard().CurrentGrid, before);
    EXPECT_EQ(w.ElapsedSeconds, 65);
    EXPECT_EQ(w.CheckFlash, 15) << "the flag starts with the next redraw";
    EXPECT_EQ(Panel(4), "L29");
    EXPECT_FALSE(sounds.contains("help"));
}

TEST_F(Hint, WithoutADeducibleCellItSaysSoAndStillCosts)
{
    StartKnownGame(engine::EmptyGrid());
    w.ElapsedSeconds = 0;
    QTest::mouseClick(w.ImageBtHint, Qt::LeftButton);
    EXPECT_EQ(w.GameBoard().FilledCellCount(), 0);
    EXPECT_EQ(Panel(4), "L30");
    EXPECT_EQ(w.ElapsedSeconds, 60);
}

TEST_F(Hint, FillsOnlyEmptyCellsInGreenAndStopsAtEightyFilledCells)
{
    const std::vector<engine::Cell> open{{0, 0}, {4, 4}, {8, 8}};
    StartKnownGame(SolvedWithout({{0, 0}, {4, 4}, {8, 8}}));
    QTest::mouseClick(w.ImageBtHint, Qt::LeftButton);
    EXPECT_EQ(w.GameBoard().FilledCellCount(), 79);
    EXPECT_EQ(Panel(4), "L51");
    EXPECT_EQ(sounds.last(), "help");
    EXPECT_EQ(Panel(0), "L58 : 79");

    // A hint may fall again on a cell it filled before, never on a given: the green digit
    // shows which cell it took.
    int hints = 1;
    for (;;) {
        const std::vector<engine::Cell> green = GreenCells(w);
        ASSERT_EQ(green.size(), 1u) << "the hint's digit is written in green";
        EXPECT_NE(std::find(open.begin(), open.end(), green[0]), open.end())
            << green[0].x << "," << green[0].y;
        if (w.GameBoard().FilledCellCount() == 80 || hints == 40)
            break;
        QTest::mouseClick(w.ImageBtHint, Qt::LeftButton);
        ++hints;
    }
    EXPECT_EQ(w.GameBoard().FilledCellCount(), 80);
    EXPECT_EQ(w.ElapsedSeconds, 60 * hints);
    EXPECT_FALSE(w.ImageBtHint->isEnabled());
    EXPECT_FALSE(w.BtHint->isEnabled());
    w.mnuHintClick();
    EXPECT_EQ(w.GameBoard().FilledCellCount(), 80) << "the last cell is the player's";
    EXPECT_EQ(w.ElapsedSeconds, 60 * hints);

    // Resuming does not bring the hint back for the last cell.
    w.tbPlayClick();
    w.tbPlayClick();
    EXPECT_FALSE(w.ImageBtHint->isEnabled());
    EXPECT_EQ(w.GameState, GameStatus::Playing);
}

TEST_F(Hint, FollowsThePlayersPiecesAroundEightyFilledCells)
{
    StartKnownGame(SolvedWithout({{3, 0}, {5, 8}}));
    EXPECT_TRUE(w.ImageBtHint->isEnabled());
    Play(3, 0, 2); // a wrong piece counts as a filled cell
    EXPECT_FALSE(w.ImageBtHint->isEnabled());
    Play(3, 0, -1);
    EXPECT_TRUE(w.ImageBtHint->isEnabled());
}

TEST_F(Hint, ActsOnlyWhilePlaying)
{
    StartKnownGame(SolvedWithout({{0, 0}, {4, 4}, {8, 8}}));
    w.tbPlayClick();
    w.Timer1Timer(); // a scrambled board
    const engine::Grid scrambled = w.GameBoard().CurrentGrid;
    const double elapsed = w.ElapsedSeconds;
    w.mnuHintClick();
    EXPECT_EQ(w.GameBoard().CurrentGrid, scrambled);
    EXPECT_EQ(w.ElapsedSeconds, elapsed);
    w.tbPlayClick();
    QTest::mouseClick(w.BtSolve, Qt::LeftButton);
    EXPECT_FALSE(w.ImageBtHint->isEnabled());
    w.mnuHintClick();
    EXPECT_EQ(w.ElapsedSeconds, elapsed);
    EXPECT_EQ(w.GameBoard().CurrentGrid, w.GameBoard().SolutionGrid);
}
