#include "engine/Recount.h"

#include <sstream>

std::string Where(const Cell* c)
{
    if (!c)
        return "none";
    std::ostringstream out;
    out << '(' << c->x << ',' << c->y << ')';
    return out.str();
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
    std::ostringstream out;
    std::vector<int32_t> owner(e.numFives), count(e.numFives);
    for (uint32_t i = 0; i < e.numFives; ++i) {
        int stones[2] = {0, 0};
        for (const Cell* c : e.fives[i].cells)
            if (c->owner == Human || c->owner == Computer)
                ++stones[c->owner];
        if (stones[0] && stones[1]) {
            owner[i] = Nobody;
            count[i] = -1;
        } else if (stones[0] || stones[1]) {
            owner[i] = stones[0] ? Human : Computer;
            count[i] = stones[0] + stones[1];
        } else {
            owner[i] = Nobody;
            count[i] = 0;
        }
        if (e.fives[i].owner != owner[i] || e.fives[i].count != count[i]) {
            out << "five " << i << " reads (" << e.fives[i].owner << "," << e.fives[i].count
                << "), its stones say (" << owner[i] << "," << count[i] << ")";
            return out.str();
        }
    }
    uint32_t empty = 0;
    for (uint32_t i = 0; i < e.width * e.height; ++i) {
        const Cell& c = e.cells[i];
        if (c.owner == Nobody)
            ++empty;
        for (int p = 0; p < 2; ++p) {
            uint32_t expected = c.fiveCount;
            for (uint32_t k = 0; k < c.fiveCount; ++k) {
                const long f = IndexOf(e, c.fives[k]);
                if (owner[f] == p)
                    expected += e.scoreTable[count[f]];
            }
            if (c.score[p] != expected) {
                out << "cell " << Where(&c) << " score[" << p << "] is " << c.score[p] << ", its fives say "
                    << expected;
                return out.str();
            }
        }
    }
    if (e.freeCells != empty) {
        out << "freeCells is " << e.freeCells << ", the board has " << empty << " empty cells";
        return out.str();
    }
    return "";
}

std::string EngineDifference(const CEngine& a, const CEngine& b)
{
    std::ostringstream out;
    if (a.width != b.width || a.height != b.height || a.numFives != b.numFives)
        return "different sizes";
    for (uint32_t i = 0; i < a.width * a.height; ++i) {
        const Cell &ca = a.cells[i], &cb = b.cells[i];
        bool same = ca.x == cb.x && ca.y == cb.y && ca.owner == cb.owner && ca.fiveCount == cb.fiveCount
            && ca.score[0] == cb.score[0] && ca.score[1] == cb.score[1];
        for (uint32_t k = 0; same && k < ca.fiveCount; ++k)
            same = IndexOf(a, ca.fives[k]) == IndexOf(b, cb.fives[k]);
        if (!same) {
            out << "cell " << i << " differs";
            return out.str();
        }
    }
    for (uint32_t i = 0; i < a.numFives; ++i) {
        const Five &fa = a.fives[i], &fb = b.fives[i];
        bool same = fa.owner == fb.owner && fa.count == fb.count;
        for (int k = 0; same && k < 5; ++k)
            same = IndexOf(a, fa.cells[k]) == IndexOf(b, fb.cells[k]);
        if (!same) {
            out << "five " << i << " differs";
            return out.str();
        }
    }
    if (a.freeCells != b.freeCells)
        return "freeCells differ";
    if (a.state != b.state)
        return "state differs";
    if (IndexOf(a, a.winningFive) != IndexOf(b, b.winningFive))
        return "winningFive differs";
    return "";
}
