#include "Engine.h"
#include "GameClock.h"
#include "PixelSquares.h"
#include "Scrolling.h"
#include "SizeFields.h"
#include "StatusTexts.h"

#include <doctest/doctest.h>

#include <array>
#include <cwchar>
#include <limits>
#include <string>

const int32_t most = std::numeric_limits<int32_t>::max();

TEST_CASE("scroll requests move the origin within the board, repainting only what moved")
{
    struct Case {
        int request, thumb;
        uint32_t origin, visible, size, expected;
        bool repaint;
    } cases[] = {{ScrollLineUp, 0, 5, 20, 100, 4, true}, {ScrollLineUp, 0, 0, 20, 100, 0, false},
        {ScrollLineDown, 0, 79, 20, 100, 80, true},
        {ScrollLineDown, 0, 80, 20, 100, 80, false},  // at the far edge
        {ScrollPageUp, 0, 25, 20, 100, 5, true}, {ScrollPageUp, 0, 19, 20, 100, 0, true},
        {ScrollPageDown, 0, 60, 20, 100, 80, true},
        {ScrollPageDown, 0, 61, 20, 100, 80, true},  // lands exactly on size - visible
        {ScrollThumbTrack, 37, 0, 20, 100, 37, true}, {ScrollThumbTrack, -3, 10, 20, 100, 0, true},
        {ScrollThumbPosition, 95, 0, 20, 100, 80, true},  // only a forged message goes past the board
        {ScrollTop, 0, 42, 20, 100, 0, true}, {ScrollBottom, 0, 42, 20, 100, 80, true},
        {ScrollEnd, 0, 42, 20, 100, 42, false},
        {ScrollPageDown, 0, 0, 20, 20, 0, true}};  // a board shown whole never scrolls
    for (const Case& c : cases) {
        INFO("request ", c.request, " at ", c.origin);
        ScrollStep step = ScrollAxis(c.request, c.thumb, c.origin, c.visible, c.size);
        CHECK(step.origin == c.expected);
        CHECK(step.repaint == c.repaint);
    }
}

TEST_CASE("a wheel turn scrolls the system's lines a notch, keeping a finer wheel's fractions")
{
    // Forward (positive) scrolls back; a page setting scrolls the visible lines;
    // a setting of 0 scrolls nothing, and one of more lines than any board is
    // bounded. A quarter notch at 3 lines a notch is kept until it makes a
    // line; turned back, the other way's rest is dropped.
    struct Case {
        int rest, delta;
        unsigned perNotch;
        uint32_t visible;
        int lines, left;
    } cases[] = {{0, -120, 3, 20, 3, 0}, {0, 120, 3, 20, -3, 0}, {0, -240, 3, 20, 6, 0},
        {0, -120, 1, 20, 1, 0}, {0, -120, 0, 20, 0, 0}, {0, -120, 4000000000u, 20, 10000, 0},
        {0, -120, WheelPage, 13, 13, 0}, {0, 120, WheelPage, 9, -9, 0}, {0, -40, 3, 20, 1, 0},
        {0, -30, 3, 20, 0, 90}, {90, -30, 3, 20, 1, 60}, {60, -30, 3, 20, 1, 30}, {0, -60, 7, 20, 3, 60},
        {60, -60, 7, 20, 4, 0}, {90, 30, 3, 20, -0, -90}, {-90, -30, 3, 20, 0, 90}};
    for (const Case& c : cases) {
        INFO("delta ", c.delta, " after ", c.rest, " at ", c.perNotch, " a notch");
        WheelTurn turn = WheelLines(c.rest, c.delta, c.perNotch, c.visible);
        CHECK(turn.lines == c.lines);
        CHECK(turn.rest == c.left);
    }
}

