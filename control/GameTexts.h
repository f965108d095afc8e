// The language lines and sound names the game commands use, by name.
#pragma once

#include <array>
#include <functional>

#include <QString>
#include <QStringList>
#include <QStringView>

namespace presentation {
struct ScreenTexts;
} // namespace presentation

namespace control {

// Line n of the language file, as the main window's FText gives it.
using LineLookup = std::function<QString(int n)>;

namespace line {
constexpr int GameName = 0; // also names the game's folder in the player's documents
constexpr int Yes = 1; // first button of every question; also "leave the game?"
constexpr int LeaveGame = 1; // the question of the game menu's quit button
constexpr int No = 2; // second button of every question
constexpr int DesignRefused = 20;
constexpr int DesignAccepted = 21;
constexpr int LevelIs = 22;
constexpr int FirstLevel = 23; // the five level names are lines 23 to 27
constexpr int OtherLevel = 28;
constexpr int WrongPiecesShown = 29;
constexpr int NoHintFound = 30;
constexpr int Congratulations = 31;
constexpr int TimePlayed = 32;
constexpr int QuitProgram = 34;
constexpr int NewPuzzleQuestion = 35;
constexpr int ScoresTitle = 46;
constexpr int Minutes = 47;
constexpr int Seconds = 48;
constexpr int ScoreLine = 49; // holds "[name]" and "[date]"
constexpr int GameSaved = 50;
constexpr int HintPlaced = 51;
constexpr int OutOfGame = 54;
constexpr int Paused = 55;
constexpr int Playing = 56;
constexpr int ClockStopped = 57;
constexpr int Pieces = 58;
constexpr int Time = 59;
constexpr int CheckPenalty = 62;
constexpr int OverAnHour = 64;
constexpr int RulesTitle = 65;
constexpr int LoadTitle = 71;
constexpr int SavedGameLabel = 72; // before ": " and the save date in the load list
// Window construction and themes
constexpr int FirstFace = 2; // button face k carries line FirstFace + k
constexpr int LastLevel = 27;
constexpr int Windowed = 36; // the display box's two choices
constexpr int FullScreen = 37;
constexpr int FirstTheme = 38; // the three theme names are lines 38 to 40; the first is the default
constexpr int LastTheme = 40;
constexpr int ImportMusic = 61;
constexpr int PlayerLabel = 66; // the option labels, from top to bottom
constexpr int ThemeLabel = 67;
constexpr int LevelLabel = 68;
constexpr int DisplayLabel = 69;
constexpr int MusicLabel = 70;
} // namespace line

// Lines first to last of the language file, in that order: the choices of an option box.
[[nodiscard]] QStringList LinesBetween(int first, int last, const LineLookup& text);

// The three theme names, the default first.
[[nodiscard]] std::array<QString, 3> ThemeNames(const LineLookup& text);

// The language's words on the screens: the button faces, the option labels, the pause panel's
// word, the music import caption and the board's name.
[[nodiscard]] presentation::ScreenTexts ScreenTextsFrom(const LineLookup& text);

// Sound files of the sound folder, by name without extension.
namespace sound {
inline constexpr QStringView RingOpens = u"7";
inline constexpr QStringView Refused = u"Impossible";
inline constexpr QStringView Placed = u"Loud";
inline constexpr QStringView Erased = u"erase";
inline constexpr QStringView GameWon = u"applause";
inline constexpr QStringView HintGiven = u"help";
} // namespace sound

} // namespace control
