// The board object's life: construction, the record of turns, the menu items
// it keeps in step, and the mapping of view pixels to squares.
#include "Board.h"

#include "PixelSquares.h"

#include <algorithm>
#include <new>

CBoard::CBoard(HWND viewWindow, uint32_t w, uint32_t h)
    : window(viewWindow),
      circlePen(CreatePen(PS_SOLID, 3, RGB(0, 0, 192))),
      crossPen(CreatePen(PS_SOLID, 3, RGB(192, 0, 0))),
      lightFramePen(CreatePen(PS_SOLID, 1, RGB(224, 224, 224))),
      darkFramePen(CreatePen(PS_SOLID, 1, RGB(128, 128, 128))),
      normalBrush(CreateSolidBrush(RGB(192, 192, 192))),
      lastMoveBrush(CreateSolidBrush(RGB(255, 255, 255))),
      winningBrush(CreateSolidBrush(RGB(255, 255, 0)))
{
    width = w;
    height = h;
    SetView({0, 0, w, h});
    // Should Reset raise, the members built so far (pens, brushes, a record)
    // and the engine's arrays are released as the exception leaves.
    Reset();
}

CBoard::~CBoard()
{
    FreeRecord();
    Free();
}

void CBoard::Reset()
{
    clock = 0;
    Init();
    FreeRecord();
    // The record is empty before it is reallocated, so that a failed
    // allocation leaves no turn pointing into a missing record.
    currentTurn = lastTurn = -1;
    lastHasHuman = lastHasReply = 0;
    // Zeroed, so that no turn ever holds leftovers of freed memory.
    record.reset(new (std::nothrow) TurnRecord[RecordRoom(width, height)]());
    if (!record)
        throw ExMalloc();
    EnableCommand(IDM_UNDO, false);
    EnableCommand(IDM_REDO, false);
    EnableCommand(IDM_NEW, false);
    EnableCommand(IDM_HINT, true);
}

void CBoard::FreeRecord()
{
    record.reset();
}

Cell* CBoard::SquareAtPixel(int px, int py) const
{
    const uint32_t column = ::SquareAtPixel(px, view.scrollX);
    const uint32_t row = ::SquareAtPixel(py, view.scrollY);
    return column < width && row < height ? CellAt(column, row) : nullptr;
}

void CBoard::SetView(const ViewPlace& place)
{
    view.visibleCols = std::min(place.visibleCols, width);
    view.visibleRows = std::min(place.visibleRows, height);
    view.scrollX = std::min(place.scrollX, width - view.visibleCols);
    view.scrollY = std::min(place.scrollY, height - view.visibleRows);
}

void CBoard::EnableCommand(UINT id, bool enabled)
{
    HWND parent = window ? GetParent(window) : nullptr;
    HMENU menu = parent ? GetMenu(parent) : nullptr;
    if (menu)
        EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}
