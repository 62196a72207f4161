#include "FittingArithmetic.h"

#include <doctest/doctest.h>

#include <tuple>
#include <utility>

// What Wine reports for an overlapped window with a menu and 17-pixel bars.
const FrameMetrics wine {8, 46, 17, 17};

// The outer size for c x r squares: the view's 17c + 1 and a scroll bar, in
// the frame; toolbar, view, bar and status panel one above the other. 20 x 20
// squares make the 366 x 456 window measured on the test display.
static PixelSize Outer(int c, int r)
{
    return {17 * c + 1 + 17 + 8, 32 + 17 * r + 1 + 17 + 20 + 46};
}

TEST_CASE("a dragged frame snaps to whole squares within the limits, and the view follows")
{
    // The window shows prev squares of a board, scrolled to (sx, sy); the
    // dragged edges move by dx pixels across and dy down (outwards when positive).
    struct Case {
        int edge, dx, dy, prevC, prevR;
        uint32_t sx, sy, boardW, boardH;
        int cols, rows;
        uint32_t scrollX, scrollY;
    } cases[] = {
        {EdgeRight, 15, 0, 20, 20, 0, 0, 100, 100, 20, 20, 0, 0},  // 15 pixels are not a square yet
        {EdgeRight, 16, 0, 20, 20, 0, 0, 100, 100, 21, 20, 0, 0},
        {EdgeRight, -1, 0, 20, 20, 0, 0, 100, 100, 20, 20, 0, 0},
        {EdgeRight, -2, 0, 20, 20, 0, 0, 100, 100, 19, 20, 0, 0},
        {EdgeBottom, 0, 16, 20, 20, 0, 0, 100, 100, 20, 21, 0, 0},
        {EdgeBottom, 0, -2, 20, 20, 0, 0, 100, 100, 20, 19, 0, 0},
        {EdgeBottomRight, -1000, -1000, 20, 20, 0, 0, 100, 100, 10, 5, 0, 0},  // the least
        {EdgeBottomRight, 9000, 9000, 20, 20, 0, 0, 100, 100, 100, 100, 0, 0},  // the most
        {EdgeBottomRight, 1000, 1000, 20, 20, 0, 0, 20, 20, 20, 20, 0, 0},  // never more than the board
        {EdgeBottomRight, 1000, 1000, 10, 5, 0, 0, 30, 12, 30, 12, 0, 0},
        {EdgeLeft, 5 * 17, 0, 20, 20, 3, 0, 100, 100, 25, 20, 0, 0},  // shifted, not below 0
        {EdgeLeft, -2 * 17, 0, 24, 18, 5, 7, 100, 100, 22, 18, 7, 7},  // shifted by what was taken
        {EdgeTop, 0, -2 * 17, 24, 18, 5, 7, 100, 100, 24, 16, 5, 9},
        {EdgeTopLeft, -3 * 17, -17, 24, 18, 5, 7, 100, 100, 21, 17, 8, 8},
        {EdgeTopRight, -3 * 17, -17, 24, 18, 5, 7, 100, 100, 21, 17, 5, 8},
        {EdgeBottomLeft, -3 * 17, -17, 24, 18, 5, 7, 100, 100, 21, 17, 8, 7},
        {EdgeRight, 5 * 17, 0, 20, 20, 80, 0, 100, 100, 25, 20, 75, 0},  // clamped at the far edge
        {EdgeBottom, 0, 5 * 17, 20, 20, 0, 80, 100, 100, 20, 25, 0, 75},
        {EdgeTopRight, 2 * 17, 2 * 17, 20, 20, 79, 10, 100, 100, 22, 22, 78, 8},
        {EdgeBottomLeft, 2 * 17, 2 * 17, 20, 20, 10, 79, 100, 100, 22, 22, 8, 78},
        {EdgeLeft, 0, 0, 25, 20, 10, 0, 30, 100, 25, 20, 5, 0},  // a narrower board than the view
    };
    for (const Case& c : cases) {
        INFO("edge ", c.edge, " moved by ", c.dx, ", ", c.dy);
        const PixelSize before = Outer(c.prevC, c.prevR);
        const DragRect fitted {300, 200, 300 + before.width, 200 + before.height};
        bool left = c.edge == EdgeLeft || c.edge == EdgeTopLeft || c.edge == EdgeBottomLeft;
        bool top = c.edge == EdgeTop || c.edge == EdgeTopLeft || c.edge == EdgeTopRight;
        DragRect drag = fitted;
        (left ? drag.left : drag.right) += left ? -c.dx : c.dx;
        (top ? drag.top : drag.bottom) += top ? -c.dy : c.dy;

        SnapResult s = SnapDrag(c.edge, drag, {c.prevC, c.prevR}, c.sx, c.sy, c.boardW, c.boardH, wine);
        CHECK(std::tuple {s.fit.cols, s.fit.rows, s.scrollX, s.scrollY, s.changed}
            == std::tuple {c.cols, c.rows, c.scrollX, c.scrollY, c.cols != c.prevC || c.rows != c.prevR});
        // The dragged edges move to the snapped size; the opposite ones stay.
        const PixelSize after = Outer(c.cols, c.rows);
        CHECK(std::pair {drag.right - drag.left, drag.bottom - drag.top}
            == std::pair {after.width, after.height});
        CHECK((left ? drag.right : drag.left) == (left ? fitted.right : fitted.left));
        CHECK((top ? drag.bottom : drag.top) == (top ? fitted.bottom : fitted.top));
    }
}

