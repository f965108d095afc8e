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
        const QSize size = k == 12 ? QSize(1024, 768)
            : k == 10              ? QSize(60, 60)
            : k == 25              ? QSize(190, 190)
                                   : QSize(52, 52);
        QImage picture(size, QImage::Format_ARGB32_Premultiplied);
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

TEST_F(BoardPaint, AnEmptyIdleBoardShowsBackgroundCellsAndFourSeparators)
{
    state = GameStatus::Idle;
    EXPECT_FALSE(Paint());
    EXPECT_EQ(surface.pixelColor(100, 100), Colour(12));
    EXPECT_EQ(CellPixel(4, 4, 30, 30), Colour(10));
    EXPECT_EQ(CellPixel(8, 8, 59, 59), Colour(10));
    for (const QPoint at : {QPoint(298 + 179, 300), QPoint(298 + 180, 300), QPoint(298 + 359, 300),
                            QPoint(400, 140 + 179), QPoint(400, 140 + 360)}) {
        const QColor line = surface.pixelColor(at);
        EXPECT_GE(line.red(), 200) << at.x() << "," << at.y();
        EXPECT_LE(line.red(), 214);
        EXPECT_EQ(line.green(), 55);
        EXPECT_EQ(line.blue(), 55);
    }
    // Only box borders: no line between two cells of a box, none round the board.
    EXPECT_EQ(CellPixel(1, 0, 0, 30), Colour(10));
    EXPECT_EQ(surface.pixelColor(297, 300), Colour(12));
}

TEST_F(BoardPaint, AGivenAndAPlayersPieceUseTheirOwnPictures)
{
    board.StartGrid[0][0] = board.CurrentGrid[0][0] = 4; // given 5
    board.CurrentGrid[1][0] = 2; // the player's 3
    board.SolutionGrid[1][0] = 2;
    Paint();
    EXPECT_EQ(CellPixel(0, 0, 30, 30), Colour(13 + 5));
    EXPECT_EQ(CellPixel(1, 0, 30, 30), Colour(3));
    EXPECT_EQ(CellPixel(1, 0, 3, 3), Colour(10)); // the piece lies 4 pixels inside its cell
    EXPECT_EQ(CellPixel(1, 0, 4, 4), Colour(3));
    EXPECT_EQ(CellPixel(1, 0, 56, 56), Colour(10));

    // Outside a game every piece looks given.
    state = GameStatus::Idle;
    Paint();
    EXPECT_EQ(CellPixel(1, 0, 30, 30), Colour(13 + 3));
    state = GameStatus::Designing;
    Paint();
    EXPECT_EQ(CellPixel(1, 0, 30, 30), Colour(13 + 3));
}

TEST_F(BoardPaint, AWrongPieceIsOverlaidOnTheFourteenRedrawsAfterACheck)
{
    board.CurrentGrid[6][7] = 2;
    board.SolutionGrid[6][7] = 7;
    counters.checkFlash = 15;
    for (int redraw = 1; redraw <= 14; ++redraw) {
        Paint();
        ASSERT_EQ(CellPixel(6, 7, 30, 30), Colour(26)) << "redraw " << redraw;
    }
    EXPECT_EQ(counters.checkFlash, 1);
    Paint();
    EXPECT_EQ(counters.checkFlash, 0);
    EXPECT_EQ(CellPixel(6, 7, 30, 30), Colour(3));
}

TEST_F(BoardPaint, MarksSitInTheirKeypadSlotsOverPiecesButNotWhileDesigning)
{
    board.CandidateMarks[2][3][0] = 1; // digit 1: top left
    board.CandidateMarks[2][3][4] = 1; // digit 5: centre
    board.CandidateMarks[2][3][8] = 1; // digit 9: bottom right
    board.CurrentGrid[5][5] = 0;
    board.SolutionGrid[5][5] = 0;
    board.CandidateMarks[5][5][1] = 1; // digit 2 marked over the player's 1
    Paint();
    EXPECT_EQ(CellPixel(2, 3, 2, 2), Colour(1));
    EXPECT_EQ(CellPixel(2, 3, 21, 21), Colour(5));
    EXPECT_EQ(CellPixel(2, 3, 40, 39), Colour(5));
    EXPECT_EQ(CellPixel(2, 3, 40, 40), Colour(9)); // the slots of 5 and 9 share a pixel
    EXPECT_EQ(CellPixel(2, 3, 58, 59), Colour(9));
    EXPECT_EQ(CellPixel(2, 3, 30, 10), Colour(10)); // slot of the unmarked digit 2
    EXPECT_EQ(CellPixel(5, 5, 30, 10), Colour(2));
    EXPECT_EQ(CellPixel(5, 5, 30, 30), Colour(1));

    state = GameStatus::Designing;
    Paint();
    EXPECT_EQ(CellPixel(2, 3, 30, 30), Colour(10));
    EXPECT_EQ(CellPixel(5, 5, 30, 10), Colour(13 + 1));
}

