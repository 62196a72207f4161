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
