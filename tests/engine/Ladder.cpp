#include "engine/Ladder.h"

#include <algorithm>

namespace {

bool Empty(const Cell* c)
{
    return c->owner == Nobody;
}

// The first five in the array (with the five that continues it, for the
// patterns of six cells) that rule r matches for q, and the cell it gives.
Cell* FirstMatch(const CEngine& e, LadderRule r, Player q)
{
    for (uint32_t i = 0; i < e.numFives; ++i) {
        Cell* const* c = e.fives[i].cells;
        const Five* g = i + 1 < e.numFives && e.fives[i + 1].cells[0] == c[1] ? &e.fives[i + 1] : nullptr;
        const bool mine = e.fives[i].owner == q;
        if (r == LadderRule::Four && mine && e.fives[i].count == 4)
            return *std::find_if(c, c + 5, Empty);
        if (!mine || e.fives[i].count != 3 || !g || !Empty(c[0]) || !Empty(g->cells[4]))
            continue;
        if (r == LadderRule::SplitThree && g->owner == q && c[1]->owner == q && c[4]->owner == q)
            return Empty(c[2]) ? c[2] : c[3];
        if (r == LadderRule::OpenThree && (Empty(c[4]) || Empty(c[1])))
            return Empty(c[4]) ? c[4] : c[1];
    }
    return nullptr;
}

Cell* FindBestThree(const CEngine& e, Player q)
{
    auto worth = [q](const Five& f) {
        uint32_t sum = 0;
        for (const Cell* c : f.cells)
            sum += c->score[q];
        return f.owner == q && f.count == 3 && Empty(f.cells[0]) && Empty(f.cells[4]) ? sum : 0;
    };
    const Five* best = std::max_element(e.fives.get(), e.fives.get() + e.numFives,
        [&](const Five& a, const Five& b) { return worth(a) < worth(b); });
    if (worth(*best) == 0)
        return nullptr;
    return best->cells[0]->score[q] > best->cells[4]->score[q] ? best->cells[0] : best->cells[4];
}

Cell* BestCell(const CEngine& e, Player q)
{
    Cell* best = std::max_element(
        e.cells.get(), e.cells.get() + e.width * e.height, [q](const Cell& a, const Cell& b) {
            return std::pair(Empty(&a), a.score[q]) < std::pair(Empty(&b), b.score[q]);
        });
    return Empty(best) ? best : nullptr;
}

}  // namespace

Cell* LadderRuleFor(const CEngine& e, LadderRule r, Player q)
{
    if (r == LadderRule::BestThree)
        return FindBestThree(e, q);
    return r == LadderRule::BestOfCells ? BestCell(e, q) : FirstMatch(e, r, q);
}

Cell* Ladder(const CEngine& e, Player p)
{
    const Player o = CEngine::Opponent(p);
    for (LadderRule r :
        {LadderRule::Four, LadderRule::SplitThree, LadderRule::OpenThree, LadderRule::BestThree})
        for (Player q : {p, o})
            if (Cell* c = LadderRuleFor(e, r, q))
                return c;
    Cell *a = BestCell(e, p), *d = BestCell(e, o);  // both or neither: the same cells are empty
    return !a ? nullptr : a->score[p] >= d->score[o] ? a : d;
}
