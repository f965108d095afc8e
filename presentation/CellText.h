// Text centred in a cell: the board's hint digit and the printed grid's digits.
#pragma once

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QString>

namespace presentation {

// Draws text with the painter's pen and font, centred in cell as metrics measure it: the cell's
// half less the text's half each way, each half rounded down.
inline void DrawCentredText(QPainter& painter,
                            QRect cell,
                            const QString& text,
                            const QFontMetrics& metrics)
{
    const int left = cell.left() + cell.width() / 2 - metrics.horizontalAdvance(text) / 2;
    const int top = cell.top() + cell.height() / 2 - metrics.height() / 2;
    // drawText takes the baseline, so the top-left corner moves down by the ascent.
    painter.drawText(left, top + metrics.ascent(), text);
}

} // namespace presentation
