// The main window's form: every control of its screens, how they are laid out, how a theme
// dresses them.
#include "presentation/MainScreens.h"

#include "presentation/FenetreMess.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QSlider>
#include <QVBoxLayout>

namespace presentation {

namespace {

const QColor ToolBarColour(255, 246, 235);

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

void SetBold(QWidget* widget)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

void SetAccessibleText(QWidget* widget, const QString& text)
{
    widget->setAccessibleName(text);
    widget->setAccessibleDescription(text);
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

// The music import picture: its caption written small and italic on a plain strip.
QPixmap ImportPicture(const QString& caption)
{
    QImage import = PlaceholderPicture(100, 17, QColor(245, 235, 215));
    QPainter painter(&import);
    QFont font = painter.font();
    font.setPixelSize(9);
    font.setItalic(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(6, 2 + QFontMetrics(font).ascent()), caption);
    painter.end();
    return QPixmap::fromImage(import);
}

} // namespace

void MainScreens::SetupUi(QMainWindow* window, const QImage& surface)
{
    window->setWindowTitle(QStringLiteral("Sudoku"));
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    FormFenetre = new TFormFenetre(window);
    // A black backdrop; a style sheet rather than a palette, which every control of the game
    // would inherit.
    Stage = new QWidget(window);
    Stage->setObjectName(QStringLiteral("Backdrop"));
    Stage->setAttribute(Qt::WA_StyledBackground);
    Stage->setStyleSheet(QStringLiteral("#Backdrop { background: black; }"));
    StageLayout = new QGridLayout(Stage);
    StageLayout->setContentsMargins(0, 0, 0, 0);
    GameArea = new QWidget(Stage);
    GameArea->setFixedSize(1024, 768);
    StageLayout->addWidget(GameArea, 0, 0, Qt::AlignCenter);
    window->setCentralWidget(Stage);

    // From bottom to top: the surface, the status bar, the main menu, the game menu, the hint
    // button, the options panel.
    Image32View = new BoardSurface(surface, GameArea);
    Image32View->setGeometry(1, 1, 1022, 764);
    StatusBar1 = new StatusPanels(GameArea);
    StatusBar1->setGeometry(0, 748, 1024, 20);
    StatusBar1->SetPanelText(0, QStringLiteral("Pions:"));
    StatusBar1->SetPanelText(1, QStringLiteral("Time: n/a"));

    BuildMenus();
    AddFaceButtons();
    Panel_MenuJeu->hide();

    PanelBtHint = new QFrame(GameArea);
    PanelBtHint->setGeometry(927, 0, 91, 83);
    ImageBtHint = new PictureButton(PanelBtHint);
    ImageBtHint->setGeometry(0, 0, 91, 83);
    PanelBtHint->hide();

    Panel_Options = new QFrame(GameArea);
    Panel_Options->setGeometry(865, 148, 153, 569);
    ImageFonddePanel = new QLabel(Panel_Options);
    ImageFonddePanel->setGeometry(0, 0, 153, 569);
    BuildOptionBoxes();
    BuildPausePanel();
    BuildMusicControls();
    Panel_Options->hide();
    window->setFixedSize(1024, 768);
}

void MainScreens::AddToolBar(QFrame* panel, QWidget*& bar, QMargins margins)
{
    SetBackground(panel, Qt::white);
    bar = new QWidget(panel);
    bar->setGeometry(panel->rect());
    SetBackground(bar, ToolBarColour);
    auto* column = new QVBoxLayout(bar);
    column->setContentsMargins(margins);
    column->setSpacing(0);
}

void MainScreens::BuildMenus()
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
    AddToolBar(Panel4, ToolBar_MenuPrincipal, {4, 9, 5, 9});
    Panel_MenuJeu = new QFrame(GameArea);
    Panel_MenuJeu->setGeometry(72, 89, 161, 464);
    AddToolBar(Panel_MenuJeu, ToolBar_MenuJeu, {7, 4, 7, 4});
}

void MainScreens::AddFaceButtons()
{
    // Each bar's buttons from its top down, with their faces. The main menu's six buttons of 55
    // fit its panel's 348 pixels in one column, in the order of the design's two-column bar read
    // row by row. When more than eight of the game menu's are shown they share the height, down
    // to the 49 pixels of a face, instead of running out of the panel.
    struct Place
    {
        FaceButton* MainScreens::*button;
        QWidget* bar;
        int face;
    };
    const Place places[]{
        {&MainScreens::Nouvelle_Partie, ToolBar_MenuPrincipal, 14},
        {&MainScreens::Conception, ToolBar_MenuPrincipal, 15},
        {&MainScreens::Scores, ToolBar_MenuPrincipal, 11},
        {&MainScreens::BtRegle, ToolBar_MenuPrincipal, 13},
        {&MainScreens::BtChargeInMenu, ToolBar_MenuPrincipal, 9},
        {&MainScreens::Quitter_Jeu, ToolBar_MenuPrincipal, 12},
        {&MainScreens::BtSolve, ToolBar_MenuJeu, 4},
        {&MainScreens::BtRejoue, ToolBar_MenuJeu, 3},
        {&MainScreens::btCheck, ToolBar_MenuJeu, 5},
        {&MainScreens::BtPrint, ToolBar_MenuJeu, 8},
        {&MainScreens::BtCharger, ToolBar_MenuJeu, 9},
        {&MainScreens::BtOptions, ToolBar_MenuJeu, 7},
        {&MainScreens::BtHint, ToolBar_MenuJeu, HintFace},
        {&MainScreens::BtSave, ToolBar_MenuJeu, 10},
        {&MainScreens::BtValider, ToolBar_MenuJeu, 16},
        {&MainScreens::BtQuitter, ToolBar_MenuJeu, 17},
    };
    for (const Place& place : places) {
        auto* button = new FaceButton(place.bar);
        place.bar->layout()->addWidget(button);
        FaceButtons.emplace_back(button, place.face);
        this->*place.button = button;
    }
    for (QWidget* bar : {ToolBar_MenuPrincipal, ToolBar_MenuJeu})
        static_cast<QVBoxLayout*>(bar->layout())->addStretch(1);
}

void MainScreens::BuildOptionBoxes()
{
    const auto label = [this](int x, int y) {
        auto* text = new QLabel(Panel_Options);
        text->move(x, y);
        SetBold(text);
        return text;
    };
    const auto choiceBox = [this](int x, int y, int width) {
        auto* box = new ChoiceBox(Panel_Options);
        box->setGeometry(x, y, width, 21);
        return box;
    };
    const auto arrow = [this](int x, int y) {
        auto* picture = new PictureButton(Panel_Options);
        picture->setGeometry(x, y, 20, 20);
        return picture;
    };

    Label6 = label(26, 69);
    NomDuJoueur = new QLineEdit(Panel_Options);
    NomDuJoueur->setGeometry(26, 90, 121, 19);
    NomDuJoueur->setMaxLength(9);
    NomDuJoueur->setText(QStringLiteral("Joueur"));

    Label2 = label(26, 156);
    ComboBox1 = choiceBox(24, 175, 103);
    ImageF1G = arrow(3, 177);
    ImageF1D = arrow(127, 176);

    Label3 = label(25, 198);
    ComboBox2 = choiceBox(24, 214, 102);
    ImageF2G = arrow(3, 217);
    ImageF2D = arrow(126, 216);

    Label1 = label(25, 245);
    ComboBox4 = choiceBox(24, 262, 104);
    SetTextColour(ComboBox4, Qt::red);
    ComboBox4->lineEdit()->setStyleSheet(QStringLiteral("color: red;"));
    ImageF4G = arrow(3, 263);
    ImageF4D = arrow(127, 264);
}

void MainScreens::BuildPausePanel()
{
    PanPaused = new QFrame(Panel_Options);
    PanPaused->setGeometry(8, 336, 129, 33);
    PanPaused->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SetBackground(PanPaused, QColor(255, 246, 235));
    PausedText = new QLabel(PanPaused);
    PausedText->setGeometry(PanPaused->rect());
    PausedText->setAlignment(Qt::AlignCenter);
    SetTextColour(PausedText, QColor(110, 30, 40));
    SetBold(PausedText);
    PanPaused->hide();
}

void MainScreens::BuildMusicControls()
{
    LabelDefilement = new QLabel(Panel_Options);
    LabelDefilement->setGeometry(5, 386, 139, 13);
    LabelDefilement->setAlignment(Qt::AlignCenter);
    SetBackground(LabelDefilement, Qt::black);
    SetTextColour(LabelDefilement, Qt::white);
    QFont scrolling = LabelDefilement->font();
    scrolling.setBold(true);
    scrolling.setPixelSize(11);
    LabelDefilement->setFont(scrolling);

    Label4 = new QLabel(Panel_Options);
    Label4->move(28, 406);
    SetBold(Label4);
    ComboBox3 = new QComboBox(Panel_Options);
    // Inside the panel's frame, which the picture draws over its first and last few pixels.
    ComboBox3->setGeometry(10, 425, 133, 21);
    ComboBox3->setEditable(true);

    const auto musicButton = [this](int x, int kind) {
        auto* button = new PictureButton(Panel_Options);
        button->setGeometry(x, 496, 21, 17);
        button->setPixmap(MusicGlyph(kind));
        return button;
    };
    ImageLecture = musicButton(5, 0);
    ImagePause = musicButton(37, 1);
    ImageArret = musicButton(69, 2);

    Panel1 = new QFrame(Panel_Options);
    Panel1->setGeometry(115, 464, 30, 90);
    TrackBarMP3 = new QSlider(Qt::Vertical, Panel1);
    TrackBarMP3->setGeometry(5, 0, 20, 90);
    TrackBarMP3->setRange(0, 1000);
    TrackBarMP3->setValue(500);
    TrackBarMP3->setToolTip(QStringLiteral("Volume"));

    ImageBtImportMP3 = new PictureButton(Panel_Options);
    ImageBtImportMP3->setGeometry(5, 530, 100, 17);
}

void MainScreens::ApplyTheme(const LoadedTheme& theme, const ScreenTexts& texts)
{
    if (theme.fellBack)
        ComboBox1->SetText(theme.theme);
    BtPrint->setVisible(theme.look.printShown);
    ShowOptionLabels(theme.look, texts);

    FormFenetre->SetPicture(theme.messageWindow);
    Image_Panel_MenuPrincipal->setPixmap(QPixmap::fromImage(theme.mainMenu));
    ImageBtHint->setPixmap(QPixmap::fromImage(theme.hintButton));
    // The background is the theme's picture 23, read with the others. The volume slider keeps
    // its position: a theme load is no reason to change the volume.
    ImageFonddePanel->setPixmap(QPixmap::fromImage(theme.pieces[23].image));
    const QPixmap right = QPixmap::fromImage(theme.rightArrow);
    const QPixmap left = QPixmap::fromImage(theme.leftArrow);
    for (QLabel* arrow : {ImageF1D, ImageF2D, ImageF4D})
        arrow->setPixmap(right);
    for (QLabel* arrow : {ImageF1G, ImageF2G, ImageF4G})
        arrow->setPixmap(left);
    ImageBtImportMP3->setPixmap(ImportPicture(texts.importMusic));

    RebuildFaces(theme.faceBlanks, texts);
    NameControls(texts);
}

void MainScreens::ShowOptionLabels(const ThemeLook& look, const ScreenTexts& texts)
{
    const std::array<std::pair<QLabel*, const QString*>, 5> labels{
        std::pair{Label6, &texts.playerLabel}, std::pair{Label2, &texts.themeLabel},
        std::pair{Label3, &texts.levelLabel}, std::pair{Label1, &texts.displayLabel},
        std::pair{Label4, &texts.musicLabel}};
    PausedText->setText(texts.paused);
    // The option labels take the theme's colour. The scrolling title keeps its white text: it
    // sits on its own black strip, where the themes' black would make it invisible.
    for (const auto& [label, text] : labels) {
        label->setText(*text);
        if (look.labelColour)
            SetTextColour(label, *look.labelColour);
        label->adjustSize();
    }
}

void MainScreens::RebuildFaces(const std::array<QImage, 3>& blanks, const ScreenTexts& texts)
{
    for (std::size_t state = 0; state < FaceLists.size(); ++state) {
        FaceLists[state].clear();
        for (const QString& caption : texts.faces) {
            QImage face = blanks[state].copy();
            EcrireLegende(face, caption, FaceCaptionColours[state]);
            FaceLists[state].append(face);
        }
    }
    for (const auto& [button, k] : FaceButtons) {
        button->SetFaces(FaceLists[0][k], FaceLists[1][k], FaceLists[2][k]);
        SetAccessibleText(button, texts.faces[static_cast<std::size_t>(k)]);
    }
    FormFenetre->SetButtonFaces({FaceLists[0][0], FaceLists[1][0], FaceLists[2][0]},
                                {FaceLists[0][1], FaceLists[1][1], FaceLists[2][1]});
}

void MainScreens::NameControls(const ScreenTexts& texts)
{
    // Accessible names follow the language of the texts just used.
    SetAccessibleText(ImageBtHint, texts.faces[HintFace]);
    SetAccessibleText(ImageBtImportMP3, texts.importMusic);
    for (auto [arrow, text] :
         {std::pair{ImageF1G, &texts.themeLabel}, std::pair{ImageF1D, &texts.themeLabel},
          std::pair{ImageF2G, &texts.levelLabel}, std::pair{ImageF2D, &texts.levelLabel},
          std::pair{ImageF4G, &texts.displayLabel}, std::pair{ImageF4D, &texts.displayLabel}})
        SetAccessibleText(arrow, *text);
    Image32View->setAccessibleName(texts.board);
}

void MainScreens::ShowGameMenu()
{
    Panel_MenuPrincipal->hide();
    Panel_MenuJeu->show();
}

void MainScreens::ShowMainMenu()
{
    Panel_Options->hide();
    Panel_MenuJeu->hide();
    PanelBtHint->hide();
    Panel_MenuPrincipal->show();
}

void MainScreens::ShowGameScaled(bool scaled)
{
    if (scaled == (FullScreenView != nullptr && FullScreenView->Shows()))
        return;
    if (scaled) {
        if (FullScreenView == nullptr) {
            FullScreenView = new ScaledView(GameArea->size(), Stage);
            StageLayout->addWidget(FullScreenView, 0, 0);
        }
        StageLayout->removeWidget(GameArea);
        FullScreenView->Show(GameArea);
        FullScreenView->show();
        FullScreenView->setFocus();
        return;
    }
    FullScreenView->Release();
    FullScreenView->hide();
    StageLayout->addWidget(GameArea, 0, 0, Qt::AlignCenter);
    GameArea->show();
}

} // namespace presentation
