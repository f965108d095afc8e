// The printed page: geometry, lines, digit colours and placement, and a real PDF page.
#include "presentation/Printing.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using presentation::DrawPrintedGrid;
using presentation::PrintedPageGeometry;

namespace {

constexpr int PageHeight = 7000;
constexpr int Cell = 194;
constexpr int Margin = 437;

QImage DrawPage(const engine::Grid& current, const engine::Grid& start)
{
    QImage page(5000, PageHeight, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    DrawPrintedGrid(painter, PageHeight, current, start);
    painter.end();
    return page;
}

// The darkest grey level (red channel) of the three pixels across a line through (x, y).
int DarkestAcrossRow(const QImage& page, int x, int y)
{
    int darkest = 255;
    for (int row = y - 1; row <= y + 1; ++row)
        darkest = std::min(darkest, qRed(page.pixel(x, row)));
    return darkest;
}

int DarkestAcrossColumn(const QImage& page, int x, int y)
{
    int darkest = 255;
    for (int column = x - 1; column <= x + 1; ++column)
        darkest = std::min(darkest, qRed(page.pixel(column, y)));
    return darkest;
}

struct InkBox
{
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    int darkest = 255;
};

// The box around every pixel darker than white inside cell (x, y), lines excluded.
InkBox InkInCell(const QImage& page, int x, int y)
{
    InkBox box;
    const int x0 = Margin + x * Cell + 4;
    const int y0 = Margin + y * Cell + 4;
    for (int py = y0; py < y0 + Cell - 8; ++py) {
        for (int px = x0; px < x0 + Cell - 8; ++px) {
            const int level = qRed(page.pixel(px, py));
            if (level == 255)
                continue;
            box.left = std::min(box.left, px);
            box.right = std::max(box.right, px);
            box.top = std::min(box.top, py);
            box.bottom = std::max(box.bottom, py);
            box.darkest = std::min(box.darkest, level);
        }
    }
    return box;
}

} // namespace

TEST(PrintedPage, CellsAndMarginComeFromThePageHeight)
{
    const auto geometry = PrintedPageGeometry(PageHeight);
    EXPECT_EQ(geometry.cell, Cell);
    EXPECT_EQ(geometry.margin, Margin);
}

TEST(PrintedPage, AnEmptyBoardPrintsBlackBoxLinesAndSilverCellLinesOnly)
{
    const QImage page = DrawPage(engine::EmptyGrid(), engine::EmptyGrid());
    const int middle = Margin + Cell / 2; // inside the first column of cells
    for (int i = 0; i <= 9; ++i) {
        const int expected = i % 3 == 0 ? 0 : 192;
        EXPECT_EQ(DarkestAcrossRow(page, middle + 4 * Cell, Margin + i * Cell), expected)
            << "horizontal line " << i;
        EXPECT_EQ(DarkestAcrossColumn(page, Margin + i * Cell, middle + 7 * Cell), expected)
            << "vertical line " << i;
    }
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y)
            EXPECT_EQ(InkInCell(page, x, y).right, -1) << x << "," << y;
    }
    EXPECT_EQ(qRed(page.pixel(Margin - 10, Margin - 10)), 255);
    EXPECT_EQ(qRed(page.pixel(Margin + 9 * Cell + 10, Margin + 9 * Cell + 10)), 255);
}

TEST(PrintedPage, GivensPrintBlackAndPlayersPiecesGreyCentredInTheirCells)
{
    engine::Grid start = engine::EmptyGrid();
    engine::Grid current = engine::EmptyGrid();
    start[0][0] = current[0][0] = 7; // a given 8 at the top left
    current[4][6] = 2; // the player's 3 in column 4, row 6
    const QImage page = DrawPage(current, start);

    const InkBox given = InkInCell(page, 0, 0);
    const InkBox piece = InkInCell(page, 4, 6);
    ASSERT_GE(given.right, 0);
    ASSERT_GE(piece.right, 0);
    EXPECT_LT(given.darkest, 40);
    EXPECT_GE(piece.darkest, 120);
    EXPECT_LE(piece.darkest, 136);

    for (const auto& [box, x, y] : {std::tuple{given, 0, 0}, std::tuple{piece, 4, 6}}) {
        const int centreX = Margin + x * Cell + Cell / 2;
        const int centreY = Margin + y * Cell + Cell / 2;
        EXPECT_NEAR((box.left + box.right) / 2, centreX, 6) << x << "," << y;
        EXPECT_NEAR((box.top + box.bottom) / 2, centreY, 12) << x << "," << y;
    }
    EXPECT_EQ(InkInCell(page, 5, 6).right, -1);
}

TEST(PrintGrid, ACancelledRequestPrintsNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("grid.pdf");
    bool asked = false;
    const bool printed
        = presentation::PrintGrid(engine::EmptyGrid(), engine::EmptyGrid(), [&](QPrinter& printer) {
              asked = true;
              printer.setOutputFormat(QPrinter::PdfFormat);
              printer.setOutputFileName(path);
              return false;
          });
    EXPECT_TRUE(asked);
    EXPECT_FALSE(printed);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(PrintGrid, PrintingToAPdfFileMakesOnePage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("grid.pdf");
    engine::Grid start = engine::EmptyGrid();
    engine::Grid current = engine::EmptyGrid();
    start[2][2] = current[2][2] = 4;
    current[3][3] = 5;
    ASSERT_TRUE(presentation::PrintGrid(current, start, [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    }));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "),
              1);
    if (qEnvironmentVariableIsSet("ORVANTE_KEEP_PDF"))
        QFile::copy(path, qEnvironmentVariable("ORVANTE_KEEP_PDF"));
}
