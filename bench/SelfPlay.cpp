#include "SelfPlay.h"

#include <algorithm>
#include <random>

namespace {

// A human who wins when they can and always blocks the computer's threats,
// but otherwise plays a square of their own near the last moves half of the
// time: the engine against itself ends in a few dozen moves, which gives no
// real middle or end game.
Cell* HumanMove(CEngine& e, std::mt19937& rng, const std::vector<const Cell*>& moves)
{
    for (Cell* forced :
        {e.FindFour(Human), e.FindFour(Computer), e.FindSplitThree(Computer), e.FindOpenThree(Computer)})
        if (forced)
            return forced;
    if (moves.empty() || rng() % 2 == 0)
        return e.ChooseMove(Human);
    const Cell* near = moves[moves.size() - 1 - rng() % std::min<size_t>(moves.size(), 6)];
    for (int attempt = 0; attempt < 50; ++attempt) {
        const int64_t x = int64_t(near->x) + int64_t(rng() % 5) - 2;
        const int64_t y = int64_t(near->y) + int64_t(rng() % 5) - 2;
        if (x >= 0 && y >= 0 && x < int64_t(e.width) && y < int64_t(e.height)) {
            Cell* c = e.CellAt(uint32_t(x), uint32_t(y));
            if (c->owner == Nobody)
                return c;
        }
    }
    return e.ChooseMove(Human);
}

}  // namespace

std::vector<const Cell*> SelfPlayedGame(CEngine& e, uint32_t w, uint32_t h)
{
    e.width = w;
    e.height = h;
    e.Init();
    std::mt19937 rng(2026);
    std::vector<const Cell*> moves;
    e.state = InPlay;
    while (e.state == InPlay) {
        const Player side = moves.size() % 2 == 0 ? Human : Computer;
        Cell* c = side == Human ? HumanMove(e, rng, moves) : e.ChooseMove(Computer);
        e.Place(side, c);
        e.CheckOutcome();
        moves.push_back(c);
    }
    return moves;
}

void ReplayPrefix(CEngine& e, uint32_t w, uint32_t h, const std::vector<const Cell*>& game, size_t moves)
{
    e.width = w;
    e.height = h;
    e.Init();
    for (size_t i = 0; i < moves && i < game.size(); ++i)
        e.Place(i % 2 == 0 ? Human : Computer, e.CellAt(game[i]->x, game[i]->y));
}
