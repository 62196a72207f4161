#include "Shell.h"

#include "Texts.h"

#include <cwchar>

Shell shell;

void DestroyBoard()
{
    shell.board.reset();
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
    if (shell.desktopMaximised && IsZoomed(shell.mainWindow)) {
        // The window manager's maximised window keeps its size whatever is
        // asked; the size message it would have sent fits the panels in it.
        SendMessageW(shell.mainWindow, WM_SIZE, SIZE_MAXIMIZED, 0);
        return;
    }
    UINT keep = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(shell.mainWindow, nullptr, x, y, width, height, keep | (move ? 0 : SWP_NOMOVE));
    LayoutPanels({0, 0}, width, height);
}

void LayoutPanels(PixelPoint origin, int width, int height)
{
    UINT keep = SWP_NOZORDER | SWP_NOACTIVATE;
    const int inner = width - shell.frameWidth;
    const int client = height - shell.frameHeight;
    SetWindowPos(shell.toolbar, nullptr, origin.x, origin.y, inner, ToolbarHeight, keep);
    SetWindowPos(shell.boardView, nullptr, origin.x, origin.y + ToolbarHeight, inner,
        client - ToolbarHeight - StatusHeight, keep);
    SetWindowPos(
        shell.status, nullptr, origin.x, origin.y + client - StatusHeight, inner, StatusHeight, keep);
}

void FormatMainTitle(uint32_t width, uint32_t height, bool withFileName)
{
    size_t room = sizeof shell.title / sizeof shell.title[0];
    if (withFileName && shell.nameOffset < sizeof shell.filePath / sizeof shell.filePath[0]) {
        shell.filePath[sizeof shell.filePath / sizeof shell.filePath[0] - 1] = L'\0';
        swprintf(shell.title, room, Text::TitleWithFileFormat, unsigned(width), unsigned(height),
            shell.filePath + shell.nameOffset);
    } else {
        swprintf(shell.title, room, Text::TitleFormat, unsigned(width), unsigned(height));
    }
}

void SetMainTitle(HWND window, uint32_t width, uint32_t height, bool withFileName)
{
    FormatMainTitle(width, height, withFileName);
    SetWindowTextW(window, shell.title);
}

void ReportOutOfMemory(HWND owner)
{
    MessageBoxW(owner, Text::NoMemoryForGame, Text::ErrorCaption, MB_OK | MB_ICONERROR);
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
