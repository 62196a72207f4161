// The arithmetic that keeps the main window an exact fit for whole board
// squares. No window in sight: the message handlers read rectangles, call
// these, and apply what comes back, so every rule here is tested natively.
#pragma once

#include "BoardSize.h"
#include "PixelSquares.h"

#include <cstdint>

// The strips the main window lays out above and below the board view.
constexpr int ToolbarHeight = 32;
constexpr int StatusHeight = 20;
// Both strips and the board view's outer line.
constexpr int PanelsHeight = ToolbarHeight + StatusHeight + 1;

// A maximised window, and the first view of a new board, show at most this
// many squares.
constexpr uint32_t MaxShownCols = 40;
constexpr uint32_t MaxShownRows = 20;

// What the main window spends on things other than squares: the frame
// allowance (outer minus client size, menu bar included) and the two
// scroll bars of the board view.
struct FrameMetrics {
    int fw;  // outer width - client width
    int fh;  // outer height - client height
    int vsw;  // width of a vertical scroll bar
    int hsh;  // height of a horizontal scroll bar
};

struct PixelSize {
    int width;
    int height;
};

struct SquareCount {
    int cols;
    int rows;
};

// Same layout as the platform's RECT, so the handler can convert 1:1.
struct DragRect {
    int left;
    int top;
    int right;
    int bottom;
};

// The outer window size that shows exactly cols x rows squares.
PixelSize WindowSizeFor(uint32_t cols, uint32_t rows, const FrameMetrics& m);

// The squares an outer size shows (truncated, may be negative or huge).
SquareCount SquaresFor(int width, int height, const FrameMetrics& m);

// Brings a raw count within the sizes of board the game offers (10..100
// columns and 5..100 rows), then within the board; the board's size has the
// last word.
SquareCount FitSquares(SquareCount raw, uint32_t boardCols, uint32_t boardRows);

// The position that centres a window of the given size on a desktop.
struct PixelPoint {
    int x;
    int y;
};
PixelPoint CentreOn(PixelSize desktop, PixelSize window);

// Scroll origin after the edge next to it moved: the squares beside the
// fixed edge stay put on screen, and the origin never goes below 0.
uint32_t ShiftOrigin(uint32_t origin, uint32_t previousCount, uint32_t newCount);
// Scroll origin pulled back so that origin + count stays within the board.
uint32_t ClampOrigin(uint32_t origin, uint32_t count, uint32_t boardSize);

// Edge codes of a drag, as the platform numbers them.
enum DragEdge : int {
    EdgeLeft = 1,
    EdgeRight = 2,
    EdgeTop = 3,
    EdgeTopLeft = 4,
    EdgeTopRight = 5,
    EdgeBottom = 6,
    EdgeBottomLeft = 7,
    EdgeBottomRight = 8,
};

// What the view becomes when a drag rectangle is snapped.
struct SnapResult {
    SquareCount fit;
    uint32_t scrollX;
    uint32_t scrollY;
    bool changed;  // the square counts differ from the previous ones
};

// Snaps a drag rectangle in place to whole squares: the dragged edges move,
// the opposite ones stay; the scroll origin follows (shift next to a moved
// left or top edge, clamp otherwise). An unknown edge code moves nothing but
// still keeps the origin within the board.
SnapResult SnapDrag(int edge, DragRect& drag, SquareCount previous, uint32_t scrollX, uint32_t scrollY,
    uint32_t boardCols, uint32_t boardRows, const FrameMetrics& m);

// The maximised window: at most 40 x 20 squares of the board (20 x 20 while
// there is no board yet), centred on the desktop.
struct Placement {
    PixelPoint position;
    PixelSize size;
};
Placement MaximisedPlacement(
    bool haveBoard, uint32_t boardCols, uint32_t boardRows, PixelSize desktop, const FrameMetrics& m);

// What a size event of the platform makes of the main window. A desktop
// that honours the maximised size asked for (Windows, or Wine drawing its
// own frames) gives the fitted window back; a window manager that maximises
// to its whole work area keeps the window larger than asked, and the panels
// then sit as one fitted block centred in the client area.
struct WindowFit {
    SquareCount fit;
    PixelSize window;  // outer size of the fitted block (the window, unless kept)
    bool keptLarger;  // maximised, and larger than the maximised size asked for
    PixelPoint panels;  // top left of the block in the client area
};
WindowFit FitWindow(PixelSize outer, bool maximised, uint32_t boardCols, uint32_t boardRows,
    PixelSize desktop, const FrameMetrics& m);
