// One square as the game asks the window to draw it.
#pragma once

#include "Cell.h"

#include <cstdint>
#include <vector>

enum SquareStyle : int32_t {
    Normal = 0,  // grey interior, fresh frame
    WinningFive = 1,  // yellow interior
    LastMove = 2,  // white interior
    MarkOnly = 3,  // the mark alone, interior and frame untouched
};

struct SquareDraw {
    uint32_t x;
    uint32_t y;
    Player owner;
    SquareStyle style;

    bool operator==(const SquareDraw&) const = default;
};

// Squares in the order they are drawn: a later draw of a square covers an
// earlier one, but for MarkOnly, which adds its mark.
using SquareDraws = std::vector<SquareDraw>;
