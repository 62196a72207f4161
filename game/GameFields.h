// What a game holds besides its board's size, its stones and its record of
// turns: the board keeps these fields and a saved game stores them, in this
// order, after the size.
#pragma once

#include <cstdint>

// The part of the board the view shows: visibleCols x visibleRows squares
// from column scrollX and row scrollY on.
struct ViewPlace {
    uint32_t scrollX = 0;
    uint32_t scrollY = 0;
    uint32_t visibleCols = 0;
    uint32_t visibleRows = 0;

    bool operator==(const ViewPlace&) const = default;
};

struct GameFields {
    int32_t currentTurn = -1;  // the turn the board shows; -1 before the first
    int32_t lastTurn = -1;  // the last turn recorded (Redo goes up to it); -1 if none
    int32_t lastHasHuman = 0;  // whether the last turn holds the human's move
    int32_t lastHasReply = 0;  // whether it holds the computer's reply
    int32_t clock = 0;  // half-second ticks while InPlay
    ViewPlace view;

    bool operator==(const GameFields&) const = default;
};
