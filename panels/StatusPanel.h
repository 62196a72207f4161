// The status strip along the bottom of the main window, and the main
// window's timer and activation handlers that feed it.
#pragma once

#include <windows.h>

LRESULT CALLBACK StatusPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Redraws the coordinates of the square under the pointer.
void DrawCoordinates();

// The main window's timer tick and activation (kind: WA_INACTIVE, WA_ACTIVE, WA_CLICKACTIVE).
void OnTimer();
void OnActivate(WORD kind);
