// The main window and its panels as a player meets them: New, settings, sizing
// and maximising, the status panel, the toolbar, and the end of the run.
#include "Harness.h"
#include "MainWindow.h"
#include "SettingsDialog.h"
#include "Toolbar.h"
#include "resource.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <array>
#include <chrono>

namespace {

const COLORREF Face = RGB(192, 192, 192), Shadow = RGB(128, 128, 128), Light = RGB(255, 255, 255);

// Puts the real pointer over a client point of a window and tells the window.
void Pointer(HWND window, UINT message, int x, int y)
{
    POINT at {x, y};
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
    SendMessageW(window, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
    Pump();
}

// Where text, in the panel's font on its face, first shows in the strip;
// all -1 when it does not.
RECT TextPlace(const Picture& strip, const std::wstring& text)
{
    HWND scratch = CreateWindowW(L"Static", L"", WS_POPUP | WS_VISIBLE, 0, 0, strip.width, strip.height,
        nullptr, nullptr, nullptr, nullptr);
    HDC dc = GetDC(scratch);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkColor(dc, Face);
    SIZE size {};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    TextOutW(dc, 0, 0, text.c_str(), int(text.size()));
    ReleaseDC(scratch, dc);
    const Picture ink = Snapshot(scratch);
    DestroyWindow(scratch);
    for (int y = 0; y + size.cy <= strip.height; ++y)
        for (int x = 0; x + size.cx <= strip.width; ++x) {
            bool same = true;
            for (int i = 0; same && i < size.cx * size.cy; ++i)
                same = strip.At(x + i % size.cx, y + i / size.cx) == ink.At(i % size.cx, i / size.cx);
            if (same)
                return {x, y, x + size.cx, y + size.cy};
        }
    return {-1, -1, -1, -1};
}

// "" when the status strip shows, under its etched top and on one line, the
// counter at its left edge, the coordinates (or nothing) in its middle and
// the clock at its right edge, with no piece of an older text.
std::string StatusMismatch(
    const std::wstring& counter, const std::wstring& coordinates, const std::wstring& clock)
{
    const Picture strip = Snapshot(shell.status);
    const int w = strip.width;
    const RECT left = TextPlace(strip, counter), right = TextPlace(strip, clock),
               middle = TextPlace(strip, coordinates);
    int inkInMiddle = 0;
    for (int i = 0; i < w / 2 * (strip.height - 4); ++i)
        inkInMiddle += strip.At(w / 4 + i % (w / 2), 4 + i / (w / 2)) != Face;
    const bool placed = left.left == 0 && left.top >= 4 && left.bottom <= strip.height && right.right == w
        && right.top == left.top
        && (coordinates.empty() ? inkInMiddle == 0
                                : middle.top == left.top && std::abs(middle.left + middle.right - w) <= 1);
    if (strip.At(w / 2, 2) != Shadow || strip.At(w / 2, 3) != Light)
        return "no etched line";
    return placed ? RepaintDifference(shell.status) : "texts misplaced";
}

// The frame of the toolbar button at x: "flat", "raised" or "sunken"; and
// "greyed" when it shows its greyed picture, "down" when its own picture is
// moved a pixel right and down.
std::string Button(int x, uint16_t picture)
{
    const Picture bar = Snapshot(shell.toolbar);
    const COLORREF left = bar.At(x, 15), right = bar.At(x + 25, 15);
    // Whether the top-left side x side pixels of resource number are drawn
    // shift pixels right and down of a picture's place.
    auto shows = [&](int number, int shift, int side) {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(
            dc, LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(number), IMAGE_BITMAP, 0, 0, 0));
        bool same = true;
        for (int i = 0; i < side * side; ++i)
            same = same
                && bar.At(x + 1 + shift + i % side, 5 + shift + i / side) == GetPixel(dc, i % side, i / side);
        DeleteObject(SelectObject(dc, old));
        DeleteDC(dc);
        return same;
    };
    return std::string(left == Light && right == Shadow ? "raised"
                   : left == Shadow && right == Light   ? "sunken"
                   : left == Face && right == Face      ? "flat"
                                                        : "odd")
        + (shows(picture + 1, 0, 24) ? " greyed" : "") + (shows(picture, 1, 23) ? " down" : "");
}

}  // namespace

