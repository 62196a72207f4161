// Which of the game's commands apply now. The menu and the toolbar both show
// this one answer.
#pragma once

#include "GameState.h"

#include <cstdint>

// Whether New, Undo, Redo and Hint are enabled.
struct CommandStates {
    bool newGame, undo, redo, hint;

    bool operator==(const CommandStates&) const = default;
};

// state is the engine's game state, the turns are the record's indexes (-1
// when there is no such turn), named tells whether the game was opened from a
// file or saved to one.
CommandStates CommandStatesFor(GameState state, int32_t currentTurn, int32_t lastTurn, bool named);
