// The board view played and scrolled through its own messages.
#include "AppFixture.h"
#include "BoardView.h"
#include "resource.h"

#include <doctest/doctest.h>

#include <string>

namespace {

LPARAM At(int x, int y)
{
    return MAKELPARAM(x, y);
}

void Scroll(UINT message, int request, int thumb = 0)
{
    SendMessageW(shell.boardView, message, MAKEWPARAM(request, thumb), 0);
}

// Validates the view, runs a request and tells whether it asked for a repaint.
bool ScrollRepaints(UINT message, int request, int thumb = 0)
{
    ValidateRect(shell.boardView, nullptr);
    Scroll(message, request, thumb);
    return GetUpdateRect(shell.boardView, nullptr, FALSE) != 0;
}

UINT ItemState(HMENU menu, UINT id)
{
    return GetMenuState(menu, id, MF_BYCOMMAND);
}

std::wstring ItemLabel(HMENU menu, UINT position)
{
    wchar_t label[64] = {};
    GetMenuStringW(menu, position, label, 64, MF_BYPOSITION);
    return label;
}

}  // namespace

TEST_CASE("a click plays the human's cross and the computer answers at once")
{
    GameFixture game;
    SendMessageW(shell.boardView, WM_LBUTTONDOWN, MK_LBUTTON, At(17 * 10 + 9, 17 * 10 + 9));
    CHECK(OwnerAt(10, 10) == Human);
    CHECK(StonesOnBoard() == 2);
    CHECK(shell.board->currentTurn == 0);
    CHECK(shell.board->state == InPlay);

    // An occupied square changes nothing.
    SendMessageW(shell.boardView, WM_LBUTTONDOWN, MK_LBUTTON, At(17 * 10 + 2, 17 * 10 + 16));
    CHECK(StonesOnBoard() == 2);
    CHECK(shell.board->currentTurn == 0);
}

TEST_CASE("pixels map to squares through the scrolled view: 0, 1 and 17 in the first, 18 in the next")
{
    GameFixture game;
    InstallEmptyBoard(100, 100);
    Scroll(WM_HSCROLL, SB_THUMBPOSITION, 30);
    Scroll(WM_VSCROLL, SB_THUMBPOSITION, 40);
    REQUIRE(shell.board->scrollX == 30);
    REQUIRE(shell.board->scrollY == 40);

    struct Case {
        int x, y;
        uint32_t col, row;
    };
    const Case cases[] = {
        {0, 0, 30, 40}, {1, 1, 30, 40}, {17, 17, 30, 40}, {18, 18, 31, 41}, {18, 1, 31, 40}, {0, 35, 30, 42}};
    for (const Case& c : cases) {
        CAPTURE(c.x);
        CAPTURE(c.y);
        shell.board->NewGame();
        SendMessageW(shell.boardView, WM_LBUTTONDOWN, MK_LBUTTON, At(c.x, c.y));
        CHECK(OwnerAt(c.col, c.row) == Human);
        CHECK(shell.board->record[0].humanX == c.col);
        CHECK(shell.board->record[0].humanY == c.row);
    }
}

TEST_CASE("a click past the last square, possible while resizing, plays nowhere")
{
    GameFixture game;
    InstallEmptyBoard(20, 20);
    shell.board->scrollX = 0;
    SendMessageW(shell.boardView, WM_LBUTTONDOWN, MK_LBUTTON, At(17 * 20 + 5, 10));
    SendMessageW(shell.boardView, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 17 * 25));
    CHECK(StonesOnBoard() == 0);
    HMENU menu = BuildBoardMenu(shell.board.get(), 17 * 20 + 5, 10);
    CHECK((ItemState(menu, IDM_PLACE_MARK) & MF_GRAYED) != 0);
    DestroyMenu(menu);
}

TEST_CASE("the pointer's square is 1-based and already names the next square on its last pixel")
{
    GameFixture game;
    InstallEmptyBoard(100, 100);
    SendMessageW(shell.boardView, WM_MOUSEMOVE, 0, At(0, 0));
    CHECK(shell.pointerSquare.col == 1);
    CHECK(shell.pointerSquare.row == 1);
    SendMessageW(shell.boardView, WM_MOUSEMOVE, 0, At(16, 17));
    CHECK(shell.pointerSquare.col == 1);
    CHECK(shell.pointerSquare.row == 2);
    Scroll(WM_HSCROLL, SB_THUMBTRACK, 7);
    Scroll(WM_VSCROLL, SB_THUMBTRACK, 9);
    SendMessageW(shell.boardView, WM_MOUSEMOVE, 0, At(34, 50));
    CHECK(shell.pointerSquare.col == 7 + 2 + 1);
    CHECK(shell.pointerSquare.row == 9 + 2 + 1);
}

