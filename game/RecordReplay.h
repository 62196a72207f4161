// The one replay of a record of turns: how a saved game is checked before it
// may become the game, and how the game it becomes gets its stones.
#pragma once

#include "Engine.h"
#include "GameFields.h"
#include "SavedGame.h"
#include "TurnRecord.h"

#include <cstdint>
#include <string>

// Plays turns 0 .. upTo of a record, in order, onto e's board, under the
// rules of play: every move lands on a free square of the board, only the
// record's last turn (fields.lastTurn) may lack the reply and only when the
// human's move ended the game, and nothing follows a move that ended it.
// Gives "" when every move was played, else the reason it stopped; the moves
// before that stay on the board.
std::string ReplayTurns(CEngine& e, const GameFields& fields, const TurnRecord* turns, int32_t upTo);

// The whole record (of lastTurn + 1 turns) replayed on an empty board of the
// game's size: "" when it passes, else the reason.
std::string RecordProblem(const SavedGame& game);
