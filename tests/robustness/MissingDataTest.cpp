// Start-up with the shipped data, one file or folder taken away at a time: the game goes on or
// stops cleanly, and the error box names what is missing.
#include "DataCopy.h"
#include "audio/SoundEffects.h"
#include "audio/mp3.h"
#include "control/MainUnit.h"
#include "game/Window.h"
#include "presentation/AboutUnit.h"

#include <algorithm>
#include <memory>

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QListWidget>
#include <QStringList>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using game_testing::MessageAnswers;
using robustness::DataCopy;

namespace {

// A main window on the copy, its error boxes and its end recorded instead of shown.
struct CopyWindow
{
    explicit CopyWindow(const DataCopy& copy)
        : window(std::make_unique<TfrmMain>(nullptr, copy.Folder(), copy.SettingsFile()))
        , w(*window)
    {
        w.ShowErrorBox = [this](const QString& text) { errors.append(text); };
        w.EndProgram = [this] { ended = true; };
    }

    // The splash step, then the redraw timer stopped: the tests redraw by hand.
    void StartUp()
    {
        w.Timer2SplashScreenTimer();
        w.Timer2.stop();
    }

    // A new game from the main menu with the ring opened on its first empty cell and drawn
    // turning and open, then a message window: every picture of the board and the window is used.
    void PlayALittle()
    {
        QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
        w.Timer1.stop();
        ASSERT_EQ(w.GameState, GameStatus::Playing);
        const engine::Board& board = w.GameBoard();
        for (int cell = 0; cell < 81; ++cell) {
            const int x = cell % 9;
            const int y = cell / 9;
            if (board.CurrentGrid[x][y] != engine::EmptyCell)
                continue;
            const QPoint centre(w.BoardLeft + x * w.CellWidth + w.CellWidth / 2,
                                w.BoardTop + y * w.CellHeight + w.CellHeight / 2);
            QTest::mouseClick(w.Image32View, Qt::LeftButton, {}, centre - w.Image32View->pos());
            break;
        }
        EXPECT_TRUE(w.PickerOpen);
        for (int redraw = 0; redraw < 6; ++redraw)
            w.DessineGrille();
        MessageAnswers declined(w, 2);
        QTest::mouseClick(w.BtRejoue, Qt::LeftButton);
        EXPECT_EQ(declined.texts.size(), 1) << "the new-puzzle question";
        w.mnuSolveClick();
        EXPECT_EQ(board.CurrentGrid, board.SolutionGrid);
    }

    std::unique_ptr<TfrmMain> window;
    TfrmMain& w;
    QStringList errors;
    bool ended = false;
};

// The copy is made once for the whole file: the data folder is large.
class MissingData : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        copy = new DataCopy(QStringLiteral(ORVANTE_DATA_DIR));
        ASSERT_TRUE(copy->Complete());
    }
    static void TearDownTestSuite()
    {
        delete copy;
        copy = nullptr;
    }
    // Every window starts from the default settings.
    void SetUp() override { QFile::remove(copy->SettingsFile()); }

    static std::string Shown(const QStringList& errors) { return errors.join(" | ").toStdString(); }

    static inline DataCopy* copy = nullptr;
};

TEST_F(MissingData, NothingMissingStartsWithoutAnErrorAndPlays)
{
    CopyWindow test(*copy);
    test.StartUp();
    EXPECT_FALSE(test.ended);
    EXPECT_TRUE(test.w.StartupDone());
    EXPECT_TRUE(test.w.isVisible());
    test.PlayALittle();
    MessageAnswers rules(test.w, 1);
    test.w.BtRegleClick();
    EXPECT_EQ(rules.texts.size(), 1) << "the rules window";
    EXPECT_GT(test.w.FormFenetre->ListBox1->count(), 0);
    EXPECT_TRUE(test.errors.isEmpty()) << Shown(test.errors);
}

TEST_F(MissingData, WithoutTheLanguageFileTheStartUpNamesItAndEndsWritingNothing)
{
    {
        const DataCopy::Missing gone(*copy, QStringLiteral("Textes/Francais.txt"));
        ASSERT_TRUE(gone.Moved());
        CopyWindow test(*copy);
        test.StartUp();
        EXPECT_TRUE(test.ended);
        ASSERT_EQ(test.errors.size(), 1) << Shown(test.errors);
        EXPECT_TRUE(test.errors[0].contains(copy->Path(QStringLiteral("Textes/Francais.txt"))))
            << Shown(test.errors);
        EXPECT_FALSE(test.w.isVisible());
        EXPECT_FALSE(test.w.StartupDone());
        EXPECT_FALSE(test.w.Timer2.isActive());
        // The program leaves through its close: nothing of the empty controls is kept.
        test.w.close();
    }
    EXPECT_FALSE(QFile::exists(copy->SettingsFile()));
}

