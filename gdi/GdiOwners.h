// Owners for the GDI and menu handles the windows take, so that every pen,
// brush, bitmap, device context and pop-up menu is given back on every path
// out of a function.
#pragma once

#include <windows.h>

// A pen, brush or bitmap that is deleted with its owner.
template <class Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle h) : handle(h) { }
    ~GdiObject()
    {
        if (handle)
            DeleteObject(handle);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle get() const { return handle; }

private:
    Handle handle = nullptr;
};

using GdiPen = GdiObject<HPEN>;
using GdiBrush = GdiObject<HBRUSH>;
using GdiBitmap = GdiObject<HBITMAP>;

// The client-area context of a window, released on scope exit. A board
// without a window gets no context, and drawing on it does nothing.
class WindowDC {
public:
    explicit WindowDC(HWND w) : window(w), dc(w ? GetDC(w) : nullptr) { }
    ~WindowDC()
    {
        if (dc)
            ReleaseDC(window, dc);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc; }

private:
    HWND window;
    HDC dc;
};

// A memory context compatible with the screen, deleted on scope exit.
class MemoryDC {
public:
    MemoryDC() : dc(CreateCompatibleDC(nullptr)) { }
    ~MemoryDC()
    {
        if (dc)
            DeleteDC(dc);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC get() const { return dc; }

private:
    HDC dc;
};

// Selects an object into a context and puts the previous one back on scope
// exit, so that nothing of ours stays selected when it is deleted.
class Selection {
public:
    Selection(HDC d, HGDIOBJ object) : dc(d), previous(d && object ? SelectObject(d, object) : nullptr) { }
    ~Selection()
    {
        if (previous)
            SelectObject(dc, previous);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc;
    HGDIOBJ previous;
};

// BeginPaint .. EndPaint.
class PaintSession {
public:
    explicit PaintSession(HWND w) : window(w) { dc = BeginPaint(w, &paint); }
    ~PaintSession() { EndPaint(window, &paint); }
    PaintSession(const PaintSession&) = delete;
    PaintSession& operator=(const PaintSession&) = delete;

    HDC get() const { return dc; }

private:
    HWND window;
    PAINTSTRUCT paint {};
    HDC dc;
};

// A pop-up menu built at run time.
class MenuHandle {
public:
    explicit MenuHandle(HMENU m) : menu(m) { }
    ~MenuHandle()
    {
        if (menu)
            DestroyMenu(menu);
    }
    MenuHandle(MenuHandle&& other) noexcept : menu(other.menu) { other.menu = nullptr; }
    MenuHandle(const MenuHandle&) = delete;
    MenuHandle& operator=(const MenuHandle&) = delete;
    MenuHandle& operator=(MenuHandle&&) = delete;

    HMENU get() const { return menu; }

private:
    HMENU menu;
};
