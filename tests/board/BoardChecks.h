// Checks shared by the turn-flow tests: the menu as a player sees it, the
// pixel at the middle of a square, and the rule that what the game operations
// drew square by square is exactly what a full repaint draws.
#pragma once

#include "Board.h"
#include "BoardWindows.h"
#include "SquareModel.h"

#include <string>

// The enabled items among New, Undo, Redo and Hint, e.g. "New Undo Hint".
inline std::string Menu(const BoardWindows& win)
{
    std::string s;
    auto add = [&](UINT id, const char* name) {
        if (win.Enabled(id))
            s += s.empty() ? name : std::string(" ") + name;
    };
    add(IDM_NEW, "New");
    add(IDM_UNDO, "Undo");
    add(IDM_REDO, "Redo");
    add(IDM_HINT, "Hint");
    return s;
}

// A client pixel in the middle of the square at board column c, row r.
inline int PixelX(const CBoard& b, uint32_t c)
{
    return 17 * int(c - b.scrollX) + 9;
}
inline int PixelY(const CBoard& b, uint32_t r)
{
    return 17 * int(r - b.scrollY) + 9;
}

// Clicks the square at column c, row r of the board.
inline void Click(CBoard& b, uint32_t c, uint32_t r)
{
    b.Play(PixelX(b, c), PixelY(b, r), false);
}

// Paints the view from scratch, as the view does on a paint request.
inline void PaintView(const BoardWindows& win, CBoard& board)
{
    HDC dc = GetDC(win.view);
    board.Paint(dc);
    ReleaseDC(win.view, dc);
}

// Repaints the whole view and returns where the picture changed, or "" when
// the squares drawn by the game operations already showed exactly that.
inline std::string RepaintDifference(const BoardWindows& win, CBoard& board)
{
    const Picture drawn = win.Snapshot();
    PaintView(win, board);
    return FirstDifference(drawn, win.Snapshot());
}

// How the square at board column c, row r looks on screen: "" when it shows
// the owner's mark (none for Nobody) on the interior colour given.
inline std::string SquareMismatch(
    const BoardWindows& win, const CBoard& b, uint32_t c, uint32_t r, int32_t owner, Colour interior)
{
    const Picture p = win.Snapshot();
    const int vc = int(c - b.scrollX), vr = int(r - b.scrollY);
    return owner == Nobody ? EmptySquareMismatch(p, vc, vr, interior)
                           : MarkedSquareMismatch(p, vc, vr, owner, interior);
}
