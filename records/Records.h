// The score line and the saved-game line: building them, and reading a saved game back.
#pragma once

#include "engine/Board.h"

#include <stdexcept>
#include <string>
#include <string_view>

// Texts here are UTF-8; character positions count characters (code points), not bytes.
namespace control {

// text with every occurrence of pattern replaced, letter case of ASCII letters ignored. Scans
// left to right and never looks again inside a replacement, so replacing "[name]" by a name
// holding "[name]" stops.
[[nodiscard]] std::string ReplaceIgnoringCase(std::string_view text,
                                              std::string_view pattern,
                                              std::string_view replacement);

// How much of a text from a file a message quotes: a longer text is cut to QuotedLength
// characters followed by "…", so a giant field never ends up laid out in an error box.
inline constexpr std::size_t QuotedLength = 40;
[[nodiscard]] std::string QuotedField(std::string_view text);

// The longest playing time the clock counts: every millisecond up to it is exact in a double.
// A saved time beyond it is read as this.
inline constexpr double MaxElapsedSeconds = 9007199254740992.0 / 1000.0;

// The text kept on one line: every control character (CR and LF included) and the Unicode line
// and paragraph separators become a space.
[[nodiscard]] std::string OneLine(std::string_view text);

// The words a score line is made of, from the language file.
struct ScoreWords
{
    std::string minutes; // after the minutes
    std::string seconds; // after the seconds
    std::string pattern; // may hold "[name]" and "[date]" in any letter case
};

// m, " ", minutes word, " ", s, " ", seconds word, " ", then the pattern with every "[name]"
// replaced by the player's name and then every "[date]" by dateText, so a name holding "[date]"
// gets the date too. m and s are the whole seconds (fraction cut off) div and mod 60: two hours
// are 120 minutes. The name is put on one line first; nothing else can hold a line break.
[[nodiscard]] std::string ScoreLine(double elapsedSeconds,
                                    const ScoreWords& words,
                                    std::string_view playerName,
                                    std::string_view dateText);

// Where the fields of a saved-game line start (0-based character positions) and how long they
// are: date 0..18, " ", current grid 20..108, " ", solution 110..198, "$", seconds from 200.
inline constexpr int SaveDateLength = 19;
inline constexpr int GridTextLength = 89;
inline constexpr int CurrentGridStart = 20;
inline constexpr int SolutionGridStart = 110;
inline constexpr int SecondsStart = 200;

// The grid a save keeps: the player's grid, which waits in SpareGrid while the game is paused
// (the board then shows random pieces).
[[nodiscard]] const engine::Grid& PlayersGrid(const engine::Board& board, bool paused);

// The saved-game line. dateText is cut or padded with spaces to 19 characters so the grids and
// the seconds always sit at their positions. The seconds are written with "." and up to 15
// significant digits, without trailing zeros ("120.5", "83.4", "0").
[[nodiscard]] std::string SavedGameLine(std::string_view dateText,
                                        const engine::Grid& current,
                                        const engine::Grid& solution,
                                        double elapsedSeconds);

// The elapsed seconds as a save writes them.
[[nodiscard]] std::string SecondsText(double elapsedSeconds);

// What is wrong with a saved-game line.
enum class SaveProblem {
    TooShort, // the line ends before the seconds
    Layout, // a separator is missing: " " after the date or the current grid, "$" before seconds
    CurrentGrid, // a cell of the current grid is not a digit or an empty cell, or a "+" is missing
    SolutionGrid, // not a complete grid that keeps the rules, or a "+" is missing
    Seconds, // not a finite decimal number of zero or more
};

class SavedGameError : public std::runtime_error
{
public:
    SavedGameError(SaveProblem problem, const std::string& message)
        : std::runtime_error(message)
        , m_problem(problem)
    {}
    [[nodiscard]] SaveProblem Problem() const { return m_problem; }

private:
    SaveProblem m_problem;
};

struct SavedGame
{
    std::string date; // the first 19 characters, as written
    engine::Grid current = engine::EmptyGrid();
    engine::Grid solution = engine::EmptyGrid();
    double elapsedSeconds = 0;
};

// Reads a whole saved-game line and checks all of it: the layout, both grids (current cells are
// "1".."9" or empty as "_", " " or "0"; the solution is complete and has every digit once in each
// row, column and box) and the seconds ("." or "," as the decimal separator, trailing spaces
// allowed; a time above MaxElapsedSeconds is read as it). Throws SavedGameError with a message for
// the player that names the first problem.
[[nodiscard]] SavedGame ParseSavedGame(std::string_view line);

// Puts a saved game on the board: every piece of its current grid that agrees with the solution
// becomes a given, and a wrong piece stays on the board as the player's own, to be corrected.
// Candidate marks are cleared; SpareGrid is left alone. Cannot fail, so a caller parses first and
// only then changes anything.
void RestoreSavedGame(engine::Board& board, const SavedGame& game);

// The load list's entry for a saved-game line: label, ": ", and the line's first 20 characters
// (the save date and the space after it).
[[nodiscard]] std::string LoadListEntry(std::string_view label, std::string_view line);

} // namespace control
