// Where a game stands: not yet begun, being played, or over.
#pragma once

#include <cstdint>

enum GameState : int32_t {
    NotStarted = 0,
    InPlay = 1,
    Won = 2,  // the engine's winningFive holds the five
    BoardFull = 3,
};
