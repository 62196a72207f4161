#include "Toolbar.h"

// For now the strip is only its light grey background (the class brush);
// the picture buttons come with their own piece of work.
LRESULT CALLBACK ToolbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(window, message, wParam, lParam);
}

void UpdateToolbar()
{
    // No buttons yet, so nothing to enable or grey.
}
