// The main window and its panels as a player meets them: the first showing,
// commands and keys, the settings dialog, sizing and maximising, the status
// panel, the toolbar, and the end of the run.
#include "Harness.h"
#include "MainWindow.h"
#include "SettingsDialog.h"
#include "Toolbar.h"
#include "resource.h"

#include <doctest/doctest.h>

namespace {

const COLORREF Face = RGB(192, 192, 192), Shadow = RGB(128, 128, 128), Light = RGB(255, 255, 255);

RECT PlaceInMain(HWND child)
{
    RECT r {};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, shell.mainWindow, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int OuterWidth()
{
    RECT r {};
    GetWindowRect(shell.mainWindow, &r);
    return r.right - r.left;
}

void Tick()
{
    SendMessageW(shell.mainWindow, WM_TIMER, 1, 0);
}

void PointerOnBoard(int x, int y)
{
    POINT at {x, y};
    ClientToScreen(shell.boardView, &at);
    SetCursorPos(at.x, at.y);
    SendMessageW(shell.boardView, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

// "" when the status panel shows the three texts at their places on the
// etched strip, as the platform draws them in the panel's font.
std::string StatusMismatch(
    const std::wstring& counter, const std::wstring& coordinates, const std::wstring& clock)
{
    Pump();
    const Picture seen = Snapshot(shell.status);
    HWND scratch = CreateWindowW(L"Static", L"", WS_POPUP | WS_VISIBLE, 0, 0, seen.width, seen.height,
        nullptr, nullptr, nullptr, nullptr);
    HDC dc = GetDC(scratch);
    RECT all {0, 0, seen.width, seen.height};
    FillRect(dc, &all, HBRUSH(GetStockObject(LTGRAY_BRUSH)));
    for (int x = 0; x < seen.width; ++x) {
        SetPixel(dc, x, 2, Shadow);
        SetPixel(dc, x, 3, Light);
    }
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkColor(dc, Face);
    auto put = [&](const std::wstring& text, int place) {
        SIZE size {};
        GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
        int x = place == 0 ? 0 : place == 1 ? (seen.width - size.cx + 1) / 2 : seen.width - size.cx;
        TextOutW(dc, x, (seen.height - size.cy - 3) / 2 + 4, text.c_str(), int(text.size()));
    };
    put(counter, 0);
    put(coordinates, 1);
    put(clock, 2);
    ReleaseDC(scratch, dc);
    const Picture expected = Snapshot(scratch);
    DestroyWindow(scratch);
    return FirstDifference(seen, expected);
}

// Frame of toolbar button at x: 1 raised, -1 sunken, 0 flat, 2 anything else.
int Frame(int x)
{
    const Picture bar = Snapshot(shell.toolbar);
    COLORREF topLeft = bar.At(x, 15), bottomRight = bar.At(x + 25, 15);
    if (topLeft != bar.At(x + 10, 4) || bottomRight != bar.At(x + 10, 29))
        return 2;
    return topLeft == Light && bottomRight == Shadow ? 1
        : topLeft == Shadow && bottomRight == Light  ? -1
        : topLeft == Face && bottomRight == Face     ? 0
                                                     : 2;
}

// Whether the button at x shows its own picture (look 0) or its greyed one (1).
bool ShowsPicture(int x, uint16_t id, int look)
{
    HBITMAP bitmap =
        HBITMAP(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id + look), IMAGE_BITMAP, 0, 0, 0));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const Picture bar = Snapshot(shell.toolbar);
    bool same = true;
    for (int y = 0; y < 24; ++y)
        for (int dx = 0; dx < 24; ++dx)
            same = same && bar.At(x + 1 + dx, 5 + y) == GetPixel(dc, dx, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return same;
}

}  // namespace

TEST_CASE(
    "the first showing lays out the toolbar, a board view of exactly 20 x 20 squares and the status panel")
{
    Game game;
    RECT client {};
    GetClientRect(shell.mainWindow, &client);
    RECT view {};
    GetClientRect(shell.boardView, &view);
    CHECK(view.right == 17 * 20 + 1);
    CHECK(view.bottom == 17 * 20 + 1);
    CHECK(PlaceInMain(shell.toolbar).bottom == 32);
    CHECK(PlaceInMain(shell.boardView).top == 32);
    CHECK(PlaceInMain(shell.boardView).bottom == client.bottom - 20);
    CHECK(PlaceInMain(shell.status).top == client.bottom - 20);
    CHECK(PlaceInMain(shell.status).right == client.right);
    CHECK(Title() == L"Quinterra [20x20]");
}

TEST_CASE("New asks first: No keeps the game, Yes clears it and forgets the file")
{
    Game game;
    ClickSquare(10, 10);
    wcscpy(shell.filePath, L"C:\\hry\\partie.hra");
    shell.nameOffset = 7;
    SetMainTitle(shell.mainWindow, 20, 20, true);
    std::vector<Seen> seen = Answering({Press(IDNO)}, [] { Command(IDM_NEW); });
    CHECK(seen.at(0).caption == L"Zahájit novou hru?");
    CHECK(seen.at(0).text == L"Opravdu si přejete zahájit novou hru,\ra tak zrušit stávající?");
    CHECK(shell.board->currentTurn == 0);
    CHECK(Title() == L"Quinterra [20x20] partie.hra");
    Answering({Press(IDYES)}, [] { Command(IDM_NEW); });
    CHECK(shell.board->lastTurn == -1);
    CHECK(shell.board->freeCells == 400);
    CHECK(shell.nameOffset == 0);
    CHECK(Title() == L"Quinterra [20x20]");
}

TEST_CASE("command keys reach their commands through the accelerator table")
{
    Game game;
    auto press = [](UINT key) {
        BYTE keys[256] = {};
        keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
        SetKeyboardState(keys);
        MSG message {shell.boardView, WM_KEYDOWN, key, 1, 0, {}};
        bool taken = TranslateCommandKey(message);
        keys[VK_CONTROL] = keys[VK_LCONTROL] = 0;
        SetKeyboardState(keys);
        Pump();
        return taken;
    };
    CHECK(press('P'));
    CHECK(shell.board->currentTurn == 0);
    CHECK(press('Z'));
    CHECK(shell.board->currentTurn == -1);
    CHECK(press('D'));
    CHECK(shell.board->currentTurn == 0);
    CHECK_FALSE(press('J'));
}

TEST_CASE(
    "the settings dialog sets the board's size within its limits; a started game is given up only after Yes")
{
    Game game;
    auto settings = [](const wchar_t* width, const wchar_t* height, std::vector<Step> more = {}) {
        Step fill = [=](HWND dialog) {
            SetDlgItemTextW(dialog, IDC_WIDTH, width);
            SetDlgItemTextW(dialog, IDC_HEIGHT, height);
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        };
        more.insert(more.begin(), fill);
        return Answering(more, [] { Command(IDM_SETTINGS); });
    };
    struct Case {
        const wchar_t *width, *height;
        uint32_t w, h, cols, rows;
    };
    // A change of one side alone counts; sizes beyond the limits are held at them.
    for (Case c : {Case {L"20", L"15", 20, 15, 20, 15}, Case {L"25", L"15", 25, 15, 25, 15},
             Case {L"7", L"3", 10, 5, 10, 5}, Case {L"100", L"999", 100, 100, 40, 20}}) {
        CAPTURE(c.w);
        CAPTURE(c.h);
        settings(c.width, c.height);
        CHECK(shell.board->width == c.w);
        CHECK(shell.board->height == c.h);
        CHECK(shell.board->visibleCols == c.cols);
        CHECK(shell.board->visibleRows == c.rows);
        RECT view {};
        GetClientRect(shell.boardView, &view);
        CHECK(view.bottom == int(17 * c.rows + 1));
        CHECK(Title() == L"Quinterra [" + std::to_wstring(c.w) + L"x" + std::to_wstring(c.h) + L"]");
    }
    const CBoard* board = shell.board.get();
    settings(L"100", L"100");
    CHECK(shell.board.get() == board);

    ClickSquare(10, 10);
    shell.nameOffset = 3;
    std::vector<Seen> asked = settings(L"30", L"15", {Press(IDNO)});
    CHECK(asked.at(1).caption == L"Změnit velikost?");
    CHECK(shell.board.get() == board);
    settings(L"30", L"15", {Press(IDYES)});
    CHECK(shell.board->width == 30);
    CHECK(shell.board->lastTurn == -1);
    CHECK(shell.nameOffset == 0);

    // No memory for the new board: the player is told, the game goes on.
    board = shell.board.get();
    std::vector<Seen> refused =
        Answering({Press(IDOK)}, [] { ChangeBoardSize(shell.mainWindow, 60000, 60000); });
    CHECK(refused.at(0).caption == L"Chyba");
    CHECK(shell.board.get() == board);
    ClickSquare(3, 3);
    CHECK(shell.board->currentTurn == 0);
}

TEST_CASE(
    "a drag snaps to whole squares and the view and children follow; its end repaints only after a change")
{
    Game game;
    ChangeBoardSize(shell.mainWindow, 100, 100);
    SendMessageW(shell.boardView, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 60), 0);
    RECT fitted {};
    GetWindowRect(shell.mainWindow, &fitted);
    for (int change : {0, 3}) {
        CAPTURE(change);
        RECT drag = fitted;
        drag.left -= 17 * change + 10;  // ten pixels short of one more square
        SendMessageW(shell.mainWindow, WM_SIZING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&drag));
        CHECK(drag.right == fitted.right);
        CHECK(drag.right - drag.left == fitted.right - fitted.left + 17 * change);
        CHECK(shell.board->visibleCols == uint32_t(40 + change));
        CHECK(shell.board->scrollX == uint32_t(60 - change));  // the right edge's squares stay put
        CHECK(GetScrollPos(shell.boardView, SB_HORZ) == int(60 - change));
        RECT view {};
        GetClientRect(shell.boardView, &view);
        CHECK(view.right == int(17 * (40 + change) + 1));
        ValidateRect(shell.mainWindow, nullptr);
        SendMessageW(shell.mainWindow, WM_EXITSIZEMOVE, 0, 0);
        CHECK(bool(GetUpdateRect(shell.mainWindow, nullptr, FALSE)) == (change != 0));
    }
}

