// Two copies of the built brain play each other through the protocol, with
// every move checked by an engine of the referee's own.
#include "BrainProcess.h"
#include "SessionHelpers.h"

#include <doctest/doctest.h>

#include <array>

namespace {

std::string Answer(CBrainProcess& brain)
{
    const std::optional<std::string> line = brain.ReadLine();
    REQUIRE_MESSAGE(line.has_value(), "no answer from the brain");
    REQUIRE(line->size() >= 2);
    REQUIRE(line->compare(line->size() - 2, 2, "\r\n") == 0);
    return line->substr(0, line->size() - 2);
}

// Reads "x,y" as the brain writes its moves.
bool ReadMove(const std::string& text, uint32_t& x, uint32_t& y)
{
    const size_t comma = text.find(',');
    if (comma == std::string::npos || comma == 0 || comma + 1 == text.size())
        return false;
    const std::string a = text.substr(0, comma), b = text.substr(comma + 1);
    if (a.find_first_not_of("0123456789") != std::string::npos
        || b.find_first_not_of("0123456789") != std::string::npos || a.size() > 3 || b.size() > 3)
        return false;
    x = uint32_t(std::stoul(a));
    y = uint32_t(std::stoul(b));
    return true;
}

// Plays one game between two brains: brain 0 opens with BEGIN. Returns the
// referee's final state and the number of moves.
std::pair<int32_t, uint32_t> PlayGame(uint32_t w, uint32_t h)
{
    std::array<CBrainProcess, 2> brains = {CBrainProcess(PBRAIN_PATH), CBrainProcess(PBRAIN_PATH)};
    // Each brain's view: its own stones are Computer. The referee is view 0.
    std::array<CEngine, 2> view;
    const std::string start = "RECTSTART " + std::to_string(w) + "," + std::to_string(h) + "\n";
    for (int side = 0; side < 2; ++side) {
        InitBoard(view[side], w, h);
        REQUIRE(brains[side].Send(start));
        REQUIRE(Answer(brains[side]) == "OK");
    }

    REQUIRE(brains[0].Send("BEGIN\n"));
    int mover = 0;
    uint32_t moves = 0;
    for (;;) {
        const std::string text = Answer(brains[mover]);
        CAPTURE(text);
        CAPTURE(moves);
        uint32_t x = 0, y = 0;
        REQUIRE(ReadMove(text, x, y));
        REQUIRE(x < w);
        REQUIRE(y < h);
        REQUIRE(view[0].CellAt(x, y)->owner == Nobody);
        // The brain's move is the game's reply in its own position.
        const Cell* expected = view[mover].ChooseMove(Computer);
        CHECK((expected->x == x && expected->y == y));
        view[mover].Place(Computer, view[mover].CellAt(x, y));
        view[1 - mover].Place(Human, view[1 - mover].CellAt(x, y));
        ++moves;
        REQUIRE(moves <= w * h);

        view[0].CheckOutcome();
        const bool over = view[0].state == Won || view[0].state == BoardFull;
        const int other = 1 - mover;
        REQUIRE(brains[other].Send("TURN " + text + "\r\n"));
        if (over) {
            // The move that ended the game is refused with the reason, and the
            // brain that made it will not move any more either.
            const char* reason = view[0].winningFive ? "five in a row" : "no free square is left";
            CHECK(Answer(brains[other]) == std::string("ERROR your move ends the game: ") + reason);
            REQUIRE(brains[mover].Send("TURN 0,0\n"));
            CHECK(Answer(brains[mover]) == std::string("ERROR the game is over: ") + reason);
            break;
        }
        mover = other;
    }
    for (CBrainProcess& brain : brains) {
        REQUIRE(brain.Send("END\n"));
        CHECK(brain.ReadRest() == "");
        CHECK(brain.Wait() == 0);
    }
    return {view[0].winningFive ? int32_t(Won) : view[0].state, moves};
}

}  // namespace

TEST_CASE("self-play: whole games between two brains end in a five or a full board")
{
    struct Size {
        uint32_t w, h;
    };
    int fives = 0, fullBoards = 0;
    for (const Size size : {Size {20, 20}, Size {10, 10}, Size {5, 5}, Size {15, 7}, Size {100, 100}}) {
        CAPTURE(size.w);
        CAPTURE(size.h);
        const auto [state, moves] = PlayGame(size.w, size.h);
        const std::string ending = state == Won ? "five" : "full board";
        MESSAGE(size.w, "x", size.h, ": ", ending, " after ", moves, " moves");
        CHECK((state == Won || state == BoardFull));
        fives += state == Won;
        fullBoards += state == BoardFull;
    }
    // Both endings of a game went through the protocol.
    CHECK(fives > 0);
    CHECK(fullBoards > 0);
}
