// The process-wide state of the program and the few operations on the main
// window that every part of the shell and the panels uses. One thread owns
// all of it; there is exactly one Shell, `shell`.
#pragma once

#include "Board.h"
#include "FittingArithmetic.h"

#include <windows.h>

#include <cstdint>
#include <memory>

struct Shell {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    HWND toolbar = nullptr;
    HWND boardView = nullptr;
    HWND status = nullptr;
    HACCEL accelerators = nullptr;

    // The one board object: built by the board view, destroyed once at the end.
    std::unique_ptr<CBoard> board;

    UINT_PTR timerId = 0;

    // Frame allowance of the main window, measured at its creation:
    // outer minus client size; the height includes the menu bar.
    int frameWidth = 0;
    int frameHeight = 0;

    // Squares the window shows, as last fitted; also the first board's size.
    uint32_t fitCols = StartBoardSide;
    uint32_t fitRows = StartBoardSide;

    // Scroll origin kept while the window is maximised; forgotten when
    // another board or game takes the view.
    uint32_t savedScrollX = 0;
    uint32_t savedScrollY = 0;
    bool originSaved = false;

    // The window manager maximised the window to more than the squares it
    // shows: the panels sit centred in it, and its size is the desktop's.
    bool desktopMaximised = false;
    // The window's fitted size when last neither maximised nor kept larger:
    // the size that the restore ending such a maximise brings back.
    PixelSize normalSize {0, 0};
    // The last unfitted size the platform gave, and how many times running
    // it came: each time the fitted size is sent to the screen again.
    PixelSize refitFrom {0, 0};
    int refits = 0;

    // A frame drag (or the first showing) is in progress, and it changed the
    // square counts: the main window repaints when the drag ends.
    bool sizing = false;
    bool sizeChanged = false;

    // Current saved-game file; nameOffset 0 means none is known.
    wchar_t filePath[260] = {};
    uint16_t nameOffset = 0;

    wchar_t title[300] = {};

    // 1-based square under the pointer, written by the board view.
    struct {
        int32_t col = 0;
        int32_t row = 0;
    } pointerSquare;
    bool mainWindowActive = true;
    // What the last turns of the wheel left over, in 1/120 lines, per axis.
    struct {
        int cols = 0;
        int rows = 0;
    } wheelRest;
    bool pointerOverBoard = false;

    // Set once the board could not get its memory; the run then ends.
    bool outOfMemory = false;

    // The shutdown steps have run: Exit runs them while the main window
    // stays, and its later destruction must not run them again.
    bool shutDown = false;
};

extern Shell shell;

// Destroys the board object, if there is one, and clears the reference.
void DestroyBoard();

// The frame allowance and the current scroll bar sizes.
FrameMetrics CurrentFrameMetrics();
// Size of the desktop's client area.
PixelSize DesktopSize();

// Applies an outer size (and, with move, a position) to the main window and
// lays the toolbar, board view and status panel out inside it.
void LayoutMainWindow(int x, int y, int width, int height, bool move);
// Lays the three panels out as the client area of a window of width x height
// would hold them, with their top left at origin: the toolbar on top, the
// status strip at the bottom, the board view between them. The one layout
// of the children, for a fitted size and for a frame drag alike.
void LayoutPanels(PixelPoint origin, int width, int height);

// "Quinterra [WxH]", with the current file's name when withFileName is set.
void FormatMainTitle(uint32_t width, uint32_t height, bool withFileName);
void SetMainTitle(HWND window, uint32_t width, uint32_t height, bool withFileName);

// The board ran out of memory: the game cannot go on. Tells the player and
// closes the main window, which ends the message loop.
void AbandonGame();

// A window procedure around a message handler. The board running out of
// memory must not unwind through the system's message dispatch: it ends the
// game with a message instead.
template <LRESULT (*Handle)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK OutOfMemoryGuard(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        return Handle(window, message, wParam, lParam);
    } catch (const CEngine::ExMalloc&) {
        AbandonGame();
        return 0;
    }
}
void ReportOutOfMemory(HWND owner);