TEST_CASE("New asks first: No keeps the game, Yes clears it and forgets the file, which Save As no longer proposes")
{
    Game game;
    ClickAt(17 * 10 + 9, 17 * 10 + 9);
    wcscpy(shell.filePath, L"C:\\hry\\partie.hra");
    shell.nameOffset = 7;
    SetMainTitle(shell.mainWindow, 20, 20, true);
    std::vector<std::wstring> seen = Answering({Press(IDNO)}, [] { Command(IDM_NEW); });
    CHECK(seen.at(0) == L"Zahájit novou hru?|Opravdu si přejete zahájit novou hru,\ra tak zrušit stávající?");
    CHECK(shell.board->currentTurn == 0);
    CHECK(Title() == L"Quinterra [20x20] partie.hra");
    Answering({Press(IDYES)}, [] { Command(IDM_NEW); });
    CHECK(shell.board->freeCells == 400);
    CHECK(shell.nameOffset == 0);
    CHECK(Title() == L"Quinterra [20x20]");
    CHECK(ToolbarText() == "Hint");  // nothing to start anew: no move, no file
    CHECK(NameSaveAsOffers() == L"");
}

TEST_CASE("the settings set the board's size within limits; a started game is given up only after Yes")
{
    Game game;
    auto settings = [](const wchar_t* width, const wchar_t* height, std::vector<Step> more = {}) {
        more.insert(more.begin(), [=](HWND dialog) {
            SetDlgItemTextW(dialog, IDC_WIDTH, width);
            SetDlgItemTextW(dialog, IDC_HEIGHT, height);
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        });
        return Answering(more, [] { Command(IDM_SETTINGS); });
    };
    // A change of one side alone counts; sizes beyond the limits are held at them.
    for (auto [width, height, w, h, rows] :
        {std::tuple {L"20", L"15", 20u, 15u, 15u}, {L"25", L"15", 25u, 15u, 15u}, {L"7", L"3", 10u, 5u, 5u},
            {L"100", L"99999999999999999", 100u, 100u, 20u}}) {
        CAPTURE(w);
        settings(width, height);
        const CBoard& b = *shell.board;
        CHECK(std::tuple {b.width, b.height, b.View().visibleCols, b.View().visibleRows,
                  Snapshot(shell.boardView).height, Title()}
            == std::tuple {w, h, std::min(w, 40u), rows, int(17 * rows + 1),
                L"Quinterra [" + std::to_wstring(w) + L"x" + std::to_wstring(h) + L"]"});
    }
    const CBoard* board = shell.board.get();
    settings(L"100", L"100");
    CHECK(shell.board.get() == board);

    ClickAt(17 * 10 + 9, 17 * 10 + 9);
    wcscpy(shell.filePath, L"C:\\x.hra");
    shell.nameOffset = 3;
    CHECK(settings(L"30", L"15", {Press(IDNO)}).at(1)
        == L"Změnit velikost?|Opravdu si přejete změnit velikost hrací plochy\ra tím zrušit stávající hru?");
    CHECK(shell.board.get() == board);
    settings(L"30", L"15", {Press(IDYES)});
    CHECK(
        std::tuple {shell.board->width, shell.board->lastTurn, shell.nameOffset} == std::tuple {30u, -1, 0});
    CHECK(NameSaveAsOffers() == L"");
    CHECK(ToolbarText() == "Hint");  // the toolbar follows the new, untouched game

    board = shell.board.get();  // no memory for the new board: told, and the game goes on
    CHECK(Answering({Press(IDOK)}, [] { ChangeBoardSize(shell.mainWindow, 60000, 60000); })
              .at(0)
              .starts_with(L"Chyba|"));
    CHECK(shell.board.get() == board);
}

