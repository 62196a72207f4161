// The two records the engine is built of: one square of the board, and one
// window of five consecutive squares through it. The sets and the rankings
// of the engine hold them too.
#pragma once

#include <cstdint>

// Who a stone, a cell or a five belongs to.
enum Player : int32_t {
    Human = 0,  // crosses, moves first
    Computer = 1,  // circles
    Nobody = 2,  // an empty cell, or a five that is empty or blocked
};

struct Five;

// One square of the board.
struct Cell {
    uint32_t x;
    uint32_t y;
    Player owner;
    uint32_t fiveCount;
    Five* fives[20];  // the first fiveCount, in enumeration order
    uint32_t score[2];  // worth of this square to the human and to the computer
};

// One window of five consecutive squares along a row, a column or a diagonal.
struct Five {
    Player owner;  // Human or Computer when only its stones lie here, else Nobody
    int32_t count;  // the owner's stones, 0..5; -1 when blocked by both sides
    Cell* cells[5];  // in line order
};

inline bool IsEmpty(const Cell* c)
{
    return c->owner == Nobody;
}
