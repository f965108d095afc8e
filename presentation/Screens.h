// Decisions of the screens that need no widget: the arrows of the option boxes, window placing.
#pragma once

#include <cstdint>

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

class QCoreApplication;
class QScreen;
class QTranslator;
class QWidget;

namespace presentation {

// The text an option box shows after one of its arrows: direction 0 the previous item, 1 the
// next, both wrapping round. A text that is not among the items goes to the first item with
// "next" and to the last with "previous". Without items the text stays.
[[nodiscard]] QString ChangedChoice(const QStringList& items, const QString& text, int direction);

// Top-left corner that centres the 1024 x 768 window on a screen of that size.
[[nodiscard]] constexpr QPoint WindowedPosition(QSize screen)
{
    return {screen.width() / 2 - 512, screen.height() / 2 - 384};
}

// Names the program "Orvante" and gives Qt's own windows (the file-open and print dialogs,
// standard message boxes) their French texts from Qt's installed translations. No display name is
// set: the X11 window system would append it to every window's caption ("Sudoku — Orvante").
// Returns the translator installed, owned by the application; nothing when Qt's French
// translations are not installed (those windows then speak English).
QTranslator* PrepareApplication(QCoreApplication& application);

// Installs the font file for the running program. False, with nothing left installed, when the
// file cannot be read or holds another family than family (a cut or foreign file).
bool InstallFont(const QString& path, const QString& family);

// The screen the widget is on, or the primary screen.
[[nodiscard]] QScreen* ScreenOf(const QWidget* widget);

// A screen's mode.
struct ScreenMode
{
    int width = 0;
    int height = 0;
    std::uint8_t depth = 0; // bits per pixel
};

// The mode of the screen the widget is on (ScreenOf); all zero without any screen.
[[nodiscard]] ScreenMode ScreenModeOf(const QWidget* widget);

// Full screen: the window fills the screen, free of its fixed size. Windowed: the fixed
// 1024 x 768 window in the middle of its screen. A hidden window takes the state to show it later.
void SetWindowMode(QWidget* window, bool fullScreen);

// A modal error box titled "Orvante", over window while it is visible, else on its own.
void ShowErrorBox(QWidget* window, const QString& text);

// Window opacity out of 255, where the platform has it (offscreen and minimal do not).
void SetOpacity(QWidget* window, int alpha);

} // namespace presentation
