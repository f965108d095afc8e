// Screenshots of every screen in the three themes, and the cost of a worst-case board redraw.
//   orvante-window-bench [shots folder]
// Runs offscreen unless QT_QPA_PLATFORM says otherwise; the game's data folder is the source's.
#include "ScreenTool.h"
#include "control/MainUnit.h"
#include "engine/Generator.h"
#include "presentation/AboutUnit.h"
#include "presentation/FenetreMess.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {

using screens::Save;

double CpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

void RunEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// A generated puzzle with a few of the player's pieces, one of them wrong, and marks.
void SetUpGame(TfrmMain& w)
{
    engine::Random random(2024);
    engine::Board& board = w.GameBoard();
    engine::GeneratePuzzle(board, random, w.Combinations(), 1);
    w.GameState = GameStatus::Playing;
    int placed = 0;
    for (int y = 0; y < 9 && placed < 6; ++y) {
        for (int x = 0; x < 9 && placed < 6; ++x) {
            if (board.CurrentGrid[x][y] != engine::EmptyCell)
                continue;
            board.CurrentGrid[x][y] = placed == 5
                ? static_cast<std::uint8_t>((board.SolutionGrid[x][y] + 1) % 9)
                : board.SolutionGrid[x][y];
            ++placed;
        }
    }
    for (int y = 5; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            if (board.CurrentGrid[x][y] != engine::EmptyCell)
                continue;
            for (int k = 0; k < 9; ++k)
                board.CandidateMarks[x][y][k] = (x + y + k) % 3 == 0 ? 1 : 0;
        }
    }
}

void OpenRing(TfrmMain& w, int x, int y)
{
    w.PickerOpen = true;
    w.PickedX = x;
    w.PickedY = y;
    w.PickerLeft = x * w.CellWidth - 90 + w.BoardLeft + w.CellWidth / 2;
    w.PickerTop = y * w.CellHeight - 90 + w.BoardTop + w.CellHeight / 2;
    w.PickerSpin = 0;
    w.MouseX = w.PickerLeft + 95 + 20; // over choice 1, the erase choice
    w.MouseY = w.PickerTop + 109 + 20;
}

void Shots(TfrmMain& w, const QString& folder)
{
    QDir().mkpath(folder);
    for (int theme = 0; theme < 3; ++theme) {
        w.ComboBox1->SetText(w.ComboBox1->Items().value(theme));
        w.ComboBox1Change();
        const QString prefix = folder + QStringLiteral("/theme%1-").arg(theme + 1);
        w.Panel_MenuJeu->hide();
        w.Panel_Options->hide();
        w.Panel_MenuPrincipal->show();
        w.GameBoard().ClearBoard();
        w.GameState = GameStatus::Idle;
        w.PickerOpen = false;
        w.DessineGrille();
        Save(&w, prefix + QStringLiteral("main-menu.png"));

        w.Nouvelle_PartieClick();
        SetUpGame(w);
        w.PanelBtHint->show();
        w.DessineGrille();
        Save(&w, prefix + QStringLiteral("game.png"));

        w.CheckFlash = 15;
        OpenRing(w, 4, 2);
        w.DessineGrille();
        Save(&w, prefix + QStringLiteral("ring-marks-check.png"));

        w.PickerOpen = false;
        w.BtOptionsClick();
        w.DessineGrille();
        Save(&w, prefix + QStringLiteral("options.png"));
        w.BtOptionsClick();

        TFormFenetre& message = *w.FormFenetre;
        QTimer::singleShot(100, &message, [&message, prefix] {
            Save(&message, prefix + QStringLiteral("rules.png"));
            message.SpeedButton1Click();
        });
        w.BtRegleClick();
        message.ListBox1->hide();
        QTimer::singleShot(100, &message, [&message, prefix] {
            Save(&message, prefix + QStringLiteral("question.png"));
            message.SpeedButton2Click();
        });
        w.ShowFenetre(w.FText(34), w.FText(1), w.FText(2));
    }
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    screens::PrepareRun(home);
    QApplication application(argc, argv);
    const QString shots = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

    TfrmMain w(nullptr, QStringLiteral(ORVANTE_DATA_DIR), home.filePath(QStringLiteral("s.ini")));
    w.hide();
    TfrmAbout splash(QStringLiteral(ORVANTE_DATA_DIR) + QStringLiteral("graphisme/splash.bmp"));
    if (!shots.isEmpty()) {
        QDir().mkpath(shots);
        Save(&splash, shots + QStringLiteral("/splash.png"));
    }
    splash.Timer2SplashScreen.stop();

    // The start-up step: everything the game loads once the splash has been shown.
    QElapsedTimer startup;
    startup.start();
    w.Timer2SplashScreenTimer();
    std::printf("start-up step (texts, settings, theme, show): %.1f ms\n",
                static_cast<double>(startup.nsecsElapsed()) / 1e6);
    RunEvents(200);

    if (!shots.isEmpty())
        Shots(w, shots);

    // Worst case: a full game screen, a mark in every slot of every cell, the ring open.
    w.Panel_MenuPrincipal->hide();
    w.Panel_MenuJeu->show();
    SetUpGame(w);
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 9; ++y)
            w.GameBoard().CandidateMarks[x][y].fill(1);
    OpenRing(w, 4, 4);
    std::vector<double> times;
    for (int i = 0; i < 2000; ++i) {
        w.PickerSpin = i % 5 == 0 ? 36 : 0;
        QElapsedTimer timer;
        timer.start();
        w.DessineGrille();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "DessineGrille, ring open and 729 marks: median %.3f ms, 99th %.3f ms, max %.3f ms\n",
        times[times.size() / 2], times[times.size() * 99 / 100], times.back());

    // Idle on the game screen: the 100 ms redraw and the window's own painting.
    w.PickerOpen = false;
    const double cpuBefore = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    RunEvents(10000);
    const double cpu = CpuSeconds() - cpuBefore;
    std::printf("idle on the game screen: %.2f %% of one core over %.1f s\n",
                100.0 * cpu / (static_cast<double>(wall.elapsed()) / 1000.0),
                static_cast<double>(wall.elapsed()) / 1000.0);
    return 0;
}