TEST_CASE("a view pixel names the square a click plays and the square the pointer shows")
{
    // Clicks count each grid line to the square before it, the pointer to
    // the one after; the outer line at 0 is the first shown square's.
    struct Case {
        int pixel;
        uint32_t origin, cell;
        int32_t pointer;
    } cases[] = {
        {0, 0, 0, 1}, {1, 0, 0, 1}, {16, 0, 0, 1}, {17, 0, 0, 2}, {18, 0, 1, 2}, {35, 0, 2, 3}, {0, 3, 3, 4},
        {170, 3, 12, 14}, {340, 80, 99, 101},  // the closing line of a 20-square view
    };
    for (const Case& c : cases) {
        INFO("pixel ", c.pixel, " from ", c.origin);
        CHECK(SquareAtPixel(c.pixel, c.origin) == c.cell);
        CHECK(SquareNumberAtPixel(c.pixel, c.origin) == c.pointer);
    }
}

TEST_CASE("the status panel's texts")
{
    auto clock = [](int32_t ticks) {
        wchar_t text[ClockTextRoom];
        FormatClock(ticks, text);
        return std::wstring(text);
    };
    const struct {
        std::wstring shown;
        std::string expected;
    } cases[] = {{clock(0), "00:00:00"}, {clock(245), "00:02:02"}, {clock(7199), "00:59:59"},
        {clock(7200), "01:00:00"}, {clock(100 * 7200 + 3599 * 2), "100:59:59"},  // hours have no bound
        {clock(most), "298261:37:03"}, {clock(std::numeric_limits<int32_t>::min()), "-298261:37:04"},
        {clock(-245), "-00:02:02"},  // only a saved game brings a negative count
        {MoveCounterText(-1, -1).text, "0/0"}, {MoveCounterText(0, 2).text, "1/3"},
        {MoveCounterText(-1, 2).text, "0/3"}, {CoordinatesText(20, 7, 20, 20).text, "[20,7]"},
        {CoordinatesText(9, 31, 40, 30).text, "[9,30]"},
        {CoordinatesText(21, 21, 20, 20).text, "[20,20]"}};  // the closing frame line
    for (const auto& c : cases)
        CHECK(std::string(c.shown.begin(), c.shown.end()) == c.expected);  // printable when it fails
}

TEST_CASE("the clock counts a tick only while a game is in play in the active window, and never wraps")
{
    const struct {
        int32_t ticks;
        GameState state;
        bool active;
        int32_t expected;
    } cases[] = {{0, InPlay, true, 1}, {-5, InPlay, true, -4}, {7, InPlay, false, 7},
        {7, NotStarted, true, 7}, {7, Won, true, 7}, {7, BoardFull, true, 7}, {most - 1, InPlay, true, most},
        {most, InPlay, true, most}};
    for (const auto& c : cases) {
        INFO(c.ticks, " ticks, state ", c.state);
        CHECK(AdvanceClock(c.ticks, c.state, c.active) == c.expected);
    }
}

TEST_CASE("a size field reads as the number a player meant, within 32 bits, and clamps to the board's limits")
{
    const std::pair<const wchar_t*, int32_t> texts[] = {{L"", 0}, {L"abc", 0}, {L" \t\r\n42", 42},
        {L"\x0E+5", 0}, {L"+15", 15}, {L"-3", -3}, {L"- 5", 0}, {L"07x", 7}, {L"9:", 9}, {L"/9", 0},
        {L"2147483647", most}, {L"99999999999999999", most}, {L"-2147483648", -most - 1},
        {L"-99999999999", -most - 1}};
    for (const auto& [text, number] : texts)
        CHECK_MESSAGE(ParseDecimal(text) == number, std::string(text, text + std::wcslen(text)));
    const std::array<int32_t, 3> widths[] = {
        {-5, 10, 5}, {4, 10, 5}, {5, 10, 5}, {9, 10, 9}, {10, 10, 10}, {100, 100, 100}, {101, 100, 100}};
    for (const auto& [value, width, height] : widths) {
        CHECK(ClampWidth(value) == uint32_t(width));
        CHECK(ClampHeight(value) == uint32_t(height));
    }
}
