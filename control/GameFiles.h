// The player's scores and saved-games files: where they live, reading, appending, deleting lines.
#pragma once

#include "control/GameTexts.h"
#include "engine/Board.h"
#include "records/Records.h"

#include <functional>
#include <optional>
#include <stdexcept>

#include <QDateTime>
#include <QList>
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

// The line chosen in a list is no longer in its file: another copy of the game changed it.
class LineGoneError : public GameFileError
{
public:
    using GameFileError::GameFileError;
};

// What the message window says, in place of its title, when the chosen line has gone.
inline const QString LineGoneMessage
    = QStringLiteral("Cette ligne n'est plus dans le fichier : la liste a été mise à jour.");

// How long a change waits for another copy of the game to finish its own, and the age after
// which a lock is taken to be left over by a copy that was killed (a lock whose process is gone
// is taken over at once).
inline constexpr int LockWaitMilliseconds = 3000;
inline constexpr int LockStaleMilliseconds = 10000;

// The longest text a list entry shows: a longer line is cut and ends with "…".
inline constexpr int ListItemLength = 200;

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

// The file's lines, each UTF-8 when valid, else Windows-1252, a leading byte order mark dropped;
// lines ended by CR LF, LF or CR. A missing file has no lines. Throws GameFileError when the file
// exists but cannot be read.
[[nodiscard]] QStringList ReadRecordLines(const QString& path);

// Replaces the file with these lines, UTF-8, each ended by CR LF, creating missing folders. The
// new file is written aside and renamed over the old one, so a crash or a full disk never leaves
// a cut file. Throws GameFileError when anything fails; the old file is then unchanged.
void WriteRecordLines(const QString& path, const QStringList& lines);

// Removes the temporary files a write of path left behind when it was killed before its rename:
// the file's name, ".", six letters. Nothing else is touched.
void RemoveWriteLeftovers(const QString& path);

// Reads the file's lines, lets change alter them and, when it answers true, writes them back and
// removes the leftovers of earlier writes; all of it while holding the file's lock (path +
// ".lock"), so two copies of the game never lose each other's changes. Lines that change leaves
// alone keep their text exactly. Answers whether the file was written. Throws GameFileError when
// the lock cannot be taken within LockWaitMilliseconds, or as ReadRecordLines and
// WriteRecordLines do; the file is then unchanged.
bool UpdateRecordLines(const QString& path, const std::function<bool(QStringList&)>& change);

// Adds one line at the end of the file, creating it and its folders when missing.
void AppendRecordLine(const QString& path, const QString& line);

// Removes the first line of the file equal to line and answers true. When the file has no such
// line, or is missing, nothing changes and the answer is false.
bool DeleteRecordLine(const QString& path, const QString& line);

// A line as a list shows it: at most ListItemLength characters.
[[nodiscard]] QString ListItemText(const QString& line);

// An entry of a message-window list: what it shows, and the whole line of the file behind it as
// it was read, by which a later command finds the line again.
struct ListEntry
{
    QString text;
    QString line;
};

// The date texts: "dd/MM/yyyy - hh:mm:ss" in a score, "dd/MM/yyyy-hh:mm:ss" (19 characters) at the
// head of a saved game; 24-hour clock.
[[nodiscard]] QString ScoreDateText(const QDateTime& when);
[[nodiscard]] QString SaveDateText(const QDateTime& when);

// --- What the window's commands call ---

// The words of a score line from the language file: after the minutes, after the seconds, and
// the line itself.
[[nodiscard]] ScoreWords ScoreWordsFrom(const LineLookup& text);

// Appends the finished game's score line to the scores file and returns it.
QString AppendScore(const QString& gameFolder,
                    double elapsedSeconds,
                    const ScoreWords& words,
                    const QString& playerName,
                    const QDateTime& when);

// The scores file's lines, one list entry each, in file order, a long line shortened.
[[nodiscard]] QList<ListEntry> ScoreList(const QString& gameFolder);

// Appends the game on the board to the saved-games file and returns the line. paused: the
// player's grid is in SpareGrid. Throws GameFileError, writing nothing, when the line would not
// load back, naming why.
QString SaveGame(const QString& gameFolder,
                 const engine::Board& board,
                 bool paused,
                 double elapsedSeconds,
                 const QDateTime& when);

// The load list: one entry per line of the saved-games file, in file order: label, ": ", the
// line's first 20 characters (its save date).
[[nodiscard]] QList<ListEntry> LoadListEntries(const QString& gameFolder, const QString& label);

// The entries of the message-window list of that kind: the scores ("scores") or the saved games
// ("charge").
[[nodiscard]] QList<ListEntry> ListEntries(const QString& gameFolder,
                                           const QString& kind,
                                           const LineLookup& text);

// The saved game of this line of the saved-games file, read again when it is chosen and checked
// completely. Throws SavedGameError naming what is wrong with the line, LineGoneError when the
// file no longer holds the line, GameFileError when the file cannot be read.
[[nodiscard]] SavedGame ChosenSavedGame(const QString& gameFolder, const QString& line);

// Loads the saved game of this line onto the board and returns its elapsed seconds: the board
// shows the saved grid, its right pieces as givens and its wrong ones as the player's, and holds
// its solution. The line is found and
// checked completely first; when anything is wrong (the errors of ChosenSavedGame) the board is
// left exactly as it was.
[[nodiscard]] double LoadSavedGame(const QString& gameFolder,
                                   const QString& line,
                                   engine::Board& board);

// Shows the list under a question and gives the line chosen, nothing when the player cancels.
using LineChoice = std::function<std::optional<QString>(const QString& question)>;

// Offers the saved games until one loads or the player cancels. A line gone from the file asks
// again under LineGoneMessage, after refill() has shown the list as the file is now. Returns the
// loaded game's time, nothing when cancelled; other errors propagate, the board untouched.
[[nodiscard]] std::optional<double> LoadChosenGame(const QString& gameFolder,
                                                   engine::Board& board,
                                                   QString question,
                                                   const LineChoice& choose,
                                                   const std::function<void()>& refill);

// Deletes the first line equal to line from the file behind a message-window list ("scores" or
// "charge"). Answers false when nothing was removed (no such line, no file, another kind of
// list).
bool DeleteListLine(const QString& gameFolder, const QString& kind, const QString& line);

} // namespace control
