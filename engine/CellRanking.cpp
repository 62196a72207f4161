#include "CellRanking.h"

#include "Cell.h"

#include <algorithm>

namespace {

constexpr uint32_t placeMask = CellRanking::maxCells - 1;

}  // namespace

// An empty cell's key holds its score above its place counted from the end,
// so that the larger key is the higher score and, on equal scores, the
// earlier cell. A score is at most 20 + 20 * 62 = 1260, which leaves room in
// the 11 bits above the place; an occupied cell's key, 0, loses to them all.
uint32_t CellRanking::Key(const Cell& c) const
{
    if (c.owner != Nobody)
        return 0;
    return c.score[player] << 21 | (placeMask - uint32_t(&c - cells));
}

void CellRanking::Build(const Cell* first, uint32_t count, Player p)
{
    cells = first;
    leaves = count;
    player = p;
    node.assign(size_t(count) * 2, 0);
    for (uint32_t k = 0; k < count; ++k)
        node[count + k] = Key(first[k]);
    for (uint32_t i = count - 1; i >= 1; --i)
        node[i] = std::max(node[2 * i], node[2 * i + 1]);
}

void CellRanking::Refresh(const Cell& c)
{
    uint32_t i = leaves + uint32_t(&c - cells);
    const uint32_t key = Key(c);
    if (node[i] == key)
        return;
    node[i] = key;
    for (i /= 2; i >= 1; i /= 2) {
        const uint32_t winner = std::max(node[2 * i], node[2 * i + 1]);
        if (node[i] == winner)
            break;
        node[i] = winner;
    }
}

uint32_t CellRanking::Best() const
{
    return node[1] == 0 ? none : placeMask - (node[1] & placeMask);
}
