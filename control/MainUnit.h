// The game's one main window: the board, the game state, the texts, the theme and every screen.
#pragma once

#include "common/GameState.h"
#include "control/BoardInput.h"
#include "control/GameFlow.h"
#include "control/Settings.h"
#include "engine/Board.h"
#include "engine/Eliminations.h"
#include "engine/Random.h"
#include "presentation/BoardPainter.h"
#include "presentation/MainScreens.h"
#include "presentation/Screens.h"
#include "presentation/Texts.h"
#include "presentation/Themes.h"

#include <array>
#include <cstdint>
#include <functional>

#include <QImage>
#include <QMainWindow>
#include <QRect>
#include <QTimer>

class QKeyEvent;
class QPrinter;

namespace audio {
class SoundEffects;
class TFormLecteurMP3;
} // namespace audio
class TfrmAbout;

// The window's controls come from its form, MainScreens: BtSolve, ComboBox2, Image32View ...
class TfrmMain : public QMainWindow, public presentation::MainScreens
{
    Q_OBJECT

public:
    // programFolder and settingsFile replace the program's own folder and the user's settings
    // file when not empty (tests).
    explicit TfrmMain(QWidget* parent = nullptr,
                      QString programFolder = {},
                      QString settingsFile = {});
    ~TfrmMain() override;

    // Finishes the start-up when the splash window's timer fires.
    void AttachSplash(TfrmAbout* splash);

    // SIGTERM and SIGINT from now on close the window as the player would, then end the program.
    void HandleQuitSignals();

    // Window events.
    void FormShow();
    void FormClose();

    // The start-up step run once at the end of the splash.
    void Timer2SplashScreenTimer();

    // Settings: read into the controls once, written from them once.
    void LoadSettings();
    void SaveSettings();
    // Records nothing else than the request: the desktop keeps its mode, full screen is a
    // full-screen window. Always succeeds (0).
    int SetDisplayMode(int width, int height, int bitsPerPixel);

    // Texts and messages.
    // Line n of the language file without its prefix; before loading, or beyond the file, an
    // error box names the line and the result is "erreur".
    QString FText(int n);
    void FMessage(const QString& text);
    void TimerMessageTimer();
    int ShowFenetre(const QString& question, const QString& first, const QString& second);
    [[nodiscard]] bool TextsLoaded() const { return ListeTextes.Loaded(); }

    // Themes.
    void ChargeGraphismes(const QString& theme);

    // The board.
    void DessineGrille();
    // Draws the mark of digit k + 1 in cell (x, y) on Image32; throws for k outside 0..8.
    void DessineMarque(int x, int y, int k);
    void Timer2Timer();
    void UpdateStatusBar();

    // The game clock: counts time while playing, shows random pieces while paused.
    void Timer1Timer();

    // Screens.
    void ChangeCombocontent(presentation::ChoiceBox* box, int direction);
    void ComboBox1Change();
    void ComboBox4Change();
    void BtOptionsClick();
    void BtRegleClick();
    [[nodiscard]] bool FullScreenChosen() const;

    // Game commands, wired to their buttons; the game's rules give them their bodies.
    void Nouvelle_PartieClick();
    void ConceptionClick();
    void Quitter_JeuClick();
    void MnuQuitClick();
    void mnuGenerateClick();
    void mnuNewClick();
    void mnuSolveClick();
    void mnuCheckClick();
    void mnuHintClick();
    void mnuSaveClick();
    void mnuLoadClick();
    void mnuPrintClick();
    void tbPlayClick();
    void PauseGame();
    void ResumeGame();
    void BtRejoueClick();
    void ScoresClick();
    // Board input, in the board surface's own coordinates.
    void Image32MouseDown(Qt::MouseButton button, QPoint position);
    void Image32MouseMove(QPoint position);
    // A key released anywhere in the window; only the main keyboard's "1" does something.
    void FormKeyUp(int key, Qt::KeyboardModifiers modifiers);
    // Places the hovered ring choice into the picked cell by the rules of the game state.
    void PlacePionDansGrille();
    // Ends the game when the grid is complete: the clock stops, the time is told, the score kept.
    void CheckGameEnd();

    // Gives the window its music player and sound effects: the sound hooks, the music list, the
    // options panel's music box, volume slider, play, pause, stop and import pictures. Both must
    // outlive the window. Without it the game is silent (as in the tests).
    void UseAudio(audio::TFormLecteurMP3& player, audio::SoundEffects& sounds);
    audio::TFormLecteurMP3* FormLecteurMP3 = nullptr;

    // The game's folder in the player's documents: scores and saved games.
    [[nodiscard]] QString GameFolder();
    // Appends the finished game's line to the scores file.
    void AddScore();

