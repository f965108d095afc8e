// The player's six settings in the per-user settings store.
#pragma once

#include <QString>

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
