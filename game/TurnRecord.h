// One turn of the game record, as it stands in memory and in a saved game.
#pragma once

#include <cstdint>

struct TurnRecord {
    uint32_t humanX;
    uint32_t humanY;
    uint32_t replyX;
    uint32_t replyY;

    bool operator==(const TurnRecord&) const = default;
};

// The turns a board of width x height squares has room for: a turn fills two
// squares, and a full board's last turn may hold the human's move alone.
constexpr uint32_t RecordRoom(uint32_t width, uint32_t height)
{
    return (width * height + 1) / 2;
}
