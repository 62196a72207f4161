#include "engine/Recount.h"

#include "engine/Ladder.h"

#include <bit>

std::string Where(const Cell* c)
{
    return c ? std::to_string(c->x).insert(0, 1, '(') + ',' + std::to_string(c->y) + ')' : "none";
}

void InitBoard(CEngine& e, uint32_t w, uint32_t h)
{
    e.width = w;
    e.height = h;
    e.Init();
}

void PlaceStones(CEngine& e, const std::vector<Stone>& stones)
{
    for (const Stone& s : stones)
        e.Place(s.player, e.CellAt(s.x, s.y));
}

std::string RecountMismatch(const CEngine& e)
{
    const Five* fives = e.fives.get();
    std::vector<int32_t> owner(e.numFives), count(e.numFives);
    for (uint32_t i = 0; i < e.numFives; ++i) {
        unsigned mine[2] = {0, 0};  // bit k: that side's stone in cell k
        for (unsigned k = 0; k < 5; ++k)
            if (fives[i].cells[k]->owner != Nobody)
                mine[fives[i].cells[k]->owner] |= 1u << k;
        const int n[2] = {std::popcount(mine[0]), std::popcount(mine[1])};
        owner[i] = n[0] && !n[1] ? Human : n[1] && !n[0] ? Computer : Nobody;
        count[i] = n[0] && n[1] ? -1 : n[0] + n[1];
        // Six-cell patterns need the cell after the five empty, its line going on.
        const bool sixth = i + 1 < e.numFives && fives[i + 1].cells[0] == fives[i].cells[1]
            && fives[i + 1].cells[4]->owner == Nobody;
        bool right = fives[i].owner == owner[i] && fives[i].count == count[i]
            && e.completeFives.Contains(i) == (count[i] == 5);
        for (Player q : {Human, Computer}) {
            const unsigned m = owner[i] == q ? mine[q] : 0;
            right = right && e.fours[q].Contains(i) == (std::popcount(m) == 4)
                && e.framedThrees[q].Contains(i) == (m == 0b01110)
                && e.splitThrees[q].Contains(i) == (sixth && (m == 0b11010 || m == 0b10110))
                && e.openThrees[q].Contains(i) == (sixth && (m == 0b01110 || m == 0b11100));
        }
        if (!right)
            return "five " + std::to_string(i) + " is out of step with its stones";
    }
    uint32_t empty = 0;
    for (const Cell* c = e.cells.get(); c != e.cells.get() + e.width * e.height; ++c) {
        empty += c->owner == Nobody;
        for (int p = 0; p < 2; ++p) {
            uint32_t expected = c->fiveCount;
            for (uint32_t k = 0; k < c->fiveCount; ++k)
                expected += owner[c->fives[k] - fives] == p ? e.scoreTable[count[c->fives[k] - fives]] : 0;
            if (c->score[p] != expected)
                return "cell " + Where(c) + " scores " + std::to_string(c->score[p]) + " for "
                    + std::to_string(p);
        }
    }
    if (e.freeCells != empty)
        return "freeCells is " + std::to_string(e.freeCells);
    for (Player q : {Human, Computer})
        if (e.BestCell(q) != LadderRuleFor(e, LadderRule::BestOfCells, q))
            return "the best cell for " + std::to_string(q) + " is " + Where(e.BestCell(q));
    return "";
}

// Every field that the position decides, in one list: sizes, outcome, cells, fives.
static std::vector<int64_t> Fields(const CEngine& e)
{
    std::vector<int64_t> v = {
        e.width, e.height, e.freeCells, e.state, e.winningFive ? e.winningFive - e.fives.get() : -1};
    for (const Cell* c = e.cells.get(); c != e.cells.get() + e.width * e.height; ++c)
        v.insert(v.end(), {c->owner, c->fiveCount, c->score[0], c->score[1]});
    for (const Five* f = e.fives.get(); f != e.fives.get() + e.numFives; ++f)
        v.insert(v.end(), {f->owner, f->count});
    return v;
}

std::string EngineDifference(const CEngine& a, const CEngine& b)
{
    if (Fields(a) != Fields(b))
        return "a size, the outcome, a cell or a five differs";
    bool same = a.completeFives == b.completeFives;
    for (int q : {Human, Computer})
        same = same && a.fours[q] == b.fours[q] && a.framedThrees[q] == b.framedThrees[q]
            && a.splitThrees[q] == b.splitThrees[q] && a.openThrees[q] == b.openThrees[q]
            && a.ranking[q] == b.ranking[q];
    return same ? "" : "the kept sets or cell rankings differ";
}
