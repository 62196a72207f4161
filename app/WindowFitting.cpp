#include "WindowFitting.h"

#include "GdiOwners.h"
#include "Shell.h"

void SetScrollPages()
{
    CBoard& board = *shell.board;
    SCROLLINFO info {};
    info.cbSize = sizeof info;
    info.fMask = SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nPage = board.visibleCols;
    info.nPos = int(board.scrollX);
    SetScrollInfo(shell.boardView, SB_HORZ, &info, TRUE);
    info.nPage = board.visibleRows;
    info.nPos = int(board.scrollY);
    SetScrollInfo(shell.boardView, SB_VERT, &info, TRUE);
}

void OnSize(bool maximised)
{
    if (!shell.board)
        return;
    FrameMetrics metrics = CurrentFrameMetrics();
    RECT outer {};
    GetWindowRect(shell.mainWindow, &outer);
    SquareCount fit = FitSquares(SquaresFor(outer.right - outer.left, outer.bottom - outer.top, metrics),
        shell.board->width, shell.board->height);
    shell.fitCols = uint32_t(fit.cols);
    shell.fitRows = uint32_t(fit.rows);
    PixelSize size = WindowSizeFor(shell.fitCols, shell.fitRows, metrics);
    PixelPoint centre = CentreOn(DesktopSize(), size);
    // A size change here comes back as a nested WM_SIZE that finds the same fit.
    LayoutMainWindow(centre.x, centre.y, size.width, size.height, maximised);
    if (!shell.board)
        return;

    CBoard& board = *shell.board;
    uint32_t oldX = board.scrollX;
    uint32_t oldY = board.scrollY;
    if (maximised) {
        // Only the first size event of a maximise saves: a nested one would
        // otherwise save the origin it has just set to 0.
        if (!shell.originSaved) {
            shell.savedScrollX = board.scrollX;
            shell.savedScrollY = board.scrollY;
            shell.originSaved = true;
        }
        board.scrollX = 0;
        board.scrollY = 0;
    } else if (shell.originSaved) {
        // The restore that ends a maximise brings the view back; later drags
        // keep their own origin.
        board.scrollX = shell.savedScrollX;
        board.scrollY = shell.savedScrollY;
        shell.originSaved = false;
    }
    board.visibleCols = shell.fitCols;
    board.visibleRows = shell.fitRows;
    // The board may have changed size meanwhile, and a wider view may now
    // reach past its edge: keep the origin on the board.
    board.scrollX = ClampOrigin(board.scrollX, board.visibleCols, board.width);
    board.scrollY = ClampOrigin(board.scrollY, board.visibleRows, board.height);
    SetScrollPages();
    if (board.scrollX != oldX || board.scrollY != oldY)
        InvalidateRect(shell.boardView, nullptr, FALSE);
    shell.sizing = true;
    shell.sizeChanged = true;
}

void OnSizing(int edge, RECT& drag)
{
    if (!shell.board)
        return;
    CBoard& board = *shell.board;
    FrameMetrics metrics = CurrentFrameMetrics();
    DragRect rect {drag.left, drag.top, drag.right, drag.bottom};
    SquareCount previous {int(shell.fitCols), int(shell.fitRows)};
    SnapResult snap =
        SnapDrag(edge, rect, previous, board.scrollX, board.scrollY, board.width, board.height, metrics);
    drag = RECT {rect.left, rect.top, rect.right, rect.bottom};

    shell.fitCols = uint32_t(snap.fit.cols);
    shell.fitRows = uint32_t(snap.fit.rows);
    board.visibleCols = shell.fitCols;
    board.visibleRows = shell.fitRows;
    bool moved = board.scrollX != snap.scrollX || board.scrollY != snap.scrollY;
    board.scrollX = snap.scrollX;
    board.scrollY = snap.scrollY;
    SetScrollPages();
    shell.sizing = true;
    shell.sizeChanged = snap.changed;

    if (snap.changed) {
        int width = rect.right - rect.left;
        int height = rect.bottom - rect.top;
        int inner = width - shell.frameWidth;
        UINT keep = SWP_NOZORDER | SWP_NOACTIVATE;
        SetWindowPos(
            shell.boardView, nullptr, 0, 0, inner, height - shell.frameHeight - 52, keep | SWP_NOMOVE);
        SetWindowPos(shell.toolbar, nullptr, 0, 0, inner, 32, keep | SWP_NOMOVE);
        SetWindowPos(shell.status, nullptr, 0, height - shell.frameHeight - 20, inner, 20, keep);
    }
    if (moved)
        InvalidateRect(shell.boardView, nullptr, FALSE);
}

void OnExitSizeMove(HWND window)
{
    if (shell.sizing && shell.sizeChanged)
        InvalidateRect(window, nullptr, FALSE);
    shell.sizing = false;
    shell.sizeChanged = false;
}

void OnMainPaint(HWND window)
{
    PaintSession paint(window);
    if (!shell.sizing)
        return;
    RECT client {};
    GetClientRect(window, &client);
    Selection brush(paint.get(), GetStockObject(LTGRAY_BRUSH));
    Selection pen(paint.get(), GetStockObject(BLACK_PEN));
    Rectangle(paint.get(), 0, 0, client.right, client.bottom);
    MoveToEx(paint.get(), 0, 0, nullptr);
    LineTo(paint.get(), client.right, client.bottom);
    MoveToEx(paint.get(), 0, client.bottom, nullptr);
    LineTo(paint.get(), client.right, 0);
}

void OnGetMinMaxInfo(MINMAXINFO& info)
{
    const CBoard* board = shell.board.get();
    Placement max = MaximisedPlacement(board != nullptr, board ? board->width : 0, board ? board->height : 0,
        DesktopSize(), CurrentFrameMetrics());
    info.ptMaxSize = POINT {max.size.width, max.size.height};
    info.ptMaxPosition = POINT {max.position.x, max.position.y};
}
