// The board's own resources: what it takes it gives back, also when its
// construction fails, and it plays without a menu to keep in step.
#include "Board.h"
#include "BoardChecks.h"
#include "BoardWindows.h"
#include "SquareModel.h"
#include "engine/Recount.h"

#include <doctest/doctest.h>

namespace {

// A game played through every operation that takes a drawing context.
void PlayThrough(CBoard& b, HDC dc)
{
    b.Paint(dc);
    b.Play(0, 0, true);
    b.Undo();
    b.Redo();
    b.NewGame();
}

}  // namespace

TEST_CASE("boards built, played, painted and destroyed give back every pen, brush, bitmap and context")
{
    // Wine runs out of GDI handles at about 65 000. A board that kept a
    // single one of its own or of a full repaint would exhaust them long
    // before the last round. The boards have no window, so that the rounds
    // go at the speed of GDI alone; the paint goes to a memory context.
    HDC memory = CreateCompatibleDC(nullptr);
    REQUIRE(memory);
    for (int round = 0; round < 70000; ++round) {
        CBoard board(nullptr, 10, 5);
        PlayThrough(board, memory);
    }
    DeleteDC(memory);

    BoardWindows win(10, 5);
    CBoard last(win.view, 10, 5);
    win.Fill({0, 0, 0});
    PaintView(win, last);
    CHECK(PixelsOffEmptyBoard(win.Snapshot()) == 0);
    Click(last, 2, 2);
    CHECK(SquareMismatch(win, last, 2, 2, Human, White) == "");
}

TEST_CASE("a board plays quietly when its view has no parent menu, or no parent at all")
{
    BoardWindows win(10, 5);
    HMENU menu = GetMenu(win.main);
    SetMenu(win.main, nullptr);
    HWND lone = CreateWindowW(
        L"Static", L"", WS_POPUP, 0, 0, 171, 86, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    REQUIRE(lone);
    for (HWND view : {win.view, lone, HWND(nullptr)}) {
        CBoard board(view, 10, 5);
        for (int i = 0; i < 30 && board.state != Won && board.state != BoardFull; ++i)
            board.Play(0, 0, true);
        CHECK(board.lastTurn >= 0);
        board.Undo();
        board.Redo();
        CHECK(RecountMismatch(board) == "");
        board.NewGame();
        CHECK(board.lastTurn == -1);
        CHECK(board.freeCells == 50);
    }
    DestroyWindow(lone);
    DestroyMenu(menu);
}
