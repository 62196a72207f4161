// How the board view's scroll requests move the view over the board. Plain
// arithmetic, so the table is tested without a window.
#pragma once

#include <cstdint>

// Scroll request codes, numbered as the platform numbers them.
enum ScrollRequest : int {
    ScrollLineUp = 0,  // also line left
    ScrollLineDown = 1,
    ScrollPageUp = 2,
    ScrollPageDown = 3,
    ScrollThumbPosition = 4,
    ScrollThumbTrack = 5,
    ScrollTop = 6,
    ScrollBottom = 7,
    ScrollEnd = 8,
};

struct ScrollStep {
    uint32_t origin;
    bool repaint;
};

// The new origin for a request on one axis. thumb is the position that comes
// with a thumb request; a position off the board (a forged message) is held
// to 0 .. size - visible like everything else here.
ScrollStep ScrollAxis(int request, int thumb, uint32_t origin, uint32_t visible, uint32_t size);

// The platform's wheel notch, and its setting for a page a notch.
constexpr int WheelNotch = 120;
constexpr unsigned WheelPage = 0xFFFFFFFF;

struct WheelTurn {
    int lines;  // to scroll: positive towards the board's end (the wheel pulled back)
    int rest;  // what is left of the turn, in 1/120 lines, for the next one
};

// Lines scrolled by a wheel turn of delta (a notch is 120, a finer wheel
// sends less; forward, away from the player, is positive and scrolls back),
// with what an earlier turn left over. linesPerNotch is the system's setting:
// 0 scrolls nothing, WheelPage a page of visible lines a notch. A turn the
// other way drops what was left over.
WheelTurn WheelLines(int rest, int delta, unsigned linesPerNotch, uint32_t visible);