TEST_F(MissingData, EachWindowPictureIsNamedAndAStandInTakesItsPlace)
{
    for (const char* name : {"1", "2", "3", "fenetre", "accueil", "Aide", "R", "L"}) {
        const QString relative = QStringLiteral("graphisme/%1.bmp").arg(QLatin1String(name));
        SCOPED_TRACE(relative.toStdString());
        const DataCopy::Missing gone(*copy, relative);
        ASSERT_TRUE(gone.Moved());
        CopyWindow test(*copy);
        test.StartUp();
        EXPECT_FALSE(test.ended);
        EXPECT_TRUE(test.w.isVisible());
        ASSERT_EQ(test.errors.size(), 1) << Shown(test.errors);
        EXPECT_TRUE(test.errors[0].contains(copy->Path(relative))) << Shown(test.errors);
        test.PlayALittle();
        EXPECT_EQ(test.errors.size(), 1) << Shown(test.errors);
    }
}

TEST_F(MissingData, TheSplashPictureIsNamedWhenTheStartUpEnds)
{
    const QString relative = QStringLiteral("graphisme/splash.bmp");
    const DataCopy::Missing gone(*copy, relative);
    ASSERT_TRUE(gone.Moved());
    CopyWindow test(*copy);
    TfrmAbout splash(copy->Path(relative));
    EXPECT_GT(splash.width(), 0) << "a stand-in picture";
    test.w.AttachSplash(&splash);
    test.StartUp();
    EXPECT_FALSE(test.ended);
    EXPECT_FALSE(splash.isVisible());
    ASSERT_EQ(test.errors.size(), 1) << Shown(test.errors);
    EXPECT_TRUE(test.errors[0].contains(copy->Path(relative))) << Shown(test.errors);
}

// The default theme loads at start-up; the others when the player picks them, and then the
// default theme takes over.
TEST_F(MissingData, EachThemePictureIsNamedWhenItsThemeLoads)
{
    const std::array<QString, 3> themes{QStringLiteral("Ivoire"), QStringLiteral("Minuit"),
                                        QStringLiteral("Lagon")};
    for (int t = 0; t < 3; ++t) {
        for (int k = 0; k < presentation::PieceCount; ++k) {
            const QString relative = QStringLiteral("graphisme/%1/%2.bmp").arg(themes[t]).arg(k);
            SCOPED_TRACE(relative.toStdString());
            const DataCopy::Missing gone(*copy, relative);
            ASSERT_TRUE(gone.Moved());
            CopyWindow test(*copy);
            test.StartUp();
            ASSERT_EQ(test.w.ComboBox1->Text(), themes[0]);
            for (int step = 0; step < t; ++step)
                QTest::mouseClick(test.w.ImageF1D, Qt::LeftButton);
            EXPECT_FALSE(test.ended);
            ASSERT_EQ(test.errors.size(), 1) << Shown(test.errors);
            EXPECT_TRUE(test.errors[0].contains(copy->Path(relative))) << Shown(test.errors);
            EXPECT_EQ(test.w.ComboBox1->Text(), themes[0]);
            // The board is drawn with the stand-in in every picture's role on the way.
            test.PlayALittle();
            EXPECT_EQ(test.errors.size(), 1) << Shown(test.errors);
        }
    }
}

TEST_F(MissingData, WithoutTheFontTheStartUpNamesItAndGoesOn)
{
    const QString relative = QStringLiteral("graphisme/CHOWFUN_.TTF");
    const DataCopy::Missing gone(*copy, relative);
    ASSERT_TRUE(gone.Moved());
    CopyWindow test(*copy);
    test.StartUp();
    EXPECT_FALSE(test.ended);
    EXPECT_TRUE(test.w.isVisible());
    ASSERT_EQ(test.errors.size(), 1) << Shown(test.errors);
    EXPECT_TRUE(test.errors[0].contains(copy->Path(relative))) << Shown(test.errors);
    test.PlayALittle();
}