    engine::Board& GameBoard() { return m_board; }
    engine::Random& RandomSource() { return m_random; }
    [[nodiscard]] const engine::CombinationLists& Combinations() const { return m_lists; }
    [[nodiscard]] bool StartupDone() const { return m_startupDone; }

    // Hooks to the rest of the program; each has a harmless default.
    // Plays sons/<name>.wav.
    std::function<void(const QString& name)> JoueSon = [](const QString&) {};
    std::function<void(const QString& text)> ShowErrorBox; // a modal error box
    std::function<void()> EndProgram; // leaves the event loop when start-up cannot go on
    std::function<void()> AjouteListeDeMusiques = [] {}; // fills the music list
    std::function<void()> PlayCurrentTitle = [] {}; // starts the music
    // Adds the finished game to the scores file.
    std::function<void()> AjouteScore = [this] { AddScore(); };
    // Sets the printer up for mnuPrintClick (the system print dialog); false when cancelled.
    std::function<bool(QPrinter& printer)> AskForPrinter;
    bool MusicPaused = false; // the music player's pause flag ("Musique")

    // Game-control state.
    GameStatus GameState = GameStatus::Idle;
    double ElapsedSeconds = 0;
    bool ForceComplete = false;
    int CellWidth = BoardGeometry{}.cellWidth;
    int CellHeight = BoardGeometry{}.cellHeight;
    int BoardLeft = BoardGeometry::PlaceLeft;
    int BoardTop = BoardGeometry::PlaceTop;
    PieceRing Ring; // the piece ring; the fields below name its parts
    bool& PickerOpen = Ring.open;
    int& PickerLeft = Ring.left;
    int& PickerTop = Ring.top;
    int& PickedX = Ring.pickedX;
    int& PickedY = Ring.pickedY;
    int& PickerChoice = Ring.choice;
    int& PickerSpin = Ring.spin;
    int& MouseX = Ring.mouseX;
    int& MouseY = Ring.mouseY;
    Qt::CursorShape BoardCursor = Qt::ArrowCursor;
    presentation::BoardCounters Counters; // the redraw's counters, named below
    int& ShakeCount = Counters.shakeCount;
    std::uint8_t& CheckFlash = Counters.checkFlash;
    presentation::ScreenMode DisplayMode; // the screen's mode as found at start-up
    QString CheminAppli; // the program's folder, with its trailing separator

    // The texts, the pictures and the surface.
    presentation::LanguageTexts ListeTextes;
    presentation::BoardPictures PieceImages;
    QImage Image32;
    const QRect Image1Virtuel = BoardGeometry{}.Rect(); // the board's place, a geometry reference
    // The board's place and cells as they are now, from the fields above.
    [[nodiscard]] BoardGeometry Geometry() const;

    QTimer Timer1; // game clock, 100 ms, runs from the start of a game to its end
    QTimer Timer2; // board redraw, 100 ms
    QTimer TimerMessage; // empties the status message, 5000 ms

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // Connects the buttons, the option arrows, the hint picture and the board surface to their
    // handlers.
    void ConnectControls();
    // Fills the option boxes with their choices from the language lines.
    void FillOptionBoxes();
    // Runs a handler so that no exception leaves the slot: the error is shown instead.
    void Guarded(const std::function<void()>& handler);
    [[nodiscard]] QString ProgramFolder() const;
    [[nodiscard]] QString AssetPath(const QString& relative) const;
    void ApplyDisplay(bool fullScreen);
    [[nodiscard]] control::LineLookup Lines();
    // The message window without its list: a yes / no question of the language file (its answer,
    // 1 or 2), or a text with one button.
    int Ask(int questionLine);
    void Tell(const QString& text);
    [[nodiscard]] QWidget* ControlWidget(control::Control c) const;
    // Applies all of a command's effects in one step, after its board change: the state it
    // enters, the clock, the controls it switches and the hint's availability. The status bar
    // follows at the next redraw.
    void ApplyCommand(control::Command command, bool firstLevel = false);
    // The hint button and picture follow the game: on only while a hint may be asked for.
    void UpdateHintControls();
    void ValidateDesignClick();
    // Titles the message window with the kind ("scores" or "charge") and shows its list filled
    // with the lines of that file as they are now.
    void FillList(const QString& kind);

    engine::Board m_board;
    engine::Random m_random;
    engine::CombinationLists m_lists;
    control::SettingsStore m_settings;
    QString m_programFolderOverride;
    TfrmAbout* m_splash = nullptr;
    bool m_shown = false;
    bool m_startupDone = false;
    bool m_settingsWritten = false;
    bool m_painting = false;
    presentation::HintDigit m_hint;
};
