#include "PanelPixels.h"

#include <sstream>

namespace {

Strip ReadBack(HDC source, int width, int height)
{
    Strip s;
    s.width = width;
    s.height = height;
    s.pixels.resize(size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            s.pixels[size_t(y) * width + x] = GetPixel(source, x, y);
    return s;
}

SIZE Measure(HDC dc, const std::wstring& text)
{
    SIZE size {};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    return size;
}

}  // namespace

Strip Capture(HWND window)
{
    RECT client {};
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    Strip s = ReadBack(dc, client.right, client.bottom);
    ReleaseDC(window, dc);
    return s;
}

Strip CaptureBitmap(HBITMAP bitmap, int width, int height)
{
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    Strip s = ReadBack(memory, width, height);
    SelectObject(memory, old);
    DeleteDC(memory);
    return s;
}

std::string FirstDifference(const Strip& seen, const Strip& expected, int top, int bottom)
{
    if (seen.width != expected.width || seen.height != expected.height)
        return "sizes differ";
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < seen.width; ++x)
            if (seen.At(x, y) != expected.At(x, y)) {
                std::ostringstream os;
                os << "pixel (" << x << "," << y << ") is " << std::hex << seen.At(x, y) << ", expected "
                   << expected.At(x, y);
                return os.str();
            }
    return "";
}

Strip ExpectedStatus(int width, int height, const std::wstring& counter, const std::wstring& coordinates,
    const std::wstring& clock)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HBRUSH face = CreateSolidBrush(Face);
    RECT all {0, 0, width, height};
    FillRect(dc, &all, face);
    DeleteObject(face);
    for (int x = 0; x < width; ++x) {
        SetPixel(dc, x, 2, Shadow);
        SetPixel(dc, x, 3, Light);
    }
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkColor(dc, Face);
    auto put = [&](const std::wstring& text, int x) {
        SIZE size = Measure(dc, text);
        TextOutW(dc, x, (height - size.cy - 3) / 2 + 4, text.c_str(), int(text.size()));
    };
    put(counter, 0);
    if (!coordinates.empty())
        put(coordinates, (width - Measure(dc, coordinates).cx + 1) / 2);
    put(clock, width - Measure(dc, clock).cx);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);
    Strip s = CaptureBitmap(bitmap, width, height);
    DeleteObject(bitmap);
    return s;
}
