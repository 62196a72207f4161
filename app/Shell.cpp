#include "Shell.h"

#include <cwchar>

Shell shell;

void DestroyBoard()
{
    if (!shell.board)
        return;
    shell.board.reset();
    if (shell.boardDestroyed)
        shell.boardDestroyed();
}

FrameMetrics CurrentFrameMetrics()
{
    // The scroll bar sizes are read each time: the user may change them.
    return {
        shell.frameWidth, shell.frameHeight, GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)};
}

PixelSize DesktopSize()
{
    RECT r {};
    GetClientRect(GetDesktopWindow(), &r);
    return {r.right - r.left, r.bottom - r.top};
}

void LayoutMainWindow(int x, int y, int width, int height, bool move)
{
    UINT keep = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(shell.mainWindow, nullptr, x, y, width, height, keep | (move ? 0 : SWP_NOMOVE));
    int inner = width - shell.frameWidth;
    SetWindowPos(shell.toolbar, nullptr, 0, 0, inner, 32, keep | SWP_NOMOVE);
    SetWindowPos(shell.boardView, nullptr, 0, 0, inner, height - shell.frameHeight - 52, keep | SWP_NOMOVE);
    SetWindowPos(shell.status, nullptr, 0, height - shell.frameHeight - 20, inner, 20, keep);
}

void FormatMainTitle(uint32_t width, uint32_t height, bool withFileName)
{
    size_t room = sizeof shell.title / sizeof shell.title[0];
    if (withFileName && shell.nameOffset < sizeof shell.filePath / sizeof shell.filePath[0]) {
        shell.filePath[sizeof shell.filePath / sizeof shell.filePath[0] - 1] = L'\0';
        swprintf(shell.title, room, L"Quinterra [%ux%u] %ls", unsigned(width), unsigned(height),
            shell.filePath + shell.nameOffset);
    } else {
        swprintf(shell.title, room, L"Quinterra [%ux%u]", unsigned(width), unsigned(height));
    }
}

void SetMainTitle(HWND window, uint32_t width, uint32_t height, bool withFileName)
{
    FormatMainTitle(width, height, withFileName);
    SetWindowTextW(window, shell.title);
}

void ReportOutOfMemory(HWND owner)
{
    MessageBoxW(owner, L"Pro hru není dost paměti.\rRozehranou partii nelze dohrát a program bude ukončen.",
        L"Chyba", MB_OK | MB_ICONERROR);
}

void AbandonGame()
{
    shell.outOfMemory = true;
    DestroyBoard();
    HWND main = IsWindow(shell.mainWindow) ? shell.mainWindow : nullptr;
    ReportOutOfMemory(main);
    if (main)
        DestroyWindow(main);
}
