// The move choice in known positions, and the engine against the ladder in thousands.
#include "engine/Ladder.h"
#include "engine/Recount.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <random>

TEST_CASE("replies in known positions: fours, split, open and closed threes, the best cells")
{
    constexpr Player X = Human, O = Computer;
    // Rows come before columns (twoFours); of closed threes of equal worth, the earlier.
    const std::vector<Stone> three = {{5, 5, O}, {6, 5, O}, {7, 5, O}},
                             split = {{4, 5, O}, {6, 5, O}, {7, 5, O}},
                             leftClosed = {{5, 5, O}, {6, 5, O}, {7, 5, O}, {3, 5, X}},
                             closedTwice = {{5, 5, O}, {6, 5, O}, {7, 5, O}, {3, 5, X}, {9, 5, X}, {5, 15, O},
                                 {6, 15, O}, {7, 15, O}, {3, 15, X}, {9, 15, X}},
                             fours = {{2, 2, X}, {3, 2, X}, {4, 2, X}, {5, 2, X}, {10, 12, O}, {10, 13, O},
                                 {10, 14, O}, {10, 15, O}},
                             twoFours = {{3, 1, O}, {3, 2, O}, {3, 3, O}, {3, 4, O}, {10, 9, O}, {11, 9, O},
                                 {12, 9, O}, {13, 9, O}};
    const struct {
        std::vector<Stone> stones;
        Player player;
        std::string reply;
    } cases[] = {{{}, X, "(4,4)"}, {{{10, 10, X}}, O, "(9,9)"}, {split, X, "(5,5)"}, {three, O, "(4,5)"},
        {leftClosed, O, "(8,5)"}, {closedTwice, O, "(8,5)"}, {fours, O, "(10,11)"}, {fours, X, "(1,2)"},
        {twoFours, O, "(9,9)"}};
    for (const auto& c : cases) {
        CEngine e;
        InitBoard(e, 20, 20);
        PlaceStones(e, c.stones);
        CHECK(Where(e.ChooseMove(c.player)) == c.reply);
    }
}

// Self-played and random games with take-backs: at every position the state
// equals a recount, each rule and the choice are the ladder's, the outcome is
// the first complete five; at the end the engine equals one given only the
// stones left. One engine serves all games, so Init must forget.
TEST_CASE("over ten thousand positions the engine keeps exact and chooses as the rule-by-rule ladder")
{
    using Rule = Cell* (CEngine::*)(Player) const;  // in the order of LadderRule
    const Rule rules[] = {&CEngine::FindFour, &CEngine::FindSplitThree, &CEngine::FindOpenThree,
        &CEngine::FindBestThree, &CEngine::BestCell};
    std::mt19937 rng(7);
    CEngine e;
    for (auto [w, h, games, moves] : {std::tuple {5u, 5u, 1000, 30u}, {10u, 5u, 200, 40u}, {11u, 6u, 40, 60u},
             {20u, 20u, 20, 100u}, {31u, 17u, 4, 100u}, {100u, 100u, 1, 25u}}) {
        CAPTURE(w);
        for (int game = 0; game < games; ++game) {
            InitBoard(e, w, h);
            std::vector<Cell*> played;
            for (Player side = Human; e.freeCells > 0 && e.state != Won && played.size() < moves;) {
                REQUIRE(RecountMismatch(e) == "");
                for (int k = 0; k < 5; ++k)
                    for (Player q : {Human, Computer})
                        REQUIRE(Where((e.*rules[k])(q)) == Where(LadderRuleFor(e, LadderRule(k), q)));
                Cell* move = e.ChooseMove(side);
                REQUIRE(Where(move) == Where(Ladder(e, side)));
                if (!played.empty() && rng() % 6 == 0) {
                    const size_t i = rng() % played.size();
                    e.Remove(played[i]);
                    played.erase(played.begin() + long(i));
                    continue;
                }
                if (rng() % (2 + game % 5) == 0)  // a random move, more often in some games
                    do
                        move = &e.cells[rng() % (w * h)];
                    while (move->owner != Nobody);
                e.Place(side, move);
                played.push_back(move);
                side = CEngine::Opponent(side);
                const Five* end = e.fives.get() + e.numFives;
                const Five* five = std::find_if(
                    static_cast<const Five*>(e.fives.get()), end, [](const Five& f) { return f.count == 5; });
                e.CheckOutcome();
                REQUIRE(e.winningFive == (five == end ? nullptr : five));
                REQUIRE(e.state == (e.freeCells == 0 ? BoardFull : five != end ? Won : NotStarted));
            }
            REQUIRE(RecountMismatch(e) == "");
            CEngine rebuilt;
            InitBoard(rebuilt, w, h);
            for (size_t i = played.size(); i-- > 0;)
                rebuilt.Place(played[i]->owner, rebuilt.CellAt(played[i]->x, played[i]->y));
            rebuilt.CheckOutcome();
            REQUIRE(EngineDifference(e, rebuilt) == "");
        }
    }
}
