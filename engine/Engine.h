// The game engine: the board as cells and as every window of five squares
// through them, kept exact stone by stone, and the computer's choice of move.
// Plain standard C++: the same code runs in the game and in the brain program.
#pragma once

#include "Cell.h"
#include "CellRanking.h"
#include "FiveSet.h"
#include "GameState.h"

#include <cstdint>
#include <memory>

class CEngine {
public:
    // Raised when Init cannot allocate the board.
    class ExMalloc { };

    CEngine();
    ~CEngine();
    CEngine(const CEngine&) = delete;
    CEngine& operator=(const CEngine&) = delete;

    // Builds the empty board for the current width and height (both at least
    // 5, at most CellRanking::maxCells squares), discarding any earlier
    // position. Raises ExMalloc.
    void Init();
    // Releases the board; calling it again does nothing.
    void Free();

    // The cell at column x, row y; the caller keeps both on the board.
    Cell* CellAt(uint32_t x, uint32_t y) const { return &cells[y * width + x]; }

    // Adds delta (unsigned, so a "negative" delta wraps) to player p's score
    // in each of the five's cells, and ranks those cells anew.
    void AddScore(Player p, Five* f, uint32_t delta);
    static Player Opponent(Player player);

    // Puts p's stone on an empty cell and brings every five through it and
    // every score in those fives up to date. The caller vouches the cell is empty.
    void Place(Player p, Cell* c);
    // Takes the stone off an occupied cell. Afterwards the engine is exactly as
    // if that stone had never been placed.
    void Remove(Cell* c);
    // Sets Won (with the first complete five in the array as winningFive) or
    // BoardFull after stones were placed.
    void CheckOutcome();

    // The square the engine plays for player p: a pure function of the position.
    // Only asked while at least one cell is empty.
    Cell* ChooseMove(Player p) const;

    // The rules of the ladder, each returning an empty cell or nullptr: for
    // a five or stretch, the first in the five array.
    Cell* FindFour(Player q) const;
    Cell* FindSplitThree(Player q) const;
    Cell* FindOpenThree(Player q) const;
    Cell* FindBestThree(Player q) const;
    Cell* BestCell(Player q) const;

    uint32_t width = 0;
    uint32_t height = 0;
    std::unique_ptr<Cell[]> cells;
    std::unique_ptr<Five[]> fives;
    uint32_t numFives = 0;
    uint32_t scoreTable[6];
    Five* winningFive = nullptr;
    uint32_t freeCells = 0;
    GameState state = NotStarted;

    // Kept by Place and Remove so that neither the move choice nor the
    // outcome has to scan the board. For each player q, by place in the five
    // array: the fives holding four of q's stones; the fives that read empty,
    // three of q, empty; and the fives f whose stretch of six cells (f and
    // the five that continues it) reads empty, four cells with three of q,
    // empty, split by where the gap lies: inside (c2 or c3) or at an end
    // (c1 or c4). Then the fives holding five stones, and the empty cells
    // ranked by score for each player.
    FiveSet fours[2];
    FiveSet framedThrees[2];
    FiveSet splitThrees[2];
    FiveSet openThrees[2];
    FiveSet completeFives;
    CellRanking ranking[2];

private:
    void Build();
    void AppendFive(Five* f, uint32_t x0, uint32_t y0, int dx, int dy);
    bool Continues(uint32_t i) const;
    void ClassifyFive(uint32_t i);
    void ClassifyStretch(uint32_t i);
    void UpdateAround(const Cell* c);

    uint32_t builtWidth = 0;  // the size the arrays were built for
    uint32_t builtHeight = 0;
};
