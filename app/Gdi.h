// Small owners for drawing handles, so that every context and selection is
// given back on every path out of a drawing routine.
#pragma once

#include <windows.h>

// BeginPaint .. EndPaint.
class PaintSession {
public:
    explicit PaintSession(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintSession() { EndPaint(window_, &paint_); }
    PaintSession(const PaintSession&) = delete;
    PaintSession& operator=(const PaintSession&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_ {};
    HDC dc_;
};

// Selects an object into a context and puts the previous one back.
class SelectionScope {
public:
    SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) { }
    ~SelectionScope()
    {
        if (previous_)
            SelectObject(dc_, previous_);
    }
    SelectionScope(const SelectionScope&) = delete;
    SelectionScope& operator=(const SelectionScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A pop-up menu built at run time.
class MenuHandle {
public:
    explicit MenuHandle(HMENU menu) : menu_(menu) { }
    ~MenuHandle()
    {
        if (menu_)
            DestroyMenu(menu_);
    }
    MenuHandle(MenuHandle&& other) noexcept : menu_(other.menu_) { other.menu_ = nullptr; }
    MenuHandle(const MenuHandle&) = delete;
    MenuHandle& operator=(const MenuHandle&) = delete;
    MenuHandle& operator=(MenuHandle&&) = delete;
    HMENU get() const { return menu_; }

private:
    HMENU menu_;
};
