// What CBoard draws, read back from a real window: single squares in every
// style, the visible range, and the full repaint.
#include "Board.h"
#include "BoardWindows.h"
#include "SquareModel.h"

#include <doctest/doctest.h>

namespace {

const Colour Black {0, 0, 0};

// Runs draw with a context of the view, taken and released around it.
template <class Draw> void OnView(const BoardWindows& win, Draw draw)
{
    HDC dc = GetDC(win.view);
    draw(dc);
    ReleaseDC(win.view, dc);
}

}  // namespace

TEST_CASE("a square is drawn raised, in its style's colour, with its player's mark")
{
    BoardWindows win(10, 5);
    CBoard board(win.view, 10, 5);

    struct Case {
        SquareStyle style;
        Colour interior;
    };
    for (Case c : {Case {Normal, Grey}, Case {WinningFive, Yellow}, Case {LastMove, White},
             Case {SquareStyle(7), Grey}}) {
        CAPTURE(c.style);
        win.Fill(Black);
        OnView(win, [&](HDC dc) {
            board.DrawSquare(dc, 1, 1, Nobody, c.style);
            board.DrawSquare(dc, 3, 1, Human, c.style);
            board.DrawSquare(dc, 5, 1, Computer, c.style);
        });
        const Picture p = win.Snapshot();
        CHECK(EmptySquareMismatch(p, 1, 1, c.interior) == "");
        CHECK(MarkedSquareMismatch(p, 3, 1, Human, c.interior) == "");
        CHECK(MarkedSquareMismatch(p, 5, 1, Computer, c.interior) == "");
        // Nothing strays into the neighbouring squares or the outer line.
        for (int x = 0; x < p.width; ++x) {
            CHECK(p.At(x, 17) == Black);
            CHECK(p.At(x, 35) == Black);
        }
        for (int y = 0; y < p.height; ++y) {
            CHECK(p.At(17, y) == Black);
            CHECK(p.At(35, y) == Black);
            CHECK(p.At(69, y) == Black);
            CHECK(p.At(103, y) == Black);
        }
    }
}

TEST_CASE("a mark alone leaves the square's colour and frame as they are")
{
    BoardWindows win(10, 5);
    CBoard board(win.view, 10, 5);
    win.Fill(Black);
    OnView(win, [&](HDC dc) {
        board.DrawSquare(dc, 2, 2, Nobody, WinningFive);
        board.DrawSquare(dc, 4, 2, Nobody, LastMove);
    });
    const Picture before = win.Snapshot();
    OnView(win, [&](HDC dc) {
        board.DrawSquare(dc, 2, 2, Human, MarkOnly);
        board.DrawSquare(dc, 4, 2, Nobody, MarkOnly);
        board.DrawSquare(dc, 6, 2, Nobody, MarkOnly);
    });
    const Picture after = win.Snapshot();
    CHECK(MarkedSquareMismatch(after, 2, 2, Human, Yellow) == "");
    CHECK(EmptySquareMismatch(after, 4, 2, White) == "");
    CHECK(after.At(17 * 6 + 9, 17 * 2 + 9) == Black);
    // Only the cross's own pixels changed.
    int changed = 0;
    for (int y = 0; y < after.height; ++y)
        for (int x = 0; x < after.width; ++x)
            if (!(after.At(x, y) == before.At(x, y))) {
                ++changed;
                CHECK(after.At(x, y) == CrossRed);
            }
    CHECK(changed > 20);
}

TEST_CASE("only squares inside the visible range are drawn, placed by the scroll origin")
{
    BoardWindows win(10, 5);
    CBoard board(win.view, 20, 20);
    board.scrollX = 2;
    board.scrollY = 1;
    board.visibleCols = 3;
    board.visibleRows = 2;
    win.Fill(Black);
    OnView(win, [&](HDC dc) {
        // Left of, right of, above and below the visible 3 x 2 squares.
        for (auto [c, r] : {std::pair {1u, 1u}, {5u, 1u}, {2u, 0u}, {2u, 3u}, {0u, 0u}, {19u, 19u}}) {
            board.DrawSquare(dc, c, r, Human, LastMove);
            board.DrawFrame(dc, c, r);
        }
    });
    const Picture nothing = win.Snapshot();
    for (const Colour& c : nothing.pixels)
        REQUIRE(c == Black);

    OnView(win, [&](HDC dc) {
        board.DrawSquare(dc, 2, 1, Nobody, LastMove);  // the top-left visible square
        board.DrawSquare(dc, 4, 2, Computer, WinningFive);  // the bottom-right one
        board.DrawFrame(dc, 3, 1);
    });
    const Picture p = win.Snapshot();
    CHECK(EmptySquareMismatch(p, 0, 0, White) == "");
    CHECK(MarkedSquareMismatch(p, 2, 1, Computer, Yellow) == "");
    CHECK(EmptySquareMismatch(p, 1, 0, Black) == "");
    CHECK(p.At(17 * 3 + 9, 9) == Black);  // visible column 3 is board column 5
}

TEST_CASE("the full repaint of an empty board shows grey raised squares inside the outer dark line")
{
    BoardWindows win(10, 5);
    CBoard board(win.view, 10, 5);
    win.Fill(Black);
    OnView(win, [&](HDC dc) { board.Paint(dc); });
    const Picture p = win.Snapshot();
    REQUIRE(p.width == 171);
    REQUIRE(p.height == 86);
    int wrong = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (!(p.At(x, y) == EmptyBoardPixel(x, y)) && ++wrong <= 5)
                CHECK_MESSAGE(
                    false, "pixel (", x, ",", y, ") is ", p.At(x, y), ", not ", EmptyBoardPixel(x, y));
    CHECK(wrong == 0);
}

TEST_CASE("a view larger than its visible squares shows grey beyond the last one")
{
    BoardWindows win(10, 5);
    CBoard board(win.view, 10, 5);
    board.visibleCols = 6;
    board.visibleRows = 3;
    win.Fill(Black);
    OnView(win, [&](HDC dc) { board.Paint(dc); });
    const Picture p = win.Snapshot();
    for (int vr = 0; vr < 3; ++vr)
        for (int vc = 0; vc < 6; ++vc)
            CHECK(EmptySquareMismatch(p, vc, vr, Grey) == "");
    CHECK(p.At(0, 80) == DarkLine);
    CHECK(p.At(160, 0) == DarkLine);
    for (int y = 1; y < p.height; ++y)
        for (int x = 17 * 6 + 1; x < p.width; ++x)
            REQUIRE_MESSAGE(p.At(x, y) == Grey, "pixel (", x, ",", y, ")");
    for (int y = 17 * 3 + 1; y < p.height; ++y)
        for (int x = 1; x < p.width; ++x)
            REQUIRE_MESSAGE(p.At(x, y) == Grey, "pixel (", x, ",", y, ")");
}
