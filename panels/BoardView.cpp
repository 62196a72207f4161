#include "BoardView.h"

#include "Commands.h"
#include "GdiOwners.h"
#include "PanelRefresh.h"
#include "PixelSquares.h"
#include "Scrolling.h"
#include "Shell.h"
#include "StatusPanel.h"
#include "Texts.h"
#include "Toolbar.h"
#include "resource.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

// Range, page and position of both bars at once; bars that have nothing to
// scroll are shown disabled rather than hidden.
void SetScrollBars()
{
    if (!shell.board)
        return;
    const CBoard& board = *shell.board;
    const ViewPlace& view = board.View();
    SCROLLINFO info {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nMax = int(board.width) - 1;
    info.nPage = view.visibleCols;
    info.nPos = int(view.scrollX);
    SetScrollInfo(shell.boardView, SB_HORZ, &info, TRUE);
    info.nMax = int(board.height) - 1;
    info.nPage = view.visibleRows;
    info.nPos = int(view.scrollY);
    SetScrollInfo(shell.boardView, SB_VERT, &info, TRUE);
}

bool ShowView(const ViewPlace& place)
{
    if (!shell.board)
        return false;
    const ViewPlace before = shell.board->View();
    shell.board->SetView(place);
    SetScrollBars();
    const ViewPlace& now = shell.board->View();
    return now.scrollX != before.scrollX || now.scrollY != before.scrollY;
}

namespace {

bool OnCreate(HWND window)
{
    try {
        shell.board = std::make_unique<CBoard>(window, shell.fitCols, shell.fitRows);
    } catch (const CEngine::ExMalloc&) {
        // Refusing the creation makes start-up fail cleanly, with no board.
        shell.outOfMemory = true;
        return false;
    }
    return true;
}

void OnPaint(HWND window)
{
    PaintSession paint(window);
    if (shell.board)
        shell.board->Paint(paint.get());
}

void OnMouseMove(int x, int y)
{
    if (!shell.board)
        return;
    shell.pointerSquare.col = SquareNumberAtPixel(x, shell.board->View().scrollX);
    shell.pointerSquare.row = SquareNumberAtPixel(y, shell.board->View().scrollY);
    DrawCoordinates();
}

void OnContextMenu(HWND window, int x, int y)
{
    MenuHandle menu(BuildBoardMenu(shell.board.get(), x, y));
    if (!menu.get())
        return;
    POINT at {x, y};
    ClientToScreen(window, &at);
    UINT flags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD;
    int chosen = TrackPopupMenu(menu.get(), flags, at.x, at.y, 0, shell.mainWindow, nullptr);
    if (chosen == IDM_PLACE_MARK)
        PlayAt(x, y);
    else if (chosen == IDM_SETTINGS)
        CmdSettings();
}

LRESULT HandleBoardMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: return OnCreate(window) ? 0 : -1;
    case WM_DESTROY: DestroyBoard(); return 0;
    case WM_PAINT: OnPaint(window); return 0;
    case WM_HSCROLL: ScrollView(SB_HORZ, LOWORD(wParam), short(HIWORD(wParam))); return 0;
    case WM_VSCROLL: ScrollView(SB_VERT, LOWORD(wParam), short(HIWORD(wParam))); return 0;
    case WM_MOUSEWHEEL: WheelView(GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_LBUTTONDOWN: PlayAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_RBUTTONDOWN: OnContextMenu(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK BoardViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return OutOfMemoryGuard<HandleBoardMessage>(window, message, wParam, lParam);
}

void InstallBoard(std::unique_ptr<CBoard> board)
{
    DestroyBoard();
    shell.board = std::move(board);
    if (!shell.board)
        return;
    SetScrollBars();
    InvalidateRect(shell.boardView, nullptr, FALSE);
}

HMENU BuildBoardMenu(const CBoard* board, int x, int y)
{
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return nullptr;
    bool canPlace = false;
    if (board && (board->state == NotStarted || board->state == InPlay)) {
        const Cell* square = board->SquareAtPixel(x, y);
        canPlace = square && square->owner == Nobody;
    }
    AppendMenuW(menu, MF_STRING | (canPlace ? MF_ENABLED : MF_GRAYED), IDM_PLACE_MARK, Text::PlaceMark);
    AppendMenuW(menu, MF_STRING, IDM_SETTINGS, Text::Settings);
    if (canPlace)
        SetMenuDefaultItem(menu, IDM_PLACE_MARK, FALSE);
    return menu;
}

void PlayAt(int x, int y)
{
    if (shell.board)
        shell.board->Play(x, y, false);
    RefreshPanels();
}

void ScrollView(int bar, int request, int thumb)
{
    if (!shell.board)
        return;
    const CBoard& board = *shell.board;
    bool across = bar == SB_HORZ;
    ViewPlace place = board.View();
    uint32_t& origin = across ? place.scrollX : place.scrollY;
    ScrollStep step = ScrollAxis(request, thumb, origin, across ? place.visibleCols : place.visibleRows,
        across ? board.width : board.height);
    origin = step.origin;
    ShowView(place);
    if (step.repaint)
        InvalidateRect(shell.boardView, nullptr, FALSE);
}

void WheelView(int keys, int delta)
{
    if (!shell.board)
        return;
    const CBoard& board = *shell.board;
    bool across = (keys & MK_SHIFT) != 0;
    int& rest = across ? shell.wheelRest.cols : shell.wheelRest.rows;
    UINT perNotch = 3;
    if (!SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &perNotch, 0))
        perNotch = 3;
    const ViewPlace& view = board.View();
    WheelTurn turn = WheelLines(rest, delta, perNotch, across ? view.visibleCols : view.visibleRows);
    rest = turn.rest;
    // Line by line through the scroll bars' own requests: they stop at the
    // board's edge and repaint only when the view moved.
    int64_t steps = std::min<int64_t>(std::abs(int64_t(turn.lines)), across ? board.width : board.height);
    for (int64_t i = 0; i < steps && shell.board; ++i)
        ScrollView(across ? SB_HORZ : SB_VERT, turn.lines > 0 ? SB_LINEDOWN : SB_LINEUP, 0);
}