TEST_CASE("restoring a maximised window brings back the view's origin of the same board only")
{
    Game game;
    ChangeBoardSize(shell.mainWindow, 100, 100);
    SendMessageW(shell.boardView, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 50), 0);
    SendMessageW(shell.boardView, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 75), 0);
    const int restoredWidth = OuterWidth();
    ShowWindow(shell.mainWindow, SW_MAXIMIZE);
    Pump();
    CHECK(shell.board->visibleCols == 40);
    CHECK(shell.board->scrollX == 0);
    CHECK(shell.board->scrollY == 0);

    SUBCASE("the same board")
    {
        ShowWindow(shell.mainWindow, SW_RESTORE);
        Pump();
        CHECK(OuterWidth() == restoredWidth);
        CHECK(shell.board->scrollX == 50);
        CHECK(shell.board->scrollY == 75);
        // Only that restore: a later fit keeps the view where it is.
        SendMessageW(shell.boardView, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 5), 0);
        SendMessageW(shell.mainWindow, WM_SIZE, SIZE_RESTORED, 0);
        CHECK(shell.board->scrollX == 5);
    }
    SUBCASE("a new board set meanwhile")
    {
        ChangeBoardSize(shell.mainWindow, 60, 50);
        ShowWindow(shell.mainWindow, SW_RESTORE);
        Pump();
        CHECK(shell.board->scrollX == 0);
        CHECK(shell.board->scrollY == 0);
    }
}