TEST_CASE("every scroll request moves the view as the table says, on both bars")
{
    GameFixture game;
    InstallEmptyBoard(100, 100);
    REQUIRE(shell.board->visibleCols == 20);
    REQUIRE(shell.board->visibleRows == 20);

    for (UINT message : {UINT(WM_HSCROLL), UINT(WM_VSCROLL)}) {
        CAPTURE(message);
        bool across = message == WM_HSCROLL;
        uint32_t& origin = across ? shell.board->scrollX : shell.board->scrollY;
        int bar = across ? SB_HORZ : SB_VERT;
        auto check = [&](uint32_t expected, bool repaint, int request, int thumb = 0) {
            CAPTURE(request);
            CHECK(ScrollRepaints(message, request, thumb) == repaint);
            CHECK(origin == expected);
            CHECK(GetScrollPos(shell.boardView, bar) == int(expected));
        };
        check(0, false, SB_LINEUP);  // already at the start
        check(1, true, SB_LINEDOWN);
        check(0, true, SB_LINEUP);
        check(0, true, SB_PAGEUP);
        check(20, true, SB_PAGEDOWN);
        check(40, true, SB_PAGEDOWN);
        check(20, true, SB_PAGEUP);
        check(65, true, SB_THUMBPOSITION, 65);
        check(80, true, SB_PAGEDOWN);  // 65 + 40 > 100: lands on size - visible
        check(80, false, SB_LINEDOWN);  // the far edge: nothing changes, no repaint
        check(80, true, SB_PAGEDOWN);
        check(33, true, SB_THUMBTRACK, 33);
        check(80, true, SB_THUMBTRACK, 300);  // a forged position stays on the board
        check(0, true, SB_TOP);
        check(80, true, SB_BOTTOM);
        check(80, false, SB_ENDSCROLL);
    }
}

TEST_CASE("a board shown whole never scrolls")
{
    GameFixture game;
    REQUIRE(shell.board->visibleCols == shell.board->width);
    for (int request : {SB_LINEDOWN, SB_PAGEDOWN, SB_BOTTOM, SB_THUMBPOSITION, SB_LINEUP}) {
        CAPTURE(request);
        Scroll(WM_HSCROLL, request, 5);
        Scroll(WM_VSCROLL, request, 5);
        CHECK(shell.board->scrollX == 0);
        CHECK(shell.board->scrollY == 0);
    }
}

TEST_CASE("the context menu offers placing only on a free square of a game that goes on")
{
    GameFixture game;
    HMENU menu = BuildBoardMenu(shell.board.get(), 17 * 3 + 5, 17 * 4 + 5);
    REQUIRE(menu);
    CHECK(GetMenuItemCount(menu) == 2);
    CHECK(ItemLabel(menu, 0) == L"Umístit značku");
    CHECK(ItemLabel(menu, 1) == L"Nastavení...");
    CHECK(GetMenuItemID(menu, 0) == IDM_PLACE_MARK);
    CHECK(GetMenuItemID(menu, 1) == IDM_SETTINGS);
    CHECK((ItemState(menu, IDM_PLACE_MARK) & MF_GRAYED) == 0);
    CHECK(GetMenuDefaultItem(menu, FALSE, 0) == IDM_PLACE_MARK);
    DestroyMenu(menu);

    SendMessageW(shell.boardView, WM_LBUTTONDOWN, MK_LBUTTON, At(17 * 3 + 5, 17 * 4 + 5));
    REQUIRE(OwnerAt(3, 4) == Human);
    menu = BuildBoardMenu(shell.board.get(), 17 * 3 + 5, 17 * 4 + 5);
    CHECK((ItemState(menu, IDM_PLACE_MARK) & MF_GRAYED) != 0);
    CHECK(GetMenuDefaultItem(menu, FALSE, 0) == UINT(-1));
    CHECK((ItemState(menu, IDM_SETTINGS) & MF_GRAYED) == 0);
    DestroyMenu(menu);

    // Once the game is over no square takes a mark.
    shell.board->state = Won;
    menu = BuildBoardMenu(shell.board.get(), 17 * 15 + 5, 17 * 15 + 5);
    CHECK((ItemState(menu, IDM_PLACE_MARK) & MF_GRAYED) != 0);
    CHECK((ItemState(menu, IDM_SETTINGS) & MF_GRAYED) == 0);
    DestroyMenu(menu);
}

