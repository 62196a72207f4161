// The game on screen: the game's rules in CGame, and here what makes it the
// board view's picture: pixels mapped to squares, the squares drawn as the
// game reports them, the main window's menu greyed as the game's commands
// apply, and saved games read from and written to disk.
#pragma once

#include "Game.h"
#include "GdiOwners.h"
#include "SquareDraw.h"

#include <windows.h>

#include <cstdint>

class CBoard : public CGame {
public:
    // window is the board view; the board draws into it and greys the items
    // of its parent's (the main window's) menu. Raises CEngine::ExMalloc.
    CBoard(HWND window, uint32_t w, uint32_t h);
    CBoard(const CBoard&) = delete;
    CBoard& operator=(const CBoard&) = delete;

    // The cell under a client pixel of the board view, or null when the
    // pixel lies past the last column or row: while the window is being
    // resized the view can reach beyond the board. The one place that decides
    // whether a pixel names a square.
    Cell* SquareAtPixel(int px, int py) const;

    // Plays one turn: the human's move at the pixel (or, with hint set, the
    // engine's suggestion for the human), then at once the computer's reply.
    void Play(int px, int py, bool hint);
    void NewGame();
    void Undo();
    void Redo();

    // Saved games (BoardFile.cpp). Save writes the game to path and reports
    // whether it did; an existing file is replaced only by a complete one.
    // Load returns true when the file became the game, false when it was
    // refused with a message; the game on the board is then untouched. The
    // caller fits the window and the scroll bars to the loaded view.
    bool Save(const wchar_t* path);
    bool Load(const wchar_t* path);

    // Drawing (BoardPaint.cpp).
    void DrawFrame(HDC dc, uint32_t column, uint32_t row);
    void DrawSquare(HDC dc, uint32_t column, uint32_t row, Player owner, SquareStyle style);
    void Paint(HDC dc);

    HWND window;
    GdiPen circlePen;
    GdiPen crossPen;
    GdiPen lightFramePen;
    GdiPen darkFramePen;
    GdiBrush normalBrush;
    GdiBrush lastMoveBrush;
    GdiBrush winningBrush;

private:
    // Draws what an operation changed and greys the menu should its
    // commands have changed.
    void Show(const GameChange& change);
    void Draw(HDC dc, const SquareDraws& squares);
    // Greys or enables the main window's New, Undo, Redo and Hint as the
    // game's commands say; quietly nothing when the view has no parent or
    // the parent no menu.
    void GreyMenu();
    bool Visible(uint32_t column, uint32_t row) const;
};
