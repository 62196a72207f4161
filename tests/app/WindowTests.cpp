// The main window as a player meets it: its size, menu, keys and children,
// snapping while the frame is dragged, maximising, and the end of the run.
#include "AppFixture.h"
#include "BoardView.h"
#include "MainWindow.h"
#include "resource.h"

#include <doctest/doctest.h>

#include <string>

namespace {

RECT WindowRect(HWND window)
{
    RECT r {};
    GetWindowRect(window, &r);
    return r;
}

RECT ClientRect(HWND window)
{
    RECT r {};
    GetClientRect(window, &r);
    return r;
}

// Where a child sits in the main window's client area.
RECT PlaceInMain(HWND child)
{
    RECT r = WindowRect(child);
    MapWindowPoints(nullptr, shell.mainWindow, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring MenuLabel(HMENU menu, UINT position)
{
    wchar_t label[128] = {};
    GetMenuStringW(menu, position, label, 128, MF_BYPOSITION);
    return label;
}

PixelSize Outer(HWND window)
{
    RECT r = WindowRect(window);
    return {r.right - r.left, r.bottom - r.top};
}

int boardsDestroyed = 0;
void CountDestruction()
{
    ++boardsDestroyed;
}

}  // namespace

TEST_CASE("the first showing fits the window to 20 x 20 squares with its three children")
{
    GameFixture game;
    int vsw = GetSystemMetrics(SM_CXVSCROLL);
    int hsh = GetSystemMetrics(SM_CYHSCROLL);
    RECT outer = WindowRect(shell.mainWindow);
    RECT client = ClientRect(shell.mainWindow);
    CHECK(shell.frameWidth == (outer.right - outer.left) - client.right);
    CHECK(shell.frameHeight == (outer.bottom - outer.top) - client.bottom);
    CHECK(outer.right - outer.left == 17 * 20 + shell.frameWidth + vsw + 1);
    CHECK(outer.bottom - outer.top == 17 * 20 + shell.frameHeight + hsh + 53);

    wchar_t title[64] = {};
    GetWindowTextW(shell.mainWindow, title, 64);
    CHECK(std::wstring(title) == L"Quinterra [20x20]");
    CHECK(ClassOf(shell.mainWindow) == L"Quinterra");
    CHECK(ClassOf(shell.toolbar) == L"Quinterra_Toolbar");
    CHECK(ClassOf(shell.boardView) == L"Quinterra_Board");
    CHECK(ClassOf(shell.status) == L"Quinterra_Status");

    // Toolbar on top, board view exactly 20 x 20 squares, status at the bottom.
    RECT toolbar = PlaceInMain(shell.toolbar);
    RECT view = PlaceInMain(shell.boardView);
    RECT status = PlaceInMain(shell.status);
    CHECK(toolbar.top == 0);
    CHECK(toolbar.bottom - toolbar.top == 32);
    CHECK(toolbar.right - toolbar.left == client.right);
    CHECK(view.top == 32);
    CHECK(ClientRect(shell.boardView).right == 17 * 20 + 1);
    CHECK(ClientRect(shell.boardView).bottom == 17 * 20 + 1);
    CHECK(status.top == client.bottom - 20);
    CHECK(status.bottom == client.bottom);
    CHECK(status.right - status.left == client.right);
    CHECK(view.bottom == status.top);

    REQUIRE(shell.board);
    CHECK(shell.board->width == 20);
    CHECK(shell.board->height == 20);
    CHECK(shell.board->visibleCols == 20);
    CHECK(shell.board->visibleRows == 20);
    CHECK(shell.fitCols == 20);
    CHECK(shell.fitRows == 20);
}

TEST_CASE("the menu bar holds the three pop-ups with every item and Czech label")
{
    GameFixture game;
    HMENU bar = GetMenu(shell.mainWindow);
    REQUIRE(bar);
    REQUIRE(GetMenuItemCount(bar) == 3);
    CHECK(MenuLabel(bar, 0) == L"&Hra");
    CHECK(MenuLabel(bar, 1) == L"&Tah");
    CHECK(MenuLabel(bar, 2) == L"&Nápověda");

    struct Item {
        int popup;
        UINT id;  // 0: separator
        const wchar_t* label;
    };
    const Item items[] = {
        {0, IDM_NEW, L"&Nová\tCtrl+N"},
        {0, 0, L""},
        {0, IDM_OPEN, L"&Otevřít...\tCtrl+O"},
        {0, IDM_SAVE, L"&Uložit\tCtrl+S"},
        {0, IDM_SAVEAS, L"Uložit &Jako...\tCtrl+J"},
        {0, 0, L""},
        {0, IDM_SETTINGS, L"&Nastavení...\tCtrl+T"},
        {0, 0, L""},
        {0, IDM_EXIT, L"&Konec\tAlt+F4"},
        {1, IDM_UNDO, L"&Zpět\tCtrl+Z"},
        {1, IDM_REDO, L"&Dopředu\tCtrl+D"},
        {1, 0, L""},
        {1, IDM_HINT, L"&Poradit\tCtrl+P"},
        {2, IDM_ABOUT, L"&O programu\tCtrl+A"},
        {2, IDM_HELP, L"&Nápověda\tF1"},
    };
    int counts[3] = {};
    for (const Item& item : items) {
        HMENU popup = GetSubMenu(bar, item.popup);
        REQUIRE(popup);
        UINT position = UINT(counts[item.popup]++);
        CAPTURE(item.popup);
        CAPTURE(position);
        if (item.id == 0) {
            CHECK((GetMenuState(popup, position, MF_BYPOSITION) & MF_SEPARATOR) != 0);
        } else {
            CHECK(GetMenuItemID(popup, int(position)) == item.id);
            CHECK(MenuLabel(popup, position) == item.label);
        }
    }
    for (int p = 0; p < 3; ++p)
        CHECK(GetMenuItemCount(GetSubMenu(bar, p)) == counts[p]);
}

TEST_CASE("the accelerator table has the nine command keys and the icon is 32 x 32")
{
    GameFixture game;
    REQUIRE(shell.accelerators);
    ACCEL keys[16] = {};
    int count = CopyAcceleratorTableW(shell.accelerators, keys, 16);
    REQUIRE(count == 9);
    struct Key {
        WORD key;
        WORD id;
        bool ctrl;
    };
    const Key expected[] = {{'A', IDM_ABOUT, true}, {'D', IDM_REDO, true}, {'N', IDM_NEW, true},
        {'O', IDM_OPEN, true}, {'P', IDM_HINT, true}, {'S', IDM_SAVE, true}, {'T', IDM_SETTINGS, true},
        {VK_F1, IDM_HELP, false}, {'Z', IDM_UNDO, true}};
    for (int i = 0; i < 9; ++i) {
        CAPTURE(i);
        CHECK(keys[i].key == expected[i].key);
        CHECK(keys[i].cmd == expected[i].id);
        BYTE flags = FVIRTKEY | FNOINVERT | (expected[i].ctrl ? FCONTROL : 0);
        CHECK((keys[i].fVirt & ~0x80) == flags);
    }

    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUINTERRA));
    REQUIRE(icon);
    ICONINFO info {};
    REQUIRE(GetIconInfo(icon, &info));
    BITMAP colour {};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    CHECK(colour.bmWidth == 32);
    CHECK(colour.bmHeight == 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST_CASE("dragging any edge snaps to whole squares, shifts or clamps the view, and keeps the limits")
{
    GameFixture game;
    InstallEmptyBoard(100, 100);
    REQUIRE(shell.fitCols == 20);
    REQUIRE(shell.fitRows == 20);
    const RECT fitted = WindowRect(shell.mainWindow);
    FrameMetrics m = CurrentFrameMetrics();

    struct Case {
        int edge;
        bool left, right, top, bottom;
    };
    const Case cases[] = {
        {WMSZ_LEFT, true, false, false, false},
        {WMSZ_RIGHT, false, true, false, false},
        {WMSZ_TOP, false, false, true, false},
        {WMSZ_TOPLEFT, true, false, true, false},
        {WMSZ_TOPRIGHT, false, true, true, false},
        {WMSZ_BOTTOM, false, false, false, true},
        {WMSZ_BOTTOMLEFT, true, false, false, true},
        {WMSZ_BOTTOMRIGHT, false, true, false, true},
    };
    for (const Case& c : cases) {
        CAPTURE(c.edge);
        shell.fitCols = shell.board->visibleCols = 20;
        shell.fitRows = shell.board->visibleRows = 20;
        // Scrolled to the far corner: narrowing shifts by 3, the far edge clamps.
        shell.board->scrollX = 80;
        shell.board->scrollY = 80;
        RECT drag = fitted;
        int in = 3 * 17 - 4;
        if (c.left)
            drag.left += in;
        if (c.right)
            drag.right -= in;
        if (c.top)
            drag.top += in;
        if (c.bottom)
            drag.bottom -= in;
        SendMessageW(shell.mainWindow, WM_SIZING, WPARAM(c.edge), reinterpret_cast<LPARAM>(&drag));
        uint32_t cols = (c.left || c.right) ? 17 : 20;
        uint32_t rows = (c.top || c.bottom) ? 17 : 20;
        PixelSize want = WindowSizeFor(cols, rows, m);
        CHECK(drag.right - drag.left == want.width);
        CHECK(drag.bottom - drag.top == want.height);
        CHECK(drag.left == (c.left ? fitted.right - want.width : fitted.left));
        CHECK(drag.top == (c.top ? fitted.bottom - want.height : fitted.top));
        CHECK(shell.fitCols == cols);
        CHECK(shell.fitRows == rows);
        CHECK(shell.board->visibleCols == cols);
        CHECK(shell.board->visibleRows == rows);
        // Shift keeps the squares beside the fixed edge; the others stay put.
        CHECK(shell.board->scrollX == (c.left ? 83u : 80u));
        CHECK(shell.board->scrollY == (c.top ? 83u : 80u));
        CHECK(GetScrollPos(shell.boardView, SB_HORZ) == int(shell.board->scrollX));
        SCROLLINFO page {};
        page.cbSize = sizeof page;
        page.fMask = SIF_PAGE;
        GetScrollInfo(shell.boardView, SB_VERT, &page);
        CHECK(page.nPage == rows);
        // The children follow at once.
        CHECK(ClientRect(shell.boardView).right == int(17 * cols + 1));
        CHECK(ClientRect(shell.boardView).bottom == int(17 * rows + 1));
    }

    SUBCASE("widening from the right at the right end clamps the origin")
    {
        shell.fitCols = shell.board->visibleCols = 20;
        shell.board->scrollX = 80;
        RECT drag = fitted;
        drag.right += 5 * 17;
        SendMessageW(shell.mainWindow, WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&drag));
        CHECK(shell.board->visibleCols == 25);
        CHECK(shell.board->scrollX == 75);
    }
    SUBCASE("at least 10 x 5, at most 100 x 100")
    {
        RECT drag = fitted;
        drag.right = drag.left + 20;
        drag.bottom = drag.top + 20;
        SendMessageW(shell.mainWindow, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&drag));
        CHECK(shell.fitCols == 10);
        CHECK(shell.fitRows == 5);
        drag.right = drag.left + 5000;
        drag.bottom = drag.top + 5000;
        SendMessageW(shell.mainWindow, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&drag));
        CHECK(shell.fitCols == 100);
        CHECK(shell.fitRows == 100);
        CHECK(drag.right - drag.left == WindowSizeFor(100, 100, m).width);
    }
    SUBCASE("never more than the board")
    {
        InstallEmptyBoard(20, 20);
        RECT drag = WindowRect(shell.mainWindow);
        drag.right += 200;
        drag.bottom += 200;
        SendMessageW(shell.mainWindow, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&drag));
        CHECK(shell.fitCols == 20);
        CHECK(shell.fitRows == 20);
        CHECK(shell.board->scrollX == 0);
        CHECK(drag.right - drag.left == WindowSizeFor(20, 20, m).width);
        CHECK_FALSE(shell.sizeChanged);
    }
}