TEST_CASE("a drag snaps to whole squares, the view and children follow; its end repaints after a change")
{
    Game game;
    ChangeBoardSize(shell.mainWindow, 100, 100);
    SendMessageW(shell.boardView, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 60), 0);
    SendMessageW(shell.boardView, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 30), 0);
    RECT fitted {}, client {}, status {};
    GetWindowRect(shell.mainWindow, &fitted);
    // Dragged by the top-left corner, ten pixels short of one more square each way.
    for (auto [cols, rows] : {std::pair {0, 0}, {3, 2}}) {
        RECT drag = fitted;
        drag.left -= 17 * cols + 10;
        drag.top -= 17 * rows + 10;
        SendMessageW(shell.mainWindow, WM_SIZING, WMSZ_TOPLEFT, reinterpret_cast<LPARAM>(&drag));
        CHECK(std::tuple {drag.left, drag.top, drag.right, drag.bottom}
            == std::tuple {fitted.left - 17 * cols, fitted.top - 17 * rows, fitted.right, fitted.bottom});
        const ViewPlace& v = shell.board->View();
        CHECK(std::tuple {v.visibleCols, v.visibleRows, v.scrollX, v.scrollY, GetScrollPos(shell.boardView, SB_HORZ),
                  GetScrollPos(shell.boardView, SB_VERT)}
            == std::tuple {uint32_t(40 + cols), uint32_t(20 + rows), uint32_t(60 - cols), uint32_t(30 - rows),
                60 - cols, 30 - rows});
        const Picture view = Snapshot(shell.boardView);
        CHECK(std::pair {view.width, view.height} == std::pair {17 * (40 + cols) + 1, 17 * (20 + rows) + 1});
        GetClientRect(shell.mainWindow, &client);
        GetWindowRect(shell.status, &status);
        CHECK(status.right - status.left == client.right + 17 * cols);
        ValidateRect(shell.mainWindow, nullptr);
        SendMessageW(shell.mainWindow, WM_EXITSIZEMOVE, 0, 0);
        CHECK(bool(GetUpdateRect(shell.mainWindow, nullptr, FALSE)) == (cols != 0));
    }
}

TEST_CASE("restoring a maximised window brings back the view's origin of the same board only")
{
    Game game;
    ChangeBoardSize(shell.mainWindow, 100, 100);
    ClickAt(17 * 10 + 9, 17 * 3 + 9);
    // Scrolled unequally both ways: the view keeps its size, and only the
    // moved origin tells it to repaint.
    SendMessageW(shell.boardView, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 50), 0);
    SendMessageW(shell.boardView, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 7), 0);
    // Position and page of both scroll bars.
    auto bars = [] {
        const ScrollBars b = BoardScrollBars();
        return std::tuple {b.acrossPos, b.acrossPage, b.downPos, b.downPage};
    };
    const auto restored = bars();
    ShowWindow(shell.mainWindow, SW_MAXIMIZE);
    Pump();
    CHECK(std::pair {shell.board->View().scrollX, shell.board->View().scrollY} == std::pair {0u, 0u});
    CHECK(bars() == std::tuple {0, 40, 0, 20});
    CHECK(RepaintDifference() == "");
    SUBCASE("the same board")
    {
        ShowWindow(shell.mainWindow, SW_RESTORE);
        Pump();
        CHECK(std::pair {shell.board->View().scrollX, shell.board->View().scrollY} == std::pair {50u, 7u});
        CHECK(bars() == restored);
        CHECK(RepaintDifference() == "");
        // Only that restore: a later fit keeps the view where it is.
        SendMessageW(shell.boardView, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 5), 0);
        SendMessageW(shell.mainWindow, WM_SIZE, SIZE_RESTORED, 0);
        CHECK(shell.board->View().scrollX == 5);
    }
    SUBCASE("a new board set meanwhile")
    {
        ChangeBoardSize(shell.mainWindow, 60, 50);
        ShowWindow(shell.mainWindow, SW_RESTORE);
        Pump();
        CHECK(std::pair {shell.board->View().scrollX, shell.board->View().scrollY} == std::pair {0u, 0u});
    }
}

