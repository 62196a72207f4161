// One game of five in a row as its rules see it: the engine's position, the
// record of turns, the turn flow (the human's move answered at once by the
// computer), undo and redo over the record, the outcome, the clock's count
// and the part of the board a view shows. No window, file or message box: an
// operation reports which squares to draw and whether the commands changed,
// and the board on screen shows just that.
#pragma once

#include "CommandStates.h"
#include "Engine.h"
#include "GameFields.h"
#include "SavedGame.h"
#include "SquareDraw.h"
#include "TurnRecord.h"

#include <cstdint>
#include <memory>

// What an operation changed.
struct GameChange {
    SquareDraws squares;
    bool commandsChanged = false;
};

// The turn fields and the clock are open to the panels; the view is changed
// only through SetView.
class CGame : public CEngine, protected GameFields {
public:
    using GameFields::clock;
    using GameFields::currentTurn;
    using GameFields::lastHasHuman;
    using GameFields::lastHasReply;
    using GameFields::lastTurn;

    // Raised when a saved game's record cannot be replayed.
    class ExOpen { };

    // An empty game on a board of w x h squares, all of it in view. Raises
    // CEngine::ExMalloc.
    CGame(uint32_t w, uint32_t h);

    // Empties the board and the record for the current width and height; the
    // game is tied to no file. Raises CEngine::ExMalloc.
    void Reset();

    // One turn: the human's move on the square at column, row (on the board),
    // then at once the computer's reply. Nothing when the game is over or the
    // square taken; the first such try still starts the game.
    GameChange PlayAt(uint32_t column, uint32_t row);
    // The same turn with the engine's choice for the human.
    GameChange Hint();
    // Back to the empty board, keeping its size.
    GameChange NewGame();
    // The current turn taken off the board; the record keeps it for Redo.
    GameChange Undo();
    // The next recorded turn played again.
    GameChange Redo();

    // The winning five, each square yellow; none while there is no five.
    SquareDraws WinningFiveSquares() const;
    // Every stone as a full picture shows it, in drawing order.
    SquareDraws Picture() const;

    // The part of the board the view shows.
    const ViewPlace& View() const { return view; }
    // Shows the given part, brought within the board: at most the board's
    // columns and rows, and an origin that keeps them all on it.
    void SetView(const ViewPlace& place);

    // One half-second tick of the clock.
    void Tick(bool windowActive);

    // The game as a saved game holds it; a move the last turn does not hold
    // is zero, so that the same game always gives the same bytes.
    SavedGame Snapshot() const;
    // Makes a checked saved game this game, tied to its file. Raises
    // CEngine::ExMalloc, and ExOpen should its record not replay.
    void Adopt(const SavedGame& game);
    // The game was written to a file: it is tied to it now.
    GameChange Saved();

    // Which commands apply to the game now.
    CommandStates Commands() const;

    // Whether turn i holds the human's move / the computer's reply: every turn
    // before the last does; the last one as its flags say.
    bool HoldsHuman(int32_t i) const { return i < lastTurn || lastHasHuman; }
    bool HoldsReply(int32_t i) const { return i < lastTurn || lastHasReply; }

    std::unique_ptr<TurnRecord[]> record;  // room for a full board's turns

private:
    // The turn at square (or, without one, the engine's choice) when the
    // game is in play and the square free.
    GameChange PlayTurn(Cell* square);
    // The human's move on a free square and the computer's reply.
    SquareDraws PlaceTurn(Cell& square);
    // What an operation changed, the commands before it being as given.
    GameChange Reported(const CommandStates& before, SquareDraws draws) const;
    // The stones that turn i holds, each with its player's mark.
    void AddTurn(SquareDraws& draws, int32_t i, SquareStyle style) const;
    // The squares of turn i's stones, empty and grey.
    void AddErasedTurn(SquareDraws& draws, int32_t i) const;
    void AddWinningFive(SquareDraws& draws) const;

    // Opened from a file or saved to one since the last reset.
    bool named = false;
};
