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
#include <QFontDatabase>
#include <QGridLayout>
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
#include <QVBoxLayout>

namespace {

const QColor ToolBarColour(255, 246, 235);
const QString TitleFontFamily = QStringLiteral("CHOW FUN"); // the family of graphisme/CHOWFUN_.TTF

void SetBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

// The music controls have no picture files: a play triangle, pause bars or a stop square.
QPixmap MusicGlyph(int kind)
{
    QImage glyph(21, 17, QImage::Format_ARGB32_Premultiplied);
    glyph.fill(QColor(40, 30, 25));
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(245, 235, 215));
    if (kind == 0) {
        const std::array<QPointF, 3> triangle{QPointF(7, 4), QPointF(15, 8.5), QPointF(7, 13)};
        painter.drawPolygon(triangle.data(), 3);
    } else if (kind == 1) {
        painter.drawRect(QRectF(6, 4, 3, 9));
        painter.drawRect(QRectF(12, 4, 3, 9));
    } else {
        painter.drawRect(QRectF(6, 4, 9, 9));
    }
    return QPixmap::fromImage(glyph);
}

QScreen* ScreenOf(const QWidget* widget)
{
    if (QScreen* screen = widget->screen())
        return screen;
    return QGuiApplication::primaryScreen();
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent, QString programFolder, QString settingsFile)
    : QMainWindow(parent)
    , m_settings(std::move(settingsFile))
    , m_programFolderOverride(std::move(programFolder))
{
    setWindowTitle(QStringLiteral("Sudoku"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

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

    FormFenetre = new TFormFenetre(this);
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
    BuildScreens();
    setFixedSize(1024, 768);

    Timer1.setInterval(control::ClockInterval);
    connect(&Timer1, &QTimer::timeout, this, [this] { Guarded([this] { Timer1Timer(); }); });
    Timer2.setInterval(100);
    connect(&Timer2, &QTimer::timeout, this, [this] { Guarded([this] { Timer2Timer(); }); });
    TimerMessage.setInterval(5000);
    connect(&TimerMessage, &QTimer::timeout, this, [this] { TimerMessageTimer(); });
    TimerMessage.start();
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
    // A cut or foreign file may load as some other family: only the game's own font counts.
    const int font = QFontDatabase::addApplicationFont(fontPath);
    if (font < 0 || !QFontDatabase::applicationFontFamilies(font).contains(TitleFontFamily)) {
        if (font >= 0)
            QFontDatabase::removeApplicationFont(font);
        ShowErrorBox(QStringLiteral("Police manquante ou illisible :\n") + fontPath);
    }
    FormFenetre->SetTitleFont(TitleFontFamily);
    if (m_splash != nullptr && !m_splash->MissingPicture.isEmpty())
        ShowErrorBox(QStringLiteral("Image manquante ou illisible :\n") + m_splash->MissingPicture);
    if (m_splash != nullptr)
        m_splash->hide();
    BtHint->hide();

    if (const QScreen* screen = ScreenOf(this)) {
        DisplayMode.width = screen->size().width();
        DisplayMode.height = screen->size().height();
        DisplayMode.depth = static_cast<std::uint8_t>(screen->depth());
    }
    presentation::SetOpacity(this, 255);

    const QString languagePath = AssetPath(QStringLiteral("Textes/Francais.txt"));
    auto lines = presentation::ReadTextLines(languagePath);
    if (!lines || lines->size() < presentation::LanguageLineCount) {
        // Without all its texts the game has no words to show: say what is wrong with which file
        // and stop, before anything asks for a line.
        ShowErrorBox(!lines ? QStringLiteral("Fichier de langue introuvable :\n") + languagePath
                            : QStringLiteral("Fichier de langue incomplet :\n%1\nIl a %2 lignes, "
                                             "le jeu en utilise %3.")
                                  .arg(languagePath)
                                  .arg(lines->size())
                                  .arg(presentation::LanguageLineCount));
        EndProgram();
        return;
    }
    ListeTextes.Load(std::move(*lines));

    ComboBox2->clear();
    for (int n = 23; n <= 27; ++n)
        ComboBox2->addItem(FText(n));
    ComboBox2->SetText(FText(23));
    ComboBox1->clear();
    for (int n = 38; n <= 40; ++n)
        ComboBox1->addItem(FText(n));
    ComboBox1->SetText(FText(38));
    AjouteListeDeMusiques();
    ComboBox4->clear();
    ComboBox4->addItem(FText(36));
    ComboBox4->addItem(FText(37));
    ComboBox4->SetText(FText(36));

    LoadSettings();
    ChargeGraphismes(ComboBox1->Text());
    ComboBox4Change();

    m_startupDone = true;
    if (FullScreenChosen())
        showFullScreen();
    else
        show();
}

void TfrmMain::LoadSettings()
{
    const control::SettingsValues values = m_settings.Read({FText(38), FText(23), FText(36)});
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

QImage TfrmMain::ReadWindowPicture(const QString& relative,
                                   QSize size,
                                   QColor standIn,
                                   QString& firstMissing) const
{
    const QString path = AssetPath(relative);
    QImage picture = presentation::ReadOpaquePicture(path);
    if (!picture.isNull())
        return picture;
    if (firstMissing.isEmpty())
        firstMissing = path;
    return presentation::PlaceholderPicture(size.width(), size.height(), standIn);
}

void TfrmMain::LoadThemePictures(QString& theme)
{
    const QString folder = AssetPath(QStringLiteral("graphisme"));
    presentation::ThemeFiles files = presentation::ReadThemeFiles(folder, theme);
    if (!files.Complete()) {
        ShowErrorBox(QStringLiteral("Image manquante ou illisible :\n") + files.firstMissing);
        const QString defaultTheme = FText(38);
        if (theme != defaultTheme) {
            // Fall back to the default theme; what it lacks too gets plain stand-ins.
            presentation::ThemeFiles defaults = presentation::ReadThemeFiles(folder, defaultTheme);
            if (!defaults.Complete())
                ShowErrorBox(QStringLiteral("Image manquante ou illisible :\n")
                             + defaults.firstMissing);
            files = std::move(defaults);
            theme = defaultTheme;
            ComboBox1->SetText(theme);
        }
    }
    const std::array<QString, 3> names{FText(38), FText(39), FText(40)};
    const presentation::ThemeLook look = presentation::LookOfTheme(theme, names);
    m_themeOpacity = look.opacity;
    PieceImages.Set(presentation::PreparePieces(files, look.opacity));

    BtPrint->setVisible(look.printShown);
    Label6->setText(FText(66));
    Label2->setText(FText(67));
    Label3->setText(FText(68));
    Label1->setText(FText(69));
    Label4->setText(FText(70));
    PausedText->setText(FText(control::line::Paused));
    // The option labels take the theme's colour. The scrolling title keeps its white text: it
    // sits on its own black strip, where the themes' black would make it invisible.
    if (look.labelColour) {
        for (QWidget* label : {static_cast<QWidget*>(Label6), static_cast<QWidget*>(Label2),
                               static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label1),
                               static_cast<QWidget*>(Label4)})
            SetTextColour(label, *look.labelColour);
    }
    for (QLabel* label : {Label6, Label2, Label3, Label1, Label4})
        label->adjustSize();
}

void TfrmMain::RebuildFaces(const QImage& normal, const QImage& hot, const QImage& disabled)
{
    const std::array<const QImage*, 3> blanks{&normal, &hot, &disabled};
    for (std::size_t state = 0; state < FaceLists.size(); ++state) {
        FaceLists[state].clear();
        for (int k = 0; k < presentation::FaceCount; ++k) {
            QImage face = blanks[state]->copy();
            presentation::EcrireLegende(face, FText(k + 2),
                                        presentation::FaceCaptionColours[state]);
            FaceLists[state].append(face);
        }
    }
    for (const auto& [button, k] : m_faceButtons) {
        button->SetFaces(FaceLists[0][k], FaceLists[1][k], FaceLists[2][k]);
        button->setAccessibleName(FText(k + 2));
        button->setAccessibleDescription(FText(k + 2));
    }
    FormFenetre->SetButtonFaces({FaceLists[0][0], FaceLists[1][0], FaceLists[2][0]},
                                {FaceLists[0][1], FaceLists[1][1], FaceLists[2][1]});
}

void TfrmMain::ChargeGraphismes(QString theme)
{
    if (!isFullScreen())
        setFixedSize(1024, 768);
    BoardLeft = Image1Virtuel.left();
    BoardTop = Image1Virtuel.top();
    if (theme.isEmpty())
        theme = FText(38);
    CheminAppli = ProgramFolder();

    LoadThemePictures(theme);
    Image32View->update();

    QString missing;
    FormFenetre->SetPicture(ReadWindowPicture(QStringLiteral("graphisme/fenetre.bmp"), {503, 370},
                                              QColor(245, 235, 210), missing));
    Image_Panel_MenuPrincipal->setPixmap(QPixmap::fromImage(ReadWindowPicture(
        QStringLiteral("graphisme/accueil.bmp"), {992, 709}, QColor(200, 185, 150), missing)));
    ImageBtHint->setPixmap(QPixmap::fromImage(ReadWindowPicture(
        QStringLiteral("graphisme/Aide.bmp"), {91, 83}, QColor(120, 30, 30), missing)));

    // The background is the theme's picture 23, read with the others. The volume slider keeps
    // its position: a theme load is no reason to change the volume.
    ImageFonddePanel->setPixmap(QPixmap::fromImage(PieceImages.Piece(23).image));

    const QPixmap right = QPixmap::fromImage(ReadWindowPicture(
        QStringLiteral("graphisme/R.bmp"), {20, 20}, QColor(120, 30, 30), missing));
    const QPixmap left = QPixmap::fromImage(ReadWindowPicture(
        QStringLiteral("graphisme/L.bmp"), {20, 20}, QColor(120, 30, 30), missing));
    for (QLabel* arrow : {ImageF1D, ImageF2D, ImageF4D})
        arrow->setPixmap(right);
    for (QLabel* arrow : {ImageF1G, ImageF2G, ImageF4G})
        arrow->setPixmap(left);

    QImage import = presentation::PlaceholderPicture(100, 17, QColor(245, 235, 215));
    {
        QPainter painter(&import);
        QFont font = painter.font();
        font.setPixelSize(9);
        font.setItalic(true);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(6, 2 + QFontMetrics(font).ascent()), FText(61));
    }
    ImageBtImportMP3->setPixmap(QPixmap::fromImage(import));

    const auto faceBlank = [this, &missing](int state, QColor standIn) {
        const QString path = AssetPath(QStringLiteral("graphisme/%1.bmp").arg(state));
        QImage blank = presentation::ReadFaceBlank(path);
        if (!blank.isNull())
            return blank;
        if (missing.isEmpty())
            missing = path;
        return presentation::PlaceholderPicture(140, 49, standIn);
    };
    const QImage normal = faceBlank(1, QColor(250, 235, 215));
    const QImage hot = faceBlank(2, QColor(255, 245, 225));
    const QImage disabled = faceBlank(3, QColor(215, 210, 205));
    RebuildFaces(normal, hot, disabled);

    // Accessible names follow the language of the texts just used.
    ImageBtHint->setAccessibleName(FText(8));
    ImageBtHint->setAccessibleDescription(FText(8));
    ImageBtImportMP3->setAccessibleName(FText(61));
    ImageBtImportMP3->setAccessibleDescription(FText(61));
    for (auto [arrow, line] :
         {std::pair{ImageF1G, 67}, std::pair{ImageF1D, 67}, std::pair{ImageF2G, 68},
          std::pair{ImageF2D, 68}, std::pair{ImageF4G, 69}, std::pair{ImageF4D, 69}}) {
        arrow->setAccessibleName(FText(line));
        arrow->setAccessibleDescription(FText(line));
    }
    Image32View->setAccessibleName(FText(0));

    if (!missing.isEmpty())
        ShowErrorBox(QStringLiteral("Image manquante ou illisible :\n") + missing);
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
    const auto fullScreen = ListeTextes.Line(37);
    return fullScreen && ComboBox4->Text() == *fullScreen;
}

void TfrmMain::ComboBox4Change()
{
    const QString choice = ComboBox4->Text();
    if (choice == FText(36)) {
        SetDisplayMode(DisplayMode.width, DisplayMode.height, DisplayMode.depth);
        ApplyDisplay(false);
    } else if (choice == FText(37)) {
        SetDisplayMode(1024, 768, 16);
        ApplyDisplay(true);
    }
}

void TfrmMain::ApplyDisplay(bool fullScreen)
{
    ShowGameScaled(fullScreen);
    if (fullScreen) {
        // Full screen: the 1024 x 768 game, scaled to fill the screen, centred on black.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (isVisible())
            showFullScreen();
        else
            setWindowState(windowState() | Qt::WindowFullScreen);
        return;
    }
    if (isFullScreen())
        showNormal();
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    setFixedSize(1024, 768);
    if (const QScreen* screen = ScreenOf(this))
        move(presentation::WindowedPosition(screen->size()));
}

void TfrmMain::ShowGameScaled(bool scaled)
{
    if (scaled == (FullScreenView != nullptr && FullScreenView->Shows()))
        return;
    if (scaled) {
        if (FullScreenView == nullptr) {
            FullScreenView = new presentation::ScaledView(GameArea->size(), m_stage);
            m_stageLayout->addWidget(FullScreenView, 0, 0);
        }
        m_stageLayout->removeWidget(GameArea);
        FullScreenView->Show(GameArea);
        FullScreenView->show();
        FullScreenView->setFocus();
        return;
    }
    FullScreenView->Release();
    FullScreenView->hide();
    m_stageLayout->addWidget(GameArea, 0, 0, Qt::AlignCenter);
    GameArea->show();
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
    connect(ImageLecture, &presentation::PictureButton::clicked, &player,
            [&player] { player.Play(); });
    connect(ImagePause, &presentation::PictureButton::clicked, &player,
            [&player] { player.Pause(); });
    connect(ImageArret, &presentation::PictureButton::clicked, &player,
            [&player] { player.Stop(); });
    connect(ImageBtImportMP3, &presentation::PictureButton::clicked, &player, [this, &player] {
        Guarded([this, &player] {
            player.ImportFile(QFileDialog::getOpenFileName(this, FText(61), player.Titles().folder,
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

QVBoxLayout* TfrmMain::AddToolBar(QFrame* panel, QWidget*& bar, QMargins margins)
{
    SetBackground(panel, Qt::white);
    bar = new QWidget(panel);
    bar->setGeometry(panel->rect());
    SetBackground(bar, ToolBarColour);
    auto* column = new QVBoxLayout(bar);
    column->setContentsMargins(margins);
    column->setSpacing(0);
    return column;
}

presentation::FaceButton* TfrmMain::AddFaceButton(QWidget* bar,
                                                  int face,
                                                  void (TfrmMain::*handler)())
{
    auto* button = new presentation::FaceButton(bar);
    bar->layout()->addWidget(button);
    m_faceButtons.emplace_back(button, face);
    connect(button, &QAbstractButton::clicked, this,
            [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    return button;
}

void TfrmMain::BuildScreens()
{
    // A black backdrop; a style sheet rather than a palette, which every control of the game
    // would inherit.
    m_stage = new QWidget(this);
    m_stage->setObjectName(QStringLiteral("Backdrop"));
    m_stage->setAttribute(Qt::WA_StyledBackground);
    m_stage->setStyleSheet(QStringLiteral("#Backdrop { background: black; }"));
    m_stageLayout = new QGridLayout(m_stage);
    m_stageLayout->setContentsMargins(0, 0, 0, 0);
    GameArea = new QWidget(m_stage);
    GameArea->setFixedSize(1024, 768);
    m_stageLayout->addWidget(GameArea, 0, 0, Qt::AlignCenter);
    setCentralWidget(m_stage);

    // From bottom to top: the surface, the status bar, the main menu, the game menu, the hint
    // button, the options panel.
    Image32View = new presentation::BoardSurface(Image32, GameArea);
    Image32View->setGeometry(1, 1, 1022, 764);
    connect(Image32View, &presentation::BoardSurface::MousePressed, this,
            [this](Qt::MouseButton button, QPoint position) {
                Guarded([&] { Image32MouseDown(button, position); });
            });
    connect(Image32View, &presentation::BoardSurface::MouseMoved, this,
            [this](QPoint position) { Guarded([&] { Image32MouseMove(position); }); });

    StatusBar1 = new presentation::StatusPanels(GameArea);
    StatusBar1->setGeometry(0, 748, 1024, 20);
    StatusBar1->SetPanelText(0, QStringLiteral("Pions:"));
    StatusBar1->SetPanelText(1, QStringLiteral("Time: n/a"));

    BuildMainMenu();
    BuildGameMenu();

    PanelBtHint = new QFrame(GameArea);
    PanelBtHint->setGeometry(927, 0, 91, 83);
    ImageBtHint = new presentation::PictureButton(PanelBtHint);
    ImageBtHint->setGeometry(0, 0, 91, 83);
    connect(ImageBtHint, &presentation::PictureButton::clicked, this,
            [this] { Guarded([this] { mnuHintClick(); }); });
    PanelBtHint->hide();

    BuildOptionsPanel();
}

void TfrmMain::BuildMainMenu()
{
    Panel_MenuPrincipal = new QFrame(GameArea);
    Panel_MenuPrincipal->setGeometry(2, 1, 1015, 732);
    SetBackground(Panel_MenuPrincipal, QColor(128, 128, 0));
    Panel_MenuPrincipal->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel_MenuPrincipal->setLineWidth(6);
    Image_Panel_MenuPrincipal = new QLabel(Panel_MenuPrincipal);
    Image_Panel_MenuPrincipal->setGeometry(11, 12, 992, 709);

    Panel4 = new QFrame(Panel_MenuPrincipal);
    Panel4->setGeometry(453, 253, 156, 348);
    // Six buttons of 55 fit the panel's 348 pixels in one column, in the order of the design's
    // two-column bar read row by row.
    QVBoxLayout* column = AddToolBar(Panel4, ToolBar_MenuPrincipal, {4, 9, 5, 9});
    Nouvelle_Partie = AddFaceButton(ToolBar_MenuPrincipal, 14, &TfrmMain::Nouvelle_PartieClick);
    Conception = AddFaceButton(ToolBar_MenuPrincipal, 15, &TfrmMain::ConceptionClick);
    Scores = AddFaceButton(ToolBar_MenuPrincipal, 11, &TfrmMain::ScoresClick);
    BtRegle = AddFaceButton(ToolBar_MenuPrincipal, 13, &TfrmMain::BtRegleClick);
    BtChargeInMenu = AddFaceButton(ToolBar_MenuPrincipal, 9, &TfrmMain::mnuLoadClick);
    Quitter_Jeu = AddFaceButton(ToolBar_MenuPrincipal, 12, &TfrmMain::Quitter_JeuClick);
    column->addStretch(1);
}

void TfrmMain::BuildGameMenu()
{
    Panel_MenuJeu = new QFrame(GameArea);
    Panel_MenuJeu->setGeometry(72, 89, 161, 464);
    // The shown buttons stack from the top; when more than eight are shown they share the
    // height, down to the 49 pixels of a face, instead of running out of the panel.
    QVBoxLayout* column = AddToolBar(Panel_MenuJeu, ToolBar_MenuJeu, {7, 4, 7, 4});
    BtSolve = AddFaceButton(ToolBar_MenuJeu, 4, &TfrmMain::mnuSolveClick);
    BtRejoue = AddFaceButton(ToolBar_MenuJeu, 3, &TfrmMain::BtRejoueClick);
    btCheck = AddFaceButton(ToolBar_MenuJeu, 5, &TfrmMain::mnuCheckClick);
    BtPrint = AddFaceButton(ToolBar_MenuJeu, 8, &TfrmMain::mnuPrintClick);
    BtCharger = AddFaceButton(ToolBar_MenuJeu, 9, &TfrmMain::mnuLoadClick);
    BtOptions = AddFaceButton(ToolBar_MenuJeu, 7, &TfrmMain::BtOptionsClick);
    BtHint = AddFaceButton(ToolBar_MenuJeu, 6, &TfrmMain::mnuHintClick);
    BtSave = AddFaceButton(ToolBar_MenuJeu, 10, &TfrmMain::mnuSaveClick);
    BtValider = AddFaceButton(ToolBar_MenuJeu, 16, &TfrmMain::tbPlayClick);
    BtQuitter = AddFaceButton(ToolBar_MenuJeu, 17, &TfrmMain::MnuQuitClick);
    column->addStretch(1);
    Panel_MenuJeu->hide();
}

void TfrmMain::BuildOptionsPanel()
{
    Panel_Options = new QFrame(GameArea);
    Panel_Options->setGeometry(865, 148, 153, 569);
    ImageFonddePanel = new QLabel(Panel_Options);
    ImageFonddePanel->setGeometry(0, 0, 153, 569);

    const auto label = [this](int x, int y) {
        auto* text = new QLabel(Panel_Options);
        text->move(x, y);
        QFont font = text->font();
        font.setBold(true);
        text->setFont(font);
        return text;
    };
    const auto choiceBox = [this](int x, int y, int width) {
        auto* box = new presentation::ChoiceBox(Panel_Options);
        box->setGeometry(x, y, width, 21);
        return box;
    };
    const auto arrow = [this](int x, int y, auto handler) {
        auto* picture = new presentation::PictureButton(Panel_Options);
        picture->setGeometry(x, y, 20, 20);
        connect(picture, &presentation::PictureButton::clicked, this,
                [this, handler] { Guarded([this, handler] { handler(this); }); });
        return picture;
    };

    Label6 = label(26, 69);
    NomDuJoueur = new QLineEdit(Panel_Options);
    NomDuJoueur->setGeometry(26, 90, 121, 19);
    NomDuJoueur->setMaxLength(9);
    NomDuJoueur->setText(QStringLiteral("Joueur"));

    Label2 = label(26, 156);
    ComboBox1 = choiceBox(24, 175, 103);
    ImageF1G = arrow(3, 177, [](TfrmMain* w) {
        w->ChangeCombocontent(w->ComboBox1, 0);
        w->ComboBox1Change();
    });
    ImageF1D = arrow(127, 176, [](TfrmMain* w) {
        w->ChangeCombocontent(w->ComboBox1, 1);
        w->ComboBox1Change();
    });

    Label3 = label(25, 198);
    ComboBox2 = choiceBox(24, 214, 102);
    ImageF2G = arrow(3, 217, [](TfrmMain* w) { w->ChangeCombocontent(w->ComboBox2, 0); });
    ImageF2D = arrow(126, 216, [](TfrmMain* w) { w->ChangeCombocontent(w->ComboBox2, 1); });

    Label1 = label(25, 245);
    ComboBox4 = choiceBox(24, 262, 104);
    SetTextColour(ComboBox4, Qt::red);
    ComboBox4->lineEdit()->setStyleSheet(QStringLiteral("color: red;"));
    ImageF4G = arrow(3, 263, [](TfrmMain* w) {
        w->ChangeCombocontent(w->ComboBox4, 0);
        w->ComboBox4Change();
    });
    ImageF4D = arrow(127, 264, [](TfrmMain* w) {
        w->ChangeCombocontent(w->ComboBox4, 1);
        w->ComboBox4Change();
    });

    PanPaused = new QFrame(Panel_Options);
    PanPaused->setGeometry(8, 336, 129, 33);
    PanPaused->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SetBackground(PanPaused, QColor(255, 246, 235));
    PausedText = new QLabel(PanPaused);
    PausedText->setGeometry(PanPaused->rect());
    PausedText->setAlignment(Qt::AlignCenter);
    SetTextColour(PausedText, QColor(110, 30, 40));
    QFont pausedFont = PausedText->font();
    pausedFont.setBold(true);
    PausedText->setFont(pausedFont);
    PanPaused->hide();

    LabelDefilement = new QLabel(Panel_Options);
    LabelDefilement->setGeometry(5, 386, 139, 13);
    LabelDefilement->setAlignment(Qt::AlignCenter);
    SetBackground(LabelDefilement, Qt::black);
    SetTextColour(LabelDefilement, Qt::white);
    QFont scrolling = LabelDefilement->font();
    scrolling.setBold(true);
    scrolling.setPixelSize(11);
    LabelDefilement->setFont(scrolling);

    Label4 = label(28, 406);
    ComboBox3 = new QComboBox(Panel_Options);
    // Inside the panel's frame, which the picture draws over its first and last few pixels.
    ComboBox3->setGeometry(10, 425, 133, 21);
    ComboBox3->setEditable(true);

    ImageLecture = new presentation::PictureButton(Panel_Options);
    ImageLecture->setGeometry(5, 496, 21, 17);
    ImageLecture->setPixmap(MusicGlyph(0));
    ImagePause = new presentation::PictureButton(Panel_Options);
    ImagePause->setGeometry(37, 496, 21, 17);
    ImagePause->setPixmap(MusicGlyph(1));
    ImageArret = new presentation::PictureButton(Panel_Options);
    ImageArret->setGeometry(69, 496, 21, 17);
    ImageArret->setPixmap(MusicGlyph(2));

    Panel1 = new QFrame(Panel_Options);
    Panel1->setGeometry(115, 464, 30, 90);
    TrackBarMP3 = new QSlider(Qt::Vertical, Panel1);
    TrackBarMP3->setGeometry(5, 0, 20, 90);
    TrackBarMP3->setRange(0, 1000);
    TrackBarMP3->setValue(500);
    TrackBarMP3->setToolTip(QStringLiteral("Volume"));

    ImageBtImportMP3 = new presentation::PictureButton(Panel_Options);
    ImageBtImportMP3->setGeometry(5, 530, 100, 17);
    Panel_Options->hide();
}
