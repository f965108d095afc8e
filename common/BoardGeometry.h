// Where the board lies in the 1024 x 768 client area and the size of its cells, with the piece
// ring's measures: one value that board input, painting and the window share.
#pragma once

#include <QPoint>
#include <QRect>

// The piece ring's positions: 1 erases, 2 to 10 are the digits 1 to 9.
namespace ring {
constexpr int NoChoice = -2; // nothing hovered
constexpr int Erase = 1;
constexpr int FirstDigit = 2;
constexpr int LastDigit = 10;
constexpr int Size = 160; // the ring's square: its choices lie within it
constexpr int Offset = 90; // from a cell's centre to the ring's corner, each way
} // namespace ring

// The piece ring as the window keeps it: painted, hit-tested and moved by the mouse.
struct PieceRing
{
    bool open = false;
    int left = 0; // the ring's reference corner
    int top = 0;
    int pickedX = 0; // the cell the ring belongs to
    int pickedY = 0;
    int choice = ring::NoChoice; // the position under the mouse
    int spin = 0; // radians still to turn, lowered by one for every choice drawn
    int mouseX = 0; // the mouse on the board surface
    int mouseY = 0;
};

struct BoardGeometry
{
    // The board's place on the client area: its top-left corner and its side.
    static constexpr int PlaceLeft = 298;
    static constexpr int PlaceTop = 140;
    static constexpr int Side = 540;
    // A click opens the ring only this far inside the board's edge (bounds included).
    static constexpr int InnerMargin = 4;

    int left = PlaceLeft;
    int top = PlaceTop;
    int width = Side;
    int height = Side;
    int cellWidth = Side / 9;
    int cellHeight = Side / 9;

    [[nodiscard]] constexpr QRect Rect() const { return {left, top, width, height}; }
    // Cell (x, y) in client-area coordinates.
    [[nodiscard]] constexpr QRect CellRect(int x, int y) const
    {
        return {left + x * cellWidth, top + y * cellHeight, cellWidth, cellHeight};
    }
};
