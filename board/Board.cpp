// The board on screen: its pens and brushes, the menu items it keeps in step,
// the mapping of view pixels to squares, and the turn flow shown square by
// square.
#include "Board.h"

#include "PixelSquares.h"
#include "resource.h"

CBoard::CBoard(HWND viewWindow, uint32_t w, uint32_t h)
    : CGame(w, h),
      window(viewWindow),
      circlePen(CreatePen(PS_SOLID, 3, RGB(0, 0, 192))),
      crossPen(CreatePen(PS_SOLID, 3, RGB(192, 0, 0))),
      lightFramePen(CreatePen(PS_SOLID, 1, RGB(224, 224, 224))),
      darkFramePen(CreatePen(PS_SOLID, 1, RGB(128, 128, 128))),
      normalBrush(CreateSolidBrush(RGB(192, 192, 192))),
      lastMoveBrush(CreateSolidBrush(RGB(255, 255, 255))),
      winningBrush(CreateSolidBrush(RGB(255, 255, 0)))
{
    GreyMenu();
}

Cell* CBoard::SquareAtPixel(int px, int py) const
{
    const uint32_t column = ::SquareAtPixel(px, View().scrollX);
    const uint32_t row = ::SquareAtPixel(py, View().scrollY);
    return column < width && row < height ? CellAt(column, row) : nullptr;
}

void CBoard::Play(int px, int py, bool hint)
{
    if (hint) {
        Show(Hint());
        return;
    }
    if (const Cell* square = SquareAtPixel(px, py))
        Show(PlayAt(square->x, square->y));
}

void CBoard::NewGame()
{
    Show(CGame::NewGame());
}

void CBoard::Undo()
{
    Show(CGame::Undo());
}

void CBoard::Redo()
{
    Show(CGame::Redo());
}

void CBoard::Show(const GameChange& change)
{
    if (!change.squares.empty()) {
        WindowDC dc(window);
        Draw(dc.get(), change.squares);
    }
    if (change.commandsChanged)
        GreyMenu();
}

void CBoard::Draw(HDC dc, const SquareDraws& squares)
{
    for (const SquareDraw& s : squares)
        DrawSquare(dc, s.x, s.y, s.owner, s.style);
}

void CBoard::GreyMenu()
{
    HWND parent = window ? GetParent(window) : nullptr;
    HMENU menu = parent ? GetMenu(parent) : nullptr;
    if (!menu)
        return;
    const CommandStates now = Commands();
    for (auto [id, enabled] :
        {std::pair {IDM_NEW, now.newGame}, {IDM_UNDO, now.undo}, {IDM_REDO, now.redo}, {IDM_HINT, now.hint}})
        EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}
