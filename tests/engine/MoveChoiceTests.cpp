// The engine against the rule-by-rule ladder in thousands of positions, and the
// one order among equals that random positions leave unseen.
#include "engine/Ladder.h"
#include "engine/Recount.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <random>

// Rows 5 and 15 of 20 are worth the same: random games seldom hold two such
// threes, so the order between them is seen here and not by the ladder.
TEST_CASE("of two closed threes of equal worth the earlier one is played")
{
    constexpr Player X = Human, O = Computer;
    CEngine e;
    InitBoard(e, 20, 20);
    PlaceStones(e,
        {{5, 5, O}, {6, 5, O}, {7, 5, O}, {3, 5, X}, {9, 5, X}, {5, 15, O}, {6, 15, O}, {7, 15, O},
            {3, 15, X}, {9, 15, X}});
    CHECK(Where(e.ChooseMove(O)) == "(8,5)");
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
