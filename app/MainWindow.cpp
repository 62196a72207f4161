#include "MainWindow.h"

#include "AboutHelp.h"
#include "BoardView.h"
#include "Commands.h"
#include "FittingHandlers.h"
#include "GameClock.h"
#include "Shell.h"
#include "StatusPanel.h"
#include "Texts.h"
#include "Toolbar.h"
#include "resource.h"

#include <windowsx.h>

namespace {

const wchar_t MainClass[] = L"Quinterra";
const wchar_t ToolbarClass[] = L"Quinterra_Toolbar";
const wchar_t BoardClass[] = L"Quinterra_Board";
const wchar_t StatusClass[] = L"Quinterra_Status";

const DWORD MainStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
const DWORD PanelStyle = WS_CHILD | WS_VISIBLE;
const DWORD BoardStyle = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL;

// All four classes look alike apart from their procedure. Registering a
// class twice (a second start in the same process, as the tests do) is fine.
bool RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure)
{
    WNDCLASSEXW wc {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_QUINTERRA));
    wc.hIconSm = wc.hIcon;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void OnCreate(HWND window)
{
    shell.mainWindow = window;
    shell.filePath[0] = L'\0';
    shell.nameOffset = 0;
    shell.timerId = SetTimer(window, 1, ClockTickMilliseconds, nullptr);
    RECT outer {};
    RECT client {};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    shell.frameWidth = (outer.right - outer.left) - (client.right - client.left);
    shell.frameHeight = (outer.bottom - outer.top) - (client.bottom - client.top);
}

// Every half second: whether the pointer is over the board, the clock (drawn,
// then advanced), the coordinates, and the toolbar's hot button.
void OnTimer()
{
    POINT at {};
    RECT view {};
    if (shell.boardView && GetCursorPos(&at) && ScreenToClient(shell.boardView, &at)
        && GetClientRect(shell.boardView, &view))
        shell.pointerOverBoard =
            view.left <= at.x && at.x <= view.right && view.top <= at.y && at.y <= view.bottom;
    // The clock shows the count before this tick's advance.
    DrawClock();
    if (shell.board)
        shell.board->Tick(shell.mainWindowActive);
    DrawCoordinates();
    if (toolbarPanel.object)
        toolbarPanel.object->CheckHover();
}

// kind: WA_INACTIVE, WA_ACTIVE or WA_CLICKACTIVE.
void OnActivate(WORD kind)
{
    shell.mainWindowActive = kind != WA_INACTIVE;
}

void OnDestroy(HWND window)
{
    if (shell.shutDown)
        return;
    shell.shutDown = true;
    PostQuitMessage(0);
    DestroyBoard();
    QuitHelp(window);
    KillTimer(window, shell.timerId);
}

