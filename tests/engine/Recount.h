// Test helpers: the engine's incremental bookkeeping recomputed from the
// stones alone, and positions set up from a picture.
#pragma once

#include "Engine.h"

#include <string>
#include <vector>

// Recounts every five, every cell score and the free cells from the cells'
// owners, and returns a description of the first difference, or "" when the
// engine agrees with the recount.
std::string RecountMismatch(const CEngine& e);

// Returns a description of the first field in which two engines of the same
// size differ (links compared as array indices), or "" when they are equal.
std::string EngineDifference(const CEngine& a, const CEngine& b);

// Makes e a fresh w x h board.
void InitBoard(CEngine& e, uint32_t w, uint32_t h);

struct Stone {
    uint32_t x, y;
    int32_t player;
};
void PlaceStones(CEngine& e, const std::vector<Stone>& stones);

// The index of a five or cell in its array, for readable comparisons.
inline long IndexOf(const CEngine& e, const Five* f)
{
    return f ? long(f - e.fives.get()) : -1;
}
inline long IndexOf(const CEngine& e, const Cell* c)
{
    return c ? long(c - e.cells.get()) : -1;
}

// "(x,y)" of a cell, or "none".
std::string Where(const Cell* c);
