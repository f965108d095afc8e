// Scores, saved games and printing driven through the window's buttons and message windows.
#include "Window.h"
#include "control/GameFiles.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPrinter>

#include <gtest/gtest.h>

using game_testing::GridOf;
using game_testing::Solved;
using game_testing::SolvedWithout;

namespace {

// Clicks the button and answers the message window it opens: selects a row of its list first
// (-1: none), then presses answer 1 or 2. Returns the entries the list showed.
QStringList ClickAndChoose(TfrmMain& w, QWidget* button, int row, int answer)
{
    QStringList entries;
    const QObject scope; // the answer is dropped if no window opened
    QTimer::singleShot(0, &scope, [&] {
        QListWidget& list = *w.FormFenetre->ListBox1;
        for (int i = 0; i < list.count(); ++i)
            entries.append(list.item(i)->text());
        row >= 0 ? list.setCurrentRow(row) : list.clearSelection();
        QTest::mouseClick(answer == 1 ? w.FormFenetre->ToolButton1 : w.FormFenetre->ToolButton2,
                          Qt::LeftButton);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    return entries;
}

// The scores and saved games of the temporary home, emptied for each test.
class RecordsWindow : public game_testing::PlayedWindow
{
protected:
    RecordsWindow() { QDir(w.GameFolder()).removeRecursively(); }
};

} // namespace

TEST_F(RecordsWindow, ASavedGameComesBackFromTheMainMenuWithItsClockAndEveryPieceAGiven)
{
    StartKnownGame(SolvedWithout({{0, 0}, {4, 4}, {8, 8}}));
    Play(0, 0, 0); // the player's correct 1
    w.ElapsedSeconds = 125.5;
    QTest::mouseClick(w.BtSave, Qt::LeftButton);
    EXPECT_EQ(Panel(4), "L50");
    const engine::Grid saved = w.GameBoard().CurrentGrid;

    Play(4, 4, 4);
    w.ElapsedSeconds = 400;
    {
        game_testing::MessageAnswers back(w, 1);
        QTest::mouseClick(w.BtQuitter, Qt::LeftButton);
    }
    const QStringList entries = ClickAndChoose(w, w.BtChargeInMenu, 0, 1);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_TRUE(entries[0].startsWith("L72: ")) << entries[0].toStdString();
    EXPECT_EQ(w.GameBoard().CurrentGrid, saved);
    EXPECT_EQ(w.GameBoard().StartGrid, saved) << "the player's 1 is a given now";
    EXPECT_EQ(w.GameBoard().SolutionGrid, GridOf(Solved));
    EXPECT_DOUBLE_EQ(w.ElapsedSeconds, 125.5);
    EXPECT_EQ(w.GameState, GameStatus::Playing);
    EXPECT_TRUE(w.Panel_MenuJeu->isVisible() && !w.Panel_MenuPrincipal->isVisible());
    EXPECT_TRUE(w.BtSolve->isEnabled() && w.btCheck->isEnabled() && w.Timer1.isActive());
    EXPECT_FALSE(w.BtValider->isVisible() || w.FormFenetre->ListBox1->isVisible());
}

TEST_F(RecordsWindow, CancellingChoosingNothingOrABrokenLineLeavesTheGameAsItWas)
{
    StartKnownGame(SolvedWithout({{0, 0}, {4, 4}}));
    QTest::mouseClick(w.BtSave, Qt::LeftButton);
    Play(0, 0, 0);
    w.ElapsedSeconds = 42;
    const engine::Board before = w.GameBoard();
    const auto unchanged = [&] {
        EXPECT_EQ(w.GameBoard().CurrentGrid, before.CurrentGrid);
        EXPECT_EQ(w.GameBoard().StartGrid, before.StartGrid);
        EXPECT_DOUBLE_EQ(w.ElapsedSeconds, 42);
    };
    for (const auto& [row, answer] : {std::pair(0, 2), std::pair(-1, 1)}) {
        ClickAndChoose(w, w.BtCharger, row, answer);
        unchanged();
    }
    EXPECT_TRUE(test.errors.isEmpty());

    const QString path = control::SavedGamesFilePath(w.GameFolder());
    const QStringList lines = control::ReadRecordLines(path);
    ASSERT_EQ(lines.size(), 1);
    control::WriteRecordLines(path, {lines[0].left(150)}); // cut inside the solution
    ClickAndChoose(w, w.BtCharger, 0, 1);
    ASSERT_EQ(test.errors.size(), 1);
    EXPECT_TRUE(test.errors[0].contains("solution grid")) << test.errors[0].toStdString();
    unchanged();
}

TEST_F(RecordsWindow, AFinishedGameAddsOneScoreLineThatTheScoresListShowsAndDeletes)
{
    w.AjouteScore = [this] { w.AddScore(); };
    StartKnownGame(SolvedWithout({{2, 5}}));
    w.ElapsedSeconds = 61.9;
    {
        game_testing::MessageAnswers answers(w, 1);
        Play(2, 5, GridOf(Solved)[2][5]);
    }
    const QString path = control::ScoresFilePath(w.GameFolder());
    const QStringList scores = control::ReadRecordLines(path);
    ASSERT_EQ(scores.size(), 1);
    EXPECT_TRUE(scores[0].startsWith("1 L47 1 L48 ")) << scores[0].toStdString();

    EXPECT_EQ(ClickAndChoose(w, w.Scores, -1, 1), scores);
    // "Effacer" on the shown list removes the line from the file, then the entry.
    w.FormFenetre->ListBox1->setCurrentRow(0);
    w.FormFenetre->EffacerClick();
    EXPECT_TRUE(control::ReadRecordLines(path).isEmpty());
    EXPECT_EQ(w.FormFenetre->ListBox1->count(), 0);
}

TEST_F(RecordsWindow, PrintingAsksForAPrinterAndACancelPrintsNothing)
{
    StartKnownGame(SolvedWithout({{0, 0}}));
    const QString path = install.Folder() + "grid.pdf";
    for (const bool accept : {false, true}) {
        int asked = 0;
        w.AskForPrinter = [&](QPrinter& printer) {
            ++asked;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return accept;
        };
        QTest::mouseClick(w.BtPrint, Qt::LeftButton);
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(QFile::exists(path), accept);
    }
}