TEST(MarkRect, RefusesADigitOutsideOneToNine)
{
    const BoardGeometry geometry;
    EXPECT_EQ(MarkRect(0, 0, 2, geometry), QRect(298 + 39, 140 + 2, 20, 20));
    EXPECT_EQ(MarkRect(8, 8, 6, geometry), QRect(298 + 480 + 2, 140 + 480 + 40, 20, 20));
    for (int k : {-1, 9}) {
        try {
            (void)MarkRect(0, 0, k, geometry);
            ADD_FAILURE() << "no error for " << k;
        } catch (const std::invalid_argument& error) {
            EXPECT_STREQ(error.what(), "Invalid n value");
        }
    }
}

TEST_F(BoardPaint, AShakeOfHundredCellsLeavesNineteenForTheNextRedraw)
{
    counters.shakeCount = 100;
    const engine::Random before = random;
    Paint();
    EXPECT_EQ(counters.shakeCount, 19);
    // Two draws per shaken cell and one per separator.
    engine::Random expected = before;
    for (int i = 0; i < 81 * 2 + 4; ++i)
        expected.Draw(2);
    EXPECT_EQ(random.Seed(), expected.Seed());
    Paint();
    EXPECT_EQ(counters.shakeCount, 0);
}

TEST(PickerChoiceCorner, LaysTheTenChoicesOnTheRingAtRest)
{
    // Choice 10 straight below the centre, choice 5 straight above, choice 1 lower right.
    EXPECT_EQ(PickerChoiceCorner(10, 0, 100, 200), QPoint(160, 320));
    EXPECT_EQ(PickerChoiceCorner(5, 0, 100, 200), QPoint(160, 200));
    // 60 sin 36° = 35.27, 60 cos 36° = 48.54.
    EXPECT_EQ(PickerChoiceCorner(1, 0, 100, 200), QPoint(195, 309));
    // Turned by 36 radians: 36° - 36 rad is 2.328 rad past a whole number of turns, where
    // 60 sin = 43.6 and 60 cos = -41.2.
    EXPECT_EQ(PickerChoiceCorner(1, 36, 0, 0), QPoint(104, 19));
}

TEST(ChoiceHovered, CountsOnlyTheInsideOfTheSquare)
{
    const QPoint corner(195, 309);
    EXPECT_FALSE(ChoiceHovered(corner, 195, 320));
    EXPECT_TRUE(ChoiceHovered(corner, 196, 320));
    EXPECT_TRUE(ChoiceHovered(corner, 234, 348));
    EXPECT_FALSE(ChoiceHovered(corner, 235, 320));
    EXPECT_FALSE(ChoiceHovered(corner, 200, 309));
    EXPECT_FALSE(ChoiceHovered(corner, 200, 349));
}

TEST_F(BoardPaint, TheOpenRingHighlightsTheHoveredChoiceAndSpinsDown)
{
    picker.open = true;
    picker.left = 400;
    picker.top = 300;
    picker.spin = 0;
    picker.mouseX = 400 + 95 + 20; // inside choice 1 and no other
    picker.mouseY = 300 + 109 + 5;
    EXPECT_TRUE(Paint());
    EXPECT_EQ(picker.choice, 1);
    EXPECT_EQ(surface.pixelColor(400 + 95 + 20, 300 + 109 + 5), Colour(13));
    EXPECT_EQ(surface.pixelColor(460 + 20, 420 + 20), Colour(9)); // choice 10, not hovered
    EXPECT_EQ(surface.pixelColor(400 - 5 + 95, 300 - 5 + 95), Colour(25)); // the ring's middle

    picker.mouseX = 400 + 95; // on the left edge: nothing hovered
    EXPECT_FALSE(Paint());
    EXPECT_EQ(picker.choice, -2);

    picker.spin = 36;
    Paint();
    EXPECT_EQ(picker.spin, 26);
    for (int redraw = 0; redraw < 3; ++redraw)
        Paint();
    EXPECT_EQ(picker.spin, 0);
}

TEST(DessineGrille, RunsTheCountersDownAndFollowsTheHoverWithTheCursor)
{
    testing_support::TestInstall install;
    testing_support::TestWindow test(install);
    test.StartUp();
    TfrmMain& w = *test.window;
    w.ShakeCount = 100;
    w.CheckFlash = 15;
    w.DessineGrille();
    EXPECT_EQ(w.ShakeCount, 19);
    EXPECT_EQ(w.CheckFlash, 14);
    EXPECT_EQ(w.Image32View->cursor().shape(), Qt::ArrowCursor);

    w.PickerOpen = true;
    w.PickerLeft = 400;
    w.PickerTop = 300;
    w.MouseX = 400 + 95 + 20;
    w.MouseY = 300 + 109 + 20;
    w.DessineGrille();
    EXPECT_EQ(w.PickerChoice, 1);
    EXPECT_EQ(w.BoardCursor, Qt::PointingHandCursor);
    EXPECT_EQ(w.Image32View->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_THROW(w.DessineMarque(0, 0, 9), std::invalid_argument);
}
