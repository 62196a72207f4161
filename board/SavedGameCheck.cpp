// What a saved game's header must be before its record is even replayed.
#include "BoardSize.h"
#include "SavedGameCodec.h"

std::string HeaderProblem(const SavedGame& g)
{
    if (g.width < MinBoardCols || g.width > MaxBoardSide || g.height < MinBoardRows
        || g.height > MaxBoardSide)
        return "board size out of range";
    if (g.currentTurn < -1 || g.currentTurn > g.lastTurn)
        return "current turn outside -1 .. last turn";
    // The size is known to be in range here, so the room fits in 32 bits.
    if (int64_t(g.lastTurn) + 1 > int64_t(RecordRoom(g.width, g.height)))
        return "more turns than a full board holds";
    const ViewPlace& v = g.view;
    if (v.visibleCols < 1 || uint64_t(v.scrollX) + v.visibleCols > g.width)
        return "visible columns outside the board";
    if (v.visibleRows < 1 || uint64_t(v.scrollY) + v.visibleRows > g.height)
        return "visible rows outside the board";
    return "";
}
