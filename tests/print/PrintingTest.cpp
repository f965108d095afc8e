// The printed page: geometry, lines, digit colours and placement.
#include "presentation/Printing.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace presentation;

namespace {

// A white page of the given size with the grid drawn on it.
QImage PrintedPage(QSize size, const engine::Grid& current, const engine::Grid& start)
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    DrawPrintedGrid(painter, current, start);
    return page;
}

// The darkest grey level in an area, and the bounds of its pixels darker than white.
std::pair<int, QRect> InkIn(const QImage& page, const QRect& area)
{
    std::pair<int, QRect> ink{255, QRect()};
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (const int level = qRed(page.pixel(x, y)); level < 255)
                ink = {std::min(ink.first, level), ink.second | QRect(x, y, 1, 1)};
    return ink;
}

} // namespace

TEST(PrintedPage, HasBlackBoxLinesSilverCellLinesCentredDigitsGreyForPieces)
{
    constexpr int PageHeight = 7000, Cell = 194, Margin = 437;
    EXPECT_EQ(
        std::pair(PrintedPageGeometry(PageHeight).cell, PrintedPageGeometry(PageHeight).margin),
        std::pair(Cell, Margin));
    engine::Grid start = engine::EmptyGrid(), current = engine::EmptyGrid();
    start[0][0] = current[0][0] = 7; // a given 8 at the top left
    current[4][6] = 2; // the player's 3 in column 4, row 6
    const QImage page = PrintedPage({5000, PageHeight}, current, start);
    // Across each line: black and 2 pixels wide every third one, silver and 1 pixel between.
    for (int i = 0; i <= 9; ++i) {
        const int line = Margin + i * Cell, middle = Margin + Cell / 2;
        for (const QRect& across :
             {QRect(middle + 4 * Cell, line - 3, 1, 7), QRect(line - 3, middle + 7 * Cell, 7, 1)}) {
            const auto [darkest, bounds] = InkIn(page, across);
            EXPECT_EQ(std::pair(darkest, bounds.width() * bounds.height()),
                      i % 3 == 0 ? std::pair(0, 2) : std::pair(192, 1))
                << "line " << i;
        }
    }
    // Digits centred in their cells: the given black, the player's piece grey, none below 128.
    for (int cell = 0; cell < 81; ++cell) {
        const int x = cell % 9, y = cell / 9;
        const QRect inside(Margin + x * Cell + 4, Margin + y * Cell + 4, Cell - 8, Cell - 8);
        const auto [darkest, bounds] = InkIn(page, inside);
        ASSERT_EQ(bounds.isEmpty(), current[x][y] == engine::EmptyCell) << x << "," << y;
        if (bounds.isEmpty())
            continue;
        EXPECT_NEAR(bounds.center().x(), inside.center().x(), 6) << x << "," << y;
        EXPECT_NEAR(bounds.center().y(), inside.center().y(), 12) << x << "," << y;
        EXPECT_TRUE(cell == 0 ? darkest < 40 : darkest >= 128 && darkest <= 136) << darkest;
    }
}

TEST(PrintedPage, GridIsAQuarterOfThePageHeightInEitherOrientation)
{
    // A4 at 300 dots per inch: the grid's side is 9 cells of height div 36, its corner a margin of
    // height div 16 from the page's top left, the outer lines 2 pixels wide.
    const struct
    {
        const char* name;
        QSize page;
        int side, margin;
    } pages[]{{"Portrait", {2480, 3508}, 9 * 97, 219}, {"Landscape", {3508, 2480}, 9 * 68, 155}};
    for (const auto& page : pages) {
        SCOPED_TRACE(page.name);
        const QImage printed
            = PrintedPage(page.page, engine::EmptyGrid(), engine::EmptyGrid());
        const QRect ink = InkIn(printed, printed.rect()).second;
        EXPECT_EQ(ink.topLeft(), QPoint(page.margin - 1, page.margin - 1));
        EXPECT_EQ(ink.size(), QSize(page.side + 2, page.side + 2));
    }
}
