#include "BoardWindows.h"

#include <sstream>
#include <stdexcept>

namespace {

const wchar_t MainClass[] = L"QuinterraTest_Main";
const wchar_t ViewClass[] = L"QuinterraTest_View";

// Paint requests are only validated: the tests draw through the board
// themselves, and nothing may erase what they then read back.
LRESULT CALLBACK ViewProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(w, &ps);
        EndPaint(w, &ps);
        return 0;
    }
    if (msg == WM_ERASEBKGND)
        return 1;
    return DefWindowProcW(w, msg, wp, lp);
}

void RegisterClasses()
{
    WNDCLASSW wc = {};
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpfnWndProc = DefWindowProcW;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = MainClass;
    RegisterClassW(&wc);  // a second registration fails harmlessly
    wc.lpfnWndProc = ViewProc;
    wc.hbrBackground = nullptr;
    wc.lpszClassName = ViewClass;
    RegisterClassW(&wc);
}

HMENU GameMenu()
{
    HMENU game = CreatePopupMenu();
    AppendMenuW(game, MF_STRING, 40001, L"New");
    AppendMenuW(game, MF_STRING, 40003, L"Undo");
    AppendMenuW(game, MF_STRING, 40004, L"Redo");
    AppendMenuW(game, MF_STRING, 40015, L"Hint");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(game), L"Game");
    return bar;
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace

std::ostream& operator<<(std::ostream& os, const Colour& c)
{
    return os << "(" << c.r << "," << c.g << "," << c.b << ")";
}

BoardWindows::BoardWindows(uint32_t cols, uint32_t rows)
{
    RegisterClasses();
    const int w = int(17 * cols + 1);
    const int h = int(17 * rows + 1);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    RECT outer = {0, 0, w, h};
    AdjustWindowRect(&outer, style, TRUE);
    main = CreateWindowW(MainClass, L"Quinterra test", style, 0, 0, outer.right - outer.left,
        outer.bottom - outer.top, nullptr, GameMenu(), GetModuleHandleW(nullptr), nullptr);
    if (!main)
        throw std::runtime_error("cannot create the main window");
    view = CreateWindowW(
        ViewClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, w, h, main, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!view)
        throw std::runtime_error("cannot create the board view");
    ShowWindow(main, SW_SHOWNORMAL);
    UpdateWindow(main);
    PumpMessages();
}

BoardWindows::~BoardWindows()
{
    if (main)
        DestroyWindow(main);  // takes the view and the menu with it
    PumpMessages();
}

Colour BoardWindows::Pixel(int x, int y) const
{
    HDC dc = GetDC(view);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(view, dc);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

void BoardWindows::Fill(Colour c) const
{
    HDC dc = GetDC(view);
    RECT r;
    GetClientRect(view, &r);
    HBRUSH brush = CreateSolidBrush(RGB(c.r, c.g, c.b));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    ReleaseDC(view, dc);
}

bool BoardWindows::Enabled(UINT id) const
{
    const UINT state = GetMenuState(GetMenu(main), id, MF_BYCOMMAND);
    return state != UINT(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

Picture BoardWindows::Snapshot() const
{
    RECT r;
    GetClientRect(view, &r);
    Picture p;
    p.width = r.right;
    p.height = r.bottom;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = p.width;
    info.bmiHeader.biHeight = -p.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib)
        throw std::runtime_error("cannot create a DIB section");
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, dib);
    HDC screen = GetDC(view);
    BitBlt(memory, 0, 0, p.width, p.height, screen, 0, 0, SRCCOPY);
    ReleaseDC(view, screen);
    GdiFlush();

    const auto* px = static_cast<const uint32_t*>(bits);
    p.pixels.reserve(size_t(p.width) * p.height);
    for (int i = 0; i < p.width * p.height; ++i)
        p.pixels.push_back({int(px[i] >> 16 & 0xFF), int(px[i] >> 8 & 0xFF), int(px[i] & 0xFF)});
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(dib);
    return p;
}

std::string FirstDifference(const Picture& a, const Picture& b)
{
    std::ostringstream out;
    if (a.width != b.width || a.height != b.height) {
        out << "sizes " << a.width << "x" << a.height << " and " << b.width << "x" << b.height;
        return out.str();
    }
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (!(a.At(x, y) == b.At(x, y))) {
                out << "pixel (" << x << "," << y << "): " << a.At(x, y) << " and " << b.At(x, y);
                return out.str();
            }
    return "";
}
