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
