// Where a pixel of the board view lies on the board. Plain arithmetic, kept
// apart from the windows so that it is tested without one.
#pragma once

#include <cstdint>

// One board square on screen: 16 pixels and a 1-pixel grid line.
constexpr int SquarePixels = 17;

// The column (or row) a click at view pixel p plays, with the view scrolled
// to origin. Each square owns its right and bottom grid line, and the dark
// outer line at 0 (or a point left of the view) belongs to the first shown
// square. No range check: the caller knows how far the view reaches.
inline uint32_t SquareAtPixel(int p, uint32_t origin)
{
    return (p > 0 ? uint32_t(p - 1) / SquarePixels : 0) + origin;
}

// The 1-based column (or row) the status panel names for the pointer at view
// pixel p: a rule of its own, not the square a click there plays. It divides
// p itself, so the last pixel of each square already names the next one.
inline int32_t SquareNumberAtPixel(int p, uint32_t origin)
{
    return p / SquarePixels + int32_t(origin) + 1;
}
