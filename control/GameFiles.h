// The player's scores and saved-games files: where they live, reading, appending, deleting lines.
#pragma once

#include "control/Records.h"
#include "engine/Board.h"

#include <stdexcept>

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace control {

// A file or folder of the player's that could not be read or written. The message names the
// file and the reason, for an error box; a failed write has left the old file as it was.
class GameFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The game's folder in the player's documents: <documents>/<name>, name being the first line of
// the language file. The documents folder is the platform's, or the home folder when there is
// none. Not created here: the first write creates it. Throws GameFileError when neither folder
// is usable, so nothing is ever written at the file-system root.
[[nodiscard]] QString GameDataFolder(const QString& name);

// The same from given folders, for the rule's own sake. The name is made one safe folder name:
// separators and control characters become "_", and an empty name, "." or ".." become "Orvante".
[[nodiscard]] QString GameDataFolderIn(const QString& documents,
                                       const QString& home,
                                       const QString& name);

// The two files of the game's folder. A file or folder already there under another letter case
// (copied from a system that ignores case) is the one used.
[[nodiscard]] QString ScoresFilePath(const QString& gameFolder); // Scores/Scores.frd
[[nodiscard]] QString SavedGamesFilePath(const QString& gameFolder); // Parties/Save.frd

// The file behind a list of the message window: "scores" or "charge"; empty for any other kind.
[[nodiscard]] QString ListFilePath(const QString& gameFolder, const QString& kind);

// The file's lines: UTF-8 when the bytes are valid UTF-8, else Windows-1252; lines ended by CR LF,
// LF or CR. A missing file has no lines. Throws GameFileError when the file exists but cannot be
// read.
[[nodiscard]] QStringList ReadRecordLines(const QString& path);

// Replaces the file with these lines, UTF-8, each ended by CR LF, creating missing folders. The
// new file is written aside and renamed over the old one, so a crash or a full disk never leaves
// a cut file. Throws GameFileError when anything fails; the old file is then unchanged.
void WriteRecordLines(const QString& path, const QStringList& lines);

// Adds one line at the end of the file, creating it and its folders when missing.
void AppendRecordLine(const QString& path, const QString& line);

// Removes line index of the file and answers true. An index outside the file's lines, or a
// missing file, changes nothing and answers false.
bool DeleteRecordLine(const QString& path, int index);

// The date texts: "dd/MM/yyyy - hh:mm:ss" in a score, "dd/MM/yyyy-hh:mm:ss" (19 characters) at the
// head of a saved game; 24-hour clock.
[[nodiscard]] QString ScoreDateText(const QDateTime& when);
[[nodiscard]] QString SaveDateText(const QDateTime& when);

// --- What the window's commands call ---

// Appends the finished game's score line to the scores file and returns it.
QString AppendScore(const QString& gameFolder,
                    double elapsedSeconds,
                    const ScoreWords& words,
                    const QString& playerName,
                    const QDateTime& when);

// The scores file's lines, one list entry each, in file order.
[[nodiscard]] QStringList ScoreList(const QString& gameFolder);

// Appends the game on the board to the saved-games file and returns the line. paused: the
// player's grid is in SpareGrid. Throws GameFileError, writing nothing, when the board holds no
// complete solution (such a line could never be loaded).
QString SaveGame(const QString& gameFolder,
                 const engine::Board& board,
                 bool paused,
                 double elapsedSeconds,
                 const QDateTime& when);

// The load list: one entry per line of the saved-games file, in file order: label, ": ", the
// line's first 20 characters (its save date).
[[nodiscard]] QStringList LoadListEntries(const QString& gameFolder, const QString& label);

// The saved game on line index of the saved-games file, read when it is chosen and checked
// completely. Throws SavedGameError naming what is wrong with the line, GameFileError when the
// file cannot be read or has no such line.
[[nodiscard]] SavedGame ChosenSavedGame(const QString& gameFolder, int index);

// Loads the saved game on line index onto the board and returns its elapsed seconds: the board
// shows the saved grid, its right pieces as givens and its wrong ones as the player's, and holds
// its solution. The line is read and
// checked completely first; when anything is wrong (the errors of ChosenSavedGame) the board is
// left exactly as it was.
[[nodiscard]] double LoadSavedGame(const QString& gameFolder, int index, engine::Board& board);

// Deletes line index of the file behind a message-window list ("scores" or "charge"). Answers
// false when nothing was removed (no such line, no file, another kind of list).
bool DeleteListLine(const QString& gameFolder, const QString& kind, int index);

} // namespace control
