// Mouse and keyboard on the board: the hit tests, where the piece ring opens, what a click does.
#include "control/BoardInput.h"

namespace control {

namespace {

// The point is within the ring's square, bounds included.
bool WithinRing(QPoint point, QPoint pickerCorner)
{
    return pickerCorner.x() <= point.x() && point.x() <= pickerCorner.x() + RingSize
        && pickerCorner.y() <= point.y() && point.y() <= pickerCorner.y() + RingSize;
}

} // namespace

engine::Cell CellAt(QPoint point, const BoardArea& area)
{
    // C++ integer division truncates toward zero, as the hit test wants.
    return {(point.x() - area.left) / area.cellWidth, (point.y() - area.top) / area.cellHeight};
}

bool InsideBoard(QPoint point, const BoardArea& area)
{
    return area.left + InnerMargin <= point.x() && point.x() <= area.left + area.width - InnerMargin
        && area.top + InnerMargin <= point.y() && point.y() <= area.top + area.height - InnerMargin;
}

bool NearBoard(QPoint point, const BoardArea& area)
{
    return area.left - 35 < point.x() && point.x() < area.left + area.width + 20
        && area.top - 35 < point.y() && point.y() < area.top + area.height + 20;
}

QPoint PickerCorner(engine::Cell cell, const BoardArea& area)
{
    return {cell.x * area.cellWidth - 90 + area.left + area.cellWidth / 2,
            cell.y * area.cellHeight - 90 + area.top + area.cellHeight / 2};
}

ClickResult DecideClick(const ClickInput& input,
                        const BoardArea& area,
                        const engine::Board& board,
                        engine::Cell pickedCell)
{
    using Kind = ClickResult::Kind;
    ClickResult result;
    if (input.state == GameStatus::Finished)
        return result;

    if (!input.pickerOpen) {
        const engine::Cell cell = CellAt(input.point, area);
        if (!InsideBoard(input.point, area) || cell.x < 0 || cell.x > 8 || cell.y < 0 || cell.y > 8)
            return result;
        result.pickerCorner = PickerCorner(cell, area);
        if (board.StartGrid[cell.x][cell.y] != engine::EmptyCell)
            return result;
        result.kind = Kind::OpenRing;
        result.cell = cell;
        return result;
    }

    result.cell = pickedCell;
    // Only 1 to 10 name a choice: a position outside them would place no valid value.
    if (input.pickerChoice < 1 || input.pickerChoice > 10) {
        result.kind = Kind::Dismiss;
        return result;
    }
    result.value = ValueOfChoice(input.pickerChoice);
    if (input.leftButton)
        result.kind = Kind::Place;
    else if (input.pickerChoice >= 2)
        result.kind = Kind::ToggleMark;
    else
        result.kind = Kind::Close;
    return result;
}

bool RingClosesOnMove(
    bool pickerOpen, int pickerChoice, QPoint point, const BoardArea& area, QPoint pickerCorner)
{
    return pickerOpen && pickerChoice == NoChoice && !NearBoard(point, area)
        && !WithinRing(point, pickerCorner);
}

bool UnlocksCompletion(int key, bool keypad, const QString& playerName)
{
    constexpr int KeyOne = 49; // the virtual key of "1" on the main keyboard
    return key == KeyOne && !keypad && playerName == u"Malbérun";
}

} // namespace control
