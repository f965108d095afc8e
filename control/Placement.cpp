// Putting a piece on the board and deciding whether the grid is complete.
#include "control/Placement.h"

#include "control/Clock.h"

namespace control {

PlacementResult PlacePiece(engine::Board& board, GameStatus state, engine::Cell cell, int value)
{
    using Kind = PlacementResult::Kind;
    Q_ASSERT(value >= -1 && value <= 8);
    const auto stored = value < 0 ? engine::EmptyCell : static_cast<std::uint8_t>(value);
    std::uint8_t& target = board.CurrentGrid[cell.x][cell.y];

    if (state == GameStatus::Designing) {
        target = stored;
        return {Kind::Designed, {}};
    }
    if (state != GameStatus::Playing)
        return {Kind::Ignored, {}};
    if (board.StartGrid[cell.x][cell.y] != engine::EmptyCell)
        return {Kind::Refused, sound::Refused};

    QStringView placementSound;
    if (target == engine::EmptyCell && stored != engine::EmptyCell)
        placementSound = sound::Placed;
    else if (target != engine::EmptyCell && stored == engine::EmptyCell)
        placementSound = sound::Erased;
    target = stored;
    return {Kind::Played, placementSound};
}

bool GridComplete(const engine::Board& board, bool forceComplete)
{
    // An unfinished solution never completes a grid, even one that copies its empty cells.
    return forceComplete || (board.SolutionComplete() && board.CurrentGrid == board.SolutionGrid);
}

QString EndOfGameText(double elapsedSeconds, const LineLookup& text)
{
    return text(line::Congratulations) + QStringLiteral("\r\n") + text(line::TimePlayed) + u' '
        + TimeText(elapsedSeconds, TimeWordsFrom(text)) + u' ';
}

} // namespace control
