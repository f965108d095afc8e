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
#include <QScopeGuard>
#include <QScopedValueRollback>
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
    const QScopedValueRollback<bool> painting(m_painting, true);

    BoardCursor = Qt::ArrowCursor;
    Panel_MenuJeu->move(Panel_MenuJeu->x(), BoardTop);
    const bool hovered = presentation::PaintBoard(
        Image32, {m_board, GameState, Geometry(), Ring, Counters, m_random, PieceImages});
    BoardCursor = hovered ? Qt::PointingHandCursor : Qt::ArrowCursor;
    if (m_hintRedraws > 0) {
        --m_hintRedraws;
        DrawHintDigit();
    }
    Image32View->update();
    UpdateStatusBar();
    Image32View->setCursor(BoardCursor);
}

void TfrmMain::DessineMarque(int x, int y, int k)
{
    const QRect square = presentation::MarkRect(x, y, k, Geometry());
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
    presentation::PaintHintDigit(Image32, Geometry().CellRect(m_hintCell.x, m_hintCell.y),
                                 m_hintValue);
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
    ApplyCommand(control::Command::NewGame);
    DessineGrille();
    mnuGenerateClick();
}

void TfrmMain::ConceptionClick()
{
    Panel_MenuPrincipal->hide();
    ApplyCommand(control::Command::Design);
    DessineGrille();
    mnuNewClick();
    Panel_MenuJeu->show();
}

void TfrmMain::MnuQuitClick()
{
    if (Ask(control::line::LeaveGame) == 2)
        return;
    Panel_Options->hide();
    Panel_MenuJeu->hide();
    DessineGrille();
    PanelBtHint->hide();
    Panel_MenuPrincipal->show();
}

void TfrmMain::Quitter_JeuClick()
{
    if (Ask(control::line::QuitProgram) == 1)
        close();
}

void TfrmMain::mnuGenerateClick()
{
    const QString levelText = ComboBox2->Text();
    {
        const int level = control::LevelOfText(levelText, control::LevelNames(Lines()));
        m_random.SetSeed(control::ClockSeed());
        const control::WaitCursor hourglass;
        engine::GeneratePuzzle(m_board, m_random, m_lists, level);
    }
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
        m_hintCell = hint.cell;
        m_hintValue = hint.value;
        m_hintRedraws = 15;
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

void TfrmMain::OpenList(const QString& kind)
{
    FormFenetre->setWindowTitle(kind);
    FillList(kind);
    FormFenetre->ListBox1->show();
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
    OpenList(QStringLiteral("charge"));
    const auto hideList = qScopeGuard([this] { FormFenetre->ListBox1->hide(); });
    const auto choose = [this](const QString& question) -> std::optional<QString> {
        const int answer
            = ShowFenetre(question, QStringLiteral("Charger"), QStringLiteral("Annuler"));
        const QList<QListWidgetItem*> selected = FormFenetre->ListBox1->selectedItems();
        if (answer == 2 || selected.isEmpty())
            return std::nullopt;
        return FormFenetre->LineOf(FormFenetre->ListBox1->row(selected.first()));
    };
    // Reads and checks the whole line first: a bad line leaves the game in progress untouched.
    const std::optional<double> elapsed
        = control::LoadChosenGame(GameFolder(), m_board, FText(control::line::LoadTitle), choose,
                                  [this] { FillList(QStringLiteral("charge")); });
    if (!elapsed)
        return;
    ElapsedSeconds = *elapsed;
    if (Panel_MenuPrincipal->isVisible()) {
        Panel_MenuPrincipal->hide();
        BtValider->hide();
        Panel_MenuJeu->show();
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
    OpenList(QStringLiteral("scores"));
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
    const control::ClickInput input{GameState, PickerOpen, PickerChoice, button == Qt::LeftButton,
                                    position + Image32View->pos()};
    const control::ClickResult click
        = control::DecideClick(input, Geometry(), m_board, {PickedX, PickedY});
    switch (control::ApplyClick(click, Ring, m_board)) {
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
    const QString time = control::TimeText(ElapsedSeconds, control::TimeWordsFrom(Lines()));
    Tell(control::EndOfGameText(time, Lines()));
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
    if (changes.clock == control::ClockChange::StartFromZero)
        ElapsedSeconds = 0;
    if (changes.clock == control::ClockChange::Stop)
        Timer1.stop();
    else if (changes.clock != control::ClockChange::Keep)
        Timer1.start();
    for (int c = 0; c < control::ControlCount; ++c) {
        const auto control = static_cast<control::Control>(c);
        QWidget* widget = ControlWidget(control);
        const control::ControlChange& change = changes[control];
        if (change.enabled)
            widget->setEnabled(*change.enabled);
        if (change.shown)
            widget->setVisible(*change.shown);
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
