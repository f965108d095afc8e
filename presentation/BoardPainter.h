// The play surface: background, cells, pieces, marks, box separators and the piece ring.
#pragma once

#include "common/BoardGeometry.h"
#include "common/GameState.h"
#include "engine/Board.h"
#include "engine/Random.h"
#include "presentation/Themes.h"

#include <array>
#include <cstdint>

#include <QImage>
#include <QPoint>
#include <QRect>

namespace presentation {

// The theme's board pictures together with their 20 x 20 mark copies, made once per theme so
// that a board full of marks costs no scaling at every redraw.
class BoardPictures
{
public:
    BoardPictures();
    void Set(PiecePictures pieces);
    [[nodiscard]] const PiecePicture& Piece(int k) const
    {
        return m_pieces[static_cast<std::size_t>(k)];
    }
    [[nodiscard]] const PiecePictures& Pieces() const { return m_pieces; }
    // The mark of digit k + 1, k = 0..8.
    [[nodiscard]] const QImage& Mark(int k) const { return m_marks[static_cast<std::size_t>(k)]; }

private:
    PiecePictures m_pieces;
    std::array<QImage, 9> m_marks;
};

// Top-left corner of ring choice i (1..10) with the ring turned by spin radians: on a circle
// of radius 60, halves rounded to the even neighbour.
[[nodiscard]] QPoint PickerChoiceCorner(int i, int spin, int pickerLeft, int pickerTop);

// A choice is hovered only strictly inside its 40 x 40 square: its edges do not count.
[[nodiscard]] bool ChoiceHovered(QPoint corner, int mouseX, int mouseY);

// The 20 x 20 square of the mark of digit k + 1 in cell (x, y), in a telephone keypad's order.
// Throws std::invalid_argument("Invalid n value") for k outside 0..8.
[[nodiscard]] QRect MarkRect(int x, int y, int k, const BoardGeometry& geometry);

// Draws the mark picture of digit k + 1 in its square of cell (x, y); throws as MarkRect.
void PaintMark(QImage& surface,
               const BoardGeometry& geometry,
               const BoardPictures& pictures,
               int x,
               int y,
               int k);

struct BoardCounters
{
    int shakeCount = 0; // cells still to be drawn shaken
    std::uint8_t checkFlash = 0; // redraws that still mark wrong pieces
};

// Everything one full redraw reads, and the counters it runs down.
struct BoardScene
{
    const engine::Board& board;
    GameStatus state;
    BoardGeometry geometry;
    PieceRing& picker; // its choice and spin are written back
    BoardCounters& counters;
    engine::Random& random;
    const BoardPictures& pictures;
};

// Paints the whole surface from scratch. Returns true when a ring choice is under the mouse
// (the board then shows the hand cursor).
bool PaintBoard(QImage& surface, BoardScene scene);

// The black 1024 x 768 play surface. Its pixels follow the screen's pixel density so that a
// dense screen shows it crisp at the same logical size; its coordinates stay logical pixels.
[[nodiscard]] QImage SurfaceImage(qreal density);

// The last hint's digit, written in green over its cell for a few redraws.
struct HintDigit
{
    engine::Cell cell;
    int value = 0; // 0..8
    int redraws = 0; // the redraws left that write it
};

// One redraw's part of the hint: counts a redraw off and writes the digit over its cell in the
// hint's large font, unless the player has changed the cell since.
void PaintHintDigit(QImage& surface,
                    const BoardGeometry& geometry,
                    const engine::Board& board,
                    HintDigit& hint);

} // namespace presentation
