// Saved games and printing driven through the window's buttons and message windows.
#include "Window.h"
#include "control/GameFiles.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

using namespace game_testing;
using RecordsWindow = PlayedWindow;

TEST_F(RecordsWindow, GameSavedWhilePausedComesBackWithThePlayersPiecesAsGivens)
{
    QDir(w.GameFolder()).removeRecursively();
    StartKnownGame(SolvedWithout({{0, 0}, {4, 4}, {8, 8}}));
    Play(0, 0, 0); // the player's correct 1
    const engine::Grid saved = w.GameBoard().CurrentGrid;
    w.ElapsedSeconds = 125.5;
    w.tbPlayClick();
    for (int tick = 0; tick < 30; ++tick)
        w.Timer1Timer();
    ASSERT_NE(w.GameBoard().CurrentGrid, saved) << "the board is scrambled";
    QTest::mouseClick(w.BtSave, Qt::LeftButton);
    w.tbPlayClick();
    Play(4, 4, 4);
    w.ElapsedSeconds = 400;
    const auto state = [this] {
        return std::tuple(w.GameBoard().CurrentGrid, w.GameBoard().StartGrid, w.ElapsedSeconds);
    };
    const auto playing = state();
    // Cancelled, and chosen with nothing selected.
    for (const auto& [row, answer] : {std::pair(0, 2), std::pair(-1, 1)}) {
        ClickAndChoose(w, w.BtCharger, row, answer);
        EXPECT_EQ(state(), playing);
    }
    {
        MessageAnswers back(w, 1);
        QTest::mouseClick(w.BtQuitter, Qt::LeftButton);
    }
    const QStringList entries = ClickAndChoose(w, w.BtChargeInMenu, 0, 1);
    ASSERT_EQ(entries.size(), 1);
    // Label, then the first twenty characters of the line: its date and the space after it.
    EXPECT_TRUE(QRegularExpression(R"(^L72: \d\d/\d\d/\d{4}-\d\d:\d\d:\d\d $)")
                    .match(entries[0])
                    .hasMatch())
        << entries[0].toStdString();
    EXPECT_EQ(state(), std::tuple(saved, saved, 125.5)) << "the player's 1 is a given now";
    EXPECT_EQ(w.GameBoard().SolutionGrid, GridOf(Solved));
    EXPECT_TRUE(w.Panel_MenuJeu->isVisible() && !w.Panel_MenuPrincipal->isVisible());
    EXPECT_FALSE(w.FormFenetre->ListBox1->isVisible());
    // A line cut inside the solution is named, and the game goes on untouched.
    w.Timer1.stop();
    const QString path = control::SavedGamesFilePath(w.GameFolder());
    control::WriteRecordLines(path, {control::ReadRecordLines(path).value(0).left(150)});
    ClickAndChoose(w, w.BtCharger, 0, 1);
    ASSERT_EQ(test.errors.size(), 1);
    EXPECT_TRUE(test.errors[0].contains("grille solution")) << test.errors[0].toStdString();
    EXPECT_EQ(state(), std::tuple(saved, saved, 125.5));
}

TEST_F(RecordsWindow, PrintingWritesThePlayersGridOnlyWhenAccepted)
{
    StartKnownGame(SolvedWithout({{0, 0}, {4, 4}, {8, 8}}));
    // The page as printed, without the time it was made at; empty when nothing was written.
    const auto printed = [this](bool accept) {
        const QString path = install.Folder() + "grid.pdf";
        QFile::remove(path);
        w.AskForPrinter = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return accept;
        };
        QTest::mouseClick(w.BtPrint, Qt::LeftButton);
        QFile file(path);
        QByteArray pdf = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        return QString::fromLatin1(pdf).remove(QRegularExpression("\\(D:[0-9+'Z-]*\\)"));
    };
    EXPECT_EQ(printed(false), "");
    const QString playing = printed(true);
    EXPECT_EQ(playing.count("/Type /Page") - playing.count("/Type /Pages"), 1) << "one page";
    w.tbPlayClick();
    for (int tick = 0; tick < 30; ++tick)
        w.Timer1Timer();
    ASSERT_EQ(w.GameState, GameStatus::Paused);
    ASSERT_NE(w.GameBoard().CurrentGrid, w.GameBoard().SpareGrid) << "the board is scrambled";
    EXPECT_EQ(printed(true), playing) << "the player's grid, not the scrambled board";
}