TEST_CASE("maximising gives at most 40 x 20 squares of the board, centred on the desktop")
{
    struct Case {
        bool haveBoard;
        uint32_t boardW, boardH;
        PixelSize desktop;
        int cols, rows, x, y;
    } cases[] = {
        {true, 100, 100, {1280, 1024}, 40, 20, 287, 284}, {true, 30, 10, {1280, 1024}, 30, 10, 372, 369},
        {true, 41, 21, {1280, 1024}, 40, 20, 287, 284},
        {false, 0, 0, {1280, 1024}, 20, 20, 457, 284},  // asked before the board exists
        {true, 100, 100, {500, 300}, 40, 20, -102, -77},  // truncated toward zero
    };
    for (const Case& c : cases) {
        CAPTURE(c.boardW);
        Placement p = MaximisedPlacement(c.haveBoard, c.boardW, c.boardH, c.desktop, wine);
        CHECK(std::tuple {p.size.width, p.size.height, p.position.x, p.position.y}
            == std::tuple {Outer(c.cols, c.rows).width, Outer(c.cols, c.rows).height, c.x, c.y});
    }
}

TEST_CASE("a size event fits the window, or centres the panels in a maximised window kept larger")
{
    // outer: what the platform made of the window; a window manager keeps its
    // maximised window at the whole work area (1288 x 1032 here).
    struct Case {
        PixelSize outer;
        bool maximised;
        uint32_t boardW, boardH;
        int cols, rows;
        bool kept;
        PixelPoint panels;
    } cases[] = {
        {{258, 277}, false, 20, 20, 13, 9, false, {0, 0}},  // a manager's resize to 250 x 250
        {{366, 456}, false, 20, 20, 20, 20, false, {0, 0}},
        {{706, 456}, true, 100, 100, 40, 20, false, {0, 0}},  // the maximised size asked for
        {{1288, 1032}, true, 100, 100, 40, 20, true, {291, 288}},
        {{1288, 1032}, true, 30, 10, 30, 10, true, {376, 373}},
        {{648, 600}, true, 100, 100, 36, 20, true, {5, 72}},  // a narrow screen: fewer columns
        {{600, 400}, true, 100, 100, 33, 16, false, {0, 0}},  // smaller than asked both ways
        {{1288, 1032}, false, 100, 100, 74, 53, false, {0, 0}},  // restored: all it holds
    };
    for (const Case& c : cases) {
        INFO(c.outer.width, " x ", c.outer.height, ", maximised ", c.maximised);
        WindowFit f = FitWindow(c.outer, c.maximised, c.boardW, c.boardH, {1280, 1024}, wine);
        CHECK(std::tuple {f.fit.cols, f.fit.rows, f.window.width, f.window.height, f.keptLarger}
            == std::tuple {
                c.cols, c.rows, Outer(c.cols, c.rows).width, Outer(c.cols, c.rows).height, c.kept});
        CHECK(std::pair {f.panels.x, f.panels.y} == std::pair {c.panels.x, c.panels.y});
    }
}

TEST_CASE("a vertical scroll bar takes width and a horizontal one height, however they differ")
{
    // Bars of 15 pixels across and 19 down: 40 x 20 squares need 17 * 40 + 1 +
    // 15 + 8 by 32 + 17 * 20 + 1 + 19 + 20 + 46 pixels.
    const FrameMetrics bars {8, 46, 15, 19};
    const PixelSize big {704, 458};
    const Placement p = MaximisedPlacement(true, 100, 100, {1280, 1024}, bars);
    CHECK(std::pair {p.size.width, p.size.height} == std::pair {big.width, big.height});
    // A size at the edge of a square both ways, 40 columns and 19 rows: bars
    // taken the wrong way round lose a column or gain a row.
    const WindowFit f = FitWindow({big.width - 1, big.height - 2}, false, 100, 100, {1280, 1024}, bars);
    CHECK(std::pair {f.fit.cols, f.fit.rows} == std::pair {40, 19});
    DragRect drag {0, 0, big.width + 17, big.height + 17};
    const SnapResult s = SnapDrag(EdgeBottomRight, drag, {40, 20}, 0, 0, 100, 100, bars);
    CHECK(std::pair {s.fit.cols, s.fit.rows} == std::pair {41, 21});
    CHECK(std::pair {drag.right, drag.bottom} == std::pair {big.width + 17, big.height + 17});
}
