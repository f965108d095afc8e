// The player's six settings in the per-user settings store, and on the options panel.
#pragma once

#include "control/GameTexts.h"

#include <QString>

namespace presentation {
class MainScreens;
} // namespace presentation

namespace control {

struct SettingsValues
{
    int volume = 500; // volume slider position, 0..1000
    QString joueur = QStringLiteral("Joueur"); // player's name
    QString theme; // theme box text
    QString difficulte; // level box text
    QString affichage; // display box text
    bool musique = false; // the music was paused or off
};

// The defaults of the three texts come from the language file, so the caller supplies them.
struct SettingsDefaults
{
    QString theme;
    QString difficulte;
    QString affichage;
};

// The options panel shows the settings: the volume slider, the player's name, the theme, level
// and display boxes. The music's pause flag is the player's.
void ShowSettings(presentation::MainScreens& form, const SettingsValues& values);
// The settings as the options panel shows them, with the music's pause flag.
[[nodiscard]] SettingsValues SettingsShown(const presentation::MainScreens& form, bool musicPaused);

// The defaults from the language file: the first theme, the first level, windowed.
[[nodiscard]] SettingsDefaults SettingsDefaultsFrom(const LineLookup& text);

// A stored integer as text: its decimal value, or fallback when it is missing or not a
// decimal integer.
[[nodiscard]] int ParseStoredInteger(const QString& text, bool present, int fallback);

// Reads and writes the group "TERVALIN SUDOKU" of the user's "TERVALIN" settings file; every
// value is stored as text. A non-empty filePath replaces the user's file (tests).
class SettingsStore
{
public:
    explicit SettingsStore(QString filePath = {});

    [[nodiscard]] SettingsValues Read(const SettingsDefaults& defaults) const;
    // Answers false when the values could not be written (a read-only file or folder).
    [[nodiscard]] bool Write(const SettingsValues& values) const;
    // The file the settings live in.
    [[nodiscard]] QString FilePath() const;

private:
    QString m_filePath;
};

} // namespace control
