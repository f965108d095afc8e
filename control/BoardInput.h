// Mouse and keyboard on the board: the hit tests, where the piece ring opens, what a click does.
#pragma once

#include "common/BoardGeometry.h"
#include "common/GameState.h"
#include "engine/Board.h"

#include <optional>

#include <QPoint>
#include <QString>

namespace control {

// The cell under a point. The division truncates toward zero, so a point a few pixels left of or
// above the board gives column or row 0, not -1.
[[nodiscard]] engine::Cell CellAt(QPoint point, const BoardGeometry& area);

// The point is within the board shrunk by the inner margin on every side, bounds included.
[[nodiscard]] bool InsideBoard(QPoint point, const BoardGeometry& area);

// The point is strictly within the board widened by 35 pixels on the left and the top and by
// 20 on the right and the bottom: the surroundings an open ring with nothing hovered needs.
[[nodiscard]] bool NearBoard(QPoint point, const BoardGeometry& area);

// The ring's reference corner for a cell: the cell's centre minus the ring's offset each way.
[[nodiscard]] QPoint PickerCorner(engine::Cell cell, const BoardGeometry& area);

// The value a ring position places: -1 erase, 0..8 the digits.
[[nodiscard]] constexpr int ValueOfChoice(int choice)
{
    return choice - ring::FirstDigit;
}

struct ClickInput
{
    GameStatus state = GameStatus::Idle;
    bool pickerOpen = false;
    int pickerChoice = ring::NoChoice;
    bool leftButton = true;
    QPoint point; // window coordinates
};

struct ClickResult
{
    enum class Kind {
        Ignore, // nothing changes (but see pickerCorner)
        OpenRing, // open the ring on cell
        Dismiss, // close the ring; nothing was hovered, so the choice is forgotten
        Close, // close the ring and nothing more: the erase position holds no mark
        Place, // close the ring, place value in cell, shake, clear the cell's marks
        ToggleMark, // close the ring, toggle the mark of value in cell
    };
    Kind kind = Kind::Ignore;
    // Set for every click on a cell within the board while the ring is closed, a given's too.
    std::optional<QPoint> pickerCorner;
    engine::Cell cell; // OpenRing: the cell clicked
    int value = 0; // Place: -1 erase or a digit 0..8; ToggleMark: a digit 0..8
};

// A press of a mouse button on the board. With the ring closed it may open the ring on a cell
// that is not a given, filled or not, in every state but a finished game; with the ring open
// the hovered choice is placed (left button) or marked (any other), from anywhere on the board
// image. pickedCell is the cell the open ring belongs to.
[[nodiscard]] ClickResult DecideClick(const ClickInput& input,
                                      const BoardGeometry& area,
                                      const engine::Board& board,
                                      engine::Cell pickedCell);

// Applies a click's result to the ring (and to the marks: a toggled mark); returns its kind,
// which leaves to the caller the ring's sound and the placement into the picked cell.
ClickResult::Kind ApplyClick(const ClickResult& click, PieceRing& picker, engine::Board& board);

// A press of a mouse button at point (window coordinates), decided from the ring's state
// (DecideClick) and applied (ApplyClick); returns its kind.
ClickResult::Kind ClickOnBoard(GameStatus state,
                               bool leftButton,
                               QPoint point,
                               const BoardGeometry& area,
                               engine::Board& board,
                               PieceRing& picker);

// The ring's choices lie within ring::Size pixels right of and below its corner. An open ring
// with nothing hovered closes when the pointer leaves both the board's surroundings
// and the ring's own square; a hovered choice keeps it open wherever the pointer goes. The square
// counts because the outer choices of an edge cell's ring lie beyond the board's surroundings: a
// move onto one of them faster than a redraw must not close the ring before it is hovered.
[[nodiscard]] bool RingClosesOnMove(bool pickerOpen,
                                    int pickerChoice,
                                    QPoint point,
                                    const BoardGeometry& area,
                                    QPoint pickerCorner);

// Releasing the main keyboard's "1" while the player is named "Malbérun" makes the next
// completion check end the game as complete.
[[nodiscard]] bool UnlocksCompletion(int key, bool keypad, const QString& playerName);

} // namespace control
