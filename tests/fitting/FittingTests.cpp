#include "Fitting.h"

#include <doctest/doctest.h>

namespace {

// What Wine reports for an overlapped window with a menu and 17-pixel bars.
const FrameMetrics wine {8, 46, 17, 17};

DragRect FittedAt(int x, int y, int cols, int rows)
{
    PixelSize s = WindowSizeFor(uint32_t(cols), uint32_t(rows), wine);
    return {x, y, x + s.width, y + s.height};
}

}  // namespace

TEST_CASE("a window size shows exactly its squares, and partial squares round down")
{
    PixelSize start = WindowSizeFor(20, 20, wine);
    CHECK(start.width == 17 * 20 + 8 + 17 + 1);
    CHECK(start.height == 17 * 20 + 46 + 17 + 53);

    for (int c = 1; c <= 100; ++c) {
        int r = 101 - c;
        PixelSize s = WindowSizeFor(uint32_t(c), uint32_t(r), wine);
        SquareCount back = SquaresFor(s.width, s.height, wine);
        REQUIRE(back.cols == c);
        REQUIRE(back.rows == r);
        // 15 pixels more are still the same squares; the 16th adds one.
        CHECK(SquaresFor(s.width + 15, s.height + 15, wine).cols == c);
        CHECK(SquaresFor(s.width + 15, s.height + 15, wine).rows == r);
        CHECK(SquaresFor(s.width + 16, s.height + 16, wine).cols == c + 1);
        CHECK(SquaresFor(s.width + 16, s.height + 16, wine).rows == r + 1);
        // One pixel less keeps them; two take one away.
        CHECK(SquaresFor(s.width - 1, s.height - 1, wine).cols == c);
        CHECK(SquaresFor(s.width - 2, s.height - 2, wine).cols == c - 1);
        CHECK(SquaresFor(s.width - 2, s.height - 2, wine).rows == r - 1);
    }
}

TEST_CASE("the fitting rule keeps 10..100 columns and 5..100 rows, and never more than the board")
{
    auto fit = [](int c, int r, uint32_t w, uint32_t h) { return FitSquares({c, r}, w, h); };
    CHECK(fit(3, 2, 100, 100).cols == 10);
    CHECK(fit(3, 2, 100, 100).rows == 5);
    CHECK(fit(-7, -1, 100, 100).cols == 10);
    CHECK(fit(-7, -1, 100, 100).rows == 5);
    CHECK(fit(150, 400, 100, 100).cols == 100);
    CHECK(fit(150, 400, 100, 100).rows == 100);
    CHECK(fit(25, 25, 20, 20).cols == 20);
    CHECK(fit(25, 25, 20, 20).rows == 20);
    CHECK(fit(33, 12, 40, 30).cols == 33);
    CHECK(fit(33, 12, 40, 30).rows == 12);
    // The smallest board (10 x 5) wins over nothing: the minimum fits it exactly.
    CHECK(fit(3, 2, 10, 5).cols == 10);
    CHECK(fit(30, 20, 10, 5).rows == 5);
}

TEST_CASE("shift keeps the squares beside the fixed edge in place; clamp keeps the view on the board")
{
    CHECK(ShiftOrigin(5, 20, 18) == 7);  // narrowed from the left by 2
    CHECK(ShiftOrigin(3, 20, 25) == 0);  // widened by 5 from origin 3: not below 0
    CHECK(ShiftOrigin(10, 20, 20) == 10);
    CHECK(ClampOrigin(80, 25, 100) == 75);
    CHECK(ClampOrigin(75, 25, 100) == 75);
    CHECK(ClampOrigin(7, 20, 20) == 0);
    CHECK(ClampOrigin(7, 30, 20) == 0);  // never below 0 either
}

TEST_CASE("snapping a drag moves only the dragged edges, to whole squares, on every edge")
{
    struct Case {
        int edge;
        bool left, right, top, bottom;
    };
    const Case cases[] = {
        {EdgeLeft, true, false, false, false},
        {EdgeRight, false, true, false, false},
        {EdgeTop, false, false, true, false},
        {EdgeTopLeft, true, false, true, false},
        {EdgeTopRight, false, true, true, false},
        {EdgeBottom, false, false, false, true},
        {EdgeBottomLeft, true, false, false, true},
        {EdgeBottomRight, false, true, false, true},
    };
    for (const Case& c : cases) {
        CAPTURE(c.edge);
        // A 100 x 100 board seen as 20 x 20 squares, scrolled to (50, 60); drag the
        // named edges inwards by two squares less 5 pixels: the window gets
        // two squares smaller along every dragged direction.
        const DragRect fitted = FittedAt(300, 200, 20, 20);
        DragRect drag = fitted;
        int in = 2 * 17 - 5;
        if (c.left)
            drag.left += in;
        if (c.right)
            drag.right -= in;
        if (c.top)
            drag.top += in;
        if (c.bottom)
            drag.bottom -= in;
        SnapResult s = SnapDrag(c.edge, drag, {20, 20}, 50, 60, 100, 100, wine);
        int cols = (c.left || c.right) ? 18 : 20;
        int rows = (c.top || c.bottom) ? 18 : 20;
        CHECK(s.fit.cols == cols);
        CHECK(s.fit.rows == rows);
        CHECK(s.changed);
        PixelSize want = WindowSizeFor(uint32_t(cols), uint32_t(rows), wine);
        CHECK(drag.right - drag.left == want.width);
        CHECK(drag.bottom - drag.top == want.height);
        if (!c.left)
            CHECK(drag.left == fitted.left);
        if (!c.right)
            CHECK(drag.right == fitted.right);
        if (!c.top)
            CHECK(drag.top == fitted.top);
        if (!c.bottom)
            CHECK(drag.bottom == fitted.bottom);
        // Narrowing from the left or top raises the origin by what was taken.
        CHECK(s.scrollX == (c.left ? 52u : 50u));
        CHECK(s.scrollY == (c.top ? 62u : 60u));
    }
}

