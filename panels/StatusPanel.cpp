#include "StatusPanel.h"

#include "GameClock.h"
#include "GdiOwners.h"
#include "Shell.h"
#include "StatusTexts.h"

#include <algorithm>
#include <cwchar>

StatusPanelState statusPanel;

namespace {

// The etched line under the panel's top edge.
const int EtchShadowRow = 2;
const int EtchLightRow = 3;

enum class Place { Left, Centre, Right };

struct Field {
    Place place;
    const wchar_t* sample;  // the text that sizes the field
    TextSpan* drawn;  // where its text went last time, if it can shrink
};

SIZE Measure(HDC dc, const wchar_t* text)
{
    SIZE size {};
    GetTextExtentPoint32W(dc, text, int(wcslen(text)), &size);
    return size;
}

// Clears the field's columns and, with text, draws it in place; without text
// the field is left blank.
void DrawField(const Field& field, const wchar_t* text)
{
    if (!shell.status)
        return;
    WindowDC dc(shell.status);
    if (!dc.get())
        return;
    RECT client {};
    GetClientRect(shell.status, &client);
    const int w = client.right;
    const int h = client.bottom;
    Selection font(dc.get(), GetStockObject(DEFAULT_GUI_FONT));
    Selection brush(dc.get(), GetStockObject(LTGRAY_BRUSH));
    Selection pen(dc.get(), GetStockObject(NULL_PEN));
    SetBkColor(dc.get(), RGB(192, 192, 192));
    SetBkMode(dc.get(), OPAQUE);

    SIZE sample = Measure(dc.get(), field.sample);
    SIZE size = text ? Measure(dc.get(), text) : SIZE {};
    int clearLeft = 0;
    int clearRight = 0;  // exclusive
    int textX = 0;
    switch (field.place) {
    case Place::Left: clearRight = sample.cx - 1; break;
    case Place::Centre:
        clearLeft = (w - sample.cx + 1) / 2;
        clearRight = clearLeft + sample.cx;
        textX = (w - size.cx + 1) / 2;
        break;
    case Place::Right:
        clearLeft = w - sample.cx;
        clearRight = w;
        textX = w - size.cx;
        break;
    }
    if (field.drawn) {
        if (field.drawn->left < field.drawn->right) {
            clearLeft = std::min(clearLeft, field.drawn->left);
            clearRight = std::max(clearRight, field.drawn->right);
        }
        *field.drawn = text ? TextSpan {textX, textX + size.cx} : TextSpan {};
    }
    // A null pen draws no outline and leaves the rectangle one pixel short
    // on the right and at the bottom.
    const int top = (h - sample.cy - 3) / 2 + 4;
    if (clearLeft < clearRight)
        Rectangle(dc.get(), clearLeft, top, clearRight + 1, top + sample.cy + 1);
    if (text)
        TextOutW(dc.get(), textX, (h - size.cy - 3) / 2 + 4, text, int(wcslen(text)));
}

void PaintPanel(HWND window)
{
    PaintSession paint(window);
    HDC dc = paint.get();
    if (!dc)
        return;
    RECT client {};
    GetClientRect(window, &client);
    {
        Selection brush(dc, GetStockObject(LTGRAY_BRUSH));
        Rectangle(dc, -1, -1, client.right + 1, client.bottom + 1);
    }
    if (statusPanel.statusPen) {
        Selection pen(dc, statusPanel.statusPen->get());
        MoveToEx(dc, 0, EtchShadowRow, nullptr);
        LineTo(dc, client.right, EtchShadowRow);
    }
    {
        Selection pen(dc, GetStockObject(WHITE_PEN));
        MoveToEx(dc, 0, EtchLightRow, nullptr);
        LineTo(dc, client.right, EtchLightRow);
    }
    // The whole strip is fresh: nothing of an earlier text is left to clear.
    statusPanel.coordinatesDrawn = TextSpan {};
    statusPanel.clockDrawn = TextSpan {};
    DrawClock();
    DrawMoveCounter();
    DrawCoordinates();
}

}  // namespace

LRESULT CALLBACK StatusPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        statusPanel = StatusPanelState {};
        statusPanel.statusPen = std::make_unique<GdiPen>(CreatePen(PS_SOLID, 1, RGB(128, 128, 128)));
        return 0;
    case WM_DESTROY: statusPanel.statusPen.reset(); return 0;
    case WM_PAINT: PaintPanel(window); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

void DrawMoveCounter()
{
    if (!shell.board)
        return;
    StatusText counter = MoveCounterText(shell.board->currentTurn, shell.board->lastTurn);
    DrawField({Place::Left, L"888/888", nullptr}, counter.text);
}

void DrawCoordinates()
{
    Field field {Place::Centre, L"[88,88]", &statusPanel.coordinatesDrawn};
    if (!shell.pointerOverBoard) {
        DrawField(field, nullptr);
        return;
    }
    StatusText square = CoordinatesText(shell.pointerSquare.col, shell.pointerSquare.row,
        shell.board ? shell.board->width : UINT32_MAX, shell.board ? shell.board->height : UINT32_MAX);
    DrawField(field, square.text);
}

void DrawClock()
{
    if (!shell.board)
        return;
    wchar_t text[ClockTextRoom];
    FormatClock(shell.board->clock, text);
    DrawField({Place::Right, L"88:88:88", &statusPanel.clockDrawn}, text);
}
