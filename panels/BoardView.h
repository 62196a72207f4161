// The board view: the child window in which the board is shown and played.
#pragma once

#include "Board.h"

#include <windows.h>

#include <memory>

LRESULT CALLBACK BoardViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Makes board the current board (destroying the one before) and sets the
// scroll bars up for it. The board must draw into the board view.
void InstallBoard(std::unique_ptr<CBoard> board);

// Range, page and position of both scroll bars from the board and its view.
void SetScrollBars();

// Moves the board's view to place (within the board) and the scroll bars
// with it; true when the view's origin moved, and the view needs repainting.
bool ShowView(const ViewPlace& place);

// The context menu for a click at a client pixel: "Umístit značku" (bold,
// enabled only on a free square of a game that is not over) and
// "Nastavení...". The caller destroys it. board may be null.
HMENU BuildBoardMenu(const CBoard* board, int x, int y);

// The human's move at a client pixel, as a left click plays it.
void PlayAt(int x, int y);

// One scroll request on one bar (SB_HORZ or SB_VERT).
void ScrollView(int bar, int request, int thumb);

// A turn of the mouse wheel over the game: rows, or columns with Shift held
// (keys as the wheel message gives them), as many a notch as the system says.
void WheelView(int keys, int delta);
