// The play surface: background, cells, pieces, marks, box separators and the piece ring.
#include "presentation/BoardPainter.h"

#include "presentation/CellText.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

#include <QPainter>

namespace presentation {

void PaintMark(QImage& surface,
               const BoardGeometry& geometry,
               const BoardPictures& pictures,
               int x,
               int y,
               int k)
{
    const QRect square = MarkRect(x, y, k, geometry);
    QPainter painter(&surface);
    painter.drawImage(square.topLeft(), pictures.Mark(k));
}

namespace {

void DrawPicture(QPainter& painter, int x, int y, const PiecePicture& picture)
{
    if (picture.image.isNull())
        return;
    painter.setOpacity(picture.opacity / 255.0);
    painter.drawImage(x, y, picture.image);
}

} // namespace

BoardPictures::BoardPictures()
{
    PiecePictures pieces;
    for (int k = 0; k < PieceCount; ++k)
        pieces[static_cast<std::size_t>(k)] = {PlaceholderPiece(k), PieceOpacity(k, 205)};
    Set(std::move(pieces));
}

void BoardPictures::Set(PiecePictures pieces)
{
    m_pieces = std::move(pieces);
    for (int k = 0; k < 9; ++k) {
        const QImage& digit = m_pieces[static_cast<std::size_t>(k + 1)].image;
        m_marks[static_cast<std::size_t>(k)] = digit.isNull()
            ? QImage()
            : digit.scaled(20, 20, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
}

QPoint PickerChoiceCorner(int i, int spin, int pickerLeft, int pickerTop)
{
    const double angle = i * 36 * std::numbers::pi / 180.0 - spin;
    // nearbyint follows the default rounding mode: to nearest, halves to even.
    const int x = static_cast<int>(std::nearbyint(60 * std::sin(angle) + 60 + pickerLeft));
    const int y = static_cast<int>(std::nearbyint(60 * std::cos(angle) + 60 + pickerTop));
    return {x, y};
}

bool ChoiceHovered(QPoint corner, int mouseX, int mouseY)
{
    return corner.x() < mouseX && mouseX < corner.x() + 40 && corner.y() < mouseY
        && mouseY < corner.y() + 40;
}

QRect MarkRect(int x, int y, int k, const BoardGeometry& geometry)
{
    if (k < 0 || k > 8)
        throw std::invalid_argument("Invalid n value");
    const std::array<int, 3> offsetX{2, geometry.cellWidth / 2 - 9, geometry.cellWidth - 21};
    const std::array<int, 3> offsetY{2, geometry.cellHeight / 2 - 9, geometry.cellHeight - 20};
    return {geometry.left + x * geometry.cellWidth + offsetX[static_cast<std::size_t>(k % 3)],
            geometry.top + y * geometry.cellHeight + offsetY[static_cast<std::size_t>(k / 3)], 20,
            20};
}

namespace {

// The marks of cell (x, y); a design shows none.
void DrawMarks(QPainter& painter, const BoardScene& scene, int x, int y)
{
    if (scene.state == GameStatus::Designing)
        return;
    for (int k = 0; k < 9; ++k) {
        if (scene.board.CandidateMarks[x][y][k] != 1)
            continue;
        const QRect square = MarkRect(x, y, k, scene.geometry);
        painter.setOpacity(1.0);
        painter.drawImage(square.topLeft(), scene.pictures.Mark(k));
    }
}

// Cell (x, y): its background, shaken while the shake lasts, then its piece and its marks.
void DrawCell(QPainter& painter, const BoardScene& scene, int x, int y)
{
    const engine::Board& board = scene.board;
    const int cx = scene.geometry.left + x * scene.geometry.cellWidth;
    const int cy = scene.geometry.top + y * scene.geometry.cellHeight;
    if (scene.counters.shakeCount < 1) {
        DrawPicture(painter, cx, cy, scene.pictures.Piece(10));
    } else {
        --scene.counters.shakeCount;
        const int down = static_cast<int>(scene.random.Draw(2));
        const int right = static_cast<int>(scene.random.Draw(2));
        DrawPicture(painter, cx + right, cy + down, scene.pictures.Piece(10));
    }

    const std::uint8_t value = board.CurrentGrid[x][y];
    if (value != engine::EmptyCell) {
        const int d = value + 1;
        const bool wrong = scene.counters.checkFlash > 0 && value != board.SolutionGrid[x][y];
        const bool given = !wrong
            && (scene.state == GameStatus::Idle || scene.state == GameStatus::Designing
                || board.StartGrid[x][y] != engine::EmptyCell);
        if (given) {
            DrawPicture(painter, cx + 4, cy + 4, scene.pictures.Piece(13 + d));
        } else {
            DrawPicture(painter, cx + 4, cy + 4, scene.pictures.Piece(d));
            if (wrong)
                DrawPicture(painter, cx + 4, cy + 4, scene.pictures.Piece(26));
        }
    }
    DrawMarks(painter, scene, x, y);
}

// Box separators, each in a red drawn anew so that they shimmer from redraw to redraw.
void DrawSeparators(QPainter& painter, const BoardGeometry& g, engine::Random& random)
{
    painter.setOpacity(1.0);
    const auto separatorColour
        = [&] { return QColor(200 + static_cast<int>(random.Draw(15)), 55, 55); };
    for (int i = 1; i <= 2; ++i)
        painter.fillRect(QRect(g.left + 3 * i * g.cellWidth - 1, g.top, 2, 9 * g.cellHeight),
                         separatorColour());
    for (int i = 1; i <= 2; ++i)
        painter.fillRect(QRect(g.left, g.top + 3 * i * g.cellHeight - 1, 9 * g.cellWidth, 2),
                         separatorColour());
}

// The open ring, turning while its spin lasts; notes the choice under the mouse.
void DrawRing(QPainter& painter, const BoardScene& scene)
{
    PieceRing& picker = scene.picker;
    DrawPicture(painter, picker.left - 5, picker.top - 5, scene.pictures.Piece(25));
    picker.choice = ring::NoChoice;
    for (int i = ring::Erase; i <= ring::LastDigit; ++i) {
        const QPoint corner = PickerChoiceCorner(i, picker.spin, picker.left, picker.top);
        if (picker.spin > 0)
            --picker.spin;
        int picture = i - 1;
        if (ChoiceHovered(corner, picker.mouseX, picker.mouseY)) {
            picker.choice = i;
            picture = 13 + (i - 1);
        }
        DrawPicture(painter, corner.x(), corner.y(), scene.pictures.Piece(picture));
    }
}

} // namespace

bool PaintBoard(QImage& surface, BoardScene scene)
{
    QPainter painter(&surface);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    DrawPicture(painter, 1, 1, scene.pictures.Piece(12));

    // Decreased before the cells are drawn: a check's 15 marks wrong pieces on 14 redraws.
    if (scene.counters.checkFlash > 0)
        --scene.counters.checkFlash;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x)
            DrawCell(painter, scene, x, y);
    }
    DrawSeparators(painter, scene.geometry, scene.random);

    if (!scene.picker.open)
        return false;
    DrawRing(painter, scene);
    return scene.picker.choice != ring::NoChoice;
}

QImage SurfaceImage(qreal density)
{
    QImage surface(QSize(1024, 768) * density, QImage::Format_ARGB32_Premultiplied);
    surface.setDevicePixelRatio(density);
    surface.fill(Qt::black);
    return surface;
}

void PaintHintDigit(QImage& surface,
                    const BoardGeometry& geometry,
                    const engine::Board& board,
                    HintDigit& hint)
{
    if (hint.redraws <= 0)
        return;
    --hint.redraws;
    const auto [x, y] = hint.cell;
    if (board.CurrentGrid[x][y] != hint.value)
        return;
    const QRect cell = geometry.CellRect(x, y);
    QPainter painter(&surface);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(16);
    painter.setFont(font);
    painter.setPen(Qt::green);
    DrawCentredText(painter, cell, QString::number(hint.value + 1), QFontMetrics(font));
}

} // namespace presentation
