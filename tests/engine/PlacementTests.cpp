// Placing and removing stones: five states, cell scores and the outcome.
#include "engine/Recount.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

std::pair<uint32_t, uint32_t> Scores(const CEngine& e, uint32_t x, uint32_t y)
{
    const Cell* c = e.CellAt(x, y);
    return {c->score[0], c->score[1]};
}

using Pair = std::pair<uint32_t, uint32_t>;

}  // namespace

TEST_CASE("a stone raises the scores along its lines, and a reply blocks what it shares")
{
    CEngine e;
    InitBoard(e, 20, 20);
    e.Place(Human, e.CellAt(10, 10));
    CHECK(Scores(e, 10, 10) == Pair {60, 20});
    CHECK(Scores(e, 11, 10) == Pair {28, 20});
    CHECK(Scores(e, 11, 11) == Pair {28, 20});
    CHECK(Scores(e, 9, 11) == Pair {28, 20});
    CHECK(Scores(e, 12, 12) == Pair {26, 20});
    CHECK(Scores(e, 14, 10) == Pair {22, 20});
    CHECK(Scores(e, 15, 10) == Pair {20, 20});
    CHECK(e.freeCells == 399);

    e.Place(Computer, e.CellAt(11, 10));
    CHECK(Scores(e, 10, 10) == Pair {52, 20});
    CHECK(Scores(e, 11, 10) == Pair {20, 52});
    CHECK(Scores(e, 9, 10) == Pair {22, 20});
    CHECK(Scores(e, 6, 10) == Pair {22, 20});
    CHECK(Scores(e, 12, 10) == Pair {20, 22});
    CHECK(Scores(e, 14, 10) == Pair {20, 22});
    CHECK(RecountMismatch(e) == "");
}

TEST_CASE("blocking a four costs its cells the whole worth of the four")
{
    CEngine e;
    InitBoard(e, 20, 20);
    PlaceStones(e, {{3, 5, Human}, {4, 5, Human}, {5, 5, Human}, {6, 5, Human}});
    // (3,5) shares only the five (3,5)..(7,5) with the blocking stone.
    const uint32_t before = e.CellAt(3, 5)->score[Human];
    e.Place(Computer, e.CellAt(7, 5));
    CHECK(before - e.CellAt(3, 5)->score[Human] == 30);
    CHECK(e.fives[5 * 16 + 3].owner == Nobody);
    CHECK(e.fives[5 * 16 + 3].count == -1);
    CHECK(RecountMismatch(e) == "");
}

TEST_CASE("taking a stone out of a blocked five revives it for the side left in it")
{
    CEngine e;
    InitBoard(e, 20, 20);
    PlaceStones(e, {{5, 5, Human}, {6, 5, Computer}, {7, 5, Computer}});
    const Five& five = e.fives[5 * 16 + 5];  // row 5 holds fives 80..95
    REQUIRE(five.cells[0] == e.CellAt(5, 5));
    REQUIRE(five.count == -1);
    const uint32_t before = e.CellAt(9, 5)->score[Computer];

    e.Remove(e.CellAt(5, 5));
    CHECK(five.owner == Computer);
    CHECK(five.count == 2);
    // (9,5) shares only that five with (5,5): it gains the worth of two stones.
    CHECK(e.CellAt(9, 5)->score[Computer] - before == 6);
    CHECK(RecountMismatch(e) == "");

    // A human stone leaving a five that still holds stones of both sides keeps it blocked.
    PlaceStones(e, {{5, 5, Human}, {8, 5, Human}});
    e.Remove(e.CellAt(8, 5));
    CHECK(five.count == -1);
    CHECK(RecountMismatch(e) == "");
}

