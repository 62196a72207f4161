// What a saved game must be before it may replace the game on the board: a
// game this program could have played. The board's own replay trusts it.
#include "BoardSize.h"
#include "Engine.h"
#include "SavedGame.h"

namespace {

bool Over(const CEngine& e)
{
    return e.state == Won || e.state == BoardFull;
}

// Places one recorded move on the scratch board, or says why it cannot be.
std::string PlayRecorded(CEngine& e, Player player, uint32_t x, uint32_t y, int32_t turn)
{
    const char* who = player == Human ? "the human's move" : "the reply";
    if (x >= e.width || y >= e.height)
        return std::string(who) + " of turn " + std::to_string(turn) + " lies off the board";
    Cell* c = e.CellAt(x, y);
    if (c->owner != Nobody)
        return std::string(who) + " of turn " + std::to_string(turn) + " lands on a stone";
    e.Place(player, c);
    e.CheckOutcome();
    return "";
}

}  // namespace

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

std::string RecordProblem(const SavedGame& g)
{
    if (g.record.size() != size_t(g.lastTurn + 1))
        return "record length differs from the last turn";
    CEngine e;
    e.width = g.width;
    e.height = g.height;
    e.Init();
    for (int32_t i = 0; i <= g.lastTurn; ++i) {
        const TurnRecord& t = g.record[size_t(i)];
        const bool last = i == g.lastTurn;
        if (last && !g.lastHasHuman)
            return "the last turn holds no human move";
        if (Over(e))
            return "turn " + std::to_string(i) + " follows the end of the game";
        if (std::string problem = PlayRecorded(e, Human, t.humanX, t.humanY, i); !problem.empty())
            return problem;
        const bool holdsReply = !last || g.lastHasReply;
        if (holdsReply && Over(e))
            return "turn " + std::to_string(i) + " has a reply after the game ended";
        if (!holdsReply && !Over(e))
            return "the last turn lacks the reply though the game went on";
        if (holdsReply) {
            if (std::string problem = PlayRecorded(e, Computer, t.replyX, t.replyY, i); !problem.empty())
                return problem;
        }
    }
    return "";
}
