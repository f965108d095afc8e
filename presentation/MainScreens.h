// The main window's form: every control of its screens, how they are laid out, how a theme
// dresses them.
#pragma once

#include "presentation/Themes.h"
#include "presentation/Widgets.h"

#include <array>
#include <utility>
#include <vector>

#include <QImage>
#include <QMargins>
#include <QString>
#include <QVector>

class QGridLayout;
class QLineEdit;
class QMainWindow;
class QSlider;
class TFormFenetre;

namespace presentation {

// The language's words on the screens.
struct ScreenTexts
{
    std::array<QString, FaceCount> faces; // the caption of button face k
    QString playerLabel; // the option labels, from top to bottom
    QString themeLabel;
    QString levelLabel;
    QString displayLabel;
    QString musicLabel;
    QString paused; // the pause panel's word
    QString importMusic; // the music import picture's caption
    QString board; // the board surface's accessible name
};

// The face the game menu's hint button shows; the large hint picture is named after it.
inline constexpr int HintFace = 6;

// The window's controls. It creates and dresses them and connects none of them to the window.
class MainScreens
{
public:
    // Creates the controls in window, which owns them, and the message window: a fixed
    // 1024 x 768 client area on a black backdrop, the board surface showing surface at the
    // bottom, the status bar, the main menu, the game menu, the hint button and the options panel
    // above it. Only the main menu is shown.
    void SetupUi(QMainWindow* window, const QImage& surface);

    // Puts the theme's pictures and look and the texts on the controls: the pictures of the
    // windows and buttons, the button faces with their captions, the option labels and their
    // colour, the print button, the accessible names. The theme box names a theme that stands in.
    void ApplyTheme(const LoadedTheme& theme, const ScreenTexts& texts);

    // The game menu in place of the main menu.
    void ShowGameMenu();
    // The main menu in place of the game menu, its options panel and the hint panel.
    void ShowMainMenu();

    // Shows the client area through the full-screen view, scaled to fill it, or unscaled in the
    // middle of the backdrop.
    void ShowGameScaled(bool scaled);

    TFormFenetre* FormFenetre = nullptr;
    QWidget* Stage = nullptr; // the central widget, black behind the client area
    QGridLayout* StageLayout = nullptr;
    QWidget* GameArea = nullptr; // the 1024 x 768 client area
    // Full screen shows the client area through this view, made at the first use.
    ScaledView* FullScreenView = nullptr;
    BoardSurface* Image32View = nullptr;
    StatusPanels* StatusBar1 = nullptr;

    QFrame* Panel_MenuPrincipal = nullptr;
    QLabel* Image_Panel_MenuPrincipal = nullptr;
    QFrame* Panel4 = nullptr;
    QWidget* ToolBar_MenuPrincipal = nullptr;
    FaceButton* Nouvelle_Partie = nullptr;
    FaceButton* Conception = nullptr;
    FaceButton* Scores = nullptr;
    FaceButton* BtRegle = nullptr;
    FaceButton* BtChargeInMenu = nullptr;
    FaceButton* Quitter_Jeu = nullptr;

    QFrame* Panel_MenuJeu = nullptr;
    QWidget* ToolBar_MenuJeu = nullptr;
    FaceButton* BtSolve = nullptr;
    FaceButton* BtRejoue = nullptr;
    FaceButton* btCheck = nullptr;
    FaceButton* BtPrint = nullptr;
    FaceButton* BtCharger = nullptr;
    FaceButton* BtOptions = nullptr;
    FaceButton* BtHint = nullptr;
    FaceButton* BtSave = nullptr;
    FaceButton* BtValider = nullptr;
    FaceButton* BtQuitter = nullptr;

    QFrame* PanelBtHint = nullptr;
    PictureButton* ImageBtHint = nullptr;

    QFrame* Panel_Options = nullptr;
    QLabel* ImageFonddePanel = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* NomDuJoueur = nullptr;
    QLabel* Label2 = nullptr;
    ChoiceBox* ComboBox1 = nullptr;
    PictureButton* ImageF1G = nullptr;
    PictureButton* ImageF1D = nullptr;
    QLabel* Label3 = nullptr;
    ChoiceBox* ComboBox2 = nullptr;
    PictureButton* ImageF2G = nullptr;
    PictureButton* ImageF2D = nullptr;
    QLabel* Label1 = nullptr;
    ChoiceBox* ComboBox4 = nullptr;
    PictureButton* ImageF4G = nullptr;
    PictureButton* ImageF4D = nullptr;
    QFrame* PanPaused = nullptr;
    QLabel* PausedText = nullptr; // the state's word, on the pause panel
    QLabel* LabelDefilement = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    PictureButton* ImageLecture = nullptr;
    PictureButton* ImagePause = nullptr;
    PictureButton* ImageArret = nullptr;
    QFrame* Panel1 = nullptr;
    QSlider* TrackBarMP3 = nullptr;
    PictureButton* ImageBtImportMP3 = nullptr;

    std::array<QVector<QImage>, 3> FaceLists; // normal (ImageList2), hot (3), disabled (4)
    std::vector<std::pair<FaceButton*, int>> FaceButtons; // each face button with its face

private:
    // The main menu and the game menu, each with its tool bar; then the bars' face buttons.
    void BuildMenus();
    void AddFaceButtons();
    void BuildOptionBoxes();
    void BuildPausePanel();
    void BuildMusicControls();
    // A white panel filled by a tool bar whose face buttons stack in one column.
    void AddToolBar(QFrame* panel, QWidget*& bar, QMargins margins);
    void ShowOptionLabels(const ThemeLook& look, const ScreenTexts& texts);
    void RebuildFaces(const std::array<QImage, 3>& blanks, const ScreenTexts& texts);
    void NameControls(const ScreenTexts& texts);
};

} // namespace presentation
