// The board as cells and fives: sizes, enumeration order and the empty position.
#include "engine/Recount.h"

#include <doctest/doctest.h>

#include <vector>

namespace {

std::vector<std::pair<uint32_t, uint32_t>> CellsOf(const Five& f)
{
    std::vector<std::pair<uint32_t, uint32_t>> out;
    for (const Cell* c : f.cells)
        out.emplace_back(c->x, c->y);
    return out;
}

using XY = std::vector<std::pair<uint32_t, uint32_t>>;

}  // namespace

TEST_CASE("the score table doubles the step with every stone")
{
    CEngine e;
    const uint32_t expected[6] = {0, 2, 6, 14, 30, 62};
    for (int k = 0; k < 6; ++k)
        CHECK(e.scoreTable[k] == expected[k]);
    CHECK(e.cells == nullptr);
    CHECK(e.fives == nullptr);
}

TEST_CASE("a 20 x 20 board: five counts and the order of the four passes")
{
    CEngine e;
    InitBoard(e, 20, 20);
    REQUIRE(e.numFives == 1152);
    CHECK(e.CellAt(0, 0)->fiveCount == 3);
    CHECK(e.CellAt(1, 1)->fiveCount == 6);
    CHECK(e.CellAt(10, 0)->fiveCount == 8);
    CHECK(e.CellAt(2, 3)->fiveCount == 12);
    CHECK(e.CellAt(4, 4)->fiveCount == 20);
    CHECK(e.CellAt(15, 15)->fiveCount == 20);
    CHECK(e.CellAt(16, 16)->fiveCount == 15);

    CHECK(CellsOf(e.fives[0]) == XY {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}});
    CHECK(CellsOf(e.fives[319]) == XY {{15, 19}, {16, 19}, {17, 19}, {18, 19}, {19, 19}});
    CHECK(CellsOf(e.fives[320]) == XY {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}});
    CHECK(CellsOf(e.fives[639]) == XY {{19, 15}, {19, 16}, {19, 17}, {19, 18}, {19, 19}});
    CHECK(CellsOf(e.fives[640]) == XY {{15, 0}, {16, 1}, {17, 2}, {18, 3}, {19, 4}});
    CHECK(CellsOf(e.fives[641]) == XY {{14, 0}, {15, 1}, {16, 2}, {17, 3}, {18, 4}});
    CHECK(CellsOf(e.fives[642]) == XY {{15, 1}, {16, 2}, {17, 3}, {18, 4}, {19, 5}});
    CHECK(CellsOf(e.fives[895]) == XY {{0, 15}, {1, 16}, {2, 17}, {3, 18}, {4, 19}});
    CHECK(CellsOf(e.fives[896]) == XY {{4, 0}, {3, 1}, {2, 2}, {1, 3}, {0, 4}});
    CHECK(CellsOf(e.fives[897]) == XY {{5, 0}, {4, 1}, {3, 2}, {2, 3}, {1, 4}});
    CHECK(CellsOf(e.fives[898]) == XY {{4, 1}, {3, 2}, {2, 3}, {1, 4}, {0, 5}});
    CHECK(CellsOf(e.fives[1151]) == XY {{19, 15}, {18, 16}, {17, 17}, {16, 18}, {15, 19}});
}

TEST_CASE("the smallest board the settings allow, 10 x 5")
{
    CEngine e;
    InitBoard(e, 10, 5);
    REQUIRE(e.numFives == 52);
    CHECK(CellsOf(e.fives[29]) == XY {{5, 4}, {6, 4}, {7, 4}, {8, 4}, {9, 4}});
    CHECK(CellsOf(e.fives[30]) == XY {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}});
    CHECK(CellsOf(e.fives[39]) == XY {{9, 0}, {9, 1}, {9, 2}, {9, 3}, {9, 4}});
    CHECK(CellsOf(e.fives[40]) == XY {{5, 0}, {6, 1}, {7, 2}, {8, 3}, {9, 4}});
    CHECK(CellsOf(e.fives[45]) == XY {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}});
    CHECK(CellsOf(e.fives[46]) == XY {{4, 0}, {3, 1}, {2, 2}, {1, 3}, {0, 4}});
    CHECK(CellsOf(e.fives[51]) == XY {{9, 0}, {8, 1}, {7, 2}, {6, 3}, {5, 4}});
}

