#include "FittingArithmetic.h"

#include <algorithm>

PixelSize WindowSizeFor(uint32_t cols, uint32_t rows, const FrameMetrics& m)
{
    return {
        SquarePixels * int(cols) + m.fw + m.vsw + 1, SquarePixels * int(rows) + m.fh + m.hsh + PanelsHeight};
}

SquareCount SquaresFor(int width, int height, const FrameMetrics& m)
{
    // C++ division truncates toward zero, as the fitting expects for the
    // (rare) sizes smaller than the frame.
    return {
        (width - m.fw - m.vsw) / SquarePixels, (height - m.fh - m.hsh - (PanelsHeight - 1)) / SquarePixels};
}

SquareCount FitSquares(SquareCount raw, uint32_t boardCols, uint32_t boardRows)
{
    int64_t c = raw.cols;
    int64_t r = raw.rows;
    c = std::max<int64_t>(c, MinBoardCols);
    r = std::max<int64_t>(r, MinBoardRows);
    c = std::min<int64_t>(c, MaxBoardSide);
    r = std::min<int64_t>(r, MaxBoardSide);
    c = std::min<int64_t>(c, boardCols);
    r = std::min<int64_t>(r, boardRows);
    return {int(c), int(r)};
}

PixelPoint CentreOn(PixelSize desktop, PixelSize window)
{
    return {(desktop.width - window.width + 1) / 2, (desktop.height - window.height + 1) / 2};
}

uint32_t ShiftOrigin(uint32_t origin, uint32_t previousCount, uint32_t newCount)
{
    int64_t shifted = int64_t(origin) + int64_t(previousCount) - int64_t(newCount);
    return uint32_t(std::max<int64_t>(shifted, 0));
}

uint32_t ClampOrigin(uint32_t origin, uint32_t count, uint32_t boardSize)
{
    // The furthest origin that still fills the view: none when it shows the board whole.
    return std::min(origin, std::max(boardSize, count) - count);
}

SnapResult SnapDrag(int edge, DragRect& drag, SquareCount previous, uint32_t scrollX, uint32_t scrollY,
    uint32_t boardCols, uint32_t boardRows, const FrameMetrics& m)
{
    SquareCount fit =
        FitSquares(SquaresFor(drag.right - drag.left, drag.bottom - drag.top, m), boardCols, boardRows);
    PixelSize size = WindowSizeFor(uint32_t(fit.cols), uint32_t(fit.rows), m);

    bool left = edge == EdgeLeft || edge == EdgeTopLeft || edge == EdgeBottomLeft;
    bool right = edge == EdgeRight || edge == EdgeTopRight || edge == EdgeBottomRight;
    bool top = edge == EdgeTop || edge == EdgeTopLeft || edge == EdgeTopRight;
    bool bottom = edge == EdgeBottom || edge == EdgeBottomLeft || edge == EdgeBottomRight;

    uint32_t cols = uint32_t(fit.cols);
    uint32_t rows = uint32_t(fit.rows);
    if (left) {
        drag.left = drag.right - size.width;
        scrollX = ShiftOrigin(scrollX, uint32_t(previous.cols), cols);
    }
    if (right)
        drag.right = drag.left + size.width;
    if (top) {
        drag.top = drag.bottom - size.height;
        scrollY = ShiftOrigin(scrollY, uint32_t(previous.rows), rows);
    }
    if (bottom)
        drag.bottom = drag.top + size.height;
    // The shift can leave the origin too far right as well (a board narrower
    // than the old view); the clamp keeps every edge's result on the board.
    scrollX = ClampOrigin(scrollX, cols, boardCols);
    scrollY = ClampOrigin(scrollY, rows, boardRows);

    return {fit, scrollX, scrollY, fit.cols != previous.cols || fit.rows != previous.rows};
}

Placement MaximisedPlacement(
    bool haveBoard, uint32_t boardCols, uint32_t boardRows, PixelSize desktop, const FrameMetrics& m)
{
    uint32_t cols = haveBoard ? std::min(boardCols, MaxShownCols) : StartBoardSide;
    uint32_t rows = haveBoard ? std::min(boardRows, MaxShownRows) : StartBoardSide;
    PixelSize size = WindowSizeFor(cols, rows, m);
    return {CentreOn(desktop, size), size};
}

WindowFit FitWindow(PixelSize outer, bool maximised, uint32_t boardCols, uint32_t boardRows, PixelSize desktop,
    const FrameMetrics& m)
{
    PixelSize room = outer;
    bool keptLarger = false;
    if (maximised) {
        PixelSize asked = MaximisedPlacement(true, boardCols, boardRows, desktop, m).size;
        keptLarger = outer.width > asked.width || outer.height > asked.height;
        // A screen too small for the asked size gives less along that axis,
        // and the squares follow what there is.
        room = {std::min(outer.width, asked.width), std::min(outer.height, asked.height)};
    }
    SquareCount fit = FitSquares(SquaresFor(room.width, room.height, m), boardCols, boardRows);
    PixelSize window = WindowSizeFor(uint32_t(fit.cols), uint32_t(fit.rows), m);
    PixelPoint panels {0, 0};
    if (keptLarger)
        panels = CentreOn({outer.width - m.fw, outer.height - m.fh}, {window.width - m.fw, window.height - m.fh});
    return {fit, window, keptLarger, panels};
}