TEST_CASE("the status panel shows the move counter, the square under the pointer and the clock, which runs "
          "only in play and while active")
{
    Game game;
    ChangeBoardSize(shell.mainWindow, 30, 25);
    PointerOnBoard(17 * 2 + 3, 17 * 4 + 3);
    CHECK(StatusMismatch(L"0/0", L"", L"00:00:00") == "");
    Tick();
    CHECK(StatusMismatch(L"0/0", L"[3,5]", L"00:00:00") == "");
    // The closing line at the right belongs to the last square.
    PointerOnBoard(17 * 30, 17 * 19 + 3);
    CHECK(StatusMismatch(L"0/0", L"[30,20]", L"00:00:00") == "");

    ClickSquare(10, 10);
    Tick();
    Tick();
    Tick();
    CHECK(shell.board->clock == 3);
    CHECK(StatusMismatch(L"1/1", L"[30,20]", L"00:00:01") == "");
    SendMessageW(shell.mainWindow, WM_ACTIVATE, WA_INACTIVE, 0);
    Tick();
    CHECK(shell.board->clock == 3);
    SendMessageW(shell.mainWindow, WM_ACTIVATE, WA_CLICKACTIVE, 0);
    Tick();
    CHECK(shell.board->clock == 4);
    Command(IDM_UNDO);
    SetCursorPos(1270, 1010);
    Tick();
    CHECK(StatusMismatch(L"0/1", L"", L"00:00:02") == "");
}

