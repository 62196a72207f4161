// Drawing the board: one raised 17 x 17 square at a time during play, and the
// whole visible part through an off-screen bitmap for a paint request.
#include "Board.h"

#include "PixelSquares.h"

namespace {

void Line(HDC dc, int x0, int y0, int x1, int y1)
{
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

}  // namespace

bool CBoard::Visible(uint32_t column, uint32_t row) const
{
    return column >= view.scrollX && column - view.scrollX < view.visibleCols && row >= view.scrollY
        && row - view.scrollY < view.visibleRows;
}

void CBoard::DrawFrame(HDC dc, uint32_t column, uint32_t row)
{
    if (!Visible(column, row))
        return;
    const int x = SquarePixels * int(column - view.scrollX) + 1;
    const int y = SquarePixels * int(row - view.scrollY) + 1;
    {
        Selection pen(dc, lightFramePen.get());
        Line(dc, x, y, x + 16, y);
        Line(dc, x, y, x, y + 16);
    }
    {
        // The dark lines run one pixel further than the light ones and so
        // take the top-right and bottom-left corners.
        Selection pen(dc, darkFramePen.get());
        Line(dc, x + 16, y + 16, x - 1, y + 16);
        Line(dc, x + 16, y + 16, x + 16, y - 1);
    }
    Selection pen(dc, GetStockObject(WHITE_PEN));
    Line(dc, x, y, x + 4, y);
    Line(dc, x, y, x, y + 4);
}

void CBoard::DrawSquare(HDC dc, uint32_t column, uint32_t row, Player owner, SquareStyle style)
{
    if (!Visible(column, row))
        return;
    const int x0 = SquarePixels * int(column - view.scrollX);
    const int y0 = SquarePixels * int(row - view.scrollY);

    HBRUSH brush = normalBrush.get();
    if (style == WinningFive)
        brush = winningBrush.get();
    else if (style == LastMove)
        brush = lastMoveBrush.get();
    // The brush stays selected for the circle, so that its inside takes the
    // square's colour; a mark alone keeps whatever brush the context holds.
    Selection fill(dc, style == MarkOnly ? nullptr : brush);
    if (style != MarkOnly) {
        {
            Selection noOutline(dc, GetStockObject(NULL_PEN));
            Rectangle(dc, x0 + 2, y0 + 2, x0 + 18, y0 + 18);
        }
        // The frame covers whatever the fill touched beyond the interior.
        DrawFrame(dc, column, row);
    }

    if (owner == Human) {
        Selection pen(dc, crossPen.get());
        Line(dc, x0 + 2, y0 + 2, x0 + 15, y0 + 15);
        Line(dc, x0 + 2, y0 + 15, x0 + 15, y0 + 2);
    } else if (owner == Computer) {
        Selection pen(dc, circlePen.get());
        Ellipse(dc, x0 + 2, y0 + 2, x0 + 16, y0 + 16);
    }
}

void CBoard::Paint(HDC dc)
{
    RECT client = {};
    GetClientRect(window, &client);
    const int wc = client.right;
    const int hc = client.bottom;

    MemoryDC memory;
    GdiBitmap bitmap(CreateCompatibleBitmap(dc, wc + 1, hc + 1));
    if (!memory.get() || !bitmap.get())
        return;  // nothing to draw into; the window keeps its old picture
    HDC m = memory.get();
    Selection target(m, bitmap.get());

    // Without an outline a rectangle fills up to two pixels short of its right
    // and bottom bounds; these bounds make the whole bitmap grey, so that a
    // view wider than its visible squares (while it is being resized) shows
    // no stray line of unpainted bitmap at its right and bottom edges.
    Selection noOutline(m, GetStockObject(NULL_PEN));
    Selection grey(m, normalBrush.get());
    Rectangle(m, 0, 0, wc + 2, hc + 2);
    {
        Selection pen(m, darkFramePen.get());
        Line(m, 0, 0, wc + 1, 0);
        Line(m, 0, 0, 0, hc + 1);
    }

    for (uint32_t r = view.scrollY; r - view.scrollY < view.visibleRows; ++r)
        for (uint32_t c = view.scrollX; c - view.scrollX < view.visibleCols; ++c)
            DrawFrame(m, c, r);

    Draw(m, Picture());

    BitBlt(dc, 0, 0, wc + 1, hc + 1, m, 0, 0, SRCCOPY);
}
