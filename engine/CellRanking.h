// The cells of the board ranked for one player, as the move choice's last
// rule wants them: the empty cell with the highest score first, and among
// equal scores the first in row-major order. A tournament tree whose leaves
// are the cells: a changed cell climbs only as far as it changes the winners.
#pragma once

#include "Cell.h"

#include <cstdint>
#include <vector>

class CellRanking {
public:
    static constexpr uint32_t none = UINT32_MAX;
    // Places in the row-major array that a key can tell apart.
    static constexpr uint32_t maxCells = uint32_t(1) << 21;

    // Ranks the count cells from first for player; count is at most maxCells.
    // May raise std::bad_alloc.
    void Build(const Cell* first, uint32_t count, Player player);
    // Takes in a change of c's owner or of its score for this player.
    void Refresh(const Cell& c);
    // The place of the best empty cell, or none when no cell is empty.
    uint32_t Best() const;

    bool operator==(const CellRanking& other) const { return node == other.node; }

private:
    uint32_t Key(const Cell& c) const;

    const Cell* cells = nullptr;
    uint32_t leaves = 0;
    Player player = Human;
    // node[1] is the root, node[i] the larger of node[2i] and node[2i+1], and
    // node[leaves + k] the key of cell k.
    std::vector<uint32_t> node;
};
