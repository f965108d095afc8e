// Hint candidates and the choice of the hint cell.
#include "Hint.h"

namespace engine {

CandidateTexts HintCandidates(const Board& board, const CombinationLists& lists, int level)
{
    CandidateTexts texts = FillCandidateTexts(board);
    for (;;) {
        if (level >= 3 && Pointing(texts))
            continue;
        bool changed = false;
        // A cell narrowed earlier in the same pass counts when its turn comes.
        for (int y = 0; y < 9; ++y) {
            for (int x = 0; x < 9; ++x) {
                if (texts[x][y].IsSingle())
                    changed |= RemoveFromPeers(texts, x, y, texts[x][y]);
            }
        }
        if (level >= 3)
            changed |= NakedSubsetsByText(texts);
        if (changed)
            continue;
        if (level >= 4 && NakedSubsetsByCombination(texts, board.CurrentGrid, lists))
            continue;
        return texts;
    }
}

std::vector<Cell> WrongPieces(const Board& board)
{
    std::vector<Cell> wrong;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const auto value = board.CurrentGrid[x][y];
            if (value != EmptyCell && value != board.SolutionGrid[x][y])
                wrong.push_back({x, y});
        }
    }
    return wrong;
}

HintChoice ChooseHint(Board& board, Random& random, const CombinationLists& lists)
{
    HintChoice choice;
    choice.wrong = WrongPieces(board);
    if (!choice.wrong.empty()) {
        choice.kind = HintChoice::Kind::WrongPieces;
        return choice;
    }
    const CandidateTexts texts = HintCandidates(board, lists, 4);
    std::vector<Cell> cells;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            if (texts[x][y].IsSingle() && board.StartGrid[x][y] == EmptyCell)
                cells.push_back({x, y});
        }
    }
    if (cells.empty())
        return choice;
    choice.kind = HintChoice::Kind::Placed;
    choice.cell = cells[random.Draw(static_cast<std::uint32_t>(cells.size()))];
    choice.value = board.SolutionGrid[choice.cell.x][choice.cell.y];
    board.CurrentGrid[choice.cell.x][choice.cell.y] = static_cast<std::uint8_t>(choice.value);
    return choice;
}

} // namespace engine
