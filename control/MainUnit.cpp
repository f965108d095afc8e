// The game's one main window: the board, the game state, the texts, the theme and every screen.
#include "control/MainUnit.h"

#include "audio/SoundEffects.h"
#include "audio/mp3.h"
#include "control/Clock.h"
#include "control/GameFiles.h"
#include "control/MusicPanel.h"
#include "control/Placement.h"
#include "control/QuitSignals.h"
#include "engine/Hint.h"
#include "presentation/AboutUnit.h"
#include "presentation/FenetreMess.h"
#include "presentation/Printing.h"
#include "presentation/Screens.h"

#include <exception>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QShowEvent>

TfrmMain::TfrmMain(QWidget* parent, QString programFolder, QString settingsFile)
    : QMainWindow(parent)
    , m_settings(std::move(settingsFile))
    , m_programFolderOverride(std::move(programFolder))
{
    ShowErrorBox = [this](const QString& text) { presentation::ShowErrorBox(this, text); };
    EndProgram = [] { QCoreApplication::exit(1); };
    AskForPrinter
        = [this](QPrinter& printer) { return presentation::AskForPrinter(printer, this); };

    Image32 = presentation::SurfaceImage(qApp->devicePixelRatio());
    SetupUi(this, Image32);
    // "Effacer" on the scores or saved-games list deletes the line from its file first.
    // A line another copy of the game has deleted meanwhile is named in the title, and the list
    // shows the file as it is now.
    FormFenetre->EnleveLigne = [this](const QString& kind, const QString& line) {
        bool deleted = false;
        Guarded([&] {
            deleted = control::DeleteListLine(GameFolder(), kind, line);
            if (!deleted) {
                FormFenetre->SetQuestion(control::LineGoneMessage);
                FillList(kind);
            }
        });
        return deleted;
    };
    ConnectControls();

    Timer1.setInterval(control::ClockInterval);
    connect(&Timer1, &QTimer::timeout, this, [this] { Guarded([this] { Timer1Timer(); }); });
    Timer2.setInterval(100);
    connect(&Timer2, &QTimer::timeout, this, [this] { Guarded([this] { Timer2Timer(); }); });
    TimerMessage.setInterval(5000);
    connect(&TimerMessage, &QTimer::timeout, this, [this] { TimerMessageTimer(); });
    TimerMessage.start();
}

