#include "RecordReplay.h"

namespace {

bool Over(const CEngine& e)
{
    return e.state == Won || e.state == BoardFull;
}

// Places one recorded move, or says why it cannot be.
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

std::string ReplayTurns(CEngine& e, const GameFields& fields, const TurnRecord* turns, int32_t upTo)
{
    for (int32_t i = 0; i <= upTo; ++i) {
        const TurnRecord& t = turns[i];
        const bool last = i == fields.lastTurn;
        if (last && !fields.lastHasHuman)
            return "the last turn holds no human move";
        if (Over(e))
            return "turn " + std::to_string(i) + " follows the end of the game";
        if (std::string problem = PlayRecorded(e, Human, t.humanX, t.humanY, i); !problem.empty())
            return problem;
        const bool holdsReply = !last || fields.lastHasReply;
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

std::string RecordProblem(const SavedGame& g)
{
    if (g.record.size() != size_t(g.lastTurn + 1))
        return "record length differs from the last turn";
    CEngine e;
    e.width = g.width;
    e.height = g.height;
    e.Init();
    return ReplayTurns(e, g, g.record.data(), g.lastTurn);
}
