#include "SampleGames.h"

#include "engine/Recount.h"

#include <algorithm>
#include <numeric>
#include <random>

namespace {

SavedGame Empty(uint32_t w, uint32_t h)
{
    return {{-1, -1, 1, 1, 77, {0, 0, std::min(w, 40u), std::min(h, 20u)}}, w, h, {}};
}

bool Over(const CEngine& e)
{
    return e.state == Won || e.state == BoardFull;
}

void Finish(SavedGame& g, bool lastHasReply)
{
    g.lastHasReply = lastHasReply;
    g.lastTurn = g.currentTurn = int32_t(g.record.size()) - 1;
}

}  // namespace

SavedGame SelfPlayed(uint32_t w, uint32_t h, int32_t maxTurns)
{
    CEngine e;
    InitBoard(e, w, h);
    SavedGame g = Empty(w, h);
    Cell* human = e.CellAt(w / 3, h / 3);
    while (int32_t(g.record.size()) < maxTurns) {
        g.record.push_back({human->x, human->y, 0, 0});
        e.Place(Human, human);
        e.CheckOutcome();
        if (Over(e))
            return Finish(g, false), g;
        Cell* reply = e.ChooseMove(Computer);
        g.record.back().replyX = reply->x;
        g.record.back().replyY = reply->y;
        e.Place(Computer, reply);
        e.CheckOutcome();
        if (Over(e))
            break;
        human = e.ChooseMove(Human);
    }
    Finish(g, true);
    return g;
}

SavedGame FilledWithoutFive(uint32_t w, uint32_t h)
{
    // Random fillings until one holds no five: on a board this narrow one
    // comes within a few tries.
    std::mt19937 random(w * 1000 + h);
    std::vector<uint32_t> squares(w * h);
    for (;;) {
        std::iota(squares.begin(), squares.end(), 0u);
        std::shuffle(squares.begin(), squares.end(), random);
        CEngine e;
        InitBoard(e, w, h);
        SavedGame g = Empty(w, h);
        for (size_t i = 0; i < squares.size() && !Over(e); ++i) {
            const uint32_t x = squares[i] % w, y = squares[i] / w;
            if (i % 2 == 0)
                g.record.push_back({x, y, 0, 0});
            else
                g.record.back().replyX = x, g.record.back().replyY = y;
            e.Place(i % 2 == 0 ? Human : Computer, e.CellAt(x, y));
            e.CheckOutcome();
        }
        if (e.state == BoardFull && !e.winningFive) {
            Finish(g, squares.size() % 2 == 0);
            return g;
        }
    }
}

SavedGame WonAcrossTheTop(uint32_t w, uint32_t h)
{
    return {{4, 4, 1, 0, 30, {0, 0, w, h}}, w, h,
        {{0, 0, 0, 5}, {1, 0, 1, 5}, {2, 0, 2, 5}, {3, 0, 3, 5}, {4, 0, 0, 0}}};
}

SavedGame ComputerWon()
{
    return {{4, 4, 1, 1, 30, {0, 0, 12, 7}}, 12, 7,
        {{0, 0, 11, 0}, {2, 3, 11, 1}, {4, 6, 11, 2}, {6, 0, 11, 3}, {8, 3, 11, 4}}};
}
