// The turn flow: a human move answered at once by the computer, new game,
// undo and redo over the record. Each operation lists the squares it changes
// in the order they are to be drawn.
#include "Game.h"

#include "Outcome.h"

#include <utility>

GameChange CGame::PlayAt(uint32_t column, uint32_t row)
{
    return PlayTurn(CellAt(column, row));
}

GameChange CGame::Hint()
{
    return PlayTurn(nullptr);
}

GameChange CGame::PlayTurn(Cell* square)
{
    const CommandStates before = Commands();
    if (state == NotStarted)
        state = InPlay;
    if (state == InPlay && !square)
        square = ChooseMove(Human);
    SquareDraws draws;
    if (state == InPlay && square && square->owner == Nobody)
        draws = PlaceTurn(*square);
    return Reported(before, std::move(draws));
}

SquareDraws CGame::PlaceTurn(Cell& square)
{
    SquareDraws draws;
    if (currentTurn >= 0)
        AddTurn(draws, currentTurn, Normal);

    Place(Human, &square);
    CheckOutcome();
    AddWinningFive(draws);

    lastTurn = ++currentTurn;
    TurnRecord& turn = record[currentTurn];
    turn.humanX = square.x;
    turn.humanY = square.y;
    turn.replyX = turn.replyY = 0;  // no reply yet: nothing stale goes into a file
    lastHasReply = 0;
    lastHasHuman = 1;
    draws.push_back({square.x, square.y, Human, LastMove});

    // While the game goes on a square is free: a full board ends it.
    if (Cell* reply = state == InPlay ? ChooseMove(Computer) : nullptr) {
        Place(Computer, reply);
        CheckOutcome();
        AddWinningFive(draws);
        turn.replyX = reply->x;
        turn.replyY = reply->y;
        lastHasReply = 1;
        draws.push_back({reply->x, reply->y, Computer, LastMove});
    }
    return draws;
}

GameChange CGame::NewGame()
{
    const CommandStates before = Commands();
    SquareDraws draws;
    for (int32_t i = 0; i <= currentTurn; ++i)
        AddErasedTurn(draws, i);
    Reset();
    return Reported(before, std::move(draws));
}

GameChange CGame::Undo()
{
    if (currentTurn < 0)
        return {};
    const CommandStates before = Commands();
    SquareDraws draws;
    const TurnRecord& turn = record[currentTurn];
    if (HoldsHuman(currentTurn))
        Remove(CellAt(turn.humanX, turn.humanY));
    if (HoldsReply(currentTurn))
        Remove(CellAt(turn.replyX, turn.replyY));
    AddErasedTurn(draws, currentTurn);
    if (winningFive)
        for (const Cell* c : winningFive->cells)
            draws.push_back({c->x, c->y, c->owner, Normal});
    // A game taken back from its end goes on; one never started stays so.
    SettleOutcome(*this, state == NotStarted ? NotStarted : InPlay);

    --currentTurn;
    if (currentTurn >= 0)
        AddTurn(draws, currentTurn, LastMove);
    return Reported(before, std::move(draws));
}

GameChange CGame::Redo()
{
    if (currentTurn >= lastTurn)
        return {};
    const CommandStates before = Commands();
    ++currentTurn;
    const TurnRecord& turn = record[currentTurn];
    if (HoldsHuman(currentTurn))
        Place(Human, CellAt(turn.humanX, turn.humanY));
    if (HoldsReply(currentTurn))
        Place(Computer, CellAt(turn.replyX, turn.replyY));
    CheckOutcome();
    SquareDraws draws;
    if (currentTurn > 0)
        AddTurn(draws, currentTurn - 1, Normal);
    AddWinningFive(draws);
    AddTurn(draws, currentTurn, LastMove);
    return Reported(before, std::move(draws));
}

GameChange CGame::Reported(const CommandStates& before, SquareDraws draws) const
{
    return {std::move(draws), Commands() != before};
}
