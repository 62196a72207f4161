#include "engine/Ladder.h"

namespace {

bool Empty(const Cell* c)
{
    return c->owner == Nobody;
}

// The five after fives[i] when it continues fives[i] along its line.
const Five* Successor(const CEngine& e, uint32_t i)
{
    const Five* g = i + 1 < e.numFives ? &e.fives[i + 1] : nullptr;
    return g && g->cells[0] == e.fives[i].cells[1] ? g : nullptr;
}

Cell* FindFour(const CEngine& e, int32_t q)
{
    for (uint32_t i = 0; i < e.numFives; ++i)
        if (e.fives[i].owner == q && e.fives[i].count == 4)
            for (Cell* c : e.fives[i].cells)
                if (Empty(c))
                    return c;
    return nullptr;
}

Cell* FindSplitThree(const CEngine& e, int32_t q)
{
    for (uint32_t i = 0; i + 1 < e.numFives; ++i) {
        const Five& f = e.fives[i];
        const Five* g = Successor(e, i);
        Cell* const* c = f.cells;
        if (g && f.count == 3 && f.owner == q && g->owner == q && Empty(c[0]) && Empty(g->cells[4])
            && c[1]->owner == q && c[4]->owner == q)
            return Empty(c[2]) ? c[2] : c[3];
    }
    return nullptr;
}

Cell* FindOpenThree(const CEngine& e, int32_t q)
{
    for (uint32_t i = 0; i + 1 < e.numFives; ++i) {
        const Five& f = e.fives[i];
        const Five* g = Successor(e, i);
        if (!g || !Empty(f.cells[0]) || f.count != 3 || f.owner != q || !Empty(g->cells[4]))
            continue;
        if (Empty(f.cells[4]))
            return f.cells[4];
        if (Empty(f.cells[1]))
            return f.cells[1];
    }
    return nullptr;
}

Cell* FindBestThree(const CEngine& e, int32_t q)
{
    const Five* best = nullptr;
    uint32_t bestSum = 0;
    for (uint32_t i = 0; i < e.numFives; ++i) {
        const Five& f = e.fives[i];
        if (f.owner != q || f.count != 3 || !Empty(f.cells[0]) || !Empty(f.cells[4]))
            continue;
        uint32_t sum = 0;
        for (const Cell* c : f.cells)
            sum += c->score[q];
        if (sum > bestSum) {
            bestSum = sum;
            best = &f;
        }
    }
    if (!best)
        return nullptr;
    return best->cells[0]->score[q] > best->cells[4]->score[q] ? best->cells[0] : best->cells[4];
}

Cell* BestCell(const CEngine& e, int32_t q)
{
    Cell* best = nullptr;
    uint32_t bestScore = 0;
    for (uint32_t i = 0; i < e.width * e.height; ++i)
        if (Empty(&e.cells[i]) && e.cells[i].score[q] > bestScore) {
            bestScore = e.cells[i].score[q];
            best = &e.cells[i];
        }
    return best;
}

}  // namespace

Cell* LadderRuleFor(const CEngine& e, LadderRule r, int32_t q)
{
    switch (r) {
    case LadderRule::Four: return FindFour(e, q);
    case LadderRule::SplitThree: return FindSplitThree(e, q);
    case LadderRule::OpenThree: return FindOpenThree(e, q);
    case LadderRule::BestThree: return FindBestThree(e, q);
    case LadderRule::BestOfCells: return BestCell(e, q);
    }
    return nullptr;
}

Cell* Ladder(const CEngine& e, int32_t p)
{
    const int32_t o = CEngine::Opponent(p);
    for (LadderRule r :
        {LadderRule::Four, LadderRule::SplitThree, LadderRule::OpenThree, LadderRule::BestThree})
        for (int32_t q : {p, o})
            if (Cell* c = LadderRuleFor(e, r, q))
                return c;
    Cell* a = BestCell(e, p);
    Cell* d = BestCell(e, o);
    if (!a || !d)
        return a ? a : d;
    return a->score[p] >= d->score[o] ? a : d;
}
