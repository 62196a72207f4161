#include "engine/Ladder.h"

Cell* Ladder(const CEngine& e, int32_t p)
{
    const int32_t o = CEngine::Opponent(p);
    using Rule = Cell* (CEngine::*)(int32_t) const;
    for (Rule rule :
        {&CEngine::FindFour, &CEngine::FindSplitThree, &CEngine::FindOpenThree, &CEngine::FindBestThree})
        for (int32_t q : {p, o})
            if (Cell* c = (e.*rule)(q))
                return c;
    Cell* a = e.BestCell(p);
    Cell* d = e.BestCell(o);
    if (!a || !d)
        return a ? a : d;
    return a->score[p] >= d->score[o] ? a : d;
}
