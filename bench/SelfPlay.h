// Games that the engine plays against itself, as sources of realistic positions.
#pragma once

#include "Engine.h"

#include <vector>

// The moves of a game from the empty w x h board, the computer playing
// ChooseMove and the human blocking its threats but otherwise playing
// loosely, until a five or a full board.
std::vector<const Cell*> SelfPlayedGame(CEngine& e, uint32_t w, uint32_t h);

// Sets e to the position after the first `moves` moves of such a game.
void ReplayPrefix(CEngine& e, uint32_t w, uint32_t h, const std::vector<const Cell*>& game, size_t moves);
