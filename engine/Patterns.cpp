// The fives and stretches that the rules of the move choice look for, kept in
// their sets stone by stone: a stone changes only the fives through it and the
// stretches of six cells that hold it.
#include "Engine.h"

// Whether the five after fives[i] continues it by one cell along its line;
// the enumeration order makes this link exact.
bool CEngine::Continues(uint32_t i) const
{
    return i + 1 < numFives && fives[i + 1].cells[0] == fives[i].cells[1];
}

void CEngine::ClassifyFive(uint32_t i)
{
    const Five& f = fives[i];
    const bool framed = f.count == 3 && IsEmpty(f.cells[0]) && IsEmpty(f.cells[4]);
    for (int32_t q : {Human, Computer}) {
        fours[q].Assign(i, f.owner == q && f.count == 4);
        framedThrees[q].Assign(i, f.owner == q && framed);
    }
    completeFives.Assign(i, f.count == 5);
}

// The stretch of fives[i]: its cells c0..c4 and c5, the last cell of the five
// that continues it. Empty at both ends with three stones of one side in five
// cells, the four cells between hold those three and one gap.
void CEngine::ClassifyStretch(uint32_t i)
{
    const Five& f = fives[i];
    const bool three = f.count == 3 && IsEmpty(f.cells[0]) && Continues(i) && IsEmpty(fives[i + 1].cells[4]);
    const bool gapInside = three && !IsEmpty(f.cells[1]) && !IsEmpty(f.cells[4]);
    for (int32_t q : {Human, Computer}) {
        splitThrees[q].Assign(i, f.owner == q && gapInside);
        openThrees[q].Assign(i, f.owner == q && three && !gapInside);
    }
}

// After a stone came onto c or left it: the fives through c, their stretches,
// and on each line the stretch that reaches c only with its last cell, which
// begins one five before the first five through c.
void CEngine::UpdateAround(const Cell* c)
{
    for (uint32_t k = 0; k < c->fiveCount; ++k) {
        const Five* f = c->fives[k];
        const uint32_t i = uint32_t(f - fives.get());
        ClassifyFive(i);
        ClassifyStretch(i);
        // When the five before this one holds c too, its stretch was done with it.
        const bool previousDone = k > 0 && c->fives[k - 1] == f - 1;
        if (!previousDone && i > 0 && Continues(i - 1))
            ClassifyStretch(i - 1);
    }
}
