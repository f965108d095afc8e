// Scores, saved games and printing driven through the window's buttons and message windows.
#include "Window.h"
#include "control/GameFiles.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using game_testing::GridOf;
using game_testing::PlayedWindow;
using game_testing::Solved;

namespace {

// Answers the next message window: selects a row of its list first (-1: none), remembers the
// entries it showed, then presses the button.
class ListAnswer
{
public:
    ListAnswer(TfrmMain& w, int row, int button)
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [&w, row, button, this] {
            TFormFenetre* message = w.FormFenetre;
            if (!message->isVisible())
                return;
            m_timer.stop();
            for (int i = 0; i < message->ListBox1->count(); ++i)
                entries.append(message->ListBox1->item(i)->text());
            if (row >= 0)
                message->ListBox1->setCurrentRow(row);
            else
                message->ListBox1->clearSelection();
            QTest::mouseClick(button == 1 ? message->ToolButton1 : message->ToolButton2,
                              Qt::LeftButton);
        });
        m_timer.start();
    }

    QStringList entries;

private:
    QTimer m_timer;
};

class RecordsWindow : public PlayedWindow
{
protected:
    RecordsWindow()
    {
        QDir(w.GameFolder()).removeRecursively();
        w.ShowErrorBox = [this](const QString& text) { errors.append(text); };
    }

    [[nodiscard]] QStringList FileLines(const QString& path) const
    {
        return control::ReadRecordLines(path);
    }

    QStringList errors;
};

engine::Grid SolvedWithout(std::initializer_list<engine::Cell> cells)
{
    engine::Grid grid = GridOf(Solved);
    for (const engine::Cell cell : cells)
        grid[cell.x][cell.y] = engine::EmptyCell;
    return grid;
}

} // namespace

TEST_F(RecordsWindow, ASavedGameComesBackWithItsClockAndEveryPieceAGiven)
{
    StartKnownGame(SolvedWithout({{0, 0}, {4, 4}, {8, 8}}));
    Play(0, 0, 0); // the player's correct 1
    w.ElapsedSeconds = 125.5;
    QTest::mouseClick(w.BtSave, Qt::LeftButton);
    EXPECT_EQ(w.StatusBar1->PanelText(4), game_testing::FakeLine(50));
    const engine::Grid saved = w.GameBoard().CurrentGrid;

    Play(4, 4, 4);
    w.ElapsedSeconds = 400;
    ListAnswer answer(w, 0, 1);
    QTest::mouseClick(w.BtCharger, Qt::LeftButton);
    ASSERT_EQ(answer.entries.size(), 1);
    EXPECT_TRUE(answer.entries[0].startsWith(game_testing::FakeLine(72) + ": "));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();

    const engine::Board& board = w.GameBoard();
    EXPECT_EQ(board.CurrentGrid, saved);
    EXPECT_EQ(board.StartGrid, saved); // the player's 1 is a given now
    EXPECT_EQ(board.SolutionGrid, GridOf(Solved));
    EXPECT_DOUBLE_EQ(w.ElapsedSeconds, 125.5);
    EXPECT_EQ(w.GameState, GameStatus::Playing);
    EXPECT_TRUE(w.BtSolve->isEnabled());
    EXPECT_TRUE(w.btCheck->isEnabled());
    EXPECT_FALSE(w.FormFenetre->ListBox1->isVisible());
}

TEST_F(RecordsWindow, CancellingOrChoosingNothingLoadsNothing)
{
    StartKnownGame(SolvedWithout({{0, 0}, {4, 4}}));
    QTest::mouseClick(w.BtSave, Qt::LeftButton);
    Play(0, 0, 0);
    const engine::Grid before = w.GameBoard().CurrentGrid;
    {
        ListAnswer answer(w, 0, 2);
        QTest::mouseClick(w.BtCharger, Qt::LeftButton);
    }
    EXPECT_EQ(w.GameBoard().CurrentGrid, before);
    {
        ListAnswer answer(w, -1, 1);
        QTest::mouseClick(w.BtCharger, Qt::LeftButton);
    }
    EXPECT_EQ(w.GameBoard().CurrentGrid, before);
}

