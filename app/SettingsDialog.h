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
