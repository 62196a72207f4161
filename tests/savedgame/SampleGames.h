// Games as the program could have played them, made by the engine itself: for
// tests and fuzz seeds that need a win, a full board or a long record.
#pragma once

#include "SavedGame.h"

// Both sides play the engine's choice from a first move at a third of the
// board, until the game ends or maxTurns turns are played.
SavedGame SelfPlayed(uint32_t w, uint32_t h, int32_t maxTurns);

// The human's five across the top row, won on turn 4, the computer's circles
// a row lower; the last turn holds no reply, the view is the whole board.
SavedGame WonAcrossTheTop(uint32_t w, uint32_t h);

// The computer's five down the right column of 12 x 7 with the last reply,
// the crosses scattered; the view is the whole board.
SavedGame ComputerWon();

// A board filled to its last square with no five anywhere: the game ends
// BoardFull, on the human's move when the board has an odd number of squares.
SavedGame FilledWithoutFive(uint32_t w, uint32_t h);
