// Putting a piece on the board and deciding whether the grid is complete.
#pragma once

#include "common/GameState.h"
#include "control/GameTexts.h"
#include "engine/Board.h"

#include <QString>
#include <QStringView>

namespace control {

struct PlacementResult
{
    enum class Kind {
        Ignored, // no game to play in: nothing changed
        Designed, // stored without any rule: redraw, no sound, no completion check
        Refused, // a given: nothing changed, the refusal sound plays
        Played, // stored: redraw, then the completion check
    };
    Kind kind = Kind::Ignored;
    QStringView sound; // empty: no sound
};

// Places value (-1 erase, 0..8 the digits 1..9) into CurrentGrid at cell, by the rules of the
// state. A played piece is not tested against the rules of Sudoku: a wrong piece stays until
// the player changes it. Sound: a digit on an empty cell and an erased digit have one; a digit
// over a digit and erasing an empty cell have none.
[[nodiscard]] PlacementResult PlacePiece(engine::Board& board,
                                         GameStatus state,
                                         engine::Cell cell,
                                         int value);

// Every cell of CurrentGrid equals the complete solution's, or completion is forced.
[[nodiscard]] bool GridComplete(const engine::Board& board, bool forceComplete);

// The end-of-game message: its two lines, the time played (TimeText) and a closing space.
[[nodiscard]] QString EndOfGameText(double elapsedSeconds, const LineLookup& text);

} // namespace control
