// The engine's choice of move, by known positions and against the rule ladder.
#include "engine/Ladder.h"
#include "engine/Recount.h"

#include <doctest/doctest.h>

#include <random>
#include <vector>

namespace {

std::string Reply(const std::vector<Stone>& stones, int32_t p = Computer)
{
    CEngine e;
    InitBoard(e, 20, 20);
    PlaceStones(e, stones);
    return Where(e.ChooseMove(p));
}

}  // namespace

TEST_CASE("opening replies")
{
    CHECK(Reply({}, Computer) == "(4,4)");
    CHECK(Reply({}, Human) == "(4,4)");
    CHECK(Reply({{10, 10, Human}}) == "(9,9)");
    CHECK(Reply({{0, 0, Human}}) == "(4,4)");
}

TEST_CASE("threes: the gap of a split three, then the open ends, then the best closed one")
{
    const std::vector<Stone> split = {{4, 5, Computer}, {6, 5, Computer}, {7, 5, Computer}};
    CHECK(Reply(split, Computer) == "(5,5)");
    CHECK(Reply(split, Human) == "(5,5)");

    const std::vector<Stone> three = {{5, 5, Computer}, {6, 5, Computer}, {7, 5, Computer}};
    CHECK(Reply(three) == "(4,5)");

    std::vector<Stone> leftClosed = three;
    leftClosed.push_back({3, 5, Human});
    CHECK(Reply(leftClosed) == "(8,5)");

    std::vector<Stone> bothClosed = leftClosed;
    bothClosed.push_back({9, 5, Human});
    CEngine e;
    InitBoard(e, 20, 20);
    PlaceStones(e, bothClosed);
    CHECK(e.FindOpenThree(Computer) == nullptr);
    CHECK(e.CellAt(4, 5)->score[Computer] == 34);
    CHECK(e.CellAt(8, 5)->score[Computer] == 34);
    CHECK(Where(e.ChooseMove(Computer)) == "(8,5)");
}

TEST_CASE("fours: winning comes before blocking, and the earliest four first")
{
    const std::vector<Stone> both = {{2, 2, Human}, {3, 2, Human}, {4, 2, Human}, {5, 2, Human},
        {10, 12, Computer}, {10, 13, Computer}, {10, 14, Computer}, {10, 15, Computer}};
    CHECK(Reply(both, Computer) == "(10,11)");
    CHECK(Reply(both, Human) == "(1,2)");

    // A column four whose gap comes first in row-major order still loses to a
    // row four, because rows are enumerated before columns.
    const std::vector<Stone> two = {{3, 1, Computer}, {3, 2, Computer}, {3, 3, Computer}, {3, 4, Computer},
        {10, 9, Computer}, {11, 9, Computer}, {12, 9, Computer}, {13, 9, Computer}};
    CHECK(Reply(two, Computer) == "(9,9)");
}

TEST_CASE("a three against the board's edge does not continue into the next row")
{
    // The last five of row 3 is followed in the array by the first of row 4;
    // read as one line they would make an open three out of a closed one.
    CEngine e;
    InitBoard(e, 20, 20);
    PlaceStones(e, {{17, 3, Computer}, {18, 3, Computer}, {19, 3, Computer}});
    CHECK(e.FindOpenThree(Computer) == nullptr);
    CHECK(e.FindSplitThree(Computer) == nullptr);
    CHECK(e.FindBestThree(Computer) == nullptr);
    CHECK(Where(e.ChooseMove(Computer)) != "(16,3)");
}

// Self-played games with random detours: at every position ChooseMove agrees
// with the ladder, answers an empty square, and does not depend on how the
// position was reached.
TEST_CASE("ChooseMove equals the ladder, never answers a stone and ignores history")
{
    std::mt19937 rng(7);
    const std::vector<std::pair<uint32_t, uint32_t>> sizes = {{10, 5}, {20, 20}, {31, 17}, {100, 100}};
    for (auto [w, h] : sizes) {
        CAPTURE(w);
        CAPTURE(h);
        for (int game = 0; game < (w * h > 1000 ? 2 : 8); ++game) {
            CEngine e;
            InitBoard(e, w, h);
            std::vector<Cell*> played;
            int32_t side = Human;
            bool agreed = true, empty = true;
            while (e.freeCells > 0 && e.state != Won && played.size() < 160) {
                for (int32_t p : {Human, Computer}) {
                    Cell* c = e.ChooseMove(p);
                    agreed = agreed && c == Ladder(e, p);
                    empty = empty && c && c->owner == Nobody;
                }
                Cell* move = e.ChooseMove(side);
                if (rng() % 4 == 0)
                    do
                        move = &e.cells[rng() % (w * h)];
                    while (move->owner != Nobody);
                e.Place(side, move);
                e.CheckOutcome();
                played.push_back(move);
                side = CEngine::Opponent(side);
            }
            CHECK(agreed);
            CHECK(empty);

            if (e.freeCells == 0 || played.size() < 4)
                continue;
            // The same stones reached another way: placed in reverse, with
            // detours that are taken back again.
            CEngine other;
            InitBoard(other, w, h);
            for (size_t i = played.size(); i-- > 0;) {
                Cell* detour = other.CellAt(rng() % w, rng() % h);
                const bool detourFree =
                    detour->owner == Nobody && e.CellAt(detour->x, detour->y)->owner == Nobody;
                if (detourFree)
                    other.Place(Human, detour);
                other.Place(played[i]->owner, other.CellAt(played[i]->x, played[i]->y));
                if (detourFree)
                    other.Remove(detour);
            }
            for (int32_t p : {Human, Computer})
                CHECK(Where(other.ChooseMove(p)) == Where(e.ChooseMove(p)));
        }
    }
}
