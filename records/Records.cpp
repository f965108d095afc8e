// The score line and the saved-game line: building them, and reading a saved game back.
#include "records/Records.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <vector>

namespace control {

namespace {

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offsets where each character of a UTF-8 text starts, followed by the text's size.
std::vector<std::size_t> CharacterStarts(std::string_view text)
{
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 0 || !IsContinuationByte(text[i]))
            starts.push_back(i);
    }
    starts.push_back(text.size());
    return starts;
}

// Characters [first, first + count) of a UTF-8 text, fewer when the text ends sooner.
std::string_view Characters(std::string_view text,
                            const std::vector<std::size_t>& starts,
                            std::size_t first,
                            std::size_t count)
{
    const std::size_t characters = starts.size() - 1;
    if (first >= characters)
        return {};
    const std::size_t last = std::min(characters, first + count);
    return text.substr(starts[first], starts[last] - starts[first]);
}

const std::string CannotLoad = "Cette partie enregistrée ne peut pas être chargée : ";

std::string Number(long long n)
{
    return std::to_string(n);
}

// "ligne 3, colonne 5", counted from 1 as the player sees the board.
std::string CellName(int x, int y)
{
    return "ligne " + Number(y + 1) + ", colonne " + Number(x + 1);
}

bool IsEmptyMark(char c)
{
    return c == '_' || c == ' ' || c == '0';
}

// Checks one 89-character grid field cell by cell and reads it. The field must be nine rows of
// nine cell characters joined by "+"; solution fields must have a digit in every cell.
engine::Grid ReadGridField(std::string_view field, bool solution)
{
    const SaveProblem problem = solution ? SaveProblem::SolutionGrid : SaveProblem::CurrentGrid;
    const std::string name = solution ? "la grille solution" : "la grille en cours";
    const auto fail
        = [&](const std::string& what) { throw SavedGameError(problem, CannotLoad + what + "."); };
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const std::size_t at = static_cast<std::size_t>(y * 10 + x);
            if (at >= field.size())
                fail(name + " n'a que " + Number(y * 9 + x) + " de ses 81 cases");
            const char c = field[at];
            const bool digit = c >= '1' && c <= '9';
            if (digit)
                continue;
            if (solution && IsEmptyMark(c))
                fail(name + " a une case vide en " + CellName(x, y));
            if (!IsEmptyMark(c)) {
                // Anything beyond ASCII is named vaguely: c may be one byte of a longer character.
                const bool ascii = static_cast<unsigned char>(c) < 0x80;
                fail(name + " contient "
                     + (ascii ? "« " + std::string(1, c) + " »" : "un caractère") + " en "
                     + CellName(x, y) + ", qui n'est pas un pion");
            }
        }
        if (y == 8)
            break;
        const std::size_t separator = static_cast<std::size_t>(y * 10 + 9);
        if (separator >= field.size())
            fail(name + " n'a que " + Number((y + 1) * 9) + " de ses 81 cases");
        if (field[separator] != '+')
            fail(name + " n'a pas de « + » après la ligne " + Number(y + 1));
    }
    engine::Grid grid = engine::EmptyGrid();
    engine::ReadGridText(field, grid);
    return grid;
}

// The first group of a complete grid that holds a digit twice, named for the player.
void CheckSolutionRules(const engine::Grid& grid)
{
    constexpr std::array<const char*, 3> kinds{"la ligne", "la colonne", "le carré"};
    if (const auto repeat = engine::FirstRepeatedDigit(grid)) {
        throw SavedGameError(SaveProblem::SolutionGrid,
                             CannotLoad + "la grille solution a deux fois le chiffre "
                                 + Number(repeat->value + 1) + " dans " + kinds[repeat->group / 9]
                                 + " " + Number(repeat->group % 9 + 1) + ".");
    }
}

double ReadSeconds(std::string_view text)
{
    const auto fail = [&] {
        throw SavedGameError(SaveProblem::Seconds,
                             CannotLoad + "son temps de jeu « " + QuotedField(text)
                                 + " » n'est pas un nombre de secondes.");
    };
    std::string number(text);
    while (!number.empty() && (number.back() == ' ' || number.back() == '\t'))
        number.pop_back();
    // Written with "." here; files from a machine that writes "," read the same.
    if (std::count(number.begin(), number.end(), ',')
            + std::count(number.begin(), number.end(), '.')
        > 1)
        fail();
    std::replace(number.begin(), number.end(), ',', '.');
    double seconds = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, seconds);
    if (number.empty() || error != std::errc() || stop != end || !std::isfinite(seconds)
        || seconds < 0)
        fail();
    return std::min(seconds, MaxElapsedSeconds);
}

} // namespace

std::string QuotedField(std::string_view text)
{
    const std::vector<std::size_t> starts = CharacterStarts(text);
    if (starts.size() - 1 <= QuotedLength)
        return std::string(text);
    return std::string(Characters(text, starts, 0, QuotedLength)) + "\u2026";
}

