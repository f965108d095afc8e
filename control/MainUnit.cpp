// The game's one main window: the board, the game state, the texts, the theme and every screen.
#include "control/MainUnit.h"

#include "audio/MusicControls.h"
#include "audio/SoundEffects.h"
#include "control/Clock.h"
#include "control/GameFiles.h"
#include "control/Placement.h"
#include "control/QuitSignals.h"
#include "engine/Generator.h"
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
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QShowEvent>
#include <QSlider>

namespace {

const QString TitleFontFamily = QStringLiteral("CHOW FUN"); // the family of graphisme/CHOWFUN_.TTF
const QString MissingPicture = QStringLiteral("Image manquante ou illisible :\n");

} // namespace

TfrmMain::TfrmMain(QWidget* parent, QString programFolder, QString settingsFile)
    : QMainWindow(parent)
    , m_settings(std::move(settingsFile))
    , m_programFolderOverride(std::move(programFolder))
{
    JoueSon = [](const QString&) {};
    ShowErrorBox = [this](const QString& text) {
        QMessageBox::warning(isVisible() ? this : nullptr, QStringLiteral("Orvante"), text);
    };
    EndProgram = [] { QCoreApplication::exit(1); };
    AjouteListeDeMusiques = [] {};
    PlayCurrentTitle = [] {};
    AjouteScore = [this] { AddScore(); };
    AskForPrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };

    // The surface follows the screen's pixel density so that a dense screen shows it crisp at
    // the same 1024 x 768 logical size; its coordinates stay logical pixels.
    const qreal density = qApp->devicePixelRatio();
    Image32 = QImage(QSize(1024, 768) * density, QImage::Format_ARGB32_Premultiplied);
    Image32.setDevicePixelRatio(density);
    Image32.fill(Qt::black);

    SetupUi(this, Image32);
    // "Effacer" on the scores or saved-games list deletes the line from its file first.
    // A line another copy of the game has deleted meanwhile is named in the title, and the list
    // shows the file as it is now.
    FormFenetre->EnleveLigne = [this](const QString& kind, const QString& line) {
        bool deleted = false;
        bool failed = true;
        Guarded([&] {
            deleted = control::DeleteListLine(GameFolder(), kind, line);
            failed = false;
        });
        if (!deleted && !failed) {
            FormFenetre->SetQuestion(control::LineGoneMessage);
            Guarded([&] { FillList(kind); });
        }
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
    QString folder = m_programFolderOverride.isEmpty() ? QCoreApplication::applicationDirPath()
                                                       : m_programFolderOverride;
    if (!folder.endsWith(u'/'))
        folder.append(u'/');
    return folder;
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
    const QString fontPath = AssetPath(QStringLiteral("graphisme/CHOWFUN_.TTF"));
    if (!presentation::InstallFont(fontPath, TitleFontFamily))
        ShowErrorBox(QStringLiteral("Police manquante ou illisible :\n") + fontPath);
    FormFenetre->SetTitleFont(TitleFontFamily);
    if (m_splash != nullptr && !m_splash->MissingPicture.isEmpty())
        ShowErrorBox(MissingPicture + m_splash->MissingPicture);
    if (m_splash != nullptr)
        m_splash->hide();
    BtHint->hide();

    if (const QScreen* screen = presentation::ScreenOf(this)) {
        DisplayMode.width = screen->size().width();
        DisplayMode.height = screen->size().height();
        DisplayMode.depth = static_cast<std::uint8_t>(screen->depth());
    }
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
    // Each box offers its lines from first to last and shows the first.
    const auto fill = [this](presentation::ChoiceBox* box, int first, int last) {
        box->clear();
        for (int n = first; n <= last; ++n)
            box->addItem(FText(n));
        box->SetText(FText(first));
    };
    fill(ComboBox2, control::line::FirstLevel, control::line::LastLevel);
    fill(ComboBox1, control::line::FirstTheme, control::line::LastTheme);
    AjouteListeDeMusiques();
    fill(ComboBox4, control::line::Windowed, control::line::FullScreen);
}

