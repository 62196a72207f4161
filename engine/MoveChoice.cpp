// The computer's choice of move: a fixed ladder of pattern rules over the
// fives, each tried for the attacker and then for the defender, ending with
// the best-scored empty cells of both sides. One move deep, no randomness.
#include "Engine.h"

namespace {

bool IsEmpty(const Cell* c)
{
    return c->owner == Nobody;
}

// The five that continues f by one cell along the same line, or nullptr.
// The enumeration puts it right after f, and no unrelated neighbour shares
// this link, so the test is exact.
const Five* Successor(const CEngine& e, const Five* f)
{
    const Five* g = f + 1;
    if (g == e.fives.get() + e.numFives || g->cells[0] != f->cells[1])
        return nullptr;
    return g;
}

// Each rule looks at one five (and its successor, for the six-cell patterns).
// The Find* scans and the fused scan of ChooseMove share them.

Cell* FourGap(const Five& f, int32_t q)
{
    if (f.owner != q || f.count != 4)
        return nullptr;
    for (Cell* c : f.cells)
        if (IsEmpty(c))
            return c;
    return nullptr;
}

// Six cells empty, q, q-or-gap, q-or-gap, q, empty: fill the gap.
Cell* SplitThreeGap(const Five& f, const Five* g, int32_t q)
{
    if (!g || f.count != 3 || f.owner != q || g->owner != q)
        return nullptr;
    Cell* const* c = f.cells;
    if (!IsEmpty(c[0]) || !IsEmpty(g->cells[4]) || c[1]->owner != q || c[4]->owner != q)
        return nullptr;
    return IsEmpty(c[2]) ? c[2] : c[3];
}

// Six cells empty, three of q, empty, empty (A) or empty, empty, three of q,
// empty (B): the cell that makes an open four.
Cell* OpenThreeEnd(const Five& f, const Five* g, int32_t q)
{
    if (!g || f.count != 3 || f.owner != q)
        return nullptr;
    Cell* const* c = f.cells;
    if (!IsEmpty(c[0]) || !IsEmpty(g->cells[4]))
        return nullptr;
    if (IsEmpty(c[4]))
        return c[4];
    if (IsEmpty(c[1]))
        return c[1];
    return nullptr;
}

// The worth of a five reading empty, three of q, empty; 0 when it does not
// read so. A qualifying sum is never 0, since every score is at least 1.
uint32_t OpenThreeWorth(const Five& f, int32_t q)
{
    if (f.owner != q || f.count != 3 || !IsEmpty(f.cells[0]) || !IsEmpty(f.cells[4]))
        return 0;
    uint32_t sum = 0;
    for (const Cell* c : f.cells)
        sum += c->score[q];
    return sum;
}

Cell* BetterEnd(const Five& f, int32_t q)
{
    return f.cells[0]->score[q] > f.cells[4]->score[q] ? f.cells[0] : f.cells[4];
}

}  // namespace

Cell* CEngine::FindFour(int32_t q) const
{
    for (uint32_t i = 0; i < numFives; ++i)
        if (Cell* c = FourGap(fives[i], q))
            return c;
    return nullptr;
}

Cell* CEngine::FindSplitThree(int32_t q) const
{
    for (uint32_t i = 0; i + 1 < numFives; ++i)
        if (Cell* c = SplitThreeGap(fives[i], Successor(*this, &fives[i]), q))
            return c;
    return nullptr;
}

Cell* CEngine::FindOpenThree(int32_t q) const
{
    for (uint32_t i = 0; i + 1 < numFives; ++i)
        if (Cell* c = OpenThreeEnd(fives[i], Successor(*this, &fives[i]), q))
            return c;
    return nullptr;
}

Cell* CEngine::FindBestThree(int32_t q) const
{
    const Five* best = nullptr;
    uint32_t bestSum = 0;
    for (uint32_t i = 0; i < numFives; ++i) {
        const uint32_t sum = OpenThreeWorth(fives[i], q);
        if (sum > bestSum) {
            bestSum = sum;
            best = &fives[i];
        }
    }
    return best ? BetterEnd(*best, q) : nullptr;
}

Cell* CEngine::BestCell(int32_t q) const
{
    Cell* best = nullptr;
    uint32_t bestScore = 0;
    for (uint32_t i = 0; i < width * height; ++i) {
        Cell* c = &cells[i];
        if (IsEmpty(c) && c->score[q] > bestScore) {
            bestScore = c->score[q];
            best = c;
        }
    }
    return best;
}

// Gives exactly the answer of trying FindFour, FindSplitThree, FindOpenThree
// and FindBestThree for p and then for the opponent in turn, and then
// comparing BestCell of both; but it reads the five array once instead of
// eight times, which is what keeps the reply instant on a 100 x 100 board.
// Only fives holding three or four stones of one side can match any rule.
Cell* CEngine::ChooseMove(int32_t p) const
{
    const int32_t o = Opponent(p);
    enum { Four, SplitThree, OpenThree, Rules };
    Cell* first[Rules][2] = {};  // [rule][0 attack, 1 defence]: first hit
    const Five* bestThree[2] = {};
    uint32_t bestThreeSum[2] = {};

    for (uint32_t i = 0; i < numFives; ++i) {
        const Five& f = fives[i];
        if (f.count != 3 && f.count != 4)
            continue;
        const int32_t q = f.owner;
        const int side = q == p ? 0 : 1;
        if (f.count == 4) {
            if (!first[Four][side])
                first[Four][side] = FourGap(f, q);
            if (side == 0 && first[Four][0])
                return first[Four][0];  // nothing ranks above winning
            continue;
        }
        const Five* g = i + 1 < numFives ? Successor(*this, &f) : nullptr;
        if (!first[SplitThree][side])
            first[SplitThree][side] = SplitThreeGap(f, g, q);
        if (!first[OpenThree][side])
            first[OpenThree][side] = OpenThreeEnd(f, g, q);
        const uint32_t sum = OpenThreeWorth(f, q);
        if (sum > bestThreeSum[side]) {
            bestThreeSum[side] = sum;
            bestThree[side] = &f;
        }
    }

    for (auto& hits : first)
        for (Cell* c : hits)
            if (c)
                return c;
    if (bestThree[0])
        return BetterEnd(*bestThree[0], p);
    if (bestThree[1])
        return BetterEnd(*bestThree[1], o);

    Cell* attack = BestCell(p);
    Cell* defence = BestCell(o);
    if (!attack || !defence)
        return attack ? attack : defence;
    return attack->score[p] >= defence->score[o] ? attack : defence;
}