TEST_CASE("a maximised window kept larger than asked (a window manager's) shows the fitted panels centred")
{
    Game game;
    ChangeBoardSize(shell.mainWindow, 100, 100);
    ShowWindow(shell.mainWindow, SW_MAXIMIZE);
    Pump();
    // Where each panel sits in the main window's client area, and its size.
    auto panels = [] {
        std::vector<int> at;
        for (HWND panel : {shell.toolbar, shell.boardView, shell.status}) {
            RECT r {};
            GetWindowRect(panel, &r);
            MapWindowPoints(nullptr, shell.mainWindow, reinterpret_cast<POINT*>(&r), 2);
            at.insert(at.end(), {int(r.left), int(r.top), int(r.right - r.left), int(r.bottom - r.top)});
        }
        return at;
    };
    auto outer = [] {
        RECT r {};
        GetWindowRect(shell.mainWindow, &r);
        return std::pair {r.right - r.left, r.bottom - r.top};
    };
    CHECK(outer() == std::pair {17 * 40 + 26L, 17 * 20 + 116L});  // asked for and given
    RECT placed {};
    GetWindowRect(shell.mainWindow, &placed);
    CHECK(std::pair {placed.left, placed.top} == std::pair {287L, 284L});  // centred on the desktop
    CHECK(panels() == std::vector {0, 0, 698, 32, 0, 32, 698, 358, 0, 390, 698, 20});
    // The whole 1280 x 1024 desktop, as a window manager maximises.
    SetWindowPos(shell.mainWindow, nullptr, -4, -4, 1288, 1032, SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    CHECK(outer() == std::pair {1288L, 1032L});
    CHECK(panels() == std::vector {291, 288, 698, 32, 291, 320, 698, 358, 291, 678, 698, 20});
    CHECK(
        std::pair {shell.board->View().visibleCols, shell.board->View().visibleRows} == std::pair {40u, 20u});
    const Picture margin = Snapshot(shell.mainWindow);
    CHECK(std::tuple {margin.At(0, 0), margin.At(200, 154), margin.At(1279, 985)}
        == std::tuple {Face, Face, Face});  // no placeholder cross around the panels
    // While a drag is under way the margins show the placeholder: a black
    // frame and both its diagonals.
    shell.sizing = true;
    RedrawWindow(shell.mainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const Picture held = Snapshot(shell.mainWindow);
    shell.sizing = false;
    auto blackNear = [&held](int x, int y) {
        return std::ranges::any_of(std::array {-1, 0, 1}, [&](int dy) { return held.At(x, y + dy) == 0; });
    };
    const int across = 100 * held.height / held.width;
    CHECK(std::tuple {blackNear(0, 600), blackNear(100, across), blackNear(100, held.height - 1 - across)}
        == std::tuple {true, true, true});
    SUBCASE("a new board while maximised, then the restore")
    {
        ChangeBoardSize(shell.mainWindow, 30, 10);  // a new size keeps the window, centred again
        CHECK(outer() == std::pair {1288L, 1032L});
        CHECK(panels() == std::vector {376, 373, 528, 32, 376, 405, 528, 188, 376, 593, 528, 20});
        CHECK(Snapshot(shell.boardView).width == 17 * 30 + 1);
        ShowWindow(shell.mainWindow, SW_RESTORE);
        Pump();
        CHECK(outer() == std::pair {17 * 30 + 26L, 17 * 10 + 116L});
        CHECK(panels() == std::vector {0, 0, 528, 32, 0, 32, 528, 188, 0, 220, 528, 20});
    }
    SUBCASE("a restore that reports the maximised size still brings back the size from before")
    {
        // As under a window manager that has not yet shrunk the window when
        // Wine reads the restored size off the screen.
        WINDOWPLACEMENT place {};
        place.length = sizeof place;
        GetWindowPlacement(shell.mainWindow, &place);
        place.rcNormalPosition = RECT {-4, -4, 1284, 1028};
        SetWindowPlacement(shell.mainWindow, &place);
        Pump();
        CHECK(outer() == std::pair {1288L, 1032L});
        ShowWindow(shell.mainWindow, SW_RESTORE);
        Pump();
        CHECK(outer() == std::pair {17 * 40 + 26L, 17 * 20 + 116L});
        CHECK(panels() == std::vector {0, 0, 698, 32, 0, 32, 698, 358, 0, 390, 698, 20});
    }
}

TEST_CASE("the status panel shows moves, the square under the pointer and the clock, running in play")
{
    Game game;
    // Scrolled unequally both ways, to the board's last column: its number
    // is wider than the field's sample text.
    ChangeBoardSize(shell.mainWindow, 100, 25);
    SendMessageW(shell.boardView, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3), 0);
    SendMessageW(shell.boardView, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 60), 0);
    Pointer(shell.boardView, WM_MOUSEMOVE, 0, 0);  // the outer lines are the board's too
    SendMessageW(shell.mainWindow, WM_TIMER, 1, 0);
    CHECK(StatusMismatch(L"0/0", L"[61,4]", L"00:00:00") == "");
    Pointer(shell.boardView, WM_MOUSEMOVE, 17 * 40, 17 * 19 + 3);  // the closing line is the last square's
    CHECK(StatusMismatch(L"0/0", L"[100,23]", L"00:00:00") == "");
    ClickAt(17 * 10 + 9, 17 * 10 + 9);
    for (int i = 0; i < 3; ++i)
        SendMessageW(shell.mainWindow, WM_TIMER, 1, 0);
    CHECK(StatusMismatch(L"1/1", L"[100,23]", L"00:00:01") == "");
    SendMessageW(shell.mainWindow, WM_ACTIVATE, WA_INACTIVE, 0);
    SendMessageW(shell.mainWindow, WM_TIMER, 1, 0);
    CHECK(shell.board->clock == 3);
    SendMessageW(shell.mainWindow, WM_ACTIVATE, WA_CLICKACTIVE, 0);
    SendMessageW(shell.mainWindow, WM_TIMER, 1, 0);
    CHECK(shell.board->clock == 4);
    Command(IDM_UNDO);
    POINT below {17 * 5, 17 * 20 + 30};  // under the view, higher up than the view is wide
    ClientToScreen(shell.boardView, &below);
    SetCursorPos(below.x, below.y);
    SendMessageW(shell.mainWindow, WM_TIMER, 1, 0);
    CHECK(StatusMismatch(L"0/1", L"", L"00:00:02") == "");
}

