// The toolbar strip along the top of the main window: eight flat picture
// buttons that rise under the pointer, sink while pressed and run their
// command on release.
#pragma once

#include "GdiOwners.h"

#include <windows.h>

#include <cstdint>
#include <memory>

class CToolbar {
public:
    // One button, or a separator (id 0, no pictures).
    struct Button {
        GdiBitmap image;  // shown while enabled
        GdiBitmap disabledImage;  // shown while greyed
        uint16_t id = 0;  // resource number of image; names the button
        uint8_t enabled = 0;
        std::unique_ptr<Button> next;
    };

    // A button and its left edge in toolbar client coordinates.
    struct Hit {
        Button* button = nullptr;
        int x = -1;
    };

    // How one button is to be drawn after a state change.
    struct Look {
        Button* button = nullptr;
        int x = 0;
        bool raised = false;
        bool pressed = false;
    };
    // The buttons a pointer event changed, in drawing order (at most two).
    struct Redraws {
        Look looks[2];
        int count = 0;
        void Add(Button* b, int x, bool raised, bool pressed) { looks[count++] = {b, x, raised, pressed}; }
    };

    // Widths along the row: a button's square and a separator's gap.
    static constexpr int ButtonWidth = 26;
    static constexpr int SeparatorWidth = 8;
    // Rows of the buttons' frames; the pointer hits a button only between them.
    static constexpr int ButtonTop = 4;
    static constexpr int ButtonBottom = 29;

    explicit CToolbar(HWND window);
    CToolbar(const CToolbar&) = delete;
    CToolbar& operator=(const CToolbar&) = delete;

    // Appends a button that shows bitmap resources image and disabledImage,
    // or, with id 0, a separator.
    void AddItem(uint16_t image, uint16_t disabledImage, uint16_t id, bool enabled);
    // Appends the eight buttons and their separators of the game's toolbar.
    void AddGameItems();

    // The button (enabled or not) under a toolbar client point, if any.
    Hit HitTest(int x, int y) const;
    // The item with this id and its left edge; none for id 0.
    Hit Find(uint16_t id) const;

    // The state machine of the pointer and the left button, without drawing:
    // each changes hot and pressed and says which buttons to draw how.
    Redraws PointerMoved(int x, int y);
    Redraws ButtonPressed(int x, int y);
    // The id of the button released (0 when none was pressed).
    uint16_t ButtonReleased(Redraws& redraws);
    // The timer's check whether the pointer is still on the hot button;
    // inside tells whether the pointer (readable at all) was in the client area.
    Redraws HoverChecked(bool inside, int x, int y);

    // The same, drawn at once on the toolbar window.
    void OnPointerMove(int x, int y);
    void OnButtonDown(int x, int y);
    uint16_t OnButtonUp();
    void CheckHover();

    // Sets one button's state and has the next paint draw it that way.
    void EnableButton(uint16_t id, bool enabled);

    void Paint(HDC dc, HDC memory, const RECT& client);
    void DrawButton(HDC dc, HDC memory, const Button& button, int x, bool raised, bool pressed) const;
    void DrawSeparator(HDC dc, int x) const;

    HWND window;
    GdiPen shadowPen;
    GdiPen facePen;
    Button* pressed = nullptr;
    Button* hot = nullptr;
    int pressedX = -1;
    int hotX = -1;
    std::unique_ptr<Button> first;
    Button* last = nullptr;

private:
    void Draw(const Redraws& redraws) const;
};

// The one toolbar of the program, reachable by the commands and the timer;
// it lives as long as the toolbar window.
struct ToolbarPanel {
    std::unique_ptr<CToolbar> object;
};
extern ToolbarPanel toolbarPanel;

LRESULT CALLBACK ToolbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Sets the buttons' enabled states from the game; called after every change.
void UpdateToolbar();