TEST_CASE("snapping clamps a view at the board's far edge and keeps every limit")
{
    SUBCASE("widening from the right at the right end pulls the origin back")
    {
        DragRect drag = FittedAt(0, 0, 20, 20);
        drag.right += 5 * 17;
        SnapResult s = SnapDrag(EdgeRight, drag, {20, 20}, 80, 0, 100, 100, wine);
        CHECK(s.fit.cols == 25);
        CHECK(s.scrollX + 25 == 100);
    }
    SUBCASE("widening from the left past the origin stops at 0")
    {
        DragRect drag = FittedAt(400, 0, 20, 20);
        drag.left -= 5 * 17;
        SnapResult s = SnapDrag(EdgeLeft, drag, {20, 20}, 3, 0, 100, 100, wine);
        CHECK(s.fit.cols == 25);
        CHECK(s.scrollX == 0);
        CHECK(drag.right == FittedAt(400, 0, 20, 20).right);
    }
    SUBCASE("a few pixels change nothing")
    {
        DragRect drag = FittedAt(0, 0, 20, 20);
        drag.right += 15;
        drag.bottom -= 1;
        SnapResult s = SnapDrag(EdgeBottomRight, drag, {20, 20}, 4, 4, 100, 100, wine);
        CHECK_FALSE(s.changed);
        CHECK(drag.right == FittedAt(0, 0, 20, 20).right);
        CHECK(drag.bottom == FittedAt(0, 0, 20, 20).bottom);
        CHECK(s.scrollX == 4);
    }
    SUBCASE("the window stops at 10 x 5, and at the board")
    {
        DragRect drag = FittedAt(0, 0, 20, 20);
        drag.right = drag.left + 30;
        drag.bottom = drag.top + 40;
        SnapResult s = SnapDrag(EdgeBottomRight, drag, {20, 20}, 0, 0, 20, 20, wine);
        CHECK(s.fit.cols == 10);
        CHECK(s.fit.rows == 5);
        CHECK(drag.right - drag.left == WindowSizeFor(10, 5, wine).width);
        drag = FittedAt(0, 0, 20, 20);
        drag.right += 1000;
        drag.bottom += 1000;
        s = SnapDrag(EdgeBottomRight, drag, {20, 20}, 0, 0, 20, 20, wine);
        CHECK(s.fit.cols == 20);
        CHECK(s.fit.rows == 20);
        CHECK_FALSE(s.changed);
        drag.right += 5000;
        drag.bottom += 5000;
        s = SnapDrag(EdgeBottomRight, drag, {20, 20}, 0, 0, 100, 100, wine);
        CHECK(s.fit.cols == 100);
        CHECK(s.fit.rows == 100);
    }
}

TEST_CASE("maximising gives at most 40 x 20 squares, centred on the desktop")
{
    PixelSize desktop {1280, 1024};
    Placement big = MaximisedPlacement(true, 100, 100, desktop, wine);
    CHECK(big.size.width == WindowSizeFor(40, 20, wine).width);
    CHECK(big.size.height == WindowSizeFor(40, 20, wine).height);
    CHECK(big.position.x == (1280 - big.size.width + 1) / 2);
    CHECK(big.position.y == (1024 - big.size.height + 1) / 2);

    Placement small = MaximisedPlacement(true, 30, 10, desktop, wine);
    CHECK(small.size.width == WindowSizeFor(30, 10, wine).width);
    CHECK(small.size.height == WindowSizeFor(30, 10, wine).height);

    // Before the board exists (the window's own creation) 20 x 20 is assumed.
    Placement early = MaximisedPlacement(false, 0, 0, desktop, wine);
    CHECK(early.size.width == WindowSizeFor(20, 20, wine).width);
    CHECK(early.size.height == WindowSizeFor(20, 20, wine).height);

    // A desktop smaller than the window: the division truncates toward zero.
    PixelPoint p = CentreOn({500, 300}, {706, 456});
    CHECK(p.x == -102);
    CHECK(p.y == -77);
}