TEST_CASE("a toolbar button rises under the pointer, sinks when pressed, acts on release; greyed ones do not")
{
    Game game;
    const int hint = 188, undo = 128;
    CHECK(Button(undo, IDB_UNDO) == "flat greyed");
    const char* looks[] = {"raised", "sunken down", "raised"};
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) {
        Pointer(shell.toolbar, message, hint + 5, 15);
        CHECK(Button(hint, IDB_HINT) == looks[message - WM_MOUSEMOVE]);
    }
    CHECK(shell.board->currentTurn == 0);
    CHECK(Button(undo, IDB_UNDO) == "flat");
    for (UINT message :
        {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN})  // the last on greyed Undo
        Pointer(shell.toolbar, message, undo + 5, 15);
    CHECK(shell.board->currentTurn == -1);
    CHECK(Button(undo, IDB_UNDO) == "flat greyed");
    Pointer(shell.toolbar, WM_MOUSEMOVE, hint + 5, 15);
    SendMessageW(shell.mainWindow, WM_TIMER, 1, 0);  // still there: it stays raised
    CHECK(Button(hint, IDB_HINT) == "raised");
    SetCursorPos(1270, 1010);  // gone: the next tick flattens the button
    SendMessageW(shell.mainWindow, WM_TIMER, 1, 0);
    CHECK(Button(hint, IDB_HINT) == "flat");
}

