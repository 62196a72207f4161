#include "SettingsDialog.h"

#include "BoardView.h"
#include "Commands.h"
#include "FittingHandlers.h"
#include "Shell.h"
#include "SizeFields.h"
#include "Texts.h"
#include "Toolbar.h"
#include "resource.h"

#include <algorithm>
#include <cwchar>
#include <memory>
#include <new>

namespace {

// The fields are read as at most 18 characters.
const int FieldRoom = 19;

int32_t ReadField(HWND dialog, int id)
{
    wchar_t text[FieldRoom] = {};
    GetDlgItemTextW(dialog, id, text, FieldRoom);
    return ParseDecimal(text);
}

void WriteField(HWND dialog, int id, uint32_t value)
{
    wchar_t text[16] = {};
    swprintf(text, 16, L"%i", int(value));
    SetDlgItemTextW(dialog, id, text);
}

bool GameStarted()
{
    return shell.board && shell.board->state != NotStarted;
}

void OnOk(HWND dialog)
{
    const uint32_t width = ClampWidth(ReadField(dialog, IDC_WIDTH));
    const uint32_t height = ClampHeight(ReadField(dialog, IDC_HEIGHT));
    if (!shell.board || (width == shell.board->width && height == shell.board->height))
        return;
    if (GameStarted()) {
        int answer = MessageBoxW(dialog, Text::ConfirmResize, Text::ResizeCaption, MB_YESNO);
        if (answer != IDYES || !shell.board)
            return;
    }
    ChangeBoardSize(dialog, width, height);
}

}  // namespace

void ChangeBoardSize(HWND dialog, uint32_t width, uint32_t height)
{
    std::unique_ptr<CBoard> board;
    try {
        board = std::make_unique<CBoard>(shell.boardView, width, height);
    } catch (const CEngine::ExMalloc&) {
    } catch (const std::bad_alloc&) {
    }
    if (!board) {
        MessageBoxW(dialog, Text::NoMemoryForBoardSize, Text::ErrorCaption, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    board->SetView({0, 0, MaxShownCols, MaxShownRows});
    InstallBoard(std::move(board));

    shell.filePath[0] = L'\0';
    shell.nameOffset = 0;

    // The window is sized for the shown part; its fitting then sets the view,
    // and the bars show it, with the new board's range.
    FitWindowToView();
    SetMainTitle(shell.mainWindow, width, height, false);
    for (HWND window : {shell.mainWindow, shell.toolbar, shell.boardView, shell.status})
        InvalidateRect(window, nullptr, FALSE);
    UpdateToolbar();
}

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        if (shell.board) {
            WriteField(dialog, IDC_WIDTH, shell.board->width);
            WriteField(dialog, IDC_HEIGHT, shell.board->height);
        }
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
        } else if (LOWORD(wParam) == IDOK) {
            OnOk(dialog);
            EndDialog(dialog, 0);
        }
        return TRUE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            EndDialog(dialog, 0);
        return FALSE;
    default: return FALSE;
    }
}

void CmdSettings()
{
    DialogBoxParamW(shell.instance, MAKEINTRESOURCEW(IDD_SETTINGS), shell.mainWindow, SettingsDialogProc, 0);
}
