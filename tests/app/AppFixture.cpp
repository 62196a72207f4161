#include "AppFixture.h"

#include "BoardView.h"
#include "MainWindow.h"

#include <doctest/doctest.h>

namespace {

// State of the timer callbacks: they run inside a modal loop, so they can
// reach the test only through here.
struct Answering {
    UINT_PTR timer = 0;
    int answer = 0;
    int boxes = 0;
    int ticks = 0;
    bool timedOut = false;
    bool chooseFirst = false;
    bool menuSeen = false;
    std::wstring text;
    std::wstring caption;
} answering;

// 20 ms ticks: about ten seconds before a missing box fails the test.
const int TickLimit = 500;

BOOL CALLBACK FindDialog(HWND window, LPARAM found)
{
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (IsWindowVisible(window) && std::wstring(name) == L"#32770") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&box));
    if (!box) {
        if (++answering.ticks > TickLimit && !answering.timedOut) {
            answering.timedOut = true;
            KillTimer(nullptr, answering.timer);
        }
        return;
    }
    wchar_t buffer[512] = {};
    GetDlgItemTextW(box, 0xFFFF, buffer, 512);
    answering.text = buffer;
    GetWindowTextW(box, buffer, 512);
    answering.caption = buffer;
    ++answering.boxes;
    PostMessageW(box, WM_COMMAND, WPARAM(answering.answer), 0);
    KillTimer(nullptr, answering.timer);
    answering.timer = 0;
}

BOOL CALLBACK FindMenu(HWND window, LPARAM found)
{
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (IsWindowVisible(window) && std::wstring(name) == L"#32768") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK AnswerMenu(HWND, UINT, UINT_PTR, DWORD)
{
    HWND menu = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindMenu, reinterpret_cast<LPARAM>(&menu));
    if (!menu) {
        if (++answering.ticks > TickLimit) {
            answering.timedOut = true;
            KillTimer(nullptr, answering.timer);
            answering.timer = 0;
        }
        return;
    }
    answering.menuSeen = true;
    if (answering.chooseFirst) {
        // The menu's own loop reads the thread's keyboard messages.
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    } else {
        EndMenu();
    }
    KillTimer(nullptr, answering.timer);
    answering.timer = 0;
}

}  // namespace

GameFixture::GameFixture()
{
    shell = Shell {};
    REQUIRE(CreateMainWindow(GetModuleHandleW(nullptr), SW_SHOWNORMAL));
    Pump();
}

GameFixture::~GameFixture()
{
    if (IsWindow(shell.mainWindow))
        DestroyWindow(shell.mainWindow);
    Pump();
    shell.boardDestroyed = nullptr;
}

bool Pump()
{
    bool quit = false;
    MSG message {};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = true;
            continue;
        }
        if (!TranslateCommandKey(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return quit;
}

void InstallEmptyBoard(uint32_t width, uint32_t height)
{
    InstallBoard(std::make_unique<CBoard>(shell.boardView, width, height));
    // Fit the window to the new board as the program does after a size change.
    SendMessageW(shell.mainWindow, WM_SIZE, SIZE_RESTORED, 0);
    Pump();
}

BoxAnswerer::BoxAnswerer(int answer)
{
    answering = Answering {};
    answering.answer = answer;
    answering.timer = SetTimer(nullptr, 0, 20, AnswerBox);
}

BoxAnswerer::~BoxAnswerer()
{
    if (answering.timer)
        KillTimer(nullptr, answering.timer);
    answering.timer = 0;
}

int BoxAnswerer::boxesSeen() const
{
    return answering.boxes;
}
std::wstring BoxAnswerer::text() const
{
    return answering.text;
}
std::wstring BoxAnswerer::caption() const
{
    return answering.caption;
}
bool BoxAnswerer::timedOut() const
{
    return answering.timedOut;
}

MenuAnswerer::MenuAnswerer(bool chooseFirst)
{
    answering = Answering {};
    answering.chooseFirst = chooseFirst;
    answering.timer = SetTimer(nullptr, 0, 20, AnswerMenu);
}

MenuAnswerer::~MenuAnswerer()
{
    if (answering.timer)
        KillTimer(nullptr, answering.timer);
    answering.timer = 0;
}

bool MenuAnswerer::sawMenu() const
{
    return answering.menuSeen;
}

bool PressCommandKey(UINT key, bool ctrl)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    keys[VK_LCONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
    MSG message {};
    message.hwnd = shell.boardView;
    message.message = WM_KEYDOWN;
    message.wParam = key;
    message.lParam = 1;
    bool taken = TranslateCommandKey(message);
    keys[VK_CONTROL] = 0;
    keys[VK_LCONTROL] = 0;
    SetKeyboardState(keys);
    Pump();
    return taken;
}

int32_t OwnerAt(uint32_t col, uint32_t row)
{
    return shell.board->CellAt(col, row)->owner;
}

int StonesOnBoard()
{
    int stones = 0;
    for (uint32_t y = 0; y < shell.board->height; ++y)
        for (uint32_t x = 0; x < shell.board->width; ++x)
            stones += OwnerAt(x, y) != Nobody;
    return stones;
}

std::wstring MainTitle()
{
    wchar_t title[300] = {};
    GetWindowTextW(shell.mainWindow, title, 300);
    return title;
}

void SendCommand(UINT id)
{
    SendMessageW(shell.mainWindow, WM_COMMAND, id, 0);
    Pump();
}

void ClickSquare(uint32_t col, uint32_t row)
{
    const CBoard& b = *shell.board;
    SendMessageW(shell.boardView, WM_LBUTTONDOWN, MK_LBUTTON,
        MAKELPARAM(17 * (col - b.scrollX) + 9, 17 * (row - b.scrollY) + 9));
}

void CheckScrollBar(int bar, int max, UINT page, int pos)
{
    SCROLLINFO info {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    REQUIRE(GetScrollInfo(shell.boardView, bar, &info));
    CHECK(info.nMin == 0);
    CHECK(info.nMax == max);
    CHECK(info.nPage == page);
    CHECK(info.nPos == pos);
}