TEST_CASE("the pointer over the board is the arrow")
{
    Game game;
    SendMessageW(shell.boardView, WM_SETCURSOR, WPARAM(shell.boardView), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    CHECK(GetCursor() == LoadCursorW(nullptr, IDC_ARROW));
}

TEST_CASE("the main window's own timer ticks the clock twice a second")
{
    // Ticks come on the timer's schedule or are dropped when the loop is
    // late, never made up: a game's fourth tick comes two seconds after the
    // timer's start at the earliest, and four with a timer of a second. The
    // loop may miss three ticks before the check fails.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point started = Clock::now();
    Game game(true);
    ClickAt(17 * 10 + 9, 17 * 10 + 9);
    while (shell.board->clock < 4 && Clock::now() - started < std::chrono::seconds(10)) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        Pump();
    }
    const auto ran = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count();
    CHECK(shell.board->clock == 4);
    CHECK(ran > 1990);  // the two clocks may round apart
    CHECK(ran < 4000);
}

LRESULT CALLBACK OutOfMemory(HWND, UINT, WPARAM, LPARAM)
{
    throw CEngine::ExMalloc {};
}

TEST_CASE("a game that runs out of memory is given up with a Czech box, and its window closes")
{
    Game game;
    HWND main = shell.mainWindow;
    wcscpy(shell.filePath, L"C:\\x.hra");  // Save then goes for the file, not the dialog
    shell.nameOffset = 3;
    // While the box is up the window, with no game left, is painted, ticked,
    // clicked, scrolled, sized and given every command that opens no box of
    // its own: none may reach for the game or open a window.
    const Step everythingThenClose = [main](HWND box) {
        RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        for (UINT id : {IDM_NEW, IDM_OPEN, IDM_SAVE, IDM_SAVEAS, IDM_UNDO, IDM_REDO, IDM_HINT})
            SendMessageW(main, WM_COMMAND, id, 0);
        for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_SETCURSOR})
            SendMessageW(shell.boardView, message, 0, MAKELPARAM(20, 20));
        for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})
            SendMessageW(shell.toolbar, message, 0, MAKELPARAM(188 + 13, 16));
        SendMessageW(shell.boardView, WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
        SendMessageW(main, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
        SendMessageW(main, WM_TIMER, 1, 0);
        MINMAXINFO limits {};
        SendMessageW(main, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        RECT drag {0, 0, 500, 400};
        SendMessageW(main, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&drag));
        SendMessageW(main, WM_SIZE, SIZE_RESTORED, MAKELPARAM(480, 300));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    };
    CHECK(Answering({everythingThenClose}, [main] { OutOfMemoryGuard<OutOfMemory>(main, WM_NULL, 0, 0); }).at(0)
        == L"Chyba|Pro hru není dost paměti.\rRozehranou partii nelze dohrát a program bude ukončen.");
    CHECK(std::pair {shell.board == nullptr, bool(IsWindow(main))} == std::pair {true, false});
}

TEST_CASE("Exit ends the run, running the shutdown steps once")
{
    Game game;
    HWND main = shell.mainWindow;
    SendMessageW(main, WM_COMMAND, IDM_EXIT, 0);
    CHECK(Pump());
    CHECK(shell.board == nullptr);
    CHECK(IsWindow(main));  // until the program's end destroys it: no second quit then
    DestroyWindow(main);
    CHECK_FALSE(Pump());
}