std::string ReplaceIgnoringCase(std::string_view text,
                                std::string_view pattern,
                                std::string_view replacement)
{
    if (pattern.empty())
        return std::string(text);
    std::string result;
    std::size_t i = 0;
    while (i < text.size()) {
        const bool match = text.size() - i >= pattern.size()
            && std::equal(pattern.begin(), pattern.end(), text.begin() + i,
                          [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
        if (match) {
            result += replacement;
            i += pattern.size();
        } else {
            result += text[i];
            ++i;
        }
    }
    return result;
}

std::string OneLine(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7F) {
            result += ' ';
        } else if (byte == 0xC2 && i + 1 < text.size()
                   && static_cast<unsigned char>(text[i + 1]) == 0x85) {
            result += ' '; // U+0085, next line
            ++i;
        } else if (byte == 0xE2 && i + 2 < text.size()
                   && static_cast<unsigned char>(text[i + 1]) == 0x80
                   && (static_cast<unsigned char>(text[i + 2]) == 0xA8
                       || static_cast<unsigned char>(text[i + 2]) == 0xA9)) {
            result += ' '; // U+2028 line and U+2029 paragraph separators
            i += 2;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string ScoreLine(double elapsedSeconds,
                      const ScoreWords& words,
                      std::string_view playerName,
                      std::string_view dateText)
{
    // The clock only counts up; the bounds keep the conversion defined whatever comes in.
    const double whole
        = std::isfinite(elapsedSeconds) ? std::clamp(std::trunc(elapsedSeconds), 0.0, 1e15) : 0.0;
    const auto w = static_cast<long long>(whole);
    std::string line
        = Number(w / 60) + " " + words.minutes + " " + Number(w % 60) + " " + words.seconds + " ";
    const std::string named = ReplaceIgnoringCase(words.pattern, "[name]", OneLine(playerName));
    line += ReplaceIgnoringCase(named, "[date]", dateText);
    return OneLine(line);
}

const engine::Grid& PlayersGrid(const engine::Board& board, bool paused)
{
    return paused ? board.SpareGrid : board.CurrentGrid;
}

std::string SecondsText(double elapsedSeconds)
{
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                            elapsedSeconds, std::chars_format::general, 15);
    if (error != std::errc())
        return "0";
    return std::string(buffer.data(), end);
}

std::string SavedGameLine(std::string_view dateText,
                          const engine::Grid& current,
                          const engine::Grid& solution,
                          double elapsedSeconds)
{
    const std::vector<std::size_t> starts = CharacterStarts(dateText);
    std::string date(Characters(dateText, starts, 0, SaveDateLength));
    const std::size_t dateCharacters = std::min<std::size_t>(starts.size() - 1, SaveDateLength);
    date.append(SaveDateLength - dateCharacters, ' ');
    return OneLine(date) + " " + engine::WriteGridText(current, '_') + " "
        + engine::WriteGridText(solution, '0') + "$" + SecondsText(elapsedSeconds);
}

SavedGame ParseSavedGame(std::string_view line)
{
    const std::vector<std::size_t> starts = CharacterStarts(line);
    const std::size_t characters = starts.size() - 1;
    const auto at = [&](std::size_t position) { return Characters(line, starts, position, 1); };
    const auto layout = [](const std::string& what) {
        throw SavedGameError(SaveProblem::Layout, CannotLoad + what + ".");
    };

    SavedGame game;
    game.date = std::string(Characters(line, starts, 0, SaveDateLength));
    if (characters <= static_cast<std::size_t>(CurrentGridStart) || at(SaveDateLength) != " ")
        layout("sa ligne ne commence pas par une date d'enregistrement et une espace");
    game.current = ReadGridField(Characters(line, starts, CurrentGridStart, GridTextLength), false);
    if (at(CurrentGridStart + GridTextLength) != " ")
        layout("la grille en cours n'est pas suivie d'une espace");
    game.solution
        = ReadGridField(Characters(line, starts, SolutionGridStart, GridTextLength), true);
    CheckSolutionRules(game.solution);
    if (at(SolutionGridStart + GridTextLength) != "$")
        layout("la grille solution n'est pas suivie de « $ »");
    if (characters <= static_cast<std::size_t>(SecondsStart)) {
        throw SavedGameError(SaveProblem::TooShort,
                             CannotLoad + "sa ligne s'arrête avant le temps de jeu.");
    }
    game.elapsedSeconds = ReadSeconds(line.substr(starts[SecondsStart]));
    return game;
}

void RestoreSavedGame(engine::Board& board, const SavedGame& game)
{
    board.ClearBoard();
    board.CurrentGrid = game.current;
    board.SolutionGrid = game.solution;
    // A piece that agrees with the solution becomes a given; a wrong one stays the player's, on
    // the board only, so that it can still be corrected and the game won.
    board.StartGrid = engine::EmptyGrid();
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            if (game.current[x][y] == game.solution[x][y])
                board.StartGrid[x][y] = game.current[x][y];
        }
    }
}

std::string LoadListEntry(std::string_view label, std::string_view line)
{
    const std::vector<std::size_t> starts = CharacterStarts(line);
    return std::string(label) + ": " + std::string(Characters(line, starts, 0, 20));
}

} // namespace control
