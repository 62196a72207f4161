#include "Scrolling.h"

#include <algorithm>

ScrollStep ScrollAxis(int request, int thumb, uint32_t origin, uint32_t visible, uint32_t size)
{
    // The farthest the view can go; 0 when the whole axis is shown.
    int64_t last = std::max<int64_t>(int64_t(size) - int64_t(visible), 0);
    int64_t o = origin;
    switch (request) {
    case ScrollLineUp:
        if (o > 0)
            return {uint32_t(o - 1), true};
        return {origin, false};
    case ScrollLineDown:
        if (o + visible < size)
            return {uint32_t(o + 1), true};
        return {origin, false};
    case ScrollPageUp: return {uint32_t(o >= visible ? o - visible : 0), true};
    case ScrollPageDown: return {uint32_t(o + 2 * int64_t(visible) <= size ? o + visible : last), true};
    case ScrollThumbPosition:
    case ScrollThumbTrack: return {uint32_t(std::clamp<int64_t>(thumb, 0, last)), true};
    case ScrollTop: return {0, true};
    case ScrollBottom: return {uint32_t(last), true};
    default: return {origin, false};
    }
}

WheelTurn WheelLines(int rest, int delta, unsigned linesPerNotch, uint32_t visible)
{
    // No board has 10 000 lines: a larger setting scrolls to the end all the same.
    int64_t perNotch = linesPerNotch == WheelPage ? int64_t(visible) : std::min<int64_t>(linesPerNotch, 10000);
    if ((rest > 0 && delta > 0) || (rest < 0 && delta < 0))
        rest = 0;
    // Counted in 1/120 lines, so that no setting loses a fraction of a notch.
    int64_t turned = int64_t(rest) - int64_t(delta) * perNotch;
    int64_t lines = turned / WheelNotch;
    return {int(lines), int(turned - lines * WheelNotch)};
}
