// A game as a saved game holds it: the board's size, then the game's fields,
// then its turns.
#pragma once

#include "GameFields.h"
#include "TurnRecord.h"

#include <cstdint>
#include <vector>

struct SavedGame : GameFields {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<TurnRecord> record;  // turns 0 .. lastTurn

    bool operator==(const SavedGame&) const = default;
};