void TfrmMain::LoadSettings()
{
    const control::SettingsValues values
        = m_settings.Read({FText(control::line::FirstTheme), FText(control::line::FirstLevel),
                           FText(control::line::Windowed)});
    TrackBarMP3->setValue(values.volume);
    NomDuJoueur->setText(values.joueur);
    ComboBox1->SetText(values.theme);
    ComboBox2->SetText(values.difficulte);
    ComboBox4->SetText(values.affichage);
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
    control::SettingsValues values;
    values.volume = TrackBarMP3->value();
    values.joueur = NomDuJoueur->text();
    values.theme = ComboBox1->Text();
    values.difficulte = ComboBox2->Text();
    values.affichage = ComboBox4->Text();
    values.musique = FormLecteurMP3 ? FormLecteurMP3->PauseFlag() : MusicPaused;
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

presentation::ScreenTexts TfrmMain::ScreenLines()
{
    namespace line = control::line;
    presentation::ScreenTexts texts;
    for (int k = 0; k < presentation::FaceCount; ++k)
        texts.faces[static_cast<std::size_t>(k)] = FText(line::FirstFace + k);
    texts.playerLabel = FText(line::PlayerLabel);
    texts.themeLabel = FText(line::ThemeLabel);
    texts.levelLabel = FText(line::LevelLabel);
    texts.displayLabel = FText(line::DisplayLabel);
    texts.musicLabel = FText(line::MusicLabel);
    texts.paused = FText(line::Paused);
    texts.importMusic = FText(line::ImportMusic);
    texts.board = FText(line::GameName);
    return texts;
}

void TfrmMain::ChargeGraphismes(const QString& theme)
{
    if (!isFullScreen())
        setFixedSize(1024, 768);
    BoardLeft = Image1Virtuel.left();
    BoardTop = Image1Virtuel.top();
    CheminAppli = ProgramFolder();
    const std::array<QString, 3> themeNames{FText(control::line::FirstTheme),
                                            FText(control::line::FirstTheme + 1),
                                            FText(control::line::LastTheme)};
    const presentation::LoadedTheme loaded
        = presentation::LoadTheme(AssetPath(QStringLiteral("graphisme")), theme, themeNames);
    for (const QString& path : loaded.missing)
        ShowErrorBox(MissingPicture + path);
    PieceImages.Set(loaded.pieces);
    ApplyTheme(loaded, ScreenLines());
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
    m_painting = true;
    struct Reset
    {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{m_painting};

    BoardCursor = Qt::ArrowCursor;
    Panel_MenuJeu->move(Panel_MenuJeu->x(), BoardTop);
    presentation::PickerView picker{PickerOpen, PickerLeft, PickerTop, PickerChoice,
                                    PickerSpin, MouseX,     MouseY};
    presentation::BoardCounters counters{ShakeCount, CheckFlash};
    const bool hovered = presentation::PaintBoard(Image32,
                                                  {m_board,
                                                   GameState,
                                                   {BoardLeft, BoardTop, CellWidth, CellHeight},
                                                   picker,
                                                   counters,
                                                   m_random,
                                                   PieceImages});
    PickerChoice = picker.choice;
    PickerSpin = picker.spin;
    ShakeCount = counters.shakeCount;
    CheckFlash = counters.checkFlash;
    BoardCursor = hovered ? Qt::PointingHandCursor : Qt::ArrowCursor;
    if (m_hintRedraws > 0) {
        --m_hintRedraws;
        DrawHintDigit();
    }
    Image32View->update();
    UpdateStatusBar();
    // Every command that changes the game redraws: a game loaded or ended anywhere leaves the
    // hint as it should be.
    UpdateHintControls();
    Image32View->setCursor(BoardCursor);
}

void TfrmMain::DessineMarque(int x, int y, int k)
{
    const QRect square
        = presentation::MarkRect(x, y, k, {BoardLeft, BoardTop, CellWidth, CellHeight});
    QPainter painter(&Image32);
    painter.drawImage(square.topLeft(), PieceImages.Mark(k));
}

void TfrmMain::UpdateStatusBar()
{
    // Before the language file is loaded there is no game and no word to show.
    if (!TextsLoaded())
        return;
    const control::StatusTexts texts
        = control::StatusBarTexts(GameState, m_board.FilledCellCount(), Timer1.isActive(), Lines());
    if (texts.pieces)
        StatusBar1->SetPanelText(0, *texts.pieces);
    if (texts.time)
        StatusBar1->SetPanelText(1, *texts.time);
    if (texts.state)
        StatusBar1->SetPanelText(2, *texts.state);
}

void TfrmMain::Timer1Timer()
{
    if (!m_startupDone)
        return;
    switch (control::TickActionFor(GameState)) {
    case control::TickAction::Count:
        ElapsedSeconds = control::AdvanceClock(ElapsedSeconds, Timer1.interval());
        StatusBar1->SetPanelText(1, control::ClockPanelText(ElapsedSeconds, Lines()));
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

void TfrmMain::DrawHintDigit()
{
    if (m_board.CurrentGrid[m_hintCell.x][m_hintCell.y] != m_hintValue)
        return; // the player has changed the cell since
    QPainter painter(&Image32);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(16);
    painter.setFont(font);
    painter.setPen(Qt::green);
    const QString digit = QString::number(m_hintValue + 1);
    const QFontMetrics metrics(font);
    const QPoint corner
        = control::HintTextCorner(m_hintCell, CellWidth, CellHeight,
                                  {metrics.horizontalAdvance(digit), metrics.height()})
        + QPoint(BoardLeft, BoardTop);
    painter.drawText(corner.x(), corner.y() + metrics.ascent(), digit);
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
    FormFenetre->ListBox1->clear();
    FormFenetre->ListBox1->show();
    FormFenetre->setWindowTitle(QStringLiteral("regle"));
    FormFenetre->ListBox1->addItems(*lines);
    ShowFenetre(FText(control::line::RulesTitle), QStringLiteral("Oui"), QString());
}

void TfrmMain::Nouvelle_PartieClick()
{
    Panel_MenuPrincipal->hide();
    Panel_MenuJeu->show();
    ApplyControls(control::ChangesOf(control::Command::NewGame));
    DessineGrille();
    mnuGenerateClick();
}

void TfrmMain::ConceptionClick()
{
    Panel_MenuPrincipal->hide();
    ApplyControls(control::ChangesOf(control::Command::Design));
    DessineGrille();
    mnuNewClick();
    Panel_MenuJeu->show();
}

void TfrmMain::MnuQuitClick()
{
    FormFenetre->ListBox1->hide();
    if (ShowFenetre(FText(1), FText(1), FText(2)) == 2)
        return;
    Panel_Options->hide();
    Panel_MenuJeu->hide();
    DessineGrille();
    PanelBtHint->hide();
    Panel_MenuPrincipal->show();
}

void TfrmMain::Quitter_JeuClick()
{
    FormFenetre->ListBox1->hide();
    if (ShowFenetre(FText(34), FText(1), FText(2)) == 1)
        close();
}

void TfrmMain::mnuGenerateClick()
{
    GameState = GameStatus::Playing;
    const QString levelText = ComboBox2->Text();
    {
        const int level = control::LevelOfText(levelText, control::LevelNames(Lines()));
        m_random.SetSeed(control::ClockSeed());
        const control::WaitCursor hourglass;
        engine::GeneratePuzzle(m_board, m_random, m_lists, level);
    }
    DessineGrille();
    const bool firstLevel = levelText == FText(control::line::FirstLevel);
    ApplyControls(control::ChangesOf(control::Command::Generate, firstLevel));
    PickerOpen = false;
    UpdateHintControls();
}

void TfrmMain::mnuNewClick()
{
    m_board.ClearBoard();
    GameState = GameStatus::Designing;
    ApplyControls(control::ChangesOf(control::Command::NewDesign));
    m_board.CopyCurrentToStart();
    DessineGrille();
}

void TfrmMain::mnuSolveClick()
{
    PickerOpen = false;
    m_board.CopySolutionToCurrent();
    DessineGrille();
    ApplyControls(control::ChangesOf(control::Command::Solve));
    GameState = GameStatus::Finished;
    UpdateHintControls();
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
    DessineGrille();
    switch (hint.kind) {
    case engine::HintChoice::Kind::WrongPieces:
        CheckFlash = 15;
        FMessage(FText(control::line::WrongPiecesShown));
        return;
    case engine::HintChoice::Kind::NoHint:
        FMessage(FText(control::line::NoHintFound));
        return;
    case engine::HintChoice::Kind::Placed:
        break;
    }
    m_hintCell = hint.cell;
    m_hintValue = hint.value;
    m_hintRedraws = 15;
    UpdateStatusBar();
    DessineGrille();
    UpdateHintControls();
    FMessage(FText(control::line::HintPlaced));
    // After the message, whose own sound would cut this one off at once.
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
    audio::ConnectMusicBox(*ComboBox3, player);
    audio::ConnectVolumeSlider(*TrackBarMP3, player);
    connect(&player, &audio::TFormLecteurMP3::ScrollTextShown, LabelDefilement, &QLabel::setText);
    // Queued: a status message plays its own sound, which must not start inside another.
    connect(
        &player, &audio::TFormLecteurMP3::StatusMessage, this,
        [this](const QString& text) { FMessage(text); }, Qt::QueuedConnection);
    connect(
        &sounds, &audio::SoundEffects::StatusMessage, this,
        [this](const QString& text) { FMessage(text); }, Qt::QueuedConnection);
    for (auto [picture, command] : {std::pair{ImageLecture, &audio::TFormLecteurMP3::Play},
                                    std::pair{ImagePause, &audio::TFormLecteurMP3::Pause},
                                    std::pair{ImageArret, &audio::TFormLecteurMP3::Stop}})
        connect(picture, &presentation::PictureButton::clicked, &player, command);
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
    return control::GameDataFolder(FText(0));
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
    FormFenetre->ListBox1->clear();
    const QList<control::ListEntry> entries = kind == QLatin1String("scores")
        ? control::ScoreList(GameFolder())
        : control::LoadListEntries(GameFolder(), FText(control::line::SavedGameLabel));
    for (const control::ListEntry& entry : entries)
        FormFenetre->AddListEntry(entry.text, entry.line);
}

void TfrmMain::mnuLoadClick()
{
    PickerOpen = false;
    const QString folder = GameFolder();
    FormFenetre->setWindowTitle(QStringLiteral("charge"));
    FillList(QStringLiteral("charge"));
    FormFenetre->ListBox1->show();
    QString question = FText(control::line::LoadTitle);
    double elapsed = 0;
    for (;;) {
        const int answer
            = ShowFenetre(question, QStringLiteral("Charger"), QStringLiteral("Annuler"));
        const QList<QListWidgetItem*> selected = FormFenetre->ListBox1->selectedItems();
        const int row = selected.isEmpty() ? -1 : FormFenetre->ListBox1->row(selected.first());
        if (answer == 2 || row < 0) {
            FormFenetre->ListBox1->hide();
            return;
        }
        // Reads and checks the whole line first: a bad line leaves the game in progress
        // untouched. A line gone from the file is told in the title, over the list as it is now.
        try {
            elapsed = control::LoadSavedGame(folder, FormFenetre->LineOf(row), m_board);
            break;
        } catch (const control::LineGoneError&) {
            question = control::LineGoneMessage;
            FillList(QStringLiteral("charge"));
        } catch (...) {
            FormFenetre->ListBox1->hide();
            throw;
        }
    }
    FormFenetre->ListBox1->hide();
    ElapsedSeconds = elapsed;
    if (Panel_MenuPrincipal->isVisible()) {
        Panel_MenuPrincipal->hide();
        BtValider->hide();
        Panel_MenuJeu->show();
    }
    PickerOpen = false;
    ApplyControls(control::ChangesOf(control::Command::Load,
                                     ComboBox2->currentText() == FText(control::line::FirstLevel)));
    GameState = GameStatus::Playing;
    UpdateHintControls();
    DessineGrille();
    UpdateStatusBar();
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
    switch (control::PlayActionFor(GameState)) {
    case control::PlayAction::Pause:
        PauseGame();
        break;
    case control::PlayAction::Resume:
        ResumeGame();
        break;
    case control::PlayAction::Validate:
        ValidateDesignClick();
        break;
    case control::PlayAction::Nothing:
        break;
    }
}

void TfrmMain::ValidateDesignClick()
{
    const control::DesignVerdict verdict = control::ValidateDesign(m_board, m_lists);
    if (!verdict.accepted) {
        FMessage(FText(control::line::DesignRefused));
        ApplyControls(control::ChangesOf(control::Command::ValidateRefused));
        return;
    }
    FormFenetre->ListBox1->hide();
    ShowFenetre(control::DesignAcceptedText(verdict.grade, Lines()), FText(control::line::Yes),
                QString());
    m_board.CopyCurrentToStart();
    GameState = GameStatus::Playing;
    DessineGrille();
    ApplyControls(control::ChangesOf(control::Command::ValidateAccepted));
    UpdateHintControls();
}

void TfrmMain::PauseGame()
{
    GameState = GameStatus::Paused;
    ApplyControls(control::ChangesOf(control::Command::Pause));
    UpdateHintControls();
    m_board.CopyCurrentToSpare();
}

void TfrmMain::ResumeGame()
{
    GameState = GameStatus::Playing;
    ApplyControls(control::ChangesOf(control::Command::Resume));
    m_board.CopySpareToCurrent();
    UpdateHintControls();
    DessineGrille();
}

void TfrmMain::BtRejoueClick()
{
    if (control::NewPuzzleAsks(GameState)) {
        FormFenetre->ListBox1->hide();
        if (ShowFenetre(FText(control::line::NewPuzzleQuestion), FText(control::line::Yes),
                        FText(control::line::No))
            == 2)
            return;
    }
    mnuGenerateClick();
}
void TfrmMain::ScoresClick()
{
    FormFenetre->setWindowTitle(QStringLiteral("scores"));
    FillList(QStringLiteral("scores"));
    FormFenetre->ListBox1->show();
    if (ShowFenetre(FText(control::line::ScoresTitle), QStringLiteral("OUI"), QString()) == 1)
        FormFenetre->ListBox1->hide();
}

void TfrmMain::AddScore()
{
    const control::ScoreWords words{FText(control::line::Minutes).toStdString(),
                                    FText(control::line::Seconds).toStdString(),
                                    FText(control::line::ScoreLine).toStdString()};
    control::AppendScore(GameFolder(), ElapsedSeconds, words, NomDuJoueur->text(),
                         QDateTime::currentDateTime());
}
void TfrmMain::Image32MouseDown(Qt::MouseButton button, QPoint position)
{
    using Kind = control::ClickResult::Kind;
    // The hit tests work in window coordinates; the surface lies one pixel in.
    const QPoint point = position + Image32View->pos();
    const control::ClickResult click = control::DecideClick(
        {GameState, PickerOpen, PickerChoice, button == Qt::LeftButton, point}, HitArea(), m_board,
        {PickedX, PickedY});
    if (click.pickerCorner) {
        PickerLeft = click.pickerCorner->x();
        PickerTop = click.pickerCorner->y();
    }
    auto& marks = m_board.CandidateMarks;
    switch (click.kind) {
    case Kind::Ignore:
        return;
    case Kind::OpenRing:
        PickerOpen = true;
        PickedX = click.cell.x;
        PickedY = click.cell.y;
        PickerChoice = control::NoChoice;
        JoueSon(control::sound::RingOpens.toString());
        PickerSpin = 36;
        return;
    case Kind::Dismiss:
        PickerOpen = false;
        PickerChoice = control::NoChoice;
        return;
    case Kind::Close:
        PickerOpen = false;
        return;
    case Kind::Place:
        PickerOpen = false;
        PlacePionDansGrille();
        // Shaken and cleared even when the piece was refused.
        ShakeCount = 100;
        marks[PickedX][PickedY].fill(0);
        return;
    case Kind::ToggleMark:
        PickerOpen = false;
        marks[PickedX][PickedY][click.value] ^= 1;
        return;
    }
}

void TfrmMain::Image32MouseMove(QPoint position)
{
    MouseX = position.x();
    MouseY = position.y();
    if (control::RingClosesOnMove(PickerOpen, PickerChoice, position, HitArea(),
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
    const int value = control::ValueOfChoice(PickerChoice);
    const control::PlacementResult placed
        = control::PlacePiece(m_board, GameState, {PickedX, PickedY}, value);
    if (!placed.sound.isEmpty())
        JoueSon(placed.sound.toString());
    switch (placed.kind) {
    case Kind::Ignored:
    case Kind::Refused:
        return;
    case Kind::Designed:
        DessineGrille();
        return;
    case Kind::Played:
        DessineGrille();
        CheckGameEnd();
        return;
    }
}

void TfrmMain::CheckGameEnd()
{
    if (!control::GridComplete(m_board, ForceComplete))
        return;
    ApplyControls(control::ChangesOf(control::Command::GameEnd));
    GameState = GameStatus::Finished;
    UpdateHintControls();
    JoueSon(control::sound::GameWon.toString());
    const QString time = control::TimeText(ElapsedSeconds, control::TimeWordsFrom(Lines()));
    FormFenetre->ListBox1->hide();
    ShowFenetre(control::EndOfGameText(time, Lines()), FText(control::line::Yes), QString());
    // A score that cannot be written is told, and the menu buttons still come back.
    Guarded([this] { AjouteScore(); });
    ApplyControls(control::ChangesOf(control::Command::AfterEndMessage));
    UpdateStatusBar();
}

control::LineLookup TfrmMain::Lines()
{
    return [this](int n) { return FText(n); };
}

control::BoardArea TfrmMain::HitArea() const
{
    return {BoardLeft, BoardTop,  Image1Virtuel.width(), Image1Virtuel.height(),
            CellWidth, CellHeight};
}

QWidget* TfrmMain::ControlWidget(control::Control c) const
{
    switch (c) {
    case control::Control::Solve:
        return BtSolve;
    case control::Control::Rejoue:
        return BtRejoue;
    case control::Control::Check:
        return btCheck;
    case control::Control::Print:
        return BtPrint;
    case control::Control::Charger:
        return BtCharger;
    case control::Control::Options:
        return BtOptions;
    case control::Control::Save:
        return BtSave;
    case control::Control::Valider:
        return BtValider;
    case control::Control::Quitter:
        return BtQuitter;
    case control::Control::HintPanel:
        return PanelBtHint;
    case control::Control::HintPicture:
        return ImageBtHint;
    case control::Control::Paused:
        return PanPaused;
    }
    return nullptr;
}

void TfrmMain::ApplyControls(const control::ControlChanges& changes)
{
    switch (changes.clock) {
    case control::ClockChange::StartFromZero:
        ElapsedSeconds = 0;
        Timer1.start();
        break;
    case control::ClockChange::Start:
        Timer1.start();
        break;
    case control::ClockChange::Stop:
        Timer1.stop();
        break;
    case control::ClockChange::Keep:
        break;
    }
    for (int c = 0; c < control::ControlCount; ++c) {
        const auto control = static_cast<control::Control>(c);
        QWidget* widget = ControlWidget(control);
        const control::ControlChange& change = changes[control];
        if (change.enabled)
            widget->setEnabled(*change.enabled);
        if (change.shown)
            widget->setVisible(*change.shown);
    }
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