void TfrmMain::ConnectControls()
{
    using Handler = void (TfrmMain::*)();
    const std::pair<presentation::FaceButton*, Handler> buttons[]{
        {Nouvelle_Partie, &TfrmMain::Nouvelle_PartieClick},
        {Conception, &TfrmMain::ConceptionClick},
        {Scores, &TfrmMain::ScoresClick},
        {BtRegle, &TfrmMain::BtRegleClick},
        {BtChargeInMenu, &TfrmMain::mnuLoadClick},
        {Quitter_Jeu, &TfrmMain::Quitter_JeuClick},
        {BtSolve, &TfrmMain::mnuSolveClick},
        {BtRejoue, &TfrmMain::BtRejoueClick},
        {btCheck, &TfrmMain::mnuCheckClick},
        {BtPrint, &TfrmMain::mnuPrintClick},
        {BtCharger, &TfrmMain::mnuLoadClick},
        {BtOptions, &TfrmMain::BtOptionsClick},
        {BtHint, &TfrmMain::mnuHintClick},
        {BtSave, &TfrmMain::mnuSaveClick},
        {BtValider, &TfrmMain::tbPlayClick},
        {BtQuitter, &TfrmMain::MnuQuitClick},
    };
    for (const auto& [button, handler] : buttons)
        connect(button, &QAbstractButton::clicked, this,
                [this, run = handler] { Guarded([this, run] { (this->*run)(); }); });

    // An option arrow steps its box, then the box's change runs; the hint picture has no box.
    struct Picture
    {
        presentation::PictureButton* picture;
        presentation::ChoiceBox* box;
        int direction;
        Handler then;
    };
    const Picture pictures[]{
        {ImageF1G, ComboBox1, 0, &TfrmMain::ComboBox1Change},
        {ImageF1D, ComboBox1, 1, &TfrmMain::ComboBox1Change},
        {ImageF2G, ComboBox2, 0, nullptr},
        {ImageF2D, ComboBox2, 1, nullptr},
        {ImageF4G, ComboBox4, 0, &TfrmMain::ComboBox4Change},
        {ImageF4D, ComboBox4, 1, &TfrmMain::ComboBox4Change},
        {ImageBtHint, nullptr, 0, &TfrmMain::mnuHintClick},
    };
    for (const Picture& p : pictures)
        connect(p.picture, &presentation::PictureButton::clicked, this, [this, p] {
            Guarded([this, &p] {
                if (p.box != nullptr)
                    ChangeCombocontent(p.box, p.direction);
                if (p.then != nullptr)
                    (this->*p.then)();
            });
        });

    connect(Image32View, &presentation::BoardSurface::MousePressed, this,
            [this](Qt::MouseButton button, QPoint position) {
                Guarded([&] { Image32MouseDown(button, position); });
            });
    connect(Image32View, &presentation::BoardSurface::MouseMoved, this,
            [this](QPoint position) { Guarded([&] { Image32MouseMove(position); }); });
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::AttachSplash(TfrmAbout* splash)
{
    m_splash = splash;
    connect(&splash->Timer2SplashScreen, &QTimer::timeout, this,
            [this] { Guarded([this] { Timer2SplashScreenTimer(); }); });
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Only the first showing prepares the game: restoring a minimised window must not empty
    // the board of a game in progress.
    if (!m_shown && !event->spontaneous()) {
        m_shown = true;
        Guarded([this] { FormShow(); });
    }
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    Guarded([this] { FormClose(); });
    event->accept();
}

void TfrmMain::keyReleaseEvent(QKeyEvent* event)
{
    Guarded([&] { FormKeyUp(event->key(), event->modifiers()); });
    QMainWindow::keyReleaseEvent(event);
}

void TfrmMain::HandleQuitSignals()
{
    control::HandleQuitSignals(this, [this] {
        close();
        QCoreApplication::quit();
    });
}

void TfrmMain::FormShow()
{
    m_lists = engine::BuildCombinationLists();
    StatusBar1->SetPanelText(0, QStringLiteral("Pieces: n/a"));
    CellWidth = Image1Virtuel.width() / 9;
    CellHeight = Image1Virtuel.height() / 9;
    ForceComplete = false;
    m_board.ClearBoard();
    GameState = GameStatus::Idle;
}

void TfrmMain::FormClose()
{
    // Before the start-up has filled the controls they hold nothing worth keeping.
    if (!m_startupDone || m_settingsWritten)
        return;
    SaveSettings();
    m_settingsWritten = true;
    SetDisplayMode(DisplayMode.width, DisplayMode.height, DisplayMode.depth);
}

QString TfrmMain::ProgramFolder() const
{
    return presentation::ProgramFolder(m_programFolderOverride);
}

QString TfrmMain::AssetPath(const QString& relative) const
{
    return presentation::ResolvePath(CheminAppli.isEmpty() ? ProgramFolder() : CheminAppli,
                                     relative);
}

void TfrmMain::Timer2SplashScreenTimer()
{
    if (m_splash != nullptr)
        m_splash->Timer2SplashScreen.stop();
    CheminAppli = ProgramFolder();
    // Without its font or its splash picture the game still runs, in the default font and with a
    // stand-in picture; the player is told which file is missing.
    const QString fontProblem
        = FormFenetre->UseTitleFont(AssetPath(QStringLiteral("graphisme/CHOWFUN_.TTF")));
    if (!fontProblem.isEmpty())
        ShowErrorBox(fontProblem);
    if (m_splash != nullptr && !m_splash->MissingPicture.isEmpty())
        ShowErrorBox(presentation::MissingPictureMessage(m_splash->MissingPicture));
    if (m_splash != nullptr)
        m_splash->hide();
    BtHint->hide();

    DisplayMode = presentation::ScreenModeOf(this);
    presentation::SetOpacity(this, 255);

    // Without all its texts the game has no words to show: say what is wrong with which file and
    // stop, before anything asks for a line.
    presentation::LanguageFile language
        = presentation::ReadLanguageFile(AssetPath(QStringLiteral("Textes/Francais.txt")));
    if (!language.problem.isEmpty()) {
        ShowErrorBox(language.problem);
        EndProgram();
        return;
    }
    ListeTextes.Load(std::move(language.lines));
    FillOptionBoxes();
    LoadSettings();
    ChargeGraphismes(ComboBox1->Text());
    ComboBox4Change();

    m_startupDone = true;
    if (FullScreenChosen())
        showFullScreen();
    else
        show();
}

void TfrmMain::FillOptionBoxes()
{
    namespace line = control::line;
    ComboBox2->SetChoices(control::LinesBetween(line::FirstLevel, line::LastLevel, Lines()));
    ComboBox1->SetChoices(control::LinesBetween(line::FirstTheme, line::LastTheme, Lines()));
    AjouteListeDeMusiques();
    ComboBox4->SetChoices(control::LinesBetween(line::Windowed, line::FullScreen, Lines()));
}

void TfrmMain::LoadSettings()
{
    const control::SettingsValues values = m_settings.Read(control::SettingsDefaultsFrom(Lines()));
    control::ShowSettings(*this, values);
    MusicPaused = values.musique;
    // The flag goes to the player before anything can start: a player who paused the music
    // keeps it paused at the next start.
    if (FormLecteurMP3)
        FormLecteurMP3->SetPauseFlag(MusicPaused);
    if (!MusicPaused)
        PlayCurrentTitle();
}

void TfrmMain::SaveSettings()
{
    const control::SettingsValues values
        = control::SettingsShown(*this, FormLecteurMP3 ? FormLecteurMP3->PauseFlag() : MusicPaused);
    if (!m_settings.Write(values))
        ShowErrorBox(QStringLiteral("Les réglages n'ont pas pu être enregistrés dans :\n")
                     + m_settings.FilePath());
}

int TfrmMain::SetDisplayMode(int, int, int)
{
    return 0;
}

QString TfrmMain::FText(int n)
{
    if (const auto text = ListeTextes.Line(n))
        return *text;
    ShowErrorBox(presentation::MissingLineMessage(n));
    return QStringLiteral("erreur");
}

void TfrmMain::FMessage(const QString& text)
{
    StatusBar1->SetPanelText(4, text);
    if (!TimerMessage.isActive())
        TimerMessage.start();
    JoueSon(QStringLiteral("Message"));
}

void TfrmMain::TimerMessageTimer()
{
    StatusBar1->SetPanelText(4, QString());
}

int TfrmMain::ShowFenetre(const QString& question, const QString& first, const QString& second)
{
    return FormFenetre->ShowFenetre(question, first, second);
}

void TfrmMain::ChargeGraphismes(const QString& theme)
{
    if (!isFullScreen())
        setFixedSize(1024, 768);
    BoardLeft = Image1Virtuel.left();
    BoardTop = Image1Virtuel.top();
    CheminAppli = ProgramFolder();
    const presentation::LoadedTheme loaded = presentation::LoadTheme(
        AssetPath(QStringLiteral("graphisme")), theme, control::ThemeNames(Lines()));
    for (const QString& path : loaded.missing)
        ShowErrorBox(presentation::MissingPictureMessage(path));
    PieceImages.Set(loaded.pieces);
    ApplyTheme(loaded, control::ScreenTextsFrom(Lines()));
    Image32View->update();
    Timer2.start();
}

void TfrmMain::Timer2Timer()
{
    // The timers run from the window's creation; until the start-up has loaded the texts and the
    // pictures there is nothing to draw with.
    if (!m_startupDone)
        return;
    DessineGrille();
}

void TfrmMain::DessineGrille()
{
    // Input arrives between redraws through the event loop; a redraw never starts another.
    if (m_painting)
        return;
    const QScopedValueRollback<bool> painting(m_painting, true);

    Panel_MenuJeu->move(Panel_MenuJeu->x(), BoardTop);
    const BoardGeometry geometry = Geometry();
    const bool hovered = presentation::PaintBoard(
        Image32, {m_board, GameState, geometry, Ring, Counters, m_random, PieceImages});
    BoardCursor = hovered ? Qt::PointingHandCursor : Qt::ArrowCursor;
    presentation::PaintHintDigit(Image32, geometry, m_board, m_hint);
    Image32View->update();
    UpdateStatusBar();
    Image32View->setCursor(BoardCursor);
}

void TfrmMain::DessineMarque(int x, int y, int k)
{
    presentation::PaintMark(Image32, Geometry(), PieceImages, x, y, k);
}

void TfrmMain::UpdateStatusBar()
{
    // Before the language file is loaded there is no game and no word to show.
    if (!TextsLoaded())
        return;
    const control::StatusTexts texts
        = control::StatusBarTexts(GameState, m_board.FilledCellCount(), Timer1.isActive(), Lines());
    for (std::size_t panel = 0; panel < texts.size(); ++panel) {
        if (texts[panel])
            StatusBar1->SetPanelText(static_cast<int>(panel), *texts[panel]);
    }
}

void TfrmMain::Timer1Timer()
{
    if (!m_startupDone)
        return;
    switch (control::TickActionFor(GameState)) {
    case control::TickAction::Count:
        ElapsedSeconds = control::AdvanceClock(ElapsedSeconds, Timer1.interval());
        StatusBar1->SetPanelText(control::TimePanel,
                                 control::ClockPanelText(ElapsedSeconds, Lines()));
        break;
    case control::TickAction::Scramble:
        // The real grid waits in SpareGrid: the board shows random pieces meanwhile.
        m_board.ScrambleCell(m_random);
        DessineGrille();
        break;
    case control::TickAction::Nothing:
        break;
    }
}

void TfrmMain::ChangeCombocontent(presentation::ChoiceBox* box, int direction)
{
    box->SetText(presentation::ChangedChoice(box->Items(), box->Text(), direction));
}

void TfrmMain::ComboBox1Change()
{
    ChargeGraphismes(ComboBox1->Text());
}

bool TfrmMain::FullScreenChosen() const
{
    const auto fullScreen = ListeTextes.Line(control::line::FullScreen);
    return fullScreen && ComboBox4->Text() == *fullScreen;
}

void TfrmMain::ComboBox4Change()
{
    const QString choice = ComboBox4->Text();
    if (choice == FText(control::line::Windowed)) {
        SetDisplayMode(DisplayMode.width, DisplayMode.height, DisplayMode.depth);
        ApplyDisplay(false);
    } else if (choice == FText(control::line::FullScreen)) {
        SetDisplayMode(1024, 768, 16);
        ApplyDisplay(true);
    }
}

void TfrmMain::ApplyDisplay(bool fullScreen)
{
    // Full screen: the 1024 x 768 game, scaled to fill the screen, centred on black.
    ShowGameScaled(fullScreen);
    presentation::SetWindowMode(this, fullScreen);
}

void TfrmMain::BtOptionsClick()
{
    PickerOpen = false;
    Panel_Options->setVisible(Panel_Options->isHidden());
}

void TfrmMain::BtRegleClick()
{
    const QString path = AssetPath(QStringLiteral("textes/regles.txt"));
    const auto lines = presentation::ReadTextLines(path);
    if (!lines) {
        ShowErrorBox(QStringLiteral("Fichier introuvable :\n") + path);
        return;
    }
    FormFenetre->ShowList(QStringLiteral("regle"));
    FormFenetre->ListBox1->addItems(*lines);
    ShowFenetre(FText(control::line::RulesTitle), QStringLiteral("Oui"), QString());
}

void TfrmMain::Nouvelle_PartieClick()
{
    ShowGameMenu();
    ApplyCommand(control::Command::NewGame);
    DessineGrille();
    mnuGenerateClick();
}

void TfrmMain::ConceptionClick()
{
    ShowGameMenu();
    ApplyCommand(control::Command::Design);
    DessineGrille();
    mnuNewClick();
}

void TfrmMain::MnuQuitClick()
{
    if (Ask(control::line::LeaveGame) == 2)
        return;
    ShowMainMenu();
    DessineGrille();
}

void TfrmMain::Quitter_JeuClick()
{
    if (Ask(control::line::QuitProgram) == 1)
        close();
}

void TfrmMain::mnuGenerateClick()
{
    const QString levelText = ComboBox2->Text();
    control::NewPuzzle(m_board, m_random, m_lists, levelText, Lines());
    ApplyCommand(control::Command::Generate, levelText == FText(control::line::FirstLevel));
    DessineGrille();
    PickerOpen = false;
}

void TfrmMain::mnuNewClick()
{
    m_board.ClearBoard();
    ApplyCommand(control::Command::NewDesign);
    m_board.CopyCurrentToStart();
    DessineGrille();
}

void TfrmMain::mnuSolveClick()
{
    PickerOpen = false;
    m_board.CopySolutionToCurrent();
    ApplyCommand(control::Command::Solve);
    DessineGrille();
}

void TfrmMain::mnuCheckClick()
{
    ElapsedSeconds += control::CheckCost;
    CheckFlash = 15;
    FMessage(FText(control::line::CheckPenalty));
    DessineGrille();
}

void TfrmMain::mnuHintClick()
{
    // The large hint picture is clickable on its own: the command checks for itself that a
    // hint may be given (a running game, never the last empty cell).
    if (!control::HintAvailable(GameState, m_board.FilledCellCount()))
        return;
    PickerOpen = false;
    ElapsedSeconds += control::HintCost;
    const engine::HintChoice hint = engine::ChooseHint(m_board, m_random, m_lists);
    UpdateHintControls();
    DessineGrille();
    const bool placed = hint.kind == engine::HintChoice::Kind::Placed;
    if (hint.kind == engine::HintChoice::Kind::WrongPieces)
        CheckFlash = 15;
    if (placed) {
        m_hint = {hint.cell, hint.value, 15};
        DessineGrille();
    }
    FMessage(FText(control::HintMessageLine(hint.kind)));
    // After the message, whose own sound would cut this one off at once.
    if (placed)
        JoueSon(control::sound::HintGiven.toString());
}
void TfrmMain::UseAudio(audio::TFormLecteurMP3& player, audio::SoundEffects& sounds)
{
    FormLecteurMP3 = &player;
    sounds.SetSoundFolder(AssetPath(QStringLiteral("sons")) + QLatin1Char('/'));
    JoueSon = [&sounds](const QString& name) { sounds.JoueSon(name); };
    AjouteListeDeMusiques = [this, &player] {
        player.AjouteListeDeMusiques(AssetPath(QStringLiteral("Musique")) + QLatin1Char('/'),
                                     ComboBox3->currentText());
    };
    PlayCurrentTitle = [&player] { player.PlayCurrentTitle(); };
    control::ConnectMusicPanel(*this, player);
    // Queued: a status message plays its own sound, which must not start inside another.
    connect(
        &player, &audio::TFormLecteurMP3::StatusMessage, this,
        [this](const QString& text) { FMessage(text); }, Qt::QueuedConnection);
    connect(
        &sounds, &audio::SoundEffects::StatusMessage, this,
        [this](const QString& text) { FMessage(text); }, Qt::QueuedConnection);
    connect(ImageBtImportMP3, &presentation::PictureButton::clicked, &player, [this, &player] {
        Guarded([this, &player] {
            player.ImportFile(QFileDialog::getOpenFileName(this, FText(control::line::ImportMusic),
                                                           player.Titles().folder,
                                                           audio::ImportFilter()));
        });
    });
}

QString TfrmMain::GameFolder()
{
    return control::GameDataFolder(FText(control::line::GameName));
}

void TfrmMain::mnuSaveClick()
{
    PickerOpen = false;
    // While paused the board shows scrambled pieces; the player's grid waits in SpareGrid.
    control::SaveGame(GameFolder(), m_board, GameState == GameStatus::Paused, ElapsedSeconds,
                      QDateTime::currentDateTime());
    FMessage(FText(control::line::GameSaved));
}

void TfrmMain::FillList(const QString& kind)
{
    FormFenetre->ShowList(kind);
    for (const control::ListEntry& entry : control::ListEntries(GameFolder(), kind, Lines()))
        FormFenetre->AddListEntry(entry.text, entry.line);
}

void TfrmMain::mnuLoadClick()
{
    PickerOpen = false;
    FillList(QStringLiteral("charge"));
    const auto hideList = qScopeGuard([this] { FormFenetre->ListBox1->hide(); });
    const auto choose = [this](const QString& question) {
        return FormFenetre->ChooseLine(question, QStringLiteral("Charger"),
                                       QStringLiteral("Annuler"));
    };
    // Reads and checks the whole line first: a bad line leaves the game in progress untouched.
    const std::optional<double> elapsed
        = control::LoadChosenGame(GameFolder(), m_board, FText(control::line::LoadTitle), choose,
                                  [this] { FillList(QStringLiteral("charge")); });
    if (!elapsed)
        return;
    ElapsedSeconds = *elapsed;
    if (Panel_MenuPrincipal->isVisible()) {
        BtValider->hide();
        ShowGameMenu();
    }
    PickerOpen = false;
    ApplyCommand(control::Command::Load,
                 ComboBox2->currentText() == FText(control::line::FirstLevel));
    DessineGrille();
}

void TfrmMain::mnuPrintClick()
{
    PickerOpen = false;
    // While paused the board shows scrambled pieces; the player's grid waits in SpareGrid.
    presentation::PrintGrid(control::PlayersGrid(m_board, GameState == GameStatus::Paused),
                            m_board.StartGrid,
                            [this](QPrinter& printer) { return AskForPrinter(printer); });
}
void TfrmMain::tbPlayClick()
{
    PickerOpen = false;
    // In the order of control::PlayAction.
    using Handler = void (TfrmMain::*)();
    constexpr std::array<Handler, 4> actions{nullptr, &TfrmMain::ValidateDesignClick,
                                             &TfrmMain::PauseGame, &TfrmMain::ResumeGame};
    if (const Handler action = actions[static_cast<std::size_t>(control::PlayActionFor(GameState))])
        (this->*action)();
}

void TfrmMain::ValidateDesignClick()
{
    const control::DesignVerdict verdict = control::ValidateDesign(m_board, m_lists);
    if (!verdict.accepted) {
        FMessage(FText(control::line::DesignRefused));
        ApplyCommand(control::Command::ValidateRefused);
        return;
    }
    Tell(control::DesignAcceptedText(verdict.grade, Lines()));
    m_board.CopyCurrentToStart();
    ApplyCommand(control::Command::ValidateAccepted);
    DessineGrille();
}

void TfrmMain::PauseGame()
{
    ApplyCommand(control::Command::Pause);
    m_board.CopyCurrentToSpare();
}

void TfrmMain::ResumeGame()
{
    m_board.CopySpareToCurrent();
    ApplyCommand(control::Command::Resume);
    DessineGrille();
}

void TfrmMain::BtRejoueClick()
{
    if (!control::NewPuzzleAsks(GameState) || Ask(control::line::NewPuzzleQuestion) == 1)
        mnuGenerateClick();
}
void TfrmMain::ScoresClick()
{
    FillList(QStringLiteral("scores"));
    if (ShowFenetre(FText(control::line::ScoresTitle), QStringLiteral("OUI"), QString()) == 1)
        FormFenetre->ListBox1->hide();
}

void TfrmMain::AddScore()
{
    control::AppendScore(GameFolder(), ElapsedSeconds, control::ScoreWordsFrom(Lines()),
                         NomDuJoueur->text(), QDateTime::currentDateTime());
}
void TfrmMain::Image32MouseDown(Qt::MouseButton button, QPoint position)
{
    using Kind = control::ClickResult::Kind;
    // The hit tests work in window coordinates; the surface lies one pixel in.
    switch (control::ClickOnBoard(GameState, button == Qt::LeftButton,
                                  position + Image32View->pos(), Geometry(), m_board, Ring)) {
    case Kind::OpenRing:
        JoueSon(control::sound::RingOpens.toString());
        return;
    case Kind::Place:
        PlacePionDansGrille();
        // Shaken and cleared even when the piece was refused.
        ShakeCount = 100;
        m_board.CandidateMarks[PickedX][PickedY].fill(0);
        return;
    default:
        return;
    }
}

void TfrmMain::Image32MouseMove(QPoint position)
{
    MouseX = position.x();
    MouseY = position.y();
    if (control::RingClosesOnMove(PickerOpen, PickerChoice, position, Geometry(),
                                  {PickerLeft, PickerTop}))
        PickerOpen = false;
}

void TfrmMain::FormKeyUp(int key, Qt::KeyboardModifiers modifiers)
{
    if (control::UnlocksCompletion(key, modifiers.testFlag(Qt::KeypadModifier),
                                   NomDuJoueur->text()))
        ForceComplete = true;
}

void TfrmMain::PlacePionDansGrille()
{
    using Kind = control::PlacementResult::Kind;
    const control::PlacementResult placed = control::PlacePiece(
        m_board, GameState, {PickedX, PickedY}, control::ValueOfChoice(PickerChoice));
    if (!placed.sound.isEmpty())
        JoueSon(placed.sound.toString());
    if (placed.kind != Kind::Played && placed.kind != Kind::Designed)
        return;
    // The 80th piece takes the hint away; erasing one of them gives it back.
    UpdateHintControls();
    DessineGrille();
    if (placed.kind == Kind::Played)
        CheckGameEnd();
}

void TfrmMain::CheckGameEnd()
{
    if (!control::GridComplete(m_board, ForceComplete))
        return;
    ApplyCommand(control::Command::GameEnd);
    JoueSon(control::sound::GameWon.toString());
    Tell(control::EndOfGameText(ElapsedSeconds, Lines()));
    // A score that cannot be written is told, and the menu buttons still come back.
    Guarded([this] { AjouteScore(); });
    ApplyCommand(control::Command::AfterEndMessage);
    // No redraw follows: the status bar shows the stopped clock from now on.
    UpdateStatusBar();
}

int TfrmMain::Ask(int questionLine)
{
    FormFenetre->ListBox1->hide();
    return ShowFenetre(FText(questionLine), FText(control::line::Yes), FText(control::line::No));
}

void TfrmMain::Tell(const QString& text)
{
    FormFenetre->ListBox1->hide();
    ShowFenetre(text, FText(control::line::Yes), QString());
}

control::LineLookup TfrmMain::Lines()
{
    return [this](int n) { return FText(n); };
}

BoardGeometry TfrmMain::Geometry() const
{
    return {BoardLeft, BoardTop,  Image1Virtuel.width(), Image1Virtuel.height(),
            CellWidth, CellHeight};
}

QWidget* TfrmMain::ControlWidget(control::Control c) const
{
    // In the order of control::Control.
    const std::array<QWidget*, control::ControlCount> widgets{
        BtSolve, BtRejoue,  btCheck,   BtPrint,     BtCharger,   BtOptions,
        BtSave,  BtValider, BtQuitter, PanelBtHint, ImageBtHint, PanPaused};
    return widgets[static_cast<std::size_t>(c)];
}

void TfrmMain::ApplyCommand(control::Command command, bool firstLevel)
{
    const control::ControlChanges changes = control::ChangesOf(command, firstLevel);
    if (changes.state)
        GameState = *changes.state;
    control::ApplyClockChange(changes.clock, Timer1, ElapsedSeconds);
    for (int c = 0; c < control::ControlCount; ++c) {
        const auto control = static_cast<control::Control>(c);
        control::ApplyChange(changes[control], *ControlWidget(control));
    }
    UpdateHintControls();
}

void TfrmMain::UpdateHintControls()
{
    const bool available = control::HintAvailable(GameState, m_board.FilledCellCount());
    BtHint->setEnabled(available);
    ImageBtHint->setEnabled(available);
}

void TfrmMain::Guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromUtf8(error.what()));
    }
}
