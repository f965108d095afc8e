// The board's redraw in each theme, read at known pixels of the surface.
#include "Support.h"
#include "presentation/BoardPainter.h"

#include <functional>

#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

// The window's own board on the test installation, whose pictures are flat colours with a white
// key pixel at (1, 1). Cell (4, 4) lies at (538, 380); its centre is (568, 410).
struct WindowBoard : testing::TestWithParam<int>
{
    void SetUp() override
    {
        test.StartUp();
        w.Timer2.stop();
        w.ChargeGraphismes(testing_support::TestLineText(38 + GetParam()));
        w.GameState = GameStatus::Playing;
    }
    QColor Drawn(QPoint at)
    {
        w.DessineGrille();
        return w.Image32.pixelColor(at);
    }
    // Picture k of this theme, or white for its key pixel, drawn at opacity over `under`.
    QColor Blend(int k, bool keyPixel, int opacity, QColor under) const
    {
        const QColor over
            = keyPixel ? QColor(Qt::white) : testing_support::PictureColour(GetParam(), k);
        const auto mix = [&](int a, int b) { return (a * opacity + b * (255 - opacity)) / 255; };
        return {mix(over.red(), under.red()), mix(over.green(), under.green()),
                mix(over.blue(), under.blue())};
    }
    static bool Near(QColor a, QColor b)
    {
        return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2
            && std::abs(a.blue() - b.blue()) <= 2;
    }
    testing_support::TestInstall install;
    testing_support::TestWindow test{install};
    TfrmMain& w = *test.window;
};

} // namespace

TEST_P(WindowBoard, EachPictureIsDrawnWithItsColourKeyAtItsOpacity)
{
    const int theme = GetParam() == 2 ? 230 : 205;
    engine::Board& board = w.GameBoard();
    board.SolutionGrid[4][4] = 6;
    // Name, picture, its opacity, keyed, where the picture's corner lies, and what is drawn
    // before the picture joins the board and after.
    using Role = std::tuple<const char*, int, int, bool, QPoint, std::function<void()>,
                            std::function<void()>>;
    const auto piece = [&](bool given, std::uint8_t value) {
        return [&board, given, value] {
            board.CurrentGrid[4][4] = value;
            board.StartGrid[4][4] = given ? value : engine::EmptyCell;
        };
    };
    const auto ring = [this](int mouseX) {
        return [this, mouseX] {
            w.PickerOpen = true, w.PickerLeft = 478, w.PickerTop = 320, w.PickerSpin = 0;
            w.MouseX = mouseX, w.MouseY = 346;
        };
    };
    const auto nothing = [] {};
    const auto designing = [this] { w.GameState = GameStatus::Designing; };
    const auto flash = [this] { w.CheckFlash = 15; };
    const Role roles[]{
        {"PlayersPiece", 3, theme, true, {542, 384}, nothing, piece(false, 2)},
        {"Given", 13 + 3, theme, true, {542, 384}, nothing, piece(true, 2)},
        {"DesignedPiece", 13 + 3, theme, true, {542, 384}, designing, piece(false, 2)},
        {"WrongOverlay", 26, 150, false, {542, 384}, piece(false, 2), flash},
        {"Ring", 25, 120, true, {473, 315}, nothing, ring(0)},
        {"Choice", 4, theme, true, {538, 320}, nothing, ring(0)},
        {"HoveredChoice", 13 + 4, theme, true, {538, 320}, nothing, ring(564)},
    };
    for (const auto& [name, k, opacity, keyed, corner, before, add] : roles) {
        SCOPED_TRACE(name);
        board.CurrentGrid = board.StartGrid = engine::EmptyGrid();
        w.PickerOpen = false, w.CheckFlash = 0, w.GameState = GameStatus::Playing;
        before();
        const QPoint inside = corner + QPoint(26, 26), key = corner + QPoint(1, 1);
        const QColor underInside = Drawn(inside), underKey = Drawn(key);
        add();
        const QColor seenInside = Drawn(inside), seenKey = Drawn(key);
        EXPECT_TRUE(Near(seenInside, Blend(k, false, opacity, underInside)))
            << seenInside.name().toStdString();
        EXPECT_TRUE(Near(seenKey, keyed ? underKey : Blend(k, true, opacity, underKey)))
            << seenKey.name().toStdString();
    }
    // The cell background over the background picture, with nothing over it.
    w.PickerOpen = false;
    const QColor background = testing_support::PictureColour(GetParam(), 12);
    EXPECT_TRUE(Near(Drawn({538 + 26, 380 + 26}), Blend(10, false, 150, background)));
    EXPECT_TRUE(Near(Drawn({538 + 1, 380 + 1}), Blend(10, true, 150, background)));
}