TEST_CASE("the end of a drag that changed the squares repaints the main window once")
{
    GameFixture game;
    InstallEmptyBoard(100, 100);
    RECT drag = WindowRect(shell.mainWindow);
    drag.right += 2 * 17;
    SendMessageW(shell.mainWindow, WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&drag));
    CHECK(shell.sizing);
    CHECK(shell.sizeChanged);
    ValidateRect(shell.mainWindow, nullptr);
    SendMessageW(shell.mainWindow, WM_EXITSIZEMOVE, 0, 0);
    CHECK(GetUpdateRect(shell.mainWindow, nullptr, FALSE));
    CHECK_FALSE(shell.sizing);
    CHECK_FALSE(shell.sizeChanged);
    ValidateRect(shell.mainWindow, nullptr);
    SendMessageW(shell.mainWindow, WM_EXITSIZEMOVE, 0, 0);
    CHECK_FALSE(GetUpdateRect(shell.mainWindow, nullptr, FALSE));
}

TEST_CASE("maximising shows at most 40 x 20 squares centred, and restoring brings the view back")
{
    GameFixture game;
    InstallEmptyBoard(100, 100);
    FrameMetrics m = CurrentFrameMetrics();
    PixelSize desktop = DesktopSize();
    shell.board->scrollX = 70;
    shell.board->scrollY = 75;

    ShowWindow(shell.mainWindow, SW_MAXIMIZE);
    Pump();
    PixelSize want = WindowSizeFor(40, 20, m);
    RECT r = WindowRect(shell.mainWindow);
    CHECK(r.right - r.left == want.width);
    CHECK(r.bottom - r.top == want.height);
    CHECK(r.left == (desktop.width - want.width + 1) / 2);
    CHECK(r.top == (desktop.height - want.height + 1) / 2);
    CHECK(shell.board->visibleCols == 40);
    CHECK(shell.board->visibleRows == 20);
    CHECK(shell.board->scrollX == 0);
    CHECK(shell.board->scrollY == 0);
    CHECK(ClientRect(shell.boardView).right == 17 * 40 + 1);

    SUBCASE("restore puts the origin back")
    {
        ShowWindow(shell.mainWindow, SW_RESTORE);
        Pump();
        CHECK(Outer(shell.mainWindow).width == WindowSizeFor(20, 20, m).width);
        CHECK(shell.board->scrollX == 70);
        CHECK(shell.board->scrollY == 75);
        // Only that restore: a later fit keeps the view where it is.
        shell.board->scrollX = 5;
        SendMessageW(shell.mainWindow, WM_SIZE, SIZE_RESTORED, 0);
        CHECK(shell.board->scrollX == 5);
    }
    SUBCASE("a smaller board installed meanwhile gets an origin on it")
    {
        InstallBoard(std::make_unique<CBoard>(shell.boardView, 30, 25));
        ShowWindow(shell.mainWindow, SW_RESTORE);
        Pump();
        CHECK(shell.board->visibleCols == 20);
        CHECK(shell.board->visibleRows == 20);
        CHECK(shell.board->scrollX == 10);
        CHECK(shell.board->scrollY == 5);
    }
}