TEST_CASE("five or more in a line wins; the earliest complete five is the winning one")
{
    CEngine e;
    InitBoard(e, 20, 20);
    for (uint32_t x = 3; x <= 8; ++x)
        e.Place(Human, e.CellAt(x, 5));
    e.CheckOutcome();
    CHECK(e.state == Won);
    REQUIRE(e.winningFive != nullptr);
    CHECK(e.winningFive->cells[0] == e.CellAt(3, 5));
    CHECK(e.winningFive->cells[4] == e.CellAt(7, 5));

    SUBCASE("a stone completing a row and a column: the row wins")
    {
        e.Init();
        PlaceStones(e,
            {{0, 2, Computer}, {1, 2, Computer}, {3, 2, Computer}, {4, 2, Computer}, {2, 0, Computer},
                {2, 1, Computer}, {2, 3, Computer}, {2, 4, Computer}});
        e.CheckOutcome();
        CHECK(e.state == NotStarted);
        e.Place(Computer, e.CellAt(2, 2));
        e.CheckOutcome();
        CHECK(e.state == Won);
        CHECK(IndexOf(e, e.winningFive) == 2 * 16);
    }
    SUBCASE("fives at the board's edges and on both diagonals")
    {
        const std::vector<std::vector<Stone>> lines = {
            {{15, 19, Human}, {16, 19, Human}, {17, 19, Human}, {18, 19, Human}, {19, 19, Human}},
            {{19, 0, Computer}, {19, 1, Computer}, {19, 2, Computer}, {19, 3, Computer}, {19, 4, Computer}},
            {{15, 15, Human}, {16, 16, Human}, {17, 17, Human}, {18, 18, Human}, {19, 19, Human}},
            {{4, 15, Computer}, {3, 16, Computer}, {2, 17, Computer}, {1, 18, Computer}, {0, 19, Computer}},
        };
        for (const auto& line : lines) {
            e.Init();
            PlaceStones(e, line);
            e.CheckOutcome();
            CHECK(e.state == Won);
            REQUIRE(e.winningFive != nullptr);
            CHECK(e.winningFive->owner == line[0].player);
        }
    }
}

TEST_CASE("the last free square completing a five: the board is full and the five is kept")
{
    // A full 10 x 5 board whose only five is the human's row (0,1)..(4,1).
    const char* rows[5] = {"XOOXOXOXXO", "XXXXXOXOXO", "OOXOXXOOOX", "OXOOXXOXOO", "OXOOOXOOXX"};
    CEngine e;
    InitBoard(e, 10, 5);
    for (uint32_t y = 0; y < 5; ++y)
        for (uint32_t x = 0; x < 10; ++x)
            if (!(x == 2 && y == 1))
                e.Place(rows[y][x] == 'X' ? Human : Computer, e.CellAt(x, y));
    e.CheckOutcome();
    CHECK(e.state == NotStarted);
    e.Place(Human, e.CellAt(2, 1));
    e.CheckOutcome();
    CHECK(e.state == BoardFull);
    REQUIRE(e.winningFive != nullptr);
    CHECK(e.winningFive->cells[0] == e.CellAt(0, 1));
    CHECK(e.freeCells == 0);
    CHECK(RecountMismatch(e) == "");
}

// Random games of placements and removals on every shape of board: after each
// step the incremental state must equal a recount from the stones, and taking
// stones off in any order must equal placing only those that stay.
TEST_CASE("random placements and removals keep every five and score exact")
{
    std::mt19937 rng(20261206);
    const std::vector<Pair> sizes = {{10, 5}, {5, 5}, {11, 5}, {20, 20}, {13, 37}, {64, 9}, {100, 100}};
    for (auto [w, h] : sizes) {
        CAPTURE(w);
        CAPTURE(h);
        CEngine e;
        InitBoard(e, w, h);
        std::vector<Cell*> stones;
        const int steps = w * h <= 400 ? 600 : 250;
        for (int step = 0; step < steps; ++step) {
            const bool remove = !stones.empty() && (e.freeCells == 0 || rng() % 3 == 0);
            if (remove) {
                const size_t i = rng() % stones.size();
                e.Remove(stones[i]);
                stones.erase(stones.begin() + long(i));
            } else {
                Cell* c;
                do
                    c = &e.cells[rng() % (w * h)];
                while (c->owner != Nobody);
                // Dense local play makes blocked fives and revivals common.
                e.Place(int32_t(rng() % 2), c);
                stones.push_back(c);
            }
            const std::string mismatch = RecountMismatch(e);
            if (!mismatch.empty()) {
                FAIL_CHECK("after step " << step << ": " << mismatch);
                break;
            }
        }

        // Remove a random half in random order, then compare with a board built
        // from the rest alone, placed in another order.
        std::shuffle(stones.begin(), stones.end(), rng);
        const size_t keep = stones.size() / 2;
        for (size_t i = keep; i < stones.size(); ++i)
            e.Remove(stones[i]);
        CEngine rebuilt;
        InitBoard(rebuilt, w, h);
        for (size_t i = keep; i-- > 0;)
            rebuilt.Place(stones[i]->owner, rebuilt.CellAt(stones[i]->x, stones[i]->y));
        CHECK(EngineDifference(e, rebuilt) == "");

        // Placing a stone and taking it back restores everything.
        for (uint32_t i = 0; i < w * h; i += 7) {
            Cell* c = &e.cells[i];
            if (c->owner != Nobody)
                continue;
            e.Place(Computer, c);
            e.Remove(c);
        }
        CHECK(EngineDifference(e, rebuilt) == "");
    }
}
