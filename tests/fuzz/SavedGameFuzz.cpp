// Fuzz target: any bytes as a saved-game line. A line that parses restores a board with valid
// cells only, and writing it back gives a line that parses to the same game.
#include "Checks.h"
#include "records/Records.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    control::SavedGame game;
    try {
        game = control::ParseSavedGame(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const control::SavedGameError&) {
        return 0;
    }
    engine::Board board;
    control::RestoreSavedGame(board, game);
    CheckCells(board);
    Require(game.elapsedSeconds >= 0);
    const control::SavedGame again = control::ParseSavedGame(
        control::SavedGameLine(game.date, game.current, game.solution, game.elapsedSeconds));
    Require(again.current == game.current && again.solution == game.solution);
    return 0;
}
