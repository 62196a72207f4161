#include "ButtonStates.h"

#include "GameState.h"

ButtonStates ButtonStatesFor(GameState state, int32_t currentTurn, int32_t lastTurn, bool hasFileName)
{
    ButtonStates s {};
    // A new game applies to anything but the untouched start, which an open
    // file name also ends.
    s.newGame = state != NotStarted || hasFileName;
    s.undo = currentTurn >= 0;
    s.redo = currentTurn < lastTurn;
    s.hint = state == NotStarted || state == InPlay;
    return s;
}