TEST_CASE("a toolbar button rises under the pointer, sinks while pressed and runs its command on release; "
          "greyed ones do neither")
{
    Game game;
    const int HintX = 188, UndoX = 128;
    auto mouse = [](UINT message, int x) {
        POINT at {x, 15};
        ClientToScreen(shell.toolbar, &at);
        SetCursorPos(at.x, at.y);
        SendMessageW(shell.toolbar, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, 15));
        Pump();
    };
    CHECK(Frame(HintX) == 0);
    CHECK(ShowsPicture(HintX, IDB_HINT, 0));
    CHECK(ShowsPicture(UndoX, IDB_UNDO, 1));
    mouse(WM_MOUSEMOVE, HintX + 5);
    CHECK(Frame(HintX) == 1);
    mouse(WM_LBUTTONDOWN, HintX + 5);
    CHECK(Frame(HintX) == -1);
    mouse(WM_LBUTTONUP, HintX + 5);
    CHECK(Frame(HintX) == 1);
    CHECK(shell.board->currentTurn == 0);
    CHECK(ShowsPicture(UndoX, IDB_UNDO, 0));

    mouse(WM_MOUSEMOVE, UndoX + 5);
    mouse(WM_LBUTTONDOWN, UndoX + 5);
    mouse(WM_LBUTTONUP, UndoX + 5);
    CHECK(shell.board->currentTurn == -1);
    CHECK(ShowsPicture(UndoX, IDB_UNDO, 1));
    mouse(WM_MOUSEMOVE, UndoX + 6);
    mouse(WM_LBUTTONDOWN, UndoX + 6);
    CHECK(Frame(UndoX) == 0);
    // The pointer gone, the next tick flattens the raised button.
    mouse(WM_MOUSEMOVE, HintX + 5);
    SetCursorPos(1270, 1010);
    Tick();
    CHECK(Frame(HintX) == 0);
}

TEST_CASE("Exit and the close box end the run, running the shutdown steps once")
{
    Game game;
    HWND main = shell.mainWindow;
    SUBCASE("Exit")
    {
        SendMessageW(main, WM_COMMAND, IDM_EXIT, 0);
        CHECK(Pump());
        CHECK(shell.board == nullptr);
        // The window stays until the program's end destroys it: no second quit then.
        CHECK(IsWindow(main));
        DestroyWindow(main);
        CHECK_FALSE(Pump());
    }
    SUBCASE("close box")
    {
        SendMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
        CHECK(Pump());
        CHECK_FALSE(IsWindow(main));
        CHECK(shell.board == nullptr);
    }
}

TEST_CASE("without memory for the first board the start-up says so and ends with no window")
{
    shell = Shell {};
    shell.fitCols = shell.fitRows = 60000;
    int code = 0;
    std::vector<Seen> seen =
        Answering({Press(IDOK)}, [&] { code = RunGame(GetModuleHandleW(nullptr), SW_SHOWNORMAL); });
    CHECK(code == 1);
    CHECK(seen.at(0).text.find(L"paměti") != std::wstring::npos);
    CHECK(FindWindowW(L"Quinterra", nullptr) == nullptr);
    shell = Shell {};
}
