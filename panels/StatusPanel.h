// The status strip along the bottom of the main window: move counter,
// coordinates of the square under the pointer, game clock.
#pragma once

#include "GdiOwners.h"

#include <windows.h>

#include <memory>

// Columns [left, right) that a field's text covered when last drawn (none
// when left is not below right): a shorter text must not leave pieces of a
// longer one behind.
struct TextSpan {
    int left = 0;
    int right = 0;
};

struct StatusPanelState {
    std::unique_ptr<GdiPen> statusPen;
    TextSpan coordinatesDrawn;
    TextSpan clockDrawn;
};
extern StatusPanelState statusPanel;

LRESULT CALLBACK StatusPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Each draws one field directly, on a context of its own.
void DrawMoveCounter();
void DrawCoordinates();
void DrawClock();