// The move choice reads "the next five continues this one" from the link
// next->cells[0] == this->cells[1]; on every size that link must hold exactly
// for neighbours on one line, one cell further along it.
TEST_CASE("enumeration: every board size keeps the successor link exact and each cell's lists in order")
{
    for (uint32_t w : {5u, 6u, 10u, 17u, 33u, 100u})
        for (uint32_t h : {5u, 7u, 20u, 100u}) {
            CAPTURE(w);
            CAPTURE(h);
            CEngine e;
            InitBoard(e, w, h);
            REQUIRE(e.numFives == (w - 4) * h + (h - 4) * (3 * w - 8));
            uint32_t counted = 0;
            for (uint32_t i = 0; i < w * h; ++i)
                counted += e.cells[i].fiveCount;
            CHECK(counted == 5 * e.numFives);

            bool linksExact = true;
            for (uint32_t i = 0; i < e.numFives; ++i) {
                const Five& f = e.fives[i];
                const Five* g = i + 1 < e.numFives ? &e.fives[i + 1] : nullptr;
                bool continues = g != nullptr;
                for (int k = 0; continues && k < 4; ++k)
                    continues = g->cells[k] == f.cells[k + 1];
                if (g && (g->cells[0] == f.cells[1]) != continues)
                    linksExact = false;
                // When the line goes on beyond this five, its continuation is next.
                const int64_t dx = int64_t(f.cells[1]->x) - f.cells[0]->x;
                const int64_t dy = int64_t(f.cells[1]->y) - f.cells[0]->y;
                const int64_t nx = f.cells[4]->x + dx, ny = f.cells[4]->y + dy;
                if (nx >= 0 && nx < int64_t(w) && ny < int64_t(h) && !continues)
                    linksExact = false;
            }
            CHECK(linksExact);

            bool listsOrdered = true;
            for (uint32_t i = 0; i < w * h; ++i)
                for (uint32_t k = 1; k < e.cells[i].fiveCount; ++k)
                    if (e.cells[i].fives[k - 1] >= e.cells[i].fives[k])
                        listsOrdered = false;
            CHECK(listsOrdered);
        }
}

TEST_CASE("straight after Init the board is empty, and Init forgets a game")
{
    CEngine used;
    InitBoard(used, 20, 20);
    for (uint32_t i = 0; i < used.width * used.height; ++i) {
        const Cell& c = used.cells[i];
        REQUIRE(c.owner == Nobody);
        REQUIRE(c.score[0] == c.fiveCount);
        REQUIRE(c.score[1] == c.fiveCount);
    }
    for (uint32_t i = 0; i < used.numFives; ++i) {
        REQUIRE(used.fives[i].owner == Nobody);
        REQUIRE(used.fives[i].count == 0);
    }
    CHECK(used.freeCells == 400);
    CHECK(used.state == NotStarted);
    CHECK(used.winningFive == nullptr);

    for (uint32_t x = 3; x < 8; ++x)
        used.Place(Human, used.CellAt(x, 5));
    used.Place(Computer, used.CellAt(9, 9));
    used.CheckOutcome();
    REQUIRE(used.state == Won);
    used.Init();

    CEngine fresh;
    InitBoard(fresh, 20, 20);
    CHECK(EngineDifference(used, fresh) == "");

    // A new size on a used engine, too.
    used.width = 37;
    used.height = 11;
    used.Init();
    InitBoard(fresh, 37, 11);
    CHECK(EngineDifference(used, fresh) == "");

    used.Free();
    used.Free();
    CHECK(used.cells == nullptr);
    CHECK(used.fives == nullptr);
}