LRESULT HandleMainMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: OnCreate(window); return 0;
    case WM_DESTROY: OnDestroy(window); return 0;
    case WM_SIZE:
        if (wParam == SIZE_RESTORED || wParam == SIZE_MAXIMIZED)
            OnSize(wParam == SIZE_MAXIMIZED);
        return 0;
    case WM_ACTIVATE: OnActivate(LOWORD(wParam)); return 0;
    case WM_PAINT: OnMainPaint(window); return 0;
    case WM_GETMINMAXINFO: OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam)); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
    case WM_TIMER: OnTimer(); return 0;
    case WM_SIZING: OnSizing(int(wParam), *reinterpret_cast<RECT*>(lParam)); return 0;
    case WM_EXITSIZEMOVE: OnExitSizeMove(window); return 0;
    case RefitMessage: OnRefit(window); return 0;
    // The wheel comes to the window with the focus, which is this one
    // unless the board view has taken it.
    case WM_MOUSEWHEEL: WheelView(GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

// A destroyed main window asks to quit; left pending, that request would
// close at once the message box that is to explain why the game ends.
void DropQuitRequest()
{
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

// Creates one child of the main window at its start-up place and size.
HWND CreatePanel(const wchar_t* className, DWORD style, int x, int y, int width, int height)
{
    RECT r {0, 0, width, height};
    AdjustWindowRect(&r, style, FALSE);
    return CreateWindowExW(0, className, L"", style, x, y, r.right - r.left, r.bottom - r.top,
        shell.mainWindow, nullptr, shell.instance, nullptr);
}

// The sizes from creation until the first showing fits the window to the
// same squares, a pixel smaller each way.
struct CreationSizes {
    int boardRight;  // the board view: the starting board's squares, its outer line and a bar
    int boardBottom;
    int statusTop;  // under the toolbar and the view, whose window is a row taller
    int mainBottom;  // the main window's client area: the view and both strips
};

CreationSizes CreationSizesFor(int verticalBarWidth, int horizontalBarHeight)
{
    const int boardRight = verticalBarWidth + SquarePixels * int(StartBoardSide) + 1;
    const int boardBottom = horizontalBarHeight + SquarePixels * int(StartBoardSide) + 1;
    return {
        boardRight, boardBottom, ToolbarHeight + boardBottom + 1, boardBottom + ToolbarHeight + StatusHeight};
}

// Registers the children's classes and creates the toolbar, the board view
// (whose creation builds the board, of the starting size) and the status
// strip, each only once the one before stands.
bool CreatePanels(const CreationSizes& at)
{
    bool made = RegisterWindowClass(shell.instance, ToolbarClass, ToolbarProc);
    if (made)
        shell.toolbar = CreatePanel(ToolbarClass, PanelStyle, 0, 0, at.boardRight, ToolbarHeight - 1);
    made = shell.toolbar && RegisterWindowClass(shell.instance, BoardClass, BoardViewProc);
    if (made)
        shell.boardView =
            CreatePanel(BoardClass, BoardStyle, 0, ToolbarHeight, at.boardRight + 1, at.boardBottom + 1);
    made = shell.boardView && RegisterWindowClass(shell.instance, StatusClass, StatusPanelProc);
    if (made)
        shell.status = CreatePanel(StatusClass, PanelStyle, 0, at.statusTop, at.boardRight + 1, StatusHeight);
    return made && shell.status;
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return OutOfMemoryGuard<HandleMainMessage>(window, message, wParam, lParam);
}

bool CreateMainWindow(HINSTANCE instance, int show)
{
    shell.instance = instance;
    const CreationSizes at = CreationSizesFor(GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL));
    RECT mainRect {0, 0, at.boardRight, at.mainBottom};
    AdjustWindowRect(&mainRect, MainStyle, TRUE);

    if (!RegisterWindowClass(instance, MainClass, MainWindowProc))
        return false;
    FormatMainTitle(StartBoardSide, StartBoardSide, false);
    HMENU menu = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAINMENU));
    HWND main = CreateWindowExW(0, MainClass, shell.title, MainStyle, CW_USEDEFAULT, CW_USEDEFAULT,
        mainRect.right - mainRect.left + 1, mainRect.bottom - mainRect.top + 1, nullptr, menu, instance,
        nullptr);
    if (!main) {
        if (menu)
            DestroyMenu(menu);
        return false;
    }
    shell.mainWindow = main;

    if (!CreatePanels(at) || !shell.board) {
        DestroyWindow(main);
        shell.mainWindow = shell.toolbar = shell.boardView = shell.status = nullptr;
        DropQuitRequest();
        return false;
    }

    shell.accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    ShowWindow(main, show);
    UpdateWindow(main);
    return true;
}

bool TranslateCommandKey(MSG& message)
{
    return shell.accelerators && TranslateAcceleratorW(shell.mainWindow, shell.accelerators, &message);
}

int RunMessageLoop()
{
    MSG message {};
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0) {
        if (got == -1)
            return 1;
        if (!TranslateCommandKey(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return int(message.wParam);
}

int RunGame(HINSTANCE instance, int show)
{
    try {
        if (!CreateMainWindow(instance, show)) {
            if (shell.outOfMemory)
                ReportOutOfMemory(nullptr);
            else
                MessageBoxW(nullptr, Text::NoWindow, Text::ErrorCaption, MB_OK | MB_ICONERROR);
            return 1;
        }
        int code = RunMessageLoop();
        // Exit leaves the window standing (only its shutdown steps ran).
        if (IsWindow(shell.mainWindow))
            DestroyWindow(shell.mainWindow);
        return shell.outOfMemory ? 1 : code;
    } catch (const CEngine::ExMalloc&) {
        DestroyBoard();
        DropQuitRequest();
        ReportOutOfMemory(nullptr);
        if (IsWindow(shell.mainWindow))
            DestroyWindow(shell.mainWindow);
        return 1;
    }
}
