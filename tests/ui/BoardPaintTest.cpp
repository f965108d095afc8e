// The board's redraw, read at a few known pixels of the surface.
#include "Support.h"
#include "presentation/BoardPainter.h"

#include <gtest/gtest.h>

using namespace presentation;

namespace {

class BoardPaint : public ::testing::Test
{
protected:
    // Picture k is a plain colour of its own, drawn fully opaque, so a pixel names its picture.
    static QColor Colour(int k) { return {9 * k, 255 - 9 * k, 100}; }
    BoardPaint()
    {
        PiecePictures pieces;
        for (int k = 0; k < PieceCount; ++k) {
            const int side = k == 10 ? 60 : k == 25 ? 190 : 52; // cell, ring, piece
            QImage picture(k == 12 ? QSize(1024, 768) : QSize(side, side),
                           QImage::Format_ARGB32_Premultiplied);
            picture.fill(Colour(k));
            pieces[static_cast<std::size_t>(k)] = {picture, 255};
        }
        pictures.Set(pieces);
    }
    bool Paint() { return PaintBoard(surface, {board, state, {}, picker, counts, rng, pictures}); }
    // Pixel (dx, dy) of cell (x, y), the board lying where it does by default.
    QColor CellPixel(int x, int y, int dx, int dy) const
    {
        return surface.pixelColor(298 + x * 60 + dx, 140 + y * 60 + dy);
    }

    QImage surface{1024, 768, QImage::Format_ARGB32_Premultiplied};
    engine::Board board;
    GameStatus state = GameStatus::Playing;
    PickerView picker;
    BoardCounters counts;
    engine::Random rng{12345};
    BoardPictures pictures;
};

} // namespace

TEST_F(BoardPaint, AGameShowsGivensPiecesAndMarksApartAndADesignShowsPiecesAsGivensWithoutMarks)
{
    board.StartGrid[0][0] = board.CurrentGrid[0][0] = 4; // given 5
    board.CurrentGrid[1][0] = board.SolutionGrid[1][0] = 2; // the player's 3
    for (const int digit : {0, 4, 8}) // 1 top left, 5 centre, 9 bottom right
        board.CandidateMarks[2][3][digit] = 1;
    board.CandidateMarks[1][0][1] = 1; // 2 marked over the player's 3
    EXPECT_FALSE(Paint());
    // Cell, then pixel of the cell, then the picture seen there.
    const std::tuple<QPoint, QPoint, int> seen[]{{{0, 0}, {30, 30}, 13 + 5}, {{1, 0}, {30, 30}, 3},
                                                 {{1, 0}, {30, 10}, 2},      {{2, 3}, {2, 2}, 1},
                                                 {{2, 3}, {21, 21}, 5},      {{2, 3}, {40, 40}, 9}};
    for (const auto& [cell, at, k] : seen)
        EXPECT_EQ(CellPixel(cell.x(), cell.y(), at.x(), at.y()), Colour(k)) << k;
    state = GameStatus::Designing; // pieces look given, and no marks
    Paint();
    EXPECT_EQ(CellPixel(1, 0, 30, 30), Colour(13 + 3));
    EXPECT_EQ(CellPixel(2, 3, 21, 21), Colour(10));
}

TEST_F(BoardPaint, ACheckOverlaysWrongPiecesForFourteenRedrawsAndAShakeLastsTwo)
{
    board.CurrentGrid[6][7] = 2;
    board.SolutionGrid[6][7] = 7;
    counts = {100, 15};
    for (int redraw = 1; redraw <= 15; ++redraw) {
        Paint();
        ASSERT_EQ(CellPixel(6, 7, 30, 30), Colour(redraw <= 14 ? 26 : 3)) << "redraw " << redraw;
        ASSERT_EQ(counts.shakeCount, redraw == 1 ? 19 : 0);
    }
}

TEST_F(BoardPaint, TheRingHighlightsAChoiceOnlyStrictlyInsideItsSquare)
{
    // Turned by 36 radians: 2.328 rad past whole turns, where 60 sin = 43.6 and 60 cos = -41.2.
    EXPECT_EQ(PickerChoiceCorner(1, 36, 0, 0), QPoint(104, 19));
    const std::tuple<int, int, bool> points[]{
        {195, 320, false}, {196, 320, true}, {234, 348, true}, {235, 320, false},
        {200, 309, false}, {200, 310, true}, {200, 349, false}};
    for (const auto& [x, y, inside] : points)
        EXPECT_EQ(ChoiceHovered({195, 309}, x, y), inside) << x << "," << y;
    picker = {true, 400, 300, -2, 0, 400 + 95 + 20, 300 + 109 + 5}; // inside choice 1 only
    EXPECT_TRUE(Paint());
    EXPECT_EQ(surface.pixelColor(picker.mouseX, picker.mouseY), Colour(13));
    EXPECT_EQ(surface.pixelColor(460 + 20, 420 + 20), Colour(9)); // choice 10, not hovered
}
