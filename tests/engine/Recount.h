// Test helpers: the engine's bookkeeping recomputed from the stones alone.
#pragma once

#include "Engine.h"

#include <string>
#include <vector>

// Recounts fives, scores, free cells, the move choice's sets and best cells from
// the cells' owners alone: the first difference, or "" when the engine agrees.
std::string RecountMismatch(const CEngine& e);

// The first field in which two engines differ, or "" when they are equal.
std::string EngineDifference(const CEngine& a, const CEngine& b);

void InitBoard(CEngine& e, uint32_t w, uint32_t h);

struct Stone {
    uint32_t x, y;
    Player player;
};
void PlaceStones(CEngine& e, const std::vector<Stone>& stones);

// "(x,y)" of a cell, or "none".
std::string Where(const Cell* c);
