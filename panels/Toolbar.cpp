#include "Toolbar.h"

#include "Commands.h"
#include "GdiOwners.h"
#include "Shell.h"
#include "resource.h"

#include <windowsx.h>

ToolbarPanel toolbarPanel;

namespace {

const COLORREF Shadow = RGB(128, 128, 128);
const COLORREF Face = RGB(192, 192, 192);

// Rows of the etched top edge.
const int EdgeShadowRow = 0;
const int EdgeLightRow = 1;

HBITMAP LoadPicture(uint16_t number)
{
    return static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(number), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

void Line(HDC dc, int x0, int y0, int x1, int y1)
{
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

LRESULT HandleToolbarMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CToolbar* toolbar = toolbarPanel.object.get();
    switch (message) {
    case WM_CREATE:
        toolbarPanel.object = std::make_unique<CToolbar>(window);
        toolbarPanel.object->AddGameItems();
        return 0;
    case WM_DESTROY: toolbarPanel.object.reset(); return 0;
    case WM_PAINT: {
        PaintSession paint(window);
        MemoryDC memory;
        RECT client {};
        GetClientRect(window, &client);
        if (toolbar && paint.get() && memory.get())
            toolbar->Paint(paint.get(), memory.get(), client);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (toolbar)
            toolbar->OnPointerMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        if (toolbar)
            toolbar->OnButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONUP:
        if (toolbar)
            RunButtonCommand(toolbar->OnButtonUp());
        return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

CToolbar::CToolbar(HWND w)
    : window(w), shadowPen(CreatePen(PS_SOLID, 1, Shadow)), facePen(CreatePen(PS_SOLID, 1, Face))
{
}

void CToolbar::AddItem(uint16_t image, uint16_t disabledImage, uint16_t id, bool enabled)
{
    // A separator has no pictures.
    std::unique_ptr<Button> item(new Button {GdiBitmap(id ? LoadPicture(image) : nullptr),
        GdiBitmap(id ? LoadPicture(disabledImage) : nullptr), id, uint8_t(enabled), nullptr});
    Button* added = item.get();
    if (last)
        last->next = std::move(item);
    else
        first = std::move(item);
    last = added;
}

void CToolbar::AddGameItems()
{
    // A fresh game: nothing to start anew, take back or replay yet.
    const struct {
        uint16_t id;
        bool enabled;
    } row[] = {
        {IDB_NEW, false},
        {0, false},
        {IDB_OPEN, true},
        {IDB_SAVE, true},
        {0, false},
        {IDB_SETTINGS, true},
        {0, false},
        {IDB_UNDO, false},
        {IDB_REDO, false},
        {0, false},
        {IDB_HINT, true},
        {0, false},
        {IDB_HELP, true},
    };
    for (const auto& item : row)
        AddItem(item.id, item.id ? uint16_t(item.id + 1) : 0, item.id, item.enabled);
}

void CToolbar::Paint(HDC dc, HDC memory, const RECT& client)
{
    {
        Selection brush(dc, GetStockObject(LTGRAY_BRUSH));
        Rectangle(dc, -1, -1, client.right + 1, client.bottom + 1);
    }
    {
        Selection pen(dc, shadowPen.get());
        Line(dc, 0, EdgeShadowRow, client.right, EdgeShadowRow);
    }
    {
        Selection pen(dc, GetStockObject(WHITE_PEN));
        Line(dc, 0, EdgeLightRow, client.right, EdgeLightRow);
    }
    int x = 0;
    for (const Button* item = first.get(); item; item = item->next.get()) {
        if (item->id == 0) {
            DrawSeparator(dc, x + 3);
            x += SeparatorWidth;
        } else {
            DrawButton(dc, memory, *item, x, item == hot, item == pressed);
            x += ButtonWidth;
        }
    }
}

void CToolbar::DrawButton(HDC dc, HDC memory, const Button& button, int x, bool raised, bool down) const
{
    HGDIOBJ topLeft = facePen.get();
    HGDIOBJ bottomRight = facePen.get();
    if (raised) {
        topLeft = down ? shadowPen.get() : GetStockObject(WHITE_PEN);
        bottomRight = down ? GetStockObject(WHITE_PEN) : shadowPen.get();
    }
    if (button.enabled) {
        {
            Selection pen(dc, topLeft);
            MoveToEx(dc, x, ButtonBottom, nullptr);
            LineTo(dc, x, ButtonTop);
            LineTo(dc, x + ButtonWidth, ButtonTop);
        }
        Selection pen(dc, bottomRight);
        MoveToEx(dc, x + 1, ButtonBottom, nullptr);
        LineTo(dc, x + ButtonWidth - 1, ButtonBottom);
        LineTo(dc, x + ButtonWidth - 1, ButtonTop);
    }
    HBITMAP picture = button.enabled ? button.image.get() : button.disabledImage.get();
    if (!picture)
        return;
    Selection chosen(memory, picture);
    if (down)
        BitBlt(dc, x + 2, ButtonTop + 2, 23, 23, memory, 0, 0, SRCCOPY);
    else
        BitBlt(dc, x + 1, ButtonTop + 1, 24, 24, memory, 0, 0, SRCCOPY);
}

void CToolbar::DrawSeparator(HDC dc, int x) const
{
    {
        Selection pen(dc, shadowPen.get());
        Line(dc, x, ButtonTop, x, ButtonBottom + 1);
    }
    Selection pen(dc, GetStockObject(WHITE_PEN));
    Line(dc, x + 1, ButtonTop, x + 1, ButtonBottom + 1);
}

void CToolbar::Draw(const Redraws& redraws) const
{
    if (redraws.count == 0 || !window)
        return;
    WindowDC dc(window);
    MemoryDC memory;
    if (!dc.get() || !memory.get())
        return;
    for (int i = 0; i < redraws.count; ++i) {
        const Look& look = redraws.looks[i];
        DrawButton(dc.get(), memory.get(), *look.button, look.x, look.raised, look.pressed);
    }
}

void CToolbar::OnPointerMove(int x, int y)
{
    Draw(PointerMoved(x, y));
}

void CToolbar::OnButtonDown(int x, int y)
{
    Draw(ButtonPressed(x, y));
}

uint16_t CToolbar::OnButtonUp()
{
    Redraws redraws;
    uint16_t id = ButtonReleased(redraws);
    Draw(redraws);
    return id;
}

void CToolbar::CheckHover()
{
    if (!hot)
        return;
    POINT at {};
    RECT client {};
    bool inside = false;
    if (GetCursorPos(&at) && ScreenToClient(window, &at) && GetClientRect(window, &client))
        inside = client.left <= at.x && at.x <= client.right && client.top <= at.y && at.y <= client.bottom;
    Draw(HoverChecked(inside, at.x, at.y));
}

void CToolbar::EnableButton(uint16_t id, bool enabled)
{
    Hit item = Find(id);
    if (!item.button || bool(item.button->enabled) == enabled)
        return;
    item.button->enabled = enabled;
    RECT square {item.x, ButtonTop, item.x + ButtonWidth, ButtonBottom + 1};
    InvalidateRect(window, &square, FALSE);
}

LRESULT CALLBACK ToolbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return OutOfMemoryGuard<HandleToolbarMessage>(window, message, wParam, lParam);
}

void UpdateToolbar()
{
    CToolbar* toolbar = toolbarPanel.object.get();
    if (!toolbar || !shell.board)
        return;
    const CommandStates s = shell.board->Commands();
    toolbar->EnableButton(IDB_NEW, s.newGame);
    toolbar->EnableButton(IDB_UNDO, s.undo);
    toolbar->EnableButton(IDB_REDO, s.redo);
    toolbar->EnableButton(IDB_HINT, s.hint);
}
