// The board's redraw, read at a few known pixels of the surface.
#include "Support.h"
#include "presentation/BoardPainter.h"

#include <gtest/gtest.h>

using namespace presentation;

namespace {

// Picture k is a plain colour of its own, drawn fully opaque, so a pixel names its picture.
QColor Colour(int k)
{
    return QColor(9 * k, 255 - 9 * k, 100);
}

BoardPictures PlainPictures()
{
    PiecePictures pieces;
    for (int k = 0; k < PieceCount; ++k) {
        const int side = k == 10 ? 60 : k == 25 ? 190 : 52; // cell, ring, piece
        QImage picture(k == 12 ? QSize(1024, 768) : QSize(side, side),
                       QImage::Format_ARGB32_Premultiplied);
        picture.fill(Colour(k));
        pieces[static_cast<std::size_t>(k)] = {picture, 255};
    }
    BoardPictures pictures;
    pictures.Set(pieces);
    return pictures;
}

class BoardPaint : public ::testing::Test
{
protected:
    bool Paint()
    {
        return PaintBoard(surface, {board, state, geometry, picker, counters, random, pictures});
    }
    // Pixel (dx, dy) of cell (x, y).
    QColor CellPixel(int x, int y, int dx, int dy) const
    {
        return surface.pixelColor(geometry.left + x * 60 + dx, geometry.top + y * 60 + dy);
    }

    QImage surface{1024, 768, QImage::Format_ARGB32_Premultiplied};
    engine::Board board;
    GameStatus state = GameStatus::Playing;
    BoardGeometry geometry;
    PickerView picker;
    BoardCounters counters;
    engine::Random random{12345};
    BoardPictures pictures = PlainPictures();
};

} // namespace

TEST_F(BoardPaint, AGameShowsGivensPiecesAndMarksApartAndOutsideOnePiecesLookGiven)
{
    board.StartGrid[0][0] = board.CurrentGrid[0][0] = 4; // given 5
    board.CurrentGrid[1][0] = board.SolutionGrid[1][0] = 2; // the player's 3
    board.CandidateMarks[2][3][0] = 1; // digit 1: top left
    board.CandidateMarks[2][3][4] = 1; // digit 5: centre
    board.CandidateMarks[2][3][8] = 1; // digit 9: bottom right
    board.CandidateMarks[1][0][1] = 1; // digit 2 marked over the player's 3
    EXPECT_FALSE(Paint());
    // Cell, then pixel of the cell, then the picture seen there.
    const std::tuple<QPoint, QPoint, int> seen[]{
        {{0, 0}, {30, 30}, 13 + 5}, {{1, 0}, {30, 30}, 3}, {{1, 0}, {3, 50}, 10},
        {{1, 0}, {30, 10}, 2},      {{2, 3}, {2, 2}, 1},   {{2, 3}, {21, 21}, 5},
        {{2, 3}, {40, 40}, 9},      {{2, 3}, {30, 10}, 10}};
    for (const auto& [cell, at, k] : seen)
        EXPECT_EQ(CellPixel(cell.x(), cell.y(), at.x(), at.y()), Colour(k)) << k;
    // Red separators on the box borders only: none between two cells of a box or round the board.
    EXPECT_EQ(surface.pixelColor(298 + 180, 300).green(), 55);
    EXPECT_EQ(CellPixel(1, 5, 0, 30), Colour(10));
    EXPECT_EQ(surface.pixelColor(297, 300), Colour(12));
    for (const GameStatus outside : {GameStatus::Designing, GameStatus::Idle}) {
        state = outside;
        Paint();
        EXPECT_EQ(CellPixel(1, 0, 30, 30), Colour(13 + 3));
        EXPECT_EQ(CellPixel(2, 3, 21, 21), outside == GameStatus::Idle ? Colour(5) : Colour(10));
    }
}

TEST_F(BoardPaint, ACheckOverlaysWrongPiecesForFourteenRedrawsAndAShakeLastsTwo)
{
    board.CurrentGrid[6][7] = 2;
    board.SolutionGrid[6][7] = 7;
    counters = {100, 15};
    for (int redraw = 1; redraw <= 14; ++redraw) {
        Paint();
        ASSERT_EQ(CellPixel(6, 7, 30, 30), Colour(26)) << "redraw " << redraw;
        ASSERT_EQ(counters.shakeCount, redraw == 1 ? 19 : 0);
    }
    Paint();
    EXPECT_EQ(CellPixel(6, 7, 30, 30), Colour(3));
}

TEST(ChoiceHovered, CountsOnlyTheInsideOfTheSquareOfAChoiceOnTheTurningRing)
{
    // Turned by 36 radians: 2.328 rad past whole turns, where 60 sin = 43.6 and 60 cos = -41.2.
    EXPECT_EQ(PickerChoiceCorner(1, 36, 0, 0), QPoint(104, 19));
    const std::tuple<int, int, bool> points[]{
        {195, 320, false}, {196, 320, true}, {234, 348, true}, {235, 320, false},
        {200, 309, false}, {200, 310, true}, {200, 349, false}};
    for (const auto& [x, y, inside] : points)
        EXPECT_EQ(ChoiceHovered({195, 309}, x, y), inside) << x << "," << y;
}

TEST_F(BoardPaint, TheOpenRingHighlightsTheHoveredChoiceAndTurnsDown)
{
    picker = {true, 400, 300, -2, 0, 400 + 95 + 20, 300 + 109 + 5}; // inside choice 1 only
    EXPECT_TRUE(Paint());
    EXPECT_EQ(picker.choice, 1);
    EXPECT_EQ(surface.pixelColor(400 + 95 + 20, 300 + 109 + 5), Colour(13));
    EXPECT_EQ(surface.pixelColor(460 + 20, 420 + 20), Colour(9)); // choice 10, not hovered
    EXPECT_EQ(surface.pixelColor(400 - 5 + 95, 300 - 5 + 95), Colour(25)); // the ring's middle
    picker.mouseX = 400 + 95; // on the left edge: nothing hovered
    EXPECT_FALSE(Paint());
    EXPECT_EQ(picker.choice, -2);
    picker.spin = 36; // one radian less for every choice drawn
    Paint();
    EXPECT_EQ(picker.spin, 26);
}
