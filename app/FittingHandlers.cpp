#include "FittingHandlers.h"

#include "BoardView.h"
#include "GdiOwners.h"
#include "Shell.h"

// The drag arithmetic takes the platform's edge codes as they come.
static_assert(EdgeLeft == WMSZ_LEFT && EdgeRight == WMSZ_RIGHT && EdgeTop == WMSZ_TOP
    && EdgeTopLeft == WMSZ_TOPLEFT && EdgeTopRight == WMSZ_TOPRIGHT && EdgeBottom == WMSZ_BOTTOM
    && EdgeBottomLeft == WMSZ_BOTTOMLEFT && EdgeBottomRight == WMSZ_BOTTOMRIGHT);

void FitWindowToView()
{
    if (!shell.board)
        return;
    const ViewPlace& view = shell.board->View();
    // An origin remembered at a maximise belongs to the game before: the
    // restore must keep this game's view.
    shell.originSaved = false;
    PixelSize size = WindowSizeFor(view.visibleCols, view.visibleRows, CurrentFrameMetrics());
    // The size message that follows fits the window; a file's view that no
    // window can show is brought within the fitting's limits there.
    LayoutMainWindow(0, 0, size.width, size.height, false);
    SetScrollBars();
}

namespace {

// Under a window manager, Wine applies a size set while it handles the
// manager's resize to the window's own idea of its size only; the screen
// keeps the manager's. Sent again once that has settled, it reaches the
// screen; elsewhere the second time changes nothing. A manager that answers
// with the same size again and again gets two more tries, not a loop.
void RefitLater(PixelSize given)
{
    bool again = given.width == shell.refitFrom.width && given.height == shell.refitFrom.height;
    shell.refits = again ? shell.refits + 1 : 1;
    shell.refitFrom = given;
    if (shell.refits <= 2)
        PostMessageW(shell.mainWindow, RefitMessage, 0, 0);
}

// Fits the main window (or, where the window manager keeps it larger, the
// panels inside it) to whole squares after a size event, and notes the
// squares it shows.
WindowFit FitAfterSize(bool maximised)
{
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
        return fit;
    }
    PixelPoint centre = CentreOn(DesktopSize(), fit.window);
    bool resized = given.width != fit.window.width || given.height != fit.window.height;
    // A size change here comes back as a nested WM_SIZE that finds the same fit.
    LayoutMainWindow(centre.x, centre.y, fit.window.width, fit.window.height, maximised);
    if (!maximised)
        shell.normalSize = fit.window;
    if (resized && !maximised)
        RefitLater(given);
    return fit;
}

// The view for the squares just fitted: a maximise shows the board from its
// corner, and the restore that ends it brings the earlier origin back.
ViewPlace ViewAfterSize(bool maximised)
{
    ViewPlace place = shell.board->View();
    if (maximised) {
        // Only the first size event of a maximise saves: a nested one would
        // otherwise save the origin it has just set to 0.
        if (!shell.originSaved) {
            shell.savedScrollX = place.scrollX;
            shell.savedScrollY = place.scrollY;
            shell.originSaved = true;
        }
        place.scrollX = 0;
        place.scrollY = 0;
    } else if (shell.originSaved) {
        // Later drags keep their own origin.
        place.scrollX = shell.savedScrollX;
        place.scrollY = shell.savedScrollY;
        shell.originSaved = false;
    }
    place.visibleCols = shell.fitCols;
    place.visibleRows = shell.fitRows;
    return place;
}

}  // namespace

void OnSize(bool maximised)
{
    if (!shell.board)
        return;
    WindowFit fit = FitAfterSize(maximised);
    if (!shell.board)
        return;
    // The board may have changed size meanwhile, and a wider view may now
    // reach past its edge: the view keeps its origin on the board.
    if (ShowView(ViewAfterSize(maximised)))
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
    const CBoard& board = *shell.board;
    FrameMetrics metrics = CurrentFrameMetrics();
    DragRect rect {drag.left, drag.top, drag.right, drag.bottom};
    SquareCount previous {int(shell.fitCols), int(shell.fitRows)};
    const ViewPlace& view = board.View();
    SnapResult snap =
        SnapDrag(edge, rect, previous, view.scrollX, view.scrollY, board.width, board.height, metrics);
    drag = RECT {rect.left, rect.top, rect.right, rect.bottom};

    shell.fitCols = uint32_t(snap.fit.cols);
    shell.fitRows = uint32_t(snap.fit.rows);
    bool moved = ShowView({snap.scrollX, snap.scrollY, shell.fitCols, shell.fitRows});
    shell.sizing = true;
    shell.sizeChanged = snap.changed;

    // The main window takes the snapped rectangle from the platform itself.
    if (snap.changed)
        LayoutPanels({0, 0}, rect.right - rect.left, rect.bottom - rect.top);
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
