// The game's life, its view and clock, its saved form and the commands that
// apply to it.
#include "Game.h"

#include "GameClock.h"
#include "RecordReplay.h"

#include <algorithm>
#include <new>

CGame::CGame(uint32_t w, uint32_t h)
{
    width = w;
    height = h;
    SetView({0, 0, w, h});
    // Should Reset raise, a record built so far and the engine's arrays are
    // released as the exception leaves.
    Reset();
}

void CGame::Reset()
{
    clock = 0;
    named = false;
    Init();
    record.reset();
    // The record is empty before it is reallocated, so that a failed
    // allocation leaves no turn pointing into a missing record.
    currentTurn = lastTurn = -1;
    lastHasHuman = lastHasReply = 0;
    // Zeroed, so that no turn ever holds leftovers of freed memory.
    record.reset(new (std::nothrow) TurnRecord[RecordRoom(width, height)]());
    if (!record)
        throw ExMalloc();
}

void CGame::SetView(const ViewPlace& place)
{
    view.visibleCols = std::min(place.visibleCols, width);
    view.visibleRows = std::min(place.visibleRows, height);
    view.scrollX = std::min(place.scrollX, width - view.visibleCols);
    view.scrollY = std::min(place.scrollY, height - view.visibleRows);
}

void CGame::Tick(bool windowActive)
{
    clock = AdvanceClock(clock, state, windowActive);
}

SavedGame CGame::Snapshot() const
{
    SavedGame game;
    static_cast<GameFields&>(game) = *this;
    game.width = width;
    game.height = height;
    if (lastTurn >= 0)
        game.record.assign(record.get(), record.get() + lastTurn + 1);
    if (!game.record.empty()) {
        TurnRecord& last = game.record.back();
        if (!lastHasHuman)
            last.humanX = last.humanY = 0;
        if (!lastHasReply)
            last.replyX = last.replyY = 0;
    }
    return game;
}

void CGame::Adopt(const SavedGame& game)
{
    width = game.width;
    height = game.height;
    Reset();
    static_cast<GameFields&>(*this) = game;
    SetView(game.view);
    if (clock != 0)
        state = InPlay;
    std::copy(game.record.begin(), game.record.end(), record.get());
    // The loader replayed the record already; this guards the engine.
    if (!ReplayTurns(*this, *this, record.get(), currentTurn).empty())
        throw ExOpen();
    named = true;
}

GameChange CGame::Saved()
{
    const CommandStates before = Commands();
    named = true;
    return Reported(before, {});
}

CommandStates CGame::Commands() const
{
    return CommandStatesFor(state, currentTurn, lastTurn, named);
}

SquareDraws CGame::WinningFiveSquares() const
{
    SquareDraws draws;
    AddWinningFive(draws);
    return draws;
}

SquareDraws CGame::Picture() const
{
    SquareDraws draws;
    for (int32_t i = 0; i <= currentTurn; ++i)
        AddTurn(draws, i, MarkOnly);
    AddWinningFive(draws);
    if (currentTurn >= 0)
        AddTurn(draws, currentTurn, LastMove);
    return draws;
}

void CGame::AddTurn(SquareDraws& draws, int32_t i, SquareStyle style) const
{
    const TurnRecord& t = record[i];
    if (HoldsHuman(i))
        draws.push_back({t.humanX, t.humanY, Human, style});
    if (HoldsReply(i))
        draws.push_back({t.replyX, t.replyY, Computer, style});
}

void CGame::AddErasedTurn(SquareDraws& draws, int32_t i) const
{
    const TurnRecord& t = record[i];
    if (HoldsHuman(i))
        draws.push_back({t.humanX, t.humanY, Nobody, Normal});
    if (HoldsReply(i))
        draws.push_back({t.replyX, t.replyY, Nobody, Normal});
}

void CGame::AddWinningFive(SquareDraws& draws) const
{
    if (!winningFive)
        return;
    for (const Cell* c : winningFive->cells)
        draws.push_back({c->x, c->y, c->owner, WinningFive});
}
