#include "FittingHandlers.h"

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
    PixelSize given {outer.right - outer.left, outer.bottom - outer.top};
    // The restore that ends a window manager's maximise goes back to the size
    // from before it, whatever size it reports: Wine reads the restored size
    // off the screen, and when it does so before the manager has shrunk the
    // window, the size event still carries the maximised size. Fitted to that,
    // the window would ask the manager to stay all but maximised.
    PixelSize room = given;
    if (!maximised && shell.desktopMaximised && shell.normalSize.width > 0)
        room = shell.normalSize;
    WindowFit fit =
        FitWindow(room, maximised, shell.board->width, shell.board->height, DesktopSize(), metrics);
    shell.fitCols = uint32_t(fit.fit.cols);
    shell.fitRows = uint32_t(fit.fit.rows);
    shell.desktopMaximised = fit.keptLarger;
    if (fit.keptLarger) {
        LayoutPanels(fit.panels, fit.window.width, fit.window.height);
        // No size loop of ours will end this: the margin around the panels
        // is the window's for good, not a placeholder.
        shell.sizing = false;
        InvalidateRect(shell.mainWindow, nullptr, TRUE);
    } else {
        PixelPoint centre = CentreOn(DesktopSize(), fit.window);
        bool resized = given.width != fit.window.width || given.height != fit.window.height;
        // A size change here comes back as a nested WM_SIZE that finds the same fit.
        LayoutMainWindow(centre.x, centre.y, fit.window.width, fit.window.height, maximised);
        if (!maximised)
            shell.normalSize = fit.window;
        // Under a window manager, Wine applies a size set while it handles the
        // manager's resize to the window's own idea of its size only; the
        // screen keeps the manager's. Sent again once that has settled, it
        // reaches the screen; elsewhere the second time changes nothing. A
        // manager that answers with the same size again and again gets two
        // more tries, not a loop.
        if (resized && !maximised) {
            bool again = given.width == shell.refitFrom.width && given.height == shell.refitFrom.height;
            shell.refits = again ? shell.refits + 1 : 1;
            shell.refitFrom = given;
            if (shell.refits <= 2)
                PostMessageW(shell.mainWindow, RefitMessage, 0, 0);
        }
    }
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
    if (!fit.keptLarger)
        shell.sizing = true;
    shell.sizeChanged = true;
}

void OnRefit(HWND window)
{
    RECT outer {};
    if (IsZoomed(window) || IsIconic(window) || !GetWindowRect(window, &outer))
        return;
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