TEST_CASE("the context menu shown by a right click plays its first item, or nothing when dismissed")
{
    GameFixture game;
    {
        MenuAnswerer dismiss(false);
        SendMessageW(shell.boardView, WM_RBUTTONDOWN, MK_RBUTTON, At(17 * 6 + 5, 17 * 6 + 5));
        CHECK(dismiss.sawMenu());
    }
    CHECK(StonesOnBoard() == 0);
    {
        MenuAnswerer choose(true);
        SendMessageW(shell.boardView, WM_RBUTTONDOWN, MK_RBUTTON, At(17 * 6 + 5, 17 * 6 + 5));
        CHECK(choose.sawMenu());
    }
    CHECK(OwnerAt(6, 6) == Human);
    CHECK(StonesOnBoard() == 2);
}

TEST_CASE("with no board object every handler of the views and commands does nothing")
{
    GameFixture game;
    DestroyBoard();
    InvalidateRect(shell.boardView, nullptr, FALSE);
    UpdateWindow(shell.boardView);
    SendMessageW(shell.boardView, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    SendMessageW(shell.boardView, WM_MOUSEMOVE, 0, At(20, 20));
    SendMessageW(shell.boardView, WM_HSCROLL, SB_PAGEDOWN, 0);
    SendMessageW(shell.boardView, WM_VSCROLL, SB_BOTTOM, 0);
    {
        MenuAnswerer dismiss(true);
        SendMessageW(shell.boardView, WM_RBUTTONDOWN, MK_RBUTTON, At(20, 20));
    }
    SendMessageW(shell.mainWindow, WM_SIZE, SIZE_RESTORED, 0);
    RECT drag {0, 0, 600, 600};
    SendMessageW(shell.mainWindow, WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&drag));
    for (UINT id : {IDM_UNDO, IDM_REDO, IDM_HINT, IDM_NEW})
        SendMessageW(shell.mainWindow, WM_COMMAND, id, 0);
    Pump();
    CHECK(shell.board == nullptr);
    CHECK(IsWindow(shell.mainWindow));
}

TEST_CASE("any mix of clicks, scrolls, drags and commands keeps the view on the board")
{
    GameFixture game;
    InstallEmptyBoard(100, 60);
    uint32_t seed = 12345;
    auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 8) % uint32_t(range));
    };
    const UINT commands[] = {IDM_UNDO, IDM_REDO, IDM_HINT, 40007, 40016};
    for (int step = 0; step < 600; ++step) {
        CAPTURE(step);
        int x = next(900) - 100;
        int y = next(900) - 100;
        switch (next(6)) {
        case 0: SendMessageW(shell.boardView, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y)); break;
        case 1: SendMessageW(shell.boardView, WM_MOUSEMOVE, 0, At(x, y)); break;
        case 2: Scroll(next(2) ? WM_HSCROLL : WM_VSCROLL, next(10), next(400) - 100); break;
        case 3: {
            RECT drag = {x, y, x + next(2000) - 50, y + next(2000) - 50};
            SendMessageW(shell.mainWindow, WM_SIZING, WPARAM(next(10)), reinterpret_cast<LPARAM>(&drag));
            break;
        }
        case 4: SendMessageW(shell.mainWindow, WM_COMMAND, commands[next(5)], 0); break;
        default: SendMessageW(shell.mainWindow, WM_SIZE, SIZE_RESTORED, 0); break;
        }
        const CBoard& b = *shell.board;
        REQUIRE(b.visibleCols >= 10);
        REQUIRE(b.visibleRows >= 5);
        REQUIRE(b.scrollX + b.visibleCols <= b.width);
        REQUIRE(b.scrollY + b.visibleRows <= b.height);
        REQUIRE(b.currentTurn <= b.lastTurn);
    }
    Pump();
}
