// The main window's handlers that keep it an exact fit for whole squares.
#pragma once

#include <windows.h>

// WM_SIZE of kind restored (maximised false) or maximised.
void OnSize(bool maximised);
// Posted by a size event that had to change the window's size: the fitted
// size is applied once more, after the event that brought the change.
constexpr UINT RefitMessage = WM_APP + 1;
void OnRefit(HWND window);
// WM_SIZING: snaps the drag rectangle in place.
void OnSizing(int edge, RECT& drag);
void OnExitSizeMove(HWND window);
// WM_PAINT of the main window: a placeholder cross wherever no child covers it.
void OnMainPaint(HWND window);
void OnGetMinMaxInfo(MINMAXINFO& info);

// Fits the main window and the board view's scroll bars (range, page and
// position) to the board's view: after a game is loaded and after the board
// size changes.
void FitWindowToView();
