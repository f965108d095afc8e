// Start-up with the shipped data, one file or folder taken away at a time: the game never
// crashes, goes on or ends cleanly, and names what is missing in an error box or the status bar.
#include "audio/SoundEffects.h"
#include "audio/mp3.h"
#include "game/Window.h"
#include "presentation/AboutUnit.h"
#include "presentation/Themes.h"

#include <algorithm>
#include <vector>

#include <QComboBox>
#include <QDirIterator>

#include <gtest/gtest.h>

using game_testing::MessageAnswers;

namespace {

// Where the game names the missing file: nowhere (none is), in an error box before it ends, as the
// file loads (at start-up or with its theme) or as the rules are asked for, or in the status bar.
enum class Told { Nothing, Ends, ErrorBox, RulesCommand, StatusBar };

struct Case
{
    QString relative;
    Told told;
    int themeSteps = 0; // themes picked after the start-up
};

std::vector<Case> Cases()
{
    std::vector<Case> cases{{"", Told::Nothing},
                            {"Textes/Francais.txt", Told::Ends},
                            {"Textes/regles.txt", Told::RulesCommand},
                            {"sons/7.wav", Told::StatusBar},
                            {"sons", Told::StatusBar},
                            {"Musique", Told::StatusBar}};
    for (const char* name : {"splash.bmp", "CHOWFUN_.TTF", "1.bmp", "2.bmp", "3.bmp", "fenetre.bmp",
                             "accueil.bmp", "Aide.bmp", "R.bmp", "L.bmp"})
        cases.push_back({QString("graphisme/") + name, Told::ErrorBox});
    // The default theme loads at start-up, the others when picked; then the default takes over.
    const char* themes[]{"Ivoire", "Minuit", "Lagon"};
    for (int t = 0; t < 3; ++t) {
        for (int k = 0; k < presentation::PieceCount; ++k)
            cases.push_back(
                {QString("graphisme/%1/%2.bmp").arg(themes[t]).arg(k), Told::ErrorBox, t});
    }
    return cases;
}

// Moves a file or folder away while it lives.
struct Away
{
    QString path, stash;
    bool moved = !path.isEmpty() && QDir().rename(path, stash);
    ~Away()
    {
        if (moved)
            QDir().rename(stash, path);
    }
};

// A new game, its ring drawn turning and open, a question and the solved board: every picture.
void PlayALittle(TfrmMain& w)
{
    QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
    w.Timer1.stop();
    ASSERT_EQ(w.GameState, GameStatus::Playing);
    const engine::Board& board = w.GameBoard();
    int cell = 0;
    while (board.CurrentGrid[cell % 9][cell / 9] != engine::EmptyCell)
        ++cell;
    const QPoint centre(w.BoardLeft + (cell % 9) * w.CellWidth + w.CellWidth / 2,
                        w.BoardTop + (cell / 9) * w.CellHeight + w.CellHeight / 2);
    QTest::mouseClick(w.Image32View, Qt::LeftButton, {}, centre - w.Image32View->pos());
    EXPECT_TRUE(w.PickerOpen);
    for (int redraw = 0; redraw < 6; ++redraw)
        w.DessineGrille();
    MessageAnswers declined(w, 2);
    QTest::mouseClick(w.BtRejoue, Qt::LeftButton);
    EXPECT_EQ(declined.texts.size(), 1) << "the new-puzzle question";
    w.mnuSolveClick();
    EXPECT_EQ(board.CurrentGrid, board.SolutionGrid);
}

// Starts the game as main() does on a copy of the data without the case's file, the music and
// the sounds (real, for those cases only) outliving the window, and plays a little.
void StartWithout(const Case& c, const QString& root)
{
    const QString folder = root + "/game/", settings = root + "/settings.ini";
    const Away gone{c.relative.isEmpty() ? QString() : folder + c.relative, root + "/away"};
    ASSERT_TRUE(c.relative.isEmpty() || gone.moved);
    QFile::remove(settings);
    audio::TFormLecteurMP3 player;
    audio::SoundEffects effects;
    TfrmAbout splash(folder + "graphisme/splash.bmp");
    TfrmMain w(nullptr, folder, settings);
    QStringList errors, status;
    bool ended = false;
    w.ShowErrorBox = [&errors](const QString& text) { errors.append(text); };
    w.EndProgram = [&ended] { ended = true; };
    if (c.told == Told::StatusBar)
        w.UseAudio(player, effects);
    w.AttachSplash(&splash);
    w.Timer2SplashScreenTimer();
    w.Timer2.stop();
    for (int step = 0; step < c.themeSteps; ++step)
        QTest::mouseClick(w.ImageF1D, Qt::LeftButton);
    EXPECT_EQ(errors.size(), c.told == Told::Ends || c.told == Told::ErrorBox ? 1 : 0);
    EXPECT_EQ(ended, c.told == Told::Ends);
    EXPECT_EQ(w.isVisible(), !ended);
    if (ended) {
        w.close(); // the program leaves through its close, keeping nothing of empty controls
        EXPECT_FALSE(QFile::exists(settings));
    } else {
        EXPECT_FALSE(splash.isVisible());
        EXPECT_EQ(w.ComboBox1->Text(), "Ivoire"); // the default theme, whatever is missing
        // A sound and the music controls, the queued status messages sampled as they come.
        const auto sample = [&] {
            QCoreApplication::processEvents();
            status.append(w.StatusBar1->PanelText(4));
        };
        sample();
        w.JoueSon("7");
        sample();
        QTest::mouseClick(w.BtOptions, Qt::LeftButton);
        for (QWidget* control : {w.ImageLecture, w.ImagePause, w.ImageLecture, w.ImageArret})
            QTest::mouseClick(control, Qt::LeftButton);
        sample();
        PlayALittle(w);
        MessageAnswers rules(w, 1);
        w.BtRegleClick();
        EXPECT_EQ(rules.texts.size(), c.told == Told::RulesCommand ? 0 : 1) << "rules window";
    }
    const QStringList& told = c.told == Told::StatusBar ? status : errors;
    const QString named = c.told == Told::RulesCommand ? "regles.txt" : folder + c.relative;
    EXPECT_EQ(errors.size(), c.told == Told::Nothing || c.told == Told::StatusBar ? 0 : 1);
    EXPECT_TRUE(c.told == Told::Nothing
                || std::any_of(told.begin(), told.end(),
                               [&named](const QString& text) { return text.contains(named); }))
        << qPrintable(told.join(" | "));
}

TEST(MissingData, EachFileAwayInTurnIsNamedAndTheGameGoesOnOrEndsCleanly)
{
    QTemporaryDir root;
    QDirIterator files(ORVANTE_DATA_DIR, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString from = files.next();
        const QString to = root.path() + "/game/" + QDir(ORVANTE_DATA_DIR).relativeFilePath(from);
        QDir().mkpath(QFileInfo(to).path());
        ASSERT_TRUE(QFile::copy(from, to)) << qPrintable(to);
    }
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.relative.toStdString());
        StartWithout(c, root.path());
    }
}

} // namespace
