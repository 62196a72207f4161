// The game's outcome brought in line with its stones.
#pragma once

#include "Engine.h"

// After stones were placed or taken off in any order: Won with its five,
// BoardFull, or else open, the state of a game that goes on. CheckOutcome
// alone never leaves Won or BoardFull.
void SettleOutcome(CEngine& e, GameState open);
