// Mouse and keyboard on the board: the hit tests, where the piece ring opens, what a click does.
#include "control/BoardInput.h"

namespace control {

namespace {

// The point is within the ring's square, bounds included.
bool WithinRing(QPoint point, QPoint pickerCorner)
{
    return QRect(pickerCorner, QSize(ring::Size + 1, ring::Size + 1)).contains(point);
}

} // namespace

engine::Cell CellAt(QPoint point, const BoardGeometry& area)
{
    // C++ integer division truncates toward zero, as the hit test wants.
    return {(point.x() - area.left) / area.cellWidth, (point.y() - area.top) / area.cellHeight};
}

bool InsideBoard(QPoint point, const BoardGeometry& area)
{
    constexpr int margin = BoardGeometry::InnerMargin;
    return area.left + margin <= point.x() && point.x() <= area.left + area.width - margin
        && area.top + margin <= point.y() && point.y() <= area.top + area.height - margin;
}

bool NearBoard(QPoint point, const BoardGeometry& area)
{
    return area.left - 35 < point.x() && point.x() < area.left + area.width + 20
        && area.top - 35 < point.y() && point.y() < area.top + area.height + 20;
}

QPoint PickerCorner(engine::Cell cell, const BoardGeometry& area)
{
    return {cell.x * area.cellWidth - ring::Offset + area.left + area.cellWidth / 2,
            cell.y * area.cellHeight - ring::Offset + area.top + area.cellHeight / 2};
}

ClickResult DecideClick(const ClickInput& input,
                        const BoardGeometry& area,
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
    // Only erase and the digits name a choice: a position outside them would place no valid value.
    if (input.pickerChoice < ring::Erase || input.pickerChoice > ring::LastDigit) {
        result.kind = Kind::Dismiss;
        return result;
    }
    result.value = ValueOfChoice(input.pickerChoice);
    if (input.leftButton)
        result.kind = Kind::Place;
    else if (input.pickerChoice >= ring::FirstDigit)
        result.kind = Kind::ToggleMark;
    else
        result.kind = Kind::Close;
    return result;
}

ClickResult::Kind ApplyClick(const ClickResult& click, PieceRing& picker, engine::Board& board)
{
    using Kind = ClickResult::Kind;
    constexpr int OpeningSpin = 36;
    if (click.pickerCorner) {
        picker.left = click.pickerCorner->x();
        picker.top = click.pickerCorner->y();
    }
    if (click.kind != Kind::Ignore)
        picker.open = click.kind == Kind::OpenRing;
    switch (click.kind) {
    case Kind::OpenRing:
        picker.pickedX = click.cell.x;
        picker.pickedY = click.cell.y;
        picker.choice = ring::NoChoice;
        picker.spin = OpeningSpin;
        break;
    case Kind::Dismiss:
        picker.choice = ring::NoChoice;
        break;
    case Kind::ToggleMark:
        board.CandidateMarks[picker.pickedX][picker.pickedY][click.value] ^= 1;
        break;
    case Kind::Ignore:
    case Kind::Close:
    case Kind::Place:
        break;
    }
    return click.kind;
}

ClickResult::Kind ClickOnBoard(GameStatus state,
                               bool leftButton,
                               QPoint point,
                               const BoardGeometry& area,
                               engine::Board& board,
                               PieceRing& picker)
{
    const ClickInput input{state, picker.open, picker.choice, leftButton, point};
    const ClickResult click = DecideClick(input, area, board, {picker.pickedX, picker.pickedY});
    return ApplyClick(click, picker, board);
}

bool RingClosesOnMove(
    bool pickerOpen, int pickerChoice, QPoint point, const BoardGeometry& area, QPoint pickerCorner)
{
    return pickerOpen && pickerChoice == ring::NoChoice && !NearBoard(point, area)
        && !WithinRing(point, pickerCorner);
}

bool UnlocksCompletion(int key, bool keypad, const QString& playerName)
{
    constexpr int KeyOne = 49; // the virtual key of "1" on the main keyboard
    return key == KeyOne && !keypad && playerName == u"Malbérun";
}

} // namespace control