TEST_F(RecordsWindow, ABrokenLineIsNamedAndTheGameInProgressStaysAsItWas)
{
    StartKnownGame(SolvedWithout({{0, 0}, {4, 4}}));
    QTest::mouseClick(w.BtSave, Qt::LeftButton);
    const QString path = control::SavedGamesFilePath(w.GameFolder());
    QStringList lines = FileLines(path);
    ASSERT_EQ(lines.size(), 1);
    lines[0] = lines[0].left(150); // cut inside the solution
    control::WriteRecordLines(path, lines);

    Play(0, 0, 0);
    w.ElapsedSeconds = 42;
    const engine::Board before = w.GameBoard();
    ListAnswer answer(w, 0, 1);
    QTest::mouseClick(w.BtCharger, Qt::LeftButton);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(w.GameBoard().CurrentGrid, before.CurrentGrid);
    EXPECT_EQ(w.GameBoard().StartGrid, before.StartGrid);
    EXPECT_EQ(w.GameBoard().SolutionGrid, before.SolutionGrid);
    EXPECT_DOUBLE_EQ(w.ElapsedSeconds, 42);
}

TEST_F(RecordsWindow, LoadingFromTheMainMenuOpensTheGameScreen)
{
    StartKnownGame(SolvedWithout({{3, 3}}));
    QTest::mouseClick(w.BtSave, Qt::LeftButton);
    w.Panel_MenuJeu->hide();
    w.Panel_MenuPrincipal->show();
    ListAnswer answer(w, 0, 1);
    QTest::mouseClick(w.BtChargeInMenu, Qt::LeftButton);
    EXPECT_FALSE(w.Panel_MenuPrincipal->isVisible());
    EXPECT_TRUE(w.Panel_MenuJeu->isVisible());
    EXPECT_FALSE(w.BtValider->isVisible());
    EXPECT_EQ(w.GameState, GameStatus::Playing);
}

TEST_F(RecordsWindow, AFinishedGameAddsOneScoreLineThatTheScoresListShowsAndDeletes)
{
    w.AjouteScore = [this] { w.AddScore(); };
    w.NomDuJoueur->setText("Ada\nLovelace");
    StartKnownGame(SolvedWithout({{2, 5}}));
    w.ElapsedSeconds = 61.9;
    {
        game_testing::MessageAnswers answers(w, 1);
        Play(2, 5, GridOf(Solved)[2][5]);
    }
    const QStringList scores = FileLines(control::ScoresFilePath(w.GameFolder()));
    ASSERT_EQ(scores.size(), 1);
    // Whole minutes and seconds, the template's "[name]" with the name on one line.
    EXPECT_TRUE(scores[0].startsWith("1 L47 1 L48 ")) << scores[0].toStdString();
    EXPECT_FALSE(scores[0].contains('\n'));
    EXPECT_TRUE(errors.isEmpty());

    ListAnswer answer(w, -1, 1);
    QTest::mouseClick(w.Scores, Qt::LeftButton);
    EXPECT_EQ(answer.entries, scores);

    // "Effacer" on the scores list removes the line from the file, then the entry.
    w.FormFenetre->setWindowTitle("scores");
    w.FormFenetre->ListBox1->clear();
    w.FormFenetre->ListBox1->addItems(scores);
    w.FormFenetre->ListBox1->setCurrentRow(0);
    w.FormFenetre->EffacerClick();
    EXPECT_TRUE(FileLines(control::ScoresFilePath(w.GameFolder())).isEmpty());
    EXPECT_EQ(w.FormFenetre->ListBox1->count(), 0);
}

TEST_F(RecordsWindow, PrintingAsksForAPrinterAndACancelPrintsNothing)
{
    StartKnownGame(SolvedWithout({{0, 0}}));
    QTemporaryDir dir;
    const QString path = dir.filePath("grid.pdf");
    bool accept = false;
    int asked = 0;
    w.AskForPrinter = [&](QPrinter& printer) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return accept;
    };
    ASSERT_TRUE(w.BtPrint->isVisible()); // the first theme shows it
    QTest::mouseClick(w.BtPrint, Qt::LeftButton);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(QFile::exists(path));
    accept = true;
    QTest::mouseClick(w.BtPrint, Qt::LeftButton);
    EXPECT_EQ(asked, 2);
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}
