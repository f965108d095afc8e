// Printing the current grid on one page.
#include "presentation/Printing.h"

#include "presentation/CellText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace presentation {

bool AskForPrinter(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

PageGeometry PrintedPageGeometry(int pageHeight)
{
    return {pageHeight / 36, pageHeight / 16};
}

void DrawPrintedGrid(QPainter& painter, const engine::Grid& current, const engine::Grid& start)
{
    const auto [c, m] = PrintedPageGeometry(painter.device()->height());
    QFont font = painter.font();
    font.setPointSize(16);
    painter.setFont(font);

    for (int i = 0; i <= 9; ++i) {
        const bool thick = i % 3 == 0;
        painter.setPen(QPen(thick ? QColor(Qt::black) : QColor(192, 192, 192), thick ? 2 : 1));
        painter.drawLine(m, m + i * c, m + 9 * c, m + i * c);
        painter.drawLine(m + i * c, m, m + i * c, m + 9 * c);
    }

    const QFontMetrics metrics(painter.font(), painter.device());
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const int value = current[x][y];
            if (value > 8)
                continue;
            const bool given = start[x][y] != engine::EmptyCell;
            painter.setPen(given ? QColor(Qt::black) : QColor(128, 128, 128));
            DrawCentredText(painter, QRect(m + x * c, m + y * c, c, c), QString::number(value + 1),
                            metrics);
        }
    }
}

bool PrintGrid(const engine::Grid& current, const engine::Grid& start, const PrinterRequest& ask)
{
    QPrinter printer;
    if (!ask(printer))
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    DrawPrintedGrid(painter, current, start);
    return painter.end();
}

} // namespace presentation
