#include "Scrolling.h"

#include <doctest/doctest.h>

TEST_CASE("line requests move by one square and stop at the ends without a repaint")
{
    CHECK(ScrollAxis(ScrollLineUp, 0, 5, 20, 100).origin == 4);
    CHECK(ScrollAxis(ScrollLineUp, 0, 5, 20, 100).repaint);
    CHECK(ScrollAxis(ScrollLineUp, 0, 0, 20, 100).origin == 0);
    CHECK_FALSE(ScrollAxis(ScrollLineUp, 0, 0, 20, 100).repaint);
    CHECK(ScrollAxis(ScrollLineDown, 0, 79, 20, 100).origin == 80);
    CHECK(ScrollAxis(ScrollLineDown, 0, 80, 20, 100).origin == 80);
    CHECK_FALSE(ScrollAxis(ScrollLineDown, 0, 80, 20, 100).repaint);
}

TEST_CASE("page requests move by the visible count and land exactly on the ends")
{
    CHECK(ScrollAxis(ScrollPageUp, 0, 25, 20, 100).origin == 5);
    CHECK(ScrollAxis(ScrollPageUp, 0, 20, 20, 100).origin == 0);
    CHECK(ScrollAxis(ScrollPageUp, 0, 19, 20, 100).origin == 0);
    CHECK(ScrollAxis(ScrollPageDown, 0, 60, 20, 100).origin == 80);  // 60 + 40 <= 100
    CHECK(ScrollAxis(ScrollPageDown, 0, 61, 20, 100).origin == 80);  // lands on size - visible
    CHECK(ScrollAxis(ScrollPageDown, 0, 80, 20, 100).origin == 80);
    CHECK(ScrollAxis(ScrollPageDown, 0, 80, 20, 100).repaint);
}

TEST_CASE("thumb, top and bottom requests, and the ones that change nothing")
{
    CHECK(ScrollAxis(ScrollThumbTrack, 37, 0, 20, 100).origin == 37);
    CHECK(ScrollAxis(ScrollThumbPosition, 80, 0, 20, 100).origin == 80);
    // A position off the board (only a forged message carries one) is held to it.
    CHECK(ScrollAxis(ScrollThumbPosition, 95, 0, 20, 100).origin == 80);
    CHECK(ScrollAxis(ScrollThumbPosition, -3, 10, 20, 100).origin == 0);
    CHECK(ScrollAxis(ScrollTop, 0, 42, 20, 100).origin == 0);
    CHECK(ScrollAxis(ScrollBottom, 0, 42, 20, 100).origin == 80);
    CHECK(ScrollAxis(ScrollEnd, 0, 42, 20, 100).origin == 42);
    CHECK_FALSE(ScrollAxis(ScrollEnd, 0, 42, 20, 100).repaint);
    CHECK_FALSE(ScrollAxis(99, 0, 42, 20, 100).repaint);
}

TEST_CASE("a board shown whole never scrolls")
{
    for (int request = ScrollLineUp; request <= ScrollEnd; ++request) {
        CAPTURE(request);
        CHECK(ScrollAxis(request, 7, 0, 20, 20).origin == 0);
    }
}
