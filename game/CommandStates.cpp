#include "CommandStates.h"

CommandStates CommandStatesFor(GameState state, int32_t currentTurn, int32_t lastTurn, bool named)
{
    CommandStates s {};
    // A new game applies to anything but the untouched start, which a file
    // name also ends.
    s.newGame = state != NotStarted || named;
    s.undo = currentTurn >= 0;
    s.redo = currentTurn < lastTurn;
    s.hint = state == NotStarted || state == InPlay;
    return s;
}
