// The window's timers and option boxes, the sounds of each placement, the hint after each
// placement, and the check command followed through the window to what the player sees.
#include "Window.h"
#include "presentation/AboutUnit.h"

using namespace game_testing;

using Constants = PlayedWindow;
using PlacementSounds = PlayedWindow;
using Commands = PlayedWindow;

TEST_F(Constants, TimersRunAtTheirIntervalsOptionBoxesOfferTheirChoices)
{
    TfrmAbout splash(install.Folder() + "graphisme/splash.bmp");
    QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
    const std::tuple<const char*, const QTimer*, int, bool> timers[]{
        {"splash", &splash.Timer2SplashScreen, 2500, true},
        {"board redraw", &w.Timer2, 100, false},
        {"game clock", &w.Timer1, 100, false},
        {"status message", &w.TimerMessage, 5000, false},
    };
    for (const auto& [name, timer, interval, once] : timers) {
        SCOPED_TRACE(name);
        EXPECT_EQ(std::pair(timer->interval(), timer->isSingleShot()), std::pair(interval, once));
        EXPECT_TRUE(timer->isActive() || timer == &w.Timer2); // the fixture stops the redraw
    }
    EXPECT_EQ(w.ComboBox2->Items(),
              QStringList({"Très facile", "Facile", "Moyen", "Difficile", "Très difficile"}));
    EXPECT_EQ(w.ComboBox1->Items(), QStringList({"Ivoire", "Minuit", "Lagon"}));
    EXPECT_TRUE(w.ComboBox2->Text() == "Très facile" && w.ComboBox1->Text() == "Ivoire");
}

TEST_F(PlacementSounds, EachPlacementPlaysItsSoundOrNone)
{
    // The known game leaves (1, 1) and (2, 2) empty. Value -1 erases; sound "" is silence.
    const struct
    {
        const char* name;
        int x, y, value;
        const char* sound;
    } cases[]{
        {"DigitOnAGiven", 0, 0, 4, "Impossible"}, {"EraseOnAGiven", 5, 5, -1, "Impossible"},
        {"DigitOnEmpty", 1, 1, 2, "Loud"},        {"DigitOverDigit", 1, 1, 5, ""},
        {"EraseADigit", 1, 1, -1, "erase"},       {"EraseEmpty", 1, 1, -1, ""},
    };
    StartKnownGame(SolvedWithout({{1, 1}, {2, 2}}));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sounds.clear(), w.PickedX = c.x, w.PickedY = c.y, w.PickerChoice = c.value + 2;
        w.PlacePionDansGrille();
        EXPECT_EQ(sounds, QString(c.sound).isEmpty() ? QStringList() : QStringList{c.sound});
    }
    // Designing and paused boards are silent; a ring opening on an empty cell plays "7".
    Play(2, 2, 0);
    w.tbPlayClick(), sounds.clear();
    w.PickedX = w.PickedY = 1, w.PickerChoice = 4;
    w.PlacePionDansGrille();
    EXPECT_TRUE(sounds.isEmpty()) << "paused";
    w.tbPlayClick(), w.mnuNewClick(), w.PlacePionDansGrille();
    EXPECT_TRUE(sounds.isEmpty()) << "designing";
    ClickAt(CellCentre(4, 4));
    EXPECT_EQ(sounds, QStringList{"7"});
}

TEST_F(Commands, CheckMarksExactlyTheWrongPiecesForFourteenRedraws)
{
    StartKnownGame(SolvedWithout({{1, 1}, {2, 2}, {7, 6}}));
    Play(1, 1, 0); // wrong: the solution holds 5
    Play(2, 2, GridOf(Solved)[2][2]);
    // The look of every piece's centre once the placement's shake is over and no flash runs.
    const auto centres = [this] {
        QList<QRgb> pixels;
        for (int cell = 0; cell < 81; ++cell)
            pixels << w.Image32.pixel(CellCentre(cell % 9, cell / 9));
        return pixels;
    };
    for (int redraw = 0; redraw < 3; ++redraw)
        w.DessineGrille();
    const QList<QRgb> plain = centres();
    QTest::mouseClick(w.btCheck, Qt::LeftButton);
    for (int redraw = 1; redraw <= 15; ++redraw) {
        SCOPED_TRACE(redraw);
        const QList<QRgb> seen = centres();
        for (int cell = 0; cell < 81; ++cell) // only (1, 1) is marked
            ASSERT_EQ(seen[cell] != plain[cell], cell == 1 * 9 + 1 && redraw <= 14)
                << "cell " << cell;
        w.DessineGrille();
    }
    EXPECT_EQ(Panel(4), "L62");
}

TEST_F(Commands, HintFollowsEachPlacementAtOnce)
{
    // Two empty cells: 79 pieces keep the hint, the 80th takes it away until one is erased.
    StartKnownGame(SolvedWithout({{1, 1}, {2, 2}}));
    const struct
    {
        const char* name;
        int value;
        bool hint;
    } steps[]{
        {"EightiethPieceTakesItAway", 4, false},
        {"ErasingItGivesItBack", -1, true},
        {"RightEightiethPieceTakesItAgain", GridOf(Solved)[1][1], false},
    };
    ASSERT_TRUE(w.BtHint->isEnabled());
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        Play(1, 1, step.value);
        EXPECT_EQ(w.BtHint->isEnabled(), step.hint);
        EXPECT_EQ(w.ImageBtHint->isEnabled(), step.hint);
    }
}
