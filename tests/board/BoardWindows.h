// A real main window with the game's menu items and a board view child, for
// driving a CBoard and reading back what it drew.
#pragma once

#include <windows.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

// One pixel's colour, comparable and printable in test messages.
struct Colour {
    int r, g, b;
    bool operator==(const Colour&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Colour& c);

inline constexpr Colour Grey {192, 192, 192};
inline constexpr Colour Yellow {255, 255, 0};
inline constexpr Colour White {255, 255, 255};
inline constexpr Colour LightLine {224, 224, 224};
inline constexpr Colour DarkLine {128, 128, 128};
inline constexpr Colour CrossRed {192, 0, 0};
inline constexpr Colour CircleBlue {0, 0, 192};

// A copy of the board view's client area.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;  // row by row from the top left

    Colour At(int x, int y) const { return pixels[size_t(y) * width + x]; }
    bool operator==(const Picture&) const = default;
};

// Where two pictures of the same size first differ, or "".
std::string FirstDifference(const Picture& a, const Picture& b);

class BoardWindows {
public:
    // A main window at the screen's top left whose board view has a client
    // area of exactly cols x rows squares.
    BoardWindows(uint32_t cols, uint32_t rows);
    ~BoardWindows();
    BoardWindows(const BoardWindows&) = delete;
    BoardWindows& operator=(const BoardWindows&) = delete;

    // The colour of a client pixel of the board view as it is on screen.
    Colour Pixel(int x, int y) const;
    // The whole client area as it is on screen.
    Picture Snapshot() const;
    // Fills the view's client area with one colour, so that a test sees
    // exactly what the board draws afterwards.
    void Fill(Colour c) const;
    // Whether a menu item of the main window is enabled (not greyed).
    bool Enabled(UINT id) const;

    HWND main = nullptr;
    HWND view = nullptr;
};
