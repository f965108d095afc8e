// Graphics themes: how a theme looks, how its pictures are prepared, the button faces.
#pragma once

#include <array>
#include <optional>

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

namespace presentation {

constexpr int PieceCount = 27;
constexpr int FaceCount = 18;

// A board picture with the opacity it is blended with (0..255).
struct PiecePicture
{
    QImage image;
    int opacity = 255;
};

using PiecePictures = std::array<PiecePicture, PieceCount>;

struct ThemeLook
{
    int opacity = 205; // pieces and ring choices
    std::optional<QColor> labelColour; // nothing: the option labels keep their colour
    bool printShown = false;
};

// The three themes are the language's three theme names; the first one is the default. A name
// that is none of them keeps the default opacity, so its pieces stay visible.
[[nodiscard]] ThemeLook LookOfTheme(const QString& theme, const std::array<QString, 3>& themeNames);

[[nodiscard]] bool PieceHasColourKey(int k);
// Opacity of picture k under a theme opacity.
[[nodiscard]] int PieceOpacity(int k, int themeOpacity);

// The picture file as it is; a null image when it cannot be read or is shorter than its header
// declares (a cut file would otherwise load at its full size with a block of garbage).
[[nodiscard]] QImage ReadPicture(const QString& path);

// The picture read fully opaque, as ARGB32 premultiplied; a null image when it cannot be read.
[[nodiscard]] QImage ReadOpaquePicture(const QString& path);

// Every pixel whose red, green and blue equal those of pixel (1, 1) becomes fully transparent.
void ApplyColourKey(QImage& picture);
// The same with the key colour taken at another pixel.
void ApplyColourKeyAt(QImage& picture, QPoint keyPixel);

// A blank button face read for its state, its corners made transparent the way an image list
// masks its pictures: by the colour of the bottom-left pixel. Null when it cannot be read.
[[nodiscard]] QImage ReadFaceBlank(const QString& path);

// The 27 pictures of a theme folder as read, fully opaque; a picture that cannot be read is null
// and the first such file is named in firstMissing.
struct ThemeFiles
{
    std::array<QImage, PieceCount> pictures;
    QString firstMissing;
    [[nodiscard]] bool Complete() const { return firstMissing.isEmpty(); }
};

[[nodiscard]] ThemeFiles ReadThemeFiles(const QString& graphismeFolder, const QString& theme);

// Keys and opacities the pictures for their board roles; a missing picture gets its plain
// stand-in, which is already transparent where it should be.
[[nodiscard]] PiecePictures PreparePieces(const ThemeFiles& files, int themeOpacity);

// A theme as the window shows it: its board pictures prepared, the window's pictures that do not
// depend on the theme, and what could not be read. Every picture that cannot be read has a plain
// stand-in.
struct LoadedTheme
{
    QString theme; // the theme used
    bool fellBack = false; // the theme asked for lacked a picture: the first theme stands in
    ThemeLook look;
    PiecePictures pieces;
    QImage messageWindow; // fenetre.bmp
    QImage mainMenu; // accueil.bmp
    QImage hintButton; // Aide.bmp
    QImage rightArrow; // R.bmp
    QImage leftArrow; // L.bmp
    std::array<QImage, 3> faceBlanks; // 1.bmp, 2.bmp, 3.bmp: normal, hot, disabled
    // The files to name to the player, one box each, in this order: the first unreadable picture
    // of the theme asked for, of the first theme when it stands in, of the window's own pictures.
    QStringList missing;
};

// Loads a theme from the graphisme folder. An empty name stands for the first of themeNames,
// which also stands in for a theme that lacks a picture; the theme used decides the look.
[[nodiscard]] LoadedTheme LoadTheme(const QString& graphismeFolder,
                                    const QString& theme,
                                    const std::array<QString, 3>& themeNames);

// A plain stand-in for board picture k when no theme could be read.
[[nodiscard]] QImage PlaceholderPiece(int k);
// A plain stand-in picture of the given size, for window pictures and button blanks.
[[nodiscard]] QImage PlaceholderPicture(int width, int height, QColor colour);

// Left edge of a caption of chars characters on a face width pixels wide.
[[nodiscard]] constexpr int LegendLeft(int width, int chars)
{
    return width / 2 - (chars * 12) / 2 + 6;
}

// Writes caption once onto the face in colour: "CHOW FUN" bold, 16 pixels, top at y = 11.
void EcrireLegende(QImage& face, const QString& caption, const QColor& colour);

// Caption colours of the three face states: normal, hot, disabled.
inline const std::array<QColor, 3> FaceCaptionColours{QColor(125, 25, 25), QColor(255, 0, 0),
                                                      QColor(128, 128, 128)};

} // namespace presentation