TEST_F(MissingData, WithoutTheRulesTheRulesCommandNamesTheFileAndOpensNothing)
{
    const QString relative = QStringLiteral("Textes/regles.txt");
    const DataCopy::Missing gone(*copy, relative);
    ASSERT_TRUE(gone.Moved());
    CopyWindow test(*copy);
    test.StartUp();
    EXPECT_TRUE(test.errors.isEmpty()) << "the rules are read when asked for";
    MessageAnswers answers(test.w, 1);
    QTest::mouseClick(test.w.BtRegle, Qt::LeftButton);
    EXPECT_TRUE(answers.texts.isEmpty()) << "no rules window";
    ASSERT_EQ(test.errors.size(), 1) << Shown(test.errors);
    // The command asks for the lower-case folder name; the file is named under either.
    EXPECT_TRUE(test.errors[0].contains(QStringLiteral("regles.txt"), Qt::CaseSensitive)
                && test.errors[0].startsWith(QStringLiteral("Fichier introuvable")))
        << Shown(test.errors);
    EXPECT_TRUE(test.w.Panel_MenuPrincipal->isVisible());
}

// The sounds and the music play through the real back end, silent on a machine without audio.
TEST_F(MissingData, WithoutASoundOrTheSoundFolderTheGameStaysSilent)
{
    for (const char* relative : {"sons/7.wav", "sons"}) {
        SCOPED_TRACE(relative);
        const DataCopy::Missing gone(*copy, QString::fromLatin1(relative));
        ASSERT_TRUE(gone.Moved());
        // Both outlive the window.
        audio::TFormLecteurMP3 player;
        audio::SoundEffects effects;
        CopyWindow test(*copy);
        test.w.UseAudio(player, effects);
        EXPECT_EQ(effects.SoundPath(QStringLiteral("7")), copy->Path(QStringLiteral("sons/7.wav")));
        QStringList played;
        const auto play = test.w.JoueSon;
        test.w.JoueSon = [&played, play](const QString& name) {
            played.append(name);
            play(name);
        };
        test.StartUp();
        test.PlayALittle();
        // Sounds that exist and one that does not, with the player's events handled between;
        // the missing file is named in the status bar, where it does not stop the game.
        QStringList status;
        for (const char* name : {"7", "Message", "7", "applause"}) {
            test.w.JoueSon(QString::fromLatin1(name));
            QCoreApplication::processEvents();
            status.append(test.w.StatusBar1->PanelText(4));
        }
        EXPECT_TRUE(played.contains(QStringLiteral("7"))) << "the ring's sound was asked for";
        EXPECT_TRUE(test.errors.isEmpty()) << Shown(test.errors);
        // Only files that are really missing are named (7.wav alone, or any sound without its
        // folder); the ring's sound may have been named before, during play.
        const QString missing = copy->Path(QString::fromLatin1(relative));
        EXPECT_TRUE(std::any_of(status.begin(), status.end(), [&](const QString& text) {
            return text.startsWith(QStringLiteral("Son introuvable : ")) && text.contains(missing);
        })) << Shown(status);
    }
}

TEST_F(MissingData, WithoutTheMusicFolderTheListIsEmptyAndNothingPlays)
{
    const DataCopy::Missing gone(*copy, QStringLiteral("Musique"));
    ASSERT_TRUE(gone.Moved());
    audio::TFormLecteurMP3 player;
    audio::SoundEffects effects;
    CopyWindow test(*copy);
    test.w.UseAudio(player, effects);
    test.StartUp();
    QCoreApplication::processEvents();
    EXPECT_TRUE(test.w.StatusBar1->PanelText(4).contains(QStringLiteral("Musique")))
        << test.w.StatusBar1->PanelText(4).toStdString();
    ASSERT_FALSE(player.PauseFlag()) << "the start-up asked for the music";
    EXPECT_TRUE(player.Titles().titles.isEmpty());
    EXPECT_TRUE(player.CurrentTitle().isEmpty());
    EXPECT_EQ(test.w.ComboBox3->count(), 0);
    EXPECT_FALSE(player.Active());
    // The music controls of the options panel, and a title typed in the music box.
    QTest::mouseClick(test.w.BtOptions, Qt::LeftButton);
    for (QWidget* control :
         {test.w.ImageLecture, test.w.ImagePause, test.w.ImageLecture, test.w.ImageArret}) {
        QTest::mouseClick(control, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    player.ChooseTitle(QStringLiteral("Nuit calme.mp3"));
    QCoreApplication::processEvents();
    EXPECT_FALSE(player.Active());
    test.PlayALittle();
    EXPECT_TRUE(test.errors.isEmpty()) << Shown(test.errors);
}

} // namespace
