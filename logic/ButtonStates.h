// Which of the toolbar's game buttons apply to the game now. No windows
// here, so the rule is tested without one.
#pragma once

#include "GameState.h"

#include <cstdint>

// Whether the New game, Undo, Redo and Hint buttons are enabled.
struct ButtonStates {
    bool newGame, undo, redo, hint;
};

// state is the engine's game state, the turns are the record's indexes (-1
// when there is no such turn), hasFileName tells whether a file is open or
// was saved to.
ButtonStates ButtonStatesFor(GameState state, int32_t currentTurn, int32_t lastTurn, bool hasFileName);
