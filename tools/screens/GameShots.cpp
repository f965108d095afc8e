// Screenshots of every screen and of a game played with the mouse in the three themes: the main
// menu, the rules, the quit question, the options panel, marks, the ring open, wrong pieces flagged
// after a check, a hint's green digit, the pause screen, the end of the game, the scores, and the
// last game in full screen. The puzzle and every random draw come from a fixed seed, so two runs
// of the same code give the same pictures (compare them with scripts/compare-shots.sh), except
// the scores list, which shows the day's date and the time taken.
//   orvante-game-shots <shots folder>
// Runs offscreen unless QT_QPA_PLATFORM says otherwise; the game's data folder is the source's.
#include "ScreenTool.h"
#include "audio/MusicControls.h"
#include "audio/mp3.h"
#include "control/MainUnit.h"
#include "engine/Generator.h"
#include "presentation/FenetreMess.h"

#include <cstdio>
#include <functional>
#include <limits>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>

namespace {

using screens::Save;

QPoint OnSurface(const TfrmMain& w, QPoint window)
{
    return window - w.Image32View->pos();
}

QPoint CellCentre(const TfrmMain& w, int x, int y)
{
    return {w.BoardLeft + x * w.CellWidth + w.CellWidth / 2,
            w.BoardTop + y * w.CellHeight + w.CellHeight / 2};
}

// Opens the ring on a cell and brings the pointer over a choice, as a player does.
void Hover(TfrmMain& w, int x, int y, int choice)
{
    QTest::mouseClick(w.Image32View, Qt::LeftButton, {}, OnSurface(w, CellCentre(w, x, y)));
    for (int redraw = 0; redraw < 4; ++redraw)
        w.DessineGrille();
    const QPoint from = OnSurface(w, CellCentre(w, x, y));
    const QPoint to
        = presentation::PickerChoiceCorner(choice, 0, w.PickerLeft, w.PickerTop) + QPoint(20, 20);
    for (int step = 1; step <= 10; ++step) {
        QTest::mouseMove(w.Image32View, from + (to - from) * step / 10);
        w.DessineGrille();
    }
}

void Play(TfrmMain& w, int x, int y, int value, Qt::MouseButton button = Qt::LeftButton)
{
    Hover(w, x, y, value + 2);
    QTest::mouseClick(w.Image32View, button, {}, QPoint(w.MouseX, w.MouseY));
}

// The first count empty cells in row order.
std::vector<engine::Cell> EmptyCells(TfrmMain& w, int count)
{
    std::vector<engine::Cell> cells;
    const engine::Board& board = w.GameBoard();
    for (int y = 0; y < 9 && static_cast<int>(cells.size()) < count; ++y) {
        for (int x = 0; x < 9 && static_cast<int>(cells.size()) < count; ++x) {
            if (board.CurrentGrid[x][y] == engine::EmptyCell)
                cells.push_back({x, y});
        }
    }
    return cells;
}

// Runs then() on the message window as soon as it shows, once.
void WhenMessageShows(TfrmMain& w, const std::function<void()>& then)
{
    auto* poll = new QTimer(w.FormFenetre);
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, poll, [&w, poll, then] {
        if (!w.FormFenetre->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        then();
    });
    poll->start();
}

// The screens around a game: the main menu, the rules and the quit question (answered "no").
void MenuShots(TfrmMain& w, const QString& prefix)
{
    w.DessineGrille();
    Save(&w, prefix + QStringLiteral("menu.png"));
    WhenMessageShows(w, [&w, prefix] {
        Save(w.FormFenetre, prefix + QStringLiteral("rules.png"));
        w.FormFenetre->SpeedButton1Click();
    });
    QTest::mouseClick(w.BtRegle, Qt::LeftButton);
    WhenMessageShows(w, [&w, prefix] {
        Save(w.FormFenetre, prefix + QStringLiteral("question.png"));
        w.FormFenetre->SpeedButton2Click();
    });
    QTest::mouseClick(w.Quitter_Jeu, Qt::LeftButton);
}

// Replaces the clock-seeded puzzle of a new game by one from a fixed seed.
void FixedPuzzle(TfrmMain& w)
{
    w.RandomSource().SetSeed(20261206);
    engine::GeneratePuzzle(w.GameBoard(), w.RandomSource(), w.Combinations(), 0);
    w.DessineGrille();
}

void Shots(TfrmMain& w, const QString& folder)
{
    for (int theme = 0; theme < 3; ++theme) {
        w.ComboBox1->SetText(w.ComboBox1->Items().value(theme));
        w.ComboBox1Change();
        w.Timer2.stop();
        const QString prefix = folder + QStringLiteral("/theme%1-").arg(theme + 1);
        w.Panel_Options->hide();
        w.ComboBox2->SetText(w.ComboBox2->Items().value(0));
        if (w.Panel_MenuPrincipal->isHidden()) {
            WhenMessageShows(w, [&w] { w.FormFenetre->SpeedButton1Click(); });
            QTest::mouseClick(w.BtQuitter, Qt::LeftButton);
        }
        MenuShots(w, prefix);
        QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
        FixedPuzzle(w);
        const engine::Board& board = w.GameBoard();
        QTest::mouseClick(w.BtOptions, Qt::LeftButton);
        Save(&w, prefix + QStringLiteral("options.png"));
        QTest::mouseClick(w.BtOptions, Qt::LeftButton);

        // Four right pieces, one wrong one, marks in two cells.
        const std::vector<engine::Cell> cells = EmptyCells(w, 8);
        for (int i = 0; i < 4; ++i)
            Play(w, cells[i].x, cells[i].y, board.SolutionGrid[cells[i].x][cells[i].y]);
        Play(w, cells[4].x, cells[4].y, (board.SolutionGrid[cells[4].x][cells[4].y] + 4) % 9);
        for (const int value : {0, 3, 6})
            Play(w, cells[5].x, cells[5].y, value, Qt::RightButton);
        for (const int value : {1, 7})
            Play(w, cells[6].x, cells[6].y, value, Qt::RightButton);
        w.DessineGrille();
        Save(&w, prefix + QStringLiteral("marks.png"));

        QTest::mouseClick(w.btCheck, Qt::LeftButton);
        Save(&w, prefix + QStringLiteral("check.png"));

        Hover(w, cells[7].x, cells[7].y, 6);
        Save(&w, prefix + QStringLiteral("ring.png"));
        QTest::mouseClick(w.Image32View, Qt::RightButton, {}, QPoint(w.MouseX, w.MouseY));

        Play(w, cells[4].x, cells[4].y, board.SolutionGrid[cells[4].x][cells[4].y]);
        QTest::mouseClick(w.ImageBtHint, Qt::LeftButton);
        Save(&w, prefix + QStringLiteral("hint.png"));

        QTest::mouseClick(w.BtOptions, Qt::LeftButton);
        w.tbPlayClick();
        for (int tick = 0; tick < 30; ++tick)
            w.Timer1Timer();
        Save(&w, prefix + QStringLiteral("paused.png"));
        w.tbPlayClick();
        QTest::mouseClick(w.BtOptions, Qt::LeftButton);

        // The rest of the grid, and the end-of-game message over the window.
        WhenMessageShows(w, [&w, prefix] {
            Save(&w, prefix + QStringLiteral("end.png"));
            Save(w.FormFenetre, prefix + QStringLiteral("end-message.png"));
            w.FormFenetre->SpeedButton1Click();
        });
        for (const engine::Cell cell : EmptyCells(w, 81))
            Play(w, cell.x, cell.y, board.SolutionGrid[cell.x][cell.y]);
        w.DessineGrille();
        Save(&w, prefix + QStringLiteral("finished.png"));

        // The scores, a message window with its list.
        WhenMessageShows(w, [&w, prefix] {
            Save(w.FormFenetre, prefix + QStringLiteral("scores-message.png"));
            w.FormFenetre->SpeedButton1Click();
        });
        w.ScoresClick();
    }
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    screens::PrepareRun(home);
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: orvante-game-shots <shots folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    TfrmMain w(nullptr, QStringLiteral(ORVANTE_DATA_DIR), home.filePath(QStringLiteral("s.ini")));
    w.Timer2SplashScreenTimer();
    // A status message stays until the next one: emptying it every 5 s would make a shot depend
    // on how fast the run went.
    w.TimerMessage.setInterval(std::numeric_limits<int>::max());
    // The music box as a player sees it, filled by a music player without a sound device.
    audio::TFormLecteurMP3 music{std::unique_ptr<audio::AudioDevice>()};
    music.AjouteListeDeMusiques(QStringLiteral(ORVANTE_DATA_DIR "Musique/"), QString());
    audio::ConnectMusicBox(*w.ComboBox3, music);
    Shots(w, folder);

    // The last game in full screen, scaled to the screen (give the offscreen platform a screen
    // size with QT_QPA_PLATFORM="offscreen:configfile=...").
    w.ComboBox4->SetText(w.ComboBox4->Items().value(1));
    w.ComboBox4Change();
    w.show();
    (void)QTest::qWaitForWindowExposed(&w);
    QTest::qWait(200);
    Save(&w, folder + QStringLiteral("/fullscreen.png"));
    return 0;
}
