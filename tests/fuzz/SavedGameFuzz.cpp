// Fuzz target: any bytes as a saved-game line. A line that parses restores a board with valid
// cells only, and writing it back gives a line that parses to the same game.
#include "CheckCells.h"
#include "control/Records.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    control::SavedGame game;
    try {
        game = control::ParseSavedGame(line);
    } catch (const control::SavedGameError&) {
        return 0;
    }
    engine::Board board;
    control::RestoreSavedGame(board, game);
    CheckCells(board.CurrentGrid);
    CheckCells(board.StartGrid);
    CheckCells(board.SolutionGrid);
    if (!(game.elapsedSeconds >= 0))
        std::abort();
    const std::string again
        = control::SavedGameLine(game.date, game.current, game.solution, game.elapsedSeconds);
    const control::SavedGame reread = control::ParseSavedGame(again);
    if (reread.current != game.current || reread.solution != game.solution)
        std::abort();
    return 0;
}
