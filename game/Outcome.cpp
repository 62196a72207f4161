#include "Outcome.h"

void SettleOutcome(CEngine& e, GameState open)
{
    e.state = open;
    e.winningFive = nullptr;
    e.CheckOutcome();
}
