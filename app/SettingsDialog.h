// The settings dialog: the board's width and height.
#pragma once

#include <windows.h>

#include <cstdint>

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Puts a new, empty board of the given size in place of the current one and
// fits the window, its bars and its title to it. The new board is built
// first: without memory for it, the player is told (in a box owned by
// dialog) and the old game stays as it was.
void ChangeBoardSize(HWND dialog, uint32_t width, uint32_t height);
