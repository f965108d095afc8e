// The printed page: geometry, lines, digit colours and placement, and a real PDF page.
#include "presentation/Printing.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace presentation;

namespace {

constexpr int PageHeight = 7000;
constexpr int Cell = 194;
constexpr int Margin = 437;

// The pixels darker than white in an area: how many, the darkest grey level, their bounds.
struct Ink
{
    int pixels = 0;
    int darkest = 255;
    QRect bounds;
};

Ink InkIn(const QImage& page, const QRect& area)
{
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const int level = qRed(page.pixel(x, y));
            if (level == 255)
                continue;
            ++ink.pixels;
            ink.darkest = std::min(ink.darkest, level);
            ink.bounds |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

} // namespace

TEST(PrintedPage, HasBlackBoxLinesSilverCellLinesAndCentredDigitsBlackForGivensGreyForPieces)
{
    EXPECT_EQ(PrintedPageGeometry(PageHeight).cell, Cell);
    EXPECT_EQ(PrintedPageGeometry(PageHeight).margin, Margin);
    engine::Grid start = engine::EmptyGrid();
    engine::Grid current = engine::EmptyGrid();
    start[0][0] = current[0][0] = 7; // a given 8 at the top left
    current[4][6] = 2; // the player's 3 in column 4, row 6
    QImage page(5000, PageHeight, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    DrawPrintedGrid(painter, PageHeight, current, start);
    painter.end();
    // Across each line inside the first row or column of cells: black and 2 pixels wide every
    // third line, silver and 1 pixel between; nothing beyond the grid.
    const int middle = Margin + Cell / 2;
    for (int i = 0; i <= 9; ++i) {
        const int line = Margin + i * Cell;
        for (const Ink& across : {InkIn(page, {middle + 4 * Cell, line - 3, 1, 7}),
                                  InkIn(page, {line - 3, middle + 7 * Cell, 7, 1})}) {
            EXPECT_EQ(across.darkest, i % 3 == 0 ? 0 : 192) << "line " << i;
            EXPECT_EQ(across.pixels, i % 3 == 0 ? 2 : 1) << "line " << i;
        }
    }
    EXPECT_EQ(InkIn(page, {0, 0, Margin - 3, PageHeight}).pixels, 0);
    EXPECT_EQ(InkIn(page, {0, Margin + 9 * Cell + 3, 5000, 200}).pixels, 0);
    // Each digit in the middle of its cell, lines left out: givens black, the player's pieces
    // grey with nothing darker than 128.
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            const Ink ink
                = InkIn(page, {Margin + x * Cell + 4, Margin + y * Cell + 4, Cell - 8, Cell - 8});
            ASSERT_EQ(ink.pixels > 0, current[x][y] != engine::EmptyCell) << x << "," << y;
            if (ink.pixels == 0)
                continue;
            EXPECT_NEAR(ink.bounds.center().x(), Margin + x * Cell + Cell / 2, 6) << x << "," << y;
            EXPECT_NEAR(ink.bounds.center().y(), Margin + y * Cell + Cell / 2, 12) << x << "," << y;
            const bool given = start[x][y] != engine::EmptyCell;
            EXPECT_TRUE(given ? ink.darkest < 40 : ink.darkest >= 128 && ink.darkest <= 136)
                << ink.darkest;
        }
    }
}

TEST(PrintGrid, ACancelledRequestPrintsNothingAndAnAcceptedOneMakesAOnePagePdf)
{
    QTemporaryDir dir;
    for (const bool accepted : {false, true}) {
        const QString path = dir.filePath(accepted ? "accepted.pdf" : "cancelled.pdf");
        int asked = 0;
        const auto ask = [&](QPrinter& printer) {
            ++asked;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return accepted;
        };
        EXPECT_EQ(PrintGrid(engine::EmptyGrid(), engine::EmptyGrid(), ask), accepted);
        EXPECT_EQ(asked, 1);
        QFile file(path);
        EXPECT_EQ(file.open(QIODevice::ReadOnly), accepted);
        const QByteArray pdf = accepted ? file.readAll() : QByteArray();
        const auto pages = pdf.count("/Type /Page\n") + pdf.count("/Type /Page ");
        EXPECT_EQ(pages + pdf.count("/Type /Page\r"), accepted ? 1 : 0);
    }
}
