// The five-window model and the incremental bookkeeping of stones and scores.
#include "Engine.h"

#include <new>

CEngine::CEngine()
{
    // Entry k is the worth of a five holding k stones of one side: 2^(k+1) - 2,
    // so every further stone in a five is worth twice the one before.
    scoreTable[0] = 0;
    for (int k = 1; k < 6; ++k)
        scoreTable[k] = scoreTable[k - 1] + (2u << (k - 1));
}

CEngine::~CEngine()
{
    Free();
}

void CEngine::Free()
{
    fives.reset();
    cells.reset();
    winningFive = nullptr;
}

void CEngine::AppendFive(Five* f, uint32_t x0, uint32_t y0, int dx, int dy)
{
    for (int k = 0; k < 5; ++k) {
        Cell* c = CellAt(x0 + k * dx, y0 + k * dy);
        f->cells[k] = c;
        c->fives[c->fiveCount++] = f;
    }
}

// Allocates the arrays for the current size and links cells and fives.
void CEngine::Build()
{
    Free();
    const uint32_t w = width, h = height;
    if (size_t(w) * h > CellRanking::maxCells)
        throw ExMalloc();

    cells.reset(new (std::nothrow) Cell[size_t(w) * h]);
    if (!cells)
        throw ExMalloc();
    for (uint32_t y = 0; y < h; ++y)
        for (uint32_t x = 0; x < w; ++x) {
            Cell& c = cells[size_t(y) * w + x];
            c.x = x;
            c.y = y;
            c.fiveCount = 0;
        }

    numFives = (w - 4) * h + (h - 4) * (3 * w - 8);
    fives.reset(new (std::nothrow) Five[numFives]);
    if (!fives) {
        cells.reset();
        throw ExMalloc();
    }

    // The move choice relies on this order: fives that continue each other
    // along one line stand next to each other, the one nearer the line's start
    // first.
    Five* next = fives.get();
    for (uint32_t y = 0; y < h; ++y)  // rows
        for (uint32_t x0 = 0; x0 + 4 < w; ++x0)
            AppendFive(next++, x0, y, 1, 0);
    for (uint32_t x = 0; x < w; ++x)  // columns
        for (uint32_t y0 = 0; y0 + 4 < h; ++y0)
            AppendFive(next++, x, y0, 0, 1);
    // Down-right diagonals from the top-right corner to the bottom-left one.
    for (int64_t d = -int64_t(w - 5); d <= int64_t(h) - 5; ++d) {
        uint32_t x0 = d <= 0 ? uint32_t(-d) : 0;
        uint32_t y0 = d <= 0 ? 0 : uint32_t(d);
        for (; x0 + 4 < w && y0 + 4 < h; ++x0, ++y0)
            AppendFive(next++, x0, y0, 1, 1);
    }
    // Down-left diagonals from the top-left corner to the bottom-right one.
    for (uint32_t s = 4; s <= (w - 1) + (h - 5); ++s) {
        uint32_t x0 = s <= w - 1 ? s : w - 1;
        uint32_t y0 = s <= w - 1 ? 0 : s - (w - 1);
        for (; x0 >= 4 && y0 + 4 < h; --x0, ++y0)
            AppendFive(next++, x0, y0, -1, 1);
    }
    builtWidth = w;
    builtHeight = h;
}

void CEngine::Init()
{
    // A new game on a board of the same size keeps the arrays and their
    // links: handing 3.5 MB back and asking for it again costs the system a
    // page fault per page, far more than the game itself.
    if (!cells || builtWidth != width || builtHeight != height)
        Build();
    const uint32_t w = width, h = height;

    for (uint32_t i = 0; i < w * h; ++i) {
        Cell& c = cells[i];
        c.owner = Nobody;
        c.score[0] = c.score[1] = c.fiveCount;
    }
    freeCells = w * h;
    for (uint32_t i = 0; i < numFives; ++i) {
        fives[i].owner = Nobody;
        fives[i].count = 0;
    }
    state = NotStarted;
    winningFive = nullptr;

    try {
        for (Player p : {Human, Computer}) {
            fours[p].Reset(numFives);
            framedThrees[p].Reset(numFives);
            splitThrees[p].Reset(numFives);
            openThrees[p].Reset(numFives);
            ranking[p].Build(cells.get(), w * h, p);
        }
        completeFives.Reset(numFives);
    } catch (const std::bad_alloc&) {
        Free();
        throw ExMalloc();
    }
}

void CEngine::AddScore(Player p, Five* f, uint32_t delta)
{
    for (Cell* c : f->cells) {
        c->score[p] += delta;
        ranking[p].Refresh(*c);
    }
}

Player CEngine::Opponent(Player player)
{
    switch (player) {
    case Human: return Computer;
    case Computer: return Human;
    default: return Nobody;
    }
}

void CEngine::Place(Player p, Cell* c)
{
    c->owner = p;
    --freeCells;
    for (uint32_t i = 0; i < c->fiveCount; ++i) {
        Five* f = c->fives[i];
        if (f->count == 0) {
            f->owner = p;
            f->count = 1;
            AddScore(p, f, scoreTable[1]);
        } else if (f->count == -1) {
            // Blocked already: this stone changes nothing in it.
        } else if (f->owner == p) {
            const int32_t n = f->count;
            AddScore(p, f, scoreTable[n + 1] - scoreTable[n]);
            f->count = n + 1;
        } else {
            // The opponent can no longer complete this five: it loses its worth.
            AddScore(f->owner, f, 0u - scoreTable[f->count]);
            f->count = -1;
            f->owner = Nobody;
        }
    }
    ranking[Human].Refresh(*c);
    ranking[Computer].Refresh(*c);
    UpdateAround(c);
}

void CEngine::Remove(Cell* c)
{
    const Player p = c->owner;
    for (uint32_t i = 0; i < c->fiveCount; ++i) {
        Five* f = c->fives[i];
        if (f->count != -1) {
            const int32_t n = f->count;
            AddScore(p, f, scoreTable[n - 1] - scoreTable[n]);
            f->count = n - 1;
            if (f->count == 0)
                f->owner = Nobody;
            continue;
        }
        // A blocked five comes back to life when the stone leaving it was the
        // last of its side in it.
        int32_t humans = 0, computers = 0;
        for (Cell* other : f->cells) {
            if (other == c)
                continue;
            if (other->owner == Human)
                ++humans;
            else if (other->owner == Computer)
                ++computers;
        }
        if (computers == 0) {
            f->owner = Human;
            f->count = humans;
            AddScore(Human, f, scoreTable[humans]);
        } else if (humans == 0) {
            f->owner = Computer;
            f->count = computers;
            AddScore(Computer, f, scoreTable[computers]);
        }
    }
    c->owner = Nobody;
    ++freeCells;
    ranking[Human].Refresh(*c);
    ranking[Computer].Refresh(*c);
    UpdateAround(c);
}

void CEngine::CheckOutcome()
{
    if (const uint32_t first = completeFives.First(); first != FiveSet::none) {
        state = Won;
        winningFive = &fives[first];
    }
    if (freeCells == 0)
        state = BoardFull;
}
