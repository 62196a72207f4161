// The board as cells and fives, and the scores and outcomes of known positions.
#include "engine/Recount.h"

#include <doctest/doctest.h>

TEST_CASE("the fives in the order of the four passes")
{
    const uint32_t fives[][7] = {// w, h, place, first cell, last cell
        {20, 20, 0, 0, 0, 4, 0}, {20, 20, 319, 15, 19, 19, 19}, {20, 20, 320, 0, 0, 0, 4},
        {20, 20, 639, 19, 15, 19, 19}, {20, 20, 640, 15, 0, 19, 4}, {20, 20, 641, 14, 0, 18, 4},
        {20, 20, 642, 15, 1, 19, 5}, {20, 20, 895, 0, 15, 4, 19}, {20, 20, 896, 4, 0, 0, 4},
        {20, 20, 897, 5, 0, 1, 4}, {20, 20, 898, 4, 1, 0, 5}, {20, 20, 1151, 19, 15, 15, 19},
        {10, 5, 29, 5, 4, 9, 4}, {10, 5, 30, 0, 0, 0, 4}, {10, 5, 40, 5, 0, 9, 4}, {10, 5, 46, 4, 0, 0, 4}};
    for (const auto& f : fives) {
        CEngine e;
        InitBoard(e, f[0], f[1]);
        for (uint32_t k = 0; k < 5; ++k)  // the cells between the ends lie on the line
            CHECK(e.fives[f[2]].cells[k]
                == e.CellAt((f[3] * (4 - k) + f[5] * k) / 4, (f[4] * (4 - k) + f[6] * k) / 4));
    }
}

TEST_CASE("one engine serves boards of every size in turn, as a new board of any other size must")
{
    CEngine e;
    // Each size differs from the one before in one side only, or not at all.
    for (auto [w, h] :
        {std::pair {20u, 20u}, {20u, 31u}, {20u, 31u}, {27u, 31u}, {27u, 6u}, {10u, 6u}, {10u, 5u}}) {
        CAPTURE(w * 1000 + h);
        InitBoard(e, w, h);
        CHECK(e.numFives == h * (w - 4) + w * (h - 4) + 2 * (w - 4) * (h - 4));
        PlaceStones(e, {{w - 1, h - 1, Human}, {0, h - 1, Computer}, {w - 1, 0, Human}});
        CHECK(RecountMismatch(e) == "");
    }
}

TEST_CASE("a stone raises the scores along its lines; a reply blocks the fives they share")
{
    CEngine e;
    InitBoard(e, 20, 20);
    const uint32_t scores[][5] = {// after stone 1 or 2: x, y, the human's score, the computer's
        {1, 10, 10, 60, 20}, {1, 11, 10, 28, 20}, {1, 11, 11, 28, 20}, {1, 9, 11, 28, 20},
        {1, 12, 12, 26, 20}, {1, 14, 10, 22, 20}, {1, 15, 10, 20, 20}, {2, 10, 10, 52, 20},
        {2, 11, 10, 20, 52}, {2, 9, 10, 22, 20}, {2, 6, 10, 22, 20}, {2, 12, 10, 20, 22},
        {2, 14, 10, 20, 22}};
    e.Place(Human, e.CellAt(10, 10));
    for (const auto& s : scores) {
        if (s[0] == 2 && e.freeCells == 399)
            e.Place(Computer, e.CellAt(11, 10));
        CHECK(std::pair(e.CellAt(s[1], s[2])->score[0], e.CellAt(s[1], s[2])->score[1])
            == std::pair(s[3], s[4]));
    }
}

// Rows of 'X' (human) and 'O' stones, all placed before asking, as in a redo.
TEST_CASE("five or more in a line win, the first complete five in the array; a full board ends the game")
{
    const struct {
        std::vector<std::string> rows;
        GameState state;
        std::string five;
    } cases[] = {
        {{"", "", "", "", "", "   XXXXXX"}, Won, "(3,5)(7,5)"},
        {{"  O", "  O", "OOOOO", "  O", "  O"}, Won, "(0,2)(4,2)"},
        {{"", "", "", "", "", "   XXXXX O"}, Won, "(3,5)(7,5)"},
        {{"    X", "   X", "  X", " X", "X      O"}, Won, "(4,0)(0,4)"},
        {{"XXXXX", "OOXXO", "XXOOX", "OOXXO", "XXOOX"}, BoardFull, "(0,0)(4,0)"},
    };
    for (const auto& c : cases) {
        CEngine e;
        InitBoard(e, c.state == BoardFull ? 5 : 20, c.state == BoardFull ? 5 : 20);
        for (uint32_t y = 0; y < c.rows.size(); ++y)
            for (uint32_t x = 0; x < c.rows[y].size(); ++x)
                if (c.rows[y][x] != ' ')
                    e.Place(c.rows[y][x] == 'X' ? Human : Computer, e.CellAt(x, y));
        e.CheckOutcome();
        CHECK(e.state == c.state);
        const Five* f = e.winningFive;
        CHECK((f ? Where(f->cells[0]) + Where(f->cells[4]) : "none") == c.five);
    }
}
