// The settings dialog: the board's width and height.
#pragma once

#include <windows.h>

#include <cstdint>

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// A field's text as a decimal number: leading white space, an optional sign,
// the digits up to the first other character; no digits give 0. A number
// beyond 32 bits gives the nearest 32-bit value.
int32_t ParseDecimal(const wchar_t* text);

// The board sizes a field's number stands for, and how much of it the new
// window shows at most.
uint32_t ClampWidth(int32_t value);
uint32_t ClampHeight(int32_t value);
constexpr uint32_t MaxShownCols = 40;
constexpr uint32_t MaxShownRows = 20;

// Puts a new, empty board of the given size in place of the current one and
// fits the window, its bars and its title to it. The new board is built
// first: without memory for it, the player is told (in a box owned by
// dialog) and the old game stays as it was.
void ChangeBoardSize(HWND dialog, uint32_t width, uint32_t height);
