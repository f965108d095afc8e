// The printed page of the current grid: plain lines and digits, givens black, pieces grey.
#pragma once

#include "engine/Grid.h"

#include <functional>

class QPainter;
class QPrinter;
class QWidget;

namespace presentation {

struct PageGeometry
{
    int cell = 0; // page height div 36
    int margin = 0; // page height div 16, from the left and top of the printable area
};

[[nodiscard]] PageGeometry PrintedPageGeometry(int pageHeight);

// Draws the grid lines and the digits of current on the painter's device, sized from the
// device's height whatever the page's orientation: black 2-pixel lines every third line and
// silver 1-pixel lines between them, then each filled cell's digit at 16 points, centred in its
// cell, black when start holds a given there and grey otherwise.
void DrawPrintedGrid(QPainter& painter, const engine::Grid& current, const engine::Grid& start);

// Sets the printer up (the system print dialog in the game); false when the player cancels.
using PrinterRequest = std::function<bool(QPrinter&)>;

// The system print dialog over parent: true when the player accepts it.
bool AskForPrinter(QPrinter& printer, QWidget* parent);

// Asks for a printer, then prints one page of the grid on it. Returns false, printing nothing,
// when the request is cancelled or the printer cannot be opened.
bool PrintGrid(const engine::Grid& current, const engine::Grid& start, const PrinterRequest& ask);

} // namespace presentation
