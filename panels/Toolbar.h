// The toolbar strip along the top of the main window.
#pragma once

#include <windows.h>

LRESULT CALLBACK ToolbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Sets the buttons' enabled states from the game; called after every change.
void UpdateToolbar();