TEST_CASE("a toolbar button answers from its first to its last column and row, a gap between buttons not")
{
    Game game;
    const struct {
        int x, y;
        uint16_t id;
        int left;
    } points[] = {{0, 4, IDB_NEW, 0}, {25, 29, IDB_NEW, 0}, {26, 15, 0, 0}, {33, 15, 0, 0},
        {34, 15, IDB_OPEN, 34}, {59, 15, IDB_OPEN, 34}, {60, 15, IDB_SAVE, 60}, {85, 15, IDB_SAVE, 60},
        {86, 15, 0, 0}, {94, 3, 0, 0}, {94, 30, 0, 0}, {119, 4, IDB_SETTINGS, 94}, {128, 29, IDB_UNDO, 128},
        {153, 15, IDB_UNDO, 128}, {154, 15, IDB_REDO, 154}, {179, 15, IDB_REDO, 154}, {180, 15, 0, 0},
        {188, 15, IDB_HINT, 188}, {213, 15, IDB_HINT, 188}, {221, 15, 0, 0}, {222, 15, IDB_HELP, 222},
        {247, 15, IDB_HELP, 222}, {248, 15, 0, 0}};
    for (const auto& p : points) {
        CAPTURE(p.x * 100 + p.y);
        const CToolbar::Hit hit = toolbarPanel.object->HitTest(p.x, p.y);
        CHECK(std::pair {hit.button ? int(hit.button->id) : 0, hit.button ? hit.x : 0}
            == std::pair {int(p.id), p.left});
    }

    // Each button shows its own picture as the build made it from its source,
    // greyed where the game cannot use it yet.
    const Picture bar = Snapshot(shell.toolbar);
    const std::pair<int, const wchar_t*> pictures[] = {{0, L"new_off"}, {34, L"open"}, {60, L"save"},
        {94, L"settings"}, {128, L"undo_off"}, {154, L"redo_off"}, {188, L"hint"}, {222, L"help"}};
    HDC dc = CreateCompatibleDC(nullptr);
    for (auto [left, name] : pictures) {
        CAPTURE(left);
        const std::wstring file = std::wstring(L"Z:" QUINTERRA_PICTURES_DIR L"/") + name + L".bmp";
        HGDIOBJ picture = LoadImageW(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
        REQUIRE(picture);
        HGDIOBJ old = SelectObject(dc, picture);
        int differ = 0;
        for (int i = 0; i < 24 * 24; ++i)
            differ += bar.At(left + 1 + i % 24, 5 + i / 24) != GetPixel(dc, i % 24, i / 24);
        DeleteObject(SelectObject(dc, old));
        CHECK(differ == 0);
    }
    DeleteDC(dc);

    // A separator's middle: a shadow and a white column, as tall as a button's frame.
    auto shade = [](COLORREF c) { return c == Face ? '.' : c == Shadow ? 'S' : c == Light ? 'L' : '?'; };
    for (int left : {26, 86, 120, 180, 214}) {
        CAPTURE(left);
        std::string across, down;
        for (int x = left; x < left + 8; ++x)
            across += shade(bar.At(x, 15));
        for (int y = 3; y <= 30; ++y)
            down += shade(bar.At(left + 3, y));
        CHECK(across == "...SL...");
        CHECK(down == "." + std::string(26, 'S') + ".");
    }
    // Its top edge: a shadow row over a white one, from end to end.
    CHECK(std::string {shade(bar.At(0, 0)), shade(bar.At(0, 1)), shade(bar.At(bar.width - 1, 0)),
              shade(bar.At(bar.width - 1, 1)), shade(bar.At(0, 2))}
        == "SLSL.");
}

namespace {

// Presses and releases the left button in the middle of the toolbar button
// whose left edge is at x.
void ClickButton(int left)
{
    SendMessageW(shell.toolbar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(left + 13, 16));
    SendMessageW(shell.toolbar, WM_LBUTTONUP, 0, MAKELPARAM(left + 13, 16));
    Pump();
}

}  // namespace

TEST_CASE("each toolbar button runs its own command")
{
    const int newGame = 0, open = 34, save = 60, settings = 94, undo = 128, redo = 154, hint = 188, help = 222;
    Game game;
    ClickAt(17 * 10 + 9, 17 * 10 + 9);
    ClickButton(undo);
    CHECK(shell.board->currentTurn == -1);
    ClickButton(redo);
    CHECK(shell.board->currentTurn == 0);
    ClickButton(hint);
    CHECK(shell.board->currentTurn == 1);
    // The others open a window each, which tells the command; closed, it changes nothing.
    for (auto [left, caption] : {std::pair {newGame, L"Zahájit novou hru?"}, {open, L"Otevřít"},
             {save, L"Uložit jako"}, {settings, L"Nastavení"}, {help, L"Nápověda"}}) {
        CAPTURE(left);
        const std::vector<std::wstring> seen = Answering(
            {Press(left == newGame ? IDNO : left == help ? IDOK : IDCANCEL)}, [left] { ClickButton(left); });
        CHECK(seen.at(0).substr(0, seen.at(0).find(L'|')) == caption);
    }
    CHECK(shell.board->currentTurn == 1);
}