TEST_CASE("a size request before the board exists assumes 20 x 20")
{
    GameFixture game;
    DestroyBoard();
    MINMAXINFO info {};
    SendMessageW(shell.mainWindow, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    PixelSize want = WindowSizeFor(20, 20, CurrentFrameMetrics());
    CHECK(info.ptMaxSize.x == want.width);
    CHECK(info.ptMaxSize.y == want.height);
}

TEST_CASE("Exit and the close box both destroy the board exactly once and end the loop")
{
    GameFixture game;
    boardsDestroyed = 0;
    shell.boardDestroyed = CountDestruction;
    HWND main = shell.mainWindow;

    SUBCASE("Exit")
    {
        SendMessageW(main, WM_COMMAND, IDM_EXIT, 0);
        CHECK(Pump());  // the quit request
        CHECK(shell.board == nullptr);
        CHECK(boardsDestroyed == 1);
        // The timer was stopped by the shutdown steps.
        CHECK_FALSE(KillTimer(main, shell.timerId));
        // The window itself goes with the process; its own destruction later
        // must not touch the board again.
        DestroyWindow(main);
        Pump();
        CHECK(boardsDestroyed == 1);
    }
    SUBCASE("close box")
    {
        SendMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
        CHECK(Pump());
        CHECK_FALSE(IsWindow(main));
        CHECK(shell.board == nullptr);
        CHECK(boardsDestroyed == 1);
    }
}

TEST_CASE("a board too large for memory ends the start-up with no window and no board left")
{
    shell = Shell {};
    shell.fitCols = 60000;
    shell.fitRows = 60000;
    CHECK_FALSE(CreateMainWindow(GetModuleHandleW(nullptr), SW_SHOWNORMAL));
    CHECK(shell.outOfMemory);
    CHECK(shell.board == nullptr);
    CHECK(FindWindowW(L"Quinterra", nullptr) == nullptr);
    Pump();
    shell = Shell {};
}

TEST_CASE("a size set from outside snaps to whole squares at its place, and the view follows")
{
    GameFixture game;
    InstallEmptyBoard(100, 100);
    shell.board->scrollX = 90;  // a wider view must not reach past the board
    RECT before = WindowRect(shell.mainWindow);
    SetWindowPos(shell.mainWindow, nullptr, 0, 0, 500, 505, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    FrameMetrics m = CurrentFrameMetrics();
    int cols = (500 - m.fw - m.vsw) / 17;
    int rows = (505 - m.fh - m.hsh - 52) / 17;
    PixelSize want = WindowSizeFor(uint32_t(cols), uint32_t(rows), m);
    RECT after = WindowRect(shell.mainWindow);
    CHECK(after.right - after.left == want.width);
    CHECK(after.bottom - after.top == want.height);
    CHECK(after.left == before.left);
    CHECK(after.top == before.top);
    CHECK(shell.board->visibleCols == uint32_t(cols));
    CHECK(shell.board->visibleRows == uint32_t(rows));
    CHECK(shell.board->scrollX + shell.board->visibleCols == 100);
    CHECK(ClientRect(shell.boardView).right == 17 * cols + 1);
    CHECK(ClientRect(shell.boardView).bottom == 17 * rows + 1);
}

TEST_CASE("while the frame is being sized, uncovered parts of the main window show a grey cross")
{
    GameFixture game;
    // Move the status panel away so that a strip of the main window shows.
    ShowWindow(shell.status, SW_HIDE);
    RECT client = ClientRect(shell.mainWindow);
    int y = client.bottom - 8;
    // Where the falling diagonal (0,0)-(W,H) crosses that row.
    int onDiagonal = int(int64_t(y) * client.right / client.bottom);

    auto darkNear = [&](int x) {
        HDC dc = GetDC(shell.mainWindow);
        bool dark = false;
        for (int dx = -2; dx <= 2; ++dx)
            dark = dark || GetPixel(dc, x + dx, y) == RGB(0, 0, 0);
        ReleaseDC(shell.mainWindow, dc);
        return dark;
    };
    auto repaint = [] {
        InvalidateRect(shell.mainWindow, nullptr, TRUE);
        UpdateWindow(shell.mainWindow);
    };

    REQUIRE(shell.sizing);  // the first showing counts as sizing
    repaint();
    CHECK(darkNear(onDiagonal));
    HDC dc = GetDC(shell.mainWindow);
    CHECK(GetPixel(dc, client.right / 2, y) == RGB(192, 192, 192));
    ReleaseDC(shell.mainWindow, dc);

    SendMessageW(shell.mainWindow, WM_EXITSIZEMOVE, 0, 0);
    repaint();
    CHECK_FALSE(darkNear(onDiagonal));
}

TEST_CASE("running out of memory tells the player in Czech and ends the run cleanly")
{
    SUBCASE("at start-up")
    {
        shell = Shell {};
        shell.fitCols = 60000;
        shell.fitRows = 60000;
        BoxAnswerer ok(IDOK);
        CHECK(RunGame(GetModuleHandleW(nullptr), SW_SHOWNORMAL) == 1);
        CHECK(ok.boxesSeen() == 1);
        CHECK(ok.caption() == L"Chyba");
        CHECK(ok.text().find(L"paměti") != std::wstring::npos);
        CHECK(FindWindowW(L"Quinterra", nullptr) == nullptr);
        Pump();
        shell = Shell {};
    }
    SUBCASE("during a game")
    {
        GameFixture game;
        boardsDestroyed = 0;
        shell.boardDestroyed = CountDestruction;
        HWND main = shell.mainWindow;
        {
            BoxAnswerer ok(IDOK);
            AbandonGame();
            CHECK(ok.boxesSeen() == 1);
            CHECK(ok.caption() == L"Chyba");
        }
        CHECK(boardsDestroyed == 1);
        CHECK(shell.board == nullptr);
        CHECK(shell.outOfMemory);
        CHECK_FALSE(IsWindow(main));
        CHECK(Pump());  // the loop ends
    }
}
