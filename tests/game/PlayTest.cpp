// The end of a game and the clock's text, then games played through the window.
#include "Window.h"
#include "control/Clock.h"
#include "control/GameFiles.h"
#include "control/Placement.h"

#include <map>
#include <stdexcept>

#include <QLineEdit>

using namespace game_testing;

TEST(GridComplete, NeverWithAnIncompleteSolutionEvenOneTheGridCopies)
{
    engine::Board board; // two empty grids: equal, and yet nothing is finished
    EXPECT_FALSE(control::GridComplete(board, false));
    board.SolutionGrid = board.CurrentGrid = GridOf(Solved);
    EXPECT_TRUE(control::GridComplete(board, false));
}

TEST(Clock, ShowsTimeCutToTheSecondCountingTicksWithoutDriftUpToAClampedMaximum)
{
    const control::TimeWords words{"min", "s", "more than an hour"};
    const std::pair<double, const char*> cases[]{
        {59.99, "0 min 59 s"}, {119.9, "1 min 59 s"}, {3600.01, "more than an hour"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(control::TimeText(seconds, words), text) << seconds;
    double hour = 0; // an hour of ticks, without the drift of adding 0.1 each time
    for (int tick = 0; tick < 36000; ++tick)
        hour = control::AdvanceClock(hour, control::ClockInterval);
    EXPECT_EQ(control::TimeText(hour, words), "60 min 0 s");
    EXPECT_EQ(control::TimeText(control::AdvanceClock(hour, control::ClockInterval), words),
              "more than an hour");
    // The count stops at its largest value, a hint's minute added there included.
    EXPECT_EQ(control::AdvanceClock(control::MaxElapsedSeconds, 100), control::MaxElapsedSeconds);
    EXPECT_EQ(control::AdvanceClock(control::MaxElapsedSeconds + control::HintCost, 100),
              control::MaxElapsedSeconds);
}

using WholeGame = PlayedWindow;
using Ring = PlayedWindow;

TEST_F(WholeGame, PlayedWithTheMouseAlone)
{
    QDir(w.GameFolder()).removeRecursively();
    w.AjouteScore = [this] { ++scores, w.AddScore(); };
    QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
    w.Timer1.stop(), w.ElapsedSeconds = 61.9;
    const engine::Board& board = w.GameBoard();
    const int empty = board.EmptyCellCount();
    MessageAnswers answers(w, 1);
    for (int cell = 0; cell < 81; ++cell)
        if (board.CurrentGrid[cell % 9][cell / 9] == engine::EmptyCell)
            Play(cell % 9, cell / 9, board.SolutionGrid[cell % 9][cell / 9]);
    EXPECT_EQ(w.GameState, GameStatus::Finished);
    ASSERT_EQ(answers.texts.size(), 1);
    EXPECT_TRUE(answers.texts[0].startsWith("L31\r\nL32 1 L47 1 L48"))
        << answers.texts[0].toStdString();
    const QStringList lines = control::ReadRecordLines(control::ScoresFilePath(w.GameFolder()));
    EXPECT_TRUE(scores == 1 && lines.size() == 1 && lines[0].startsWith("1 L47 1 L48 "))
        << lines.join('|').toStdString();
    EXPECT_EQ(std::pair(int(sounds.count("Loud")), int(sounds.count("applause"))),
              std::pair(empty, 1));
    w.ComboBox2->SetText("Facile");
    QTest::mouseClick(w.BtRejoue, Qt::LeftButton);
    EXPECT_TRUE(answers.texts.size() == 1 && w.GameState == GameStatus::Playing)
        << "no question after the game";
}

TEST_F(WholeGame, QuestionsBeforeLeavingAGame)
{
    QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
    const engine::Grid first = w.GameBoard().StartGrid;
    MessageAnswers answers(w, 2); // declined
    QTest::mouseClick(w.BtRejoue, Qt::LeftButton), QTest::mouseClick(w.BtQuitter, Qt::LeftButton);
    EXPECT_EQ(answers.texts, (QStringList{"L35", "L1"}));
    EXPECT_EQ(w.GameBoard().StartGrid, first);
    EXPECT_TRUE(w.Panel_MenuJeu->isVisible() && !w.Panel_MenuPrincipal->isVisible());
    answers.button = 1, QTest::mouseClick(w.BtQuitter, Qt::LeftButton);
    EXPECT_TRUE(w.Panel_MenuPrincipal->isVisible() && !w.Panel_MenuJeu->isVisible());
    EXPECT_TRUE(w.Timer1.isActive()) << "the game keeps counting behind the menu";
    answers.button = 2, QTest::mouseClick(w.Quitter_Jeu, Qt::LeftButton);
    EXPECT_TRUE(answers.texts.last() == "L34" && w.isVisible());
    answers.button = 1, QTest::mouseClick(w.Quitter_Jeu, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(WholeGame, HiddenKeyEndsTheNextMove)
{
    StartKnownGame(SolvedWithout({{0, 0}, {5, 5}}));
    QTest::keyClick(&w, Qt::Key_1);
    EXPECT_FALSE(w.ForceComplete) << "another name";
    w.NomDuJoueur->setText("Malbérun");
    QTest::keyClick(&w, Qt::Key_1, Qt::KeypadModifier), QTest::keyClick(&w, Qt::Key_2);
    EXPECT_FALSE(w.ForceComplete) << "the keypad's 1 and other keys";
    QTest::keyClick(&w, Qt::Key_1);
    EXPECT_TRUE(w.ForceComplete);
    w.AjouteScore = [] { throw std::runtime_error("disk full"); };
    MessageAnswers answers(w, 1);
    Play(0, 0, 3); // a wrong digit
    EXPECT_TRUE(w.GameState == GameStatus::Finished && test.errors == QStringList{"disk full"});
    EXPECT_TRUE(w.BtRejoue->isEnabled() && w.BtQuitter->isEnabled() && w.BtCharger->isEnabled());
}

TEST_F(Ring, OpensOnlyInsideTheBoardOnEmptyCells)
{
    StartKnownGame(SolvedWithout({{0, 1}, {0, 8}}));
    // The board's outermost three pixels on the left and at the bottom, then a given.
    for (const QPoint at : {QPoint(3, 100), QPoint(30, 537), QPoint(30, 30)})
        ClickAt(at + QPoint(w.BoardLeft, w.BoardTop));
    EXPECT_TRUE(!w.PickerOpen && sounds.isEmpty());
    ClickAt({w.BoardLeft + 4, w.BoardTop + 100});
    ASSERT_TRUE(w.PickerOpen && w.PickedX == 0 && w.PickedY == 1);
    ClickChoice(8);
    EXPECT_EQ(w.GameBoard().CurrentGrid[0][1], 6);
    for (const int value : {4, 7, 4, -1}) // erase holds no mark
        Play(0, 8, value, Qt::RightButton);
    // A press while a position beside the ten choices is hovered only closes the ring.
    for (const int choice : {-1, 0, 11}) {
        ClickAt(CellCentre(0, 8));
        w.PickerChoice = choice;
        ClickAt(CellCentre(0, 8));
        EXPECT_FALSE(w.PickerOpen) << choice;
    }
    EXPECT_EQ(w.GameBoard().CandidateMarks[0][8],
              (std::array<std::uint8_t, 9>{0, 0, 0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(w.GameBoard().CurrentGrid[0][8], engine::EmptyCell) << "marks place nothing";
    // Pointer moves are reported on the surface: the board's left edge is BoardLeft there.
    ClickAt(CellCentre(0, 8));
    QTest::mouseMove(w.Image32View, {w.BoardLeft - 30, w.BoardTop + 270});
    EXPECT_TRUE(w.PickerOpen);
    QTest::mouseMove(w.Image32View, {w.BoardLeft - 40, w.BoardTop + 270});
    EXPECT_FALSE(w.PickerOpen) << "an idle ring closes forty pixels off the board";
}

TEST_F(Ring, OfAnEdgeCellKeepsItsOutermostChoiceWithinReachOfOneQuickMove)
{
    // Each edge's cell and the ring choice that lies farthest out from the board.
    const struct
    {
        const char* name;
        engine::Cell cell;
        int choice;
    } edges[]{
        {"left", {0, 4}, 8}, {"right", {8, 4}, 3}, {"top", {4, 0}, 5}, {"bottom", {4, 8}, 10}};
    StartKnownGame(GridOf(Solved));
    for (const auto& [name, cell, choice] : edges) {
        SCOPED_TRACE(name);
        w.GameBoard().StartGrid = w.GameBoard().CurrentGrid = SolvedWithout({cell, {4, 4}});
        ClickAt(CellCentre(cell.x, cell.y));
        ClickChoice(choice, Qt::LeftButton, 1); // one move
        EXPECT_EQ(w.GameBoard().CurrentGrid[cell.x][cell.y], control::ValueOfChoice(choice));
    }
}

TEST_F(Ring, InFullScreenFollowsTheScaledBoard)
{
    StartKnownGame(SolvedWithout({{2, 3}, {4, 4}}));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    // The display box's arrow turns the shown window to full screen.
    QTest::mouseClick(w.ImageF4D, Qt::LeftButton);
    ASSERT_NE(w.FullScreenView, nullptr);
    presentation::ScaledView& view = *w.FullScreenView;
    // The test screen, 800 x 800, is narrower than the game.
    EXPECT_TRUE(QTest::qWaitFor([&view] { return view.Scale() == 800 / 1024.0; })) << view.Scale();
    // Where the view shows a point of the game's 1024 x 768 area.
    const auto shown = [&view](QPoint area) { return view.mapFromScene(QPointF(area)); };
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, shown(CellCentre(2, 3)));
    ASSERT_TRUE(w.PickerOpen && w.PickedX == 2 && w.PickedY == 3);
    ClickChoice(5, Qt::LeftButton, 10, view.viewport(), shown); // the digit 4
    EXPECT_EQ(w.GameBoard().CurrentGrid[2][3], 3);
    w.NomDuJoueur->setText("Malbérun");
    QTest::keyRelease(&view, Qt::Key_1);
    EXPECT_TRUE(w.ForceComplete) << "the window's keys still reach it";
    QTest::mouseClick(w.ImageF4D, Qt::LeftButton);
    EXPECT_TRUE(w.GameArea->parentWidget() == w.centralWidget() && w.size() == QSize(1024, 768));
}

TEST_F(WholeGame, DesignValidationRefusesBrokenDesigns)
{
    MessageAnswers answers(w, 1);
    QTest::mouseClick(w.Conception, Qt::LeftButton);
    // Row 8's digit at (7, 8) again at its end, and rows 3 and 4 swapped, which breaks boxes
    // only: the solver alone would finish both grids.
    engine::Grid twice = SolvedWithout({{0, 0}}), swapped = twice;
    twice[8][8] = twice[7][8];
    for (auto& column : swapped)
        std::swap(column[2], column[3]);
    for (const engine::Grid& design : {engine::EmptyGrid(), twice, swapped, GridOf(Solved)}) {
        w.mnuNewClick();
        w.GameBoard().CurrentGrid = design;
        QTest::mouseClick(w.BtValider, Qt::LeftButton);
        EXPECT_EQ(std::pair(w.GameState, Panel(4)),
                  std::pair(GameStatus::Designing, QString("L20")));
    }
    EXPECT_TRUE(answers.texts.isEmpty()) << "a refused design shows no message window";
    w.ElapsedSeconds = 75;
    const engine::Grid design = SolvedWithout({{0, 0}, {4, 4}, {8, 8}, {2, 7}});
    w.GameBoard().CurrentGrid = design;
    QTest::mouseClick(w.BtValider, Qt::LeftButton);
    EXPECT_TRUE(answers.texts == QStringList{"L21\r\nL22 Très facile."}
                && w.GameState == GameStatus::Playing);
    EXPECT_EQ(w.GameBoard().StartGrid, design) << "the design's pieces are the givens";
    EXPECT_EQ(w.GameBoard().SolutionGrid, GridOf(Solved));
}

TEST_F(WholeGame, PauseFreezesTheGameHintStopsAtEightyCells)
{
    // The board's bright green pixels: for each cell holding any, their bounds within the cell.
    const auto greenCells = [this] {
        std::map<std::pair<int, int>, QRect> cells;
        for (int x = 0; x < 9 * w.CellWidth; ++x)
            for (int y = 0; y < 9 * w.CellHeight; ++y)
                if (const QColor c = w.Image32.pixelColor(w.BoardLeft + x, w.BoardTop + y);
                    c.green() > 200 && c.red() < 80 && c.blue() < 80)
                    cells[{x / w.CellWidth, y / w.CellHeight}]
                        |= QRect(x % w.CellWidth, y % w.CellHeight, 1, 1);
        return cells;
    };
    // Givens only: a hint may fall again on a player's piece.
    StartKnownGame(SolvedWithout({{2, 2}, {3, 3}}));
    Play(2, 2, 4, Qt::RightButton);
    w.ElapsedSeconds = 0;
    for (int tick = 0; tick < 10; ++tick)
        w.Timer1Timer();
    EXPECT_EQ(std::pair(w.ElapsedSeconds, Panel(1)), std::pair(1.0, QString("L59 0 L47 1 L48")));
    QTest::mouseClick(w.btCheck, Qt::LeftButton);
    EXPECT_EQ(w.ElapsedSeconds, 21.0) << "a check costs twenty seconds";
    const engine::Grid before = w.GameBoard().CurrentGrid;
    const QString pieces = Panel(0);
    w.tbPlayClick();
    for (int tick = 0; tick < 40; ++tick)
        w.Timer1Timer();
    w.GameBoard().CurrentGrid[2][2] = w.GameBoard().CurrentGrid[3][3] = 0; // as a tick may
    w.DessineGrille();
    const engine::Grid scrambled = w.GameBoard().CurrentGrid;
    EXPECT_NE(scrambled, before);
    EXPECT_EQ(Panel(0), pieces) << "the count does not follow the random pieces";
    w.mnuHintClick();
    Play(2, 2, 0); // places nothing, and clears the cell's marks all the same
    EXPECT_EQ(w.GameBoard().CurrentGrid, scrambled);
    EXPECT_EQ(w.GameBoard().CandidateMarks[2][2], (std::array<std::uint8_t, 9>{}));
    EXPECT_EQ(std::pair(w.ElapsedSeconds, Panel(2)), std::pair(21.0, QString("L55")));
    EXPECT_FALSE(w.ImageBtHint->isEnabled());
    w.tbPlayClick();
    EXPECT_EQ(w.GameBoard().CurrentGrid, before);
    ASSERT_TRUE(w.ImageBtHint->isEnabled());
    // The eightieth cell, the last a hint fills: in green for fifteen redraws, its own included.
    QTest::mouseClick(w.ImageBtHint, Qt::LeftButton);
    EXPECT_EQ(std::pair(w.GameBoard().FilledCellCount(), w.ElapsedSeconds), std::pair(80, 81.0));
    EXPECT_EQ(sounds.mid(sounds.size() - 2), (QStringList{"Message", "help"}));
    const auto green = greenCells();
    ASSERT_EQ(green.size(), 1u);
    const QRect digit = green.begin()->second; // centred in its cell
    EXPECT_NEAR(digit.center().x(), 30, 2);
    EXPECT_TRUE(digit.top() >= 15 && digit.bottom() <= 45) << digit.top() << "," << digit.bottom();
    EXPECT_GE(digit.height(), 13) << "the hint digit in its large font";
    for (int redraw = 2; redraw <= 15; ++redraw) {
        w.DessineGrille();
        ASSERT_EQ(greenCells(), green) << "redraw " << redraw;
    }
    w.DessineGrille();
    EXPECT_TRUE(greenCells().empty());
    EXPECT_FALSE(w.ImageBtHint->isEnabled() || w.BtHint->isEnabled());
    w.mnuHintClick();
    EXPECT_EQ(w.GameBoard().FilledCellCount(), 80) << "the last cell is the player's";
    w.tbPlayClick(), w.tbPlayClick();
    EXPECT_FALSE(w.ImageBtHint->isEnabled()) << "resuming does not bring it back";
}
