#include "StatusPanel.h"

#include "Shell.h"

// For now the strip is only its light grey background (the class brush);
// the move counter, coordinates and clock come with their own piece of work.
LRESULT CALLBACK StatusPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(window, message, wParam, lParam);
}

void DrawCoordinates()
{
    // Not drawn yet; shell.pointerSquare already holds the square.
}

void OnTimer()
{
    // The game clock does not run yet.
}

void OnActivate(WORD kind)
{
    shell.mainWindowActive = kind != WA_INACTIVE;
}
