// Reading back what a panel drew, and drawing the same strip the way it
// should look, for comparing the two pixel by pixel.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A copy of a window's client area (or of a reference drawn off screen).
struct Strip {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

Strip Capture(HWND window);
Strip CaptureBitmap(HBITMAP bitmap, int width, int height);

// Where two strips first differ within rows [top, bottom), or "".
std::string FirstDifference(const Strip& seen, const Strip& expected, int top, int bottom);

// The status panel as it should look: etched line, then the three texts at
// their places (an empty coordinates text leaves the middle blank).
Strip ExpectedStatus(int width, int height, const std::wstring& counter, const std::wstring& coordinates,
    const std::wstring& clock);

inline constexpr COLORREF Face = RGB(192, 192, 192);
inline constexpr COLORREF Shadow = RGB(128, 128, 128);
inline constexpr COLORREF Light = RGB(255, 255, 255);