TEST_P(WindowBoard, BothBoxSeparatorsInEachDirection)
{
    // Two pixels thick, ending on the cell line before the fourth and the seventh cell.
    const std::tuple<const char*, QPoint, QPoint> separators[]{{"FirstColumn", {477, 150}, {1, 0}},
                                                               {"SecondColumn", {657, 600}, {1, 0}},
                                                               {"FirstRow", {310, 319}, {0, 1}},
                                                               {"SecondRow", {800, 499}, {0, 1}}};
    w.DessineGrille();
    const auto isSeparator = [this](QPoint at) {
        const QColor c = w.Image32.pixelColor(at);
        return c.red() >= 200 && c.red() <= 214 && c.green() == 55 && c.blue() == 55;
    };
    for (const auto& [name, first, across] : separators)
        for (int step = -1; step <= 2; ++step)
            EXPECT_EQ(isSeparator(first + step * across), step == 0 || step == 1) << name << step;
}

TEST_P(WindowBoard, MarksInTheirNineSlots)
{
    // Top-left corners of the 20-pixel marks of the digits 1 to 9 in cell (4, 4).
    const QPoint corners[9]{{540, 382}, {559, 382}, {577, 382}, {540, 401}, {559, 401},
                            {577, 401}, {540, 420}, {559, 420}, {577, 420}};
    for (int k = 0; k < 9; ++k) {
        SCOPED_TRACE(k + 1);
        w.GameBoard().CandidateMarks[4][4].fill(0);
        w.GameBoard().CandidateMarks[4][4][k] = 1;
        w.DessineGrille();
        const QColor mark = testing_support::PictureColour(GetParam(), k + 1);
        for (const QPoint at : {QPoint(19, 19), QPoint(19, 10), QPoint(10, 19), QPoint(20, 10),
                                QPoint(10, 20)}) // inside, then just outside
            EXPECT_EQ(w.Image32.pixelColor(corners[k] + at) == mark, at.x() < 20 && at.y() < 20)
                << at.x() << "," << at.y();
    }
}

TEST_P(WindowBoard, RingChoicesLieOnACircleCentredTenPixelsUpLeftOfTheCell)
{
    QTest::mouseClick(w.Image32View, Qt::LeftButton, {}, QPoint(568, 410) - w.Image32View->pos());
    ASSERT_TRUE(w.PickerOpen);
    EXPECT_EQ(QPoint(w.PickerLeft, w.PickerTop), QPoint(478, 320));
    for (int redraw = 0; redraw < 4; ++redraw)
        w.DessineGrille(); // the opening spin
    // Choice i's square centre, 60 pixels from (558, 400) at i times 36 degrees, clockwise from
    // straight below; each square is 40 pixels wide.
    const QPoint offsets[10]{{35, 49},   {57, 19},   {57, -19}, {35, -49}, {0, -60},
                             {-35, -49}, {-57, -19}, {-57, 19}, {-35, 49}, {0, 60}};
    for (int i = 1; i <= 10; ++i) {
        const QPoint offset = offsets[i - 1];
        // One pixel inside the square's outer edges, then just beyond them.
        const QPoint out((offset.x() > 0) - (offset.x() < 0), (offset.y() > 0) - (offset.y() < 0));
        for (const int reach : {19, 20}) {
            const QPoint at = QPoint(558, 400) + offset + out * reach;
            w.MouseX = at.x(), w.MouseY = at.y();
            w.DessineGrille();
            EXPECT_EQ(w.PickerChoice == i, reach == 19) << i << ": " << at.x() << "," << at.y();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Themes, WindowBoard, ::testing::Values(0, 1, 2), [](const auto& info) {
    return testing_support::TestLineText(38 + info.param).toStdString();
});
