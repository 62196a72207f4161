// The status panel's three fields read back from the screen, the clock's
// text, and when the clock runs.
#include "AppFixture.h"
#include "GameClock.h"
#include "PanelPixels.h"
#include "StatusPanel.h"
#include "resource.h"

#include <doctest/doctest.h>

#include <limits>
#include <string>

namespace {

// The tests give the ticks themselves: the window's own timer would add
// ticks at moments of its own choosing.
void StopRealTimer()
{
    KillTimer(shell.mainWindow, shell.timerId);
}

void PointerAway()
{
    SetCursorPos(1270, 1010);
}

// Puts the real pointer over a board view pixel and tells the view.
void PointerOnBoard(int x, int y)
{
    POINT at {x, y};
    ClientToScreen(shell.boardView, &at);
    SetCursorPos(at.x, at.y);
    SendMessageW(shell.boardView, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void ClickBoard(uint32_t col, uint32_t row)
{
    SendMessageW(shell.boardView, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(17 * col + 9, 17 * row + 9));
    Pump();
}

void Tick()
{
    SendMessageW(shell.mainWindow, WM_TIMER, 1, 0);
}

std::wstring Clock(int32_t ticks)
{
    wchar_t text[ClockTextRoom];
    FormatClock(ticks, text);
    return text;
}

// Compares the panel, below its etched line, with how it should look.
void CheckPanel(const std::wstring& counter, const std::wstring& coordinates, const std::wstring& clock)
{
    Strip seen = Capture(shell.status);
    REQUIRE(seen.height == 20);
    Strip expected = ExpectedStatus(seen.width, seen.height, counter, coordinates, clock);
    CHECK(FirstDifference(seen, expected, 0, seen.height) == "");
}

// Redraws the whole panel now, as after a change of the game.
void Repaint()
{
    InvalidateRect(shell.status, nullptr, FALSE);
    UpdateWindow(shell.status);
}

// While a message box is open: the clock's count and the activity flag
// seen from inside its modal loop, after two timer ticks there.
struct InsideBox {
    UINT_PTR timer = 0;
    int32_t before = -1;
    int32_t after = -1;
    bool active = true;
    bool seen = false;
    int waits = 0;
} insideBox;

BOOL CALLBACK FindBox(HWND window, LPARAM found)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (IsWindowVisible(window) && std::wstring(name) == L"#32770") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK TickInsideBox(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box) {
        if (++insideBox.waits > 500) {
            KillTimer(nullptr, insideBox.timer);
            insideBox.timer = 0;
        }
        return;
    }
    insideBox.seen = true;
    insideBox.before = shell.board->clock;
    insideBox.active = shell.mainWindowActive;
    Tick();
    Tick();
    insideBox.after = shell.board->clock;
    PostMessageW(box, WM_COMMAND, IDNO, 0);
    KillTimer(nullptr, insideBox.timer);
    insideBox.timer = 0;
}

}  // namespace

TEST_CASE("the clock's text")
{
    CHECK(Clock(0) == L"00:00:00");
    CHECK(Clock(1) == L"00:00:00");
    CHECK(Clock(245) == L"00:02:02");
    CHECK(Clock(7200) == L"01:00:00");
    CHECK(Clock(7199) == L"00:59:59");
    // A hundred hours and more: the hours simply grow.
    CHECK(Clock(100 * 7200) == L"100:00:00");
    CHECK(Clock(100 * 7200 + 3599 * 2) == L"100:59:59");
    CHECK(Clock(std::numeric_limits<int32_t>::max()) == L"298261:37:03");
    // Negative counts come only from a saved game; shown as their size with a minus.
    CHECK(Clock(-245) == L"-00:02:02");
    CHECK(Clock(-1) == L"-00:00:00");
    CHECK(Clock(std::numeric_limits<int32_t>::min()) == L"-298261:37:04");
}

TEST_CASE("the clock's tick rule")
{
    CHECK(AdvanceClock(0, InPlay, true) == 1);
    CHECK(AdvanceClock(-5, InPlay, true) == -4);
    CHECK(AdvanceClock(7, InPlay, false) == 7);
    CHECK(AdvanceClock(7, NotStarted, true) == 7);
    CHECK(AdvanceClock(7, Won, true) == 7);
    CHECK(AdvanceClock(7, BoardFull, true) == 7);
    // The largest count stays; it does not turn into a negative time.
    const int32_t top = std::numeric_limits<int32_t>::max();
    CHECK(AdvanceClock(top, InPlay, true) == top);
}

TEST_CASE("the move counter, the blank middle and the clock on screen")
{
    GameFixture game;
    StopRealTimer();
    PointerAway();
    Tick();
    Pump();
    CheckPanel(L"0/0", L"", L"00:00:00");

    ClickBoard(10, 10);
    CheckPanel(L"1/1", L"", L"00:00:00");
    ClickBoard(3, 3);
    ClickBoard(15, 5);
    SendCommand(IDM_UNDO);
    SendCommand(IDM_UNDO);
    CheckPanel(L"1/3", L"", L"00:00:00");
    SendCommand(IDM_UNDO);
    CheckPanel(L"0/3", L"", L"00:00:00");

    SUBCASE("245 ticks, 7200 ticks and a three-digit hour count")
    {
        shell.board->clock = 245;
        DrawClock();
        CheckPanel(L"0/3", L"", L"00:02:02");
        shell.board->clock = 7200;
        DrawClock();
        CheckPanel(L"0/3", L"", L"01:00:00");
        shell.board->clock = 123 * 7200 + 2 * 120 + 6;
        DrawClock();
        CheckPanel(L"0/3", L"", L"123:02:03");
        // Back to a shorter text: nothing of the longer one is left standing.
        shell.board->clock = 245;
        DrawClock();
        CheckPanel(L"0/3", L"", L"00:02:02");
        shell.board->clock = std::numeric_limits<int32_t>::min();
        DrawClock();
        CheckPanel(L"0/3", L"", L"-298261:37:04");
        shell.board->clock = 0;
        Repaint();
        CheckPanel(L"0/3", L"", L"00:00:00");
    }
    SUBCASE("the fields keep their places when the window is widened")
    {
        RECT r {};
        GetWindowRect(shell.mainWindow, &r);
        SetWindowPos(shell.mainWindow, nullptr, 0, 0, r.right - r.left + 17 * 6, r.bottom - r.top,
            SWP_NOMOVE | SWP_NOZORDER);
        Pump();
        CheckPanel(L"0/3", L"", L"00:00:00");
    }
}

TEST_CASE("the coordinates of the square under the pointer")
{
    GameFixture game;
    StopRealTimer();
    PointerOnBoard(8, 8);
    // Blank until the first tick sees the pointer over the board.
    CheckPanel(L"0/0", L"", L"00:00:00");
    Tick();
    CHECK(shell.pointerOverBoard);
    CheckPanel(L"0/0", L"[1,1]", L"00:00:00");

    // Pixel 16 is the first square's; 17 already names the next one.
    PointerOnBoard(16, 16);
    CheckPanel(L"0/0", L"[1,1]", L"00:00:00");
    PointerOnBoard(17, 16);
    CheckPanel(L"0/0", L"[2,1]", L"00:00:00");
    PointerOnBoard(17 * 19 + 5, 17 * 9);
    CHECK(shell.pointerSquare.col == 20);
    CHECK(shell.pointerSquare.row == 10);
    CheckPanel(L"0/0", L"[20,10]", L"00:00:00");
    // The closing frame line at the right and bottom is the last square's.
    PointerOnBoard(17 * 20, 17 * 20);
    CHECK(shell.pointerSquare.col == 21);
    CheckPanel(L"0/0", L"[20,20]", L"00:00:00");
    PointerOnBoard(17 * 19 + 5, 17 * 9);

    SUBCASE("scrolled, the numbers count from the board's corner")
    {
        InstallEmptyBoard(100, 100);
        shell.board->scrollX = 80;
        shell.board->scrollY = 90;
        PointerOnBoard(17 * 19 + 5, 17 * 9 + 5);
        Tick();
        CHECK(shell.pointerSquare.col == 100);
        CHECK(shell.pointerSquare.row == 100);
        Repaint();
        CheckPanel(L"0/0", L"[100,100]", L"00:00:00");
        // From three digits back to two: the wider text leaves nothing behind.
        PointerOnBoard(5, 5);
        CheckPanel(L"0/0", L"[81,91]", L"00:00:00");
    }
    SUBCASE("leaving the board blanks the middle at the next tick")
    {
        PointerAway();
        CheckPanel(L"0/0", L"[20,10]", L"00:00:00");
        Tick();
        CHECK_FALSE(shell.pointerOverBoard);
        CheckPanel(L"0/0", L"", L"00:00:00");
    }
}

TEST_CASE("the clock runs only in play and while the window is active")
{
    GameFixture game;
    StopRealTimer();
    PointerAway();
    for (int i = 0; i < 3; ++i)
        Tick();
    CHECK(shell.board->clock == 0);

    ClickBoard(10, 10);
    REQUIRE(shell.board->state == InPlay);
    Tick();
    // Each tick shows the count before its own advance.
    CHECK(shell.board->clock == 1);
    CheckPanel(L"1/1", L"", L"00:00:00");
    Tick();
    Tick();
    CHECK(shell.board->clock == 3);
    CheckPanel(L"1/1", L"", L"00:00:01");

    SUBCASE("another program active: paused; back by click or by keyboard: running")
    {
        SendMessageW(shell.mainWindow, WM_ACTIVATE, WA_INACTIVE, 0);
        Tick();
        Tick();
        CHECK(shell.board->clock == 3);
        SendMessageW(shell.mainWindow, WM_ACTIVATE, WA_CLICKACTIVE, 0);
        Tick();
        CHECK(shell.board->clock == 4);
        SendMessageW(shell.mainWindow, WM_ACTIVATE, WA_INACTIVE, 0);
        SendMessageW(shell.mainWindow, WM_ACTIVATE, WA_ACTIVE, 0);
        Tick();
        CHECK(shell.board->clock == 5);
    }
    SUBCASE("a message box of the game stops the clock while it is open")
    {
        insideBox = InsideBox {};
        insideBox.timer = SetTimer(nullptr, 0, 20, TickInsideBox);
        SendCommand(IDM_NEW);  // answered No from inside the box
        if (insideBox.timer)
            KillTimer(nullptr, insideBox.timer);
        REQUIRE(insideBox.seen);
        CHECK_FALSE(insideBox.active);
        CHECK(insideBox.before == 3);
        CHECK(insideBox.after == 3);
        // The box is gone and the main window active again.
        CHECK(shell.mainWindowActive);
        Tick();
        CHECK(shell.board->clock == 4);
    }
    SUBCASE("a won game stops the clock; undoing the winning turn starts it again")
    {
        InstallEmptyBoard(12, 5);
        int guard = 0;
        while ((shell.board->state == NotStarted || shell.board->state == InPlay) && ++guard < 40)
            SendCommand(IDM_HINT);
        REQUIRE((shell.board->state == Won || shell.board->state == BoardFull));
        int32_t stopped = shell.board->clock;
        Tick();
        Tick();
        CHECK(shell.board->clock == stopped);
        SendCommand(IDM_UNDO);
        REQUIRE(shell.board->state == InPlay);
        Tick();
        CHECK(shell.board->clock == stopped + 1);
    }
    SUBCASE("a clock at its largest count (from a saved game) stands still instead of wrapping")
    {
        const int32_t top = std::numeric_limits<int32_t>::max();
        shell.board->clock = top;
        Tick();
        Tick();
        CHECK(shell.board->clock == top);
        CheckPanel(L"1/1", L"", L"298261:37:03");
    }
    SUBCASE("a new game starts from zero and waits for the first move")
    {
        BoxAnswerer yes(IDYES);
        SendCommand(IDM_NEW);
        CHECK(yes.boxesSeen() == 1);
        CHECK(shell.board->clock == 0);
        Tick();
        CHECK(shell.board->clock == 0);
        CheckPanel(L"0/0", L"", L"00:00:00");
    }
}
